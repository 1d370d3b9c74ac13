#include "app/help_window.h"

#include "app/resource.h"

namespace {

const char kHelpClass[] = "VarnixPCHelp";
const int kListControl = 100;
const int kTextControl = 101;
const int kListWidth = 170;
// Wide enough for the topics' 76-column lines in the fixed font, so that
// their tables are not broken by wrapping.
const int kWindowWidth = 820;
const int kWindowHeight = 480;
// The raw-data resource type in its narrow form, whatever UNICODE says.
const LPCSTR kRcData = MAKEINTRESOURCEA(10);

std::string LoadCaption() {
    char buffer[128] = {};
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_HELP_CAPTION, buffer, sizeof buffer) <= 0) {
        return "Help";
    }
    return buffer;
}

} // namespace

bool CHelpWnd::LoadTopics() {
    if (!topics_.empty()) {
        return true;
    }
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_HELP_TOPICS), kRcData);
    if (found == nullptr) {
        return false;
    }
    HGLOBAL loaded = LoadResource(module, found);
    const char* data = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (data == nullptr) {
        return false;
    }
    std::vector<std::string> errors;
    // A faulty topic is left out; the others are still worth showing.
    ParseLauncherHelpTopics(std::string(data, SizeofResource(module, found)), topics_, errors);
    return !topics_.empty();
}

bool CHelpWnd::Open(const std::string& topicId) {
    if (!LoadTopics()) {
        return false;
    }
    if (Handle() == nullptr) {
        WNDCLASSA wc = {};
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kHelpClass;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(IDI_VARNIXPC));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        if (!RegisterWindowClass(wc)) {
            return false;
        }
        const std::string caption = LoadCaption();
        if (!CreateEx(0, kHelpClass, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr)) {
            return false;
        }
    }
    int index = FindLauncherHelpTopic(topics_, topicId);
    if (index < 0) {
        index = IndexLauncherHelpTopic(topics_);
    }
    ShowTopic(index < 0 ? 0 : index);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    return true;
}

void CHelpWnd::Quit() {
    DestroyWindow();
}

int CHelpWnd::OnCreate() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    list_ = CreateWindowExA(
        WS_EX_CLIENTEDGE, "LISTBOX", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
        0, 0, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListControl)), instance,
        nullptr);
    text_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE |
                                ES_READONLY | ES_AUTOVSCROLL,
                            0, 0, 0, 0, Handle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextControl)), instance,
                            nullptr);
    if (list_ == nullptr || text_ == nullptr) {
        return -1;
    }
    // Fixed pitch keeps the aligned columns of the topics' tables.
    const WPARAM textFont = reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT));
    const WPARAM listFont = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(text_, WM_SETFONT, textFont, FALSE);
    SendMessageA(list_, WM_SETFONT, listFont, FALSE);
    for (const LauncherHelpTopic& topic : topics_) {
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(topic.title.c_str()));
    }
    Layout();
    return 0;
}

void CHelpWnd::ShowTopic(int index) {
    if (index < 0 || index >= static_cast<int>(topics_.size())) {
        return;
    }
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    const std::string text = HelpTextForDisplay(topics_[static_cast<std::size_t>(index)].text);
    SetWindowTextA(text_, text.c_str());
}

void CHelpWnd::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int height = client.bottom - client.top;
    const int width = client.right - client.left;
    MoveWindow(list_, 0, 0, kListWidth, height, TRUE);
    MoveWindow(text_, kListWidth, 0, width > kListWidth ? width - kListWidth : 0, height, TRUE);
}

LRESULT CHelpWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kListControl && HIWORD(wParam) == LBN_SELCHANGE) {
            ShowTopic(static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)));
            return 0;
        }
        break;
    case WM_SETFOCUS:
        SetFocus(list_);
        return 0;
    default:
        break;
    }
    return Window::WindowProc(message, wParam, lParam);
}
