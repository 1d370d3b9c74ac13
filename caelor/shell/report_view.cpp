#include "shell/report_view.h"

#include "reports/host_hooks.h"
#include "reports/report_view.h"
#include "shell/errors.h"
#include "shell/surface.h"

#include <cstring>

namespace {

// A device context of the window prepared as a text surface, released (and
// its font put back) on every path.
class TextSurface {
  public:
    explicit TextSurface(HWND window) : window_(window), dc_(GetDC(window)) {
        if (dc_ == nullptr) {
            ::FatalError(IDS_GDI_ERROR, "REPORTS", __LINE__);
        }
        oldFont_ = PrepareSurface(dc_, 1, 0, 0, true);
    }
    ~TextSurface() {
        SelectObject(dc_, oldFont_);
        if (!ReleaseDC(window_, dc_)) {
            ::FatalError(IDS_GDI_ERROR, "REPORTS", __LINE__);
        }
    }
    TextSurface(const TextSurface&) = delete;
    TextSurface& operator=(const TextSurface&) = delete;
    HDC dc() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
    HFONT oldFont_ = nullptr;
};

bool IsPageBreak(const char* line) {
    return std::strcmp(line, kPageBreakLine) == 0;
}

} // namespace

void ReportView::SetWindow(HWND window, int charWidth, int lineHeight, ReportBuffer* buffer) {
    window_ = window;
    charWidth_ = charWidth > 0 ? charWidth : 1;
    lineHeight_ = lineHeight > 0 ? lineHeight : 1;
    buffer_ = buffer;
}

RECT ReportView::ClientRect() const {
    RECT client = {0, 0, 0, 0};
    if (!GetClientRect(window_, &client)) {
        ::FatalError(IDS_GDI_ERROR, "REPORTS", __LINE__);
    }
    return client;
}

void ReportView::ReportLineAdded(int lineIndex, const char* line) {
    if (window_ == nullptr || IsIconic(window_) || IsPageBreak(line)) {
        return;
    }
    const RECT client = ClientRect();
    const int y = lineHeight_ * (lineIndex + 1);
    if (y > client.bottom - 2 * lineHeight_) {
        return;
    }
    TextSurface surface(window_);
    TextOutA(surface.dc(), charWidth_, y, line, static_cast<int>(std::strlen(line)));
}

void ReportView::ReportProgress(int index, bool insideAlmanac, double fraction) {
    char text[kReportSlot * 2];
    clock_.Update(index, insideAlmanac, fraction, GetTickCount(), text);
    if (window_ == nullptr || IsIconic(window_)) {
        return;
    }
    const RECT client = ClientRect();
    const int length = static_cast<int>(std::strlen(text));
    const int y = client.bottom - lineHeight_;
    TextSurface surface(window_);
    // A shorter text must not leave the tail of a longer one behind.
    RECT strip = {charWidth_ * (length + 1), y, client.right, client.bottom};
    HBRUSH background = GetSysColorBrush(COLOR_WINDOW);
    if (strip.left < strip.right && FillRect(surface.dc(), &strip, background) == 0) {
        ::FatalError(IDS_GDI_ERROR, "REPORTS", __LINE__);
    }
    TextOutA(surface.dc(), charWidth_, y, text, length);
}

void ReportView::Paint(HDC dc, int paintHeight) const {
    if (buffer_ == nullptr || buffer_->lineCount <= 0 || IsIconic(window_)) {
        return;
    }
    const ReportBuffer& buffer = *buffer_;
    if (buffer.topLine < 0 || buffer.topLine >= buffer.lineCount || buffer.firstColumn < 0 ||
        buffer.firstColumn >= kReportLineMax) {
        ::FatalError(IDS_INTERNAL_ERROR, "SCRLTEXT", __LINE__);
    }
    const RECT client = ClientRect();
    const int visible = VisibleLines(client.bottom, lineHeight_);
    const int start = ReportPaintStart(buffer.topLine, buffer.lineCount, visible);
    const int margin = buffer.complete ? lineHeight_ : 2 * lineHeight_;
    const int limit = paintHeight - margin;
    int y = lineHeight_;
    for (int i = start; i < buffer.lineCount && y < limit; ++i, y += lineHeight_) {
        const char* line = buffer.Line(i);
        const int length = static_cast<int>(std::strlen(line));
        if (IsPageBreak(line) || length <= buffer.firstColumn) {
            continue;
        }
        TextOutA(dc, charWidth_, y, line + buffer.firstColumn, length - buffer.firstColumn);
    }
}

void ReportView::Scroll(UINT message, int request, int position) {
    if (buffer_ == nullptr || buffer_->lineCount < 1) {
        return;
    }
    ReportBuffer& buffer = *buffer_;
    const RECT client = ClientRect();
    const bool vertical = message == WM_VSCROLL;
    ScrollStep step;
    if (vertical) {
        const int visible = VisibleLines(client.bottom, lineHeight_);
        step = VerticalScroll(request, position, buffer.topLine, buffer.lineCount, visible);
    } else {
        step = HorizontalScroll(request, position, buffer.firstColumn, client.right / charWidth_);
    }
    if (!step.changed) {
        return;
    }
    if (vertical) {
        buffer.topLine = step.value;
    } else {
        buffer.firstColumn = step.value;
    }
    if (step.shiftBy != 0) {
        const int dx = vertical ? 0 : -step.shiftBy * charWidth_;
        const int dy = vertical ? -step.shiftBy * lineHeight_ : 0;
        ScrollWindow(window_, dx, dy, nullptr, nullptr);
    }
    if (step.setBox) {
        SetScrollPos(window_, vertical ? SB_VERT : SB_HORZ, step.boxPosition, TRUE);
    }
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
}
