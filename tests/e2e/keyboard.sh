#!/usr/bin/env bash
# The main window and the about dialog by keyboard alone: Tab through both
# pages and the exit buttons in their order and back to the start, Ctrl+Tab
# between the pages, Space on the focused control, every accelerator doing
# its command, Alt+Down on the folder box, Escape and Space in the about
# dialog. The focus is read from outside as the focused window's place.
source "$FOLVANE_SOURCE_DIR/tests/e2e/journey-lib.sh"
journey_start "$1" "$2"

# The focusable controls by their place in the window: the page's left, top
# plus the page control's (46, 95) and the page's (3, 26).
declare -A NAME_AT=(
  ["46 95 529 266"]=skinPageControl
  ["46 95 529 23"]=tabStrip
  ["420 132 120 27"]=btnGetRegPath
  ["420 314 120 27"]=btnSearchRegEdit
  ["363 426 100 27"]=btnExitFSX
  ["469 426 100 27"]=btnCloseMain
  ["93 157 437 21"]=edNewFS9Path
  ["93 227"]=cbSetCDROMPath
  ["208 228 124 21"]=cbDrive
  ["385 227"]=cbCurrentUser
  ["410 294 120 28"]=btnSetRegPath
  ["299 147 100 27"]=btnOK
)

# focused CAPTION: the name of the focused control of the window (its place
# when unknown); the check boxes are as wide as their captions.
focused() {
  local at
  at=$(driver focus "$1") || { echo "(elsewhere)"; return; }
  echo "${NAME_AT[$at]:-${NAME_AT[${at% * *}]:-$at}}"
}

# next_focus CAPTION KEY: presses KEY and prints the focus once it has moved (or after 2 s).
next_focus() {
  local before after i
  before=$(focused "$1")
  xdotool key "$2"
  for i in $(seq 1 20); do
    after=$(focused "$1")
    [ "$after" != "$before" ] && break
    sleep 0.1
  done
  echo "$after"
}

# tab_cycle CAPTION: the controls that Tab visits from the focused one until
# it comes back to it; fails when it does not come back within 12 presses.
tab_cycle() {
  local start now cycle i
  start=$(focused "$1")
  cycle=$start
  for i in $(seq 1 12); do
    now=$(next_focus "$1" Tab)
    [ "$now" = "$start" ] && { echo "$cycle"; return 0; }
    cycle="$cycle $now"
  done
  fail "Tab does not come back to $start: $cycle"
}

# tab_to NAME: Tab until NAME has the focus (at most 12 presses).
tab_to() {
  local i
  for i in $(seq 1 12); do
    [ "$(focused "$MAIN_CAPTION")" = "$1" ] && return 0
    next_focus "$MAIN_CAPTION" Tab >/dev/null
  done
  fail "Tab never reaches $1"
}

expect_cycle() {
  local got
  got=$(tab_cycle "$MAIN_CAPTION")
  [ "$got" = "$1" ] || fail "$2: Tab visits \"$got\", not \"$1\""
}

# The page control, first in the tab order, has the focus; Tab goes round
# "Get Path": the page control, its tab strip, the page's buttons, the exit buttons.
journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
[ "$(focused "$MAIN_CAPTION")" = skinPageControl ] || fail "the focus at first: $(focused "$MAIN_CAPTION")"
expect_cycle "skinPageControl tabStrip btnGetRegPath btnSearchRegEdit btnExitFSX btnCloseMain" "Get Path"

# Space on a focused button: "Get FSX Path" opens its menu; Escape closes it.
next_focus "$MAIN_CAPTION" Tab >/dev/null
[ "$(next_focus "$MAIN_CAPTION" Tab)" = btnGetRegPath ] || fail "Tab did not reach \"Get FSX Path\""
xdotool key space
driver class "#32768" 3000 >/dev/null || fail "Space on \"Get FSX Path\" opened no menu"
xdotool key Escape
sleep 0.3
# Alt+R: "Search Reg" opens its menu.
xdotool key alt+r
driver class "#32768" 3000 >/dev/null || fail "Alt+R opened no menu"
xdotool key Escape
sleep 0.3
# Alt+P, Down, Enter: "Look in HKEY_LOCAL_MACHINE" on a missing key warns twice.
xdotool key alt+p
driver class "#32768" 3000 >/dev/null || fail "Alt+P opened no menu"
xdotool key Down Return
says Warning "It appears this registry entry is blank or does not exist!" || fail "the look-in did not run"
xdotool key Return
says Warning "^\[Blank\]$" || fail "Enter did not close the first warning"
xdotool key Return
driver gone Warning 3000 || fail "Enter did not close the second warning"
# Alt+S belongs to the inactive page: nothing happens.
xdotool key alt+s
driver absent Information 1000 || fail "Alt+S worked on the inactive page"

# Ctrl+Tab on the tab strip opens "Set Path", the focus staying on the strip;
# the page's order, then the drive list joins it once "Set CD-ROM Path:" is
# ticked by Space, and leaves it again.
tab_to tabStrip
xdotool key ctrl+Tab
set_cycle="tabStrip edNewFS9Path cbSetCDROMPath cbCurrentUser btnSetRegPath btnExitFSX btnCloseMain skinPageControl"
expect_cycle "$set_cycle" "Set Path"
next_focus "$MAIN_CAPTION" Tab >/dev/null
[ "$(next_focus "$MAIN_CAPTION" Tab)" = cbSetCDROMPath ] || fail "Tab did not reach \"Set CD-ROM Path:\""
xdotool key space
expect_cycle "cbSetCDROMPath cbDrive cbCurrentUser btnSetRegPath btnExitFSX btnCloseMain skinPageControl tabStrip edNewFS9Path" \
  "with the CD-ROM box ticked"
xdotool key space
expect_cycle "cbSetCDROMPath cbCurrentUser btnSetRegPath btnExitFSX btnCloseMain skinPageControl tabStrip edNewFS9Path" \
  "with the CD-ROM box cleared"

# Alt+Down on the folder box opens the browse dialog; Escape closes it.
next_focus "$MAIN_CAPTION" shift+Tab >/dev/null
[ "$(focused "$MAIN_CAPTION")" = edNewFS9Path ] || fail "Shift+Tab did not go back to the folder box"
xdotool key alt+Down
driver wait "Select FSX root folder..." 10000 >/dev/null || fail "Alt+Down opened no browse dialog"
xdotool key Escape
driver gone "Select FSX root folder..." 3000 || fail "Escape did not close the browse dialog"
[ "$(focused "$MAIN_CAPTION")" = edNewFS9Path ] ||
  fail "the focus is on $(focused "$MAIN_CAPTION"), not back on the folder box after the browse dialog"

# Alt+S: "Set FSX Path" with the box blank; Enter closes the message.
xdotool key alt+s
says Information "box is blank" || fail "Alt+S did not run \"Set FSX Path\""
xdotool key Return
driver gone Information 3000 || fail "Enter did not close the message"

# Ctrl+Tab on the strip back to "Get Path".
tab_to tabStrip
xdotool key ctrl+Tab
expect_cycle "tabStrip btnGetRegPath btnSearchRegEdit btnExitFSX btnCloseMain skinPageControl" "Get Path again"

# The about dialog (opened by its picture): the focus on "&OK", Tab stays
# there; Space closes it, and so does Escape.
for closer in space Escape; do
  click "$MAIN_CAPTION" $MAIN_ABOUT
  driver wait "FS DIALOG" 5000 >/dev/null || fail "the about dialog did not open"
  [ "$(focused "FS DIALOG")" = btnOK ] || fail "the about dialog's focus: $(focused "FS DIALOG")"
  [ "$(next_focus "FS DIALOG" Tab)" = btnOK ] || fail "Tab left \"&OK\" in the about dialog"
  xdotool key $closer
  driver gone "FS DIALOG" 3000 || fail "$closer did not close the about dialog"
done

# Alt+F: "Exit to FSX" without the simulator warns and ends the program.
xdotool key alt+f
says Warning "unable to find the fsx.exe" || fail "Alt+F did not run \"Exit to FSX\""
xdotool key Return
journey_ends 20 "Alt+F"

# Alt+E: "Exit".
journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
xdotool key alt+e
journey_ends 20 "Alt+E"
echo ok
