// The report view in the main window: the host the report generators draw
// through while they run (each new line that fits, and the progress line on
// the bottom row), and the paint and scroll handling of a report once it is
// in the buffer.
#pragma once

#include "reports/report_buffer.h"
#include "shell/shell_host.h"

#include <windows.h>

class ReportView : public ShellReportHost {
  public:
    // The window drawn into and the report metrics of the system fixed font.
    void SetWindow(HWND window, int charWidth, int lineHeight, ReportBuffer* buffer);

    void ReportProgress(int index, bool insideAlmanac, double fraction) override;
    void ReportLineAdded(int lineIndex, const char* line) override;

    // Paints the buffer's lines from the view's top line into dc (already
    // begun), leaving one bottom line free, two while generating.
    // paintHeight is the main window's drawing height.
    void Paint(HDC dc, int paintHeight) const;

    // A scroll-bar request (WM_VSCROLL or WM_HSCROLL) on the shown report.
    void Scroll(UINT message, int request, int position);

    int CharWidth() const { return charWidth_; }
    int LineHeight() const { return lineHeight_; }

  private:
    RECT ClientRect() const;

    HWND window_ = nullptr;
    int charWidth_ = 8;
    int lineHeight_ = 16;
    ReportBuffer* buffer_ = nullptr;
    ProgressClock clock_;
};
