// A report command: its dialog, its generator writing into the window's
// buffer while the progress line shows, and the finished report shown with
// its scroll bars.

#include "shell/main_window.h"

#include "reports/host_hooks.h"
#include "settings/dialog_params.h"
#include "shell/bitmaps.h"
#include "shell/menu_state.h"
#include "shell/scroll_bars.h"

namespace {

// Runs the dialog of a single report and, when accepted, its generator. The
// Almanac covers one year, and a cancelled Almanac counts as stopped.
void RunSingleReport(const CommandRow& row) {
    DialogParams& p = CurrentDialogParams;
    const Location place = g_main.location;
    const bool almanac = row.command == IDM_REPORT_ALMANAC;
    if (!AskFor(row)) {
        if (almanac) {
            StopFlag = true;
        }
        return;
    }
    if (almanac) {
        p.stopYear = p.year;
    }
    g_main.currentCommand = row.command;
    row.generator(ReportRequestFromDialog(p), g_main.report, place);
}

} // namespace

// The report sequence; the command is already current, the buffer freed and
// the menus greyed.
void RunReportCommand(const CommandRow& row) {
    g_main.currentCommand = 0;
    HideScrollBars(g_main.window, kBothScrollBars);
    g_main.report.complete = 0;
    FreeBitmaps();
    Repaint();

    RunSingleReport(row);

    if (!IsWindow(g_main.window)) {
        // Closed while the report ran: the window and its menus are gone and
        // the quit request ends the program.
        return;
    }
    LockMenus(g_main.window, kOtherCommand, true);
    g_main.currentCommand = 0;
    g_main.report.complete = 1;
    ShowScrollBars(g_main.window, kBothScrollBars, 0);
    Repaint();
}
