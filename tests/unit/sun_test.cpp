// The Sun: position, cache, seasons and the equation of time.

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/sun.h"
#include "engine/time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Sun = SunPlace;

Sun SunAt(double hours, int day, int month, int year, bool apparent) {
    return SunPosition({year, month, day, hours}, apparent);
}

TEST(SunPosition, MatchesAA25a) {
    // 1992 October 13.0 TD: apparent longitude 199.90988 (low-precision
    // method 199.9060 in AA), R 0.99760775 (AA 25.b), alpha 13h13m31.4s,
    // delta -7d47'06".
    const double hours = -DeltaTHours(1992);
    const Sun s = SunAt(hours, 13, 10, 1992, true);
    EXPECT_NEAR(s.lambda, 199.9099, 0.01);
    EXPECT_NEAR(s.R, 0.99760775, 2e-5);
    EXPECT_NEAR(s.alpha, 13 + 13 / 60.0 + 31.4 / 3600, 0.001);
    EXPECT_NEAR(SignedLatitude(s.delta), -(7 + 47 / 60.0 + 6.0 / 3600), 0.005);
    EXPECT_NEAR(s.semidiameter, 0.2665638888888889 / s.R, 1e-15);
    const Sun geometric = SunAt(hours, 13, 10, 1992, false);
    EXPECT_NEAR(geometric.M, 278.99397 - 0.0014, 0.01); // AA 25.a mean anomaly
}

TEST(SunPosition, ApparentDiffersByAberrationAndNutation) {
    for (int month = 1; month <= 12; ++month) {
        const Sun geometric = SunAt(6.0, 15, month, 2026, false);
        const Sun apparent = SunAt(6.0, 15, month, 2026, true);
        const double jde = CalendarToJulianDay(15.25, month, 2026) + DeltaTHours(2026) / 24;
        const double T = CenturiesSince1900(jde);
        EXPECT_NEAR(apparent.lambda - geometric.lambda,
                    -0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * T), 1e-12);
    }
}

TEST(SunPosition, ApparentLongitudeIsNotWrappedAgain) {
    // Right at the March equinox the geometric longitude is just above 0 and
    // the apparent one falls below it.
    double instants[4];
    Seasons(2026, instants);
    double day = 0;
    int month = 0;
    int year = 0;
    JulianDayToCalendar(instants[0] + 0.002, day, month, year);
    const Sun s = SunAt(FractionalPart(day) * 24, static_cast<int>(day), month, year, true);
    EXPECT_LT(s.lambda, 0.01);
    EXPECT_GT(s.lambda, -0.02);
}

TEST(SunPosition, CacheAnswersRepeatedInstants) {
    SunCacheInvalidate();
    const long before = SunPositionEvaluations();
    const Sun first = SunAt(7.5, 3, 3, 2003, true);
    const Sun second = SunAt(7.5, 3, 3, 2003, true);
    EXPECT_EQ(SunPositionEvaluations(), before + 1);
    EXPECT_EQ(first.lambda, second.lambda);
    EXPECT_EQ(first.alpha, second.alpha);
    SunAt(7.5, 3, 3, 2003, false); // only the flag differs
    EXPECT_EQ(SunPositionEvaluations(), before + 2);
    SunAt(7.5, 3, 3, 2003, true);
    SunAt(7.5000001, 3, 3, 2003, true);
    SunAt(7.5000001, 4, 3, 2003, true);
    EXPECT_EQ(SunPositionEvaluations(), before + 5);
}

TEST(SunPosition, DistanceAndSemidiameterStayInRange) {
    for (int day = 1; day <= 365; day += 4) {
        double d = 0;
        int month = 0;
        int year = 0;
        JulianDayToCalendar(CalendarToJulianDay(1.0, 1, 2031) + day, d, month, year);
        const Sun s = SunAt(0.0, static_cast<int>(d), month, year, false);
        EXPECT_GT(s.R, 0.983);
        EXPECT_LT(s.R, 1.017);
        EXPECT_GT(s.semidiameter, 0.262);
        EXPECT_LT(s.semidiameter, 0.2712);
        EXPECT_GE(s.alpha, 0);
        EXPECT_LT(s.alpha, 24);
        EXPECT_GE(s.delta, 0);
        EXPECT_LT(s.delta, 360);
    }
}

TEST(Seasons, Year1994) {
    // Published UT instants: March 20 20:28, June 21 14:48, September 23
    // 06:19, December 22 02:23.
    double instants[4];
    Seasons(1994, instants);
    const double expected[4] = {
        CalendarToJulianDay(20 + (20 + 28 / 60.0) / 24, 3, 1994),
        CalendarToJulianDay(21 + (14 + 48 / 60.0) / 24, 6, 1994),
        CalendarToJulianDay(23 + (6 + 19 / 60.0) / 24, 9, 1994),
        CalendarToJulianDay(22 + (2 + 23 / 60.0) / 24, 12, 1994),
    };
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(instants[k], expected[k], 0.01) << k; // within a quarter hour
    }
}

TEST(Seasons, FourEventsInOrderEveryYear) {
    for (int year = 1000; year <= 3000; year += 50) {
        double instants[4];
        Seasons(year, instants);
        for (int k = 0; k < 4; ++k) {
            double day = 0;
            int month = 0;
            int y = 0;
            JulianDayToCalendar(instants[k], day, month, y);
            EXPECT_EQ(y, year);
            if (k > 0) {
                EXPECT_NEAR(instants[k] - instants[k - 1], 91.3, 3.0) << year << " " << k;
            }
        }
    }
}

TEST(EquationOfTime, SeasonalExtremes) {
    // About +16.4 minutes in early November, -14.2 in mid February, near 0
    // in mid April and early September.
    EXPECT_NEAR(EquationOfTime(3, 11, 2026) * 60, 16.45, 0.3);
    EXPECT_NEAR(EquationOfTime(11, 2, 2026) * 60, -14.2, 0.3);
    EXPECT_NEAR(EquationOfTime(15, 4, 2026) * 60, 0.0, 0.5);
    EXPECT_NEAR(EquationOfTime(1, 9, 2026) * 60, 0.0, 0.5);
}

} // namespace
