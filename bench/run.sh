#!/usr/bin/env bash
# Builds the benchmarks in an optimised build of their own and runs them headless.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --bench
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZT_TESTS=OFF -DZT_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)" --target zt_bench
QT_QPA_PLATFORM=offscreen build-bench/bench/zt_bench "$@"
