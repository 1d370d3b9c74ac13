// The messages the input dialogs and the Set Location dialog show. Most of
// them have no number in the string table; those that have one carry it, so
// the shell can show them through the numbered error box. Windows-1252 text
// (byte 176 is the degree sign).
#pragma once

enum class DialogMessage : int {
    kNone = 0,
    kInvalidNumber,
    kInvalidDate,
    kYearRange,
    kBinaryStarYearRange,
    kMonthRange,
    kDayRange,
    kHourRange,
    kMinuteRange,
    kSecondRange,
    kTimeSpeedRange,
    kViewAngleRange,
    kStopMonthBeforeStart,
    kStopYearBeforeStart,
    kSelectPlanet,
    kSelectMoon,
    kSelectBinaryStar,
    kSelectViewItem,
    kTurboNeedsTracking,
    kSelectStar,
    kMustEnterLocationName,
    kLatitudeRange,
    kLongitudeRange,
    kElevationRange,
    kTimeZoneRange,
    kCannotLoadCityDatabase,
    kCannotSaveCityDatabase,
    kCannotCloseCityDatabase,
    kSaveCityDatabaseQuestion,
};

// The text of a message ("" for kNone).
const char* DialogMessageText(DialogMessage message);

// Its number in the string table, 0 when it has none.
int DialogMessageStringId(DialogMessage message);
