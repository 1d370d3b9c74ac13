// The planet reports: Planet View Info, Planet Apsides and Planet Conj/Opp.
//
// Where a test says "astronomy-engine" the expected value was computed with
// astronomy-engine 2.1.19 (VSOP87 planets; the reference ephemeris of
// tools/reference) by its own searches: SearchRelativeLongitude for
// conjunctions and oppositions, SearchPlanetApsis for apsides, Equator,
// Illumination, AngleFromSun and SearchRiseSet for the almanac rows.

#include "report_test_support.h"

#include "engine/frames.h"
#include "engine/location.h"
#include "engine/time.h"
#include "reports/format.h"
#include "reports/planet_reports.h"
#include "reports/reports.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
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

// On the Greenwich meridian with the zone 0, so local times read as UT.
Location Greenwich() {
    return TestPlace("Greenwich", 51 + 28 / 60.0 + 40 / 3600.0, kNorth, 0, kWest, 0, 46);
}

BitSet Only(int body) {
    return SetBit(body);
}

std::vector<std::string> Split(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string w;
    while (in >> w) {
        words.push_back(w);
    }
    return words;
}

// Julian day of a report date "MM/DD/YYYY" (default settings) plus hours.
double DateToJulianDay(const std::string& date, double hours = 0) {
    int month = 0, day = 0, year = 0;
    EXPECT_EQ(std::sscanf(date.c_str(), "%d/%d/%d", &month, &day, &year), 3) << date;
    return CalendarToJulianDay(day + hours / 24, month, year);
}

// "hh:mm" in hours; "None" as -1.
double ClockHours(const std::string& text) {
    if (text == "None") {
        return -1;
    }
    int h = 0, m = 0;
    EXPECT_EQ(std::sscanf(text.c_str(), "%d:%d", &h, &m), 2) << text;
    return h + m / 60.0;
}

// "7h32m32s" in hours.
double HourAngle(const std::string& text) {
    int h = 0, m = 0, s = 0;
    EXPECT_EQ(std::sscanf(text.c_str(), "%dh%dm%ds", &h, &m, &s), 3) << text;
    return h + m / 60.0 + s / 3600.0;
}

// "-24°00'17\"" in degrees, the sign taken from the text.
double Degrees(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    int d = 0, m = 0, s = 0;
    EXPECT_EQ(std::sscanf(text.c_str() + (negative ? 1 : 0), "%d\260%d'%d", &d, &m, &s), 3) << text;
    const double value = d + m / 60.0 + s / 3600.0;
    return negative ? -value : value;
}

// The lines of the section headed by the body's name (as the report writes
// it, centred or not) up to the next page break or body name.
std::vector<std::string> SectionOf(const ReportBuffer& buffer, const char* name) {
    std::vector<std::string> section;
    bool inside = false;
    for (const std::string& line : BufferLines(buffer)) {
        const std::vector<std::string> words = Split(line);
        const bool isName = words.size() == 1 && line.find_first_of(":/") == std::string::npos;
        if (isName) {
            if (inside) {
                break;
            }
            inside = words[0] == name;
            continue;
        }
        if (inside) {
            if (line == "\f") {
                break;
            }
            section.push_back(line);
        }
    }
    return section;
}

// Rows of a section: the lines that start with a date.
std::vector<std::vector<std::string>> DatedRows(const std::vector<std::string>& section) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : section) {
        const std::vector<std::string> words = Split(line);
        if (!words.empty() && words[0].size() == 10 && words[0][2] == '/') {
            rows.push_back(words);
        }
    }
    return rows;
}

// --- The shared helpers --------------------------------------------------

TEST(PlanetPlaces, LongitudeSeparationAcrossTheSeamAndOppositeTheSun) {
    EXPECT_DOUBLE_EQ(LongitudeSeparation(179, -179), 2);
    EXPECT_DOUBLE_EQ(LongitudeSeparation(-10, 10), 20);
    EXPECT_DOUBLE_EQ(LongitudeSeparation(0, 180), 180);
    // The opposition pass compares the Sun's longitude + 180 (up to 360) with
    // a planet's in (-180, 180]: 350 and -170 are 160 apart.
    EXPECT_DOUBLE_EQ(LongitudeSeparation(170 + 180, -170), 160);
    EXPECT_DOUBLE_EQ(LongitudeSeparation(359, -179), 178);
}

TEST(PlanetPlaces, SunAndPlanetPlacesOnTheEclipticOfDate) {
    double alpha, delta, lambda, semidiameter, k;
    // Meeus, Astronomical Algorithms, example 25.a: the Sun on 1992 October
    // 13.0 TD, apparent longitude 199.90895 (-160.09105 in (-180, 180]),
    // R = 0.99766 AU, so the semidiameter is 959.63" / R = 0.2672 degree.
    BodyEclipticPlace(CalendarToJulianDay(13.0, 10, 1992), kSun, alpha, delta, lambda, semidiameter,
                      k);
    EXPECT_NEAR(lambda, 199.90895 - 360, 0.01);
    EXPECT_NEAR(semidiameter, 0.2672, 0.0005);
    EXPECT_EQ(k, 0);
    // Meeus example 33.a: Venus on 1992 December 20.0 TD, apparent longitude
    // 313.08102 (-46.91898), declination -18 53 16.84; example 41.a:
    // illuminated fraction 0.647.
    BodyEclipticPlace(CalendarToJulianDay(20.0, 12, 1992), kVenus, alpha, delta, lambda,
                      semidiameter, k);
    EXPECT_NEAR(lambda, 313.08102 - 360, 0.02);
    EXPECT_NEAR(SignedLatitude(delta), -(18 + 53 / 60.0 + 16.84 / 3600), 0.02);
    EXPECT_NEAR(k, 0.647, 0.002);
    EXPECT_EQ(semidiameter, 0);
}

TEST(PlanetPlaces, EventHourIsTheSampledHourDespiteRounding) {
    // The refinement steps by h / 24, which is not exact in binary: without
    // care one sampled hour in three would read as the hour before it.
    const double midnight = CalendarToJulianDay(4.0, 11, 2026);
    for (int h = -24; h <= 24; ++h) {
        for (double zone : {0.0, 1.0, 10.0, -5.0, 5.5}) {
            int day, month, year, hour;
            EventLocalTime(midnight + h / 24.0, zone, day, month, year, hour);
            const double local = 4 * 24 + h + zone; // hours from 2026 Nov 0, 0h
            EXPECT_EQ(day, static_cast<int>(std::floor(local / 24)));
            EXPECT_EQ(hour, static_cast<int>(std::floor(local)) % 24) << h << " " << zone;
            EXPECT_EQ(month, 11);
            EXPECT_EQ(year, 2026);
        }
    }
}

// --- Planet View Info ------------------------------------------------------

struct AlmanacRow {
    const char* body;
    const char* date;
    double rise, set;         // local standard hours
    double ra, dec;           // hours, degrees
    double elongation, k, au; // degrees, fraction, AU
};

// astronomy-engine for Sydney (zone +10): the geocentric apparent place of
// date at 0h UT of the date, the elongation, illuminated fraction and
// distance then, and the rise and set on the local date.
constexpr AlmanacRow kSydneyAlmanac[] = {
    {"Venus", "01/01/2026", 4.683, 19.078, 18.67048, -23.6227, 1.452, 0.9997, 1.70996},
    {"Jupiter", "01/01/2026", 19.717, 5.767, 7.54156, 21.9788, 169.209, 0.9997, 4.24284},
    {"Saturn", "01/01/2026", 10.825, 23.206, 23.82527, -3.5973, 75.608, 0.9975, 9.71450},
    {"Mercury", "07/02/2026", 7.894, 18.257, 7.83432, 18.2180, 16.138, 0.1020, 0.60514},
    {"Venus", "07/02/2026", 9.563, 20.186, 9.61936, 16.0473, 41.200, 0.6873, 1.03548},
};

TEST(PlanetViewInfo, RowsAgreeWithAnAlmanac) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    PlanetViewInfoReport(MonthsRequest(2026, 1, 7, kAllBodies), buffer, Sydney());
    for (const AlmanacRow& want : kSydneyAlmanac) {
        bool seen = false;
        for (const auto& row : DatedRows(SectionOf(buffer, want.body))) {
            if (row[0] != want.date) {
                continue;
            }
            seen = true;
            ASSERT_EQ(row.size(), 8u);
            const std::string where = std::string(want.body) + " " + want.date;
            // The rise/set rules differ by seconds; a day's error in the date
            // moves a planet's rising by about four minutes.
            EXPECT_NEAR(ClockHours(row[1]), want.rise, 3 / 60.0) << where;
            EXPECT_NEAR(ClockHours(row[2]), want.set, 3 / 60.0) << where;
            // Half a day's error in the instant moves Mercury by 0.6 degree.
            EXPECT_NEAR(HourAngle(row[3]), want.ra, 0.3 / 15) << where;
            EXPECT_NEAR(Degrees(row[4]), want.dec, 0.3) << where;
            EXPECT_NEAR(Degrees(row[5]), want.elongation, 0.3) << where;
            EXPECT_NEAR(std::stod(row[6]), want.k, 0.002) << where;
            EXPECT_NEAR(std::stod(row[7]), want.au, 3e-3 * want.au) << where;
        }
        EXPECT_TRUE(seen) << want.body << " " << want.date;
    }
}

TEST(PlanetViewInfo, OneMonthHasAtMostFiveWeeklyRows) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer january;
    PlanetViewInfoReport(MonthsRequest(2026, 1, 1, Only(kMars)), january, Sydney());
    std::vector<std::string> dates;
    for (const auto& row : DatedRows(SectionOf(january, "Mars"))) {
        dates.push_back(row[0]);
    }
    EXPECT_EQ(dates, (std::vector<std::string>{"01/01/2026", "01/08/2026", "01/15/2026",
                                               "01/22/2026", "01/29/2026"}));
    ReportBuffer february;
    PlanetViewInfoReport(MonthsRequest(2026, 2, 2, Only(kMars)), february, Sydney());
    EXPECT_EQ(DatedRows(SectionOf(february, "Mars")).size(), 4u);
}

TEST(PlanetViewInfo, NoRiseOrSetWhereAPlanetNeverRisesOrNeverSets) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    // At 69.6 N a planet further than 20.4 degrees (plus the 0.57 degree of
    // the horizon's dip) from the equator never sets or never rises: Jupiter
    // at +22 all January 2026, Mercury at -24 until it climbs past -21.
    PlanetViewInfoReport(MonthsRequest(2026, 1, 1, Only(kMercury) | Only(kJupiter)), buffer,
                         Tromso());
    int polar = 0, rising = 0;
    for (const char* body : {"Mercury", "Jupiter"}) {
        for (const auto& row : DatedRows(SectionOf(buffer, body))) {
            if (std::fabs(Degrees(row[4])) > 21.5) {
                ++polar;
                EXPECT_EQ(row[1], "None") << body << " " << row[0];
                EXPECT_EQ(row[2], "None") << body << " " << row[0];
            } else if (std::fabs(Degrees(row[4])) < 19.5) {
                ++rising;
                EXPECT_NE(row[1], "None") << body << " " << row[0];
                EXPECT_NE(row[2], "None") << body << " " << row[0];
            }
        }
    }
    EXPECT_EQ(polar, 4 + 5);
    EXPECT_EQ(rising, 1); // Mercury on January 29 at -18.5
}

TEST(PlanetViewInfo, AStoppedReportKeepsItsLines) {
    ScopedHost scope;
    FixedLocale locale;
    scope.host.stopAfterPumps = 3;
    ReportBuffer buffer;
    PlanetViewInfoReport(MonthsRequest(2026, 1, 12, kAllBodies), buffer, Sydney());
    // Location, title, Mercury's heading and its first three rows.
    const auto lines = BufferLines(buffer);
    ASSERT_EQ(lines.size(), 3u + 2u + 4u + 3u);
    EXPECT_EQ(DatedRows(lines).size(), 3u);
    EXPECT_NE(lines.back(), "\f");
}

// --- Planet Apsides --------------------------------------------------------

// (body, pass, UT date) of published or computed apsides, and how far the
// mean-element method may stray (days).
struct Apsis {
    const char* body;
    const char* pass;
    int year, month;
    double day;
    double toleranceDays;
};

constexpr Apsis kApsides[] = {
    // Earth at perihelion 2026 January 3 17h UT and aphelion July 6 18h UT
    // (astronomy-engine; the almanacs give the same days). The mean orbit
    // ignores the Moon's pull on the Earth, worth a day or two.
    {"Earth", "Perihelion", 2026, 1, 3.7, 2},
    {"Earth", "Aphelion", 2026, 7, 6.75, 2},
    // Mercury every 88 days (astronomy-engine).
    {"Mercury", "Perihelion", 2026, 2, 19.44, 1},
    {"Mercury", "Perihelion", 2026, 5, 18.41, 1},
    {"Mercury", "Perihelion", 2026, 8, 14.38, 1},
    {"Mercury", "Perihelion", 2026, 11, 10.35, 1},
    {"Mercury", "Aphelion", 2026, 1, 6.46, 1},
    {"Mercury", "Aphelion", 2026, 12, 24.34, 1},
    // Venus (astronomy-engine).
    {"Venus", "Perihelion", 2026, 5, 15.11, 1},
    {"Venus", "Aphelion", 2026, 9, 4.47, 1},
    // Mars at perihelion 2024 May 8 and 2026 March 26, aphelion 2023 May 30.
    {"Mars", "Perihelion", 2024, 5, 8.45, 1},
    {"Mars", "Perihelion", 2026, 3, 26.3, 1},
    {"Mars", "Aphelion", 2023, 5, 30.8, 1},
    // Jupiter at perihelion 2023 January 21, aphelion 2017 February 17:
    // within a week by the mean orbit.
    {"Jupiter", "Perihelion", 2023, 1, 20.55, 7},
    {"Jupiter", "Aphelion", 2017, 2, 17.37, 7},
    // Saturn at perihelion 2003 July 26, aphelion 2018 April 17: its apsides
    // drift by weeks under Jupiter's pull, which the mean orbit leaves out.
    {"Saturn", "Perihelion", 2003, 7, 26.55, 35},
    {"Saturn", "Aphelion", 2018, 4, 18.41, 35},
};

TEST(PlanetApsides, DatesAgreeWithPublishedApsidesWithinTheMethod) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Apsis& want : kApsides) {
        ReportBuffer buffer;
        PlanetApsidesReport(YearsRequest(want.year, want.year, kAllBodies), buffer, Greenwich());
        const double expected = CalendarToJulianDay(want.day, want.month, want.year);
        double nearest = 1e9;
        for (const auto& row : DatedRows(SectionOf(buffer, want.body))) {
            if (row[1] != want.pass) {
                continue;
            }
            // The printed day stands for an instant within it; take its noon.
            const double difference = DateToJulianDay(row[0], 12) - expected;
            if (std::fabs(difference) < std::fabs(nearest)) {
                nearest = difference;
            }
        }
        EXPECT_LE(std::fabs(nearest), want.toleranceDays + 0.5)
            << want.body << " " << want.pass << " " << want.year;
    }
}

TEST(PlanetApsides, MercuryHasFourOrFivePassesOfEachKindAYear) {
    ScopedHost scope;
    FixedLocale locale;
    for (int year = 2024; year <= 2030; ++year) {
        ReportBuffer buffer;
        PlanetApsidesReport(YearsRequest(year, year, Only(kMercury)), buffer, Sydney());
        int perihelia = 0, aphelia = 0;
        for (const auto& row : DatedRows(SectionOf(buffer, "Mercury"))) {
            // Apsides of the neighbouring years lie inside the scanned k
            // range but are not printed.
            EXPECT_EQ(row[0].substr(6), std::to_string(year));
            (row[1] == "Perihelion" ? perihelia : aphelia)++;
        }
        EXPECT_GE(perihelia, 4) << year;
        EXPECT_LE(perihelia, 5) << year;
        EXPECT_GE(aphelia, 4) << year;
        EXPECT_LE(aphelia, 5) << year;
    }
}

TEST(PlanetApsides, ABodyWithoutApsisInTheRangeSaysSo) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    // Jupiter's last perihelion was 2023 January, its next aphelion 2029.
    PlanetApsidesReport(YearsRequest(2026, 2026, Only(kJupiter) | Only(kMars)), buffer, Sydney());
    EXPECT_EQ(SectionOf(buffer, "Jupiter"), (std::vector<std::string>{"  No Apsis"}));
    EXPECT_EQ(DatedRows(SectionOf(buffer, "Mars")).size(), 1u);
    EXPECT_EQ(BufferLines(buffer).back(), "\f");
}

TEST(PlanetApsidesMend, AnApsisEarlyOnNewYearsDayBelongsToItsOwnYear) {
    ScopedHost scope;
    FixedLocale locale;
    // The table puts a Venus aphelion at 1974 December 31 15:41 UT, which is
    // 1975 January 1 01:41 in Sydney (zone +10). Taking the year range in UT
    // would print that 1975 date in the 1974 report and leave it out of 1975.
    ReportBuffer y1974;
    PlanetApsidesReport(YearsRequest(1974, 1974, Only(kVenus)), y1974, Sydney());
    for (const auto& row : DatedRows(SectionOf(y1974, "Venus"))) {
        EXPECT_EQ(row[0].substr(6), "1974");
    }
    ReportBuffer y1975;
    PlanetApsidesReport(YearsRequest(1975, 1975, Only(kVenus)), y1975, Sydney());
    const auto rows = DatedRows(SectionOf(y1975, "Venus"));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front()[0], "04/23/1975"); // the perihelion pass comes first
    bool newYear = false;
    for (const auto& row : rows) {
        newYear = newYear || (row[0] == "01/01/1975" && row[1] == "Aphelion");
    }
    EXPECT_TRUE(newYear);
}

TEST(PlanetApsides, AStoppedReportKeepsItsLines) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    scope.host.stopAfterPumps = 25; // Earth's 21 perihelion counts, then 4 aphelion ones
    PlanetApsidesReport(YearsRequest(2026, 2026, kAllBodies), buffer, Sydney());
    const auto lines = BufferLines(buffer);
    EXPECT_EQ(lines.back(), "  01/04/2026  Perihelion   Distance from Sun:   0.98 AU");
    EXPECT_EQ(scope.host.pumps, 26);
}

// --- Planet Conj/Opp -------------------------------------------------------

struct Event {
    const char* body;
    const char* name;
    const char* label;
    int month, day;
    double hour; // UT (the Greenwich place has zone 0)
};

// 2026's conjunctions and oppositions by astronomy-engine. The almanacs agree
// on the days: Venus at superior conjunction January 6 and inferior
// conjunction October 24, Mars in conjunction January 9, Jupiter at
// opposition January 10, Saturn at opposition October 4. Mercury (May 14)
// and Uranus (May 22) pass behind the Sun 0.148 and 0.159 degree from its
// centre in ecliptic latitude, inside its 0.26-degree semidiameter.
constexpr Event kEvents2026[] = {
    {"Mercury", "Superior Conjunction", "", 1, 21, 15.54},
    {"Mercury", "Inferior Conjunction", "", 3, 7, 10.93},
    {"Mercury", "Superior Conjunction", "(Occultation)", 5, 14, 14.19},
    {"Mercury", "Inferior Conjunction", "", 7, 13, 1.33},
    {"Mercury", "Superior Conjunction", "", 8, 27, 16.83},
    {"Mercury", "Inferior Conjunction", "", 11, 4, 14.31},
    {"Venus", "Superior Conjunction", "", 1, 6, 15.89},
    {"Venus", "Inferior Conjunction", "", 10, 24, 3.56},
    {"Mars", "Conjunction", "", 1, 9, 12.17},
    {"Jupiter", "Conjunction", "", 7, 29, 12.37},
    {"Jupiter", "Opposition", "", 1, 10, 8.49},
    {"Saturn", "Conjunction", "", 3, 25, 8.91},
    {"Saturn", "Opposition", "", 10, 4, 12.21},
    {"Uranus", "Conjunction", "(Occultation)", 5, 22, 14.47},
    {"Uranus", "Opposition", "", 11, 25, 22.45},
    {"Neptune", "Conjunction", "", 3, 22, 11.41},
    {"Neptune", "Opposition", "", 9, 26, 1.45},
    {"Pluto", "Conjunction", "", 1, 23, 10.48},
    {"Pluto", "Opposition", "", 7, 27, 6.66},
};

// The event rows of one planet's section: date, hour, name, label.
struct EventRow {
    std::string date;
    int hour;
    std::string name;
    std::string label;
};

std::vector<EventRow> EventRows(const ReportBuffer& buffer, const char* body) {
    std::vector<EventRow> rows;
    for (const std::string& line : SectionOf(buffer, body)) {
        if (line.size() < 36 || line[4] != '/') {
            continue;
        }
        // "  %s  %s     %-20s  %-13s"
        EventRow row;
        row.date = line.substr(2, 10);
        row.hour = std::stoi(line.substr(14, 2));
        row.name = line.substr(21, 20);
        row.name.erase(row.name.find_last_not_of(' ') + 1);
        row.label = line.size() > 43 ? line.substr(43) : "";
        row.label.erase(row.label.find_last_not_of(' ') + 1);
        rows.push_back(row);
    }
    return rows;
}

TEST(PlanetConjOpp, EventsOfAYearAgreeWithTheEphemerisWithinTheMethod) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    PlanetConjOppReport(MonthsRequest(2026, 1, 12, kAllBodies), buffer, Greenwich());
    size_t total = 0;
    for (const char* body :
         {"Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"}) {
        total += EventRows(buffer, body).size();
    }
    EXPECT_EQ(total, std::size(kEvents2026));
    for (const Event& want : kEvents2026) {
        const double expected = CalendarToJulianDay(want.day + want.hour / 24, want.month, 2026);
        bool seen = false;
        for (const EventRow& row : EventRows(buffer, want.body)) {
            const double printed = DateToJulianDay(row.date, row.hour);
            // Hourly steps and the mean-element places of Jupiter and Saturn
            // (a few tenths of a degree, which the Sun covers in hours).
            if (row.name == want.name && std::fabs(printed - expected) <= 3 / 24.0) {
                seen = true;
                EXPECT_EQ(row.label, want.label) << want.body << " " << row.date;
            }
        }
        EXPECT_TRUE(seen) << want.body << " " << want.name << " 2026-" << want.month << "-"
                          << want.day;
    }
}

TEST(PlanetConjOpp, InnerPlanetsNeverShowOpposition) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    PlanetConjOppReport(MonthsRequest(2027, 1, 12, Only(kMercury) | Only(kVenus)), buffer,
                        Sydney());
    const auto mercury = EventRows(buffer, "Mercury");
    EXPECT_GE(mercury.size(), 6u);
    for (const EventRow& row : mercury) {
        EXPECT_NE(row.name.find("Conjunction"), std::string::npos) << row.date;
        EXPECT_NE(row.name, "Conjunction");
    }
    for (const EventRow& row : EventRows(buffer, "Venus")) {
        EXPECT_NE(row.name.find("Conjunction"), std::string::npos) << row.date;
    }
}

TEST(PlanetConjOppMend, TheHourlySearchCoversTheDayBeforeTheCandidate) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    // Mercury's inferior conjunction of 2026 November 4, 14:18 UT
    // (astronomy-engine), 0.375 degree south of the Sun's centre: close, but
    // no transit. The daily separations put the least one on November 5, so
    // an hourly search from that day onwards reads 0h November 5, and at that
    // hour Mercury's declination lies within the Sun's semidiameter.
    PlanetConjOppReport(MonthsRequest(2026, 11, 11, Only(kMercury)), buffer, Greenwich());
    const auto rows = EventRows(buffer, "Mercury");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].date, "11/04/2026");
    EXPECT_NEAR(rows[0].hour, 14, 1);
    EXPECT_EQ(rows[0].name, "Inferior Conjunction");
    EXPECT_EQ(rows[0].label, "");
}

TEST(PlanetConjOppMend, AnOppositionIsNeverATransitOrOccultation) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    // Mars at opposition 1988 September 28, a week after the equinox: the
    // Sun's and Mars's declinations agree to within a minute of arc, yet
    // Mars is on the far side of the sky from the Sun.
    PlanetConjOppReport(MonthsRequest(1988, 9, 9, Only(kMars)), buffer, Greenwich());
    const auto rows = EventRows(buffer, "Mars");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].date, "09/28/1988");
    EXPECT_EQ(rows[0].name, "Opposition");
    EXPECT_EQ(rows[0].label, "");
}

TEST(PlanetConjOpp, EventsJustOutsideTheMonthRangeAreNotPrinted) {
    ScopedHost scope;
    FixedLocale locale;
    // Jupiter in conjunction 2027 August 31, 07:35 UT (astronomy-engine):
    // the September report's window starts two days before September.
    ReportBuffer august;
    PlanetConjOppReport(MonthsRequest(2027, 8, 8, Only(kJupiter)), august, Sydney());
    const auto inAugust = EventRows(august, "Jupiter");
    ASSERT_EQ(inAugust.size(), 1u);
    EXPECT_EQ(inAugust[0].date, "08/31/2027");
    ReportBuffer september;
    PlanetConjOppReport(MonthsRequest(2027, 9, 9, Only(kJupiter)), september, Sydney());
    EXPECT_EQ(SectionOf(september, "Jupiter"), (std::vector<std::string>{"", "  No Event"}));

    // Uranus in conjunction 2021 April 30, 19:57 UT: May 1, 05:57 in Sydney,
    // found by the April report's extra day and left to May's.
    ReportBuffer april;
    PlanetConjOppReport(MonthsRequest(2021, 4, 4, Only(kUranus)), april, Sydney());
    EXPECT_TRUE(EventRows(april, "Uranus").empty());
    ReportBuffer may;
    PlanetConjOppReport(MonthsRequest(2021, 5, 5, Only(kUranus)), may, Sydney());
    const auto inMay = EventRows(may, "Uranus");
    ASSERT_EQ(inMay.size(), 1u);
    EXPECT_EQ(inMay[0].date, "05/01/2021");
    EXPECT_NEAR(inMay[0].hour, 5, 1);
}

TEST(PlanetConjOpp, AStoppedReportKeepsItsLines) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    scope.host.stopAfterPumps = 10; // inside the daily pass
    PlanetConjOppReport(MonthsRequest(2026, 1, 12, kAllBodies), buffer, Sydney());
    EXPECT_EQ(buffer.lineCount, 6); // location, title and two empty lines
    EXPECT_NE(std::string(buffer.Line(buffer.lineCount - 1)), "\f");

    // 369 days (two before January, one after December), Mercury's pump,
    // its first candidate's 49 hours and ten hours into the second.
    ReportBuffer later;
    StopFlag = false;
    scope.host.pumps = 0;
    scope.host.stopAfterPumps = 369 + 1 + 49 + 10;
    PlanetConjOppReport(MonthsRequest(2026, 1, 12, kAllBodies), later, Sydney());
    const auto lines = BufferLines(later);
    ASSERT_EQ(lines.size(), 6u + 3u + 2u + 1u); // Mercury's name, heading, one event
    EXPECT_EQ(lines.back().substr(0, 14), "  01/22/2026  ");
}

// --- Whole reports ---------------------------------------------------------

TEST(PlanetReportGolden, ViewInfo) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer sydney;
    PlanetViewInfoReport(MonthsRequest(2026, 1, 12, kAllBodies), sydney, Sydney());
    ExpectMatchesGolden(sydney, "planet_view_info_sydney_2026-01_to_2026-12.txt");
    ReportBuffer tromso;
    PlanetViewInfoReport(MonthsRequest(2026, 1, 12, kAllBodies), tromso, Tromso());
    ExpectMatchesGolden(tromso, "planet_view_info_tromso_2026-01_to_2026-12.txt");
}

TEST(PlanetReportGolden, ViewInfoUnderOtherRegionalSettings) {
    ScopedHost scope;
    FixedLocale locale(std::map<std::string, std::string>{
        {"sdecimal", ","}, {"sshortdate", "dd.MM.yyyy"}, {"iLzero", "0"}, {"itlzero", "0"}});
    ReportBuffer buffer;
    PlanetViewInfoReport(MonthsRequest(2026, 2, 3, Only(kMercury) | Only(kVenus) | Only(kNeptune)),
                         buffer, Sydney());
    ExpectMatchesGolden(buffer, "planet_view_info_sydney_2026-02_to_2026-03_comma_ddmmyyyy.txt");
}

TEST(PlanetReportGolden, Apsides) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer sydney;
    PlanetApsidesReport(YearsRequest(2026, 2027, kAllBodies), sydney, Sydney());
    ExpectMatchesGolden(sydney, "planet_apsides_sydney_2026-2027.txt");
    ReportBuffer tromso;
    PlanetApsidesReport(YearsRequest(2026, 2027, kAllBodies), tromso, Tromso());
    ExpectMatchesGolden(tromso, "planet_apsides_tromso_2026-2027.txt");
}

TEST(PlanetReportGolden, ConjOpp) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer sydney;
    PlanetConjOppReport(MonthsRequest(2026, 1, 12, kAllBodies), sydney, Sydney());
    ExpectMatchesGolden(sydney, "planet_conj_opp_sydney_2026-01_to_2026-12.txt");
    ReportBuffer tromso;
    PlanetConjOppReport(MonthsRequest(2026, 1, 12, kAllBodies), tromso, Tromso());
    ExpectMatchesGolden(tromso, "planet_conj_opp_tromso_2026-01_to_2026-12.txt");
}

// --- Results and records -----------------------------------------------------

// The one word FormatXxx writes into text, without its padding.
std::string Word(const char* text) {
    const std::vector<std::string> words = Split(text);
    return words.size() == 1 ? words[0] : "<" + std::string(text) + ">";
}

std::string DateWord(int day, int month, int year) {
    char text[kFormatSize];
    FormatDate(day, month, year, text);
    return Word(text);
}

// As the report formats the number (FormatFixed keeps at most `width`
// digits before the point), without the padding.
std::string Fixed(double value, int width, int decimals) {
    char text[kFormatSize];
    FormatFixed(value, width, decimals, text);
    return Word(text);
}

std::string Sexagesimal(double angle, int degreeMode) {
    char text[kFormatSize];
    FormatSexagesimal(angle, degreeMode, text);
    return Word(text);
}

const RecordField& FieldOf(const Record& record, const std::string& name) {
    for (const RecordField& field : record.fields) {
        if (field.name == name) {
            return field;
        }
    }
    ADD_FAILURE() << record.kind << " " << record.body << " has no field " << name;
    static const RecordField none;
    return none;
}

// How a row prints an instant field: its local clock time, or the mark.
std::string ClockWord(const RecordField& field, double timeZone, const std::string& mark) {
    return field.happens ? Word(RecordTimeText(field.number, timeZone).c_str()) : mark;
}

// The body whose name heads the section a line of the report is in, as a
// record names it; the lines are the report's.
std::vector<std::string> SectionBodies(const std::vector<std::string>& lines) {
    static const char* const kNames[] = {"Earth",  "Mercury", "Venus",   "Mars", "Jupiter",
                                         "Saturn", "Uranus",  "Neptune", "Pluto"};
    std::vector<std::string> bodies;
    std::string current;
    for (const std::string& line : lines) {
        const std::vector<std::string> words = Split(line);
        for (const char* name : kNames) {
            if (words.size() == 1 && words[0] == name) {
                current = name;
                for (char& c : current) {
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                }
            }
        }
        bodies.push_back(current);
    }
    return bodies;
}

TEST(PlanetViewInfoResults, PrintedWholeTheyAreTheReportAndEachRecordIsOnItsLine) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Location& place : {Sydney(), Tromso()}) {
        const ReportRequest request = MonthsRequest(2026, 1, 12, kAllBodies);
        ReportBuffer report;
        PlanetViewInfoReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddPlanetViewInfoHeading(request, place, printed);
        const std::vector<PlanetViewRow> rows = PlanetViewInfoResults(request, place);
        for (size_t i = 0; i < rows.size(); ++i) {
            if (i == 0 || rows[i].body != rows[i - 1].body) {
                if (i != 0) {
                    ReportAddPageBreak(printed);
                }
                AddPlanetViewInfoPlanetHeading(rows[i].body, printed);
            }
            AddPlanetViewInfoLine(rows[i], printed);
        }
        ReportAddPageBreak(printed);
        const std::vector<std::string> lines = BufferLines(report);
        EXPECT_EQ(BufferLines(printed), lines);

        // Every dated line, in order, is a record's, printed from its fields.
        const Records records = PlanetViewInfoRecords(request, place);
        const std::vector<std::string> bodies = SectionBodies(lines);
        std::vector<size_t> rowLines;
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::vector<std::string> words = Split(lines[i]);
            if (!words.empty() && words[0].size() == 10 && words[0][2] == '/') {
                rowLines.push_back(i);
            }
        }
        ASSERT_EQ(records.size(), rowLines.size());
        ASSERT_EQ(records.size(), 8u * 53u); // eight planets, a row a week of 2026
        bool sawNone = false;
        for (size_t r = 0; r < records.size(); ++r) {
            const Record& record = records[r];
            const std::string& line = lines[rowLines[r]];
            EXPECT_EQ(record.kind, "planet_view_row");
            EXPECT_FALSE(record.event);
            EXPECT_FALSE(record.hasInstant);
            EXPECT_EQ(record.body, bodies[rowLines[r]]) << line;
            const std::vector<std::string> expected = {
                DateWord(record.day, record.month, record.year),
                ClockWord(FieldOf(record, "rise"), place.timeZone, "None"),
                ClockWord(FieldOf(record, "set"), place.timeZone, "None"),
                Sexagesimal(FieldOf(record, "ra_hours").number, 0),
                Sexagesimal(FieldOf(record, "dec_deg").number, 1),
                Sexagesimal(FieldOf(record, "elongation_deg").number, 1),
                Fixed(FieldOf(record, "illuminated_fraction").number, 1, 3),
                Fixed(FieldOf(record, "distance_au").number, 2, 5),
            };
            EXPECT_EQ(Split(line), expected) << "record " << r;
            sawNone = sawNone || !FieldOf(record, "rise").happens;
        }
        // Beyond the polar circle some planets neither rise nor set on some days.
        EXPECT_EQ(sawNone, place.latitude > 66.6) << place.name;
    }
}

TEST(PlanetApsidesResults, PrintedWholeTheyAreTheReportAndEachRecordIsOnItsLine) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Location& place : {Sydney(), Tromso()}) {
        const ReportRequest request = YearsRequest(2026, 2027, kAllBodies);
        ReportBuffer report;
        PlanetApsidesReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddPlanetApsidesHeading(request, place, printed);
        const std::vector<PlanetApsis> apsides = PlanetApsidesResults(request, place);
        for (int p = kEarth; p <= kSaturn; ++p) {
            AddPlanetApsidesBodyName(p, printed);
            bool any = false;
            for (const PlanetApsis& apsis : apsides) {
                if (apsis.body == p) {
                    AddPlanetApsisLine(apsis, printed);
                    any = true;
                }
            }
            if (!any) {
                AddNoPlanetApsisLine(printed);
            }
        }
        ReportAddPageBreak(printed);
        const std::vector<std::string> lines = BufferLines(report);
        EXPECT_EQ(BufferLines(printed), lines);

        const Records records = PlanetApsidesRecords(request, place);
        const std::vector<std::string> bodies = SectionBodies(lines);
        std::vector<size_t> apsisLines;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].find("Distance from Sun") != std::string::npos) {
                apsisLines.push_back(i);
            }
        }
        ASSERT_EQ(records.size(), apsisLines.size());
        ASSERT_GE(records.size(), 20u); // Mercury alone passes each apsis 8 times in two years
        for (size_t r = 0; r < records.size(); ++r) {
            const Record& record = records[r];
            const std::vector<std::string> words = Split(lines[apsisLines[r]]);
            ASSERT_EQ(words.size(), 7u) << lines[apsisLines[r]];
            EXPECT_TRUE(record.event && record.allDay && !record.hasInstant);
            EXPECT_EQ(record.body, bodies[apsisLines[r]]);
            EXPECT_EQ(words[0], DateWord(record.day, record.month, record.year));
            EXPECT_EQ(words[1], record.kind == "perihelion" ? "Perihelion" : "Aphelion");
            EXPECT_EQ(words[5], Fixed(FieldOf(record, "distance_au").number, 2, 2));
        }
    }
}

TEST(PlanetConjOppResults, PrintedWholeTheyAreTheReportAndEachRecordIsOnItsLine) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Location& place : {Sydney(), Tromso()}) {
        const ReportRequest request = MonthsRequest(2026, 1, 12, kAllBodies);
        ReportBuffer report;
        PlanetConjOppReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddPlanetConjOppHeading(request, place, printed);
        const std::vector<PlanetConjOpp> events = PlanetConjOppResults(request, place);
        for (int p = kMercury; p <= kPluto; ++p) {
            AddPlanetConjOppBodyName(p, printed);
            bool first = true;
            for (const PlanetConjOpp& event : events) {
                if (event.body == p) {
                    AddPlanetConjOppLine(event, first, place, printed);
                    first = false;
                }
            }
            if (first) {
                AddNoPlanetConjOppLine(printed);
            }
        }
        ReportAddPageBreak(printed);
        const std::vector<std::string> lines = BufferLines(report);
        EXPECT_EQ(BufferLines(printed), lines);

        const Records records = PlanetConjOppRecords(request, place);
        const std::vector<std::string> bodies = SectionBodies(lines);
        std::vector<size_t> eventLines;
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::vector<std::string> words = Split(lines[i]);
            if (!words.empty() && words[0].size() == 10 && words[0][2] == '/') {
                eventLines.push_back(i);
            }
        }
        ASSERT_EQ(records.size(), eventLines.size());
        ASSERT_GE(records.size(), 10u);
        bool sawPassage = false;
        for (size_t r = 0; r < records.size(); ++r) {
            const Record& record = records[r];
            const std::string& line = lines[eventLines[r]];
            const std::vector<std::string> words = Split(line);
            EXPECT_TRUE(record.event && record.hasInstant);
            EXPECT_EQ(record.body, bodies[eventLines[r]]) << line;
            EXPECT_EQ(words[0], Word(RecordDateText(record.jdUt, place.timeZone).c_str()));
            // The search steps by whole hours; the line prints the hour.
            const std::string time = Word(RecordTimeText(record.jdUt, place.timeZone).c_str());
            EXPECT_EQ(time.substr(time.size() - 3), ":00") << time;
            EXPECT_EQ(std::stoi(words[1]), std::stoi(time)) << line;
            const bool opposition = line.find("Opposition") != std::string::npos;
            EXPECT_EQ(record.kind, opposition ? "opposition" : "conjunction") << line;
            std::string passage;
            for (const RecordField& field : record.fields) {
                passage = field.name == "passage" ? field.text : passage;
            }
            EXPECT_EQ(passage == "transit", line.find("(Transit)") != std::string::npos);
            EXPECT_EQ(passage == "occultation", line.find("(Occultation)") != std::string::npos);
            sawPassage = sawPassage || !passage.empty();
        }
        // Mercury passes behind the Sun in May 2026.
        EXPECT_TRUE(sawPassage);
    }
}

TEST(PlanetDataResults, EachRecordIsTheTableRowOfItsPlanet) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer report;
    PlanetDataReport(ReportRequest{}, report, Sydney());
    std::vector<std::string> rowLines;
    for (const std::string& line : BufferLines(report)) {
        const std::vector<std::string> words = Split(line);
        if (words.size() == 6 && (words[3] == "days" || words[3] == "years")) {
            rowLines.push_back(line);
        }
    }
    const Records records = PlanetDataRecords(ReportRequest{}, Sydney());
    ASSERT_EQ(records.size(), 9u);
    ASSERT_EQ(rowLines.size(), records.size());
    for (size_t r = 0; r < records.size(); ++r) {
        const Record& record = records[r];
        const std::vector<std::string> words = Split(rowLines[r]);
        EXPECT_EQ(record.kind, "planet_data_row");
        EXPECT_FALSE(record.event);
        std::string name = words[0];
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        EXPECT_EQ(record.body, name);
        const RecordField& distance = FieldOf(record, "mean_distance_au");
        const RecordField& period = FieldOf(record, "period");
        const RecordField& inclination = FieldOf(record, "inclination_deg");
        EXPECT_EQ(words[1], Fixed(distance.number, 2, distance.decimals));
        EXPECT_EQ(words[2], Fixed(period.number, 3, period.decimals));
        EXPECT_EQ(words[3], FieldOf(record, "period_unit").text);
        EXPECT_EQ(words[4], Fixed(inclination.number, 2, inclination.decimals) + "\260");
        const long low = std::lround(FieldOf(record, "diameter_min_km").number);
        const long high = std::lround(FieldOf(record, "diameter_max_km").number);
        EXPECT_EQ(words[5], low == high ? std::to_string(low)
                                        : std::to_string(low) + "-" + std::to_string(high));
    }
    EXPECT_EQ(records[2].body, "earth");
    EXPECT_DOUBLE_EQ(FieldOf(records[4], "period").number, 11.86); // Jupiter, years
}

} // namespace
