// The record the input dialogs share: its initial values from the clock, the
// date rules, and how numbers and dates appear in the fields.

#include "report_test_support.h"

#include "engine/time.h"
#include "settings/dialog_params.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void ExpectDateTime(const DialogDateTime& t, int year, int month, int day, int hour, int minute) {
    EXPECT_EQ(t.year, year);
    EXPECT_EQ(t.month, month);
    EXPECT_EQ(t.day, day);
    EXPECT_EQ(t.hour, hour);
    EXPECT_EQ(t.minute, minute);
}

TEST(DialogClock, JulianDayGivesTheDateAndTheTimeCutToTheMinute) {
    // Meeus, Astronomical Algorithms, example 7.a: 1957 October 4.81 is
    // JD 2436116.31; 0.81 of a day is 19 h 26.4 min.
    ExpectDateTime(DateTimeFromJulianDay(2436116.31), 1957, 10, 4, 19, 26);
    // J2000.0: 2000 January 1, 12:00.
    ExpectDateTime(DateTimeFromJulianDay(2451545.0), 2000, 1, 1, 12, 0);
}

TEST(DialogClock, EveryClockMinuteOfADayReadsBackUnchanged) {
    // The Julian day of a whole-minute reading is often a hair below the
    // minute; cut naively, about one minute in six would show a minute
    // early. Days of several eras, seconds at both ends of the minute.
    for (int year : {1999, 2024, 2999}) {
        for (int hour = 0; hour < 24; ++hour) {
            for (int minute = 0; minute < 60; ++minute) {
                for (int second : {0, 59}) {
                    const double jd = ClockJulianDayFrom(year, 3, 17, hour, minute, second);
                    const DialogDateTime t = DateTimeFromJulianDay(jd);
                    ASSERT_EQ(t.hour * 60 + t.minute, hour * 60 + minute)
                        << year << " " << hour << ":" << minute << ":" << second;
                    ASSERT_EQ(t.day, 17);
                }
            }
        }
    }
}

TEST(DialogClock, LastSecondOfTheYearStaysInTheYear) {
    ExpectDateTime(DateTimeFromJulianDay(ClockJulianDayFrom(2024, 12, 31, 23, 59, 59)), 2024, 12,
                   31, 23, 59);
    ExpectDateTime(DateTimeFromJulianDay(ClockJulianDayFrom(2025, 1, 1, 0, 0, 0)), 2025, 1, 1, 0,
                   0);
}

TEST(DialogDefaults, InitialValuesOfTheRecord) {
    const DialogParams p = DefaultDialogParams(ClockJulianDayFrom(2024, 2, 29, 10, 30, 0));
    EXPECT_EQ(p.year, 2024);
    EXPECT_EQ(p.month, 2);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.hour, 10);
    EXPECT_EQ(p.minute, 30);
    EXPECT_EQ(p.stopMonth, 12);
    EXPECT_EQ(p.stopYear, 2024);
    EXPECT_EQ(p.binaryStarYear, 2024);
    EXPECT_EQ(p.timeSpeed, 64);
    EXPECT_EQ(p.viewAngle, 90);
    EXPECT_EQ(p.planetSet, 0x7FCu); // Earth .. Pluto
    EXPECT_EQ(p.skySet, 0xFFBu);    // Sun, Moon, Mercury .. Pluto, stars
    EXPECT_EQ(p.moonSet, 0xFFFFu);  // bits 0 .. 15
    EXPECT_EQ(p.distanceFromSun, 0);
    EXPECT_EQ(p.mainPlanet, 3);
    EXPECT_EQ(p.trackedBody, 0);
    EXPECT_EQ(p.noTracking, 1);
    EXPECT_EQ(p.turbo, 0);
    EXPECT_EQ(p.dayNightSpeed, 4);
    EXPECT_EQ(p.labelPlanets, 1);
    EXPECT_EQ(p.labelMoons, 1);
    EXPECT_EQ(p.binaryStar, 0);
    EXPECT_EQ(p.star, -1);
}

TEST(DialogDefaults, SettingThemResetsTheSharedRecordAndTheCancelledFlag) {
    CurrentDialogParams.year = 1234;
    CurrentDialogParams.timeSpeed = -3;
    DialogCancelled = 1;
    SetDialogDefaults(ClockJulianDayFrom(2030, 6, 1, 0, 0, 0));
    EXPECT_EQ(CurrentDialogParams.year, 2030);
    EXPECT_EQ(CurrentDialogParams.timeSpeed, 64);
    EXPECT_EQ(DialogCancelled, 0);
}

TEST(DialogDates, ImpossibleDatesAreRefused) {
    EXPECT_FALSE(IsValidDialogDate(31, 2, 2024));
    EXPECT_FALSE(IsValidDialogDate(29, 2, 2023));
    EXPECT_TRUE(IsValidDialogDate(29, 2, 2024));
    EXPECT_FALSE(IsValidDialogDate(31, 4, 2024));
    EXPECT_TRUE(IsValidDialogDate(31, 12, 3000));
    // The days dropped at the Gregorian reform do not exist.
    EXPECT_FALSE(IsValidDialogDate(10, 10, 1582));
    EXPECT_TRUE(IsValidDialogDate(15, 10, 1582));
}

TEST(DialogDates, DayRepairAfterChoosingAShorterMonth) {
    DialogParams p = DefaultDialogParams(ClockJulianDayFrom(2024, 1, 30, 0, 0, 0));
    p.month = 2;
    RepairDialogDay(p);
    EXPECT_EQ(p.day, 1);

    p.day = 29;
    p.year = 2024;
    RepairDialogDay(p);
    EXPECT_EQ(p.day, 29); // a leap day stays
    p.year = 2023;
    RepairDialogDay(p);
    EXPECT_EQ(p.day, 1);
}

TEST(DialogRanges, ReversedRangesAreSwappedOnOpening) {
    DialogParams p{};
    p.month = 5;
    p.stopMonth = 4;
    p.year = 2010;
    p.stopYear = 2001;
    OrderMonthRange(p);
    OrderYearRange(p);
    EXPECT_EQ(p.month, 4);
    EXPECT_EQ(p.stopMonth, 5);
    EXPECT_EQ(p.year, 2001);
    EXPECT_EQ(p.stopYear, 2010);
    // Equal or ordered ranges stay.
    OrderMonthRange(p);
    EXPECT_EQ(p.month, 4);
    p.stopMonth = 4;
    OrderMonthRange(p);
    EXPECT_EQ(p.month, 4);
    EXPECT_EQ(p.stopMonth, 4);
}

TEST(DialogNumbers, TheUsersDecimalSeparatorIsReadAsThePoint) {
    double v = 0;
    ASSERT_TRUE(ReadDialogNumber("5,5", ',', v));
    EXPECT_EQ(v, 5.5);
    ASSERT_TRUE(ReadDialogNumber("-12,00", ',', v));
    EXPECT_EQ(v, -12.0);
    ASSERT_TRUE(ReadDialogNumber(" 10 ", '.', v));
    EXPECT_EQ(v, 10.0);
    ASSERT_TRUE(ReadDialogNumber("-.5", '.', v));
    EXPECT_EQ(v, -0.5);
    ASSERT_TRUE(ReadDialogNumber("1e1", '.', v));
    EXPECT_EQ(v, 10.0);
}

TEST(DialogNumbers, ReadInSinglePrecision) {
    double v = 0;
    ASSERT_TRUE(ReadDialogNumber("5.1", '.', v));
    EXPECT_EQ(v, static_cast<double>(5.1f));
    EXPECT_NE(v, 5.1);
}

TEST(DialogNumbers, AnythingButOneNumberIsRefused) {
    double v = 42;
    for (const char* bad :
         {"", "   ", "abc", "12a", "5,5", "1.2.3", "--1", ".", "1e", "nan", "inf", "0x10", "1 2"}) {
        EXPECT_FALSE(ReadDialogNumber(bad, '.', v)) << bad;
    }
    EXPECT_EQ(v, 42); // untouched on failure
}

TEST(DialogNumbers, OnlyTheFirst79CharactersAreRead) {
    const std::string text = "1" + std::string(78, ' ') + "x";
    double v = 0;
    ASSERT_TRUE(ReadDialogNumber(text.c_str(), '.', v));
    EXPECT_EQ(v, 1.0);
    EXPECT_FALSE(ReadDialogNumber(("1" + std::string(77, ' ') + "x").c_str(), '.', v));
}

TEST(DialogNumbers, ShownWithTheSeparatorAndWithoutBlanks) {
    EXPECT_EQ(FormatDialogNumber(10.0, 6, 2, '.'), "10.00");
    EXPECT_EQ(FormatDialogNumber(-5.5, 6, 2, ','), "-5,50");
    EXPECT_EQ(FormatDialogNumber(0.0, 6, 2, '.'), "0.00");
    EXPECT_EQ(FormatDialogNumber(-12.0, 6, 2, '.'), "-12.00");
}

TEST(DialogFieldsShown, DatesFollowTheShortDateFormat) {
    {
        FixedLocale locale; // MM/dd/yyyy, no leading zero for hours
        const DateFieldTexts t = FormatDateFields(5, 3, 2024, 7, 4);
        EXPECT_EQ(t.year, "2024");
        EXPECT_EQ(t.month, "03");
        EXPECT_EQ(t.day, "05");
        EXPECT_EQ(t.hour, " 7");
        EXPECT_EQ(t.minute, "04");
    }
    {
        FixedLocale locale({{"sshortdate", "d/M/yy"}, {"itlzero", "1"}});
        const DateFieldTexts t = FormatDateFields(5, 3, 2024, 7, 4);
        EXPECT_EQ(t.month, " 3");
        EXPECT_EQ(t.day, " 5");
        EXPECT_EQ(t.hour, "07");
        EXPECT_EQ(t.minute, "04");
        EXPECT_EQ(FormatMonthField(11), "11");
    }
    EXPECT_EQ(FormatYearField(999), " 999");
    EXPECT_EQ(FormatYearField(-4000), "-4000");
}

TEST(DialogFieldsShown, TimeSpeedAndViewAngleWidths) {
    EXPECT_EQ(FormatTimeSpeed(5), "  5");
    EXPECT_EQ(FormatTimeSpeed(-64), "-64");
    EXPECT_EQ(FormatViewAngle(5), " 5");
    EXPECT_EQ(FormatViewAngle(90), "90");
}

} // namespace
