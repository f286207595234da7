#!/usr/bin/env bash
# The main window driven as a user would: the look-in commands and their
# warnings, the about dialog, minimising, and "Exit to &FSX" with and without
# the simulator.
source "$FOLVANE_SOURCE_DIR/tests/e2e/journey-lib.sh"
journey_start "$1" "$2"
standin=$3

look_in_machine_root() {
  click "$MAIN_CAPTION" $MAIN_GET_PATH
  click "$MAIN_CAPTION" $MAIN_MENU_FIRST
}

# Look-in commands: a missing key warns twice, the second naming "[Blank]".
journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
look_in_machine_root
says Warning "It appears this registry entry is blank or does not exist!" || fail "first warning"
driver press Warning OK
says Warning "^\[Blank\]$" || fail "second warning does not name [Blank]"
driver press Warning OK

# A value without fsx.exe: one warning naming the folder.
empty=$(journey_folder fsx-empty)
journey_value "$JOURNEY_KEY" SetupPath "$empty"
driver gone Warning 5000
look_in_machine_root
says Warning -F "$empty" || fail "the warning does not name $empty"
driver press Warning OK
driver absent Warning 1000 || fail "a second warning for a present value"

# A proven folder: no message.
journey_value "$JOURNEY_KEY" SetupPath "$(journey_folder fsx-proven with-fsx)"
look_in_machine_root
driver absent Warning 1500 || fail "a warning for a proven folder"

# The about dialog: centred on the main window, closed by Escape, by "&OK"
# and by its heading, and opened again each time.
read -r mx my _ _ < <(driver wait "$MAIN_CAPTION")
for closer in Escape ok heading; do
  click "$MAIN_CAPTION" $MAIN_ABOUT
  read -r dx dy dw dh < <(driver wait "FS DIALOG" 5000) || fail "the about dialog did not open"
  [ "$dw $dh" = "440 190" ] || fail "about dialog size $dw x $dh"
  [ "$((dx - mx)) $((dy - my))" = "90 140" ] || fail "about dialog at $dx,$dy, main window at $mx,$my"
  case $closer in
    Escape) xdotool key Escape ;;
    ok) click "FS DIALOG" 349 160 ;;
    heading) click "FS DIALOG" 150 49 ;;
  esac
  driver gone "FS DIALOG" 3000 || fail "$closer did not close the about dialog"
done

# Minimise keeps the window (restored from outside), then the title-band close.
click "$MAIN_CAPTION" $MAIN_MINIMIZE
sleep 0.5
driver restore "$MAIN_CAPTION" || fail "minimise did not minimise the window"
driver wait "$MAIN_CAPTION" 5000 >/dev/null || fail "the window did not come back"
click "$MAIN_CAPTION" $MAIN_CLOSE
journey_ends 20 "the title-band close"

# "Exit to &FSX" without the simulator: the warning, then the end.
journey_value "$JOURNEY_KEY" SetupPath "$empty"
journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
click "$MAIN_CAPTION" $MAIN_EXIT_FSX
says Warning "unable to find the fsx.exe" || fail "no warning without the simulator"
driver press Warning OK
journey_ends 20 "\"Exit to &FSX\" did not end the program after the warning"

# With the simulator: it is started and the program ends.
proven=$(journey_folder fsx-standin)
cp "$standin" "$WINEPREFIX/drive_c/fsx-standin/fsx.exe"
rm -f "$WINEPREFIX/drive_c/fsx-standin/started.txt"
journey_value "$JOURNEY_KEY" SetupPath "$proven"
journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
click "$MAIN_CAPTION" $MAIN_EXIT_FSX
journey_ends 20 "\"Exit to &FSX\" did not end the program"
for _ in $(seq 1 50); do
  [ -f "$WINEPREFIX/drive_c/fsx-standin/started.txt" ] && break
  sleep 0.1
done
[ -f "$WINEPREFIX/drive_c/fsx-standin/started.txt" ] || fail "the simulator was not started"
echo ok
