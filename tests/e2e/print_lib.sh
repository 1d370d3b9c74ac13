# A printer for the printing tests: a CUPS server of our own (its own
# configuration, spool and socket under the build tree, no network port) with
# one cups-pdf queue "PDF" as its default, so Wine prints into PDF files that
# the tests read back. Sourced after lib.sh; the server started here is ended
# by its process id when the test exits.
#
# CUPS_SERVER names our socket for every program started afterwards, Wine and
# its programs included, so no other CUPS server on the machine is touched.

PR_DIR=$BUILD_DIR/e2e-print
PR_PDF_DIR=$PR_DIR/pdf
PR_QUEUE=PDF
PR_CUPSD_PID=
PR_SOCKET_DIR=
PR_PDF_CONF=

# Why printing cannot be tested here, or nothing when it can.
pr_missing() {
    local tool
    for tool in cupsd lpadmin lpstat pdftotext pdfimages pdfinfo; do
        command -v "$tool" >/dev/null 2>&1 || PATH=$PATH:/usr/sbin command -v "$tool" \
            >/dev/null 2>&1 || {
            echo "$tool is not installed (scripts/install-deps installs it)"
            return
        }
    done
    [ -x /usr/lib/cups/backend/cups-pdf ] || {
        echo "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
        return
    }
    # cupsd runs the cups-pdf backend as root only when it runs as root, and
    # the backend reads its settings from /etc/cups alone.
    [ "$(id -u)" -eq 0 ] || echo "the printing tests run cupsd and must run as root"
}

pr_stop_cupsd() {
    if [ -n "$PR_CUPSD_PID" ]; then
        kill "$PR_CUPSD_PID" 2>/dev/null
        e2e_wait_gone "$PR_CUPSD_PID" 100 || kill -9 "$PR_CUPSD_PID" 2>/dev/null
        wait "$PR_CUPSD_PID" 2>/dev/null
        PR_CUPSD_PID=
    fi
    [ -n "$PR_PDF_CONF" ] && rm -f "$PR_PDF_CONF"
    [ -n "$PR_SOCKET_DIR" ] && rm -rf "$PR_SOCKET_DIR"
    PR_SOCKET_DIR=
}

# Our clean-up first, then lib.sh's (Wine and Xvfb).
pr_cleanup() {
    e2e_cleanup
    pr_stop_cupsd
}
trap pr_cleanup EXIT

# Starts the server and adds the queue. The PDFs land in PR_PDF_DIR.
pr_start_cups() {
    export PATH=$PATH:/usr/sbin
    E2E_STEP="cupsd"
    pr_stop_cupsd
    umask 022
    rm -rf "$PR_DIR"
    mkdir -p "$PR_DIR/log" "$PR_PDF_DIR"
    # The server's own files go where its filters (user lp) can reach them
    # whatever the build tree's parents allow, and where a socket path stays
    # short.
    PR_SOCKET_DIR=$(mktemp -d /tmp/caelor-cups.XXXXXX)
    chmod 755 "$PR_SOCKET_DIR"
    local run=$PR_SOCKET_DIR
    mkdir -p "$run/etc" "$run/spool" "$run/cache" "$run/state"
    local socket=$run/cups.sock

    cat >"$run/cups-files.conf" <<EOF
ServerRoot $run/etc
RequestRoot $run/spool
CacheDir $run/cache
StateDir $run/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
ErrorLog $PR_DIR/log/error_log
AccessLog $PR_DIR/log/access_log
PageLog $PR_DIR/log/page_log
FileDevice No
EOF
    cat >"$run/cupsd.conf" <<EOF
LogLevel warn
Listen $socket
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cupsd -f -c "$run/cupsd.conf" -s "$run/cups-files.conf" \
        >"$PR_DIR/log/cupsd.out" 2>&1 &
    PR_CUPSD_PID=$!
    export CUPS_SERVER=$socket
    local i
    for i in $(seq 1 200); do
        [ -S "$socket" ] && lpstat -r >/dev/null 2>&1 && break
        kill -0 "$PR_CUPSD_PID" 2>/dev/null || {
            cat "$PR_DIR/log/cupsd.out" "$PR_DIR/log/error_log" 2>/dev/null
            fail "cupsd ended at start"
        }
        sleep 0.1
    done
    lpstat -r >/dev/null 2>&1 || fail "cupsd does not answer on $socket"

    # One cups-pdf instance per build tree: its settings file is named after
    # the device URI and says where the PDFs go.
    local instance
    instance=caelor$(echo "$BUILD_DIR" | md5sum | cut -c1-8)
    PR_PDF_CONF=/etc/cups/cups-pdf-$instance.conf
    cat >"$PR_PDF_CONF" <<EOF
Out $PR_PDF_DIR
AnonDirName $PR_PDF_DIR
Label 2
UserUMask 0022
Log $PR_DIR/log
LogType 3
EOF
    local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    [ -f "$ppd" ] || ppd=$(find /usr/share/ppd /usr/share/cups/model -name 'CUPS-PDF_opt.ppd' \
        2>/dev/null | head -n 1)
    [ -n "$ppd" ] || fail "no CUPS-PDF_opt.ppd"
    E2E_STEP="lpadmin"
    lpadmin -p "$PR_QUEUE" -v "cups-pdf:/$instance" -P "$ppd" -E >"$PR_DIR/log/lpadmin.out" 2>&1 ||
        {
            cat "$PR_DIR/log/lpadmin.out"
            fail "lpadmin could not add the queue"
        }
    lpadmin -d "$PR_QUEUE" || fail "lpadmin could not make $PR_QUEUE the default"
    lpstat -d | grep -q "$PR_QUEUE" || fail "$PR_QUEUE is not the default destination"
    echo "cupsd $PR_CUPSD_PID on $socket, queue $PR_QUEUE -> $PR_PDF_DIR"
}

# A CUPS server that is not there: for the tests of a machine without printers.
pr_no_printer() {
    pr_stop_cupsd
    PR_SOCKET_DIR=$(mktemp -d /tmp/caelor-cups.XXXXXX)
    export CUPS_SERVER=$PR_SOCKET_DIR/none.sock
}

# Number of PDFs written so far.
pr_pdf_count() {
    find "$PR_PDF_DIR" -maxdepth 1 -name '*.pdf' | wc -l
}

# Waits until the queue is empty and the PDF number $1 (1-based, in the order
# written) is complete; its path is left in PR_PDF.
pr_wait_pdf() {
    local n=$1 seconds=${2:-120} i
    E2E_STEP="PDF number $n"
    PR_PDF=
    for i in $(seq 1 $((seconds * 10))); do
        if [ -z "$(lpstat -o "$PR_QUEUE" 2>/dev/null)" ] && [ "$(pr_pdf_count)" -ge "$n" ]; then
            PR_PDF=$(ls -tr "$PR_PDF_DIR"/*.pdf | sed -n "${n}p")
            pdfinfo "$PR_PDF" >/dev/null 2>&1 && return 0
        fi
        sleep 0.1
    done
    lpstat -W all -o 2>&1 | tail -n 5
    tail -n 20 "$PR_DIR/log/error_log" 2>/dev/null
    fail "no complete PDF number $n within ${seconds}s"
}

pr_pages() {
    pdfinfo "$1" | awk '/^Pages:/ { print $2 }'
}
