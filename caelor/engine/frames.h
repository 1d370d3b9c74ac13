// Body codes, the obliquity of the ecliptic, nutation, coordinate frames and
// Kepler's equation.
#pragma once

#include "engine/location.h"

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

// Display name of a body code from the string table into text (kTextSize
// bytes).
void BodyName(int body, char* text);

// Obliquity of the ecliptic, degrees, at (hours, day, month, year); with
// apparent set the nutation in obliquity is added.
double Obliquity(double hours, int day, int month, int year, bool apparent);

// Nutation in longitude and in obliquity, seconds of arc.
void Nutation(double hours, int day, int month, int year, double& dpsi, double& deps);

// Ecliptic (lambda, beta, degrees) to equatorial: alpha in hours, delta in
// degrees in the [0, 360) form (fold with SignedLatitude).
void EclipticToEquatorial(double hours, int day, int month, int year, double lambda, double beta,
                          bool apparent, double& alpha, double& delta);

// Equatorial (alpha hours, delta degrees) to ecliptic, mean obliquity;
// lambda in (-180, 180].
void EquatorialToEcliptic(double alpha, double delta, double hours, int day, int month, int year,
                          double& lambda, double& beta);

// An angle folded into [-90, 90].
double SignedLatitude(double x);

// Equatorial (alpha hours, delta degrees) to horizontal at UT hours of the
// date for the place: azimuth from North through East, altitude, degrees.
void EquatorialToHorizontal(double ut, double alpha, double delta, int day, int month, int year,
                            Location loc, double& azimuth, double& altitude);

// Sets a latitude of exactly 90 to 89.999 so cos(latitude) is never 0.
void ClampPoleLatitude(Location& loc);

// Eccentric anomaly E, degrees, from mean anomaly M (degrees) and
// eccentricity e < 1, by Newton's iteration in degrees.
double SolveKepler(double M, double e);
