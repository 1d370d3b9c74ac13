// Driver commands for caelor.exe's main window and dialogs: where the focus
// is, what a list holds, keys and scroll requests handled at once,
// choosing a city, and real keys for menus.
//
//   e2e_driver wait-focus TITLE ID TIMEOUT_MS     control ID gets the focus (prints its selection)
//   e2e_driver list-count TITLE ID TIMEOUT_MS     items of a list or combo box (prints the first)
//   e2e_driver field-state TITLE ID TIMEOUT_MS     "[text] checked 0|1" of a control
//   e2e_driver control-text TITLE ID TIMEOUT_MS    the whole text of a control
//   e2e_driver send TITLE MESSAGE WPARAM          a key (256) or scroll request, handled
//                                                 before the command returns
//   e2e_driver choose-city TITLE ID NAME TIMEOUT_MS
//                                                 select NAME in a combo box as a click does
//   e2e_driver keys TITLE VK[+VK...] ...          real key strokes to the window
//                                                 (VK+VK: held together, e.g. 18+82 Alt+R)
//   e2e_driver wait-menu TIMEOUT_MS [closed]      a drop-down menu is open (or none is)
//   e2e_driver fixed-font                         max char width and line height

#include "driver.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPollMs = 50;

HWND FindVisible(const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = DriverFindWindow(title);
        if (hwnd != nullptr && IsWindowVisible(hwnd)) {
            return hwnd;
        }
        if (GetTickCount() - start >= timeoutMs) {
            std::printf("no window \"%s\" within %lu ms\n", title,
                        static_cast<unsigned long>(timeoutMs));
            return nullptr;
        }
        Sleep(kPollMs);
    }
}

// The window's thread must have dealt with everything sent so far before the
// focus or the scroll bars are read.
void Settle(HWND hwnd) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &result);
}

// Waits until control id of the window has the focus; prints the focused
// control's id and, for an edit box, its selection and text length.
int WaitFocusCommand(const char* title, int id, DWORD timeoutMs) {
    HWND hwnd = FindVisible(title, timeoutMs);
    if (hwnd == nullptr) {
        return 1;
    }
    const DWORD start = GetTickCount();
    int seen = 0;
    for (;;) {
        Settle(hwnd);
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
        HWND control = nullptr;
        if (GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr &&
            IsChild(hwnd, info.hwndFocus)) {
            control = info.hwndFocus;
            char className[64] = "";
            GetClassNameA(GetParent(control), className, sizeof className);
            if (GetParent(control) != hwnd && _stricmp(className, "ComboBox") == 0) {
                control = GetParent(control);
            }
            seen = GetDlgCtrlID(control);
        }
        if (seen == id) {
            DWORD first = 0;
            DWORD last = 0;
            HWND edit = info.hwndFocus;
            SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                         reinterpret_cast<LPARAM>(&last));
            std::printf("focus %d selection %lu-%lu of %d\n", seen,
                        static_cast<unsigned long>(first), static_cast<unsigned long>(last),
                        static_cast<int>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0)));
            return 0;
        }
        if (GetTickCount() - start >= timeoutMs) {
            std::printf("focus on %d, not %d\n", seen, id);
            return 1;
        }
        Sleep(kPollMs);
    }
}

int ListCountCommand(const char* title, int id, DWORD timeoutMs) {
    HWND list = DriverWaitForControl(title, id, timeoutMs);
    if (list == nullptr) {
        return 1;
    }
    char className[64] = "";
    GetClassNameA(list, className, sizeof className);
    const bool combo = _stricmp(className, "ComboBox") == 0;
    const LRESULT count = SendMessageA(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    // Wide messages: Wine hands the text of another process's list over
    // as Unicode only.
    wchar_t wide[256] = L"";
    char first[256] = "";
    if (count > 0 && SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, 0, 0) < 255) {
        SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, 0, reinterpret_cast<LPARAM>(wide));
        WideCharToMultiByte(CP_ACP, 0, wide, -1, first, sizeof first, nullptr, nullptr);
    }
    std::printf("%ld items, first %s\n", static_cast<long>(count), first);
    return 0;
}

// Sends a message and returns once the window has handled it, so what it
// painted is on the screen: a key (256 = WM_KEYDOWN, then its WM_KEYUP) or a
// scroll request (276/277 = WM_HSCROLL/WM_VSCROLL with code + 65536 * pos).
int SendCommand(const char* title, UINT message, WPARAM wParam) {
    HWND hwnd = FindVisible(title, 5000);
    if (hwnd == nullptr) {
        return 1;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, message, wParam, 1, SMTO_BLOCK, 10000, &result)) {
        std::printf("message %u not handled\n", message);
        return 1;
    }
    if (message == WM_KEYDOWN) {
        SendMessageTimeoutA(hwnd, WM_KEYUP, wParam, 0xC0000001, SMTO_BLOCK, 10000, &result);
    }
    std::printf("message %u %lu to \"%s\"\n", message, static_cast<unsigned long>(wParam), title);
    return 0;
}

// The text of a control of another program, asked of the control itself
// (GetWindowText of a foreign window gives only its caption). Prints the
// text between brackets and the check state of a button.
int FieldTextCommand(const char* title, int id, DWORD timeoutMs) {
    HWND control = DriverWaitForControl(title, id, timeoutMs);
    if (control == nullptr) {
        return 1;
    }
    wchar_t wide[512] = L"";
    SendMessageW(control, WM_GETTEXT, sizeof wide / sizeof wide[0], reinterpret_cast<LPARAM>(wide));
    char text[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    std::printf("[%s] checked %d\n", text,
                SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    return 0;
}

// The whole text of a control of another program, as it stands, on stdout.
int ControlTextCommand(const char* title, int id, DWORD timeoutMs) {
    HWND control = DriverWaitForControl(title, id, timeoutMs);
    if (control == nullptr) {
        return 1;
    }
    const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(control, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> text(static_cast<size_t>(bytes > 0 ? bytes : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text.data(), bytes, nullptr, nullptr);
    std::fputs(text.data(), stdout);
    return 0;
}

// Selects the item as a click in the drop-down list does: the selection
// changes and the dialog hears of it.
int ChooseCityCommand(const char* title, int id, const char* name, DWORD timeoutMs) {
    HWND combo = DriverWaitForControl(title, id, timeoutMs);
    if (combo == nullptr) {
        return 1;
    }
    const LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(name));
    if (index == CB_ERR) {
        std::printf("no item \"%s\"\n", name);
        return 1;
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    std::printf("item %ld \"%s\"\n", static_cast<long>(index), name);
    return 0;
}

void AddKey(std::vector<INPUT>& inputs, WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
}

// Real key strokes through the input queue, so the asynchronous key state
// (which F1 help on menus reads) sees them. The queue keeps their order; the
// scripts wait for what the keys bring about.
int KeysCommand(const char* title, int count, char** strokes) {
    HWND hwnd = FindVisible(title, 5000);
    if (hwnd == nullptr) {
        return 1;
    }
    SetForegroundWindow(hwnd);
    for (int i = 0; i < count; ++i) {
        std::vector<WORD> keys;
        const char* p = strokes[i];
        while (*p != '\0') {
            char* end = nullptr;
            keys.push_back(static_cast<WORD>(std::strtoul(p, &end, 10)));
            p = *end == '+' ? end + 1 : end;
            if (end == p && *end != '\0') {
                std::printf("bad key stroke %s\n", strokes[i]);
                return 2;
            }
        }
        std::vector<INPUT> inputs;
        for (WORD key : keys) {
            AddKey(inputs, key, false);
        }
        for (size_t k = keys.size(); k-- > 0;) {
            AddKey(inputs, keys[k], true);
        }
        if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) !=
            inputs.size()) {
            std::printf("SendInput failed\n");
            return 1;
        }
        std::printf("keys %s\n", strokes[i]);
    }
    return 0;
}

// The widest character of the system fixed font on the display, which sizes
// the main window, and the report line height.
int FixedFontCommand() {
    HDC dc = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    if (dc == nullptr) {
        std::printf("no display information context\n");
        return 1;
    }
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    std::printf("%ld %ld\n", metrics.tmMaxCharWidth, metrics.tmHeight + metrics.tmExternalLeading);
    return 0;
}

// Waits for an open drop-down menu (the system's popup menu class), or with
// closed for every one of them to be gone.
int WaitMenuCommand(DWORD timeoutMs, bool closed) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND menu = FindWindowA("#32768", nullptr);
        const bool open = menu != nullptr && IsWindowVisible(menu);
        if (open != closed) {
            std::printf(open ? "menu open\n" : "no menu open\n");
            return 0;
        }
        if (GetTickCount() - start >= timeoutMs) {
            std::printf(closed ? "a menu still open after %lu ms\n"
                               : "no open menu within %lu ms\n",
                        static_cast<unsigned long>(timeoutMs));
            return 1;
        }
        Sleep(kPollMs);
    }
}

} // namespace

// -1 when argv names none of these commands.
// The printing commands of driver_print.cpp.
int PrintDriverCommand(int argc, char** argv);
// The installed programs' commands of driver_release.cpp.
int ReleaseDriverCommand(int argc, char** argv);

int CaelorDriverCommand(int argc, char** argv) {
    if (const int result = PrintDriverCommand(argc, argv); result >= 0) {
        return result;
    }
    if (const int result = ReleaseDriverCommand(argc, argv); result >= 0) {
        return result;
    }
    if (argc == 5 && std::strcmp(argv[1], "wait-focus") == 0) {
        return WaitFocusCommand(argv[2], std::atoi(argv[3]), std::strtoul(argv[4], nullptr, 10));
    }
    if (argc == 5 && std::strcmp(argv[1], "field-state") == 0) {
        return FieldTextCommand(argv[2], std::atoi(argv[3]), std::strtoul(argv[4], nullptr, 10));
    }
    if (argc == 5 && std::strcmp(argv[1], "control-text") == 0) {
        return ControlTextCommand(argv[2], std::atoi(argv[3]), std::strtoul(argv[4], nullptr, 10));
    }
    if (argc == 5 && std::strcmp(argv[1], "list-count") == 0) {
        return ListCountCommand(argv[2], std::atoi(argv[3]), std::strtoul(argv[4], nullptr, 10));
    }
    if (argc == 5 && std::strcmp(argv[1], "send") == 0) {
        return SendCommand(argv[2], static_cast<UINT>(std::strtoul(argv[3], nullptr, 10)),
                           static_cast<WPARAM>(std::strtoul(argv[4], nullptr, 10)));
    }
    if (argc == 6 && std::strcmp(argv[1], "choose-city") == 0) {
        return ChooseCityCommand(argv[2], std::atoi(argv[3]), argv[4],
                                 std::strtoul(argv[5], nullptr, 10));
    }
    if (argc == 2 && std::strcmp(argv[1], "fixed-font") == 0) {
        return FixedFontCommand();
    }
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "wait-menu") == 0) {
        return WaitMenuCommand(std::strtoul(argv[2], nullptr, 10),
                               argc == 4 && std::strcmp(argv[3], "closed") == 0);
    }
    if (argc >= 4 && std::strcmp(argv[1], "keys") == 0) {
        return KeysCommand(argv[2], argc - 3, argv + 3);
    }
    return -1;
}
