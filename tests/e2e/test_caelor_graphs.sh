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

draw_graph $IDM_GRAPH_JUPITER_MOONS_ORBIT "Jupiter Moons Orbit" jupiter-moons
expect_colour jupiter-moons "$GREEN" 300
expect_colour jupiter-moons "$BLUE" 300
draw_graph $IDM_GRAPH_PLANET_ORBIT "Planet Orbit" planet-orbit
expect_colour planet-orbit "$RED" 500
draw_graph $IDM_GRAPH_PLANET_MAGNITUDE "Planet Magnitude" planet-magnitude
expect_colour planet-magnitude "$CYAN" 200
draw_graph $IDM_GRAPH_PLANET_ILLUM_FRAC "Planet Illum. Frac." planet-illumination
expect_colour planet-illumination "$GREEN" 200
draw_graph $IDM_GRAPH_PLANET_DIAMETER "Planet Diameter" planet-diameter
expect_colour planet-diameter "$GREEN" 200
draw_graph $IDM_GRAPH_PLANET_DISTANCE "Planet Distance" planet-distance
expect_colour planet-distance "$BLUE" 200
draw_graph $IDM_GRAPH_PLANET_ANGLE "Planet Angle" planet-angle
expect_colour planet-angle "$CYAN" 100
draw_graph $IDM_GRAPH_EQUATION_OF_TIME "Equation of Time" equation-of-time $IDC_YEAR 2026
expect_colour equation-of-time "$RED" 300
draw_graph $IDM_GRAPH_DAY_LENGTH "Day Length" day-length $IDC_YEAR 2026
expect_colour day-length "$RED" 300
draw_graph $IDM_GRAPH_SUN_ANGLE "Sun Angle" sun-angle $IDC_YEAR 2026
expect_colour sun-angle "$RED" 300
draw_graph $IDM_GRAPH_ANALEMMA "Analemma" analemma $IDC_YEAR 2026
expect_colour analemma "$RED" 300
draw_graph $IDM_GRAPH_SUNRISE "Sunrise" sunrise $IDC_YEAR 2026
expect_colour sunrise "$RED" 300
draw_graph $IDM_GRAPH_MOON_ANGULAR_SPEED "Moon Angular Speed" moon-speed $IDC_YEAR 2026
expect_colour moon-speed "$SILVER" 300
draw_graph $IDM_GRAPH_MOON_ILLUM_FRAC "Moon Illum. Frac." moon-illumination $IDC_YEAR 2026
expect_colour moon-illumination "$SILVER" 300
draw_graph $IDM_GRAPH_ECLIPSES "Eclipses Graph" eclipses
expect_colour eclipses "$RED" 20

e2e_driver post-command "$MAIN" $IDM_EXIT 5000 || fail "cannot choose File > Exit"
e2e_expect_exit "$CAELOR_PID" 0 30
echo "PASS"
