// Obliquity, nutation, coordinate frames and Kepler's equation.

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/time.h"
#include "reports/names.h"
#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

double Dms(double d, double m, double s) {
    return d + m / 60 + s / 3600;
}

TEST(Nutation, MatchesAA22a) {
    // 1987 April 10, 0h: dpsi = -3.788", deps = +9.443" (full theory); the
    // short series is good to a few hundredths of a second.
    double dpsi = 0;
    double deps = 0;
    Nutation({1987, 4, 10, 0.0}, dpsi, deps);
    EXPECT_NEAR(dpsi, -3.788, 0.05);
    EXPECT_NEAR(deps, 9.443, 0.05);
}

TEST(Nutation, LeadingTermsDominate) {
    // Over an 18.6-year cycle the amplitudes stay near 17.2" and 9.2".
    double maxPsi = 0;
    double maxEps = 0;
    for (int year = 1990; year < 2010; ++year) {
        for (int month = 1; month <= 12; ++month) {
            double dpsi = 0;
            double deps = 0;
            Nutation({year, month, 1, 0.0}, dpsi, deps);
            maxPsi = std::fmax(maxPsi, std::fabs(dpsi));
            maxEps = std::fmax(maxEps, std::fabs(deps));
        }
    }
    EXPECT_NEAR(maxPsi, 18.5, 1.5);
    EXPECT_NEAR(maxEps, 9.9, 0.8);
}

TEST(Obliquity, MeanAndApparent) {
    // AA 22.a: mean 23d26'27.407", true 23d26'36.850".
    EXPECT_NEAR(Obliquity({1987, 4, 10, 0.0}, false), Dms(23, 26, 27.407), 2e-4);
    EXPECT_NEAR(Obliquity({1987, 4, 10, 0.0}, true), Dms(23, 26, 36.850), 2e-4);
    EXPECT_NEAR(Obliquity({2000, 1, 1, 12.0}, false), 23.439280363, 1e-9);
}

TEST(Frames, EclipticToEquatorialPollux) {
    // AA 13.a: lambda 113.215630, beta 6.684170 -> alpha 7h45m18.946s,
    // delta +28d01'34.26" (obliquity 23.4392911; ours at J2000 differs by
    // 1e-5 degrees).
    double alpha = 0;
    double delta = 0;
    EclipticToEquatorial({2000, 1, 1, 12.0}, 113.215630, 6.684170, false, alpha, delta);
    EXPECT_NEAR(alpha, Dms(7, 45, 18.946), 2e-5);
    EXPECT_NEAR(delta, Dms(28, 1, 34.26), 2e-5);
}

TEST(Frames, SouthernDeclinationsComeBackInTheFullCircle) {
    double alpha = 0;
    double delta = 0;
    EclipticToEquatorial({2026, 12, 21, 0.0}, 270.0, 0.0, false, alpha, delta);
    EXPECT_NEAR(alpha, 18.0, 1e-9);
    EXPECT_NEAR(delta, 360 - Obliquity({2026, 12, 21, 0.0}, false), 1e-9);
    EXPECT_NEAR(SignedLatitude(delta), -Obliquity({2026, 12, 21, 0.0}, false), 1e-9);
}

TEST(Frames, EquatorialToEclipticInvertsTheMeanConversion) {
    for (double lambda = -170; lambda < 180; lambda += 37) {
        for (double beta = -60; beta <= 60; beta += 30) {
            double alpha = 0;
            double delta = 0;
            EclipticToEquatorial({1975, 5, 3, 6.0}, lambda, beta, false, alpha, delta);
            double l = 0;
            double b = 0;
            EquatorialToEcliptic(alpha, SignedLatitude(delta), {1975, 5, 3, 6.0}, l, b);
            EXPECT_NEAR(l, lambda, 1e-9);
            EXPECT_NEAR(b, beta, 1e-9);
        }
    }
}

TEST(Frames, SignedLatitudeFolds) {
    EXPECT_DOUBLE_EQ(SignedLatitude(350), -10);
    EXPECT_DOUBLE_EQ(SignedLatitude(100), 80);
    EXPECT_DOUBLE_EQ(SignedLatitude(45), 45);
    EXPECT_DOUBLE_EQ(SignedLatitude(-30), -30);
    EXPECT_DOUBLE_EQ(SignedLatitude(270), -90);
}

TEST(Frames, HorizontalCoordinatesOfVenusAtWashington) {
    // AA 13.b: 1987 April 10, 19h21m UT; Venus at 23h09m16.641s,
    // -6d43'11.61"; observer 38d55'17"N 77d03'56"W. Azimuth 68.0337 from
    // South, i.e. 248.0337 from North; altitude 15.1249.
    Location loc{};
    loc.latitude = Dms(38, 55, 17);
    loc.latitudeHemisphere = kNorth;
    loc.longitude = Dms(77, 3, 56);
    loc.longitudeHemisphere = kWest;
    double azimuth = 0;
    double altitude = 0;
    EquatorialToHorizontal({1987, 4, 10, 19.35}, Dms(23, 9, 16.641), -Dms(6, 43, 11.61), loc,
                           azimuth, altitude);
    EXPECT_NEAR(azimuth, 248.0337, 0.02);
    EXPECT_NEAR(altitude, 15.1249, 0.02);
}

TEST(Frames, HorizontalCoordinatesAtThePole) {
    // Latitude 90 is clamped so the azimuth stays finite; the altitude of a
    // star at the pole is its declination.
    Location loc{};
    loc.latitude = 90.0;
    loc.latitudeHemisphere = kNorth;
    double azimuth = 0;
    double altitude = 0;
    EquatorialToHorizontal({2020, 6, 1, 3.0}, 5.0, 40.0, loc, azimuth, altitude);
    EXPECT_TRUE(std::isfinite(azimuth));
    EXPECT_NEAR(altitude, 40.0, 0.01);
    EXPECT_EQ(loc.latitude, 90.0); // the caller's copy is untouched
    ClampPoleLatitude(loc);
    EXPECT_EQ(loc.latitude, 89.999);

    // A southern observer sees the south celestial pole at its latitude.
    loc.latitude = 33.9;
    loc.latitudeHemisphere = kSouth;
    EquatorialToHorizontal({2020, 6, 1, 3.0}, 5.0, -90.0, loc, azimuth, altitude);
    EXPECT_NEAR(altitude, 33.9, 1e-9);
}

TEST(Kepler, WorkedExample) {
    EXPECT_NEAR(SolveKepler(5, 0.1), 5.554589, 1e-6); // AA 30.a
    EXPECT_DOUBLE_EQ(SolveKepler(37, 0.0), 37);
}

TEST(Kepler, ConvergesForEveryEccentricityAndAnomaly) {
    for (double e = 0.0; e < 0.999; e += 0.0125) {
        for (double M = -720; M <= 720; M += 0.75) {
            const double E = SolveKepler(M, e);
            const double residual = E - RadiansToDegrees(e) * SinDeg(E) - M;
            ASSERT_LT(std::fabs(residual), 1e-6) << "e=" << e << " M=" << M;
        }
    }
    // Near-parabolic orbits right at perihelion, where Newton from E = M
    // overshoots.
    for (double M : {1e-6, 0.01, 0.3, 2.0, 359.99}) {
        const double E = SolveKepler(M, 0.995);
        EXPECT_LT(std::fabs(E - RadiansToDegrees(0.995) * SinDeg(E) - M), 1e-6) << M;
    }
}

TEST(Bodies, CodesAndNames) {
    EXPECT_FALSE(IsPlanet(kSun));
    EXPECT_FALSE(IsPlanet(kMoon));
    EXPECT_FALSE(IsPlanet(kEarth));
    EXPECT_TRUE(IsPlanet(kMercury));
    EXPECT_TRUE(IsPlanet(kPluto));
    EXPECT_FALSE(IsPlanet(11));
    char name[kTextSize];
    BodyName(kSun, name);
    EXPECT_STREQ(name, "Sun");
    BodyName(kPluto, name);
    EXPECT_STREQ(name, "Pluto");
    MonthName(1, name);
    EXPECT_STREQ(name, "January");
    MonthName(12, name);
    EXPECT_STREQ(name, "December");
}

} // namespace
