#!/usr/bin/env bash
# A graph in caelor.exe's window: Copy puts a bitmap of the client area on
# the clipboard and the window still repaints the same picture; a larger
# window draws the graph again at its new size; Esc during the Eclipses graph
# for 1000 to 3000 keeps what was drawn, also after a repaint.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/graphs_lib.sh"
e2e_setup
start_caelor

# Copy of the Equation of Time: a bitmap of the client area's size, and the
# window repaints the very same picture afterwards.
draw_graph $IDM_GRAPH_EQUATION_OF_TIME "Equation of Time" copied $IDC_YEAR 2026
client=$(e2e_driver client-size "$MAIN" 5000) || fail "no client size"
e2e_driver post-command "$MAIN" $IDM_COPY 5000 || fail "cannot choose Edit > Copy"
e2e_driver wait-window "$MAIN" 5000 >/dev/null
bitmap=$(e2e_driver clipboard-bitmap) || fail "Copy of a graph left no picture"
echo "$client; $bitmap"
[ "${bitmap#bitmap }" = "${client#client }" ] || fail "the copied picture is not the client area"
e2e_driver invalidate "$MAIN" || fail "cannot ask for a repaint"
e2e_driver wait-drawn "$MAIN" 20000 || fail "no repaint after Copy"
e2e_screenshot caelor-graph-copied-repainted
changed=$(compare -metric AE "$ARTIFACTS/caelor-graph-copied.png" \
    "$ARTIFACTS/caelor-graph-copied-repainted.png" null: 2>&1 || true)
echo "repaint after Copy differs in $changed pixels"
[ "${changed%% *}" = 0 ] || fail "the window did not repaint its graph after Copy"

# A larger window draws the graph again over the new size.
e2e_driver resize "$MAIN" 900 700 || fail "cannot resize"
e2e_driver wait-drawn "$MAIN" 60000 || fail "not redrawn after the resize"
e2e_screenshot caelor-graph-resized
wide=$(count_colour caelor-graph-resized "$RED" 250x600+650+40)
echo "red pixels right of the old window: $wide"
[ "$wide" -ge 100 ] || fail "the graph was not drawn at the new size"
e2e_driver resize "$MAIN" 648 486 || fail "cannot resize back"
e2e_driver wait-drawn "$MAIN" 60000 || fail "not redrawn after resizing back"

# Eclipses from 1000 to 3000, stopped by Esc as soon as an eclipse shows: the
# lower rows keep their eclipses, the upper ones stay empty, and Stop's
# snapshot keeps the partial graph on screen. A cancelled dialog first
# empties the window, so the first red pixel is an eclipse of this graph
# and not the curve of the one before.
e2e_driver post-command "$MAIN" $IDM_GRAPH_ECLIPSES 5000 || fail "cannot choose Graphs > Eclipses"
e2e_driver dialog-command "Eclipses Graph" $IDCANCEL 10000 || fail "no Eclipses dialog"
e2e_driver wait-gone "Eclipses Graph" 10000 || fail "the cancelled Eclipses dialog stayed"
for _ in $(seq 1 100); do
    [ "$(e2e_driver drawn-fraction "$MAIN" | tr -d '\r' | cut -d' ' -f1)" = 0.0000 ] && break
    sleep 0.1
done
[ "$(e2e_driver drawn-fraction "$MAIN" | tr -d '\r' | cut -d' ' -f1)" = 0.0000 ] ||
    fail "a cancelled dialog did not leave the window empty"
e2e_driver post-command "$MAIN" $IDM_GRAPH_ECLIPSES 5000 || fail "cannot choose Graphs > Eclipses"
e2e_driver wait-window "Eclipses Graph" 10000 || fail "no Eclipses dialog"
e2e_driver set-text "Eclipses Graph" $IDC_RANGE_START_YEAR 1000 5000 || fail "no start field"
e2e_driver set-text "Eclipses Graph" $IDC_RANGE_STOP_YEAR 3000 5000 || fail "no stop field"
e2e_driver dialog-command "Eclipses Graph" $IDOK 5000 || fail "cannot press OK"
# Esc goes once the first solar eclipse (a red disc) shows, however slowly
# the machine draws the frame before it.
e2e_driver key-when-drawing "$MAIN" $VK_ESCAPE 60000 FF0000 || fail "the Eclipses graph never started"
e2e_driver wait-drawn "$MAIN" 60000 || fail "the stopped graph did not settle"
e2e_screenshot caelor-graph-eclipses-stopped
e2e_driver invalidate "$MAIN" || fail "cannot ask for a repaint"
e2e_driver wait-drawn "$MAIN" 20000 || fail "no repaint after Stop"
e2e_screenshot caelor-graph-eclipses-stopped-repainted
# The plot spans about y = 75 .. 447 of the screen, year 1000 on its bottom
# line; compare its upper and lower quarters.
upper=$(($(count_colour caelor-graph-eclipses-stopped "$RED" 500x90+70+75) + \
    $(count_colour caelor-graph-eclipses-stopped "$SILVER" 500x90+70+75)))
lower=$(($(count_colour caelor-graph-eclipses-stopped "$RED" 500x100+70+350) + \
    $(count_colour caelor-graph-eclipses-stopped "$SILVER" 500x100+70+350)))
echo "eclipse pixels: upper quarter $upper, lower quarter $lower"
[ "$lower" -gt 0 ] || fail "no eclipse was drawn before the Stop"
[ "$upper" -eq 0 ] || fail "the graph ran on after the Stop"
same=$(compare -metric AE "$ARTIFACTS/caelor-graph-eclipses-stopped.png" \
    "$ARTIFACTS/caelor-graph-eclipses-stopped-repainted.png" null: 2>&1 || true)
[ "${same%% *}" = 0 ] || fail "the partial graph was not kept after Stop ($same pixels differ)"

e2e_driver post-command "$MAIN" $IDM_EXIT 5000 || fail "cannot choose File > Exit"
e2e_expect_exit "$CAELOR_PID" 0 30
echo "PASS"
