#!/usr/bin/env bash
# The program menu: pressing on the program title opens About VarnixPC, the
# separator and the menu file's programs. About opens the About box, the
# separator does nothing, a program starts with its command line in its
# starting folder (its path holds a blank), and a program that cannot be
# started is reported with its title and the error code.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare programs
mkdir -p "$VX_DIR/My Tools" "$VX_DIR/Start Here"
cp "$BUILD_DIR/marker.exe" "$VX_DIR/My Tools/marker.exe"
marker_exe=$(vx_winpath "$VX_DIR/My Tools/marker.exe")
marker_txt=$(vx_winpath "$VX_DIR/marker.txt")
start_dir=$(vx_winpath "$VX_DIR/Start Here")
printf '"Marker","%s","%s hello","%s"\r\n"Missing","C:\\NO\\SUCH.EXE","",""\r\n' \
    "$marker_exe" "$marker_txt" "$start_dir" >"$VX_MNU"
vx_start

# Four entries; the second is drawn as a separator line, dark grey over white.
vx_open_menu 20
ih=$(vx_item_height 4) || exit 1
e2e_screenshot varnixpc-program-menu
middle=$((VX_MENU_TOP + 2 + (3 * ih) / 2))
line=$(e2e_driver pixel $((VX_MENU_LEFT + 10)) "$middle" | tr -d '\r')
below=$(e2e_driver pixel $((VX_MENU_LEFT + 10)) $((middle + 1)) | tr -d '\r')
[ "$line/$below" = "128 128 128/255 255 255" ] || fail "no separator in entry 2: $line/$below"

# Entry 1: the About box.
vx_choose 1 4
texts=$(e2e_driver window-texts "About VarnixPC" 10000 | tr -d '\r') || fail "no About box"
grep -qF "VarnixPC/32   version 1.6" <<<"$texts" || fail "About box shows: $texts"
e2e_driver answer-box "About VarnixPC" 1 5000 >/dev/null || fail "cannot close the About box"
e2e_driver wait-gone "About VarnixPC" 5000 >/dev/null || fail "the About box stayed"

# Entry 2: nothing but the menu closing.
vx_open_menu 20
vx_choose 2 4
e2e_driver wait-gone RUZARADIDI 5000 >/dev/null || fail "program menu stayed open"
e2e_driver window-info "About VarnixPC" 500 >/dev/null && fail "the separator opened the About box"
e2e_driver window-info "VarnixPC/32" 10 >/dev/null && fail "the separator showed a message"

# Entry 3: the marker program writes its arguments and folder.
vx_open_menu 20
vx_choose 3 4
vx_wait_for_line "$VX_DIR/marker.txt" "cwd=$start_dir" 30
grep -qxF "arg=hello" "$VX_DIR/marker.txt" || fail "the command line did not reach the program"

# Entry 4: the program does not exist (error 2, file not found).
vx_open_menu 20
vx_choose 4 4
vx_expect_message "Unable to start Missing"$'\n'"2"
e2e_driver window-info "VarnixPC" 1000 >/dev/null || fail "the bar went away"

vx_close
echo "PASS"
