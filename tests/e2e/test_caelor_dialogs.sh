#!/usr/bin/env bash
# The other commands of caelor.exe's menus: Copy of an empty view puts the
# window picture on the clipboard; End and Home scroll a long report; About, Assign Colors, Set Location, a
# graph's and a movie's dialogs open from their commands and close again;
# Twilight is refused above 60 degrees of latitude; Help opens the help
# window; File > Exit ends with exit code 0 after asking about the changed
# city database.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/command_ids.sh"
e2e_setup

MAIN="Skyloom 2"
IDOK=1
IDCANCEL=2
IDNO=7
LAT_DEGREES=202

# The program may change CITIES.DAT beside it; work on a copy.
RUN_DIR=$(mktemp -d)
cp "$BUILD_DIR/caelor.exe" "$BUILD_DIR/CITIES.DAT" "$BUILD_DIR/STARS.DAT" "$RUN_DIR/"
trap 'rm -rf "$RUN_DIR"; e2e_cleanup' EXIT
cp "$RUN_DIR/CITIES.DAT" "$ARTIFACTS/CITIES.before"

e2e_start "$RUN_DIR/caelor.exe"
pid=$E2E_LAST_PID
e2e_driver wait-window "$MAIN" 60000 || fail "main window did not appear"

e2e_driver post-command "$MAIN" $IDM_COPY 5000 || fail "cannot choose Edit > Copy"
e2e_driver wait-window "$MAIN" 5000 >/dev/null
e2e_driver clipboard-bitmap || fail "Copy of an empty view left no picture"

# The Introduction (no dialog) is longer than the window: End scrolls to its
# last page and Home back to the first.
e2e_driver post-command "$MAIN" $IDM_REPORT_INTRODUCTION 5000 ||
    fail "cannot choose Reports > Introduction"
e2e_driver wait-scroll-bars "$MAIN" 30000 || fail "the Introduction did not finish"
e2e_screenshot caelor-introduction-top
e2e_driver key "$MAIN" 35 || fail "cannot press End"
e2e_driver wait-window "$MAIN" 5000 >/dev/null
e2e_screenshot caelor-introduction-end
e2e_driver key "$MAIN" 36 || fail "cannot press Home"
e2e_driver wait-window "$MAIN" 5000 >/dev/null
e2e_screenshot caelor-introduction-home
differing() { compare -metric AE "$ARTIFACTS/$1.png" "$ARTIFACTS/$2.png" null: 2>&1 || true; }
moved=$(differing caelor-introduction-top caelor-introduction-end)
back=$(differing caelor-introduction-top caelor-introduction-home)
echo "End changed $moved pixels; Home left $back differing"
[ "${moved%% *}" != 0 ] || fail "End did not scroll the report"
[ "${back%% *}" = 0 ] || fail "Home did not return to the first page"

open_and_close() { # COMMAND TITLE BUTTON
    e2e_driver post-command "$MAIN" "$1" 5000 || fail "cannot choose command $1"
    e2e_driver wait-window "$2" 10000 || fail "command $1 did not open \"$2\""
    e2e_driver dialog-command "$2" "$3" 5000 || fail "cannot close \"$2\""
    e2e_driver wait-gone "$2" 10000 || fail "\"$2\" stayed open"
}
open_and_close $IDM_ABOUT "About Skyloom 2" $IDCANCEL
open_and_close $IDM_ASSIGN_COLORS "Assign Colors" $IDCANCEL
open_and_close $IDM_SET_LOCATION "Set Location" $IDCANCEL
open_and_close $IDM_GRAPH_EQUATION_OF_TIME "Equation of Time" $IDCANCEL
open_and_close $IDM_MOVIE_ECLIPTIC_TOP "Ecliptic Top" $IDCANCEL

# Latitude 61 N makes Twilight refuse to run.
e2e_driver post-command "$MAIN" $IDM_SET_LOCATION 5000 || fail "cannot choose Set Location"
e2e_driver set-text "Set Location" $LAT_DEGREES 61 10000 || fail "no latitude field"
e2e_driver dialog-command "Set Location" $IDOK 5000 || fail "cannot press OK"
e2e_driver wait-gone "Set Location" 10000 || fail "Set Location stayed open"
e2e_driver post-command "$MAIN" $IDM_REPORT_TWILIGHT 5000 || fail "cannot choose Reports > Twilight"
e2e_driver answer-box "Skyloom 2 - Error" $IDOK 10000 >"$ARTIFACTS/twilight-error.txt" ||
    fail "no error box for Twilight at 61 degrees"
cat "$ARTIFACTS/twilight-error.txt"
grep -q "Latitude cannot be greater than 60" "$ARTIFACTS/twilight-error.txt" ||
    fail "the error box does not name the latitude limit"
e2e_driver wait-gone "Skyloom 2 - Error" 10000 || fail "the error box stayed"
e2e_driver post-command "$MAIN" $IDM_REPORT_TWILIGHT 5000 ||
    fail "cannot choose Reports > Twilight again"
e2e_driver answer-box "Skyloom 2 - Error" $IDOK 10000 >/dev/null || fail "no second refusal"
e2e_driver wait-gone "Skyloom 2 - Error" 10000 || fail "the error box stayed"

e2e_driver post-command "$MAIN" $IDM_HELP_INDEX 5000 || fail "cannot choose Help > Index"
e2e_driver wait-window "Skyloom 2 Help - caelor.hlp" 10000 || fail "no help window"
e2e_screenshot caelor-help-index

# File > Exit asks about the changed database; No keeps CITIES.DAT.
e2e_driver post-command "$MAIN" $IDM_EXIT 5000 || fail "cannot choose File > Exit"
e2e_driver answer-box "$MAIN" $IDNO 10000 || fail "no question about saving the cities"
e2e_expect_exit "$pid" 0 20
cmp "$ARTIFACTS/CITIES.before" "$RUN_DIR/CITIES.DAT" || fail "No still changed CITIES.DAT"
echo "PASS"
