// The Planet Conj/Opp report: the planets' conjunctions with the Sun and
// their oppositions, found from daily samples and refined hour by hour.

#include "reports/planet_reports.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/planets.h"
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

} // namespace

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
        Record record =
            EventRecord(opposition ? "opposition" : "conjunction", RecordBodyKey(event.body),
                        RecordBodyName(event.body) + " at " + what, event.jdUt);
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
