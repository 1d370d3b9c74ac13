#!/usr/bin/env bash
# Set Location and CITIES.DAT: choosing a city fills the fields; Save writes
# the file byte for byte in its format; at exit "Save city location
# database?" is asked only when the database changed; an unreadable
# CITIES.DAT gives "Cannot load city location database" and the single entry
# "No name"; a save that fails leaves the old file as it was.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
e2e_setup

SET="Set Location"
NAME=201
LAT_D=202
LAT_M=203
LAT_S=204
SOUTH=206
LON_D=207
LON_M=208
LON_S=209
EAST=211
ELEVATION=212
TIME_ZONE=213
SAVE=214

# The file the program writes: text lines, so CR LF on this platform.
crlf() { sed 's/$/\r/'; }

field() { # ID: the text of a field of the open dialog
    e2e_driver field-state "$SET" "$1" 5000 | tr -d '\r' | sed 's/^\[\(.*\)\] checked.*/\1/'
}

checked() { # ID: whether a button of the open dialog is checked
    e2e_driver field-state "$SET" "$1" 5000 | grep -q "checked 1"
}

open_set_location() {
    e2e_driver post-command "$CL_MAIN" $IDM_SET_LOCATION 5000 >/dev/null ||
        fail "cannot choose Set Location"
    e2e_driver wait-window "$SET" 10000 >/dev/null || fail "no Set Location dialog"
}

press() { # BUTTON: presses it and waits for the dialog to close
    e2e_driver dialog-command "$SET" "$1" 5000 >/dev/null || fail "cannot press $1"
    e2e_driver wait-gone "$SET" 10000 >/dev/null || fail "Set Location stayed open"
}

# (a) Choosing Paris fills every field; a new entry typed in and saved is
# written after the others, the current name on line 1.
cl_prepare location
cp "$CL_DIR/CITIES.DAT" "$ARTIFACTS/location-CITIES.original"
cl_start
cl_wait_main
open_set_location
e2e_driver choose-city "$SET" $NAME "Paris" 5000 >/dev/null || fail "no Paris in the list"
shown="$(field $LAT_D) $(field $LAT_M) $(field $LAT_S) $(field $LON_D) $(field $LON_M)"
shown="$shown $(field $LON_S) $(field $ELEVATION) $(field $TIME_ZONE)"
echo "Paris fills: $shown"
[ "$shown" = "48 51 24 2 21 08 35 1.00" ] || fail "the fields do not show Paris"
checked $EAST || fail "Paris is not East"
e2e_screenshot caelor-set-location

e2e_driver set-text "$SET" $NAME "Example" 5000 || fail "no name box"
for f in "$LAT_D=51" "$LAT_M=28" "$LAT_S=38" "$LON_D=0" "$LON_M=5" "$LON_S=0" \
    "$ELEVATION=48" "$TIME_ZONE=0"; do
    e2e_driver set-text "$SET" "${f%%=*}" "${f#*=}" 5000 || fail "no field ${f%%=*}"
done
# Paris left East checked; West for the example.
e2e_driver dialog-command "$SET" 210 5000 >/dev/null
e2e_driver set-check "$SET" $EAST 0 5000
e2e_driver set-check "$SET" 210 1 5000
press $SAVE
{
    echo "Example"
    tail -n +2 "$ARTIFACTS/location-CITIES.original"
    printf '%s\n' "Example             |51|28|38|N|  0| 5| 0|W|  48|0.00"
} | crlf >"$ARTIFACTS/location-CITIES.expected"
cmp "$ARTIFACTS/location-CITIES.expected" "$CL_DIR/CITIES.DAT" || {
    diff <(cat -A "$ARTIFACTS/location-CITIES.expected") <(cat -A "$CL_DIR/CITIES.DAT") | head
    fail "Save did not write the expected CITIES.DAT"
}
[ -e "$CL_DIR/CITIES.NEW" ] && fail "CITIES.NEW was left behind"
echo "Save wrote $(stat -c %s "$CL_DIR/CITIES.DAT") bytes as expected"
# Saved, so nothing is asked at exit: the window closes at once.
cl_close

# (b) Nothing changed (OK with the same place): no question at exit.
cl_start
cl_wait_main
open_set_location
[ "$(field $LAT_D) $(field $LAT_M)" = "51 28" ] || fail "the saved current place did not load"
press $IDOK
cl_close
echo "unchanged database: no question at exit"

# (c) Another city with OK changes the database: the question comes, and
# Yes writes the new current name.
cl_start
cl_wait_main
open_set_location
e2e_driver choose-city "$SET" $NAME "Sydney" 5000 >/dev/null || fail "no Sydney in the list"
[ "$(field $LAT_D) $(field $TIME_ZONE)" = "33 10.00" ] || fail "the fields do not show Sydney"
checked $SOUTH || fail "Sydney is not South"
press $IDOK
e2e_driver post-command "$CL_MAIN" $IDM_EXIT 5000 >/dev/null || fail "cannot choose File > Exit"
out=$(e2e_driver answer-box "$CL_MAIN" $IDYES 10000) || fail "no question at exit"
echo "$out" | grep -q "Save city location database?" || fail "the question is not about the cities"
e2e_expect_exit "$CL_PID" 0 20
{
    echo "Sydney"
    tail -n +2 "$ARTIFACTS/location-CITIES.expected" | tr -d '\r'
} | crlf | cmp - "$CL_DIR/CITIES.DAT" || fail "Yes did not save Sydney as the current place"
echo "changed database: asked at exit, Yes saved"

# (d) A failed save (CITIES.NEW cannot be created: a folder has its name)
# shows the error and leaves CITIES.DAT as it was.
cp "$CL_DIR/CITIES.DAT" "$ARTIFACTS/location-CITIES.before-failure"
mkdir "$CL_DIR/CITIES.NEW"
cl_start
cl_wait_main
open_set_location
e2e_driver choose-city "$SET" $NAME "Tokyo" 5000 >/dev/null || fail "no Tokyo in the list"
e2e_driver dialog-command "$SET" $SAVE 5000 >/dev/null || fail "cannot press Save"
cl_expect_error "Cannot save city location database"
cmp "$ARTIFACTS/location-CITIES.before-failure" "$CL_DIR/CITIES.DAT" ||
    fail "a failed save changed CITIES.DAT"
# Still modified: the question comes again; No leaves the file alone.
e2e_driver wait-gone "$SET" 10000 >/dev/null || fail "Set Location stayed open"
e2e_driver post-command "$CL_MAIN" $IDM_EXIT 5000 >/dev/null || fail "cannot choose File > Exit"
e2e_driver answer-box "$CL_MAIN" $IDNO 10000 >/dev/null || fail "no question after the failed save"
e2e_expect_exit "$CL_PID" 0 20
cmp "$ARTIFACTS/location-CITIES.before-failure" "$CL_DIR/CITIES.DAT" ||
    fail "CITIES.DAT changed after the failed save"
rmdir "$CL_DIR/CITIES.NEW"
echo "failed save: old CITIES.DAT intact"

# (e) A CITIES.DAT that cannot be read (a folder of that name): the error,
# then the single entry "No name".
rm "$CL_DIR/CITIES.DAT"
mkdir "$CL_DIR/CITIES.DAT"
cl_start
cl_expect_error "Cannot load city location database"
cl_wait_main
open_set_location
list=$(e2e_driver list-count "$SET" $NAME 5000 | tr -d '\r')
echo "city list: $list"
[ "$list" = "1 items, first No name" ] || fail "the list is not the single No name entry"
[ "$(field $LAT_D) $(field $LON_D) $(field $TIME_ZONE)" = "0 0 0.00" ] ||
    fail "No name is not at 0, 0"
press $IDCANCEL
cl_close
echo "PASS"
