#!/usr/bin/env bash
# Builds the program and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DZT_TESTS=ON >/dev/null
cmake --build build -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
