// The eclipse search shared by the Lunar and Solar Eclipse reports, the
// Calendar report and the Eclipses graph: the new and full Moons of a year
// with their lunar arguments, Meeus's node test, the instant of maximum and
// the quantities gamma and u, and from them whether and how an eclipse
// happens (Astronomical Formulae for Calculators, chapter on eclipses).
#pragma once

#include "engine/location.h"
#include "engine/riseset.h"
#include "reports/records.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"

#include <vector>

// One lunar phase as MoonPhase hands it back. Instants are Julian days and
// are taken as UT (no Delta T correction).
struct MoonPhaseEntry {
    int phase;          // 0 new Moon, 1 first quarter, 2 full Moon, 3 last quarter
    double F;           // Moon's argument of latitude, degrees
    double M;           // Sun's mean anomaly, degrees
    double M1;          // Moon's mean anomaly M', degrees
    double T;           // Julian centuries, as MoonPhase returns them
    double trueInstant; // the corrected phase instant
    double meanInstant; // the mean phase instant
};

// A list that would reach this many entries is an internal error.
constexpr int kMoonPhaseListLimit = 100;
constexpr int kEclipseListLimit = 20;

// The phases of one year and a month either side, unique by true instant,
// in the order they were found (time order).
struct MoonPhaseList {
    int count = 0;
    MoonPhaseEntry entries[kMoonPhaseListLimit - 1];
};

enum EclipseKind : int {
    kSolarEclipse = 0,
    kLunarEclipse = 1,
};

struct EclipseEntry {
    int kind;       // EclipseKind
    double maximum; // Julian day (UT) of the eclipse's maximum
};

// The eclipses of one year: lunar ones first, then solar ones.
struct EclipseList {
    int count = 0;
    EclipseEntry entries[kEclipseListLimit - 1];
};

// What decides an eclipse at one new or full Moon.
struct EclipseElementsResult {
    double maximum; // Julian day of maximum
    double S;
    double C;
    double gamma; // least distance of the shadow axis from the Earth's centre, Earth radii
    double u;     // radius of the umbral cone in the fundamental plane, Earth radii
};

// Whether Esc is down or was pressed since the last call. The Windows shell
// installs a poll of the key state; the default never reports a press.
using EscapePoll = bool (*)();
void SetEscapePoll(EscapePoll poll);

// Fills list with the phases of the window from one month before the year to
// one month after it: 50 sample times by 4 phases, each kept unless its true
// instant is already listed. Shows progress base + share * (done fraction)
// under index unless index is -1 (no progress line, as the graph wants). Esc
// (or a stop already asked for) sets StopFlag and ends the collection early.
void CollectMoonPhases(int year, MoonPhaseList& list, int index, bool insideAlmanac, double base,
                       double share);

// Meeus's elements of the eclipse at a new or full Moon from the phase's
// arguments (degrees), centuries T and mean instant (Julian day).
EclipseElementsResult EclipseElements(double F, double M, double M1, double T, double meanInstant);

// Meeus's node test on the argument of latitude F (degrees): the Moon is
// close enough to a node for an eclipse to be possible.
bool EclipsePossible(double F);

// String id of the type line of a solar eclipse: IDS_ECLIPSE_IS_TOTAL,
// _ANNULAR or _ANNULAR_TOTAL for a central eclipse (|gamma| < 0.9972), else
// IDS_ECLIPSE_IS_PARTIAL.
int SolarEclipseType(double gamma, double u);

// The magnitude of a partial solar eclipse.
double SolarEclipseMagnitude(double gamma, double u);

// The umbral magnitude of a lunar eclipse and the semidurations (hours) of
// its partial and total phases, 0 for a phase that does not happen; M1 is the
// Moon's mean anomaly (degrees).
struct LunarShadow {
    double magnitude;
    double partial;
    double total;
};
LunarShadow LunarEclipseShadow(const EclipseElementsResult& e, double M1);

// A lunar eclipse as the Lunar Eclipse report gives it: the instant of its
// maximum, its umbral magnitude and semidurations, and the Moon's rise and
// set on the local date of the maximum. The contacts are the maximum less
// and plus the semidurations.
struct LunarEclipseResult {
    double maximum; // UT Julian day
    LunarShadow shadow;
    RiseSetTimes moon;
};

// A solar eclipse as the Solar Eclipse report gives it.
struct SolarEclipseResult {
    double maximum;   // UT Julian day
    int type;         // SolarEclipseType's string id
    double magnitude; // of a partial eclipse (SolarEclipseMagnitude), else 0
    bool northern;    // gamma >= 0: the shadow passes north of the Earth's centre
    RiseSetTimes sun; // the Sun's rise and set on the local date of the maximum
};

// The eclipses of the report's kind among the phases of the local calendar
// year, in the order EclipsesOfYear lists them. Pure: no progress, no text.
std::vector<LunarEclipseResult> LunarEclipsesOfPhases(int year, const MoonPhaseList& phases,
                                                      const Location& location);
std::vector<SolarEclipseResult> SolarEclipsesOfPhases(int year, const MoonPhaseList& phases,
                                                      const Location& location);

// One step of the reports: the phases of the year collected without
// progress, then its eclipses. A stop asked for (StopFlag) ends the
// collection early and leaves the list short.
std::vector<LunarEclipseResult> LunarEclipsesYear(int year, const Location& location);
std::vector<SolarEclipseResult> SolarEclipsesYear(int year, const Location& location);

// The request's years, a list per year, first year first.
std::vector<std::vector<LunarEclipseResult>> LunarEclipsesResults(const ReportRequest& request,
                                                                  const Location& location);
std::vector<std::vector<SolarEclipseResult>> SolarEclipsesResults(const ReportRequest& request,
                                                                  const Location& location);

// The reports' text: the heading, then each eclipse's block; the Solar
// Eclipse report closes with its note (AddSolarEclipsesNote).
void AddEclipsesHeading(bool lunar, const ReportRequest& request, const Location& location,
                        ReportBuffer& buffer);
void AddLunarEclipseLines(const LunarEclipseResult& eclipse, const Location& location,
                          ReportBuffer& buffer);
void AddSolarEclipseLines(const SolarEclipseResult& eclipse, const Location& location,
                          ReportBuffer& buffer);
void AddSolarEclipsesNote(ReportBuffer& buffer);

// The eclipses as Records: one event per eclipse at its maximum, kind
// "total_lunar_eclipse", "annular_solar_eclipse", ..., with the contacts and
// the rise and set the block prints as instants. LocalEclipsesRecords is the
// Local Eclipses report's (local_eclipses.cpp): each eclipse the place sees,
// with its local circumstances.
Records LunarEclipsesRecords(const ReportRequest& request, const Location& location);
Records SolarEclipsesRecords(const ReportRequest& request, const Location& location);
Records LocalEclipsesRecords(const ReportRequest& request, const Location& location);

// Decide whether the new Moon (full Moon) gives a solar (umbral lunar)
// eclipse; if so record it in eclipses and, unless listOnly, append its
// block to buffer. buffer may be null when listOnly is set.
void SolarEclipse(const MoonPhaseEntry& phase, bool listOnly, EclipseList& eclipses,
                  const Location& location, ReportBuffer* buffer);
void LunarEclipse(const MoonPhaseEntry& phase, bool listOnly, EclipseList& eclipses,
                  const Location& location, ReportBuffer* buffer);

// Lists the eclipses whose phase's mean instant falls in the local calendar
// year: every lunar one first, then every solar one. In calendar mode
// nothing is appended and buffer may be null; otherwise the blocks of the
// lunar (lunarReport) or of the solar eclipses are appended to buffer.
void EclipsesOfYear(int year, const MoonPhaseList& phases, bool calendarMode, EclipseList& eclipses,
                    const Location& location, bool lunarReport, ReportBuffer* buffer);

// CollectMoonPhases, then, unless stopped, EclipsesOfYear in calendar mode.
void EclipseSearchYear(int year, const Location& location, MoonPhaseList& phases,
                       EclipseList& eclipses, int index, bool insideAlmanac, double base,
                       double share);
