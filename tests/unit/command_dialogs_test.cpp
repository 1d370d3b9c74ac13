// The dialogs the main window runs for its commands and the latitude
// refusal.
#include "settings/command_dialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CommandDialog DialogOf(int id) {
    CommandDialog dialog;
    EXPECT_TRUE(CommandDialogOf(id, dialog)) << id;
    return dialog;
}

std::string TemplateOf(int id) {
    const CommandDialog dialog = DialogOf(id);
    return dialog.templateName == nullptr ? "" : dialog.templateName;
}

} // namespace

TEST(CommandDialogs, ReportsAskWithTheirOwnTitles) {
    EXPECT_EQ(TemplateOf(82), "DIAL_YEAR_RANGE");
    EXPECT_EQ(DialogOf(82).titleId, 75);
    EXPECT_EQ(DialogOf(83).titleId, 76);
    EXPECT_EQ(DialogOf(84).titleId, 78); // Lunar
    EXPECT_EQ(DialogOf(85).titleId, 77); // Solar
    EXPECT_EQ(TemplateOf(81), "DIAL_YEAR_MR");
    EXPECT_EQ(DialogOf(81).titleId, 70);
    EXPECT_EQ(DialogOf(141).titleId, 1102);
    EXPECT_EQ(DialogOf(93).titleId, 74);
    EXPECT_EQ(TemplateOf(87), "DIAL_PLANET_APSIDES");
}

TEST(CommandDialogs, IntroductionAndPlanetDataAskNothing) {
    EXPECT_EQ(DialogOf(80).templateName, nullptr);
    EXPECT_EQ(DialogOf(89).templateName, nullptr);
}

TEST(CommandDialogs, PlanetDialogOptionsFollowTheCommand) {
    for (int id : {86, 88}) {
        const CommandDialog dialog = DialogOf(id);
        EXPECT_EQ(std::string(dialog.templateName), "DIAL_PLANETS");
        EXPECT_EQ(dialog.includeEarth, 0);
        EXPECT_EQ(dialog.showMonthFields, 1);
        EXPECT_EQ(dialog.showDistance, 0);
    }
    EXPECT_EQ(DialogOf(86).titleId, 80);
    EXPECT_EQ(DialogOf(88).titleId, 81);
    const CommandDialog distance = DialogOf(16);
    EXPECT_EQ(distance.titleId, 106);
    EXPECT_EQ(distance.includeEarth, 1);
    EXPECT_EQ(distance.showMonthFields, 0);
    EXPECT_EQ(distance.showDistance, 1);
    EXPECT_EQ(DialogOf(12).includeEarth, 0);
}

TEST(CommandDialogs, GraphsAndMoviesHaveTheirDialogs) {
    EXPECT_EQ(TemplateOf(18), "DIAL_YEAR");
    EXPECT_EQ(DialogOf(18).titleId, 82);
    EXPECT_EQ(DialogOf(23).titleId, 87);
    EXPECT_EQ(TemplateOf(24), "DIAL_YEAR_MONTH");
    EXPECT_EQ(DialogOf(25).titleId, 1000);
    EXPECT_EQ(DialogOf(62).titleId, 63);
    EXPECT_EQ(DialogOf(63).titleId, 64);
    EXPECT_EQ(DialogOf(65).titleId, 66);
    EXPECT_EQ(DialogOf(66).titleId, 67);
    EXPECT_EQ(TemplateOf(64), "DIAL_PL_MOVIE");
    for (int id = 11; id <= 25; ++id) {
        EXPECT_NE(TemplateOf(id), "") << id;
    }
    for (int id = 61; id <= 67; ++id) {
        EXPECT_NE(TemplateOf(id), "") << id;
    }
}

TEST(CommandDialogs, OtherCommandsHaveNone) {
    CommandDialog dialog;
    for (int id : {0, 10, 26, 36, 60, 68, 94, 100, 110, 140, 142}) {
        EXPECT_FALSE(CommandDialogOf(id, dialog)) << id;
    }
}

TEST(RefusedAtLatitude, OnlySunriseAnalemmaAndTwilightAboveSixtyDegrees) {
    EXPECT_TRUE(RefusedAtLatitude(92, 61.0));
    EXPECT_TRUE(RefusedAtLatitude(21, 60.5));
    EXPECT_TRUE(RefusedAtLatitude(22, 89.0));
    EXPECT_FALSE(RefusedAtLatitude(92, 60.0));
    EXPECT_FALSE(RefusedAtLatitude(19, 75.0));
    EXPECT_FALSE(RefusedAtLatitude(81, 75.0));
}
