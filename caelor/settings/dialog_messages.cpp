#include "settings/dialog_messages.h"

namespace {

struct MessageRow {
    DialogMessage message;
    int stringId;
    const char* text;
};

// In the order of the enumeration, so a row is found by its position.
constexpr MessageRow kMessages[] = {
    {DialogMessage::kNone, 0, ""},
    {DialogMessage::kInvalidNumber, 0, "Invalid number"},
    {DialogMessage::kInvalidDate, 0, "Invalid date"},
    {DialogMessage::kYearRange, 0, "Year must be between 1000 and 3000"},
    {DialogMessage::kBinaryStarYearRange, 0, "Year must be between -4000 and 32000"},
    {DialogMessage::kMonthRange, 0, "Month must be between 1 and 12"},
    {DialogMessage::kDayRange, 0, "Day must be between 1 and 31"},
    {DialogMessage::kHourRange, 0, "Hours must be between 0 and 23"},
    {DialogMessage::kMinuteRange, 0, "Minutes must be between 0 and 59"},
    {DialogMessage::kSecondRange, 0, "Seconds must be between 0 and 59"},
    {DialogMessage::kTimeSpeedRange, 60, "Time speed must be between -64 and 64"},
    {DialogMessage::kViewAngleRange, 61, "View angle must be between 5\260 and 90\260"},
    {DialogMessage::kStopMonthBeforeStart, 0, "Stop month cannot be less than start month"},
    {DialogMessage::kStopYearBeforeStart, 0, "Stop year cannot be less than start year"},
    {DialogMessage::kSelectPlanet, 0, "Select at least one planet"},
    {DialogMessage::kSelectMoon, 0, "Select at least one moon"},
    {DialogMessage::kSelectBinaryStar, 104, "Select a binary star"},
    {DialogMessage::kSelectViewItem, 0, "Select at least one item to view"},
    {DialogMessage::kTurboNeedsTracking, 0, "Turbo mode requires that you track a planet or star"},
    {DialogMessage::kSelectStar, 0, "Select a star"},
    {DialogMessage::kMustEnterLocationName, 0, "Must enter location name"},
    {DialogMessage::kLatitudeRange, 0, "Latitude must be between 0\260 and 90\260"},
    {DialogMessage::kLongitudeRange, 0, "Longitude must be between 0\260 and 180\260"},
    {DialogMessage::kElevationRange, 0, "Elevation must be between -400 and 8900 meters"},
    {DialogMessage::kTimeZoneRange, 0, "Time zone must be between -12 and 12 hours"},
    {DialogMessage::kCannotLoadCityDatabase, 0, "Cannot load city location database"},
    {DialogMessage::kCannotSaveCityDatabase, 0, "Cannot save city location database"},
    {DialogMessage::kCannotCloseCityDatabase, 0, "Cannot close city location database"},
    {DialogMessage::kSaveCityDatabaseQuestion, 0, "Save city location database?"},
};

constexpr bool RowsInEnumerationOrder() {
    for (unsigned i = 0; i < sizeof kMessages / sizeof kMessages[0]; ++i) {
        if (static_cast<unsigned>(kMessages[i].message) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInEnumerationOrder(), "message rows must follow the enumeration");

const MessageRow& Row(DialogMessage message) {
    const auto index = static_cast<unsigned>(message);
    return index < sizeof kMessages / sizeof kMessages[0] ? kMessages[index] : kMessages[0];
}

} // namespace

const char* DialogMessageText(DialogMessage message) {
    return Row(message).text;
}

int DialogMessageStringId(DialogMessage message) {
    return Row(message).stringId;
}
