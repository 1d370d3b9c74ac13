// The pure decisions behind the shell's services: the platform test that
// picks the settings store, the data-file paths, the message pump's rules and
// the registry paths of the settings.

#include "report_test_support.h"

#include "reports/message_pump.h"
#include "settings/data_file_path.h"
#include "settings/platform_version.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::size_t kMaxPath = 260; // the platform's MAX_PATH

// Packed values as GetVersion reports them on each system (major version in
// the low byte, minor in the next, build in the high word, bit 31 set on
// systems that are not NT).
constexpr uint32_t kWin32sOnWindows31 = 0x80000A03u; // 3.10, not NT
constexpr uint32_t kWindows95 = 0xC3B60004u;         // 4.00 build 950
constexpr uint32_t kWindows98 = 0xC0000A04u;         // 4.10
constexpr uint32_t kWindowsNT351 = 0x04213303u;      // 3.51 build 1057
constexpr uint32_t kWindowsNT4 = 0x05650004u;        // 4.00 build 1381
constexpr uint32_t kWindows7 = 0x1DB10106u;          // 6.1 build 7601

TEST(PlatformVersion, OnlySixteenBitWindowsHostsUseTheIniFile) {
    EXPECT_TRUE(IsLegacyWin32Version(DecodePlatformVersion(kWin32sOnWindows31)));
    EXPECT_FALSE(IsLegacyWin32Version(DecodePlatformVersion(kWindows95)));
    EXPECT_FALSE(IsLegacyWin32Version(DecodePlatformVersion(kWindows98)));
    EXPECT_FALSE(IsLegacyWin32Version(DecodePlatformVersion(kWindowsNT4)));
    EXPECT_FALSE(IsLegacyWin32Version(DecodePlatformVersion(kWindows7)));
}

TEST(PlatformVersion, AnNtSystemBelowVersionFourKeepsTheRegistry) {
    const PlatformVersion nt351 = DecodePlatformVersion(kWindowsNT351);
    EXPECT_TRUE(nt351.nt);
    EXPECT_EQ(nt351.major, 3);
    EXPECT_EQ(nt351.minor, 51);
    EXPECT_FALSE(IsLegacyWin32Version(nt351));
}

TEST(PlatformVersion, TheBuildNumberDoesNotLeakIntoTheVersion) {
    const PlatformVersion win95 = DecodePlatformVersion(kWindows95);
    EXPECT_FALSE(win95.nt);
    EXPECT_EQ(win95.major, 4);
    EXPECT_EQ(win95.minor, 0);
}

std::string Join(const std::string& module, const std::string& name, DataFilePathResult expected,
                 std::size_t capacity = kMaxPath) {
    char path[1024];
    path[0] = 'x';
    path[1] = '\0';
    EXPECT_EQ(JoinDataFilePath(module.c_str(), name.c_str(), path, capacity), expected);
    return path;
}

TEST(DataFilePath, TheFileLiesBesideTheExecutable) {
    EXPECT_EQ(Join("C:\\SKYLOOM\\CAELOR.EXE", "STARS.DAT", DataFilePathResult::kOk),
              "C:\\SKYLOOM\\STARS.DAT");
    EXPECT_EQ(Join("Z:\\a\\b.c\\caelor.exe", "CITIES.DAT", DataFilePathResult::kOk),
              "Z:\\a\\b.c\\CITIES.DAT");
}

TEST(DataFilePath, AProgramInADeepFolderFindsItsFiles) {
    // Far beyond the 80 characters of the old fixed buffers.
    const std::string directory =
        "C:\\" + std::string(150, 'd') + "\\" + std::string(40, 'e') + "\\";
    EXPECT_EQ(Join(directory + "CAELOR.EXE", "caelor.hlp", DataFilePathResult::kOk),
              directory + "caelor.hlp");
}

TEST(DataFilePath, APathThatWouldNotFitIsRefusedNotCut) {
    const std::string name = "STARS.DAT";
    // 259 characters and the terminating zero fill MAX_PATH exactly.
    const std::string fits = "C:\\" + std::string(259 - 4 - name.size(), 'd') + "\\";
    ASSERT_EQ(fits.size() + name.size(), 259u);
    EXPECT_EQ(Join(fits + "CAELOR.EXE", name, DataFilePathResult::kOk), fits + name);
    const std::string tooLong = "C:\\" + std::string(260 - 4 - name.size(), 'd') + "\\";
    EXPECT_EQ(Join(tooLong + "CAELOR.EXE", name, DataFilePathResult::kTooLong), "");
}

TEST(DataFilePath, AModulePathWithoutABackslashIsRefused) {
    EXPECT_EQ(Join("CAELOR.EXE", "STARS.DAT", DataFilePathResult::kNoDirectory), "");
    EXPECT_EQ(Join("", "STARS.DAT", DataFilePathResult::kNoDirectory), "");
}

TEST(MessagePump, AReportKeepsGoingThroughAResize) {
    EXPECT_TRUE(PumpKeepsDraining(kReportPump, true));
    EXPECT_EQ(PumpVerdict(kReportPump, false, true), 0);
    EXPECT_EQ(PumpVerdict(kReportPump, true, false), 1);
}

TEST(MessagePump, AGraphStopsAtAResize) {
    EXPECT_TRUE(PumpKeepsDraining(kGraphPump, false));
    EXPECT_FALSE(PumpKeepsDraining(kGraphPump, true));
    EXPECT_EQ(PumpVerdict(kGraphPump, false, false), 0);
    EXPECT_EQ(PumpVerdict(kGraphPump, false, true), 1);
    EXPECT_EQ(PumpVerdict(kGraphPump, true, false), 1);
}

TEST(SettingsStore, EachSettingIsAKeyUnderTheProgramsBranch) {
    EXPECT_EQ(RegistrySettingPath("Main Star"), "Software\\Quillfen\\Skyloom 2\\2.02\\Main Star");
}

TEST(SettingsStore, ARegistryPathBeyond1024CharactersIsFatal) {
    ScopedHost scope;
    const std::string root = "Software\\Quillfen\\Skyloom 2\\2.02\\";
    const std::string longest(1024 - root.size(), 'n');
    EXPECT_EQ(RegistrySettingPath(longest.c_str()).size(), 1024u);
    const std::string tooLong(1025 - root.size(), 'n');
    try {
        RegistrySettingPath(tooLong.c_str());
        FAIL() << "no fatal error";
    } catch (const FatalErrorRaised& error) {
        EXPECT_EQ(error.messageId, 1101);
    }
}

} // namespace
