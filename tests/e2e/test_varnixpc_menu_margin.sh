#!/usr/bin/env bash
# Releasing the button in a drop-down's bottom margin, below its last entry
# but inside the window, closes it without an action, as a release outside
# does: the capture goes with it, so the next press on the bar opens its menu,
# and the program under the margin does not start.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare menu_margin
marker_exe=$(vx_winpath "$BUILD_DIR/marker.exe")
printf '"Alpha","%s","%s",""\r\n"Beta","%s","%s",""\r\n' \
    "$marker_exe" "$(vx_winpath "$VX_DIR/alpha.txt")" \
    "$marker_exe" "$(vx_winpath "$VX_DIR/beta.txt")" >"$VX_MNU"
vx_start

# Program menu: About, the separator, Alpha, Beta. Slide onto Beta, then on
# down to the window's last row, which lies below Beta's rows.
vx_open_menu 20
ih=$(vx_item_height 4) || exit 1
x=$(((VX_MENU_LEFT + VX_MENU_RIGHT) / 2))
e2e_driver drag "$x" $((VX_MENU_TOP + 2 + 3 * ih + ih / 2)) >/dev/null
margin=$((VX_MENU_TOP + VX_MENU_HEIGHT - 1))
e2e_driver drag "$x" "$margin" >/dev/null
e2e_driver release "$x" "$margin" >/dev/null
e2e_driver wait-gone RUZARADIDI 5000 >/dev/null ||
    fail "the drop-down stayed open after a release in its bottom margin"

# The bar has the mouse again: a press on "Edit" opens the setup menu there.
vx_open_menu "$(vx_title_x 1)"
[ "$VX_MENU_LEFT" = $((41 + 6 * VX_CHAR_WIDTH)) ] ||
    fail "a press on \"Edit\" found a drop-down at $VX_MENU_LEFT"
vx_item_height 2 >/dev/null || exit 1
e2e_driver release 600 300 >/dev/null
e2e_driver wait-gone RUZARADIDI 5000 >/dev/null || fail "the setup menu stayed open"

# Programs start from the menu as ever; Beta, had the margin started it, would
# have been under way before Alpha.
vx_open_menu 20
vx_choose 3 4
vx_wait_for_line "$VX_DIR/alpha.txt" "cwd=" 30
[ -e "$VX_DIR/beta.txt" ] && fail "the release in the margin started Beta"

vx_close
echo "PASS"
