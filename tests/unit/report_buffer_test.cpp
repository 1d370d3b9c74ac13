// The report buffer, progress line, header and string-list reports.

#include "report_test_support.h"

#include "engine/location.h"
#include "reports/format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ReportBuffer, GrowsByHundredLinesWhileOneSlotIsFree) {
    ScopedHost scope;
    ReportBuffer buffer;
    ReportAddLine("first", buffer);
    EXPECT_EQ(buffer.CapacityLines(), 100);
    for (int i = 1; i < 99; ++i) {
        ReportAddLine("x", buffer);
    }
    EXPECT_EQ(buffer.lineCount, 99);
    EXPECT_EQ(buffer.CapacityLines(), 100);
    ReportAddLine("line 100", buffer); // index 99 grows the block first
    EXPECT_EQ(buffer.CapacityLines(), 200);
    while (buffer.lineCount < 199) {
        ReportAddLine("y", buffer);
    }
    EXPECT_EQ(buffer.CapacityLines(), 200);
    ReportAddLine("line 200", buffer);
    EXPECT_EQ(buffer.CapacityLines(), 300);
    EXPECT_STREQ(buffer.Line(0), "first");
    EXPECT_STREQ(buffer.Line(99), "line 100");
    EXPECT_STREQ(buffer.Line(199), "line 200");
    EXPECT_EQ(buffer.sectionLines, 200);
}

TEST(ReportBuffer, EightyCharactersFitEightyOneAreFatal) {
    ScopedHost scope;
    ReportBuffer buffer;
    const std::string eighty(80, 'a');
    ReportAddLine(eighty.c_str(), buffer);
    EXPECT_EQ(std::string(buffer.Line(0)), eighty);
    const std::string longer(81, 'b');
    try {
        ReportAddLine(longer.c_str(), buffer);
        FAIL() << "an 81-character line was accepted";
    } catch (const FatalErrorRaised& e) {
        EXPECT_EQ(e.messageId, 690);
    }
    EXPECT_EQ(buffer.lineCount, 1);
}

TEST(ReportBuffer, FreeKeepsTheCompleteFlag) {
    ScopedHost scope;
    ReportBuffer buffer;
    ReportAddLine("a", buffer);
    buffer.topLine = 0;
    buffer.firstColumn = 5;
    buffer.complete = 1;
    ReportFree(buffer);
    EXPECT_EQ(buffer.lineCount, 0);
    EXPECT_EQ(buffer.firstColumn, 0);
    EXPECT_EQ(buffer.CapacityLines(), 0);
    EXPECT_EQ(buffer.complete, 1);
    ReportAddLine("again", buffer);
    EXPECT_STREQ(buffer.Line(0), "again");
}

TEST(ReportBuffer, CentredInEightyColumns) {
    char line[kReportSlot] = "Seasons Report for 2026";
    CenterLine(line);
    EXPECT_EQ(std::string(line), std::string(28, ' ') + "Seasons Report for 2026");
    char full[kReportSlot];
    std::memset(full, 'z', 79);
    full[79] = '\0';
    CenterLine(full); // at least one blank
    EXPECT_EQ(std::strlen(full), 80u);
    EXPECT_EQ(full[0], ' ');
}

TEST(ReportProgress, FractionsOfLoops) {
    EXPECT_DOUBLE_EQ(ReportFraction(1, 11, 6), 0.5);
    EXPECT_DOUBLE_EQ(ReportFraction(5, 5, 5), 1.0);
    EXPECT_DOUBLE_EQ(ReportFraction(5, 4, 5), 1.0);
    // Years 2000..2001, months 1..12, days 1..31: the last step is 1.
    EXPECT_DOUBLE_EQ(ReportNestedFraction(2001, 2000, 2001, 12, 1, 12, 31, 1, 31), 1.0);
    EXPECT_DOUBLE_EQ(ReportNestedFraction(2000, 2000, 2001, 1, 1, 12, 1, 1, 31), 0.0);
    EXPECT_DOUBLE_EQ(ReportNestedFraction(2000, 2000, 2001, 2, 1, 12, 1, 1, 31), 31.0 / 743);
    EXPECT_DOUBLE_EQ(ReportNestedFraction(1, 1, 1, 1, 1, 1, 1, 1, 1), 1.0);
}

TEST(ReportProgress, AlmanacSharesPlaceEachReport) {
    EXPECT_DOUBLE_EQ(AlmanacFraction(kReportPlanetApsides, true, 0.5), 0.495);
    EXPECT_DOUBLE_EQ(AlmanacFraction(kReportPlanetApsides, false, 0.5), 0.5);
    EXPECT_DOUBLE_EQ(AlmanacFraction(kReportIntroduction, true, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(AlmanacFraction(kReportTwilight, true, 1.0), 1.0);
    char text[kReportSlot];
    FormatProgressText(AlmanacFraction(kReportPlanetApsides, true, 0.5), 0, text);
    EXPECT_NE(std::strstr(text, "49.50% complete"), nullptr) << text;
}

TEST(ReportProgress, TimeEstimate) {
    FixedLocale locale;
    char text[kReportSlot];
    FormatProgressText(0.0, 0, text);
    EXPECT_STREQ(text, "Generating Report:   0.00% complete (will finish in     min,    sec)");
    FormatProgressText(1.0, 12345, text);
    EXPECT_STREQ(text, "Generating Report: 100.00% complete (will finish in 0 min, 00 sec)");
    FormatProgressText(0.453, 60000, text); // 72.45 s left, rounded up
    EXPECT_STREQ(text, "Generating Report:  45.30% complete (will finish in 1 min, 13 sec)");

    ProgressClock clock;
    clock.Update(kReportSeasons, false, 0.0, 0xFFFFF000u, text); // just before the wrap
    clock.Update(kReportSeasons, false, 0.5, 0x00001000u, text); // 8192 ms later
    EXPECT_STREQ(text, "Generating Report:  50.00% complete (will finish in 0 min, 09 sec)");
}

TEST(ReportHeader, LocationLines) {
    ScopedHost scope;
    FixedLocale locale;
    Location loc{};
    std::snprintf(loc.name, sizeof loc.name, "Sydney");
    loc.latitude = 33 + 52 / 60.0 + 4 / 3600.0;
    loc.latitudeHemisphere = kSouth;
    loc.longitude = 151 + 12 / 60.0 + 26 / 3600.0;
    loc.longitudeHemisphere = kEast;
    loc.timeZone = 10;
    loc.elevation = 58;
    ReportBuffer buffer;
    ReportHeader(loc, buffer);
    ASSERT_EQ(buffer.lineCount, 3);
    EXPECT_STREQ(buffer.Line(0),
                 "Sydney                Latitude:  33\26052'04\" S  Longitude:  151\26012'26\" E");
    EXPECT_STREQ(buffer.Line(1), "Local Time = UT +  10.00 hours  Elevation: 58 meters");
    EXPECT_STREQ(buffer.Line(2), "");
    loc.timeZone = -3.5;
    ReportHeader(loc, buffer);
    EXPECT_STREQ(buffer.Line(4), "Local Time = UT -   3.50 hours  Elevation: 58 meters");
}

TEST(StringListReports, IntroductionSkipsBangsAndKeepsEmptyLines) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    IntroductionReport(ReportRequest{}, buffer, Location{});
    const auto lines = BufferLines(buffer);
    // Title, ids 701..736 (three of them empty), then the page break.
    ASSERT_EQ(lines.size(), 1u + 36u + 1u);
    EXPECT_NE(lines[0].find("Introduction to Reports Generated by Skyloom 2"), std::string::npos);
    EXPECT_EQ(lines[0][0], ' ');
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "In all reports, times and dates are in standard time (not daylight");
    EXPECT_EQ(lines[36], "ZHR           Zenithal Hourly Rate");
    EXPECT_EQ(lines.back(), "\f");
    EXPECT_DOUBLE_EQ(scope.host.fractions.front(), 0.0);
    EXPECT_DOUBLE_EQ(scope.host.fractions.back(), 1.0);
    // Explanations only: the data formats get no results from it.
    EXPECT_TRUE(IntroductionRecords(ReportRequest{}, Location{}).empty());
}

TEST(StringListReports, PlanetDataUsesTheDecimalSeparator) {
    ScopedHost scope;
    FixedLocale locale(std::map<std::string, std::string>{{"sdecimal", ","}});
    ReportBuffer buffer;
    PlanetDataReport(ReportRequest{}, buffer, Location{});
    bool sawMars = false;
    for (const std::string& line : BufferLines(buffer)) {
        EXPECT_EQ(line.find('#'), std::string::npos) << line;
        if (line.rfind("Mars", 0) == 0) {
            sawMars = true;
            EXPECT_NE(line.find("1,52"), std::string::npos) << line;
        }
    }
    EXPECT_TRUE(sawMars);
}

TEST(StringListReports, AStoppedReportKeepsItsLines) {
    ScopedHost scope;
    FixedLocale locale;
    scope.host.stopAfterPumps = 5;
    ReportBuffer buffer;
    IntroductionReport(ReportRequest{}, buffer, Location{});
    EXPECT_EQ(buffer.lineCount, 6); // the title and five lines, no page break
    EXPECT_STRNE(buffer.Line(buffer.lineCount - 1), "\f");
}

} // namespace
