#!/usr/bin/env bash
# Builds the three programs for 32-bit Windows (the shipped build), checks
# they are PE32 executables and what the release archive holds; builds the
# project with its tests for 64-bit Windows and runs them under wine64 in a
# fresh Wine prefix on a virtual display. Exits non-zero when any step fails.
# Expects the packages of install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/stages.sh

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j2
}

# Every program of the 32-bit build is a PE32 (not PE32+) executable, and the
# release archive holds the installer and the four files it installs.
check_release() {
  local programs program archive listed
  mapfile -t programs < <(find build/windows-i686 -name '*.exe' -not -path '*/CMakeFiles/*' -not -path '*/_CPack_Packages/*')
  [ ${#programs[@]} -gt 0 ] || { echo "no 32-bit programs were built" >&2; return 1; }
  for program in "${programs[@]}"; do
    file -b "$program" | grep -q '^PE32 executable' || { echo "$program is not PE32: $(file -b "$program")" >&2; return 1; }
  done
  echo "${#programs[@]} programs of the 32-bit build are PE32 executables"

  (cd build/windows-i686 && cpack -C Release >/dev/null)
  archive=$(ls build/windows-i686/release/Quorvels-*-win32.zip)
  listed=$(cmake -E tar tf "$archive" | sed 's|^[^/]*/||' | grep -v '/$' | sort | tr '\n' ' ')
  [ "$listed" = "install.exe quorvels.cnt quorvels.exe quorvels.hlp unInstall.exe " ] ||
    { echo "$archive holds: $listed" >&2; return 1; }
  echo "$archive holds $listed"
}

# The tests in a fresh Wine prefix per run, in a subshell whose exit ends the
# Wine session. A test whose Wine process fails to start is run once more.
wine_tests() (
  source scripts/wine-session.sh
  start_wine_session "$PWD/build/windows-x64/wine-prefix"
  ctest --preset windows-x64 --repeat until-pass:2
)

stage "Windows 32-bit programs" build windows-i686
stage "Windows 32-bit release checks" check_release
stage "Windows 64-bit build" build windows-x64
stage "Windows tests under Wine" wine_tests
