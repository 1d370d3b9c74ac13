// The Calendar, Seasons and Dates of Easter reports' results and the text
// made from them (the generators themselves are declared in reports.h).
#pragma once

#include "engine/location.h"
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
