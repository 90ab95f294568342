#!/usr/bin/env bash
# run_windows_program.sh WINE WINESERVER PROGRAM.exe: runs a Windows program of the tests
# under Wine on a private X display (no window manager needed) and passes on its exit
# code; every program of the prefix ($WINEPREFIX) ends with it.
source "$(dirname "$0")/../../scripts/x-session.sh"
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
x_session_start --no-wm --no-panel || exit 1
"$1" "$3"
status=$?
"$2" -k 2>/dev/null
x_session_stop
exit $status
