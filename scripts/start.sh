#!/usr/bin/env bash
# Installs what is missing, builds, and starts the catalogue program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ ! -x build/release/quorvels ]; then
  echo "Built the catalogue core and its tests; the main window is not there yet."
  exit 0
fi
exec build/release/quorvels "$@"
