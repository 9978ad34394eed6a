#!/usr/bin/env bash
# Builds the project for 32-bit Windows (the shipped build) and for 64-bit
# Windows, checks the 32-bit programs are PE32 executables, and runs the
# 64-bit tests under wine64 in a fresh Wine prefix on a virtual display. Exits non-zero when any
# step fails. Expects the packages of install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

for target in windows-i686 windows-x64; do
  cmake --preset "$target" >/dev/null
  cmake --build --preset "$target" -j2
done

# Every 32-bit program of the build is a PE32 (not PE32+) executable.
mapfile -t programs < <(find build/windows-i686 -name '*.exe' -not -path '*/CMakeFiles/*' -not -path '*/_CPack_Packages/*')
[ ${#programs[@]} -gt 0 ] || { echo "no 32-bit programs were built" >&2; exit 1; }
for program in "${programs[@]}"; do
  file -b "$program" | grep -q '^PE32 executable' || { echo "$program is not PE32: $(file -b "$program")" >&2; exit 1; }
done
echo "${#programs[@]} programs of the 32-bit build are PE32 executables"

# The release archive holds the installer and the four files it installs.
(cd build/windows-i686 && cpack -C Release >/dev/null)
archive=$(ls build/windows-i686/release/Quorvels-*-win32.zip)
listed=$(cmake -E tar tf "$archive" | sed 's|^[^/]*/||' | grep -v '/$' | sort | tr '\n' ' ')
[ "$listed" = "install.exe quorvels.cnt quorvels.exe quorvels.hlp unInstall.exe " ] ||
  { echo "$archive holds: $listed" >&2; exit 1; }
echo "$archive holds $listed"

# The tests in a fresh Wine prefix per run.
source scripts/wine-session.sh
start_wine_session "$PWD/build/windows-x64/wine-prefix"

# A test whose Wine process fails to start is run once more.
ctest --preset windows-x64 --repeat until-pass:2
