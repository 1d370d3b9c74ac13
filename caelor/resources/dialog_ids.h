/* Control ids of the input dialogs and the Set Location dialog. Plain
   defines, because the resource compiler reads this header as well as the
   C++ code. The numbers of the input dialogs are the ones the dialogs have
   always had; several dialogs give the same number different meanings, so
   each dialog has its own names. OK is IDOK (1) and Cancel IDCANCEL (2). */
#ifndef CAELOR_RESOURCES_DIALOG_IDS_H
#define CAELOR_RESOURCES_DIALOG_IDS_H

/* Date and time fields of the date dialogs (Ecliptic, Jupiter moons,
   Day/Night, Planetarium) and their "Now" button. */
#define IDC_DATE_YEAR 113
#define IDC_DATE_MONTH 114
#define IDC_DATE_DAY 115
#define IDC_DATE_HOUR 116
#define IDC_DATE_MINUTE 117
#define IDC_DATE_NOW 121

/* DIAL_YEAR, DIAL_YEAR_MONTH, DIAL_YEAR_MR */
#define IDC_YEAR 113
#define IDC_START_MONTH 115
#define IDC_STOP_MONTH 117

/* DIAL_YEAR_RANGE */
#define IDC_RANGE_START_YEAR 115
#define IDC_RANGE_STOP_YEAR 117

/* DIAL_PLANETS: the month labels 114 and 116 are hidden with their fields;
   boxes 119 .. 127 are Earth .. Pluto. */
#define IDC_PLANETS_START_MONTH_LABEL 114
#define IDC_PLANETS_STOP_MONTH_LABEL 116
#define IDC_PLANETS_FIRST_BOX 119
#define IDC_PLANETS_EARTH 119
#define IDC_PLANETS_MERCURY 120
#define IDC_PLANETS_LAST_BOX 127
#define IDC_PLANETS_FROM_EARTH 128
#define IDC_PLANETS_FROM_SUN 129
#define IDC_PLANETS_DISTANCE_GROUP 130

/* DIAL_PLANET_ANGLE: main planet buttons 117 .. 124 and the other-planet
   boxes 125 .. 132, both Mercury .. Pluto. */
#define IDC_ANGLE_FIRST_MAIN 117
#define IDC_ANGLE_LAST_MAIN 124
#define IDC_ANGLE_FIRST_OTHER 125
#define IDC_ANGLE_LAST_OTHER 132

/* DIAL_PLANET_APSIDES: boxes 119 .. 124 are Earth .. Saturn. */
#define IDC_APSIDES_FIRST_BOX 119
#define IDC_APSIDES_LAST_BOX 124
#define IDC_APSIDES_START_YEAR 128
#define IDC_APSIDES_STOP_YEAR 130

/* DIAL_JM_GRAPH and DIAL_JM_MOVIES: Io .. Callisto, "Label Moons". The graph
   asks for its month in 114. */
#define IDC_JM_GRAPH_MONTH 114
#define IDC_JM_FIRST_MOON 130
#define IDC_JM_LAST_MOON 133
#define IDC_JM_LABEL_MOONS 141

/* Time speed and view angle of the movie dialogs (Ecliptic, Jupiter moons,
   Binary Star). */
#define IDC_TIME_SPEED 140
#define IDC_VIEW_ANGLE_LABEL 141
#define IDC_VIEW_ANGLE 142
#define IDC_VIEW_ANGLE_DEGREES 143

/* DIAL_EC_MOVIES: boxes 130 .. 138 are Earth .. Pluto. */
#define IDC_EC_FIRST_BOX 130
#define IDC_EC_LAST_BOX 138
#define IDC_EC_LABEL_PLANETS 161

/* DIAL_DN_MOVIE: "Real Time", "1 Hour", "1 Day", "1 Week", "1 Month". */
#define IDC_DN_FIRST_SPEED 106
#define IDC_DN_LAST_SPEED 110

/* DIAL_BS_MOVIE */
#define IDC_BS_YEAR 113
#define IDC_BS_STAR_LIST 143

/* DIAL_PL_MOVIE: body buttons 130 + body (no Earth, 132). */
#define IDC_PL_FIRST_BODY 130
#define IDC_PL_LAST_BODY 141
#define IDC_PL_TRACK_BODY 142
#define IDC_PL_TIME_SPEED 150
#define IDC_PL_TURBO 151
#define IDC_PL_VIEW_ANGLE 153
#define IDC_PL_VIEW_SUN_MOON 160
#define IDC_PL_VIEW_PLANETS 161
#define IDC_PL_VIEW_STARS 162
#define IDC_PL_STAR_LABEL 170
#define IDC_PL_STAR_LIST 171
#define IDC_PL_LABEL_PLANETS 173

/* DIAL_SET_LOCATION (numbers of our own choosing). */
#define IDC_LOC_NAME 201
#define IDC_LOC_LAT_DEGREES 202
#define IDC_LOC_LAT_MINUTES 203
#define IDC_LOC_LAT_SECONDS 204
#define IDC_LOC_NORTH 205
#define IDC_LOC_SOUTH 206
#define IDC_LOC_LON_DEGREES 207
#define IDC_LOC_LON_MINUTES 208
#define IDC_LOC_LON_SECONDS 209
#define IDC_LOC_WEST 210
#define IDC_LOC_EAST 211
#define IDC_LOC_ELEVATION 212
#define IDC_LOC_TIME_ZONE 213
#define IDC_LOC_SAVE 214

#endif
