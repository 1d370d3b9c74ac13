// The launcher's profile settings and the start-up shell check.

#include "core/settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class FakeProfile : public ProfileStore {
  public:
    std::map<std::string, int> values; // "section/key"
    bool failWrites = false;

    int ReadInt(const std::string& section, const std::string& key, int fallback) override {
        auto it = values.find(section + "/" + key);
        return it == values.end() ? fallback : it->second;
    }
    bool WriteInt(const std::string& section, const std::string& key, int value) override {
        if (failWrites) {
            return false;
        }
        values[section + "/" + key] = value;
        return true;
    }
};

TEST(VarnixSettings, FirstStartWithoutProfileHasEverythingOn) {
    FakeProfile profile;
    const LauncherSettings s = ReadSettings(profile);
    EXPECT_EQ(s.onTop, 1);
    EXPECT_EQ(s.useIcons, 1);
    EXPECT_EQ(s.smallFont, 1);
    EXPECT_EQ(s.twelveHour, 1);
    EXPECT_EQ(s.compensate, 1);
    EXPECT_FALSE(ReadDontShowWarning(profile));
}

TEST(VarnixSettings, WrittenValuesReadBackUnderTheirSectionsAndKeys) {
    FakeProfile profile;
    LauncherSettings s;
    s.onTop = 0;
    s.smallFont = 0;
    s.twelveHour = 0;
    s.compensate = 0;
    ASSERT_TRUE(WriteSettings(profile, s));
    EXPECT_EQ(profile.values, (std::map<std::string, int>{{"Clock/12HourTime", 0},
                                                          {"Display/OnTop", 0},
                                                          {"Display/SmallFont", 0},
                                                          {"Display/UseIcons", 1},
                                                          {"NewShell/Compensate", 0}}));
    const LauncherSettings back = ReadSettings(profile);
    EXPECT_EQ(back.onTop, 0);
    EXPECT_EQ(back.twelveHour, 0);
    EXPECT_EQ(back.useIcons, 1);
}

TEST(VarnixSettings, FailedWriteIsReported) {
    FakeProfile profile;
    profile.failWrites = true;
    EXPECT_FALSE(WriteSettings(profile, LauncherSettings{}));
    EXPECT_FALSE(WriteDontShowWarning(profile));
}

TEST(VarnixSettings, WarningOnceDismissedStaysDismissed) {
    FakeProfile profile;
    ASSERT_TRUE(WriteDontShowWarning(profile));
    EXPECT_TRUE(ReadDontShowWarning(profile));
    ShellState shell;
    shell.detected = true;
    EXPECT_FALSE(ShouldWarnAboutShell(shell, ReadDontShowWarning(profile)));
    EXPECT_TRUE(ShouldWarnAboutShell(shell, false));
    EXPECT_FALSE(ShouldWarnAboutShell(ShellState{}, false));
}

TEST(VarnixShellCheck, TaskbarGivesItsHeight) {
    ShellProbe probe;
    probe.taskbarFound = true;
    probe.taskbarRect = Rect{0, 740, 1024, 768};
    const ShellState shell = DetectShell(probe, 1024, 768);
    EXPECT_TRUE(shell.detected);
    EXPECT_FALSE(shell.programManagerShell);
    EXPECT_EQ(shell.taskbarHeight, 28);
}

TEST(VarnixShellCheck, FullScreenProgramManagerIsAShellWithA30PixelTaskbar) {
    ShellProbe probe;
    probe.programManagerFound = true;
    probe.programManagerRect = Rect{0, 0, 1024, 768};
    ShellState shell = DetectShell(probe, 1024, 768);
    EXPECT_TRUE(shell.detected);
    EXPECT_TRUE(shell.programManagerShell);
    EXPECT_EQ(shell.taskbarHeight, 30);
    probe.programManagerRect = Rect{0, 0, 1024, 700};
    shell = DetectShell(probe, 1024, 768);
    EXPECT_FALSE(shell.detected);
    EXPECT_EQ(shell.taskbarHeight, 0);
}

TEST(VarnixShellCheck, NothingFoundMeansNoShell) {
    const ShellState shell = DetectShell(ShellProbe{}, 1024, 768);
    EXPECT_FALSE(shell.detected);
    EXPECT_FALSE(shell.programManagerShell);
}

} // namespace
