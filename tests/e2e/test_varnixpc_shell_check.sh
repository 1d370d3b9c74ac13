#!/usr/bin/env bash
# With another shell's taskbar on the screen the bar warns at start-up:
# "Close" ends the program with exit code 0 before any bar is shown; "OK"
# with the box ticked goes on and the warning does not come again.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare shell_check

e2e_start "$BUILD_DIR/e2e_driver.exe" fake-taskbar 28
for i in $(seq 1 100); do
    e2e_driver list-windows | grep -q $'^Shell_TrayWnd\t\tvisible' && break
    sleep 0.1
done

e2e_start "$VX_EXE"
pid=$E2E_LAST_PID
e2e_driver wait-window "Shell Verification" 60000 >/dev/null || fail "no shell warning"
e2e_screenshot varnixpc-shell-warning
e2e_driver window-info "VarnixPC" 200 >/dev/null && fail "the bar is shown before the warning"
e2e_driver dialog-command "Shell Verification" 2 5000 >/dev/null
e2e_expect_exit "$pid" 0 10
[ -e "$VX_INI" ] && grep -q DontShowWarning "$VX_INI" && fail "Close stored DontShowWarning"

e2e_start "$VX_EXE"
pid=$E2E_LAST_PID
e2e_driver wait-window "Shell Verification" 60000 >/dev/null || fail "no shell warning"
e2e_driver set-check "Shell Verification" 1013 1 5000 || fail "no check box"
e2e_driver dialog-command "Shell Verification" 1 5000 >/dev/null
e2e_driver wait-window "VarnixPC" 10000 >/dev/null || fail "OK did not go on to the bar"
vx_wait_for_line "$VX_INI" "DontShowWarning=1" 10
VX_PID=$pid
vx_close

vx_start
e2e_driver window-info "Shell Verification" 500 >/dev/null && fail "the warning came again"
vx_close
echo "PASS"
