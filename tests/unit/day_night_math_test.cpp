// The Day/Night movie's clock step, terminator table and bands.

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/sun.h"
#include "engine/time.h"
#include "movies/day_night_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(DayNightClock, AMonthFrom31JanuaryCarriesIntoMarch) {
    // 2026 is not a leap year: 31 February is 3 March.
    const double jd = CalendarToJulianDay(31.25, 1, 2026);
    EXPECT_NEAR(NextDayNightTime(jd, 0, 4, 0), CalendarToJulianDay(3.25, 3, 2026), 1e-9);
    // 2024 is: 31 February is 2 March.
    EXPECT_NEAR(NextDayNightTime(CalendarToJulianDay(31.5, 1, 2024), 0, 4, 0),
                CalendarToJulianDay(2.5, 3, 2024), 1e-9);
    // December goes to January of the next year.
    EXPECT_NEAR(NextDayNightTime(CalendarToJulianDay(15.0, 12, 2026), 0, 4, 0),
                CalendarToJulianDay(15.0, 1, 2027), 1e-9);
}

TEST(DayNightClock, OtherSteps) {
    const double jd = 2461000.25;
    EXPECT_NEAR(NextDayNightTime(jd, 100.0, 0, 100.5), jd + 0.5, 1e-9); // real time
    EXPECT_NEAR(NextDayNightTime(jd, 0, 1, 0) - jd, 1.0 / 24.0, 1e-9);
    EXPECT_DOUBLE_EQ(NextDayNightTime(jd, 0, 2, 0), jd + 1.0);
    EXPECT_DOUBLE_EQ(NextDayNightTime(jd, 0, 3, 0), jd + 7.0);
    EXPECT_DOUBLE_EQ(NextDayNightTime(jd, 0, 5, 0), jd); // paused
}

int Filled(const TerminatorTableData& t) {
    int n = 0;
    for (int32_t v : t.entry) {
        n += v != kEmptyEntry;
    }
    return n;
}

TEST(TerminatorTable, AtTheEquinoxEveryRowIsHalfTheMap) {
    // delta = 0: the terminator is a meridian, so every latitude has 80
    // columns (90 degrees) each side.
    TerminatorTableData t;
    TerminatorTable(t, 0.0);
    for (int k = 2; k < kTerminatorRows - 2; ++k) {
        ASSERT_NE(t.entry[k], kEmptyEntry) << k;
        EXPECT_NEAR(t.entry[k], 80, 1) << k;
    }
    FillPolarNight(t, 0.0);
    // No polar rows beyond the traced ones, except the three extra entries.
    EXPECT_EQ(Filled(t), kTerminatorRows);
}

TEST(TerminatorTable, NearTheEquinoxNeverWritesPastTheNorthernEnd) {
    // The table has exactly 175 entries; the struct would carry a 176th into
    // the next member, so check a guard placed after it stays intact.
    struct Guarded {
        TerminatorTableData t;
        int32_t guard;
    } g;
    for (double delta : {0.0, 0.001, 359.999, 0.3, 359.7}) {
        g.guard = 12345;
        TerminatorTable(g.t, delta);
        FillPolarNight(g.t, delta);
        EXPECT_EQ(g.guard, 12345) << delta;
    }
}

TEST(TerminatorTable, FollowsTheTerminatorAtTheSolstice) {
    // The half-width at latitude phi is the night's: cos H = tan phi tan d
    // (from cos H0 = -tan phi tan d for the day), within a column.
    const double d = 23.44;
    TerminatorTableData t;
    TerminatorTable(t, d);
    for (double phi : {-60.0, -40.0, -20.0, 0.0, 20.0, 40.0, 60.0}) {
        const int index =
            kTerminatorRows - static_cast<int>((phi + 90.0) * -0.9722222222222222 + 175.0);
        const double H = AcosDeg(TanDeg(phi) * TanDeg(d));
        ASSERT_NE(t.entry[index], kEmptyEntry) << phi;
        EXPECT_NEAR(t.entry[index], H * 320.0 / 360.0, 2.0) << phi;
    }
}

TEST(FillPolarNight, FillsTheCapFromTheWinterPole) {
    TerminatorTableData t;
    const double d = 23.44; // June: entry 0 (south) starts
    TerminatorTable(t, d);
    int firstTraced = 0;
    while (t.entry[firstTraced] == kEmptyEntry) {
        ++firstTraced;
    }
    EXPECT_GT(firstTraced, 15); // the cap south of about -67 degrees
    FillPolarNight(t, d);
    for (int k = 0; k < firstTraced + 3; ++k) {
        EXPECT_EQ(t.entry[k], kFullBand) << k;
    }
    EXPECT_NE(t.entry[firstTraced + 3], kFullBand);

    // December: from the north end.
    TerminatorTableData s;
    TerminatorTable(s, 360.0 - 23.44);
    FillPolarNight(s, 360.0 - 23.44);
    EXPECT_EQ(s.entry[kTerminatorRows - 1], kFullBand);
    EXPECT_NE(s.entry[0], kFullBand);
}

TEST(FillPolarNight, StopsAtTheTableEnd) {
    TerminatorTableData t;
    for (int32_t& v : t.entry) {
        v = kEmptyEntry;
    }
    FillPolarNight(t, 10.0); // every entry empty: fill all, then no more
    for (int32_t v : t.entry) {
        EXPECT_EQ(v, kFullBand);
    }
}

TEST(PaintBand, ABandPastColumn321WrapsToTheLeftEdge) {
    PageRect r[2];
    ASSERT_EQ(PaintBandRects(10, 100, 40, r), 1);
    EXPECT_EQ(r[0].x, MulDivInt(10, 1000, 320));
    EXPECT_EQ(r[0].width, MulDivInt(39, 1000, 320) + 1);
    EXPECT_EQ(r[0].y, MulDivInt(100, 750, 175) - 1);
    EXPECT_EQ(r[0].height, 5);

    ASSERT_EQ(PaintBandRects(300, 7, 40, r), 2);
    EXPECT_EQ(r[0].x, MulDivInt(300, 1000, 320));
    EXPECT_EQ(r[0].x + r[0].width, 1000); // to column 320, the right edge
    EXPECT_EQ(r[1].x, 0);
    EXPECT_EQ(r[1].width, MulDivInt(20, 1000, 320) + 1); // columns 0 .. 20
    EXPECT_EQ(r[1].y, r[0].y);

    // Exactly reaching 321 already wraps (a band of 0 .. 0 at the left).
    EXPECT_EQ(PaintBandRects(300, 7, 21, r), 2);
}

TEST(PaintBand, StartColumnCentresTheBandOnTheSubsolarColumn) {
    EXPECT_EQ(BandStartColumn(100.7, 80), 20);
    EXPECT_EQ(BandStartColumn(10.0, 80), 251); // wraps
}

TEST(Subsolar, NoonAtGreenwichIsNearTheMapCentre) {
    // At 12:00 UT the Sun stands near longitude 0 (within the equation of
    // time, under 4.5 degrees), which is column 160.5 of 321.
    const SubsolarPoint p = SubsolarPointAt(CalendarToJulianDay(21.5, 6, 2026));
    EXPECT_NEAR(p.column, 160.5, 4.5 * 0.892);
    EXPECT_NEAR(SignedLatitude(p.declination), 23.44, 0.05);
}

} // namespace
