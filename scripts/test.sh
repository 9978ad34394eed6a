#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the optimised build
# with its Debian package and the package's checks; the same suite under the
# address, undefined-behaviour and leak sanitizers (clang), with a bounded run
# of every fuzz target from the same tree; and the Windows builds with their
# tests under Wine. Prints how long each stage took; exits non-zero when any
# check fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/stages.sh
export QT_QPA_PLATFORM=offscreen

stage "packages" bash scripts/install-deps.sh
stage "optimised build" bash scripts/build.sh
stage "optimised tests" ctest --preset release
stage "Debian package and its checks" bash -c 'bash scripts/check-package.sh "$(bash scripts/package.sh)"'

stage "sanitizer build (clang)" bash -c 'cmake --preset sanitize >/dev/null && cmake --build --preset sanitize -j2'
stage "sanitizer tests" ctest --preset sanitize
stage "fuzz targets" bash scripts/fuzz.sh "${QUORVELS_FUZZ_SECONDS:-60}"

bash scripts/test-windows.sh
