#include "app/menu_popup_window.h"

#include "app/bar_window.h"
#include "core/menu_file.h"
#include "core/menus.h"
#include "core/popup_geometry.h"

namespace {

constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kDarkGrey = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush != nullptr) {
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
}

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    if (pen == nullptr) {
        return;
    }
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

} // namespace

CMenuPopupWnd::CMenuPopupWnd(CMyWnd& bar, int kind, StringList entries)
    : bar_(bar), kind_(kind), threeD_(bar.ThreeD()),
      font_(bar.ThreeD() ? bar.NormalFont() : bar.BoldFont()), entries_(std::move(entries)),
      count_(static_cast<int>(entries_.GetCount())), screenWidth_(bar.ScreenWidth()),
      screenHeight_(bar.ScreenHeight()), foremostTitle_(bar.ForemostTitle()) {}

bool CMenuPopupWnd::Create() {
    if (!CreateEx(WS_EX_TOPMOST, bar_.ClassName(), "RUZARADIDI", WS_POPUP, 0, 20, 1, 1, nullptr)) {
        return false;
    }
    SetCapture(Handle());
    return true;
}

void CMenuPopupWnd::Place(int titleLeft, int titleRight) {
    HDC dc = GetDC(Handle());
    if (dc != nullptr) {
        HGDIOBJ old = SelectObject(dc, font_);
        TEXTMETRICA metrics;
        if (GetTextMetricsA(dc, &metrics)) {
            itemHeight_ = PopupItemHeight(metrics.tmHeight, threeD_);
            avgCharWidth_ = metrics.tmAveCharWidth;
        }
        SelectObject(dc, old);
        ReleaseDC(Handle(), dc);
    }
    const int width = PopupWidth(entries_.LongestLength(), avgCharWidth_);
    const PopupPosition position = PlacePopup(titleLeft, titleRight, width, screenWidth_);
    rightAligned_ = position.rightAligned;
    SetWindowPos(Handle(), nullptr, position.left, 19, width, PopupHeight(count_, itemHeight_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_SHOWNA);
    UpdateWindow(Handle());
}

bool CMenuPopupWnd::InClient(int x, int y) const {
    RECT client;
    GetClientRect(Handle(), &client);
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

void CMenuPopupWnd::DrawEntry(HDC dc, int n, bool highlighted) {
    RECT client;
    GetClientRect(Handle(), &client);
    const EntryRows rows = PopupEntryRows(n, count_, itemHeight_, client.bottom);
    const RECT r{2, rows.top, client.right - 2, rows.bottom};
    const std::string& text = entries_.GetAt(static_cast<std::size_t>(n - 1));
    const bool separator = text == kLineText;
    if (highlighted) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    } else {
        FillSolid(dc, r, threeD_ ? kLightGrey : kWhite);
    }
    if (separator && !highlighted) {
        const int middle = (rows.top + rows.bottom) / 2;
        Line(dc, 5, middle, client.right - 5, middle, threeD_ ? kDarkGrey : kBlack);
        Line(dc, 5, middle + 1, client.right - 5, middle + 1, kWhite);
    } else if (!separator) {
        HGDIOBJ oldFont = SelectObject(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kBlack);
        SetTextAlign(dc, TA_LEFT | TA_TOP);
        TextOutA(dc, PopupTextX(rightAligned_), rows.top + (threeD_ ? 1 : 0), text.c_str(),
                 static_cast<int>(text.size()));
        SelectObject(dc, oldFont);
    }
    if (kind_ == kTaskMenu && !foremostTitle_.empty() && text == foremostTitle_) {
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        Ellipse(dc, 8, rows.top + 4, 14, rows.top + 10);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
    }
}

void CMenuPopupWnd::DrawFrame(HDC dc) {
    RECT c;
    GetClientRect(Handle(), &c);
    const COLORREF outline = threeD_ ? kDarkGrey : kBlack;
    HPEN pen = CreatePen(PS_SOLID, 1, outline);
    if (pen != nullptr) {
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, c.left, c.top, c.right, c.bottom);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    Line(dc, 1, c.bottom - 2, 1, 1, kWhite);
    Line(dc, 1, 1, c.right - 1, 1, kWhite);
    Line(dc, c.right - 2, 1, c.right - 2, c.bottom - 2, outline);
    Line(dc, 1, c.bottom - 2, c.right - 1, c.bottom - 2, outline);
}

void CMenuPopupWnd::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (dc == nullptr) {
        return;
    }
    RECT c;
    GetClientRect(Handle(), &c);
    FillSolid(dc, c, threeD_ ? kLightGrey : kWhite);
    for (int n = 1; n <= count_; ++n) {
        DrawEntry(dc, n, n == highlighted_);
    }
    DrawFrame(dc);
    EndPaint(Handle(), &ps);
}

void CMenuPopupWnd::Highlight(int entry) {
    if (entry == highlighted_) {
        return;
    }
    HDC dc = GetDC(Handle());
    if (dc == nullptr) {
        highlighted_ = entry;
        return;
    }
    if (highlighted_ != 0) {
        DrawEntry(dc, highlighted_, false);
    }
    highlighted_ = entry;
    if (highlighted_ != 0) {
        DrawEntry(dc, highlighted_, true);
    }
    ReleaseDC(Handle(), dc);
}

void CMenuPopupWnd::OnMouseMove(UINT flags, int x, int y) {
    if ((flags & MK_LBUTTON) == 0) {
        return;
    }
    if (InClient(x, y)) {
        RECT c;
        GetClientRect(Handle(), &c);
        Highlight(PopupHitTest(y, count_, itemHeight_, c.bottom));
        return;
    }
    Highlight(0);
    POINT screen{x, y};
    ClientToScreen(Handle(), &screen);
    // The bar may close this window in its handling: nothing of the object
    // is used after this call.
    bar_.OnPopupMouseMove(screen);
}

void CMenuPopupWnd::OnLButtonDown(UINT, int x, int y) {
    if (InClient(x, y)) {
        RECT c;
        GetClientRect(Handle(), &c);
        Highlight(PopupHitTest(y, count_, itemHeight_, c.bottom));
    }
}

void CMenuPopupWnd::OnLButtonUp(UINT, int x, int y) {
    int entry = 0;
    if (InClient(x, y)) {
        RECT c;
        GetClientRect(Handle(), &c);
        entry = PopupHitTest(y, count_, itemHeight_, c.bottom);
    }
    // The margin below the last entry chooses nothing, as outside does. The
    // dispatch ignores entry 0 without closing, which would leave this window
    // open with the capture and swallow the next press on the bar.
    if (entry == 0) {
        ReleaseCapture();
        CMyWnd& bar = bar_;
        bar.OnPopupDestroyed(this);
        DestroyWindow();
        return;
    }
    Highlight(entry);
    // The dispatch closes (and deletes) this window first: take what it
    // needs into locals.
    const int kind = kind_;
    CMyWnd& bar = bar_;
    bar.DispatchMenu(kind, entry);
}

void CMenuPopupWnd::OnActivateApp(bool active) {
    if (!active) {
        CMyWnd& bar = bar_;
        bar.OnPopupDestroyed(this);
        DestroyWindow();
    }
}

void CMenuPopupWnd::PostNcDestroy() {
    bar_.OnPopupDestroyed(this);
    delete this;
}
