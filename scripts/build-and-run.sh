#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVO_BENCH=OFF
cmake --build build/release --target TAVO_Scheduler
exec build/release/TAVO_Scheduler
