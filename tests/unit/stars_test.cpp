// Star places of date: precession angles, the full reduction against a
// published example, precession rates, and the size of the small corrections.

#include "engine/angles.h"
#include "engine/stars.h"
#include "engine/time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Great-circle distance between two places (hours, degrees), seconds of arc.
double SeparationArcsec(double alpha1, double delta1, double alpha2, double delta2) {
    const double c = SinDeg(delta1) * SinDeg(delta2) +
                     CosDeg(delta1) * CosDeg(delta2) * CosDeg(15 * (alpha1 - alpha2));
    return AcosDeg(MinOf(c, 1.0)) * 3600;
}

TEST(PrecessionAngles, AgreeWithTheIAU1976Angles) {
    // AA eq. 21.3 from J2000.0 over the t = 0.288670500 centuries of AA example
    // 21.b: zeta = 2306.2181 t + 0.30188 t^2 + 0.017998 t^3, z = 2306.2181 t +
    // 1.09468 t^2 + 0.018203 t^3, theta = 2004.3109 t - 0.42665 t^2 - 0.041833
    // t^3. Newcomb's constants differ by about half a second of arc a century:
    // tolerance 0.5" (measured 0.15", 0.15", 0.23").
    const double t = 0.288670500;
    const double jd0 = 2451545.0;
    double zeta = 1;
    double z = 1;
    double theta = 1;
    PrecessionAngles(jd0, jd0 + t * 36525, zeta, z, theta);
    EXPECT_NEAR(zeta * 3600, 2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t, 0.5);
    EXPECT_NEAR(z * 3600, 2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t, 0.5);
    EXPECT_NEAR(theta * 3600, 2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t, 0.5);

    PrecessionAngles(jd0, jd0, zeta, z, theta);
    EXPECT_EQ(zeta, 0.0);
    EXPECT_EQ(z, 0.0);
    EXPECT_EQ(theta, 0.0);
}

TEST(StarApparentPlace, ThetaPerseiMatchesAA23a) {
    // AA examples 21.b and 23.a: theta Persei, J2000 place with its proper
    // motion carried to 2028 November 13.19 TD, alpha0 = 41.054063 degrees,
    // delta0 = +49.227750 (our routine has no proper motion, so we start from
    // there). Apparent place 2h46m14.390s, +49d21'07.45". Tolerance 1" on the
    // sky (measured 0.28" in alpha, 0.25" in delta).
    double alpha = 0;
    double delta = 0;
    StarApparentPlace(2000, 41.054063 / 15, 49.227750, 2462088.69, alpha, delta);
    const double expectedAlpha = 2 + 46 / 60.0 + 14.390 / 3600;
    const double expectedDelta = 49 + 21 / 60.0 + 7.45 / 3600;
    EXPECT_NEAR((alpha - expectedAlpha) * 15 * 3600 * CosDeg(expectedDelta), 0, 1.0);
    EXPECT_NEAR((delta - expectedDelta) * 3600, 0, 1.0);
}

TEST(StarApparentPlace, FiftyYearsOfPrecessionFollowTheAnnualRates) {
    // The same numbers read as a 1950.0 and as a 2000.0 place, both brought to
    // 2000: the difference is fifty years of precession, nutation and
    // aberration cancelling. Annual rates m + n sin(alpha) tan(delta) in
    // right ascension and n' cos(alpha) in declination, m = 3.075 s,
    // n = 1.336 s, n' = 20.04" (Newcomb, for 1975). Tolerance 2% and 15".
    const double jd = CalendarToJulianDay(1.0, 1, 2000);
    for (double alpha0 = 0.5; alpha0 < 24; alpha0 += 1.5) {
        for (double delta0 = -60; delta0 <= 60; delta0 += 20) {
            double alpha1950, delta1950, alpha2000, delta2000;
            StarApparentPlace(1950, alpha0, delta0, jd, alpha1950, delta1950);
            StarApparentPlace(2000, alpha0, delta0, jd, alpha2000, delta2000);
            const double a = 15 * alpha0;
            const double seconds = 24 * 3600.0;
            const double da = std::remainder((alpha1950 - alpha2000) * 3600, seconds);
            const double expected = 50 * (3.075 + 1.336 * SinDeg(a) * TanDeg(delta0));
            EXPECT_NEAR(da, expected, 0.02 * std::fabs(expected)) << alpha0 << " " << delta0;
            EXPECT_NEAR((delta1950 - delta2000) * 3600, 50 * 20.04 * CosDeg(a), 15)
                << alpha0 << " " << delta0;
        }
    }
}

TEST(StarApparentPlace, AtTheCatalogueEquinoxOnlySmallCorrectionsRemain) {
    // With no precession, nutation (at most about 18" in longitude) and
    // aberration (20.5") move a star by at most about 40" on the sky, through
    // a whole nutation period of epochs. Near the pole the same arc is a large
    // change of right ascension (20.5" / cos 89 degrees is 78 s of time).
    double largestArc = 0;
    double largestPolarSeconds = 0;
    double largestEquatorialSeconds = 0;
    for (int epoch = 2000; epoch <= 2018; ++epoch) {
        const double jd0 = CalendarToJulianDay(1.0, 1, epoch);
        for (double alpha0 = 0; alpha0 < 24; alpha0 += 2) {
            for (double delta0 : {-89.0, -60.0, -30.0, 0.0, 30.0, 60.0, 89.0}) {
                double alpha = 0;
                double delta = 0;
                StarApparentPlace(epoch, alpha0, delta0, jd0, alpha, delta);
                largestArc = MaxOf(largestArc, SeparationArcsec(alpha, delta, alpha0, delta0));
                const double seconds = std::fabs(std::remainder(alpha - alpha0, 24.0)) * 3600;
                if (std::fabs(delta0) == 89.0) {
                    largestPolarSeconds = MaxOf(largestPolarSeconds, seconds);
                } else if (delta0 == 0.0) {
                    largestEquatorialSeconds = MaxOf(largestEquatorialSeconds, seconds);
                }
            }
        }
    }
    EXPECT_LE(largestArc, 40.0);
    EXPECT_GT(largestArc, 25.0);
    EXPECT_GT(largestPolarSeconds, 30.0);
    EXPECT_LT(largestEquatorialSeconds, 3.0);
}

TEST(StarApparentPlace, RightAscensionIsNotBroughtBackIntoADay) {
    // A star just short of 24h comes back just below 0h.
    double alpha = 0;
    double delta = 0;
    StarApparentPlace(2000, 23.999, 10.0, CalendarToJulianDay(1.0, 1, 2000), alpha, delta);
    EXPECT_LT(alpha, 0.0);
    EXPECT_NEAR(alpha + 24, 23.999, 0.003);
}

} // namespace
