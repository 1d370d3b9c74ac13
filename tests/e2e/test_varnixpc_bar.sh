#!/usr/bin/env bash
# The bar lies across the top of the screen, always on top; pressing on a
# title opens its drop-down, releasing outside closes it; "File" opens
# nothing; closing the bar ends the program with exit code 0.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare bar
vx_start

info=$(e2e_driver window-info "VarnixPC" 5000 | tr -d '\r')
[ "$info" = "rect 0 0 1024 20 topmost 1" ] || fail "bar is not across the top and topmost: $info"

# "Edit" opens the setup menu right below its title, two entries high.
edit_x=$(vx_title_x 1)
vx_open_menu "$edit_x"
[ "$VX_MENU_TOP" = 19 ] || fail "drop-down top at $VX_MENU_TOP"
[ "$VX_MENU_LEFT" = $((41 + 6 * VX_CHAR_WIDTH)) ] || fail "drop-down left at $VX_MENU_LEFT"
vx_item_height 2 >/dev/null || exit 1
e2e_screenshot varnixpc-edit-menu

# Dragging along the strip to "Stuff" swaps the menu for the exit menu.
# Each try moves the pointer again: a move can reach the bar before the
# display has taken the held button.
for i in $(seq 1 50); do
    e2e_driver drag $(($(vx_title_x 2) + i % 2)) 10 >/dev/null
    info=$(e2e_driver window-info RUZARADIDI 2000 | tr -d '\r')
    read -r _ left _ _ _ _ _ <<<"$info"
    [ "$left" = $((41 + 12 * VX_CHAR_WIDTH)) ] && break
    sleep 0.1
done
[ "$left" = $((41 + 12 * VX_CHAR_WIDTH)) ] || fail "the exit menu did not replace the setup menu"
read -r _ _ top _ bottom _ _ <<<"$info"
VX_MENU_HEIGHT=$((bottom - top))
vx_item_height 3 >/dev/null || exit 1

# Releasing outside the drop-down closes it without an action.
e2e_driver release 600 300 >/dev/null
e2e_driver wait-gone RUZARADIDI 5000 || fail "drop-down stayed open"
e2e_driver window-info "VarnixPC" 1000 >/dev/null || fail "the bar went away"

# "File" has no menu.
e2e_driver press "$(vx_title_x 0)" 10 >/dev/null
e2e_driver release "$(vx_title_x 0)" 10 >/dev/null
e2e_driver window-info RUZARADIDI 500 >/dev/null && fail "\"File\" opened a drop-down"

# The task menu at the right edge is right-aligned to its title.
vx_open_menu $((1024 - 25))
[ "$VX_MENU_RIGHT" = $((1024 - 13)) ] || fail "task menu ends at $VX_MENU_RIGHT"
e2e_screenshot varnixpc-task-menu
e2e_driver release 600 300 >/dev/null
e2e_driver wait-gone RUZARADIDI 5000 || fail "task menu stayed open"

vx_close
echo "PASS"
