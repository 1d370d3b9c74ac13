#include "engine/local_eclipse.h"

#include "engine/angles.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Rounds of the iteration: each moves the instant by the step it finds;
// they stop when the step is below kSettledHours (a few milliseconds).
constexpr int kMaxRounds = 50;
constexpr double kSettledHours = 1e-7;

// Saemundsson's refraction for the standard atmosphere, and the altitude
// below which the body is out of sight and no refraction is applied.
struct RefractionConstants {
    double minutes; // 1.02'
    double shift;   // 10.3 degrees
    double offset;  // 5.11 degrees
    double lowestAltitude;
};

constexpr RefractionConstants kRefraction = {1.02, 10.3, 5.11, -1.0};

// The observer's place against the shadow at one instant: u, v the axis
// seen from the observer in the fundamental plane and a, b their rates per
// hour; L1, L2 the penumbral and umbral radii at the observer's height.
struct ShadowAtObserver {
    double u;
    double v;
    double a;
    double b;
    double L1;
    double L2;
    double d;         // declination of the axis, degrees
    double hourAngle; // local hour angle of the axis, degrees
    double muDot;     // degrees per hour
};

ShadowAtObserver ShadowAt(const BesselianSeries& series, const EclipseObserver& observer,
                          double t) {
    const BesselianState state = EvaluateBesselian(series, t);
    const FundamentalPlacePoint p = ObserverInPlane(state, observer);
    const BesselianElements& e = state.elements;
    ShadowAtObserver s{};
    s.u = e.x - p.xi;
    s.v = e.y - p.eta;
    s.a = state.xDot - p.xiDot;
    s.b = state.yDot - p.etaDot;
    s.L1 = e.l1 - p.zeta * e.tanF1;
    s.L2 = e.l2 - p.zeta * e.tanF2;
    s.d = e.d;
    s.hourAngle = p.hourAngle;
    s.muDot = state.muDot;
    return s;
}

// The airless altitude of the Sun's centre: the axis points at the Sun to
// within its 9" parallax and the Moon's few seconds of arc of offset.
double SunTrueAltitude(const ShadowAtObserver& s, const EclipseObserver& observer) {
    const double phi = observer.latitude;
    return AsinDeg(SinDeg(phi) * SinDeg(s.d) + CosDeg(phi) * CosDeg(s.d) * CosDeg(s.hourAngle));
}

SolarContact ContactAt(const BesselianSeries& series, const EclipseObserver& observer, double t) {
    const ShadowAtObserver s = ShadowAt(series, observer, t);
    SolarContact contact{};
    contact.happens = true;
    contact.jdUt = series.jdUt0 + t / 24;
    contact.sunTrueAltitude = SunTrueAltitude(s, observer);
    contact.sunAltitude = RefractedAltitude(contact.sunTrueAltitude);
    if (contact.sunAltitude > 0) {
        contact.sky = SunSky::kAboveHorizon;
    } else {
        // West of the meridian (hour angle 0 .. 180) the Sun is going down.
        contact.sky = SinDeg(s.hourAngle) > 0 ? SunSky::kBelowSetting : SunSky::kBelowRising;
    }
    return contact;
}

// Hours from the series' instant to the least distance from the axis.
double MaximumTime(const BesselianSeries& series, const EclipseObserver& observer) {
    double t = 0;
    for (int round = 0; round < kMaxRounds; ++round) {
        const ShadowAtObserver s = ShadowAt(series, observer, t);
        const double step = -(s.u * s.a + s.v * s.b) / (s.a * s.a + s.b * s.b);
        t += step;
        if (std::fabs(step) < kSettledHours) {
            break;
        }
    }
    return t;
}

// Hours from the series' instant to a contact: sign -1 for the one before
// the maximum, +1 for the one after; umbral for the second and third.
double ContactTime(const BesselianSeries& series, const EclipseObserver& observer, double tMaximum,
                   double sign, bool umbral) {
    double t = tMaximum;
    for (int round = 0; round < kMaxRounds; ++round) {
        const ShadowAtObserver s = ShadowAt(series, observer, t);
        const double L = umbral ? std::fabs(s.L2) : s.L1;
        const double n2 = s.a * s.a + s.b * s.b;
        const double cross = s.u * s.b - s.v * s.a;
        // At a grazing contact the chord shrinks to a point: no negative root.
        const double discriminant = std::fmax(n2 * L * L - cross * cross, 0.0);
        const double step = (-(s.u * s.a + s.v * s.b) + sign * std::sqrt(discriminant)) / n2;
        t += step;
        if (std::fabs(step) < kSettledHours) {
            break;
        }
    }
    return t;
}

// Fraction of the Sun's disc (radius 1) covered by the Moon's (radius r)
// with the centres c apart: the lens where the two discs overlap.
double CoveredFraction(double r, double c) {
    if (c >= 1 + r) {
        return 0;
    }
    if (c <= r - 1) {
        return 1;
    }
    if (c <= 1 - r) {
        return r * r;
    }
    const double sunAngle = std::acos((c * c + 1 - r * r) / (2 * c));
    const double moonAngle = std::acos((c * c + r * r - 1) / (2 * c * r));
    const double kite = 0.5 * std::sqrt((-c + r + 1) * (c + r - 1) * (c - r + 1) * (c + r + 1));
    return (sunAngle + r * r * moonAngle - kite) / kPi;
}

} // namespace

double RefractedAltitude(double trueAltitude) {
    if (trueAltitude < kRefraction.lowestAltitude) {
        return trueAltitude;
    }
    const double h = trueAltitude;
    const double minutes =
        kRefraction.minutes / TanDeg(h + kRefraction.shift / (h + kRefraction.offset));
    return h + minutes / 60;
}

double TopocentricAltitude(double alpha, double delta, double distance, double gast,
                           const EclipseObserver& observer) {
    const double alphaDegrees = 15 * alpha;
    const double theta = 15 * gast + observer.eastLongitude; // local sidereal angle
    const double x =
        distance * CosDeg(delta) * CosDeg(alphaDegrees) - observer.rhoCosPhi * CosDeg(theta);
    const double y =
        distance * CosDeg(delta) * SinDeg(alphaDegrees) - observer.rhoCosPhi * SinDeg(theta);
    const double z = distance * SinDeg(delta) - observer.rhoSinPhi;
    const double topoAlpha = Atan2Deg(x, y);
    const double topoDelta = Atan2Deg(std::sqrt(x * x + y * y), z);
    const double H = theta - topoAlpha;
    const double phi = observer.latitude;
    return AsinDeg(SinDeg(phi) * SinDeg(topoDelta) + CosDeg(phi) * CosDeg(topoDelta) * CosDeg(H));
}

SolarContact SolarContactAt(const BesselianSeries& series, const Location& location, double jdUt) {
    return ContactAt(series, EclipseObserverAt(location), (jdUt - series.jdUt0) * 24);
}

LocalSolarCircumstances LocalSolarCircumstancesAt(const BesselianSeries& series,
                                                  const Location& location) {
    const EclipseObserver observer = EclipseObserverAt(location);
    LocalSolarCircumstances local{};
    local.kind = LocalSolarKind::kNone;

    const double tMaximum = MaximumTime(series, observer);
    const ShadowAtObserver atMaximum = ShadowAt(series, observer, tMaximum);
    const double distance = std::hypot(atMaximum.u, atMaximum.v);
    const double L1 = atMaximum.L1;
    const double L2 = atMaximum.L2;
    if (!(distance < L1)) {
        return local;
    }
    if (distance < std::fabs(L2)) {
        local.kind = L2 < 0 ? LocalSolarKind::kTotal : LocalSolarKind::kAnnular;
    } else {
        local.kind = LocalSolarKind::kPartial;
    }

    const double t1 = ContactTime(series, observer, tMaximum, -1, false);
    const double t4 = ContactTime(series, observer, tMaximum, +1, false);
    local.first = ContactAt(series, observer, t1);
    local.maximum = ContactAt(series, observer, tMaximum);
    local.last = ContactAt(series, observer, t4);
    if (local.kind != LocalSolarKind::kPartial) {
        local.second =
            ContactAt(series, observer, ContactTime(series, observer, tMaximum, -1, true));
        local.third =
            ContactAt(series, observer, ContactTime(series, observer, tMaximum, +1, true));
    }

    // In the fundamental plane the Sun's disc and the Moon's stand in the
    // ratio of (L1 + L2) to (L1 - L2), their centres 2 distance / (L1 + L2)
    // Sun radii apart.
    local.magnitude = (L1 - distance) / (L1 + L2);
    local.obscuration = local.kind == LocalSolarKind::kTotal
                            ? 1.0
                            : CoveredFraction((L1 - L2) / (L1 + L2), 2 * distance / (L1 + L2));

    local.visible =
        local.first.sunAltitude > 0 || local.maximum.sunAltitude > 0 || local.last.sunAltitude > 0;
    if (!local.visible) {
        // Both contacts below the horizon: the Sun may still rise and set
        // between them (near a polar night); it is highest at culmination.
        double hourAngle = atMaximum.hourAngle;
        if (hourAngle > 180) {
            hourAngle -= 360;
        }
        const double tCulmination = tMaximum - hourAngle / atMaximum.muDot;
        if (tCulmination > t1 && tCulmination < t4) {
            const ShadowAtObserver s = ShadowAt(series, observer, tCulmination);
            local.visible = RefractedAltitude(SunTrueAltitude(s, observer)) > 0;
        }
    }
    return local;
}
