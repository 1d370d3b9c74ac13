// The Planet View Info and Planet Apsides reports, and what the planet
// reports share: the Sun's and a planet's place on the ecliptic, and the
// local hour of an event found.

#include "reports/planet_reports.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/planets.h"
#include "engine/riseset.h"
#include "engine/sun.h"
#include "engine/time.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "reports/names.h"
#include "reports/reports.h"
#include "resources/string_table.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double kHalfSecond = 0.5 / 86400;

// The apsis table: JDE = a + b k + c k^2; factor turns years since 1900 into k.
struct ApsisTerms {
    double factor;
    double a;
    double b;
    double c;
};

// Earth .. Saturn (body codes 2 .. 7), in that order.
static constexpr ApsisTerms kApsisTable[] = {
    {0.99997, 2415021.546, 365.2596413, 1.52e-08},  {4.15201, 2414995.007, 87.96934997, 0.0},
    {1.62549, 2415112.001, 224.7008454, -3.04e-08}, {0.53166, 2415097.251, 686.9958091, -1.221e-07},
    {0.0843, 2416640.884, 4332.894375, 0.0001222},  {0.03393, 2409773.47, 10764.1801, 0.0013033},
};

const ApsisTerms& ApsisRow(int body) {
    return kApsisTable[body - kEarth];
}

// The UT days of the Planet View Info rows: a week apart from the first of
// the first month, up to the last day of the last month.
struct ViewWeeks {
    double first;
    double last;
    int count;
};

ViewWeeks ViewWeeksOf(const ReportRequest& request) {
    ViewWeeks weeks;
    weeks.first = CalendarToJulianDay(1.0, request.startMonth, request.year);
    weeks.last = FirstOfNextMonth(request.stopMonth, request.year) - 1.0;
    weeks.count = static_cast<int>(weeks.last - weeks.first) / 7 + 1;
    return weeks;
}

// A rise or set of a row, printed as local clock time on the row's date, as
// an instant.
RecordField LocalClockField(const char* name, EventTime event, const PlanetViewRow& row,
                            double timeZone) {
    if (!event.happens) {
        return InstantField(name, 0, false);
    }
    const double jd = CalendarToJulianDay(row.day + event.hours / 24, row.month, row.year);
    return InstantField(name, jd - timeZone / 24);
}

} // namespace

double FirstOfNextMonth(int month, int year) {
    if (month >= 12) {
        return CalendarToJulianDay(1.0, 1, year + 1);
    }
    return CalendarToJulianDay(1.0, month + 1, year);
}

void BodyEclipticPlace(double jd, int body, double& alpha, double& delta, double& lambda,
                       double& semidiameter, double& k) {
    const CalendarTime t = SplitJulianDay(jd);
    if (body == kSun) {
        const SunPlace sun = SunPosition(t, true);
        alpha = sun.alpha;
        delta = sun.delta;
        semidiameter = sun.semidiameter;
        k = 0;
    } else {
        const PlanetPlace planet = PlanetPosition(body, t, true);
        alpha = planet.alpha;
        delta = planet.delta;
        k = planet.k;
        semidiameter = 0;
    }
    double beta;
    EquatorialToEcliptic(alpha, delta, t, lambda, beta);
}

double LongitudeSeparation(double a, double b) {
    const double d = std::fabs(a - b);
    return MinOf(d, std::fabs(360 - d));
}

void EventLocalTime(double jd, double timeZone, int& day, int& month, int& year, int& hour) {
    // The instants searched lie whole hours from a UT midnight; half a second
    // keeps the rounding of h / 24 from showing the hour (or day) before.
    double d;
    JulianDayToCalendar(jd + timeZone / 24 + kHalfSecond, d, month, year);
    day = static_cast<int>(d);
    hour = static_cast<int>(FractionalPart(d) * 24);
}

double ApsisJulianEphemerisDay(int body, double k) {
    const ApsisTerms& t = ApsisRow(body);
    return t.c * k * k + t.b * k + t.a;
}

double ApsisCountsPerYear(int body) {
    return ApsisRow(body).factor;
}

PlanetViewRow PlanetViewInfoRow(int body, double jd, const Location& location) {
    double d;
    int month, y;
    JulianDayToCalendar(jd, d, month, y);
    const int day = static_cast<int>(d);
    const PlanetPlace planet = PlanetPosition(body, {y, month, day, 0.0}, true);
    PlanetViewRow row;
    row.body = body;
    row.day = day;
    row.month = month;
    row.year = y;
    row.times = RiseSet(body, day, month, y, location);
    row.raHours = NormalizeDegrees(planet.alpha * 15) * kOneOver15;
    row.decDeg = SignedLatitude(planet.delta);
    row.elongationDeg = planet.elongation;
    row.illuminatedFraction = planet.k;
    row.distanceAu = planet.distance;
    return row;
}

std::vector<PlanetViewRow> PlanetViewInfoResults(const ReportRequest& request,
                                                 const Location& location) {
    const ViewWeeks weeks = ViewWeeksOf(request);
    std::vector<PlanetViewRow> rows;
    for (int p = kMercury; p <= kPluto; ++p) {
        if (!SetTest(p, request.planets)) {
            continue;
        }
        for (double jd = weeks.first; jd <= weeks.last; jd += 7) {
            rows.push_back(PlanetViewInfoRow(p, jd, location));
        }
    }
    return rows;
}

Records PlanetViewInfoRecords(const ReportRequest& request, const Location& location) {
    Records records;
    for (const PlanetViewRow& row : PlanetViewInfoResults(request, location)) {
        Record record;
        record.kind = "planet_view_row";
        record.body = RecordBodyKey(row.body);
        record.summary = RecordBodyName(row.body);
        record.year = row.year;
        record.month = row.month;
        record.day = row.day;
        record.fields.push_back(LocalClockField("rise", row.times.rise, row, location.timeZone));
        record.fields.push_back(LocalClockField("set", row.times.set, row, location.timeZone));
        // Decimals fine enough that the value rounds to the printed second.
        record.fields.push_back(NumberField("ra_hours", row.raHours, 5));
        record.fields.push_back(NumberField("dec_deg", row.decDeg, 4));
        record.fields.push_back(NumberField("elongation_deg", row.elongationDeg, 4));
        record.fields.push_back(NumberField("illuminated_fraction", row.illuminatedFraction, 3));
        record.fields.push_back(NumberField("distance_au", row.distanceAu, 5));
        records.push_back(record);
    }
    return records;
}

void AddPlanetViewInfoHeading(const ReportRequest& request, const Location& location,
                              ReportBuffer& buffer) {
    ReportHeader(location, buffer);
    char range[kFormatSize];
    FormatMonthRange(request.startMonth, request.stopMonth, request.year, range);
    ReportTitle(IDS_PLANET_VIEW_INFO_REPORT_TITLE, range, buffer);
    ReportAddLine("", buffer);
}

void AddPlanetViewInfoPlanetHeading(int body, ReportBuffer& buffer) {
    char line[kReportSlot];
    BodyName(body, line);
    CenterLine(line);
    ReportAddLine(line, buffer);
    ReportAddLine("", buffer);
    ReportText(IDS_PLANET_VIEW_INFO_REPORT_HEADING, buffer);
    ReportAddLine("", buffer);
}

void AddPlanetViewInfoLine(const PlanetViewRow& row, ReportBuffer& buffer) {
    char format[kReportSlot];
    LoadText(IDS_PLANET_VIEW_INFO_REPORT_ROW, format, sizeof format);
    char date[kFormatSize], riseText[kFormatSize], setText[kFormatSize];
    char ra[kFormatSize], dec[kFormatSize], elong[kFormatSize];
    char illum[kFormatSize], dist[kFormatSize], line[kReportSlot];
    FormatDate(row.day, row.month, row.year, date);
    FormatEventTime(row.times.rise, riseText);
    FormatEventTime(row.times.set, setText);
    FormatSexagesimal(row.raHours, 0, ra);
    FormatSexagesimal(row.decDeg, 1, dec);
    FormatSexagesimal(row.elongationDeg, 1, elong);
    FormatFixed(row.illuminatedFraction, 1, 3, illum);
    FormatFixed(row.distanceAu, 2, 5, dist);
    std::snprintf(line, sizeof line, format, date, riseText, setText, ra, dec, elong, illum, dist);
    ReportAddLine(line, buffer);
}

void PlanetViewInfoReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int index = kReportPlanetViewInfo;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddPlanetViewInfoHeading(request, location, buffer);
    ReportProgress(index, insideAlmanac, 0);

    const ViewWeeks weeks = ViewWeeksOf(request);
    for (int p = kMercury; p <= kPluto; ++p) {
        if (!SetTest(p, request.planets)) {
            continue;
        }
        AddPlanetViewInfoPlanetHeading(p, buffer);
        int w = 1;
        for (double jd = weeks.first; jd <= weeks.last; jd += 7, ++w) {
            if (PumpMessages(0) != 0) {
                return;
            }
            ReportProgress(index, insideAlmanac,
                           ReportNestedFraction(p, kMercury, kPluto, w, 1, weeks.count, 1, 1, 1));
            AddPlanetViewInfoLine(PlanetViewInfoRow(p, jd, location), buffer);
        }
        ReportAddPageBreak(buffer);
    }
    ReportProgress(index, insideAlmanac, 1.0);
}

void PlanetApsisCounts(int body, bool aphelion, int startYear, int stopYear, double& firstK,
                       double& lastK) {
    const double factor = ApsisCountsPerYear(body);
    const double fraction = aphelion ? 0.5 : 0.0;
    firstK = std::trunc(factor * (startYear - 1900)) + fraction - 10;
    lastK = std::trunc(factor * (stopYear - 1900)) + fraction + 10;
}

bool PlanetApsisOfCount(int body, double k, int startYear, int stopYear, double timeZone,
                        PlanetApsis& apsis) {
    // The printed date is the local one, so the range is taken in local
    // time too: an apsis early on 1 January belongs to its own year.
    const double jde = ApsisJulianEphemerisDay(body, k);
    const double t = jde + timeZone / 24;
    if (t < CalendarToJulianDay(1.0, 1, startYear) ||
        t >= CalendarToJulianDay(1.0, 1, stopYear + 1)) {
        return false;
    }
    double d;
    JulianDayToCalendar(t, d, apsis.month, apsis.year);
    apsis.day = static_cast<int>(d);
    apsis.body = body;
    apsis.aphelion = FractionalPart(k) != 0;
    apsis.distanceAu = BodyDistance(body, SplitJulianDay(jde), 1);
    return true;
}

std::vector<PlanetApsis> PlanetApsidesResults(const ReportRequest& request,
                                              const Location& location) {
    std::vector<PlanetApsis> apsides;
    for (int p = kEarth; p <= kSaturn; ++p) {
        if (!SetTest(p, request.planets)) {
            continue;
        }
        for (int pass = 0; pass <= 1; ++pass) {
            double firstK, lastK;
            PlanetApsisCounts(p, pass == 1, request.year, request.stopYear, firstK, lastK);
            for (double k = firstK; k <= lastK; k += 1) {
                PlanetApsis apsis;
                if (PlanetApsisOfCount(p, k, request.year, request.stopYear, location.timeZone,
                                       apsis)) {
                    apsides.push_back(apsis);
                }
            }
        }
    }
    return apsides;
}

Records PlanetApsidesRecords(const ReportRequest& request, const Location& location) {
    Records records;
    for (const PlanetApsis& apsis : PlanetApsidesResults(request, location)) {
        // The mean-element table is good to the day, not to the hour: the
        // record is the date the report prints.
        Record record;
        record.kind = apsis.aphelion ? "aphelion" : "perihelion";
        record.body = RecordBodyKey(apsis.body);
        record.summary =
            RecordBodyName(apsis.body) + (apsis.aphelion ? " at aphelion" : " at perihelion");
        record.event = true;
        record.allDay = true;
        record.year = apsis.year;
        record.month = apsis.month;
        record.day = apsis.day;
        record.fields.push_back(NumberField("distance_au", apsis.distanceAu, 2));
        records.push_back(record);
    }
    return records;
}

void AddPlanetApsidesHeading(const ReportRequest& request, const Location& location,
                             ReportBuffer& buffer) {
    ReportHeader(location, buffer);
    char range[kFormatSize];
    FormatYearRange(request.year, request.stopYear, range);
    ReportTitle(IDS_PLANET_APSIDES_REPORT_TITLE, range, buffer);
    ReportAddLine("", buffer);
}

void AddPlanetApsidesBodyName(int body, ReportBuffer& buffer) {
    char line[kReportSlot];
    ReportAddLine("", buffer);
    BodyName(body, line);
    ReportAddLine(line, buffer);
}

void AddPlanetApsisLine(const PlanetApsis& apsis, ReportBuffer& buffer) {
    char format[kReportSlot], passName[kReportSlot], date[kFormatSize], distance[kFormatSize];
    char line[kReportSlot];
    LoadText(IDS_PLANET_APSIDES_REPORT_ROW, format, sizeof format);
    LoadText(apsis.aphelion ? IDS_APHELION : IDS_PERIHELION, passName, sizeof passName);
    FormatDate(apsis.day, apsis.month, apsis.year, date);
    FormatFixed(apsis.distanceAu, 2, 2, distance);
    std::snprintf(line, sizeof line, format, date, passName, distance);
    ReportAddLine(line, buffer);
}

void AddNoPlanetApsisLine(ReportBuffer& buffer) {
    ReportText(IDS_NO_APSIS, buffer);
}

void PlanetApsidesReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int startYear = request.year;
    const int stopYear = request.stopYear;
    const int index = kReportPlanetApsides;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddPlanetApsidesHeading(request, location, buffer);
    ReportProgress(index, insideAlmanac, 0);

    for (int p = kEarth; p <= kSaturn; ++p) {
        if (!SetTest(p, request.planets)) {
            continue;
        }
        AddPlanetApsidesBodyName(p, buffer);
        bool found = false;
        for (int pass = 0; pass <= 1; ++pass) {
            double firstK, lastK;
            PlanetApsisCounts(p, pass == 1, startYear, stopYear, firstK, lastK);
            for (double k = firstK; k <= lastK; k += 1) {
                if (PumpMessages(0) != 0) {
                    return;
                }
                ReportProgress(index, insideAlmanac,
                               ReportNestedFraction(p, kEarth, kSaturn, pass, 0, 1,
                                                    static_cast<int>(k), static_cast<int>(firstK),
                                                    static_cast<int>(lastK)));
                PlanetApsis apsis;
                if (PlanetApsisOfCount(p, k, startYear, stopYear, location.timeZone, apsis)) {
                    AddPlanetApsisLine(apsis, buffer);
                    found = true;
                }
            }
        }
        if (!found) {
            AddNoPlanetApsisLine(buffer);
        }
    }
    ReportAddPageBreak(buffer);
}
