# Shared set-up for the end-to-end tests: an X display, a Wine prefix of our
# own under the build tree, and clean-up of every process a test starts.
# Sourced by the test_*.sh scripts; BUILD_DIR is the MinGW x86_64 build tree.

set -u

: "${BUILD_DIR:?BUILD_DIR must name the x86_64 build tree}"
WINE=${WINE:-/usr/lib/wine/wine64}
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine)
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
ARTIFACTS=$BUILD_DIR/e2e-artifacts
mkdir -p "$ARTIFACTS"

E2E_PIDS=()
E2E_XVFB_PID=
E2E_WATCHDOG_PID=
E2E_STEP="set-up"

# Waits up to $2 tenths of a second for process $1 to end.
e2e_wait_gone() {
    local i
    for i in $(seq 1 "$2"); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    ! kill -0 "$1" 2>/dev/null
}

# Ends everything a test started, and never waits without a limit: a hung
# Wine process must not keep the next test from starting.
e2e_cleanup() {
    local pid
    [ -n "$E2E_WATCHDOG_PID" ] && kill "$E2E_WATCHDOG_PID" 2>/dev/null
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    # The prefix is ours alone, so stopping its server ends only what our
    # tests started in it.
    timeout 30 wineserver -k 2>/dev/null
    for pid in "${E2E_PIDS[@]}"; do
        e2e_wait_gone "$pid" 50 || kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    # The next test must find no server of ours still shutting down.
    timeout 30 wineserver -w 2>/dev/null
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        e2e_wait_gone "$E2E_XVFB_PID" 50 || kill -9 "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
}
trap e2e_cleanup EXIT

# A test that runs past its limit fails with the step it was in, well before
# the test runner's own limit, so that the clean-up above still runs.
E2E_LIMIT=${E2E_LIMIT:-240}
trap 'echo "FAIL: no progress within ${E2E_LIMIT}s, during: $E2E_STEP"; exit 1' USR1
(
    sleep "$E2E_LIMIT"
    kill -USR1 $$ 2>/dev/null
) >/dev/null 2>&1 &
E2E_WATCHDOG_PID=$!

# What the display held when a test failed: its windows and a screenshot.
# Kept short and bounded, as the failure may be a hung program.
e2e_failure_state() {
    [ -n "${DISPLAY:-}" ] || return
    echo "windows at the failure:"
    timeout -k 5 20 "$WINE" "$BUILD_DIR/e2e_driver.exe" list-windows 2>/dev/null | tr -d '\r' |
        grep -a "$(printf '\tvisible\t')" | head -40
    timeout -k 5 30 import -window root "$ARTIFACTS/failure-$(basename "$0" .sh).png" 2>/dev/null &&
        echo "screenshot: $ARTIFACTS/failure-$(basename "$0" .sh).png"
}

fail() {
    echo "FAIL: $*"
    e2e_failure_state
    exit 1
}

# Starts Xvfb on a free display when there is no display to use.
e2e_display() {
    if [ -n "${DISPLAY:-}" ]; then
        return
    fi
    local n
    for n in $(seq 90 130); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
        Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        E2E_XVFB_PID=$!
        export DISPLAY=:$n
        local i
        for i in $(seq 1 100); do
            [ -e /tmp/.X11-unix/X$n ] && return
            kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        fail "Xvfb did not start on :$n"
    done
    fail "no free X display number"
}

# Creates the prefix on first use and turns on Wine's virtual desktop, which
# gives the programs' windows a frame and the focus.
e2e_wine_prefix() {
    if [ ! -f "$WINEPREFIX/.e2e-ready" ]; then
        mkdir -p "$WINEPREFIX"
        E2E_STEP="wineboot"
        timeout -k 5 200 "$WINE" wineboot -i >/dev/null 2>&1 || fail "wineboot failed"
        "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
            >/dev/null 2>&1
        timeout 60 wineserver -w
        touch "$WINEPREFIX/.e2e-ready"
    fi
}

e2e_setup() {
    e2e_display
    e2e_wine_prefix
}

# Starts a Windows program in the background; its wine process id is left in
# E2E_LAST_PID.
e2e_start() {
    E2E_STEP="start $*"
    E2E_LAST_START=("$@")
    "$WINE" "$@" >"$ARTIFACTS/$(basename "$1").out" 2>&1 &
    E2E_LAST_PID=$!
    E2E_PIDS+=("$E2E_LAST_PID")
}

# Waits up to LIMIT ms for the window TITLE of the program e2e_start started
# last. Under load Wine now and then ends a process it is starting before the
# program runs (see e2e_driver): when that process is gone and no window
# came, the same start is made again, twice at most. E2E_LAST_PID is then the
# new process.
e2e_wait_started() {
    local title=$1 limit=$2
    local attempt deadline code
    for attempt in 1 2 3; do
        deadline=$(($(date +%s) + limit / 1000))
        while :; do
            e2e_driver wait-window "$title" 2000 >/dev/null 2>&1 && return 0
            kill -0 "$E2E_LAST_PID" 2>/dev/null || break
            [ "$(date +%s)" -lt "$deadline" ] || return 1
        done
        code=0
        wait "$E2E_LAST_PID" 2>/dev/null || code=$?
        echo "[start ${E2E_LAST_START[*]} ended with code $code before its window" \
            "\"$title\" came, start $attempt]" >&2
        [ "$attempt" -lt 3 ] && e2e_start "${E2E_LAST_START[@]}"
    done
    return 1
}

# Every driver command has its own limit inside; the outer one is for a Wine
# that never gets the driver going. The answer goes to stdout as it came; a
# refusal is also told on stderr with its time and text, which is what the
# log of a failed test needs to say where it went wrong.
# Every answer of the driver, a refusal too, has a line of text. Under load,
# Wine now and then ends a process it is starting with code 1 and no word
# before the program runs (after some 60 ms instead of the usual 150; a few
# times in a dozen runs of the suite). Such a start is tried again: the
# driver never saw the windows and did nothing.
e2e_driver() {
    E2E_STEP="driver $*"
    local rc out started attempt
    out=$(mktemp "$ARTIFACTS/.driver.XXXXXX")
    for attempt in 1 2 3; do
        rc=0
        started=$(date +%s%N)
        timeout -k 5 120 "$WINE" "$BUILD_DIR/e2e_driver.exe" "$@" >"$out" || rc=$?
        [ "$rc" -ne 0 ] && [ "$rc" -lt 124 ] && [ ! -s "$out" ] || break
        echo "[e2e_driver $* did not run (code $rc after" \
            "$((($(date +%s%N) - started) / 1000000)) ms), start $attempt]" >&2
    done
    cat "$out"
    if [ "$rc" -ne 0 ]; then
        echo "[e2e_driver $* -> $rc after $((($(date +%s%N) - started) / 1000000)) ms:" \
            "$(tail -c 300 "$out" | tr -d '\r' | tr '\n' ' ')]" >&2
    fi
    rm -f "$out"
    return "$rc"
}

# Waits for a background process and checks its exit code within a limit.
e2e_expect_exit() {
    local pid=$1 expected=$2 seconds=$3
    E2E_STEP="exit of $pid"
    e2e_wait_gone "$pid" $((seconds * 10)) || fail "process $pid still running after ${seconds}s"
    wait "$pid"
    local code=$?
    [ "$code" = "$expected" ] || fail "process $pid exited with $code, expected $expected"
}

# Screenshot of the whole display (the virtual desktop with its windows).
e2e_screenshot() {
    E2E_STEP="screenshot $1"
    timeout -k 5 60 import -window root "$ARTIFACTS/$1.png" || fail "screenshot $1 failed"
    echo "screenshot: $ARTIFACTS/$1.png"
}
