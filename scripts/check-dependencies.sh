#!/usr/bin/env bash
# Fails on any #include "..." from one folder into another that the table in
# scripts/dependencies.txt does not allow, directly or through the folders below it, and
# on a folder with sources that the table does not name. Toolkit and operating-system
# headers (<Q...>, <windows.h>, <xcb/...>) stay in the folders that implement the window
# layer and the operating-system services; tests, benchmarks and the build's tools may
# look inside them too.
# Usage: scripts/check-dependencies.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(dirname "$0")/..}
cd "$root"
table=scripts/dependencies.txt

# "file from to include" for every quoted include that leaves its folder; a bare name is
# in its own folder.
edges() {
  git ls-files -z -- '*.cpp' '*.h' | xargs -0 grep -H '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' |
    awk -F: '{
      file = $1; inc = $0; sub(/^[^"]*"/, "", inc); sub(/".*/, "", inc)
      dir = file; sub(/\/[^\/]*$/, "", dir)
      to = inc; if (to ~ /\//) sub(/\/[^\/]*$/, "", to); else to = dir
      if (to != dir) print file, dir, to, inc
    }'
}
folders() { git ls-files -- '*.cpp' '*.h' | sed 's,/[^/]*$,,' | sort -u; }

system_headers() {
  { git ls-files -z -- '*.cpp' '*.h' |
      xargs -0 -r grep -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q|windows\.h>|xcb/)' || true; } |
    awk -F: '{
      file = $1; inc = $0; sub(/^[^<]*</, "", inc); sub(/>.*/, "", inc)
      if (file ~ /^(tests|bench|data|fuzz)\//) next
      if (file ~ /^platform\/qt\// && (inc ~ /^Q/ || inc ~ /^xcb\//)) next
      if (inc == "windows.h" && (file ~ /^platform\/(os|win32)\// || file == "platform/qt/os_win32.cpp")) next
      printf "%s: <%s> only in the window layer or the operating-system services that implement it\n", file, inc
      bad = 1
    } END { exit bad }'
}

awk -v folders="$(folders)" '
  FNR == NR {
    if ($0 ~ /^[[:space:]]*(#|$)/) next
    name = $1; sub(/:$/, "", name)
    listed[name] = 1
    for (i = 2; i <= NF; i++) direct[name, ++count[name]] = $i
    next
  }
  function allows(from, to,    i, dep) {
    if ((from, to) in memo) return memo[from, to]
    memo[from, to] = 0  # a cycle in the table allows nothing through it
    for (i = 1; i <= count[from]; i++) {
      dep = direct[from, i]
      if (dep == to || allows(dep, to)) return memo[from, to] = 1
    }
    return 0
  }
  {
    if (!($2 in listed)) next  # reported below
    if (!allows($2, $3)) { printf "%s: %s may not include %s\n", $1, $2, $4; bad = 1 }
  }
  END {
    n = split(folders, all, "\n")
    for (i = 1; i <= n; i++)
      if (all[i] != "" && !(all[i] in listed)) { printf "%s: folder missing from '"$table"'\n", all[i]; bad = 1 }
    exit bad
  }
' "$table" <(edges) && system_headers && echo "dependencies: every include between folders is allowed"
