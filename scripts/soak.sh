#!/usr/bin/env bash
# A day of use in minutes: keys of calculation, openings of the value dialog, the hex pad
# and the binary window, switches to another program and back, minimise and tray
# restores, all on a private virtual X display with a window manager and a panel.
# Prints resident memory after warm-up and at the end, the program's top-level and X
# windows, and its wake-ups while idle afterwards. Targets: memory grows by less than
# 2 MB, window counts back at their start values, at most 1 idle wake-up (an event from
# the panel or the X server may wake it once; a polling timer wakes it every interval).
# Every wait is bounded: a step that does not come about ends the run with its name and
# a non-zero exit.
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

. scripts/x-session.sh
pids=()
app=
step="starting the display, the window manager and the panel"
trap 'x_session_end "${pids[@]}"; x_session_stop' EXIT

give_up() {
  local why=$1
  [ -n "$app" ] && ! kill -0 "$app" 2>/dev/null && why+=" (the calculator is no longer running)"
  echo "soak: gave up at $step: $why" >&2
  exit 1
}
# Waits until a command succeeds, checked every 20 ms, for at most $2 seconds.
until_ok() { x_session_wait "${2:-10}" eval "$1" || give_up "waited ${2:-10} s for: $1"; }
# X clients wait on the server and the window manager; one that stops answering must
# not stop the run. ask: a question, whose failure the caller handles; act: an action.
ask() { timeout 5 "$@"; }
act() {  # $1 seconds, then the command
  local seconds=$1; shift
  timeout "$seconds" "$@" >/dev/null 2>&1 || give_up "$* failed or took over $seconds s"
}

x_session_start || give_up "$x_session_problem"
export QT_QPA_PLATFORM=xcb

step="starting the other program"
xmessage -geometry 400x200+200+150 "Another program" >/dev/null 2>&1 &
pids+=($!)
until_ok 'ask xdotool search --name "^xmessage$"'
other=$(ask xdotool search --name '^xmessage$' | head -n1)

step="starting the calculator"
"$program" p >/dev/null 2>&1 &
app=$!
pids+=("$app")
until_ok 'ask xdotool search --onlyvisible --name "^Abacone$"'
main=$(ask xdotool search --onlyvisible --name '^Abacone$' | head -n1)

active() { ask xdotool getactivewindow 2>/dev/null || echo 0; }
main_active() { [ "$(active)" = "$main" ]; }
other_window_active() { local a; a=$(active); [ "$a" != "$main" ] && [ "$a" != "$other" ] && [ "$a" != 0 ]; }
iconic() { ask xprop -id "$main" WM_STATE | grep -q 'window state: Iconic'; }
running() { kill -0 "$app" 2>/dev/null || give_up "the calculator is no longer running"; }
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$app/status"; }
# Windows with the program's class (its top-level windows and the tray icon, mapped or
# not), and every X window that the program's connection created.
top_levels() { ask xdotool search --class abacone | wc -l; }
x_windows() {
  local base=$(( main & ~0x1FFFFF )) n=0 id
  for id in $(ask xwininfo -root -tree | awk '$1 ~ /^0x/ { print $1 }'); do
    (( (id & ~0x1FFFFF) == base )) && n=$((n + 1))
  done
  echo "$n"
}
mb() { awk -v k="$1" 'BEGIN { printf "%.2f", k / 1024 }'; }
# A thread may end between listing and reading: its file is then skipped.
wakeups() { { cat /proc/"$app"/task/*/status 2>/dev/null || true; } | awk '/ctxt_switches/ { n += $2 } END { print n }'; }
# The tray icon is the program's small viewable window that the panel has embedded: the
# window manager does not manage it. Sets icon_x and icon_y to its middle.
tray_icon() {
  local clients w geo width height
  clients=$(ask xprop -root _NET_CLIENT_LIST) || return 1
  for w in $(ask xdotool search --classname '^abacone$'); do
    grep -qiw "$(printf '0x%x' "$w")" <<<"$clients" && continue
    geo=$(ask xwininfo -id "$w") || continue
    grep -q 'Map State: IsViewable' <<<"$geo" || continue
    width=$(awk '/^  Width:/ { print $2 }' <<<"$geo")
    height=$(awk '/^  Height:/ { print $2 }' <<<"$geo")
    [ "${width:-0}" -le 32 ] && [ "${height:-0}" -le 32 ] || continue
    icon_x=$(( $(awk '/Absolute upper-left X:/ { print $4 }' <<<"$geo") + width / 2 ))
    icon_y=$(( $(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$geo") + height / 2 ))
    return 0
  done
  return 1
}
# The pointer rests on the icon for longer than the toolkit's double-click time (400 ms)
# before it presses: a press that soon after the last one at the same place is the
# second half of a double click, which restores nothing. (No --sync on the move: this
# xdotool waits for ever when the pointer is already there, as it is after a restore.)
tray_icon_click() {
  until_ok tray_icon
  act 10 xdotool mousemove "$icon_x" "$icon_y" sleep 0.5 click 1
}
until_ok main_active
# Restores need the icon in the panel: the panel may take over the tray after the start.
until_ok tray_icon

calculate() {  # $1 keys, typed in lines of 1000
  local line='123.45*6-78/9+1=' chunk='' k
  while [ ${#chunk} -lt 1000 ]; do chunk+=$line; done
  chunk=${chunk:0:1000}
  for ((k = 0; k < $1; k += 1000)); do
    step="$phase: calculation, keys $k of $1"
    act 120 xdotool type --delay 1 "$chunk"
  done
  act 10 xdotool key Escape
}
open_and_close() {  # $1 count, $2 key that opens, $3 key that closes, $4 name
  local n
  for ((n = 0; n < $1; n++)); do
    step="$phase: $4 opening $((n + 1)) of $1"
    act 10 xdotool key Escape "$2"
    until_ok other_window_active
    act 10 xdotool key "$3"
    until_ok main_active
  done
}
switches() {
  local n
  for ((n = 0; n < $1; n++)); do
    step="$phase: switch $((n + 1)) of $1 to the other program and back"
    act 20 xdotool windowactivate --sync "$other"
    act 20 xdotool windowactivate --sync "$main"
    until_ok main_active
  done
}
restores() {
  local n
  for ((n = 0; n < $1; n++)); do
    step="$phase: minimise $((n + 1)) of $1"
    act 10 xdotool key ctrl+q
    until_ok iconic
    step="$phase: tray restore $((n + 1)) of $1"
    tray_icon_click
    until_ok main_active
  done
}
day() {  # $1 share of the full amounts, in percent
  calculate $(( keys * $1 / 100 ))
  open_and_close $(( openings * $1 / 100 )) shift+ctrl+s Return "value dialog"
  open_and_close $(( openings * $1 / 100 )) shift+ctrl+h Escape "hex pad"
  open_and_close $(( openings * $1 / 100 )) Prior Escape "binary window"
  switches $(( switches * $1 / 100 ))
  restores $(( restores * $1 / 100 > 0 ? restores * $1 / 100 : 1 ))
}

echo "== soak: $keys keys, $openings openings each of the value dialog, hex pad and binary window,"
echo "   $switches switches to another program, $restores minimise and tray restores"
start=$(date +%s)
phase=warm-up
day 10  # warm-up: caches, fonts and first openings settle
sleep 1
step="counting after the warm-up"
running
rss0=$(rss_kib) tops0=$(top_levels) xwins0=$(x_windows)
phase=day
day 100
sleep 2
step="counting at the end"
running
rss1=$(rss_kib) tops1=$(top_levels) xwins1=$(x_windows)
w0=$(wakeups)
sleep "$idle"
running
w1=$(wakeups)
growth=$(( rss1 - rss0 ))
echo "resident memory   $(mb "$rss0") MB after warm-up, $(mb "$rss1") MB at the end: $(mb "$growth") MB more (target < 2)"
echo "top-level windows $tops0 after warm-up, $tops1 at the end"
echo "X windows         $xwins0 after warm-up, $xwins1 at the end"
echo "idle wake-ups     $(( w1 - w0 )) in $idle s afterwards (target at most 1)"
echo "time              $(( $(date +%s) - start )) s"
ok=1
[ "$growth" -lt 2048 ] || ok=0
[ "$tops0" = "$tops1" ] && [ "$xwins0" = "$xwins1" ] || ok=0
[ $(( w1 - w0 )) -le 1 ] || ok=0
if [ "$ok" = 1 ]; then echo "soak: within targets"; else echo "soak: OUTSIDE TARGETS"; exit 1; fi
