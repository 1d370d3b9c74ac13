#include "engine/frames.h"

#include "engine/angles.h"
#include "engine/time.h"

#include <cmath>

namespace {

double CenturiesAt(const CalendarTime& t) {
    return CenturiesSince1900(CalendarToJulianDay(t.day + t.hours * kOneOver24, t.month, t.year));
}

// Newton's rounds for Kepler's equation from a given start; false when they
// do not settle within the bound.
bool KeplerRounds(double M, double e, double E, double& result) {
    constexpr int kMaxNewtonRounds = 64;
    const double eDegrees = RadiansToDegrees(e);
    for (int round = 0; round < kMaxNewtonRounds; ++round) {
        const double delta = (M + eDegrees * SinDeg(E) - E) / (1 - e * CosDeg(E));
        E += delta;
        if (std::fabs(delta) <= 1e-08) {
            result = E;
            return true;
        }
        if (!std::isfinite(E)) {
            return false;
        }
    }
    return false;
}

} // namespace

bool IsPlanet(int body) {
    return body >= kMercury && body <= kPluto;
}

double Obliquity(const CalendarTime& t, bool apparent) {
    const double T = CenturiesAt(t);
    double epsilon = 23.452294 - 0.0130125 * T - 0.00000164 * T * T + 0.000000503 * T * T * T;
    if (apparent) {
        epsilon += 0.00256 * CosDeg(259.18 - 1934.142 * T);
    }
    return epsilon;
}

void Nutation(const CalendarTime& t, double& dpsi, double& deps) {
    const double T = CenturiesAt(t);
    const double L = NormalizeDegrees(279.6967 + 36000.7689 * T + 0.000303 * T * T);
    const double L1 = NormalizeDegrees(270.4342 + 481267.8831 * T - 0.001133 * T * T);
    const double M = NormalizeDegrees(358.4758 + 35999.0498 * T - 0.00015 * T * T);
    const double M1 = NormalizeDegrees(296.1046 + 477198.8491 * T + 0.009192 * T * T);
    const double W = NormalizeDegrees(259.1833 - 1934.142 * T + 0.002078 * T * T);

    dpsi = -(17.2327 + 0.01737 * T) * SinDeg(W) - (1.2729 + 0.00013 * T) * SinDeg(2 * L) +
           0.2088 * SinDeg(2 * W) - 0.2037 * SinDeg(2 * L1) + (0.1261 - 0.00031 * T) * SinDeg(M) +
           0.0675 * SinDeg(M1) - (0.0497 - 0.00012 * T) * SinDeg(2 * L + M) -
           0.0342 * SinDeg(2 * L1 - W) - 0.0261 * SinDeg(2 * L1 + M1) + 0.0214 * SinDeg(2 * L - M) -
           0.0149 * SinDeg(2 * L - 2 * L1 + M1) + 0.0124 * SinDeg(2 * L - W) +
           0.0114 * SinDeg(2 * L1 - M1);

    deps = (9.21 + 0.00091 * T) * CosDeg(W) + (0.5522 - 0.00029 * T) * CosDeg(2 * L) -
           0.0904 * CosDeg(2 * W) + 0.0884 * CosDeg(2 * L1) + 0.0216 * CosDeg(2 * L + M) +
           0.0183 * CosDeg(2 * L1 - W) + 0.0113 * CosDeg(2 * L1 + M1) - 0.0093 * CosDeg(2 * L - M) -
           0.0066 * CosDeg(2 * L - W);
}

void EclipticToEquatorial(const CalendarTime& t, double lambda, double beta, bool apparent,
                          double& alpha, double& delta) {
    const double epsilon = Obliquity(t, apparent);
    alpha = NormalizeDegrees(Atan2Deg(CosDeg(lambda), SinDeg(lambda) * CosDeg(epsilon) -
                                                          TanDeg(beta) * SinDeg(epsilon))) *
            kOneOver15;
    delta = NormalizeDegrees(
        AsinDeg(SinDeg(beta) * CosDeg(epsilon) + CosDeg(beta) * SinDeg(epsilon) * SinDeg(lambda)));
}

void EquatorialToEcliptic(double alpha, double delta, const CalendarTime& t, double& lambda,
                          double& beta) {
    const double epsilon = Obliquity(t, false);
    const double a = 15 * alpha;
    lambda = Atan2Deg(CosDeg(a), SinDeg(a) * CosDeg(epsilon) + TanDeg(delta) * SinDeg(epsilon));
    beta = AsinDeg(SinDeg(delta) * CosDeg(epsilon) - CosDeg(delta) * SinDeg(epsilon) * SinDeg(a));
}

double SignedLatitude(double x) {
    x = NormalizeDegrees(x);
    if (x >= 270) {
        x -= 360;
    }
    if (x > 90) {
        x = 180 - x;
    }
    return x;
}

void EquatorialToHorizontal(const CalendarTime& ut, double alpha, double delta, Location loc,
                            double& azimuth, double& altitude) {
    const double G = GreenwichSiderealTime(ut);
    const double L = LocalSiderealTime(G, loc);
    ClampPoleLatitude(loc);
    const double phi = loc.latitudeHemisphere == kSouth ? -loc.latitude : loc.latitude;
    const double H = (L - alpha) * 15;
    altitude = AsinDeg(SinDeg(delta) * SinDeg(phi) + CosDeg(delta) * CosDeg(phi) * CosDeg(H));
    double c = (SinDeg(delta) - SinDeg(altitude) * SinDeg(phi)) / (CosDeg(altitude) * CosDeg(phi));
    if (std::fabs(c) > 1) {
        c = SignOf(c);
    }
    azimuth = AcosDeg(c);
    if (SinDeg(H) >= 0) {
        azimuth = 360 - azimuth;
    }
}

void ClampPoleLatitude(Location& loc) {
    if (loc.latitude == 90.0) {
        loc.latitude = 89.999;
    }
}

double SolveKepler(double M, double e) {
    double E = 0;
    if (KeplerRounds(M, e, M, E)) {
        return E;
    }
    // The plain start E = M can cycle for very eccentric orbits near
    // perihelion; Newton's method started at E = 180 degrees (of the same
    // revolution) converges for every e < 1.
    const double turns = std::floor(M / 360.0) * 360.0;
    if (KeplerRounds(M, e, turns + 180.0, E)) {
        return E;
    }
    // Bisection on the monotonic Kepler function is the last resort.
    const double eDegrees = RadiansToDegrees(e);
    double lo = M - eDegrees - 1;
    double hi = M + eDegrees + 1;
    for (int round = 0; round < 200 && hi - lo > 1e-10; ++round) {
        const double mid = 0.5 * (lo + hi);
        if (mid - eDegrees * SinDeg(mid) < M) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return 0.5 * (lo + hi);
}
