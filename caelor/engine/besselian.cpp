#include "engine/besselian.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/moon.h"
#include "engine/riseset.h"
#include "engine/sun.h"
#include "engine/time.h"

#include <cmath>

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kSecondsOfArcToDegrees = 1.0 / 3600;

// Sizes, in equatorial radii of the Earth unless said otherwise.
struct EclipseConstants {
    double earthRadiusKm;        // the engine's equatorial radius
    double astronomicalUnitKm;   // IAU 2012
    double sunSemidiameterAt1Au; // seconds of arc, as the engine's Sun has it
    double moonRadiusPenumbra;   // k for the first and last contacts (IAU 1982)
    double moonRadiusUmbra;      // k for the second and third contacts, nearer the mean limb
};

constexpr EclipseConstants kEclipse = {6378.14, 149597870.7, 959.63, 0.2725076, 0.272281};

// The fit spans t = -4 .. +4 hours in steps of one hour.
constexpr int kSamples = 9;
constexpr double kFirstSampleHours = -4.0;

double SunRadius() {
    return SinDeg(kEclipse.sunSemidiameterAt1Au * kSecondsOfArcToDegrees) *
           kEclipse.astronomicalUnitKm / kEclipse.earthRadiusKm;
}

// A unit vector of the equatorial frame from right ascension (degrees) and
// declination.
struct Vector3 {
    double x, y, z;
};

Vector3 UnitVector(double alphaDegrees, double delta) {
    return {CosDeg(delta) * CosDeg(alphaDegrees), CosDeg(delta) * SinDeg(alphaDegrees),
            SinDeg(delta)};
}

// Least-squares cubic through the samples at kFirstSampleHours + k.
BesselianCubic FitCubic(const double values[kSamples]) {
    // Normal equations A c = r for the basis 1, t, t^2, t^3.
    double A[4][5] = {};
    for (int k = 0; k < kSamples; ++k) {
        const double t = kFirstSampleHours + k;
        double powers[7];
        powers[0] = 1;
        for (int p = 1; p < 7; ++p) {
            powers[p] = powers[p - 1] * t;
        }
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                A[i][j] += powers[i + j];
            }
            A[i][4] += powers[i] * values[k];
        }
    }
    // Gaussian elimination; the matrix is positive definite, no pivoting needed.
    for (int i = 0; i < 4; ++i) {
        for (int r = i + 1; r < 4; ++r) {
            const double f = A[r][i] / A[i][i];
            for (int j = i; j < 5; ++j) {
                A[r][j] -= f * A[i][j];
            }
        }
    }
    BesselianCubic cubic{};
    for (int i = 3; i >= 0; --i) {
        double s = A[i][4];
        for (int j = i + 1; j < 4; ++j) {
            s -= A[i][j] * cubic.c[j];
        }
        cubic.c[i] = s / A[i][i];
    }
    return cubic;
}

double ValueOf(const BesselianCubic& p, double t) {
    return ((p.c[3] * t + p.c[2]) * t + p.c[1]) * t + p.c[0];
}

double RateOf(const BesselianCubic& p, double t) {
    return (3 * p.c[3] * t + 2 * p.c[2]) * t + p.c[1];
}

} // namespace

// The only place that asks the engine for the Sun and the Moon. The Moon
// goes first: it evaluates the apparent Sun for the same instant, so the
// Sun's call that follows is answered from the Sun's cache.
SunMoonPlaces SunMoonPlacesAt(double jdUt) {
    const CalendarTime ut = SplitJulianDay(jdUt);
    const MoonPlace moon = MoonPosition(ut);
    double dpsi = 0;
    double deps = 0;
    Nutation(ut, dpsi, deps);
    double moonAlpha = 0;
    double moonDelta = 0;
    EclipticToEquatorial(ut, moon.lambda + dpsi * kSecondsOfArcToDegrees, moon.beta, true,
                         moonAlpha, moonDelta);
    const SunPlace sun = SunPosition(ut, true);

    SunMoonPlaces places{};
    places.sunAlpha = sun.alpha;
    places.sunDelta = SignedLatitude(sun.delta);
    places.sunDistance = sun.R * kEclipse.astronomicalUnitKm / kEclipse.earthRadiusKm;
    places.moonAlpha = moonAlpha;
    places.moonDelta = SignedLatitude(moonDelta);
    places.moonDistance = 1 / SinDeg(moon.parallax);
    places.gast = ApparentSiderealTime(ut);
    return places;
}

BesselianElements BesselianFromPlaces(const SunMoonPlaces& places) {
    const double alphaSun = 15 * places.sunAlpha;
    const double alphaMoon = 15 * places.moonAlpha;
    const double deltaMoon = places.moonDelta;
    const double rm = places.moonDistance;
    const double b = rm / places.sunDistance;

    // The axis runs from the Moon toward the Sun: G g (unit axis) = sun - moon.
    const Vector3 sun = UnitVector(alphaSun, places.sunDelta);
    const Vector3 moon = UnitVector(alphaMoon, deltaMoon);
    const Vector3 axis = {sun.x - b * moon.x, sun.y - b * moon.y, sun.z - b * moon.z};
    const double g = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z);
    const double a = Atan2Deg(axis.x, axis.y);
    const double d = AsinDeg(axis.z / g);

    BesselianElements e{};
    e.d = d;
    e.mu = NormalizeDegrees(15 * places.gast - a);
    e.x = rm * CosDeg(deltaMoon) * SinDeg(alphaMoon - a);
    e.y = rm *
          (SinDeg(deltaMoon) * CosDeg(d) - CosDeg(deltaMoon) * SinDeg(d) * CosDeg(alphaMoon - a));
    const double z = rm * (SinDeg(deltaMoon) * SinDeg(d) +
                           CosDeg(deltaMoon) * CosDeg(d) * CosDeg(alphaMoon - a));

    const double sunMoonDistance = places.sunDistance * g;
    const double k1 = kEclipse.moonRadiusPenumbra;
    const double k2 = kEclipse.moonRadiusUmbra;
    const double sinF1 = (SunRadius() + k1) / sunMoonDistance;
    const double sinF2 = (SunRadius() - k2) / sunMoonDistance;
    e.tanF1 = sinF1 / std::sqrt(1 - sinF1 * sinF1);
    e.tanF2 = sinF2 / std::sqrt(1 - sinF2 * sinF2);
    // Heights of the cones' vertices above the fundamental plane.
    const double c1 = z + k1 / sinF1;
    const double c2 = z - k2 / sinF2;
    e.l1 = c1 * e.tanF1;
    e.l2 = c2 * e.tanF2;
    return e;
}

BesselianSeries BesselianSeriesAround(double jdUt0) {
    double x[kSamples], y[kSamples], d[kSamples], mu[kSamples];
    double l1[kSamples], l2[kSamples], tanF1[kSamples], tanF2[kSamples];
    for (int k = 0; k < kSamples; ++k) {
        const double t = kFirstSampleHours + k;
        const BesselianElements e = BesselianFromPlaces(SunMoonPlacesAt(jdUt0 + t / 24));
        x[k] = e.x;
        y[k] = e.y;
        d[k] = e.d;
        mu[k] = e.mu;
        // The hour angle grows by about 15 degrees an hour: carry it on
        // past 360 so the cubic sees a smooth curve.
        while (k > 0 && mu[k] < mu[k - 1] - 180) {
            mu[k] += 360;
        }
        l1[k] = e.l1;
        l2[k] = e.l2;
        tanF1[k] = e.tanF1;
        tanF2[k] = e.tanF2;
    }
    BesselianSeries series{};
    series.jdUt0 = jdUt0;
    series.x = FitCubic(x);
    series.y = FitCubic(y);
    series.d = FitCubic(d);
    series.mu = FitCubic(mu);
    series.l1 = FitCubic(l1);
    series.l2 = FitCubic(l2);
    series.tanF1 = FitCubic(tanF1);
    series.tanF2 = FitCubic(tanF2);
    return series;
}

BesselianState EvaluateBesselian(const BesselianSeries& series, double t) {
    BesselianState state{};
    state.elements.x = ValueOf(series.x, t);
    state.elements.y = ValueOf(series.y, t);
    state.elements.d = ValueOf(series.d, t);
    state.elements.mu = NormalizeDegrees(ValueOf(series.mu, t));
    state.elements.l1 = ValueOf(series.l1, t);
    state.elements.l2 = ValueOf(series.l2, t);
    state.elements.tanF1 = ValueOf(series.tanF1, t);
    state.elements.tanF2 = ValueOf(series.tanF2, t);
    state.xDot = RateOf(series.x, t);
    state.yDot = RateOf(series.y, t);
    state.dDot = RateOf(series.d, t);
    state.muDot = RateOf(series.mu, t);
    return state;
}

EclipseObserver EclipseObserverAt(const Location& location) {
    EclipseObserver observer{};
    observer.latitude =
        location.latitudeHemisphere == kSouth ? -location.latitude : location.latitude;
    observer.eastLongitude =
        location.longitudeHemisphere == kWest ? -location.longitude : location.longitude;
    GeocentricObserver(location.elevation, observer.latitude, observer.rhoSinPhi,
                       observer.rhoCosPhi);
    return observer;
}

FundamentalPlacePoint ObserverInPlane(const BesselianState& state,
                                      const EclipseObserver& observer) {
    const double d = state.elements.d;
    const double H = NormalizeDegrees(state.elements.mu + observer.eastLongitude);
    const double rhoSin = observer.rhoSinPhi;
    const double rhoCos = observer.rhoCosPhi;
    FundamentalPlacePoint p{};
    p.hourAngle = H;
    p.xi = rhoCos * SinDeg(H);
    p.eta = rhoSin * CosDeg(d) - rhoCos * CosDeg(H) * SinDeg(d);
    p.zeta = rhoSin * SinDeg(d) + rhoCos * CosDeg(H) * CosDeg(d);
    const double muDot = state.muDot * kDegreesToRadians;
    const double dDot = state.dDot * kDegreesToRadians;
    p.xiDot = muDot * rhoCos * CosDeg(H);
    p.etaDot = muDot * p.xi * SinDeg(d) - dDot * p.zeta;
    return p;
}
