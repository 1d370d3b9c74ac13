# Helpers for caelor.exe's end-to-end tests, sourced after lib.sh. Each test
# runs its own copy of caelor.exe in a folder of its own, with copies of the
# data files beside it, so changes to CITIES.DAT or STARS.DAT never leak
# into the build tree or another test.

. "$(dirname "${BASH_SOURCE[0]}")/command_ids.sh"

CL_MAIN="Skyloom 2"
CL_ERROR_BOX="Skyloom 2 - Error"
IDOK=1
IDCANCEL=2
IDYES=6
IDNO=7

# Copies the program and its data files into a fresh folder; CL_DIR is the
# folder, CL_EXE the program.
cl_prepare() {
    CL_DIR=$BUILD_DIR/e2e-caelor/$1
    rm -rf "$CL_DIR"
    mkdir -p "$CL_DIR"
    cp "$BUILD_DIR/caelor.exe" "$BUILD_DIR/CITIES.DAT" "$BUILD_DIR/STARS.DAT" "$CL_DIR/"
    CL_EXE=$CL_DIR/caelor.exe
}

# Starts the copy; CL_PID is its process. Does not wait for the window, so
# that a test can answer a box shown while the window is being created.
cl_start() {
    e2e_start "$CL_EXE"
    CL_PID=$E2E_LAST_PID
}

cl_wait_main() {
    e2e_wait_started "$CL_MAIN" 60000 || {
        e2e_driver list-windows
        fail "main window did not appear"
    }
    CL_PID=$E2E_LAST_PID
}

# Fails when an error box is up.
cl_no_error_box() {
    e2e_driver wait-gone "$CL_ERROR_BOX" 0 >/dev/null || {
        e2e_driver window-texts "$CL_ERROR_BOX" 1000
        fail "unexpected error box: $1"
    }
}

# Answers the error box with OK and checks its text holds $1.
cl_expect_error() {
    local out
    out=$(e2e_driver answer-box "$CL_ERROR_BOX" $IDOK 20000) || fail "no error box \"$1\""
    echo "$out" | grep -qF -- "$1" || {
        echo "$out"
        fail "the error box does not say \"$1\""
    }
    e2e_driver wait-gone "$CL_ERROR_BOX" 10000 >/dev/null || fail "the error box stayed"
    echo "error box: $1"
}

# Z:\ path of a file of the Linux side, for the driver.
winpath() { echo "Z:${1//\//\\}"; }

cl_close() {
    e2e_driver close "$CL_MAIN" 10000 || fail "caelor.exe did not close cleanly"
    e2e_expect_exit "$CL_PID" 0 10
}
