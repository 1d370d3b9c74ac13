#!/usr/bin/env bash
# Reports through the menus of caelor.exe with values typed into their
# dialogs, at a southern and eastern place: Seasons, Dates of Easter,
# Calendar, Lunar, Solar and Local Eclipses, Planet View Info, Twilight and a
# whole Almanac copied to the clipboard equal, byte for byte apart from the
# CR LF line ends, what caelor-cli prints for the same inputs; a bad year range
# shows its error and keeps the dialog open; Stop during the Almanac keeps
# the lines so far; closing ends with exit code 0.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
: "${CAELOR_CLI:?CAELOR_CLI must name the native caelor-cli}"
e2e_setup

MAIN="$CL_MAIN"
ERROR_BOX="$CL_ERROR_BOX"
START_YEAR=115
STOP_YEAR=117
YEAR=113
START_MONTH=115
STOP_MONTH=117
PLACE="Sydney"

# The program starts at Sydney: the first line of CITIES.DAT names it.
cl_prepare reports
sed -i "1s/.*/$PLACE/" "$CL_DIR/CITIES.DAT"

cl_start
cl_wait_main
pid=$CL_PID

# Runs report COMMAND through its dialog TITLE with FIELD=VALUE settings
# (ids of edit boxes, or check:ID=0|1 for check boxes), copies it and
# compares with caelor-cli report ARGS... (NAME names the artefacts).
copy_and_compare() {
    local name=$1 command=$2 title=$3 settings=$4
    shift 4
    e2e_driver post-command "$MAIN" "$command" 5000 >/dev/null || fail "cannot choose command $command"
    e2e_driver wait-window "$title" 10000 >/dev/null || fail "no $title dialog"
    local s
    for s in $settings; do
        case $s in
        check:*)
            s=${s#check:}
            e2e_driver set-check "$title" "${s%%=*}" "${s#*=}" 5000 || fail "no box ${s%%=*}"
            ;;
        *) e2e_driver set-text "$title" "${s%%=*}" "${s#*=}" 5000 || fail "no field ${s%%=*}" ;;
        esac
    done
    e2e_driver dialog-command "$title" $IDOK 5000 >/dev/null || fail "cannot press OK"
    e2e_driver wait-gone "$title" 10000 >/dev/null || fail "the $title dialog stayed open"
    e2e_driver wait-scroll-bars "$MAIN" 120000 >/dev/null || fail "the $title report did not finish"
    e2e_driver post-command "$MAIN" $IDM_COPY 5000 >/dev/null || fail "Edit > Copy is not available"
    e2e_driver wait-window "$MAIN" 5000 >/dev/null
    e2e_driver clipboard-text "$(winpath "$ARTIFACTS/$name-clipboard.txt")" >/dev/null ||
        fail "no $title text on the clipboard"
    "$CAELOR_CLI" report "$@" --place "$PLACE" --cities "$CL_DIR/CITIES.DAT" \
        >"$ARTIFACTS/$name-native.txt" 2>"$ARTIFACTS/$name-native.err" ||
        fail "caelor-cli report $* failed"
    [ -s "$ARTIFACTS/$name-native.txt" ] || fail "the native $title report is empty"
    grep -q $'\r$' "$ARTIFACTS/$name-clipboard.txt" || fail "clipboard lines do not end in CR LF"
    grep -q $'[^\r]$' "$ARTIFACTS/$name-clipboard.txt" && fail "a clipboard line lacks its CR"
    tr -d '\r' <"$ARTIFACTS/$name-clipboard.txt" >"$ARTIFACTS/$name-clipboard-lf.txt"
    cmp "$ARTIFACTS/$name-native.txt" "$ARTIFACTS/$name-clipboard-lf.txt" || {
        diff -u "$ARTIFACTS/$name-native.txt" "$ARTIFACTS/$name-clipboard-lf.txt" | head -20
        fail "the copied $title report differs from caelor-cli's"
    }
    echo "$title ($*): $(wc -l <"$ARTIFACTS/$name-native.txt") lines identical to caelor-cli"
}

# (a) Each report with typed inputs. Planet View Info without Earth in its
# list: boxes 120 .. 127 are Mercury .. Pluto; only Mars and Jupiter stay.
copy_and_compare seasons $IDM_REPORT_SEASONS "Seasons" "$START_YEAR=2025 $STOP_YEAR=2027" \
    seasons --years 2025-2027
e2e_screenshot caelor-seasons-report
copy_and_compare easter $IDM_REPORT_DATES_OF_EASTER "Dates of Easter" \
    "$START_YEAR=2030 $STOP_YEAR=2041" \
    easter --years 2030-2041
copy_and_compare calendar $IDM_REPORT_CALENDAR "Calendar" \
    "$YEAR=2027 $START_MONTH=3 $STOP_MONTH=4" \
    calendar --year 2027 --months 3-4
copy_and_compare lunar $IDM_REPORT_LUNAR_ECLIPSES "Lunar Eclipses" \
    "$START_YEAR=2028 $STOP_YEAR=2029" \
    lunar-eclipses --years 2028-2029
copy_and_compare solar $IDM_REPORT_SOLAR_ECLIPSES "Solar Eclipses" \
    "$START_YEAR=2027 $STOP_YEAR=2028" \
    solar-eclipses --years 2027-2028
# Sydney sees the total eclipse of 2028 July 22 from inside the umbra.
copy_and_compare local $IDM_REPORT_LOCAL_ECLIPSES "Local Eclipses" \
    "$START_YEAR=2027 $STOP_YEAR=2028" \
    local-eclipses --years 2027-2028
copy_and_compare planet-view $IDM_REPORT_PLANET_VIEW_INFO "Planet View Info" \
    "$YEAR=2027 $START_MONTH=5 $STOP_MONTH=6 check:120=0 check:121=0 check:122=1 check:123=1 \
check:124=0 check:125=0 check:126=0 check:127=0" \
    planet-view --year 2027 --months 5-6 --bodies mars,jupiter
copy_and_compare twilight $IDM_REPORT_TWILIGHT "Twilight" \
    "$YEAR=2027 $START_MONTH=6 $STOP_MONTH=7" \
    twilight --year 2027 --months 6-7
copy_and_compare almanac-full $IDM_REPORT_ALMANAC "Almanac" \
    "$YEAR=2027 $START_MONTH=2 $STOP_MONTH=2" \
    almanac --year 2027 --months 2-2
place=$PLACE

# (b) A stop year before the start year is refused and the dialog stays.
e2e_driver post-command "$MAIN" $IDM_REPORT_DATES_OF_EASTER 5000 ||
    fail "cannot choose Reports > Dates of Easter"
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
e2e_driver post-command "$MAIN" $IDM_REPORT_ALMANAC 5000 || fail "cannot choose Reports > Almanac"
e2e_driver set-text "Almanac" $YEAR 2026 10000 || fail "no Almanac dialog"
e2e_driver set-text "Almanac" $START_MONTH 1 5000 || fail "no start month field"
e2e_driver set-text "Almanac" $STOP_MONTH 12 5000 || fail "no stop month field"
e2e_driver press-then-key "Almanac" $IDOK "$MAIN" 27 10000 || fail "cannot press OK, then Esc"
e2e_driver wait-scroll-bars "$MAIN" 60000 || fail "the Almanac did not stop"
e2e_screenshot caelor-almanac-stopped
e2e_driver post-command "$MAIN" $IDM_COPY 5000 || fail "Edit > Copy is not available after Stop"
e2e_driver wait-window "$MAIN" 5000 >/dev/null
e2e_driver clipboard-text "$(winpath "$ARTIFACTS/almanac-clipboard.txt")" ||
    fail "no Almanac text on the clipboard"
tr -d '\r' <"$ARTIFACTS/almanac-clipboard.txt" >"$ARTIFACTS/almanac-clipboard-lf.txt"
"$CAELOR_CLI" report almanac --year 2026 --months 1-12 --place "$place" --cities "$CL_DIR/CITIES.DAT" \
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
cl_start
pid=$CL_PID
e2e_driver wait-window "$MAIN" 60000 || fail "main window did not appear again"
e2e_driver post-command "$MAIN" $IDM_REPORT_ALMANAC 5000 || fail "cannot choose Reports > Almanac"
e2e_driver set-text "Almanac" $YEAR 2026 10000 || fail "no Almanac dialog"
e2e_driver press-then-key "Almanac" $IDOK "$MAIN" 0 10000 || fail "cannot press OK, then close"
e2e_driver wait-gone "$MAIN" 20000 || fail "caelor.exe did not close while the Almanac ran"
e2e_expect_exit "$pid" 0 10
echo "PASS"
