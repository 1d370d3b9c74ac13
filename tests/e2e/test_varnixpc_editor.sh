#!/usr/bin/env bash
# The menu editor adds a program and OK saves it into varnixpc.mnu; the
# Options dialog saves its boxes into the profile file and applies them.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare editor
printf '"Zed","C:\\ZED.EXE","",""\r\n' >"$VX_MNU"
vx_start

# Edit > Varnix Menu > Add...: a title and a file, OK, then OK in the editor.
vx_open_menu "$(vx_title_x 1)"
vx_choose 1 2
e2e_driver wait-window "RuzaraDidi" 10000 >/dev/null || fail "the menu editor did not open"
e2e_driver dialog-command "RuzaraDidi" 1008 5000 >/dev/null
e2e_driver wait-window "VarnixPC Menu Properties" 10000 >/dev/null || fail "no properties dialog"
e2e_driver set-text "VarnixPC Menu Properties" 1002 "Alpha Tool" 5000 || fail "no Title field"
e2e_driver set-text "VarnixPC Menu Properties" 1003 'C:\Program Files\Alpha\ALPHA.EXE' 5000 ||
    fail "no File field"
e2e_driver set-text "VarnixPC Menu Properties" 1004 '/x "a b"' 5000 || fail "no Command Line field"
e2e_screenshot varnixpc-menu-properties
e2e_driver dialog-command "VarnixPC Menu Properties" 1 5000 >/dev/null
e2e_driver wait-gone "VarnixPC Menu Properties" 5000 >/dev/null || fail "properties stayed open"
e2e_screenshot varnixpc-menu-editor
e2e_driver dialog-command "RuzaraDidi" 1 5000 >/dev/null
e2e_driver wait-gone "RuzaraDidi" 5000 >/dev/null || fail "the editor stayed open"
vx_wait_for_line "$VX_MNU" '"Alpha Tool","C:\Program Files\Alpha\ALPHA.EXE","/x "a b"",""' 10
# Sorted: the new item before "Zed"; no file left behind.
[ "$(head -n 1 "$VX_MNU" | cut -c1-12)" = '"Alpha Tool"' ] || fail "menu file is not sorted"
[ ! -e "$VX_MNU.new" ] || fail "varnixpc.mnu.new left behind"

# Edit > VarnixPC: the options. A first start, with no profile file, has
# every box ticked: 12-hour clock, on top, icons, 3D look, compensation.
# Without a shell "Adjust for TaskBar" is disabled, "Use Icons in Menu"
# always.
[ ! -e "$VX_INI" ] || fail "a profile file exists before the first OK"
vx_open_menu "$(vx_title_x 1)"
vx_choose 2 2
e2e_driver wait-window "VarnixPC Options" 10000 >/dev/null || fail "the options did not open"
for id in 1000 1001 1015; do
    info=$(e2e_driver control-info "VarnixPC Options" $id 5000 | tr -d '\r')
    [[ "$info" == "enabled 1 visible 1 checked 1 "* ]] || fail "box $id on first start: $info"
done
info=$(e2e_driver control-info "VarnixPC Options" 1014 5000 | tr -d '\r')
[[ "$info" == "enabled 0 visible 1 checked 1 "* ]] || fail "Adjust for TaskBar: $info"
info=$(e2e_driver control-info "VarnixPC Options" 1006 5000 | tr -d '\r')
[[ "$info" == "enabled 0 visible 1 checked 1 "* ]] || fail "Use Icons in Menu: $info"
e2e_driver set-check "VarnixPC Options" 1000 0 5000 || fail "no 12-hour box"
e2e_driver set-check "VarnixPC Options" 1001 0 5000 || fail "no on-top box"
e2e_screenshot varnixpc-options
e2e_driver dialog-command "VarnixPC Options" 1 5000 >/dev/null
e2e_driver wait-gone "VarnixPC Options" 5000 >/dev/null || fail "the options stayed open"
vx_wait_for_line "$VX_INI" "12HourTime=0" 10
vx_wait_for_line "$VX_INI" "OnTop=0" 10
vx_wait_for_line "$VX_INI" "Compensate=1" 10
vx_wait_for_line "$VX_INI" "UseIcons=1" 10
vx_wait_for_line "$VX_INI" "SmallFont=1" 10
info=$(e2e_driver window-info "VarnixPC" 5000 | tr -d '\r')
[ "$info" = "rect 0 0 1024 20 topmost 0" ] || fail "the bar is still topmost: $info"

vx_close
echo "PASS"
