#!/usr/bin/env bash
# Builds the shipped 32-bit Windows programs and packs the release archive
# build/windows-i686/release/Quorvels-<version>-win32.zip: install.exe and
# the four files it installs (quorvels.exe, quorvels.hlp, quorvels.cnt,
# unInstall.exe). Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset windows-i686 >/dev/null
cmake --build --preset windows-i686 -j2
(cd build/windows-i686 && cpack -C Release)
ls build/windows-i686/release/Quorvels-*-win32.zip
