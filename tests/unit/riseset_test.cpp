// Rising and setting times and the topocentric correction.

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/riseset.h"
#include "engine/time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Location Place(double lat, int latHem, double lon, int lonHem, double tz, int elevation = 0) {
    Location loc{};
    loc.latitude = lat;
    loc.latitudeHemisphere = latHem;
    loc.longitude = lon;
    loc.longitudeHemisphere = lonHem;
    loc.timeZone = tz;
    loc.elevation = elevation;
    return loc;
}

double Hm(int h, int m) {
    return h + m / 60.0;
}

TEST(RiseSet, SunAtGreenwichMatchesAlmanacTimes) {
    // Almanac times for the Royal Observatory (UT): midsummer sunrise 03:43,
    // sunset 20:21; midwinter sunrise 08:04, sunset 15:54.
    const Location greenwich = Place(51.4772, kNorth, 0.0005, kWest, 0);
    RiseSetTimes times = RiseSet(kSun, 21, 6, 2026, greenwich);
    EXPECT_NEAR(times.rise.hours, Hm(3, 43), 2.5 / 60);
    EXPECT_NEAR(times.set.hours, Hm(20, 21), 2.5 / 60);
    times = RiseSet(kSun, 21, 12, 2026, greenwich);
    EXPECT_NEAR(times.rise.hours, Hm(8, 4), 2.5 / 60);
    EXPECT_NEAR(times.set.hours, Hm(15, 54), 2.5 / 60);
}

TEST(RiseSet, LocalTimeFollowsTheTimeZone) {
    // Sydney, 2026 January 1 (standard time UT+10): sunrise about 05:46 in
    // daylight-saving time, i.e. 04:46 standard; sunset 20:09 -> 19:09.
    const Location sydney = Place(33.8688, kSouth, 151.2093, kEast, 10);
    const RiseSetTimes times = RiseSet(kSun, 1, 1, 2026, sydney);
    EXPECT_NEAR(times.rise.hours, Hm(4, 46), 3.0 / 60);
    EXPECT_NEAR(times.set.hours, Hm(19, 9), 3.0 / 60);
}

TEST(RiseSet, EquatorialDaysLastTwelveHours) {
    const Location quito = Place(0.0, kNorth, 78.4678, kWest, -5);
    for (int month = 1; month <= 12; ++month) {
        const RiseSetTimes times = RiseSet(kSun, 10, month, 2030, quito);
        ASSERT_TRUE(times.rise.happens) << month;
        ASSERT_TRUE(times.set.happens) << month;
        const double rise = times.rise.hours;
        const double set = times.set.hours;
        // Refraction and the Sun's radius add about seven minutes.
        EXPECT_NEAR(set - rise, 12.12, 0.1) << month;
    }
}

TEST(RiseSet, PolarDayAndNight) {
    // A latitude entered as 90 is clamped to 89.999: no sunrise or sunset
    // near either solstice.
    const Location pole = Place(90.0, kNorth, 0.0, kWest, 0);
    RiseSetTimes times = RiseSet(kSun, 21, 6, 2026, pole);
    EXPECT_FALSE(times.rise.happens);
    EXPECT_FALSE(times.set.happens);
    times = RiseSet(kSun, 21, 12, 2026, pole);
    EXPECT_FALSE(times.rise.happens);
    EXPECT_FALSE(times.set.happens);
    // Tromso has midnight sun in June.
    times = RiseSet(kSun, 21, 6, 2026, Place(69.65, kNorth, 18.96, kEast, 1));
    EXPECT_FALSE(times.rise.happens);
    EXPECT_FALSE(times.set.happens);
}

TEST(RiseSet, TheMoonSkipsOneRiseAndOneSetAMonth) {
    // The Moon rises about 50 minutes later each day, so once a lunation a
    // local date has no moonrise (and once no moonset).
    const Location greenwich = Place(51.4772, kNorth, 0.0005, kWest, 0);
    int noRise = 0;
    int noSet = 0;
    EventTime previousRise{false, 0.0};
    for (int day = 1; day <= 31; ++day) {
        const RiseSetTimes times = RiseSet(kMoon, day, 3, 2026, greenwich);
        const EventTime rise = times.rise;
        noRise += !rise.happens;
        noSet += !times.set.happens;
        if (rise.happens && previousRise.happens && rise.hours > previousRise.hours) {
            EXPECT_NEAR(rise.hours - previousRise.hours, 0.85, 0.75) << day;
        }
        previousRise = rise;
    }
    EXPECT_GE(noRise, 1);
    EXPECT_LE(noRise, 2);
    EXPECT_GE(noSet, 1);
    EXPECT_LE(noSet, 2);
}

TEST(RiseSet, PlanetsRiseAndSet) {
    const Location greenwich = Place(51.4772, kNorth, 0.0005, kWest, 0);
    for (int body = kMercury; body <= kPluto; ++body) {
        const RiseSetTimes times = RiseSet(body, 15, 8, 2026, greenwich);
        const EventTime rise = times.rise;
        const EventTime set = times.set;
        EXPECT_TRUE(!rise.happens || (rise.hours >= 0 && rise.hours <= 24)) << body;
        EXPECT_TRUE(!set.happens || (set.hours >= 0 && set.hours <= 24)) << body;
        EXPECT_TRUE(rise.happens || set.happens) << body;
    }
}

TEST(Topocentric, ObserverCoordinatesOfPalomar) {
    // AA 11.a: latitude 33d21'22", 1706 m.
    double rhoSin = 0;
    double rhoCos = 0;
    GeocentricObserver(1706, 33 + 21 / 60.0 + 22 / 3600.0, rhoSin, rhoCos);
    EXPECT_NEAR(rhoSin, 0.546861, 1e-6);
    EXPECT_NEAR(rhoCos, 0.836339, 1e-6);
}

TEST(Topocentric, MarsFromPalomar) {
    // AA 40.a: 2003 August 28, 3h17m UT, Mars at 22h38m07.25s,
    // -15d46'15.9", 0.37276 AU, seen from Palomar (33d21'22"N, 7h47m27s W,
    // 1706 m): 22h38m08.54s, -15d46'30.0".
    const Location palomar = Place(33 + 21 / 60.0 + 22 / 3600.0, kNorth,
                                   (7 + 47 / 60.0 + 27 / 3600.0) * 15, kWest, -8, 1706);
    double alpha = 22 + 38 / 60.0 + 7.25 / 3600;
    double delta = -(15 + 46 / 60.0 + 15.9 / 3600);
    Topocentric(palomar, false, 0.37276, 0, {2003, 8, 28, 3 + 17 / 60.0}, alpha, delta);
    EXPECT_NEAR(alpha, 22 + 38 / 60.0 + 8.54 / 3600, 0.05 / 3600);
    EXPECT_NEAR(delta, -(15 + 46 / 60.0 + 30.0 / 3600), 0.5 / 3600);
}

TEST(Topocentric, NoShiftOnTheMeridianAtTheEquator) {
    const Location equator = Place(0, kNorth, 0, kWest, 0);
    const double lst = ApparentSiderealTime({2026, 3, 1, 6.0});
    double alpha = lst;
    double delta = 0;
    Topocentric(equator, true, 0, 0.95, {2026, 3, 1, 6.0}, alpha, delta);
    EXPECT_NEAR(alpha, lst, 1e-9);
    EXPECT_NEAR(delta, 0, 1e-9);
    // Six hours from the meridian the Moon shifts by about its parallax.
    alpha = lst + 6;
    delta = 0;
    Topocentric(equator, true, 0, 0.95, {2026, 3, 1, 6.0}, alpha, delta);
    EXPECT_NEAR(std::fabs(alpha - (lst + 6)) * 15, 0.95, 0.02);
}

} // namespace
