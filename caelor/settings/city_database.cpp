#include "settings/city_database.h"

#include "engine/angles.h"
#include "reports/host_hooks.h"
#include "resources/string_ids.h"

#include <cctype>
#include <cmath>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string Trim(const std::string& s) {
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && IsBlank(s[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(s[end - 1])) {
        --end;
    }
    return s.substr(begin, end - begin);
}

// A whole field as a decimal integer, blanks around it allowed.
bool ParseInt(const std::string& field, int& value) {
    const std::string s = Trim(field);
    if (s.empty()) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || v < -1000000 || v > 1000000) {
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

bool ParseDouble(const std::string& field, double& value) {
    const std::string s = Trim(field);
    if (s.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(s.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

// Splits at '|'; missing trailing fields are empty.
std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t bar = line.find('|', start);
        if (bar == std::string::npos) {
            fields.push_back(line.substr(start));
            break;
        }
        fields.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    return fields;
}

// A present field must parse; an absent one reads as 0.
bool IntField(const std::vector<std::string>& fields, size_t index, int& value) {
    value = 0;
    return index >= fields.size() || ParseInt(fields[index], value);
}

int LatitudeCode(const std::vector<std::string>& fields, size_t index) {
    const std::string s = index < fields.size() ? Trim(fields[index]) : std::string();
    return (!s.empty() && std::toupper(static_cast<unsigned char>(s[0])) == 'S') ? kSouth : kNorth;
}

int LongitudeCode(const std::vector<std::string>& fields, size_t index) {
    const std::string s = index < fields.size() ? Trim(fields[index]) : std::string();
    return (!s.empty() && std::toupper(static_cast<unsigned char>(s[0])) == 'E') ? kEast : kWest;
}

bool ParseEntry(const std::string& line, CityEntry& entry) {
    const std::vector<std::string> fields = SplitFields(line);
    const std::string name = NormalizeCityName(fields[0]);
    if (name.empty()) {
        return false;
    }
    entry = CityEntry{};
    std::memcpy(entry.name, name.c_str(), name.size() + 1);
    entry.latitudeHemisphere = LatitudeCode(fields, 4);
    entry.longitudeHemisphere = LongitudeCode(fields, 8);
    entry.timeZone = 0;
    if (fields.size() > 10 && !ParseDouble(fields[10], entry.timeZone)) {
        return false;
    }
    return IntField(fields, 1, entry.latitudeDegrees) &&
           IntField(fields, 2, entry.latitudeMinutes) &&
           IntField(fields, 3, entry.latitudeSeconds) &&
           IntField(fields, 5, entry.longitudeDegrees) &&
           IntField(fields, 6, entry.longitudeMinutes) &&
           IntField(fields, 7, entry.longitudeSeconds) && IntField(fields, 9, entry.elevation) &&
           IsValidCityEntry(entry);
}

bool SameContents(const CityEntry& a, const CityEntry& b) {
    return std::strcmp(a.name, b.name) == 0 && a.latitudeDegrees == b.latitudeDegrees &&
           a.latitudeMinutes == b.latitudeMinutes && a.latitudeSeconds == b.latitudeSeconds &&
           a.latitudeHemisphere == b.latitudeHemisphere &&
           a.longitudeDegrees == b.longitudeDegrees && a.longitudeMinutes == b.longitudeMinutes &&
           a.longitudeSeconds == b.longitudeSeconds &&
           a.longitudeHemisphere == b.longitudeHemisphere && a.timeZone == b.timeZone &&
           a.elevation == b.elevation;
}

} // namespace

bool SameCityName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string NormalizeCityName(const std::string& name) {
    // An entry keeps its name as a C string, so whatever follows a NUL byte
    // would vanish when stored; dropping it here keeps the name that is
    // checked, matched and written the same.
    const std::string trimmed = Trim(name.substr(0, name.find('\0')));
    std::string result;
    for (size_t i = 0; i < trimmed.size(); ++i) {
        // Inside a run of white space only its last character is kept.
        if (IsBlank(trimmed[i]) && i + 1 < trimmed.size() && IsBlank(trimmed[i + 1])) {
            continue;
        }
        result += trimmed[i];
    }
    if (result.size() > static_cast<size_t>(kCityNameMax)) {
        result.resize(kCityNameMax);
    }
    return result;
}

std::string CleanTypedCityName(const std::string& name) {
    std::string cleaned = name;
    for (char& c : cleaned) {
        if (c == '|' || std::iscntrl(static_cast<unsigned char>(c))) {
            c = ' ';
        }
    }
    return NormalizeCityName(cleaned);
}

CityDatabase MissingCityDatabase() {
    CityDatabase db;
    CityEntry entry{};
    std::strcpy(entry.name, "No name");
    entry.latitudeHemisphere = kNorth;
    entry.longitudeHemisphere = kWest;
    db.entries.push_back(entry);
    return db;
}

CityDatabase ParseCityDatabase(const std::string& text) {
    CityDatabase db;
    size_t pos = 0;
    bool first = true;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > static_cast<size_t>(kCityLineMax)) {
            line.resize(kCityLineMax);
        }
        if (first) {
            db.currentName = NormalizeCityName(line);
            first = false;
            continue;
        }
        CityEntry entry;
        if (ParseEntry(line, entry)) {
            StoreCityEntry(db, CityStoreMode::kFile, entry);
        }
    }
    if (db.entries.empty()) {
        CityDatabase missing = MissingCityDatabase();
        missing.currentName = db.currentName;
        return missing;
    }
    return db;
}

std::string FormatCityLine(const CityEntry& e) {
    char line[256];
    std::snprintf(line, sizeof line, "%-20s|%2d|%2d|%2d|%c|%3d|%2d|%2d|%c|%4d|%2.2f\n", e.name,
                  e.latitudeDegrees, e.latitudeMinutes, e.latitudeSeconds,
                  e.latitudeHemisphere == kNorth ? 'N' : 'S', e.longitudeDegrees,
                  e.longitudeMinutes, e.longitudeSeconds,
                  e.longitudeHemisphere == kWest ? 'W' : 'E', e.elevation, e.timeZone);
    return line;
}

std::string FormatCityDatabase(const CityDatabase& db) {
    std::string text = db.currentName + "\n";
    for (const CityEntry& entry : db.entries) {
        text += FormatCityLine(entry);
    }
    return text;
}

int FindCityEntry(const CityDatabase& db, const std::string& name) {
    const std::string key = NormalizeCityName(name);
    for (size_t i = 0; i < db.entries.size(); ++i) {
        if (SameCityName(db.entries[i].name, key)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CurrentCityEntry(CityDatabase& db) {
    if (db.entries.empty()) {
        return -1;
    }
    const int found = FindCityEntry(db, db.currentName);
    if (found >= 0) {
        return found;
    }
    db.currentName = db.entries[0].name;
    return 0;
}

Location CityEntryToLocation(const CityEntry& e) {
    Location loc{};
    std::memcpy(loc.name, e.name, sizeof loc.name);
    loc.latitude =
        e.latitudeDegrees + e.latitudeMinutes * kOneOver60 + e.latitudeSeconds * kOneOver3600;
    loc.longitude =
        e.longitudeDegrees + e.longitudeMinutes * kOneOver60 + e.longitudeSeconds * kOneOver3600;
    loc.latitudeHemisphere = e.latitudeHemisphere;
    loc.longitudeHemisphere = e.longitudeHemisphere;
    loc.timeZone = e.timeZone;
    loc.elevation = e.elevation;
    return loc;
}

bool IsValidCityEntry(const CityEntry& e) {
    const auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    if (!in(e.latitudeDegrees, 0, 90) || !in(e.latitudeMinutes, 0, 59) ||
        !in(e.latitudeSeconds, 0, 59) || !in(e.longitudeDegrees, 0, 180) ||
        !in(e.longitudeMinutes, 0, 59) || !in(e.longitudeSeconds, 0, 59) ||
        !in(e.elevation, -400, 8900) || !(e.timeZone >= -12 && e.timeZone <= 12)) {
        return false;
    }
    if (e.latitudeDegrees == 90 && e.latitudeMinutes + e.latitudeSeconds > 0) {
        return false;
    }
    return !(e.longitudeDegrees == 180 && e.longitudeMinutes + e.longitudeSeconds > 0);
}

int StoreCityEntry(CityDatabase& db, CityStoreMode mode, const CityEntry& entry) {
    const std::string name = NormalizeCityName(entry.name);
    int index = mode == CityStoreMode::kDialog ? FindCityEntry(db, name) : -1;
    if (index < 0) {
        try {
            db.entries.push_back(CityEntry{});
        } catch (const std::bad_alloc&) {
            FatalError(IDS_OUT_OF_MEMORY, "LOCATION", __LINE__);
        }
        index = static_cast<int>(db.entries.size()) - 1;
    }
    CityEntry& stored = db.entries[index];
    const CityEntry previous = stored;
    stored = entry;
    std::memset(stored.name, 0, sizeof stored.name);
    std::memcpy(stored.name, name.c_str(), name.size());
    if (mode == CityStoreMode::kDialog) {
        if (!SameCityName(db.currentName, name)) {
            db.currentName = name;
            db.modified = true;
        }
        if (!SameContents(previous, stored)) {
            db.modified = true;
        }
    }
    return index;
}

void LoadCityDatabaseText(const std::string* text, CityDatabase& db, Location& observer) {
    db = text != nullptr ? ParseCityDatabase(*text) : MissingCityDatabase();
    db.modified = false;
    const int current = CurrentCityEntry(db);
    observer = CityEntryToLocation(db.entries[current]);
}

bool CityDatabaseNeedsSaving(const CityDatabase& db) {
    return db.modified;
}
