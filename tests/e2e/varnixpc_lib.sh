# Helpers for the launcher's end-to-end tests, sourced after lib.sh. Each
# test runs its own copy of varnixpc.exe in a folder of its own, so the
# profile file and the menu file beside it are the test's alone.

# Copies the program into a fresh folder; VX_DIR is the folder, VX_EXE the
# program, VX_INI and VX_MNU the files beside it.
vx_prepare() {
    VX_DIR=$BUILD_DIR/e2e-varnixpc/$1
    rm -rf "$VX_DIR"
    mkdir -p "$VX_DIR"
    cp "$BUILD_DIR/varnixpc.exe" "$VX_DIR/varnixpc.exe"
    VX_EXE=$VX_DIR/varnixpc.exe
    VX_INI=$VX_DIR/varnixpc.INI
    VX_MNU=$VX_DIR/varnixpc.mnu
}

# Starts the copy and waits for its bar; VX_PID is its process.
vx_start() {
    e2e_start "$VX_EXE"
    if ! e2e_wait_started "VarnixPC" 60000; then
        e2e_driver list-windows
        fail "bar window did not appear"
    fi
    VX_PID=$E2E_LAST_PID
    VX_CHAR_WIDTH=$(e2e_driver bar-char-width | tr -d '\r')
}

# The x of the middle of a drawn title, by its index among "File", "Edit"
# and "Stuff" (0, 1, 2): titles start at 41, (length + 2) widths apart.
vx_title_x() {
    local offsets=(0 6 12) lengths=(4 4 5)
    echo $((41 + (offsets[$1] * VX_CHAR_WIDTH) + (lengths[$1] * VX_CHAR_WIDTH) / 2))
}

# Presses on the bar at x and waits for the drop-down; VX_MENU_TOP,
# VX_MENU_LEFT, VX_MENU_RIGHT and VX_MENU_HEIGHT describe it.
vx_open_menu() {
    e2e_driver press "$1" 10 >/dev/null
    local info
    info=$(e2e_driver window-info RUZARADIDI 5000 | tr -d '\r') || fail "no drop-down after pressing at $1"
    read -r _ VX_MENU_LEFT VX_MENU_TOP VX_MENU_RIGHT bottom _ _ <<<"$info"
    VX_MENU_HEIGHT=$((bottom - VX_MENU_TOP))
}

# The row height of the open drop-down that shows $1 entries, checked
# against the drop-down's height (entries x row height + 5).
vx_item_height() {
    local h=$(((VX_MENU_HEIGHT - 5) / $1))
    [ $((h * $1 + 5)) -eq "$VX_MENU_HEIGHT" ] || fail "drop-down of height $VX_MENU_HEIGHT does not hold $1 entries"
    echo "$h"
}

# Drags onto entry n of the open drop-down with $2 entries and releases.
vx_choose() {
    local ih y x
    ih=$(vx_item_height "$2") || exit 1
    y=$((VX_MENU_TOP + 2 + ($1 - 1) * ih + ih / 2))
    x=$(((VX_MENU_LEFT + VX_MENU_RIGHT) / 2))
    e2e_driver drag "$x" "$y" >/dev/null
    e2e_driver release "$x" "$y" >/dev/null
}

# Waits until a file holds a line (fixed string), up to $3 seconds.
vx_wait_for_line() {
    local i
    for i in $(seq 1 $(($3 * 10))); do
        [ -f "$1" ] && grep -qF -- "$2" "$1" && return 0
        sleep 0.1
    done
    echo "--- $1:"
    cat "$1" 2>/dev/null
    fail "$1 does not hold: $2"
}

vx_close() {
    e2e_driver close "VarnixPC" 10000 || fail "varnixpc.exe did not close cleanly"
    e2e_expect_exit "$VX_PID" 0 10
}

# Checks the text of field $1 of the menu properties dialog.
vx_expect_field() {
    local text
    text=$(e2e_driver field-text "VarnixPC Menu Properties" "$1" 5000 | tr -d '\r') ||
        fail "no field $1"
    [ "$text" = "$2" ] || fail "field $1 holds \"$text\", expected \"$2\""
}

# Waits for the bar's message box, checks its text and presses OK.
vx_expect_message() {
    local texts
    texts=$(e2e_driver window-texts "VarnixPC/32" 10000 | tr -d '\r') || fail "no message \"$1\""
    # The text may span lines; it is whole when the next control follows.
    [[ "$texts"$'\n' == *$'\n'"65535: $1"$'\n'* || "$texts"$'\n' == "65535: $1"$'\n'* ]] || {
        echo "$texts"
        fail "the message is not \"$1\""
    }
    e2e_driver answer-box "VarnixPC/32" 1 5000 >/dev/null || fail "cannot answer the message"
    e2e_driver wait-gone "VarnixPC/32" 5000 >/dev/null || fail "the message stayed"
}

# The Windows name of a file of the build tree (Wine's Z: is the root).
vx_winpath() {
    local p=${1//\//\\}
    echo "Z:$p"
}
