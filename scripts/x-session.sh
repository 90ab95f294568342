#!/usr/bin/env bash
# A private X session for tests and measurements: Xvfb on a free display, the openbox
# window manager and a tint2 panel whose notification area takes tray icons. It exports
# DISPLAY and nothing else, so any program can run in it. Each wait is bounded: a part not
# up within 10 s fails the start, and what was started is ended again.
# Sourced:  x_session_start [--size WxH] [--no-wm] [--no-panel] || ...($x_session_problem)
#           x_session_panel start|stop;  x_session_end PID... (TERM, 5 s, KILL);  x_session_stop
# Run:      scripts/x-session.sh [options] --serve  prints "display :N" (or "failed: why"),
#           answers "panel start|stop" lines with "ok" (or "failed: why") until its input
#           ends, then ends the session. ABACONE_E2E_VERBOSE lets the session's programs talk.

x_session_problem=''
_xs_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
_xs_dir='' _xs_server='' _xs_wm='' _xs_panel=''

# True once the command succeeds, checked every 20 ms, for at most $1 seconds.
x_session_wait() {
  local limit=$(($1 * 50)) n
  shift
  for ((n = 0; n < limit; n++)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.02; done
  return 1
}
# Starts a program of the session in the background and sets _xs_pid.
_xs_spawn() {
  if [ -n "${ABACONE_E2E_VERBOSE:-}" ]; then "$@" </dev/null >&2 & else "$@" </dev/null >/dev/null 2>&1 & fi
  _xs_pid=$!
}
_xs_fail() {
  x_session_problem=$1
  echo "x-session: $1" >&2
  x_session_stop
  return 1
}

x_session_end() {
  local p t=0
  [ $# -gt 0 ] || return 0
  kill "$@" 2>/dev/null || true
  # kill -0 succeeds while any of them runs.
  while kill -0 "$@" 2>/dev/null && ((t++ < 250)); do sleep 0.02; done
  for p in "$@"; do kill -9 "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
}

x_session_start() {
  local size=1024x768 wm=1 panel=1
  while [ $# -gt 0 ]; do
    case $1 in
      --size) size=$2; shift ;;
      --no-wm) wm=0 ;;
      --no-panel) panel=0 ;;
      *) x_session_problem="unknown option $1"; return 1 ;;
    esac
    shift
  done
  _xs_dir=$(mktemp -d /tmp/abacone-x-XXXXXX) || { x_session_problem="no temporary folder"; return 1; }
  # -displayfd: the server picks a free display and writes its number once it listens.
  exec {_xs_fd}>"$_xs_dir/display"
  _xs_spawn Xvfb -displayfd "$_xs_fd" -screen 0 "${size}x24" -nolisten tcp
  _xs_server=$_xs_pid
  exec {_xs_fd}>&-
  x_session_wait 10 grep -q '^[0-9][0-9]*$' "$_xs_dir/display" || { _xs_fail "Xvfb did not start"; return 1; }
  DISPLAY=":$(head -n1 "$_xs_dir/display")"
  export DISPLAY
  if [ "$wm" = 1 ]; then
    # openbox runs its start-up command once it manages the screen.
    _xs_spawn openbox --startup "touch $_xs_dir/wm-ready"
    _xs_wm=$_xs_pid
    x_session_wait 10 test -e "$_xs_dir/wm-ready" || { _xs_fail "openbox did not start"; return 1; }
  fi
  if [ "$panel" = 1 ] && ! x_session_panel start; then _xs_fail "$x_session_problem"; return 1; fi
}

x_session_panel() {
  if [ "$1" = start ] && [ -z "$_xs_panel" ]; then
    _xs_spawn tint2 -c "$_xs_root/tests/support/tint2rc"
    _xs_panel=$_xs_pid
    # A server that stops answering must not hold the caller: the X client gets a limit.
    x_session_wait 10 timeout 5 xdotool search --class tint2 && return 0
    x_session_problem="tint2 did not start"
  elif [ "$1" = start ]; then
    return 0
  fi
  if [ -n "$_xs_panel" ]; then x_session_end "$_xs_panel"; fi
  _xs_panel=''
  [ "$1" = stop ]
}

x_session_stop() {
  x_session_panel stop
  # shellcheck disable=SC2086 # an empty one is left out
  if [ -n "$_xs_wm$_xs_server" ]; then x_session_end $_xs_wm $_xs_server; fi
  if [ -n "$_xs_dir" ]; then rm -rf "$_xs_dir"; fi
  _xs_dir='' _xs_server='' _xs_wm=''
}

# Run rather than sourced.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  [ "${*: -1}" = --serve ] || { echo "usage: $0 [--size WxH] [--no-wm] [--no-panel] --serve" >&2; exit 2; }
  trap 'x_session_stop; exit 143' TERM INT HUP
  x_session_start "${@:1:$#-1}" || { echo "failed: $x_session_problem"; exit 1; }
  echo "display $DISPLAY"
  while read -r request; do
    case $request in
      "panel start" | "panel stop") x_session_panel "${request#panel }" && echo ok || echo "failed: $x_session_problem" ;;
      *) echo "failed: no such request: $request" ;;
    esac
  done
  x_session_stop
fi
