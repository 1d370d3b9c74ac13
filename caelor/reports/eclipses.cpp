#include "reports/eclipses.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/moon.h"
#include "engine/riseset.h"
#include "engine/time.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "reports/reports.h"
#include "resources/string_table.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

bool NeverPressed() {
    return false;
}

EscapePoll g_escapePoll = NeverPressed;

void AddEclipse(EclipseList& eclipses, int kind, double maximum) {
    if (eclipses.count + 1 >= kEclipseListLimit) {
        FatalError(IDS_INTERNAL_ERROR, "REPORTS2", __LINE__);
    }
    eclipses.entries[eclipses.count].kind = kind;
    eclipses.entries[eclipses.count].maximum = maximum;
    ++eclipses.count;
}

// A line from a string-table format with one text argument.
void AddFormattedLine(int formatId, const char* argument, ReportBuffer& buffer) {
    char format[kReportSlot];
    char line[kReportSlot];
    LoadText(formatId, format, sizeof format);
    std::snprintf(line, sizeof line, format, argument);
    ReportAddLine(line, buffer);
}

void AddTimeLine(int formatId, double hours, ReportBuffer& buffer) {
    char time[kFormatSize];
    FormatHoursMinutes(hours, time);
    AddFormattedLine(formatId, time, buffer);
}

// A rise or set line: "None " for an event that does not happen.
void AddEventLine(int formatId, EventTime event, ReportBuffer& buffer) {
    char time[kFormatSize];
    FormatEventTime(event, time);
    AddFormattedLine(formatId, time, buffer);
}

// Hours brought into [0, 24), the way the contact times are shown.
double WrapHours(double hours) {
    return NormalizeDegrees(hours * 15) * kOneOver15;
}

bool InLocalYear(const MoonPhaseEntry& entry, int year, const Location& location) {
    return LocalTimeOf(entry.meanInstant, location.timeZone).year == year;
}

} // namespace

void SetEscapePoll(EscapePoll poll) {
    g_escapePoll = poll != nullptr ? poll : NeverPressed;
}

void CollectMoonPhases(int year, MoonPhaseList& list, int index, bool insideAlmanac, double base,
                       double share) {
    // Forget a press from before this collection started.
    g_escapePoll();
    list.count = 0;
    const double t0 = year - 0.08333333333333333;
    const double t1 = year + 1.0833333333333333;
    for (int i = 0; i <= 49; ++i) {
        for (int k = 0; k <= 3; ++k) {
            if (index != -1) {
                ReportProgress(index, insideAlmanac,
                               base + share * ReportNestedFraction(i, 0, 49, k, 0, 3, 1, 1, 1));
            }
            // No pump runs in here, so the key is polled directly; a stop
            // that arrived some other way (Ctrl-C in caelor-cli) counts too.
            if (g_escapePoll() || StopFlag) {
                StopFlag = true;
                return;
            }
            const double t = t0 + (t1 - t0) * i * 0.02;
            MoonPhaseEntry entry{};
            entry.phase = k;
            MoonPhase(t, k, entry.F, entry.M, entry.M1, entry.T, entry.meanInstant,
                      entry.trueInstant);
            bool known = false;
            for (int n = 0; n < list.count && !known; ++n) {
                known = list.entries[n].trueInstant == entry.trueInstant;
            }
            if (known) {
                continue;
            }
            if (list.count + 1 >= kMoonPhaseListLimit) {
                FatalError(IDS_INTERNAL_ERROR, "REPORTS", __LINE__);
            }
            list.entries[list.count++] = entry;
        }
    }
}

EclipseElementsResult EclipseElements(double F, double M, double M1, double T, double meanInstant) {
    EclipseElementsResult e{};
    e.maximum = meanInstant + (0.1734 - 0.000393 * T) * SinDeg(M) + 0.0021 * SinDeg(2 * M) -
                0.4068 * SinDeg(M1) + 0.0161 * SinDeg(2 * M1) - 0.0051 * SinDeg(M + M1) -
                0.0074 * SinDeg(M - M1) - 0.0104 * SinDeg(2 * F);
    e.S = 5.19595 - 0.0048 * CosDeg(M) + 0.0020 * CosDeg(2 * M) - 0.3283 * CosDeg(M1) -
          0.0060 * CosDeg(M + M1) + 0.0041 * CosDeg(M - M1);
    e.C = 0.2070 * SinDeg(M) + 0.0024 * SinDeg(2 * M) - 0.0390 * SinDeg(M1) +
          0.0115 * SinDeg(2 * M1) - 0.0073 * SinDeg(M + M1) - 0.0067 * SinDeg(M - M1) +
          0.0117 * SinDeg(2 * F);
    e.gamma = e.S * SinDeg(F) + e.C * CosDeg(F);
    e.u = 0.0059 + 0.0046 * CosDeg(M) - 0.0182 * CosDeg(M1) + 0.0004 * CosDeg(2 * M1) -
          0.0005 * CosDeg(M + M1);
    return e;
}

bool EclipsePossible(double F) {
    const double f = NormalizeDegrees(F);
    const double a = std::fabs(f);
    const double b = std::fabs(f - 180);
    const double c = std::fabs(f - 360);
    if (a < 13.9 || b < 13.9 || c < 13.9) {
        return true;
    }
    if (a > 21.0 && b > 21.0 && c > 21.0) {
        return false;
    }
    return std::fabs(SinDeg(f)) <= 0.36;
}

int SolarEclipseType(double gamma, double u) {
    if (!(std::fabs(gamma) < 0.9972)) {
        return IDS_ECLIPSE_IS_PARTIAL;
    }
    if (u < 0) {
        return IDS_ECLIPSE_IS_TOTAL;
    }
    if (u > 0.0047) {
        return IDS_ECLIPSE_IS_ANNULAR;
    }
    const double omega = 0.00464 * CosDeg(AsinDeg(gamma));
    return omega > u ? IDS_ECLIPSE_IS_ANNULAR_TOTAL : IDS_ECLIPSE_IS_ANNULAR;
}

double SolarEclipseMagnitude(double gamma, double u) {
    return (1.5432 + u - std::fabs(gamma)) / (0.5460 + 2 * u);
}

LunarShadow LunarEclipseShadow(const EclipseElementsResult& e, double M1) {
    const double P = 1.0129 - e.u;
    const double Tt = 0.4679 - e.u;
    const double n = 0.5458 + 0.04 * CosDeg(M1);
    const double partialSq = Square(P) - Square(e.gamma);
    const double totalSq = Square(Tt) - Square(e.gamma);
    LunarShadow shadow{};
    shadow.magnitude = (1.0129 - std::fabs(e.gamma) - e.u) * 1.8348623853211008;
    shadow.partial = partialSq >= 0 ? std::sqrt(partialSq) / n : 0;
    shadow.total = totalSq >= 0 ? std::sqrt(totalSq) / n : 0;
    return shadow;
}

namespace {

// An eclipse block opens with an empty line, the local date of the maximum
// and the rise and set of the eclipsed body on that date.
void AddEclipseOpening(int dateId, int riseId, int setId, const CalendarTime& local,
                       const RiseSetTimes& times, ReportBuffer& buffer) {
    char date[kFormatSize];
    FormatDate(local.day, local.month, local.year, date);
    ReportAddLine("", buffer);
    AddFormattedLine(dateId, date, buffer);
    AddEventLine(riseId, times.rise, buffer);
    AddEventLine(setId, times.set, buffer);
}

RiseSetTimes RiseSetOnLocalDate(int body, double jdUt, const Location& location) {
    const CalendarTime local = LocalTimeOf(jdUt, location.timeZone);
    return RiseSet(body, local.day, local.month, local.year, location);
}

// The search's test for each kind; elements and shadow are handed back for
// the eclipse's block.
bool SolarEclipseHappens(const MoonPhaseEntry& phase, EclipseElementsResult& e) {
    e = EclipseElements(phase.F, phase.M, phase.M1, phase.T, phase.meanInstant);
    return std::fabs(e.gamma) <= 1.5432 + e.u;
}

bool LunarEclipseHappens(const MoonPhaseEntry& phase, EclipseElementsResult& e,
                         LunarShadow& shadow) {
    e = EclipseElements(phase.F, phase.M, phase.M1, phase.T, phase.meanInstant);
    shadow = LunarEclipseShadow(e, phase.M1);
    // A penumbral-only eclipse is not reported.
    return shadow.magnitude > 0;
}

SolarEclipseResult SolarEclipseResultOf(const EclipseElementsResult& e, const Location& location) {
    SolarEclipseResult result{};
    result.maximum = e.maximum;
    result.type = SolarEclipseType(e.gamma, e.u);
    result.magnitude =
        result.type == IDS_ECLIPSE_IS_PARTIAL ? SolarEclipseMagnitude(e.gamma, e.u) : 0;
    result.northern = e.gamma >= 0;
    result.sun = RiseSetOnLocalDate(kSun, e.maximum, location);
    return result;
}

LunarEclipseResult LunarEclipseResultOf(const EclipseElementsResult& e, const LunarShadow& shadow,
                                        const Location& location) {
    return LunarEclipseResult{e.maximum, shadow, RiseSetOnLocalDate(kMoon, e.maximum, location)};
}

bool IsEclipseCandidate(const MoonPhaseEntry& entry, int phase, int year,
                        const Location& location) {
    return entry.phase == phase && InLocalYear(entry, year, location) && EclipsePossible(entry.F);
}

} // namespace

void AddSolarEclipseLines(const SolarEclipseResult& eclipse, const Location& location,
                          ReportBuffer& buffer) {
    const CalendarTime local = LocalTimeOf(eclipse.maximum, location.timeZone);
    AddEclipseOpening(IDS_SOLAR_ECLIPSE_ON, IDS_ECLIPSE_SUN_RISE, IDS_ECLIPSE_SUN_SET, local,
                      eclipse.sun, buffer);
    AddTimeLine(IDS_SOLAR_ECLIPSE_MAXIMUM, local.hours, buffer);
    if (eclipse.type == IDS_ECLIPSE_IS_PARTIAL) {
        char magnitude[kFormatSize];
        FormatFixed(eclipse.magnitude, 2, 2, magnitude);
        AddFormattedLine(IDS_ECLIPSE_IS_PARTIAL, magnitude, buffer);
    } else {
        ReportText(eclipse.type, buffer);
    }
    ReportText(eclipse.northern ? IDS_ECLIPSE_VISIBLE_NORTH : IDS_ECLIPSE_VISIBLE_SOUTH, buffer);
    ReportAddLine("", buffer);
}

void AddLunarEclipseLines(const LunarEclipseResult& eclipse, const Location& location,
                          ReportBuffer& buffer) {
    const LunarShadow& shadow = eclipse.shadow;
    const CalendarTime local = LocalTimeOf(eclipse.maximum, location.timeZone);
    AddEclipseOpening(IDS_LUNAR_ECLIPSE_ON, IDS_ECLIPSE_MOON_RISE, IDS_ECLIPSE_MOON_SET, local,
                      eclipse.moon, buffer);
    char text[kFormatSize];
    FormatFixed(shadow.magnitude, 2, 2, text);
    AddFormattedLine(IDS_LUNAR_ECLIPSE_MAGNITUDE, text, buffer);
    AddTimeLine(IDS_PARTIAL_PHASE_BEGINS, WrapHours(local.hours - shadow.partial), buffer);
    if (shadow.total > 0) {
        AddTimeLine(IDS_TOTAL_PHASE_BEGINS, WrapHours(local.hours - shadow.total), buffer);
    }
    AddTimeLine(IDS_LUNAR_ECLIPSE_MAXIMUM, local.hours, buffer);
    if (shadow.total > 0) {
        AddTimeLine(IDS_TOTAL_PHASE_ENDS, WrapHours(local.hours + shadow.total), buffer);
    }
    AddTimeLine(IDS_PARTIAL_PHASE_ENDS, WrapHours(local.hours + shadow.partial), buffer);
    ReportAddLine("", buffer);
}

void SolarEclipse(const MoonPhaseEntry& phase, bool listOnly, EclipseList& eclipses,
                  const Location& location, ReportBuffer* buffer) {
    EclipseElementsResult e;
    if (!SolarEclipseHappens(phase, e)) {
        return;
    }
    AddEclipse(eclipses, kSolarEclipse, e.maximum);
    if (listOnly || buffer == nullptr) {
        return;
    }
    AddSolarEclipseLines(SolarEclipseResultOf(e, location), location, *buffer);
}

void LunarEclipse(const MoonPhaseEntry& phase, bool listOnly, EclipseList& eclipses,
                  const Location& location, ReportBuffer* buffer) {
    EclipseElementsResult e;
    LunarShadow shadow;
    if (!LunarEclipseHappens(phase, e, shadow)) {
        return;
    }
    AddEclipse(eclipses, kLunarEclipse, e.maximum);
    if (listOnly || buffer == nullptr) {
        return;
    }
    AddLunarEclipseLines(LunarEclipseResultOf(e, shadow, location), location, *buffer);
}

std::vector<LunarEclipseResult> LunarEclipsesOfPhases(int year, const MoonPhaseList& phases,
                                                      const Location& location) {
    std::vector<LunarEclipseResult> eclipses;
    for (int n = 0; n < phases.count; ++n) {
        const MoonPhaseEntry& entry = phases.entries[n];
        EclipseElementsResult e;
        LunarShadow shadow;
        if (IsEclipseCandidate(entry, kFullMoon, year, location) &&
            LunarEclipseHappens(entry, e, shadow)) {
            eclipses.push_back(LunarEclipseResultOf(e, shadow, location));
        }
    }
    return eclipses;
}

std::vector<SolarEclipseResult> SolarEclipsesOfPhases(int year, const MoonPhaseList& phases,
                                                      const Location& location) {
    std::vector<SolarEclipseResult> eclipses;
    for (int n = 0; n < phases.count; ++n) {
        const MoonPhaseEntry& entry = phases.entries[n];
        EclipseElementsResult e;
        if (IsEclipseCandidate(entry, kNewMoon, year, location) && SolarEclipseHappens(entry, e)) {
            eclipses.push_back(SolarEclipseResultOf(e, location));
        }
    }
    return eclipses;
}

std::vector<LunarEclipseResult> LunarEclipsesYear(int year, const Location& location) {
    MoonPhaseList phases;
    CollectMoonPhases(year, phases, -1, false, 0, 0);
    return LunarEclipsesOfPhases(year, phases, location);
}

std::vector<SolarEclipseResult> SolarEclipsesYear(int year, const Location& location) {
    MoonPhaseList phases;
    CollectMoonPhases(year, phases, -1, false, 0, 0);
    return SolarEclipsesOfPhases(year, phases, location);
}

std::vector<std::vector<LunarEclipseResult>> LunarEclipsesResults(const ReportRequest& request,
                                                                  const Location& location) {
    std::vector<std::vector<LunarEclipseResult>> years;
    for (int y = request.year; y <= request.stopYear; ++y) {
        years.push_back(LunarEclipsesYear(y, location));
    }
    return years;
}

std::vector<std::vector<SolarEclipseResult>> SolarEclipsesResults(const ReportRequest& request,
                                                                  const Location& location) {
    std::vector<std::vector<SolarEclipseResult>> years;
    for (int y = request.year; y <= request.stopYear; ++y) {
        years.push_back(SolarEclipsesYear(y, location));
    }
    return years;
}

namespace {

// The UT instant of a rise or set the text gives as local hours of the
// local date of the eclipse's maximum.
RecordField RiseSetField(const char* name, const EventTime& event, double maximum,
                         const Location& location) {
    if (!event.happens) {
        return InstantField(name, 0, false);
    }
    const CalendarTime local = LocalTimeOf(maximum, location.timeZone);
    const double midnight = CalendarToJulianDay(local.day, local.month, local.year);
    return InstantField(name, midnight + (event.hours - location.timeZone) / 24.0);
}

const char* SolarKindName(int type) {
    switch (type) {
    case IDS_ECLIPSE_IS_TOTAL:
        return "total";
    case IDS_ECLIPSE_IS_ANNULAR:
        return "annular";
    case IDS_ECLIPSE_IS_ANNULAR_TOTAL:
        return "annular_total";
    default:
        return "partial";
    }
}

const char* SolarSummary(int type) {
    switch (type) {
    case IDS_ECLIPSE_IS_TOTAL:
        return "Total solar eclipse, maximum";
    case IDS_ECLIPSE_IS_ANNULAR:
        return "Annular solar eclipse, maximum";
    case IDS_ECLIPSE_IS_ANNULAR_TOTAL:
        return "Annular-total solar eclipse, maximum";
    default:
        return "Partial solar eclipse, maximum";
    }
}

} // namespace

Records LunarEclipsesRecords(const ReportRequest& request, const Location& location) {
    Records records;
    for (const auto& year : LunarEclipsesResults(request, location)) {
        for (const LunarEclipseResult& eclipse : year) {
            const LunarShadow& shadow = eclipse.shadow;
            const bool total = shadow.total > 0;
            const double t = eclipse.maximum;
            Record record = EventRecord(
                total ? "total_lunar_eclipse" : "partial_lunar_eclipse", "moon",
                total ? "Total lunar eclipse, maximum" : "Partial lunar eclipse, maximum", t);
            record.fields.push_back(RiseSetField("moonrise", eclipse.moon.rise, t, location));
            record.fields.push_back(RiseSetField("moonset", eclipse.moon.set, t, location));
            record.fields.push_back(NumberField("magnitude", shadow.magnitude, 2));
            record.fields.push_back(InstantField("partial_begins", t - shadow.partial / 24));
            record.fields.push_back(InstantField("total_begins", t - shadow.total / 24, total));
            record.fields.push_back(InstantField("total_ends", t + shadow.total / 24, total));
            record.fields.push_back(InstantField("partial_ends", t + shadow.partial / 24));
            records.push_back(record);
        }
    }
    return records;
}

Records SolarEclipsesRecords(const ReportRequest& request, const Location& location) {
    Records records;
    for (const auto& year : SolarEclipsesResults(request, location)) {
        for (const SolarEclipseResult& eclipse : year) {
            const double t = eclipse.maximum;
            Record record = EventRecord(std::string(SolarKindName(eclipse.type)) + "_solar_eclipse",
                                        "sun", SolarSummary(eclipse.type), t);
            record.fields.push_back(RiseSetField("sunrise", eclipse.sun.rise, t, location));
            record.fields.push_back(RiseSetField("sunset", eclipse.sun.set, t, location));
            if (eclipse.type == IDS_ECLIPSE_IS_PARTIAL) {
                record.fields.push_back(NumberField("magnitude", eclipse.magnitude, 2));
            }
            record.fields.push_back(
                TextField("hemisphere", eclipse.northern ? "northern" : "southern"));
            records.push_back(record);
        }
    }
    return records;
}

void EclipsesOfYear(int year, const MoonPhaseList& phases, bool calendarMode, EclipseList& eclipses,
                    const Location& location, bool lunarReport, ReportBuffer* buffer) {
    eclipses.count = 0;
    for (int n = 0; n < phases.count; ++n) {
        const MoonPhaseEntry& entry = phases.entries[n];
        if (entry.phase == kFullMoon && InLocalYear(entry, year, location) &&
            EclipsePossible(entry.F)) {
            LunarEclipse(entry, calendarMode || !lunarReport, eclipses, location, buffer);
        }
    }
    for (int n = 0; n < phases.count; ++n) {
        const MoonPhaseEntry& entry = phases.entries[n];
        if (entry.phase == kNewMoon && InLocalYear(entry, year, location) &&
            EclipsePossible(entry.F)) {
            SolarEclipse(entry, calendarMode || lunarReport, eclipses, location, buffer);
        }
    }
}

void EclipseSearchYear(int year, const Location& location, MoonPhaseList& phases,
                       EclipseList& eclipses, int index, bool insideAlmanac, double base,
                       double share) {
    CollectMoonPhases(year, phases, index, insideAlmanac, base, share);
    if (StopFlag) {
        return;
    }
    EclipsesOfYear(year, phases, true, eclipses, location, false, nullptr);
}

void AddEclipsesHeading(bool lunar, const ReportRequest& request, const Location& location,
                        ReportBuffer& buffer) {
    ReportHeader(location, buffer);
    char range[kFormatSize];
    FormatYearRange(request.year, request.stopYear, range);
    ReportTitle(lunar ? IDS_LUNAR_ECLIPSES_REPORT_TITLE : IDS_SOLAR_ECLIPSES_REPORT_TITLE, range,
                buffer);
    ReportAddLine("", buffer);
    ReportAddLine("", buffer);
}

void AddSolarEclipsesNote(ReportBuffer& buffer) {
    // The closing note runs up to its "!" marker; an id without text also
    // ends it, so a damaged table cannot run on for ever.
    char line[kReportSlot];
    for (int id = IDS_ECLIPSE_NOTE_FIRST;
         LoadText(id, line, sizeof line) > 0 && std::strcmp(line, "!") != 0; ++id) {
        ReportAddLine(line, buffer);
    }
}

// The lunar or the solar eclipses of the request's years.
static void EclipseReport(bool lunar, const ReportRequest& request, ReportBuffer& buffer,
                          Location location) {
    const int startYear = request.year;
    const int stopYear = request.stopYear;
    const int index = lunar ? kReportLunarEclipses : kReportSolarEclipses;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddEclipsesHeading(lunar, request, location, buffer);

    const double share = stopYear > startYear ? 1.0 / (stopYear - startYear + 1) : 1.0;
    double base = 0;
    for (int y = startYear; y <= stopYear; ++y) {
        if (PumpMessages(0) != 0) {
            return;
        }
        MoonPhaseList phases;
        EclipseList calendar;
        EclipseSearchYear(y, location, phases, calendar, index, insideAlmanac, base, share);
        if (StopFlag) {
            return;
        }
        if (lunar) {
            for (const LunarEclipseResult& eclipse : LunarEclipsesOfPhases(y, phases, location)) {
                AddLunarEclipseLines(eclipse, location, buffer);
            }
        } else {
            for (const SolarEclipseResult& eclipse : SolarEclipsesOfPhases(y, phases, location)) {
                AddSolarEclipseLines(eclipse, location, buffer);
            }
        }
        base += share;
    }

    if (!lunar) {
        AddSolarEclipsesNote(buffer);
    }
    ReportAddPageBreak(buffer);
    ReportProgress(index, insideAlmanac, 1.0);
}

void LunarEclipsesReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    EclipseReport(true, request, buffer, location);
}

void SolarEclipsesReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    EclipseReport(false, request, buffer, location);
}
