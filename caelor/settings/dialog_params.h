// The one record through which every input dialog receives its initial
// values and returns the accepted ones, the dialog-cancelled flag, and the
// small rules the dialogs share for dates, numbers and the texts of their
// fields.
#pragma once

#include "settings/bit_set.h"

#include <string>

// Body numbers of the dialogs: 0 Sun, 1 Moon, 2 Earth, 3 Mercury .. 10 Pluto,
// 11 a star.
constexpr int kStarBody = 11;

struct DialogParams {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int stopMonth;
    int stopYear;
    int binaryStarYear;
    int titleId;         // string id of the title, set by the caller
    int timeSpeed;       // -64 .. 64
    int viewAngle;       // degrees, 5 .. 90
    BitSet planetSet;    // planet dialogs
    BitSet skySet;       // Planetarium: 0 Sun, 1 Moon, 3 .. 10 planets, 11 stars
    BitSet moonSet;      // bit 0 Io, 1 Europa, 2 Ganymede, 3 Callisto
    int distanceFromSun; // 0 from the Earth, 1 from the Sun
    int mainPlanet;      // Planet Angle, 3 .. 10
    int trackedBody;     // Planetarium, 0 .. 11
    int noTracking;      // 1 when the Planetarium does not track its body
    int turbo;
    int dayNightSpeed; // 0 .. 4
    int labelPlanets;
    int labelMoons;
    int binaryStar; // 0 .. 9
    int star;       // catalogue index of the Planetarium's star, -1 none
    // Options of DIAL_PLANETS, set by the caller before it runs.
    int includeEarth;
    int showDistance;
    int showMonthFields;
};

// The record the main window owns for the whole run, and the flag each
// dialog rewrites: 0 after OK, 1 after Cancel.
extern DialogParams CurrentDialogParams;
extern int DialogCancelled;

// A local date and time as the dialogs show it.
struct DialogDateTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
};

// The date and time of a Julian day (local civil time, as ClockJulianDay
// gives it): the calendar date, hour and minute each cut toward zero. Half a
// second is added first, so that a clock reading of whole seconds is not
// shown a minute early through the rounding of the Julian day.
DialogDateTime DateTimeFromJulianDay(double jd);

// The initial values, with the current date and time taken from the clock's
// Julian day.
DialogParams DefaultDialogParams(double clockJd);

struct ReportRequest;
// What the report dialogs last accepted, as the request of a report: the
// year (or first year), stop year, month range and chosen planets.
ReportRequest ReportRequestFromDialog(const DialogParams& dialog);

// Sets CurrentDialogParams to the initial values and clears the cancelled
// flag (when the main window is created).
void SetDialogDefaults(double clockJd);

// The date check: the day, month and year survive a round trip through the
// Julian day.
bool IsValidDialogDate(int day, int month, int year);

// After the year and month dialogs: a stored date that does not exist gets
// day 1.
void RepairDialogDay(DialogParams& params);

// When a range dialog opens with its stop value below its start value, the
// two stored values are swapped.
void OrderMonthRange(DialogParams& params);
void OrderYearRange(DialogParams& params);

// The number reader: at most 79 characters, the user's decimal separator
// read as the point, the value read in single precision and widened. The
// whole text (blanks around it allowed) must be one decimal number.
bool ReadDialogNumber(const char* text, char decimalSeparator, double& value);

// The number shown: width and decimals as printf's "%*.*f", the point
// replaced by the user's decimal separator, every blank removed.
std::string FormatDialogNumber(double value, int width, int decimals, char decimalSeparator);

// Texts of the date fields, following the regional settings: year "%4d";
// month and day "%02d" when the short date format holds "MM" / "dd", else
// "%2d"; hour "%02d" with leading zeros for times, else "%2d"; minute
// "%02d".
struct DateFieldTexts {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
    std::string minute;
};
DateFieldTexts FormatDateFields(int day, int month, int year, int hour, int minute);

// The year as the year fields show it ("%4d") and a month as the month
// fields show it (see above).
std::string FormatYearField(int year);
std::string FormatMonthField(int month);

// Time speed "%3d", view angle "%2d".
std::string FormatTimeSpeed(int speed);
std::string FormatViewAngle(int angle);
