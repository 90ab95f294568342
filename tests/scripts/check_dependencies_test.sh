#!/usr/bin/env bash
# The include check on small trees: what it allows, through the layers too, and what it
# refuses.
set -uo pipefail
check=$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-dependencies.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

# tree NAME TABLE FILE=INCLUDE...: a git tree with the table and one-line sources.
tree() {
  local dir=$tmp/$1 table=$2 spec file inc
  shift 2
  mkdir -p "$dir/scripts"
  printf '%b' "$table" >"$dir/scripts/dependencies.txt"
  for spec in "$@"; do
    file=${spec%%=*} inc=${spec#*=}
    mkdir -p "$dir/$(dirname "$file")"
    case $inc in
    '<'*) echo "#include $inc" >>"$dir/$file" ;;
    *) echo "#include \"$inc\"" >>"$dir/$file" ;;
    esac
  done
  git -C "$dir" init -q && git -C "$dir" add -A
}
expect() {  # expect pass|fail NAME [PATTERN]
  local out rc
  out=$("$check" "$tmp/$2" 2>&1); rc=$?
  if { [ "$1" = pass ] && [ $rc -ne 0 ]; } || { [ "$1" = fail ] && [ $rc -eq 0 ]; } ||
     { [ -n "${3:-}" ] && ! grep -q -- "$3" <<<"$out"; }; then
    echo "FAIL: $2 should $1${3:+ with '$3'}; got ($rc): $out"
    failures=$((failures + 1))
  fi
}

layers='low:\nmid: low\ntop: mid\n'
tree direct "$layers" mid/a.cpp=low/x.h low/x.h=y.h
expect pass direct
tree through "$layers" top/a.cpp=low/x.h low/x.h=low/y.h mid/m.h=low/x.h
expect pass through
tree upward "$layers" low/x.h=top/t.h top/t.h=mid/m.h mid/m.h=low/x.h
expect fail upward 'low/x.h: low may not include top/t.h'
tree sideways 'low:\na: low\nb: low\n' a/a.cpp=b/b.h b/b.h=low/l.h low/l.h=l2.h
expect fail sideways 'a may not include b/b.h'
tree unlisted "$layers" new/n.cpp=low/x.h low/x.h=x2.h
expect fail unlisted 'new: folder missing'
tree nested 'ui/geo:\nui/main: ui/geo\n' ui/main/m.cpp=ui/geo/g.h ui/geo/g.h=ui/main/m.h
expect fail nested 'ui/geo may not include ui/main/m.h'
tree cycle 'a: b\nb: a\nc: a\n' c/c.cpp=a/a.h a/a.h=b/b.h b/b.h=a/a.h
expect pass cycle
layer='platform:\nplatform/qt: platform\nplatform/os:\nui: platform\ntests/ui: ui\n'
tree toolkit "$layer" 'platform/qt/f.cpp=<QWidget>' 'platform/os/w.cpp=<windows.h>' 'tests/ui/t.cpp=<QTest>'
expect pass toolkit
tree toolkit_above "$layer" 'ui/w.cpp=<QPoint>'
expect fail toolkit_above 'ui/w.cpp: <QPoint> only in the window layer'
tree windows_above "$layer" 'platform/f.cpp=<windows.h>'
expect fail windows_above 'platform/f.cpp: <windows.h>'

[ $failures -eq 0 ] && echo "check-dependencies: all cases passed"
exit $((failures > 0))
