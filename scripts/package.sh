#!/usr/bin/env bash
# Builds the Debian package build/package/quorvels_<version>_amd64.deb of the
# optimised tree's program (installing what is missing and building the
# program in build/release first, or reusing what is built) and prints its
# path.
# Install it with: apt install ./build/package/quorvels_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# Only the path goes to standard output, for the caller to take.
bash scripts/build.sh quorvels >&2
cmake -S packaging/linux -B build/package -G Ninja -DQUORVELS_BUILD_DIR="$PWD/build/release" >/dev/null
cmake --build build/package >&2
rm -f build/package/quorvels_*.deb
# CPack's progress is shown only when it fails.
(cd build/package && cpack -G DEB >cpack.log 2>&1) || { cat build/package/cpack.log >&2; exit 1; }
ls "$PWD"/build/package/quorvels_*_amd64.deb
