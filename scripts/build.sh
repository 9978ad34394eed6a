#!/usr/bin/env bash
# Installs what is missing and builds the optimised tree (build/release).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j2
