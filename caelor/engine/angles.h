// Angle, rounding and small vector helpers used throughout the engine.
// Angles are degrees unless said otherwise. Every conversion of a double to
// an integer truncates toward zero.
#pragma once

#include <cstdint>

// Reciprocals the engine multiplies by, written out once: x * kOneOver24 and
// x / 24 can differ in the last bit, and every module must round alike.
constexpr double kOneOver15 = 0.06666666666666667;     // hours per degree of hour angle
constexpr double kOneOver24 = 0.041666666666666664;    // days per hour
constexpr double kOneOver60 = 0.016666666666666666;    // hours per minute, degrees per arcminute
constexpr double kOneOver360 = 0.002777777777777778;   // turns per degree
constexpr double kOneOver3600 = 0.0002777777777777778; // hours per second, degrees per arcsecond

// (a * b) / c in 32-bit signed integers: the product wraps at 32 bits and the
// quotient truncates toward zero. c must not be 0.
int32_t MulDivInt(int32_t a, int32_t b, int32_t c);

// Integer part, truncated toward zero, of x + 0.5 (so -1.7 gives -1).
int RoundHalfUp(double x);

double Square(double x);

// x minus its integer part truncated toward zero; keeps the sign of x.
double FractionalPart(double x);

double Distance2D(double x1, double y1, double x2, double y2);
double MaxOf(double a, double b);
double MinOf(double a, double b);

// -1 for x < 0, otherwise +1 (zero gives +1).
double SignOf(double x);

double RadiansToDegrees(double x);

// x brought into [0, 360).
double NormalizeDegrees(double x);

double SinDeg(double x);
double CosDeg(double x);
double TanDeg(double x);
double AtanDeg(double x);
double AsinDeg(double x);
double AcosDeg(double x);

// The angle in (-180, 180] of the point with abscissa x and ordinate y, that
// is atan2(y, x). Note the order: the abscissa comes first.
double Atan2Deg(double x, double y);

// x = r cos theta, y = r sin theta; theta in degrees.
void PolarToRect(double r, double theta, double& x, double& y);

// Three-point interpolation about the middle value: n = -1, 0, 1 give y1, y2,
// y3. Result y2 + (n/2)(a + b + n c), a = y2 - y1, b = y3 - y2, c = b - a.
double Interpolate3(double y1, double y2, double y3, double n);

double Dot3(const double a[3], const double b[3]);

// Angle between two unit vectors, degrees.
double AngleBetween(const double a[3], const double b[3]);

// 1 if n is odd, 0 if even (negative n by its magnitude).
int IsOdd(int n);

// Unit vector of a sky position in the planetarium frame (alpha in hours,
// delta in degrees): the y axis points to the south celestial pole, z toward
// right ascension 0.
void SphereUnitVector(double alpha, double delta, double v[3]);

// Rotates v in place about two axes given by their sines and cosines: first
// about y by angle b, then about x by angle a.
void RotateVector(double sa, double ca, double sb, double cb, double v[3]);
