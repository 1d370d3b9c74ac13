#include "settings/command_dialogs.h"

namespace {

struct Entry {
    int id;
    const char* templateName;
    int titleId;
    int includeEarth;
    int showMonthFields;
    int showDistance;
};

constexpr Entry kEntries[] = {
    // Reports.
    {80, nullptr, 0, 0, 0, 0},
    {81, "DIAL_YEAR_MR", 70, 0, 0, 0},
    {82, "DIAL_YEAR_RANGE", 75, 0, 0, 0},
    {83, "DIAL_YEAR_RANGE", 76, 0, 0, 0},
    {84, "DIAL_YEAR_RANGE", 78, 0, 0, 0},
    {85, "DIAL_YEAR_RANGE", 77, 0, 0, 0},
    {86, "DIAL_PLANETS", 80, 0, 1, 0},
    {87, "DIAL_PLANET_APSIDES", 0, 0, 0, 0},
    {88, "DIAL_PLANETS", 81, 0, 1, 0},
    {89, nullptr, 0, 0, 0, 0},
    {90, "DIAL_YEAR_MR", 71, 0, 0, 0},
    {141, "DIAL_YEAR_MR", 1102, 0, 0, 0},
    {91, "DIAL_YEAR_MR", 72, 0, 0, 0},
    {92, "DIAL_YEAR_MR", 73, 0, 0, 0},
    {93, "DIAL_YEAR_MR", 74, 0, 0, 0},
    // Graphs.
    {11, "DIAL_JM_GRAPH", 0, 0, 0, 0},
    {12, "DIAL_PLANETS", 90, 0, 0, 0},
    {13, "DIAL_PLANETS", 91, 0, 0, 0},
    {14, "DIAL_PLANETS", 92, 0, 0, 0},
    {15, "DIAL_PLANETS", 93, 0, 0, 0},
    {16, "DIAL_PLANETS", 106, 1, 0, 1},
    {17, "DIAL_PLANET_ANGLE", 0, 0, 0, 0},
    {18, "DIAL_YEAR", 82, 0, 0, 0},
    {19, "DIAL_YEAR", 83, 0, 0, 0},
    {20, "DIAL_YEAR", 84, 0, 0, 0},
    {21, "DIAL_YEAR", 85, 0, 0, 0},
    {22, "DIAL_YEAR", 86, 0, 0, 0},
    {23, "DIAL_YEAR", 87, 0, 0, 0},
    {24, "DIAL_YEAR_MONTH", 88, 0, 0, 0},
    {25, "DIAL_YEAR_RANGE", 1000, 0, 0, 0},
    // Movies.
    {61, "DIAL_DN_MOVIE", 0, 0, 0, 0},
    {62, "DIAL_EC_MOVIES", 63, 0, 0, 0},
    {63, "DIAL_EC_MOVIES", 64, 0, 0, 0},
    {64, "DIAL_PL_MOVIE", 0, 0, 0, 0},
    {65, "DIAL_JM_MOVIES", 66, 0, 0, 0},
    {66, "DIAL_JM_MOVIES", 67, 0, 0, 0},
    {67, "DIAL_BS_MOVIE", 0, 0, 0, 0},
};

} // namespace

bool CommandDialogOf(int id, CommandDialog& dialog) {
    for (const Entry& entry : kEntries) {
        if (entry.id == id) {
            dialog.templateName = entry.templateName;
            dialog.titleId = entry.titleId;
            dialog.includeEarth = entry.includeEarth;
            dialog.showMonthFields = entry.showMonthFields;
            dialog.showDistance = entry.showDistance;
            return true;
        }
    }
    return false;
}

bool RefusedAtLatitude(int id, double latitudeDegrees) {
    return (id == 21 || id == 22 || id == 92) && latitudeDegrees > 60.0;
}
