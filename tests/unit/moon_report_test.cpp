// The Moon Apsides and Moon Nodes reports.

#include "report_test_support.h"

#include "engine/location.h"
#include "engine/time.h"
#include "reports/moon_reports.h"
#include "reports/reports.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

Location Sydney() {
    return TestPlace("Sydney", 33 + 52 / 60.0 + 4 / 3600.0, kSouth, 151 + 12 / 60.0 + 26 / 3600.0,
                     kEast, 10, 58);
}

Location Tromso() {
    return TestPlace("Tromso", 69 + 38 / 60.0 + 57 / 3600.0, kNorth, 18 + 57 / 60.0 + 19 / 3600.0,
                     kEast, 1, 10);
}

// A place whose time zone is the only thing that matters to these reports.
Location Zone(double tz) {
    return TestPlace("Zone", 40.0, kNorth, 0, kWest, tz, 0);
}

std::vector<std::string> ApsidesRows(Location place, int year, int startMonth, int stopMonth) {
    ReportBuffer buffer;
    MoonApsidesReport(MonthsRequest(year, startMonth, stopMonth), buffer, place);
    std::vector<std::string> rows;
    for (const std::string& line : BufferLines(buffer)) {
        if (line.find("Apogee") != std::string::npos || line.find("Perigee") != std::string::npos) {
            rows.push_back(line);
        }
    }
    return rows;
}

std::vector<std::string> NodeRows(Location place, int year, int startMonth, int stopMonth) {
    ReportBuffer buffer;
    MoonNodesReport(MonthsRequest(year, startMonth, stopMonth), buffer, place);
    std::vector<std::string> rows;
    for (const std::string& line : BufferLines(buffer)) {
        if (line.find("Ascending") != std::string::npos ||
            line.find("Descending") != std::string::npos) {
            rows.push_back(line);
        }
    }
    return rows;
}

bool HasRowStarting(const std::vector<std::string>& rows, const std::string& start) {
    for (const std::string& row : rows) {
        if (row.rfind(start, 0) == 0) {
            return true;
        }
    }
    return false;
}

// The Julian day of a row's local date and time, read back as UT with the
// time zone; the time is a whole hour (apsides) or hh:mm (nodes).
double RowInstantUt(const std::string& row, double tz) {
    int month = 0;
    int day = 0;
    int year = 0;
    int hour = 0;
    int minute = 0;
    if (std::sscanf(row.c_str(), "%d/%d/%d %d:%d", &month, &day, &year, &hour, &minute) < 4) {
        ADD_FAILURE() << "unreadable row: " << row;
        return 0;
    }
    return CalendarToJulianDay(day + (hour + minute / 60.0) / 24.0, month, year) - tz / 24.0;
}

// ---------------------------------------------------------------------------
// Whole reports

TEST(MoonApsidesReport, GoldenReports) {
    FixedLocale locale;
    ExpectGolden(MoonApsidesReport, Sydney(), 1, 12, "moon_apsides_sydney_2026-01-12.txt");
    ExpectGolden(MoonApsidesReport, Tromso(), 1, 12, "moon_apsides_tromso_2026-01-12.txt");
}

TEST(MoonApsidesReport, GoldenUnderOtherRegionalSettings) {
    FixedLocale locale(std::map<std::string, std::string>{
        {"sdecimal", ","}, {"iLzero", "0"}, {"sshortdate", "dd.MM.yyyy"}});
    ExpectGolden(MoonApsidesReport, Sydney(), 1, 6,
                 "moon_apsides_sydney_2026-01-06_comma_dd.MM.yyyy.txt");
}

TEST(MoonNodesReport, GoldenReports) {
    FixedLocale locale;
    ExpectGolden(MoonNodesReport, Sydney(), 1, 12, "moon_nodes_sydney_2026-01-12.txt");
    ExpectGolden(MoonNodesReport, Tromso(), 1, 12, "moon_nodes_tromso_2026-01-12.txt");
}

TEST(MoonApsidesReport, AStoppedReportKeepsItsLines) {
    FixedLocale locale;
    std::vector<std::string> whole;
    {
        ScopedHost scope;
        ReportBuffer buffer;
        MoonApsidesReport(MonthsRequest(2026, 1, 12), buffer, Sydney());
        whole = BufferLines(buffer);
    }
    ScopedHost scope;
    // 369 daily distances, then stop half-way through the candidate days.
    scope.host.stopAfterPumps = 369 + 180;
    ReportBuffer buffer;
    MoonApsidesReport(MonthsRequest(2026, 1, 12), buffer, Sydney());
    const std::vector<std::string> kept = BufferLines(buffer);
    ASSERT_GT(kept.size(), 7u + 5u); // heading and some rows
    ASSERT_LT(kept.size(), whole.size() - 5);
    for (size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(kept[i], whole[i]) << i;
    }
    EXPECT_NE(kept.back(), "\f");
    EXPECT_LT(scope.host.fractions.back(), 1.0);
}

// ---------------------------------------------------------------------------
// Moon Apsides against an independent ephemeris

struct PublishedApsis {
    bool apogee;
    int year, month, day, hour, minute; // UT
    double km;
};

TEST(MoonApsidesReport, PassagesOf2026MatchAnIndependentEphemeris) {
    // Perigees and apogees of 2026 (UT, geocentric distance), found as the
    // extremes of the Earth-Moon distance of PyEphem 4.1.4 (libastro's
    // full lunar theory), which agree with the published perigee/apogee
    // tables (e.g. the closest perigee of the year on December 24, 356 650
    // km, and the farthest apogee on December 11, 406 419 km).
    static const PublishedApsis kApsides[] = {
        {false, 2026, 1, 1, 21, 53, 360348},   {true, 2026, 1, 13, 20, 58, 405438},
        {false, 2026, 1, 29, 21, 56, 365871},  {true, 2026, 2, 10, 16, 53, 404576},
        {false, 2026, 2, 24, 23, 30, 370135},  {true, 2026, 3, 10, 13, 53, 404384},
        {false, 2026, 3, 22, 11, 51, 366857},  {true, 2026, 4, 7, 8, 38, 404970},
        {false, 2026, 4, 19, 7, 5, 361630},    {true, 2026, 5, 4, 22, 20, 405839},
        {false, 2026, 5, 17, 13, 51, 358075},  {true, 2026, 6, 1, 4, 42, 406366},
        {false, 2026, 6, 14, 23, 24, 357197},  {true, 2026, 6, 28, 7, 25, 406265},
        {false, 2026, 7, 13, 8, 5, 359112},    {true, 2026, 7, 25, 16, 55, 405548},
        {false, 2026, 8, 10, 11, 25, 363284},  {true, 2026, 8, 22, 8, 29, 404642},
        {false, 2026, 9, 6, 20, 51, 368259},   {true, 2026, 9, 19, 3, 6, 404221},
        {false, 2026, 10, 1, 20, 57, 369334},  {true, 2026, 10, 16, 22, 58, 404643},
        {false, 2026, 10, 28, 18, 11, 364407}, {true, 2026, 11, 13, 17, 56, 405619},
        {false, 2026, 11, 25, 21, 9, 359347},  {true, 2026, 12, 11, 6, 57, 406419},
        {false, 2026, 12, 24, 8, 40, 356650},
    };
    ScopedHost scope;
    FixedLocale locale;
    const std::vector<std::string> rows = ApsidesRows(Zone(0), 2026, 1, 12);
    ASSERT_EQ(rows.size(), std::size(kApsides));
    for (size_t i = 0; i < rows.size(); ++i) {
        const PublishedApsis& p = kApsides[i];
        const double expected =
            CalendarToJulianDay(p.day + (p.hour + p.minute / 60.0) / 24.0, p.month, p.year);
        // The report takes the best whole hour of a low-precision theory.
        EXPECT_NEAR(RowInstantUt(rows[i], 0), expected, 1.5 / 24) << rows[i];
        EXPECT_NE(rows[i].find(p.apogee ? "Apogee " : "Perigee"), std::string::npos) << rows[i];
        long km = 0;
        ASSERT_EQ(std::sscanf(rows[i].c_str() + 33, "%ld", &km), 1) << rows[i];
        EXPECT_NEAR(km, p.km, 50) << rows[i];
    }
}

TEST(MoonApsidesReport, ApsisJustBeforeAMonthBoundaryInLocalTimeIsInThatMonth) {
    // The apogee of 2026 June 1 at about 05 h UT (see the table above) is
    // on May 31 at 21 h at UT - 8: it belongs to May's report, not June's.
    ScopedHost scope;
    FixedLocale locale;
    const std::vector<std::string> may = ApsidesRows(Zone(-8), 2026, 5, 5);
    const std::vector<std::string> june = ApsidesRows(Zone(-8), 2026, 6, 6);
    EXPECT_TRUE(HasRowStarting(may, "05/31/2026    21      Apogee ")) << may.back();
    for (const std::string& row : june) {
        EXPECT_EQ(row.rfind("05/", 0), std::string::npos) << row;
    }
    ASSERT_FALSE(june.empty());
    EXPECT_EQ(june.front().rfind("06/14/2026", 0), 0u) << june.front(); // the perigee comes first
}

TEST(MoonApsidesReport, MonthByMonthReportsListEveryPassageOnce) {
    ScopedHost scope;
    FixedLocale locale;
    for (double tz : {-12.0, -8.0, -3.5, 0.0, 5.5, 12.0}) {
        const std::vector<std::string> year = ApsidesRows(Zone(tz), 2026, 1, 12);
        std::vector<std::string> months;
        for (int month = 1; month <= 12; ++month) {
            for (const std::string& row : ApsidesRows(Zone(tz), 2026, month, month)) {
                months.push_back(row);
            }
        }
        EXPECT_EQ(months, year) << "time zone " << tz;
        EXPECT_GE(year.size(), 26u) << "time zone " << tz;
    }
}

TEST(MoonApsidesReport, PerigeeOnTheLastDayOfTheStopMonth) {
    // Perigee of 2027 August 30, about 15:45 UT (PyEphem, as above): on
    // August 31 after midnight at UT + 9.
    ScopedHost scope;
    FixedLocale locale;
    const std::vector<std::string> august = ApsidesRows(Zone(9), 2027, 8, 8);
    ASSERT_FALSE(august.empty());
    EXPECT_EQ(august.back().rfind("08/31/2027", 0), 0u) << august.back();
    EXPECT_NE(august.back().find("Perigee"), std::string::npos);
    EXPECT_FALSE(HasRowStarting(ApsidesRows(Zone(9), 2027, 9, 9), "08/"));
}

TEST(MoonApsidesReport, HourReadsTwentyFourWhenItRoundsUp) {
    // The June 1 apogee's best hour is 05 h UT; at UT - 5.25 that is 23:45
    // on May 31, which rounds up to hour 24 of that date.
    ScopedHost scope;
    FixedLocale locale;
    EXPECT_TRUE(
        HasRowStarting(ApsidesRows(Zone(-5.25), 2026, 5, 5), "05/31/2026    24      Apogee"));
}

TEST(MoonApsidesReport, ProgressRunsFromZeroToOne) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    MoonApsidesReport(MonthsRequest(2026, 2, 2), buffer, Zone(0));
    const std::vector<double>& f = scope.host.fractions;
    ASSERT_FALSE(f.empty());
    EXPECT_DOUBLE_EQ(f.front(), 0.0);
    EXPECT_DOUBLE_EQ(f.back(), 1.0);
    for (size_t i = 1; i < f.size(); ++i) {
        EXPECT_GE(f[i], f[i - 1]) << i;
    }
    // 28 + 4 daily distances and 28 + 2 candidate days, one pump each.
    EXPECT_EQ(scope.host.pumps, 32 + 30);
    EXPECT_STREQ(buffer.Line(buffer.lineCount - 1), "\f");
}

// ---------------------------------------------------------------------------
// Moon Nodes

TEST(MoonNodes, PassageMatchesMeeusExample51a) {
    // Meeus, Astronomical Algorithms, example 51.a: the ascending node of
    // 1987 May, k = -170, JDE 2446938.76803.
    EXPECT_NEAR(MoonNodePassageJde(-170), 2446938.76803, 0.00002);
}

struct NodePassage {
    bool ascending;
    int month, day, hour, minute; // UT, 2026
};

TEST(MoonNodesReport, PassagesOf2026MatchAnIndependentEphemeris) {
    // Zero crossings of the Moon's ecliptic latitude in 2026 by PyEphem
    // 4.1.4. Four of them frame the year's eclipses: the total lunar
    // eclipse of March 3 and the partial one of August 28 (Moon full near a
    // node), the annular solar eclipse of February 17 and the total solar
    // eclipse of August 12 (Moon new near a node).
    static const NodePassage kNodes[] = {
        {false, 1, 7, 11, 22},  {true, 1, 22, 0, 1},    {false, 2, 3, 19, 17},
        {true, 2, 18, 6, 18},   {false, 3, 3, 4, 34},   {true, 3, 17, 15, 21},
        {false, 3, 30, 11, 33}, {true, 4, 13, 23, 41},  {false, 4, 26, 14, 34},
        {true, 5, 11, 4, 34},   {false, 5, 23, 15, 25}, {true, 6, 7, 6, 17},
        {false, 6, 19, 17, 55}, {true, 7, 4, 7, 49},    {false, 7, 17, 0, 26},
        {true, 7, 31, 11, 51},  {false, 8, 13, 9, 55},  {true, 8, 27, 18, 44},
        {false, 9, 9, 19, 15},  {true, 9, 24, 2, 38},   {false, 10, 7, 1, 17},
        {true, 10, 21, 8, 50},  {false, 11, 3, 3, 0},   {true, 11, 17, 11, 46},
        {false, 11, 30, 3, 31}, {true, 12, 14, 13, 0},  {false, 12, 27, 7, 53},
    };
    ScopedHost scope;
    FixedLocale locale;
    const std::vector<std::string> rows = NodeRows(Zone(0), 2026, 1, 12);
    ASSERT_EQ(rows.size(), std::size(kNodes));
    for (size_t i = 0; i < rows.size(); ++i) {
        const NodePassage& p = kNodes[i];
        const double expected =
            CalendarToJulianDay(p.day + (p.hour + p.minute / 60.0) / 24.0, p.month, 2026);
        EXPECT_NEAR(RowInstantUt(rows[i], 0), expected, 4.0 / 1440) << rows[i];
        EXPECT_NE(rows[i].find(p.ascending ? "Ascending" : "Descending"), std::string::npos)
            << rows[i];
    }
    // Full Moon at the lunar eclipses, new Moon at the solar ones.
    EXPECT_EQ(rows[4].substr(rows[4].size() - 4), "1.00") << rows[4];
    EXPECT_EQ(rows[17].substr(rows[17].size() - 4), "1.00") << rows[17];
    EXPECT_EQ(rows[3].substr(rows[3].size() - 4), "0.01") << rows[3];
    EXPECT_EQ(rows[16].substr(rows[16].size() - 4), "0.01") << rows[16];
}

TEST(MoonNodesReport, IlluminatedFractionIsTakenAtTheUniversalTime) {
    // The descending node of 2026 May 23, 15:25 UT, falls near first
    // quarter: PyEphem gives the Moon 52.1 % lit then, 57.4 % twelve hours
    // later and 46.8 % twelve hours earlier.
    ScopedHost scope;
    FixedLocale locale;
    for (double tz : {-12.0, 0.0, 12.0}) {
        bool found = false;
        for (const std::string& row : NodeRows(Zone(tz), 2026, 5, 5)) {
            if (row.find("Descending") != std::string::npos && row.rfind("05/2", 0) == 0) {
                found = true;
                EXPECT_EQ(row.substr(row.size() - 4), "0.52") << "time zone " << tz << ": " << row;
            }
        }
        EXPECT_TRUE(found) << "time zone " << tz;
    }
}

TEST(MoonNodesReport, RangeEndsAtMidnightAfterTheLastDay) {
    // The descending node of 2025 July 1, about 03 h UT (K = 341.5): put by
    // the time zone two minutes before, then one minute after, the local
    // midnight that ends June.
    const double jdUt = MoonNodePassageJde(341.5) - MoonNodesDeltaTSeconds(2025) / 86400.0;
    const double boundary = CalendarToJulianDay(1.0, 7, 2025);
    ASSERT_NEAR(jdUt, boundary + 3.0 / 24, 1.0 / 24);
    ScopedHost scope;
    FixedLocale locale;

    const double before = (boundary - 2.0 / 1440 - jdUt) * 24;
    std::vector<std::string> june = NodeRows(Zone(before), 2025, 6, 6);
    ASSERT_FALSE(june.empty());
    EXPECT_EQ(june.back().rfind("06/30/2025    23:58    Descending", 0), 0u) << june.back();

    const double after = (boundary + 1.0 / 1440 - jdUt) * 24;
    june = NodeRows(Zone(after), 2025, 6, 6);
    ASSERT_FALSE(june.empty());
    EXPECT_EQ(june.back().find("06/30/2025"), std::string::npos) << june.back();
    const std::vector<std::string> july = NodeRows(Zone(after), 2025, 7, 7);
    ASSERT_FALSE(july.empty());
    EXPECT_EQ(july.front().rfind("07/01/2025     0:01    Descending", 0), 0u) << july.front();
}

TEST(MoonNodesReport, OneMonthListsEachNodeOnceOrTwice) {
    // A draconic month is 27.2 days: every calendar month holds one or two
    // passages through each node.
    ScopedHost scope;
    FixedLocale locale;
    for (int month = 1; month <= 12; ++month) {
        int ascending = 0;
        int descending = 0;
        for (const std::string& row : NodeRows(Zone(0), 2026, month, month)) {
            (row.find("Ascending") != std::string::npos ? ascending : descending) += 1;
        }
        EXPECT_GE(ascending, 1) << month;
        EXPECT_LE(ascending, 2) << month;
        EXPECT_GE(descending, 1) << month;
        EXPECT_LE(descending, 2) << month;
    }
}

TEST(MoonNodesReport, RunsToItsEndEvenWhenStopped) {
    FixedLocale locale;
    std::vector<std::string> whole;
    {
        ScopedHost scope;
        ReportBuffer buffer;
        MoonNodesReport(MonthsRequest(2026, 1, 12), buffer, Sydney());
        whole = BufferLines(buffer);
    }
    ScopedHost scope;
    scope.host.stopAfterPumps = 0;
    StopFlag = true;
    ReportBuffer buffer;
    MoonNodesReport(MonthsRequest(2026, 1, 12), buffer, Sydney());
    EXPECT_EQ(BufferLines(buffer), whole);
    EXPECT_EQ(whole.back(), "\f");
    EXPECT_EQ(scope.host.pumps, 0);
    EXPECT_DOUBLE_EQ(scope.host.fractions.back(), 1.0);
}

// The results printed whole are the report; each record stands on its row:
// its local date and rounded hour, its kind's word, the whole kilometres and
// the diameter to the printed decimals.
TEST(MoonApsidesResults, PrintedWholeTheyAreTheReportAndEachRecordIsOnItsLine) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Location& place : {Sydney(), Tromso()}) {
        const ReportRequest request = MonthsRequest(2026, 1, 12);
        ReportBuffer report;
        MoonApsidesReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddMoonApsidesHeading(request, place, printed);
        for (const MoonApsis& apsis : MoonApsidesResults(request, place)) {
            AddMoonApsisLine(apsis, place, printed);
        }
        ReportAddPageBreak(printed);
        EXPECT_EQ(BufferLines(printed), BufferLines(report));

        const std::vector<std::string> rows = ApsidesRows(place, 2026, 1, 12);
        const Records records = MoonApsidesRecords(request, place);
        ASSERT_EQ(records.size(), rows.size());
        for (size_t r = 0; r < records.size(); ++r) {
            const Record& record = records[r];
            const CalendarTime local = LocalTimeOf(record.jdUt, place.timeZone);
            char start[64];
            std::snprintf(start, sizeof start, "%s    %2d      %s",
                          RecordDateText(record.jdUt, place.timeZone).c_str(),
                          static_cast<int>(std::floor(local.hours + 0.5)),
                          record.kind == "apogee" ? "Apogee " : "Perigee");
            EXPECT_EQ(rows[r].rfind(start, 0), 0u) << rows[r] << " | " << start;
            ASSERT_EQ(record.fields.size(), 2u);
            char distance[32];
            char diameter[32];
            std::snprintf(distance, sizeof distance, " %.0f ", record.fields[0].number);
            std::snprintf(diameter, sizeof diameter, "%.4f", record.fields[1].number);
            EXPECT_NE(rows[r].find(distance), std::string::npos) << rows[r];
            EXPECT_NE(rows[r].find(diameter), std::string::npos) << rows[r];
            EXPECT_EQ(record.body, "moon");
        }
    }
}

TEST(MoonNodesResults, PrintedWholeTheyAreTheReportAndEachRecordIsOnItsLine) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Location& place : {Sydney(), Tromso()}) {
        const ReportRequest request = MonthsRequest(2026, 1, 12);
        ReportBuffer report;
        MoonNodesReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddMoonNodesHeading(request, place, printed);
        for (const MoonNodePassage& passage : MoonNodesResults(request, place)) {
            AddMoonNodeLine(passage, place, printed);
        }
        ReportAddPageBreak(printed);
        EXPECT_EQ(BufferLines(printed), BufferLines(report));

        const std::vector<std::string> rows = NodeRows(place, 2026, 1, 12);
        const Records records = MoonNodesRecords(request, place);
        ASSERT_EQ(records.size(), rows.size());
        ExpectRecordsInText(records, rows, place.timeZone);
        for (size_t r = 0; r < records.size(); ++r) {
            const bool ascending = rows[r].find("Ascending") != std::string::npos;
            EXPECT_EQ(records[r].kind, ascending ? "ascending_node" : "descending_node");
        }
    }
}

} // namespace
