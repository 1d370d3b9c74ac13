// A report's records written as data: CSV, JSON or iCalendar (RFC 5545).
// Instants are written in UT and in the place's local standard time with its
// offset; numbers in plain decimal with a dot and the decimals the text
// report prints, whatever the regional settings say. Dates are Gregorian, as
// ISO 8601 and iCalendar count them, also before 15 October 1582, where the
// text reports print the Julian calendar's.
#pragma once

#include "engine/location.h"
#include "reports/records.h"

#include <ostream>
#include <string>
#include <vector>

// What was asked for, as the JSON output states it.
struct DataRequest {
    std::string report; // caelor-cli's name of the report: "lunar-eclipses"
    enum class Dates { None, Years, Months } dates = Dates::None;
    int firstYear = 0;
    int lastYear = 0;
    int year = 0;
    int firstMonth = 0;
    int lastMonth = 0;
    std::vector<std::string> bodies; // planet reports: the planets chosen
};

// "2026-03-20T14:46:07Z" and "2026-03-21T00:46:07+10:00": the instant to the
// second, in UT and in local standard time (timeZone hours ahead of UT).
std::string UtcText(double jdUt);
std::string LocalText(double jdUt, double timeZone);

// One header line (the columns every record has, then each field's name in
// the order the records first give them; an instant field as NAME_utc and
// NAME_local) and one line per record.
void WriteCsv(const Records& records, const Location& place, std::ostream& out);

// The place, the request, the program's version and the results.
void WriteJson(const Records& records, const Location& place, const DataRequest& request,
               const std::string& version, std::ostream& out);

// A VCALENDAR of the records that are events, one VEVENT each, with a UID that
// is the same on every run for the same event; events that a report lists
// twice (the Almanac's Calendar and its eclipse reports) are written once.
// stampUtc is the DTSTAMP ("20261207T120000Z").
void WriteIcs(const Records& records, const Location& place, const DataRequest& request,
              const std::string& version, const std::string& stampUtc, std::ostream& out);

// Whether any record is an event (iCalendar has something to write).
bool HasEvents(const Records& records);
