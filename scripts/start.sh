#!/usr/bin/env bash
# Installs what is missing, builds the catalogue program (and nothing else),
# and starts it on the sample catalogue, in a folder of its own (build/release/sample-run) whose
# quorvels.ini names its own copy of the sample: your own settings and
# catalogues are never touched. To run the program on your own catalogues,
# start build/release/quorvels in the folder you keep them in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh quorvels

run=build/release/sample-run
mkdir -p "$run"
[ -f "$run/sample.pmr" ] || cp samples/sample.pmr "$run/sample.pmr"
[ -f "$run/quorvels.ini" ] || printf '%s\r\n' "$(cd "$run" && pwd)/sample.pmr" > "$run/quorvels.ini"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop display is set (DISPLAY or WAYLAND_DISPLAY); start it from a desktop session," >&2
  echo "or under a virtual one: xvfb-run -a bash scripts/start.sh" >&2
  exit 1
fi
cd "$run"
exec ../quorvels "$@"
