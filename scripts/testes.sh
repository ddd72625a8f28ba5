#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs every test: the main build
# (engine, reports, desktop offscreen, batch runner), then the engine tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets for
# a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
jobs=$(nproc)

bash scripts/compilar.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --output-on-failure)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUANT_ENGINE_ONLY=ON -DQUANT_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest -j "$jobs" --output-on-failure)

if [ -d fuzz ] && ls fuzz/*.cpp >/dev/null 2>&1; then
  bash scripts/fuzz.sh 60
fi
