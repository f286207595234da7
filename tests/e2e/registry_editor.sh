#!/usr/bin/env bash
# "Search &Reg": "Search in HKEY_LOCAL_MACHINE" from the button's menu starts
# the registry editor and ends on the simulator's key; then "Search in
# HKEY_CURRENT_USER" from the menu of a right click on the button walks the
# same editor, still open, to the key under the user root.
source "$FOLVANE_SOURCE_DIR/tests/e2e/journey-lib.sh"
journey_start "$1" "$2"
journey_value "$JOURNEY_KEY" SetupPath "$(journey_folder fsx-regedit with-fsx)"
journey_value "$JOURNEY_USER_KEY" AppPath "$(journey_folder fsx-regedit with-fsx)"
close_editor() { driver close RegEdit_RegEdit 0 || true; journey_cleanup; }
# The editor opens on the key it showed when it was last closed: forgotten
# before the walk that starts it, so that only the walk brings it to the key.
forget_last_key() {
  "$FOLVANE_WINE" reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Applets\Regedit' /v LastKey /f >/dev/null 2>&1 || true
}
trap close_editor EXIT

SEARCH_REG="480 327" # "Search &Reg": page (371, 193) + (49, 121)

# editor_ends_on KEY: the editor's status bar names KEY, the simulator's key
# under a root; the walk blocks the window for about 3.5 s once the editor is up.
editor_ends_on() {
  local status=""
  for _ in $(seq 1 50); do
    status=$(driver status RegEdit_RegEdit 100 || true)
    case ${status^^} in *"\\$1\\MICROSOFT\\MICROSOFT GAMES\\FLIGHT SIMULATOR\\10.0") return 0 ;; esac
    sleep 0.3
  done
  # Key names compare without case; the editor shows them as stored.
  fail "the registry editor ends on \"$status\", not under $1"
}

forget_last_key
journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window"
click "$MAIN_CAPTION" $SEARCH_REG
click "$MAIN_CAPTION" 480 351 # its menu's first item, at the button's bottom-left corner
# The program's 32-bit view lies under Wow6432Node on 64-bit Windows.
editor_ends_on 'HKEY_LOCAL_MACHINE\SOFTWARE\WOW6432NODE'

# The right click opens the same menu where the pointer is; its second item
# walks the editor that is already open. The editor, in front now, is moved
# below the main window first, as a user would drag it aside (there is no
# window manager here to raise the main window on a click).
editor=$(xdotool search --onlyvisible --name '^Registry Editor$' | head -1)
[ -n "$editor" ] || fail "no registry editor window"
xdotool windowmove "$editor" 0 640
click "$MAIN_CAPTION" 30 380
read -r mx my _ _ < <(driver wait "$MAIN_CAPTION")
id=$(xwindow "$MAIN_CAPTION")
# The window may still be coming back to the front: a right click it missed is tried again.
menu=""
for _ in 1 2 3; do
  xdotool mousemove --window "$id" $SEARCH_REG click 3
  menu=$(driver class "#32768" 3000) && break
done
[ -n "$menu" ] || fail "a right click on \"Search Reg\" opened no menu"
read -r x y _ h <<<"$menu"
[ "$((x - mx)) $((y - my))" = "$SEARCH_REG" ] || fail "a menu at $x,$y, not at the pointer"
xdotool mousemove $((x + 60)) $((y + h * 3 / 4)) click 1
editor_ends_on 'HKEY_CURRENT_USER\SOFTWARE'

click "$MAIN_CAPTION" $MAIN_EXIT
journey_ends 20 "\"&Exit\""
echo ok
