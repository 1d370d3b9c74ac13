// The Moon: geocentric position, parallax, illuminated fraction and distance
// by the low-precision lunar theory (mean arguments from 1900.0, 50 terms in
// longitude, 45 in latitude, 30 in parallax), and the instants of the lunar
// phases.
#pragma once

#include "engine/time.h"

enum MoonPhaseIndex : int {
    kNewMoon = 0,
    kFirstQuarter = 1,
    kFullMoon = 2,
    kLastQuarter = 3,
};

// The Moon's geocentric place.
struct MoonPlace {
    double lambda;       // longitude of date, degrees, not brought back into [0, 360)
    double beta;         // latitude, degrees
    double parallax;     // equatorial horizontal parallax, degrees
    double semidiameter; // degrees
    double k;            // illuminated fraction, 0 .. 1
    double u;            // the eclipse quantity u, Earth radii
    double alpha;        // right ascension of date, hours [0, 24), apparent obliquity
    double delta;        // declination of date, degrees, [0, 360) form
};

// The Moon at the UT moment ut; the theory runs on ephemeris time
// ut + DeltaTHours(ut.year). k comes from the elongation from the apparent
// Sun at ut, so the call leaves the Sun's cache holding (ut, apparent).
MoonPlace MoonPosition(const CalendarTime& ut);

// Earth-Moon distance in kilometres at the UT moment ut: 6378.14 /
// sin(parallax).
double MoonDistanceKm(const CalendarTime& ut);

// A lunar phase near the year with fraction (1994.5 is mid-1994); phase one of
// MoonPhaseIndex. The lunation number, counted from the new Moon of 1900
// January, is truncated toward zero, so the phase found can lie before the
// given date (or, before 1900, after it). F, M, M1 (the Moon's M') in degrees
// [0, 360); T in centuries as used by the phase formulas; the mean and true
// instants are Julian days of ephemeris time.
void MoonPhase(double year, int phase, double& F, double& M, double& M1, double& T,
               double& meanInstant, double& trueInstant);
