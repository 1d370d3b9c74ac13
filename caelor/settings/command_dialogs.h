// Which input dialog each report, graph and movie command runs, with the
// title and options the main window sets before it, and the commands
// refused at high latitudes. Pure decisions for the main window's dispatch.
#pragma once

struct CommandDialog {
    const char* templateName = nullptr; // nullptr: the command asks nothing
    int titleId = 0;                    // 0: the dialog keeps its own title
    // Options of "DIAL_PLANETS".
    int includeEarth = 0;
    int showMonthFields = 0;
    int showDistance = 0;
};

// The dialog of command id (reports 80 .. 93 and 141, graphs 11 .. 25,
// movies 61 .. 67); false for any other id.
bool CommandDialogOf(int id, CommandDialog& dialog);

// Analemma (21), Sunrise (22) and Twilight (92) above 60 degrees of
// latitude, north or south, where the Sun need not rise or set each day.
bool RefusedAtLatitude(int id, double latitudeDegrees);
