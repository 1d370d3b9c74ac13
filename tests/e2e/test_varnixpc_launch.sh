#!/usr/bin/env bash
# A program from the menu file starts from the program menu and shows up in
# the task menu, which hides it and shows it again; a window the bar hid is
# shown again when the bar ends.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare launch
printf '"Notes","C:\\windows\\notepad.exe","",""\r\n' >"$VX_MNU"
vx_start

# Programs menu: About, the separator, Notes.
vx_open_menu 20
vx_choose 3 3
e2e_driver wait-gone RUZARADIDI 5000 >/dev/null || fail "program menu stayed open"
e2e_driver wait-window "Untitled - Notepad" 30000 || fail "the program did not start"

# The bar's refresh keeps the new window below the bar.
for i in $(seq 1 50); do
    info=$(e2e_driver window-info "Untitled - Notepad" 1000 | tr -d '\r')
    read -r _ _ top _ _ _ _ <<<"$info"
    [ "$top" -ge 19 ] && break
    sleep 0.1
done
[ "$top" -ge 19 ] || fail "the program's window stays under the bar: $info"

# Task menu: "Hide Untitled - Notepad", "Hide Others", "Show All", the
# separator and the window itself.
vx_open_menu $((1024 - 25))
vx_item_height 5 >/dev/null || exit 1
e2e_screenshot varnixpc-task-menu-notepad
vx_choose 1 5
e2e_driver wait-hidden "Untitled - Notepad" 5000 || fail "\"Hide\" did not hide the window"

# The hidden window keeps its entry; choosing it shows it again.
vx_open_menu $((1024 - 25))
vx_choose 5 5
e2e_driver wait-window "Untitled - Notepad" 5000 >/dev/null || fail "the window did not come back"

# Hidden again, then the bar ends: the window is shown again.
vx_open_menu $((1024 - 25))
vx_choose 1 5
e2e_driver wait-hidden "Untitled - Notepad" 5000 || fail "\"Hide\" did not hide the window"
vx_close
e2e_driver wait-window "Untitled - Notepad" 5000 >/dev/null || fail "the bar's end left the window hidden"
e2e_driver close "Untitled - Notepad" 10000 >/dev/null || fail "notepad did not close"
echo "PASS"
