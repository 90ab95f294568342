#!/usr/bin/env bash
# Installs what is missing, builds and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
if [ -x build/shell/abacone ]; then
  exec build/shell/abacone "$@"
fi
exec build/cli/abacone-calc "$@"
