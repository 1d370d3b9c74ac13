// caelor-cli ephemeris, run as a user would run it.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct CliRun {
    int exitCode;
    std::string out;
};

// Runs caelor-cli with the arguments; stderr is folded into the output.
CliRun RunCli(const std::string& arguments) {
    const std::string command = std::string(CAELOR_CLI_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    CliRun run{-1, ""};
    if (pipe == nullptr) {
        return run;
    }
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        fields.push_back("");
    }
    return fields;
}

const char kGreenwich[] = "--lat 51.4772 --lon -0.0005 --tz 0";

TEST(CliEphemeris, MoonForAMonthGivesOneRowADay) {
    const CliRun run =
        RunCli(std::string("ephemeris moon --from 2026-01-01 --to 2026-01-31 ") + kGreenwich);
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0], "date,time,jd_ut,ra_hours,dec_degrees,distance,illuminated_fraction,"
                        "elongation_degrees,magnitude,diameter_arcsec,altitude_degrees,"
                        "azimuth_degrees,rise,set");
    const std::vector<std::string> first = Fields(lines[1]);
    ASSERT_EQ(first.size(), 14u);
    EXPECT_EQ(first[0], "2026-01-01");
    EXPECT_EQ(first[1], "00:00");
    EXPECT_EQ(first[2], "2461041.500000");
    EXPECT_EQ(first[8], ""); // no magnitude for the Moon
    const double km = std::stod(first[5]);
    EXPECT_GT(km, 356000);
    EXPECT_LT(km, 407000);
    EXPECT_EQ(Fields(lines[31])[0], "2026-01-31");
    // Full Moon of 2026 January 3, 10:03 UT.
    EXPECT_GT(std::stod(Fields(lines[3])[6]), 0.99);
}

TEST(CliEphemeris, TimeAndZoneGiveTheUniversalInstant) {
    const CliRun run = RunCli("ephemeris sun --from 2000-01-01 --to 2000-01-01 --time 13:00 "
                              "--lat 0 --lon 15 --tz 1");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const std::vector<std::string> row = Fields(Lines(run.out).at(1));
    EXPECT_EQ(row[1], "13:00");
    EXPECT_EQ(row[2], "2451545.000000"); // 12:00 UT
    EXPECT_EQ(row[6], "");               // no illuminated fraction for the Sun
    // Local noon at 15 E in zone +1: the Sun is near the meridian and high.
    EXPECT_GT(std::stod(row[10]), 60);
}

TEST(CliEphemeris, StepsAndPlacesFromTheCityFile) {
    const CliRun run =
        RunCli("ephemeris jupiter --from 2026-03-01 --to 2026-03-31 --step 10 "
               "--place ' sydney ' --cities " CAELOR_SOURCE_DIR "/caelor/data/CITIES.DAT");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5u); // March 1, 11, 21, 31
    EXPECT_EQ(Fields(lines[4])[0], "2026-03-31");
    EXPECT_NE(Fields(lines[1])[8], ""); // a planet has a magnitude
}

TEST(CliEphemeris, BadArgumentsNameTheArgumentAndExit2) {
    struct Case {
        const char* arguments;
        const char* named;
    };
    const Case cases[] = {
        {"ephemeris moon --from 2026-02-30 --to 2026-03-01", "--from"},
        {"ephemeris moon --from 2026-13-01 --to 2026-03-01", "--from"},
        {"ephemeris moon --from 2026-01-01 --to yesterday", "--to"},
        {"ephemeris moon --from 2026-01-02 --to 2026-01-01", "--to"},
        {"ephemeris moon --to 2026-01-01", "--from"},
        {"ephemeris earth --from 2026-01-01 --to 2026-01-02", "BODY"},
        {"ephemeris --from 2026-01-01 --to 2026-01-02", "BODY"},
        {"ephemeris moon --from 2026-01-01 --to 2026-01-02 --lat 95", "--lat"},
        {"ephemeris moon --from 2026-01-01 --to 2026-01-02 --lon east", "--lon"},
        {"ephemeris moon --from 2026-01-01 --to 2026-01-02 --tz 13", "--tz"},
        {"ephemeris moon --from 2026-01-01 --to 2026-01-02 --step 0", "--step"},
        {"ephemeris moon --from 2026-01-01 --to 2026-01-02 --time 24:00", "--time"},
        {"ephemeris moon --from 2026-01-01 --to 2026-01-02 --place Atlantis "
         "--cities " CAELOR_SOURCE_DIR "/caelor/data/CITIES.DAT",
         "--place"},
        {"ephemeris moon --from 2026-01-01 --to 2026-01-02 --bogus", "--bogus"},
        {"ephemeris moon --from 2026-01-01 --to 2026-01-02 --lat", "--lat"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 1u) << c.arguments << "\n" << run.out;
        EXPECT_NE(lines[0].find(c.named), std::string::npos) << lines[0];
    }
}

} // namespace
