#!/usr/bin/env bash
# The task menu lists the test windows after its four fixed entries; "Hide
# Others" hides all but the foremost, "Show All" brings them back, and the
# foremost hidden by "Hide" comes back with "Show All" once another window
# is foremost. A window placed at y = 0 is moved below the bar within two
# seconds.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare tasks
vx_start

# Waits until exactly one of the two test windows is hidden after choosing
# $1; names it in $hidden and the other in $shown.
vx_one_hidden() {
    local i alpha beta
    hidden=
    for i in $(seq 1 50); do
        alpha=$(e2e_driver window-info "Alpha Test" 10 >/dev/null && echo shown || echo hidden)
        beta=$(e2e_driver window-info "Beta Test" 10 >/dev/null && echo shown || echo hidden)
        case "$alpha/$beta" in
        hidden/shown) hidden="Alpha Test" shown="Beta Test" && return ;;
        shown/hidden) hidden="Beta Test" shown="Alpha Test" && return ;;
        hidden/hidden) fail "\"$1\" hid both windows" ;;
        esac
        sleep 0.1
    done
    fail "\"$1\" hid neither window"
}

e2e_driver moved-below-bar "Placed Test" 200 0 300 200 2000 ||
    fail "a window at y = 0 was not moved to y = 19 within two seconds"

e2e_start "$BUILD_DIR/e2e_driver.exe" test-window "Alpha Test" 100 100 300 200
e2e_start "$BUILD_DIR/e2e_driver.exe" test-window "Beta Test" 450 100 300 200
e2e_driver wait-window "Alpha Test" 30000 >/dev/null || fail "no window Alpha Test"
e2e_driver wait-window "Beta Test" 30000 >/dev/null || fail "no window Beta Test"

# Chooses entry $1 of the task menu, which shows "Hide <foremost>", "Hide
# Others", "Show All", the separator and the two windows.
vx_task_entry() {
    vx_open_menu $((1024 - 25))
    vx_item_height 6 >/dev/null || exit 1
    [ -n "${2:-}" ] && e2e_screenshot "$2"
    vx_choose "$1" 6
}

# "Show All" brings back the hidden window.
vx_show_all() {
    vx_task_entry 3
    e2e_driver wait-window "$hidden" 5000 >/dev/null || fail "\"Show All\" did not show $hidden"
    e2e_driver window-info "$shown" 10 >/dev/null || fail "\"Show All\" lost $shown"
}

# "Hide Others" hides the one that is not foremost; its entry stays, and
# "Show All" shows it again (and brings it to the top).
vx_task_entry 2 varnixpc-task-menu-test-windows
vx_one_hidden "Hide Others"
vx_show_all

# "Hide" hides the foremost window alone; with the other one foremost now,
# "Show All" brings it back.
vx_task_entry 1
vx_one_hidden "Hide"
vx_show_all

vx_close
e2e_driver close "Alpha Test" 10000 >/dev/null || fail "Alpha Test did not close"
e2e_driver close "Beta Test" 10000 >/dev/null || fail "Beta Test did not close"
echo "PASS"
