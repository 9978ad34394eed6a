#!/usr/bin/env bash
# Usage: start_unpacked.sh PACKAGE.deb CATALOGUE.pmr
#
# Unpacks the package into a throwaway folder (dpkg -x) and starts the program
# from there on a virtual display of its own, in a working folder and home of
# its own whose settings file names another catalogue, with a copy of
# CATALOGUE named on its command line, as a file manager starts it. Passes
# when its window shows, the settings file then names the copy (it is written
# only once the named catalogue has loaded), and Help (Alt+H, H) shows the
# help window, captioned by the contents file found in the unpacked
# share/quorvels. Exits 1 with what went wrong and the program's output
# otherwise; every wait is bounded, none is timed to the machine.
set -u
package=$1 catalogue=$2

fail() {
  echo "$1"
  cat "$work/output" 2>/dev/null
  exit 1
}
source "$(dirname "$0")/../support/virtual_display.sh"

dpkg -x "$package" "$work/root" || fail "dpkg -x could not unpack $package"
mkdir -p "$work/home/books"
cp "$catalogue" "$work/home/books/named.pmr"
cp "$catalogue" "$work/home/books/remembered.pmr"
printf '%s\r\n' "$work/home/books/remembered.pmr" >"$work/home/quorvels.ini"

start_virtual_display || exit 1
(cd "$work/home" && HOME="$work/home" XDG_CONFIG_HOME='' XDG_DATA_HOME='' QT_QPA_PLATFORM=xcb \
  exec "$work/root/usr/bin/quorvels" books/named.pmr) >"$work/output" 2>&1 &
program_pid=$!

main_caption="Quorvels - Lectorium"
wait_for_window "$main_caption" "$program_pid" || fail "the unpacked program showed no window \"$main_caption\":"
remembered=$(tr -d '\r' <"$work/home/quorvels.ini")
[ "$remembered" = "$work/home/books/named.pmr" ] ||
  fail "the settings file names \"$remembered\", not the catalogue named on the command line"
echo "the unpacked program shows \"$main_caption\" on books/named.pmr and remembers it"

# Keys go to the window with the input focus; without a window manager none
# has it until it is given. A round that comes too early for the menu is
# repeated, Escape first closing whatever it left open.
help_caption="Quorvels Help"
window=$(xwininfo -name "$main_caption" | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
for _ in $(seq 30); do
  xdotool windowfocus "$window" key Escape key alt+h sleep 0.2 key h
  for _ in $(seq 20); do
    if window_shown "$help_caption"; then
      echo "Help shows \"$help_caption\" from the unpacked share/quorvels"
      exit 0
    fi
    kill -0 "$program_pid" 2>/dev/null || { program_pid=''; fail "the unpacked program ended before it showed its help:"; }
    sleep 0.1
  done
done
fail "Help showed no window \"$help_caption\":"
