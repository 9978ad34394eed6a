#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the optimised build,
# its Debian package with the package's checks, the same suite under the
# address, undefined-behaviour and leak sanitizers,
# a bounded run of every fuzz target, and the Windows builds with their tests
# under Wine. Exits non-zero when any fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --preset release

# The Debian package of the same build, and its checks.
package=$(bash scripts/package.sh)
bash scripts/check-package.sh "$package"

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j2
ctest --preset sanitize

bash scripts/fuzz.sh "${QUORVELS_FUZZ_SECONDS:-60}"

bash scripts/test-windows.sh
