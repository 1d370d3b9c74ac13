#!/usr/bin/env bash
# File > Print, Print Setup and Set Font of caelor.exe with a real printer:
# a CUPS server of the test's own with a cups-pdf queue as the default
# printer, which Wine prints to. Without any printer, Set Font says so and
# changes nothing. With the PDF printer: a Seasons report prints as its own
# lines (the degree sign as "d"), a graph as a picture of the window, the
# Day/Night movie, once stopped, as the inverted picture, Cancel during a long Almanac
# drops the job without an error box, the size chosen in Set Font is the size
# printed, and Print Setup offers the printer.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
. "$(dirname "$0")/print_lib.sh"

reason=$(pr_missing)
if [ -n "$reason" ]; then
    [ "${CI:-}" = true ] && fail "printing cannot be tested: $reason"
    echo "SKIP: $reason"
    exit 77
fi

START_YEAR=115
STOP_YEAR=117
YEAR=113
START_MONTH=115
STOP_MONTH=117
PRINT_DIALOG="Print"
FONT_SIZE_BOX=1138
VK_RETURN=13
VK_ESCAPE=27
VK_ALT=18
VK_F=70
NO_PRINTER="No default printer.  Use Control Panel to install and select a default printer."

# Ends caelor.exe and every Wine process of the prefix, so that the next
# programs start with the printer set-up of the moment.
end_wine_session() {
    cl_close
    timeout 30 wineserver -k 2>/dev/null
    timeout 30 wineserver -w 2>/dev/null
}

# Runs report COMMAND through its dialog TITLE with FIELD=VALUE settings.
run_report() { # COMMAND TITLE SETTINGS
    e2e_driver post-command "$CL_MAIN" "$1" 5000 >/dev/null || fail "cannot choose command $1"
    e2e_driver wait-window "$2" 10000 >/dev/null || fail "no $2 dialog"
    local s
    for s in $3; do
        e2e_driver set-text "$2" "${s%%=*}" "${s#*=}" 5000 >/dev/null || fail "no field ${s%%=*}"
    done
    e2e_driver dialog-command "$2" $IDOK 5000 >/dev/null || fail "cannot press OK in $2"
    e2e_driver wait-gone "$2" 10000 >/dev/null || fail "the $2 dialog stayed open"
    e2e_driver wait-scroll-bars "$CL_MAIN" 180000 >/dev/null || fail "the $2 report did not finish"
}

# File > Print, OK in the printer dialog, and the end of the job.
print_ok() {
    e2e_driver post-command "$CL_MAIN" $IDM_PRINT 5000 >/dev/null ||
        fail "File > Print is not available"
    e2e_driver dialog-command "$PRINT_DIALOG" $IDOK 20000 >/dev/null || fail "no printer dialog"
    e2e_driver wait-gone "$PRINT_DIALOG" 10000 >/dev/null || fail "the printer dialog stayed open"
    e2e_driver wait-enabled "$CL_MAIN" 120000 >/dev/null || fail "printing did not end"
    cl_no_error_box "after printing"
}

# File > Print chosen with real keys (Alt+F, Return on its first item),
# then OK in the printer dialog and the end of the job.
print_from_menu() {
    e2e_driver keys "$CL_MAIN" $VK_ALT+$VK_F >/dev/null || fail "cannot press Alt+F"
    e2e_driver wait-menu 10000 >/dev/null || fail "Alt+F did not open the File menu"
    e2e_driver keys "$CL_MAIN" $VK_RETURN >/dev/null || fail "cannot press Return"
    e2e_driver dialog-command "$PRINT_DIALOG" $IDOK 20000 >/dev/null ||
        fail "File > Print opened no printer dialog"
    e2e_driver wait-gone "$PRINT_DIALOG" 10000 >/dev/null || fail "the printer dialog stayed open"
    e2e_driver wait-enabled "$CL_MAIN" 120000 >/dev/null || fail "printing did not end"
    cl_no_error_box "after printing"
}

# Waits up to ten seconds for the main window's current command to be $1.
wait_command() {
    local i
    for i in $(seq 1 100); do
        [ "$(e2e_driver movie-probe "$CL_MAIN" 8 | tr -d '\r')" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

# The non-empty lines of a text with runs of blanks as one blank.
squeezed() {
    tr -d '\r\f' | sed -e 's/[[:space:]]\+/ /g' -e 's/^ //' -e 's/ $//' | grep -v '^$'
}

# Share of dark in the one picture on the one page of PDF $1 (0 white ..
# 1 black).
picture_darkness() {
    local prefix=$ARTIFACTS/$(basename "$1" .pdf)-image
    rm -f "$prefix"-*
    [ "$(pdfimages -list "$1" | tail -n +3 | wc -l)" -eq 1 ] || {
        pdfimages -list "$1"
        fail "$1 does not hold exactly one picture"
    }
    [ "$(pr_pages "$1")" = 1 ] || fail "$1 has $(pr_pages "$1") pages, not one"
    pdfimages -png "$1" "$prefix"
    convert "$prefix"-000.png -colorspace gray -format "%[fx:1-mean]" info:
}

# The printed picture's darkness $1 matches the share $2 of the window that
# would print black: within $3 of it, and nearer to it than to its opposite.
# (Each black pixel covers its share of the page and one printer pixel more,
# so thin lines come out a little darker.)
matches_share() {
    awk -v d="$1" -v s="$2" -v t="$3" 'BEGIN {
        x = d - s; if (x < 0) x = -x
        y = d - (1 - s); if (y < 0) y = -y
        exit !(x <= t && x < y)
    }'
}

# Height in points of the word "Seasons" of the report title in PDF $1.
title_height() {
    pdftotext -bbox "$1" - | awk -F'"' '/>Seasons</ { print $8 - $4; exit }'
}

e2e_setup

# (a) No printer at all: Set Font says so and no font dialog opens. A
# printer left in the prefix by an earlier run is gone once CUPS has none.
E2E_STEP="no printer"
pr_no_printer
cl_prepare printing
cl_start
cl_wait_main
e2e_driver printers && fail "Wine still offers a printer without a CUPS server"
e2e_driver post-command "$CL_MAIN" $IDM_SET_FONT 5000 >/dev/null ||
    fail "File > Set Font is not available"
cl_expect_error "$NO_PRINTER"
e2e_driver wait-gone "Font" 0 >/dev/null || fail "a font dialog opened without a printer"
e2e_driver wait-enabled "$CL_MAIN" 5000 >/dev/null || fail "the main window stayed disabled"
end_wine_session

# (b) The PDF printer is Wine's default printer.
pr_start_cups
cl_start
cl_wait_main
printers=$(e2e_driver printers | tr -d '\r') || {
    echo "$printers"
    fail "Wine offers no default printer"
}
echo "$printers"
echo "$printers" | grep -qx "default $PR_QUEUE" || fail "$PR_QUEUE is not Wine's default printer"

# (c) A Seasons report prints as its lines, page breaks never printed, the
# degree sign as "d".
run_report $IDM_REPORT_SEASONS "Seasons" "$START_YEAR=2025 $STOP_YEAR=2027"
e2e_driver post-command "$CL_MAIN" $IDM_COPY 5000 >/dev/null || fail "Edit > Copy is not available"
e2e_driver wait-window "$CL_MAIN" 5000 >/dev/null
e2e_driver clipboard-text "$(winpath "$ARTIFACTS/print-seasons-clipboard.txt")" >/dev/null ||
    fail "no Seasons text on the clipboard"
grep -q $'\xB0' "$ARTIFACTS/print-seasons-clipboard.txt" || fail "the report shows no degree sign"
print_ok
pr_wait_pdf 1
pdftotext -layout -enc Latin1 "$PR_PDF" "$ARTIFACTS/print-seasons.txt"
tr '\260' 'd' <"$ARTIFACTS/print-seasons-clipboard.txt" | squeezed >"$ARTIFACTS/print-seasons-expected.txt"
squeezed <"$ARTIFACTS/print-seasons.txt" >"$ARTIFACTS/print-seasons-printed.txt"
diff -u "$ARTIFACTS/print-seasons-expected.txt" "$ARTIFACTS/print-seasons-printed.txt" || {
    pdffonts "$PR_PDF"
    fail "the printed Seasons report differs from its lines"
}
[ "$(pr_pages "$PR_PDF")" = 1 ] || fail "the Seasons report printed on $(pr_pages "$PR_PDF") pages"
echo "Seasons: $(wc -l <"$ARTIFACTS/print-seasons-printed.txt") lines printed as shown, 1 page"

# (d) A graph prints as the window's picture: as much of the page picture is
# black as the window shows drawn.
e2e_driver post-command "$CL_MAIN" $IDM_GRAPH_EQUATION_OF_TIME 5000 >/dev/null ||
    fail "cannot choose Equation of Time"
e2e_driver dialog-command "Equation of Time" $IDOK 10000 >/dev/null || fail "no graph dialog"
e2e_driver wait-drawn "$CL_MAIN" 60000 >/dev/null || fail "the graph was not drawn"
drawn=$(e2e_driver drawn-fraction "$CL_MAIN" | tr -d '\r' | cut -d' ' -f1)
print_ok
pr_wait_pdf 2
dark=$(picture_darkness "$PR_PDF")
echo "graph: $drawn of the window drawn, $dark of the printed picture dark"
awk -v d="$dark" -v s="$drawn" 'BEGIN { exit !(s > 0.005 && d >= s * 0.9 && d <= s * 1.6) }' ||
    fail "the printed graph is not the window's picture"

# (e) The Day/Night movie, stopped with Esc, prints inverted from File >
# Print (real keys, so only an enabled Print can print): dark where the
# window is empty.
E2E_STEP="Day/Night print"
e2e_driver post-command "$CL_MAIN" $IDM_MOVIE_DAY_NIGHT 5000 >/dev/null ||
    fail "cannot choose Day/Night"
e2e_driver dialog-command "Day/Night" $IDOK 10000 >/dev/null || fail "no Day/Night dialog"
e2e_driver wait-frames "$CL_MAIN" 3 30000 >/dev/null || fail "the Day/Night movie does not run"
e2e_driver keys "$CL_MAIN" $VK_ESCAPE >/dev/null || fail "cannot press Esc"
wait_command 0 || fail "Esc did not stop the Day/Night movie"
drawn=$(e2e_driver drawn-fraction "$CL_MAIN" | tr -d '\r' | cut -d' ' -f1)
print_from_menu
pr_wait_pdf 3
dark=$(picture_darkness "$PR_PDF")
echo "Day/Night: $drawn of the window drawn, $dark of the printed picture dark"
matches_share "$dark" "$(awk -v d="$drawn" 'BEGIN { print 1 - d }')" 0.04 ||
    fail "the stopped Day/Night picture did not print inverted"

# (f) Cancel during a long Almanac: no error box and no printout. The next
# job then is the next PDF: the queue prints in order, so a cancelled job
# that had reached it would have come first.
run_report $IDM_REPORT_ALMANAC "Almanac" "$YEAR=2026 $START_MONTH=1 $STOP_MONTH=12"
jobs_before=$(lpstat -W completed -o "$PR_QUEUE" | wc -l)
e2e_driver post-command "$CL_MAIN" $IDM_PRINT 5000 >/dev/null ||
    fail "File > Print is not available"
e2e_driver cancel-printing 5 60000 >"$ARTIFACTS/print-cancel.out" &
cancel_pid=$!
e2e_driver dialog-command "$PRINT_DIALOG" $IDOK 20000 >/dev/null || fail "no printer dialog"
wait "$cancel_pid" || {
    cat "$ARTIFACTS/print-cancel.out"
    fail "could not press Cancel while printing"
}
cat "$ARTIFACTS/print-cancel.out"
e2e_driver wait-enabled "$CL_MAIN" 60000 >/dev/null || fail "the job did not end after Cancel"
cl_no_error_box "after Cancel"
run_report $IDM_REPORT_SEASONS "Seasons" "$START_YEAR=2026 $STOP_YEAR=2026"
print_ok
pr_wait_pdf 4
[ "$(pr_pdf_count)" -eq 4 ] || fail "the cancelled Almanac was printed"
[ "$(lpstat -W completed -o "$PR_QUEUE" | wc -l)" -eq $((jobs_before + 1)) ] ||
    fail "the cancelled Almanac reached the printer queue"
pdftotext "$PR_PDF" - | grep -q "Seasons Report for 2026" || fail "the job after Cancel is not Seasons"
echo "Cancel during the Almanac: no error box, no job"

# (g) Set Font: the printer's fixed-pitch fonts; the size chosen is the size
# printed, twice the 10 points printed without a choice (PDF 4). (At 20
# points the 80 columns are wider than the page, so the report's right part
# is cut off.)
e2e_driver post-command "$CL_MAIN" $IDM_SET_FONT 5000 >/dev/null ||
    fail "File > Set Font is not available"
e2e_driver wait-window "Font" 20000 >/dev/null || fail "no font dialog"
e2e_driver choose-city "Font" $FONT_SIZE_BOX 20 5000 >/dev/null || fail "no size 20 in the font dialog"
e2e_driver dialog-command "Font" $IDOK 5000 >/dev/null || fail "cannot press OK in the font dialog"
e2e_driver wait-gone "Font" 10000 >/dev/null || fail "the font dialog stayed open"
cl_no_error_box "after Set Font"
default_height=$(title_height "$PR_PDF")
print_ok
pr_wait_pdf 5
height=$(title_height "$PR_PDF")
echo "report title $default_height pt high at the default size, $height pt after choosing 20 points"
awk -v a="$default_height" -v b="$height" 'BEGIN { exit !(a > 0 && b / a > 1.8 && b / a < 2.2) }' ||
    fail "the printed report does not use the size chosen in Set Font"

# (h) Print Setup shows the printer choice and takes OK quietly.
e2e_driver post-command "$CL_MAIN" $IDM_PRINT_SETUP 5000 >/dev/null ||
    fail "File > Print Setup is not available"
e2e_driver dialog-command "Print Setup" $IDOK 20000 >/dev/null || fail "no Print Setup dialog"
e2e_driver wait-gone "Print Setup" 10000 >/dev/null || fail "Print Setup stayed open"
cl_no_error_box "after Print Setup"

cl_close
