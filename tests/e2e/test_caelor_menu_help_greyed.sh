#!/usr/bin/env bash
# F1 on a greyed menu item: Stop Command with nothing running sends no
# command when chosen, so a help request must not outlive its menu. Real
# keys open the Stop menu, press F1 on the greyed item and close the menu;
# Seasons, chosen from its menu next, runs instead of opening help. The
# greyed item's own topic is what its F1 shows.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
e2e_setup

HELP="Skyloom 2 Help - caelor.hlp"
HELP_TEXT=103
WM_CLOSE=16
VK_RETURN=13
VK_ESCAPE=27
VK_ALT=18
VK_R=82
VK_T=84
VK_DOWN=40
VK_F1=112

cl_prepare menu-help-greyed
cl_start
cl_wait_main

# Alt+T opens Stop with its only item, Stop Command, highlighted and greyed.
e2e_driver keys "$CL_MAIN" $VK_ALT+$VK_T >/dev/null || fail "cannot press Alt+T"
e2e_driver wait-menu 10000 >/dev/null || fail "Alt+T did not open the Stop menu"
e2e_driver keys "$CL_MAIN" $VK_F1 >/dev/null || fail "cannot press F1"

# What F1 showed, read and closed before the next command.
stop_topic="(none)"
if e2e_driver wait-window "$HELP" 5000 >/dev/null; then
    stop_topic=$(e2e_driver field-state "$HELP" $HELP_TEXT 5000 | tr -d '\r' | head -1)
    e2e_driver send "$HELP" $WM_CLOSE 0 >/dev/null || fail "cannot close the help window"
    e2e_driver wait-gone "$HELP" 10000 >/dev/null || fail "the help window stayed"
fi
echo "F1 on the greyed Stop Command showed: $stop_topic"
if ! e2e_driver wait-menu 0 closed >/dev/null; then
    e2e_driver keys "$CL_MAIN" $VK_ESCAPE $VK_ESCAPE >/dev/null || fail "cannot press Esc"
    e2e_driver wait-menu 10000 closed >/dev/null || fail "Esc did not close the Stop menu"
fi

# Alt+R opens Reports at Introduction; two steps down is Seasons.
e2e_driver keys "$CL_MAIN" $VK_ALT+$VK_R >/dev/null || fail "cannot press Alt+R"
e2e_driver wait-menu 10000 >/dev/null || fail "Alt+R did not open the Reports menu"
e2e_driver keys "$CL_MAIN" $VK_DOWN $VK_DOWN $VK_RETURN >/dev/null || fail "cannot choose Seasons"
if ! e2e_driver wait-window "Seasons" 10000 >/dev/null; then
    e2e_driver wait-gone "$HELP" 0 >/dev/null ||
        echo "the help window shows: $(e2e_driver field-state "$HELP" $HELP_TEXT 5000 | head -1)"
    fail "Seasons did not run after F1 on the greyed Stop Command"
fi
e2e_driver wait-gone "$HELP" 0 >/dev/null || fail "choosing Seasons opened help"
e2e_driver dialog-command "Seasons" $IDOK 5000 >/dev/null || fail "cannot accept the Seasons dialog"
e2e_driver wait-scroll-bars "$CL_MAIN" 30000 >/dev/null || fail "the Seasons report was not shown"
cl_no_error_box "after the Seasons report"

case $stop_topic in
"[Stop") ;;
*) fail "F1 on the greyed Stop Command did not show the Stop topic" ;;
esac
cl_close
echo "PASS"
