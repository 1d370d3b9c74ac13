#include "engine/stars.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/planets.h"
#include "engine/sun.h"
#include "engine/time.h"

namespace {

// Newcomb's angles run in tropical centuries of 36524.2199 days, counted
// from the start of 1900 (JD 2415020.313).
constexpr double kOneOverTropicalCentury = 2.7379092633269358e-05;

} // namespace

void PrecessionAngles(double jd0, double jd, double& zeta, double& z, double& theta) {
    const double T0 = (jd0 - 2415020.313) * kOneOverTropicalCentury;
    const double t = (jd - jd0) * kOneOverTropicalCentury;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double zetaSeconds = (2304.25 + 1.396 * T0) * t + 0.302 * t2 + 0.018 * t3;
    const double zSeconds = zetaSeconds + 0.791 * t2 + 0.001 * t3;
    const double thetaSeconds = (2004.682 - 0.853 * T0) * t - 0.426 * t2 - 0.042 * t3;
    zeta = zetaSeconds * kOneOver3600;
    z = zSeconds * kOneOver3600;
    theta = thetaSeconds * kOneOver3600;
}

void StarApparentPlace(int epochYear, double alpha0, double delta0, double jdUt, double& alpha,
                       double& delta) {
    const double jd0 = CalendarToJulianDay(1.0, 1, epochYear);
    double zeta = 0;
    double z = 0;
    double theta = 0;
    PrecessionAngles(jd0, jdUt, zeta, z, theta);

    const CalendarTime ut = SplitJulianDay(jdUt);

    double dpsi = 0;
    double deps = 0;
    Nutation(ut, dpsi, deps);
    // Every star of a planetarium frame shares the instant, so this is
    // normally answered by the Sun's cache.
    const double Theta = SunPosition(ut, false).lambda;
    const double epsilon = Obliquity(ut, false);

    const double a = 15 * alpha0 + zeta;
    const double A = CosDeg(delta0) * SinDeg(a);
    const double B = CosDeg(theta) * CosDeg(delta0) * CosDeg(a) - SinDeg(theta) * SinDeg(delta0);
    const double C = SinDeg(theta) * CosDeg(delta0) * CosDeg(a) + CosDeg(theta) * SinDeg(delta0);

    alpha = (Atan2Deg(B, A) + z) * kOneOver15;
    delta = AsinDeg(C);

    ApplyNutationAberration(alpha, delta, epsilon, Theta, dpsi, deps);
}
