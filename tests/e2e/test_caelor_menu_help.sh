#!/usr/bin/env bash
# F1 on a highlighted menu item opens that command's help topic instead of
# running it: real keys open the Reports menu, arrow down to Seasons and
# press F1; the help window shows the Seasons topic and no dialog opens.
# Help > Index opens the help window too.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
e2e_setup

HELP="Skyloom 2 Help - caelor.hlp"
HELP_TEXT=103
WM_CLOSE=16
VK_ALT=18
VK_R=82
VK_DOWN=40
VK_F1=112

cl_prepare menu-help
cl_start
cl_wait_main
# Alt+R opens Reports with Introduction highlighted; two steps down is
# Seasons.
e2e_driver keys "$CL_MAIN" $VK_ALT+$VK_R >/dev/null || fail "cannot press Alt+R"
e2e_driver wait-menu 10000 >/dev/null || fail "Alt+R did not open the Reports menu"
e2e_driver keys "$CL_MAIN" $VK_DOWN $VK_DOWN $VK_F1 >/dev/null || fail "cannot press the keys"
e2e_driver wait-window "$HELP" 10000 >/dev/null || fail "F1 on Seasons opened no help window"
topic=$(e2e_driver field-state "$HELP" $HELP_TEXT 5000 | tr -d '\r' | head -1)
echo "help shows: $topic"
case $topic in
"[Seasons") ;;
*) fail "the help window does not show the Seasons topic" ;;
esac
e2e_driver wait-gone "Seasons" 0 >/dev/null || fail "F1 ran the Seasons command"
e2e_screenshot caelor-help-window
e2e_driver send "$HELP" $WM_CLOSE 0 >/dev/null || fail "cannot close the help window"
e2e_driver wait-gone "$HELP" 10000 >/dev/null || fail "the help window stayed"

# The flag is spent: the next command runs normally.
e2e_driver post-command "$CL_MAIN" $IDM_REPORT_SEASONS 5000 >/dev/null ||
    fail "cannot choose Seasons"
e2e_driver wait-window "Seasons" 10000 >/dev/null || fail "Seasons did not run after the help"
e2e_driver dialog-command "Seasons" $IDCANCEL 5000 >/dev/null
e2e_driver wait-gone "Seasons" 10000 >/dev/null || fail "the Seasons dialog stayed"

e2e_driver post-command "$CL_MAIN" $IDM_HELP_INDEX 5000 >/dev/null ||
    fail "cannot choose Help > Index"
e2e_driver wait-window "$HELP" 10000 >/dev/null || fail "Help > Index opened no help window"
cl_close
echo "PASS"
