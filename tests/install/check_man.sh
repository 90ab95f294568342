#!/bin/sh
# check_man.sh PAGE...: each page renders at 80 columns, without a single warning from
# man or groff, into a page with its name, synopsis and description.
status=0
warnings=$(mktemp)
trap 'rm -f "$warnings"' EXIT
for page in "$@"; do
  text=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$page" 2>"$warnings" </dev/null) || {
    echo "$page: man failed"; status=1; }
  if [ -s "$warnings" ]; then
    echo "$page: warnings:"; cat "$warnings"; status=1
  fi
  for section in NAME SYNOPSIS DESCRIPTION; do
    printf '%s\n' "$text" | grep -qx "$section" || { echo "$page: no $section"; status=1; }
  done
done
exit $status
