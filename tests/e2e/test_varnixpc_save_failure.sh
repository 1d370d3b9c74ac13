#!/usr/bin/env bash
# A menu file that cannot be saved is reported and the old file stays.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare save_failure
printf '"Zed","C:\\ZED.EXE","",""\r\n' >"$VX_MNU"
cp "$VX_MNU" "$VX_DIR/expected.mnu"
# A folder in the way of varnixpc.mnu.new: the new file cannot be created.
mkdir "$VX_MNU.new"
vx_start

vx_open_menu "$(vx_title_x 1)"
vx_choose 1 2
e2e_driver wait-window "RuzaraDidi" 10000 >/dev/null || fail "the menu editor did not open"
e2e_driver dialog-command "RuzaraDidi" 1 5000 >/dev/null
e2e_driver wait-window "VarnixPC/32" 10000 >/dev/null || fail "the failure was not reported"
e2e_screenshot varnixpc-save-failure
e2e_driver dialog-command "VarnixPC/32" 1 5000 >/dev/null
e2e_driver wait-gone "VarnixPC/32" 5000 >/dev/null || fail "the message stayed"
cmp -s "$VX_MNU" "$VX_DIR/expected.mnu" || fail "the old menu file changed"

vx_close
echo "PASS"
