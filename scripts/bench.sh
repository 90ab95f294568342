#!/usr/bin/env bash
# Builds build/ if needed, runs the benchmarks and timings, and prints their figures; a
# day of use on a virtual display comes last.
set -euo pipefail
cd "$(dirname "$0")/.."

[ -f build/build.ninja ] || cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target abacone-engine-bench make-calc-text abacone-calc -- -j"$(nproc)" >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

echo "== engine: clipboard calculation of 1 MB without a line break; sum of a million-line column"
build/bench/abacone-engine-bench --benchmark_counters_tabular=true 2>&1 | grep -v -e '^\*\*\*WARNING' -e '^Load Average'

echo "== abacone-calc on one 10 MB line"
bytes=10000000
build/bench/make-calc-text "$bytes" >"$tmp/line.txt"
TIMEFORMAT=%R
for run in 1 2 3; do
  seconds=$( { time build/cli/abacone-calc --hex --bin <"$tmp/line.txt" >"$tmp/out.txt"; } 2>&1 )
  awk -v s="$seconds" -v b="$bytes" -v r="$run" \
    'BEGIN { printf "run %d: %.3f s, %.1f MB/s\n", r, s, b / s / 1e6 }'
done
echo "answer: $(cat "$tmp/out.txt")"

echo "== main window: key handling (offscreen)"
cmake --build build --target abacone-key-bench >/dev/null && build/bench/gui/abacone-key-bench 2>/dev/null
scripts/measure-startup.sh build
scripts/measure-wine-startup.sh build

echo "== a day of use"
scripts/soak.sh build
