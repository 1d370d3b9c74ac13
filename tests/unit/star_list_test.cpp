// The Planetarium dialog's list of named stars.

#include "settings/star_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(StarList, NamedStarsByConstellationThenInCatalogueOrder) {
    // Catalogue order: Betelgeuse (Ori 59), an unnamed star, Sirius (CMa
    // 13), Rigel (Ori), Alpheratz (And 0).
    const std::vector<StarNameRecord> stars = {
        {11, 59}, {0, 59}, {229, 13}, {1, 59}, {86, 0},
    };
    const std::vector<StarListEntry> list =
        PlanetariumStarList(stars.data(), static_cast<int>(stars.size()));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].text, "And/Alpheratz");
    EXPECT_EQ(list[0].star, 4);
    EXPECT_EQ(list[1].text, "CMa/Sirius");
    EXPECT_EQ(list[1].star, 2);
    EXPECT_EQ(list[2].text, "Ori/Betelgeuse");
    EXPECT_EQ(list[2].star, 0);
    EXPECT_EQ(list[3].text, "Ori/Rigel");
    EXPECT_EQ(list[3].star, 3);
    EXPECT_EQ(StarListPosition(list, 3), 3);
    EXPECT_EQ(StarListPosition(list, 1), -1); // unnamed: not listed
    EXPECT_EQ(StarListPosition(list, -1), -1);
}

TEST(StarList, StarsOfNoListedConstellationAreLeftOut) {
    // Constellation 88 is "XXX", used by no star of the list.
    const std::vector<StarNameRecord> stars = {{1, 88}, {1, -1}, {2, 87}};
    const std::vector<StarListEntry> list =
        PlanetariumStarList(stars.data(), static_cast<int>(stars.size()));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].text, "Vul/Algjebbah");
}

TEST(StarList, EmptyCatalogueGivesAnEmptyList) {
    EXPECT_TRUE(PlanetariumStarList(nullptr, 0).empty());
}

} // namespace
