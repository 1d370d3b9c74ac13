// Helpers of the Moon Apsides and Moon Nodes reports that the sky-event
// reports and the tests share. The generators themselves are declared in
// reports.h.
#pragma once

#include "engine/location.h"
#include "reports/records.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"

#include <vector>

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

// --- The Moon Apsides report's results ---

// A perigee or apogee at the place: the extreme of the hourly distances
// around a day's 0 h UT.
struct MoonApsis {
    bool apogee;
    double distanceKm;
    double dayUt; // Julian day at 0 h UT of the day the search found it on
    int hour;     // of the extreme, -23 .. 23 hours from dayUt
};
double MoonApsisJdUt(const MoonApsis& apsis);

// The days the search samples for a request, at 0 h UT: two days before the
// month range to two days after it. The step of the search is a candidate
// day, the second sample to the last but one: MoonApsisOfDay takes it with
// its distances (day before, day, day after).
struct MoonApsidesDays {
    MonthRangeDays range;
    int samples; // days of the range plus four
};
MoonApsidesDays MoonApsidesSampleDays(const ReportRequest& request);
double MoonApsidesSampleDay(const MoonApsidesDays& days, int i); // Julian day of sample i
double MoonDistanceAtDay(double dayUt);                          // kilometres at 0 h UT

// Whether the candidate day is an apsis that falls in the request's months
// in the place's local time; if so, which one (apsis).
bool MoonApsisOfDay(double dayUt, const double distances[3], const ReportRequest& request,
                    const Location& location, MoonApsis& apsis);
std::vector<MoonApsis> MoonApsidesResults(const ReportRequest& request, const Location& location);
Records MoonApsidesRecords(const ReportRequest& request, const Location& location);

// The report's text: its heading, and the row of one apsis.
void AddMoonApsidesHeading(const ReportRequest& request, const Location& location,
                           ReportBuffer& buffer);
void AddMoonApsisLine(const MoonApsis& apsis, const Location& location, ReportBuffer& buffer);

// --- The Moon Nodes report's results ---

struct MoonNodePassage {
    bool ascending;
    double jdUt;
    double illuminatedFraction; // of the Moon at the passage
};

// The passages the report takes from integer k: the ascending node at K = k
// and the descending one at K = k + 0.5, each kept when its local time falls
// in the request's months. The report steps k over the request's year and
// two years either side.
struct MoonNodeLunations {
    int firstK;
    int lastK;
};
MoonNodeLunations MoonNodesLunations(const ReportRequest& request);
std::vector<MoonNodePassage> MoonNodePassagesOf(int k, const ReportRequest& request,
                                                const Location& location);
std::vector<MoonNodePassage> MoonNodesResults(const ReportRequest& request,
                                              const Location& location);
Records MoonNodesRecords(const ReportRequest& request, const Location& location);

void AddMoonNodesHeading(const ReportRequest& request, const Location& location,
                         ReportBuffer& buffer);
void AddMoonNodeLine(const MoonNodePassage& passage, const Location& location,
                     ReportBuffer& buffer);
