#!/usr/bin/env bash
# The fifteen graphs of caelor.exe's Graphs menu, each chosen from its
# command and drawn after its dialog's OK, with a screenshot of each and a
# check of the colours that must be there; Copy of a graph puts a bitmap of
# the client area on the clipboard and the window still repaints the same
# picture; Esc during the Eclipses graph for 1000 to 3000 keeps what was
# drawn; a larger window draws the graph again at its new size.
. "$(dirname "$0")/lib.sh"
e2e_setup

MAIN="Skyloom 2"
IDOK=1
IDC_YEAR=113
IDC_RANGE_START_YEAR=115
IDC_RANGE_STOP_YEAR=117
VK_ESCAPE=27

RUN_DIR=$(mktemp -d)
cp "$BUILD_DIR/caelor.exe" "$BUILD_DIR/CITIES.DAT" "$RUN_DIR/"
trap 'rm -rf "$RUN_DIR"; e2e_cleanup' EXIT

e2e_start "$RUN_DIR/caelor.exe"
pid=$E2E_LAST_PID
e2e_driver wait-window "$MAIN" 60000 || fail "main window did not appear"

# Pixels of one colour in a screenshot, within the rectangle WxH+X+Y.
count_colour() { # NAME COLOUR [GEOMETRY]
    local geometry=${3:-}
    local crop=()
    [ -n "$geometry" ] && crop=(-crop "$geometry" +repage)
    convert "$ARTIFACTS/$1.png" "${crop[@]}" -fill black +opaque "$2" -fill white -opaque "$2" \
        -format "%[fx:round(mean*w*h)]" info:
}

# Chooses graph COMMAND, confirms its dialog TITLE (after setting the year
# field when given), waits for the drawing to settle and keeps a screenshot.
draw_graph() { # COMMAND TITLE NAME [YEAR_FIELD YEAR]
    e2e_driver post-command "$MAIN" "$1" 5000 || fail "cannot choose command $1"
    e2e_driver wait-window "$2" 10000 || fail "command $1 did not open \"$2\""
    if [ $# -ge 5 ]; then
        e2e_driver set-text "$2" "$4" "$5" 5000 || fail "no year field in \"$2\""
    fi
    e2e_driver dialog-command "$2" $IDOK 5000 || fail "cannot press OK in \"$2\""
    e2e_driver wait-gone "$2" 10000 || fail "\"$2\" stayed open"
    e2e_driver wait-drawn "$MAIN" 60000 || fail "$3 was not drawn"
    e2e_screenshot "caelor-graph-$3"
}

# NAME COLOUR MINIMUM: the curve's colour is there, and so is the black
# frame with its rules and labels.
expect_colour() {
    local n
    n=$(count_colour "caelor-graph-$1" "$2" 648x486+0+0)
    echo "$1: $n pixels of $2"
    [ "$n" -ge "$3" ] || fail "$1 shows only $n pixels of $2"
    n=$(count_colour "caelor-graph-$1" "#000000" 640x440+4+42)
    [ "$n" -ge 1000 ] || fail "$1 has no frame ($n black pixels)"
}

RED="#FF0000"
GREEN="#00FF00"
BLUE="#0000FF"
CYAN="#00FFFF"
SILVER="#C0C0C0"

draw_graph 11 "Jupiter Moons Orbit" jupiter-moons
expect_colour jupiter-moons "$GREEN" 300
expect_colour jupiter-moons "$BLUE" 300
draw_graph 12 "Planet Orbit" planet-orbit
expect_colour planet-orbit "$RED" 500
draw_graph 13 "Planet Magnitude" planet-magnitude
expect_colour planet-magnitude "$CYAN" 200
draw_graph 14 "Planet Illum. Frac." planet-illumination
expect_colour planet-illumination "$GREEN" 200
draw_graph 15 "Planet Diameter" planet-diameter
expect_colour planet-diameter "$GREEN" 200
draw_graph 16 "Planet Distance" planet-distance
expect_colour planet-distance "$BLUE" 200
draw_graph 17 "Planet Angle" planet-angle
expect_colour planet-angle "$CYAN" 100
draw_graph 18 "Equation of Time" equation-of-time $IDC_YEAR 2026
expect_colour equation-of-time "$RED" 300
draw_graph 19 "Day Length" day-length $IDC_YEAR 2026
expect_colour day-length "$RED" 300
draw_graph 20 "Sun Angle" sun-angle $IDC_YEAR 2026
expect_colour sun-angle "$RED" 300
draw_graph 21 "Analemma" analemma $IDC_YEAR 2026
expect_colour analemma "$RED" 300
draw_graph 22 "Sunrise" sunrise $IDC_YEAR 2026
expect_colour sunrise "$RED" 300
draw_graph 23 "Moon Angular Speed" moon-speed $IDC_YEAR 2026
expect_colour moon-speed "$SILVER" 300
draw_graph 24 "Moon Illum. Frac." moon-illumination $IDC_YEAR 2026
expect_colour moon-illumination "$SILVER" 300
draw_graph 25 "Eclipses Graph" eclipses
expect_colour eclipses "$RED" 20

# Copy of the Equation of Time: a bitmap of the client area's size, and the
# window repaints the very same picture afterwards.
draw_graph 18 "Equation of Time" copied $IDC_YEAR 2026
client=$(e2e_driver client-size "$MAIN" 5000) || fail "no client size"
e2e_driver post-command "$MAIN" 110 5000 || fail "cannot choose Edit > Copy"
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

# Eclipses from 1000 to 3000, stopped by Esc as soon as drawing shows: the
# lower rows keep their eclipses, the upper ones stay empty, and Stop's
# snapshot keeps the partial graph on screen.
e2e_driver post-command "$MAIN" 25 5000 || fail "cannot choose Graphs > Eclipses"
e2e_driver wait-window "Eclipses Graph" 10000 || fail "no Eclipses dialog"
e2e_driver set-text "Eclipses Graph" $IDC_RANGE_START_YEAR 1000 5000 || fail "no start field"
e2e_driver set-text "Eclipses Graph" $IDC_RANGE_STOP_YEAR 3000 5000 || fail "no stop field"
e2e_driver dialog-command "Eclipses Graph" $IDOK 5000 || fail "cannot press OK"
e2e_driver key-when-drawing "$MAIN" $VK_ESCAPE 60000 || fail "the Eclipses graph never started"
e2e_driver wait-drawn "$MAIN" 60000 || fail "the stopped graph did not settle"
e2e_screenshot caelor-graph-eclipses-stopped
e2e_driver invalidate "$MAIN" || fail "cannot ask for a repaint"
e2e_driver wait-drawn "$MAIN" 20000 || fail "no repaint after Stop"
e2e_screenshot caelor-graph-eclipses-stopped-repainted
# The plot spans about y = 75 .. 430 of the screen; compare its upper and
# lower quarters.
upper=$(($(count_colour caelor-graph-eclipses-stopped "$RED" 500x90+70+75) + \
    $(count_colour caelor-graph-eclipses-stopped "$SILVER" 500x90+70+75)))
lower=$(($(count_colour caelor-graph-eclipses-stopped "$RED" 500x90+70+340) + \
    $(count_colour caelor-graph-eclipses-stopped "$SILVER" 500x90+70+340)))
echo "eclipse pixels: upper quarter $upper, lower quarter $lower"
[ "$lower" -gt 0 ] || fail "no eclipse was drawn before the Stop"
[ "$upper" -eq 0 ] || fail "the graph ran on after the Stop"
same=$(compare -metric AE "$ARTIFACTS/caelor-graph-eclipses-stopped.png" \
    "$ARTIFACTS/caelor-graph-eclipses-stopped-repainted.png" null: 2>&1 || true)
[ "${same%% *}" = 0 ] || fail "the partial graph was not kept after Stop ($same pixels differ)"

e2e_driver post-command "$MAIN" 51 5000 || fail "cannot choose File > Exit"
e2e_expect_exit "$pid" 0 30
echo "PASS"
