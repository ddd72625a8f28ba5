#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
secs=${1:-60}
CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUANT_ENGINE_ONLY=ON -DQUANT_FUZZ=ON -DQUANT_BENCH=OFF >/dev/null
targets=()
for src in fuzz/*.cpp; do targets+=(--target "$(basename "$src" .cpp)"); done
cmake --build build-fuzz -j "$(nproc)" "${targets[@]}"
for src in fuzz/*.cpp; do
  name=$(basename "$src" .cpp)
  corpus=build-fuzz/corpus-$name
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds+=("fuzz/seeds/$name")
  echo "fuzz: $name por ${secs}s"
  ./build-fuzz/fuzz/"$name" -max_total_time="$secs" -rss_limit_mb=2048 "$corpus" "${seeds[@]}" 2>&1 | tail -3
done
