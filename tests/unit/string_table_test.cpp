// The native string table.

#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(StringTable, IdsAscendAndTextsFitAReportLine) {
    int previous = -1;
    int count = 0;
    for (const StringEntry* it = StringTableBegin(); it != StringTableEnd(); ++it, ++count) {
        EXPECT_GT(it->id, previous) << "ids must be unique and ascending";
        previous = it->id;
        EXPECT_LE(std::strlen(it->text), 80u) << it->id;
    }
    EXPECT_GT(count, 700);
}

TEST(StringTable, NameBlocksAreComplete) {
    for (int id = 201; id <= 477; ++id) {
        EXPECT_NE(StringText(id), nullptr) << "star name " << id;
    }
    for (int id = 500; id <= 588; ++id) {
        EXPECT_NE(StringText(id), nullptr) << "constellation " << id;
    }
    EXPECT_STREQ(StringText(500), "And");
    EXPECT_STREQ(StringText(587), "Vul");
    EXPECT_STREQ(StringText(52), "Skyloom 2");
    EXPECT_STREQ(StringText(174), "January");
    EXPECT_STREQ(StringText(880), "Pluto");
}

TEST(StringTable, DegreeSignIsWindows1252) {
    const char* text = StringText(61);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "View angle must be between 5\260 and 90\260");
}

TEST(StringTable, LoadTextCutsToTheBuffer) {
    char small[6];
    EXPECT_EQ(LoadText(52, small, sizeof small), 5);
    EXPECT_STREQ(small, "Skylo");
    char text[81];
    std::strcpy(text, "stale");
    EXPECT_EQ(LoadText(99999, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
}

} // namespace
