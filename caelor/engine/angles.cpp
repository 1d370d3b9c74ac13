#include "engine/angles.h"

#include <cmath>

namespace {
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerDegree = 0.017453292519943295;
} // namespace

int32_t MulDivInt(int32_t a, int32_t b, int32_t c) {
    // The product wraps like the 32-bit multiply it models; unsigned
    // arithmetic gives that wrap without undefined behaviour.
    const auto product = static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
    if (c == -1) {
        return static_cast<int32_t>(0u - static_cast<uint32_t>(product));
    }
    return product / c;
}

int RoundHalfUp(double x) {
    return static_cast<int>(x + 0.5);
}

double Square(double x) {
    return x * x;
}

double FractionalPart(double x) {
    return x - std::trunc(x);
}

double Distance2D(double x1, double y1, double x2, double y2) {
    return std::sqrt(Square(x2 - x1) + Square(y2 - y1));
}

double MaxOf(double a, double b) {
    return a >= b ? a : b;
}

double MinOf(double a, double b) {
    return a <= b ? a : b;
}

double SignOf(double x) {
    return x < 0 ? -1.0 : 1.0;
}

double RadiansToDegrees(double x) {
    return x * kDegreesPerRadian;
}

double NormalizeDegrees(double x) {
    if (x < 0) {
        x += (std::trunc(std::fabs(x) * kOneOver360) + 1) * 360;
        if (x == 360) {
            x = 0;
        }
    } else if (x >= 360) {
        x -= std::trunc(x * kOneOver360) * 360;
    }
    // The product with 1/360 can round up to the next whole turn just below
    // a multiple of 360; keep the promised range.
    if (x < 0) {
        x += 360;
    }
    return x;
}

double SinDeg(double x) {
    return std::sin(x * kRadiansPerDegree);
}
double CosDeg(double x) {
    return std::cos(x * kRadiansPerDegree);
}
double TanDeg(double x) {
    return std::tan(x * kRadiansPerDegree);
}
double AtanDeg(double x) {
    return RadiansToDegrees(std::atan(x));
}
double AsinDeg(double x) {
    return RadiansToDegrees(std::asin(x));
}
double AcosDeg(double x) {
    return RadiansToDegrees(std::acos(x));
}
double Atan2Deg(double x, double y) {
    return RadiansToDegrees(std::atan2(y, x));
}

void PolarToRect(double r, double theta, double& x, double& y) {
    x = r * CosDeg(theta);
    y = r * SinDeg(theta);
}

double Interpolate3(double y1, double y2, double y3, double n) {
    const double a = y2 - y1;
    const double b = y3 - y2;
    const double c = b - a;
    return y2 + (n / 2) * (a + b + n * c);
}

double Dot3(const double a[3], const double b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

double AngleBetween(const double a[3], const double b[3]) {
    // Two unit vectors of one direction can give a product a rounding past 1,
    // whose arc cosine is no number at all.
    const double dot = Dot3(a, b);
    return AcosDeg(dot > 1.0 ? 1.0 : (dot < -1.0 ? -1.0 : dot));
}

int IsOdd(int n) {
    return (n % 2 != 0) ? 1 : 0;
}

void SphereUnitVector(double alpha, double delta, double v[3]) {
    const double a = 15 * alpha;
    const double p = delta + 90;
    v[0] = SinDeg(a) * SinDeg(p);
    v[1] = CosDeg(p);
    v[2] = CosDeg(a) * SinDeg(p);
}

void RotateVector(double sa, double ca, double sb, double cb, double v[3]) {
    const double x = v[0];
    const double y = v[1];
    const double z = v[2];
    const double x1 = x * cb + z * sb;
    const double z1 = -sb * x + z * cb;
    v[0] = x1;
    v[1] = y * ca - sa * z1;
    v[2] = z1 * ca + y * sa;
}
