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

// The Julian day of the first of the month after (month, year).
double FirstOfNextMonth(int month, int year) {
    if (month >= 12) {
        return CalendarToJulianDay(1.0, 1, year + 1);
    }
    return CalendarToJulianDay(1.0, month + 1, year);
}

bool IsInnerPlanet(int p) {
    return p == kMercury || p == kVenus;
}

// Result of the hour-by-hour search around one candidate day.
struct Refined {
    double best;  // least separation, degrees
    double tBest; // UT Julian day of the least separation
    int label;    // transit or occultation text id, 0 for none
    double lastK; // the planet's illuminated fraction at the last hour
};

// Searches the 49 hours from the day before the candidate day to the day
// after it: a daily minimum only says the least separation lies between its
// two neighbours. Returns false when stopped() stopped it.
bool RefineCandidate(int p, bool opposition, double jdCandidate, SearchStopped stopped,
                     Refined& out) {
    out.best = 1000.0;
    out.tBest = jdCandidate;
    out.label = 0;
    out.lastK = 0;
    for (int h = -24; h <= 24; ++h) {
        if (stopped != nullptr && stopped()) {
            return false;
        }
        const double jd = jdCandidate + h / 24.0;
        double alphaSun, deltaSun, lambdaSun, semidiameter, kSunUnused;
        BodyEclipticPlace(jd, kSun, alphaSun, deltaSun, lambdaSun, semidiameter, kSunUnused);
        if (opposition) {
            lambdaSun += 180;
        }
        double alpha, delta, lambda, unused, k;
        BodyEclipticPlace(jd, p, alpha, delta, lambda, unused, k);
        out.lastK = k;
        const double s = LongitudeSeparation(lambdaSun, lambda);
        if (s < out.best) {
            out.best = s;
            out.tBest = jd;
            out.label = 0;
            // A planet opposite the Sun can pass neither in front of it nor
            // behind it, whatever the declinations say.
            if (!opposition && LongitudeSeparation(deltaSun, delta) <= semidiameter) {
                out.label = k >= 0.5 ? IDS_OCCULTATION : IDS_TRANSIT;
            }
        }
    }
    return true;
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

// The records' names of the bodies, whatever the program's language.
const char* BodyKey(int body) {
    static const char* const kKeys[] = {"sun",     "moon",   "earth",  "mercury", "venus", "mars",
                                        "jupiter", "saturn", "uranus", "neptune", "pluto"};
    return kKeys[body];
}

std::string BodySummaryName(int body) {
    static const char* const kNames[] = {"Sun",     "Moon",   "Earth",  "Mercury", "Venus", "Mars",
                                         "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};
    return kNames[body];
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
        record.body = BodyKey(row.body);
        record.summary = BodySummaryName(row.body);
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
        record.body = BodyKey(apsis.body);
        record.summary =
            BodySummaryName(apsis.body) + (apsis.aphelion ? " at aphelion" : " at perihelion");
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

ConjOppDays ConjOppSampleRange(const ReportRequest& request) {
    // Two days before the range and one after it, so that a least
    // separation on a range's first or last day is still a daily minimum.
    ConjOppDays samples;
    samples.t0 = CalendarToJulianDay(1.0, request.startMonth, request.year) - 2.0;
    const double tEnd = FirstOfNextMonth(request.stopMonth, request.year) + 1.0;
    samples.days = RoundHalfUp(tEnd - samples.t0 + 1.0);
    // Index d = 1 .. days stands for the UT Julian day t0 + d - 1.
    samples.sunLambda.resize(static_cast<size_t>(samples.days) + 1);
    samples.lambda.resize(kPluto + 1);
    for (int p = kMercury; p <= kPluto; ++p) {
        if (SetTest(p, request.planets)) {
            samples.lambda[p].resize(static_cast<size_t>(samples.days) + 1);
        }
    }
    return samples;
}

void ConjOppSampleDay(const ReportRequest& request, int d, ConjOppDays& samples) {
    const double jd = samples.t0 + d - 1;
    double alpha, delta, semidiameter, k;
    BodyEclipticPlace(jd, kSun, alpha, delta, samples.sunLambda[d], semidiameter, k);
    for (int p = kMercury; p <= kPluto; ++p) {
        if (SetTest(p, request.planets)) {
            BodyEclipticPlace(jd, p, alpha, delta, samples.lambda[p][d], semidiameter, k);
        }
    }
}

bool PlanetConjOppEvents(int body, const ReportRequest& request, const Location& location,
                         const ConjOppDays& samples, SearchStopped stopped,
                         void (*found)(const PlanetConjOpp& event, void* context), void* context) {
    const int days = samples.days;
    const std::vector<double>& lambda = samples.lambda[body];
    std::vector<double> sep(static_cast<size_t>(days) + 1);
    for (int pass = 0; pass <= 1; ++pass) {
        const bool opposition = pass == 1;
        if (opposition && IsInnerPlanet(body)) {
            break;
        }
        for (int d = 1; d <= days; ++d) {
            sep[d] = LongitudeSeparation(samples.sunLambda[d] + (opposition ? 180 : 0), lambda[d]);
        }
        for (int d = 2; d <= days - 1; ++d) {
            if (sep[d] > sep[d - 1] || sep[d] > sep[d + 1]) {
                continue;
            }
            Refined refined;
            if (!RefineCandidate(body, opposition, samples.t0 + d - 1, stopped, refined)) {
                return false;
            }
            if (refined.best > 1.0) {
                continue;
            }
            int day, month, y, hour;
            EventLocalTime(refined.tBest, location.timeZone, day, month, y, hour);
            if (month < request.startMonth || month > request.stopMonth || y != request.year) {
                continue;
            }
            PlanetConjOpp event;
            event.body = body;
            if (opposition) {
                event.nameId = IDS_OPPOSITION;
            } else if (IsInnerPlanet(body)) {
                event.nameId =
                    refined.lastK > 0.5 ? IDS_SUPERIOR_CONJUNCTION : IDS_INFERIOR_CONJUNCTION;
            } else {
                event.nameId = IDS_CONJUNCTION;
            }
            event.labelId = refined.label;
            event.jdUt = refined.tBest;
            event.separationDeg = refined.best;
            found(event, context);
        }
    }
    return true;
}

std::vector<PlanetConjOpp> PlanetConjOppResults(const ReportRequest& request,
                                                const Location& location) {
    ConjOppDays samples = ConjOppSampleRange(request);
    for (int d = 1; d <= samples.days; ++d) {
        ConjOppSampleDay(request, d, samples);
    }
    std::vector<PlanetConjOpp> events;
    for (int p = kMercury; p <= kPluto; ++p) {
        if (SetTest(p, request.planets)) {
            PlanetConjOppEvents(
                p, request, location, samples, nullptr,
                [](const PlanetConjOpp& event, void* context) {
                    static_cast<std::vector<PlanetConjOpp>*>(context)->push_back(event);
                },
                &events);
        }
    }
    return events;
}

Records PlanetConjOppRecords(const ReportRequest& request, const Location& location) {
    Records records;
    for (const PlanetConjOpp& event : PlanetConjOppResults(request, location)) {
        const bool opposition = event.nameId == IDS_OPPOSITION;
        const char* what = opposition                                 ? "opposition"
                           : event.nameId == IDS_SUPERIOR_CONJUNCTION ? "superior conjunction"
                           : event.nameId == IDS_INFERIOR_CONJUNCTION ? "inferior conjunction"
                                                                      : "conjunction";
        Record record = EventRecord(opposition ? "opposition" : "conjunction", BodyKey(event.body),
                                    BodySummaryName(event.body) + " at " + what, event.jdUt);
        if (event.labelId != 0) {
            record.fields.push_back(
                TextField("passage", event.labelId == IDS_TRANSIT ? "transit" : "occultation"));
        }
        records.push_back(record);
    }
    return records;
}

void AddPlanetConjOppHeading(const ReportRequest& request, const Location& location,
                             ReportBuffer& buffer) {
    ReportHeader(location, buffer);
    char range[kFormatSize];
    FormatMonthRange(request.startMonth, request.stopMonth, request.year, range);
    ReportTitle(IDS_PLANET_CONJ_OPP_REPORT_TITLE, range, buffer);
    ReportAddLine("", buffer);
    ReportAddLine("", buffer);
}

void AddPlanetConjOppBodyName(int body, ReportBuffer& buffer) {
    char line[kReportSlot];
    ReportAddLine("", buffer);
    BodyName(body, line);
    ReportAddLine(line, buffer);
    ReportAddLine("", buffer);
}

void AddPlanetConjOppLine(const PlanetConjOpp& event, bool first, const Location& location,
                          ReportBuffer& buffer) {
    if (first) {
        ReportText(IDS_PLANET_CONJ_OPP_REPORT_HEADING, buffer);
        ReportAddLine("", buffer);
    }
    int day, month, y, hour;
    EventLocalTime(event.jdUt, location.timeZone, day, month, y, hour);
    char format[kReportSlot], date[kFormatSize], hourText[16], name[kReportSlot];
    char label[kReportSlot], line[kReportSlot];
    LoadText(IDS_PLANET_CONJ_OPP_REPORT_ROW, format, sizeof format);
    FormatDate(day, month, y, date);
    std::snprintf(hourText, sizeof hourText, "%2d", hour);
    LoadText(event.nameId, name, sizeof name);
    label[0] = '\0';
    if (event.labelId != 0) {
        LoadText(event.labelId, label, sizeof label);
    }
    std::snprintf(line, sizeof line, format, date, hourText, name, label);
    ReportAddLine(line, buffer);
}

void AddNoPlanetConjOppLine(ReportBuffer& buffer) {
    ReportText(IDS_NO_EVENT, buffer);
}

namespace {

bool MessagesStopped() {
    return PumpMessages(0) != 0;
}

// Where the generator's events go: its buffer and place, and whether the
// planet's first event (which brings the events' heading) is still to come.
struct ConjOppPrinting {
    ReportBuffer* buffer;
    const Location* location;
    bool found;
};

void PrintConjOpp(const PlanetConjOpp& event, void* context) {
    auto* printing = static_cast<ConjOppPrinting*>(context);
    AddPlanetConjOppLine(event, !printing->found, *printing->location, *printing->buffer);
    printing->found = true;
}

} // namespace

void PlanetConjOppReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int index = kReportPlanetConjOpp;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddPlanetConjOppHeading(request, location, buffer);
    ReportProgress(index, insideAlmanac, 0);

    ConjOppDays samples = ConjOppSampleRange(request);
    for (int d = 1; d <= samples.days; ++d) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, 0.69 * ReportFraction(1, samples.days, d));
        ConjOppSampleDay(request, d, samples);
    }

    for (int p = kMercury; p <= kPluto; ++p) {
        if (PumpMessages(0) != 0) {
            return;
        }
        if (!SetTest(p, request.planets)) {
            continue;
        }
        AddPlanetConjOppBodyName(p, buffer);
        ConjOppPrinting printing{&buffer, &location, false};
        if (!PlanetConjOppEvents(p, request, location, samples, MessagesStopped, PrintConjOpp,
                                 &printing)) {
            return;
        }
        if (!printing.found) {
            AddNoPlanetConjOppLine(buffer);
        }
        ReportProgress(index, insideAlmanac, 0.69 + p * 0.1 * 0.31);
    }
    ReportProgress(index, insideAlmanac, 1.0);
    ReportAddPageBreak(buffer);
}

namespace {

// A number of the Planet Data table as its line writes it: digits, with '#'
// for the decimal separator (the report puts the regional one there). Reads
// it without the C library, whose reading of numbers follows the locale.
// Returns the characters read, 0 when none is a digit.
size_t ReadTableNumber(const char* text, double& value, int& decimals) {
    value = 0;
    decimals = -1;
    size_t i = 0;
    double scale = 1;
    for (;; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (decimals < 0) {
                value = value * 10 + (c - '0');
            } else {
                scale /= 10;
                value += (c - '0') * scale;
                ++decimals;
            }
        } else if (c == '#' && decimals < 0) {
            decimals = 0;
        } else {
            break;
        }
    }
    if (decimals < 0) {
        decimals = 0;
    }
    return i;
}

const char* SkipBlanks(const char* text) {
    while (*text == ' ') {
        ++text;
    }
    return text;
}

// The row of a table line: name, mean distance, period and its unit,
// inclination with the degree sign, and the diameter or a range "low-high";
// false for a line that is not a planet's row.
bool ReadPlanetDataLine(const char* line, PlanetDataRow& row) {
    row.body = -1;
    for (int p = kEarth; p <= kPluto; ++p) {
        const std::string name = BodySummaryName(p);
        if (std::string(line).compare(0, name.size(), name) == 0 && line[name.size()] == ' ') {
            row.body = p;
            line += name.size();
        }
    }
    if (row.body < 0) {
        return false;
    }
    line = SkipBlanks(line);
    line += ReadTableNumber(line, row.meanDistanceAu, row.distanceDecimals);
    line = SkipBlanks(line);
    line += ReadTableNumber(line, row.period, row.periodDecimals);
    line = SkipBlanks(line);
    row.periodInYears = std::string(line).compare(0, 5, "years") == 0;
    while (*line != ' ' && *line != '\0') {
        ++line;
    }
    line = SkipBlanks(line);
    line += ReadTableNumber(line, row.inclinationDeg, row.inclinationDecimals);
    if (*line == '\260') {
        ++line;
    }
    line = SkipBlanks(line);
    int unused;
    line += ReadTableNumber(line, row.diameterMinKm, unused);
    row.diameterMaxKm = row.diameterMinKm;
    if (*line == '-') {
        ++line;
        line += ReadTableNumber(line, row.diameterMaxKm, unused);
    }
    return *SkipBlanks(line) == '\0';
}

} // namespace

std::vector<PlanetDataRow> PlanetDataResults() {
    // The table exists only as the report's lines; its numbers are read
    // back from them, so the data cannot say other than the text.
    std::vector<PlanetDataRow> rows;
    for (int id = IDS_PLANET_DATA_FIRST + 1; id <= IDS_PLANET_DATA_LAST; ++id) {
        char line[kReportSlot];
        LoadText(id, line, sizeof line);
        PlanetDataRow row;
        if (ReadPlanetDataLine(line, row)) {
            rows.push_back(row);
        }
    }
    return rows;
}

Records PlanetDataRecords(const ReportRequest&, const Location&) {
    Records records;
    for (const PlanetDataRow& row : PlanetDataResults()) {
        Record record;
        record.kind = "planet_data_row";
        record.body = BodyKey(row.body);
        record.summary = BodySummaryName(row.body);
        record.fields.push_back(
            NumberField("mean_distance_au", row.meanDistanceAu, row.distanceDecimals));
        // The table gives the short periods in days and the long ones in
        // years; the unit goes with the number, as printed.
        record.fields.push_back(NumberField("period", row.period, row.periodDecimals));
        record.fields.push_back(TextField("period_unit", row.periodInYears ? "years" : "days"));
        record.fields.push_back(
            NumberField("inclination_deg", row.inclinationDeg, row.inclinationDecimals));
        record.fields.push_back(NumberField("diameter_min_km", row.diameterMinKm, 0));
        record.fields.push_back(NumberField("diameter_max_km", row.diameterMaxKm, 0));
        records.push_back(record);
    }
    return records;
}
