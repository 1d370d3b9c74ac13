// The graphs that are not one value against the date: Jupiter's moons through
// a month, right ascensions through a year, the noon shadow and the eclipses
// of a range of years.

#include "graphs/graph_frame.h"
#include "graphs/graphs.h"
#include "graphs/zodiac.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/jupiter_moons.h"
#include "engine/planets.h"
#include "engine/sun.h"
#include "engine/time.h"
#include "reports/eclipses.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "reports/names.h"
#include "resources/string_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// A page coordinate from a computed value; values far off the page (a shadow
// of a Sun on the horizon) are held at a distance the drawing can take.
int PageCoordinate(double v) {
    if (!(v > -100000.0)) {
        return -100000;
    }
    if (v > 100000.0) {
        return 100000;
    }
    return RoundHalfUp(v);
}

} // namespace

void JupiterMoonsGraph(Surface& s, int year, int month, BitSet moons, bool numberMoons,
                       const Location& loc) {
    const int CW = s.CharWidth();
    const int LH = s.LineHeight();
    const int days = DaysInMonth(month, year);
    GraphLayout g = CentredLayout(s, 3, 5);
    const int d = ((kPageWidth / 2 - g.L) * 2) / days;
    g.W = days * d;
    char monthName[kTextSize];
    MonthName(month, monthName);
    CenteredTitle(s, g.L + g.W / 2, kPageHeight - LH, IDS_JUPITER_MOONS_ORBIT_GRAPH_TITLE,
                  monthName, year);
    CenteredTitle(s, g.L + g.W / 2, kPageHeight - 2 * LH, IDS_JUPITER_MOONS_ORBIT_LEGEND);
    CenteredTitle(s, g.L + g.W / 2, 2 * LH, IDS_DAY_OF_MONTH_AXIS);
    char text[kTextSize];
    LoadText(IDS_JUPITER_MOONS_ORBIT_WEST, text, sizeof text);
    VerticalText(s, g.L - 2 * CW, (250 - g.H / 4) * 3 - g.B, text);
    LoadText(IDS_JUPITER_MOONS_ORBIT_EAST, text, sizeof text);
    VerticalText(s, g.L - 2 * CW, kPageHeight - g.H / 4 - g.B, text);

    // +-30 Jupiter radii fill the plot.
    const double k = (g.H * 0.5) * 0.03333333333333333;
    auto toY = [&](double offset) { return kPageHeight - RoundHalfUp(g.B - offset * k + g.H / 2); };
    DrawBox(s, g.L + 1, toY(1.0), g.L + g.W, toY(-1.0), false, s.ItemColor(kJupiterItem));
    DrawFrame(s, g);
    s.SetBackgroundTransparent(true);

    for (int day = 0; day <= days - 1; ++day) {
        VerticalRule(s, g.L + day * d, g.B, g.H);
    }
    for (int day = 1; day <= days + 1; day += 2) {
        int x = g.L + (day - 1) * d;
        char label[kFormatSize];
        if (day == days + 1) {
            std::snprintf(label, sizeof label, "1");
            x += CW;
        } else {
            std::snprintf(label, sizeof label, "%d", day);
        }
        CenteredText(s, x, kPageHeight - LH - g.H - g.B, label);
    }

    const double jdStart = CalendarToJulianDay(1.0, month, year) - loc.timeZone / 24.0;
    bool havePrevious = false;
    SurfacePoint previous[4] = {};
    int direction[4] = {}; // +1 moving up the page, -1 down, 0 not known yet
    for (int step = 0; step * 0.125 < days; ++step) {
        if (StopDrawing()) {
            return;
        }
        const double t = step * 0.125;
        const int x = g.L + static_cast<int>(t / 0.125 * (d * 0.125));
        MoonOfJupiter records[4];
        JupiterMoons(InstantOfUt(jdStart + t), records);
        for (int i = 0; i < 4; ++i) {
            if (!SetTest(i, moons)) {
                continue;
            }
            s.SelectItemPen(kIoItem + i);
            const int y = toY(records[i].x);
            if (havePrevious) {
                DrawLine(s, previous[i].x, previous[i].y, x, y);
                const int now = y > previous[i].y ? 1 : (y < previous[i].y ? -1 : direction[i]);
                // A reversal of the moon's travel is its greatest elongation.
                if (direction[i] != 0 && now != direction[i] && t > 1.0 && numberMoons) {
                    char number[8];
                    std::snprintf(number, sizeof number, "%d", i + 1);
                    CenteredText(s, x, y + LH, number);
                }
                direction[i] = now;
            }
            previous[i] = SurfacePoint{x, y};
        }
        havePrevious = true;
    }
}

namespace {

// Right ascension (hours) to the page: RA0 on the bottom edge, increasing
// upwards with one wrap.
struct RaScale {
    int B;
    int H;
    double ra0;
    int operator()(double h) const {
        double w = NormalizeDegrees(15.0 * h) / 15.0 - NormalizeDegrees(15.0 * ra0) / 15.0;
        if (w < 0.0) {
            w += 24.0;
        }
        return B + RoundHalfUp(H * w / 24.0);
    }
};

double SunRightAscension(const CalendarTime& t) {
    return SunPosition(t, true).alpha;
}

} // namespace

void PlanetOrbitGraph(Surface& s, int year, BitSet bodies) {
    const int CW = s.CharWidth();
    const int LH = s.LineHeight();
    const GraphLayout g = CentredLayout(s, 9, 5);
    DrawFrame(s, g);
    CenteredTitle(s, g.L + g.W / 2, kPageHeight - LH, IDS_PLANET_ORBIT_GRAPH_TITLE, year);
    CenteredTitle(s, g.L + g.W / 2, 2 * LH, IDS_MONTH_AXIS);
    VerticalTitle(s, g, g.L - 6 * CW, IDS_RA_AXIS);
    const YearPeriod period = PeriodOfYear(year);

    const RaScale toY{g.B, g.H, SunRightAscension(CalendarTime{year, 1, 1, 0.0})};
    for (int h = 0; h <= 23; ++h) {
        const int y = toY(h);
        HorizontalRule(s, y, g.L, g.W);
        if (h % 2 == 0) {
            char label[kFormatSize];
            std::snprintf(label, sizeof label, "%2dh", h);
            CenteredText(s, g.L - 3 * CW, y + LH / 2, label);
        }
    }
    MonthAxis(s, year, period.days, g.L, g.B, g.W, g.H, period.jdStart);

    for (int j = 0; j < 13; ++j) {
        double alpha = 0.0;
        double delta = 0.0;
        EclipticToEquatorial({year, 1, 1, 0.0}, kZodiac[j].boundary - kZodiac[j].halfWidth, 0.0,
                             false, alpha, delta);
        int y = toY(alpha);
        const int labelX = g.L + (j % 2 == 1 ? 2 : 5) * CW;
        char name[kTextSize];
        LoadText(IDS_CONSTELLATION_FIRST + kZodiac[j].constellation, name, sizeof name);
        s.Text(labelX + CW / 2, y, name);
        if (j == 6) {
            y -= LH / 2;
        }
        DrawLine(s, g.L, y, labelX, y);
    }

    LegendSlot slots[kLegendSlotCount];
    PlanetLegendLayout(g.W, g.H, g.L, g.B, LH, false, slots);
    // The Moon and the Earth have no right ascension curve here.
    SetRemove(1, bodies);
    SetRemove(2, bodies);
    for (int body = 0; body <= 10; ++body) {
        if (body != 0 && !SetTest(body, bodies)) {
            continue;
        }
        s.SelectItemPen(body);
        if (StopDrawing()) {
            return;
        }
        bool havePrevious = false;
        SurfacePoint previous{0, 0};
        SurfacePoint previousOpposite{0, 0};
        double jd = period.jdStart;
        for (;;) {
            const CalendarTime t = SplitJulianDay(jd);
            double alpha = 0.0;
            if (body == 0) {
                alpha = SunRightAscension(t);
            } else {
                alpha = PlanetPosition(body, t, true).alpha;
            }
            const int x = DateToX(g.L, g.W, period.days, jd, period.jdStart);
            const SurfacePoint point{x, toY(alpha)};
            const SurfacePoint opposite{x, toY(alpha + 12.0)};
            if (havePrevious) {
                if (body == 0) {
                    // The Sun and the anti-Sun stand out as thick lines.
                    for (int offset = -1; offset <= 1; ++offset) {
                        LineIfNoJump(s, previous.x, previous.y + offset, x, point.y + offset, g.H);
                        LineIfNoJump(s, previousOpposite.x, previousOpposite.y + offset, x,
                                     opposite.y + offset, g.H);
                    }
                } else {
                    LineIfNoJump(s, previous.x, previous.y, x, point.y, g.H);
                    LegendLeader(s, body, x, point.y, slots[body - 2]);
                }
            }
            previous = point;
            previousOpposite = opposite;
            havePrevious = true;
            if (jd >= period.jdEnd) {
                break;
            }
            jd = std::min(jd + 7.0, period.jdEnd);
            if (StopDrawing()) {
                return;
            }
        }
    }
}

void NoonShadow(double jd, const Location& loc, double& X, double& Y) {
    const CalendarTime date = SplitJulianDay(jd);
    // Mean solar noon of the place, in UT.
    const double eastLongitude = loc.longitudeHemisphere == kEast ? loc.longitude : -loc.longitude;
    const double hours = 12.0 - eastLongitude / 15.0;
    const CalendarTime noon{date.year, date.month, date.day, hours};
    const SunPlace sun = SunPosition(noon, false);
    double azimuth = 0.0;
    double altitude = 0.0;
    EquatorialToHorizontal(noon, sun.alpha, sun.delta, loc, azimuth, altitude);
    const double shadowAzimuth = NormalizeDegrees(azimuth + 180.0);
    const double length = altitude >= 89.999 ? 0.0 : 1.0 / TanDeg(altitude);
    PolarToRect(length, shadowAzimuth, X, Y);
}

void AnalemmaGraph(Surface& s, int year, const Location& loc) {
    const int CW = s.CharWidth();
    const int LH = s.LineHeight();
    const GraphLayout g = CentredLayout(s, 4, 4);
    DrawBox(s, g.L - CW, g.B, g.L + g.W + CW, g.B + g.H, false,
            s.SystemColorValue(SystemColor::WindowText));
    DrawLine(s, g.L - CW, g.B + g.H / 2, g.L + g.W + CW, g.B + g.H / 2);
    char latitude[kFormatSize];
    char letter = 'N';
    LatitudeText(loc, latitude, letter);
    CenteredTitle(s, g.L + g.W / 2, kPageHeight - LH, IDS_ANALEMMA_GRAPH_TITLE, year, latitude,
                  letter);
    CenteredTitle(s, g.L + g.W / 2, 2 * LH, IDS_ANALEMMA_CAPTION);

    double X1, Y1, X2, Y2;
    NoonShadow(CalendarToJulianDay(14.0, 6, year), loc, X1, Y1);
    NoonShadow(CalendarToJulianDay(25.0, 12, year), loc, X2, Y2);
    const double xmin = std::min(X1, X2);
    const double xmax = std::max(X1, X2);
    const double range = xmax - xmin;

    s.SetBackgroundTransparent(true);
    s.SelectItemPen(kSunItem);
    if (StopDrawing()) {
        return;
    }
    const double jdEnd = CalendarToJulianDay(1.0, 1, year + 1);
    bool havePrevious = false;
    SurfacePoint previous{0, 0};
    for (double jd = CalendarToJulianDay(1.0, 1, year);;) {
        double X, Y;
        NoonShadow(jd, loc, X, Y);
        const SurfacePoint point{PageCoordinate(g.L + (X - xmin) / range * g.W),
                                 PageCoordinate(g.H * 0.5 - Y / range * g.W + g.B)};
        if (havePrevious) {
            DrawLine(s, previous.x, previous.y, point.x, point.y);
        }
        double day = 0.0;
        int month = 0;
        int sampleYear = 0;
        JulianDayToCalendar(jd, day, month, sampleYear);
        if (day < 2.0 && sampleYear == year) {
            char label[8];
            std::snprintf(label, sizeof label, "%d", month);
            s.Text(point.x, point.y, label);
        }
        previous = point;
        havePrevious = true;
        if (jd >= jdEnd) {
            break;
        }
        jd = std::min(jd + 2.0, jdEnd);
        if (StopDrawing()) {
            return;
        }
    }
}

void EclipsesGraph(Surface& s, int startYear, int stopYear, const Location& loc) {
    const int CW = s.CharWidth();
    const int LH = s.LineHeight();
    const GraphLayout g = CentredLayout(s, 10, 4);
    const double pitch =
        stopYear == startYear ? 0.0 : static_cast<double>(g.H) / (stopYear - startYear);
    DrawFrame(s, g);
    CenteredTitle(s, g.L + g.W / 2, kPageHeight - LH, IDS_ECLIPSES_GRAPH_TITLE, startYear,
                  stopYear);
    CenteredTitle(s, g.L + g.W / 2, 2 * LH, IDS_MONTH_AXIS);
    VerticalTitle(s, g, g.L - 8 * CW, IDS_YEAR_AXIS);
    auto row = [&](int y) { return static_cast<int>((y - startYear) * pitch + g.B); };

    bool labelled = false;
    int lastLabelled = 0;
    for (int y = startYear; y <= stopYear; ++y) {
        const int r = row(y);
        if (labelled && r - lastLabelled < LH) {
            continue;
        }
        HorizontalRule(s, r, g.L, g.W);
        char label[kFormatSize];
        std::snprintf(label, sizeof label, "%4d", y);
        CenteredText(s, g.L - 3 * CW, r + LH / 2, label);
        labelled = true;
        lastLabelled = r;
    }
    const YearPeriod first = PeriodOfYear(startYear);
    MonthAxis(s, startYear, first.days, g.L, g.B, g.W, g.H, first.jdStart);

    for (int y = startYear; y <= stopYear; ++y) {
        const YearPeriod period = PeriodOfYear(y);
        if (StopDrawing()) {
            return;
        }
        MoonPhaseList phases;
        CollectMoonPhases(y, phases, -1, false, 0.0, 1.0);
        if (StopFlag) {
            // A list cut short by Esc would miss eclipses of this year.
            return;
        }
        EclipseList eclipses;
        EclipsesOfYear(y, phases, true, eclipses, loc, false, nullptr);
        if (StopDrawing()) {
            return;
        }
        for (int i = 0; i < eclipses.count; ++i) {
            const EclipseEntry& e = eclipses.entries[i];
            const int x = DateToX(g.L, g.W, period.days, e.maximum, period.jdStart);
            DrawDisc(s, x, row(y), CW / 2, e.kind == kLunarEclipse ? kMoonItem : kSunItem, -1,
                     false);
        }
    }
}
