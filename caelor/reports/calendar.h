// The Calendar, Seasons and Dates of Easter reports' results and the text
// made from them (the generators themselves are declared in reports.h).
#pragma once

#include "engine/location.h"
#include "engine/riseset.h"
#include "engine/time.h"
#include "reports/eclipses.h"
#include "reports/records.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"

#include <vector>

constexpr int kCalendarRows = 6;

// Lays out the month as a wall calendar, Sunday first: grid[r][c] is the day
// of the month in week row r (0 .. 5) and weekday column c (0 Sunday .. 6
// Saturday), or 0 for a cell outside the month. Returns the number of week
// rows the month needs: the first row and every later one whose Sunday holds
// a day.
int CalendarWeekRows(int month, int year, int grid[kCalendarRows][7]);

// The Calendar report's results. An event of the lists its cells show (the
// year's Moon phases, eclipses at their maximum, equinoxes and solstices) at
// its local date, or, not shown, a cell's empty list line.
struct CalendarMark {
    bool shown;
    int what;           // phase 0 new .. 3 last quarter; EclipseKind; season 0 March equinox ..
    double jdUt;        // the instant
    CalendarTime local; // its date and hours in the place's standard time
};
struct CalendarEvents {
    std::vector<CalendarMark> phases;
    std::vector<CalendarMark> eclipses;
    std::vector<CalendarMark> seasons;
};
// A day's cell: the Sun's and the Moon's rise and set on the local date,
// and the phase, eclipse and season shown on it.
struct CalendarDay {
    int day; // of the month; 0 for a cell outside the month
    EventTime sunRise;
    EventTime sunSet;
    EventTime moonRise;
    EventTime moonSet;
    CalendarMark phase;
    CalendarMark eclipse;
    CalendarMark season;
};
// A month's page: its week rows, laid out as CalendarWeekRows lays them.
struct CalendarMonth {
    int year;
    int month;
    int rows;
    CalendarDay cells[kCalendarRows][7];
};
// The phases and eclipses are those EclipseSearchYear finds for the year.
CalendarEvents CalendarEventsOfYear(int year, const MoonPhaseList& phases,
                                    const EclipseList& eclipses, const Location& location);
CalendarMonth CalendarMonthOf(int month, int year, const CalendarEvents& events,
                              const Location& location);
// Without progress; Esc or a stop already asked for still cuts the phase
// search short, leaving the lists incomplete, as it stops the report.
std::vector<CalendarMonth> CalendarResults(const ReportRequest& request, const Location& location);
// A row for each day (its rises and sets), each followed by the events
// shown on it.
Records CalendarRecords(const ReportRequest& request, const Location& location);

// The report's text: its heading, then each month's page: the month's name
// and the weekdays, then for each week row (1 ..) its cell lines k (1 day,
// 2 .. 5 rises and sets, 6 phase, 7 eclipse, 8 season) and a rule, and a
// page break.
constexpr int kCalendarCellLines = 8;
void AddCalendarHeading(const ReportRequest& request, const Location& location,
                        ReportBuffer& buffer);
void AddCalendarMonthHeading(const CalendarMonth& month, ReportBuffer& buffer);
void AddCalendarLine(const CalendarMonth& month, int row, int k, ReportBuffer& buffer);
void AddCalendarRule(ReportBuffer& buffer);
void AddCalendarMonthLines(const CalendarMonth& month, ReportBuffer& buffer);

// The Seasons report's results: each year's equinoxes and solstices, March
// first, each with the length of the season it ends. SeasonsReport prints
// them a year at a time; the data formats take them whole.
struct SeasonEvent {
    int season;        // 0 March equinox, 1 June solstice, 2 September equinox, 3 December solstice
    double jdUt;       // the instant
    double lengthDays; // of the season the event ends (winter: from the December solstice before)
};
struct SeasonsOfYear {
    int year;
    SeasonEvent events[4];
};
SeasonsOfYear SeasonsYear(int year);
std::vector<SeasonsOfYear> SeasonsResults(const ReportRequest& request);
Records SeasonsRecords(const ReportRequest& request, const Location& location);

// The report's text: its heading, then a year's four lines and an empty line.
void AddSeasonsHeading(const ReportRequest& request, const Location& location,
                       ReportBuffer& buffer);
void AddSeasonsLines(const SeasonsOfYear& year, const Location& location, ReportBuffer& buffer);

// The Dates of Easter report's results: Easter Sunday of each year of the
// range (the Julian rule before 1583), one line each.
struct EasterSunday {
    int year;
    int month;
    int day;
};
EasterSunday EasterOfYear(int year);
std::vector<EasterSunday> EasterResults(const ReportRequest& request);
Records EasterRecords(const ReportRequest& request, const Location& location);

// The report's text: its title, then a year's date.
void AddEasterHeading(const ReportRequest& request, ReportBuffer& buffer);
void AddEasterLine(const EasterSunday& easter, ReportBuffer& buffer);
