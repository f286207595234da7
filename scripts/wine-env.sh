# Sourced by the scripts that run Windows programs: a throwaway Wine prefix in
# the build tree and a private Xvfb display, both torn down by wine_env_stop.
# Usage: wine_env_start BUILD_DIR [--keep-display]; trap wine_env_stop EXIT

wine_env_prefix_ready() {
  [ -f "$WINEPREFIX/.folvane-ready" ]
}

wine_env_make_prefix() {
  export WINEPREFIX="$1/wineprefix"
  export WINEDEBUG=-all
  # No Mono or Gecko installers: nothing here needs them, and there is no network.
  export WINEDLLOVERRIDES="mscoree=;mshtml="
  if ! wine_env_prefix_ready; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # Wine does not look in /usr/share/wine/fonts; without these every face,
    # Tahoma included, falls back to DejaVu Sans.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$WINEPREFIX/.folvane-ready"
  fi
}

wine_env_free_display() {
  local n
  for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

wine_env_start_xvfb() {
  local n
  n=$(wine_env_free_display) || { echo "no free X display" >&2; return 1; }
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  FOLVANE_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    kill -0 "$FOLVANE_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

wine_env_start() {
  FOLVANE_XVFB_PID=""
  if [ "${2:-}" != "--keep-display" ] || [ -z "${DISPLAY:-}" ]; then
    wine_env_start_xvfb
  fi
  wine_env_make_prefix "$1"
}

wine_env_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "${FOLVANE_XVFB_PID:-}" ]; then
    kill "$FOLVANE_XVFB_PID" 2>/dev/null || true
    wait "$FOLVANE_XVFB_PID" 2>/dev/null || true
    FOLVANE_XVFB_PID=""
  fi
}
