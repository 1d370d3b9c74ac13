// Menu commands: each is looked up once in the command table, and its row
// says whether it runs a report, draws a graph, plays a movie or does one of
// the other commands of the menus.

#include "shell/main_window.h"

#include "graphs/graphics.h"
#include "reports/host_hooks.h"
#include "settings/dialog_params.h"
#include "shell/about_dialog.h"
#include "shell/bitmaps.h"
#include "shell/clipboard.h"
#include "shell/colors_dialog.h"
#include "shell/errors.h"
#include "shell/input_dialogs.h"
#include "shell/location_dialog.h"
#include "shell/menu_state.h"
#include "shell/movie_player.h"
#include "shell/printing.h"
#include "shell/scroll_bars.h"

#include <cstring>

namespace {

void SetMenuCheck(HMENU menu, UINT id, bool checked) {
    if (CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) ==
        static_cast<DWORD>(-1)) {
        ShellFatalError(IDS_MENU_ERROR, "MENUFCNS", __LINE__);
    }
}

// The shell's half of the command table's dialog column: the procedure of
// each dialog template a row names.
struct DialogProcedure {
    const char* templateName;
    DLGPROC procedure;
};

constexpr DialogProcedure kDialogProcedures[] = {
    {"DIAL_YEAR", YearDialogProc},
    {"DIAL_YEAR_MONTH", YearMonthDialogProc},
    {"DIAL_YEAR_MR", YearMonthRangeDialogProc},
    {"DIAL_YEAR_RANGE", YearRangeDialogProc},
    {"DIAL_PLANETS", PlanetsDialogProc},
    {"DIAL_PLANET_ANGLE", PlanetAngleDialogProc},
    {"DIAL_PLANET_APSIDES", PlanetApsidesDialogProc},
    {"DIAL_JM_GRAPH", JupiterMoonsGraphDialogProc},
    {"DIAL_JM_MOVIES", JupiterMoonsMovieDialogProc},
    {"DIAL_EC_MOVIES", EclipticMovieDialogProc},
    {"DIAL_DN_MOVIE", DayNightMovieDialogProc},
    {"DIAL_BS_MOVIE", BinaryStarMovieDialogProc},
    {"DIAL_PL_MOVIE", PlanetariumMovieDialogProc},
};

} // namespace

// Runs the input dialog of a command with its title and options; true when
// it was accepted or the command asks nothing.
bool AskFor(const CommandRow& row) {
    const CommandDialog& dialog = row.dialog;
    if (dialog.templateName == nullptr) {
        return true;
    }
    for (const DialogProcedure& entry : kDialogProcedures) {
        if (std::strcmp(entry.templateName, dialog.templateName) == 0) {
            CurrentDialogParams.titleId = dialog.titleId;
            CurrentDialogParams.includeEarth = dialog.includeEarth;
            CurrentDialogParams.showMonthFields = dialog.showMonthFields;
            CurrentDialogParams.showDistance = dialog.showDistance;
            RunDialog(g_main.window, entry.templateName, entry.procedure);
            return DialogCancelled == 0;
        }
    }
    MainWindowFatal(IDS_INTERNAL_ERROR, __LINE__);
}

namespace {

// Graphs and movies: their dialogs run and their values stay in the dialog
// record for the drawing.
bool RunGraphDialog(const CommandRow& row) {
    const bool accepted = AskFor(row);
    if (accepted && row.command == IDM_MOVIE_PLANETARIUM) {
        // Without a tracked body the scroll bars steer the view.
        if (CurrentDialogParams.noTracking) {
            ShowScrollBars(g_main.window, kBothScrollBars, 180);
        } else {
            HideScrollBars(g_main.window, kBothScrollBars);
        }
    }
    return accepted;
}

void RunGraphOrMovieCommand(const CommandRow& row) {
    HideScrollBars(g_main.window, kBothScrollBars);
    g_main.currentCommand = 0;
    if (RunGraphDialog(row)) {
        g_main.currentCommand = row.command;
        if (row.kind == kMovieCommand) {
            StartMovie(row.command, g_main.location);
        }
        RestartTimer();
    } else {
        LockMenus(g_main.window, kOtherCommand, true);
    }
    FreeBitmaps();
    g_main.resized = false;
    InvalidateRect(g_main.window, nullptr, TRUE);
}

void StopCommand() {
    StopFlag = true;
    KillTimer(g_main.window, kMovieTimer);
    // The last frame stays on screen and becomes the snapshot.
    StopMovie();
    FreeBitmaps();
    SnapshotClient(g_main.window, g_main.currentCommand);
    g_main.currentCommand = 0;
    LockMenus(g_main.window, kOtherCommand, true);
}

// The commands that start no report, graph or movie.
void RunOtherCommand(int id, HMENU menu) {
    switch (id) {
    case IDM_HELP_INDEX:
        OpenHelp(HELP_INDEX, 0);
        break;
    case IDM_HELP_KEYBOARD:
        OpenHelpKeyword("keys");
        break;
    case IDM_HELP_COMMANDS:
        OpenHelpKeyword("commands");
        break;
    case IDM_HELP_USING_HELP:
        OpenHelp(HELP_HELPONHELP, 0);
        break;
    case IDM_ABOUT:
        RunDialog(g_main.window, "DIAL_ABOUT", AboutDialogProc);
        break;
    case IDM_HELP_USERS_GUIDE:
        OpenHelpKeyword("User's Guide");
        break;
    case IDM_EXIT:
        ExitRoutine();
    case IDM_PRINT:
        if (g_main.report.lineCount == 0) {
            PrintWindowPicture(g_main.window, PictureSource() == IDM_MOVIE_DAY_NIGHT);
        } else {
            PrintReport(g_main.window, g_main.report);
        }
        break;
    case IDM_PRINT_SETUP:
        PrintSetup(g_main.window);
        break;
    case IDM_SET_FONT:
        ChooseReportFont(g_main.window);
        break;
    case IDM_SLOW_DOWN:
    case IDM_SPEED_UP:
    case IDM_ZOOM_IN:
    case IDM_ZOOM_OUT:
    case IDM_JET_TRAILS:
    case IDM_REVERSE_TIME_SPEED:
    case IDM_PAUSE:
        MovieKeyCommand(g_main.window, menu, id);
        break;
    case IDM_STOP:
        StopCommand();
        break;
    case IDM_COPY:
        CopyToClipboard(g_main.window, g_main.report, PictureSource());
        break;
    case IDM_ASSIGN_COLORS:
        Repaint();
        RunDialog(g_main.window, "DIAL_ASSIGN_COLORS", AssignColorsDialogProc);
        break;
    case IDM_TICK_MARKS:
        SetMenuCheck(menu, IDM_TICK_MARKS, true);
        SetMenuCheck(menu, IDM_GRID_LINES, false);
        SetTickMarks(true);
        break;
    case IDM_GRID_LINES:
        SetMenuCheck(menu, IDM_TICK_MARKS, false);
        SetMenuCheck(menu, IDM_GRID_LINES, true);
        SetTickMarks(false);
        break;
    case IDM_SET_LOCATION:
        RunSetLocationDialog(g_main.window, g_main.location);
        break;
    case IDM_HELP_SEARCH:
        OpenHelp(HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>(""));
        break;
    default:
        break;
    }
}

} // namespace

// A menu command, looked up once in the command table.
void DispatchCommand(int id) {
    HMENU menu = GetMenu(g_main.window);
    if (menu == nullptr) {
        ShellFatalError(IDS_MENU_ERROR, "MENUFCNS", __LINE__);
    }
    const CommandRow* row = FindCommand(id);
    if (row == nullptr) {
        return;
    }
    if (id == IDM_MOVIE_PLANETARIUM && !g_main.starDatabaseLoaded) {
        ErrorBox(g_main.window, IDS_STARS_NOT_LOADED, false);
        return;
    }
    if (RefusedAtLatitude(id, g_main.location.latitude)) {
        ErrorBox(g_main.window, IDS_LATITUDE_TOO_HIGH, false);
        return;
    }
    if (row->kind != kOtherCommand) {
        // Only a new piece of work undoes a Stop; accelerators, Help and
        // Copy arriving after Esc must not.
        StopFlag = false;
        StopMovie();
        g_main.currentCommand = id;
        ReportFree(g_main.report);
        LockMenus(g_main.window, row->kind, false);
    }
    if (row->kind == kReportCommand) {
        RunReportCommand(*row);
    } else if (row->kind == kGraphCommand || row->kind == kMovieCommand) {
        RunGraphOrMovieCommand(*row);
    } else {
        RunOtherCommand(id, menu);
    }
}
