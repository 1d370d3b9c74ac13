// Every report generator. Each appends its lines to the buffer, reports its
// progress under its own report index (inside the Almanac, within its
// share), pumps messages once per step and returns early, without the
// closing page break, when the user stops it.
//
// All of them take the same arguments in the same order: what is asked for
// (the request), where the lines go (the buffer), and the observer's place
// last, as the graph routines take it. One signature lets the
// command table hold the generator of each report command.
#pragma once

#include "engine/location.h"
#include "reports/records.h"
#include "reports/report_buffer.h"
#include "settings/bit_set.h"

// What a report is asked for: the values its dialog accepted. A report reads
// only the fields it takes.
struct ReportRequest {
    int year = 0;     // a monthly report's year; the first of a yearly report's range
    int stopYear = 0; // the last year of a yearly report's range
    int startMonth = 1;
    int stopMonth = 12;
    BitSet planets = 0; // planet reports: bit k for body code k
    bool insideAlmanac = false;
};

// The two shapes of request: the months startMonth .. stopMonth of year, and
// the years startYear .. stopYear.
inline ReportRequest MonthsRequest(int year, int startMonth, int stopMonth, BitSet planets = 0) {
    ReportRequest request;
    request.year = year;
    request.stopYear = year;
    request.startMonth = startMonth;
    request.stopMonth = stopMonth;
    request.planets = planets;
    return request;
}
inline ReportRequest YearsRequest(int startYear, int stopYear, BitSet planets = 0) {
    ReportRequest request;
    request.year = startYear;
    request.stopYear = stopYear;
    request.planets = planets;
    return request;
}

using ReportGenerator = void (*)(const ReportRequest& request, ReportBuffer& buffer,
                                 Location location);

// The string-list reports: the program's introduction and the planets' data.
void IntroductionReport(const ReportRequest& request, ReportBuffer& buffer, Location location);
// The introduction only explains the other reports: it has no results.
Records IntroductionRecords(const ReportRequest& request, const Location& location);
void PlanetDataReport(const ReportRequest& request, ReportBuffer& buffer, Location location);

// Calendar (year, months), seasons and Easter (years).
void CalendarReport(const ReportRequest& request, ReportBuffer& buffer, Location location);
void SeasonsReport(const ReportRequest& request, ReportBuffer& buffer, Location location);
void EasterReport(const ReportRequest& request, ReportBuffer& buffer, Location location);

// Lunar or solar eclipses of a year range.
void LunarEclipsesReport(const ReportRequest& request, ReportBuffer& buffer, Location location);
void SolarEclipsesReport(const ReportRequest& request, ReportBuffer& buffer, Location location);

// Every eclipse of a year range as seen from the place: the solar eclipses
// at least partial there with the Sun up at some moment, each contact with
// the Sun's altitude, and every lunar eclipse with the Moon's altitude at
// each contact (local_eclipses.cpp).
void LocalEclipsesReport(const ReportRequest& request, ReportBuffer& buffer, Location location);

// Planet reports over the request's planets: view info and conjunctions
// (year, months), apsides (years).
void PlanetViewInfoReport(const ReportRequest& request, ReportBuffer& buffer, Location location);
void PlanetApsidesReport(const ReportRequest& request, ReportBuffer& buffer, Location location);
void PlanetConjOppReport(const ReportRequest& request, ReportBuffer& buffer, Location location);

// The Moon's apsides and nodes (year, months).
void MoonApsidesReport(const ReportRequest& request, ReportBuffer& buffer, Location location);
void MoonNodesReport(const ReportRequest& request, ReportBuffer& buffer, Location location);

// Meteor showers and twilight (year, months).
void MeteorShowersReport(const ReportRequest& request, ReportBuffer& buffer, Location location);
void TwilightReport(const ReportRequest& request, ReportBuffer& buffer, Location location);
