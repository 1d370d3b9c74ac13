// The main window's parts and what they share. The window procedure,
// start-up and shutdown, keys and scrolling are in main_window.cpp; menu
// commands go through the command table in command_dispatch.cpp; a report
// command runs in report_runner.cpp; painting (reports, snapshots, graphs)
// is main_window_paint.cpp; help, and F1 on menus and dialogs, menu_help.cpp.
#pragma once

#include "engine/location.h"
#include "graphs/page_mapping.h"
#include "reports/report_buffer.h"
#include "settings/commands.h"
#include "shell/report_view.h"

#include <windows.h>

constexpr int kTitleSize = 81;
constexpr UINT_PTR kMovieTimer = 1;
constexpr UINT kMovieTimerPeriod = 250;
// Posted once the menu in which F1 was pressed has closed; wParam is the
// help context of its highlighted item.
constexpr UINT kMenuHelpMessage = WM_APP + 1;

// Everything the main window owns for the whole run.
struct MainWindowState {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    HACCEL accelerators = nullptr;
    int currentCommand = 0;
    bool drawingGraph = false;
    ReportBuffer report;
    DrawingSize drawing;
    bool resized = false;
    Location location = {};
    bool starDatabaseLoaded = false;
};

extern MainWindowState g_main;
extern ReportView g_reportView;

// main_window.cpp: the fatal errors of module CAELOR, the snapshot, the
// movie timer, repainting, and the end of the program.
[[noreturn]] void MainWindowFatal(int messageId, long line);
bool SnapshotHeld();
int PictureSource();
void RestartTimer();
void Repaint();
[[noreturn]] void ExitRoutine();

// command_dispatch.cpp: WM_COMMAND, and the input dialog of a command.
void DispatchCommand(int id);
bool AskFor(const CommandRow& row);

// report_runner.cpp: a report command whose menus are already greyed.
void RunReportCommand(const CommandRow& row);

// main_window_paint.cpp: WM_PAINT.
void PaintMainWindow();

// menu_help.cpp: the help file (found at start-up, closed at the end), help
// through the program's help window (a failure is fatal IDS_HELP_ERROR), and F1 on the
// highlighted menu item (WM_MENUSELECT tracks it, WM_ENTERIDLE sees the key,
// and a request is forgotten when the menu loop ends or the focus leaves).
void StartHelp();
void QuitHelp();
void OpenHelp(UINT command, ULONG_PTR data);
void OpenHelpKeyword(const char* keyword);
void OnMenuSelect(UINT item, UINT flags, HMENU menu);
void OnEnterIdle(WPARAM source, LPARAM owner);
void ForgetMenuHelp();
