// The city database: the places the user can pick by name, as kept in the
// text file CITIES.DAT beside the program. Pure parsing and formatting; the
// shell does the file handling.
#pragma once

#include "engine/location.h"

#include <string>
#include <vector>

constexpr int kCityNameMax = 20;
// Longest line the file format holds; the rest of a longer line is dropped.
constexpr int kCityLineMax = 80;

struct CityEntry {
    char name[kCityNameMax + 1];
    int latitudeDegrees;
    int latitudeMinutes;
    int latitudeSeconds;
    int latitudeHemisphere; // kNorth or kSouth
    int longitudeDegrees;
    int longitudeMinutes;
    int longitudeSeconds;
    int longitudeHemisphere; // kWest or kEast
    double timeZone;
    int elevation;
};

struct CityDatabase {
    std::string currentName;
    std::vector<CityEntry> entries;
    // Set when the Set Location dialog adds or changes an entry or changes
    // the current name; cleared by a successful save. Loading never sets it.
    bool modified = false;
};

// Ends the name at its first NUL byte, trims white space at both ends,
// collapses each run of white space inside to its last character, and cuts
// the result to 20 characters.
std::string NormalizeCityName(const std::string& name);

// A name typed by the user: '|' and control characters (which would break
// the file's lines) become blanks before the name is normalised.
std::string CleanTypedCityName(const std::string& name);

// Parses the contents of CITIES.DAT. Line 1 is the current place's name; each
// further line one entry. Lines without a name, with a number that does not
// parse or lies outside the ranges the Set Location dialog accepts are
// skipped; missing trailing fields read as 0 and a missing or unknown
// hemisphere letter as North or West. A file with no entries gives the single
// entry "No name" (as a missing file does).
CityDatabase ParseCityDatabase(const std::string& text);

// The database when CITIES.DAT cannot be read: one entry "No name" at 0 N,
// 0 W, time zone 0, elevation 0.
CityDatabase MissingCityDatabase();

// One line of CITIES.DAT, newline included.
std::string FormatCityLine(const CityEntry& entry);

// The whole file: current name, then every entry in database order.
std::string FormatCityDatabase(const CityDatabase& db);

// Whether two names are equal without regard to ASCII letter case.
bool SameCityName(const std::string& a, const std::string& b);

// Index of the first entry whose name equals the (normalised) name without
// regard to ASCII letter case; -1 when there is none.
int FindCityEntry(const CityDatabase& db, const std::string& name);

// The entry chosen at load: the one named by the current name, else the
// first (whose name becomes current). -1 only for an empty database.
int CurrentCityEntry(CityDatabase& db);

// The observing place of an entry (decimal degrees from d/m/s).
Location CityEntryToLocation(const CityEntry& entry);

// True when the values lie in the ranges the Set Location dialog accepts.
bool IsValidCityEntry(const CityEntry& entry);

// How an entry is stored: the Set Location dialog updates the entry of that
// name (or appends one) and keeps the modified flag; reading the file
// appends every entry as it comes.
enum class CityStoreMode { kDialog, kFile };

// Stores an entry under its normalised name (in dialog mode keeping the
// letter case typed, so a change of case is a change) and returns its index.
// Dialog mode makes the name the current name and sets the modified flag
// when the current name changes (letter case aside) or the entry's contents
// change. Memory for one more entry that cannot be had is the fatal "Out of
// memory" of module LOCATION.
int StoreCityEntry(CityDatabase& db, CityStoreMode mode, const CityEntry& entry);

// Loading at start-up: the database from the text of CITIES.DAT (nullptr
// when the file could not be read: the single entry "No name"), and the
// observer's place from its current entry.
void LoadCityDatabaseText(const std::string* text, CityDatabase& db, Location& observer);

// Whether the program must ask, before it ends, to save the database.
bool CityDatabaseNeedsSaving(const CityDatabase& db);
