#include "settings/dialog_messages.h"

#include "resources/string_table.h"

namespace {

// kNone has no text: no string has this number.
constexpr int kNoString = -1;

struct MessageRow {
    DialogMessage message;
    int stringId;
};

// In the order of the enumeration, so a row is found by its position.
constexpr MessageRow kMessages[] = {
    {DialogMessage::kNone, kNoString},
    {DialogMessage::kInvalidNumber, IDS_INVALID_NUMBER},
    {DialogMessage::kInvalidDate, IDS_INVALID_DATE},
    {DialogMessage::kYearRange, IDS_YEAR_RANGE},
    {DialogMessage::kBinaryStarYearRange, IDS_BINARY_STAR_YEAR_RANGE},
    {DialogMessage::kMonthRange, IDS_MONTH_RANGE},
    {DialogMessage::kDayRange, IDS_DAY_RANGE},
    {DialogMessage::kHourRange, IDS_HOUR_RANGE},
    {DialogMessage::kMinuteRange, IDS_MINUTE_RANGE},
    {DialogMessage::kSecondRange, IDS_SECOND_RANGE},
    {DialogMessage::kTimeSpeedRange, IDS_TIME_SPEED_RANGE},
    {DialogMessage::kViewAngleRange, IDS_VIEW_ANGLE_RANGE},
    {DialogMessage::kStopMonthBeforeStart, IDS_STOP_MONTH_BEFORE_START},
    {DialogMessage::kStopYearBeforeStart, IDS_STOP_YEAR_BEFORE_START},
    {DialogMessage::kSelectPlanet, IDS_SELECT_PLANET},
    {DialogMessage::kSelectMoon, IDS_SELECT_MOON},
    {DialogMessage::kSelectBinaryStar, IDS_SELECT_BINARY_STAR},
    {DialogMessage::kSelectViewItem, IDS_SELECT_VIEW_ITEM},
    {DialogMessage::kTurboNeedsTracking, IDS_TURBO_NEEDS_TRACKING},
    {DialogMessage::kSelectStar, IDS_SELECT_STAR},
    {DialogMessage::kMustEnterLocationName, IDS_MUST_ENTER_LOCATION_NAME},
    {DialogMessage::kLatitudeRange, IDS_LATITUDE_RANGE},
    {DialogMessage::kLongitudeRange, IDS_LONGITUDE_RANGE},
    {DialogMessage::kElevationRange, IDS_ELEVATION_RANGE},
    {DialogMessage::kTimeZoneRange, IDS_TIME_ZONE_RANGE},
    {DialogMessage::kCannotLoadCityDatabase, IDS_CANNOT_LOAD_CITY_DATABASE},
    {DialogMessage::kCannotSaveCityDatabase, IDS_CANNOT_SAVE_CITY_DATABASE},
    {DialogMessage::kCannotCloseCityDatabase, IDS_CANNOT_CLOSE_CITY_DATABASE},
    {DialogMessage::kSaveCityDatabaseQuestion, IDS_SAVE_CITY_DATABASE_QUESTION},
};

constexpr int kMessageCount = sizeof kMessages / sizeof kMessages[0];

constexpr bool RowsInEnumerationOrder() {
    for (int i = 0; i < kMessageCount; ++i) {
        if (static_cast<int>(kMessages[i].message) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInEnumerationOrder(), "message rows must follow the enumeration");

int Index(DialogMessage message) {
    const int index = static_cast<int>(message);
    return index >= 0 && index < kMessageCount ? index : 0;
}

} // namespace

const char* DialogMessageText(DialogMessage message) {
    // Each text is loaded once and kept, so that the checks can hand it on as
    // a pointer that stays valid.
    static char texts[kMessageCount][kTextSize];
    static bool loaded[kMessageCount];
    const int index = Index(message);
    if (!loaded[index]) {
        LoadText(kMessages[index].stringId, texts[index], kTextSize);
        loaded[index] = true;
    }
    return texts[index];
}

int DialogMessageStringId(DialogMessage message) {
    return kMessages[Index(message)].stringId;
}
