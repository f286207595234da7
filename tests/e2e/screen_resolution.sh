#!/usr/bin/env bash
# At 120 pixels per inch Folvane refuses to run: a box names the resolution
# and the program ends once it is closed. Serial: the wineserver restarts so
# that the resolution takes effect, and again to put it back.
source "$FOLVANE_SOURCE_DIR/tests/e2e/journey-lib.sh"
journey_start "$1" "$2"
desktop='HKCU\Control Panel\Desktop'

restore_resolution() {
  "$FOLVANE_WINE" reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1 || true
  wine_env_restart_server
  journey_cleanup
}
trap restore_resolution EXIT

"$FOLVANE_WINE" reg add "$desktop" /v LogPixels /t REG_DWORD /d 120 /f >/dev/null 2>&1
wine_env_restart_server

journey_run
says "$MAIN_CAPTION" "Sorry, but it appears your screen fonts are set to: 120 DPI" || fail "no refusal naming 120"
driver press "$MAIN_CAPTION" OK || fail "cannot close the refusal"
journey_ends 20 "after the refusal"
echo ok
