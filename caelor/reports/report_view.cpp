#include "reports/report_view.h"

#include <algorithm>

int VisibleLines(int clientHeight, int lineHeight) {
    return lineHeight > 0 ? clientHeight / lineHeight : 0;
}

int ReportPaintStart(int topLine, int lineCount, int visible) {
    const int lastPage = lineCount - visible + 1;
    if (topLine > lastPage && lastPage >= 0) {
        return lastPage;
    }
    return topLine;
}

namespace {

// The common tail of both directions: a line step shifts the contents, the
// box follows every request except the thumb, which placed it itself.
ScrollStep Finish(int request, int thumb, int oldValue, int newValue, int maxValue) {
    ScrollStep step;
    step.value = newValue;
    step.changed = newValue != oldValue;
    if (!step.changed) {
        return step;
    }
    if (request == ScrollRequest::kLineUp || request == ScrollRequest::kLineDown) {
        step.shiftBy = newValue - oldValue;
    }
    if (request == ScrollRequest::kThumbPosition) {
        step.setBox = true;
        step.boxPosition = thumb;
    } else if (maxValue >= 1) {
        step.setBox = true;
        step.boxPosition = newValue * kReportScrollRange / maxValue;
    }
    return step;
}

int ThumbValue(int maxValue, int thumb) {
    return static_cast<int>(maxValue * thumb * (1.0 / kReportScrollRange));
}

} // namespace

ScrollStep VerticalScroll(int request, int thumb, int topLine, int lineCount, int visible) {
    // With no whole line visible lineCount - visible would let the top line
    // reach lineCount, one past the last line.
    const int maxTop = std::max(0, std::min(lineCount - visible, lineCount - 1));
    int top = topLine;
    switch (request) {
    case ScrollRequest::kLineUp:
        if (top > 0) {
            --top;
        }
        break;
    case ScrollRequest::kLineDown:
        if (top < maxTop) {
            ++top;
        }
        break;
    case ScrollRequest::kPageUp:
        top = std::max(0, top - (visible - 1));
        break;
    case ScrollRequest::kPageDown:
        top = std::min(maxTop, top + (visible - 1));
        break;
    case ScrollRequest::kThumbPosition:
        top = ThumbValue(maxTop, thumb);
        break;
    case ScrollRequest::kTop:
        top = 0;
        break;
    case ScrollRequest::kBottom:
        top = maxTop;
        break;
    default:
        break;
    }
    return Finish(request, thumb, topLine, top, maxTop);
}

ScrollStep HorizontalScroll(int request, int thumb, int firstColumn, int visibleColumns) {
    const int columns = std::min(visibleColumns, kReportLineMax);
    int maxColumn = kReportLineMax - columns;
    if (maxColumn < 1) {
        maxColumn = 0;
    }
    const int page = columns - 1;
    int column = firstColumn;
    switch (request) {
    case ScrollRequest::kLineUp:
        column = std::max(0, column - 1);
        break;
    case ScrollRequest::kLineDown:
        column = std::min(maxColumn, column + 1);
        break;
    case ScrollRequest::kPageUp:
        column = std::max(0, column - page);
        break;
    case ScrollRequest::kPageDown:
        column = std::min(maxColumn, column + page);
        break;
    case ScrollRequest::kThumbPosition:
        column = ThumbValue(maxColumn, thumb);
        break;
    default:
        break;
    }
    return Finish(request, thumb, firstColumn, column, maxColumn);
}

std::string ReportClipboardText(const ReportBuffer& buffer) {
    std::string text;
    text.reserve(static_cast<size_t>(buffer.lineCount) * (kReportSlot + 1));
    for (int i = 0; i < buffer.lineCount; ++i) {
        text += buffer.Line(i);
        text += "\r\n";
    }
    return text;
}
