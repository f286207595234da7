#!/usr/bin/env bash
# "Set Path" as a user meets it, every outcome of "&Set FSX Path": a blank
# folder box, a blank CD-ROM path, a folder already recorded (under either
# root, with and without the CD-ROM path), Cancel at the final question, a
# folder without fsx.exe written or cancelled, and success with and without
# the CD-ROM path and the user copy. Folders are chosen through the browse
# dialog; the values are read back with the prefix's own reg. A refused write
# cannot be made under Wine's registry: the window's own test refuses it
# through the registry seam (SetPathWineTest).
# Adds a CD-ROM drive E: to the prefix for the last part and restarts its
# server, twice.
source "$FOLVANE_SOURCE_DIR/tests/e2e/journey-lib.sh"
journey_start "$1" "$2"

source "$FOLVANE_SOURCE_DIR/tests/support/cdrom-drive.sh"

finish() {
  journey_cleanup
  rm -rf "$WINEPREFIX/drive_c/"fsx-row-*
  cdrom_drive_restore
}
trap finish EXIT

BROWSE='Select FSX root folder...'

# choose_folder NAME: the folder button, then C:\NAME in the browse dialog by
# the tree's keys and type-ahead (Desktop > My Computer > (C:) > the folder).
choose_folder() {
  click "$MAIN_CAPTION" $MAIN_FOLDER_BUTTON
  driver wait "$BROWSE" 10000 >/dev/null || fail "the browse dialog did not open"
  click "$BROWSE" 100 144
  xdotool key Right Right Right Right
  xdotool type "$1"
  sleep 0.5 # the tree's type-ahead selects after a pause
  driver press "$BROWSE" OK || fail "no OK in the browse dialog"
  driver gone "$BROWSE" 5000 || fail "the browse dialog stayed open"
}

# answer CAPTION TEXT BUTTON: a box of that caption says TEXT (fixed string);
# press BUTTON (the next box may follow at once).
answer() {
  says "$1" -F "$2" || fail "no $1 box saying \"$2\""
  driver press "$1" "$3" || fail "cannot press $3 in the $1 box"
}

# The tab change runs the resolver again (before its sound), as a user's would.
refresh_folder() {
  click "$MAIN_CAPTION" $MAIN_TAB_GET
  click "$MAIN_CAPTION" $MAIN_TAB_SET
}

# expect_value ROOTKEY NAME "TYPE DATA" WHAT: the value as it is in every
# view ("" for none): for what must not have been written.
expect_value() {
  local got
  got=$(value_of "$1" "$2" | paste -sd '|')
  [ "$got" = "$3" ] || fail "$4: $2 is \"$got\", not \"$3\""
}

# expect_written ROOTKEY NAME "TYPE DATA" WHAT: the value as the program wrote
# it, in the view it writes to; the other view may keep an older one.
expect_written() {
  value_of "$1" "$2" | grep -Fxq "$3" || fail "$4: $2 is \"$(value_of "$1" "$2" | paste -sd '|')\", not \"$3\""
}

set_path() { click "$MAIN_CAPTION" $MAIN_SET_PATH; }

a=$(journey_folder fsx-row-a with-fsx)
b=$(journey_folder fsx-row-b with-fsx)
bare=$(journey_folder fsx-row-bare)
FINAL="Are you sure you want to write this path to the registry?"
RECORDED="The selected path is already recorded in the registry, continue?"
SUCCESS="The FSX Registry entry has been updated!"

journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
click "$MAIN_CAPTION" $MAIN_TAB_SET

# The folder box blank: one message, nothing written.
set_path
answer Information 'The "Select FSX Root Folder Path" box is blank!' OK
driver absent Confirm 500 || fail "a question after the blank folder box"
expect_value "$JOURNEY_KEY" SetupPath "" "blank folder box"

# The CD-ROM path asked but blank (the prefix has no CD-ROM drive).
choose_folder fsx-row-a
click "$MAIN_CAPTION" $MAIN_CDROM_BOX
set_path
answer Information "The CD-ROM Path is blank, please uncheck" OK
click "$MAIN_CAPTION" $MAIN_CDROM_BOX
expect_value "$JOURNEY_KEY" SetupPath "" "blank CD-ROM path"

# Already recorded under the machine root: No ends it, nothing written.
journey_value "$JOURNEY_KEY" SetupPath 'C:\fsx-row-a'
refresh_folder
set_path
answer Confirm "$RECORDED" "&No"
driver absent Confirm 1000 || fail "a further question after No"
expect_value "$JOURNEY_KEY" SetupPath 'REG_SZ C:\fsx-row-a' "No to already recorded"

# Already recorded under the user root, which the resolver asks first: Yes
# leads to the final question; Cancel there ends it, nothing written.
journey_value "$JOURNEY_USER_KEY" AppPath "$b"
refresh_folder
choose_folder fsx-row-b
set_path
answer Confirm "$RECORDED" "&Yes"
says Confirm -F "$b" || fail "the final question does not name $b"
answer Confirm "$FINAL" Cancel
driver absent Information 1000 || fail "a report after Cancel"
expect_value "$JOURNEY_KEY" SetupPath 'REG_SZ C:\fsx-row-a' "Cancel at the final question"
expect_value "$JOURNEY_USER_KEY" AppPath "REG_SZ $b" "Cancel at the final question"

# No fsx.exe, Cancel: nothing written, and the "Get FSX Path" menu opens
# below that button's place.
choose_folder fsx-row-bare
set_path
answer Confirm "$FINAL" "&Yes"
answer Warning "The fsx.exe is not in the path you have specified." Cancel
read -r menu_x menu_y _ _ < <(driver class "#32768" 3000) || fail "no menu after Cancel"
read -r main_x main_y _ _ < <(driver wait "$MAIN_CAPTION")
[ "$((menu_x - main_x)) $((menu_y - main_y))" = "420 159" ] ||
  fail "the menu opened at $menu_x,$menu_y for the window at $main_x,$main_y"
xdotool key Escape
expect_value "$JOURNEY_KEY" SetupPath 'REG_SZ C:\fsx-row-a' "Cancel for a folder without fsx.exe"

# No fsx.exe, Yes: written, with one trailing backslash; AppPath left alone.
set_path
answer Confirm "$FINAL" "&Yes"
answer Warning "The fsx.exe is not in the path you have specified." "&Yes"
answer Information "$SUCCESS" OK
expect_written "$JOURNEY_KEY" SetupPath "REG_SZ $bare" "Yes for a folder without fsx.exe"
expect_value "$JOURNEY_USER_KEY" AppPath "REG_SZ $b" "\"Add to Current User\" unchecked"

# A proven folder: the final question, then success; no CD-ROM path.
choose_folder fsx-row-a
set_path
answer Confirm "$FINAL" "&Yes"
answer Information "$SUCCESS" OK
expect_written "$JOURNEY_KEY" SetupPath "REG_SZ $a" "success"
expect_value "$JOURNEY_KEY" CDPath "" "success without the CD-ROM path"
expect_value "$JOURNEY_USER_KEY" AppPath "REG_SZ $b" "success without the user copy"
click "$MAIN_CAPTION" $MAIN_EXIT
journey_ends 20 "\"&Exit\""

# With the CD-ROM drive E: [FSX] from the drive list and "Add to Current
# User": the folder already recorded is asked about with the CD-ROM wording.
cdrom_drive_add FSX
journey_clear_keys
journey_value "$JOURNEY_KEY" SetupPath "$a"
journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
click "$MAIN_CAPTION" $MAIN_TAB_SET
choose_folder fsx-row-a
click "$MAIN_CAPTION" $MAIN_CDROM_BOX
click "$MAIN_CAPTION" $MAIN_DRIVE_BUTTON
click "$MAIN_CAPTION" $MAIN_DRIVE_FIRST
click "$MAIN_CAPTION" $MAIN_CURRENT_USER
set_path
answer Confirm "The selected path is already in the registry, continue?" "&Yes"
says Confirm -F "$a" || fail "the final question does not name $a"
answer Confirm "$FINAL" "&Yes"
answer Information "$SUCCESS" OK
expect_written "$JOURNEY_KEY" SetupPath "REG_SZ $a" "success with the CD-ROM path"
expect_written "$JOURNEY_KEY" CDPath 'REG_SZ E:\' "success with the CD-ROM path"
expect_written "$JOURNEY_USER_KEY" AppPath "REG_SZ $a" "success with the user copy"

click "$MAIN_CAPTION" $MAIN_EXIT
journey_ends 20 "\"&Exit\" after writing"
echo ok
