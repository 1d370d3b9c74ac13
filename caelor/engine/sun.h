// The Sun: geocentric position by the low-precision solar theory (mean
// elements from 1900.0, Kepler's equation, five periodic terms in longitude
// and in radius vector), the instants of the equinoxes and solstices, and the
// equation of time.
#pragma once

// The Sun's position for UT hours of the date. Results: alpha in hours
// [0, 24); delta in degrees, [0, 360) form; lambda the true geometric
// longitude, or the apparent one (aberration and nutation, not normalised
// again) when apparent is set; R in AU; semidiameter in degrees; M the mean
// anomaly in degrees [0, 360). The last result is held in a one-entry cache
// keyed by (hours, day, month, year, apparent).
void SunPosition(double hours, int day, int month, int year, bool apparent, double& alpha,
                 double& delta, double& lambda, double& R, double& semidiameter, double& M);

// Number of full evaluations SunPosition has made (cache misses), for tests
// and benchmarks.
long SunPositionEvaluations();

// Forgets the cached entry, so the next call evaluates (benchmarks only).
void SunCacheInvalidate();

// UT Julian days of the March equinox, June solstice, September equinox and
// December solstice of the year (solar longitude 0, 90, 180, 270).
void Seasons(int year, double instants[4]);

// Apparent minus mean solar time at 12h UT of the date, hours (positive when
// the Sun transits before noon).
double EquationOfTime(int day, int month, int year);
