// The checks of the input dialogs and the body sets they fill.

#include "report_test_support.h"

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
