#include "app/bar_window.h"

#include "app/about_dialog.h"
#include "app/launcher_app.h"
#include "app/menu_editor_dialog.h"
#include "app/menu_popup_window.h"
#include "app/menu_properties_dialog.h"
#include "app/options_dialog.h"
#include "app/platform.h"
#include "app/resource.h"
#include "app/shell_warning_dialog.h"
#include "core/clock.h"
#include "core/eyes.h"
#include "core/launch.h"
#include "framework/message_box.h"

#include <shellapi.h>

#include <vector>

namespace {

const char kBarTitle[] = "VarnixPC";
const char kBarClass[] = "VarnixPCBar";
constexpr UINT_PTR kClockTimer = 1;
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

HFONT CreateBarFont(int weight) {
    return CreateFontA(-12, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 32, "MS Sans Serif");
}

// Draws a bitmap resource at (x, y) over width x height pixels.
void DrawBitmap(HDC dc, int id, int x, int y, int width, int height) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (bitmap == nullptr) {
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    if (memory != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(dc, x, y, width, height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    DeleteObject(bitmap);
}

RECT ToRECT(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

} // namespace

CMyWnd::CMyWnd() = default;

CMyWnd::~CMyWnd() {
    if (leftSocket_ != nullptr) {
        DeleteObject(leftSocket_);
    }
    if (rightSocket_ != nullptr) {
        DeleteObject(rightSocket_);
    }
    if (normalFont_ != nullptr) {
        DeleteObject(normalFont_);
    }
    if (boldFont_ != nullptr) {
        DeleteObject(boldFont_);
    }
}

const char* CMyWnd::ClassName() const {
    return kBarClass;
}

bool CMyWnd::Create() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS | CS_NOCLOSE | CS_OWNDC | CS_DBLCLKS;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_VARNIXPC));
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VARNIXPC));
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kBarClass;
    if (!RegisterWindowClass(wc)) {
        return false;
    }
    if (!CreateEx(WS_EX_TOPMOST, kBarClass, kBarTitle, WS_POPUP, 0, 0, 640, 20, nullptr)) {
        return false;
    }
    SetWindowPos(Handle(), nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), 20,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

int CMyWnd::OnCreate() {
    normalFont_ = CreateBarFont(FW_NORMAL);
    boldFont_ = CreateBarFont(FW_BOLD);
    HDC dc = GetDC(Handle());
    if (dc != nullptr) {
        screenWidth_ = GetDeviceCaps(dc, HORZRES);
        screenHeight_ = GetDeviceCaps(dc, VERTRES);
        HGDIOBJ old = SelectObject(dc, boldFont_);
        TEXTMETRICA metrics;
        if (GetTextMetricsA(dc, &metrics)) {
            avgCharWidth_ = metrics.tmAveCharWidth;
        }
        SelectObject(dc, old);
        ReleaseDC(Handle(), dc);
    }
    borderWidth_ = GetSystemMetrics(SM_CXBORDER);
    borderHeight_ = GetSystemMetrics(SM_CYBORDER);
    DragAcceptFiles(Handle(), TRUE);
    leftSocket_ =
        CreateEllipticRgn(kLeftSocket.left, kLeftSocket.top, kLeftSocket.right, kLeftSocket.bottom);
    rightSocket_ = CreateEllipticRgn(kRightSocket.left, kRightSocket.top, kRightSocket.right,
                                     kRightSocket.bottom);

    if (!RunShellCheck()) {
        stoppedAtShellCheck_ = true;
        return -1;
    }

    programMenu_.clear();
    tasks_ = TaskList{};
    LoadMenuFile();
    exitTexts_ = StringList(ExitMenuTexts());
    helpTexts_ = StringList(HelpMenuTexts());
    setupTexts_ = StringList(SetupMenuTexts());
    titles_ = MakeMenuTitles(screenWidth_);

    popup_ = nullptr;
    openKind_ = kNoMenu;
    timerRunning_ = SetTimer(Handle(), kClockTimer, 1000, nullptr) != 0;
    if (!timerRunning_) {
        ShowMessage(IDS_NO_TIMERS);
    }
    ReadSettings();
    return 0;
}

// Start-up check for a desktop shell with a taskbar of its own. False when
// the user chose to end the program.
bool CMyWnd::RunShellCheck() {
    ShellProbe probe;
    // A taskbar window that is not shown takes no room on the screen (Wine
    // keeps one hidden when it shows no taskbar): only a visible one counts.
    for (const char* className : {"Shell_TaskWnd", "Shell_TrayWnd"}) {
        HWND taskbar = FindWindowA(className, nullptr);
        RECT r;
        if (taskbar != nullptr && IsWindowVisible(taskbar) && GetWindowRect(taskbar, &r)) {
            probe.taskbarFound = true;
            probe.taskbarRect = Rect{r.left, r.top, r.right, r.bottom};
            break;
        }
    }
    HWND programManager = FindWindowA(nullptr, "Program Manager");
    RECT r;
    if (programManager != nullptr && GetWindowRect(programManager, &r)) {
        probe.programManagerFound = true;
        probe.programManagerRect = Rect{r.left, r.top, r.right, r.bottom};
    }
    shell_ = DetectShell(probe, screenWidth_, screenHeight_);
    AppProfile profile;
    if (!ShouldWarnAboutShell(shell_, ReadDontShowWarning(profile))) {
        return true;
    }
    CShellWarningDlg warning(Handle());
    if (warning.DoModal() != IDOK) {
        return false;
    }
    if (warning.dontShowAgain != 0) {
        WriteDontShowWarning(profile);
    }
    return true;
}

void CMyWnd::ReadSettings() {
    AppProfile profile;
    settings_ = ::ReadSettings(profile);
    SetWindowPos(Handle(), settings_.onTop != 0 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void CMyWnd::WriteSettings() {
    AppProfile profile;
    ::WriteSettings(profile, settings_);
}

std::string CMyWnd::MenuFilePath() const {
    return TheApp().ProgramDirectory() + "varnixpc.mnu";
}

void CMyWnd::LoadMenuFile() {
    DiskFiles files;
    programMenu_ = LoadProgramMenu(files, MenuFilePath(), TheApp().ProgramDirectory());
}

void CMyWnd::SaveMenuFile() {
    DiskFiles files;
    if (!SaveProgramMenu(files, MenuFilePath(), programMenu_)) {
        ShowMessage(IDS_UNABLE_TO_SAVE);
    }
}

PlacementContext CMyWnd::Placement() const {
    PlacementContext ctx;
    ctx.screenWidth = screenWidth_;
    ctx.screenHeight = screenHeight_;
    ctx.borderWidth = borderWidth_;
    ctx.borderHeight = borderHeight_;
    ctx.shellDetected = shell_.detected;
    ctx.compensate = settings_.compensate != 0;
    ctx.programManagerShell = shell_.programManagerShell;
    ctx.taskbarHeight = shell_.taskbarHeight;
    return ctx;
}

void CMyWnd::RefreshTasks() {
    DesktopWindows windows;
    RefreshTaskList(tasks_, windows, Placement(), settings_.onTop != 0);
}

StringList CMyWnd::MenuTexts(int kind) const {
    StringList texts;
    switch (kind) {
    case kProgramsMenu:
        for (const ProgramItem& item : programMenu_) {
            texts.AddTail(item.title);
        }
        break;
    case kSetupMenu:
        texts = setupTexts_;
        break;
    case kExitMenu:
        texts = exitTexts_;
        break;
    case kHelpMenu:
        texts = helpTexts_;
        break;
    case kTaskMenu:
        for (const TaskEntry& entry : shownTasks_) {
            texts.AddTail(entry.title);
        }
        break;
    default:
        break;
    }
    return texts;
}

void CMyWnd::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (dc == nullptr) {
        return;
    }
    const bool threeD = ThreeD();
    RECT client;
    GetClientRect(Handle(), &client);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(threeD ? LTGRAY_BRUSH : WHITE_BRUSH));
    Rectangle(dc, client.left, client.top, client.right, client.bottom);

    DrawBitmap(dc, threeD ? IDB_LEFT_3D : IDB_LEFT, 0, 0, 40, 19);
    DrawBitmap(dc, threeD ? IDB_RIGHT_3D : IDB_RIGHT, screenWidth_ - 62, 0, 62, 19);

    HGDIOBJ oldFont = SelectObject(dc, boldFont_);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, threeD ? kLightGrey : RGB(255, 255, 255));
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    titlesEnd_ = LayoutMenuTitles(titles_, avgCharWidth_);
    for (const MenuTitle& title : titles_) {
        if (IsDrawnTitle(title)) {
            TextOutA(dc, title.left, 3, title.text.c_str(), static_cast<int>(title.text.size()));
        }
    }
    SelectObject(dc, oldFont);

    if (eyesVisible_) {
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        Ellipse(dc, kLeftEye.left, kLeftEye.top, kLeftEye.right, kLeftEye.bottom);
        Ellipse(dc, kRightEye.left, kRightEye.top, kRightEye.right, kRightEye.bottom);
        // The pupils were painted over: draw them again where they were.
        SelectObject(dc, GetStockObject(BLACK_BRUSH));
        for (const RECT* pupil : {&leftPupil_, &rightPupil_}) {
            if (pupil->right > pupil->left) {
                Ellipse(dc, pupil->left, pupil->top, pupil->right, pupil->bottom);
            }
        }
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DrawClock(dc);
    EndPaint(Handle(), &ps);
    if (popup_ == nullptr) {
        RefreshTasks();
    }
}

void CMyWnd::DrawClock() {
    if (popup_ != nullptr) {
        return;
    }
    HDC dc = GetDC(Handle());
    if (dc == nullptr) {
        return;
    }
    DrawClock(dc);
    ReleaseDC(Handle(), dc);
    POINT pointer;
    if (GetCursorPos(&pointer)) {
        ScreenToClient(Handle(), &pointer);
        UpdateEyes(pointer);
    }
    RefreshTasks();
}

void CMyWnd::DrawClock(HDC dc) {
    if (popup_ != nullptr || !clockVisible_) {
        return;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string text = ClockText(now.wHour, now.wMinute, settings_.twelveHour != 0);
    const bool threeD = ThreeD();
    HGDIOBJ oldFont =
        SelectObject(dc, threeD ? static_cast<HGDIOBJ>(boldFont_) : GetStockObject(SYSTEM_FONT));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, threeD ? kLightGrey : RGB(255, 255, 255));
    SetBkMode(dc, OPAQUE);
    const UINT oldAlign = SetTextAlign(dc, TA_RIGHT | TA_TOP);
    TextOutA(dc, screenWidth_ - 72, threeD ? 3 : 2, text.c_str(), static_cast<int>(text.size()));
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, oldFont);
}

void CMyWnd::UpdateEyes(POINT pointer) {
    HDC dc = GetDC(Handle());
    if (dc == nullptr) {
        return;
    }
    UpdateEyes(dc, pointer);
    ReleaseDC(Handle(), dc);
}

void CMyWnd::UpdateEyes(HDC dc, POINT pointer) {
    if (!eyesVisible_ || leftSocket_ == nullptr || rightSocket_ == nullptr) {
        return;
    }
    const Point p{pointer.x, pointer.y};
    HRGN left = leftSocket_;
    HRGN right = rightSocket_;
    const Point leftPos = PupilPosition(
        [left](Point q) { return PtInRegion(left, q.x, q.y) != FALSE; }, kLeftEyeCentre, p);
    const Point rightPos = PupilPosition(
        [right](Point q) { return PtInRegion(right, q.x, q.y) != FALSE; }, kRightEyeCentre, p);

    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    for (const RECT* pupil : {&leftPupil_, &rightPupil_}) {
        Ellipse(dc, pupil->left, pupil->top, pupil->right, pupil->bottom);
    }
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    leftPupil_ = ToRECT(PupilRect(leftPos));
    rightPupil_ = ToRECT(PupilRect(rightPos));
    for (const RECT* pupil : {&leftPupil_, &rightPupil_}) {
        Ellipse(dc, pupil->left, pupil->top, pupil->right, pupil->bottom);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

void CMyWnd::OnTimer(UINT_PTR id) {
    if (id == kClockTimer) {
        DrawClock();
    }
}

void CMyWnd::PressAt(int x) {
    int kind = MenuKindAt(titles_, x);
    if (kind == kTaskMenu) {
        RefreshTasks();
        if (tasks_.entries.empty()) {
            kind = kNoMenu;
        } else {
            shownTasks_ = tasks_.entries;
        }
    }
    if (kind == kNoMenu || kind == openKind_) {
        return;
    }
    CloseMenu();
    OpenMenu(kind);
}

void CMyWnd::OnLButtonDown(UINT, int x, int) {
    PressAt(x);
}

void CMyWnd::OnLButtonUp(UINT, int, int) {
    CloseMenu();
}

void CMyWnd::OnMouseMove(UINT flags, int x, int y) {
    UpdateEyes(POINT{x, y});
    RECT client;
    GetClientRect(Handle(), &client);
    if ((flags & MK_LBUTTON) != 0 && x >= client.left && x < client.right && y >= client.top &&
        y < client.bottom) {
        PressAt(x);
    }
}

void CMyWnd::OnPopupMouseMove(POINT screen) {
    POINT p = screen;
    ScreenToClient(Handle(), &p);
    OnMouseMove(MK_LBUTTON, p.x, p.y);
}

void CMyWnd::OpenMenu(int kind) {
    if (popup_ != nullptr) {
        ShowWindow(popup_->Handle(), SW_SHOWNA);
        return;
    }
    const int index = FindMenuTitle(titles_, kind);
    if (index < 0) {
        return;
    }
    auto* popup = new CMenuPopupWnd(*this, kind, MenuTexts(kind));
    if (!popup->Create()) {
        delete popup;
        return;
    }
    popup_ = popup;
    openKind_ = kind;
    popup->Place(titles_[static_cast<std::size_t>(index)].left,
                 titles_[static_cast<std::size_t>(index)].right);
}

void CMyWnd::CloseMenu() {
    CMenuPopupWnd* popup = popup_;
    popup_ = nullptr;
    openKind_ = kNoMenu;
    if (popup != nullptr) {
        popup->DestroyWindow(); // the window deletes its object
    }
}

void CMyWnd::OnPopupDestroyed(CMenuPopupWnd* popup) {
    if (popup == popup_) {
        popup_ = nullptr;
        openKind_ = kNoMenu;
    }
}

void CMyWnd::DispatchMenu(int kind, int entry) {
    const int count = static_cast<int>(MenuTexts(kind).GetCount());
    const MenuAction action = ResolveMenuAction(kind, entry, count);
    if (kind == kNoMenu || entry == 0) {
        return;
    }
    CloseMenu();
    switch (action) {
    case MenuAction::kAbout:
        About();
        break;
    case MenuAction::kLaunch:
        Launch(static_cast<std::size_t>(entry - 1));
        break;
    case MenuAction::kMenuEditor:
        MenuEditor();
        break;
    case MenuAction::kOptions:
        Options();
        break;
    case MenuAction::kClose:
        Close();
        break;
    case MenuAction::kLogout:
        Logout();
        break;
    case MenuAction::kHelp:
        Help();
        break;
    case MenuAction::kTask: {
        DesktopWindows windows;
        RunTaskMenuAction(tasks_, shownTasks_, entry, windows, Placement());
        break;
    }
    case MenuAction::kNone:
        break;
    }
}

void CMyWnd::About() {
    CAboutDlg about(Handle());
    about.DoModal();
}

void CMyWnd::Launch(std::size_t index) {
    if (index >= programMenu_.size()) {
        return;
    }
    const ProgramItem item = programMenu_[index];
    if (item.file.empty()) {
        return;
    }
    const std::string command = LaunchCommandLine(item.file, item.commandLine);
    // The program starts in its starting directory when it has one that
    // exists; the bar's own directory is put back at once.
    char previous[MAX_PATH];
    const DWORD previousLength = GetCurrentDirectoryA(sizeof previous, previous);
    const bool changed = !item.directory.empty() && previousLength > 0 &&
                         previousLength < sizeof previous &&
                         SetCurrentDirectoryA(item.directory.c_str());
    const UINT result = WinExec(command.c_str(), SW_SHOWNORMAL);
    if (changed) {
        SetCurrentDirectoryA(previous);
    }
    if (IsLaunchFailure(result)) {
        ShowMessage(LaunchFailureText(LoadResourceString(IDS_UNABLE_TO_START), item.title, result));
    }
}

void CMyWnd::MenuEditor() {
    CMenuEditorDlg editor(Handle(), programMenu_);
    if (editor.DoModal() == IDOK) {
        SaveMenuFile();
    }
}

void CMyWnd::Options() {
    COptionsDlg options(Handle());
    options.twelveHour = settings_.twelveHour;
    options.onTop = settings_.onTop;
    options.useIcons = settings_.useIcons;
    options.compensate = settings_.compensate;
    options.threeD = settings_.smallFont;
    options.shellDetected = shell_.detected ? 1 : 0;
    if (options.DoModal() != IDOK) {
        return;
    }
    settings_.twelveHour = options.twelveHour;
    settings_.onTop = options.onTop;
    settings_.useIcons = options.useIcons;
    settings_.compensate = options.compensate;
    settings_.smallFont = options.threeD;
    WriteSettings();
    ReadSettings();
    DrawClock();
}

void CMyWnd::Help() {
    help_.Open("index");
}

void CMyWnd::Logout() {
    DesktopSession session;
    RunSessionAction(MenuAction::kLogout, session);
}

void CMyWnd::Close() {
    CloseMenu();
    DestroyWindow();
}

void CMyWnd::OnDropFiles(HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    if (count > 1) {
        ShowMessage(IDS_ONE_FILE_ONLY);
        DragFinish(drop);
        return;
    }
    // The length first, so the path is never cut.
    const UINT length = count == 1 ? DragQueryFileA(drop, 0, nullptr, 0) : 0;
    std::string path;
    if (length > 0) {
        std::vector<char> buffer(length + 1, '\0');
        const UINT got = DragQueryFileA(drop, 0, buffer.data(), length + 1);
        path.assign(buffer.data(), got);
    }
    DragFinish(drop);
    if (path.empty()) {
        return;
    }
    if (path.size() > static_cast<std::size_t>(kFileMax)) {
        ShowMessage(IDS_PATH_TOO_LONG);
        return;
    }
    CMenuPropertiesDlg properties(Handle());
    properties.file = path;
    if (properties.DoModal() != IDOK) {
        return;
    }
    if (properties.title.empty()) {
        ShowMessage(IDS_NO_TITLE);
        return;
    }
    programMenu_.push_back(ProgramItem{properties.title, properties.file, properties.commandLine,
                                       properties.directory});
    SaveMenuFile();
}

bool CMyWnd::OnCommand(WORD id) {
    switch (id) {
    case ID_OPTIONS:
        Options();
        return true;
    case ID_ABOUT:
        About();
        return true;
    case ID_CLOSE:
        Close();
        return true;
    default:
        return false;
    }
}

void CMyWnd::OnDestroy() {
    CloseMenu();
    // Windows the bar hid must not stay hidden with no way back to them.
    DesktopWindows windows;
    ShowHiddenWindows(tasks_, windows);
    help_.Quit();
    programMenu_.clear();
    tasks_ = TaskList{};
    shownTasks_.clear();
    exitTexts_.RemoveAll();
    setupTexts_.RemoveAll();
    helpTexts_.RemoveAll();
    if (timerRunning_) {
        KillTimer(Handle(), kClockTimer);
        timerRunning_ = false;
    }
    // Ending at the shell check runs no message loop: nothing to quit.
    if (!stoppedAtShellCheck_) {
        PostQuitMessage(0);
    }
}
