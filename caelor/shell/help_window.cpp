// The help window: Contents, Back and Print Topic along the top, the keyword
// index with its search box on the left, the topic with its links on the
// right.

#include "shell/help.h"

#include "help/help_book.h"
#include "help/help_text.h"
#include "help/help_topics.h"
#include "reports/report_buffer.h"
#include "resources/string_table.h"
#include "shell/help_view.h"
#include "shell/printing.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kSearchId = 101;
constexpr int kListId = 102;
constexpr int kTextId = 103; // the topic view; its text is the topic as plain text
constexpr int kContentsId = 104;
constexpr int kBackId = 105;
constexpr int kPrintId = 106;
constexpr int kListWidth = 220;
constexpr int kMargin = 6;
constexpr int kRowHeight = 24;
constexpr int kButtonWidth = 90;
const char kHelpClass[] = "CaelorHelpWindow";

HWND g_window;
HWND g_search;
HWND g_list;
HWND g_view;
HWND g_back;
HWND g_lastFocus;
HelpBook g_book;
std::vector<HelpIndexEntry> g_index;
std::vector<HelpIndexEntry> g_listed; // what the list shows, in its order
bool g_settingSearch;
bool g_loaded;
int g_current = -1;         // the topic shown
std::vector<int> g_history; // the topics Back returns to, the last one first
// The topic shown was picked by typing in the search box, so the next one
// typing picks replaces it in the history instead of adding to it.
bool g_shownBySearch;

bool LoadTopics() {
    if (g_loaded) {
        return !g_book.topics.empty();
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
    // The build checked the text; what it let through is read as it is.
    std::vector<HelpError> errors;
    ParseHelpSource(source, "caelor.hlp", g_book, errors);
    CheckHelpBook(g_book, errors);
    g_index = HelpIndex(g_book);
    return !g_book.topics.empty();
}

// The index, or while there is search text the entries that start with it.
void FillList() {
    char search[81] = "";
    GetWindowTextA(g_search, search, sizeof search);
    g_listed = SearchHelpIndex(g_index, search);
    SendMessageA(g_list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(g_list, LB_RESETCONTENT, 0, 0);
    for (const HelpIndexEntry& entry : g_listed) {
        SendMessageA(g_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text.c_str()));
    }
    SendMessageA(g_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(g_list, nullptr, TRUE);
}

// The search text set by the program, not typed: the list follows it, the
// topic stays.
void SetSearch(const char* text) {
    g_settingSearch = true;
    SetWindowTextA(g_search, text);
    g_settingSearch = false;
    FillList();
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Highlights the topic's own title in the list, else another entry of the
// topic, if the list shows one.
void SelectInList(int topic) {
    const std::string& title = g_book.topics[static_cast<size_t>(topic)].title;
    int found = -1;
    for (size_t i = 0; i < g_listed.size(); ++i) {
        if (g_listed[i].topic != topic) {
            continue;
        }
        if (SameText(g_listed[i].key, title)) {
            found = static_cast<int>(i);
            break;
        }
        found = found < 0 ? static_cast<int>(i) : found;
    }
    SendMessageA(g_list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void ShowTopic(int topic, bool remember) {
    if (topic < 0 || topic >= static_cast<int>(g_book.topics.size())) {
        return;
    }
    if (remember && g_current >= 0 && g_current != topic) {
        g_history.push_back(g_current);
    }
    g_current = topic;
    HelpViewShow(g_view, g_book, g_book.topics[static_cast<size_t>(topic)]);
    EnableWindow(g_back, g_history.empty() ? FALSE : TRUE);
}

void OpenTopic(int topic) {
    g_shownBySearch = false;
    ShowTopic(topic, true);
    SelectInList(topic);
}

void Back() {
    if (g_history.empty()) {
        return;
    }
    const int topic = g_history.back();
    g_history.pop_back();
    g_shownBySearch = false;
    ShowTopic(topic, false);
    SelectInList(topic);
}

void OpenName(const std::string& name) {
    const HelpTopic* topic = FindHelpTopic(g_book, name);
    if (topic != nullptr) {
        OpenTopic(HelpTopicIndex(g_book, *topic));
    }
}

void OpenListSelection() {
    const LRESULT selected = SendMessageA(g_list, LB_GETCURSEL, 0, 0);
    if (selected >= 0 && selected < static_cast<LRESULT>(g_listed.size())) {
        g_shownBySearch = false;
        ShowTopic(g_listed[static_cast<size_t>(selected)].topic, true);
    }
}

// Typing shows the first entry that starts with the text.
// Clearing the text lists the whole index again and keeps the topic.
void OnSearchChanged() {
    FillList();
    if (GetWindowTextLengthA(g_search) == 0 && g_current >= 0) {
        SelectInList(g_current);
        return;
    }
    if (g_listed.empty()) {
        return;
    }
    SendMessageA(g_list, LB_SETCURSEL, 0, 0);
    ShowTopic(g_listed.front().topic, !g_shownBySearch);
    g_shownBySearch = true;
}

// Print Topic: the topic as the lines of a report, printed as a report is.
// The buffer is filled here rather than line by line through the report
// calls, which would also draw each line in the main window.
void PrintTopic() {
    if (g_current < 0) {
        return;
    }
    const std::vector<std::string> lines =
        HelpTopicLines(g_book, g_book.topics[static_cast<size_t>(g_current)], kReportLineMax);
    ReportBuffer buffer;
    const size_t blocks = lines.size() / kReportBlockLines + 1;
    buffer.text.assign(blocks * kReportBlockLines * kReportSlot, '\0');
    for (const std::string& line : lines) {
        const std::string cut = line.substr(0, kReportLineMax);
        std::memcpy(&buffer.text[static_cast<size_t>(buffer.lineCount) * kReportSlot], cut.c_str(),
                    cut.size());
        ++buffer.lineCount;
    }
    buffer.complete = 1;
    PrintReport(g_window, buffer);
}

HWND MakeButton(HWND parent, HINSTANCE instance, int id, int textId) {
    char text[81];
    LoadText(textId, text, sizeof text);
    return CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                           0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance, nullptr);
}

void Layout(HWND window, int width, int height) {
    for (int k = 0; k < 3; ++k) {
        MoveWindow(GetDlgItem(window, kContentsId + k), kMargin + k * (kButtonWidth + kMargin),
                   kMargin, kButtonWidth, kRowHeight, TRUE);
    }
    const int top = 2 * kMargin + kRowHeight;
    MoveWindow(g_search, kMargin, top, kListWidth, kRowHeight, TRUE);
    MoveWindow(g_list, kMargin, top + kRowHeight + kMargin, kListWidth,
               std::max(height - top - kRowHeight - 2 * kMargin, 0), TRUE);
    MoveWindow(g_view, 2 * kMargin + kListWidth, top, std::max(width - 3 * kMargin - kListWidth, 0),
               std::max(height - top - kMargin, 0), TRUE);
}

LRESULT OnCreate(HWND hwnd, HINSTANCE instance) {
    const bool buttons = MakeButton(hwnd, instance, kContentsId, IDS_HELP_WINDOW_CONTENTS) != nullptr &&
                         MakeButton(hwnd, instance, kPrintId, IDS_HELP_WINDOW_PRINT_TOPIC) != nullptr;
    g_back = MakeButton(hwnd, instance, kBackId, IDS_HELP_WINDOW_BACK);
    g_search = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0,
                               hwnd, reinterpret_cast<HMENU>(kSearchId), instance, nullptr);
    g_list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY |
                                 LBS_NOINTEGRALHEIGHT,
                             0, 0, 0, 0, hwnd, reinterpret_cast<HMENU>(kListId), instance, nullptr);
    g_view = CreateHelpView(hwnd, kTextId, instance);
    if (!buttons || g_back == nullptr || g_search == nullptr || g_list == nullptr ||
        g_view == nullptr) {
        return -1;
    }
    SendMessageA(g_search, EM_SETLIMITTEXT, 80, 0);
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    for (HWND control :
         {g_search, g_list, g_back, GetDlgItem(hwnd, kContentsId), GetDlgItem(hwnd, kPrintId)}) {
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    EnableWindow(g_back, FALSE);
    FillList();
    return 0;
}

LRESULT CALLBACK HelpWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(hwnd, reinterpret_cast<LPCREATESTRUCTA>(lParam)->hInstance);
    case WM_SIZE:
        Layout(hwnd, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            g_lastFocus = focus != nullptr && IsChild(hwnd, focus) ? focus : g_lastFocus;
        }
        break;
    case WM_SETFOCUS:
        SetFocus(g_lastFocus != nullptr ? g_lastFocus : g_view);
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == kSearchId && code == EN_CHANGE && !g_settingSearch) {
            OnSearchChanged();
        } else if (id == kListId && code == LBN_SELCHANGE) {
            OpenListSelection();
        } else if (id == kTextId && code == kHelpViewFollow) {
            OpenName(HelpViewTarget(g_view));
        } else if ((id == kTextId && code == kHelpViewBack) || id == kBackId) {
            Back();
        } else if (id == kContentsId) {
            const HelpTopic* contents = FindHelpContext(g_book, kHelpIndexContext);
            if (contents != nullptr) {
                OpenTopic(HelpTopicIndex(g_book, *contents));
            }
        } else if (id == kPrintId) {
            PrintTopic();
        }
        return 0;
    }
    case WM_DESTROY:
        g_window = nullptr;
        g_current = -1;
        g_history.clear();
        g_lastFocus = nullptr;
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool EnsureWindow(const char* helpFile) {
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
    g_window = CreateWindowExA(0, kHelpClass, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                               CW_USEDEFAULT, 900, 600, nullptr, nullptr, instance, nullptr);
    return g_window != nullptr;
}

void Present(HWND focus) {
    ShowWindow(g_window, SW_SHOWNORMAL);
    SetForegroundWindow(g_window);
    g_lastFocus = focus;
    SetFocus(focus);
}

} // namespace

BOOL ShowHelp(HWND owner, const char* helpFile, UINT command, ULONG_PTR data) {
    (void)owner;
    if (command == HELP_QUIT) {
        if (g_window != nullptr) {
            DestroyWindow(g_window);
        }
        return TRUE;
    }
    if (!LoadTopics() || !EnsureWindow(helpFile)) {
        return FALSE;
    }
    const HelpTopic* topic = nullptr;
    switch (command) {
    case HELP_CONTEXT:
        topic = FindHelpContext(g_book, static_cast<int>(data));
        break;
    case HELP_INDEX: // also HELP_CONTENTS
        topic = FindHelpContext(g_book, kHelpIndexContext);
        break;
    case HELP_HELPONHELP:
        topic = FindHelpContext(g_book, kHelpOnHelpContext);
        break;
    case HELP_KEY:
        topic = FindHelpKeyword(g_book, data != 0 ? reinterpret_cast<const char*>(data) : "");
        break;
    case HELP_PARTIALKEY: {
        // An empty or unknown key opens the search with the text typed in.
        SetSearch(data != 0 ? reinterpret_cast<const char*>(data) : "");
        if (g_current < 0) {
            const HelpTopic* contents = FindHelpContext(g_book, kHelpIndexContext);
            ShowTopic(contents != nullptr ? HelpTopicIndex(g_book, *contents) : 0, false);
        }
        Present(g_search);
        return TRUE;
    }
    default:
        return FALSE;
    }
    if (topic == nullptr) {
        return FALSE;
    }
    if (GetWindowTextLengthA(g_search) > 0) {
        SetSearch("");
    }
    OpenTopic(HelpTopicIndex(g_book, *topic));
    Present(g_view);
    return TRUE;
}
