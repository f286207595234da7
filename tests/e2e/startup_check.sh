#!/usr/bin/env bash
# The start-up check as a user meets it: without "Folvane.ini" the main window
# opens at once; with it, the splash reports the machine root or the user
# root and the program ends by itself, or asks whether to repair a folder
# that is not found.
source "$FOLVANE_SOURCE_DIR/tests/e2e/journey-lib.sh"
journey_start "$1" "$2"

# watched_exactly WHAT EXPECTED...: the windows that showed during the run, in order.
watched_exactly() {
  local what=$1 seen
  shift
  seen=$(journey_watched | paste -sd '|')
  [ "$seen" = "$(printf '%s\n' "$@" | paste -sd '|')" ] || fail "$what: windows shown: $seen"
}
WINDOWS=("Registry Check" Folvane "$MAIN_CAPTION")

# splash_says MARKUP: the splash's status line shows the text after its
# picture (lbMsg at 97, 92, 330 x 25; the picture is 24 wide) within its 3 s.
# A wrong line is reported at the end, so that the outcomes after it are
# still checked. The markup label places each word at its measured width;
# under Wine, Tahoma's small sizes are drawn from bitmap strikes narrower than
# they measure, so the gaps between words are wider than in one DrawText:
# the letters are compared, the gaps not.
WRONG_LINES=""
splash_says() {
  SHOWS_TEXT_GAPS=any SHOWS_TEXT_TRIES=8 shows_text "Registry Check" 122 92 305 25 Tahoma -11 regular "$1" ||
    WRONG_LINES="$WRONG_LINES; $2"
}

# No settings file: the main window on "Get Path", and never a splash.
journey_watch "${WINDOWS[@]}"
journey_run
driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "no main window without a settings file"
click "$MAIN_CAPTION" $MAIN_EXIT
journey_ends 20 "\"&Exit\""
watched_exactly "without a settings file" "$MAIN_CAPTION"

: >"$JOURNEY_WORK/Folvane.ini"

# SetupPath proven: the splash for about 6 s, then the end; AppPath wrong does not matter.
journey_value "$JOURNEY_KEY" SetupPath "$(journey_folder fsx-machine with-fsx)"
journey_value "$JOURNEY_USER_KEY" AppPath 'C:\nowhere\'
journey_watch "${WINDOWS[@]}"
journey_run
splash_says "Checking Registry for correct folder path to FSX..." "no checking line"
splash_says "FSX installation folder located under <b>LOCAL_MACHINE!</b>" "no machine-root line"
journey_ends 30 "with SetupPath proven"
watched_exactly "with SetupPath proven" "Registry Check"
awk -v t="$JOURNEY_ELAPSED" 'BEGIN { exit !(t >= 6 && t < 20) }' || fail "ended after $JOURNEY_ELAPSED s"

# SetupPath missing, AppPath proven: the same end.
journey_clear_keys
journey_value "$JOURNEY_USER_KEY" AppPath "$(journey_folder fsx-user with-fsx)"
journey_watch "${WINDOWS[@]}"
journey_run
splash_says "FSX installation folder located under <b>CURRENT_USER!</b>" "no user-root line"
journey_ends 30 "with AppPath proven"
watched_exactly "with AppPath proven" "Registry Check"
awk -v t="$JOURNEY_ELAPSED" 'BEGIN { exit !(t >= 6) }' || fail "ended after $JOURNEY_ELAPSED s"

# Nothing proven: the question; No ends with 0, Yes opens the main window with
# the application's title, seen in the caption of its error box: the program
# runs under another file name, whose name would be the title otherwise.
journey_clear_keys
journey_value "$JOURNEY_KEY" SetupPath "$(journey_folder fsx-empty)"
for answer in "&No" "&Yes"; do
  journey_watch "${WINDOWS[@]}"
  journey_run Repair.exe
  splash_says "FSX installation folder <b>NOT FOUND!</b>" "no not-found line"
  driver wait Folvane 30000 >/dev/null || fail "no question when nothing is proven"
  says Folvane "Would you like to run the Folvane to fix the registry entry?" ||
    fail "the question's text"
  driver absent "Registry Check" 200 || fail "the splash still shows over the question"
  driver press Folvane "$answer" || fail "cannot answer $answer"
  if [ "$answer" = "&No" ]; then
    journey_ends 20 "No"
    watched_exactly "No" "Registry Check" Folvane
  else
    driver wait "$MAIN_CAPTION" 20000 >/dev/null || fail "Yes did not open the main window"
    journey_value "$JOURNEY_KEY" SetupPath 1 REG_DWORD
    click "$MAIN_CAPTION" $MAIN_GET_PATH
    click "$MAIN_CAPTION" $MAIN_MENU_FIRST
    says Folvane "Invalid data type for 'SetupPath'." || fail "no error box with the title \"Folvane\""
    driver press Folvane OK
    driver gone Folvane 3000 || fail "the error box stays"
    click "$MAIN_CAPTION" $MAIN_CLOSE
    journey_ends 20 "the close button"
    watched_exactly "Yes" "Registry Check" Folvane "$MAIN_CAPTION"
  fi
done

# A registry error during the check: its box with the application's title,
# after the splash has gone, and exit code 1.
journey_clear_keys
journey_value "$JOURNEY_KEY" SetupPath 1 REG_DWORD
journey_watch "${WINDOWS[@]}"
journey_run
says Folvane "Invalid data type for 'SetupPath'." || fail "no box for a registry error during the check"
driver absent "Registry Check" 200 || fail "the splash still shows over the error box"
driver press Folvane OK || fail "cannot close the error box"
journey_wait_exit 20
[ "$JOURNEY_CODE" = 1 ] || fail "exit code $JOURNEY_CODE after a registry error during the check"
watched_exactly "registry error" "Registry Check" Folvane

# Start-up time from outside: to the main window painted (a point of its
# title band) and, with the settings file, to the splash painted (a point of
# its frame), each beside an empty window of the same size started the same
# way; the best of three. Printed, not enforced: the machine is shared.
yardstick=$(windows_path "$(dirname "$JOURNEY_DRIVER")/e2e_empty_window.exe")
program=$(windows_path "$JOURNEY_WORK/Folvane.exe")
# painted_ms CAPTION X Y RRGGBB PROGRAM [ARGS]: the best of three starts;
# nothing when a start could not be measured (a timing, not an outcome).
painted_ms() {
  local best="" run ms
  for run in 1 2 3; do
    "$FOLVANE_WINE" "$JOURNEY_DRIVER" painted "$@" >"$JOURNEY_WORK/painted" || return 0
    read -r ms <"$JOURNEY_WORK/painted"
    ms=${ms%$'\r'}
    driver gone "$1" 10000 || return 0
    case $ms in '' | *[!0-9]*) return 0 ;; esac
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}
ratio() {
  if [ -n "$1" ] && [ -n "$2" ]; then awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; else echo "not measured"; fi
}
rm -f "$JOURNEY_WORK/Folvane.ini"
journey_clear_keys
main_ms=$(painted_ms "$MAIN_CAPTION" 20 20 EEF4FB "$program")
empty_ms=$(painted_ms Yardstick 20 20 EEF4FB "$yardstick" Yardstick 620 470 EEF4FB)
: >"$JOURNEY_WORK/Folvane.ini"
journey_value "$JOURNEY_KEY" SetupPath "$(journey_folder fsx-machine with-fsx)"
splash_ms=$(painted_ms "Registry Check" 0 95 8597B5 "$program")
small_ms=$(painted_ms Yardstick 0 95 8597B5 "$yardstick" Yardstick 440 190 8597B5)
echo "start-up: main window painted after $main_ms ms, an empty window $empty_ms ms: ratio $(ratio "$main_ms" "$empty_ms") (goal 2.0)"
echo "start-up: splash painted after $splash_ms ms, an empty window $small_ms ms: ratio $(ratio "$splash_ms" "$small_ms") (goal 2.0)"
[ -z "$WRONG_LINES" ] || fail "the splash's status line:${WRONG_LINES#;}"
echo ok
