// The Almanac: every report of a year in one buffer.

#include "report_test_support.h"

#include "engine/location.h"
#include "reports/almanac.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Location Sydney() {
    return TestPlace("Sydney", 33 + 52 / 60.0 + 4 / 3600.0, kSouth, 151 + 12 / 60.0 + 26 / 3600.0,
                     kEast, 10, 58);
}

// Index of the first line at or after from that contains text; -1 if none.
int FindLine(const std::vector<std::string>& lines, const std::string& text, int from) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i) {
        if (lines[i].find(text) != std::string::npos) {
            return i;
        }
    }
    return -1;
}

TEST(Almanac, WholeYearForSydney) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    AlmanacReport(MonthsRequest(2026, 1, 12), buffer, Sydney());
    // Every report, in report index order.
    const std::vector<std::string> lines = BufferLines(buffer);
    int at = 0;
    for (const char* title :
         {"Introduction to Reports", "Calendar Report for", "Seasons Report for",
          "Dates of Easter Report for", "Lunar Eclipse Report for", "Solar Eclipse Report for",
          "Planet View Info Report for", "Planet Apsides Report for",
          "Planet Conjunction/Opposition Report for", "Moon Apsides Report for",
          "Moon Nodes Report for", "Meteor Showers Report for", "Twilight Report for"}) {
        const int found = FindLine(lines, title, at);
        ASSERT_GE(found, 0) << title << " missing or out of order";
        at = found + 1;
    }
    EXPECT_EQ(lines.back(), "\f");
    ExpectMatchesGolden(buffer, "almanac_sydney_2026.txt");
    // The progress runs through the fourteen shares from 0 to 1.
    ASSERT_FALSE(scope.host.fractions.empty());
    EXPECT_DOUBLE_EQ(scope.host.fractions.front(), 0.0);
}

TEST(Almanac, NoFurtherReportStartsOnceStopped) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer whole;
    AlmanacReport(MonthsRequest(2026, 3, 3), whole, Sydney());
    const int pumps = scope.host.pumps;
    ASSERT_GT(pumps, 10);

    scope.host.pumps = 0;
    scope.host.stopAfterPumps = pumps / 2;
    ReportBuffer stopped;
    AlmanacReport(MonthsRequest(2026, 3, 3), stopped, Sydney());
    EXPECT_TRUE(StopFlag);
    EXPECT_LT(stopped.lineCount, whole.lineCount);
    // What was made before the stop is kept, line for line.
    for (int i = 0; i < stopped.lineCount; ++i) {
        ASSERT_STREQ(stopped.Line(i), whole.Line(i)) << i;
    }
}

} // namespace
