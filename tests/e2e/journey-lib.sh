# Sourced by the end-to-end journeys: the tree's Wine, a private copy of the
# program, the simulator's key, and a user's hands (xdotool for clicks on the
# skinned windows, the driver program for message boxes).
#   journey_start EXE DRIVER; journey_run [NAME.exe]; journey_wait_exit SECONDS
#   journey_watch CAPTION... before journey_run; journey_watched after its end
#   shows_text CAPTION X Y W H FACE HEIGHT STYLE TEXT (windowless text)
set -euo pipefail
source "$FOLVANE_SOURCE_DIR/scripts/wine-env.sh"
wine_tree_env "$FOLVANE_BINARY_DIR"

JOURNEY_KEY='HKLM\Software\Microsoft\Microsoft Games\Flight Simulator\10.0'
JOURNEY_USER_KEY='HKCU\Software\Microsoft\Microsoft Games\Flight Simulator\10.0'
MAIN_CAPTION='Skelvor - Folvane'

# reg on the simulator's keys, in the 32-bit view where the program keeps them.
journey_reg() { "$FOLVANE_WINE" reg "$@" /reg:32; }

fail() { echo "FAIL: $*" >&2; exit 1; }

journey_start() {
  JOURNEY_WORK=$(mktemp -d)
  JOURNEY_DRIVER=$2
  JOURNEY_PID=""
  JOURNEY_WATCHER=""
  JOURNEY_INK=$(dirname "$2")/e2e_ink.exe
  cp "$1" "$JOURNEY_WORK/Folvane.exe"
  trap journey_cleanup EXIT
  journey_clear_keys
  # A test that ran just before may still be taking its windows down; a journey
  # that found one of them would drive the wrong program.
  local caption
  for caption in "$MAIN_CAPTION" "FS DIALOG" "Registry Check"; do
    driver gone "$caption" 15000 || fail "a window \"$caption\" of an earlier test stays open"
  done
}

journey_cleanup() {
  # Only the program this journey started: other tests share the prefix.
  if [ -n "$JOURNEY_PID" ]; then
    local child
    for child in $(cat "/proc/$JOURNEY_PID/task/"*/children 2>/dev/null); do kill "$child" 2>/dev/null || true; done
    kill "$JOURNEY_PID" 2>/dev/null || true
  fi
  if [ -n "$JOURNEY_WATCHER" ]; then kill "$JOURNEY_WATCHER" 2>/dev/null || true; fi
  journey_clear_keys
  rm -rf "$JOURNEY_WORK"
}

# The program keeps the simulator key in the 32-bit registry view, whatever
# its build; the journeys set, clear and read back there. value_of can read
# other views for checks that a value did not land elsewhere.
JOURNEY_VIEWS="/reg:32"

journey_clear_keys() {
  local view
  for view in $JOURNEY_VIEWS; do
    "$FOLVANE_WINE" reg delete "$JOURNEY_KEY" /f $view >/dev/null 2>&1 || true
    "$FOLVANE_WINE" reg delete "$JOURNEY_USER_KEY" /f $view >/dev/null 2>&1 || true
  done
}

# journey_value ROOTKEY NAME DATA [TYPE]: a value under the simulator key.
journey_value() {
  local view
  for view in $JOURNEY_VIEWS; do
    "$FOLVANE_WINE" reg add "$1" /v "$2" /t "${4:-REG_SZ}" /d "$3" /f $view >/dev/null 2>&1
  done
}

# value_of ROOTKEY NAME: "TYPE DATA" of a value as reg prints it, from the
# view that holds it; both lines when the two views differ; empty when absent.
value_of() {
  local view
  for view in $JOURNEY_VIEWS; do
    { "$FOLVANE_WINE" reg query "$1" /v "$2" $view 2>/dev/null || true; } | tr -d '\r' |
      awk -v name="$2" '$1 == name { type = $2; sub(/^ *[^ ]+ +[^ ]+ +/, ""); print type " " $0 }'
  done | sort -u
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
  # errexit holds in the subshell too: a failing exit code must still be recorded.
  (
    code=0
    cd "$JOURNEY_WORK" && "$FOLVANE_WINE" "$program" || code=$?
    echo $code >"$JOURNEY_WORK/rc"
  ) &
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

# A Linux path as Wine's programs see it.
windows_path() { echo "Z:${1//\//\\}"; }

# journey_watch CAPTION...: from before the next journey_run to the program's
# end, notes which of these windows show, in the order they first show.
journey_watch() {
  local i
  rm -f "$JOURNEY_WORK/rc" "$JOURNEY_WORK/watched"
  "$FOLVANE_WINE" "$JOURNEY_DRIVER" watch "$(windows_path "$JOURNEY_WORK/rc")" "$@" >"$JOURNEY_WORK/watched" &
  JOURNEY_WATCHER=$!
  # A Wine program's start can take many seconds on a loaded machine (seen once
  # in a clean-clone run beside the other tests).
  for i in $(seq 1 300); do
    grep -q '^watching' "$JOURNEY_WORK/watched" 2>/dev/null && return 0
    sleep 0.1
  done
  if kill -0 "$JOURNEY_WATCHER" 2>/dev/null; then
    fail "the window watcher did not start within 30 s"
  fi
  fail "the window watcher ended without starting"
}

# journey_watched: the captions the watcher saw, one a line, once the program has ended.
journey_watched() {
  local i
  for i in $(seq 1 50); do
    grep -q '^done' "$JOURNEY_WORK/watched" && break
    sleep 0.1
  done
  grep -q '^done' "$JOURNEY_WORK/watched" || fail "the window watcher did not see the program end"
  tr -d '\r' <"$JOURNEY_WORK/watched" | grep -v -e '^watching$' -e '^done$' || true
}

# journey_ends SECONDS WHAT: the program ends with exit code 0 in time.
journey_ends() {
  journey_wait_exit "$1"
  [ "$JOURNEY_CODE" = 0 ] || fail "$2: exit code $JOURNEY_CODE"
}

driver() { "$FOLVANE_WINE" "$JOURNEY_DRIVER" "$@" | tr -d '\r'; }

# says CAPTION GREP-ARGS...: a window of that caption shows a text matching,
# within about 6 s (a box may still be closing while the next one opens).
says() {
  local caption=$1 end=$((SECONDS + 6))
  shift
  while [ $SECONDS -lt $end ]; do
    driver text "$caption" 2>/dev/null | grep -q "$@" && return 0
    sleep 0.2
  done
  return 1
}

# ink_of PICTURE OUT: the picture in black and white, trimmed to its ink.
# With SHOWS_TEXT_GAPS=any, every run of blank columns is cut to one, so
# that the letters are compared exactly and the gaps between them not.
ink_of() {
  convert "$1" -colorspace Gray -threshold 50% -trim +repage "$2"
  [ "${SHOWS_TEXT_GAPS:-exact}" = any ] || return 0
  convert "$2" -compress none pbm:- | awk '
    { for (i = 1; i <= NF; i++) t[++n] = $i }
    END {
      w = t[2]; h = t[3]
      for (x = 0; x < w; x++) {
        ink = 0
        for (y = 0; y < h; y++) if (t[4 + y * w + x] == 1) { ink = 1; break }
        keep[x] = ink || x == 0 || blank[x - 1] == 0
        blank[x] = !ink
        if (keep[x]) cols++
      }
      print "P1"; print cols, h
      for (y = 0; y < h; y++) {
        line = ""
        for (x = 0; x < w; x++) if (keep[x]) line = line t[4 + y * w + x] " "
        print line
      }
    }' > "$2.txt"
  convert "$2.txt" "$2"
  rm -f "$2.txt"
}

# shows_text CAPTION X Y W H FACE HEIGHT STYLE TEXT: soon (SHOWS_TEXT_TRIES
# looks, 25 by default: about 7 s) the window's
# region (window coordinates) shows exactly TEXT, as Wine draws it in that
# font (STYLE regular, bold or bold-underline) wrapped within W; "\n" breaks
# a line. On failure both pictures stay in $FOLVANE_BINARY_DIR/e2e-failures.
shows_text() {
  local caption=$1 x=$2 y=$3 w=$4 h=$5 face=$6 height=$7 style=$8 text=$9 i wx wy
  read -r wx wy _ _ < <(driver wait "$caption" 5000) || return 1
  "$FOLVANE_WINE" "$JOURNEY_INK" "$face" "$height" "$style" "$w" "$text" "$JOURNEY_WORK/want.ppm" ||
    fail "cannot draw \"$text\""
  ink_of "$JOURNEY_WORK/want.ppm" "$JOURNEY_WORK/want.pbm"
  for i in $(seq 1 "${SHOWS_TEXT_TRIES:-25}"); do
    import -window root -crop "${w}x${h}+$((wx + x))+$((wy + y))" +repage "$JOURNEY_WORK/got.png"
    ink_of "$JOURNEY_WORK/got.png" "$JOURNEY_WORK/got.pbm" 2>/dev/null
    cmp -s "$JOURNEY_WORK/want.pbm" "$JOURNEY_WORK/got.pbm" && return 0
    sleep 0.2
  done
  mkdir -p "$FOLVANE_BINARY_DIR/e2e-failures"
  cp "$JOURNEY_WORK/want.pbm" "$FOLVANE_BINARY_DIR/e2e-failures/$(basename "$0" .sh)-want.pbm"
  cp "$JOURNEY_WORK/got.png" "$FOLVANE_BINARY_DIR/e2e-failures/$(basename "$0" .sh)-got.png"
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
MAIN_FOLDER_LABEL="90 259 440 30" # lbFSXFolderPath: page (41, 138) + (49, 121)
MAIN_MENU_FIRST="480 169"      # first item of a menu opened at a "Get Path" button
MAIN_MENU_SECOND="480 190"
MAIN_ABOUT="305 381"           # the cog icon imgAbout
MAIN_EXIT="519 439"            # "&Exit"
MAIN_EXIT_FSX="413 439"        # "Exit to &FSX"
MAIN_CLOSE="584 23"            # title-band close button
MAIN_MINIMIZE="552 23"
MAIN_TAB_GET="95 106"          # the "Get Path" tab
MAIN_TAB_SET="159 106"         # the "Set Path" tab
MAIN_FOLDER_BUTTON="520 167"   # the folder edit's button: page (44, 36, 437 x 21) + (49, 121)
MAIN_CDROM_BOX="101 238"       # "Set CD-ROM Path:"
MAIN_DRIVE_BUTTON="324 238"    # the drive list's button
MAIN_CURRENT_USER="393 238"    # "Add to Current User"
MAIN_SET_PATH="470 308"        # "&Set FSX Path"
MAIN_DRIVE_FIRST="248 259"     # the first drive of the open list
