// The planets Mercury .. Pluto: heliocentric and geocentric positions by mean
// elements from 1900.0 with periodic perturbations (Pluto by a periodic series
// on the ecliptic of 1950.0, precessed to the date), magnitudes, diameters.
// Body codes are those of frames.h (kMercury .. kPluto).
#pragma once

#include "engine/time.h"

// A planet's place: geocentric apparent place, distances, phase and
// heliocentric ecliptic coordinates of date.
struct PlanetPlace {
    double alpha;      // right ascension, hours (see PlanetPosition)
    double delta;      // declination, degrees, [0, 360) form (see PlanetPosition)
    double distance;   // from the Earth, AU
    double k;          // illuminated fraction, 0 .. 1
    double elongation; // angle Sun-Earth-planet, degrees 0 .. 180
    double b;          // heliocentric latitude, degrees (Pluto's in [0, 360) form)
    double l;          // heliocentric longitude, degrees
    double r;          // distance from the Sun, AU
};

// Position of a planet (kMercury .. kPluto) at the UT moment ut; the theory
// runs on ephemeris time ut + DeltaTHours(ut.year). alpha and delta are the
// apparent place, with nutation and aberration, when equatorial is set, and
// exactly 0 otherwise; the corrections are added after the wrap, so a
// declination within a minute of arc of 0 may come back just below 0 or just
// above 360 (fold it with SignedLatitude). No light-time correction. Leaves
// the Sun's cache holding (ut, geometric).
PlanetPlace PlanetPosition(int body, const CalendarTime& ut, bool equatorial);

// Mean orbital elements of Mercury .. Neptune at the moment et (ephemeris
// time): L, i, omega, node in degrees [0, 360); a in AU; e; M = L - node -
// omega, not normalised.
void PlanetElements(int body, const CalendarTime& et, double& L, double& a, double& e, double& i,
                    double& omega, double& node, double& M);

// Mean anomalies of Mercury (M1), Venus (M2), Mars (M4), Jupiter (M5), Saturn
// (M6), Uranus (M7) and Neptune (M8), degrees [0, 360), T in centuries from
// 1900.0.
void PlanetMeanAnomalies(double T, double& M1, double& M2, double& M4, double& M5, double& M6,
                         double& M7, double& M8);

// Auxiliary arguments of the outer planets' perturbations, degrees (upsilon
// dimensionless).
void OuterPlanetArguments(double T, double& upsilon, double& P, double& Q, double& S, double& G,
                          double& H);

// The periodic perturbations of one planet. Every output starts at 0; each
// planet sets only its own terms. Ms is the Sun's mean anomaly.
void PlanetPerturbations(int body, double T, double e, double Ms, double M1, double M2, double M4,
                         double M5, double& dl, double& dr, double& dL, double& dM, double& db,
                         double& de, double& da);

// True anomaly from eccentricity and eccentric anomaly (degrees [0, 360)).
double TrueAnomaly(double e, double E);

// a (1 - e cos E).
double RadiusVector(double a, double e, double E);

// Pluto's heliocentric latitude b and longitude l (degrees, [0, 360) form)
// and radius vector r (AU) at the ephemeris Julian day, precessed from the
// ecliptic of 1950.0 to the date.
void PlutoHeliocentric(double jde, double& b, double& l, double& r);

// Rigorous reduction of ecliptic l, b (degrees) from the equinox of 1950.0 to
// the date of jde; changes both in place.
void PrecessEcliptic1950(double jde, double& l, double& b);

// Visual magnitude of a planet at the UT moment ut; 21.0 for a planet whose
// illuminated fraction is below 0.00001.
double PlanetMagnitude(int body, const CalendarTime& ut);

// Apparent diameter of a planet at the UT moment ut, seconds of arc.
double PlanetDiameter(int body, const CalendarTime& ut);

// At the UT moment ut, for a planet: which = 0 its distance from the Earth,
// which = 1 from the Sun (AU). For any other code: 0 for which = 0, the
// Earth-Sun distance for 1.
double BodyDistance(int body, const CalendarTime& ut, int which);

// Adds nutation (dpsi, deps in seconds of arc) and annual aberration
// (constant 20.49") to an equatorial place in place: alpha in hours, delta in
// degrees; epsilon the mean obliquity and Theta the Sun's geometric
// longitude, degrees. Not valid at a celestial pole (divides by cos delta).
void ApplyNutationAberration(double& alpha, double& delta, double epsilon, double Theta,
                             double dpsi, double deps);
