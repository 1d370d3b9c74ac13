#include "engine/jupiter_moons.h"

#include "engine/angles.h"
#include "engine/time.h"

#include <cmath>

namespace {

constexpr double kLightDaysPerAu = 0.005780346820809248; // 1 / 173

// Apparent place of one moon on its circle of radius r at angle u (degrees)
// from the inferior conjunction, seen from a jovicentric declination De.
MoonOfJupiter PlaceOnCircle(double u, double r, double De) {
    MoonOfJupiter m;
    m.x = -r * SinDeg(u);
    m.y = r * CosDeg(u) * SinDeg(De);
    // The absolute value absorbs rounding when the moon is at elongation.
    m.z = std::sqrt(std::fabs(r * r - m.x * m.x - m.y * m.y));
    if (u >= 90 && u <= 270) {
        m.z = -m.z;
    }
    // Inside the disk as seen and beyond the planet; in transit it stays
    // visible against the disk.
    const bool insideDisk = Distance2D(0, 0, m.x, m.y) < 1.0;
    const bool farSide = u > 90 && u < 270;
    m.visible = (insideDisk && farSide) ? 0 : 1;
    return m;
}

} // namespace

void JupiterMoons(Instant at, MoonOfJupiter records[4]) {
    const double d = at.jdTt - 2415020.0;

    const double V = 134.63 + 0.00111587 * d;
    const double M = NormalizeDegrees(358.476 + 0.9856003 * d);
    const double N = NormalizeDegrees(225.328 + 0.0830853 * d + 0.33 * SinDeg(V));
    const double J = NormalizeDegrees(221.647 + 0.9025179 * d - 0.33 * SinDeg(V));

    const double A = NormalizeDegrees(1.916 * SinDeg(M) + 0.02 * SinDeg(2 * M));
    const double B = NormalizeDegrees(5.552 * SinDeg(N) + 0.167 * SinDeg(2 * N));
    const double K = NormalizeDegrees(J + A - B);

    const double R = 1.00014 - 0.01672 * CosDeg(M) - 0.00014 * CosDeg(2 * M);
    const double r = 5.20867 - 0.25192 * CosDeg(N) - 0.0061 * CosDeg(2 * N);
    const double Delta = std::sqrt(r * r + R * R - 2 * r * R * CosDeg(K));

    const double psi = NormalizeDegrees(AsinDeg(R * SinDeg(K) / Delta));

    const double lambda = NormalizeDegrees(238.05 + 0.083091 * d + 0.33 * SinDeg(V) + B);
    const double De = 3.07 * SinDeg(lambda + 44.5) - 2.15 * SinDeg(psi) * CosDeg(lambda + 24) -
                      1.31 * ((r - Delta) / Delta) * SinDeg(lambda - 99.4);

    // The moons are seen where they were one light-time ago.
    const double t = d - Delta * kLightDaysPerAu;

    const double u1 = NormalizeDegrees(84.5506 + 203.405863 * t + psi - B);
    const double u2 = NormalizeDegrees(41.5015 + 101.2916323 * t + psi - B);
    const double u3 = NormalizeDegrees(109.977 + 50.2345169 * t + psi - B);
    const double u4 = NormalizeDegrees(176.3586 + 21.4879802 * t + psi - B);

    const double G = NormalizeDegrees(187.3 + 50.310674 * t);
    const double H = NormalizeDegrees(311.1 + 21.569229 * t);

    // Each correction is taken from the uncorrected angles (u1..u4 above).
    const double u1c = NormalizeDegrees(u1 + 0.472 * SinDeg(2 * (u1 - u2)));
    const double u2c = NormalizeDegrees(u2 + 1.073 * SinDeg(2 * (u2 - u3)));
    const double u3c = NormalizeDegrees(u3 + 0.174 * SinDeg(G));
    const double u4c = NormalizeDegrees(u4 + 0.845 * SinDeg(H));

    const double r1 = 5.9061 - 0.0244 * CosDeg(2 * (u1 - u2));
    const double r2 = 9.3972 - 0.0889 * CosDeg(2 * (u2 - u3));
    const double r3 = 14.9894 - 0.0277 * CosDeg(G);
    const double r4 = 26.3649 - 0.1944 * CosDeg(H);

    records[0] = PlaceOnCircle(u1c, r1, De);
    records[1] = PlaceOnCircle(u2c, r2, De);
    records[2] = PlaceOnCircle(u3c, r3, De);
    records[3] = PlaceOnCircle(u4c, r4, De);
}
