#!/usr/bin/env bash
# "Search &Reg" -> "Search in HKEY_LOCAL_MACHINE": the registry editor opens
# and ends on the simulator's key.
source "$FOLVANE_SOURCE_DIR/tests/e2e/journey-lib.sh"
journey_start "$1" "$2"
journey_value "$JOURNEY_KEY" SetupPath "$(journey_folder fsx-regedit with-fsx)"
close_editor() { driver close RegEdit_RegEdit 0 || true; journey_cleanup; }
trap close_editor EXIT

journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
click "$MAIN_CAPTION" 480 327 # "Search &Reg": page (371, 193) + (49, 121)
click "$MAIN_CAPTION" 480 351 # its menu's first item, at the button's bottom-left corner
# The walk blocks the window for about 3.5 s once the editor is up.
for _ in $(seq 1 50); do
  status=$(driver status RegEdit_RegEdit 100 || true)
  case $status in *'Flight Simulator\10.0') break ;; esac
  sleep 0.3
done
# Key names compare without case; the editor shows them as stored. The
# program's 32-bit view lies under Wow6432Node on 64-bit Windows.
case ${status^^} in
  *'\HKEY_LOCAL_MACHINE\SOFTWARE\WOW6432NODE\MICROSOFT\MICROSOFT GAMES\FLIGHT SIMULATOR\10.0') ;;
  *) fail "the registry editor ends on \"$status\"" ;;
esac
click "$MAIN_CAPTION" $MAIN_EXIT
journey_ends 20 "\"&Exit\""
echo ok
