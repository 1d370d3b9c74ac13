#!/usr/bin/env bash
# Print Topic in the help window prints the topic shown through the
# program's own printing: the printer dialog, then a PDF of the test's own
# cups-pdf printer that holds the topic's words in their order, title and
# "See also" line included.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
. "$(dirname "$0")/print_lib.sh"

reason=$(pr_missing)
if [ -n "$reason" ]; then
    [ "${CI:-}" = true ] && fail "printing cannot be tested: $reason"
    echo "SKIP: $reason"
    exit 77
fi

HELP="Skyloom 2 Help - caelor.hlp"
HELP_SEARCH=101
HELP_TEXT=103
HELP_PRINT=106
PRINT_DIALOG="Print"

# The words of a text one to a line, the degree sign (which the printer's
# font lacks) as "d"; without semicolons and hyphens, which the page shows
# but pdftotext does not read back from the printer's font.
words() {
    tr '\260\r\f' 'd  ' | tr -d ';-' | tr -s '[:space:]' '\n' | grep -v '^$'
}

e2e_setup
pr_start_cups
cl_prepare help-print
cl_start
cl_wait_main

e2e_driver post-command "$CL_MAIN" $IDM_HELP_INDEX 5000 >/dev/null || fail "cannot choose Help > Index"
e2e_driver wait-window "$HELP" 10000 >/dev/null || fail "Help > Index opened no help window"
e2e_driver set-text "$HELP" $HELP_SEARCH "Seasons" 5000 >/dev/null || fail "no search box"
E2E_STEP="the Seasons topic"
for i in $(seq 1 50); do
    e2e_driver control-text "$HELP" $HELP_TEXT 5000 >"$ARTIFACTS/help-seasons-shown.txt"
    [ "$(head -1 "$ARTIFACTS/help-seasons-shown.txt" | tr -d '\r')" = "Seasons" ] && break
    sleep 0.2
done
[ "$(head -1 "$ARTIFACTS/help-seasons-shown.txt" | tr -d '\r')" = "Seasons" ] ||
    fail "the search did not show the Seasons topic"

e2e_driver dialog-command "$HELP" $HELP_PRINT 5000 >/dev/null || fail "no Print Topic button"
e2e_driver dialog-command "$PRINT_DIALOG" $IDOK 20000 >/dev/null ||
    fail "Print Topic opened no printer dialog"
e2e_driver wait-gone "$PRINT_DIALOG" 10000 >/dev/null || fail "the printer dialog stayed open"
pr_wait_pdf 1
cl_no_error_box "after Print Topic"
pdftotext -layout -enc Latin1 "$PR_PDF" "$ARTIFACTS/help-seasons-printed.txt"

words <"$ARTIFACTS/help-seasons-shown.txt" >"$ARTIFACTS/help-seasons-shown.words"
words <"$ARTIFACTS/help-seasons-printed.txt" >"$ARTIFACTS/help-seasons-printed.words"
diff -u "$ARTIFACTS/help-seasons-shown.words" "$ARTIFACTS/help-seasons-printed.words" ||
    fail "the printed topic is not the topic shown"
grep -q "See also: Reports" "$ARTIFACTS/help-seasons-printed.txt" || fail "no \"See also\" line printed"
echo "Seasons topic: $(wc -l <"$ARTIFACTS/help-seasons-shown.words") words printed in order," \
    "$(pr_pages "$PR_PDF") page(s)"
cl_close
echo "PASS"
