// Io, Europa, Ganymede and Callisto as seen from the Earth.

#include "engine/angles.h"
#include "engine/jupiter_moons.h"
#include "engine/time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr const char* kNames[4] = {"Io", "Europa", "Ganymede", "Callisto"};

struct Moons {
    MoonOfJupiter m[4];
};

Moons MoonsAt(double jd) {
    Moons moons{};
    JupiterMoons(InstantOfUt(jd), moons.m);
    return moons;
}

TEST(JupiterMoons, MatchesAA44a) {
    // Meeus, Astronomical Algorithms, example 44.a (low-accuracy method),
    // 1992 December 16 at 0h UT: X = -3.44, +7.44, +1.24, +7.08 and
    // Y = +0.21, +0.25, +0.65, +1.10, X positive toward the west and Y
    // toward the north. Here x = -r sin u and y = +r cos u sin De, the
    // opposite signs of both, so the picture is turned half a turn.
    // Measured differences at most 0.02 radius (the example's ephemeris
    // time is 59 s after UT, the extrapolated ET - UT used here 116 s).
    const double X[4] = {-3.44, 7.44, 1.24, 7.08};
    const double Y[4] = {0.21, 0.25, 0.65, 1.10};
    const Moons moons = MoonsAt(CalendarToJulianDay(16.0, 12, 1992));
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(moons.m[i].x, -X[i], 0.05) << kNames[i];
        EXPECT_NEAR(moons.m[i].y, -Y[i], 0.05) << kNames[i];
        EXPECT_EQ(moons.m[i].visible, 1) << kNames[i];
    }
}

TEST(JupiterMoons, EachMoonKeepsToItsOrbit) {
    // Mean distances from Jupiter's centre: 421 700, 671 034, 1 070 412 and
    // 1 882 709 km; Jupiter's equatorial radius 71 492 km. The real orbits
    // have eccentricities up to 0.009 (Europa), which the periodic term on
    // each circle stands for, so allow 1.5 %. |x| never exceeds the radius,
    // and over a year each moon reaches its greatest elongation, Callisto
    // about 26.4 radii and Io about 5.9.
    const double kmFromJupiter[4] = {421700, 671034, 1070412, 1882709};
    double widest[4] = {0, 0, 0, 0};
    const double jd0 = CalendarToJulianDay(1.0, 3, 2024);
    for (int step = 0; step < 365 * 24; ++step) {
        const Moons moons = MoonsAt(jd0 + step / 24.0);
        for (int i = 0; i < 4; ++i) {
            const MoonOfJupiter& m = moons.m[i];
            const double r = std::sqrt(m.x * m.x + m.y * m.y + m.z * m.z);
            EXPECT_NEAR(r, kmFromJupiter[i] / 71492, 0.015 * kmFromJupiter[i] / 71492)
                << kNames[i] << " " << step;
            EXPECT_LE(std::fabs(m.x), r * (1 + 1e-12)) << kNames[i] << " " << step;
            widest[i] = MaxOf(widest[i], std::fabs(m.x));
        }
    }
    EXPECT_NEAR(widest[0], 5.9, 0.05);
    EXPECT_NEAR(widest[3], 26.4, 0.2);
    EXPECT_GT(widest[1], 9.3);
    EXPECT_GT(widest[2], 14.9);
}

TEST(JupiterMoons, SynodicPeriods) {
    // Published synodic periods: 1.769861, 3.554094, 7.166387 and 16.753552
    // days. Each moon passes behind Jupiter (x turning from negative to
    // positive) once a period; average over one revolution of Jupiter
    // (4333 days) so that the slow terms of its orbit and the light-time
    // cancel. Measured within 0.00012 relative; allow 0.0002.
    const double expected[4] = {1.769861, 3.554094, 7.166387, 16.753552};
    const double jd0 = CalendarToJulianDay(1.0, 1, 2000);
    const double step = 0.02;
    double first[4] = {0, 0, 0, 0};
    double last[4] = {0, 0, 0, 0};
    int passages[4] = {0, 0, 0, 0};
    Moons previous = MoonsAt(jd0);
    for (int n = 1; n * step < 4333; ++n) {
        const Moons moons = MoonsAt(jd0 + n * step);
        for (int i = 0; i < 4; ++i) {
            const double x0 = previous.m[i].x;
            const double x1 = moons.m[i].x;
            if (x0 < 0 && x1 >= 0) {
                const double t = (n - x1 / (x1 - x0)) * step;
                if (passages[i] == 0) {
                    first[i] = t;
                }
                last[i] = t;
                ++passages[i];
                EXPECT_LT(moons.m[i].z, 0) << kNames[i] << " passes behind, not in front";
            }
        }
        previous = moons;
    }
    for (int i = 0; i < 4; ++i) {
        ASSERT_GT(passages[i], 200) << kNames[i];
        const double period = (last[i] - first[i]) / (passages[i] - 1);
        EXPECT_NEAR(period, expected[i], 2e-4 * expected[i]) << kNames[i];
    }
}

TEST(JupiterMoons, HiddenOnlyBehindTheDisk) {
    // Within the disk as seen (less than one radius from the centre) a moon
    // on the far side is occulted; on the near side it is in transit and
    // stays visible; outside the disk it is always visible. Over a month in
    // five-minute steps Io is seen both behind and in front of the planet.
    const double jd0 = CalendarToJulianDay(1.0, 6, 2026);
    int hidden = 0;
    int inTransit = 0;
    for (int step = 0; step < 30 * 24 * 12; ++step) {
        const Moons moons = MoonsAt(jd0 + step / 288.0);
        for (int i = 0; i < 4; ++i) {
            const MoonOfJupiter& m = moons.m[i];
            const bool insideDisk = std::hypot(m.x, m.y) < 1.0;
            if (insideDisk && m.z < 0) {
                EXPECT_EQ(m.visible, 0) << kNames[i] << " " << step;
                hidden += i == 0;
            } else {
                EXPECT_EQ(m.visible, 1) << kNames[i] << " " << step;
                inTransit += (i == 0 && insideDisk);
            }
        }
    }
    // Io crosses the two-radius disk in about 2.2 hours, 17 times a month.
    EXPECT_GT(hidden, 17 * 20);
    EXPECT_GT(inTransit, 17 * 20);
}

TEST(JupiterMoons, NearSideMovesOppositeToTheFarSide) {
    // On a circle seen edge-on, the near half and the far half are crossed
    // in opposite directions: with x = -r sin u the moons move toward -x in
    // front of the planet (z > 0) and toward +x behind it.
    const double jd0 = CalendarToJulianDay(15.0, 8, 2019);
    for (int step = 0; step < 40 * 24; ++step) {
        const Moons a = MoonsAt(jd0 + step / 24.0);
        const Moons b = MoonsAt(jd0 + (step + 0.01) / 24.0);
        for (int i = 0; i < 4; ++i) {
            // Skip the turning points near greatest elongation.
            if (std::fabs(a.m[i].z) < 0.2 * std::fabs(a.m[i].x)) {
                continue;
            }
            const double dx = b.m[i].x - a.m[i].x;
            if (a.m[i].z > 0) {
                EXPECT_LT(dx, 0) << kNames[i] << " " << step;
            } else {
                EXPECT_GT(dx, 0) << kNames[i] << " " << step;
            }
        }
    }
}

} // namespace
