// The Moon: geocentric position, parallax, illuminated fraction and distance
// by the low-precision lunar theory (mean arguments from 1900.0, 50 terms in
// longitude, 45 in latitude, 30 in parallax), and the instants of the lunar
// phases.
#pragma once

enum MoonPhaseIndex : int {
    kNewMoon = 0,
    kFirstQuarter = 1,
    kFullMoon = 2,
    kLastQuarter = 3,
};

// The Moon at UT hours of the date. lambda (degrees, not brought back into
// [0, 360)), beta (degrees), parallax (degrees), semidiameter (degrees), k the
// illuminated fraction 0..1, u the eclipse quantity, alpha (hours [0, 24),
// apparent obliquity), delta (degrees, [0, 360) form). Evaluates the Sun at
// the same instant (apparent), which replaces the Sun cache.
void MoonPosition(double hours, int day, int month, int year, double& lambda, double& beta,
                  double& parallax, double& semidiameter, double& k, double& u, double& alpha,
                  double& delta);

// Earth-Moon distance in kilometres: 6378.14 / sin(parallax).
double MoonDistanceKm(double hours, int day, int month, int year);

// A lunar phase near the year with fraction (1994.5 is mid-1994); phase one of
// MoonPhaseIndex. The lunation number, counted from the new Moon of 1900
// January, is truncated toward zero, so the phase found can lie before the
// given date (or, before 1900, after it). F, M, M1 (the Moon's M') in degrees
// [0, 360); T in centuries as used by the phase formulas; the mean and true
// instants are Julian days of ephemeris time.
void MoonPhase(double year, int phase, double& F, double& M, double& M1, double& T,
               double& meanInstant, double& trueInstant);
