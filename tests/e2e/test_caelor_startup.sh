#!/usr/bin/env bash
# Start-up of caelor.exe: a window titled "Skyloom 2", 72 x 54 widths of the
# system fixed font; with the shipped STARS.DAT no error and the Planetarium
# dialog lists the 284 named stars; without STARS.DAT, or with one byte too
# many, a wrong trailing mark or a named star too few, "Cannot load star
# database" appears once, the program carries on and the Planetarium is
# refused.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
e2e_setup

PL_STAR_BODY=141
PL_STAR_LIST=171

# (a) The shipped catalogue.
cl_prepare startup-stars
cl_start
cl_wait_main
read -r char_width _ <<<"$(e2e_driver fixed-font | tr -d '\r')"
info=$(e2e_driver window-info "$CL_MAIN" 5000 | tr -d '\r') || fail "no window info"
read -r _ left top right bottom _ <<<"$info"
echo "window $((right - left)) x $((bottom - top)), fixed font $char_width wide"
[ $((right - left)) -eq $((72 * char_width)) ] || fail "width is not 72 character widths"
[ $((bottom - top)) -eq $((54 * char_width)) ] || fail "height is not 54 character widths"
cl_no_error_box "with the shipped STARS.DAT"
e2e_screenshot caelor-startup

e2e_driver post-command "$CL_MAIN" $IDM_MOVIE_PLANETARIUM 5000 >/dev/null ||
    fail "cannot choose Movies > Planetarium"
e2e_driver wait-window "Planetarium" 10000 >/dev/null || fail "no Planetarium dialog"
e2e_driver dialog-command "Planetarium" $PL_STAR_BODY 5000 >/dev/null || fail "no Star button"
e2e_driver control-info "Planetarium" $PL_STAR_LIST 5000 | grep -q "visible 1" ||
    fail "choosing Star does not show the star list"
list=$(e2e_driver list-count "Planetarium" $PL_STAR_LIST 5000 | tr -d '\r') ||
    fail "no star list"
echo "star list: $list"
[ "$list" = "284 items, first And/Alpheratz" ] || fail "the star list is not the 284 named stars"
e2e_screenshot caelor-planetarium-dialog
e2e_driver dialog-command "Planetarium" $IDCANCEL 5000 >/dev/null || fail "cannot cancel"
e2e_driver wait-gone "Planetarium" 10000 >/dev/null || fail "the dialog stayed"
cl_close

# (b) Catalogues that must be refused: none, one byte too many, and a wrong
# trailing mark. The box comes once, the window follows and stays usable.
refused_start() { # NAME
    cl_start
    cl_expect_error "Cannot load star database"
    cl_wait_main
    cl_no_error_box "a second box after the star database error ($1)"
    e2e_driver post-command "$CL_MAIN" $IDM_MOVIE_PLANETARIUM 5000 >/dev/null ||
        fail "cannot choose Planetarium"
    cl_expect_error "Star database not loaded"
    e2e_driver wait-gone "Planetarium" 0 >/dev/null || fail "the Planetarium opened without stars"
    # Still working: a report runs to its end.
    e2e_driver post-command "$CL_MAIN" $IDM_REPORT_INTRODUCTION 5000 >/dev/null ||
        fail "cannot choose Introduction"
    e2e_driver wait-scroll-bars "$CL_MAIN" 30000 >/dev/null || fail "no report after the error"
    cl_close
    echo "$1: refused, program carried on"
}

rm "$CL_DIR/STARS.DAT"
refused_start "no STARS.DAT"

cp "$BUILD_DIR/STARS.DAT" "$CL_DIR/STARS.DAT"
printf '\0' >>"$CL_DIR/STARS.DAT"
[ "$(stat -c %s "$CL_DIR/STARS.DAT")" = 83473 ] || fail "test file is not 83,473 bytes"
refused_start "STARS.DAT of 83,473 bytes"

cp "$BUILD_DIR/STARS.DAT" "$CL_DIR/STARS.DAT"
printf '\x00' | dd of="$CL_DIR/STARS.DAT" bs=1 seek=83464 conv=notrunc status=none
refused_start "STARS.DAT with a wrong trailing mark"

# A catalogue of the right form whose first named star has lost its name:
# the Planetarium dialog's list could not hold the 284 named stars, so the
# file is refused at start-up rather than ending the program there.
cp "$BUILD_DIR/STARS.DAT" "$CL_DIR/STARS.DAT"
star=0
while [ "$(od -An -tu4 -j $((16 + 72 * star + 40)) -N4 "$CL_DIR/STARS.DAT" | tr -d ' ')" = 0 ]; do
    star=$((star + 1))
done
printf '\0\0\0\0' | dd of="$CL_DIR/STARS.DAT" bs=1 seek=$((16 + 72 * star + 40)) conv=notrunc status=none
refused_start "STARS.DAT with 283 named stars"
echo "PASS"
