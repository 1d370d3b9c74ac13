// The graphs that plot a quantity against the days of one month.

#include "graphs/graph_frame.h"
#include "graphs/graphs.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/moon.h"
#include "engine/planets.h"
#include "engine/riseset.h"
#include "engine/sun.h"
#include "engine/time.h"
#include "reports/format.h"
#include "reports/names.h"
#include "resources/string_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The layout of the month graphs: whole day columns of width step.
struct MonthLayout {
    GraphLayout g;
    int days;
    int step;
};

MonthLayout MonthGraphLayout(Surface& s, int year, int month, int leftChars, int bottomLines) {
    MonthLayout m;
    m.days = DaysInMonth(month, year);
    m.g = CentredLayout(s, leftChars, bottomLines);
    m.step = ((kPageWidth / 2 - m.g.L) * 2) / (m.days + 1);
    m.g.W = m.days * m.step;
    return m;
}

// Day rules and the labels of odd days, "1" of the next month at the end.
void DayAxis(Surface& s, const MonthLayout& m) {
    const GraphLayout& g = m.g;
    for (int k = 1; k <= m.days - 1; ++k) {
        VerticalRule(s, g.L + k * m.step, g.B, g.H);
    }
    for (int d = 1; d <= m.days + 1; ++d) {
        if (d % 2 == 0) {
            continue;
        }
        int x = g.L + (d - 1) * m.step;
        char text[kFormatSize];
        if (d == m.days + 1) {
            std::snprintf(text, sizeof text, "1");
            x += s.CharWidth();
        } else {
            std::snprintf(text, sizeof text, "%d", d);
        }
        CenteredText(s, x, g.B - s.LineHeight() / 2, text);
    }
}

void MonthTitleText(int month, char* text) {
    MonthName(month, text);
}

} // namespace

void MoonIllumFracGraph(Surface& s, int year, int month, const Location& loc) {
    const MonthLayout m = MonthGraphLayout(s, year, month, 7, 4);
    const GraphLayout& g = m.g;
    DrawFrame(s, g);
    char monthName[kTextSize];
    MonthTitleText(month, monthName);
    CenteredTitle(s, g.L + g.W / 2, kPageHeight - 2 * s.LineHeight(),
                  IDS_MOON_ILLUM_FRAC_GRAPH_TITLE, monthName, year);
    CenteredTitle(s, kPageWidth / 2, 2 * s.LineHeight(), IDS_DAY_OF_MONTH_AXIS);
    VerticalTitle(s, g, g.L - 6 * s.CharWidth(), IDS_MOON_ILLUM_FRAC_AXIS);
    const ValueMapping toY = [&](double v) { return g.B + RoundHalfUp(g.H * v); };
    for (int i = 0; i <= 5; ++i) {
        char text[kFormatSize];
        FormatFixed(i * 0.2, 2, 1, text);
        AxisRow(s, g, toY(i * 0.2), true, text,
                AxisLabel{g.L - 3 * s.CharWidth(), AxisLabel::Centred});
    }
    DayAxis(s, m);

    s.SelectItemPen(kMoonItem);
    const double jd0 = CalendarToJulianDay(1.0, month, year) - loc.timeZone / 24.0;
    SurfacePoint previous{0, 0};
    for (int i = 0; i <= m.days; ++i) {
        if (StopDrawing()) {
            return;
        }
        const CalendarTime t = SplitJulianDay(jd0 + i);
        const SurfacePoint point{g.L + i * m.step, toY(MoonPosition(t).k)};
        if (i > 0) {
            DrawLine(s, previous.x, previous.y, point.x, point.y);
        }
        previous = point;
    }
}

void PlanetAngleGraph(Surface& s, int year, int month, int mainPlanet, BitSet others,
                      const Location& loc) {
    const MonthLayout m = MonthGraphLayout(s, year, month, 7, 5);
    const GraphLayout& g = m.g;
    DrawFrame(s, g);
    char planet[kTextSize];
    BodyName(mainPlanet, planet);
    char monthName[kTextSize];
    MonthTitleText(month, monthName);
    CenteredTitle(s, g.L + g.W / 2, kPageHeight - s.LineHeight(), IDS_PLANET_ANGLE_GRAPH_TITLE,
                  planet, monthName, year);
    CenteredTitle(s, kPageWidth / 2, 2 * s.LineHeight(), IDS_DAY_OF_MONTH_AXIS);
    VerticalTitle(s, g, g.L - 6 * s.CharWidth(), IDS_ANGLE_AXIS);
    const ValueMapping toY = [&](double v) { return g.B + RoundHalfUp(g.H * v / 180.0); };
    IntegerRows(s, g, 180, 0, 10, toY, "%3d", g.L - 2 * s.CharWidth(),
                [](int v) { return (v / 10) % 2 == 0; });
    DayAxis(s, m);
    LegendSlot slots[kLegendSlotCount];
    PlanetLegendLayout(g.W, g.H, g.L, g.B, s.LineHeight(), false, slots);

    const double jd0 = CalendarToJulianDay(1.0, month, year) - loc.timeZone / 24.0;
    // The main planet once per day, for every curve.
    std::vector<double> mainVector(3 * (m.days + 1));
    std::vector<bool> mainKnown(m.days + 1, false);
    for (int k = 3; k <= 10; ++k) {
        if (!SetTest(k, others)) {
            continue;
        }
        s.SelectItemPen(k);
        SurfacePoint previous{0, 0};
        for (int i = 0; i <= m.days; ++i) {
            if (StopDrawing()) {
                return;
            }
            const CalendarTime t = SplitJulianDay(jd0 + i);
            if (!mainKnown[i]) {
                const PlanetPlace main = PlanetPosition(mainPlanet, t, true);
                SphereUnitVector(main.alpha, main.delta, &mainVector[3 * i]);
                mainKnown[i] = true;
            }
            const PlanetPlace other = PlanetPosition(k, t, true);
            double v[3];
            SphereUnitVector(other.alpha, other.delta, v);
            const double angle = AngleBetween(&mainVector[3 * i], v);
            const SurfacePoint point{g.L + i * m.step, toY(angle)};
            if (i > 0) {
                DrawLine(s, previous.x, previous.y, point.x, point.y);
                LegendLeader(s, k, point.x, point.y, slots[k - 2]);
            }
            previous = point;
        }
    }
}
