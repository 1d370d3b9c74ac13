#!/usr/bin/env bash
# The fifteen graphs of caelor.exe's Graphs menu, each chosen from its
# command and drawn after its dialog's OK, with a screenshot of each and a
# check of the colours that must be there.
# Fifteen drawings, each with its dialog, take a while on a busy machine.
E2E_LIMIT=${E2E_LIMIT:-285}
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/graphs_lib.sh"
e2e_setup
start_caelor

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

e2e_driver post-command "$MAIN" 51 5000 || fail "cannot choose File > Exit"
e2e_expect_exit "$CAELOR_PID" 0 30
echo "PASS"
