// A report's results as data, for caelor-cli's CSV, JSON and iCalendar
// output. Each report computes its results first (the structs its header
// declares) and prints them as text; the same results turned into Records
// are what the data formats write, so the data and the text cannot drift
// apart.
#pragma once

#include <string>
#include <vector>

// One value of a record. The name is snake_case with its unit when it has
// one ("elongation_deg", "distance_au", "length_days"); a number carries the
// decimals the text report prints it with.
struct RecordField {
    enum class Kind { Number, Text, Flag, Instant };
    std::string name;
    Kind kind = Kind::Number;
    double number = 0;   // Number: the value; Instant: the UT Julian day
    int decimals = 0;    // Number: decimals printed by the text report
    std::string text;    // Text
    bool flag = false;   // Flag
    bool happens = true; // Instant: false when the text prints a mark instead ("None", "-----")
};

RecordField NumberField(const std::string& name, double value, int decimals);
RecordField TextField(const std::string& name, const std::string& text);
RecordField FlagField(const std::string& name, bool flag);
// An instant inside a record (an eclipse's contacts, a day's sunrise), UT.
RecordField InstantField(const std::string& name, double jdUt, bool happens = true);

// One result: an event at an instant (an equinox, a full Moon, an eclipse at
// its maximum), an all-day event (Easter Sunday), or a row of a table.
struct Record {
    std::string kind;    // snake_case: "march_equinox", "full_moon", "total_lunar_eclipse"
    std::string body;    // "sun", "moon", "mercury" .. "pluto", or empty
    std::string summary; // what a person reads in a calendar: "Total lunar eclipse, maximum"
    bool event = false;  // an event a calendar shows (iCalendar writes only these)
    bool hasInstant = false;
    double jdUt = 0;     // the instant, UT
    bool allDay = false; // a date without an instant
    int year = 0;        // the date of an all-day event or a table row (local calendar)
    int month = 0;
    int day = 0;
    std::vector<RecordField> fields;
};

using Records = std::vector<Record>;

// A body's name in records: its key ("mars") and as a summary names it
// ("Mars"), the same whatever the program's language; body codes sun 0 ..
// pluto 10.
const char* RecordBodyKey(int body);
std::string RecordBodyName(int body);

// The record of an event at an instant.
Record EventRecord(const std::string& kind, const std::string& body, const std::string& summary,
                   double jdUt);

struct ReportRequest;
struct Location;

// A report's records for a request at a place, computed as the report's
// generator computes them, without its progress, pumping or text. Each
// report's header declares its own (SeasonsRecords, TwilightRecords, ...).
using RecordsGenerator = Records (*)(const ReportRequest& request, const Location& location);
