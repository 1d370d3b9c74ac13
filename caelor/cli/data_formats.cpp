#include "cli/data_formats.h"

#include "engine/time.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>

namespace {

struct Stamp {
    int year, month, day;
    int hour, minute, second;
};

// The proleptic Gregorian date of a Julian day number (the day whose noon is
// at that Julian day), as ISO 8601 and iCalendar count dates.
void GregorianDate(long long number, int& year, int& month, int& day) {
    const long long a = number + 32044;
    const long long b = (4 * a + 3) / 146097;
    const long long c = a - 146097 * b / 4;
    const long long d = (4 * c + 3) / 1461;
    const long long e = c - 1461 * d / 4;
    const long long m = (5 * e + 2) / 153;
    day = static_cast<int>(e - (153 * m + 2) / 5 + 1);
    month = static_cast<int>(m + 3 - 12 * (m / 10));
    year = static_cast<int>(100 * b + d - 4800 + m / 10);
}

// The instant rounded to the second: its Gregorian date and time of day.
Stamp StampOf(double jd) {
    const long long seconds = std::llround((jd + 0.5) * 86400.0);
    const int ofDay = static_cast<int>(seconds % 86400);
    Stamp s{};
    GregorianDate(seconds / 86400, s.year, s.month, s.day);
    s.hour = ofDay / 3600;
    s.minute = ofDay / 60 % 60;
    s.second = ofDay % 60;
    return s;
}

// A date of the program's calendar (Julian before 15 October 1582) as a
// Gregorian one.
void GregorianOfCalendarDate(int& year, int& month, int& day) {
    const double jd = CalendarToJulianDay(day + 0.5, month, year);
    GregorianDate(std::llround(jd), year, month, day);
}

std::string DateText(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string StampText(const Stamp& s) {
    char text[32];
    std::snprintf(text, sizeof text, "T%02d:%02d:%02d", s.hour, s.minute, s.second);
    return DateText(s.year, s.month, s.day) + text;
}

// "+10:00", "-03:30".
std::string OffsetText(double timeZone) {
    const int minutes = static_cast<int>(std::lround(std::fabs(timeZone) * 60.0));
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d:%02d", timeZone < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
}

// The program's texts are Windows-1252; the data formats are UTF-8. The
// letters 0xA0 .. 0xFF are Latin-1's; the few others of 0x80 .. 0x9F that a
// place name could hold become '?'.
std::string Utf8(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else if (b >= 0xA0) {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        } else {
            out += '?';
        }
    }
    return out;
}

std::string NumberText(const RecordField& field) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", field.decimals, field.number);
    // A value that rounds to zero prints "0.0", not "-0.0".
    std::string s = text;
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) {
        s.erase(0, 1);
    }
    return s;
}

double SignedLatitude(const Location& p) {
    return p.latitudeHemisphere == kSouth ? -p.latitude : p.latitude;
}

double SignedLongitude(const Location& p) {
    return p.longitudeHemisphere == kWest ? -p.longitude : p.longitude;
}

// The column names of the fields, in the order the records first give them.
std::vector<std::string> FieldColumns(const Records& records) {
    std::vector<std::string> columns;
    std::set<std::string> seen;
    for (const Record& record : records) {
        for (const RecordField& field : record.fields) {
            if (!seen.insert(field.name).second) {
                continue;
            }
            if (field.kind == RecordField::Kind::Instant) {
                columns.push_back(field.name + "_utc");
                columns.push_back(field.name + "_local");
            } else {
                columns.push_back(field.name);
            }
        }
    }
    return columns;
}

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + "\"";
}

bool HasDate(const Record& record) {
    return !record.hasInstant && record.year != 0;
}

std::string RecordDateText(const Record& record) {
    int year = record.year;
    int month = record.month;
    int day = record.day;
    GregorianOfCalendarDate(year, month, day);
    return DateText(year, month, day);
}

// The values of one record by column name, as text.
std::map<std::string, std::string> FieldCells(const Record& record, double timeZone) {
    std::map<std::string, std::string> cells;
    for (const RecordField& field : record.fields) {
        switch (field.kind) {
        case RecordField::Kind::Number:
            cells[field.name] = NumberText(field);
            break;
        case RecordField::Kind::Text:
            cells[field.name] = Utf8(field.text);
            break;
        case RecordField::Kind::Flag:
            cells[field.name] = field.flag ? "true" : "false";
            break;
        case RecordField::Kind::Instant:
            if (field.happens) {
                cells[field.name + "_utc"] = UtcText(field.number);
                cells[field.name + "_local"] = LocalText(field.number, timeZone);
            }
            break;
        }
    }
    return cells;
}

// FNV-1a, 64 bits: a UID that depends only on what the event is.
uint64_t Fnv1a(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

// An eclipse is one event whatever a report calls its type: the Calendar
// says "lunar_eclipse" where the Lunar Eclipses report says
// "total_lunar_eclipse".
std::string EventFamily(const std::string& kind) {
    for (const char* family : {"lunar_eclipse", "solar_eclipse"}) {
        const std::string tail = family;
        if (kind.size() >= tail.size() &&
            kind.compare(kind.size() - tail.size(), tail.size(), tail) == 0) {
            return tail;
        }
    }
    return kind;
}

// What makes an event this event: its kind, body, minute or date, and the
// place it is seen from (local eclipses differ from place to place).
std::string EventKey(const Record& record, const Location& place) {
    char text[160];
    if (record.hasInstant) {
        std::snprintf(text, sizeof text, "%s|%s|%lld|%.4f|%.4f", EventFamily(record.kind).c_str(),
                      record.body.c_str(), std::llround(record.jdUt * 1440.0),
                      SignedLatitude(place), SignedLongitude(place));
    } else {
        std::snprintf(text, sizeof text, "%s|%s|%04d-%02d-%02d", EventFamily(record.kind).c_str(),
                      record.body.c_str(), record.year, record.month, record.day);
    }
    return text;
}

std::string IcsEscape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

// Content lines end in CR LF and are folded at 75 octets, never inside a
// UTF-8 sequence.
void IcsLine(const std::string& line, std::ostream& out) {
    size_t start = 0;
    size_t limit = 75;
    while (line.size() - start > limit) {
        size_t cut = start + limit;
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        out << line.substr(start, cut - start) << "\r\n ";
        start = cut;
        limit = 74; // the leading blank counts
    }
    out << line.substr(start) << "\r\n";
}

std::string IcsStamp(const Stamp& s) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", s.year, s.month, s.day, s.hour,
                  s.minute, s.second);
    return text;
}

std::string IcsDate(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}

// "name: value" lines of the record's fields for the event's description.
std::string Description(const Record& record, const Location& place) {
    std::string text;
    for (const RecordField& field : record.fields) {
        std::string value;
        switch (field.kind) {
        case RecordField::Kind::Number:
            value = NumberText(field);
            break;
        case RecordField::Kind::Text:
            value = Utf8(field.text);
            break;
        case RecordField::Kind::Flag:
            value = field.flag ? "yes" : "no";
            break;
        case RecordField::Kind::Instant:
            value = field.happens ? LocalText(field.number, place.timeZone) : "none";
            break;
        }
        text += field.name + ": " + value + "\n";
    }
    return text + "Seen from " + Utf8(place.name) + " (local standard time UT" +
           OffsetText(place.timeZone) + ")";
}

} // namespace

std::string UtcText(double jdUt) {
    return StampText(StampOf(jdUt)) + "Z";
}

std::string LocalText(double jdUt, double timeZone) {
    return StampText(StampOf(jdUt + timeZone / 24.0)) + OffsetText(timeZone);
}

bool HasEvents(const Records& records) {
    for (const Record& record : records) {
        if (record.event) {
            return true;
        }
    }
    return false;
}

void WriteCsv(const Records& records, const Location& place, std::ostream& out) {
    const std::vector<std::string> columns = FieldColumns(records);
    out << "kind,body,summary,date,utc,local";
    for (const std::string& column : columns) {
        out << ',' << column;
    }
    out << '\n';
    for (const Record& record : records) {
        out << CsvCell(record.kind) << ',' << CsvCell(record.body) << ','
            << CsvCell(Utf8(record.summary)) << ','
            << (HasDate(record) ? RecordDateText(record) : "") << ','
            << (record.hasInstant ? UtcText(record.jdUt) : "") << ','
            << (record.hasInstant ? LocalText(record.jdUt, place.timeZone) : "");
        const std::map<std::string, std::string> cells = FieldCells(record, place.timeZone);
        for (const std::string& column : columns) {
            const auto cell = cells.find(column);
            out << ',' << (cell == cells.end() ? "" : CsvCell(cell->second));
        }
        out << '\n';
    }
}

void WriteJson(const Records& records, const Location& place, const DataRequest& request,
               const std::string& version, std::ostream& out) {
    using nlohmann::ordered_json;
    ordered_json document;
    document["program"] = "caelor-cli";
    document["version"] = version;
    document["report"] = request.report;
    document["place"] = {{"name", Utf8(place.name)},
                         {"latitude_deg", SignedLatitude(place)},
                         {"longitude_deg", SignedLongitude(place)},
                         {"elevation_m", place.elevation},
                         {"zone_hours", place.timeZone}};
    ordered_json asked = ordered_json::object();
    if (request.dates == DataRequest::Dates::Years) {
        asked["first_year"] = request.firstYear;
        asked["last_year"] = request.lastYear;
    } else if (request.dates == DataRequest::Dates::Months) {
        asked["year"] = request.year;
        asked["first_month"] = request.firstMonth;
        asked["last_month"] = request.lastMonth;
    }
    if (!request.bodies.empty()) {
        asked["bodies"] = request.bodies;
    }
    document["request"] = asked;
    ordered_json results = ordered_json::array();
    for (const Record& record : records) {
        ordered_json item;
        item["kind"] = record.kind;
        item["body"] = record.body;
        item["summary"] = Utf8(record.summary);
        if (record.hasInstant) {
            item["utc"] = UtcText(record.jdUt);
            item["local"] = LocalText(record.jdUt, place.timeZone);
        } else if (HasDate(record)) {
            item["date"] = RecordDateText(record);
        }
        for (const RecordField& field : record.fields) {
            switch (field.kind) {
            case RecordField::Kind::Number:
                // The number as the text prints it, read back: 88.98, not
                // 88.98312.
                item[field.name] = std::stod(NumberText(field));
                break;
            case RecordField::Kind::Text:
                item[field.name] = Utf8(field.text);
                break;
            case RecordField::Kind::Flag:
                item[field.name] = field.flag;
                break;
            case RecordField::Kind::Instant:
                item[field.name + "_utc"] =
                    field.happens ? ordered_json(UtcText(field.number)) : ordered_json();
                item[field.name + "_local"] =
                    field.happens ? ordered_json(LocalText(field.number, place.timeZone))
                                  : ordered_json();
                break;
            }
        }
        results.push_back(item);
    }
    document["results"] = results;
    out << document.dump(2, ' ', false, ordered_json::error_handler_t::replace) << '\n';
}

void WriteIcs(const Records& records, const Location& place, const DataRequest& request,
              const std::string& version, const std::string& stampUtc, std::ostream& out) {
    IcsLine("BEGIN:VCALENDAR", out);
    IcsLine("VERSION:2.0", out);
    IcsLine("PRODID:-//Quillfen//caelor-cli " + version + "//EN", out);
    IcsLine("CALSCALE:GREGORIAN", out);
    IcsLine("X-WR-CALNAME:" + IcsEscape(request.report + " at " + Utf8(place.name)), out);
    // The same event listed by two reports is written once, with the fields
    // of the listing that gives more of them.
    std::map<std::string, size_t> chosen;
    std::vector<std::string> order;
    for (size_t i = 0; i < records.size(); ++i) {
        if (!records[i].event) {
            continue;
        }
        const std::string key = EventKey(records[i], place);
        const auto found = chosen.find(key);
        if (found == chosen.end()) {
            chosen[key] = i;
            order.push_back(key);
        } else if (records[i].fields.size() > records[found->second].fields.size()) {
            found->second = i;
        }
    }
    for (const std::string& key : order) {
        const Record& record = records[chosen[key]];
        char uid[64];
        std::snprintf(uid, sizeof uid, "%016llx@caelor-cli",
                      static_cast<unsigned long long>(Fnv1a(key)));
        IcsLine("BEGIN:VEVENT", out);
        IcsLine(std::string("UID:") + uid, out);
        IcsLine("DTSTAMP:" + stampUtc, out);
        if (record.hasInstant) {
            IcsLine("DTSTART:" + IcsStamp(StampOf(record.jdUt)), out);
        } else {
            int year = record.year;
            int month = record.month;
            int day = record.day;
            GregorianOfCalendarDate(year, month, day);
            IcsLine("DTSTART;VALUE=DATE:" + IcsDate(year, month, day), out);
        }
        IcsLine("SUMMARY:" + IcsEscape(Utf8(record.summary)), out);
        IcsLine("DESCRIPTION:" + IcsEscape(Description(record, place)), out);
        IcsLine("CATEGORIES:" + IcsEscape(record.kind), out);
        IcsLine("TRANSP:TRANSPARENT", out);
        IcsLine("END:VEVENT", out);
    }
    IcsLine("END:VCALENDAR", out);
}
