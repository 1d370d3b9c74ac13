#include "app/help_window.h"

#include "app/resource.h"
#include "shell/help_view.h"

#include <algorithm>

namespace {

const char kHelpClass[] = "VarnixPCHelp";
const char kContentsName[] = "index";
const int kListControl = 100;
const int kTextControl = 101;
const int kContentsControl = 102;
const int kBackControl = 103;
const int kListWidth = 170;
const int kMargin = 6;
const int kButtonHeight = 24;
const int kButtonWidth = 80;
const int kWindowWidth = 820;
const int kWindowHeight = 520;
// The raw-data resource type in its narrow form, whatever UNICODE says.
const LPCSTR kRcData = MAKEINTRESOURCEA(10);

std::string LoadResourceText(UINT id, const char* fallback) {
    char buffer[128] = {};
    if (LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer) <= 0) {
        return fallback;
    }
    return buffer;
}

} // namespace

bool CHelpWnd::LoadTopics() {
    if (!book_.topics.empty()) {
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
    // The build checked the guide; what it let through is shown as it is.
    std::vector<HelpError> errors;
    ParseHelpSource(std::string(data, SizeofResource(module, found)), "varnixpc.hlp", book_,
                    errors);
    CheckHelpBook(book_, errors);
    return !book_.topics.empty();
}

bool CHelpWnd::Open(const std::string& topicName) {
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
        const std::string caption = LoadResourceText(IDS_HELP_CAPTION, "Help");
        if (!CreateEx(0, kHelpClass, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr)) {
            return false;
        }
    }
    const HelpTopic* topic = FindHelpTopic(book_, topicName);
    if (topic == nullptr) {
        topic = FindHelpTopic(book_, kContentsName);
    }
    ShowTopic(topic != nullptr ? HelpTopicIndex(book_, *topic) : 0, true);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    SetFocus(view_);
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
    view_ = CreateHelpView(Handle(), kTextControl, instance);
    const std::string contents = LoadResourceText(IDS_HELP_CONTENTS, "Contents");
    const std::string back = LoadResourceText(IDS_HELP_BACK, "Back");
    contents_ = CreateWindowExA(
        0, "BUTTON", contents.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0,
        0, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kContentsControl)), instance,
        nullptr);
    back_ = CreateWindowExA(
        0, "BUTTON", back.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
        Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBackControl)), instance, nullptr);
    if (list_ == nullptr || view_ == nullptr || contents_ == nullptr || back_ == nullptr) {
        return -1;
    }
    const WPARAM font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (HWND control : {list_, contents_, back_}) {
        SendMessageA(control, WM_SETFONT, font, FALSE);
    }
    for (const HelpTopic& topic : book_.topics) {
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(topic.title.c_str()));
    }
    EnableWindow(back_, FALSE);
    Layout();
    return 0;
}

void CHelpWnd::ShowTopic(int index, bool remember) {
    if (index < 0 || index >= static_cast<int>(book_.topics.size())) {
        return;
    }
    if (remember && current_ >= 0 && current_ != index) {
        history_.push_back(current_);
    }
    current_ = index;
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    HelpViewShow(view_, book_, book_.topics[static_cast<std::size_t>(index)]);
    EnableWindow(back_, history_.empty() ? FALSE : TRUE);
}

void CHelpWnd::Back() {
    if (history_.empty()) {
        return;
    }
    const int index = history_.back();
    history_.pop_back();
    ShowTopic(index, false);
}

void CHelpWnd::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int height = client.bottom - client.top;
    const int width = client.right - client.left;
    MoveWindow(contents_, kMargin, kMargin, kButtonWidth, kButtonHeight, TRUE);
    MoveWindow(back_, 2 * kMargin + kButtonWidth, kMargin, kButtonWidth, kButtonHeight, TRUE);
    const int top = 2 * kMargin + kButtonHeight;
    MoveWindow(list_, 0, top, kListWidth, std::max(height - top, 0), TRUE);
    MoveWindow(view_, kListWidth, top, std::max(width - kListWidth, 0), std::max(height - top, 0),
               TRUE);
}

LRESULT CHelpWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == kListControl && code == LBN_SELCHANGE) {
            ShowTopic(static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)), true);
            return 0;
        }
        if (id == kTextControl && code == kHelpViewFollow) {
            const HelpTopic* topic = FindHelpTopic(book_, HelpViewTarget(view_));
            if (topic != nullptr) {
                ShowTopic(HelpTopicIndex(book_, *topic), true);
            }
            return 0;
        }
        if ((id == kTextControl && code == kHelpViewBack) || id == kBackControl) {
            Back();
            return 0;
        }
        if (id == kContentsControl) {
            const HelpTopic* topic = FindHelpTopic(book_, kContentsName);
            if (topic != nullptr) {
                ShowTopic(HelpTopicIndex(book_, *topic), true);
            }
            return 0;
        }
        break;
    }
    case WM_SETFOCUS:
        SetFocus(view_);
        return 0;
    case WM_DESTROY:
        current_ = -1;
        history_.clear();
        break;
    default:
        break;
    }
    return Window::WindowProc(message, wParam, lParam);
}
