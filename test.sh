#!/usr/bin/env bash
# Builds the program and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh --bench
# The benchmark is built with the tests, so that it keeps compiling, but it is not run as a test.
cmake -S . -B build -G Ninja -DZT_TESTS=ON -DZT_BENCH=ON >/dev/null
cmake --build build -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
