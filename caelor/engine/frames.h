// Body codes, the obliquity of the ecliptic, nutation, coordinate frames and
// Kepler's equation.
#pragma once

#include "engine/location.h"
#include "engine/time.h"

enum BodyCode : int {
    kSun = 0,
    kMoon = 1,
    kEarth = 2,
    kMercury = 3,
    kVenus = 4,
    kMars = 5,
    kJupiter = 6,
    kSaturn = 7,
    kUranus = 8,
    kNeptune = 9,
    kPluto = 10,
};

// True for Mercury .. Pluto (codes 3 .. 10).
bool IsPlanet(int body);

// Obliquity of the ecliptic, degrees, of the date t (its T counted in Julian
// centuries from 1900 January 0.5 of t's own scale: callers pass UT, the
// planets and the Sun pass ephemeris time); with apparent set the nutation
// in obliquity is added.
double Obliquity(const CalendarTime& t, bool apparent);

// Nutation in longitude and in obliquity, seconds of arc, at t (scale as for
// Obliquity).
void Nutation(const CalendarTime& t, double& dpsi, double& deps);

// Ecliptic of date (lambda, beta, degrees) to equatorial of date at t (scale
// as for Obliquity; apparent obliquity when apparent is set): alpha in hours
// [0, 24), delta in degrees in the [0, 360) form (fold with SignedLatitude).
void EclipticToEquatorial(const CalendarTime& t, double lambda, double beta, bool apparent,
                          double& alpha, double& delta);

// Equatorial of date (alpha hours, delta degrees) to ecliptic of date at t,
// mean obliquity; lambda in (-180, 180], beta in degrees.
void EquatorialToEcliptic(double alpha, double delta, const CalendarTime& t, double& lambda,
                          double& beta);

// An angle folded into [-90, 90].
double SignedLatitude(double x);

// Equatorial of date (alpha hours, delta degrees) to horizontal at the UT
// moment ut for the place (low-precision Greenwich sidereal time): azimuth
// from North through East, altitude, degrees.
void EquatorialToHorizontal(const CalendarTime& ut, double alpha, double delta, Location loc,
                            double& azimuth, double& altitude);

// Sets a latitude of exactly 90 to 89.999 so cos(latitude) is never 0.
void ClampPoleLatitude(Location& loc);

// Eccentric anomaly E, degrees, from mean anomaly M (degrees) and
// eccentricity e < 1, by Newton's iteration in degrees.
double SolveKepler(double M, double e);
