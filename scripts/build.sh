#!/usr/bin/env bash
# Installs what is missing and builds the optimised tree (build/release):
# everything, or only the targets named (`bash scripts/build.sh quorvels`).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
targets=()
[ $# -eq 0 ] || targets=(--target "$@")
cmake --build --preset release -j2 "${targets[@]}"
