// The help window: a search box and a list of topics on the left, the
// chosen topic's text on the right.

#include "shell/help.h"

#include "help/help_topics.h"
#include "resources/string_table.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kSearchId = 101;
constexpr int kListId = 102;
constexpr int kTextId = 103;
constexpr int kListWidth = 220;
constexpr int kMargin = 6;
const char kHelpClass[] = "CaelorHelpWindow";

HWND g_window;
HWND g_search;
HWND g_list;
HWND g_text;
std::vector<HelpTopic> g_topics;
bool g_loaded;

bool LoadTopics() {
    if (g_loaded) {
        return !g_topics.empty();
    }
    g_loaded = true;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, "HELPTOPICS", MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (resource == nullptr) {
        return false;
    }
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return false;
    }
    const std::string source(static_cast<const char*>(data), SizeofResource(module, resource));
    std::vector<std::string> errors;
    g_topics = ParseHelpTopics(source, errors);
    return !g_topics.empty();
}

// The edit control wants CR LF line ends.
std::string WindowsLines(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

void ShowTopic(const HelpTopic& topic) {
    const std::string text = topic.title + "\r\n\r\n" + WindowsLines(topic.text);
    SetWindowTextA(g_text, text.c_str());
}

void AddListItem(const std::string& text, int context) {
    const LRESULT index =
        SendMessageA(g_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0) {
        SendMessageA(g_list, LB_SETITEMDATA, static_cast<WPARAM>(index), context);
    }
}

// The list shows every topic, or the keywords that start with the search
// text while there is one.
void FillList() {
    char search[81] = "";
    GetWindowTextA(g_search, search, sizeof search);
    SendMessageA(g_list, LB_RESETCONTENT, 0, 0);
    if (search[0] == '\0') {
        for (const HelpTopic& topic : g_topics) {
            AddListItem(topic.title, topic.context);
        }
        return;
    }
    for (const HelpKeywordHit& hit : FindHelpPartialKey(g_topics, search)) {
        AddListItem(hit.keyword, hit.context);
    }
}

void SelectContext(int context) {
    const LRESULT count = SendMessageA(g_list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (SendMessageA(g_list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0) == context) {
            SendMessageA(g_list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
    SendMessageA(g_list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void OpenContext(int context) {
    const HelpTopic* topic = FindHelpContext(g_topics, context);
    if (topic != nullptr) {
        ShowTopic(*topic);
        SelectContext(context);
    }
}

void Layout(int width, int height) {
    const int lineHeight = 24;
    MoveWindow(g_search, kMargin, kMargin, kListWidth, lineHeight, TRUE);
    MoveWindow(g_list, kMargin, 2 * kMargin + lineHeight, kListWidth,
               height - 3 * kMargin - lineHeight, TRUE);
    MoveWindow(g_text, 2 * kMargin + kListWidth, kMargin, width - 3 * kMargin - kListWidth,
               height - 2 * kMargin, TRUE);
}

LRESULT CALLBACK HelpWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        HINSTANCE instance = reinterpret_cast<LPCREATESTRUCTA>(lParam)->hInstance;
        g_search = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0,
                                   hwnd, reinterpret_cast<HMENU>(kSearchId), instance, nullptr);
        g_list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 0, 0,
                                 0, 0, hwnd, reinterpret_cast<HMENU>(kListId), instance, nullptr);
        g_text =
            CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0,
                            0, 0, hwnd, reinterpret_cast<HMENU>(kTextId), instance, nullptr);
        if (g_search == nullptr || g_list == nullptr || g_text == nullptr) {
            return -1;
        }
        SendMessageA(g_search, EM_SETLIMITTEXT, 80, 0);
        SetWindowTextA(g_search, "");
        HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
        for (HWND control : {g_search, g_list}) {
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        SendMessageA(g_text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)),
                     FALSE);
        FillList();
        return 0;
    }
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        SetFocus(g_search);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kSearchId && HIWORD(wParam) == EN_CHANGE) {
            FillList();
            if (SendMessageA(g_list, LB_GETCOUNT, 0, 0) > 0) {
                SendMessageA(g_list, LB_SETCURSEL, 0, 0);
                OpenContext(static_cast<int>(SendMessageA(g_list, LB_GETITEMDATA, 0, 0)));
                SetFocus(g_search);
            }
        } else if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
            const LRESULT selected = SendMessageA(g_list, LB_GETCURSEL, 0, 0);
            if (selected >= 0) {
                OpenContext(static_cast<int>(
                    SendMessageA(g_list, LB_GETITEMDATA, static_cast<WPARAM>(selected), 0)));
            }
        }
        return 0;
    case WM_DESTROY:
        g_window = nullptr;
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

bool EnsureWindow(HWND owner, const char* helpFile) {
    if (g_window != nullptr) {
        return true;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, kHelpClass, &wc)) {
        wc.lpfnWndProc = HelpWindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kHelpClass;
        if (!RegisterClassA(&wc)) {
            return false;
        }
    }
    char title[81];
    LoadText(IDS_HELP_WINDOW_TITLE, title, sizeof title);
    std::string caption = title;
    if (helpFile != nullptr && helpFile[0] != '\0') {
        const char* name = std::strrchr(helpFile, '\\');
        caption += std::string(" - ") + (name != nullptr ? name + 1 : helpFile);
    }
    // Not owned: help stays open beside the program, as the platform's
    // help window does.
    (void)owner;
    g_window = CreateWindowExA(0, kHelpClass, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                               CW_USEDEFAULT, 900, 560, nullptr, nullptr, instance, nullptr);
    return g_window != nullptr;
}

} // namespace

BOOL ShowHelp(HWND owner, const char* helpFile, UINT command, ULONG_PTR data) {
    if (command == HELP_QUIT) {
        if (g_window != nullptr) {
            DestroyWindow(g_window);
        }
        return TRUE;
    }
    if (!LoadTopics() || !EnsureWindow(owner, helpFile)) {
        return FALSE;
    }
    int context = -1;
    switch (command) {
    case HELP_CONTEXT:
        context = static_cast<int>(data);
        break;
    case HELP_INDEX: // also HELP_CONTENTS
        context = kHelpIndexContext;
        break;
    case HELP_HELPONHELP:
        context = kHelpOnHelpContext;
        break;
    case HELP_KEY: {
        const HelpTopic* topic =
            FindHelpKeyword(g_topics, data != 0 ? reinterpret_cast<const char*>(data) : "");
        context = topic != nullptr ? topic->context : -1;
        break;
    }
    case HELP_PARTIALKEY: {
        // An empty or unknown key opens the search with the text typed in.
        const char* key = data != 0 ? reinterpret_cast<const char*>(data) : "";
        SetWindowTextA(g_search, key);
        ShowWindow(g_window, SW_SHOWNORMAL);
        SetForegroundWindow(g_window);
        SetFocus(g_search);
        return TRUE;
    }
    default:
        return FALSE;
    }
    if (FindHelpContext(g_topics, context) == nullptr) {
        return FALSE;
    }
    SetWindowTextA(g_search, "");
    OpenContext(context);
    ShowWindow(g_window, SW_SHOWNORMAL);
    SetForegroundWindow(g_window);
    return TRUE;
}
