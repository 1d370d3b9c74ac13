#!/usr/bin/env bash
# Reports through the menus of caelor.exe: Seasons copied to the clipboard
# equals the native report for the program's current place; a bad year range
# shows its error and keeps the dialog open; Stop during the Almanac keeps
# the lines so far; closing ends with exit code 0.
. "$(dirname "$0")/lib.sh"
: "${CAELOR_CLI:?CAELOR_CLI must name the native caelor-cli}"
e2e_setup

MAIN="Skyloom 2"
ERROR_BOX="Skyloom 2 - Error"
IDOK=1
IDCANCEL=2
START_YEAR=115
STOP_YEAR=117
YEAR=113
START_MONTH=115
STOP_MONTH=117

winpath() { echo "Z:${1//\//\\}"; }

e2e_start "$BUILD_DIR/caelor.exe"
pid=$E2E_LAST_PID
e2e_driver wait-window "$MAIN" 60000 || fail "main window did not appear"

# (a) Reports > Seasons for 2026, then Edit > Copy.
e2e_driver post-command "$MAIN" 82 5000 || fail "cannot choose Reports > Seasons"
e2e_driver set-text "Seasons" $START_YEAR 2026 10000 || fail "no Seasons dialog"
e2e_driver set-text "Seasons" $STOP_YEAR 2026 5000 || fail "no stop year field"
e2e_driver dialog-command "Seasons" $IDOK 5000 || fail "cannot press OK"
e2e_driver wait-gone "Seasons" 10000 || fail "the Seasons dialog stayed open"
e2e_driver wait-scroll-bars "$MAIN" 60000 || fail "the Seasons report did not finish"
e2e_screenshot caelor-seasons-report
e2e_driver post-command "$MAIN" 110 5000 || fail "Edit > Copy is not available"
e2e_driver wait-window "$MAIN" 5000 >/dev/null
e2e_driver clipboard-text "$(winpath "$ARTIFACTS/seasons-clipboard.txt")" ||
    fail "no report text on the clipboard"
place=$(head -n 1 "$BUILD_DIR/CITIES.DAT" | tr -d '\r')
"$CAELOR_CLI" report seasons --years 2026-2026 --place "$place" \
    >"$ARTIFACTS/seasons-native.txt" 2>"$ARTIFACTS/seasons-native.err" ||
    fail "caelor-cli report seasons failed"
[ -s "$ARTIFACTS/seasons-native.txt" ] || fail "the native report is empty"
grep -q $'\r$' "$ARTIFACTS/seasons-clipboard.txt" || fail "clipboard lines do not end in CR LF"
tr -d '\r' <"$ARTIFACTS/seasons-clipboard.txt" >"$ARTIFACTS/seasons-clipboard-lf.txt"
cmp "$ARTIFACTS/seasons-native.txt" "$ARTIFACTS/seasons-clipboard-lf.txt" || {
    diff -u "$ARTIFACTS/seasons-native.txt" "$ARTIFACTS/seasons-clipboard-lf.txt" | head -20
    fail "the copied Seasons report differs from caelor-cli's"
}
echo "Seasons 2026: $(wc -l <"$ARTIFACTS/seasons-native.txt") lines identical to caelor-cli"

# (b) A stop year before the start year is refused and the dialog stays.
e2e_driver post-command "$MAIN" 83 5000 || fail "cannot choose Reports > Dates of Easter"
e2e_driver set-text "Dates of Easter" $START_YEAR 2026 10000 || fail "no Easter dialog"
e2e_driver set-text "Dates of Easter" $STOP_YEAR 2020 5000 || fail "no stop year field"
e2e_driver dialog-command "Dates of Easter" $IDOK 5000 || fail "cannot press OK"
e2e_driver window-texts "$ERROR_BOX" 10000 >"$ARTIFACTS/easter-error.txt" ||
    fail "no error box for a stop year before the start year"
cat "$ARTIFACTS/easter-error.txt"
grep -q "Stop year cannot be less than start year" "$ARTIFACTS/easter-error.txt" ||
    fail "the error box does not name the stop year"
e2e_screenshot caelor-easter-error
e2e_driver dialog-command "$ERROR_BOX" $IDOK 5000 || fail "cannot close the error box"
e2e_driver wait-gone "$ERROR_BOX" 10000 || fail "the error box stayed"
e2e_driver wait-window "Dates of Easter" 2000 || fail "the dialog closed after bad input"
e2e_driver dialog-command "Dates of Easter" $IDCANCEL 5000 || fail "cannot cancel"
e2e_driver wait-scroll-bars "$MAIN" 10000 || fail "no empty report view after a cancelled dialog"

# (c) Esc during the Almanac stops it and keeps the lines made so far.
e2e_driver post-command "$MAIN" 93 5000 || fail "cannot choose Reports > Almanac"
e2e_driver set-text "Almanac" $YEAR 2026 10000 || fail "no Almanac dialog"
e2e_driver set-text "Almanac" $START_MONTH 1 5000 || fail "no start month field"
e2e_driver set-text "Almanac" $STOP_MONTH 12 5000 || fail "no stop month field"
e2e_driver press-then-key "Almanac" $IDOK "$MAIN" 27 10000 || fail "cannot press OK, then Esc"
e2e_driver wait-scroll-bars "$MAIN" 60000 || fail "the Almanac did not stop"
e2e_screenshot caelor-almanac-stopped
e2e_driver post-command "$MAIN" 110 5000 || fail "Edit > Copy is not available after Stop"
e2e_driver wait-window "$MAIN" 5000 >/dev/null
e2e_driver clipboard-text "$(winpath "$ARTIFACTS/almanac-clipboard.txt")" ||
    fail "no Almanac text on the clipboard"
tr -d '\r' <"$ARTIFACTS/almanac-clipboard.txt" >"$ARTIFACTS/almanac-clipboard-lf.txt"
"$CAELOR_CLI" report almanac --year 2026 --months 1-12 --place "$place" \
    >"$ARTIFACTS/almanac-native.txt" 2>"$ARTIFACTS/almanac-native.err" ||
    fail "caelor-cli report almanac failed"
kept=$(wc -l <"$ARTIFACTS/almanac-clipboard-lf.txt")
full=$(wc -l <"$ARTIFACTS/almanac-native.txt")
[ "$kept" -gt 0 ] || fail "Stop discarded the Almanac's lines"
[ "$kept" -lt "$full" ] || fail "the Almanac ran to its end ($kept lines) despite Esc"
head -n "$kept" "$ARTIFACTS/almanac-native.txt" | cmp - "$ARTIFACTS/almanac-clipboard-lf.txt" ||
    fail "the kept Almanac lines differ from the start of caelor-cli's Almanac"
echo "Almanac stopped after $kept of $full lines, all kept"

# (d) Closing ends the program with exit code 0.
e2e_driver close "$MAIN" 10000 || fail "caelor.exe did not close cleanly"
e2e_expect_exit "$pid" 0 10

# (e) Closing while the Almanac runs ends it with exit code 0 as well.
e2e_start "$BUILD_DIR/caelor.exe"
pid=$E2E_LAST_PID
e2e_driver wait-window "$MAIN" 60000 || fail "main window did not appear again"
e2e_driver post-command "$MAIN" 93 5000 || fail "cannot choose Reports > Almanac"
e2e_driver set-text "Almanac" $YEAR 2026 10000 || fail "no Almanac dialog"
e2e_driver press-then-key "Almanac" $IDOK "$MAIN" 0 10000 || fail "cannot press OK, then close"
e2e_driver wait-gone "$MAIN" 20000 || fail "caelor.exe did not close while the Almanac ran"
e2e_expect_exit "$pid" 0 10
echo "PASS"
