#!/usr/bin/env bash
# caelor.exe opens its main window and ends with exit code 0 when closed.
. "$(dirname "$0")/lib.sh"
e2e_setup

e2e_start "$BUILD_DIR/caelor.exe"
pid=$E2E_LAST_PID
e2e_driver wait-window "Skyloom 2" 60000 || fail "main window did not appear"
e2e_screenshot caelor-main
e2e_driver close "Skyloom 2" 10000 || fail "caelor.exe did not close cleanly"
e2e_expect_exit "$pid" 0 10
echo "PASS"
