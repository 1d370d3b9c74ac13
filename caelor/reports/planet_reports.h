// Helpers of the planet reports (Planet View Info, Planet Apsides, Planet
// Conj/Opp; the generators themselves are declared in reports.h), and the
// results of those reports and of Planet Data, the string-list report of
// report_buffer.h.
#pragma once

#include "engine/location.h"
#include "engine/riseset.h"
#include "reports/records.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"

#include <string>
#include <vector>

// Place of the Sun (body 0) or of a planet (kMercury .. kPluto) at the UT
// Julian day jd: alpha in hours [0, 24), delta in degrees ([0, 360) form),
// lambda the ecliptic longitude (degrees, (-180, 180]) of that equatorial
// place on the mean ecliptic of date. The Sun gives its apparent place and
// semidiameter (degrees) with k = 0; a planet its apparent place and
// illuminated fraction k with semidiameter = 0.
void BodyEclipticPlace(double jd, int body, double& alpha, double& delta, double& lambda,
                       double& semidiameter, double& k);

// Angular distance, degrees in [0, 180], between two longitudes (degrees)
// less than 540 apart: min(|a - b|, |360 - |a - b||).
double LongitudeSeparation(double a, double b);

// The Julian day of the first of the month after (month, year).
double FirstOfNextMonth(int month, int year);

// Local standard date and hour (truncated) of the event found at the UT
// Julian day jd, for a place timeZone hours ahead of UT.
void EventLocalTime(double jd, double timeZone, int& day, int& month, int& year, int& hour);

// Perihelion (k an integer) or aphelion (k an integer + 0.5) of Earth ..
// Saturn (body codes 2 .. 7) by the linear-in-k mean-element table:
// ephemeris Julian day a + b k + c k^2.
double ApsisJulianEphemerisDay(int body, double k);

// How many apsis counts k advance in a year for the body (Earth .. Saturn).
double ApsisCountsPerYear(int body);

// Planet View Info: a planet's place and its rise and set on one date (the
// weekly rows). PlanetViewInfoReport prints them a row at a time; the data
// formats take them whole.
struct PlanetViewRow {
    int body;
    int day, month, year; // the date (the report's weeks are counted in UT days)
    RiseSetTimes times;   // local standard time
    double raHours;       // [0, 24)
    double decDeg;        // signed
    double elongationDeg;
    double illuminatedFraction;
    double distanceAu; // from the Earth
};
// The row of the body on the date that starts at the UT Julian day jd.
PlanetViewRow PlanetViewInfoRow(int body, double jd, const Location& location);
// Planet by planet (Mercury first), week by week.
std::vector<PlanetViewRow> PlanetViewInfoResults(const ReportRequest& request,
                                                 const Location& location);
Records PlanetViewInfoRecords(const ReportRequest& request, const Location& location);

// The report's text: its heading, each planet's heading, its rows, and the
// page break after each planet.
void AddPlanetViewInfoHeading(const ReportRequest& request, const Location& location,
                              ReportBuffer& buffer);
void AddPlanetViewInfoPlanetHeading(int body, ReportBuffer& buffer);
void AddPlanetViewInfoLine(const PlanetViewRow& row, ReportBuffer& buffer);

// Planet Apsides: a perihelion or aphelion by the mean-element table, whose
// date is all it knows well.
struct PlanetApsis {
    int body;
    bool aphelion;
    int day, month, year; // the local date
    double distanceAu;    // from the Sun
};
// The passage of apsis count k (see ApsisJulianEphemerisDay) when its local
// date lies in the years startYear .. stopYear; false when it does not.
bool PlanetApsisOfCount(int body, double k, int startYear, int stopYear, double timeZone,
                        PlanetApsis& apsis);
// The counts k whose passages the report looks at, for perihelia (aphelion
// false) or aphelia: firstK .. lastK by steps of 1.
void PlanetApsisCounts(int body, bool aphelion, int startYear, int stopYear, double& firstK,
                       double& lastK);
// Body by body (Earth .. Saturn), perihelia before aphelia, in count order.
std::vector<PlanetApsis> PlanetApsidesResults(const ReportRequest& request,
                                              const Location& location);
Records PlanetApsidesRecords(const ReportRequest& request, const Location& location);

// The report's text: its heading, each body's name, its lines, or the line
// that says it has none in the range.
void AddPlanetApsidesHeading(const ReportRequest& request, const Location& location,
                             ReportBuffer& buffer);
void AddPlanetApsidesBodyName(int body, ReportBuffer& buffer);
void AddPlanetApsisLine(const PlanetApsis& apsis, ReportBuffer& buffer);
void AddNoPlanetApsisLine(ReportBuffer& buffer);

// Planet Conj/Opp: a conjunction of a planet with the Sun, or its
// opposition, at the hour of least separation in ecliptic longitude.
struct PlanetConjOpp {
    int body;
    // IDS_CONJUNCTION, IDS_SUPERIOR_CONJUNCTION, IDS_INFERIOR_CONJUNCTION or IDS_OPPOSITION
    int nameId;
    int labelId;          // IDS_TRANSIT, IDS_OCCULTATION or 0
    double jdUt;          // the hour found
    double separationDeg; // from conjunction or opposition then, at most 1
};
// Called once an hour of the search; true stops it (the generator pumps
// messages there).
using SearchStopped = bool (*)();
// The daily samples the search starts from: the Sun's and the request's
// planets' ecliptic longitudes from two days before the range to one after.
struct ConjOppDays {
    double t0; // UT Julian day of sample 1
    int days;  // samples 1 .. days
    std::vector<double> sunLambda;
    std::vector<std::vector<double>> lambda; // by body code
};
ConjOppDays ConjOppSampleRange(const ReportRequest& request);
// Fills sample d (1 .. days).
void ConjOppSampleDay(const ReportRequest& request, int d, ConjOppDays& samples);
// The events of one planet, conjunctions then oppositions, in time order
// each, that fall in the request's months in local time, each handed to
// found as it is found. False when stopped() stopped the search.
bool PlanetConjOppEvents(int body, const ReportRequest& request, const Location& location,
                         const ConjOppDays& samples, SearchStopped stopped,
                         void (*found)(const PlanetConjOpp& event, void* context), void* context);
std::vector<PlanetConjOpp> PlanetConjOppResults(const ReportRequest& request,
                                                const Location& location);
Records PlanetConjOppRecords(const ReportRequest& request, const Location& location);

// The report's text: its heading, each planet's name, the events' heading
// before its first event, its lines, or the line that says it has none.
void AddPlanetConjOppHeading(const ReportRequest& request, const Location& location,
                             ReportBuffer& buffer);
void AddPlanetConjOppBodyName(int body, ReportBuffer& buffer);
void AddPlanetConjOppLine(const PlanetConjOpp& event, bool first, const Location& location,
                          ReportBuffer& buffer);
void AddNoPlanetConjOppLine(ReportBuffer& buffer);

// Planet Data: the table of the report, one row a planet, its columns read
// from the report's own lines.
struct PlanetDataRow {
    int body;
    double meanDistanceAu;
    int distanceDecimals;
    double period;
    int periodDecimals;
    bool periodInYears; // else days
    double inclinationDeg;
    int inclinationDecimals;
    double diameterMinKm; // the equatorial diameter, or the range the table gives
    double diameterMaxKm;
};
std::vector<PlanetDataRow> PlanetDataResults();
Records PlanetDataRecords(const ReportRequest& request, const Location& location);
