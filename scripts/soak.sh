#!/usr/bin/env bash
# A day of use in minutes: keys of calculation, openings of the value dialog, the hex pad
# and the binary window, switches to another program and back, minimise and tray
# restores, all on a private virtual X display with a window manager and a panel.
# Prints resident memory after warm-up and at the end, the program's top-level and X
# windows, and its wake-ups while idle afterwards. Targets: memory grows by less than
# 2 MB, window counts back at their start values, 0 idle wake-ups.
# Usage: scripts/soak.sh [BUILD_DIR] [--short]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
if [ "${2:-}" = --short ]; then
  keys=5000 openings=20 switches=20 restores=5 idle=5
else
  keys=100000 openings=500 switches=300 restores=50 idle=10
fi

[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja >/dev/null
cmake --build "$dir" --target abacone >/dev/null
program=$dir/shell/abacone

tmp=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -s "$tmp/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$tmp/display")" QT_QPA_PLATFORM=xcb

# Waits until a command succeeds, checked every 20 ms, for at most $2 seconds.
until_ok() {
  local limit=$(( ${2:-10} * 50 )) n
  for ((n = 0; n < limit; n++)); do eval "$1" >/dev/null 2>&1 && return 0; sleep 0.02; done
  echo "soak: gave up waiting for: $1" >&2
  return 1
}

openbox >/dev/null 2>&1 &
pids+=($!)
until_ok 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
tint2 -c tests/e2e/e2e_shell_tint2rc >/dev/null 2>&1 &
pids+=($!)
until_ok 'xdotool search --class tint2'
xmessage -geometry 400x200+200+150 "Another program" >/dev/null 2>&1 &
pids+=($!)
until_ok 'xdotool search --name "^xmessage$"'
other=$(xdotool search --name '^xmessage$' | head -n1)

"$program" p >/dev/null 2>&1 &
app=$!
pids+=("$app")
until_ok 'xdotool search --onlyvisible --name "^Abacone$"'
main=$(xdotool search --onlyvisible --name '^Abacone$' | head -n1)

active() { xdotool getactivewindow 2>/dev/null || echo 0; }
main_active() { [ "$(active)" = "$main" ]; }
other_window_active() { local a; a=$(active); [ "$a" != "$main" ] && [ "$a" != "$other" ] && [ "$a" != 0 ]; }
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$app/status"; }
# Windows with the program's class (its top-level windows and the tray icon, mapped or
# not), and every X window that the program's connection created.
top_levels() { xdotool search --class abacone 2>/dev/null | wc -l; }
x_windows() {
  local base=$(( main & ~0x1FFFFF )) n=0 id
  for id in $(xwininfo -root -tree | awk '$1 ~ /^0x/ { print $1 }'); do
    (( (id & ~0x1FFFFF) == base )) && n=$((n + 1))
  done
  echo "$n"
}
mb() { awk -v k="$1" 'BEGIN { printf "%.2f", k / 1024 }'; }
wakeups() { cat /proc/"$app"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'; }
tray_icon_click() {
  local w geo x y width
  for w in $(xdotool search --classname abacone); do
    geo=$(xwininfo -id "$w" 2>/dev/null) || continue
    width=$(awk '/^  Width:/ { print $2 }' <<<"$geo")
    if [ "${width:-0}" -le 32 ] && grep -q 'IsViewable' <<<"$geo"; then
      x=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$geo")
      y=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$geo")
      xdotool mousemove $((x + width / 2)) $((y + width / 2)) click 1
      return 0
    fi
  done
  return 1
}
until_ok 'main_active'

calculate() {  # $1 keys, typed in lines of 1000
  local line='123.45*6-78/9+1=' chunk='' k
  while [ ${#chunk} -lt 1000 ]; do chunk+=$line; done
  chunk=${chunk:0:1000}
  for ((k = 0; k < $1; k += 1000)); do xdotool type --delay 1 "$chunk"; done
  xdotool key Escape
}
open_and_close() {  # $1 count, $2 key that opens, $3 key that closes
  local n
  for ((n = 0; n < $1; n++)); do
    xdotool key Escape "$2"
    until_ok other_window_active
    xdotool key "$3"
    until_ok main_active
  done
}
switches() {
  local n
  for ((n = 0; n < $1; n++)); do
    xdotool windowactivate --sync "$other"
    xdotool windowactivate --sync "$main"
    until_ok main_active
  done
}
restores() {
  local n
  for ((n = 0; n < $1; n++)); do
    xdotool key ctrl+q
    until_ok 'xprop -id "$main" WM_STATE | grep -q Iconic'
    until_ok tray_icon_click
    until_ok main_active
  done
}
day() {  # $1 share of the full amounts, in percent
  calculate $(( keys * $1 / 100 ))
  open_and_close $(( openings * $1 / 100 )) shift+ctrl+s Return
  open_and_close $(( openings * $1 / 100 )) shift+ctrl+h Escape
  open_and_close $(( openings * $1 / 100 )) Prior Escape
  switches $(( switches * $1 / 100 ))
  restores $(( restores * $1 / 100 > 0 ? restores * $1 / 100 : 1 ))
}

echo "== soak: $keys keys, $openings openings each of the value dialog, hex pad and binary window,"
echo "   $switches switches to another program, $restores minimise and tray restores"
start=$(date +%s)
day 10  # warm-up: caches, fonts and first openings settle
sleep 1
rss0=$(rss_kib) tops0=$(top_levels) xwins0=$(x_windows)
day 100
sleep 2
rss1=$(rss_kib) tops1=$(top_levels) xwins1=$(x_windows)
w0=$(wakeups)
sleep "$idle"
w1=$(wakeups)
growth=$(( rss1 - rss0 ))
echo "resident memory   $(mb "$rss0") MB after warm-up, $(mb "$rss1") MB at the end: $(mb "$growth") MB more (target < 2)"
echo "top-level windows $tops0 after warm-up, $tops1 at the end"
echo "X windows         $xwins0 after warm-up, $xwins1 at the end"
echo "idle wake-ups     $(( w1 - w0 )) in $idle s afterwards (target 0)"
echo "time              $(( $(date +%s) - start )) s"
ok=1
[ "$growth" -lt 2048 ] || ok=0
[ "$tops0" = "$tops1" ] && [ "$xwins0" = "$xwins1" ] || ok=0
[ $(( w1 - w0 )) -eq 0 ] || ok=0
if [ "$ok" = 1 ]; then echo "soak: within targets"; else echo "soak: OUTSIDE TARGETS"; exit 1; fi
