# Sourced by the scripts that start a program on a virtual display of its own
# and look for its windows. Makes the scratch folder $work; when the script
# exits, the program whose process id the script put in $program_pid and
# Xvfb are ended and $work is removed.
work=$(mktemp -d)
xvfb_pid='' program_pid=''
finish() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait
  rm -rf "$work"
}
trap finish EXIT

# Starts Xvfb on a free display and sets DISPLAY once it is ready; its process
# id is in $xvfb_pid. Xvfb picks the display itself and writes its number.
# Without -noreset it would reset whenever its last client leaves (each look
# with xwininfo), and a program connecting just then would be turned away.
start_virtual_display() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 600); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; return 1; }
    sleep 0.1
  done
  export DISPLAY=":$(head -n 1 "$work/display")"
}

# Whether a window captioned $1 is on the screen.
window_shown() {
  xwininfo -name "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Waits up to a minute until a window captioned $1 is on the screen while the
# process $2 runs. Returns 0 when it is; 1 when the process ended first
# (its id in $2 is then dead) or no such window came.
wait_for_window() {
  for _ in $(seq 600); do
    window_shown "$1" && return 0
    kill -0 "$2" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
