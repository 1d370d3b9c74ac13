// Program entry and the main window: start-up and shutdown, the window
// procedure that hands each message to its part, keys and scrolling.

#include "shell/main_window.h"

#include "engine/time.h"
#include "reports/host_hooks.h"
#include "reports/locale.h"
#include "resources/string_table.h"
#include "settings/dialog_params.h"
#include "settings/menu_state.h"
#include "shell/bitmaps.h"
#include "shell/city_database_file.h"
#include "shell/color_pens.h"
#include "shell/errors.h"
#include "shell/fp_control.h"
#include "shell/menu_state.h"
#include "shell/movie_player.h"
#include "shell/scroll_bars.h"
#include "shell/star_database.h"
#include "shell/surface.h"

MainWindowState g_main;
ReportView g_reportView;

[[noreturn]] void MainWindowFatal(int messageId, long line) {
    ShellFatalError(messageId, "CAELOR", line);
}

bool SnapshotHeld() {
    return Bitmaps().Get(0) != nullptr;
}

// The command whose output the window shows as a picture: the one that drew
// the snapshot, which outlives the command (a stopped movie), or else the
// one drawing now.
int PictureSource() {
    return SnapshotHeld() ? SnapshotSource() : g_main.currentCommand;
}

void RestartTimer() {
    KillTimer(g_main.window, kMovieTimer);
    if (SetTimer(g_main.window, kMovieTimer, kMovieTimerPeriod, nullptr) == 0) {
        ShellFatalError(IDS_TIMER_ERROR, "TIMER", __LINE__);
    }
}

namespace {

// Frees everything the window holds; shared by the exit routine and the
// destroy message.
void ReleaseEverything() {
    KillTimer(g_main.window, kMovieTimer);
    QuitHelp();
    FreeBitmaps();
    DeleteColorPens();
    ReportFree(g_main.report);
    FreeStarDatabase();
    FreeCityDatabase();
}

void AskToSaveSettings() {
    AskToSaveCityDatabase(g_main.window);
    SaveColors(g_main.window, false);
}

} // namespace

[[noreturn]] void ExitRoutine() {
    AskToSaveSettings();
    ReleaseEverything();
    ExitProcess(0);
}

void Repaint() {
    InvalidateRect(g_main.window, nullptr, TRUE);
    UpdateWindow(g_main.window);
}

namespace {

void OnCreate(HWND window) {
    g_main.window = window;
    MaskFloatingPointExceptions();
    StartHelp();

    LoadColors();
    LoadCityDatabase(window, g_main.location);
    SetDialogDefaults(ClockJulianDay());

    HDC dc = GetDC(window);
    if (dc == nullptr) {
        MainWindowFatal(IDS_GDI_ERROR, __LINE__);
    }
    HFONT oldFont = PrepareSurface(dc, 1, 0, 0, true);
    const int charWidth = CharWidth(dc);
    const int lineHeight = LineHeight(dc);
    SelectObject(dc, oldFont);
    if (!ReleaseDC(window, dc)) {
        MainWindowFatal(IDS_GDI_ERROR, __LINE__);
    }
    g_reportView.SetWindow(window, charWidth, lineHeight, &g_main.report);

    g_main.starDatabaseLoaded = LoadStarDatabase(window);

    if (SetTimer(window, kMovieTimer, kMovieTimerPeriod, nullptr) == 0) {
        ShellFatalError(IDS_TIMER_ERROR, "TIMER", __LINE__);
    }
}

void OnSize(int width, int height) {
    g_main.resized = true;
    g_main.drawing.OnClientSize(width, height);
    FreeBitmaps();
    RestartTimer();
}

// The Planetarium's scroll bars steer its free view; each message puts the
// thumb back in the middle.
void OnPlanetariumScroll(UINT message, int code, int position) {
    const int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
    if (MovieScroll(message == WM_HSCROLL ? 0 : 1, code, position)) {
        KillTimer(g_main.window, kMovieTimer);
    } else if (code == SB_THUMBPOSITION) {
        RestartTimer();
    }
    SetScrollPos(g_main.window, bar, 180, TRUE);
}

void OnKeyDown(WPARAM key) {
    switch (key) {
    case VK_PRIOR:
        SendMessageA(g_main.window, WM_VSCROLL, SB_PAGEUP, 0);
        break;
    case VK_NEXT:
        SendMessageA(g_main.window, WM_VSCROLL, SB_PAGEDOWN, 0);
        break;
    case VK_END:
        SendMessageA(g_main.window, WM_VSCROLL, SB_BOTTOM, 0);
        break;
    case VK_HOME:
        SendMessageA(g_main.window, WM_VSCROLL, SB_TOP, 0);
        break;
    case VK_LEFT:
        SendMessageA(g_main.window, WM_HSCROLL, SB_LINEUP, 0);
        break;
    case VK_UP:
        SendMessageA(g_main.window, WM_VSCROLL, SB_LINEUP, 0);
        break;
    case VK_RIGHT:
        SendMessageA(g_main.window, WM_HSCROLL, SB_LINEDOWN, 0);
        break;
    case VK_DOWN:
        SendMessageA(g_main.window, WM_VSCROLL, SB_LINEDOWN, 0);
        break;
    case VK_F1:
        OpenHelp(HELP_INDEX, 0);
        GetAsyncKeyState(VK_F1);
        break;
    default:
        break;
    }
}

void OnInitMenu(HMENU menu) {
    MenuView view;
    view.currentCommand = g_main.currentCommand;
    view.reportPresent = g_main.report.lineCount > 0;
    view.screenImageHeld = SnapshotHeld();
    view.busy = g_main.drawingGraph;
    view.timeSpeed = CurrentDialogParams.timeSpeed;
    view.viewAngle = CurrentDialogParams.viewAngle;
    view.dayNightStep = CurrentDialogParams.dayNightSpeed;
    MovieMenuView(view);
    RefreshMenuState(menu, view);
    KillTimer(g_main.window, kMovieTimer);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    g_main.window = hwnd;
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
        g_main.resized = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        RestartTimer();
        return 0;
    case WM_PAINT:
        PaintMainWindow();
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
        DispatchCommand(LOWORD(wParam));
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            ExitRoutine();
        }
        break;
    case WM_TIMER:
        if (wParam == kMovieTimer && CommandKind(g_main.currentCommand) == kMovieCommand) {
            MovieTick(hwnd, g_main.drawing.Width(), g_main.drawing.Height());
        }
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (g_main.currentCommand == IDM_MOVIE_PLANETARIUM) {
            OnPlanetariumScroll(message, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        }
        if (g_main.report.lineCount >= 1) {
            g_reportView.Scroll(message, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
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
        ForgetMenuHelp();
        break;
    case WM_ENTERIDLE:
        OnEnterIdle(wParam, lParam);
        break;
    case kMenuHelpMessage:
        OpenHelp(HELP_CONTEXT, static_cast<ULONG_PTR>(wParam));
        return 0;
    default:
        if (message == MovieProbeMessage()) {
            return MovieProbe(hwnd, wParam, g_main.currentCommand);
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
        MainWindowFatal(IDS_GDI_ERROR, __LINE__);
    }
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
    if (old == nullptr) {
        MainWindowFatal(IDS_GDI_ERROR, __LINE__);
    }
    TEXTMETRICA metrics;
    if (!GetTextMetricsA(dc, &metrics)) {
        MainWindowFatal(IDS_GDI_ERROR, __LINE__);
    }
    SelectObject(dc, old);
    if (!DeleteDC(dc)) {
        MainWindowFatal(IDS_GDI_ERROR, __LINE__);
    }
    return metrics.tmMaxCharWidth;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand) {
    SetReportHost(&g_reportView);
    g_main.instance = instance;
    char appName[kTitleSize];
    LoadText(IDS_APP_NAME, appName, kTitleSize);

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
            MainWindowFatal(IDS_WINDOW_ERROR, __LINE__);
        }
    }

    const int charWidth = FixedFontCharWidth();
    HWND window = CreateWindowA(appName, appName, WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL,
                                CW_USEDEFAULT, CW_USEDEFAULT, 72 * charWidth, 54 * charWidth,
                                nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        MainWindowFatal(IDS_WINDOW_ERROR, __LINE__);
    }
    HideScrollBars(window, kBothScrollBars);
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    g_main.accelerators = LoadAcceleratorsA(instance, "ACCELERATORS");
    if (g_main.accelerators == nullptr) {
        MainWindowFatal(IDS_ACCELERATOR_ERROR, __LINE__);
    }
    g_reportView.Attach(window, g_main.accelerators, &g_main.resized);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(window, g_main.accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
