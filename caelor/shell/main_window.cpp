// Program entry and the main window: start-up and shutdown, the menu command
// dispatch, painting, scrolling and the context help of menus.

#include "engine/location.h"
#include "engine/time.h"
#include "graphs/graphics.h"
#include "graphs/graphs.h"
#include "graphs/page_mapping.h"
#include "help/help_topics.h"
#include "reports/almanac.h"
#include "reports/host_hooks.h"
#include "reports/locale.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"
#include "resources/string_table.h"
#include "settings/commands.h"
#include "settings/dialog_params.h"
#include "settings/menu_state.h"
#include "shell/about_dialog.h"
#include "shell/bitmaps.h"
#include "shell/city_database_file.h"
#include "shell/clipboard.h"
#include "shell/color_pens.h"
#include "shell/colors_dialog.h"
#include "shell/errors.h"
#include "shell/fp_control.h"
#include "shell/gdi_surface.h"
#include "shell/help.h"
#include "shell/input_dialogs.h"
#include "shell/location_dialog.h"
#include "shell/menu_state.h"
#include "shell/movie_player.h"
#include "shell/printing.h"
#include "shell/report_view.h"
#include "shell/scroll_bars.h"
#include "shell/star_database.h"
#include "shell/surface.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr int kTitleSize = 81;
constexpr UINT_PTR kMovieTimer = 1;
constexpr UINT kMovieTimerPeriod = 250;
// Posted once the menu in which F1 was pressed has closed; wParam is the
// help context of its highlighted item.
constexpr UINT kMenuHelpMessage = WM_APP + 1;

constexpr int kInternalError = 690;
constexpr int kLatitudeTooHigh = 123;
constexpr int kStarDatabaseNotLoaded = 686;
constexpr int kGdiError = 693;
constexpr int kAcceleratorError = 694;
constexpr int kWindowError = 695;
constexpr int kTimerError = 692;
constexpr int kHelpError = 854;
constexpr int kMenuError = 860;
constexpr int kHelpFileName = 853;
constexpr int kAppName = 52;

constexpr const char* kModule = "CAELOR";

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
    // F1 was pressed in the menu that is open; a help request never
    // outlives its menu, so it cannot turn a later command into help.
    bool helpOnMenu = false;
    // The command of the highlighted menu item, 0 for a popup or none.
    int highlightedItem = 0;
    char helpFile[MAX_PATH] = {};
    Location location = {};
    bool starDatabaseLoaded = false;
};

MainWindowState g;
ReportView g_view;

[[noreturn]] void Fatal(int messageId, long line) {
    ShellFatalError(messageId, kModule, line);
}

bool SnapshotHeld() {
    return Bitmaps().Get(0) != nullptr;
}

// The command whose output the window shows as a picture: the one that drew
// the snapshot, which outlives the command (a stopped movie), or else the
// one drawing now.
int PictureSource() {
    return SnapshotHeld() ? SnapshotSource() : g.currentCommand;
}

void RestartTimer() {
    KillTimer(g.window, kMovieTimer);
    if (SetTimer(g.window, kMovieTimer, kMovieTimerPeriod, nullptr) == 0) {
        ShellFatalError(kTimerError, "TIMER", __LINE__);
    }
}

// Help through the program's help window; a failure to show it is fatal.
void Help(UINT command, ULONG_PTR data) {
    if (!ShowHelp(g.window, g.helpFile, command, data)) {
        Fatal(kHelpError, __LINE__);
    }
}

bool ShowContextHelp(HWND owner, int context) {
    return ShowHelp(owner, g.helpFile, HELP_CONTEXT, static_cast<ULONG_PTR>(context)) != FALSE;
}

void HelpKeyword(const char* keyword) {
    Help(HELP_KEY, reinterpret_cast<ULONG_PTR>(keyword));
}

// Frees everything the window holds; shared by the exit routine and the
// destroy message. Closing help never fails the exit.
void ReleaseEverything() {
    KillTimer(g.window, kMovieTimer);
    ShowHelp(g.window, g.helpFile, HELP_QUIT, 0);
    FreeBitmaps();
    DeleteColorPens();
    ReportFree(g.report);
    FreeStarDatabase();
    FreeCityDatabase();
}

void AskToSaveSettings() {
    AskToSaveCityDatabase(g.window);
    SaveColors(g.window, false);
}

[[noreturn]] void ExitRoutine() {
    AskToSaveSettings();
    ReleaseEverything();
    ExitProcess(0);
}

void Repaint() {
    InvalidateRect(g.window, nullptr, TRUE);
    UpdateWindow(g.window);
}

void SetMenuCheck(HMENU menu, UINT id, bool checked) {
    if (CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) ==
        static_cast<DWORD>(-1)) {
        ShellFatalError(kMenuError, "MENUFCNS", __LINE__);
    }
}

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
            RunDialog(g.window, entry.templateName, entry.procedure);
            return DialogCancelled == 0;
        }
    }
    Fatal(kInternalError, __LINE__);
}

// Runs the dialog of a single report and, when accepted, its generator. The
// Almanac covers one year, and a cancelled Almanac counts as stopped.
void RunSingleReport(const CommandRow& row) {
    DialogParams& p = CurrentDialogParams;
    const Location place = g.location;
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
    g.currentCommand = row.command;
    row.generator(ReportRequestFromDialog(p), g.report, place);
}

// The report sequence; the command is already current, the buffer freed and
// the menus greyed.
void RunReportCommand(const CommandRow& row) {
    g.currentCommand = 0;
    HideScrollBars(g.window, kBothScrollBars);
    g.report.complete = 0;
    FreeBitmaps();
    Repaint();

    RunSingleReport(row);

    if (!IsWindow(g.window)) {
        // Closed while the report ran: the window and its menus are gone and
        // the quit request ends the program.
        return;
    }
    LockMenus(g.window, kOtherCommand, true);
    g.currentCommand = 0;
    g.report.complete = 1;
    ShowScrollBars(g.window, kBothScrollBars, 0);
    Repaint();
}

// Graphs and movies: their dialogs run and their values stay in the dialog
// record for the drawing.
bool RunGraphDialog(const CommandRow& row) {
    const bool accepted = AskFor(row);
    if (accepted && row.command == IDM_MOVIE_PLANETARIUM) {
        // Without a tracked body the scroll bars steer the view.
        if (CurrentDialogParams.noTracking) {
            ShowScrollBars(g.window, kBothScrollBars, 180);
        } else {
            HideScrollBars(g.window, kBothScrollBars);
        }
    }
    return accepted;
}

void RunGraphOrMovieCommand(const CommandRow& row) {
    HideScrollBars(g.window, kBothScrollBars);
    g.currentCommand = 0;
    if (RunGraphDialog(row)) {
        g.currentCommand = row.command;
        if (row.kind == kMovieCommand) {
            StartMovie(row.command, g.location);
        }
        RestartTimer();
    } else {
        LockMenus(g.window, kOtherCommand, true);
    }
    FreeBitmaps();
    g.resized = false;
    InvalidateRect(g.window, nullptr, TRUE);
}

void StopCommand() {
    StopFlag = true;
    KillTimer(g.window, kMovieTimer);
    // The last frame stays on screen and becomes the snapshot.
    StopMovie();
    FreeBitmaps();
    SnapshotClient(g.window, g.currentCommand);
    g.currentCommand = 0;
    LockMenus(g.window, kOtherCommand, true);
}

// The Planetarium's scroll bars steer its free view; each message puts the
// thumb back in the middle.
void OnPlanetariumScroll(UINT message, int code, int position) {
    const int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
    if (MovieScroll(message == WM_HSCROLL ? 0 : 1, code, position)) {
        KillTimer(g.window, kMovieTimer);
    } else if (code == SB_THUMBPOSITION) {
        RestartTimer();
    }
    SetScrollPos(g.window, bar, 180, TRUE);
}

// The commands that start no report, graph or movie.
void RunOtherCommand(int id, HMENU menu) {
    switch (id) {
    case IDM_HELP_INDEX:
        Help(HELP_INDEX, 0);
        break;
    case IDM_HELP_KEYBOARD:
        HelpKeyword("keys");
        break;
    case IDM_HELP_COMMANDS:
        HelpKeyword("commands");
        break;
    case IDM_HELP_USING_HELP:
        Help(HELP_HELPONHELP, 0);
        break;
    case IDM_ABOUT:
        RunDialog(g.window, "DIAL_ABOUT", AboutDialogProc);
        break;
    case IDM_HELP_USERS_GUIDE:
        HelpKeyword("User's Guide");
        break;
    case IDM_EXIT:
        ExitRoutine();
    case IDM_PRINT:
        if (g.report.lineCount == 0) {
            PrintWindowPicture(g.window, PictureSource() == IDM_MOVIE_DAY_NIGHT);
        } else {
            PrintReport(g.window, g.report);
        }
        break;
    case IDM_PRINT_SETUP:
        PrintSetup(g.window);
        break;
    case IDM_SET_FONT:
        ChooseReportFont(g.window);
        break;
    case IDM_SLOW_DOWN:
    case IDM_SPEED_UP:
    case IDM_ZOOM_IN:
    case IDM_ZOOM_OUT:
    case IDM_JET_TRAILS:
    case IDM_REVERSE_TIME_SPEED:
    case IDM_PAUSE:
        MovieKeyCommand(g.window, menu, id);
        break;
    case IDM_STOP:
        StopCommand();
        break;
    case IDM_COPY:
        CopyToClipboard(g.window, g.report, PictureSource());
        break;
    case IDM_ASSIGN_COLORS:
        Repaint();
        RunDialog(g.window, "DIAL_ASSIGN_COLORS", AssignColorsDialogProc);
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
        RunSetLocationDialog(g.window, g.location);
        break;
    case IDM_HELP_SEARCH:
        Help(HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>(""));
        break;
    default:
        break;
    }
}

// A menu command, looked up once in the command table.
void OnCommand(int id) {
    HMENU menu = GetMenu(g.window);
    if (menu == nullptr) {
        ShellFatalError(kMenuError, "MENUFCNS", __LINE__);
    }
    const CommandRow* row = FindCommand(id);
    if (row == nullptr) {
        return;
    }
    if (id == IDM_MOVIE_PLANETARIUM && !g.starDatabaseLoaded) {
        ErrorBox(g.window, kStarDatabaseNotLoaded, false);
        return;
    }
    if (RefusedAtLatitude(id, g.location.latitude)) {
        ErrorBox(g.window, kLatitudeTooHigh, false);
        return;
    }
    if (row->kind != kOtherCommand) {
        // Only a new piece of work undoes a Stop; accelerators, Help and
        // Copy arriving after Esc must not.
        StopFlag = false;
        StopMovie();
        g.currentCommand = id;
        ReportFree(g.report);
        LockMenus(g.window, row->kind, false);
    }
    if (row->kind == kReportCommand) {
        RunReportCommand(*row);
    } else if (row->kind == kGraphCommand || row->kind == kMovieCommand) {
        RunGraphOrMovieCommand(*row);
    } else {
        RunOtherCommand(id, menu);
    }
}

void OnCreate(HWND window) {
    g.window = window;
    MaskFloatingPointExceptions();
    char fileName[kTitleSize];
    LoadText(kHelpFileName, fileName, sizeof fileName);
    DataFilePath(fileName, g.helpFile, sizeof g.helpFile);
    SetHelpContextHandler(ShowContextHelp);

    LoadColors();
    LoadCityDatabase(window, g.location);
    SetDialogDefaults(ClockJulianDay());

    HDC dc = GetDC(window);
    if (dc == nullptr) {
        Fatal(kGdiError, __LINE__);
    }
    HFONT oldFont = PrepareSurface(dc, 1, 0, 0, true);
    const int charWidth = CharWidth(dc);
    const int lineHeight = LineHeight(dc);
    SelectObject(dc, oldFont);
    if (!ReleaseDC(window, dc)) {
        Fatal(kGdiError, __LINE__);
    }
    g_view.SetWindow(window, charWidth, lineHeight, &g.report);

    g.starDatabaseLoaded = LoadStarDatabase(window);

    if (SetTimer(window, kMovieTimer, kMovieTimerPeriod, nullptr) == 0) {
        ShellFatalError(kTimerError, "TIMER", __LINE__);
    }
}

void OnSize(int width, int height) {
    g.resized = true;
    g.drawing.OnClientSize(width, height);
    FreeBitmaps();
    RestartTimer();
}

// Draws the current graph into the paint DC. The command is parked while
// drawing, so a paint dispatched by the graph's own message pump does not
// start it again; a Stop forgets it, a resize has it drawn again whole.
void PaintGraph(HDC dc) {
    const int id = g.currentCommand;
    LockMenus(g.window, kGraphCommand, false);
    g.currentCommand = 0;
    g.drawingGraph = true;
    g.resized = false;
    HMENU menu = GetMenu(g.window);
    SetTickMarks(menu != nullptr &&
                 (GetMenuState(menu, IDM_TICK_MARKS, MF_BYCOMMAND) & MF_CHECKED) != 0);
    {
        GdiSurface surface(dc, g.drawing.Width(), g.drawing.Height());
        surface.Prepare(kPageMapping, g.drawing.Width(), g.drawing.Height(), true);
        DrawGraph(surface, id, GraphParamsFromDialog(CurrentDialogParams, g.location));
    }
    g.drawingGraph = false;
    if (!IsWindow(g.window) || StopFlag) {
        return;
    }
    g.currentCommand = id;
    if (g.resized) {
        InvalidateRect(g.window, nullptr, TRUE);
    }
}

// After a graph's paint: the menus come back, and a graph drawn whole is
// kept as the snapshot that later repaints, Copy and Print use.
void AfterGraphPaint() {
    if (!IsWindow(g.window)) {
        return;
    }
    LockMenus(g.window, kOtherCommand, true);
    RECT pending;
    if (CommandKind(g.currentCommand) == kGraphCommand && !g.resized &&
        !GetUpdateRect(g.window, &pending, FALSE) && GetFocus() == g.window) {
        SnapshotClient(g.window, g.currentCommand);
    }
}

void OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(g.window, &paint);
    if (dc == nullptr) {
        Fatal(kGdiError, __LINE__);
    }
    const int kind = CommandKind(g.currentCommand);
    if (g.drawingGraph) {
        // The graph in progress ends and is redrawn whole, so no unpainted
        // hole gets into its snapshot.
        g.resized = true;
    } else if ((kind == kMovieCommand || kind == kOtherCommand) && !SnapshotHeld() &&
               g.report.lineCount == 0) {
        // Nothing to show.
    } else if (g.report.lineCount > 0) {
        HFONT oldFont = PrepareSurface(dc, 1, 0, 0, true);
        g_view.Paint(dc, g.drawing.Height());
        SelectObject(dc, oldFont);
    } else if (SnapshotHeld()) {
        PaintSnapshot(dc, g.drawing.Width(), g.drawing.Height());
    } else if (kind == kGraphCommand) {
        PaintGraph(dc);
        EndPaint(g.window, &paint);
        AfterGraphPaint();
        return;
    } else if (kind != kMovieCommand && kind != kReportCommand) {
        LockMenus(g.window, kOtherCommand, true);
    }
    EndPaint(g.window, &paint);
}

void OnKeyDown(WPARAM key) {
    switch (key) {
    case VK_PRIOR:
        SendMessageA(g.window, WM_VSCROLL, SB_PAGEUP, 0);
        break;
    case VK_NEXT:
        SendMessageA(g.window, WM_VSCROLL, SB_PAGEDOWN, 0);
        break;
    case VK_END:
        SendMessageA(g.window, WM_VSCROLL, SB_BOTTOM, 0);
        break;
    case VK_HOME:
        SendMessageA(g.window, WM_VSCROLL, SB_TOP, 0);
        break;
    case VK_LEFT:
        SendMessageA(g.window, WM_HSCROLL, SB_LINEUP, 0);
        break;
    case VK_UP:
        SendMessageA(g.window, WM_VSCROLL, SB_LINEUP, 0);
        break;
    case VK_RIGHT:
        SendMessageA(g.window, WM_HSCROLL, SB_LINEDOWN, 0);
        break;
    case VK_DOWN:
        SendMessageA(g.window, WM_VSCROLL, SB_LINEDOWN, 0);
        break;
    case VK_F1:
        Help(HELP_INDEX, 0);
        GetAsyncKeyState(VK_F1);
        break;
    default:
        break;
    }
}

void OnEnterIdle(WPARAM source, LPARAM owner) {
    if ((GetAsyncKeyState(VK_F1) & 0x8001) == 0) {
        return;
    }
    if (source == MSGF_DIALOGBOX) {
        if (!CommonDialogOpen()) {
            PostMessageA(reinterpret_cast<HWND>(owner), kHelpRequestMessage, 0, 0);
        }
    } else if (source == MSGF_MENU && !g.helpOnMenu) {
        // The highlighted item is shown as help, not chosen: choosing a
        // greyed item would send nothing. The menu closes first and the
        // topic opens once its loop has ended.
        const int context = HelpContextOf(g.highlightedItem);
        if (context >= 0) {
            g.helpOnMenu = true;
            EndMenu();
            PostMessageA(g.window, kMenuHelpMessage, static_cast<WPARAM>(context), 0);
        }
    }
}

void OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    if (flags == 0xFFFF && menu == nullptr) {
        // The menu has closed.
        g.helpOnMenu = false;
        g.highlightedItem = 0;
        RestartTimer();
        return;
    }
    g.highlightedItem = (flags & (MF_POPUP | MF_SEPARATOR)) != 0 ? 0 : static_cast<int>(item);
}

void OnInitMenu(HMENU menu) {
    MenuView view;
    view.currentCommand = g.currentCommand;
    view.reportPresent = g.report.lineCount > 0;
    view.screenImageHeld = SnapshotHeld();
    view.busy = g.drawingGraph;
    view.timeSpeed = CurrentDialogParams.timeSpeed;
    view.viewAngle = CurrentDialogParams.viewAngle;
    view.dayNightStep = CurrentDialogParams.dayNightSpeed;
    MovieMenuView(view);
    RefreshMenuState(menu, view);
    KillTimer(g.window, kMovieTimer);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    g.window = hwnd;
    switch (message) {
    case WM_CREATE:
        OnCreate(hwnd);
        return 0;
    case WM_DESTROY:
        ReleaseEverything();
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        GetAsyncKeyState(VK_F1);
        g.resized = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        RestartTimer();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_CLOSE:
        AskToSaveSettings();
        break;
    case WM_ENDSESSION:
        if (wParam) {
            AskToSaveSettings();
        }
        return 0;
    case WM_WININICHANGE:
        ReloadLocaleSettings();
        FreeBitmaps();
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_KEYUP:
        RestartTimer();
        break;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            ExitRoutine();
        }
        break;
    case WM_TIMER:
        if (wParam == kMovieTimer && CommandKind(g.currentCommand) == kMovieCommand) {
            MovieTick(hwnd, g.drawing.Width(), g.drawing.Height());
        }
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (g.currentCommand == IDM_MOVIE_PLANETARIUM) {
            OnPlanetariumScroll(message, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        }
        if (g.report.lineCount >= 1) {
            g_view.Scroll(message, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        }
        return 0;
    case WM_INITMENU:
        OnInitMenu(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case WM_EXITMENULOOP:
    case WM_KILLFOCUS:
        g.helpOnMenu = false;
        g.highlightedItem = 0;
        break;
    case WM_ENTERIDLE:
        OnEnterIdle(wParam, lParam);
        break;
    case kMenuHelpMessage:
        Help(HELP_CONTEXT, static_cast<ULONG_PTR>(wParam));
        return 0;
    default:
        if (message == MovieProbeMessage()) {
            return MovieProbe(hwnd, wParam, g.currentCommand);
        }
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The widest character of the system fixed font, which sizes the window so
// that reports of 80 columns fit.
int FixedFontCharWidth() {
    HDC dc = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    if (dc == nullptr) {
        Fatal(kGdiError, __LINE__);
    }
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
    if (old == nullptr) {
        Fatal(kGdiError, __LINE__);
    }
    TEXTMETRICA metrics;
    if (!GetTextMetricsA(dc, &metrics)) {
        Fatal(kGdiError, __LINE__);
    }
    SelectObject(dc, old);
    if (!DeleteDC(dc)) {
        Fatal(kGdiError, __LINE__);
    }
    return metrics.tmMaxCharWidth;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand) {
    SetReportHost(&g_view);
    g.instance = instance;
    char appName[kTitleSize];
    LoadText(kAppName, appName, kTitleSize);

    if (previous == nullptr) {
        WNDCLASSA wc = {};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = MainWindowProc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconA(instance, "ICON");
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszMenuName = "MENUS";
        wc.lpszClassName = appName;
        if (!RegisterClassA(&wc)) {
            Fatal(kWindowError, __LINE__);
        }
    }

    const int charWidth = FixedFontCharWidth();
    HWND window = CreateWindowA(appName, appName, WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL,
                                CW_USEDEFAULT, CW_USEDEFAULT, 72 * charWidth, 54 * charWidth,
                                nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        Fatal(kWindowError, __LINE__);
    }
    HideScrollBars(window, kBothScrollBars);
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    g.accelerators = LoadAcceleratorsA(instance, "ACCELERATORS");
    if (g.accelerators == nullptr) {
        Fatal(kAcceleratorError, __LINE__);
    }
    g_view.Attach(window, g.accelerators, &g.resized);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(window, g.accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
