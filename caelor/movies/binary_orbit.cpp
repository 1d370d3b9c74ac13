#include "movies/binary_orbit.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "resources/string_ids.h"

#include <cmath>

namespace {

// The name, then grouped as published for each pair: P, T, omega, e, a, i,
// node.
constexpr BinaryElements kBinaryStars[kBinaryStarRows] = {
    {IDS_BINARY_STAR_NAME_FIRST + 0, 41.623, 1934.008, 219.907, 0.2763, 0.907, 59.025, 23.717},
    {IDS_BINARY_STAR_NAME_FIRST + 1, 171.37, 1836.433, 252.88, 0.8808, 3.746, 146.05, 31.78},
    {IDS_BINARY_STAR_NAME_FIRST + 2, 480.0, 1889.6, 268.59, 0.497, 11.9939, 34.76, 278.42},
    {IDS_BINARY_STAR_NAME_FIRST + 3, 1508.6, 2070.6, 47.3, 0.07, 2.728, 72.0, 155.5},
    {IDS_BINARY_STAR_NAME_FIRST + 4, 50.09, 1894.13, 147.27, 0.5923, 7.5, 136.53, 44.57},
    {IDS_BINARY_STAR_NAME_FIRST + 5, 1200.0, 1437.0, 57.19, 0.11, 6.9753, 63.28, 18.38},
    {IDS_BINARY_STAR_NAME_FIRST + 6, 420.07, 1965.3, 261.43, 0.33, 6.295, 115.94, 40.47},
    {IDS_BINARY_STAR_NAME_FIRST + 7, 40.65, 1927.6, 269.8, 0.4, 4.548, 35.7, 284.3},
    {IDS_BINARY_STAR_NAME_FIRST + 8, 79.92, 1955.56, 231.56, 0.516, 17.583, 79.24, 204.868},
    {IDS_BINARY_STAR_NAME_FIRST + 9, 900.0, 1889.0, 0.0, 0.0, 3.21, 86.3, 273.0},
};

} // namespace

const BinaryElements& BinaryStarElements(int index) {
    if (index < 0 || index >= kBinaryStarRows) {
        index = 0;
    }
    return kBinaryStars[index];
}

BinaryPlace BinaryOrbit(double t, const BinaryElements& el) {
    const double M = NormalizeDegrees(360.0 / el.P * (t - el.T));
    const double E = SolveKepler(M, el.e);
    const double r = el.a * (1.0 - el.e * CosDeg(E));
    double nu;
    if (E > 179.5 && E < 180.5) {
        nu = 180.0;
    } else {
        nu = 2.0 * AtanDeg(std::sqrt((1.0 + el.e) / (1.0 - el.e)) * TanDeg(E / 2.0));
    }
    const double u = nu + el.omega;
    // The abscissa is cos u: atan2(sin u cos i, cos u) is the position angle
    // of the projected radius from the node.
    const double theta = NormalizeDegrees(Atan2Deg(CosDeg(u), SinDeg(u) * CosDeg(el.i)) + el.node);
    const double rho = r * CosDeg(u) / CosDeg(theta - el.node);
    return {theta, rho};
}

int YearStep(int year, int speed) {
    const long s = static_cast<long>(year) + speed;
    if (s > -4000 && s < 32000) {
        return static_cast<int>(s);
    }
    return year < 1 ? -4000 : 32000;
}
