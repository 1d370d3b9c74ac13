#include "engine/sun.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/time.h"

#include <cmath>

namespace {

// SunPosition's one-entry cache (see sun.h): the last moment asked for and
// its place.
struct SunCache {
    bool valid;
    CalendarTime ut;
    bool apparent;
    SunPlace place;
};

SunCache g_cache;
long g_evaluations;

} // namespace

SunPlace SunPosition(const CalendarTime& ut, bool apparent) {
    SunCache& c = g_cache;
    if (c.valid && c.ut.hours == ut.hours && c.ut.day == ut.day && c.ut.month == ut.month &&
        c.ut.year == ut.year && c.apparent == apparent) {
        return c.place;
    }
    ++g_evaluations;

    const double jde = CalendarToJulianDay(ut.day + ut.hours * kOneOver24, ut.month, ut.year) +
                       DeltaTHours(ut.year) * kOneOver24;
    const double T = CenturiesSince1900(jde);
    const double T2 = T * T;

    const CalendarTime et = SplitJulianDay(jde);

    const double L = NormalizeDegrees(279.69668 + 36000.76892 * T + 0.0003025 * T2);
    const double M = NormalizeDegrees(358.47583 + (35999.04975 - 0.0000033 * T) * T - 0.00015 * T2);
    const double e = 0.01675104 - 0.0000418 * T - 0.000000126 * T2;

    const double E = NormalizeDegrees(SolveKepler(M, e));
    const double nu = NormalizeDegrees(2 * AtanDeg(std::sqrt((1 + e) / (1 - e)) * TanDeg(E / 2)));
    double lambda = (nu - M) + L;
    double R = (1 - e * CosDeg(E)) * 1.0000002;

    const double A = 153.23 + 22518.7541 * T;
    const double B = 216.57 + 45037.5082 * T;
    const double C = 312.69 + 32964.3577 * T;
    const double D = 350.74 + 445267.1142 * T - 0.00144 * T2;
    const double E1 = 231.19 + 20.2 * T;
    const double H = 353.4 + 65928.7155 * T;
    lambda = lambda + 0.00134 * CosDeg(A) + 0.00154 * CosDeg(B);
    lambda = lambda + 0.002 * CosDeg(C) + 0.00179 * SinDeg(D);
    lambda = lambda + 0.00178 * SinDeg(E1);
    lambda = NormalizeDegrees(lambda);

    if (apparent) {
        lambda = lambda - 0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * T);
    }
    double alpha = 0;
    double delta = 0;
    EclipticToEquatorial(et, lambda, 0.0, apparent, alpha, delta);

    R = R + 0.00000543 * SinDeg(A) + 0.00001575 * SinDeg(B);
    R = R + 0.00001627 * SinDeg(C) + 0.00003076 * CosDeg(D);
    R = R + 0.00000927 * SinDeg(H);
    const double semidiameter = 0.2665638888888889 / R;

    const SunPlace place{alpha, delta, lambda, R, semidiameter, M};
    c = SunCache{true, ut, apparent, place};
    return place;
}

long SunPositionEvaluations() {
    return g_evaluations;
}

void SunCacheInvalidate() {
    g_cache.valid = false;
}

void Seasons(int year, double jdUt[4]) {
    for (int k = 0; k < 4; ++k) {
        double jd = (year + 0.25 * k) * 365.2422 + 1721141.3;
        const double target = 90.0 * k;
        // The correction shrinks by two orders of magnitude each round; the
        // bound only guards against a non-finite input.
        for (int round = 0; round < 100; ++round) {
            const SunPlace sun = SunPosition(SplitJulianDay(jd), true);
            const double c = 58 * SinDeg(target - sun.lambda);
            jd += c;
            if (std::fabs(c) <= 0.001) {
                break;
            }
        }
        jdUt[k] = jd;
    }
}

double EquationOfTime(int day, int month, int year) {
    const SunPlace sun = SunPosition({year, month, day, 12.0}, true);
    const double G = NormalizeDegrees(sun.alpha * 15) * kOneOver15;
    return 12.0 - UniversalTimeFromSidereal(G, day, month, year);
}
