// What the graph routines share: the layout of a plot on the page, the
// titles, the rows of the value axis and the period of a year graph.
#pragma once

#include "engine/location.h"
#include "graphs/graphics.h"

#include <functional>

// Left and bottom margins, plot width and height, in logical units.
struct GraphLayout {
    int L;
    int B;
    int W;
    int H;
};

// The plot centred on the page with margins of leftChars character widths
// and bottomLines line heights.
GraphLayout CentredLayout(const Surface& s, int leftChars, int bottomLines);

// The frame box in the window-text colour.
void DrawFrame(Surface& s, const GraphLayout& g);

// String id formatted with printf-style arguments, centred at x with its top
// at y.
void CenteredTitle(Surface& s, int x, int y, int id, ...);
// String id as a vertical y-axis title at x, centred on the plot's middle.
void VerticalTitle(Surface& s, const GraphLayout& g, int x, int id);
// Latitude of the place as titles show it (degrees, minutes, seconds) and
// its hemisphere letter.
void LatitudeText(const Location& loc, char* text, char& letter);

// 1 January 0 h to 31 December 0 h of the year; days 365 or 366.
struct YearPeriod {
    double jdStart;
    double jdEnd;
    double days;
};
YearPeriod PeriodOfYear(int year);

// PumpMessages(1) said stop (Stop, or the window was resized).
bool StopDrawing();

// Maps a value to the page.
using ValueMapping = std::function<int(double)>;

// A y-axis value row: its rule (when ruled) and its label.
struct AxisLabel {
    enum Placement { Centred, LeftAligned };
    int labelX;
    Placement placement;
};

void AxisRow(Surface& s, const GraphLayout& g, int y, bool ruled, const char* label,
             const AxisLabel& where);

// The integer v printed with format into text (kFormatSize bytes).
void IntegerLabel(const char* format, int v, char* text);

// Rows for integer values from..to (either direction) by step.
void IntegerRows(Surface& s, const GraphLayout& g, int from, int to, int step,
                 const ValueMapping& toY, const char* format, int labelX,
                 const std::function<bool(int)>& labelled);
