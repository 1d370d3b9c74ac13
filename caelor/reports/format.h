// Formatting of numbers, angles, dates and clock times for reports, graph
// labels and status lines. Fields have fixed widths so that columns line up
// in the fixed-pitch report font, and follow the regional settings
// (locale.h). Every out buffer holds at least kFormatSize bytes; a value too
// wide for it is cut, never written past it.
#pragma once

#include "engine/riseset.h"
#include "reports/locale.h"

constexpr int kFormatSize = 81;

// The degree sign of the Windows-1252 text the reports and graphs write.
constexpr char kDegreeSign = '\260';

// The value with decimals digits after the locale's decimal separator and an
// integer part of exactly width characters (blank-padded on the left, cut to
// its first width characters when longer); without the leading-zero setting
// a zero integer part is dropped (.50, -.25).
void FormatFixed(double value, int width, int decimals, char* out);

// Day, month and four-digit year in the locale's order with its separator;
// day and month two-digit or blank-padded as the pattern says.
void FormatDate(int day, int month, int year, char* out);

// "<first day of startMonth> to <last day of stopMonth>" of the year.
void FormatMonthRange(int startMonth, int stopMonth, int year, char* out);

// "A to B", or "A" when both years are equal.
void FormatYearRange(int startYear, int stopYear, char* out);

// "hh:mm" (the locale's separator and hour leading zero); exactly -1.0 gives
// "None ". The minutes round; 60 carries into the hours (23.999 reads
// 24:00). The sign is dropped.
void FormatHoursMinutes(double hours, char* out);

// A rise or set time as FormatHoursMinutes shows it, or "None " when the
// event does not happen that day.
void FormatEventTime(EventTime event, char* out);

// Degrees, minutes, seconds with the degree sign (degreeMode != 0) or hours,
// minutes, seconds with the letters h, m, s (degreeMode == 0, angle in
// hours). A leading '-' or blank carries the sign.
void FormatSexagesimal(double angle, int degreeMode, char* out);

// FormatSexagesimal cut after its seventh character.
void FormatSexagesimalShort(double angle, int degreeMode, char* out);

// The eight-point compass direction of an azimuth (degrees).
void CompassPoint(double azimuth, char* out);

// Abbreviations of the Moon phases (0 NM .. 3 LQ) and of the equinoxes and
// solstices (0 MEQ .. 3 DSO).
void PhaseAbbreviation(int index, char* out);
void SeasonAbbreviation(int index, char* out);

// N, S, W or E for the hemisphere codes 0 .. 3.
char HemisphereLetter(int code);

// '+' for value >= 0, '-' otherwise.
char SignCharacter(double value);

// White-space handling of the input dialogs, all in place: trim both ends;
// remove every white-space character; trim and shorten each inner run to its
// last character.
void TrimBlanks(char* text);
void RemoveBlanks(char* text);
void CollapseBlanks(char* text);

// RoundHalfUp((v - a) / (b - a) * n + origin): a value on [a, b] as a pixel
// offset over n pixels.
int ScaleToPixel(double v, double a, double b, int n, int origin);
