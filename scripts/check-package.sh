#!/usr/bin/env bash
# Usage: check-package.sh PACKAGE.deb
#
# Checks the Debian package that scripts/package.sh makes: lintian reports no
# error (its warnings are shown), the desktop entry and the AppStream metainfo
# it installs validate, its MIME type builds into a MIME database that knows
# catalogue files by name and by their first bytes, and the program unpacked
# from it starts with a catalogue named on its command line and shows its
# help (tests/package/start_unpacked.sh). Prints a line for each check and
# their count; exits non-zero when any failed.
set -uo pipefail
cd "$(dirname "$0")/.."
package=$(realpath "$1")
id=org.quorvels.Quorvels
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg -x "$package" "$unpacked" || { echo "dpkg -x could not unpack $package"; exit 1; }

passed=0 failed=0
check() {
  local name=$1
  shift
  if "$@" >"$unpacked/check.log" 2>&1; then
    passed=$((passed + 1))
    echo "passed: $name"
  else
    failed=$((failed + 1))
    echo "FAILED: $name"
  fi
  sed 's/^/    /' "$unpacked/check.log"
}

# The compiled database holds the glob and the magic, which
# update-mime-database leaves out of a type it could not read.
mime_database() {
  mkdir -p "$unpacked/mime" &&
    cp -r "$unpacked/usr/share/mime/packages" "$unpacked/mime/" &&
    XDG_DATA_DIRS="$unpacked" update-mime-database "$unpacked/mime" &&
    grep -qx "50:application/x-quorvels-catalogue:\*.pmr" "$unpacked/mime/globs2" &&
    grep -aq "Quorvels 2.00" "$unpacked/mime/magic" &&
    grep -aq "Quorvels 3.00" "$unpacked/mime/magic"
}

# Root, as the tests run here, must be allowed by name.
check "lintian finds no errors" lintian --allow-root --fail-on error "$package"
check "desktop-file-validate" desktop-file-validate "$unpacked/usr/share/applications/$id.desktop"
check "appstreamcli validate --no-net" appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$id.metainfo.xml"
check "the MIME type of catalogue files" mime_database
check "the unpacked program opens a catalogue named on its command line and shows its help" \
  bash tests/package/start_unpacked.sh "$package" samples/sample.pmr

echo "packaging: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
