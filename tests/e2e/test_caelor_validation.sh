#!/usr/bin/env bash
# Refused input in caelor.exe's dialogs: each message appears in the error
# box, the focus lands on the offending field with its text selected, the
# dialog stays open, and Cancel afterwards changes nothing.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
e2e_setup

text_of() { # TITLE ID
    e2e_driver field-state "$1" "$2" 5000 | tr -d '\r' | sed 's/^\[\(.*\)\] checked.*/\1/'
}

open_dialog() { # COMMAND TITLE
    e2e_driver post-command "$CL_MAIN" "$1" 5000 >/dev/null || fail "cannot choose command $1"
    e2e_driver wait-window "$2" 10000 >/dev/null || fail "command $1 did not open \"$2\""
}

set_fields() { # TITLE ID=TEXT ...
    local title=$1 f
    shift
    for f in "$@"; do
        e2e_driver set-text "$title" "${f%%=*}" "${f#*=}" 5000 || { e2e_driver list-windows; fail "no field ${f%%=*}"; }
    done
}

# Presses OK, expects MESSAGE and the focus on FIELD; SELECTED 1 also wants
# the field's whole text selected.
refused() { # TITLE MESSAGE FIELD SELECTED
    e2e_driver dialog-command "$1" $IDOK 5000 >/dev/null || fail "cannot press OK"
    cl_expect_error "$2"
    local focus
    focus=$(e2e_driver wait-focus "$1" "$3" 10000 | tr -d '\r') ||
        fail "after \"$2\" the focus is not on $3: $focus"
    if [ "$4" = 1 ]; then
        read -r _ _ _ range _ length <<<"$focus"
        [ "$range" = "0-$length" ] || fail "the text of $3 is not selected: $focus"
    fi
    e2e_driver wait-window "$1" 1000 >/dev/null || fail "\"$1\" closed after \"$2\""
    echo "  $focus"
}

cancel() { # TITLE
    e2e_driver dialog-command "$1" $IDCANCEL 5000 >/dev/null || fail "cannot cancel"
    e2e_driver wait-gone "$1" 10000 >/dev/null || fail "\"$1\" stayed open"
}

cl_prepare validation
cl_start
cl_wait_main

# Year 999; Cancel keeps the year the dialog had.
open_dialog $IDM_REPORT_SEASONS "Seasons"
year=$(text_of "Seasons" 115)
set_fields "Seasons" 115=999
refused "Seasons" "Year must be between 1000 and 3000" 115 1
e2e_screenshot caelor-dialog-error
cancel "Seasons"
open_dialog $IDM_REPORT_SEASONS "Seasons"
[ "$(text_of "Seasons" 115)" = "$year" ] || fail "Cancel after an error changed the year"
cancel "Seasons"
e2e_driver wait-scroll-bars "$CL_MAIN" 10000 >/dev/null || fail "no empty view after Cancel"

# Stop month before the start month; equal months are accepted.
open_dialog $IDM_REPORT_CALENDAR "Calendar"
set_fields "Calendar" 113=2027 115=5 117=4
refused "Calendar" "Stop month cannot be less than start month" 117 1
set_fields "Calendar" 117=5
e2e_driver dialog-command "Calendar" $IDOK 5000 >/dev/null || fail "cannot press OK"
e2e_driver wait-gone "Calendar" 10000 >/dev/null || fail "equal months were refused"
e2e_driver wait-scroll-bars "$CL_MAIN" 60000 >/dev/null || fail "the Calendar did not finish"

# 31 February.
open_dialog $IDM_MOVIE_DAY_NIGHT "Day/Night"
set_fields "Day/Night" 113=2027 114=2 115=31 116=12 117=0
refused "Day/Night" "Invalid date" 115 1
cancel "Day/Night"

# Time speed 65 and "abc"; -64 and 64 pass the checks.
open_dialog $IDM_MOVIE_ECLIPTIC_TOP "Ecliptic Top"
set_fields "Ecliptic Top" 140=65
refused "Ecliptic Top" "Time speed must be between -64 and 64" 140 1
set_fields "Ecliptic Top" 140=abc
refused "Ecliptic Top" "Invalid number" 140 1
set_fields "Ecliptic Top" 140=-64 142=4
refused "Ecliptic Top" "View angle must be between 5" 142 1
cancel "Ecliptic Top"

# Planetarium: Turbo with the Sun tracked; nothing to view.
open_dialog $IDM_MOVIE_PLANETARIUM "Planetarium"
e2e_driver dialog-command "Planetarium" 130 5000 >/dev/null
e2e_driver set-check "Planetarium" 130 1 5000
e2e_driver set-check "Planetarium" 151 1 5000
e2e_driver set-check "Planetarium" 142 1 5000
refused "Planetarium" "Turbo mode requires that you track a planet or star" 130 0
e2e_driver set-check "Planetarium" 151 0 5000
for box in 160 161 162; do e2e_driver set-check "Planetarium" $box 0 5000; done
refused "Planetarium" "Select at least one item to view" 160 0
cancel "Planetarium"

# Set Location: each range, a bad number, an empty name; Cancel keeps the
# place, and nothing is asked at exit.
SET="Set Location"
open_dialog $IDM_SET_LOCATION "$SET"
place="$(text_of "$SET" 202) $(text_of "$SET" 203) $(text_of "$SET" 204)"
set_fields "$SET" 202=90 203=0 204=1
refused "$SET" "Latitude must be between 0" 202 0
set_fields "$SET" 202=51 204=60
refused "$SET" "Seconds must be between 0 and 59" 204 1
set_fields "$SET" 204=0 207=180 208=1
refused "$SET" "Longitude must be between 0" 207 0
set_fields "$SET" 207=0 208=0 212=12a
refused "$SET" "Invalid number" 212 1
set_fields "$SET" 212=8901
refused "$SET" "Elevation must be between -400 and 8900 meters" 212 1
set_fields "$SET" 212=-400 213=12.5
refused "$SET" "Time zone must be between -12 and 12 hours" 213 1
set_fields "$SET" 213=0 201=""
refused "$SET" "Must enter location name" 201 0
cancel "$SET"
open_dialog $IDM_SET_LOCATION "$SET"
[ "$(text_of "$SET" 202) $(text_of "$SET" 203) $(text_of "$SET" 204)" = "$place" ] ||
    fail "Cancel after errors changed the place"
cancel "$SET"
cl_close
echo "PASS"
