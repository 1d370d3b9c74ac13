// The Sun: geocentric position by the low-precision solar theory (mean
// elements from 1900.0, Kepler's equation, five periodic terms in longitude
// and in radius vector), the instants of the equinoxes and solstices, and the
// equation of time.
#pragma once

#include "engine/time.h"

// The Sun's geocentric place.
struct SunPlace {
    double alpha;        // right ascension of date, hours [0, 24)
    double delta;        // declination of date, degrees, [0, 360) form
    double lambda;       // longitude of date, degrees (see SunPosition)
    double R;            // radius vector, AU
    double semidiameter; // degrees
    double M;            // mean anomaly, degrees [0, 360)
};

// The Sun at the UT moment ut; the theory runs on ephemeris time
// ut + DeltaTHours(ut.year). lambda is the true geometric longitude in
// [0, 360), or with apparent set the apparent one (aberration and nutation
// subtracted after the wrap, so it can fall just below 0); alpha and delta
// follow lambda, with the apparent obliquity when apparent is set.
//
// The one piece of hidden state in the engine: the last result is kept in a
// one-entry cache keyed by (ut, apparent) and returned without evaluating
// when the same moment is asked for again, as the Moon, the planets, the
// stars of one planetarium frame and the reports' consecutive calls do.
// Not safe to call from two threads at once.
SunPlace SunPosition(const CalendarTime& ut, bool apparent);

// Number of full evaluations SunPosition has made (cache misses), for tests
// and benchmarks.
long SunPositionEvaluations();

// Forgets the cached entry, so the next call evaluates (benchmarks only).
void SunCacheInvalidate();

// UT Julian days of the March equinox, June solstice, September equinox and
// December solstice of the year (apparent solar longitude 0, 90, 180, 270).
void Seasons(int year, double jdUt[4]);

// Apparent minus mean solar time at 12h UT of the date, hours (positive when
// the Sun transits before noon).
double EquationOfTime(int day, int month, int year);
