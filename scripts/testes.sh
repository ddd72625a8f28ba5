#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs every test: the main build
# (engine, reports, desktop offscreen, batch runner), then the engine tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets for
# a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
jobs=$(nproc)

log=$(mktemp)
trap 'rm -f "$log"' EXIT

bash scripts/compilar.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --output-on-failure) | tee -a "$log"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUANT_ENGINE_ONLY=ON -DQUANT_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest -j "$jobs" --output-on-failure) | tee -a "$log"

if [ -d fuzz ] && ls fuzz/*.cpp >/dev/null 2>&1; then
  bash scripts/fuzz.sh 60
fi

# One closing line over both CTest runs (pipefail has already stopped us on a failure).
read -r total failed < <(awk '/tests passed, [0-9]+ tests failed out of/ {
    for (i = 1; i <= NF; i++) { if ($i == "failed") f += $(i - 2); if ($i == "of") t += $(i + 1) } }
    END { print t + 0, f + 0 }' "$log")
skipped=$(grep -c '(Skipped)' "$log" || true)
echo "Resumo: $((total - failed - skipped)) passed, $failed failed, $skipped skipped"
