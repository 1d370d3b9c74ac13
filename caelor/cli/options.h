// Argument parsing shared by the caelor-cli commands. Every parser reports a
// bad value with a one-line message naming the argument.
#pragma once

#include "cli/option_table.h"
#include "engine/location.h"
#include "reports/locale.h"
#include "settings/bit_set.h"

#include <cstddef>
#include <map>
#include <string>

struct CalendarDate {
    int year;
    int month;
    int day;
};

// The names the options take for the bodies, by body code (sun 0 .. pluto
// 10), and for Jupiter's moons (io 0 .. callisto 3).
inline constexpr const char* kCliBodyNames[] = {"sun",    "moon",    "earth",   "mercury",
                                                "venus",  "mars",    "jupiter", "saturn",
                                                "uranus", "neptune", "pluto"};
inline constexpr const char* kCliMoonNames[] = {"io", "europa", "ganymede", "callisto"};

// Thrown for a bad or missing argument; the command prints it and exits 2.
struct UsageError {
    std::string message;
};

// A usage error "option: message" when a dialog rule gave a message.
void CheckOption(const std::string& option, const char* message);

// The row of table named name; otherwise a usage error that lists the names,
// "NAME: 'x' is not a graph (jupiter-moons, planet-orbit, ...)".
template <typename Row, size_t N>
const Row& FindNamedRow(const Row (&table)[N], const std::string& name, const char* what) {
    std::string names;
    for (const Row& row : table) {
        if (name == row.name) {
            return row;
        }
        names += names.empty() ? "" : ", ";
        names += row.name;
    }
    throw UsageError{"NAME: '" + name + "' is not a " + what + " (" + names + ")"};
}

// "YYYY-MM-DD" (a leading '-' for years before 1 BC) naming a real calendar
// date.
CalendarDate ParseDateArgument(const std::string& option, const std::string& text);

// "HH:MM" in 00:00 .. 23:59, as hours.
double ParseTimeArgument(const std::string& option, const std::string& text);

// A finite decimal number in [lo, hi].
double ParseNumberArgument(const std::string& option, const std::string& text, double lo,
                           double hi);

// "lo .. hi" as the messages and --help write a range.
std::string RangeText(double lo, double hi);

// Collects the location options --lat --lon --tz --elev --name, or --place
// NAME with --cities FILE, and builds the observing place from them.
class LocationOptions {
  public:
    // Takes a location option with its value; returns false for any other
    // option.
    bool Take(const CliOption& option, const std::string& value);

    // The place: from --place (looked up in the city file, by default the
    // one beside the program), else from the numeric options over a default
    // of 0 N, 0 W, time zone 0, elevation 0; with no location option at all,
    // Greenwich.
    Location Resolve(const std::string& programDirectory) const;

  private:
    bool haveLat_ = false, haveLon_ = false, haveTz_ = false, haveElev_ = false;
    double lat_ = 0, lon_ = 0, tz_ = 0;
    int elev_ = 0;
    std::string name_, place_, cities_;
};

// The Royal Observatory, Greenwich: 51.4772 N, 0.0005 W, time zone 0, 48 m.
Location GreenwichLocation();

// Directory holding the running program (for files kept beside it).
std::string ProgramDirectory();

// The regional options --decimal C, --date-format PATTERN, --time-sep C,
// --leading-zero 0|1 and --time-leading-zero 0|1, served to the formatters
// as the "intl" values they stand for.
class RegionalOptions : public LocaleSource {
  public:
    // As LocationOptions::Take.
    bool Take(const CliOption& option, const std::string& value);
    bool Read(const char* key, char* value, int size) override;

  private:
    std::map<std::string, std::string> values_;
};

// Serves the regional options to the formatters while it lives, so that
// however a command ends it leaves the defaults behind.
class RegionalScope {
  public:
    explicit RegionalScope(RegionalOptions& options) { SetLocaleSource(&options); }
    ~RegionalScope() { SetLocaleSource(nullptr); }
    RegionalScope(const RegionalScope&) = delete;
    RegionalScope& operator=(const RegionalScope&) = delete;
};

// "A-B" or "A" as a pair of whole numbers.
void ParseRange(const std::string& option, const std::string& text, int& first, int& last);
// A single whole year.
int ParseYear(const std::string& option, const std::string& text);
// A comma-separated list of names[first .. last] as the set of their indexes.
BitSet ParseNameList(const std::string& option, const std::string& text, const char* const names[],
                     int first, int last);
// --bodies: names of bodies first .. last ("sun", "moon", "earth", "mercury",
// .. "pluto").
BitSet ParseBodies(const std::string& text, int first, int last);
