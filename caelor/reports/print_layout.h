// What printing decides without a printer: which report lines go on which
// page and where, the text a line prints as, the progress text of the
// printing dialog, and how a one-bit picture of the window is scaled onto the
// page. The Windows printing code only carries these results out.
#pragma once

#include "reports/report_buffer.h"

#include <string>
#include <vector>

// A report page starts this many line heights below the top of the page.
constexpr int kPrintTopMarginLines = 3;

// One line drawn on a page: its index in the buffer and the top of its text
// in device units from the top of the printable area.
struct PrintedLine {
    int index = 0;
    int y = 0;
};

struct ReportPage {
    int firstLine = 0;              // first line the page takes
    int nextLine = 0;               // first line of the next page
    std::vector<PrintedLine> lines; // the lines drawn, top to bottom
};

// True when a page of pageHeight device units holds at least one line of
// lineHeight below the top margin; otherwise every page would end before its
// first line and the job could never finish.
bool PageHoldsALine(int lineHeight, int pageHeight);

// One page from line first: lines go down from three line heights; the
// page-break line is passed, never drawn, and ends the page; a line whose
// bottom would reach pageHeight is left for the next page. Requires
// PageHoldsALine.
ReportPage LayoutReportPage(const ReportBuffer& buffer, int first, int lineHeight, int pageHeight);

// The document of a print job: every page of the buffer once per copy, in
// that order. Empty when a page cannot hold a line (the job is a failure).
std::vector<ReportPage> LayoutReportDocument(const ReportBuffer& buffer, int copies, int lineHeight,
                                             int pageHeight);

// Line as printed: a copy with every degree sign (byte 176) replaced by the
// first character of IDS_DEGREES_LETTER; the buffer keeps its own text.
std::string PrintedLineText(const char* line);

// The printing dialog's progress text (IDS_PRINT_PROGRESS) at line index of
// lineCount; out holds kReportSlot bytes.
void FormatPrintProgress(int index, int lineCount, char* out);

// Size of the picture on the printer: the window's w x h pixels scaled by the
// smaller of pageWidth / w and pageHeight / h, truncated.
struct PrintSize {
    int width = 0;
    int height = 0;
};
PrintSize ScalePictureToPage(int w, int h, int pageWidth, int pageHeight);

// A black rectangle on the printer, corners inclusive.
struct PrintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The black rectangles that draw a w x h one-bit picture at target size
// tw x th. bits holds the rows top to bottom, each padded to a multiple of 16
// pixels, most significant bit first, a set bit white (the layout of a
// monochrome bitmap). Source pixel (x, y) covers (x*tw/w, y*th/h) to
// ((x+1)*tw/w, (y+1)*th/h); a run of black pixels in a row is one rectangle
// covering exactly what its pixels' rectangles cover.
std::vector<PrintRect> BlackRectangles(const std::vector<unsigned char>& bits, int w, int h, int tw,
                                       int th);

// Bytes per row of a w-pixel one-bit picture as the platform returns it.
int MonoRowBytes(int w);

// The one-bit picture (in the layout BlackRectangles reads) of w x h pixels
// given top row first as 0x00RRGGBB values: a pixel of the background colour
// white, every other black. The byte above the colour is ignored, whatever
// the window's surface keeps there.
std::vector<unsigned char> MonochromePicture(const std::vector<unsigned>& pixels, int w, int h,
                                             unsigned background);
