// Every menu command of the main window in one table: the kind of command,
// the input dialog it asks with, the report it writes, the help topic F1 on
// its menu item opens and the movie it plays. The main window looks a
// command up once and acts on its row; the help layer, the movies and
// caelor-cli read the same rows.
#pragma once

#include "reports/reports.h"
#include "resources/command_ids.h"

// Kinds of menu command, which are also the main window's modes.
constexpr int kReportCommand = 0;
constexpr int kGraphCommand = 1;
constexpr int kMovieCommand = 2;
constexpr int kOtherCommand = 3;

// The input dialog of a command, with the title and options the main window
// sets before it runs it.
struct CommandDialog {
    const char* templateName = nullptr; // nullptr: the command asks nothing
    int titleId = 0;                    // 0: the dialog keeps its own title
    // Options of "DIAL_PLANETS".
    int includeEarth = 0;
    int showMonthFields = 0;
    int showDistance = 0;
};

constexpr int kNoMovie = -1;

struct CommandRow {
    int command;               // IDM_*
    int kind;                  // kReportCommand .. kOtherCommand
    CommandDialog dialog;      // reports, graphs and movies
    ReportGenerator generator; // reports, else nullptr
    int helpContext;           // the topic of the command's menu item
    int movieMode;             // a movie's MovieMode, else kNoMovie
};

// The row of a menu command; nullptr for an id no menu item has (0 included).
const CommandRow* FindCommand(int id);

// Every row, in menu order.
extern const CommandRow kCommandRows[];
extern const int kCommandRowCount;

// The kind of command id; kOtherCommand for an id without a row.
int CommandKind(int id);

// Analemma, Sunrise and Twilight above 60 degrees of latitude, north or
// south, where the Sun need not rise or set each day.
bool RefusedAtLatitude(int id, double latitudeDegrees);
