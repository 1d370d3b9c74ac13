// Calendar dates, Julian days, civil-date routines and time scales.
//
// A Julian day is a double in days with the day starting at noon. Dates
// before 1582 October 15 are Julian-calendar dates, later ones Gregorian;
// years are astronomical (year 0 is 1 BC). The position routines take a
// moment as a CalendarTime of universal time and form its Julian day as
// CalendarToJulianDay(day + hours / 24, month, year); routines that take a
// Julian day name its scale (jdUt, jde, Instant). Times are counted in Julian
// centuries from 1900 January 0.5.
#pragma once

// Julian day of a calendar date; the day may carry a fraction.
double CalendarToJulianDay(double day, int month, int year);

// Calendar date of a Julian day; day keeps the fraction of the day.
void JulianDayToCalendar(double jd, double& day, int& month, int& year);

// A moment in calendar form: the date and the hours of that day. The
// position routines take a moment in this form and form its Julian day
// themselves, so that a date and time given by the user reach them as given.
// The time scale is that of the Julian day it was split from: universal time
// for the routines' arguments (their contracts say so), local standard time
// from LocalTimeOf.
struct CalendarTime {
    int year;     // astronomical: 0 is 1 BC
    int month;    // 1 .. 12
    int day;      // whole day of the month
    double hours; // hours into the day, [0, 24)
};

// The calendar form of a Julian day: its date with the day truncated, and
// the fraction of that day times 24 as the hours. Same scale as jd.
CalendarTime SplitJulianDay(double jd);

// Local standard date and hours of a UT Julian day in the time zone (hours
// ahead of UT): SplitJulianDay(jdUt + timeZone / 24).
CalendarTime LocalTimeOf(double jdUt, double timeZone);

// A moment as Julian days on both time scales, so that one is never taken
// for the other: universal time (the clock's, and every date the user
// gives) and terrestrial (ephemeris) time jdUt + DeltaTHours(year) / 24, the
// year being that of jdUt. The theories that take a CalendarTime form their
// ephemeris time from it themselves.
struct Instant {
    double jdUt;
    double jdTt;
};

// The Instant of a UT Julian day.
Instant InstantOfUt(double jdUt);

// 0 Sunday .. 6 Saturday.
int DayOfWeek(int day, int month, int year);

// Easter Sunday: the Julian rule before 1583, the Gregorian rule from then on.
void EasterDate(int year, int& day, int& month);

// True when the date exists in its calendar (1582 October 5 .. 14 do not;
// February 29 of a Julian-calendar century year does).
bool IsValidDate(int day, int month, int year);

// Days in the month (1 .. 12) of the year, in the calendar of its dates.
int DaysInMonth(int month, int year);

// Julian day of the PC clock's local date and time (local civil time: the
// caller applies the time zone).
double ClockJulianDay();

// Clock reading as the routine above takes it; split out so that the
// conversion can be checked without the clock.
double ClockJulianDayFrom(int year, int month, int day, int hour, int minute, int second);

// Julian centuries since 1900 January 0.5.
double CenturiesSince1900(double jd);

// Ephemeris time minus universal time for the year, hours: the nearest row
// of a table for 1710 .. 1980, a quadratic in T elsewhere.
double DeltaTHours(int year);

// hours + DeltaTHours(year).
double AddDeltaT(double hours, int year);

// The sidereal constant B of the year, hours.
double SiderealYearConstant(int year);

// Greenwich sidereal time, hours, at the UT moment ut (low-precision
// day-number method).
double GreenwichSiderealTime(const CalendarTime& ut);

// UT hours of the date at which Greenwich sidereal time is g hours.
double UniversalTimeFromSidereal(double g, int day, int month, int year);

struct Location;

// Local sidereal time, hours, from Greenwich sidereal time g.
double LocalSiderealTime(double g, const Location& loc);

// Greenwich mean sidereal time, hours in [0, 24), at the UT moment ut.
double MeanSiderealTime(const CalendarTime& ut);

// Greenwich apparent sidereal time, hours, at the UT moment ut (mean time
// plus the equation of the equinoxes; not normalised again).
double ApparentSiderealTime(const CalendarTime& ut);
