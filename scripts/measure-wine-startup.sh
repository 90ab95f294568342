#!/usr/bin/env bash
# abacone.exe under Wine beside a bare Win32 window of the same shape
# (build/windows/bench/abacone-baseline-window.exe), measured in one run on a private X
# session: time from start until the window is visible, and resident memory a second
# later. Wine's absolute figures say little about Windows; the ratio is the figure.
# Usage: scripts/measure-wine-startup.sh [BUILD_DIR] [RUNS]   (defaults: build, 5)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
runs=${2:-5}
exe=$dir/windows/shell/abacone.exe
baseline=$dir/windows/bench/abacone-baseline-window.exe
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
if ! command -v wine >/dev/null || [ ! -x "$server" ]; then
  echo "== Wine start-up: skipped (no Wine)"
  exit 0
fi
[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja >/dev/null
cmake --build "$dir" --target abacone_calc_windows >/dev/null
if [ ! -f "$exe" ] || [ ! -f "$baseline" ]; then
  echo "== Wine start-up: skipped (no cross-built programs)"
  exit 0
fi

# A prefix of its own, made once like the Wine tests' (Japanese fonts standing in).
export WINEPREFIX=$PWD/$dir/bench/wine-prefix WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
sh tests/wine/wine_gui_prefix.sh up "$server"

. scripts/x-session.sh
tmp=$(mktemp -d)
trap '"$server" -k 2>/dev/null || true; x_session_stop; rm -rf "$tmp"' EXIT
x_session_start --size 1280x800 || exit 1
# One server for all runs, so that neither program pays for starting it.
"$server" -p

# measure TITLE PROGRAM ARGS...: prints "<ms until visible> <resident KiB>".
measure() {
  local title=$1 start end pid n
  shift
  start=$(date +%s%N)
  wine "$@" </dev/null >/dev/null 2>&1 &
  pid=$!  # the wine launcher execs into the Windows process: same pid
  for ((n = 0; n < 2000; n++)); do
    xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 && break
    sleep 0.005
  done
  end=$(date +%s%N)
  sleep 1
  local kib
  kib=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  ((n < 2000)) || { echo "-1 $kib"; return; }
  echo "$(((end - start) / 1000000)) $kib"
}

# The first start in a prefix also starts Wine's desktop process: not counted.
measure Baseline "$baseline" >/dev/null
measure Abacone "$exe" p >/dev/null
# Alternate the two programs so that both see the same machine load.
for run in $(seq "$runs"); do
  measure Baseline "$baseline" >>"$tmp/baseline"
  measure Abacone "$exe" p >>"$tmp/abacone"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "== abacone.exe under Wine, median of $runs runs each (Xvfb, openbox)"
for name in baseline abacone; do
  ms=$(awk '{ print $1 }' "$tmp/$name" | median)
  kib=$(awk '{ print $2 }' "$tmp/$name" | median)
  printf '%-10s %8.1f ms to a visible window  %7.1f MB resident\n' "$name" "$ms" \
    "$(awk -v k="$kib" 'BEGIN { print k / 1024 }')"
  echo "$ms $kib" >"$tmp/$name.median"
done
read -r bms bkib <"$tmp/baseline.median"
read -r ams akib <"$tmp/abacone.median"
awk -v a="$ams" -v b="$bms" -v ak="$akib" -v bk="$bkib" \
  'BEGIN { printf "ratio      %8.2f x time  %5.2f x memory\n", a / b, ak / bk }'
