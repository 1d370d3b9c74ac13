#!/usr/bin/env bash
# The seven movies of caelor.exe run from their dialogs on timer 1: each
# draws at least 40 frames and leaves a screenshot; F2 .. F8 change the time
# speed, the Day/Night step, pause, zoom and jet trails as the menu rules and
# the status panel show them; Stop keeps the last frame, which Copy puts on
# the clipboard; 2,000 ticks of the Planetarium with jet trails hold no more
# GDI objects than 100 do; the time from a tick to the copied frame is
# measured over 200 ticks.
E2E_LIMIT=${E2E_LIMIT:-280}
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
e2e_setup

VK_ESC=27
VK_F2=113
VK_F3=114
VK_F4=115
VK_F5=116
VK_F6=117
VK_F7=118
VK_F8=119

probe() { e2e_driver movie-probe "$CL_MAIN" "$1" | tr -d '\r'; }
status() { e2e_driver movie-status "$CL_MAIN" | tr -d '\r'; }
frames() { probe 0; }
# Waits until n more frames than now have been drawn.
more_frames() {
    local now seen
    now=$(frames)
    seen=$(e2e_driver wait-frames "$CL_MAIN" $((now + $1)) 20000 | tr -d '\r') || {
        echo "command $(probe 8), frame $(probe 0)"
        kill -0 "$CL_PID" 2>/dev/null || echo "caelor.exe has ended"
        tail -20 "$ARTIFACTS/caelor.exe.out"
        fail "the movie stopped drawing (frame $now; $seen)"
    }
}
key() {
    e2e_driver key "$CL_MAIN" "$1" >/dev/null || fail "cannot press key $1"
    # Two frames drawn after the key are drawn after it was handled.
    more_frames 2
}
expect_status() {
    local shown
    shown=$(status)
    echo "$shown" | grep -aqF -- "$1" || {
        echo "$shown"
        fail "the status panel does not show \"$1\""
    }
    echo "status shows: $1"
}
# The movie keys the menu rules enable, as bits from Slow Down
# (IDM_MOVIE_KEY_FIRST) upwards.
expect_enabled() {
    local bits id
    bits=$(probe 6)
    for ((id = IDM_MOVIE_KEY_FIRST; id <= IDM_MOVIE_KEY_LAST; id++)); do
        local want=${1:$((id - IDM_MOVIE_KEY_FIRST)):1}
        local got=$(((bits >> (id - IDM_MOVIE_KEY_FIRST)) & 1))
        [ "$want" = "$got" ] || fail "menu item $id enabled=$got, expected $want ($2)"
    done
    echo "movie keys $IDM_MOVIE_KEY_FIRST..$IDM_MOVIE_KEY_LAST enabled $1 ($2)"
}

# Runs movie command $1 from its dialog $2 with the dialog's values until it
# has drawn ${3:-40} frames.
run_movie() {
    e2e_driver post-command "$CL_MAIN" "$1" 5000 >/dev/null || fail "cannot choose command $1"
    e2e_driver wait-window "$2" 10000 >/dev/null || fail "command $1 did not open \"$2\""
    e2e_driver dialog-command "$2" $IDOK 5000 >/dev/null || fail "cannot accept \"$2\""
    e2e_driver wait-gone "$2" 10000 >/dev/null || fail "\"$2\" refused its values"
    [ "$(probe 8)" = "$1" ] || fail "command $1 is not running"
    e2e_driver wait-frames "$CL_MAIN" "${3:-40}" 30000 || fail "\"$2\" did not draw ${3:-40} frames"
}

cl_prepare movies
cl_start
cl_wait_main
cl_no_error_box "at start-up"

# Every movie runs on the timer and is pictured.
for movie in "$IDM_MOVIE_DAY_NIGHT Day/Night day-night" \
    "$IDM_MOVIE_ECLIPTIC_TOP Ecliptic_Top ecliptic-top" \
    "$IDM_MOVIE_ECLIPTIC_SIDE Ecliptic_Side ecliptic-side" \
    "$IDM_MOVIE_JUPITER_MOONS_SIDE Jupiter_Moons_Side jupiter-moons-side" \
    "$IDM_MOVIE_JUPITER_MOONS_TOP Jupiter_Moons_Top jupiter-moons-top" \
    "$IDM_MOVIE_BINARY_STAR Binary_Star binary-star" \
    "$IDM_MOVIE_PLANETARIUM Planetarium planetarium"; do
    read -r command title shot <<<"$movie"
    run_movie "$command" "${title//_/ }"
    e2e_screenshot "caelor-movie-$shot"
done

# The Planetarium started without tracking: its scroll bars steer the view.
e2e_driver wait-scroll-bars "$CL_MAIN" 5000 >/dev/null || fail "no scroll bars on the Planetarium"
expect_status "Planetarium"
expect_status "Tracking is Off"
# Untracked, the view stays fixed on the horizon while the sky turns; a
# page to the right turns it by a quarter of the view angle about the pole.
azimuth() { status | grep -a '^Azi:' | LC_ALL=C sed 's/^Azi: *\([0-9]*\).*/\1/'; }
az_before=$(azimuth)
more_frames 4
az_still=$(azimuth)
e2e_driver scroll "$CL_MAIN" H 3 >/dev/null || fail "cannot scroll"
more_frames 2
az_after=$(azimuth)
echo "view azimuth $az_before, later $az_still, after a page right $az_after"
[ "$az_before" = "$az_still" ] || fail "the untracked view did not stay on the horizon"
[ "$az_after" != "$az_before" ] || fail "scrolling did not move the view"

# Keys on the Ecliptic Top movie (dialog defaults: speed 64, view angle 90).
run_movie $IDM_MOVIE_ECLIPTIC_TOP "Ecliptic Top" 3
expect_enabled 1010111 "speed 64, view angle 90"
expect_status "Time Speed:  64"
key $VK_F2
[ "$(probe 1)" = 64 ] || fail "Speed Up went past 64"
key $VK_F3
[ "$(probe 1)" = 32 ] || fail "Slow Down from 64 did not give 32"
expect_status "Time Speed:  32"
expect_enabled 1110111 "speed 32"
key $VK_F4
[ "$(probe 1)" = -32 ] || fail "Reverse did not give -32"
expect_status "Time Speed: -32"
key $VK_F5
[ "$(probe 4)" = 1 ] || fail "Pause is not checked"
[ "$(probe 1)" = 0 ] || fail "Pause did not stop the clock"
expect_status "Time Speed: Paused"
key $VK_F5
[ "$(probe 4)" = 0 ] || fail "Pause stayed checked"
[ "$(probe 1)" = -32 ] || fail "un-pausing did not restore -32"
expect_status "Time Speed: -32"
key $VK_F6
[ "$(probe 2)" = 6000 ] || fail "Zoom In from 90 did not give 60"
expect_status "View Angle: 60.00"
expect_enabled 1111111 "view angle 60"
key $VK_F7
[ "$(probe 2)" = 9000 ] || fail "Zoom Out from 60 did not give 90"
key $VK_F8
[ "$(probe 5)" = 1 ] || fail "Jet Trails is not checked"
key $VK_F8
[ "$(probe 5)" = 0 ] || fail "Jet Trails stayed checked"

# Day/Night: the same keys move the step (dialog default "1 Month").
run_movie $IDM_MOVIE_DAY_NIGHT "Day/Night" 3
expect_status "Time Speed: 1 Month"
expect_enabled 1000001 "Day/Night at 1 Month"
key $VK_F2
[ "$(probe 3)" = 4 ] || fail "Speed Up went past 1 Month"
key $VK_F3
[ "$(probe 3)" = 3 ] || fail "Slow Down did not give 1 Week"
expect_status "Time Speed: 1 Week"
expect_enabled 1100001 "Day/Night at 1 Week"

# Stop keeps the last frame on screen; Copy puts it on the clipboard.
key $VK_F5 # paused, so the frame on screen is the last one drawn
e2e_driver key "$CL_MAIN" $VK_ESC >/dev/null || fail "cannot press Esc"
e2e_driver wait-window "$CL_MAIN" 5000 >/dev/null
[ "$(probe 8)" = 0 ] || fail "Stop left a movie running"
[ "$(probe 0)" = -1 ] || fail "the movie still draws after Stop"
e2e_screenshot caelor-movie-stopped
e2e_driver post-command "$CL_MAIN" $IDM_COPY 5000 >/dev/null || fail "cannot choose Edit > Copy"
e2e_driver wait-window "$CL_MAIN" 5000 >/dev/null
e2e_driver clipboard-bitmap || fail "Copy after Stop left no picture on the clipboard"
e2e_screenshot caelor-movie-stopped-after-copy
kept=$(compare -metric AE "$ARTIFACTS/caelor-movie-stopped.png" \
    "$ARTIFACTS/caelor-movie-stopped-after-copy.png" null: 2>&1 || true)
echo "after Copy $kept pixels differ"
[ "${kept%% *}" = 0 ] || fail "the stopped frame did not stay on screen"
# The stopped frame is the Day/Night map, not an empty window: the night is
# dark, so the picture holds many dark pixels.
read -r _ left top right bottom _ <<<"$(e2e_driver window-info "$CL_MAIN" 5000 | tr -d '\r')"
dark=$(convert "$ARTIFACTS/caelor-movie-stopped.png" \
    -crop "$((right - left - 20))x$((bottom - top - 60))+$((left + 10))+$((top + 50))" \
    -threshold 50% -format '%[fx:1-mean]' info:)
echo "stopped frame: dark share $dark"
awk -v d="$dark" 'BEGIN { exit !(d > 0.2) }' || fail "the stopped window holds no map"

# GDI objects: the Planetarium with jet trails, ticked by the driver as the
# timer ticks it, holds as many after 2,000 ticks as after 100.
run_movie $IDM_MOVIE_PLANETARIUM "Planetarium" 3
before=$(e2e_driver gdi-objects "$CL_MAIN" | tr -d '\r' | tail -1)
key $VK_F8
[ "$(probe 5)" = 1 ] || fail "Jet Trails is not checked"
# The count sees the trails' own surface and bitmap.
with=$(e2e_driver gdi-objects "$CL_MAIN" | tr -d '\r' | tail -1)
echo "GDI objects without trails: $before; with: $with"
[ "${with#counted }" -gt "${before#counted }" ] || fail "the GDI count did not see the trails"
e2e_driver timer-ticks "$CL_MAIN" 100 >/dev/null || fail "ticks not answered"
after100=$(e2e_driver gdi-objects "$CL_MAIN" | tr -d '\r') || fail "no GDI count"
e2e_driver timer-ticks "$CL_MAIN" 1900 >/dev/null || fail "ticks not answered"
after2000=$(e2e_driver gdi-objects "$CL_MAIN" | tr -d '\r') || fail "no GDI count"
echo "GDI objects after 100 ticks: $(echo $after100); after 2000: $(echo $after2000)"
[ "$(echo "$after100" | tail -1)" = "$(echo "$after2000" | tail -1)" ] ||
    fail "GDI objects grew over 1,900 ticks"
e2e_screenshot caelor-movie-planetarium-trails

# Time from a tick to the frame on screen, 200 ticks of the Planetarium.
timing=$(e2e_driver timer-ticks "$CL_MAIN" 200 | tr -d '\r') || fail "ticks not answered"
echo "planetarium tick to blitted frame: $timing"
echo "$timing" >"$ARTIFACTS/caelor-movie-tick-times.txt"

cl_close
echo "PASS"
