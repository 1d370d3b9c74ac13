// The Binary Star movie's orbits and year clock.

#include "engine/angles.h"
#include "movies/binary_orbit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The companion's place by the Thiele-Innes projection of the true orbit, an
// independent route to theta and rho.
// nearApoastron: the eccentric anomaly lies in 179.5 .. 180.5 degrees, where
// the movie takes the true anomaly as exactly 180.
BinaryPlace ThieleInnes(double t, const BinaryElements& el, bool& nearApoastron) {
    double M = std::fmod(360.0 / el.P * (t - el.T), 360.0);
    if (M < 0) {
        M += 360.0;
    }
    // Bisection: E - e sin E grows monotonically from 0 to 360.
    double lo = 0.0;
    double hi = 360.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (mid - RadiansToDegrees(el.e) * SinDeg(mid) < M ? lo : hi) = mid;
    }
    const double E = 0.5 * (lo + hi);
    nearApoastron = E > 179.5 && E < 180.5;
    const double r = el.a * (1 - el.e * CosDeg(E));
    const double nu =
        2 * RadiansToDegrees(std::atan(std::sqrt((1 + el.e) / (1 - el.e)) * TanDeg(E / 2)));
    const double u = nu + el.omega;
    const double x = r * (CosDeg(u) * CosDeg(el.node) - SinDeg(u) * SinDeg(el.node) * CosDeg(el.i));
    const double y = r * (CosDeg(u) * SinDeg(el.node) + SinDeg(u) * CosDeg(el.node) * CosDeg(el.i));
    return {NormalizeDegrees(RadiansToDegrees(std::atan2(y, x))), std::hypot(x, y)};
}

TEST(BinaryOrbit, AgreesWithTheThieleInnesProjectionForEveryStar) {
    for (int star = 0; star < kBinaryStarRows; ++star) {
        const BinaryElements& el = BinaryStarElements(star);
        for (double t = 1900.0; t < 2100.0; t += 7.3) {
            const BinaryPlace p = BinaryOrbit(t, el);
            bool nearApoastron = false;
            const BinaryPlace q = ThieleInnes(t, el, nearApoastron);
            if (nearApoastron) {
                continue;
            }
            EXPECT_NEAR(p.rho, q.rho, 1e-6 * el.a + 1e-9) << star << " " << t;
            double dTheta = std::fabs(p.theta - q.theta);
            dTheta = std::fmin(dTheta, 360.0 - dTheta);
            if (q.rho > 1e-6) {
                EXPECT_LT(dTheta, 1e-5) << star << " " << t;
            }
        }
    }
}

TEST(BinaryOrbit, SiriusBIn2020) {
    // Published ephemerides of Sirius B for 2020.0: position angle about 68
    // degrees, separation about 11.2 seconds of arc.
    const BinaryPlace p = BinaryOrbit(2020.0, BinaryStarElements(4));
    EXPECT_NEAR(p.theta, 68.0, 4.0);
    EXPECT_NEAR(p.rho, 11.2, 0.5);
}

TEST(BinaryOrbit, AntaresMovesUniformlyAndTakes180AtHalfPeriod) {
    const BinaryElements& antares = BinaryStarElements(9); // e = 0
    // At T + P/2 the eccentric anomaly is 180 degrees: the true anomaly is
    // taken as exactly 180, so u = 180 and rho = a (theta on the node line).
    const BinaryPlace p = BinaryOrbit(antares.T + antares.P / 2, antares);
    EXPECT_NEAR(p.rho, antares.a, 1e-9);
    EXPECT_NEAR(p.theta, NormalizeDegrees(antares.node + 180.0), 1e-9);
}

TEST(YearStep, SticksAtTheEndsOfTheRange) {
    EXPECT_EQ(YearStep(2000, 64), 2064);
    EXPECT_EQ(YearStep(31990, 64), 32000);
    EXPECT_EQ(YearStep(32000, 64), 32000);
    EXPECT_EQ(YearStep(32000, -64), 31936);
    EXPECT_EQ(YearStep(-3990, -64), -4000);
    EXPECT_EQ(YearStep(-4000, -1), -4000);
    EXPECT_EQ(YearStep(-3999, -1), -4000); // -4000 itself is outside
    EXPECT_EQ(YearStep(31999, 1), 32000);
}

} // namespace
