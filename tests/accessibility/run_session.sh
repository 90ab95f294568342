#!/usr/bin/env bash
# run_session.sh PROGRAM CHECK...: starts PROGRAM in a private X server (with openbox)
# and a private D-Bus session whose accessibility bus runs before it, then runs CHECK
# with the program's pid appended. Screen readers and the checks meet the program there.
set -euo pipefail
if [ -z "${ABACONE_A11Y_SESSION:-}" ]; then
  export ABACONE_A11Y_SESSION=1
  exec dbus-run-session -- "$0" "$@"
fi
program=$1; shift

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Nothing of the user's desktop: a home, settings and runtime folder of our own.
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
read -r -t 20 display <"$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display
# openbox runs its start-up command once it manages the screen.
openbox --startup "touch $work/wm-ready" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 300); do [ -e "$work/wm-ready" ] && break; sleep 0.1; done
[ -e "$work/wm-ready" ] || { echo "openbox did not start" >&2; exit 1; }

# The accessibility bus first: Qt looks for it once, when the program starts.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C.UTF-8
${ABACONE_A11Y_WRAP:-} "$program" >"$work/program.log" 2>&1 &
pids+=($!)
program_pid=$!
"$@" "$program_pid"
