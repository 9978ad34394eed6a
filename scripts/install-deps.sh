#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Packages already present are left alone; run as root (or with sudo).
set -euo pipefail

packages=(
  # toolchain and test frameworks
  build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  # the Qt 6 widgets toolkit behind the platform layer
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # the Unicode Character Database the letter tables are generated from at
  # build time, and the interpreter of the generator
  unicode-data python3
  # fonts: Liberation Serif stands in for the print face
  fonts-liberation fonts-dejavu-core
  # real printing through CUPS to a PDF printer, and reading the PDFs back
  cups cups-bsd cups-client printer-driver-cups-pdf poppler-utils
  # checking the installer's desktop entries, and a virtual display for manual
  # runs and for the tests that look for the programs' windows (xwininfo)
  desktop-file-utils xvfb xauth x11-utils
  # the Windows builds: MinGW-w64 cross compilers, GoogleTest's sources for
  # them, and the 64-bit Wine that runs their tests (never wine32: the 32-bit
  # loader cannot start on these machines, and the wine launcher prefers it)
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 googletest wine64 wine
  # telling the 32-bit programs apart from 64-bit ones
  file
  # the Debian package: its dependencies from the program's shared libraries
  # (dpkg-shlibdeps), its checks, and keys typed into the unpacked program
  dpkg-dev lintian appstream shared-mime-info xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
