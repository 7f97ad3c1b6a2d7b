#!/usr/bin/env bash
# Installs every package the program, its tests and its benchmarks need, from
# Debian's package manager (g++-multilib for the 32-bit compile of the core).
# Run as root on Debian 12.
set -euo pipefail
packages=(g++ g++-multilib clang cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core qt6-base-dev qt6-charts-dev libqt6opengl6-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
