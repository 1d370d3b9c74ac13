// Angle, rounding and vector helpers.

#include "engine/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <climits>

namespace {

// Every double-to-integer step of the engine cuts toward zero, never down:
// FractionalPart keeps the sign of x, so x - FractionalPart(x) is the integer
// part, and the one cast in RoundHalfUp cuts the same way.
TEST(Rounding, TruncatesTowardZero) {
    EXPECT_DOUBLE_EQ(2.7 - FractionalPart(2.7), 2.0);
    EXPECT_DOUBLE_EQ(-2.7 - FractionalPart(-2.7), -2.0); // floor would give -3
    EXPECT_NEAR(FractionalPart(2.7), 0.7, 1e-15);
    EXPECT_NEAR(FractionalPart(-2.7), -0.7, 1e-15); // floor would leave +0.3
    EXPECT_DOUBLE_EQ(FractionalPart(-3.0), 0.0);
    // Below zero x + 0.5 is cut toward zero, so the result is not the
    // nearest integer: -2.2 gives -2 and -1.2 gives -1, where rounding
    // down would give -3 and -2.
    EXPECT_EQ(RoundHalfUp(-2.7), -2);
    EXPECT_EQ(RoundHalfUp(-1.7), -1);
    EXPECT_EQ(RoundHalfUp(-0.6), 0);
}

TEST(Rounding, RoundsHalfUp) {
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(2.49), 2);
    EXPECT_EQ(RoundHalfUp(2.7), 3);
    EXPECT_EQ(RoundHalfUp(0.0), 0);
    EXPECT_EQ(RoundHalfUp(-0.5), 0);
    EXPECT_EQ(RoundHalfUp(-2.5), -2);
}

TEST(Rounding, ParityAndSignCountNegativesByMagnitude) {
    EXPECT_EQ(IsOdd(3), 1);
    EXPECT_EQ(IsOdd(-3), 1);
    EXPECT_EQ(IsOdd(-4), 0);
    EXPECT_EQ(IsOdd(0), 0);
    EXPECT_DOUBLE_EQ(SignOf(0.0), 1.0);
    EXPECT_DOUBLE_EQ(SignOf(-1e-300), -1.0);
}

TEST(Rounding, MulDivWrapsAt32Bits) {
    EXPECT_EQ(MulDivInt(1000, 750, 500), 1500);
    EXPECT_EQ(MulDivInt(-7, 1, 2), -3);
    EXPECT_EQ(MulDivInt(7, -1, 2), -3);
    EXPECT_EQ(MulDivInt(65536, 65536, 1), 0);       // 2^32 wraps to 0
    EXPECT_EQ(MulDivInt(65536, 32768, 1), INT_MIN); // 2^31 wraps negative
    EXPECT_EQ(MulDivInt(INT_MIN, 1, -1), INT_MIN);  // no trap on the one overflow
}

TEST(Angles, NormalizeDegreesStaysInRange) {
    EXPECT_DOUBLE_EQ(NormalizeDegrees(-360), 0);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(720), 0);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(-0.5), 359.5);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(359.5), 359.5);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(360), 0);
    EXPECT_NEAR(NormalizeDegrees(481267.8831 * 3), std::fmod(481267.8831 * 3, 360), 1e-8);
    EXPECT_NEAR(NormalizeDegrees(-1000.25), 80 - 0.25, 1e-9);
    // Just below a whole number of turns the product with 1/360 rounds up.
    for (double x : {720 - 1e-13, 1080 - 1e-12, -1e-15, 360 * 1000.0 - 1e-10}) {
        const double n = NormalizeDegrees(x);
        EXPECT_GE(n, 0) << x;
        EXPECT_LT(n, 360) << x;
    }
}

TEST(Angles, TrigonometryInDegrees) {
    EXPECT_NEAR(SinDeg(30), 0.5, 1e-15);
    EXPECT_NEAR(CosDeg(60), 0.5, 1e-15);
    EXPECT_NEAR(TanDeg(45), 1.0, 1e-15);
    EXPECT_NEAR(AtanDeg(1), 45, 1e-13);
    EXPECT_NEAR(AsinDeg(0.5), 30, 1e-13);
    EXPECT_NEAR(AcosDeg(0.5), 60, 1e-13);
    EXPECT_DOUBLE_EQ(Atan2Deg(0, 1), 90); // the abscissa comes first
    EXPECT_DOUBLE_EQ(Atan2Deg(1, 0), 0);
    EXPECT_DOUBLE_EQ(Atan2Deg(-1, 0), 180);
    EXPECT_DOUBLE_EQ(Atan2Deg(0, -1), -90);
    EXPECT_DOUBLE_EQ(RadiansToDegrees(M_PI), 180);
}

TEST(Angles, PolarAndDistance) {
    double x = 0;
    double y = 0;
    PolarToRect(2, 90, x, y);
    EXPECT_NEAR(x, 0, 1e-15);
    EXPECT_NEAR(y, 2, 1e-15);
    EXPECT_DOUBLE_EQ(Distance2D(1, 1, 4, 5), 5);
    EXPECT_DOUBLE_EQ(MaxOf(2, 3), 3);
    EXPECT_DOUBLE_EQ(MinOf(2, 3), 2);
}

TEST(Interpolation, ExactForQuadratics) {
    // y = x^2 sampled at x = 1, 2, 3.
    EXPECT_DOUBLE_EQ(Interpolate3(1, 4, 9, 0), 4);
    EXPECT_DOUBLE_EQ(Interpolate3(1, 4, 9, -1), 1);
    EXPECT_DOUBLE_EQ(Interpolate3(1, 4, 9, 1), 9);
    EXPECT_DOUBLE_EQ(Interpolate3(1, 4, 9, 0.5), 6.25);
    // AA 3.a: the Moon's distance interpolated at n = 0.18125... gives the
    // published value within the rounding of the table.
    EXPECT_NEAR(Interpolate3(0.884226, 0.877366, 0.870531, 4.35 / 24), 0.876125, 1e-6);
}

TEST(Vectors, SphereUnitVectorFrame) {
    double v[3];
    SphereUnitVector(0, 0, v); // RA 0 on the equator: +z
    EXPECT_NEAR(v[0], 0, 1e-15);
    EXPECT_NEAR(v[1], 0, 1e-15);
    EXPECT_NEAR(v[2], 1, 1e-15);
    SphereUnitVector(6, 0, v); // RA 6h: +x
    EXPECT_NEAR(v[0], 1, 1e-15);
    SphereUnitVector(3, -90, v); // south celestial pole: +y
    EXPECT_NEAR(v[1], 1, 1e-15);
    SphereUnitVector(7.3, 38.0, v);
    EXPECT_NEAR(v[1], -SinDeg(38.0), 1e-15);
    EXPECT_NEAR(Dot3(v, v), 1, 1e-15);
}

TEST(Vectors, RotationKeepsLengthAndAngles) {
    double a[3];
    double b[3];
    SphereUnitVector(2.0, 10.0, a);
    SphereUnitVector(5.5, -40.0, b);
    const double before = AngleBetween(a, b);
    const double sa = SinDeg(23), ca = CosDeg(23), sb = SinDeg(-71), cb = CosDeg(-71);
    RotateVector(sa, ca, sb, cb, a);
    RotateVector(sa, ca, sb, cb, b);
    EXPECT_NEAR(Dot3(a, a), 1, 1e-14);
    EXPECT_NEAR(AngleBetween(a, b), before, 1e-10);

    // First about y by b: +z goes to +x for b = 90 degrees; then about x by a.
    double z[3] = {0, 0, 1};
    RotateVector(0, 1, 1, 0, z);
    EXPECT_NEAR(z[0], 1, 1e-15);
    EXPECT_NEAR(z[2], 0, 1e-15);
    double y[3] = {0, 1, 0};
    RotateVector(1, 0, 0, 1, y); // about x by 90 degrees: +y goes to +z
    EXPECT_NEAR(y[1], 0, 1e-15);
    EXPECT_NEAR(y[2], 1, 1e-15);
}

} // namespace
