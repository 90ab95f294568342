#!/usr/bin/env bash
# Start-up time, memory and idle wake-ups of the calculator beside a bare Qt Widgets
# window of the same shape, measured in one run on a private virtual X display.
# Usage: scripts/measure-startup.sh [BUILD_DIR] [RUNS]   (defaults: build, 9)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
runs=${2:-9}
idle=3

[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja >/dev/null
cmake --build "$dir" --target abacone abacone-baseline-window abacone-map-timer >/dev/null

. scripts/x-session.sh
tmp=$(mktemp -d)
trap 'x_session_stop; rm -rf "$tmp"' EXIT
x_session_start --size 1280x800 --no-wm --no-panel || exit 1
export QT_QPA_PLATFORM=xcb

timer="$dir/bench/gui/abacone-map-timer"
# Alternate the two programs so that both see the same machine load.
for run in $(seq "$runs"); do
  "$timer" "$idle" "$dir/bench/gui/abacone-baseline-window" >>"$tmp/baseline" 2>/dev/null
  "$timer" "$idle" "$dir/shell/abacone" -p >>"$tmp/abacone" 2>/dev/null
done

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
report() {
  local name=$1 file=$2
  local ms kib wakeups
  ms=$(awk '{ print $1 }' "$file" | median)
  kib=$(awk '{ print $2 }' "$file" | median)
  wakeups=$(awk '{ print $3 }' "$file" | median)
  printf '%-10s %8.1f ms to map  %7.1f MB resident  %6.2f wake-ups/s idle\n' \
    "$name" "$ms" "$(awk -v k="$kib" 'BEGIN { print k / 1024 }')" "$wakeups"
  echo "$ms $kib" >"$tmp/$name.median"
}
echo "== start-up, median of $runs runs each (Xvfb, no window manager)"
report baseline "$tmp/baseline"
report abacone "$tmp/abacone"
read -r bms bkib <"$tmp/baseline.median"
read -r ams akib <"$tmp/abacone.median"
awk -v a="$ams" -v b="$bms" -v ak="$akib" -v bk="$bkib" \
  'BEGIN { printf "ratio      %8.2f x time (target <= 1.3)  %5.2f x memory (target <= 1.2)\n", a / b, ak / bk }'
