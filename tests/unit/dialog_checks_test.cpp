// The checks of the input dialogs and the body sets they fill.

#include "dialog_test_support.h"
#include "report_test_support.h"

#include "resources/string_table.h"

#include "settings/bit_set.h"
#include "settings/dialog_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Message(const char* message) {
    return message == nullptr ? "" : message;
}

TEST(DialogChecks, YearsAndMonths) {
    EXPECT_EQ(Message(CheckYear(1000)), "");
    EXPECT_EQ(Message(CheckYear(3000)), "");
    EXPECT_EQ(Message(CheckYear(999)), "Year must be between 1000 and 3000");
    EXPECT_EQ(Message(CheckYear(3001)), "Year must be between 1000 and 3000");
    EXPECT_EQ(Message(CheckMonth(0)), "Month must be between 1 and 12");
    EXPECT_EQ(Message(CheckMonthRange(3, 2)), "Stop month cannot be less than start month");
    EXPECT_EQ(Message(CheckMonthRange(13, 2)), "Month must be between 1 and 12");
    EXPECT_EQ(Message(CheckMonthRange(5, 5)), "");
    EXPECT_EQ(Message(CheckYearRange(2001, 2000)), "Stop year cannot be less than start year");
    EXPECT_EQ(Message(CheckYearRange(2000, 3001)), "Year must be between 1000 and 3000");
}

TEST(DialogChecks, AtLeastOnePlanet) {
    EXPECT_EQ(Message(CheckPlanetChosen(0, 3, 10)), "Select at least one planet");
    EXPECT_EQ(Message(CheckPlanetChosen(SetBit(2), 3, 10)), "Select at least one planet");
    EXPECT_EQ(Message(CheckPlanetChosen(SetBit(10), 3, 10)), "");
}

TEST(DialogIntegers, SignedDecimalIntegersOnly) {
    int v = 0;
    ASSERT_TRUE(ParseDialogInteger("-64", v));
    EXPECT_EQ(v, -64);
    ASSERT_TRUE(ParseDialogInteger(" 12 ", v));
    EXPECT_EQ(v, 12);
    ASSERT_TRUE(ParseDialogInteger("+7", v));
    EXPECT_EQ(v, 7);
    ASSERT_TRUE(ParseDialogInteger("-2147483648", v));
    EXPECT_EQ(v, -2147483647 - 1);
    v = 99;
    for (const char* bad : {"", " ", "-", "abc", "12a", "1 2", "1.5", "0x1F", "--3", "2147483648",
                            "99999999999999999999"}) {
        EXPECT_FALSE(ParseDialogInteger(bad, v)) << bad;
    }
    EXPECT_EQ(v, 99);
}

TEST(DialogIntegers, TableCheckedInOrderAndStopsAtTheFirstRefusal) {
    IntegerField table[] = {{10, kTimeSpeedRange, 0}, {11, kViewAngleRange, 0}};
    FakeDialogFields fields;
    fields.Set(10, "65").Set(11, "abc");
    FieldError error = CheckIntegerFields(fields, table);
    EXPECT_EQ(error.control, 10);
    EXPECT_EQ(error.message, DialogMessage::kTimeSpeedRange);
    EXPECT_TRUE(error.selectText);

    fields.Set(10, "-64");
    error = CheckIntegerFields(fields, table);
    EXPECT_EQ(error.control, 11);
    EXPECT_EQ(error.message, DialogMessage::kInvalidNumber);
    EXPECT_EQ(table[0].value, 0); // nothing filled while one entry fails

    fields.Set(11, "5");
    EXPECT_FALSE(CheckIntegerFields(fields, table));
    EXPECT_EQ(table[0].value, -64);
    EXPECT_EQ(table[1].value, 5);
}

TEST(DialogIntegers, BothEndsOfEachRangeAreAllowed) {
    struct Case {
        IntegerRange range;
        const char* inside;
        const char* outside;
    };
    for (const Case& c : {Case{kTimeSpeedRange, "64", "65"}, Case{kTimeSpeedRange, "-64", "-65"},
                          Case{kViewAngleRange, "5", "4"}, Case{kViewAngleRange, "90", "91"},
                          Case{kYearRange, "1000", "999"}, Case{kYearRange, "3000", "3001"},
                          Case{kBinaryStarYearRange, "-4000", "-4001"},
                          Case{kBinaryStarYearRange, "32000", "32001"}, Case{kDayRange, "31", "32"},
                          Case{kHourRange, "23", "24"}, Case{kMinuteRange, "0", "-1"}}) {
        IntegerField table[] = {{5, c.range, 0}};
        FakeDialogFields fields;
        EXPECT_FALSE(CheckIntegerFields(fields.Set(5, c.inside), table)) << c.inside;
        const FieldError error = CheckIntegerFields(fields.Set(5, c.outside), table);
        EXPECT_EQ(error.message, c.range.message) << c.outside;
    }
}

TEST(DialogMessages, NumberedOnesMatchTheStringTable) {
    int numbered = 0;
    for (int m = 1; m <= static_cast<int>(DialogMessage::kSaveCityDatabaseQuestion); ++m) {
        const auto message = static_cast<DialogMessage>(m);
        ASSERT_STRNE(DialogMessageText(message), "") << m;
        if (const int id = DialogMessageStringId(message)) {
            ++numbered;
            ASSERT_NE(StringText(id), nullptr) << id;
            EXPECT_STREQ(StringText(id), DialogMessageText(message));
        }
    }
    // Every message is in the table; the three that always were keep their
    // numbers.
    EXPECT_EQ(numbered, 28);
    EXPECT_EQ(DialogMessageStringId(DialogMessage::kTimeSpeedRange), 60);
    EXPECT_EQ(DialogMessageStringId(DialogMessage::kViewAngleRange), 61);
    EXPECT_EQ(DialogMessageStringId(DialogMessage::kSelectBinaryStar), 104);
    EXPECT_STREQ(DialogMessageText(DialogMessage::kLatitudeRange),
                 "Latitude must be between 0\260 and 90\260");
}

TEST(BitSets, ElementsZeroToThirtyOne) {
    BitSet set = 0;
    SetAdd(0, set);
    SetAdd(31, set);
    EXPECT_TRUE(SetTest(0, set));
    EXPECT_TRUE(SetTest(31, set));
    EXPECT_FALSE(SetTest(5, set));
    SetRemove(0, set);
    EXPECT_FALSE(SetTest(0, set));
    EXPECT_EQ(SetBit(31), 0x80000000u);
}

TEST(BitSets, ElementOutsideTheSetIsAnInternalError) {
    ScopedHost scope;
    BitSet set = 0;
    for (int bad : {32, -1}) {
        try {
            SetAdd(bad, set);
            FAIL() << bad << " was accepted";
        } catch (const FatalErrorRaised& e) {
            EXPECT_EQ(e.messageId, 690);
        }
    }
    EXPECT_EQ(set, 0u);
}

} // namespace
