// The Set Location dialog's rules, apart from its window: what its fields
// show for a city entry, which location-box notifications change the place
// shown, what OK accepts, and how an accepted place is stored. Control
// numbers are those of resources/dialog_ids.h.
#pragma once

#include "engine/location.h"
#include "settings/city_database.h"
#include "settings/dialog_checks.h"

#include <string>

constexpr int kHelpSetLocation = 300;

// The texts of the number fields and the hemisphere codes of the buttons.
struct LocationFieldTexts {
    std::string latitudeDegrees;  // "%d"
    std::string latitudeMinutes;  // "%02d"
    std::string latitudeSeconds;  // "%02d"
    std::string longitudeDegrees; // "%d"
    std::string longitudeMinutes;
    std::string longitudeSeconds;
    std::string elevation; // "%d"
    std::string timeZone;  // width 6, 2 decimals, the user's separator, no blanks
    int latitudeHemisphere;
    int longitudeHemisphere;
};

// The fields of a known entry, and the cleared fields (every number 0,
// North and West) shown for an unknown name.
LocationFieldTexts LocationFieldsFromEntry(const CityEntry& entry, char decimalSeparator);
LocationFieldTexts ClearedLocationFields(char decimalSeparator);

// A name read from the location box after a notification: cleaned and
// normalised as a typed name. Returns true (and remembers it as the last
// name shown) when it differs, letter case aside, from the last name shown;
// the fields must then be filled from its entry or cleared.
bool TakeShownLocationName(std::string& lastShown, const std::string& text);

// OK and Save: the name must not be empty; latitude 0 .. 90, longitude
// 0 .. 180 (their minutes and seconds 0 .. 59, and nothing beyond 90 or 180
// degrees), elevation -400 .. 8900 m, time zone -12 .. 12 h read with the
// user's decimal separator. Fills the entry (name as typed, normalised) or
// returns the first refused field.
FieldError AcceptLocationDialog(const DialogFields& fields, char decimalSeparator,
                                CityEntry& entry);

// Stores an accepted entry in dialog mode and returns the observer's new
// place.
Location ApplyLocationDialog(CityDatabase& db, const CityEntry& entry);
