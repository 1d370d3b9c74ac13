#!/usr/bin/env bash
# Assign Colors: a colour changed in the platform's colour chooser is saved,
# on the question at exit, under the program's registry key, and is the
# colour the chooser starts from at the next start. The registry is the
# test prefix's; the key is removed before and after.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
e2e_setup

KEY='HKCU\Software\Quillfen\Skyloom 2\2.02'
COLORS="Assign Colors"
CHOOSER="Color"
SUN_BUTTON=200
RED=706
GREEN=707
BLUE=708

forget_colors() { "$WINE" reg delete "HKCU\\Software\\Quillfen" /f >/dev/null 2>&1; }
forget_colors
trap 'forget_colors; e2e_cleanup' EXIT

chooser_rgb() {
    local c v out=""
    for c in $RED $GREEN $BLUE; do
        v=$(e2e_driver field-state "$CHOOSER" $c 5000 | tr -d '\r' | sed 's/^\[\(.*\)\] checked.*/\1/')
        out="$out${out:+,}$v"
    done
    echo "$out"
}

open_sun_chooser() {
    e2e_driver post-command "$CL_MAIN" $IDM_ASSIGN_COLORS 5000 >/dev/null ||
        fail "cannot choose Assign Colors"
    e2e_driver wait-window "$COLORS" 10000 >/dev/null || fail "no Assign Colors dialog"
    e2e_driver dialog-command "$COLORS" $SUN_BUTTON 5000 >/dev/null || fail "no Sun... button"
    e2e_driver wait-window "$CHOOSER" 10000 >/dev/null || fail "no colour chooser"
}

close_dialog() { # TITLE BUTTON
    e2e_driver dialog-command "$1" "$2" 5000 >/dev/null || fail "cannot press $2 in $1"
    e2e_driver wait-gone "$1" 10000 >/dev/null || fail "\"$1\" stayed open"
}

cl_prepare colors
cl_start
cl_wait_main
open_sun_chooser
start=$(chooser_rgb)
echo "the Sun starts as $start"
[ "$start" = "255,0,0" ] || fail "the Sun's default colour is not red"
e2e_driver set-text "$CHOOSER" $RED 0 5000
e2e_driver set-text "$CHOOSER" $GREEN 128 5000
e2e_driver set-text "$CHOOSER" $BLUE 255 5000
e2e_screenshot caelor-color-chooser
close_dialog "$CHOOSER" $IDOK
close_dialog "$COLORS" $IDOK
e2e_driver post-command "$CL_MAIN" $IDM_EXIT 5000 >/dev/null || fail "cannot choose File > Exit"
out=$(e2e_driver answer-box "$CL_MAIN" $IDYES 10000) || fail "no question about the colours"
echo "$out" | grep -q "Save assigned colors?" || fail "the question is not about the colours"
e2e_expect_exit "$CL_PID" 0 20

stored=$("$WINE" reg query "$KEY\\Sun" /ve 2>/dev/null | tr -d '\r' | grep REG_SZ)
echo "registry: $stored"
[ "$(echo "$stored" | awk '{print $NF}')" = "0,128,255" ] || fail "the Sun's colour is not in $KEY\\Sun"
"$WINE" reg query "$KEY\\Moon" /ve 2>/dev/null | tr -d '\r' | grep -q "192,192,192" ||
    fail "the unchanged colours were not saved with it"

# The next start reads it back.
cl_start
cl_wait_main
open_sun_chooser
again=$(chooser_rgb)
echo "after a restart the Sun is $again"
[ "$again" = "0,128,255" ] || fail "the stored colour was not loaded at start"
close_dialog "$CHOOSER" $IDCANCEL
close_dialog "$COLORS" $IDCANCEL
cl_close
echo "PASS"
