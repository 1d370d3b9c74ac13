#include "settings/commands.h"

#include "movies/movie_clock.h"
#include "reports/almanac.h"
#include "resources/string_ids.h"

#include <iterator>

namespace {

constexpr CommandDialog kAsksNothing = {};

} // namespace

// In menu order. A dialog is {template, title string (0: its own caption),
// and for DIAL_PLANETS: include Earth, show the month fields, show the
// distance choice}.
// clang-format off
const CommandRow kCommandRows[] = {
    // File, Edit, Settings.
    {IDM_PRINT,         kOtherCommand, kAsksNothing, nullptr, 100, kNoMovie},
    {IDM_PRINT_SETUP,   kOtherCommand, kAsksNothing, nullptr, 101, kNoMovie},
    {IDM_SET_FONT,      kOtherCommand, kAsksNothing, nullptr, 102, kNoMovie},
    {IDM_EXIT,          kOtherCommand, kAsksNothing, nullptr, 103, kNoMovie},
    {IDM_COPY,          kOtherCommand, kAsksNothing, nullptr, 200, kNoMovie},
    {IDM_SET_LOCATION,  kOtherCommand, kAsksNothing, nullptr, 300, kNoMovie},
    {IDM_ASSIGN_COLORS, kOtherCommand, kAsksNothing, nullptr, 301, kNoMovie},

    // Reports.
    {IDM_REPORT_INTRODUCTION,     kReportCommand, kAsksNothing,                                    IntroductionReport,   400, kNoMovie},
    {IDM_REPORT_CALENDAR,         kReportCommand, {"DIAL_YEAR_MR", IDS_CALENDAR},                  CalendarReport,       401, kNoMovie},
    {IDM_REPORT_SEASONS,          kReportCommand, {"DIAL_YEAR_RANGE", IDS_SEASONS},                SeasonsReport,        402, kNoMovie},
    {IDM_REPORT_DATES_OF_EASTER,  kReportCommand, {"DIAL_YEAR_RANGE", IDS_DATES_OF_EASTER},        EasterReport,         403, kNoMovie},
    {IDM_REPORT_LUNAR_ECLIPSES,   kReportCommand, {"DIAL_YEAR_RANGE", IDS_LUNAR_ECLIPSES},         LunarEclipsesReport,  404, kNoMovie},
    {IDM_REPORT_SOLAR_ECLIPSES,   kReportCommand, {"DIAL_YEAR_RANGE", IDS_SOLAR_ECLIPSES},         SolarEclipsesReport,  405, kNoMovie},
    {IDM_REPORT_LOCAL_ECLIPSES,   kReportCommand, {"DIAL_YEAR_RANGE", IDS_LOCAL_ECLIPSES},         LocalEclipsesReport,  415, kNoMovie},
    {IDM_REPORT_PLANET_VIEW_INFO, kReportCommand, {"DIAL_PLANETS", IDS_PLANET_VIEW_INFO, 0, 1, 0}, PlanetViewInfoReport, 406, kNoMovie},
    {IDM_REPORT_PLANET_APSIDES,   kReportCommand, {"DIAL_PLANET_APSIDES"},                         PlanetApsidesReport,  407, kNoMovie},
    {IDM_REPORT_PLANET_CONJ_OPP,  kReportCommand, {"DIAL_PLANETS", IDS_PLANET_CONJ_OPP, 0, 1, 0},  PlanetConjOppReport,  408, kNoMovie},
    {IDM_REPORT_PLANET_DATA,      kReportCommand, kAsksNothing,                                    PlanetDataReport,     409, kNoMovie},
    {IDM_REPORT_MOON_APSIDES,     kReportCommand, {"DIAL_YEAR_MR", IDS_MOON_APSIDES},              MoonApsidesReport,    410, kNoMovie},
    {IDM_REPORT_MOON_NODES,       kReportCommand, {"DIAL_YEAR_MR", IDS_MOON_NODES},                MoonNodesReport,      411, kNoMovie},
    {IDM_REPORT_METEOR_SHOWERS,   kReportCommand, {"DIAL_YEAR_MR", IDS_METEOR_SHOWERS},            MeteorShowersReport,  412, kNoMovie},
    {IDM_REPORT_TWILIGHT,         kReportCommand, {"DIAL_YEAR_MR", IDS_TWILIGHT},                  TwilightReport,       413, kNoMovie},
    {IDM_REPORT_ALMANAC,          kReportCommand, {"DIAL_YEAR_MR", IDS_ALMANAC},                   AlmanacReport,        414, kNoMovie},

    // Graphs.
    {IDM_GRAPH_JUPITER_MOONS_ORBIT, kGraphCommand, {"DIAL_JM_GRAPH"},                              nullptr, 500, kNoMovie},
    {IDM_GRAPH_PLANET_ORBIT,        kGraphCommand, {"DIAL_PLANETS", IDS_PLANET_ORBIT},             nullptr, 501, kNoMovie},
    {IDM_GRAPH_PLANET_MAGNITUDE,    kGraphCommand, {"DIAL_PLANETS", IDS_PLANET_MAGNITUDE},         nullptr, 502, kNoMovie},
    {IDM_GRAPH_PLANET_ILLUM_FRAC,   kGraphCommand, {"DIAL_PLANETS", IDS_PLANET_ILLUM_FRAC},        nullptr, 503, kNoMovie},
    {IDM_GRAPH_PLANET_DIAMETER,     kGraphCommand, {"DIAL_PLANETS", IDS_PLANET_DIAMETER},          nullptr, 504, kNoMovie},
    {IDM_GRAPH_PLANET_DISTANCE,     kGraphCommand, {"DIAL_PLANETS", IDS_PLANET_DISTANCE, 1, 0, 1}, nullptr, 505, kNoMovie},
    {IDM_GRAPH_PLANET_ANGLE,        kGraphCommand, {"DIAL_PLANET_ANGLE"},                          nullptr, 506, kNoMovie},
    {IDM_GRAPH_EQUATION_OF_TIME,    kGraphCommand, {"DIAL_YEAR", IDS_EQUATION_OF_TIME},            nullptr, 507, kNoMovie},
    {IDM_GRAPH_DAY_LENGTH,          kGraphCommand, {"DIAL_YEAR", IDS_DAY_LENGTH},                  nullptr, 508, kNoMovie},
    {IDM_GRAPH_SUN_ANGLE,           kGraphCommand, {"DIAL_YEAR", IDS_SUN_ANGLE},                   nullptr, 509, kNoMovie},
    {IDM_GRAPH_ANALEMMA,            kGraphCommand, {"DIAL_YEAR", IDS_ANALEMMA},                    nullptr, 510, kNoMovie},
    {IDM_GRAPH_SUNRISE,             kGraphCommand, {"DIAL_YEAR", IDS_SUNRISE},                     nullptr, 511, kNoMovie},
    {IDM_GRAPH_MOON_ANGULAR_SPEED,  kGraphCommand, {"DIAL_YEAR", IDS_MOON_ANGULAR_SPEED},          nullptr, 512, kNoMovie},
    {IDM_GRAPH_MOON_ILLUM_FRAC,     kGraphCommand, {"DIAL_YEAR_MONTH", IDS_MOON_ILLUM_FRAC},       nullptr, 513, kNoMovie},
    {IDM_GRAPH_ECLIPSES,            kGraphCommand, {"DIAL_YEAR_RANGE", IDS_ECLIPSES},              nullptr, 514, kNoMovie},
    {IDM_TICK_MARKS,                kOtherCommand, kAsksNothing,                                   nullptr, 515, kNoMovie},
    {IDM_GRID_LINES,                kOtherCommand, kAsksNothing,                                   nullptr, 516, kNoMovie},

    // Movies, then the keys that steer them.
    {IDM_MOVIE_DAY_NIGHT,          kMovieCommand, {"DIAL_DN_MOVIE"},                          nullptr, 603, kDayNightMode},
    {IDM_MOVIE_ECLIPTIC_TOP,       kMovieCommand, {"DIAL_EC_MOVIES", IDS_ECLIPTIC_TOP},       nullptr, 602, kEclipticTopMode},
    {IDM_MOVIE_ECLIPTIC_SIDE,      kMovieCommand, {"DIAL_EC_MOVIES", IDS_ECLIPTIC_SIDE},      nullptr, 602, kEclipticSideMode},
    {IDM_MOVIE_PLANETARIUM,        kMovieCommand, {"DIAL_PL_MOVIE"},                          nullptr, 600, kPlanetariumMode},
    {IDM_MOVIE_JUPITER_MOONS_SIDE, kMovieCommand, {"DIAL_JM_MOVIES", IDS_JUPITER_MOONS_SIDE}, nullptr, 601, kJupiterSideMode},
    {IDM_MOVIE_JUPITER_MOONS_TOP,  kMovieCommand, {"DIAL_JM_MOVIES", IDS_JUPITER_MOONS_TOP},  nullptr, 601, kJupiterTopMode},
    {IDM_MOVIE_BINARY_STAR,        kMovieCommand, {"DIAL_BS_MOVIE"},                          nullptr, 604, kBinaryStarMode},
    {IDM_SPEED_UP,                 kOtherCommand, kAsksNothing,                               nullptr, 605, kNoMovie},
    {IDM_SLOW_DOWN,                kOtherCommand, kAsksNothing,                               nullptr, 606, kNoMovie},
    {IDM_REVERSE_TIME_SPEED,       kOtherCommand, kAsksNothing,                               nullptr, 607, kNoMovie},
    {IDM_PAUSE,                    kOtherCommand, kAsksNothing,                               nullptr, 611, kNoMovie},
    {IDM_ZOOM_IN,                  kOtherCommand, kAsksNothing,                               nullptr, 608, kNoMovie},
    {IDM_ZOOM_OUT,                 kOtherCommand, kAsksNothing,                               nullptr, 609, kNoMovie},
    {IDM_JET_TRAILS,               kOtherCommand, kAsksNothing,                               nullptr, 610, kNoMovie},

    // Stop, Help.
    {IDM_STOP,             kOtherCommand, kAsksNothing, nullptr, 800, kNoMovie},
    {IDM_HELP_INDEX,       kOtherCommand, kAsksNothing, nullptr, 900, kNoMovie},
    {IDM_HELP_KEYBOARD,    kOtherCommand, kAsksNothing, nullptr, 901, kNoMovie},
    {IDM_HELP_COMMANDS,    kOtherCommand, kAsksNothing, nullptr, 902, kNoMovie},
    {IDM_HELP_SEARCH,      kOtherCommand, kAsksNothing, nullptr, 903, kNoMovie},
    {IDM_HELP_USING_HELP,  kOtherCommand, kAsksNothing, nullptr, 904, kNoMovie},
    {IDM_HELP_USERS_GUIDE, kOtherCommand, kAsksNothing, nullptr, 905, kNoMovie},
    {IDM_ABOUT,            kOtherCommand, kAsksNothing, nullptr, 907, kNoMovie},
};
// clang-format on
const int kCommandRowCount = static_cast<int>(std::size(kCommandRows));

const CommandRow* FindCommand(int id) {
    for (const CommandRow& row : kCommandRows) {
        if (row.command == id) {
            return &row;
        }
    }
    return nullptr;
}

int CommandKind(int id) {
    const CommandRow* row = FindCommand(id);
    return row != nullptr ? row->kind : kOtherCommand;
}

bool RefusedAtLatitude(int id, double latitudeDegrees) {
    return (id == IDM_GRAPH_ANALEMMA || id == IDM_GRAPH_SUNRISE || id == IDM_REPORT_TWILIGHT) &&
           latitudeDegrees > 60.0;
}
