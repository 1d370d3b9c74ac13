#!/usr/bin/env bash
# A file dropped on the bar opens the menu properties dialog with the file
# filled in; OK with a title adds the program and saves the menu file. Two
# files at once are refused with a message and change nothing.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare drop
printf '"Zed","C:\\ZED.EXE","",""\r\n' >"$VX_MNU"
vx_start

e2e_driver drop-files "VarnixPC" 'C:\windows\notepad.exe' || fail "the drop was not delivered"
e2e_driver wait-window "VarnixPC Menu Properties" 10000 >/dev/null ||
    fail "dropping a file opened no properties dialog"
vx_expect_field 1002 ""
vx_expect_field 1003 'C:\windows\notepad.exe'
vx_expect_field 1004 ""
vx_expect_field 1005 ""
e2e_screenshot varnixpc-dropped-file
e2e_driver set-text "VarnixPC Menu Properties" 1002 "Dropped Notes" 5000 || fail "no Title field"
e2e_driver dialog-command "VarnixPC Menu Properties" 1 5000 >/dev/null
e2e_driver wait-gone "VarnixPC Menu Properties" 5000 >/dev/null || fail "properties stayed open"
vx_wait_for_line "$VX_MNU" '"Dropped Notes","C:\windows\notepad.exe","",""' 10
[ "$(head -n 1 "$VX_MNU" | cut -c1-15)" = '"Dropped Notes"' ] || fail "menu file is not sorted"
cp "$VX_MNU" "$VX_DIR/expected.mnu"

# The program menu now holds About, the separator and the two programs.
vx_open_menu 20
vx_item_height 4 >/dev/null || exit 1
e2e_driver release 600 300 >/dev/null
e2e_driver wait-gone RUZARADIDI 5000 >/dev/null || fail "program menu stayed open"

e2e_driver drop-files "VarnixPC" 'C:\windows\notepad.exe' 'C:\windows\regedit.exe' ||
    fail "the drop was not delivered"
vx_expect_message "Please only drag one file at a time to the VarnixPC."
e2e_driver window-info "VarnixPC Menu Properties" 300 >/dev/null && fail "two files opened the dialog"
cmp -s "$VX_MNU" "$VX_DIR/expected.mnu" || fail "two dropped files changed the menu file"

# A path longer than the 255 characters of old is taken whole, never cut;
# one too long for the menu's File field is refused with a message.
long_path='C:\'$(printf 'd%.0s' $(seq 1 245))'\TOOL.EXE'
e2e_driver drop-files "VarnixPC" "$long_path" >/dev/null || fail "the drop was not delivered"
e2e_driver wait-window "VarnixPC Menu Properties" 10000 >/dev/null ||
    fail "a ${#long_path}-character path opened no properties dialog"
vx_expect_field 1003 "$long_path"
e2e_driver dialog-command "VarnixPC Menu Properties" 2 5000 >/dev/null
e2e_driver wait-gone "VarnixPC Menu Properties" 5000 >/dev/null || fail "properties stayed open"
too_long='C:\'$(printf 'd%.0s' $(seq 1 300))'\TOOL.EXE'
e2e_driver drop-files "VarnixPC" "$too_long" >/dev/null || fail "the drop was not delivered"
vx_expect_message "The path of the dropped file is too long for the menu."
cmp -s "$VX_MNU" "$VX_DIR/expected.mnu" || fail "a cancelled or refused drop changed the menu file"

vx_close
echo "PASS"
