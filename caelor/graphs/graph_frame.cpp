#include "graphs/graph_frame.h"

#include "engine/angles.h"
#include "engine/time.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "resources/string_table.h"

#include <cstdarg>
#include <cstdio>

GraphLayout CentredLayout(const Surface& s, int leftChars, int bottomLines) {
    GraphLayout g;
    g.L = leftChars * s.CharWidth();
    g.B = bottomLines * s.LineHeight();
    g.W = (kPageWidth / 2 - g.L) * 2;
    g.H = (kPageHeight / 2 - g.B) * 2;
    return g;
}

void DrawFrame(Surface& s, const GraphLayout& g) {
    DrawBox(s, g.L, g.B, g.L + g.W, g.B + g.H, false, s.SystemColorValue(SystemColor::WindowText));
}

void CenteredTitle(Surface& s, int x, int y, int id, ...) {
    char format[kTextSize];
    LoadText(id, format, sizeof format);
    char text[2 * kTextSize];
    va_list args;
    va_start(args, id);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    CenteredText(s, x, y, text);
}

void VerticalTitle(Surface& s, const GraphLayout& g, int x, int id) {
    char text[kTextSize];
    LoadText(id, text, sizeof text);
    VerticalText(s, x, g.B + g.H / 2, text);
}

void LatitudeText(const Location& loc, char* text, char& letter) {
    FormatSexagesimal(loc.latitude, 1, text);
    char hemisphere[kTextSize];
    LoadText(loc.latitudeHemisphere == kSouth ? IDS_COMPASS_SOUTH : IDS_COMPASS_NORTH, hemisphere,
             sizeof hemisphere);
    letter = hemisphere[0];
}

YearPeriod PeriodOfYear(int year) {
    YearPeriod p;
    p.jdStart = CalendarToJulianDay(1.0, 1, year);
    p.jdEnd = CalendarToJulianDay(1.0, 1, year + 1) - 1.0;
    p.days = RoundHalfUp(p.jdEnd - p.jdStart) + 1;
    return p;
}

bool StopDrawing() {
    return PumpMessages(1) == 1;
}

void AxisRow(Surface& s, const GraphLayout& g, int y, bool ruled, const char* label,
             const AxisLabel& where) {
    if (ruled) {
        HorizontalRule(s, y, g.L, g.W);
    }
    if (label == nullptr) {
        return;
    }
    const int top = y + s.LineHeight() / 2;
    if (where.placement == AxisLabel::Centred) {
        CenteredText(s, where.labelX, top, label);
    } else {
        s.Text(where.labelX, top, label);
    }
}

void IntegerLabel(const char* format, int v, char* text) {
    std::snprintf(text, kFormatSize, format, v);
}

void IntegerRows(Surface& s, const GraphLayout& g, int from, int to, int step,
                 const ValueMapping& toY, const char* format, int labelX,
                 const std::function<bool(int)>& labelled) {
    const int direction = from <= to ? 1 : -1;
    for (int v = from;; v += direction * step) {
        char text[kFormatSize];
        IntegerLabel(format, v, text);
        AxisRow(s, g, toY(v), true, labelled(v) ? text : nullptr,
                AxisLabel{labelX, AxisLabel::Centred});
        if (v == to) {
            break;
        }
    }
}
