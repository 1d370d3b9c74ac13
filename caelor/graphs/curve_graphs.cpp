// The graphs that plot a quantity against the date over a year.

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

// The header of every year graph: frame, title with the year, "Month" and
// the y title.
void YearHeader(Surface& s, const GraphLayout& g, int titleTop, int yTitleX, int yTitleId,
                int titleId, int year) {
    DrawFrame(s, g);
    CenteredTitle(s, g.L + g.W / 2, titleTop, titleId, year);
    CenteredTitle(s, g.L + g.W / 2, 2 * s.LineHeight(), IDS_MONTH_AXIS);
    VerticalTitle(s, g, yTitleX, yTitleId);
}

// As YearHeader, with the place's latitude in the title.
void PlaceYearHeader(Surface& s, const GraphLayout& g, int yTitleX, int yTitleId, int titleId,
                     int year, const Location& loc) {
    DrawFrame(s, g);
    char latitude[kFormatSize];
    char letter = 'N';
    LatitudeText(loc, latitude, letter);
    CenteredTitle(s, g.L + g.W / 2, kPageHeight - s.LineHeight(), titleId, year, latitude, letter);
    CenteredTitle(s, g.L + g.W / 2, 2 * s.LineHeight(), IDS_MONTH_AXIS);
    VerticalTitle(s, g, yTitleX, yTitleId);
}

// The value of a sample at Julian day jd.
using SampleValue = std::function<double(double jd)>;
// The next sample after jd, or a value above jdEnd to end the curve.
using NextSample = std::function<double(double jd, double jdEnd)>;

double EveryDays(double step, double jd, double jdEnd) {
    if (jd >= jdEnd) {
        return jdEnd + 1.0;
    }
    return std::min(jd + step, jdEnd);
}

// The Equation of Time and Sunrise rule: a sample only when the half step
// still falls before the end; then the full step, the last at jdEnd.
double HalfStepRule(double half, double jd, double jdEnd) {
    if (jd + half >= jdEnd) {
        return jdEnd + 1.0;
    }
    return std::min(jd + 2.0 * half, jdEnd);
}

// One curve over the year in the pen of item; with a legend slot the
// curve's name is put at its slot. Returns false when drawing must stop.
bool YearCurve(Surface& s, const GraphLayout& g, const YearPeriod& period, int item,
               const SampleValue& value, const ValueMapping& toY, const NextSample& next,
               LegendSlot* slot, int body) {
    s.SelectItemPen(item);
    if (StopDrawing()) {
        return false;
    }
    bool havePrevious = false;
    SurfacePoint previous{0, 0};
    double jd = period.jdStart;
    for (;;) {
        const int x = DateToX(g.L, g.W, period.days, jd, period.jdStart);
        const int y = toY(value(jd));
        if (havePrevious) {
            DrawLine(s, previous.x, previous.y, x, y);
            if (slot != nullptr) {
                LegendLeader(s, body, x, y, *slot);
            }
        }
        previous = SurfacePoint{x, y};
        havePrevious = true;
        jd = next(jd, period.jdEnd);
        if (jd > period.jdEnd) {
            return true;
        }
        if (StopDrawing()) {
            return false;
        }
    }
}

struct PlanetFamily {
    int leftChars;
    int bottomLines;
    int titleLines; // title top at 750 - titleLines * LH
    int yTitleChars;
    int yTitleId;
    bool withEarth;
};

// The skeleton shared by the planet graphs over a year.
void PlanetYearGraph(Surface& s, int year, BitSet bodies, const PlanetFamily& f, int titleId,
                     const std::function<void(const GraphLayout&)>& yAxis, const ValueMapping& toY,
                     const std::function<double(int body, const CalendarTime&)>& quantity) {
    const GraphLayout g = CentredLayout(s, f.leftChars, f.bottomLines);
    YearHeader(s, g, kPageHeight - f.titleLines * s.LineHeight(),
               g.L - f.yTitleChars * s.CharWidth(), f.yTitleId, titleId, year);
    const YearPeriod period = PeriodOfYear(year);
    yAxis(g);
    MonthAxis(s, year, period.days, g.L, g.B, g.W, g.H, period.jdStart);
    LegendSlot slots[kLegendSlotCount];
    PlanetLegendLayout(g.W, g.H, g.L, g.B, s.LineHeight(), f.withEarth, slots);
    const int first = f.withEarth ? 2 : 3;
    for (int k = first; k <= 10; ++k) {
        if (!SetTest(k, bodies)) {
            continue;
        }
        const SampleValue value = [&](double jd) { return quantity(k, SplitJulianDay(jd)); };
        if (!YearCurve(
                s, g, period, k, value, toY,
                [](double jd, double end) { return EveryDays(7.0, jd, end); }, &slots[k - 2], k)) {
            return;
        }
    }
}

bool Always(int) {
    return true;
}

double LongitudeWest(const Location& loc) {
    return loc.longitudeHemisphere == kEast ? -loc.longitude : loc.longitude;
}

} // namespace

void PlanetMagnitudeGraph(Surface& s, int year, BitSet bodies) {
    const PlanetFamily f{6, 5, 1, 5, IDS_MAGNITUDE_AXIS, false};
    const GraphLayout layout = CentredLayout(s, f.leftChars, f.bottomLines);
    // Brighter is higher: -6 at the top, 20 at the bottom.
    const ValueMapping toY = [&](double v) { return ValueToY(20, -6, v, layout.H, layout.B); };
    PlanetYearGraph(
        s, year, bodies, f, IDS_PLANET_MAGNITUDE_GRAPH_TITLE,
        [&](const GraphLayout& g) {
            IntegerRows(s, g, -6, 20, 1, toY, "%2d", g.L - 2 * s.CharWidth(),
                        [](int v) { return v % 2 == 0; });
        },
        toY, [](int body, const CalendarTime& t) { return PlanetMagnitude(body, t); });
}

void PlanetIllumFracGraph(Surface& s, int year, BitSet bodies) {
    const PlanetFamily f{7, 5, 1, 6, IDS_PLANET_ILLUM_FRAC_AXIS, false};
    const GraphLayout layout = CentredLayout(s, f.leftChars, f.bottomLines);
    const ValueMapping toY = [&](double v) { return ValueToY(0, 1, v, layout.H, layout.B); };
    PlanetYearGraph(
        s, year, bodies, f, IDS_PLANET_ILLUM_FRAC_GRAPH_TITLE,
        [&](const GraphLayout& g) {
            for (int k = 10; k >= 0; --k) {
                const double value = k * 0.1;
                char text[kFormatSize];
                FormatFixed(value, 2, 1, text);
                AxisRow(s, g, toY(value), true, k % 2 == 0 ? text : nullptr,
                        AxisLabel{g.L - 3 * s.CharWidth(), AxisLabel::Centred});
            }
        },
        toY, [](int body, const CalendarTime& t) { return PlanetPosition(body, t, false).k; });
}

void PlanetDiameterGraph(Surface& s, int year, BitSet bodies) {
    const PlanetFamily f{7, 6, 2, 6, IDS_DIAMETER_AXIS, false};
    const GraphLayout layout = CentredLayout(s, f.leftChars, f.bottomLines);
    const ValueMapping toY = [&](double v) { return ValueToY(0, 70, v, layout.H, layout.B); };
    PlanetYearGraph(
        s, year, bodies, f, IDS_PLANET_DIAMETER_GRAPH_TITLE,
        [&](const GraphLayout& g) {
            IntegerRows(s, g, 70, 0, 10, toY, "%2d", g.L - 2 * s.CharWidth(), Always);
        },
        toY, [](int body, const CalendarTime& t) { return PlanetDiameter(body, t); });
}

void PlanetDistanceGraph(Surface& s, int year, BitSet bodies, int distanceFromSun) {
    const PlanetFamily f{7, 6, 2, 6, IDS_DISTANCE_AXIS, true};
    const GraphLayout layout = CentredLayout(s, f.leftChars, f.bottomLines);
    const ValueMapping toY = [&](double v) { return ValueToY(0, 60, v, layout.H, layout.B); };
    if (distanceFromSun == 0) {
        // The Earth's distance from itself is no curve.
        SetRemove(2, bodies);
    }
    const int which = distanceFromSun != 0 ? 1 : 0;
    PlanetYearGraph(
        s, year, bodies, f,
        which == 1 ? IDS_PLANET_SUN_DISTANCE_GRAPH_TITLE : IDS_PLANET_EARTH_DISTANCE_GRAPH_TITLE,
        [&](const GraphLayout& g) {
            IntegerRows(s, g, 60, 0, 10, toY, "%2d", g.L - 2 * s.CharWidth(), Always);
        },
        toY, [which](int body, const CalendarTime& t) { return BodyDistance(body, t, which); });
}

double EquationOfTimeMinutes(double jd) {
    const CalendarTime t = SplitJulianDay(jd);
    return EquationOfTime(t.day, t.month, t.year) * 60.0;
}

void EquationOfTimeGraph(Surface& s, int year, const Location& loc) {
    const GraphLayout g = CentredLayout(s, 7, 4);
    YearHeader(s, g, kPageHeight - s.LineHeight(), g.L - 6 * s.CharWidth(), IDS_MINUTES_AXIS,
               IDS_EQUATION_OF_TIME_GRAPH_TITLE, year);
    const YearPeriod period = PeriodOfYear(year);
    const ValueMapping toY = [&](double v) {
        return g.B + RoundHalfUp(g.H * 0.5 * (1.0 - v * (-0.05)));
    };
    for (int v = -20; v <= 20; v += 5) {
        char text[kFormatSize];
        IntegerLabel("%3d", v, text);
        AxisRow(s, g, toY(v), true, text,
                AxisLabel{g.L - 4 * s.CharWidth(), AxisLabel::LeftAligned});
    }
    MonthAxis(s, year, period.days, g.L, g.B, g.W, g.H, period.jdStart);
    SeasonMarkers(s, year, g.L, g.B, g.W, g.H, period.days, period.jdStart, loc.timeZone);
    YearCurve(
        s, g, period, kSunItem, EquationOfTimeMinutes, toY,
        [](double jd, double end) { return HalfStepRule(3.0, jd, end); }, nullptr, 0);
}

double DayLengthHours(double jd, const Location& loc) {
    const CalendarTime t = SplitJulianDay(jd);
    const RiseSetTimes times = RiseSet(kSun, t.day, t.month, t.year, loc);
    if (times.rise.happens && times.set.happens) {
        const double rise = times.rise.hours;
        const double set = times.set.hours;
        // A sunset after local midnight reads earlier than the sunrise.
        return set >= rise ? set - rise : set - rise + 24.0;
    }
    const CalendarTime noon{t.year, t.month, t.day, 12.0};
    const SunPlace sun = SunPosition(noon, false);
    double azimuth = 0.0;
    double altitude = 0.0;
    EquatorialToHorizontal(noon, sun.alpha, sun.delta, loc, azimuth, altitude);
    return NormalizeDegrees(altitude) <= 90.0 ? 24.0 : 0.0;
}

void DayLengthGraph(Surface& s, int year, const Location& loc) {
    const GraphLayout g = CentredLayout(s, 7, 4);
    PlaceYearHeader(s, g, g.L - 6 * s.CharWidth(), IDS_HOURS_AXIS, IDS_DAY_LENGTH_GRAPH_TITLE, year,
                    loc);
    const YearPeriod period = PeriodOfYear(year);
    const ValueMapping toY = [&](double v) { return g.B + RoundHalfUp(g.H * v / 24.0); };
    IntegerRows(s, g, 0, 24, 2, toY, "%2d", g.L - 2 * s.CharWidth(), Always);
    MonthAxis(s, year, period.days, g.L, g.B, g.W, g.H, period.jdStart);
    SeasonMarkers(s, year, g.L, g.B, g.W, g.H, period.days, period.jdStart, loc.timeZone);
    YearCurve(
        s, g, period, kSunItem, [&](double jd) { return DayLengthHours(jd, loc); }, toY,
        [](double jd, double end) { return EveryDays(7.0, jd, end); }, nullptr, 0);
}

double SunAngleAtNoon(double jd, const Location& loc) {
    const CalendarTime date = SplitJulianDay(jd);
    // Local apparent noon: mean noon of the place's meridian, moved by the
    // equation of time.
    const double t = jd + 0.5 - EquationOfTime(date.day, date.month, date.year) / 24.0 +
                     LongitudeWest(loc) / 360.0;
    const CalendarTime noon = SplitJulianDay(t);
    const SunPlace sun = SunPosition(noon, true);
    double azimuth = 0.0;
    double altitude = 0.0;
    EquatorialToHorizontal(noon, sun.alpha, sun.delta, loc, azimuth, altitude);
    const double angle = NormalizeDegrees(altitude);
    return angle > 90.0 ? 0.0 : angle;
}

void SunAngleGraph(Surface& s, int year, const Location& loc) {
    const GraphLayout g = CentredLayout(s, 7, 4);
    PlaceYearHeader(s, g, g.L - 6 * s.CharWidth(), IDS_ANGLE_AT_TRANSIT_AXIS,
                    IDS_SUN_ANGLE_GRAPH_TITLE, year, loc);
    const YearPeriod period = PeriodOfYear(year);
    const ValueMapping toY = [&](double v) { return g.B + RoundHalfUp(g.H * v / 90.0); };
    for (int v = 0; v <= 90; v += 10) {
        char text[kFormatSize];
        std::snprintf(text, sizeof text, "%2d%c", v, kDegreeSign);
        AxisRow(s, g, toY(v), true, text, AxisLabel{g.L - 2 * s.CharWidth(), AxisLabel::Centred});
    }
    MonthAxis(s, year, period.days, g.L, g.B, g.W, g.H, period.jdStart);
    SeasonMarkers(s, year, g.L, g.B, g.W, g.H, period.days, period.jdStart, loc.timeZone);
    YearCurve(
        s, g, period, kSunItem, [&](double jd) { return SunAngleAtNoon(jd, loc); }, toY,
        [](double jd, double end) { return EveryDays(5.0, jd, end); }, nullptr, 0);
}

double SunriseAzimuth(double jd, const Location& loc) {
    const CalendarTime date = SplitJulianDay(jd);
    const EventTime rise = RiseSet(kSun, date.day, date.month, date.year, loc).rise;
    // The rise is local standard time; the Sun is taken at that instant in
    // UT, on the date it falls on. A day without sunrise takes the Sun at
    // hour -1 of the date, an hour before its 0 h UT.
    CalendarTime t{date.year, date.month, date.day, -1.0};
    if (rise.happens) {
        t = SplitJulianDay(CalendarToJulianDay(date.day, date.month, date.year) +
                           (rise.hours - loc.timeZone) / 24.0);
    }
    const SunPlace sun = SunPosition(t, true);
    double azimuth = 0.0;
    double altitude = 0.0;
    EquatorialToHorizontal(t, sun.alpha, sun.delta, loc, azimuth, altitude);
    return NormalizeDegrees(azimuth);
}

void SunriseGraph(Surface& s, int year, const Location& loc) {
    const GraphLayout g = CentredLayout(s, 9, 4);
    PlaceYearHeader(s, g, g.L - 8 * s.CharWidth(), IDS_AZIMUTH_OF_SUN_AXIS, IDS_SUNRISE_GRAPH_TITLE,
                    year, loc);
    const YearPeriod period = PeriodOfYear(year);
    const ValueMapping toY = [&](double v) { return g.B + RoundHalfUp((v - 30.0) / 120.0 * g.H); };
    for (int v = 30; v <= 150; v += 30) {
        char text[kFormatSize];
        std::snprintf(text, sizeof text, "%d%c", v, kDegreeSign);
        AxisRow(s, g, toY(v), v >= 60 && v <= 120, text,
                AxisLabel{g.L - 3 * s.CharWidth(), AxisLabel::Centred});
    }
    MonthAxis(s, year, period.days, g.L, g.B, g.W, g.H, period.jdStart);
    SeasonMarkers(s, year, g.L, g.B, g.W, g.H, period.days, period.jdStart, loc.timeZone);
    YearCurve(
        s, g, period, kSunItem, [&](double jd) { return SunriseAzimuth(jd, loc); }, toY,
        [](double jd, double end) { return HalfStepRule(2.0, jd, end); }, nullptr, 0);
}

void MoonSpeedGraph(Surface& s, int year, const Location& loc) {
    const GraphLayout g = CentredLayout(s, 7, 4);
    YearHeader(s, g, kPageHeight - s.LineHeight(), g.L - 5 * s.CharWidth(),
               IDS_DEGREES_PER_DAY_AXIS, IDS_MOON_ANGULAR_SPEED_GRAPH_TITLE, year);
    const YearPeriod period = PeriodOfYear(year);
    const ValueMapping toY = [&](double v) { return g.B + RoundHalfUp((v - 11.0) * g.H * 0.2); };
    IntegerRows(s, g, 11, 16, 1, toY, "%2d", g.L - 2 * s.CharWidth(), Always);
    MonthAxis(s, year, period.days, g.L, g.B, g.W, g.H, period.jdStart);

    s.SelectItemPen(kMoonItem);
    if (StopDrawing()) {
        return;
    }
    bool haveLongitude = false;
    double previousLongitude = 0.0;
    bool havePoint = false;
    SurfacePoint previous{0, 0};
    for (double jd = period.jdStart - 2.0; jd <= period.jdEnd; jd += 1.0) {
        const CalendarTime t = SplitJulianDay(jd - loc.timeZone / 24.0);
        const double lambda = NormalizeDegrees(MoonPosition(t).lambda);
        if (haveLongitude) {
            double speed = std::fabs(lambda - previousLongitude);
            if (speed > 180.0) {
                speed = std::fabs(speed - 360.0);
            }
            const int x = DateToX(g.L, g.W, period.days, jd, period.jdStart);
            const int y = toY(speed);
            if (havePoint && jd >= period.jdStart + 1.0) {
                DrawLine(s, previous.x, previous.y, x, y);
            }
            previous = SurfacePoint{x, y};
            havePoint = true;
        }
        previousLongitude = lambda;
        haveLongitude = true;
        if (StopDrawing()) {
            return;
        }
    }
}
