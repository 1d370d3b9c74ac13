// The arithmetic of the report view: which line the view starts at, how the
// scroll requests move the top line and the first column within their
// bounds, and the report's text as the clipboard gets it. Pure, so the
// Windows view only applies the results.
#pragma once

#include "reports/report_buffer.h"

#include <string>

// Scroll requests, numbered as the platform's scroll-bar codes.
namespace ScrollRequest {
constexpr int kLineUp = 0;
constexpr int kLineDown = 1;
constexpr int kPageUp = 2;
constexpr int kPageDown = 3;
constexpr int kThumbPosition = 4;
constexpr int kTop = 6;
constexpr int kBottom = 7;
} // namespace ScrollRequest

// Range of the scroll bars once a report is shown.
constexpr int kReportScrollRange = 360;

struct ScrollStep {
    int value = 0;        // the new top line or first column
    bool changed = false; // false: nothing more happens
    int shiftBy = 0;      // -1 / +1: contents move by one line or column first
    bool setBox = false;  // the scroll box moves to boxPosition
    int boxPosition = 0;
};

// Lines that fit a client area of clientHeight (0 when lower than a line).
int VisibleLines(int clientHeight, int lineHeight);

// The first line painted: the top line, or lineCount - visible + 1 when the
// window has grown so far that the last lines would leave the screen.
int ReportPaintStart(int topLine, int lineCount, int visible);

// A vertical request on topLine. The top line stays within 0 .. lineCount - 1
// even when no whole line is visible.
ScrollStep VerticalScroll(int request, int thumb, int topLine, int lineCount, int visible);

// A horizontal request on firstColumn of the fixed 80-column lines, with
// visibleColumns columns shown.
ScrollStep HorizontalScroll(int request, int thumb, int firstColumn, int visibleColumns);

// Every line followed by CR LF; the page-break line keeps its form feed.
std::string ReportClipboardText(const ReportBuffer& buffer);
