#!/usr/bin/env bash
# Installs what building, testing and running need on Debian 12 (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-charts-dev libgl1-mesa-dev
  libdxflib-dev libgtest-dev libbenchmark-dev libboost-dev
  xvfb xauth fonts-liberation2 fonts-crosextra-carlito
  python3 python3-ezdxf time
  clang libfuzzer-14-dev libclang-rt-14-dev
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
