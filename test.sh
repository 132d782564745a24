#!/usr/bin/env bash
# Builds the program and runs every test headless, then replays the fuzzing corpora through the
# readers under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh --bench --fuzz --documents
# The benchmark is built with the tests, so that it keeps compiling, but it is not run as a test.
cmake -S . -B build -G Ninja -DZT_TESTS=ON -DZT_BENCH=ON >/dev/null
cmake --build build -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZT_FUZZ=ON -DZT_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target zt_fuzz_targets
ctest --test-dir build-fuzz --output-on-failure -j "$(nproc)"
