# Sourced by the scripts that run Windows programs: `start_wine_session PREFIX`
# makes PREFIX a fresh Wine prefix, without Mono or Gecko prompts and without
# Linux menu entries for the shortcuts programs make (the same variables as
# the windows-x64 test preset), on a virtual display of its own with one Wine
# server for the whole session; both end when the calling script exits.
start_wine_session() {
  export WINEPREFIX="$1"
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEDEBUG=-all
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"

  # The prefix's desktop is made on the display its first program finds: the
  # first free one from QUORVELS_WINE_DISPLAY (a number, 90 unless set).
  local display=${QUORVELS_WINE_DISPLAY:-90}
  while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  wine_session_xvfb=$!
  export DISPLAY=":$display"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

  wineserver -p
  trap 'wineserver -k || true; kill $wine_session_xvfb || true' EXIT
  /usr/lib/wine/wine64 wineboot -i
  # Windows closed at once, as without a window manager on the virtual
  # display Wine would otherwise wait for one to let them go.
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  # A first program finishes whatever the new prefix still sets up, before
  # many programs start at once.
  /usr/lib/wine/wine64 cmd /c ver >/dev/null
}
