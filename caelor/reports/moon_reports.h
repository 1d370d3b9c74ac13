// Helpers of the Moon Apsides and Moon Nodes reports that the sky-event
// reports and the tests share. The generators themselves are declared in
// reports.h.
#pragma once

// The Moon's apparent diameter in degrees is this constant divided by its
// distance in kilometres (kilometres times degrees).
constexpr double kMoonDiameterKmDegrees = 199157.11111111112;

// The whole days of a month range of one year as Julian days at 0 h: first
// is day 1 of startMonth, last the last day of stopMonth (January of the
// next year ends December). A report covers first <= t < last + 1.0.
struct MonthRangeDays {
    double first;
    double last;
};
MonthRangeDays MonthRangeJulianDays(int year, int startMonth, int stopMonth);

// The Moon's illuminated fraction 0 .. 1 at the UT Julian day.
double MoonFractionAt(double jdUt);

// Julian ephemeris day of the Moon's passage through a node: K an integer
// for the ascending node, an integer plus 0.5 for the descending one, counted
// from the passage near 2000 January 0 (the closed form of Meeus,
// Astronomical Algorithms, chapter 51, with T = K / 1342.23).
double MoonNodePassageJde(double K);

// Seconds of dynamical time ahead of UT that the Moon Nodes report takes for
// the year: 0.00325 (year - 1810)^2 - 15.
double MoonNodesDeltaTSeconds(int year);
