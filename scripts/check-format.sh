#!/usr/bin/env bash
# Fails on a C++ file that differs from the style in .clang-format; tables that are laid
# out by hand are fenced with "clang-format off/on". To apply the style:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
bad=$(git ls-files -z -- '*.cpp' '*.h' | xargs -0 -n 50 sh -c 'for f; do clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || echo "$f"; done' sh)
if [ -n "$bad" ]; then
  echo "format: these files differ from .clang-format:"
  echo "$bad"
  exit 1
fi
echo "format: every C++ file follows .clang-format"
