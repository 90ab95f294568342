#!/bin/sh
# wine_prefix.sh up|down WINESERVER
# up: creates or updates the prefix and keeps one Wine server running for the tests.
# Started by a test program instead, the server would inherit that program's output
# pipes and hold them open after it ends. down: stops the server.
set -e
mkdir -p "$WINEPREFIX"
case $1 in
up)
  "$2" -k 2>/dev/null || true
  "$2" -p600 </dev/null >/dev/null 2>&1
  # First run in a fresh prefix takes a while; later runs only check it is current.
  wineboot -u </dev/null >/dev/null 2>&1
  ;;
down)
  "$2" -k 2>/dev/null || true
  ;;
esac
