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
mapfile -t programs < <(find build/windows-i686 -name '*.exe' -not -path '*/CMakeFiles/*')
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

# A fresh prefix per run, without Mono or Gecko prompts and without Linux
# menu entries for the shortcuts the tests make; the same variables as the
# windows-x64 test preset.
export WINEPREFIX="$PWD/build/windows-x64/wine-prefix"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG=-all
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"

# A virtual display for the whole Wine session, as for the Linux tests: the
# prefix's desktop is made on the display its first program finds. The first
# free one from QUORVELS_WINE_DISPLAY (a number, 90 unless set).
display=${QUORVELS_WINE_DISPLAY:-90}
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# One Wine server for the whole run, instead of one started per test.
wineserver -p
trap 'wineserver -k || true; kill $xvfb || true' EXIT
/usr/lib/wine/wine64 wineboot -i
# Windows closed at once, as without a window manager on the virtual display
# Wine would otherwise wait for one to let them go.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
# A first program finishes whatever the new prefix still sets up, before the
# tests start many at once.
/usr/lib/wine/wine64 cmd /c ver >/dev/null

# A test whose Wine process fails to start is run once more.
ctest --preset windows-x64 --repeat until-pass:2
