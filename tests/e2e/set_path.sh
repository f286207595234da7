#!/usr/bin/env bash
# "Set Path" as a user does it: a folder chosen through the browse dialog, the
# CD-ROM drive E: [FSX] from the drive list, "Add to Current User", every
# question answered; then the values read back with the prefix's own reg.
# Adds a CD-ROM drive E: to the prefix and restarts its server, twice.
source "$FOLVANE_SOURCE_DIR/tests/e2e/journey-lib.sh"
journey_start "$1" "$2"

source "$FOLVANE_SOURCE_DIR/tests/support/cdrom-drive.sh"

finish() {
  journey_cleanup
  rm -rf "$WINEPREFIX/drive_c/fsx-journey6"
  cdrom_drive_restore
}
trap finish EXIT

cdrom_drive_add FSX

folder=$(journey_folder fsx-journey6 with-fsx)
BROWSE='Select FSX root folder...'

journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
click "$MAIN_CAPTION" $MAIN_TAB_SET
click "$MAIN_CAPTION" $MAIN_FOLDER_BUTTON
driver wait "$BROWSE" 10000 >/dev/null || fail "the browse dialog did not open"
# Desktop > My Computer > (C:) > the folder, by the tree's keys and type-ahead.
click "$BROWSE" 100 144
xdotool key Right Right Right Right
xdotool type fsx-journey6
sleep 0.5
driver press "$BROWSE" OK || fail "no OK in the browse dialog"
driver gone "$BROWSE" 5000 || fail "the browse dialog stayed open"

click "$MAIN_CAPTION" $MAIN_CDROM_BOX
click "$MAIN_CAPTION" $MAIN_DRIVE_BUTTON
click "$MAIN_CAPTION" $MAIN_DRIVE_FIRST
click "$MAIN_CAPTION" $MAIN_CURRENT_USER
click "$MAIN_CAPTION" $MAIN_SET_PATH
says Confirm -F "$folder" || fail "the final question does not name $folder"
driver press Confirm "&Yes"
says Information "has been updated" || fail "no success report"
driver press Information OK

# value_of ROOTKEY NAME: "TYPE DATA" of a value, as reg prints it.
value_of() {
  journey_reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { type = $2; sub(/^ *[^ ]+ +[^ ]+ +/, ""); print type " " $0 }'
}
[ "$(value_of "$JOURNEY_KEY" SetupPath)" = "REG_SZ $folder" ] || fail "SetupPath: $(value_of "$JOURNEY_KEY" SetupPath)"
[ "$(value_of "$JOURNEY_KEY" CDPath)" = 'REG_SZ E:\' ] || fail "CDPath: $(value_of "$JOURNEY_KEY" CDPath)"
[ "$(value_of "$JOURNEY_USER_KEY" AppPath)" = "REG_SZ $folder" ] || fail "AppPath: $(value_of "$JOURNEY_USER_KEY" AppPath)"

click "$MAIN_CAPTION" $MAIN_EXIT
journey_ends 20 "\"&Exit\" after writing"
echo ok
