// The messages the input dialogs and the Set Location dialog show, each a
// string of the table (Windows-1252 text: byte 176 is the degree sign).
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

// The text of a message ("" for kNone), valid for the whole run.
const char* DialogMessageText(DialogMessage message);

// Its number in the string table; -1, no string, for kNone.
int DialogMessageStringId(DialogMessage message);
