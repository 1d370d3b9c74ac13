// Driver commands for the launcher bar's end-to-end tests:
//
//   e2e_driver test-window TITLE X Y W H
//       a plain visible window, kept until it is closed or the driver killed
//   e2e_driver moved-below-bar TITLE X Y W H TIMEOUT_MS
//       a window at (X, Y) that must be moved to y = 19 within the time
//   e2e_driver drop-files TITLE PATH [PATH ...]
//       drops the files on the window as the shell does (WM_DROPFILES)
//   e2e_driver list-items TITLE ID TIMEOUT_MS
//   e2e_driver list-select TITLE ID INDEX TIMEOUT_MS
//   e2e_driver field-text TITLE ID TIMEOUT_MS
//   e2e_driver pixel X Y

#include "launcher_commands.h"

#include "driver.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPoll = 50;
constexpr char kTestWindowClass[] = "E2ETestWindow";
constexpr LONG kBelowBar = 19;

HWND FindShown(const char* title, DWORD timeoutMs) {
    HWND hwnd = DriverWaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\" within %lu ms\n", title,
                    static_cast<unsigned long>(timeoutMs));
    }
    return hwnd;
}

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateTestWindow(const char* title, int x, int y, int width, int height) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kTestWindowClass;
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, kTestWindowClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y,
                                width, height, nullptr, nullptr, wc.hInstance, nullptr);
    if (hwnd == nullptr) {
        std::printf("cannot create window \"%s\"\n", title);
    }
    return hwnd;
}

// Handles what arrived, the moves other programs ask for included, since a
// move made asynchronously reaches the window as a message of its own.
bool PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

int TestWindowCommand(const char* title, int x, int y, int width, int height) {
    HWND hwnd = CreateTestWindow(title, x, y, width, height);
    if (hwnd == nullptr) {
        std::printf("cannot make window \"%s\"\n", title);
        return 1;
    }
    std::printf("window \"%s\" shown\n", title);
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

int MovedBelowBarCommand(const char* title, int x, int y, int width, int height, DWORD timeoutMs) {
    HWND hwnd = CreateTestWindow(title, x, y, width, height);
    if (hwnd == nullptr) {
        std::printf("cannot make window \"%s\"\n", title);
        return 1;
    }
    const DWORD start = GetTickCount();
    RECT rect;
    GetWindowRect(hwnd, &rect);
    std::printf("created at %ld,%ld\n", rect.left, rect.top);
    bool running = true;
    while (running && rect.top != kBelowBar && GetTickCount() - start < timeoutMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPoll, QS_ALLINPUT);
        running = PumpPending();
        GetWindowRect(hwnd, &rect);
    }
    const DWORD elapsed = GetTickCount() - start;
    std::printf("top %ld left %ld after %lu ms\n", rect.top, rect.left,
                static_cast<unsigned long>(elapsed));
    const bool moved = rect.top == kBelowBar && rect.left == x && elapsed < timeoutMs;
    DestroyWindow(hwnd);
    return moved ? 0 : 1;
}

// The drop information the shell hands a window: a DROPFILES header, then
// the paths, each ended by a NUL, and one more NUL after the last.
std::vector<char> DropBlock(int count, char** paths, POINT at) {
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.pt = at;
    header.fNC = FALSE;
    header.fWide = FALSE;
    std::vector<char> block(reinterpret_cast<const char*>(&header),
                            reinterpret_cast<const char*>(&header) + sizeof header);
    for (int i = 0; i < count; ++i) {
        block.insert(block.end(), paths[i], paths[i] + std::strlen(paths[i]) + 1);
    }
    block.push_back('\0');
    return block;
}

// A drop handle is global memory of the receiving process: the shell makes
// it there and posts its handle. A GlobalAlloc block of this driver would
// name nothing in the bar's process (Wine, like Windows, does not carry
// WM_DROPFILES data between processes), so the block is made inside the
// bar's process as fixed memory, whose handle is its address: what
// DragQueryFile locks and DragFinish frees there, as for the shell's own.
int DropFilesCommand(const char* title, int count, char** paths) {
    HWND hwnd = FindShown(title, 10000);
    if (hwnd == nullptr) {
        return 1;
    }
    if ((GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) == 0) {
        std::printf("window \"%s\" does not accept dropped files\n", title);
        return 1;
    }
    RECT rect;
    GetClientRect(hwnd, &rect);
    const std::vector<char> block = DropBlock(count, paths, POINT{rect.right / 2, rect.bottom / 2});
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (process == nullptr) {
        std::printf("cannot open process %lu\n", static_cast<unsigned long>(pid));
        return 1;
    }
    void* remote =
        VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T written = 0;
    const bool copied = remote != nullptr &&
                        WriteProcessMemory(process, remote, block.data(), block.size(), &written) &&
                        written == block.size();
    CloseHandle(process);
    if (!copied) {
        std::printf("cannot place the drop information in process %lu\n",
                    static_cast<unsigned long>(pid));
        return 1;
    }
    if (!PostMessageA(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0)) {
        std::printf("cannot post WM_DROPFILES\n");
        return 1;
    }
    std::printf("dropped %d file(s) on \"%s\"\n", count, title);
    return 0;
}

// Rows of a list box, one per line, in list order.
int ListItemsCommand(const char* title, int id, DWORD timeoutMs) {
    HWND list = DriverWaitForControl(title, id, timeoutMs);
    if (list == nullptr) {
        return 1;
    }
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR) {
        std::printf("control %d is not a list box\n", id);
        return 1;
    }
    // Asked in wide characters: Wine hands a list box's rows to another
    // process as wide text even when asked through the ANSI call.
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
        char bytes[1024] = "";
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
        std::printf("%s\n", bytes);
    }
    return 0;
}

// Selects a row as a click would, with the notification the dialog sees.
int ListSelectCommand(const char* title, int id, int index, DWORD timeoutMs) {
    HWND list = DriverWaitForControl(title, id, timeoutMs);
    if (list == nullptr) {
        return 1;
    }
    if (SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0) == LB_ERR) {
        std::printf("no row %d in list %d\n", index, id);
        return 1;
    }
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    std::printf("row %d of list %d selected\n", index, id);
    return 0;
}

// The text of a control as its own process sees it: asked with WM_GETTEXT,
// since GetWindowText does not ask a window of another process.
int FieldTextCommand(const char* title, int id, DWORD timeoutMs) {
    HWND control = DriverWaitForControl(title, id, timeoutMs);
    if (control == nullptr) {
        return 1;
    }
    char text[2048] = "";
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    std::printf("%s\n", text);
    return 0;
}

// The colour on the screen at (x, y), as red, green and blue.
int PixelCommand(int x, int y) {
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) {
        std::printf("no screen DC\n");
        return 1;
    }
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    if (colour == CLR_INVALID) {
        std::printf("no pixel at %d,%d\n", x, y);
        return 1;
    }
    std::printf("%d %d %d\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return 0;
}

bool Is(const char* arg, const char* name) {
    return std::strcmp(arg, name) == 0;
}

DWORD Ms(const char* arg) {
    return std::strtoul(arg, nullptr, 10);
}

} // namespace

int LauncherCommand(int argc, char** argv) {
    if (argc == 7 && Is(argv[1], "test-window")) {
        return TestWindowCommand(argv[2], std::atoi(argv[3]), std::atoi(argv[4]),
                                 std::atoi(argv[5]), std::atoi(argv[6]));
    }
    if (argc == 8 && Is(argv[1], "moved-below-bar")) {
        return MovedBelowBarCommand(argv[2], std::atoi(argv[3]), std::atoi(argv[4]),
                                    std::atoi(argv[5]), std::atoi(argv[6]), Ms(argv[7]));
    }
    if (argc >= 4 && Is(argv[1], "drop-files")) {
        return DropFilesCommand(argv[2], argc - 3, argv + 3);
    }
    if (argc == 5 && Is(argv[1], "list-items")) {
        return ListItemsCommand(argv[2], std::atoi(argv[3]), Ms(argv[4]));
    }
    if (argc == 6 && Is(argv[1], "list-select")) {
        return ListSelectCommand(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), Ms(argv[5]));
    }
    if (argc == 5 && Is(argv[1], "field-text")) {
        return FieldTextCommand(argv[2], std::atoi(argv[3]), Ms(argv[4]));
    }
    if (argc == 4 && Is(argv[1], "pixel")) {
        return PixelCommand(std::atoi(argv[2]), std::atoi(argv[3]));
    }
    return -1;
}
