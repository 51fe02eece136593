#!/usr/bin/env bash
# Runs every fuzz target for SECONDS seconds each (default 60), starting from the seed corpus.
# New inputs go to build/fuzz/corpus/, crashes to build/fuzz/artifacts/. Exits non-zero on a find.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
for target in list_reader path_scans; do
  corpus=build/fuzz/corpus/$target
  mkdir -p "$corpus" build/fuzz/artifacts
  cp -n tests/fuzz/corpus/$target/* "$corpus/" 2>/dev/null || true
  echo "== $target, $seconds s"
  status=0
  build/fuzz/${target}_fuzzer -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix=build/fuzz/artifacts/$target- "$corpus" >build/fuzz/$target-$seconds.log 2>&1 || status=$?
  grep -a -E '^stat::number_of_executed_units|^Done|ERROR|SUMMARY|Test unit written' build/fuzz/$target-$seconds.log || true
  [ "$status" -eq 0 ] || { echo "$target found a fault: see build/fuzz/$target-$seconds.log"; exit 1; }
done
