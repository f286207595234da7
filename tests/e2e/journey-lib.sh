# Sourced by the end-to-end journeys: the tree's Wine, a private copy of the
# program, the simulator's key, and a user's hands (xdotool for clicks on the
# skinned windows, the driver program for message boxes).
#   journey_start EXE DRIVER; journey_run [NAME.exe]; journey_wait_exit SECONDS
set -euo pipefail
source "$FOLVANE_SOURCE_DIR/scripts/wine-env.sh"
wine_tree_env "$FOLVANE_BINARY_DIR"

JOURNEY_KEY='HKLM\Software\Microsoft\Microsoft Games\Flight Simulator\10.0'
JOURNEY_USER_KEY='HKCU\Software\Microsoft\Microsoft Games\Flight Simulator\10.0'
MAIN_CAPTION='Skelvor - Folvane'

# reg on the simulator's keys, in the 32-bit view where the program keeps them.
journey_reg() { "$FOLVANE_WINE" reg "$@" /reg:32; }

fail() { echo "FAIL: $*"; exit 1; }

journey_start() {
  JOURNEY_WORK=$(mktemp -d)
  JOURNEY_DRIVER=$2
  JOURNEY_PID=""
  cp "$1" "$JOURNEY_WORK/Folvane.exe"
  trap journey_cleanup EXIT
  journey_clear_keys
}

journey_cleanup() {
  # Only the program this journey started: other tests share the prefix.
  if [ -n "$JOURNEY_PID" ]; then
    local child
    for child in $(cat "/proc/$JOURNEY_PID/task/"*/children 2>/dev/null); do kill "$child" 2>/dev/null || true; done
    kill "$JOURNEY_PID" 2>/dev/null || true
  fi
  journey_clear_keys
  rm -rf "$JOURNEY_WORK"
}

journey_clear_keys() {
  journey_reg delete "$JOURNEY_KEY" /f >/dev/null 2>&1 || true
  journey_reg delete "$JOURNEY_USER_KEY" /f >/dev/null 2>&1 || true
}

# journey_value ROOTKEY NAME DATA: a REG_SZ value under the simulator key.
journey_value() {
  journey_reg add "$1" /v "$2" /d "$3" /f >/dev/null 2>&1
}

# A folder of the prefix, as Windows and as Linux see it; with fsx.exe when asked.
journey_folder() {
  mkdir -p "$WINEPREFIX/drive_c/$1"
  if [ "${2:-}" = with-fsx ]; then : >"$WINEPREFIX/drive_c/$1/fsx.exe"; fi
  echo "C:\\$1\\"
}

journey_run() {
  local program=${1:-Folvane.exe}
  [ -f "$JOURNEY_WORK/$program" ] || cp "$JOURNEY_WORK/Folvane.exe" "$JOURNEY_WORK/$program"
  rm -f "$JOURNEY_WORK/rc"
  JOURNEY_STARTED=$(date +%s.%N)
  ( cd "$JOURNEY_WORK" && { "$FOLVANE_WINE" "$program"; echo $? >"$JOURNEY_WORK/rc"; } ) &
  JOURNEY_PID=$!
}

# journey_wait_exit SECONDS: waits for the program's end; sets JOURNEY_CODE
# (or "timeout") and JOURNEY_ELAPSED, the seconds since journey_run.
journey_wait_exit() {
  local i
  JOURNEY_CODE=timeout
  for i in $(seq 1 $(($1 * 10))); do
    if [ -f "$JOURNEY_WORK/rc" ]; then
      JOURNEY_PID=""
      JOURNEY_CODE=$(cat "$JOURNEY_WORK/rc")
      break
    fi
    sleep 0.1
  done
  JOURNEY_ELAPSED=$(awk -v now="$(date +%s.%N)" -v start="$JOURNEY_STARTED" 'BEGIN { printf "%.2f", now - start }')
}

# journey_ends SECONDS WHAT: the program ends with exit code 0 in time.
journey_ends() {
  journey_wait_exit "$1"
  [ "$JOURNEY_CODE" = 0 ] || fail "$2: exit code $JOURNEY_CODE"
}

driver() { "$FOLVANE_WINE" "$JOURNEY_DRIVER" "$@" | tr -d '\r'; }

# says CAPTION GREP-ARGS...: a window of that caption shows a text matching,
# within 5 s (a box may still be closing while the next one opens).
says() {
  local caption=$1 i
  shift
  for i in $(seq 1 25); do
    driver text "$caption" | grep -q "$@" && return 0
    sleep 0.2
  done
  return 1
}

# The X window of a visible top-level window by its exact caption.
xwindow() {
  local i id
  for i in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# click CAPTION X Y: a left click at a point of the window.
click() {
  local id
  id=$(xwindow "$1") || fail "no window \"$1\" to click"
  xdotool mousemove --window "$id" "$2" "$3" click 1
  sleep 0.3
}

# The main window's controls, in window coordinates.
MAIN_GET_PATH="480 145"        # "Get FSX &Path": page (371, 11) + page control (46, 95) + page (3, 26)
MAIN_MENU_FIRST="480 169"      # first item of a menu opened at a "Get Path" button
MAIN_MENU_SECOND="480 190"
MAIN_ABOUT="305 381"           # the cog icon imgAbout
MAIN_EXIT="519 439"            # "&Exit"
MAIN_EXIT_FSX="413 439"        # "Exit to &FSX"
MAIN_CLOSE="584 23"            # title-band close button
MAIN_MINIMIZE="552 23"
MAIN_TAB_SET="159 106"         # the "Set Path" tab
MAIN_FOLDER_BUTTON="520 167"   # the folder edit's button: page (44, 36, 437 x 21) + (49, 121)
MAIN_CDROM_BOX="101 238"       # "Set CD-ROM Path:"
MAIN_DRIVE_BUTTON="324 238"    # the drive list's button
MAIN_CURRENT_USER="393 238"    # "Add to Current User"
MAIN_SET_PATH="470 308"        # "&Set FSX Path"
MAIN_DRIVE_FIRST="248 259"     # the first drive of the open list
