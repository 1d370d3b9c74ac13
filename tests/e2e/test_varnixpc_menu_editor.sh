#!/usr/bin/env bash
# The menu editor lists the programs in menu order; Edit changes the chosen
# program (refusing an empty title), Delete removes it at once, OK saves the
# menu file sorted; after Delete, Cancel leaves the file as it was while the
# program stays gone from the menu until the next start.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare menu_editor
printf '"Gamma","C:\\G.EXE","-g","C:\\G"\r\n"Alpha","C:\\A.EXE","",""\r\n"Beta","C:\\B.EXE","-b","C:\\B"\r\n' \
    >"$VX_MNU"
cp "$VX_MNU" "$VX_DIR/original.mnu"
vx_start

EDITOR="RuzaraDidi"
PROPS="VarnixPC Menu Properties"

vx_open_editor() {
    vx_open_menu "$(vx_title_x 1)"
    vx_choose 1 2
    e2e_driver wait-window "$EDITOR" 10000 >/dev/null || fail "the menu editor did not open"
}

# The editor's rows, joined by commas.
vx_rows() {
    e2e_driver list-items "$EDITOR" 1007 5000 | tr -d '\r' | paste -sd, -
}

vx_expect_rows() {
    local rows
    rows=$(vx_rows)
    if [ "$rows" != "$1" ]; then
        e2e_driver list-windows
        fail "the editor lists \"$rows\", expected \"$1\""
    fi
}

# Deletes row $1 and waits for the rows to read $2.
vx_delete_row() {
    e2e_driver list-select "$EDITOR" 1007 "$1" 5000 >/dev/null || fail "cannot select row $1"
    e2e_driver dialog-command "$EDITOR" 1010 5000 >/dev/null
    for i in $(seq 1 50); do
        [ "$(vx_rows)" = "$2" ] && return
        sleep 0.1
    done
    vx_expect_rows "$2"
}

vx_open_editor
vx_expect_rows "Gamma,Alpha,Beta"

# Edit the third row: the dialog shows its four fields; a new title and
# command line replace them.
e2e_driver list-select "$EDITOR" 1007 2 5000 >/dev/null || fail "cannot select row 3"
e2e_driver dialog-command "$EDITOR" 1009 5000 >/dev/null
e2e_driver wait-window "$PROPS" 10000 >/dev/null || fail "Edit opened no properties dialog"
vx_expect_field 1002 "Beta"
vx_expect_field 1003 'C:\B.EXE'
vx_expect_field 1004 "-b"
vx_expect_field 1005 'C:\B'
e2e_driver set-text "$PROPS" 1002 "Bravo" 5000 || fail "no Title field"
e2e_driver set-text "$PROPS" 1004 "-v" 5000 || fail "no Command Line field"
e2e_driver dialog-command "$PROPS" 1 5000 >/dev/null
e2e_driver wait-gone "$PROPS" 5000 >/dev/null || fail "properties stayed open"
vx_expect_rows "Gamma,Alpha,Bravo"

# Edit with the title emptied is refused and the program stays as it was.
e2e_driver list-select "$EDITOR" 1007 1 5000 >/dev/null || fail "cannot select row 2"
e2e_driver dialog-command "$EDITOR" 1009 5000 >/dev/null
e2e_driver wait-window "$PROPS" 10000 >/dev/null || fail "Edit opened no properties dialog"
vx_expect_field 1002 "Alpha"
e2e_driver set-text "$PROPS" 1002 "" 5000 || fail "no Title field"
e2e_driver set-text "$PROPS" 1003 'C:\CHANGED.EXE' 5000 || fail "no File field"
e2e_driver dialog-command "$PROPS" 1 5000 >/dev/null
vx_expect_message "Unable to add to menu without a Title..."
vx_expect_rows "Gamma,Alpha,Bravo"

# Delete the first row at once, then OK writes the rest, sorted.
vx_delete_row 0 "Alpha,Bravo"
e2e_driver dialog-command "$EDITOR" 1 5000 >/dev/null
e2e_driver wait-gone "$EDITOR" 15000 >/dev/null || fail "the editor stayed open"
printf '"Alpha","C:\\A.EXE","",""\r\n"Bravo","C:\\B.EXE","-v","C:\\B"\r\n' >"$VX_DIR/saved.mnu"
for i in $(seq 1 100); do
    cmp -s "$VX_MNU" "$VX_DIR/saved.mnu" && break
    sleep 0.1
done
cmp -s "$VX_MNU" "$VX_DIR/saved.mnu" || {
    cat "$VX_MNU"
    fail "OK did not save the edited menu"
}

# Delete, then Cancel: the file stays, the program is gone from the menu.
vx_open_editor
vx_expect_rows "Alpha,Bravo"
vx_delete_row 0 "Bravo"
e2e_driver dialog-command "$EDITOR" 2 5000 >/dev/null
e2e_driver wait-gone "$EDITOR" 15000 >/dev/null || fail "Cancel left the editor open"
cmp -s "$VX_MNU" "$VX_DIR/saved.mnu" || fail "Cancel changed the menu file"
# About, the separator and Bravo.
vx_open_menu 20
vx_item_height 3 >/dev/null || exit 1
e2e_driver release 600 300 >/dev/null
e2e_driver wait-gone RUZARADIDI 5000 >/dev/null || fail "program menu stayed open"
vx_open_editor
vx_expect_rows "Bravo"
e2e_driver dialog-command "$EDITOR" 2 5000 >/dev/null
e2e_driver wait-gone "$EDITOR" 15000 >/dev/null || fail "Cancel left the editor open"

vx_close
cmp -s "$VX_MNU" "$VX_DIR/saved.mnu" || fail "the menu file changed at the end"
echo "PASS"
