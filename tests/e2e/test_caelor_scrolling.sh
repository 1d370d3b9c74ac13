#!/usr/bin/env bash
# Keyboard scrolling of a long report: Page Down moves the view by one line
# less than the window shows (the same picture as that many Down presses),
# End goes to the last page and no further, Home back to the first; a thumb
# position p of the 0 .. 360 range shows line maxTop * p / 360.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
e2e_setup

WM_KEYDOWN=256
WM_VSCROLL=277
SB_THUMBPOSITION=4
VK_NEXT=34
VK_END=35
VK_HOME=36
VK_UP=38
VK_DOWN=40

key() { e2e_driver send "$CL_MAIN" $WM_KEYDOWN "$1" >/dev/null || fail "key $1 not handled"; }
keys() { # VK COUNT
    local i
    for ((i = 0; i < $2; i++)); do key "$1"; done
}
shot() { e2e_screenshot "scroll-$1" >/dev/null; }
same() { # A B: the two screenshots are identical
    local d
    d=$(compare -metric AE "$ARTIFACTS/scroll-$1.png" "$ARTIFACTS/scroll-$2.png" null: 2>&1)
    [ "${d%% *}" = 0 ]
}

cl_prepare scrolling
cl_start
cl_wait_main
# Dates of Easter for 101 years: several pages.
e2e_driver post-command "$CL_MAIN" $IDM_REPORT_DATES_OF_EASTER 5000 >/dev/null ||
    fail "cannot choose Dates of Easter"
e2e_driver set-text "Dates of Easter" 115 2000 10000 || fail "no Easter dialog"
e2e_driver set-text "Dates of Easter" 117 2100 5000 || fail "no stop year field"
e2e_driver dialog-command "Dates of Easter" $IDOK 5000 >/dev/null || fail "cannot press OK"
e2e_driver wait-scroll-bars "$CL_MAIN" 60000 >/dev/null || fail "the report did not finish"
e2e_driver post-command "$CL_MAIN" $IDM_COPY 5000 >/dev/null || fail "cannot copy"
e2e_driver wait-window "$CL_MAIN" 5000 >/dev/null
e2e_driver clipboard-text "$(winpath "$ARTIFACTS/scroll-report.txt")" >/dev/null || fail "no text"
lines=$(grep -c $'\r$' "$ARTIFACTS/scroll-report.txt")
read -r _ line_height <<<"$(e2e_driver fixed-font | tr -d '\r')"
client=$(e2e_driver client-size "$CL_MAIN" 5000 | tr -d '\r') || fail "no client size"
client_height=${client##*x}
visible=$((client_height / line_height))
max_top=$((lines - visible))
page=$((visible - 1))
echo "$lines lines, $visible visible: a page is $page lines, the last top line $max_top"
[ "$max_top" -gt $((2 * page)) ] || fail "the report is too short for this test"

shot top
key $VK_NEXT
shot page
key $VK_HOME
same top page && fail "Page Down did not scroll"
shot home
same top home || fail "Home did not return to the first line"
keys $VK_DOWN $page
shot downs
same page downs || fail "Page Down did not move by $page lines"
echo "Page Down = $page x Down"

key $VK_END
shot end
key $VK_DOWN
shot end-down
same end end-down || fail "Down after End scrolled past the end"
key $VK_NEXT
shot end-page
same end end-page || fail "Page Down after End scrolled past the end"
key $VK_HOME
keys $VK_DOWN $max_top
shot last
same end last || fail "End is not line $max_top"
key $VK_UP
shot up
same end up && fail "Up from the end did not scroll"
echo "End = line $max_top, nothing further"

# Thumb positions are a share of 360.
key $VK_HOME
e2e_driver send "$CL_MAIN" $WM_VSCROLL $((SB_THUMBPOSITION + 65536 * 180)) >/dev/null
shot half
key $VK_HOME
keys $VK_DOWN $((max_top * 180 / 360))
shot half-downs
same half half-downs || fail "thumb position 180 is not line $((max_top / 2))"
e2e_driver send "$CL_MAIN" $WM_VSCROLL $((SB_THUMBPOSITION + 65536 * 360)) >/dev/null
key $VK_HOME
shot home-again
same top home-again || fail "Home did not return to the first line"
echo "thumb 180 = line $((max_top * 180 / 360))"
cp "$ARTIFACTS/scroll-page.png" "$ARTIFACTS/caelor-report-view.png"
cl_close
echo "PASS"
