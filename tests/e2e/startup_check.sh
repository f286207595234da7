#!/usr/bin/env bash
# The start-up check as a user meets it: without "Folvane.ini" the main window
# opens at once; with it, the splash reports the machine root or the user
# root and the program ends by itself, or asks whether to repair a folder
# that is not found.
source "$FOLVANE_SOURCE_DIR/tests/e2e/journey-lib.sh"
journey_start "$1" "$2"

# No settings file: the main window on "Get Path", no splash.
journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window without a settings file"
driver absent "Registry Check" 500 || fail "a splash without a settings file"
click "$MAIN_CAPTION" $MAIN_EXIT
journey_ends 20 "\"&Exit\""

: >"$JOURNEY_WORK/Folvane.ini"

# SetupPath proven: the splash for about 6 s, then the end; AppPath wrong does not matter.
journey_value "$JOURNEY_KEY" SetupPath "$(journey_folder fsx-machine with-fsx)"
journey_value "$JOURNEY_USER_KEY" AppPath 'C:\nowhere\'
journey_run
driver wait "Registry Check" 20000 >/dev/null || fail "no splash with SetupPath proven"
driver absent "$MAIN_CAPTION" 4000 || fail "the main window opened with SetupPath proven"
journey_ends 30 "with SetupPath proven"
awk -v t="$JOURNEY_ELAPSED" 'BEGIN { exit !(t >= 6 && t < 20) }' || fail "ended after $JOURNEY_ELAPSED s"

# SetupPath missing, AppPath proven: the same end.
journey_clear_keys
journey_value "$JOURNEY_USER_KEY" AppPath "$(journey_folder fsx-user with-fsx)"
journey_run
driver wait "Registry Check" 20000 >/dev/null || fail "no splash with AppPath proven"
journey_ends 30 "with AppPath proven"
awk -v t="$JOURNEY_ELAPSED" 'BEGIN { exit !(t >= 6) }' || fail "ended after $JOURNEY_ELAPSED s"

# Nothing proven: the question; No ends with 0, Yes opens the main window with
# the application's title, seen in the caption of its error box: the program
# runs under another file name, whose name would be the title otherwise.
journey_clear_keys
journey_value "$JOURNEY_KEY" SetupPath "$(journey_folder fsx-empty)"
for answer in "&No" "&Yes"; do
  journey_run Repair.exe
  driver wait Folvane 30000 >/dev/null || fail "no question when nothing is proven"
  says Folvane "Would you like to run the Folvane to fix the registry entry?" ||
    fail "the question's text"
  driver absent "Registry Check" 200 || fail "the splash still shows over the question"
  driver press Folvane "$answer" || fail "cannot answer $answer"
  if [ "$answer" = "&No" ]; then
    journey_ends 20 "No"
  else
    driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "Yes did not open the main window"
    journey_reg add "$JOURNEY_KEY" /v SetupPath /t REG_DWORD /d 1 /f >/dev/null 2>&1
    click "$MAIN_CAPTION" $MAIN_GET_PATH
    click "$MAIN_CAPTION" $MAIN_MENU_FIRST
    says Folvane "Invalid data type for 'SetupPath'." || fail "no error box with the title \"Folvane\""
    driver press Folvane OK
    driver gone Folvane 3000 || fail "the error box stays"
    click "$MAIN_CAPTION" $MAIN_CLOSE
    journey_ends 20 "the close button"
  fi
done
echo ok
