#!/usr/bin/env bash
# The help window as a person uses it. F1 (a real key) in every dialog of
# caelor.exe opens that dialog's topic, the Set Location, Seasons and
# Planetarium dialogs among them. In the help opened from the Seasons
# dialog, Tab and Enter follow the topic's first link, Back returns, and
# Contents opens the Contents. Typing in the search box shows the topics of
# the index; screenshots show the Planet View Info topic with its column
# table and the Glossary.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
. "$(dirname "$0")/help_lib.sh"
e2e_setup

HELP="Skyloom 2 Help - caelor.hlp"
HELP_SEARCH=101
HELP_TEXT=103
HELP_CONTENTS=104
HELP_BACK=105
VK_TAB=9
VK_RETURN=13
VK_NEXT=34
VK_F1=112

# F1 in the dialog that COMMAND opens, titled DIALOG, opens the topic
# titled TOPIC; Cancel then closes the dialog.
f1_in_dialog() { # COMMAND DIALOG TOPIC
    E2E_STEP="F1 in $2"
    e2e_driver post-command "$CL_MAIN" "$1" 5000 >/dev/null || fail "cannot choose command $1"
    e2e_driver wait-window "$2" 10000 >/dev/null || fail "command $1 opened no \"$2\""
    e2e_driver keys "$2" $VK_F1 >/dev/null || fail "cannot press F1 in \"$2\""
    e2e_driver wait-window "$HELP" 10000 >/dev/null || fail "F1 in \"$2\" opened no help"
    help_expect_topic "$3" "F1 in \"$2\""
}

close_dialog() { # DIALOG
    e2e_driver dialog-command "$1" $IDCANCEL 5000 >/dev/null || fail "cannot cancel \"$1\""
    e2e_driver wait-gone "$1" 10000 >/dev/null || fail "\"$1\" stayed open"
}

cl_prepare help
cl_start
cl_wait_main

# The three dialogs the help is first asked about, and the links and Back
# in the help the Seasons dialog opened.
f1_in_dialog $IDM_SET_LOCATION "Set Location" "Set Location"
close_dialog "Set Location"
f1_in_dialog $IDM_MOVIE_PLANETARIUM "Planetarium" "Planetarium"
close_dialog "Planetarium"
f1_in_dialog $IDM_REPORT_SEASONS "Seasons" "Choosing a range of years"

E2E_STEP="links and Back"
# The view has the focus after F1; Tab chooses the topic's first link.
e2e_driver keys "$HELP" $VK_TAB $VK_RETURN >/dev/null || fail "cannot press Tab and Enter"
help_expect_topic "Seasons" "the first link of \"Choosing a range of years\""
e2e_driver keys "$HELP" $VK_TAB $VK_TAB $VK_RETURN >/dev/null || fail "cannot press Tab and Enter"
help_expect_topic "Solstice" "the second link of \"Seasons\""
e2e_driver dialog-command "$HELP" $HELP_BACK 5000 >/dev/null || fail "no Back button"
help_expect_topic "Seasons" "Back"
e2e_driver dialog-command "$HELP" $HELP_BACK 5000 >/dev/null || fail "no Back button"
help_expect_topic "Choosing a range of years" "Back again"
e2e_driver dialog-command "$HELP" $HELP_CONTENTS 5000 >/dev/null || fail "no Contents button"
help_expect_topic "Contents" "Contents"
close_dialog "Seasons"

# F1 in every other dialog opens the topic about it.
f1_in_dialog $IDM_ASSIGN_COLORS "Assign Colors" "Assign Colors"
close_dialog "Assign Colors"
f1_in_dialog $IDM_ABOUT "About Skyloom 2" "About Skyloom 2"
close_dialog "About Skyloom 2"
f1_in_dialog $IDM_REPORT_CALENDAR "Calendar" "Choosing a range of months"
close_dialog "Calendar"
f1_in_dialog $IDM_REPORT_PLANET_VIEW_INFO "Planet View Info" "Choosing planets"
close_dialog "Planet View Info"
f1_in_dialog $IDM_REPORT_PLANET_APSIDES "Planet Apsides" "Planet Apsides"
close_dialog "Planet Apsides"
f1_in_dialog $IDM_GRAPH_EQUATION_OF_TIME "Equation of Time" "Choosing a year"
close_dialog "Equation of Time"
f1_in_dialog $IDM_GRAPH_MOON_ILLUM_FRAC "Moon Illum. Frac." "Choosing a year and month"
close_dialog "Moon Illum. Frac."
f1_in_dialog $IDM_GRAPH_PLANET_ANGLE "Planet Angle" "Planet Angle"
close_dialog "Planet Angle"
f1_in_dialog $IDM_GRAPH_JUPITER_MOONS_ORBIT "Jupiter Moons Orbit" "Jupiter Moons Orbit"
close_dialog "Jupiter Moons Orbit"
f1_in_dialog $IDM_MOVIE_ECLIPTIC_TOP "Ecliptic Top" "Ecliptic movies"
close_dialog "Ecliptic Top"
f1_in_dialog $IDM_MOVIE_JUPITER_MOONS_SIDE "Jupiter Moons Side" "Jupiter Moons movies"
close_dialog "Jupiter Moons Side"
f1_in_dialog $IDM_MOVIE_DAY_NIGHT "Day/Night" "Day/Night"
close_dialog "Day/Night"
f1_in_dialog $IDM_MOVIE_BINARY_STAR "Binary Star" "Binary Star"
close_dialog "Binary Star"

# The search box: the first entry of the index that starts with the text is
# shown. The window is made as large as the desktop for the pictures.
E2E_STEP="search and pictures"
e2e_driver resize "$HELP" 1000 740 >/dev/null || fail "cannot resize the help window"
e2e_driver set-text "$HELP" $HELP_SEARCH "Planet View" 5000 >/dev/null || fail "no search box"
help_expect_topic "Planet View Info" "searching for \"Planet View\""
e2e_screenshot caelor-help-planet-view-info
# Page Down in the topic brings the column table into sight.
e2e_driver keys "$HELP" $VK_TAB $VK_NEXT >/dev/null || fail "cannot press Page Down"
e2e_driver wait-window "$HELP" 5000 >/dev/null
e2e_screenshot caelor-help-planet-view-info-columns
e2e_driver set-text "$HELP" $HELP_SEARCH "glossary" 5000 >/dev/null || fail "no search box"
help_expect_topic "Glossary" "searching for \"glossary\""
# An empty search box lists the whole index again and keeps the topic.
e2e_driver set-text "$HELP" $HELP_SEARCH "" 5000 >/dev/null || fail "no search box"
e2e_driver wait-window "$HELP" 5000 >/dev/null
help_expect_topic "Glossary" "clearing the search box"
e2e_screenshot caelor-help-glossary

cl_close
echo "PASS"
