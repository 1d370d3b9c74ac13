#include "engine/riseset.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/moon.h"
#include "engine/planets.h"
#include "engine/sun.h"
#include "engine/time.h"

#include <cmath>

namespace {

constexpr double kSecondsToDays = 1.1574074074074073e-05;
constexpr double kSunAltitude = -0.8333;
constexpr double kPlanetAltitude = -0.5667;
constexpr int kMaxIterationRounds = 100;
constexpr double kSettled = 0.0001;

// Latitude positive North, longitude positive West.
double SignedLatitudeOf(const Location& loc) {
    return loc.latitudeHemisphere == kSouth ? -loc.latitude : loc.latitude;
}

double WestLongitudeOf(const Location& loc) {
    return loc.longitudeHemisphere == kEast ? -loc.longitude : loc.longitude;
}

// Right ascension (hours) and declination of a body; parallax is set for the
// Moon only.
void BodyPlace(int body, double hours, int day, int month, int year, double& alpha, double& delta,
               double& parallax) {
    if (body == kSun) {
        const SunPlace sun = SunPosition({year, month, day, hours}, true);
        alpha = sun.alpha;
        delta = sun.delta;
    } else if (body == kMoon) {
        const MoonPlace moon = MoonPosition({year, month, day, hours});
        alpha = moon.alpha;
        delta = moon.delta;
        parallax = moon.parallax;
    } else {
        const PlanetPlace planet = PlanetPosition(body, {year, month, day, hours}, true);
        alpha = planet.alpha;
        delta = planet.delta;
    }
}

// Brings a day fraction into [0, 1]; exactly 1 stays.
double FoldDayFraction(double m) {
    while (m > 1) {
        m -= 1;
    }
    while (m < 0) {
        m += 1;
    }
    return m;
}

} // namespace

RiseSetTimes RiseSet(int body, int day, int month, int year, Location loc) {
    ClampPoleLatitude(loc);
    const double phi = SignedLatitudeOf(loc);
    const double L = WestLongitudeOf(loc);
    const double tz = loc.timeZone;
    const double deltaT = AddDeltaT(0.0, year);
    const double deltaTs = deltaT * 3600;

    // Positions at the local midnights before, starting and ending the date.
    const double midnight =
        CalendarToJulianDay(day, month, year) + deltaT * kOneOver24 - tz * kOneOver24;
    double alpha[3];
    double delta[3];
    double parallax = 0;
    for (int i = 0; i < 3; ++i) {
        const CalendarTime t = SplitJulianDay(midnight + (i - 1));
        BodyPlace(body, t.hours, t.day, t.month, t.year, alpha[i], delta[i], parallax);
        alpha[i] = NormalizeDegrees(15 * alpha[i]);
        if (i > 0 && std::fabs(alpha[i] - alpha[i - 1]) >= 180) {
            if (alpha[i - 1] <= alpha[i]) {
                alpha[i - 1] += 360;
            } else {
                alpha[i] += 360;
            }
        }
        delta[i] = SignedLatitude(delta[i]);
    }

    double h0 = kPlanetAltitude;
    if (body == kSun) {
        h0 = kSunAltitude;
    } else if (body == kMoon) {
        h0 = 0.7275 * parallax - 0.5667;
    }

    const CalendarTime st = SplitJulianDay(CalendarToJulianDay(day, month, year) - tz * kOneOver24);
    const double theta0 = NormalizeDegrees(15 * ApparentSiderealTime(st));

    const double cosH0 =
        (SinDeg(h0) - SinDeg(phi) * SinDeg(delta[1])) / (CosDeg(phi) * CosDeg(delta[1]));
    if (std::fabs(cosH0) >= 1) {
        return {{false, 0.0}, {false, 0.0}};
    }
    const double H0 = NormalizeDegrees(AcosDeg(cosH0));

    const double m0 = (alpha[1] + L - theta0) / 360;
    double m[2] = {FoldDayFraction(m0 - H0 / 360), FoldDayFraction(m0 + H0 / 360)};
    double lastCorrection[2] = {0, 0};

    for (int round = 0; round < kMaxIterationRounds; ++round) {
        for (int event = 0; event < 2; ++event) {
            const double theta = NormalizeDegrees(theta0 + 360.985647 * m[event]);
            const double n = m[event] + deltaTs * kSecondsToDays;
            const double a = Interpolate3(alpha[0], alpha[1], alpha[2], n);
            const double d = Interpolate3(delta[0], delta[1], delta[2], n);
            double H = NormalizeDegrees(theta - a - L);
            // A rising body's hour angle is negative: take it from the
            // eastern half of the circle.
            if (H > 180) {
                H -= 180;
                if (event == 0) {
                    H -= 180;
                }
            }
            const double h = AsinDeg(SinDeg(phi) * SinDeg(d) + CosDeg(phi) * CosDeg(d) * CosDeg(H));
            const double dm = (h - h0) / (360 * CosDeg(d) * CosDeg(phi) * SinDeg(H));
            m[event] += dm;
            lastCorrection[event] = dm;
        }
        if (std::fabs(lastCorrection[0]) <= kSettled && std::fabs(lastCorrection[1]) <= kSettled) {
            break;
        }
    }

    const auto result = [](double fraction, double correction) {
        const double hours = fraction * 24;
        if (hours > 24 || hours < 0 || std::fabs(correction) > kSettled || !std::isfinite(hours)) {
            return EventTime{false, 0.0};
        }
        return EventTime{true, hours};
    };
    return {result(m[0], lastCorrection[0]), result(m[1], lastCorrection[1])};
}

void GeocentricObserver(double elevation, double phi, double& rhoSinPhi, double& rhoCosPhi) {
    const double u = AtanDeg(0.99664719 * TanDeg(phi));
    rhoSinPhi = 0.99664719 * SinDeg(u) + elevation * 1.5678552054360676e-07 * SinDeg(phi);
    rhoCosPhi = CosDeg(u) + elevation * 1.5678552054360676e-07 * CosDeg(phi);
}

void Topocentric(Location loc, bool isMoon, double distance, double parallax,
                 const CalendarTime& ut, double& alpha, double& delta) {
    ClampPoleLatitude(loc);
    const double phi = SignedLatitudeOf(loc);
    const double L = WestLongitudeOf(loc);
    double rhoSinPhi = 0;
    double rhoCosPhi = 0;
    GeocentricObserver(loc.elevation, phi, rhoSinPhi, rhoCosPhi);
    if (!isMoon) {
        parallax = NormalizeDegrees(AsinDeg(SinDeg(0.002442777777777778) / distance));
    }
    const double H = NormalizeDegrees((ApparentSiderealTime(ut) - L * kOneOver15 - alpha) * 15);
    const double sinPi = SinDeg(parallax);
    const double dAlpha =
        Atan2Deg(CosDeg(delta) - rhoCosPhi * sinPi * CosDeg(H), -rhoCosPhi * sinPi * SinDeg(H));
    const double deltaPrime = Atan2Deg(CosDeg(delta) - rhoCosPhi * sinPi * CosDeg(H),
                                       (SinDeg(delta) - rhoSinPhi * sinPi) * CosDeg(dAlpha));
    alpha = alpha + dAlpha * kOneOver15;
    delta = deltaPrime;
}
