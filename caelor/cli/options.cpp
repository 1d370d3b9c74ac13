#include "cli/options.h"

#include "engine/time.h"
#include "settings/city_database.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

bool ParseWholeInt(const std::string& s, int& value) {
    if (s.empty() || s.size() > 6) {
        return false;
    }
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0') {
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

} // namespace

CalendarDate ParseDateArgument(const std::string& option, const std::string& text) {
    const UsageError bad{option + ": '" + text + "' is not a date of the form YYYY-MM-DD"};
    const bool negative = !text.empty() && text[0] == '-';
    const std::string body = negative ? text.substr(1) : text;
    const size_t first = body.find('-');
    const size_t second = first == std::string::npos ? first : body.find('-', first + 1);
    if (second == std::string::npos) {
        throw bad;
    }
    CalendarDate date{};
    if (!ParseWholeInt(body.substr(0, first), date.year) ||
        !ParseWholeInt(body.substr(first + 1, second - first - 1), date.month) ||
        !ParseWholeInt(body.substr(second + 1), date.day) || body[0] == '+' ||
        body[first + 1] == '-' || body[second + 1] == '-') {
        throw bad;
    }
    if (negative) {
        date.year = -date.year;
    }
    if (date.year < -4000 || date.year > 32000) {
        throw UsageError{option + ": year " + std::to_string(date.year) +
                         " is outside -4000 .. 32000"};
    }
    if (date.month < 1 || date.month > 12 || !IsValidDate(date.day, date.month, date.year)) {
        throw UsageError{option + ": " + text + " is not a day of the calendar"};
    }
    return date;
}

double ParseTimeArgument(const std::string& option, const std::string& text) {
    const size_t colon = text.find(':');
    int hour = 0;
    int minute = 0;
    if (colon == std::string::npos || colon == 0 || text.size() - colon != 3 ||
        !ParseWholeInt(text.substr(0, colon), hour) ||
        !ParseWholeInt(text.substr(colon + 1), minute) || text[0] == '-' || text[0] == '+' ||
        text[colon + 1] == '-' || text[colon + 1] == '+' || hour > 23 || minute > 59) {
        throw UsageError{option + ": '" + text + "' is not a time of the form HH:MM"};
    }
    return hour + minute / 60.0;
}

double ParseNumberArgument(const std::string& option, const std::string& text, double lo,
                           double hi) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value)) {
        throw UsageError{option + ": '" + text + "' is not a number"};
    }
    if (value < lo || value > hi) {
        throw UsageError{option + ": " + text + " is outside " + RangeText(lo, hi)};
    }
    return value;
}

bool LocationOptions::Take(const CliOption& option, const std::string& value) {
    if (option.group != kLocationOption) {
        return false;
    }
    switch (option.id) {
    case OptionId::Lat:
        lat_ = NumberValue(option, value);
        haveLat_ = true;
        break;
    case OptionId::Lon:
        lon_ = NumberValue(option, value);
        haveLon_ = true;
        break;
    case OptionId::Tz:
        tz_ = NumberValue(option, value);
        haveTz_ = true;
        break;
    case OptionId::Elev: {
        const double e = NumberValue(option, value);
        if (e != std::trunc(e)) {
            throw UsageError{"--elev: give whole metres"};
        }
        elev_ = static_cast<int>(e);
        haveElev_ = true;
        break;
    }
    case OptionId::Name:
        name_ = value;
        break;
    case OptionId::Place:
        place_ = value;
        if (NormalizeCityName(place_).empty()) {
            throw UsageError{"--place: the name is empty"};
        }
        break;
    case OptionId::Cities:
        cities_ = value;
        break;
    default:
        return false;
    }
    return true;
}

Location LocationOptions::Resolve(const std::string& programDirectory) const {
    const bool numeric = haveLat_ || haveLon_ || haveTz_ || haveElev_;
    if (!place_.empty() && numeric) {
        throw UsageError{"--place: give either --place or --lat/--lon/--tz/--elev, not both"};
    }
    const std::string citiesPath = cities_.empty() ? programDirectory + "/CITIES.DAT" : cities_;
    std::string text;
    if (!place_.empty()) {
        if (!ReadFile(citiesPath, text)) {
            throw UsageError{"--cities: cannot read " + citiesPath};
        }
        const CityDatabase db = ParseCityDatabase(text);
        const int index = FindCityEntry(db, place_);
        if (index < 0) {
            throw UsageError{"--place: no place named '" + place_ + "' in " + citiesPath};
        }
        return CityEntryToLocation(db.entries[index]);
    }
    if (!numeric && name_.empty()) {
        return GreenwichLocation();
    }
    Location loc{};
    const std::string name = NormalizeCityName(name_.empty() ? "No name" : name_);
    std::memcpy(loc.name, name.c_str(), name.size() + 1);
    // A latitude of 0 counts as North and a longitude of 0 as West.
    loc.latitude = std::fabs(lat_);
    loc.latitudeHemisphere = lat_ < 0 ? kSouth : kNorth;
    loc.longitude = std::fabs(lon_);
    loc.longitudeHemisphere = lon_ > 0 ? kEast : kWest;
    loc.timeZone = tz_;
    loc.elevation = elev_;
    return loc;
}

Location GreenwichLocation() {
    Location loc{};
    std::snprintf(loc.name, sizeof loc.name, "Greenwich");
    loc.latitude = 51.4772;
    loc.latitudeHemisphere = kNorth;
    loc.longitude = 0.0005;
    loc.longitudeHemisphere = kWest;
    loc.timeZone = 0;
    loc.elevation = 48;
    return loc;
}

std::string ProgramDirectory() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        return ".";
    }
    path[n] = '\0';
    char* slash = std::strrchr(path, '/');
    if (slash == nullptr) {
        return ".";
    }
    *slash = '\0';
    return path;
}

bool RegionalOptions::Take(const CliOption& option, const std::string& value) {
    if (option.group != kRegionalOption) {
        return false;
    }
    const std::string name = option.name;
    const auto single = [&](const char* key) {
        if (value.size() != 1 || static_cast<unsigned char>(value[0]) < 32) {
            throw UsageError{name + ": give a single character"};
        }
        values_[key] = value;
    };
    const auto flag = [&](const char* key) {
        if (value != "0" && value != "1") {
            throw UsageError{name + ": give 0 or 1"};
        }
        values_[key] = value;
    };
    switch (option.id) {
    case OptionId::Decimal:
        single("sdecimal");
        break;
    case OptionId::TimeSep:
        single("stime");
        break;
    case OptionId::LeadingZero:
        flag("iLzero");
        break;
    case OptionId::TimeLeadingZero:
        flag("itlzero");
        break;
    case OptionId::DateFormat:
        if (value.empty() || value.size() > 80) {
            throw UsageError{name + ": give a pattern such as dd.MM.yyyy"};
        }
        values_["sshortdate"] = value;
        break;
    default:
        return false;
    }
    return true;
}

bool RegionalOptions::Read(const char* key, char* value, int size) {
    const auto it = values_.find(key);
    if (it == values_.end()) {
        return false;
    }
    std::snprintf(value, size, "%s", it->second.c_str());
    return true;
}

// "A-B" or "A" as a pair of whole numbers.
void ParseRange(const std::string& option, const std::string& text, int& first, int& last) {
    const size_t dash = text.find('-', 1);
    const std::string a = dash == std::string::npos ? text : text.substr(0, dash);
    const std::string b = dash == std::string::npos ? text : text.substr(dash + 1);
    char* endA = nullptr;
    char* endB = nullptr;
    const long x = std::strtol(a.c_str(), &endA, 10);
    const long y = std::strtol(b.c_str(), &endB, 10);
    if (a.empty() || b.empty() || *endA != '\0' || *endB != '\0' || x < -100000 || x > 100000 ||
        y < -100000 || y > 100000) {
        throw UsageError{option + ": '" + text + "' is not a range of the form A-B"};
    }
    first = static_cast<int>(x);
    last = static_cast<int>(y);
}

int ParseYear(const std::string& option, const std::string& text) {
    int first = 0;
    int last = 0;
    ParseRange(option, text, first, last);
    if (first != last || text.find('-', 1) != std::string::npos) {
        throw UsageError{option + ": '" + text + "' is not a year"};
    }
    return first;
}

BitSet ParseNameList(const std::string& option, const std::string& text, const char* const names[],
                     int first, int last) {
    BitSet set = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) {
            comma = text.size();
        }
        const std::string name = text.substr(start, comma - start);
        int index = -1;
        for (int k = first; k <= last; ++k) {
            if (name == names[k]) {
                index = k;
            }
        }
        if (index < 0) {
            throw UsageError{option + ": '" + name + "' is not one of " +
                             std::string(names[first]) + " .. " + names[last]};
        }
        SetAdd(index, set);
        start = comma + 1;
    }
    return set;
}

BitSet ParseBodies(const std::string& text, int first, int last) {
    return ParseNameList("--bodies", text, kCliBodyNames, first, last);
}

void CheckOption(const std::string& option, const char* message) {
    if (message != nullptr) {
        throw UsageError{option + ": " + message};
    }
}
