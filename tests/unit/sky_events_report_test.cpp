// The Meteor Showers and Twilight reports.

#include "report_test_support.h"

#include "engine/location.h"
#include "reports/format.h"
#include "reports/reports.h"
#include "reports/sky_events.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sstream>
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

Location Greenwich() {
    return TestPlace("Greenwich", 51.4772, kNorth, 0.0005, kWest, 0, 0);
}

// Meteor shower rows are the lines after the column heading, up to the page
// break.
std::vector<std::string> ShowerRows(Location place, int year, int startMonth, int stopMonth) {
    ReportBuffer buffer;
    MeteorShowersReport(MonthsRequest(year, startMonth, stopMonth), buffer, place);
    const std::vector<std::string> lines = BufferLines(buffer);
    std::vector<std::string> rows;
    for (size_t i = 8; i < lines.size() && lines[i] != "\f"; ++i) {
        rows.push_back(lines[i]);
    }
    return rows;
}

std::string RowOf(const std::vector<std::string>& rows, const std::string& shower) {
    for (const std::string& row : rows) {
        if (row.compare(12, shower.size() + 1, shower + " ") == 0) {
            return row;
        }
    }
    return "";
}

// The row of a twilight report that starts with date, or "".
std::string TwilightRow(Location place, int year, int month, const std::string& date) {
    ReportBuffer buffer;
    TwilightReport(MonthsRequest(year, month, month), buffer, place);
    for (const std::string& line : BufferLines(buffer)) {
        if (line.rfind(date, 0) == 0) {
            return line;
        }
    }
    return "";
}

// The eight times of a twilight row in hours; -1 for "-----".
std::vector<double> TwilightTimes(const std::string& row) {
    std::istringstream in(row.substr(10));
    std::vector<double> times;
    std::string field;
    while (in >> field) {
        int h = 0;
        int m = 0;
        if (field == "-----") {
            times.push_back(-1);
        } else if (std::sscanf(field.c_str(), "%d:%d", &h, &m) == 2) {
            times.push_back(h + m / 60.0);
        } else {
            ADD_FAILURE() << "unreadable field " << field << " in " << row;
        }
    }
    return times;
}

double Hm(int h, int m) {
    return h + m / 60.0;
}

TEST(MeteorShowersReport, GoldenReports) {
    FixedLocale locale;
    ExpectGolden(MeteorShowersReport, Sydney(), 1, 12, "meteor_showers_sydney_2026-01-12.txt");
    ExpectGolden(MeteorShowersReport, Tromso(), 1, 12, "meteor_showers_tromso_2026-01-12.txt");
}

TEST(MeteorShowersReport, GoldenUnderOtherRegionalSettings) {
    FixedLocale locale(std::map<std::string, std::string>{
        {"sdecimal", ","}, {"iLzero", "0"}, {"sshortdate", "dd.MM.yyyy"}});
    ExpectGolden(MeteorShowersReport, Sydney(), 7, 12,
                 "meteor_showers_sydney_2026-07-12_comma_dd.MM.yyyy.txt");
}

TEST(TwilightReport, GoldenReports) {
    FixedLocale locale;
    ExpectGolden(TwilightReport, Sydney(), 1, 12, "twilight_sydney_2026-01-12.txt");
    // Above 60 degrees: the refusal.
    ExpectGolden(TwilightReport, Tromso(), 1, 12, "twilight_tromso_2026-01-12.txt");
}

TEST(MeteorShowersReport, AStoppedReportKeepsItsLines) {
    FixedLocale locale;
    std::vector<std::string> whole;
    {
        ScopedHost scope;
        ReportBuffer buffer;
        MeteorShowersReport(MonthsRequest(2026, 1, 12), buffer, Sydney());
        whole = BufferLines(buffer);
    }
    ScopedHost scope;
    // 367 days of solar longitudes, then ten of the 28 showers.
    scope.host.stopAfterPumps = 367 + 10;
    ReportBuffer buffer;
    MeteorShowersReport(MonthsRequest(2026, 1, 12), buffer, Sydney());
    const std::vector<std::string> kept = BufferLines(buffer);
    ASSERT_EQ(kept.size(), 8u + 10u);
    for (size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(kept[i], whole[i]) << i;
    }
}

TEST(MeteorShowersReport, MaximaOnTheirPublishedDates) {
    // International Meteor Organization calendar 2026: Quadrantids January
    // 3-4, Lyrids April 22-23, eta-Aquarids May 5-6, Perseids August 12-13,
    // Orionids October 21-23, Leonids November 17-18, Geminids December
    // 13-14, Ursids December 22-23 (the table's solar longitudes are a
    // little later than the IMO's for some of them).
    ScopedHost scope;
    FixedLocale locale;
    const std::vector<std::string> rows = ShowerRows(Greenwich(), 2026, 1, 12);
    const struct {
        const char* name;
        const char* dates[3];
    } kMaxima[] = {
        {"Quadrantids", {"01/03/2026", "01/04/2026", ""}},
        {"Lyrids", {"04/22/2026", "04/23/2026", ""}},
        {"eta-Aquarids", {"05/05/2026", "05/06/2026", ""}},
        {"Perseids", {"08/12/2026", "08/13/2026", ""}},
        {"Orionids", {"10/21/2026", "10/22/2026", "10/23/2026"}},
        {"Leonids", {"11/17/2026", "11/18/2026", ""}},
        {"Geminids", {"12/13/2026", "12/14/2026", ""}},
        {"Ursids", {"12/22/2026", "12/23/2026", ""}},
    };
    for (const auto& m : kMaxima) {
        const std::string row = RowOf(rows, m.name);
        ASSERT_FALSE(row.empty()) << m.name;
        const std::string date = row.substr(0, 10);
        EXPECT_TRUE(date == m.dates[0] || date == m.dates[1] || date == m.dates[2]) << row;
    }
    // Every one of the 28 showers has its maximum once a year.
    EXPECT_EQ(rows.size(), 28u);
    // The Moon: full at the Quadrantids (January 3), new at the Perseids
    // (August 12), a waxing crescent at the Geminids (new Moon December 9).
    EXPECT_NE(RowOf(rows, "Quadrantids").find("0.99"), std::string::npos);
    EXPECT_NE(RowOf(rows, "Perseids").find("0.00"), std::string::npos);
    EXPECT_NE(RowOf(rows, "Geminids").find("0.21"), std::string::npos);
}

TEST(MeteorShowersReport, RowsWithoutRadiantOrRate) {
    ScopedHost scope;
    FixedLocale locale;
    const std::vector<std::string> july = ShowerRows(Greenwich(), 2026, 7, 7);
    ASSERT_FALSE(july.empty());
    // Row 8, the first Capricornids, has no radiant: RA and DEC are blank.
    EXPECT_EQ(july.front(),
              "07/09/2026  Capricornids         5                 0.37          106\260");
    const std::vector<std::string> october = ShowerRows(Greenwich(), 2026, 10, 10);
    ASSERT_FALSE(october.empty());
    // Row 20, the third Piscids, has an unknown rate.
    EXPECT_EQ(october.front(),
              "10/14/2026  Piscids             ??    1h44m   14\260  0.11          200\260");
}

TEST(MeteorShowersReport, MonthWithoutMaximaHasNoRows) {
    // No shower of the table has its maximum in February (solar longitude
    // 311 .. 340): the heading is followed by the page break alone.
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    MeteorShowersReport(MonthsRequest(2026, 2, 2), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[6],
              "Date        Meteor Shower       ZHR  RA      DEC   Illum. Frac.  Longitude");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "\f");
}

TEST(MeteorShowersReport, MaximumOnTheLastDayIsListedWhateverTheTimeZone) {
    // In 2025 the Piscis Australids' longitude is reached nearest 0 h UT of
    // July 31, the last day of July.
    ScopedHost scope;
    FixedLocale locale;
    for (double tz : {-12.0, -5.0, 0.0, 5.0, 12.0}) {
        Location place = Greenwich();
        place.timeZone = tz;
        const std::string row = RowOf(ShowerRows(place, 2025, 7, 7), "Piscis Australids");
        ASSERT_FALSE(row.empty()) << "time zone " << tz;
        EXPECT_EQ(row.substr(0, 10), tz < 0 ? "07/30/2025" : "07/31/2025") << row;
        EXPECT_TRUE(RowOf(ShowerRows(place, 2025, 8, 8), "Piscis Australids").empty()) << tz;
    }
}

TEST(MeteorShowersReport, MoonIsTakenAtTheUniversalTime) {
    // The Virginids' day is 2026 April 12, 0 h UT, three days after last
    // quarter: PyEphem 4.1.4 gives the Moon 33 % lit then (28 % twelve hours
    // later, 39 % twelve hours earlier).
    ScopedHost scope;
    FixedLocale locale;
    for (double tz : {-12.0, 0.0, 12.0}) {
        Location place = Greenwich();
        place.timeZone = tz;
        const std::string row = RowOf(ShowerRows(place, 2026, 4, 4), "Virginids");
        ASSERT_FALSE(row.empty()) << tz;
        EXPECT_EQ(row.substr(51, 4), "0.33") << "time zone " << tz << ": " << row;
    }
}

TEST(TwilightReport, GreenwichAtTheEquinoxesAndSolsticesMatchesTheAlmanac) {
    // Royal Observatory, Greenwich, UT: sunrise, sunset and the beginning
    // and end of astronomical, nautical and civil twilight (Sun's centre
    // 18, 12, 6 degrees down), as HM Nautical Almanac Office defines them;
    // times from PyEphem 4.1.4 for the place, no refraction below the
    // horizon. At midsummer the Sun stays above -18 degrees all night.
    ScopedHost scope;
    FixedLocale locale;
    const struct {
        int month;
        const char* date;
        double times[8];
    } kAlmanac[] = {
        {3,
         "03/22/2026",
         {Hm(5, 58), Hm(18, 16), Hm(4, 4), Hm(20, 10), Hm(4, 45), Hm(19, 29), Hm(5, 25),
          Hm(18, 49)}},
        {6,
         "06/22/2026",
         {Hm(3, 42), Hm(20, 21), -1, -1, Hm(1, 40), Hm(22, 23), Hm(2, 55), Hm(21, 8)}},
        {9,
         "09/22/2026",
         {Hm(5, 45), Hm(17, 58), Hm(3, 51), Hm(19, 51), Hm(4, 33), Hm(19, 11), Hm(5, 12),
          Hm(18, 31)}},
        {12,
         "12/22/2026",
         {Hm(8, 3), Hm(15, 53), Hm(5, 59), Hm(17, 57), Hm(6, 40), Hm(17, 17), Hm(7, 23),
          Hm(16, 33)}},
    };
    for (const auto& a : kAlmanac) {
        const std::string row = TwilightRow(Greenwich(), 2026, a.month, a.date);
        ASSERT_FALSE(row.empty()) << a.date;
        const std::vector<double> times = TwilightTimes(row);
        ASSERT_EQ(times.size(), 8u) << row;
        for (int i = 0; i < 8; ++i) {
            if (a.times[i] < 0) {
                EXPECT_EQ(times[i], -1) << i << ": " << row;
            } else {
                EXPECT_NEAR(times[i], a.times[i], 2.0 / 60) << i << ": " << row;
            }
        }
    }
}

TEST(TwilightReport, LatitudeSixtyIsTheLimit) {
    ScopedHost scope;
    FixedLocale locale;
    Location place = TestPlace("Sixty", 60.0, kNorth, 25.0, kEast, 2, 0);
    ReportBuffer buffer;
    TwilightReport(MonthsRequest(2026, 6, 6), buffer, place);
    std::vector<std::string> lines = BufferLines(buffer);
    ASSERT_EQ(lines.size(), 9u + 5u + 1u); // heading, June 1 .. 29, page break
    // Around midsummer at 60 degrees the Sun stays above -12 degrees:
    // neither astronomical nor nautical twilight begins or ends.
    const std::vector<double> midsummer = TwilightTimes(lines[9 + 3]);
    ASSERT_EQ(midsummer.size(), 8u);
    for (int i = 2; i < 6; ++i) {
        EXPECT_EQ(midsummer[i], -1) << lines[9 + 3];
    }
    EXPECT_GT(midsummer[6], 0) << lines[9 + 3];
    EXPECT_EQ(lines.back(), "\f");

    place.latitude = 60.5;
    scope.host.fractions.clear();
    ReportFree(buffer);
    TwilightReport(MonthsRequest(2026, 6, 6), buffer, place);
    lines = BufferLines(buffer);
    ASSERT_EQ(lines.size(), 10u); // no page break after the refusal
    EXPECT_EQ(lines[9], "Cannot generate Twilight Report for latitude greater than 60\260");
    EXPECT_EQ(scope.host.fractions, std::vector<double>{1.0});
}

TEST(TwilightReport, AStoppedReportKeepsItsLines) {
    ScopedHost scope;
    FixedLocale locale;
    scope.host.stopAfterPumps = 3;
    ReportBuffer buffer;
    TwilightReport(MonthsRequest(2026, 1, 12), buffer, Sydney());
    const std::vector<std::string> lines = BufferLines(buffer);
    ASSERT_EQ(lines.size(), 9u + 3u);
    EXPECT_EQ(lines.back().substr(0, 10), "01/15/2026");
}

TEST(TwilightOffset, StartsFromThePrintedSunrise) {
    // At the equator on an equinox the Sun rises vertically at 15 degrees
    // an hour: from the standard altitude -0.8333 down to -6 degrees takes
    // 5.1667 / 15 hours of sidereal angle.
    EXPECT_NEAR(TwilightOffset(0, 0, kCivilZenith), 5.1667 / 15 * 0.9973, 0.0005);
    EXPECT_NEAR(TwilightOffset(0, 0, kAstronomicalZenith), 17.1667 / 15 * 0.9973, 0.0005);
}

TEST(TwilightOffset, NoOffsetWhereTheSunDoesNotGetThere) {
    // Greenwich at midsummer: never 18 degrees down.
    EXPECT_EQ(TwilightOffset(51.48, 23.44, kAstronomicalZenith), 100.0);
    EXPECT_LT(TwilightOffset(51.48, 23.44, kNauticalZenith), 3.0);
    // Polar night: the Sun does not rise, so there is no sunrise to start
    // from.
    EXPECT_EQ(TwilightOffset(80.0, -23.44, kCivilZenith), 100.0);
}

TEST(TwilightTime, DashesOutsideTheDay) {
    FixedLocale locale;
    char text[kReportSlot];
    TwilightTime(0.0, text);
    EXPECT_STREQ(text, " 0:00");
    TwilightTime(23.5, text);
    EXPECT_STREQ(text, "23:30");
    TwilightTime(-0.01, text);
    EXPECT_STREQ(text, "-----");
    TwilightTime(24.0, text);
    EXPECT_STREQ(text, "-----");
    TwilightTime(-1.0 - 100.0, text); // no sunrise and no twilight
    EXPECT_STREQ(text, "-----");
}

// --- Results and records -----------------------------------------------------

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string DateText(int day, int month, int year) {
    char text[kFormatSize];
    FormatDate(day, month, year, text);
    return Trim(text);
}

std::string Fixed(double value, int decimals) {
    char text[kFormatSize];
    FormatFixed(value, 1, decimals, text);
    return text;
}

const RecordField* FindField(const Record& record, const std::string& name) {
    for (const RecordField& field : record.fields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

TEST(MeteorShowersResults, PrintedWholeTheyAreTheReportAndEachRecordIsOnItsLine) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Location& place : {Sydney(), Tromso()}) {
        const ReportRequest request = MonthsRequest(2026, 1, 12);
        ReportBuffer report;
        MeteorShowersReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddMeteorShowersHeading(request, place, printed);
        for (const MeteorShowerMaximum& maximum : MeteorShowersResults(request, place)) {
            AddMeteorShowerLine(maximum, printed);
        }
        ReportAddPageBreak(printed);
        EXPECT_EQ(BufferLines(printed), BufferLines(report));

        // The rows' columns: date, shower, ZHR, radiant RA and Dec, the
        // Moon's illuminated fraction, the Sun's longitude.
        const std::vector<std::string> rows = ShowerRows(place, 2026, 1, 12);
        const Records records = MeteorShowersRecords(request, place);
        ASSERT_EQ(records.size(), rows.size());
        ASSERT_GE(records.size(), 25u);
        bool sawUnknownRate = false, sawNoRadiant = false;
        for (size_t r = 0; r < records.size(); ++r) {
            const Record& record = records[r];
            const std::string& row = rows[r];
            ASSERT_GE(row.size(), 68u) << row;
            EXPECT_EQ(record.kind, "meteor_shower_maximum");
            EXPECT_TRUE(record.event && record.allDay && !record.hasInstant);
            EXPECT_EQ(row.substr(0, 10), DateText(record.day, record.month, record.year));
            const std::string name = Trim(row.substr(12, 18));
            EXPECT_EQ(FindField(record, "shower")->text, name);
            EXPECT_EQ(record.summary, name + " maximum");
            const RecordField* zhr = FindField(record, "zhr");
            EXPECT_EQ(Trim(row.substr(32, 2)), zhr ? Fixed(zhr->number, 0) : "??") << row;
            sawUnknownRate = sawUnknownRate || zhr == nullptr;
            const RecordField* ra = FindField(record, "radiant_ra_hours");
            const RecordField* dec = FindField(record, "radiant_dec_deg");
            EXPECT_EQ(ra == nullptr, dec == nullptr);
            if (ra != nullptr && dec != nullptr) {
                char text[kFormatSize];
                FormatSexagesimalShort(ra->number, 0, text);
                EXPECT_EQ(Trim(row.substr(36, 7)), Trim(text)) << row;
                EXPECT_EQ(Trim(row.substr(45, 4)), Fixed(dec->number, 0) + "\260") << row;
            } else {
                EXPECT_EQ(Trim(row.substr(36, 13)), "") << row;
                sawNoRadiant = true;
            }
            EXPECT_EQ(row.substr(51, 4),
                      Fixed(FindField(record, "moon_illuminated_fraction")->number, 2));
            EXPECT_EQ(Trim(row.substr(65, 3)),
                      Fixed(FindField(record, "solar_longitude_deg")->number, 0));
        }
        EXPECT_TRUE(sawUnknownRate);
        EXPECT_TRUE(sawNoRadiant);
    }
}

TEST(TwilightResults, PrintedWholeTheyAreTheReportAndEachRecordIsOnItsLine) {
    ScopedHost scope;
    FixedLocale locale;
    // Greenwich besides: its June nights have no astronomical darkness.
    for (const Location& place : {Sydney(), Tromso(), Greenwich()}) {
        const ReportRequest request = MonthsRequest(2026, 1, 12);
        ReportBuffer report;
        TwilightReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddTwilightHeading(request, place, printed);
        const std::vector<TwilightDay> days = TwilightResults(request, place);
        if (TwilightLatitudeAllowed(place)) {
            for (const TwilightDay& day : days) {
                AddTwilightLine(day, printed);
            }
            ReportAddPageBreak(printed);
        } else {
            EXPECT_TRUE(days.empty());
            AddTwilightRefusal(printed);
        }
        const std::vector<std::string> lines = BufferLines(report);
        EXPECT_EQ(BufferLines(printed), lines);

        std::vector<std::string> rows;
        for (const std::string& line : lines) {
            if (line.size() > 10 && line[2] == '/' && line[5] == '/') {
                rows.push_back(line);
            }
        }
        const Records records = TwilightRecords(request, place);
        ASSERT_EQ(records.size(), rows.size());
        EXPECT_EQ(records.empty(), place.latitude > 60) << place.name;
        static const char* const kTimes[8] = {
            "sunrise",        "sunset",       "astronomical_begin", "astronomical_end",
            "nautical_begin", "nautical_end", "civil_begin",        "civil_end"};
        bool sawMark = false;
        for (size_t r = 0; r < records.size(); ++r) {
            const Record& record = records[r];
            std::istringstream in(rows[r]);
            std::vector<std::string> words;
            for (std::string w; in >> w;) {
                words.push_back(w);
            }
            ASSERT_EQ(words.size(), 9u) << rows[r];
            EXPECT_EQ(record.kind, "twilight_row");
            EXPECT_FALSE(record.event);
            EXPECT_EQ(words[0], DateText(record.day, record.month, record.year));
            for (int t = 0; t < 8; ++t) {
                const RecordField* field = FindField(record, kTimes[t]);
                ASSERT_NE(field, nullptr) << kTimes[t];
                const std::string mark = t < 2 ? "None" : "-----";
                const std::string expected =
                    field->happens ? Trim(RecordTimeText(field->number, place.timeZone)) : mark;
                EXPECT_EQ(words[1 + t], expected) << rows[r] << " " << kTimes[t];
                sawMark = sawMark || !field->happens;
            }
        }
        EXPECT_EQ(sawMark, place.name == std::string("Greenwich")) << place.name;
    }
}

} // namespace
