// The Set Location dialog and the city database it edits: what the fields
// show, what OK accepts, and when the database counts as modified.

#include "dialog_test_support.h"

#include "resources/dialog_ids.h"
#include "settings/location_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char kCities[] = "Paris\n"
                       "Greenwich           |51|28|38|N|  0| 0| 2|W|  47|0.00\n"
                       "Paris               |48|51|24|N|  2|21| 3|E|  35|1.00\n"
                       "Kathmandu           |27|42|32|N| 85|19|26|E|1400|5.75\n";

CityDatabase Cities() {
    CityDatabase db;
    Location observer{};
    const std::string text = kCities;
    LoadCityDatabaseText(&text, db, observer);
    return db;
}

// The dialog's fields as they would be filled for an entry.
FakeDialogFields FieldsFor(const std::string& name, const CityEntry& e, char separator = '.') {
    const LocationFieldTexts t = LocationFieldsFromEntry(e, separator);
    FakeDialogFields f;
    f.Set(IDC_LOC_NAME, name)
        .Set(IDC_LOC_LAT_DEGREES, t.latitudeDegrees)
        .Set(IDC_LOC_LAT_MINUTES, t.latitudeMinutes)
        .Set(IDC_LOC_LAT_SECONDS, t.latitudeSeconds)
        .Set(IDC_LOC_LON_DEGREES, t.longitudeDegrees)
        .Set(IDC_LOC_LON_MINUTES, t.longitudeMinutes)
        .Set(IDC_LOC_LON_SECONDS, t.longitudeSeconds)
        .Set(IDC_LOC_ELEVATION, t.elevation)
        .Set(IDC_LOC_TIME_ZONE, t.timeZone);
    f.Check(IDC_LOC_SOUTH, t.latitudeHemisphere == kSouth);
    f.Check(IDC_LOC_NORTH, t.latitudeHemisphere == kNorth);
    f.Check(IDC_LOC_EAST, t.longitudeHemisphere == kEast);
    f.Check(IDC_LOC_WEST, t.longitudeHemisphere == kWest);
    return f;
}

FakeDialogFields NewPlaceFields(const std::string& name) {
    return FieldsFor(name, CityEntry{});
}

void ExpectRefused(FakeDialogFields& f, int control, DialogMessage message, char separator = '.') {
    CityEntry entry{};
    const FieldError error = AcceptLocationDialog(f, separator, entry);
    EXPECT_EQ(error.control, control);
    EXPECT_EQ(error.message, message) << DialogMessageText(error.message);
    EXPECT_TRUE(error.selectText);
}

void ExpectAccepted(FakeDialogFields& f, CityEntry& entry, char separator = '.') {
    const FieldError error = AcceptLocationDialog(f, separator, entry);
    EXPECT_FALSE(error) << DialogMessageText(error.message) << " on " << error.control;
}

TEST(LocationFields, KnownEntryFillsTheFields) {
    const CityDatabase db = Cities();
    const LocationFieldTexts t = LocationFieldsFromEntry(db.entries[2], ',');
    EXPECT_EQ(t.latitudeDegrees, "27");
    EXPECT_EQ(t.latitudeMinutes, "42");
    EXPECT_EQ(t.longitudeDegrees, "85");
    EXPECT_EQ(t.elevation, "1400");
    EXPECT_EQ(t.timeZone, "5,75");
    EXPECT_EQ(t.latitudeHemisphere, kNorth);
    EXPECT_EQ(t.longitudeHemisphere, kEast);
    const LocationFieldTexts g = LocationFieldsFromEntry(db.entries[0], '.');
    EXPECT_EQ(g.longitudeDegrees, "0");
    EXPECT_EQ(g.longitudeMinutes, "00");
    EXPECT_EQ(g.longitudeSeconds, "02");
    EXPECT_EQ(g.timeZone, "0.00");
}

TEST(LocationFields, ClearedFieldsAreZeroNorthWest) {
    const LocationFieldTexts t = ClearedLocationFields('.');
    EXPECT_EQ(t.latitudeDegrees, "0");
    EXPECT_EQ(t.latitudeMinutes, "00");
    EXPECT_EQ(t.elevation, "0");
    EXPECT_EQ(t.timeZone, "0.00");
    EXPECT_EQ(t.latitudeHemisphere, kNorth);
    EXPECT_EQ(t.longitudeHemisphere, kWest);
}

TEST(LocationNameShown, EachNewNameCountsOnceLetterCaseAside) {
    std::string last;
    EXPECT_TRUE(TakeShownLocationName(last, "Paris"));
    EXPECT_EQ(last, "Paris");
    EXPECT_FALSE(TakeShownLocationName(last, "  paris "));
    EXPECT_TRUE(TakeShownLocationName(last, "Pari"));  // a keystroke back: new name
    EXPECT_TRUE(TakeShownLocationName(last, "Paris")); // and forward again
    EXPECT_TRUE(TakeShownLocationName(last, ""));
    EXPECT_FALSE(TakeShownLocationName(last, "   "));
}

TEST(LocationNames, BlanksAreTrimmedAndCollapsed) {
    CityDatabase db = Cities();
    FakeDialogFields f = NewPlaceFields("  New   York ");
    CityEntry entry{};
    ExpectAccepted(f, entry);
    EXPECT_STREQ(entry.name, "New York");
    const Location loc = ApplyLocationDialog(db, entry);
    EXPECT_STREQ(loc.name, "New York");
    EXPECT_EQ(FindCityEntry(db, "New York"), 3);
    EXPECT_EQ(FindCityEntry(db, " new  york"), 3);
}

TEST(LocationNames, TwentyFiveCharactersAreCutToTwenty) {
    CityDatabase db = Cities();
    FakeDialogFields f = NewPlaceFields("Abcdefghijklmnopqrstuvwxy");
    CityEntry entry{};
    ExpectAccepted(f, entry);
    EXPECT_STREQ(entry.name, "Abcdefghijklmnopqrst");
    EXPECT_STREQ(ApplyLocationDialog(db, entry).name, "Abcdefghijklmnopqrst");
}

TEST(LocationNames, EmptyNameIsRefused) {
    FakeDialogFields f = NewPlaceFields("   ");
    ExpectRefused(f, IDC_LOC_NAME, DialogMessage::kMustEnterLocationName);
    FakeDialogFields g = NewPlaceFields("|");
    ExpectRefused(g, IDC_LOC_NAME, DialogMessage::kMustEnterLocationName);
}

TEST(LocationNames, LookupIgnoresCaseButTheTypedCaseIsStored) {
    CityDatabase db = Cities();
    const int paris = FindCityEntry(db, "paris");
    ASSERT_EQ(paris, 1);
    FakeDialogFields f = FieldsFor("paris", db.entries[paris]);
    CityEntry entry{};
    ExpectAccepted(f, entry);
    ApplyLocationDialog(db, entry);
    EXPECT_EQ(db.entries.size(), 3u);
    EXPECT_STREQ(db.entries[paris].name, "paris");
    EXPECT_TRUE(db.modified);
    EXPECT_EQ(db.currentName, "Paris"); // the same place, letter case aside
}

TEST(LocationModified, OkWithoutChangesLeavesTheFlagClear) {
    CityDatabase db = Cities();
    for (int i : {1, 2}) { // time zones 1.00 and 5.75
        db.currentName = db.entries[i].name;
        FakeDialogFields f = FieldsFor(db.entries[i].name, db.entries[i]);
        CityEntry entry{};
        ExpectAccepted(f, entry);
        const Location loc = ApplyLocationDialog(db, entry);
        EXPECT_FALSE(db.modified) << db.entries[i].name;
        EXPECT_DOUBLE_EQ(loc.timeZone, db.entries[i].timeZone);
    }
}

TEST(LocationModified, ChoosingAnotherCitySetsTheFlag) {
    CityDatabase db = Cities();
    ASSERT_EQ(db.currentName, "Paris");
    FakeDialogFields f = FieldsFor("Greenwich", db.entries[0]);
    CityEntry entry{};
    ExpectAccepted(f, entry);
    const Location loc = ApplyLocationDialog(db, entry);
    EXPECT_TRUE(db.modified);
    EXPECT_EQ(db.currentName, "Greenwich");
    EXPECT_STREQ(loc.name, "Greenwich");
    EXPECT_NEAR(loc.latitude, 51 + 28 / 60.0 + 38 / 3600.0, 1e-12);
    EXPECT_NEAR(loc.longitude, 2 / 3600.0, 1e-12);
    EXPECT_EQ(loc.longitudeHemisphere, kWest);
    EXPECT_TRUE(CityDatabaseNeedsSaving(db));
}

TEST(LocationModified, ChangingAValueSetsTheFlag) {
    CityDatabase db = Cities();
    FakeDialogFields f = FieldsFor("Paris", db.entries[1]);
    f.Set(IDC_LOC_ELEVATION, "36");
    CityEntry entry{};
    ExpectAccepted(f, entry);
    ApplyLocationDialog(db, entry);
    EXPECT_TRUE(db.modified);
    EXPECT_EQ(db.entries[1].elevation, 36);
}

TEST(LocationLimits, NinetyAndOneEightyDegreesExactly) {
    FakeDialogFields f = NewPlaceFields("Pole");
    CityEntry entry{};
    f.Set(IDC_LOC_LAT_DEGREES, "90");
    ExpectAccepted(f, entry);
    f.Set(IDC_LOC_LAT_SECONDS, "1");
    ExpectRefused(f, IDC_LOC_LAT_DEGREES, DialogMessage::kLatitudeRange);
    f.Set(IDC_LOC_LAT_SECONDS, "0").Set(IDC_LOC_LON_DEGREES, "180");
    ExpectAccepted(f, entry);
    EXPECT_EQ(entry.longitudeDegrees, 180);
    f.Set(IDC_LOC_LON_MINUTES, "1");
    ExpectRefused(f, IDC_LOC_LON_DEGREES, DialogMessage::kLongitudeRange);
    f.Set(IDC_LOC_LON_MINUTES, "0").Set(IDC_LOC_LON_DEGREES, "181");
    ExpectRefused(f, IDC_LOC_LON_DEGREES, DialogMessage::kLongitudeRange);
    f.Set(IDC_LOC_LON_DEGREES, "0").Set(IDC_LOC_LAT_DEGREES, "91");
    ExpectRefused(f, IDC_LOC_LAT_DEGREES, DialogMessage::kLatitudeRange);
    f.Set(IDC_LOC_LAT_DEGREES, "0").Set(IDC_LOC_LAT_MINUTES, "60");
    ExpectRefused(f, IDC_LOC_LAT_MINUTES, DialogMessage::kMinuteRange);
    f.Set(IDC_LOC_LAT_MINUTES, "0").Set(IDC_LOC_LON_SECONDS, "60");
    ExpectRefused(f, IDC_LOC_LON_SECONDS, DialogMessage::kSecondRange);
}

TEST(LocationLimits, TimeZoneFromMinusTwelveToTwelve) {
    FakeDialogFields f = NewPlaceFields("Zone");
    CityEntry entry{};
    for (const char* good : {"12", "-12", "12.00", "0"}) {
        f.Set(IDC_LOC_TIME_ZONE, good);
        ExpectAccepted(f, entry);
    }
    for (const char* bad : {"12.5", "-12.01", "13"}) {
        f.Set(IDC_LOC_TIME_ZONE, bad);
        ExpectRefused(f, IDC_LOC_TIME_ZONE, DialogMessage::kTimeZoneRange);
    }
    f.Set(IDC_LOC_TIME_ZONE, "five");
    ExpectRefused(f, IDC_LOC_TIME_ZONE, DialogMessage::kInvalidNumber);
}

TEST(LocationLimits, CommaSeparatorReadsFiveAndAHalf) {
    FakeDialogFields f = NewPlaceFields("Delhi");
    f.Set(IDC_LOC_TIME_ZONE, "5,5");
    CityEntry entry{};
    ExpectAccepted(f, entry, ',');
    EXPECT_EQ(entry.timeZone, 5.5);
    // With the point as separator the comma is not a number.
    ExpectRefused(f, IDC_LOC_TIME_ZONE, DialogMessage::kInvalidNumber, '.');
}

TEST(LocationLimits, ElevationFromMinus400To8900Metres) {
    FakeDialogFields f = NewPlaceFields("Height");
    CityEntry entry{};
    for (const char* good : {"-400", "8900"}) {
        f.Set(IDC_LOC_ELEVATION, good);
        ExpectAccepted(f, entry);
    }
    EXPECT_EQ(entry.elevation, 8900);
    for (const char* bad : {"-401", "8901"}) {
        f.Set(IDC_LOC_ELEVATION, bad);
        ExpectRefused(f, IDC_LOC_ELEVATION, DialogMessage::kElevationRange);
    }
    f.Set(IDC_LOC_ELEVATION, "12a");
    ExpectRefused(f, IDC_LOC_ELEVATION, DialogMessage::kInvalidNumber);
}

TEST(LocationLimits, IntegersAreCheckedBeforeTheTimeZoneAndTheNinetyRule) {
    FakeDialogFields f = NewPlaceFields("Order");
    f.Set(IDC_LOC_LAT_DEGREES, "90").Set(IDC_LOC_LAT_MINUTES, "5");
    f.Set(IDC_LOC_TIME_ZONE, "x").Set(IDC_LOC_ELEVATION, "9000");
    ExpectRefused(f, IDC_LOC_ELEVATION, DialogMessage::kElevationRange);
    f.Set(IDC_LOC_ELEVATION, "0");
    ExpectRefused(f, IDC_LOC_TIME_ZONE, DialogMessage::kInvalidNumber);
    f.Set(IDC_LOC_TIME_ZONE, "0");
    ExpectRefused(f, IDC_LOC_LAT_DEGREES, DialogMessage::kLatitudeRange);
}

TEST(LocationHemispheres, TakenFromTheButtons) {
    FakeDialogFields f = NewPlaceFields("Santiago");
    f.Check(IDC_LOC_NORTH, false).Check(IDC_LOC_SOUTH).Check(IDC_LOC_WEST);
    CityEntry entry{};
    ExpectAccepted(f, entry);
    EXPECT_EQ(entry.latitudeHemisphere, kSouth);
    EXPECT_EQ(entry.longitudeHemisphere, kWest);
    f.Check(IDC_LOC_WEST, false).Check(IDC_LOC_EAST);
    ExpectAccepted(f, entry);
    EXPECT_EQ(entry.longitudeHemisphere, kEast);
}

TEST(CityDatabaseLoad, MissingFileGivesNoNameAtZeroNorthWest) {
    CityDatabase db;
    Location observer{};
    observer.elevation = 99;
    LoadCityDatabaseText(nullptr, db, observer);
    ASSERT_EQ(db.entries.size(), 1u);
    EXPECT_EQ(db.currentName, "No name");
    EXPECT_STREQ(observer.name, "No name");
    EXPECT_EQ(observer.latitude, 0.0);
    EXPECT_EQ(observer.latitudeHemisphere, kNorth);
    EXPECT_EQ(observer.longitudeHemisphere, kWest);
    EXPECT_EQ(observer.elevation, 0);
    EXPECT_FALSE(db.modified);
}

TEST(CityDatabaseLoad, CurrentEntryBecomesTheObserverAndLoadingIsNoChange) {
    CityDatabase db;
    Location observer{};
    const std::string text = "kathmandu\n"
                             "Paris|48|51|24|n|2|21|3|e|35|1\n"
                             "Kathmandu|27|42|32|N|85|19|26|E|1400|5.75\n"
                             "Santiago|33|26|56|s|70|38|58|w|570|-4\n";
    LoadCityDatabaseText(&text, db, observer);
    EXPECT_STREQ(observer.name, "Kathmandu");
    EXPECT_EQ(observer.timeZone, 5.75);
    EXPECT_EQ(observer.elevation, 1400);
    EXPECT_EQ(db.entries[2].latitudeHemisphere, kSouth); // lower-case s
    EXPECT_FALSE(db.modified);
    EXPECT_FALSE(CityDatabaseNeedsSaving(db));
}

TEST(CityStore, FileModeAppendsEveryEntryDialogModeUpdates) {
    CityDatabase db = Cities();
    CityEntry dup = db.entries[0];
    StoreCityEntry(db, CityStoreMode::kFile, dup);
    EXPECT_EQ(db.entries.size(), 4u);
    EXPECT_FALSE(db.modified);
    dup.elevation = 48;
    EXPECT_EQ(StoreCityEntry(db, CityStoreMode::kDialog, dup), 0); // the first of that name
    EXPECT_EQ(db.entries.size(), 4u);
    EXPECT_EQ(db.entries[0].elevation, 48);
    EXPECT_EQ(db.entries[3].elevation, 47);
    EXPECT_TRUE(db.modified);
}

TEST(CityStore, ANewPlaceIsAppendedAndBecomesCurrent) {
    CityDatabase db = Cities();
    CityEntry e{};
    std::strcpy(e.name, "Reykjavik");
    e.latitudeDegrees = 64;
    e.latitudeHemisphere = kNorth;
    e.longitudeHemisphere = kWest;
    const int index = StoreCityEntry(db, CityStoreMode::kDialog, e);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(db.currentName, "Reykjavik");
    EXPECT_TRUE(db.modified);
}

} // namespace
