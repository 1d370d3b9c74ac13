#!/usr/bin/env bash
# varnixpc.exe opens its bar and ends with exit code 0 when closed.
. "$(dirname "$0")/lib.sh"
e2e_setup

e2e_start "$BUILD_DIR/varnixpc.exe"
pid=$E2E_LAST_PID
e2e_driver wait-window "VarnixPC" 60000 || fail "bar window did not appear"
e2e_screenshot varnixpc-bar
e2e_driver close "VarnixPC" 10000 || fail "varnixpc.exe did not close cleanly"
e2e_expect_exit "$pid" 0 10
echo "PASS"
