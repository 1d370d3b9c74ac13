// Calendar, Julian days and time scales. Expected values: the worked
// examples of Meeus (Astronomical Algorithms, 2nd ed., "AA") and published
// calendars.

#include "engine/angles.h"
#include "engine/location.h"
#include "engine/time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

double JD(double day, int month, int year) {
    return CalendarToJulianDay(day, month, year);
}

Location Place(double lat, int latHem, double lon, int lonHem) {
    Location loc{};
    loc.latitude = lat;
    loc.latitudeHemisphere = latHem;
    loc.longitude = lon;
    loc.longitudeHemisphere = lonHem;
    return loc;
}

TEST(JulianDay, KnownDates) {
    EXPECT_DOUBLE_EQ(JD(1.5, 1, 2000), 2451545.0);
    EXPECT_DOUBLE_EQ(JD(4.81, 10, 1957), 2436116.31); // AA 7.a
    EXPECT_DOUBLE_EQ(JD(27.5, 1, 333), 1842713.0);    // AA 7.b
    EXPECT_DOUBLE_EQ(JD(1.0, 1, 0), 1721057.5);       // year 0 takes the 0.75 correction
    EXPECT_DOUBLE_EQ(JD(1.5, 1, -4712), 0.0);
    EXPECT_DOUBLE_EQ(JD(0.5, 1, 1900), 2415020.0);
}

TEST(JulianDay, CalendarReformIsOneDay) {
    EXPECT_DOUBLE_EQ(JD(15.0, 10, 1582) - JD(4.0, 10, 1582), 1.0);
    // October 14.9 is still judged Julian, 15.0 Gregorian.
    EXPECT_NEAR(JD(14.9, 10, 1582), JD(4.0, 10, 1582) + 10.9, 1e-9);
}

TEST(JulianDay, ConvertsBackToTheCalendar) {
    double day = 0;
    int month = 0;
    int year = 0;
    JulianDayToCalendar(2436116.31, day, month, year); // AA 7.c
    EXPECT_NEAR(day, 4.81, 1e-9);
    EXPECT_EQ(month, 10);
    EXPECT_EQ(year, 1957);
    JulianDayToCalendar(1842713.0, day, month, year);
    EXPECT_NEAR(day, 27.5, 1e-9);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(year, 333);
    JulianDayToCalendar(1507900.13, day, month, year); // AA 7.c: -584 May 28.63
    EXPECT_NEAR(day, 28.63, 1e-6);
    EXPECT_EQ(month, 5);
    EXPECT_EQ(year, -584);
}

TEST(JulianDay, RoundTripsEveryDayFromMinus4000To32000) {
    const double first = JD(1.0, 1, -4000);
    const double last = JD(31.0, 12, 32000);
    long failures = 0;
    for (double jd = first; jd <= last && failures < 10; jd += 1.0) {
        // A fraction that wanders through the day, so both the date and the
        // time of day are checked.
        const double fraction = std::fmod((jd - first) * 0.618033988749895, 1.0) * 0.999;
        double day = 0;
        int month = 0;
        int year = 0;
        JulianDayToCalendar(jd + fraction, day, month, year);
        const double back = JD(day, month, year);
        if (std::fabs(back - (jd + fraction)) > 1e-6 || month < 1 || month > 12 || day < 1 ||
            day >= 32) {
            ADD_FAILURE() << "JD " << jd + fraction << " -> " << day << "/" << month << "/" << year
                          << " -> " << back;
            ++failures;
        }
    }
}

TEST(JulianDay, RoundTripsRandomInstants) {
    std::mt19937_64 rng(20261207);
    std::uniform_int_distribution<int> years(-4000, 32000);
    std::uniform_int_distribution<int> months(1, 12);
    std::uniform_real_distribution<double> fractions(0.0, 0.9999);
    for (int i = 0; i < 200000; ++i) {
        const int y = years(rng);
        const int m = months(rng);
        const int d = 1 + static_cast<int>(fractions(rng) * DaysInMonth(m, y));
        if (!IsValidDate(d, m, y)) {
            continue; // the ten days dropped in 1582
        }
        const double dayIn = d + fractions(rng);
        double day = 0;
        int month = 0;
        int year = 0;
        JulianDayToCalendar(JD(dayIn, m, y), day, month, year);
        ASSERT_EQ(year, y);
        ASSERT_EQ(month, m);
        ASSERT_NEAR(day, dayIn, 1e-6) << y << "-" << m;
    }
}

TEST(CivilCalendar, DayOfWeek) {
    EXPECT_EQ(DayOfWeek(1, 1, 2000), 6);   // Saturday
    EXPECT_EQ(DayOfWeek(30, 6, 1954), 3);  // AA 7.e: Wednesday
    EXPECT_EQ(DayOfWeek(15, 10, 1582), 5); // first Gregorian day: Friday
    EXPECT_EQ(DayOfWeek(4, 10, 1582), 4);  // last Julian day: Thursday
    EXPECT_EQ(DayOfWeek(7, 12, 2026), 1);  // Monday
}

TEST(CivilCalendar, ValidDatesAndMonthLengths) {
    EXPECT_FALSE(IsValidDate(29, 2, 1900));
    EXPECT_TRUE(IsValidDate(29, 2, 1500)); // Julian century year
    EXPECT_TRUE(IsValidDate(29, 2, 2000));
    EXPECT_FALSE(IsValidDate(10, 10, 1582));
    EXPECT_TRUE(IsValidDate(4, 10, 1582));
    EXPECT_TRUE(IsValidDate(15, 10, 1582));
    EXPECT_FALSE(IsValidDate(31, 4, 2026));
    EXPECT_FALSE(IsValidDate(0, 1, 2026));

    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 1500), 29);
    EXPECT_EQ(DaysInMonth(10, 1582), 21);
    EXPECT_EQ(DaysInMonth(4, 2026), 30);
    for (int y : {-4000, 0, 1582, 2026, 32000}) {
        EXPECT_EQ(DaysInMonth(12, y), 31) << y;
    }
}

TEST(Easter, KnownDates) {
    struct Case {
        int year, month, day;
    };
    const Case cases[] = {
        {1991, 3, 31}, {1992, 4, 19}, {1993, 4, 11}, {1954, 4, 18}, // AA chapter 8
        {2000, 4, 23}, {1818, 3, 22}, {2285, 3, 22}, {2038, 4, 25},
        {1583, 4, 10}, {2026, 4, 5},                 // Gregorian rule
        {179, 4, 12},  {711, 4, 12},  {1243, 4, 12}, // AA: Julian rule
        {1582, 4, 15},
    };
    for (const Case& c : cases) {
        int day = 0;
        int month = 0;
        EasterDate(c.year, day, month);
        EXPECT_EQ(month, c.month) << c.year;
        EXPECT_EQ(day, c.day) << c.year;
    }
}

TEST(Easter, AlwaysASundayInTheSeason) {
    for (int year = 100; year <= 4099; ++year) {
        int day = 0;
        int month = 0;
        EasterDate(year, day, month);
        ASSERT_EQ(DayOfWeek(day, month, year), 0) << year;
        const int dayOfSeason = (month - 3) * 31 + day; // March 22 .. April 25
        ASSERT_GE(dayOfSeason, 22) << year;
        ASSERT_LE(dayOfSeason, 31 + 25) << year;
    }
}

TEST(ClockJulianDay, ConvertsTheClockReading) {
    EXPECT_NEAR(ClockJulianDayFrom(2000, 1, 1, 12, 0, 0), 2451545.0, 1e-9);
    EXPECT_NEAR(ClockJulianDayFrom(2026, 12, 7, 6, 30, 36), JD(7.0 + 6.51 / 24, 12, 2026), 1e-8);
    const double now = ClockJulianDay();
    EXPECT_GT(now, JD(1.0, 1, 2020));
    EXPECT_LT(now, JD(1.0, 1, 2200));
}

TEST(DeltaT, TableChoosesTheNearestEarlierRow) {
    constexpr double kMin = 1.0 / 60;
    EXPECT_DOUBLE_EQ(DeltaTHours(1979), 0.85 * kMin); // 1 from 1980 beats 2 from 1977
    EXPECT_DOUBLE_EQ(DeltaTHours(1974), 0.7 * kMin);  // tie between 1971 and 1977
    EXPECT_DOUBLE_EQ(DeltaTHours(1710), -0.2 * kMin);
    EXPECT_DOUBLE_EQ(DeltaTHours(1980), 0.85 * kMin);
    EXPECT_DOUBLE_EQ(DeltaTHours(1720), -0.2 * kMin); // tie: 1710 wins over 1730
    EXPECT_DOUBLE_EQ(DeltaTHours(1900), 0.0);         // 1903
    EXPECT_DOUBLE_EQ(AddDeltaT(3.0, 1950), 3.0 + 0.5 * kMin);
}

TEST(DeltaT, FormulaOutsideTheTable) {
    // T counts Julian centuries from 1900 January 1 to January 1 of the year.
    const auto formula = [](double days) {
        const double T = days / 36525;
        return (0.41 + 1.2053 * T + 0.4992 * T * T) / 60;
    };
    EXPECT_NEAR(DeltaTHours(1981), formula(81 * 365 + 20), 1e-12);
    EXPECT_NEAR(DeltaTHours(1709), formula(-(191 * 365 + 46)), 1e-12);
    EXPECT_NEAR(DeltaTHours(2000), formula(36524), 1e-12);
    // About 2.11 minutes in 2000 by this formula.
    EXPECT_NEAR(DeltaTHours(2000) * 60, 2.1144, 1e-3);
}

TEST(SiderealTime, MeanSiderealTimeMatchesWorkedExamples) {
    // AA 12.a and 12.b: 1987 April 10 at 0h and 19h21m UT.
    EXPECT_NEAR(MeanSiderealTime({1987, 4, 10, 0.0}), 13 + 10 / 60.0 + 46.3668 / 3600, 2e-5);
    EXPECT_NEAR(MeanSiderealTime({1987, 4, 10, 19.35}), 8 + 34 / 60.0 + 57.0896 / 3600, 2e-5);
    EXPECT_NEAR(ApparentSiderealTime({1987, 4, 10, 0.0}), 13 + 10 / 60.0 + 46.1351 / 3600, 3e-5);
    for (double ut = 0; ut < 24; ut += 1.7) {
        const double s = MeanSiderealTime({2031, 2, 3, ut});
        EXPECT_GE(s, 0);
        EXPECT_LT(s, 24);
    }
}

TEST(SiderealTime, DayNumberMethodAgreesWithTheMeanSiderealTime) {
    for (int year : {1900, 1950, 1987, 2000, 2026, 2050}) {
        for (int month = 1; month <= 12; month += 3) {
            for (double ut = 0.5; ut < 24; ut += 5.5) {
                const double g = GreenwichSiderealTime({year, month, 10, ut});
                double diff = std::fabs(g - MeanSiderealTime({year, month, 10, ut}));
                diff = std::fmin(diff, 24 - diff);
                EXPECT_LT(diff, 0.002) << year << "-" << month << " " << ut;
                EXPECT_GE(g, 0);
                EXPECT_LE(g, 24);
                EXPECT_NEAR(UniversalTimeFromSidereal(g, 10, month, year), ut, 2e-4);
            }
        }
    }
}

TEST(SiderealTime, LocalSiderealTimeByHemisphere) {
    EXPECT_NEAR(LocalSiderealTime(10.0, Place(0, kNorth, 15, kWest)), 9.0, 1e-12);
    EXPECT_NEAR(LocalSiderealTime(10.0, Place(0, kNorth, 15, kEast)), 11.0, 1e-12);
    EXPECT_NEAR(LocalSiderealTime(0.5, Place(0, kNorth, 30, kWest)), 22.5, 1e-12);
    EXPECT_NEAR(LocalSiderealTime(23.5, Place(0, kNorth, 30, kEast)), 1.5, 1e-12);
}

TEST(SiderealTime, CenturiesCountFrom1900January0Noon) {
    EXPECT_DOUBLE_EQ(CenturiesSince1900(2415020.0), 0.0);
    EXPECT_NEAR(CenturiesSince1900(2451545.0), 1.0, 1e-15);
}

} // namespace
