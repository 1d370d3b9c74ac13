#!/usr/bin/env bash
# The launcher's help: Help on the help button's menu opens the guide at its
# Contents; Tab and Enter follow a link, Back returns, and Contents opens
# the Contents.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
. "$(dirname "$0")/help_lib.sh"
e2e_setup

HELP="VarnixPC Help"
HELP_TEXT=101
HELP_CONTENTS=102
HELP_BACK=103
VK_TAB=9
WM_CLOSE=16
VK_RETURN=13
DESKTOP_WIDTH=1024

vx_prepare help
vx_start

# The help button lies 63 .. 39 pixels from the right edge of the screen.
vx_open_menu $((DESKTOP_WIDTH - 51))
vx_choose 1 1
e2e_driver wait-window "$HELP" 10000 >/dev/null || fail "Help opened no help window"
help_expect_topic "Contents" "Help"

e2e_driver keys "$HELP" $VK_TAB $VK_RETURN >/dev/null || fail "cannot press Tab and Enter"
help_expect_topic "The bar and its menus" "the first link of the Contents"
e2e_driver dialog-command "$HELP" $HELP_BACK 5000 >/dev/null || fail "no Back button"
help_expect_topic "Contents" "Back"

e2e_driver keys "$HELP" $VK_TAB $VK_TAB $VK_RETURN >/dev/null || fail "cannot press Tab and Enter"
help_expect_topic "The clock" "the second link of the Contents"
e2e_driver dialog-command "$HELP" $HELP_CONTENTS 5000 >/dev/null || fail "no Contents button"
help_expect_topic "Contents" "Contents"
e2e_driver dialog-command "$HELP" $HELP_BACK 5000 >/dev/null || fail "no Back button"
help_expect_topic "The clock" "Back after Contents"
e2e_screenshot varnixpc-help

e2e_driver send "$HELP" $WM_CLOSE 0 >/dev/null || fail "cannot close the help window"
e2e_driver wait-gone "$HELP" 10000 >/dev/null || fail "the help window stayed"
vx_close
echo "PASS"
