#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time in total:
#   scripts/fuzz.sh BUILDDIR SECONDS
# Inputs stay small (-max_len); huge inputs are covered by the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:?usage: scripts/fuzz.sh BUILDDIR SECONDS}
total=${2:?usage: scripts/fuzz.sh BUILDDIR SECONDS}

mapfile -t targets < <(find "$dir/fuzz" -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x | sort)
if ((${#targets[@]} == 0)); then
  echo "no fuzz targets in $dir/fuzz" >&2
  exit 1
fi
share=$((total / ${#targets[@]}))
((share > 0)) || share=1

for target in "${targets[@]}"; do
  name=$(basename "$target")
  corpus="$dir/fuzz/corpus/$name"
  mkdir -p "$corpus"
  dirs=("$corpus")
  [ -d "fuzz/seeds/$name" ] && dirs+=("fuzz/seeds/$name")
  dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
  log="$dir/fuzz/$name.log"
  echo "== $name for ${share} s"
  if ! "$target" -max_total_time="$share" -max_len=4096 -timeout=10 "${dict[@]}" \
      -artifact_prefix="$dir/fuzz/$name-" "${dirs[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$name failed; the input that failed is saved beside $log" >&2
    exit 1
  fi
  grep -E '^(#[0-9]+[[:space:]]+DONE|Done)' "$log" || tail -n 2 "$log"
done
