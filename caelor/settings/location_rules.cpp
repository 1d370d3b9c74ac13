#include "settings/location_rules.h"

#include "resources/dialog_ids.h"
#include "settings/dialog_params.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr IntegerRange kLatitudeDegrees = {0, 90, DialogMessage::kLatitudeRange};
constexpr IntegerRange kLongitudeDegrees = {0, 180, DialogMessage::kLongitudeRange};
constexpr IntegerRange kArcMinutes = {0, 59, DialogMessage::kMinuteRange};
constexpr IntegerRange kArcSeconds = {0, 59, DialogMessage::kSecondRange};
constexpr IntegerRange kElevation = {-400, 8900, DialogMessage::kElevationRange};
constexpr double kMaxTimeZone = 12.0;

std::string Printf(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

LocationFieldTexts LocationFieldsFromEntry(const CityEntry& e, char decimalSeparator) {
    LocationFieldTexts t;
    t.latitudeDegrees = Printf("%d", e.latitudeDegrees);
    t.latitudeMinutes = Printf("%02d", e.latitudeMinutes);
    t.latitudeSeconds = Printf("%02d", e.latitudeSeconds);
    t.longitudeDegrees = Printf("%d", e.longitudeDegrees);
    t.longitudeMinutes = Printf("%02d", e.longitudeMinutes);
    t.longitudeSeconds = Printf("%02d", e.longitudeSeconds);
    t.elevation = Printf("%d", e.elevation);
    t.timeZone = FormatDialogNumber(e.timeZone, 6, 2, decimalSeparator);
    t.latitudeHemisphere = e.latitudeHemisphere == kSouth ? kSouth : kNorth;
    t.longitudeHemisphere = e.longitudeHemisphere == kEast ? kEast : kWest;
    return t;
}

LocationFieldTexts ClearedLocationFields(char decimalSeparator) {
    CityEntry cleared{};
    cleared.latitudeHemisphere = kNorth;
    cleared.longitudeHemisphere = kWest;
    return LocationFieldsFromEntry(cleared, decimalSeparator);
}

bool TakeShownLocationName(std::string& lastShown, const std::string& text) {
    const std::string name = CleanTypedCityName(text);
    if (SameCityName(name, lastShown)) {
        return false;
    }
    lastShown = name;
    return true;
}

FieldError AcceptLocationDialog(const DialogFields& fields, char decimalSeparator,
                                CityEntry& entry) {
    const std::string name = CleanTypedCityName(fields.Text(IDC_LOC_NAME));
    if (name.empty()) {
        return TextFieldError(IDC_LOC_NAME, DialogMessage::kMustEnterLocationName);
    }
    IntegerField table[] = {
        {IDC_LOC_LAT_DEGREES, kLatitudeDegrees, 0}, {IDC_LOC_LAT_MINUTES, kArcMinutes, 0},
        {IDC_LOC_LAT_SECONDS, kArcSeconds, 0},      {IDC_LOC_LON_DEGREES, kLongitudeDegrees, 0},
        {IDC_LOC_LON_MINUTES, kArcMinutes, 0},      {IDC_LOC_LON_SECONDS, kArcSeconds, 0},
        {IDC_LOC_ELEVATION, kElevation, 0},
    };
    if (FieldError error = CheckIntegerFields(fields, table)) {
        return error;
    }
    double timeZone = 0;
    if (!ReadDialogNumber(fields.Text(IDC_LOC_TIME_ZONE).c_str(), decimalSeparator, timeZone)) {
        return TextFieldError(IDC_LOC_TIME_ZONE, DialogMessage::kInvalidNumber);
    }
    if (!(timeZone >= -kMaxTimeZone && timeZone <= kMaxTimeZone)) {
        return TextFieldError(IDC_LOC_TIME_ZONE, DialogMessage::kTimeZoneRange);
    }
    if (table[0].value == 90 && table[1].value + table[2].value > 0) {
        return TextFieldError(IDC_LOC_LAT_DEGREES, DialogMessage::kLatitudeRange);
    }
    if (table[3].value == 180 && table[4].value + table[5].value > 0) {
        return TextFieldError(IDC_LOC_LON_DEGREES, DialogMessage::kLongitudeRange);
    }
    entry = CityEntry{};
    std::memcpy(entry.name, name.c_str(), name.size() + 1);
    entry.latitudeDegrees = table[0].value;
    entry.latitudeMinutes = table[1].value;
    entry.latitudeSeconds = table[2].value;
    entry.latitudeHemisphere = fields.Checked(IDC_LOC_SOUTH) ? kSouth : kNorth;
    entry.longitudeDegrees = table[3].value;
    entry.longitudeMinutes = table[4].value;
    entry.longitudeSeconds = table[5].value;
    entry.longitudeHemisphere = fields.Checked(IDC_LOC_EAST) ? kEast : kWest;
    entry.elevation = table[6].value;
    entry.timeZone = timeZone;
    return NoFieldError();
}

Location ApplyLocationDialog(CityDatabase& db, const CityEntry& entry) {
    const int index = StoreCityEntry(db, CityStoreMode::kDialog, entry);
    return CityEntryToLocation(db.entries[index]);
}
