#include "shell/help_view.h"

#include "help/help_layout.h"
#include "help/help_text.h"

#include <algorithm>
#include <vector>

namespace {

const char kViewClass[] = "SkyloomHelpView";
constexpr int kStyles = 5;
constexpr COLORREF kLinkColour = RGB(0, 64, 160);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kHeadingColour = RGB(0, 48, 96);
// Columns of the plain text the view's window text holds.
constexpr int kPlainWidth = 76;

int StyleIndex(HelpStyle style) {
    return static_cast<int>(style);
}

struct ViewState {
    const HelpBook* book = nullptr;
    const HelpTopic* topic = nullptr;
    HFONT fonts[kStyles] = {};
    int heights[kStyles] = {};
    HelpPage page;
    int scroll = 0;   // pixels of the page above the window
    int focused = -1; // the link Tab chose, or -1
    std::string target;
};

ViewState* State(HWND view) {
    return reinterpret_cast<ViewState*>(GetWindowLongPtrA(view, GWLP_USERDATA));
}

// Measures with the view's fonts on a device context of the view.
class GdiMetrics : public HelpMetrics {
  public:
    GdiMetrics(HDC dc, const ViewState& state) : dc_(dc), state_(state) {}

    int TextWidth(HelpStyle style, const std::string& text) const override {
        SelectObject(dc_, state_.fonts[StyleIndex(style)]);
        SIZE size = {};
        GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    int LineHeight(HelpStyle style) const override { return state_.heights[StyleIndex(style)]; }

  private:
    HDC dc_;
    const ViewState& state_;
};

void CreateFonts(HWND view, ViewState& state) {
    LOGFONTA base = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof base, &base);
    HDC dc = GetDC(view);
    const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    base.lfHeight = -MulDiv(9, dpi, 72);
    base.lfWidth = 0;
    base.lfWeight = FW_NORMAL;
    LOGFONTA fonts[kStyles] = {base, base, base, base, base};
    fonts[StyleIndex(HelpStyle::Title)].lfHeight = -MulDiv(13, dpi, 72);
    fonts[StyleIndex(HelpStyle::Title)].lfWeight = FW_BOLD;
    fonts[StyleIndex(HelpStyle::Heading)].lfWeight = FW_BOLD;
    fonts[StyleIndex(HelpStyle::Link)].lfUnderline = TRUE;
    LOGFONTA& fixed = fonts[StyleIndex(HelpStyle::Fixed)];
    fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(fixed.lfFaceName, "Courier New", LF_FACESIZE);
    for (int k = 0; k < kStyles; ++k) {
        state.fonts[k] = CreateFontIndirectA(&fonts[k]);
        if (state.fonts[k] == nullptr) {
            state.fonts[k] = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        }
        if (dc != nullptr) {
            HGDIOBJ old = SelectObject(dc, state.fonts[k]);
            TEXTMETRICA metrics = {};
            GetTextMetricsA(dc, &metrics);
            SelectObject(dc, old);
            state.heights[k] = metrics.tmHeight + metrics.tmExternalLeading;
        }
        state.heights[k] = std::max(state.heights[k], 8);
    }
    if (dc != nullptr) {
        ReleaseDC(view, dc);
    }
}

void DeleteFonts(ViewState& state) {
    HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
    for (HFONT& font : state.fonts) {
        if (font != nullptr && font != stock) {
            DeleteObject(font);
        }
        font = nullptr;
    }
}

int ClientHeight(HWND view) {
    RECT client;
    GetClientRect(view, &client);
    return client.bottom - client.top;
}

void UpdateScrollBar(HWND view, ViewState& state) {
    const int height = ClientHeight(view);
    state.scroll = std::max(0, std::min(state.scroll, state.page.height - height));
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(state.page.height - 1, 0);
    info.nPage = static_cast<UINT>(std::max(height, 0));
    info.nPos = state.scroll;
    SetScrollInfo(view, SB_VERT, &info, TRUE);
}

void Layout(HWND view, ViewState& state) {
    if (state.book == nullptr || state.topic == nullptr) {
        return;
    }
    RECT client;
    GetClientRect(view, &client);
    HDC dc = GetDC(view);
    if (dc == nullptr) {
        return;
    }
    HGDIOBJ old = SelectObject(dc, state.fonts[0]);
    const GdiMetrics metrics(dc, state);
    state.page = LayoutHelpTopic(*state.book, *state.topic, client.right - client.left, metrics);
    SelectObject(dc, old);
    ReleaseDC(view, dc);
    UpdateScrollBar(view, state);
    InvalidateRect(view, nullptr, TRUE);
}

void ScrollTo(HWND view, ViewState& state, int position) {
    state.scroll = position;
    UpdateScrollBar(view, state);
    InvalidateRect(view, nullptr, TRUE);
}

// Draws the text with each character where the text's measure puts it, so
// that the text takes the width the layout gave it (a plain TextOut may
// round the characters' advances otherwise and run into the next word).
void DrawRun(HDC dc, int x, int y, const std::string& text) {
    const int length = static_cast<int>(text.size());
    std::vector<INT> ends(text.size() + 1);
    std::vector<INT> advances(text.size() + 1);
    SIZE size = {};
    if (length == 0 ||
        !GetTextExtentExPointA(dc, text.c_str(), length, 0, nullptr, ends.data(), &size)) {
        TextOutA(dc, x, y, text.c_str(), length);
        return;
    }
    for (int k = 0; k < length; ++k) {
        advances[static_cast<size_t>(k)] =
            ends[static_cast<size_t>(k)] - (k > 0 ? ends[static_cast<size_t>(k) - 1] : 0);
    }
    ExtTextOutA(dc, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(length), advances.data());
}

void Paint(HWND view, ViewState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(view, &paint);
    if (dc == nullptr) {
        return;
    }
    RECT client;
    GetClientRect(view, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, state.fonts[0]);
    const bool focus = GetFocus() == view;
    const HelpRun* previous = nullptr;
    for (const HelpRun& run : state.page.runs) {
        const HelpRun* before = previous;
        previous = &run;
        const int y = run.y - state.scroll;
        if (y + run.h < paint.rcPaint.top || y > paint.rcPaint.bottom) {
            continue;
        }
        SelectObject(dc, state.fonts[StyleIndex(run.style)]);
        SetTextColor(dc, run.style == HelpStyle::Link      ? kLinkColour
                         : run.style == HelpStyle::Heading ? kHeadingColour
                         : run.style == HelpStyle::Title   ? kHeadingColour
                                                           : kTextColour);
        DrawRun(dc, run.x, y, run.text);
        // The blank between two words of a link is underlined too.
        if (run.link >= 0 && before != nullptr && before->link == run.link && before->y == run.y) {
            const int gap = run.x - (before->x + before->w);
            ExtTextOutA(dc, before->x + before->w, y, 0, nullptr, " ", 1, &gap);
        }
        if (focus && run.link >= 0 && run.link == state.focused) {
            RECT box = {run.x - 1, y, run.x + run.w + 1, y + run.h};
            DrawFocusRect(dc, &box);
        }
    }
    SelectObject(dc, old);
    EndPaint(view, &paint);
}

void Follow(HWND view, ViewState& state, int link) {
    if (link < 0 || link >= static_cast<int>(state.page.links.size())) {
        return;
    }
    state.target = state.page.links[static_cast<size_t>(link)];
    SendMessageA(GetParent(view), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(view), kHelpViewFollow),
                 reinterpret_cast<LPARAM>(view));
}

// Tab moves to the next link, Shift+Tab to the one before, and brings it
// into sight.
void MoveFocus(HWND view, ViewState& state, bool back) {
    const int count = static_cast<int>(state.page.links.size());
    if (count == 0) {
        return;
    }
    state.focused = state.focused < 0 ? (back ? count - 1 : 0)
                                      : (state.focused + (back ? count - 1 : 1)) % count;
    for (const HelpRun& run : state.page.runs) {
        if (run.link == state.focused) {
            const int height = ClientHeight(view);
            if (run.y < state.scroll || run.y + run.h > state.scroll + height) {
                ScrollTo(view, state, run.y - height / 3);
            }
            break;
        }
    }
    InvalidateRect(view, nullptr, TRUE);
}

bool OnKey(HWND view, ViewState& state, WPARAM key) {
    const int line = state.heights[StyleIndex(HelpStyle::Text)];
    const int page = std::max(ClientHeight(view) - line, line);
    switch (key) {
    case VK_TAB:
        MoveFocus(view, state, GetKeyState(VK_SHIFT) < 0);
        return true;
    case VK_RETURN:
        Follow(view, state, state.focused);
        return true;
    case VK_BACK:
        SendMessageA(GetParent(view), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(view), kHelpViewBack),
                     reinterpret_cast<LPARAM>(view));
        return true;
    case VK_UP:
        ScrollTo(view, state, state.scroll - line);
        return true;
    case VK_DOWN:
        ScrollTo(view, state, state.scroll + line);
        return true;
    case VK_PRIOR:
        ScrollTo(view, state, state.scroll - page);
        return true;
    case VK_NEXT:
        ScrollTo(view, state, state.scroll + page);
        return true;
    case VK_HOME:
        ScrollTo(view, state, 0);
        return true;
    case VK_END:
        ScrollTo(view, state, state.page.height);
        return true;
    default:
        return false;
    }
}

void OnScroll(HWND view, ViewState& state, WORD code) {
    const int line = state.heights[StyleIndex(HelpStyle::Text)];
    const int page = std::max(ClientHeight(view) - line, line);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(view, SB_VERT, &info);
    switch (code) {
    case SB_LINEUP:
        ScrollTo(view, state, state.scroll - line);
        break;
    case SB_LINEDOWN:
        ScrollTo(view, state, state.scroll + line);
        break;
    case SB_PAGEUP:
        ScrollTo(view, state, state.scroll - page);
        break;
    case SB_PAGEDOWN:
        ScrollTo(view, state, state.scroll + page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(view, state, info.nTrackPos);
        break;
    case SB_TOP:
        ScrollTo(view, state, 0);
        break;
    case SB_BOTTOM:
        ScrollTo(view, state, state.page.height);
        break;
    default:
        break;
    }
}

int LinkAtCursor(HWND view, const ViewState& state) {
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(view, &point);
    return HelpLinkAt(state.page, point.x, point.y + state.scroll);
}

LRESULT CALLBACK HelpViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
    ViewState* state = State(view);
    switch (message) {
    case WM_CREATE: {
        state = new ViewState;
        SetWindowLongPtrA(view, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        CreateFonts(view, *state);
        return 0;
    }
    case WM_DESTROY:
        if (state != nullptr) {
            DeleteFonts(*state);
            delete state;
            SetWindowLongPtrA(view, GWLP_USERDATA, 0);
        }
        return 0;
    default:
        break;
    }
    if (state == nullptr) {
        return DefWindowProcA(view, message, wParam, lParam);
    }
    switch (message) {
    case WM_SIZE:
        Layout(view, *state);
        return 0;
    case WM_PAINT:
        Paint(view, *state);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_VSCROLL:
        OnScroll(view, *state, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL: {
        const int steps = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        ScrollTo(view, *state, state->scroll - steps * 3 * state->heights[0]);
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (OnKey(view, *state, wParam)) {
            return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        if (wParam == VK_LEFT) {
            SendMessageA(GetParent(view), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(view), kHelpViewBack),
                         reinterpret_cast<LPARAM>(view));
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(view, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN: {
        SetFocus(view);
        const int link = HelpLinkAt(state->page, static_cast<short>(LOWORD(lParam)),
                                    static_cast<short>(HIWORD(lParam)) + state->scroll);
        if (link >= 0) {
            state->focused = link;
            Follow(view, *state, link);
        }
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && LinkAtCursor(view, *state) >= 0) {
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(view, message, wParam, lParam);
}

} // namespace

bool RegisterHelpView(HINSTANCE instance) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(instance, kViewClass, &wc)) {
        return true;
    }
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = HelpViewProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kViewClass;
    return RegisterClassA(&wc) != 0;
}

HWND CreateHelpView(HWND parent, int id, HINSTANCE instance) {
    if (!RegisterHelpView(instance)) {
        return nullptr;
    }
    return CreateWindowExA(WS_EX_CLIENTEDGE, kViewClass, "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void HelpViewShow(HWND view, const HelpBook& book, const HelpTopic& topic) {
    ViewState* state = State(view);
    if (state == nullptr) {
        return;
    }
    state->book = &book;
    state->topic = &topic;
    state->scroll = 0;
    state->focused = -1;
    std::string text;
    for (const std::string& line : HelpTopicLines(book, topic, kPlainWidth)) {
        text += line + "\r\n";
    }
    SetWindowTextA(view, text.c_str());
    Layout(view, *state);
}

std::string HelpViewTarget(HWND view) {
    const ViewState* state = State(view);
    return state != nullptr ? state->target : std::string();
}
