#include "engine/moon.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/sun.h"
#include "engine/time.h"

#include <cmath>

namespace {

constexpr double kOneOverLunationsPerCentury = 0.0008085054776246109; // 1 / 1236.85
constexpr double kEarthEquatorialRadiusKm = 6378.14;

// One periodic term: the multipliers of D, M, M' and F in the argument, the
// coefficient in degrees, and the power of the eccentricity factor E that
// the terms containing the Sun's anomaly carry.
struct MoonTerm {
    int D;
    int M;
    int Mp;
    int F;
    double coefficient;
    int ePower;
};

// The rows are kept in the order of the lunar theory's tables and summed in
// that order; the trailing comment is the row number there.

// Longitude, sine terms, degrees.
constexpr MoonTerm kLongitudeTerms[] = {
    {0, 0, 1, 0, 6.28875, 0},    // 1
    {2, 0, -1, 0, 1.274018, 0},  // 2
    {2, 0, 0, 0, 0.658309, 0},   // 3
    {0, 0, 2, 0, 0.213616, 0},   // 4
    {0, 1, 0, 0, -0.185596, 1},  // 5
    {0, 0, 0, 2, -0.114336, 0},  // 6
    {2, 0, -2, 0, 0.058793, 0},  // 7
    {2, -1, -1, 0, 0.057212, 1}, // 8
    {2, 0, 1, 0, 0.05332, 0},    // 9
    {2, -1, 0, 0, 0.045874, 1},  // 10
    {0, -1, 1, 0, 0.041024, 1},  // 11
    {1, 0, 0, 0, -0.034718, 0},  // 12
    {0, 1, 1, 0, -0.030465, 1},  // 13
    {2, 0, 0, -2, 0.015326, 0},  // 14
    {0, 0, 1, 2, -0.012528, 0},  // 15
    {0, 0, -1, 2, -0.01098, 0},  // 16
    {4, 0, -1, 0, 0.010674, 0},  // 17
    {0, 0, 3, 0, 0.010034, 0},   // 18
    {4, 0, -2, 0, 0.008548, 0},  // 19
    {2, 1, -1, 0, -0.00791, 1},  // 20
    {2, 1, 0, 0, -0.006783, 1},  // 21
    {-1, 0, 1, 0, 0.005162, 0},  // 22
    {1, 1, 0, 0, 0.005, 1},      // 23
    {2, -1, 1, 0, 0.004049, 1},  // 24
    {2, 0, 2, 0, 0.003996, 0},   // 25
    {4, 0, 0, 0, 0.003862, 0},   // 26
    {2, 0, -3, 0, 0.003665, 0},  // 27
    {0, -1, 2, 0, 0.002695, 1},  // 28
    {-2, 0, 1, -2, 0.002602, 0}, // 29
    {2, -1, -2, 0, 0.002396, 1}, // 30
    {1, 0, 1, 0, -0.002349, 0},  // 31
    {2, -2, 0, 0, 0.002249, 2},  // 32
    {0, 1, 2, 0, -0.002125, 1},  // 33
    {0, 2, 0, 0, -0.002079, 2},  // 34
    {2, -2, -1, 0, 0.002059, 2}, // 35
    {2, 0, 1, -2, -0.001773, 0}, // 36
    {2, 0, 0, 2, -0.001595, 0},  // 37
    {4, -1, -1, 0, 0.00122, 1},  // 38
    {0, 0, 2, 2, -0.00111, 0},   // 39
    {-3, 0, 1, 0, 0.000892, 0},  // 40
    {2, 1, 1, 0, -0.000811, 1},  // 41
    {4, -1, -2, 0, 0.000761, 1}, // 42
    {0, -2, 1, 0, 0.000717, 2},  // 43
    {-2, -2, 1, 0, 0.000704, 2}, // 44
    {2, 1, -2, 0, 0.000693, 1},  // 45
    {2, -1, 0, -2, 0.000598, 1}, // 46
    {4, 0, 1, 0, 0.00055, 0},    // 47
    {0, 0, 4, 0, 0.000538, 0},   // 48
    {4, -1, 0, 0, 0.000521, 1},  // 49
    {-1, 0, 2, 0, 0.000486, 0},  // 50
};

// Latitude, sine terms, degrees.
constexpr MoonTerm kLatitudeTerms[] = {
    {0, 0, 0, 1, 5.128189, 0},    // 1
    {0, 0, 1, 1, 0.280606, 0},    // 2
    {0, 0, 1, -1, 0.277693, 0},   // 3
    {2, 0, 0, -1, 0.173238, 0},   // 4
    {2, 0, -1, 1, 0.055413, 0},   // 5
    {2, 0, -1, -1, 0.046272, 0},  // 6
    {2, 0, 0, 1, 0.032573, 0},    // 7
    {0, 0, 2, 1, 0.017198, 0},    // 8
    {2, 0, 1, -1, 0.009267, 0},   // 9
    {0, 0, 2, -1, 0.008823, 0},   // 10
    {2, -1, 0, -1, 0.008247, 1},  // 11
    {2, 0, -2, -1, 0.004323, 0},  // 12
    {2, 0, 1, 1, 0.0042, 0},      // 13
    {-2, -1, 0, 1, 0.003372, 1},  // 14
    {2, -1, -1, 1, 0.002472, 1},  // 15
    {2, -1, 0, 1, 0.002222, 1},   // 16
    {2, -1, -1, -1, 0.002072, 1}, // 17
    {0, -1, 1, 1, 0.001877, 1},   // 18
    {4, 0, -1, -1, 0.001828, 0},  // 19
    {0, 1, 0, 1, -0.001803, 1},   // 20
    {0, 0, 0, 3, -0.00175, 0},    // 21
    {0, -1, 1, -1, 0.00157, 1},   // 22
    {1, 0, 0, 1, -0.001487, 0},   // 23
    {0, 1, 1, 1, -0.001481, 1},   // 24
    {0, -1, -1, 1, 0.001417, 1},  // 25
    {0, -1, 0, 1, 0.00135, 1},    // 26
    {-1, 0, 0, 1, 0.00133, 0},    // 27
    {0, 0, 3, 1, 0.001106, 0},    // 28
    {4, 0, 0, -1, 0.00102, 0},    // 29
    {4, 0, -1, 1, 0.000833, 0},   // 30
    {0, 0, 1, -3, 0.000781, 0},   // 31
    {4, 0, -2, 1, 0.00067, 0},    // 32
    {2, 0, 0, -3, 0.000606, 0},   // 33
    {2, 0, 2, -1, 0.000597, 0},   // 34
    {2, -1, 1, -1, 0.000492, 1},  // 35
    {-2, 0, 2, -1, 0.00045, 0},   // 36
    {0, 0, 3, -1, 0.000439, 0},   // 37
    {2, 0, 2, 1, 0.000423, 0},    // 38
    {2, 0, -3, -1, 0.000422, 0},  // 39
    {2, 1, -1, 1, -0.000367, 1},  // 40
    {2, 1, 0, 1, -0.000353, 1},   // 41
    {4, 0, 0, 1, 0.000331, 0},    // 42
    {2, -1, 1, 1, 0.000317, 1},   // 43
    {2, -2, 0, -1, 0.000306, 2},  // 44
    {0, 0, 1, 3, -0.000283, 0},   // 45
};

// Equatorial horizontal parallax, cosine terms, degrees.
constexpr MoonTerm kParallaxTerms[] = {
    {0, 0, 1, 0, 0.051818, 0},   // 1
    {2, 0, -1, 0, 0.009531, 0},  // 2
    {2, 0, 0, 0, 0.007843, 0},   // 3
    {0, 0, 2, 0, 0.002824, 0},   // 4
    {2, 0, 1, 0, 0.000857, 0},   // 5
    {2, -1, 0, 0, 0.000533, 1},  // 6
    {2, -1, -1, 0, 0.000401, 1}, // 7
    {0, -1, 1, 0, 0.00032, 1},   // 8
    {1, 0, 0, 0, -0.000271, 0},  // 9
    {0, 1, 1, 0, -0.000264, 1},  // 10
    {0, 0, -1, 2, -0.000198, 0}, // 11
    {0, 0, 3, 0, 0.000173, 0},   // 12
    {4, 0, -1, 0, 0.000167, 0},  // 13
    {0, 1, 0, 0, -0.000111, 1},  // 14
    {4, 0, -2, 0, 0.000103, 0},  // 15
    {-2, 0, 2, 0, -0.000084, 0}, // 16
    {2, 1, 0, 0, -0.000083, 1},  // 17
    {2, 0, 2, 0, 0.000079, 0},   // 18
    {4, 0, 0, 0, 0.000072, 0},   // 19
    {2, -1, 1, 0, 0.000064, 1},  // 20
    {2, 1, -1, 0, -0.000063, 1}, // 21
    {1, 1, 0, 0, 0.000041, 1},   // 22
    {0, -1, 2, 0, 0.000035, 1},  // 23
    {-2, 0, 3, 0, -0.000033, 0}, // 24
    {1, 0, 1, 0, -0.00003, 0},   // 25
    {-2, 0, 0, 2, -0.000029, 0}, // 26
    {0, 1, 2, 0, -0.000029, 1},  // 27
    {2, -2, 0, 0, 0.000026, 2},  // 28
    {-2, 0, 1, 2, -0.000023, 0}, // 29
    {4, -1, -1, 0, 0.000019, 1}, // 30
};

static_assert(sizeof kLongitudeTerms / sizeof kLongitudeTerms[0] == 50, "50 longitude terms");
static_assert(sizeof kLatitudeTerms / sizeof kLatitudeTerms[0] == 45, "45 latitude terms");
static_assert(sizeof kParallaxTerms / sizeof kParallaxTerms[0] == 30, "30 parallax terms");

// Sum of coefficient * E^power * f(argument) over a table, in table order.
template <typename Trig, int N>
double SumTerms(const MoonTerm (&terms)[N], const double ePow[3], double D, double M, double Mp,
                double F, Trig trig) {
    double sum = 0;
    for (const MoonTerm& t : terms) {
        const double argument = t.D * D + t.M * M + t.Mp * Mp + t.F * F;
        sum += t.coefficient * ePow[t.ePower] * trig(argument);
    }
    return sum;
}

} // namespace

MoonPlace MoonPosition(const CalendarTime& ut) {
    const double jde = CalendarToJulianDay(ut.day + ut.hours * kOneOver24, ut.month, ut.year) +
                       DeltaTHours(ut.year) * kOneOver24;
    const double T = CenturiesSince1900(jde);
    const double T2 = T * T;
    const double T3 = T2 * T;

    double Lp = NormalizeDegrees(270.434164 + 481267.8831 * T - 0.001133 * T2 + 0.0000019 * T3);
    double M = NormalizeDegrees(358.475833 + 35999.0498 * T - 0.00015 * T2 - 0.0000033 * T3);
    double Mp = NormalizeDegrees(296.104608 + 477198.8491 * T + 0.009192 * T2 + 0.0000144 * T3);
    double D = NormalizeDegrees(350.737486 + 445267.1142 * T - 0.001436 * T2 + 0.0000019 * T3);
    double F = NormalizeDegrees(11.250889 + 483202.0251 * T - 0.003211 * T2 - 0.0000003 * T3);
    // The node is only ever used through its sine and cosine.
    const double Omega = 259.183275 - 1934.142 * T + 0.002078 * T2 + 0.0000022 * T3;

    // Long-period corrections to the mean arguments. The sums may step just
    // outside [0, 360); they only enter sines and cosines.
    const double sinA = SinDeg(51.2 + 20.2 * T);
    Lp += 0.000233 * sinA;
    M += -0.001778 * sinA;
    Mp += 0.000817 * sinA;
    D += 0.002011 * sinA;

    const double bTerm = 0.003964 * SinDeg(346.56 + 132.87 * T - 0.0091731 * T2);
    Lp += bTerm;
    Mp += bTerm;
    D += bTerm;
    F += bTerm;

    const double sinOmega = SinDeg(Omega);
    Lp += 0.001964 * sinOmega;
    Mp += 0.002541 * sinOmega;
    D += 0.001964 * sinOmega;
    F += -0.024691 * sinOmega;

    const double c = Omega + 275.05 - 2.3 * T;
    F += -0.004328 * SinDeg(c);

    const double E = 1 - 0.002495 * T - 0.00000752 * T2;
    const double ePow[3] = {1.0, E, E * E};

    const double lambda = Lp + SumTerms(kLongitudeTerms, ePow, D, M, Mp, F, SinDeg);

    const double B = SumTerms(kLatitudeTerms, ePow, D, M, Mp, F, SinDeg);
    const double beta = B * (1 - 0.0004664 * CosDeg(Omega) - 0.0000754 * CosDeg(c));

    const double parallax = 0.950724 + SumTerms(kParallaxTerms, ePow, D, M, Mp, F, CosDeg);
    const double semidiameter = 0.272476 * parallax;

    // The phase angle from the elongation, with the Sun at the same UT
    // instant; AcosDeg cannot tell waxing from waning, and k does not need to.
    const double lambda0 = SunPosition(ut, true).lambda;
    const double psi = AcosDeg(CosDeg(lambda - lambda0) * CosDeg(beta));
    const double q = (1 - 0.0549 * SinDeg(Mp)) / (1 - 0.0167 * SinDeg(M));
    const double i = 180 - psi - 0.1468 * q * SinDeg(psi);
    const double k = (1 + CosDeg(i)) / 2;

    const double u = 0.0059 + 0.0046 * CosDeg(M) - 0.0182 * CosDeg(Mp) + 0.0004 * CosDeg(2 * Mp) -
                     0.0005 * CosDeg(M + Mp);

    double alpha = 0;
    double delta = 0;
    EclipticToEquatorial(ut, lambda, beta, true, alpha, delta);
    return {lambda, beta, parallax, semidiameter, k, u, alpha, delta};
}

double MoonDistanceKm(const CalendarTime& ut) {
    return kEarthEquatorialRadiusKm / SinDeg(MoonPosition(ut).parallax);
}

void MoonPhase(double year, int phase, double& F, double& M, double& M1, double& T,
               double& meanInstant, double& trueInstant) {
    // Truncating (not flooring) the lunation number is what callers rely on:
    // the phase found is the one of the lunation the year fraction falls in,
    // counted toward 1900.
    const double k = std::trunc((year - 1900.0) * 12.3685) + 0.25 * phase;
    T = k * kOneOverLunationsPerCentury;
    const double T2 = T * T;
    const double T3 = T2 * T;

    meanInstant = 2415020.75933 + 29.53058868 * k + 0.0001178 * T2 - 0.000000155 * T3 +
                  0.00033 * SinDeg(166.56 + 132.87 * T - 0.009173 * T2);

    M = NormalizeDegrees(359.2242 + 29.10535608 * k - 0.0000333 * T2 - 0.00000347 * T3);
    M1 = NormalizeDegrees(306.0253 + 385.81691806 * k + 0.0107306 * T2 + 0.00001236 * T3);
    F = NormalizeDegrees(21.2964 + 390.67050646 * k - 0.0016528 * T2 - 0.00000239 * T3);

    double t = meanInstant;
    if (phase == kNewMoon || phase == kFullMoon) {
        t += (0.1734 - 0.000393 * T) * SinDeg(M);
        t += 0.0021 * SinDeg(2 * M);
        t += -0.4068 * SinDeg(M1);
        t += 0.0161 * SinDeg(2 * M1);
        t += -0.0004 * SinDeg(3 * M1);
        t += 0.0104 * SinDeg(2 * F);
        t += -0.0051 * SinDeg(M + M1);
        t += -0.0074 * SinDeg(M - M1);
        t += 0.0004 * SinDeg(2 * F + M);
        t += -0.0004 * SinDeg(2 * F - M);
        t += -0.0006 * SinDeg(2 * F + M1);
        t += 0.001 * SinDeg(2 * F - M1);
        t += 0.0005 * SinDeg(M + 2 * M1);
    } else {
        t += (0.1721 - 0.0004 * T) * SinDeg(M);
        t += 0.0021 * SinDeg(2 * M);
        t += -0.628 * SinDeg(M1);
        t += 0.0089 * SinDeg(2 * M1);
        t += -0.0004 * SinDeg(3 * M1);
        t += 0.0079 * SinDeg(2 * F);
        t += -0.0119 * SinDeg(M + M1);
        t += -0.0047 * SinDeg(M - M1);
        t += 0.0003 * SinDeg(2 * F + M);
        t += -0.0004 * SinDeg(2 * F - M);
        t += -0.0006 * SinDeg(2 * F + M1);
        t += 0.0021 * SinDeg(2 * F - M1);
        t += 0.0003 * SinDeg(M + 2 * M1);
        t += 0.0004 * SinDeg(M - 2 * M1);
        t += -0.0003 * SinDeg(2 * M + M1);
        if (phase == kFirstQuarter) {
            t += 0.0028 - 0.0004 * CosDeg(M) + 0.0003 * CosDeg(M1);
        } else {
            t += -0.0028 + 0.0004 * CosDeg(M) - 0.0003 * CosDeg(M1);
        }
    }
    trueInstant = t;
}
