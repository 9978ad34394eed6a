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

work=$(mktemp -d)
xvfb_pid='' program_pid=''
finish() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait
  rm -rf "$work"
}
trap finish EXIT

# Xvfb picks a free display itself and writes its number once it is ready.
# Without -noreset it would reset whenever its last client leaves (each look
# with xwininfo), and a program connecting just then would be turned away.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 600); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
  sleep 0.1
done
export DISPLAY=":$(head -n 1 "$work/display")"

(cd "$folder" && QT_QPA_PLATFORM=xcb exec "$program") >"$work/output" 2>&1 &
program_pid=$!
for _ in $(seq 600); do
  if xwininfo -name "$caption" 2>/dev/null | grep -q 'Map State: IsViewable'; then
    xwininfo -name "$caption" | grep 'Window id'
    exit 0
  fi
  if ! kill -0 "$program_pid" 2>/dev/null; then
    program_pid=''
    echo "$program ended before it showed \"$caption\":"
    cat "$work/output"
    exit 1
  fi
  sleep 0.1
done
echo "$program showed no window \"$caption\" within a minute:"
cat "$work/output"
exit 1
