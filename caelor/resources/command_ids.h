/* Menu command ids of the main window, named after their menu items. Plain
   defines, because the resource compiler reads this header (menus.rc) as
   well as the C++ code and the end-to-end scripts. The numbers are the ones
   the commands have always had: the help contexts and the movie modes are
   found from them, and the tests post them to the window. What each command
   is (its kind, dialog, report generator, help topic, movie) is said once,
   in settings/commands.cpp. */
#ifndef CAELOR_RESOURCES_COMMAND_IDS_H
#define CAELOR_RESOURCES_COMMAND_IDS_H

/* File */
#define IDM_PRINT 52
#define IDM_PRINT_SETUP 53
#define IDM_SET_FONT 94
#define IDM_EXIT 51

/* Edit */
#define IDM_COPY 110

/* Settings */
#define IDM_SET_LOCATION 130
#define IDM_ASSIGN_COLORS 120

/* Reports: 80 .. 93 in menu order, and Moon Nodes and Local Eclipses, added
   later. */
#define IDM_REPORT_INTRODUCTION 80
#define IDM_REPORT_CALENDAR 81
#define IDM_REPORT_SEASONS 82
#define IDM_REPORT_DATES_OF_EASTER 83
#define IDM_REPORT_LUNAR_ECLIPSES 84
#define IDM_REPORT_SOLAR_ECLIPSES 85
#define IDM_REPORT_LOCAL_ECLIPSES 142
#define IDM_REPORT_PLANET_VIEW_INFO 86
#define IDM_REPORT_PLANET_APSIDES 87
#define IDM_REPORT_PLANET_CONJ_OPP 88
#define IDM_REPORT_PLANET_DATA 89
#define IDM_REPORT_MOON_APSIDES 90
#define IDM_REPORT_MOON_NODES 141
#define IDM_REPORT_METEOR_SHOWERS 91
#define IDM_REPORT_TWILIGHT 92
#define IDM_REPORT_ALMANAC 93

/* Graphs: 11 .. 25 in menu order, then the two styles of the axes. */
#define IDM_GRAPH_JUPITER_MOONS_ORBIT 11
#define IDM_GRAPH_PLANET_ORBIT 12
#define IDM_GRAPH_PLANET_MAGNITUDE 13
#define IDM_GRAPH_PLANET_ILLUM_FRAC 14
#define IDM_GRAPH_PLANET_DIAMETER 15
#define IDM_GRAPH_PLANET_DISTANCE 16
#define IDM_GRAPH_PLANET_ANGLE 17
#define IDM_GRAPH_EQUATION_OF_TIME 18
#define IDM_GRAPH_DAY_LENGTH 19
#define IDM_GRAPH_SUN_ANGLE 20
#define IDM_GRAPH_ANALEMMA 21
#define IDM_GRAPH_SUNRISE 22
#define IDM_GRAPH_MOON_ANGULAR_SPEED 23
#define IDM_GRAPH_MOON_ILLUM_FRAC 24
#define IDM_GRAPH_ECLIPSES 25
#define IDM_GRAPH_FIRST IDM_GRAPH_JUPITER_MOONS_ORBIT
#define IDM_GRAPH_LAST IDM_GRAPH_ECLIPSES
#define IDM_TICK_MARKS 121
#define IDM_GRID_LINES 122

/* Movies: the seven movies 61 .. 67, then the keys F2 .. F8 that steer a
   running one, 68 .. 74. */
#define IDM_MOVIE_DAY_NIGHT 61
#define IDM_MOVIE_ECLIPTIC_TOP 62
#define IDM_MOVIE_ECLIPTIC_SIDE 63
#define IDM_MOVIE_PLANETARIUM 64
#define IDM_MOVIE_JUPITER_MOONS_SIDE 65
#define IDM_MOVIE_JUPITER_MOONS_TOP 66
#define IDM_MOVIE_BINARY_STAR 67
#define IDM_MOVIE_FIRST IDM_MOVIE_DAY_NIGHT
#define IDM_MOVIE_LAST IDM_MOVIE_BINARY_STAR
#define IDM_SLOW_DOWN 68
#define IDM_SPEED_UP 69
#define IDM_ZOOM_IN 70
#define IDM_ZOOM_OUT 71
#define IDM_JET_TRAILS 72
#define IDM_REVERSE_TIME_SPEED 73
#define IDM_PAUSE 74
#define IDM_MOVIE_KEY_FIRST IDM_SLOW_DOWN
#define IDM_MOVIE_KEY_LAST IDM_PAUSE

/* Stop */
#define IDM_STOP 100

/* Help */
#define IDM_HELP_INDEX 31
#define IDM_HELP_KEYBOARD 32
#define IDM_HELP_COMMANDS 33
#define IDM_HELP_SEARCH 140
#define IDM_HELP_USING_HELP 35
#define IDM_HELP_USERS_GUIDE 38
#define IDM_ABOUT 36

#endif
