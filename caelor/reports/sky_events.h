// Helpers and results of the Meteor Showers and Twilight reports (the
// generators are declared in reports.h).
#pragma once

#include "engine/location.h"
#include "engine/riseset.h"
#include "reports/moon_reports.h"
#include "reports/records.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"

#include <vector>

// One annual meteor shower: the Sun's ecliptic longitude (equinox 2000.0,
// degrees) at its maximum, the zenithal hourly rate (-1 unknown) and the
// radiant (raHours -1 when none is given). Its name is string IDS_METEOR_SHOWER_FIRST
// + row.
struct MeteorShower {
    double solarLongitude;
    int zhr;
    int raHours;
    int raMinutes;
    int declination; // degrees
};

constexpr int kMeteorShowerCount = 28;

// Row s of the shower table, 0 .. 27.
const MeteorShower& MeteorShowerRow(int s);

// Zenith distances of the Sun at the ends of astronomical, nautical and
// civil twilight, degrees.
constexpr double kAstronomicalZenith = 108.0;
constexpr double kNauticalZenith = 102.0;
constexpr double kCivilZenith = 96.0;

// Hours between sunrise (or sunset), the Sun at altitude -0.8333 degrees,
// and the moment its zenith distance is z, for latitude phi and declination
// delta (signed degrees); 100.0 when the Sun does not reach z, or does not
// rise, that day. Hour angles from the spherical triangle, turned from
// degrees into hours and from sidereal to solar time.
double TwilightOffset(double phi, double delta, double z);

// t (local hours) as FormatHoursMinutes when 0 <= t < 24, else "-----"
// (IDS_NO_TIME). out holds kReportSlot bytes.
void TwilightTime(double t, char* out);

// Meteor Showers: the Sun's longitude (equinox 2000.0, degrees) on each day
// of the range and the day before and after it, at 0 h UT; each shower's
// maximum is the day whose longitude is nearest the shower's.
struct MeteorDay {
    double jd; // 0 h UT
    double longitude;
};
MeteorDay MeteorShowerDay(int year, double jd);
// The days the report samples: first - 1 .. last + 1 of the range.
int MeteorShowerDayCount(const MonthRangeDays& range);
double MeteorShowerDayJulianDay(const MonthRangeDays& range, int i);

struct MeteorShowerMaximum {
    int shower;           // row of the shower table
    MeteorDay sample;     // the day found
    int day, month, year; // its local date
    double moonFraction;  // the Moon's illuminated fraction at 0 h UT that day
};
// The maximum of shower s within the range, in local dates; false when the
// range has none.
bool MeteorShowerMaximumOf(int s, const std::vector<MeteorDay>& days, const MonthRangeDays& range,
                           double timeZone, MeteorShowerMaximum& maximum);
// In the shower table's order.
std::vector<MeteorShowerMaximum> MeteorShowersResults(const ReportRequest& request,
                                                      const Location& location);
Records MeteorShowersRecords(const ReportRequest& request, const Location& location);

// The report's text: its heading, then a line a maximum.
void AddMeteorShowersHeading(const ReportRequest& request, const Location& location,
                             ReportBuffer& buffer);
void AddMeteorShowerLine(const MeteorShowerMaximum& maximum, ReportBuffer& buffer);

// Twilight: a row a week from the first of the first month: the Sun's rise
// and set, and when astronomical, nautical and civil twilight begin before
// the rise and end after the set.
struct TwilightDay {
    int day, month, year; // local date
    RiseSetTimes sun;     // local standard time
    double begin[3];      // local hours, astronomical, nautical, civil; outside [0, 24) when none
    double end[3];
};
// The row of the date that starts at the Julian day jd.
TwilightDay TwilightOfDate(double jd, const Location& location);
// Whether the report gives rows for the place: not more than 60 degrees
// from the equator, where it prints its refusal instead.
bool TwilightLatitudeAllowed(const Location& location);
std::vector<TwilightDay> TwilightResults(const ReportRequest& request, const Location& location);
Records TwilightRecords(const ReportRequest& request, const Location& location);

// The report's text: its heading, the refusal line, or a line a row.
void AddTwilightHeading(const ReportRequest& request, const Location& location,
                        ReportBuffer& buffer);
void AddTwilightRefusal(ReportBuffer& buffer);
void AddTwilightLine(const TwilightDay& row, ReportBuffer& buffer);
