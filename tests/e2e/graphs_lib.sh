# Shared by the graph tests of caelor.exe: starting the program on a copy of
# its folder, drawing a graph from its command and dialog, and counting the
# colours of a screenshot. Sourced after lib.sh.

. "$(dirname "${BASH_SOURCE[0]}")/command_ids.sh"

MAIN="Skyloom 2"
IDOK=1
IDCANCEL=2
IDC_YEAR=113
IDC_RANGE_START_YEAR=115
IDC_RANGE_STOP_YEAR=117
VK_ESCAPE=27

RED="#FF0000"
GREEN="#00FF00"
BLUE="#0000FF"
CYAN="#00FFFF"
SILVER="#C0C0C0"

# Starts caelor.exe from a folder of its own; its process id in CAELOR_PID.
start_caelor() {
    RUN_DIR=$(mktemp -d)
    cp "$BUILD_DIR/caelor.exe" "$BUILD_DIR/CITIES.DAT" "$BUILD_DIR/STARS.DAT" "$RUN_DIR/"
    trap 'rm -rf "$RUN_DIR"; e2e_cleanup' EXIT
    e2e_start "$RUN_DIR/caelor.exe"
    CAELOR_PID=$E2E_LAST_PID
    e2e_driver wait-window "$MAIN" 60000 || fail "main window did not appear"
}

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
    if [ $# -ge 5 ]; then
        e2e_driver set-text "$2" "$4" "$5" 10000 || fail "no year field in \"$2\""
    fi
    e2e_driver dialog-command "$2" $IDOK 10000 || fail "command $1 did not open \"$2\""
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

