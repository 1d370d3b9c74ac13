// The Calendar, Seasons and Dates of Easter reports.
//
// Published data: equinoxes and solstices from the USNO "Earth's Seasons"
// table; Moon phases from the USNO phases table; eclipses from F. Espenak's
// NASA eclipse pages; Easter dates from the Gregorian tables of Meeus,
// Astronomical Algorithms, chapter 8.

#include "report_test_support.h"

#include "engine/location.h"
#include "reports/calendar.h"
#include "reports/eclipses.h"
#include "reports/format.h"
#include "reports/names.h"
#include "reports/reports.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

Location Greenwich() {
    return TestPlace("Greenwich", 51.4772, kNorth, 0.0006, kWest, 0, 47);
}

Location Sydney() {
    return TestPlace("Sydney", 33 + 52 / 60.0 + 4 / 3600.0, kSouth, 151 + 12 / 60.0 + 26 / 3600.0,
                     kEast, 10, 58);
}

Location Tromso() {
    return TestPlace("Tromso", 69 + 38 / 60.0 + 57 / 3600.0, kNorth, 18 + 57 / 60.0 + 19 / 3600.0,
                     kEast, 1, 10);
}

// Minutes since midnight of an "hh:mm" text.
int ClockMinutes(const std::string& text) {
    int h = 0;
    int m = 0;
    if (std::sscanf(text.c_str(), "%d:%d", &h, &m) != 2) {
        return -1;
    }
    return h * 60 + m;
}

// The cell of column c (0 Sunday) in a calendar text line.
std::string Cell(const std::string& line, int c) {
    return line.substr(static_cast<size_t>(c) * 10, 10);
}

// Index of the calendar text line that shows day d in its first cell line,
// and the column, searching from line from; -1 when absent.
int FindDayLine(const std::vector<std::string>& lines, int from, int day, int& column) {
    char label[16];
    std::snprintf(label, sizeof label, "| %2d      ", day);
    for (int i = from; i < static_cast<int>(lines.size()); ++i) {
        if (lines[i].size() != 71 || lines[i][0] != '|') {
            continue;
        }
        for (int c = 0; c < 7; ++c) {
            if (Cell(lines[i], c) == label) {
                column = c;
                return i;
            }
        }
    }
    return -1;
}

int FindLine(const std::vector<std::string>& lines, const std::string& text, int from = 0) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i) {
        if (lines[i].find(text) != std::string::npos) {
            return i;
        }
    }
    return -1;
}

// --- The month grid ---

TEST(CalendarGrid, AFebruaryStartingOnSundayInACommonYearFillsFourRows) {
    int grid[kCalendarRows][7];
    // 2026 February 1 is a Sunday.
    EXPECT_EQ(CalendarWeekRows(2, 2026, grid), 4);
    EXPECT_EQ(grid[0][0], 1);
    EXPECT_EQ(grid[3][6], 28);
    EXPECT_EQ(grid[4][0], 0);
    // The same in the leap year 2004 needs a fifth row for the 29th.
    EXPECT_EQ(CalendarWeekRows(2, 2004, grid), 5);
    EXPECT_EQ(grid[4][0], 29);
}

TEST(CalendarGrid, AThirtyOneDayMonthStartingOnSaturdayHasSixRows) {
    int grid[kCalendarRows][7];
    // 2026 August 1 is a Saturday.
    EXPECT_EQ(CalendarWeekRows(8, 2026, grid), 6);
    EXPECT_EQ(grid[0][5], 0);
    EXPECT_EQ(grid[0][6], 1);
    EXPECT_EQ(grid[5][0], 30);
    EXPECT_EQ(grid[5][1], 31);
    EXPECT_EQ(grid[5][2], 0);
    // 2026 March 1 is a Sunday: five rows.
    EXPECT_EQ(CalendarWeekRows(3, 2026, grid), 5);
}

// The reform month: Thursday 4 October 1582 (Julian) was followed by Friday
// 15 October (Gregorian); the days between never were.
TEST(CalendarGrid, October1582SkipsTheTenDaysOfTheCalendarReform) {
    int grid[kCalendarRows][7];
    EXPECT_EQ(CalendarWeekRows(10, 1582, grid), 4);
    std::vector<int> days;
    for (const auto& week : grid) {
        for (int day : week) {
            if (day != 0) {
                days.push_back(day);
            }
        }
    }
    std::vector<int> expected = {1, 2, 3, 4};
    for (int day = 15; day <= 31; ++day) {
        expected.push_back(day);
    }
    EXPECT_EQ(days, expected);
    EXPECT_EQ(grid[0][4], 4);  // Thursday
    EXPECT_EQ(grid[0][5], 15); // Friday
}

// --- The Calendar report ---

TEST(CalendarReport, CellsShowThePhasesEclipsesAndEquinoxOfTheirLocalDate) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    CalendarReport(MonthsRequest(2026, 3, 3), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    // March 3: full Moon 11:38 UT (USNO) with the total lunar eclipse,
    // greatest at 11:34 UT (NASA).
    int column = -1;
    const int day3 = FindDayLine(lines, 0, 3, column);
    ASSERT_GE(day3, 0);
    EXPECT_EQ(Cell(lines[day3 + 5], column).substr(0, 5), "|FM: ");
    EXPECT_NEAR(ClockMinutes(Cell(lines[day3 + 5], column).substr(5)), 11 * 60 + 38, 10);
    EXPECT_EQ(Cell(lines[day3 + 6], column).substr(0, 5), "|LE: ");
    EXPECT_NEAR(ClockMinutes(Cell(lines[day3 + 6], column).substr(5)), 11 * 60 + 34, 15);
    EXPECT_EQ(Cell(lines[day3 + 7], column), "|         ");
    // March 20: the equinox at 14:46 UT, no blank after the colon.
    const int day20 = FindDayLine(lines, 0, 20, column);
    ASSERT_GE(day20, 0);
    EXPECT_EQ(Cell(lines[day20 + 7], column).substr(0, 5), "|MEQ:");
    EXPECT_NEAR(ClockMinutes(Cell(lines[day20 + 7], column).substr(5)), 14 * 60 + 46, 5);
    // March 19: new Moon 01:23 UT.
    const int day19 = FindDayLine(lines, 0, 19, column);
    ASSERT_GE(day19, 0);
    EXPECT_EQ(Cell(lines[day19 + 5], column).substr(0, 5), "|NM: ");
    EXPECT_NEAR(ClockMinutes(Cell(lines[day19 + 5], column).substr(5)), 1 * 60 + 23, 10);
    // Every cell line is seven ten-character cells and a closing bar.
    for (int i = day3 - 1; i < static_cast<int>(lines.size()) - 1; ++i) {
        EXPECT_EQ(lines[i].size(), 71u) << i;
    }
}

TEST(CalendarReport, AnEventShowsOnTheLocalDateOfItsInstant) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    // The total lunar eclipse of 2025 September 7, 18:12 UT, falls on
    // September 8 at 04:12 in Sydney (UT + 10).
    CalendarReport(MonthsRequest(2025, 9, 9), buffer, Sydney());
    const std::vector<std::string> lines = BufferLines(buffer);
    int column = -1;
    const int day8 = FindDayLine(lines, 0, 8, column);
    ASSERT_GE(day8, 0);
    EXPECT_EQ(Cell(lines[day8 + 6], column).substr(0, 5), "|LE: ");
    EXPECT_NEAR(ClockMinutes(Cell(lines[day8 + 6], column).substr(5)), 4 * 60 + 12, 15);
    const int day7 = FindDayLine(lines, 0, 7, column);
    ASSERT_GE(day7, 0);
    EXPECT_EQ(Cell(lines[day7 + 6], column), "|         ");
    // The partial solar eclipse of September 21, 19:43 UT, is on the 22nd.
    const int day22 = FindDayLine(lines, 0, 22, column);
    ASSERT_GE(day22, 0);
    EXPECT_EQ(Cell(lines[day22 + 6], column).substr(0, 5), "|SE: ");
}

TEST(CalendarReport, RiseAndSetTimesMatchTheAlmanac) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    CalendarReport(MonthsRequest(2026, 6, 6), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    // Greenwich, 2026 June 21 (HM Nautical Almanac Office tables, GMT):
    // sunrise 03:43, sunset 20:21.
    int column = -1;
    const int day21 = FindDayLine(lines, 0, 21, column);
    ASSERT_GE(day21, 0);
    EXPECT_EQ(Cell(lines[day21 + 1], column).substr(0, 5), "|SR: ");
    EXPECT_NEAR(ClockMinutes(Cell(lines[day21 + 1], column).substr(5)), 3 * 60 + 43, 2);
    EXPECT_EQ(Cell(lines[day21 + 2], column).substr(0, 5), "|SS: ");
    EXPECT_NEAR(ClockMinutes(Cell(lines[day21 + 2], column).substr(5)), 20 * 60 + 21, 2);
    EXPECT_EQ(Cell(lines[day21 + 3], column).substr(0, 5), "|MR: ");
    EXPECT_EQ(Cell(lines[day21 + 4], column).substr(0, 5), "|MS: ");
}

TEST(CalendarReport, ThePolarDayShowsNoneForSunriseAndSunset) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    // Tromso has the midnight Sun from about May 20 to July 22.
    CalendarReport(MonthsRequest(2026, 6, 6), buffer, Tromso());
    const std::vector<std::string> lines = BufferLines(buffer);
    int column = -1;
    const int day15 = FindDayLine(lines, 0, 15, column);
    ASSERT_GE(day15, 0);
    EXPECT_EQ(Cell(lines[day15 + 1], column), "|SR: None ");
    EXPECT_EQ(Cell(lines[day15 + 2], column), "|SS: None ");
}

TEST(CalendarReport, EveryMonthEndsItsOwnPage) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    CalendarReport(MonthsRequest(2026, 1, 3), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    int breaks = 0;
    for (const std::string& line : lines) {
        breaks += line == "\f" ? 1 : 0;
    }
    EXPECT_EQ(breaks, 3);
    EXPECT_EQ(lines.back(), "\f");
    EXPECT_GE(FindLine(lines, "January        2026"), 0);
    EXPECT_GE(FindLine(lines, "March        2026"), 0);
    // January (5 rows), February (4) and March (5) of 2026: 9 lines per row,
    // 5 heading lines and a page break per month.
    EXPECT_EQ(lines.size(), 5u + 3 * 6 + 9 * (5 + 4 + 5));
    EXPECT_DOUBLE_EQ(scope.host.fractions.front(), 0.0);
    EXPECT_DOUBLE_EQ(scope.host.fractions.back(), 1.0);
}

TEST(CalendarReport, AStopMonthBeforeTheStartMonthGivesOnlyTheHeading) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    CalendarReport(MonthsRequest(2026, 5, 4), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_NE(lines[3].find("Calendar Report for"), std::string::npos);
    EXPECT_EQ(lines[4], "");
}

TEST(CalendarReport, AStoppedCalendarKeepsItsLines) {
    ScopedHost scope;
    FixedLocale locale;
    scope.host.stopAfterPumps = 10;
    ReportBuffer buffer;
    CalendarReport(MonthsRequest(2026, 1, 12), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    // Heading (5), the month heading (5), the first row (8 + rule) and two
    // lines of the second row.
    EXPECT_EQ(lines.size(), 5u + 5 + 9 + 2);
    EXPECT_NE(lines.back(), "\f");
}

int g_escapePolls = 0;
bool EscapeOnFifthPoll() {
    return ++g_escapePolls >= 5;
}

TEST(CalendarReport, EscDuringThePhaseCollectionLeavesOnlyTheHeading) {
    ScopedHost scope;
    FixedLocale locale;
    g_escapePolls = 0;
    SetEscapePoll(EscapeOnFifthPoll);
    ReportBuffer buffer;
    CalendarReport(MonthsRequest(2026, 1, 12), buffer, Greenwich());
    SetEscapePoll(nullptr);
    EXPECT_TRUE(StopFlag);
    EXPECT_EQ(buffer.lineCount, 5);
    // The phase collection reported its progress within the first tenth.
    ASSERT_FALSE(scope.host.fractions.empty());
    EXPECT_LT(scope.host.fractions.back(), 0.1);
}

TEST(CalendarReportGolden, SydneyFebruaryToMarch2026) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    CalendarReport(MonthsRequest(2026, 2, 3), buffer, Sydney());
    ExpectMatchesGolden(buffer, "calendar_sydney_2026_02-03.txt");
}

TEST(CalendarReportGolden, TromsoJuneToAugust2026) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    CalendarReport(MonthsRequest(2026, 6, 8), buffer, Tromso());
    ExpectMatchesGolden(buffer, "calendar_tromso_2026_06-08.txt");
}

TEST(CalendarReportGolden, TromsoDecemberUnderOtherSettings) {
    ScopedHost scope;
    FixedLocale locale(
        {{"sdecimal", ","}, {"sshortdate", "d.M.yyyy"}, {"iLzero", "0"}, {"itlzero", "1"}});
    ReportBuffer buffer;
    CalendarReport(MonthsRequest(2026, 12, 12), buffer, Tromso());
    ExpectMatchesGolden(buffer, "calendar_tromso_2026_12-12_d.M.yyyy_tlzero.txt");
}

// The line after each rule that opens a week row: its day line.
std::vector<int> WeekDayLines(const std::vector<std::string>& lines) {
    std::vector<int> starts;
    for (int i = 0; i + kCalendarCellLines < static_cast<int>(lines.size()); ++i) {
        if (lines[i].rfind("+-", 0) == 0 && lines[i + 1].size() == 71 && lines[i + 1][0] == '|') {
            starts.push_back(i + 1);
        }
    }
    return starts;
}

// Every record stands in its cell: a day's row in the cell of its date
// under its month's title, with its rises and sets below the day; each event
// after the row of its local date, in that cell's list line for its kind.
// The records are as many as the days and the filled list cells the text
// shows.
void ExpectCalendarRecordsInText(const Records& records, const std::vector<std::string>& lines,
                                 double timeZone) {
    const std::string blank = "|         ";
    int dayCells = 0;
    int eventCells = 0;
    for (int first : WeekDayLines(lines)) {
        for (int c = 0; c < 7; ++c) {
            dayCells += Cell(lines[first], c) != blank ? 1 : 0;
            for (int k = 5; k < kCalendarCellLines; ++k) {
                eventCells += Cell(lines[first + k], c) != blank ? 1 : 0;
            }
        }
    }
    // The list line of the kind (counted from the day line) and the text
    // before the time.
    const std::map<std::string, std::pair<int, std::string>> eventCell = {
        {"new_moon", {5, "|NM: "}},          {"first_quarter", {5, "|FQ: "}},
        {"full_moon", {5, "|FM: "}},         {"last_quarter", {5, "|LQ: "}},
        {"lunar_eclipse", {6, "|LE: "}},     {"solar_eclipse", {6, "|SE: "}},
        {"march_equinox", {7, "|MEQ:"}},     {"june_solstice", {7, "|JSO:"}},
        {"september_equinox", {7, "|SEQ:"}}, {"december_solstice", {7, "|DSO:"}}};
    const char* const timeCells[4] = {"|SR: ", "|SS: ", "|MR: ", "|MS: "};
    const char* const timeNames[4] = {"sunrise", "sunset", "moonrise", "moonset"};
    int days = 0;
    int events = 0;
    int at = 0;
    int column = -1;
    int shownMonth = 0;
    std::string date;
    for (size_t n = 0; n < records.size(); ++n) {
        const Record& r = records[n];
        if (r.kind == "calendar_day") {
            EXPECT_FALSE(r.event || r.hasInstant || r.allDay) << n;
            if (r.month != shownMonth) {
                char name[64];
                MonthName(r.month, name);
                char title[96];
                std::snprintf(title, sizeof title, "%s        %4d", name, r.year);
                at = FindLine(lines, title, at);
                ASSERT_GE(at, 0) << title;
                shownMonth = r.month;
            }
            at = FindDayLine(lines, at, r.day, column);
            ASSERT_GE(at, 0) << "record " << n << ": day " << r.day << " of " << r.month;
            char text[kFormatSize];
            FormatDate(r.day, r.month, r.year, text);
            date = text;
            ++days;
            ASSERT_EQ(r.fields.size(), 4u);
            for (int i = 0; i < 4; ++i) {
                const RecordField& f = r.fields[i];
                EXPECT_EQ(f.name, timeNames[i]);
                EXPECT_EQ(f.kind, RecordField::Kind::Instant);
                const std::string time = f.happens ? RecordTimeText(f.number, timeZone) : "None ";
                EXPECT_EQ(Cell(lines[at + 1 + i], column), timeCells[i] + time)
                    << date << " " << f.name;
                if (f.happens) {
                    EXPECT_EQ(RecordDateText(f.number, timeZone), date) << f.name;
                }
            }
            continue;
        }
        ASSERT_GT(days, 0) << "record " << n << " (" << r.kind << ") comes before any day";
        const auto cell = eventCell.find(r.kind);
        ASSERT_NE(cell, eventCell.end()) << r.kind;
        EXPECT_TRUE(r.event && r.hasInstant) << r.kind;
        EXPECT_EQ(RecordDateText(r.jdUt, timeZone), date) << r.kind;
        EXPECT_EQ(Cell(lines[at + cell->second.first], column),
                  cell->second.second + RecordTimeText(r.jdUt, timeZone))
            << r.kind << " on " << date;
        ++events;
    }
    EXPECT_EQ(days, dayCells);
    EXPECT_EQ(events, eventCells);
}

// The months printed whole are the report, and each record stands in its
// cell. Sydney's February and March have a solar and a lunar eclipse and
// the equinox; Tromso's summer the polar day, the solstice and two eclipses.
TEST(CalendarResults, PrintedWholeTheyAreTheReportAndEachRecordIsInItsCell) {
    ScopedHost scope;
    FixedLocale locale;
    const struct {
        Location place;
        ReportRequest request;
    } cases[] = {{Sydney(), MonthsRequest(2026, 2, 3)}, {Tromso(), MonthsRequest(2026, 6, 8)}};
    for (const auto& c : cases) {
        ReportBuffer report;
        CalendarReport(c.request, report, c.place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddCalendarHeading(c.request, c.place, printed);
        for (const CalendarMonth& month : CalendarResults(c.request, c.place)) {
            AddCalendarMonthLines(month, printed);
        }
        const std::vector<std::string> lines = BufferLines(report);
        EXPECT_EQ(BufferLines(printed), lines);

        const Records records = CalendarRecords(c.request, c.place);
        ExpectCalendarRecordsInText(records, lines, c.place.timeZone);
    }
}

// --- The Seasons report ---

struct SeasonLine {
    std::string abbreviation;
    int month;
    int day;
    int year;
    int minutes;
    std::string season;
    double length;
};

SeasonLine ParseSeason(const std::string& line) {
    SeasonLine s{};
    char abbreviation[8] = "";
    char time[8] = "";
    char season[16] = "";
    const int n = std::sscanf(line.c_str(), "%4s %d/%d/%d %7s %15s Length: %lf", abbreviation,
                              &s.month, &s.day, &s.year, time, season, &s.length);
    EXPECT_EQ(n, 7) << line;
    s.abbreviation = abbreviation;
    s.minutes = ClockMinutes(time);
    s.season = season;
    return s;
}

TEST(SeasonsReport, The2026EquinoxesAndSolsticesAtGreenwich) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    SeasonsReport(YearsRequest(2026, 2026), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    // Header (3), an empty line, title, an empty line; four lines, an empty
    // line and the page break.
    ASSERT_EQ(lines.size(), 6u + 4 + 2);
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(lines[11], "\f");
    // USNO: 2026 March 20 14:46, June 21 08:24, September 23 00:05,
    // December 21 20:50 UT; 2027 March 20 20:25 UT.
    const struct {
        const char* abbreviation;
        int month;
        int day;
        int minutes;
        const char* season;
    } expected[] = {{"MEQ:", 3, 20, 14 * 60 + 46, "Winter"},
                    {"JSO:", 6, 21, 8 * 60 + 24, "Spring"},
                    {"SEQ:", 9, 23, 0 * 60 + 5, "Summer"},
                    {"DSO:", 12, 21, 20 * 60 + 50, "Autumn"}};
    for (int i = 0; i < 4; ++i) {
        const SeasonLine s = ParseSeason(lines[6 + i]);
        EXPECT_EQ(s.abbreviation, expected[i].abbreviation);
        EXPECT_EQ(s.month, expected[i].month);
        EXPECT_EQ(s.day, expected[i].day);
        EXPECT_EQ(s.year, 2026);
        EXPECT_NEAR(s.minutes, expected[i].minutes, 5) << lines[6 + i];
        EXPECT_EQ(s.season, expected[i].season);
    }
    // The March line's winter is the one that begins in December 2026 and
    // ends at the 2027 March equinox: 88.983 days by the USNO instants (a
    // winter ending in March 2026 would be 88.99 days long, so the check is
    // on the spring, summer and autumn as well).
    EXPECT_NEAR(ParseSeason(lines[6]).length, 88.983, 0.01);
    EXPECT_NEAR(ParseSeason(lines[7]).length, 92.735, 0.01); // spring 2026
    EXPECT_NEAR(ParseSeason(lines[8]).length, 93.653, 0.01); // summer
    EXPECT_NEAR(ParseSeason(lines[9]).length, 89.865, 0.01); // autumn
}

TEST(SeasonsReport, AStoppedReportKeepsItsYears) {
    ScopedHost scope;
    FixedLocale locale;
    scope.host.stopAfterPumps = 2;
    ReportBuffer buffer;
    SeasonsReport(YearsRequest(2026, 2030), buffer, Greenwich());
    EXPECT_EQ(buffer.lineCount, 6 + 2 * 5);
    EXPECT_STREQ(buffer.Line(buffer.lineCount - 1), "");
}

TEST(SeasonsReportGolden, Sydney) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    SeasonsReport(YearsRequest(2026, 2027), buffer, Sydney());
    ExpectMatchesGolden(buffer, "seasons_sydney_2026-2027.txt");
}

TEST(SeasonsReportGolden, Tromso) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    SeasonsReport(YearsRequest(2026, 2027), buffer, Tromso());
    ExpectMatchesGolden(buffer, "seasons_tromso_2026-2027.txt");
}

TEST(SeasonsReportGolden, SydneyDecimalCommaDayFirst) {
    ScopedHost scope;
    FixedLocale locale({{"sdecimal", ","}, {"sshortdate", "dd.MM.yyyy"}, {"iLzero", "0"}});
    ReportBuffer buffer;
    SeasonsReport(YearsRequest(2026, 2027), buffer, Sydney());
    ExpectMatchesGolden(buffer, "seasons_sydney_2026-2027_comma_dd.MM.yyyy.txt");
}

// The results printed whole are the report; each record stands on its line.
TEST(SeasonsResults, PrintedWholeTheyAreTheReportAndEachRecordIsOnItsLine) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Location& place : {Sydney(), Tromso()}) {
        const ReportRequest request = YearsRequest(2026, 2027);
        ReportBuffer report;
        SeasonsReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddSeasonsHeading(request, place, printed);
        for (const SeasonsOfYear& year : SeasonsResults(request)) {
            AddSeasonsLines(year, place, printed);
        }
        ReportAddPageBreak(printed);
        EXPECT_EQ(BufferLines(printed), BufferLines(report));

        const Records records = SeasonsRecords(request, place);
        ASSERT_EQ(records.size(), 8u);
        EXPECT_EQ(records[0].kind, "march_equinox");
        EXPECT_EQ(records[3].kind, "december_solstice");
        ExpectRecordsInText(records, BufferLines(report), place.timeZone);
    }
}

// --- The Dates of Easter report ---

TEST(EasterReport, Easter1994IsApril3) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    EasterReport(YearsRequest(1994, 1994), buffer, Location{});
    const std::vector<std::string> lines = BufferLines(buffer);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string(24, ' ') + "Dates of Easter Report for 1994");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "04/03/1994");
    EXPECT_EQ(lines[3], "\f");
}

TEST(EasterReport, AStoppedReportKeepsItsDates) {
    ScopedHost scope;
    FixedLocale locale;
    scope.host.stopAfterPumps = 3;
    ReportBuffer buffer;
    EasterReport(YearsRequest(2024, 2030), buffer, Location{});
    const std::vector<std::string> lines = BufferLines(buffer);
    // 2024 March 31, 2025 April 20, 2026 April 5.
    EXPECT_EQ(lines,
              (std::vector<std::string>{lines[0], "", "03/31/2024", "04/20/2025", "04/05/2026"}));
    EXPECT_DOUBLE_EQ(scope.host.fractions[0], 0.0);
}

TEST(EasterReportGolden, Range1990To2030) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    EasterReport(YearsRequest(1990, 2030), buffer, Location{});
    ExpectMatchesGolden(buffer, "easter_1990-2030.txt");
}

TEST(EasterReportGolden, UnderOtherSettings) {
    ScopedHost scope;
    FixedLocale locale({{"sdecimal", ","}, {"sshortdate", "dd.MM.yyyy"}, {"iLzero", "0"}});
    ReportBuffer buffer;
    EasterReport(YearsRequest(2020, 2030), buffer, Location{});
    ExpectMatchesGolden(buffer, "easter_2020-2030_dd.MM.yyyy.txt");
}

// The dates printed whole are the report, each record the date on its line;
// the range spans the change from the Julian to the Gregorian rule.
TEST(EasterResults, PrintedWholeTheyAreTheReportAndEachRecordIsItsLine) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Location& place : {Sydney(), Tromso()}) {
        const ReportRequest request = YearsRequest(1578, 1590);
        ReportBuffer report;
        EasterReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddEasterHeading(request, printed);
        for (const EasterSunday& easter : EasterResults(request)) {
            AddEasterLine(easter, printed);
        }
        ReportAddPageBreak(printed);
        const std::vector<std::string> lines = BufferLines(report);
        EXPECT_EQ(BufferLines(printed), lines);

        const Records records = EasterRecords(request, place);
        // The title, an empty line, a line a year and the page break.
        ASSERT_EQ(records.size() + 3, lines.size());
        for (size_t i = 0; i < records.size(); ++i) {
            const Record& r = records[i];
            EXPECT_EQ(r.kind, "easter_sunday");
            EXPECT_EQ(r.summary, "Easter Sunday");
            EXPECT_TRUE(r.event && r.allDay && !r.hasInstant);
            EXPECT_EQ(r.year, 1578 + static_cast<int>(i));
            char date[kFormatSize];
            FormatDate(r.day, r.month, r.year, date);
            EXPECT_EQ(lines[2 + i], date) << i;
        }
    }
}

} // namespace
