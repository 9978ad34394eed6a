#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero when
# any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --preset release
