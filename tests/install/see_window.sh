#!/usr/bin/env bash
# Usage: see_window.sh CAPTION FOLDER PROGRAM
#
# Starts PROGRAM in FOLDER on a virtual display of its own (Xvfb), waits
# until a window captioned CAPTION is on the screen, prints xwininfo's line
# for it and ends the program. Exits 0 when the window was seen; 1, with the
# program's output, when the program ended first or showed no such window
# within a minute.
set -u
caption=$1 folder=$2 program=$3

source "$(dirname "$0")/../support/virtual_display.sh"
start_virtual_display || exit 1

(cd "$folder" && QT_QPA_PLATFORM=xcb exec "$program") >"$work/output" 2>&1 &
program_pid=$!
if wait_for_window "$caption" "$program_pid"; then
  xwininfo -name "$caption" | grep 'Window id'
  exit 0
fi
kill -0 "$program_pid" 2>/dev/null && echo "$program showed no window \"$caption\" within a minute:" ||
  { program_pid=''; echo "$program ended before it showed \"$caption\":"; }
cat "$work/output"
exit 1
