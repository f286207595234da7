# Sourced by the scripts that run Windows programs. Each Windows tree has its
# own throwaway Wine prefix (TREE/wineprefix) and loader: the 32-bit tree runs
# under Debian's `wine` on a 64-bit prefix with WoW64, the 64-bit tree under
# Wine's 64-bit loader on a win64 prefix. One private Xvfb serves them all.
#   wine_env_start TREE... [--keep-display]; trap wine_env_stop EXIT
#   wine_tree_env TREE      (WINEPREFIX, WINEARCH, FOLVANE_WINE for that tree)
#   wine_host_runs_32bit    (once per run; FOLVANE_NO_32BIT=1 pretends it cannot)

FOLVANE_WINE64_LOADER=/usr/lib/wine/wine64

wine_host_runs_32bit() {
  if [ -z "${FOLVANE_HOST_32BIT:-}" ]; then
    FOLVANE_HOST_32BIT=no
    # Some hosts are virtual machines that cannot execute 32-bit x86 code at
    # all; others lack Wine's 32-bit half. Either way the loader will not start.
    if [ "${FOLVANE_NO_32BIT:-0}" != 1 ] && [ -x /usr/lib/wine/wine ] &&
      /usr/lib/wine/wine --version >/dev/null 2>&1; then
      FOLVANE_HOST_32BIT=yes
    fi
    export FOLVANE_HOST_32BIT
  fi
  [ "$FOLVANE_HOST_32BIT" = yes ]
}

# The Windows trees of BUILD whose programs this host can run, one a line.
wine_runnable_trees() {
  local build=$1
  if wine_host_runs_32bit; then echo "$build/win"; fi
  echo "$build/win64"
}

wine_tree_arch() {
  local arch
  arch=$(cat "$1/wine-arch" 2>/dev/null || true)
  echo "${arch:-win32}"
}

wine_tree_env() {
  local tree=$1
  export WINEPREFIX="$tree/wineprefix"
  export WINEDEBUG=-all
  # No Mono or Gecko installers: nothing here needs them, and there is no network.
  export WINEDLLOVERRIDES="mscoree=;mshtml="
  if [ "$(wine_tree_arch "$tree")" = win64 ]; then
    export WINEARCH=win64
    export FOLVANE_WINE=$FOLVANE_WINE64_LOADER
  else
    unset WINEARCH
    export FOLVANE_WINE=wine
  fi
}

wine_env_prefix_ready() {
  [ -f "$WINEPREFIX/.folvane-ready" ]
}

wine_env_make_prefix() {
  wine_tree_env "$1"
  if ! wine_env_prefix_ready; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    local log
    log=$(mktemp)
    if ! "$FOLVANE_WINE" wineboot -i >"$log" 2>&1; then
      echo "wineboot failed for $WINEPREFIX:" >&2
      cat "$log" >&2
      rm -f "$log"
      return 1
    fi
    rm -f "$log"
    # Without a window manager Wine waits about 2 s whenever a framed window
    # hides; unmanaged windows hide at once.
    "$FOLVANE_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    # Wine does not look in /usr/share/wine/fonts; without these every face,
    # Tahoma included, falls back to DejaVu Sans.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$WINEPREFIX/.folvane-ready"
  fi
}

# Xvfb picks a free display itself and writes its number once it accepts
# clients, so two runs started at the same moment never race for one.
wine_env_start_xvfb() {
  local numfile n i
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  FOLVANE_XVFB_PID=$!
  for i in $(seq 1 100); do
    if [ "$(wc -l <"$numfile")" -ge 1 ]; then
      n=$(head -n 1 "$numfile")
      rm -f "$numfile"
      export DISPLAY=":$n"
      return 0
    fi
    kill -0 "$FOLVANE_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numfile"
  echo "Xvfb did not start" >&2
  return 1
}

# wine_env_start TREE... [--keep-display]: the display, then each tree's prefix;
# the environment is left set for the last tree named.
wine_env_start() {
  local keep=no tree
  FOLVANE_XVFB_PID=""
  FOLVANE_WINE_TREES=()
  for tree in "$@"; do
    if [ "$tree" = --keep-display ]; then keep=yes; else FOLVANE_WINE_TREES+=("$tree"); fi
  done
  if [ "$keep" = no ] || [ -z "${DISPLAY:-}" ]; then
    wine_env_start_xvfb
  fi
  for tree in "${FOLVANE_WINE_TREES[@]}"; do
    wine_env_make_prefix "$tree"
    wine_env_start_server
  done
}

# Starts the prefix's wineserver and Wine's own background processes now, with
# their output going nowhere. Otherwise the first test program starts them,
# they inherit its output pipe, and ctest waits for that test until the
# wineserver ends.
wine_env_start_server() {
  wineserver -p
  "$FOLVANE_WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# For tests that change what the server reads at start (drives, resolution).
wine_env_restart_server() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wine_env_start_server </dev/null >/dev/null 2>&1 || true
}

wine_env_stop() {
  local tree
  for tree in ${FOLVANE_WINE_TREES[@]+"${FOLVANE_WINE_TREES[@]}"}; do
    if [ -d "$tree/wineprefix" ]; then
      wine_tree_env "$tree"
      wineserver -k >/dev/null 2>&1 || true
      wineserver -w >/dev/null 2>&1 || true
    fi
  done
  if [ -n "${FOLVANE_XVFB_PID:-}" ]; then
    kill "$FOLVANE_XVFB_PID" 2>/dev/null || true
    wait "$FOLVANE_XVFB_PID" 2>/dev/null || true
    FOLVANE_XVFB_PID=""
  fi
}
