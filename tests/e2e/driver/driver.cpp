// End-to-end test driver: runs inside Wine next to the programs under test
// and works their windows the way a person would. Each command prints what it
// saw and exits 0 when its check holds.
//
//   e2e_driver wait-window TITLE TIMEOUT_MS
//   e2e_driver close TITLE TIMEOUT_MS
//   e2e_driver dump-strings MODULE
//   e2e_driver list-windows
//   e2e_driver window-info TITLE TIMEOUT_MS
//   e2e_driver wait-gone TITLE TIMEOUT_MS
//   e2e_driver wait-hidden TITLE TIMEOUT_MS
//   e2e_driver bar-char-width
//   e2e_driver press X Y | drag X Y | release X Y
//   e2e_driver dialog-command TITLE ID TIMEOUT_MS
//   e2e_driver set-text TITLE ID TEXT TIMEOUT_MS
//   e2e_driver set-check TITLE ID 0|1 TIMEOUT_MS
//   e2e_driver control-info TITLE ID TIMEOUT_MS
//   e2e_driver fake-taskbar HEIGHT
//   e2e_driver post-command TITLE ID TIMEOUT_MS
//   e2e_driver wait-scroll-bars TITLE TIMEOUT_MS
//   e2e_driver clipboard-text FILE
//   e2e_driver clipboard-bitmap
//   e2e_driver answer-box TITLE ID TIMEOUT_MS
//   e2e_driver window-texts TITLE TIMEOUT_MS
//   e2e_driver key TITLE VK
//   e2e_driver press-then-key DIALOG BUTTON TITLE VK|0 TIMEOUT_MS
//   e2e_driver movie-probe TITLE WHAT
//   e2e_driver movie-status TITLE
//   e2e_driver wait-frames TITLE N TIMEOUT_MS
//   e2e_driver gdi-objects TITLE
//   e2e_driver timer-ticks TITLE N
//   e2e_driver scroll TITLE H|V CODE
//   e2e_driver client-size TITLE TIMEOUT_MS
//   e2e_driver resize TITLE WIDTH HEIGHT
//   e2e_driver invalidate TITLE
//   e2e_driver wait-drawn TITLE TIMEOUT_MS
//   e2e_driver key-when-drawing TITLE VK TIMEOUT_MS [RRGGBB]

#include "driver.h"
#include "launcher_commands.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr DWORD kPollMs = 50;

struct ExactSearch {
    const char* title;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindExactWindow(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ExactSearch*>(lParam);
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    if (std::strcmp(text, search->title) != 0) {
        return TRUE;
    }
    if (search->className != nullptr) {
        char className[256] = "";
        GetClassNameA(hwnd, className, sizeof className);
        if (std::strcmp(className, search->className) != 0) {
            return TRUE;
        }
    }
    search->found = hwnd;
    return FALSE;
}

// Polls for a top-level window with the exact title until it is visible or
// the time runs out.
HWND WaitForWindow(const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = DriverFindWindow(title);
        if (hwnd != nullptr && IsWindowVisible(hwnd)) {
            return hwnd;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return nullptr;
        }
        Sleep(kPollMs);
    }
}

int WaitWindowCommand(const char* title, DWORD timeoutMs) {
    HWND hwnd = WaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\" within %lu ms\n", title,
                    static_cast<unsigned long>(timeoutMs));
        return 1;
    }
    // An answered message means the window's thread is idle in its loop,
    // so its first paint is done.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_BLOCK, timeoutMs, &result);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    std::printf("window \"%s\" at %ld,%ld size %ldx%ld\n", title, rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

int CloseCommand(const char* title, DWORD timeoutMs) {
    HWND hwnd = WaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\" to close\n", title);
        return 1;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (process == nullptr) {
        std::printf("cannot open process %lu\n", static_cast<unsigned long>(pid));
        return 1;
    }
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    const DWORD waited = WaitForSingleObject(process, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    if (waited != WAIT_OBJECT_0) {
        std::printf("process %lu still running %lu ms after WM_CLOSE\n",
                    static_cast<unsigned long>(pid), static_cast<unsigned long>(timeoutMs));
        return 1;
    }
    std::printf("process %lu ended with exit code %lu\n", static_cast<unsigned long>(pid),
                static_cast<unsigned long>(code));
    return code == 0 ? 0 : 1;
}

// Writes every string of the module's string table as "id<TAB>text" lines,
// bytes outside printable ASCII as \xHH, so that the dump compares exactly.
int DumpStringsCommand(const char* module) {
    HMODULE handle = LoadLibraryExA(module, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (handle == nullptr) {
        std::printf("cannot load %s\n", module);
        return 1;
    }
    static char text[4096];
    for (int id = 0; id < 65536; ++id) {
        const int length = LoadStringA(handle, static_cast<UINT>(id), text, sizeof text);
        if (length <= 0) {
            continue;
        }
        std::printf("%d\t", id);
        for (int i = 0; i < length; ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c >= 32 && c < 127 && c != '\\') {
                std::putchar(c);
            } else {
                std::printf("\\x%02X", c);
            }
        }
        std::putchar('\n');
    }
    FreeLibrary(handle);
    return 0;
}

BOOL CALLBACK ListWindowProc(HWND hwnd, LPARAM) {
    char title[256] = "";
    char className[256] = "";
    GetWindowTextA(hwnd, title, sizeof title);
    GetClassNameA(hwnd, className, sizeof className);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    std::printf("%s\t%s\t%s\t%ld,%ld,%ld,%ld\n", className, title,
                IsWindowVisible(hwnd) ? "visible" : "hidden", rect.left, rect.top, rect.right,
                rect.bottom);
    return TRUE;
}

int ListWindowsCommand() {
    EnumWindows(ListWindowProc, 0);
    return 0;
}

// Rectangle, visibility and topmost state: what a person sees of a window.
int WindowInfoCommand(const char* title, DWORD timeoutMs) {
    HWND hwnd = WaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\" within %lu ms\n", title,
                    static_cast<unsigned long>(timeoutMs));
        return 1;
    }
    RECT rect;
    GetWindowRect(hwnd, &rect);
    const LONG_PTR exStyle = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    std::printf("rect %ld %ld %ld %ld topmost %d\n", rect.left, rect.top, rect.right, rect.bottom,
                (exStyle & WS_EX_TOPMOST) ? 1 : 0);
    return 0;
}

// Waits until no visible window has the title (closed or hidden).
int WaitGoneCommand(const char* title, DWORD timeoutMs, bool hiddenCounts) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = DriverFindWindow(title);
        if (hwnd == nullptr || (hiddenCounts && !IsWindowVisible(hwnd))) {
            std::printf("window \"%s\" %s\n", title, hwnd == nullptr ? "gone" : "hidden");
            return 0;
        }
        if (GetTickCount() - start >= timeoutMs) {
            std::printf("window \"%s\" still there after %lu ms\n", title,
                        static_cast<unsigned long>(timeoutMs));
            return 1;
        }
        Sleep(kPollMs);
    }
}

// The average character width of the bar's title font, from which the
// titles' positions follow.
int BarCharWidthCommand() {
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS,
                             "MS Sans Serif");
    HDC dc = GetDC(nullptr);
    if (font == nullptr || dc == nullptr) {
        std::printf("no font or screen DC\n");
        return 1;
    }
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    std::printf("%ld\n", metrics.tmAveCharWidth);
    return 0;
}

// Real mouse input at screen coordinates, so that capture and hit testing
// work as they do for a person.
int MouseCommand(const char* what, int x, int y) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input[2] = {};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dx = static_cast<LONG>((x * 65535LL + width / 2) / (width - 1));
    input[0].mi.dy = static_cast<LONG>((y * 65535LL + height / 2) / (height - 1));
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].type = INPUT_MOUSE;
    input[1].mi.dx = input[0].mi.dx;
    input[1].mi.dy = input[0].mi.dy;
    // The button event carries the point too. Without MOUSEEVENTF_MOVE it
    // would take wherever the cursor is when it is queued, and Wine's echo of
    // an earlier pointer warp (say, the press on the bar) can move the cursor
    // back between the two events: the release then lands on the bar and the
    // drop-down closes without choosing.
    input[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    UINT count = 1;
    if (std::strcmp(what, "press") == 0) {
        input[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
        count = 2;
    } else if (std::strcmp(what, "release") == 0) {
        input[1].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
        count = 2;
    }
    if (SendInput(count, input, sizeof(INPUT)) != count) {
        std::printf("SendInput failed\n");
        return 1;
    }
    // No wait here: the input queue keeps the order of the events, and the
    // scripts wait for what the input should bring about.
    std::printf("%s at %d,%d\n", what, x, y);
    return 0;
}

struct ControlSearch {
    const char* title;
    int id;
    bool windowSeen;
    HWND control;
};

BOOL CALLBACK FindControlInWindow(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ControlSearch*>(lParam);
    char text[256] = "";
    if (!IsWindowVisible(hwnd) || GetWindowTextA(hwnd, text, sizeof text) == 0 ||
        std::strcmp(text, search->title) != 0) {
        return TRUE;
    }
    search->windowSeen = true;
    search->control = GetDlgItem(hwnd, search->id);
    return search->control == nullptr;
}

// Any visible window of that title that has the control will do: a message
// box of the same title on its way out, or a dialog whose controls are still
// being made, is waited past rather than taken.
HWND WaitForControl(const char* title, int id, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        ControlSearch search = {title, id, false, nullptr};
        EnumWindows(FindControlInWindow, reinterpret_cast<LPARAM>(&search));
        if (search.control != nullptr) {
            return search.control;
        }
        if (GetTickCount() - start >= timeoutMs) {
            if (search.windowSeen) {
                std::printf("window \"%s\" has no control %d\n", title, id);
            } else {
                std::printf("no window \"%s\" within %lu ms\n", title,
                            static_cast<unsigned long>(timeoutMs));
            }
            return nullptr;
        }
        Sleep(kPollMs);
    }
}

// Posted, not sent: the command may run a modal dialog of its own.
int DialogCommandCommand(const char* title, int id, DWORD timeoutMs) {
    HWND dialog = WaitForWindow(title, timeoutMs);
    if (dialog == nullptr) {
        std::printf("no window \"%s\" within %lu ms\n", title,
                    static_cast<unsigned long>(timeoutMs));
        return 1;
    }
    HWND control = GetDlgItem(dialog, id);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    std::printf("command %d to \"%s\"\n", id, title);
    return 0;
}

int SetTextCommand(const char* title, int id, const char* text, DWORD timeoutMs) {
    HWND control = WaitForControl(title, id, timeoutMs);
    if (control == nullptr) {
        return 1;
    }
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    return 0;
}

int SetCheckCommand(const char* title, int id, int checked, DWORD timeoutMs) {
    HWND control = WaitForControl(title, id, timeoutMs);
    if (control == nullptr) {
        return 1;
    }
    SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return 0;
}

int ControlInfoCommand(const char* title, int id, DWORD timeoutMs) {
    HWND control = WaitForControl(title, id, timeoutMs);
    if (control == nullptr) {
        return 1;
    }
    char text[512] = "";
    GetWindowTextA(control, text, sizeof text);
    const LRESULT check = SendMessageA(control, BM_GETCHECK, 0, 0);
    std::printf("enabled %d visible %d checked %d text %s\n", IsWindowEnabled(control) ? 1 : 0,
                IsWindowVisible(control) ? 1 : 0, check == BST_CHECKED ? 1 : 0, text);
    return 0;
}

LRESULT CALLBACK TaskbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A visible window of the platform taskbar's class along the bottom of the
// screen, for start-up checks that look for a shell; runs until killed.
int FakeTaskbarCommand(int height) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TaskbarProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = "Shell_TrayWnd";
    if (!RegisterClassA(&wc)) {
        std::printf("cannot register the taskbar class\n");
        return 1;
    }
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP | WS_VISIBLE, 0,
                                screenHeight - height, width, height, nullptr, nullptr,
                                wc.hInstance, nullptr);
    if (hwnd == nullptr) {
        std::printf("cannot create the taskbar\n");
        return 1;
    }
    std::printf("taskbar %d high\n", height);
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
    }
    return 0;
}

// Sends menu command id to the window as choosing the item does (a menu of
// another process cannot be read under Wine, so the item is not inspected).
int PostCommandCommand(const char* title, int id, DWORD timeoutMs) {
    HWND hwnd = WaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    std::printf("command %d to \"%s\"\n", id, title);
    return 0;
}

// Waits until the window shows both scroll bars (a finished report) and
// answers messages again.
int WaitScrollBarsCommand(const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = DriverFindWindow(title);
        const LONG_PTR style = hwnd == nullptr ? 0 : GetWindowLongPtrA(hwnd, GWL_STYLE);
        if ((style & (WS_HSCROLL | WS_VSCROLL)) == (WS_HSCROLL | WS_VSCROLL)) {
            DWORD_PTR result = 0;
            SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_BLOCK, timeoutMs, &result);
            std::printf("scroll bars shown\n");
            return 0;
        }
        if (GetTickCount() - start >= timeoutMs) {
            std::printf("no scroll bars after %lu ms\n", static_cast<unsigned long>(timeoutMs));
            return 1;
        }
        Sleep(kPollMs);
    }
}

BOOL CALLBACK PrintChildText(HWND child, LPARAM);

// Presses button id of a dialog or message box titled title (the dialog
// class only, so a main window of the same title is never taken for it).
int AnswerBoxCommand(const char* title, int id, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    HWND box = nullptr;
    while ((box = DriverFindWindow(title, "#32770")) == nullptr) {
        if (GetTickCount() - start >= timeoutMs) {
            std::printf("no box \"%s\"\n", title);
            return 1;
        }
        Sleep(kPollMs);
    }
    EnumChildWindows(box, PrintChildText, 0);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    std::printf("button %d of \"%s\"\n", id, title);
    return 0;
}

// Checks that the clipboard holds a bitmap and prints its size.
int ClipboardBitmapCommand() {
    if (!OpenClipboard(nullptr)) {
        std::printf("cannot open the clipboard\n");
        return 1;
    }
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP info = {};
    const bool found = bitmap != nullptr && GetObjectA(bitmap, sizeof info, &info) != 0;
    CloseClipboard();
    if (!found) {
        std::printf("no bitmap on the clipboard\n");
        return 1;
    }
    std::printf("bitmap %ldx%ld\n", static_cast<long>(info.bmWidth),
                static_cast<long>(info.bmHeight));
    return 0;
}

// Writes the clipboard's text, byte for byte, to path.
int ClipboardTextCommand(const char* path) {
    if (!OpenClipboard(nullptr)) {
        std::printf("cannot open the clipboard\n");
        return 1;
    }
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* text = data == nullptr ? nullptr : static_cast<const char*>(GlobalLock(data));
    if (text == nullptr) {
        CloseClipboard();
        std::printf("no text on the clipboard\n");
        return 1;
    }
    std::FILE* out = std::fopen(path, "wb");
    const size_t length = std::strlen(text);
    const bool written = out != nullptr && std::fwrite(text, 1, length, out) == length;
    if (out != nullptr) {
        std::fclose(out);
    }
    GlobalUnlock(data);
    CloseClipboard();
    std::printf("%lu bytes of text\n", static_cast<unsigned long>(length));
    return written ? 0 : 1;
}

BOOL CALLBACK PrintChildText(HWND child, LPARAM) {
    char text[512];
    GetWindowTextA(child, text, sizeof text);
    std::printf("%d: %s\n", GetDlgCtrlID(child), text);
    return TRUE;
}

// Prints the id and text of every control of a window (a message box's
// message, a dialog's fields).
int WindowTextsCommand(const char* title, DWORD timeoutMs) {
    HWND hwnd = WaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    EnumChildWindows(hwnd, PrintChildText, 0);
    return 0;
}

// The client area's pixels as the screen shows them now.
std::vector<unsigned> ClientPixels(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    const int w = client.right > 0 ? client.right : 1;
    const int h = client.bottom > 0 ? client.bottom : 1;
    std::vector<unsigned> pixels(static_cast<size_t>(w) * h, 0);
    HDC windowDc = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, windowDc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, windowDc);
    return pixels;
}

// Pixels of the client area that are not the window colour: something drawn.
size_t DrawnPixels(const std::vector<unsigned>& pixels) {
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const unsigned background =
        (GetRValue(window) << 16) | (GetGValue(window) << 8) | GetBValue(window);
    size_t drawn = 0;
    for (unsigned p : pixels) {
        drawn += (p & 0xFFFFFF) != background ? 1 : 0;
    }
    return drawn;
}

int ClientSizeCommand(const char* title, DWORD timeoutMs) {
    HWND hwnd = WaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    std::printf("client %ldx%ld\n", client.right, client.bottom);
    return 0;
}

int ResizeCommand(const char* title, int width, int height) {
    HWND hwnd = DriverFindWindow(title);
    if (hwnd == nullptr || !SetWindowPos(hwnd, nullptr, 0, 0, width, height,
                                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)) {
        std::printf("cannot resize \"%s\"\n", title);
        return 1;
    }
    std::printf("resized \"%s\" to %dx%d\n", title, width, height);
    return 0;
}

int InvalidateCommand(const char* title) {
    HWND hwnd = DriverFindWindow(title);
    if (hwnd == nullptr || !InvalidateRect(hwnd, nullptr, TRUE)) {
        std::printf("cannot invalidate \"%s\"\n", title);
        return 1;
    }
    std::printf("invalidated \"%s\"\n", title);
    return 0;
}

// Waits until the client area shows a drawing that has not changed for
// half a second (a graph finished, or stopped).
int WaitDrawnCommand(const char* title, DWORD timeoutMs) {
    HWND hwnd = WaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    const DWORD start = GetTickCount();
    std::vector<unsigned> previous;
    DWORD stableSince = GetTickCount();
    for (;;) {
        std::vector<unsigned> now = ClientPixels(hwnd);
        if (now != previous) {
            previous.swap(now);
            stableSince = GetTickCount();
        } else if (DrawnPixels(previous) > 500 && GetTickCount() - stableSince >= 500) {
            std::printf("drawn: %lu pixels\n", static_cast<unsigned long>(DrawnPixels(previous)));
            return 0;
        }
        if (GetTickCount() - start >= timeoutMs) {
            std::printf("\"%s\" not drawn within %lu ms\n", title,
                        static_cast<unsigned long>(timeoutMs));
            return 1;
        }
        Sleep(50);
    }
}

// A key press and release posted to the window, as the keyboard would.
int KeyCommand(const char* title, int virtualKey) {
    HWND hwnd = DriverFindWindow(title);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    PostMessageA(hwnd, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    PostMessageA(hwnd, WM_KEYUP, static_cast<WPARAM>(virtualKey), 0xC0000001);
    std::printf("key %d to \"%s\"\n", virtualKey, title);
    return 0;
}

// Posts the key the moment the window's client area shows a drawing
// under way (more than a frame's worth of pixels), so a long graph is
// stopped part-way.
int KeyWhenDrawingCommand(const char* title, int virtualKey, DWORD timeoutMs, const char* colour) {
    HWND hwnd = WaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    // With a colour (RRGGBB), the key waits for the first pixel of it, so
    // that what a graph draws after its frame has begun to show.
    const unsigned rgb = colour != nullptr ? std::strtoul(colour, nullptr, 16) : 0;
    const auto shown = [&]() {
        const std::vector<unsigned> pixels = ClientPixels(hwnd);
        if (colour == nullptr) {
            return DrawnPixels(pixels) >= 2000;
        }
        for (unsigned p : pixels) {
            if ((p & 0xFFFFFF) == rgb) {
                return true;
            }
        }
        return false;
    };
    const DWORD start = GetTickCount();
    while (!shown()) {
        if (GetTickCount() - start >= timeoutMs) {
            std::printf("nothing drawn in \"%s\"\n", title);
            return 1;
        }
        Sleep(1);
    }
    return KeyCommand(title, virtualKey);
}

// Presses button of dialog, then a key in window title the moment the dialog
// has gone, so the work the dialog started is interrupted at its first step;
// key 0 closes the window instead.
int PressThenKeyCommand(const char* dialog, int button, const char* title, int virtualKey,
                        DWORD timeoutMs) {
    HWND box = WaitForWindow(dialog, timeoutMs);
    if (box == nullptr) {
        std::printf("no window \"%s\"\n", dialog);
        return 1;
    }
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    std::printf("command %d to \"%s\"\n", button, dialog);
    const DWORD start = GetTickCount();
    while (DriverFindWindow(dialog) != nullptr) {
        if (GetTickCount() - start >= timeoutMs) {
            std::printf("window \"%s\" still there\n", dialog);
            return 1;
        }
        Sleep(1);
    }
    if (virtualKey == 0) {
        HWND hwnd = DriverFindWindow(title);
        if (hwnd == nullptr) {
            std::printf("no window \"%s\"\n", title);
            return 1;
        }
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        std::printf("close to \"%s\"\n", title);
        return 0;
    }
    return KeyCommand(title, virtualKey);
}

// caelor.exe answers this message with what its running movie shows (see
// caelor/shell/movie_player.h).
UINT ProbeMessage() {
    return RegisterWindowMessageA("CaelorMovieProbe");
}

bool Probe(HWND hwnd, WPARAM what, LRESULT& value) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, ProbeMessage(), what, 0, SMTO_BLOCK, 10000, &result)) {
        return false;
    }
    value = static_cast<LRESULT>(result);
    return true;
}

int MovieProbeCommand(const char* title, int what) {
    HWND hwnd = DriverFindWindow(title);
    LRESULT value = 0;
    if (hwnd == nullptr || !Probe(hwnd, static_cast<WPARAM>(what), value)) {
        std::printf("no answer from \"%s\"\n", title);
        return 1;
    }
    std::printf("%ld\n", static_cast<long>(value));
    return 0;
}

// The status lines of the movie's last frame, one a line.
int MovieStatusCommand(const char* title) {
    HWND hwnd = DriverFindWindow(title);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    for (int row = 0; row < 40; ++row) {
        LRESULT atom = 0;
        if (!Probe(hwnd, 100 + row, atom) || atom == 0) {
            break;
        }
        char text[256] = {};
        GlobalGetAtomNameA(static_cast<ATOM>(atom), text, sizeof text);
        GlobalDeleteAtom(static_cast<ATOM>(atom));
        std::printf("%s\n", text);
    }
    return 0;
}

// Waits until the running movie has drawn at least n frames.
int WaitFramesCommand(const char* title, long n, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    LRESULT frames = -1;
    for (;;) {
        HWND hwnd = DriverFindWindow(title);
        if (hwnd != nullptr && Probe(hwnd, 0, frames) && frames >= n) {
            std::printf("%ld frames\n", static_cast<long>(frames));
            return 0;
        }
        if (GetTickCount() - start >= timeoutMs) {
            std::printf("only %ld frames after %lu ms\n", static_cast<long>(frames),
                        static_cast<unsigned long>(timeoutMs));
            return 1;
        }
        Sleep(kPollMs);
    }
}

// GDI objects of the window's process: the system's count, and the count the
// program takes of itself (Wine's system count is always 0).
int GdiObjectsCommand(const char* title) {
    HWND hwnd = DriverFindWindow(title);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    const DWORD system = process != nullptr ? GetGuiResources(process, GR_GDIOBJECTS) : 0;
    if (process != nullptr) {
        CloseHandle(process);
    }
    LRESULT own = 0;
    if (!Probe(hwnd, 7, own)) {
        std::printf("no answer from \"%s\"\n", title);
        return 1;
    }
    std::printf("GetGuiResources %lu\ncounted %ld\n", static_cast<unsigned long>(system),
                static_cast<long>(own));
    return 0;
}

// Sends n timer messages one after another, as timer 1 would deliver them,
// and times each from the send to the return, when the frame has been
// composed and copied to the window.
int TimerTicksCommand(const char* title, int n) {
    HWND hwnd = DriverFindWindow(title);
    if (hwnd == nullptr || n <= 0) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    double* times = new double[n];
    for (int i = 0; i < n; ++i) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(hwnd, WM_TIMER, 1, 0, SMTO_BLOCK, 10000, &result)) {
            std::printf("tick %d not answered\n", i);
            delete[] times;
            return 1;
        }
        QueryPerformanceCounter(&b);
        times[i] = 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / frequency.QuadPart;
    }
    double total = 0;
    for (int i = 0; i < n; ++i) {
        total += times[i];
    }
    for (int i = 1; i < n; ++i) { // insertion sort: n is small
        const double t = times[i];
        int j = i - 1;
        while (j >= 0 && times[j] > t) {
            times[j + 1] = times[j];
            --j;
        }
        times[j + 1] = t;
    }
    std::printf("ticks %d median %.3f ms mean %.3f ms max %.3f ms\n", n, times[n / 2], total / n,
                times[n - 1]);
    delete[] times;
    return 0;
}

// A scroll-bar message to the window, as a click on its bar sends it.
int ScrollCommand(const char* title, const char* bar, int code) {
    HWND hwnd = DriverFindWindow(title);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    const UINT message = bar[0] == 'H' ? WM_HSCROLL : WM_VSCROLL;
    PostMessageA(hwnd, message, MAKEWPARAM(code, 0), 0);
    std::printf("scroll %s %d to \"%s\"\n", bar, code, title);
    return 0;
}

} // namespace

HWND DriverFindWindow(const char* title, const char* className) {
    ExactSearch search = {title, className, nullptr};
    EnumWindows(FindExactWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<unsigned> DriverClientPixels(HWND hwnd) {
    return ClientPixels(hwnd);
}

size_t DriverDrawnPixels(const std::vector<unsigned>& pixels) {
    return DrawnPixels(pixels);
}

HWND DriverWaitForWindow(const char* title, DWORD timeoutMs) {
    return WaitForWindow(title, timeoutMs);
}

HWND DriverWaitForControl(const char* title, int id, DWORD timeoutMs) {
    return WaitForControl(title, id, timeoutMs);
}

// The commands of driver_caelor.cpp; -1 when argv names none of them.
int CaelorDriverCommand(int argc, char** argv);

int main(int argc, char** argv) {
    // Plain newlines: the output is compared byte for byte with native text.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc == 4 && std::strcmp(argv[1], "wait-window") == 0) {
        return WaitWindowCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if (argc == 4 && std::strcmp(argv[1], "close") == 0) {
        return CloseCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if (argc == 3 && std::strcmp(argv[1], "dump-strings") == 0) {
        return DumpStringsCommand(argv[2]);
    }
    if (argc == 2 && std::strcmp(argv[1], "list-windows") == 0) {
        return ListWindowsCommand();
    }
    if (argc == 4 && std::strcmp(argv[1], "window-info") == 0) {
        return WindowInfoCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if (argc == 4 && std::strcmp(argv[1], "wait-gone") == 0) {
        return WaitGoneCommand(argv[2], std::strtoul(argv[3], nullptr, 10), false);
    }
    if (argc == 4 && std::strcmp(argv[1], "wait-hidden") == 0) {
        return WaitGoneCommand(argv[2], std::strtoul(argv[3], nullptr, 10), true);
    }
    if (argc == 2 && std::strcmp(argv[1], "bar-char-width") == 0) {
        return BarCharWidthCommand();
    }
    if (argc == 4 && (std::strcmp(argv[1], "press") == 0 || std::strcmp(argv[1], "drag") == 0 ||
                      std::strcmp(argv[1], "release") == 0)) {
        return MouseCommand(argv[1], std::atoi(argv[2]), std::atoi(argv[3]));
    }
    if (argc == 5 && std::strcmp(argv[1], "dialog-command") == 0) {
        return DialogCommandCommand(argv[2], std::atoi(argv[3]),
                                    std::strtoul(argv[4], nullptr, 10));
    }
    if (argc == 6 && std::strcmp(argv[1], "set-text") == 0) {
        return SetTextCommand(argv[2], std::atoi(argv[3]), argv[4],
                              std::strtoul(argv[5], nullptr, 10));
    }
    if (argc == 6 && std::strcmp(argv[1], "set-check") == 0) {
        return SetCheckCommand(argv[2], std::atoi(argv[3]), std::atoi(argv[4]),
                               std::strtoul(argv[5], nullptr, 10));
    }
    if (argc == 5 && std::strcmp(argv[1], "control-info") == 0) {
        return ControlInfoCommand(argv[2], std::atoi(argv[3]), std::strtoul(argv[4], nullptr, 10));
    }
    if (argc == 3 && std::strcmp(argv[1], "fake-taskbar") == 0) {
        return FakeTaskbarCommand(std::atoi(argv[2]));
    }
    if (argc == 5 && std::strcmp(argv[1], "post-command") == 0) {
        return PostCommandCommand(argv[2], std::atoi(argv[3]), std::strtoul(argv[4], nullptr, 10));
    }
    if (argc == 4 && std::strcmp(argv[1], "wait-scroll-bars") == 0) {
        return WaitScrollBarsCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if (argc == 3 && std::strcmp(argv[1], "clipboard-text") == 0) {
        return ClipboardTextCommand(argv[2]);
    }
    if (argc == 5 && std::strcmp(argv[1], "answer-box") == 0) {
        return AnswerBoxCommand(argv[2], std::atoi(argv[3]), std::strtoul(argv[4], nullptr, 10));
    }
    if (argc == 2 && std::strcmp(argv[1], "clipboard-bitmap") == 0) {
        return ClipboardBitmapCommand();
    }
    if (argc == 4 && std::strcmp(argv[1], "window-texts") == 0) {
        return WindowTextsCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if (argc == 4 && std::strcmp(argv[1], "movie-probe") == 0) {
        return MovieProbeCommand(argv[2], std::atoi(argv[3]));
    }
    if (argc == 3 && std::strcmp(argv[1], "movie-status") == 0) {
        return MovieStatusCommand(argv[2]);
    }
    if (argc == 5 && std::strcmp(argv[1], "wait-frames") == 0) {
        return WaitFramesCommand(argv[2], std::atol(argv[3]),
                                 static_cast<DWORD>(std::strtoul(argv[4], nullptr, 10)));
    }
    if (argc == 3 && std::strcmp(argv[1], "gdi-objects") == 0) {
        return GdiObjectsCommand(argv[2]);
    }
    if (argc == 5 && std::strcmp(argv[1], "scroll") == 0) {
        return ScrollCommand(argv[2], argv[3], std::atoi(argv[4]));
    }
    if (argc == 4 && std::strcmp(argv[1], "timer-ticks") == 0) {
        return TimerTicksCommand(argv[2], std::atoi(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "key") == 0) {
        return KeyCommand(argv[2], std::atoi(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "client-size") == 0) {
        return ClientSizeCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if (argc == 5 && std::strcmp(argv[1], "resize") == 0) {
        return ResizeCommand(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    }
    if (argc == 3 && std::strcmp(argv[1], "invalidate") == 0) {
        return InvalidateCommand(argv[2]);
    }
    if (argc == 4 && std::strcmp(argv[1], "wait-drawn") == 0) {
        return WaitDrawnCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if ((argc == 5 || argc == 6) && std::strcmp(argv[1], "key-when-drawing") == 0) {
        return KeyWhenDrawingCommand(argv[2], std::atoi(argv[3]),
                                     std::strtoul(argv[4], nullptr, 10),
                                     argc == 6 ? argv[5] : nullptr);
    }
    if (argc == 7 && std::strcmp(argv[1], "press-then-key") == 0) {
        return PressThenKeyCommand(argv[2], std::atoi(argv[3]), argv[4], std::atoi(argv[5]),
                                   std::strtoul(argv[6], nullptr, 10));
    }
    if (const int result = LauncherCommand(argc, argv); result >= 0) {
        return result;
    }
    if (const int result = CaelorDriverCommand(argc, argv); result >= 0) {
        return result;
    }
    std::fprintf(stderr, "usage: e2e_driver wait-window|close|window-info|wait-gone|wait-hidden "
                         "TITLE TIMEOUT_MS | dump-strings MODULE | list-windows | "
                         "bar-char-width | press|drag|release X Y | dialog-command TITLE ID MS | "
                         "set-text TITLE ID TEXT MS | set-check TITLE ID 0|1 MS | "
                         "control-info TITLE ID MS | fake-taskbar HEIGHT\n");
    return 2;
}
