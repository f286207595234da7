#!/usr/bin/env bash
# The main window driven as a user would: the look-in commands under both
# roots for a proven folder, an unproven one, a key without the value and no
# key, read back from the result labels and the warnings; the maker's label
# under the pointer; the web link; the about dialog opened by its picture and
# its label, closed by Escape, "&OK", its heading and its message, centred
# again after the window was dragged; minimising; the title-band close; and
# "Exit to &FSX" with and without the simulator.
source "$FOLVANE_SOURCE_DIR/tests/e2e/journey-lib.sh"
journey_start "$1" "$2"
standin=$3

# Windows coordinates of the result labels: page place + (49, 121).
KEY_LABEL="90 188 280 30"   # lbFSXRegKey
VALUE_LABEL="405 195 120 30" # lbRegValue
MAKER_LABEL="93 429 230 13"  # lbSkelvor, as wide as its text
SIM_KEY='SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\10.0\'

# look_in ROOT: "Get FSX &Path", then the menu's item for HKLM or HKCU.
look_in() {
  click "$MAIN_CAPTION" $MAIN_GET_PATH
  driver class "#32768" 3000 >/dev/null || fail "\"Get FSX Path\" opened no menu"
  case $1 in
    HKLM) click "$MAIN_CAPTION" $MAIN_MENU_FIRST ;;
    HKCU) click "$MAIN_CAPTION" $MAIN_MENU_SECOND ;;
  esac
}

# labels_show ROOT FOLDER: the three result labels after a look-in.
labels_show() {
  local key value
  case $1 in
    HKLM) key="HKEY_LOCAL_MACHINE\\$SIM_KEY" value=SetupPath ;;
    HKCU) key="HKEY_CURRENT_USER\\$SIM_KEY" value=AppPath ;;
  esac
  shows_text "$MAIN_CAPTION" $KEY_LABEL Tahoma -11 regular "$key" || fail "$1: the key label does not show $key"
  shows_text "$MAIN_CAPTION" $VALUE_LABEL Tahoma -11 regular "$value" || fail "$1: the value label does not show $value"
  shows_text "$MAIN_CAPTION" $MAIN_FOLDER_LABEL Tahoma -11 regular "$2" || fail "$1: the folder label does not show $2"
}

# warned GREP-ARGS...: a warning saying that, closed by OK (another may follow at once).
warned() {
  says Warning "$@" || fail "no warning saying $*"
  driver press Warning OK || fail "no OK in the warning"
}

empty=$(journey_folder fsx-empty)
proven=$(journey_folder fsx-proven with-fsx)

journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
for root in HKLM HKCU; do
  case $root in
    HKLM) rootkey=$JOURNEY_KEY value=SetupPath other=CDPath ;;
    HKCU) rootkey=$JOURNEY_USER_KEY value=AppPath other=Other ;;
  esac
  # No key: two warnings, the second naming "[Blank]".
  journey_clear_keys
  look_in $root
  warned "It appears this registry entry is blank or does not exist!"
  warned "^\[Blank\]$"
  driver gone Warning 3000 || fail "$root: a third warning for a missing key"
  # The key without the value: "\" in the folder label, one warning naming it.
  journey_value "$rootkey" $other 'E:\'
  look_in $root
  warned '^\\$'
  driver absent Warning 500 || fail "$root: a second warning for a key without the value"
  labels_show $root '\'
  # A folder without fsx.exe: one warning naming it, the folder in the label.
  journey_value "$rootkey" $value "$empty"
  look_in $root
  warned -F "$empty"
  driver absent Warning 500 || fail "$root: a second warning for a present value"
  labels_show $root "$empty"
  # A proven folder: no message; the labels show the command ran.
  journey_value "$rootkey" $value "$proven"
  look_in $root
  labels_show $root "$proven"
  driver absent Warning 500 || fail "$root: a warning for a proven folder"
done

# The maker's label: bold and underlined under the pointer, bold again after.
read -r mx my _ _ < <(driver wait "$MAIN_CAPTION")
maker='\xA9 2007 Skelvor. All rights reserved.'
xdotool mousemove $((mx + 120)) $((my + 435))
shows_text "$MAIN_CAPTION" $MAKER_LABEL Tahoma -11 bold-underline "$maker" || fail "the maker's label is not underlined under the pointer"
xdotool mousemove $((mx + 120)) $((my + 400))
shows_text "$MAIN_CAPTION" $MAKER_LABEL Tahoma -11 bold "$maker" || fail "the maker's label stays underlined"

# The web link, by the label, the globe and the maker's label: a browser
# stand-in registered for https is started with the maker's page naming the product.
browser_dir="$WINEPREFIX/drive_c/browser-standin"
mkdir -p "$browser_dir"
cp "$standin" "$browser_dir/browser.exe"
handler='HKCR\https\shell\open\command'
old_handler=$("$FOLVANE_WINE" reg query "$handler" /ve 2>/dev/null | tr -d '\r' | awk '/REG_SZ/ { sub(/^ *[^ ]+ +REG_SZ +/, ""); print }')
restore_handler() {
  "$FOLVANE_WINE" reg add "$handler" /ve /d "$old_handler" /f >/dev/null 2>&1 || true
  rm -rf "$browser_dir"
  journey_cleanup
}
trap restore_handler EXIT
"$FOLVANE_WINE" reg add "$handler" /ve /d '"C:\browser-standin\browser.exe" "%1"' /f >/dev/null 2>&1
for link in "229 381" "166 381" "120 435"; do
  rm -f "$browser_dir/started.txt"
  click "$MAIN_CAPTION" $link
  for _ in $(seq 1 50); do
    [ -s "$browser_dir/started.txt" ] && break
    sleep 0.1
  done
  grep -q 'https://.*Folvane' "$browser_dir/started.txt" 2>/dev/null ||
    fail "the link at $link started no browser with the maker's page"
done

# The about dialog: centred on the main window, opened by the cog and by its
# label, closed by Escape, "&OK", its heading and its message; then again
# after the window has been dragged by its face.
about_opens_centred() {
  local dx dy dw dh
  read -r mx my _ _ < <(driver wait "$MAIN_CAPTION")
  click "$MAIN_CAPTION" $1
  read -r dx dy dw dh < <(driver wait "FS DIALOG" 5000) || fail "the about dialog did not open"
  [ "$dw $dh" = "440 190" ] || fail "about dialog size $dw x $dh"
  [ "$((dx - mx)) $((dy - my))" = "90 140" ] || fail "about dialog at $dx,$dy, main window at $mx,$my"
}
for closer in Escape ok heading message; do
  case $closer in Escape | heading) opener=$MAIN_ABOUT ;; *) opener="400 380" ;; esac
  about_opens_centred "$opener"
  case $closer in
    Escape) xdotool key Escape ;;
    ok) click "FS DIALOG" 349 160 ;;
    heading) click "FS DIALOG" 150 49 ;;
    message) click "FS DIALOG" 160 82 ;;
  esac
  driver gone "FS DIALOG" 3000 || fail "$closer did not close the about dialog"
done
read -r mx my _ _ < <(driver wait "$MAIN_CAPTION")
xdotool mousemove $((mx + 30)) $((my + 380)) mousedown 1 mousemove $((mx + 70)) $((my + 350)) \
  mousemove $((mx + 90)) $((my + 330)) mouseup 1
read -r nx ny _ _ < <(driver wait "$MAIN_CAPTION")
[ "$((nx - mx)) $((ny - my))" = "60 -50" ] || fail "the drag moved the window from $mx,$my to $nx,$ny"
about_opens_centred "$MAIN_ABOUT"
xdotool key Escape
driver gone "FS DIALOG" 3000 || fail "Escape did not close the about dialog"

# Minimise keeps the window (restored from outside), then the title-band close.
click "$MAIN_CAPTION" $MAIN_MINIMIZE
restored=no
for _ in $(seq 1 20); do
  if driver restore "$MAIN_CAPTION"; then restored=yes; break; fi
  sleep 0.1
done
[ $restored = yes ] || fail "minimise did not minimise the window"
driver wait "$MAIN_CAPTION" 5000 >/dev/null || fail "the window did not come back"
click "$MAIN_CAPTION" $MAIN_CLOSE
journey_ends 20 "the title-band close"

# "Exit to &FSX" without the simulator: the warning, then the end.
journey_clear_keys
journey_value "$JOURNEY_KEY" SetupPath "$empty"
journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
click "$MAIN_CAPTION" $MAIN_EXIT_FSX
says Warning "unable to find the fsx.exe" || fail "no warning without the simulator"
driver press Warning OK
journey_ends 20 "\"Exit to &FSX\" did not end the program after the warning"

# With the simulator: it is started and the program ends.
started=$(journey_folder fsx-standin)
cp "$standin" "$WINEPREFIX/drive_c/fsx-standin/fsx.exe"
rm -f "$WINEPREFIX/drive_c/fsx-standin/started.txt"
journey_value "$JOURNEY_KEY" SetupPath "$started"
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
