#!/usr/bin/env bash
# Fuzzes every reader for a while: tools/fuzz.sh [seconds per target, default 300] [target ...].
# New inputs go to build-fuzz/corpus; an input that crashes, hangs, leaks or trips a sanitizer is
# written to fuzz/found/<target>/, where ./test.sh replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
shift || true
tools/install-deps.sh --fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZT_FUZZ=ON -DZT_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target zt_fuzz_targets
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
status=0
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t" "fuzz/found/$t"
  echo "== $t: ${seconds}s"
  if ! "build-fuzz/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="fuzz/found/$t/" "build-fuzz/corpus/$t" "fuzz/corpus/$t" 2>&1 \
       | grep -E "stat::number_of_executed_units|ERROR|SUMMARY|Done"; then
    status=1
  fi
done
exit $status
