#include "movies/day_night_math.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/sun.h"
#include "engine/time.h"

#include <cmath>

double NextDayNightTime(double jd, double lastWallClock, int step, double wallClockNow) {
    switch (step) {
    case 0:
        return jd + (wallClockNow - lastWallClock);
    case 1:
        return jd + kOneOver24;
    case 2:
        return jd + 1.0;
    case 3:
        return jd + 7.0;
    case 4: {
        double day = 0;
        int month = 0;
        int year = 0;
        JulianDayToCalendar(jd, day, month, year);
        if (++month > 12) {
            month = 1;
            ++year;
        }
        return CalendarToJulianDay(std::trunc(day), month, year) + FractionalPart(day);
    }
    default:
        return jd;
    }
}

SubsolarPoint SubsolarPointAt(double jdUt) {
    const CalendarTime ut = SplitJulianDay(jdUt);
    const SunPlace sun = SunPosition(ut, true);
    const double G = GreenwichSiderealTime(ut);
    const double longitude = NormalizeDegrees((sun.alpha - G) * 15.0 + 180.0);
    return {longitude * 0.8916666666666667, sun.delta};
}

namespace {

bool InTable(int index) {
    return index >= 0 && index < kTerminatorRows;
}

void Store(TerminatorTableData& table, int index, int value) {
    if (InTable(index)) {
        table.entry[index] = value == 0 ? 1 : value;
    }
}

} // namespace

void TerminatorTable(TerminatorTableData& table, double delta) {
    for (int32_t& entry : table.entry) {
        entry = kEmptyEntry;
    }
    const double sinDelta = SinDeg(delta);
    const double cosDelta = CosDeg(delta);
    bool havePrevious = false;
    int previousIndex = 0;
    int previousValue = 0;
    // Counted with an integer: a running sum of 1.8 would take a 101st point
    // at a = 90 and write past the northern end.
    for (int k = 0; k < 100; ++k) {
        const double a = -90.0 + 1.8 * k;
        const double phi = AsinDeg(SinDeg(a) * cosDelta);
        const double x = SinDeg(a) * sinDelta;
        const double y = CosDeg(a);
        const double lambda = (x == 0.0 && y == 0.0) ? 0.0 : Atan2Deg(x, y);
        const int row = static_cast<int>((phi + 90.0) * -0.9722222222222222 + 175.0);
        int value = static_cast<int>(lambda * 0.8888888888888888);
        if (value == 0) {
            value = 1;
        }
        const int index = kTerminatorRows - row;
        if (havePrevious && index != previousIndex) {
            const int span = index - previousIndex;
            const int step = span > 0 ? 1 : -1;
            const double slope = static_cast<double>(value - previousValue) / span;
            for (int i = previousIndex + step; i != index; i += step) {
                Store(table, i, previousValue + RoundHalfUp(slope * (i - previousIndex)));
            }
        }
        Store(table, index, value);
        havePrevious = true;
        previousIndex = index;
        previousValue = value;
    }
}

void FillPolarNight(TerminatorTableData& table, double delta) {
    const double d = SignedLatitude(delta);
    const int start = d >= 0 ? 0 : kTerminatorRows - 1;
    const int step = d >= 0 ? 1 : -1;
    int i = start;
    while (InTable(i) && table.entry[i] == kEmptyEntry) {
        table.entry[i] = kFullBand;
        i += step;
    }
    for (int more = 0; more < 3 && InTable(i); ++more, i += step) {
        table.entry[i] = kFullBand;
    }
}

PageRect BandRect(int a, int b, int row) {
    return {MulDivInt(a, 1000, 320), MulDivInt(row, 750, 175) - 1, MulDivInt(b - a, 1000, 320) + 1,
            5};
}

int PaintBandRects(int x0, int row, int width, PageRect rects[2]) {
    if (x0 + width < kMapWrapColumns) {
        rects[0] = BandRect(x0, x0 + width - 1, row);
        return 1;
    }
    rects[0] = BandRect(x0, kMapColumns, row);
    rects[1] = BandRect(0, x0 + width - kMapColumns, row);
    return 2;
}

int BandStartColumn(double subsolarColumn, int32_t value) {
    return (static_cast<int>(subsolarColumn) - value + kMapWrapColumns) % kMapWrapColumns;
}
