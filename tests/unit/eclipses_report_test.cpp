// The eclipse search and the Lunar and Solar Eclipse reports.
//
// Published eclipse data: F. Espenak, NASA Five Millennium Canon of Solar
// and Lunar Eclipses and the NASA eclipse web site (times of greatest
// eclipse in TD, within about a minute of UT in these years; umbral
// magnitudes and contact times of the lunar eclipses). Moon phases: the
// USNO table of phases of the Moon for 2024.

#include "report_test_support.h"

#include "engine/location.h"
#include "engine/moon.h"
#include "engine/time.h"
#include "reports/eclipses.h"
#include "reports/reports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Meeus's simplified method without Delta T: maxima come out within a few
// minutes of the published instants.
constexpr double kMaximumTolerance = 15.0 / 1440;

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

double Jd(int year, int month, int day, int hour, int minute) {
    return CalendarToJulianDay(day + (hour + minute / 60.0) / 24, month, year);
}

struct Published {
    int kind;
    double maximum;
};

EclipseList EclipsesFound(int year, const Location& place) {
    MoonPhaseList phases;
    EclipseList eclipses;
    EclipseSearchYear(year, place, phases, eclipses, -1, false, 0, 0);
    return eclipses;
}

void ExpectEclipses(int year, const std::vector<Published>& expected) {
    const EclipseList found = EclipsesFound(year, Greenwich());
    ASSERT_EQ(found.count, static_cast<int>(expected.size())) << year;
    for (int n = 0; n < found.count; ++n) {
        EXPECT_EQ(found.entries[n].kind, expected[n].kind) << year << " entry " << n;
        EXPECT_NEAR(found.entries[n].maximum, expected[n].maximum, kMaximumTolerance)
            << year << " entry " << n;
    }
}

// The phase of the year's list whose true instant is nearest to jd.
const MoonPhaseEntry* NearestPhase(const MoonPhaseList& list, int phase, double jd) {
    const MoonPhaseEntry* best = nullptr;
    for (int n = 0; n < list.count; ++n) {
        const MoonPhaseEntry& e = list.entries[n];
        if (e.phase == phase && (best == nullptr || std::fabs(e.trueInstant - jd) <
                                                        std::fabs(best->trueInstant - jd))) {
            best = &e;
        }
    }
    return best;
}

// Callers install the test host.
MoonPhaseEntry PhaseOf(int year, int phase, double jd) {
    MoonPhaseList list;
    CollectMoonPhases(year, list, -1, false, 0, 0);
    const MoonPhaseEntry* e = NearestPhase(list, phase, jd);
    EXPECT_NE(e, nullptr);
    return e != nullptr ? *e : MoonPhaseEntry{};
}

int CountLinesStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    int count = 0;
    for (const std::string& line : lines) {
        count += line.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
    }
    return count;
}

// --- The phases the search starts from ---

TEST(MoonPhaseCollection, HoldsEveryPhaseOfTheYearAndAMonthEitherSideOnceInTimeOrder) {
    ScopedHost scope;
    MoonPhaseList list;
    CollectMoonPhases(2024, list, -1, false, 0, 0);
    ASSERT_GT(list.count, 0);
    for (int n = 1; n < list.count; ++n) {
        const double gap = list.entries[n].trueInstant - list.entries[n - 1].trueInstant;
        // Successive principal phases are 6.5 .. 8.5 days apart: none missed,
        // none twice.
        EXPECT_GT(gap, 6.0) << n;
        EXPECT_LT(gap, 9.0) << n;
        EXPECT_EQ(list.entries[n].phase, (list.entries[n - 1].phase + 1) % 4) << n;
    }
    EXPECT_LT(list.entries[0].trueInstant, Jd(2023, 12, 5, 0, 0));
    // The last sample, 2025 January 22, lies in the lunation of the new
    // Moon of 2024 December 30, whose last quarter is on January 21.
    EXPECT_GT(list.entries[list.count - 1].trueInstant, Jd(2025, 1, 20, 0, 0));

    // USNO, 2024: new and full Moons (UT).
    const double newMoons[] = {Jd(2024, 1, 11, 11, 57), Jd(2024, 4, 8, 18, 21),
                               Jd(2024, 10, 2, 18, 49), Jd(2024, 12, 30, 22, 27)};
    const double fullMoons[] = {Jd(2024, 1, 25, 17, 54), Jd(2024, 3, 25, 7, 0),
                                Jd(2024, 9, 18, 2, 34), Jd(2024, 12, 15, 9, 2)};
    for (double jd : newMoons) {
        const MoonPhaseEntry* e = NearestPhase(list, kNewMoon, jd);
        ASSERT_NE(e, nullptr);
        EXPECT_NEAR(e->trueInstant, jd, 10.0 / 1440);
    }
    for (double jd : fullMoons) {
        const MoonPhaseEntry* e = NearestPhase(list, kFullMoon, jd);
        ASSERT_NE(e, nullptr);
        EXPECT_NEAR(e->trueInstant, jd, 10.0 / 1440);
    }
}

TEST(MoonPhaseCollection, AYearBefore1900IsCoveredAlthoughTheLunationRoundsUp) {
    ScopedHost scope;
    MoonPhaseList list;
    // Before 1900 MoonPhase finds the phase after the sample time, which
    // shifts the window later by up to a lunation.
    CollectMoonPhases(1504, list, -1, false, 0, 0);
    ASSERT_GT(list.count, 0);
    for (int n = 1; n < list.count; ++n) {
        EXPECT_GT(list.entries[n].trueInstant - list.entries[n - 1].trueInstant, 6.0) << n;
        EXPECT_LT(list.entries[n].trueInstant - list.entries[n - 1].trueInstant, 9.0) << n;
    }
    EXPECT_LT(list.entries[0].trueInstant, CalendarToJulianDay(1, 1, 1504));
    EXPECT_GT(list.entries[list.count - 1].trueInstant, CalendarToJulianDay(31, 12, 1504));
}

TEST(MoonPhaseCollection, ShowsItsProgressWithinTheGivenShare) {
    ScopedHost scope;
    MoonPhaseList list;
    CollectMoonPhases(2025, list, kReportCalendar, false, 0.2, 0.1);
    ASSERT_EQ(scope.host.fractions.size(), 200u);
    EXPECT_DOUBLE_EQ(scope.host.fractions.front(), 0.2);
    EXPECT_DOUBLE_EQ(scope.host.fractions[4 * 10 + 2], 0.2 + 0.1 * 42 / 199);
    EXPECT_DOUBLE_EQ(scope.host.fractions.back(), 0.3);
}

TEST(MoonPhaseCollection, DrawsNoProgressForTheGraph) {
    ScopedHost scope;
    MoonPhaseList list;
    CollectMoonPhases(2025, list, -1, false, 0, 1);
    EXPECT_TRUE(scope.host.fractions.empty());
    EXPECT_GT(list.count, 50);
}

int g_escapePolls = 0;
int g_escapeAfter = 0;
bool EscapeAfterSomePolls() {
    return ++g_escapePolls > g_escapeAfter;
}
bool EscapeOnlyOnFirstPoll() {
    return ++g_escapePolls == 1;
}

// An Esc key for one test: by default pressed from poll after + 1 on.
struct ScopedEscape {
    explicit ScopedEscape(int after, EscapePoll poll = EscapeAfterSomePolls) {
        g_escapePolls = 0;
        g_escapeAfter = after;
        SetEscapePoll(poll);
    }
    ~ScopedEscape() { SetEscapePoll(nullptr); }
};

TEST(MoonPhaseCollection, EscStopsItAndSetsTheStopFlag) {
    ScopedHost scope;
    // The first poll only forgets an earlier press; the twelfth step sees Esc.
    ScopedEscape escape(12);
    MoonPhaseList list;
    CollectMoonPhases(2025, list, -1, false, 0, 1);
    EXPECT_TRUE(StopFlag);
    EXPECT_EQ(g_escapePolls, 13);
    EXPECT_LE(list.count, 11);
}

TEST(MoonPhaseCollection, APressBeforeItStartsIsForgotten) {
    ScopedHost scope;
    // Pressed once before the collection (the reset poll reports it).
    ScopedEscape escape(0, EscapeOnlyOnFirstPoll);
    MoonPhaseList list;
    CollectMoonPhases(2025, list, -1, false, 0, 1);
    EXPECT_FALSE(StopFlag);
    EXPECT_GT(list.count, 50);
}

// --- Meeus's node test and elements ---

TEST(EclipseNodeTest, CertainWithinThirteenPointNineDegreesImpossibleBeyondTwentyOne) {
    EXPECT_TRUE(EclipsePossible(0.0));
    EXPECT_TRUE(EclipsePossible(13.8));
    EXPECT_TRUE(EclipsePossible(180 + 13.8));
    EXPECT_TRUE(EclipsePossible(360 - 13.8));
    EXPECT_TRUE(EclipsePossible(-13.8)); // brought into [0, 360) first
    // Between 13.9 and 21 degrees the |sin F| <= 0.36 rule decides; exactly
    // 13.9 and exactly 21.0 are in that band.
    EXPECT_TRUE(EclipsePossible(13.9));
    EXPECT_TRUE(EclipsePossible(21.0));
    EXPECT_TRUE(EclipsePossible(180 - 20.5));
    EXPECT_FALSE(EclipsePossible(21.1));
    EXPECT_FALSE(EclipsePossible(180 - 21.1));
    EXPECT_FALSE(EclipsePossible(90.0));
    EXPECT_FALSE(EclipsePossible(270.0));
}

TEST(EclipseElements, GammaOfKnownEclipsesIsNearThePublishedValue) {
    ScopedHost scope;
    // NASA: 2024 April 8 total solar, gamma 0.3431; 2026 February 17
    // annular, gamma -0.9743; 2025 March 29 partial, gamma 1.0405.
    const struct {
        int year;
        double jd;
        double gamma;
    } cases[] = {{2024, Jd(2024, 4, 8, 18, 17), 0.3431},
                 {2026, Jd(2026, 2, 17, 12, 13), -0.9743},
                 {2025, Jd(2025, 3, 29, 10, 47), 1.0405}};
    for (const auto& c : cases) {
        const MoonPhaseEntry p = PhaseOf(c.year, kNewMoon, c.jd);
        const EclipseElementsResult e = EclipseElements(p.F, p.M, p.M1, p.T, p.meanInstant);
        EXPECT_NEAR(e.gamma, c.gamma, 0.01) << c.year;
        EXPECT_NEAR(e.maximum, c.jd, kMaximumTolerance) << c.year;
    }
}

TEST(SolarEclipseType, CentralEclipsesByTheSignAndSizeOfU) {
    EXPECT_EQ(SolarEclipseType(0.3, -0.01), 835);    // total
    EXPECT_EQ(SolarEclipseType(-0.35, 0.0244), 836); // annular
    EXPECT_EQ(SolarEclipseType(0.99, 0.0048), 836);
    // u exactly 0 is tested against omega = 0.00464 cos(asin gamma) > 0.
    EXPECT_EQ(SolarEclipseType(0.5, 0.0), 837);
    EXPECT_EQ(SolarEclipseType(-0.9971, 0.0), 837);
    // 0 <= u <= 0.0047 but omega <= u: annular.
    EXPECT_EQ(SolarEclipseType(0.9, 0.0030), 836); // omega = 0.00202
    EXPECT_EQ(SolarEclipseType(0.0, 0.0046), 837); // omega = 0.00464
    EXPECT_EQ(SolarEclipseType(0.0, 0.0047), 836);
    // |gamma| >= 0.9972 is partial.
    EXPECT_EQ(SolarEclipseType(0.9972, -0.01), 838);
    EXPECT_EQ(SolarEclipseType(-1.2, 0.01), 838);
}

TEST(SolarEclipseType, PartialMagnitudesOfPublishedEclipses) {
    ScopedHost scope;
    // NASA: 2025 March 29 magnitude 0.9376, 2025 September 21 0.8550.
    const MoonPhaseEntry march = PhaseOf(2025, kNewMoon, Jd(2025, 3, 29, 10, 47));
    const MoonPhaseEntry september = PhaseOf(2025, kNewMoon, Jd(2025, 9, 21, 19, 43));
    const EclipseElementsResult a =
        EclipseElements(march.F, march.M, march.M1, march.T, march.meanInstant);
    const EclipseElementsResult b =
        EclipseElements(september.F, september.M, september.M1, september.T, september.meanInstant);
    EXPECT_EQ(SolarEclipseType(a.gamma, a.u), 838);
    EXPECT_EQ(SolarEclipseType(b.gamma, b.u), 838);
    EXPECT_NEAR(SolarEclipseMagnitude(a.gamma, a.u), 0.9376, 0.02);
    EXPECT_NEAR(SolarEclipseMagnitude(b.gamma, b.u), 0.8550, 0.02);
}

TEST(LunarEclipseShadow, MagnitudeAndPhaseDurationsOfPublishedEclipses) {
    ScopedHost scope;
    // NASA: 2025 March 14 total, umbral magnitude 1.1784, partial phase
    // 05:09:40 .. 08:47:50 UT, total phase 06:25:59 .. 07:31:25 UT;
    // 2024 September 18 partial, magnitude 0.0849, partial phase
    // 02:12:51 .. 03:15:37 UT.
    const MoonPhaseEntry total = PhaseOf(2025, kFullMoon, Jd(2025, 3, 14, 6, 59));
    const EclipseElementsResult e =
        EclipseElements(total.F, total.M, total.M1, total.T, total.meanInstant);
    const LunarShadow s = LunarEclipseShadow(e, total.M1);
    EXPECT_NEAR(s.magnitude, 1.1784, 0.01);
    EXPECT_NEAR(s.partial * 60, (218.17) / 2, 3.0);
    EXPECT_NEAR(s.total * 60, (65.43) / 2, 3.0);

    const MoonPhaseEntry partial = PhaseOf(2024, kFullMoon, Jd(2024, 9, 18, 2, 44));
    const EclipseElementsResult f =
        EclipseElements(partial.F, partial.M, partial.M1, partial.T, partial.meanInstant);
    const LunarShadow t = LunarEclipseShadow(f, partial.M1);
    EXPECT_NEAR(t.magnitude, 0.0849, 0.01);
    EXPECT_NEAR(t.partial * 60, 62.77 / 2, 3.0);
    EXPECT_EQ(t.total, 0.0);
}

// --- The year's eclipses ---

TEST(EclipseSearch, FindsThePublishedEclipsesLunarOnesFirst) {
    ScopedHost scope;
    // 2024: partial lunar Sep 18; total solar Apr 8, annular Oct 2. The
    // penumbral lunar eclipse of Mar 25 is not umbral and is left out.
    ExpectEclipses(2024, {{kLunarEclipse, Jd(2024, 9, 18, 2, 44)},
                          {kSolarEclipse, Jd(2024, 4, 8, 18, 17)},
                          {kSolarEclipse, Jd(2024, 10, 2, 18, 45)}});
    // 2025: total lunar Mar 14 and Sep 7; partial solar Mar 29 and Sep 21.
    ExpectEclipses(2025, {{kLunarEclipse, Jd(2025, 3, 14, 6, 59)},
                          {kLunarEclipse, Jd(2025, 9, 7, 18, 12)},
                          {kSolarEclipse, Jd(2025, 3, 29, 10, 47)},
                          {kSolarEclipse, Jd(2025, 9, 21, 19, 43)}});
    // 2026: total lunar Mar 3, partial lunar Aug 28; annular solar Feb 17,
    // total solar Aug 12.
    ExpectEclipses(2026, {{kLunarEclipse, Jd(2026, 3, 3, 11, 35)},
                          {kLunarEclipse, Jd(2026, 8, 28, 4, 14)},
                          {kSolarEclipse, Jd(2026, 2, 17, 12, 13)},
                          {kSolarEclipse, Jd(2026, 8, 12, 17, 47)}});
    // 2013: partial lunar Apr 25 (magnitude 0.015); annular May 10, hybrid
    // Nov 3. The penumbral eclipses of May 25 and Oct 18 are left out.
    ExpectEclipses(2013, {{kLunarEclipse, Jd(2013, 4, 25, 20, 7)},
                          {kSolarEclipse, Jd(2013, 5, 10, 0, 25)},
                          {kSolarEclipse, Jd(2013, 11, 3, 12, 48)}});
}

TEST(EclipseSearch, AYearOfPenumbralLunarEclipsesOnlyHasNoLunarEntry) {
    ScopedHost scope;
    // 2020: four penumbral lunar eclipses (Jan 10, Jun 5, Jul 5, Nov 30);
    // annular solar Jun 21, total solar Dec 14.
    ExpectEclipses(
        2020, {{kSolarEclipse, Jd(2020, 6, 21, 6, 41)}, {kSolarEclipse, Jd(2020, 12, 14, 16, 15)}});
}

TEST(EclipseSearch, APhaseBelongsToTheYearOfItsLocalDate) {
    ScopedHost scope;
    // The full Moon of the total lunar eclipse of 2025 September 7, moved to
    // a mean instant of 31 December 20:00 UT: 1 January in UT + 10.
    MoonPhaseList phases;
    phases.count = 1;
    phases.entries[0] = PhaseOf(2025, kFullMoon, Jd(2025, 9, 7, 18, 12));
    phases.entries[0].meanInstant = Jd(2025, 12, 31, 20, 0);
    EclipseList eclipses;
    EclipsesOfYear(2025, phases, true, eclipses, Sydney(), false, nullptr);
    EXPECT_EQ(eclipses.count, 0);
    EclipsesOfYear(2026, phases, true, eclipses, Sydney(), false, nullptr);
    EXPECT_EQ(eclipses.count, 1);
    EclipsesOfYear(2025, phases, true, eclipses, Greenwich(), false, nullptr);
    EXPECT_EQ(eclipses.count, 1);
}

TEST(EclipseSearch, ATwentiethEclipseIsAnInternalError) {
    ScopedHost scope;
    const MoonPhaseEntry eclipse = PhaseOf(2024, kNewMoon, Jd(2024, 4, 8, 18, 17));
    EclipseList eclipses;
    for (int n = 0; n < kEclipseListLimit - 1; ++n) {
        SolarEclipse(eclipse, true, eclipses, Greenwich(), nullptr);
    }
    EXPECT_EQ(eclipses.count, kEclipseListLimit - 1);
    try {
        SolarEclipse(eclipse, true, eclipses, Greenwich(), nullptr);
        FAIL() << "a twentieth entry was accepted";
    } catch (const FatalErrorRaised& e) {
        EXPECT_EQ(e.messageId, 690);
    }
}

TEST(EclipseSearch, ListOnlyModeNeedsNoBuffer) {
    ScopedHost scope;
    ReportBuffer buffer;
    const MoonPhaseEntry eclipse = PhaseOf(2025, kFullMoon, Jd(2025, 3, 14, 6, 59));
    EclipseList eclipses;
    LunarEclipse(eclipse, true, eclipses, Greenwich(), &buffer);
    EXPECT_EQ(buffer.lineCount, 0);
    LunarEclipse(eclipse, false, eclipses, Greenwich(), &buffer);
    EXPECT_EQ(buffer.lineCount, 11);
    EXPECT_EQ(eclipses.count, 2);
}

// --- The reports ---

TEST(EclipseReport, LunarEclipsesOf2025AtGreenwichAreOnMarch14AndSeptember7) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    LunarEclipsesReport(YearsRequest(2025, 2025), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    std::vector<std::string> dates;
    for (const std::string& line : lines) {
        if (line.rfind("Lunar eclipse on ", 0) == 0) {
            dates.push_back(line.substr(17));
        }
    }
    EXPECT_EQ(dates, (std::vector<std::string>{"03/14/2025", "09/07/2025"}));
    // Both are total: two of each totality line.
    EXPECT_EQ(CountLinesStartingWith(lines, "Total phase begins:"), 2);
    EXPECT_EQ(CountLinesStartingWith(lines, "Total phase ends:"), 2);
    EXPECT_EQ(lines.back(), "\f");
    EXPECT_DOUBLE_EQ(scope.host.fractions.back(), 1.0);
}

TEST(EclipseReport, APartialLunarEclipseHasNoTotalityLines) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    LunarEclipsesReport(YearsRequest(2024, 2024), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    EXPECT_EQ(CountLinesStartingWith(lines, "Lunar eclipse on 09/18/2024"), 1);
    EXPECT_EQ(CountLinesStartingWith(lines, "Magnitude:  0.08"), 1);
    EXPECT_EQ(CountLinesStartingWith(lines, "Partial phase begins:"), 1);
    EXPECT_EQ(CountLinesStartingWith(lines, "Total phase"), 0);
}

TEST(EclipseReport, AYearWithoutUmbralLunarEclipseHasOnlyItsHeading) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    LunarEclipsesReport(YearsRequest(2020, 2020), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_NE(lines[3].find("Lunar Eclipse Report for 2020"), std::string::npos);
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "\f");
}

TEST(EclipseReport, SolarTypesOfPublishedEclipses) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    // 2023 April 20 hybrid, 2023 October 14 annular; 2024 April 8 total,
    // 2024 October 2 annular.
    SolarEclipsesReport(YearsRequest(2023, 2024), buffer, Greenwich());
    std::vector<std::string> types;
    for (const std::string& line : BufferLines(buffer)) {
        if (line.rfind("Eclipse is ", 0) == 0 && line.find("hemisphere") == std::string::npos) {
            types.push_back(line);
        }
    }
    EXPECT_EQ(types, (std::vector<std::string>{"Eclipse is annular-total", "Eclipse is annular",
                                               "Eclipse is total", "Eclipse is annular"}));
}

TEST(EclipseReport, ProgressRunsThroughTheYearsAndEndsAtOne) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    SolarEclipsesReport(YearsRequest(2024, 2025), buffer, Greenwich());
    const std::vector<double>& f = scope.host.fractions;
    ASSERT_EQ(f.size(), 2u * 200 + 1);
    EXPECT_DOUBLE_EQ(f[0], 0.0);
    EXPECT_DOUBLE_EQ(f[199], 0.5);
    EXPECT_DOUBLE_EQ(f[200], 0.5);
    EXPECT_DOUBLE_EQ(f[399], 1.0);
    EXPECT_DOUBLE_EQ(f[400], 1.0);
}

TEST(EclipseReport, AStoppedReportKeepsItsLines) {
    ScopedHost scope;
    FixedLocale locale;
    scope.host.stopAfterPumps = 2; // the third year's pump stops it
    ReportBuffer buffer;
    LunarEclipsesReport(YearsRequest(2024, 2026), buffer, Greenwich());
    const std::vector<std::string> lines = BufferLines(buffer);
    // Header (3), title, two empty lines, then the blocks of 2024 (one
    // partial eclipse, 9 lines) and 2025 (two total, 11 lines each).
    EXPECT_EQ(lines.size(), 6u + 9 + 2 * 11);
    EXPECT_NE(lines.back(), "\f");
    EXPECT_EQ(CountLinesStartingWith(lines, "Lunar eclipse on"), 3);
}

TEST(EclipseReport, EscInThePhaseCollectionStopsTheReport) {
    ScopedHost scope;
    FixedLocale locale;
    ScopedEscape escape(250); // during the second year's collection
    ReportBuffer buffer;
    LunarEclipsesReport(YearsRequest(2025, 2026), buffer, Greenwich());
    EXPECT_TRUE(StopFlag);
    const std::vector<std::string> lines = BufferLines(buffer);
    EXPECT_EQ(CountLinesStartingWith(lines, "Lunar eclipse on"), 2);
    EXPECT_NE(lines.back(), "\f");
}

TEST(EclipseReportGolden, LunarSydney) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    LunarEclipsesReport(YearsRequest(2024, 2026), buffer, Sydney());
    ExpectMatchesGolden(buffer, "eclipses_lunar_sydney_2024-2026.txt");
}

TEST(EclipseReportGolden, LunarTromso) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    LunarEclipsesReport(YearsRequest(2024, 2026), buffer, Tromso());
    ExpectMatchesGolden(buffer, "eclipses_lunar_tromso_2024-2026.txt");
}

TEST(EclipseReportGolden, SolarSydney) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    SolarEclipsesReport(YearsRequest(2024, 2026), buffer, Sydney());
    ExpectMatchesGolden(buffer, "eclipses_solar_sydney_2024-2026.txt");
}

TEST(EclipseReportGolden, SolarTromso) {
    ScopedHost scope;
    FixedLocale locale;
    ReportBuffer buffer;
    SolarEclipsesReport(YearsRequest(2024, 2026), buffer, Tromso());
    ExpectMatchesGolden(buffer, "eclipses_solar_tromso_2024-2026.txt");
}

TEST(EclipseReportGolden, LunarTromsoDecimalCommaDayFirst) {
    ScopedHost scope;
    FixedLocale locale({{"sdecimal", ","}, {"sshortdate", "dd.MM.yyyy"}, {"iLzero", "0"}});
    ReportBuffer buffer;
    LunarEclipsesReport(YearsRequest(2024, 2026), buffer, Tromso());
    ExpectMatchesGolden(buffer, "eclipses_lunar_tromso_2024-2026_comma_dd.MM.yyyy.txt");
}

// The results printed whole are the report; each record stands in its
// eclipse's block, its contacts and the body's rise and set on their lines.
TEST(LunarEclipsesResults, PrintedWholeTheyAreTheReportAndEachRecordIsInItsBlock) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Location& place : {Sydney(), Tromso()}) {
        const ReportRequest request = YearsRequest(2024, 2026);
        ReportBuffer report;
        LunarEclipsesReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddEclipsesHeading(true, request, place, printed);
        for (const auto& year : LunarEclipsesResults(request, place)) {
            for (const LunarEclipseResult& eclipse : year) {
                AddLunarEclipseLines(eclipse, place, printed);
            }
        }
        ReportAddPageBreak(printed);
        EXPECT_EQ(BufferLines(printed), BufferLines(report));

        const Records records = LunarEclipsesRecords(request, place);
        ExpectRecordsInBlocks(records, BufferLines(report), place.timeZone, {"Lunar eclipse on"},
                              {{"", "Time of maximum eclipse:"},
                               {"moonrise", "Moon rise:"},
                               {"moonset", "Moon set:"},
                               {"partial_begins", "Partial phase begins:"},
                               {"total_begins", "Total phase begins:"},
                               {"total_ends", "Total phase ends:"},
                               {"partial_ends", "Partial phase ends:"}});
        for (const Record& record : records) {
            const bool total = record.fields[4].happens;
            EXPECT_EQ(record.kind, total ? "total_lunar_eclipse" : "partial_lunar_eclipse");
            EXPECT_EQ(record.body, "moon");
            EXPECT_TRUE(record.event);
        }
    }
}

TEST(SolarEclipsesResults, PrintedWholeTheyAreTheReportAndEachRecordIsInItsBlock) {
    ScopedHost scope;
    FixedLocale locale;
    for (const Location& place : {Sydney(), Tromso()}) {
        const ReportRequest request = YearsRequest(2024, 2026);
        ReportBuffer report;
        SolarEclipsesReport(request, report, place);
        ReportBuffer printed;
        ReportBeginSection(printed);
        AddEclipsesHeading(false, request, place, printed);
        for (const auto& year : SolarEclipsesResults(request, place)) {
            for (const SolarEclipseResult& eclipse : year) {
                AddSolarEclipseLines(eclipse, place, printed);
            }
        }
        AddSolarEclipsesNote(printed);
        ReportAddPageBreak(printed);
        EXPECT_EQ(BufferLines(printed), BufferLines(report));

        const std::vector<std::string> lines = BufferLines(report);
        const Records records = SolarEclipsesRecords(request, place);
        ExpectRecordsInBlocks(
            records, lines, place.timeZone, {"Solar eclipse on"},
            {{"", "Time of maximum eclipse:"}, {"sunrise", "Sun rise:"}, {"sunset", "Sun set:"}});
        // The kind is the type line's word, in the order of the blocks.
        std::vector<std::string> kinds;
        for (const std::string& line : lines) {
            if (line.rfind("Eclipse is ", 0) == 0 && line.find("visible") == std::string::npos) {
                std::string word = line.substr(11, line.find_first_of(", ", 11) - 11);
                std::replace(word.begin(), word.end(), '-', '_');
                kinds.push_back(word + "_solar_eclipse");
            }
        }
        std::vector<std::string> recordKinds;
        for (const Record& record : records) {
            recordKinds.push_back(record.kind);
        }
        EXPECT_EQ(recordKinds, kinds);
    }
}

} // namespace
