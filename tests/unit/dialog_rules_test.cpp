// What each input dialog accepts on OK, which field gets the blame when it
// refuses, and what it stores.

#include "dialog_test_support.h"

#include "engine/time.h"
#include "resources/dialog_ids.h"
#include "settings/dialog_rules.h"

#include <gtest/gtest.h>

namespace {

DialogParams Params() {
    return DefaultDialogParams(ClockJulianDayFrom(2024, 1, 30, 8, 15, 0));
}

void ExpectError(const FieldError& error, int control, DialogMessage message) {
    EXPECT_EQ(error.control, control);
    EXPECT_EQ(error.message, message) << DialogMessageText(error.message);
}

// Date and time fields filled with a valid date.
FakeDialogFields DateFields(const char* day = "14", const char* month = "3") {
    FakeDialogFields f;
    f.Set(IDC_DATE_YEAR, "2024")
        .Set(IDC_DATE_MONTH, month)
        .Set(IDC_DATE_DAY, day)
        .Set(IDC_DATE_HOUR, "21")
        .Set(IDC_DATE_MINUTE, "05");
    return f;
}

TEST(YearDialogs, YearOutsideTheRangeIsRefusedAndNothingStored) {
    DialogParams p = Params();
    FakeDialogFields f;
    ExpectError(AcceptYearDialog(f.Set(IDC_YEAR, "999"), p), IDC_YEAR, DialogMessage::kYearRange);
    ExpectError(AcceptYearDialog(f.Set(IDC_YEAR, "20x4"), p), IDC_YEAR,
                DialogMessage::kInvalidNumber);
    EXPECT_EQ(p.year, 2024);
    EXPECT_FALSE(AcceptYearDialog(f.Set(IDC_YEAR, "3000"), p));
    EXPECT_EQ(p.year, 3000);
}

TEST(YearDialogs, ChoosingFebruaryWithDayThirtyStoredRepairsTheDay) {
    DialogParams p = Params(); // day 30
    FakeDialogFields f;
    f.Set(IDC_YEAR, "2024").Set(IDC_START_MONTH, " 2");
    ASSERT_FALSE(AcceptYearMonthDialog(f, p));
    EXPECT_EQ(p.month, 2);
    EXPECT_EQ(p.day, 1);
}

TEST(YearDialogs, StopMonthBeforeStartMonthIsRefusedOnTheStopField) {
    DialogParams p = Params();
    FakeDialogFields f;
    f.Set(IDC_YEAR, "2024").Set(IDC_START_MONTH, "5").Set(IDC_STOP_MONTH, "4");
    const FieldError error = AcceptYearMonthRangeDialog(f, p);
    ExpectError(error, IDC_STOP_MONTH, DialogMessage::kStopMonthBeforeStart);
    EXPECT_TRUE(error.selectText);
    EXPECT_EQ(p.stopMonth, 12);
    ASSERT_FALSE(AcceptYearMonthRangeDialog(f.Set(IDC_STOP_MONTH, "5"), p)); // equal is fine
    EXPECT_EQ(p.month, 5);
    EXPECT_EQ(p.stopMonth, 5);
    ExpectError(AcceptYearMonthRangeDialog(f.Set(IDC_STOP_MONTH, "13"), p), IDC_STOP_MONTH,
                DialogMessage::kMonthRange);
}

TEST(YearDialogs, YearRangeChecksBothYearsThenTheOrder) {
    DialogParams p = Params();
    FakeDialogFields f;
    f.Set(IDC_RANGE_START_YEAR, "999").Set(IDC_RANGE_STOP_YEAR, "2000");
    ExpectError(AcceptYearRangeDialog(f, p), IDC_RANGE_START_YEAR, DialogMessage::kYearRange);
    f.Set(IDC_RANGE_START_YEAR, "2001");
    ExpectError(AcceptYearRangeDialog(f, p), IDC_RANGE_STOP_YEAR,
                DialogMessage::kStopYearBeforeStart);
    f.Set(IDC_RANGE_STOP_YEAR, "2101");
    ASSERT_FALSE(AcceptYearRangeDialog(f, p));
    EXPECT_EQ(p.year, 2001);
    EXPECT_EQ(p.stopYear, 2101);
}

FakeDialogFields PlanetsFields() {
    FakeDialogFields f;
    f.Set(IDC_YEAR, "2024").Set(IDC_START_MONTH, "1").Set(IDC_STOP_MONTH, "12");
    return f;
}

TEST(PlanetsDialog, WithoutEarthTheBoxesFromMercuryCountAndEarthIsLeftAlone) {
    DialogParams p = Params(); // Earth .. Pluto chosen
    p.includeEarth = 0;
    p.showMonthFields = 1;
    FakeDialogFields f = PlanetsFields();
    f.Check(IDC_PLANETS_EARTH); // hidden; must not matter
    ExpectError(AcceptPlanetsDialog(f, p), IDC_PLANETS_MERCURY, DialogMessage::kSelectPlanet);
    EXPECT_EQ(p.planetSet, 0x7FCu);
    f.Check(IDC_PLANETS_MERCURY + 3); // Jupiter
    ASSERT_FALSE(AcceptPlanetsDialog(f, p));
    EXPECT_EQ(p.planetSet, SetBit(2) | SetBit(6));
}

TEST(PlanetsDialog, DistanceFromTheEarthLeavesTheEarthOut) {
    DialogParams p = Params();
    p.includeEarth = 1;
    p.showDistance = 1;
    FakeDialogFields f = PlanetsFields();
    f.Check(IDC_PLANETS_FROM_EARTH).Check(IDC_PLANETS_EARTH);
    // Earth alone does not count while distances are from the Earth; the
    // Earth box is disabled, so the focus goes to Mercury.
    ExpectError(AcceptPlanetsDialog(f, p), IDC_PLANETS_MERCURY, DialogMessage::kSelectPlanet);
    f.Check(IDC_PLANETS_MERCURY + 1); // Venus
    ASSERT_FALSE(AcceptPlanetsDialog(f, p));
    EXPECT_EQ(p.planetSet, SetBit(4));
    EXPECT_EQ(p.distanceFromSun, 0);
}

TEST(PlanetsDialog, DistanceFromTheSunCountsTheEarth) {
    DialogParams p = Params();
    p.includeEarth = 1;
    p.showDistance = 1;
    FakeDialogFields f = PlanetsFields();
    f.Check(IDC_PLANETS_FROM_SUN);
    ExpectError(AcceptPlanetsDialog(f, p), IDC_PLANETS_EARTH, DialogMessage::kSelectPlanet);
    f.Check(IDC_PLANETS_EARTH);
    ASSERT_FALSE(AcceptPlanetsDialog(f, p));
    EXPECT_EQ(p.planetSet, SetBit(2));
    EXPECT_EQ(p.distanceFromSun, 1);
    EXPECT_TRUE(PlanetsEarthBoxEnabled(p, true));
    EXPECT_FALSE(PlanetsEarthBoxEnabled(p, false));
}

TEST(PlanetsDialog, MonthOrderIsCheckedBeforeThePlanets) {
    DialogParams p = Params();
    FakeDialogFields f = PlanetsFields();
    f.Set(IDC_START_MONTH, "5").Set(IDC_STOP_MONTH, "4");
    ExpectError(AcceptPlanetsDialog(f, p), IDC_STOP_MONTH, DialogMessage::kStopMonthBeforeStart);
}

TEST(PlanetAngleDialog, TheMainPlanetIsNeverOneOfTheOthers) {
    DialogParams p = Params();
    FakeDialogFields f;
    f.Set(IDC_YEAR, "2024").Set(IDC_START_MONTH, "6");
    f.Check(PlanetAngleMainButton(3)).Check(PlanetAngleOtherBox(3));
    // Mercury is the main planet: the message points at Venus's box.
    ExpectError(AcceptPlanetAngleDialog(f, p), PlanetAngleOtherBox(4),
                DialogMessage::kSelectPlanet);
    f.Check(PlanetAngleMainButton(3), false).Check(PlanetAngleMainButton(5));
    f.Check(PlanetAngleOtherBox(3), false).Check(PlanetAngleOtherBox(5));
    ExpectError(AcceptPlanetAngleDialog(f, p), PlanetAngleOtherBox(3),
                DialogMessage::kSelectPlanet);
    f.Check(PlanetAngleOtherBox(10));
    ASSERT_FALSE(AcceptPlanetAngleDialog(f, p));
    EXPECT_EQ(p.mainPlanet, 5);
    EXPECT_EQ(p.planetSet, SetBit(2) | SetBit(10)); // Earth untouched, Pluto chosen
    EXPECT_EQ(p.month, 6);
}

TEST(PlanetApsidesDialog, YearsAndTheInnerPlanetsToSaturn) {
    DialogParams p = Params();
    FakeDialogFields f;
    f.Set(IDC_APSIDES_START_YEAR, "2000").Set(IDC_APSIDES_STOP_YEAR, "1999");
    ExpectError(AcceptPlanetApsidesDialog(f, p), IDC_APSIDES_STOP_YEAR,
                DialogMessage::kStopYearBeforeStart);
    f.Set(IDC_APSIDES_STOP_YEAR, "2010");
    const FieldError error = AcceptPlanetApsidesDialog(f, p);
    ExpectError(error, IDC_APSIDES_FIRST_BOX, DialogMessage::kSelectPlanet);
    EXPECT_FALSE(error.selectText);
    f.Check(IDC_APSIDES_LAST_BOX); // Saturn
    ASSERT_FALSE(AcceptPlanetApsidesDialog(f, p));
    EXPECT_EQ(p.planetSet, SetBit(7) | SetBit(8) | SetBit(9) | SetBit(10));
    EXPECT_EQ(p.year, 2000);
    EXPECT_EQ(p.stopYear, 2010);
}

TEST(JupiterMoonsDialogs, AtLeastOneMoon) {
    DialogParams p = Params();
    FakeDialogFields f;
    f.Set(IDC_YEAR, "2024").Set(IDC_JM_GRAPH_MONTH, "13");
    ExpectError(AcceptJupiterMoonsGraphDialog(f, p), IDC_JM_GRAPH_MONTH,
                DialogMessage::kMonthRange);
    f.Set(IDC_JM_GRAPH_MONTH, "2");
    ExpectError(AcceptJupiterMoonsGraphDialog(f, p), IDC_JM_FIRST_MOON, DialogMessage::kSelectMoon);
    f.Check(IDC_JM_FIRST_MOON + 2);
    ASSERT_FALSE(AcceptJupiterMoonsGraphDialog(f, p));
    EXPECT_EQ(p.moonSet, 0xFFF0u | SetBit(2)); // bits beyond Callisto stay
    EXPECT_EQ(p.labelMoons, 0);
    EXPECT_EQ(p.day, 1); // 30 February repaired

    FakeDialogFields m = DateFields();
    m.Set(IDC_TIME_SPEED, "-64").Check(IDC_JM_LABEL_MOONS);
    ExpectError(AcceptJupiterMoonsMovieDialog(m, p), IDC_JM_FIRST_MOON, DialogMessage::kSelectMoon);
    m.Check(IDC_JM_FIRST_MOON);
    ASSERT_FALSE(AcceptJupiterMoonsMovieDialog(m, p));
    EXPECT_EQ(p.timeSpeed, -64);
    EXPECT_EQ(p.labelMoons, 1);
    EXPECT_EQ(p.moonSet & 0xFu, 1u);
}

TEST(DateDialogs, ThirtyFirstOfFebruaryIsAnInvalidDateOnTheDayField) {
    DialogParams p = Params();
    FakeDialogFields f = DateFields("31", "2");
    const FieldError error = AcceptDayNightMovieDialog(f, p);
    ExpectError(error, IDC_DATE_DAY, DialogMessage::kInvalidDate);
    EXPECT_TRUE(error.selectText);
    EXPECT_EQ(p.month, 1);
}

TEST(DateDialogs, FieldsAreCheckedInTheirOrder) {
    DialogParams p = Params();
    FakeDialogFields f = DateFields();
    f.Set(IDC_DATE_HOUR, "24").Set(IDC_DATE_MINUTE, "x");
    ExpectError(AcceptDayNightMovieDialog(f, p), IDC_DATE_HOUR, DialogMessage::kHourRange);
    f.Set(IDC_DATE_HOUR, "0");
    ExpectError(AcceptDayNightMovieDialog(f, p), IDC_DATE_MINUTE, DialogMessage::kInvalidNumber);
    f.Set(IDC_DATE_MINUTE, "59").Set(IDC_DATE_DAY, "32");
    ExpectError(AcceptDayNightMovieDialog(f, p), IDC_DATE_DAY, DialogMessage::kDayRange);
}

TEST(DateDialogs, DayNightStoresDateTimeAndSpeed) {
    DialogParams p = Params();
    FakeDialogFields f = DateFields();
    f.Check(IDC_DN_FIRST_SPEED + 2); // "1 Day"
    ASSERT_FALSE(AcceptDayNightMovieDialog(f, p));
    EXPECT_EQ(p.year, 2024);
    EXPECT_EQ(p.month, 3);
    EXPECT_EQ(p.day, 14);
    EXPECT_EQ(p.hour, 21);
    EXPECT_EQ(p.minute, 5);
    EXPECT_EQ(p.dayNightSpeed, 2);
}

TEST(EclipticDialog, TimeSpeedLimitsAndPlanets) {
    DialogParams p = Params();
    FakeDialogFields f = DateFields();
    f.Set(IDC_VIEW_ANGLE, "45");
    for (const char* speed : {"-64", "64"}) {
        f.Set(IDC_TIME_SPEED, speed);
        ExpectError(AcceptEclipticMovieDialog(f, p), IDC_EC_FIRST_BOX,
                    DialogMessage::kSelectPlanet); // speed passed, planets next
    }
    ExpectError(AcceptEclipticMovieDialog(f.Set(IDC_TIME_SPEED, "65"), p), IDC_TIME_SPEED,
                DialogMessage::kTimeSpeedRange);
    ExpectError(AcceptEclipticMovieDialog(f.Set(IDC_TIME_SPEED, "abc"), p), IDC_TIME_SPEED,
                DialogMessage::kInvalidNumber);
    ExpectError(AcceptEclipticMovieDialog(f.Set(IDC_TIME_SPEED, "3").Set(IDC_VIEW_ANGLE, "4"), p),
                IDC_VIEW_ANGLE, DialogMessage::kViewAngleRange);
    f.Set(IDC_VIEW_ANGLE, "5").Check(IDC_EC_LAST_BOX).Check(IDC_EC_LABEL_PLANETS);
    ASSERT_FALSE(AcceptEclipticMovieDialog(f, p));
    EXPECT_EQ(p.planetSet, SetBit(10));
    EXPECT_EQ(p.timeSpeed, 3);
    EXPECT_EQ(p.viewAngle, 5);
    EXPECT_EQ(p.labelPlanets, 1);
}

TEST(EclipticDialog, EclipticSideHidesTheViewAngle) {
    DialogParams p = Params();
    p.titleId = 64;
    EXPECT_TRUE(EclipticMovieHidesViewAngle(p));
    p.titleId = 63;
    EXPECT_FALSE(EclipticMovieHidesViewAngle(p));
}

TEST(BinaryStarDialog, ItsOwnYearRangeAndAStar) {
    DialogParams p = Params();
    FakeDialogFields f;
    f.Set(IDC_BS_YEAR, "-4001").Set(IDC_TIME_SPEED, "1").Set(IDC_VIEW_ANGLE, "90");
    ExpectError(AcceptBinaryStarMovieDialog(f, p), IDC_BS_YEAR,
                DialogMessage::kBinaryStarYearRange);
    f.Set(IDC_BS_YEAR, "-4000");
    ExpectError(AcceptBinaryStarMovieDialog(f, p), IDC_BS_STAR_LIST,
                DialogMessage::kSelectBinaryStar);
    f.Select(IDC_BS_STAR_LIST, 9);
    ASSERT_FALSE(AcceptBinaryStarMovieDialog(f, p));
    EXPECT_EQ(p.binaryStarYear, -4000);
    EXPECT_EQ(p.year, 2024); // the other dialogs' year is not touched
    EXPECT_EQ(p.binaryStar, 9);
    ASSERT_FALSE(AcceptBinaryStarMovieDialog(f.Set(IDC_BS_YEAR, "32000"), p));
    EXPECT_EQ(p.binaryStarYear, 32000);
    EXPECT_EQ(BinaryStarNameId(0), 94);
    EXPECT_EQ(BinaryStarNameId(9), 103);
}

FakeDialogFields PlanetariumFields() {
    FakeDialogFields f = DateFields();
    f.Set(IDC_PL_TIME_SPEED, "1").Set(IDC_PL_VIEW_ANGLE, "60");
    f.Check(IDC_PL_VIEW_SUN_MOON).Select(IDC_PL_STAR_LIST, 17);
    return f;
}

TEST(PlanetariumDialog, TurboWithTheSunTrackedBlamesTheSunButton) {
    DialogParams p = Params();
    FakeDialogFields f = PlanetariumFields();
    f.Check(PlanetariumBodyButton(0)).Check(IDC_PL_TRACK_BODY).Check(IDC_PL_TURBO);
    ExpectError(AcceptPlanetariumDialog(f, p), PlanetariumBodyButton(0),
                DialogMessage::kTurboNeedsTracking);
    f.Check(PlanetariumBodyButton(0), false).Check(PlanetariumBodyButton(1));
    ExpectError(AcceptPlanetariumDialog(f, p), PlanetariumBodyButton(1),
                DialogMessage::kTurboNeedsTracking);
    f.Check(PlanetariumBodyButton(1), false).Check(PlanetariumBodyButton(kStarBody));
    EXPECT_FALSE(AcceptPlanetariumDialog(f, p));
}

TEST(PlanetariumDialog, TurboWithoutTrackingBlamesTheTrackBox) {
    DialogParams p = Params();
    FakeDialogFields f = PlanetariumFields();
    f.Check(PlanetariumBodyButton(6)).Check(IDC_PL_TURBO);
    ExpectError(AcceptPlanetariumDialog(f, p), IDC_PL_TRACK_BODY,
                DialogMessage::kTurboNeedsTracking);
}

TEST(PlanetariumDialog, SomethingMustBeViewedAndAStarSelected) {
    DialogParams p = Params();
    FakeDialogFields f = PlanetariumFields();
    f.Check(IDC_PL_VIEW_SUN_MOON, false).Check(PlanetariumBodyButton(0));
    ExpectError(AcceptPlanetariumDialog(f, p), IDC_PL_VIEW_SUN_MOON,
                DialogMessage::kSelectViewItem);
    f.Check(IDC_PL_VIEW_STARS).Select(IDC_PL_STAR_LIST, -1);
    ExpectError(AcceptPlanetariumDialog(f, p), IDC_PL_STAR_LIST, DialogMessage::kSelectStar);
    // The date is checked before the star.
    f.Set(IDC_DATE_DAY, "30").Set(IDC_DATE_MONTH, "2");
    ExpectError(AcceptPlanetariumDialog(f, p), IDC_DATE_DAY, DialogMessage::kInvalidDate);
}

TEST(PlanetariumDialog, StoresTheViewTrackingAndStar) {
    DialogParams p = Params();
    FakeDialogFields f = PlanetariumFields();
    f.Check(PlanetariumBodyButton(kStarBody))
        .Check(IDC_PL_VIEW_STARS)
        .Check(IDC_PL_LABEL_PLANETS, false);
    ASSERT_FALSE(AcceptPlanetariumDialog(f, p));
    EXPECT_EQ(p.skySet, SetBit(0) | SetBit(1) | SetBit(kStarBody));
    EXPECT_EQ(p.trackedBody, kStarBody);
    EXPECT_EQ(p.noTracking, 1);
    EXPECT_EQ(p.turbo, 0);
    EXPECT_EQ(p.star, 17);
    EXPECT_EQ(p.labelPlanets, 0);
    EXPECT_EQ(p.viewAngle, 60);

    f.Check(IDC_PL_VIEW_SUN_MOON, false).Check(IDC_PL_VIEW_STARS, false);
    f.Check(IDC_PL_VIEW_PLANETS).Check(IDC_PL_TRACK_BODY).Check(IDC_PL_TURBO);
    ASSERT_FALSE(AcceptPlanetariumDialog(f, p));
    EXPECT_EQ(p.skySet, 0x7F8u); // Mercury .. Pluto
    EXPECT_EQ(p.noTracking, 0);
    EXPECT_EQ(p.turbo, 1);
    EXPECT_TRUE(PlanetariumViewsPlanets(p.skySet));
    EXPECT_FALSE(PlanetariumViewsSunMoon(p.skySet));
    EXPECT_FALSE(PlanetariumViewsStars(p.skySet));
}

TEST(PlanetariumDialog, BodyButtonsSkipTheEarth) {
    EXPECT_FALSE(PlanetariumHasBodyButton(2));
    EXPECT_TRUE(PlanetariumHasBodyButton(0));
    EXPECT_TRUE(PlanetariumHasBodyButton(kStarBody));
    EXPECT_EQ(PlanetariumBodyButton(kStarBody), IDC_PL_LAST_BODY);
    EXPECT_TRUE(PlanetariumShowsStarList(kStarBody));
    EXPECT_FALSE(PlanetariumShowsStarList(10));
}

} // namespace
