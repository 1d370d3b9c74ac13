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
// two neighbours. Returns false when the user stopped the report.
bool RefineCandidate(int p, bool opposition, double jdCandidate, Refined& out) {
    out.best = 1000.0;
    out.tBest = jdCandidate;
    out.label = 0;
    out.lastK = 0;
    for (int h = -24; h <= 24; ++h) {
        if (PumpMessages(0) != 0) {
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

void PlanetViewInfoReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int year = request.year;
    const int startMonth = request.startMonth;
    const int stopMonth = request.stopMonth;
    const BitSet planets = request.planets;
    const int index = kReportPlanetViewInfo;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    ReportHeader(location, buffer);
    char range[kFormatSize];
    FormatMonthRange(startMonth, stopMonth, year, range);
    ReportTitle(IDS_PLANET_VIEW_INFO_REPORT_TITLE, range, buffer);
    ReportAddLine("", buffer);
    ReportProgress(index, insideAlmanac, 0);

    char format[kReportSlot];
    LoadText(IDS_PLANET_VIEW_INFO_REPORT_ROW, format, sizeof format);
    const double first = CalendarToJulianDay(1.0, startMonth, year);
    const double last = FirstOfNextMonth(stopMonth, year) - 1.0;
    const int weeks = static_cast<int>(last - first) / 7 + 1;

    for (int p = kMercury; p <= kPluto; ++p) {
        if (!SetTest(p, planets)) {
            continue;
        }
        char line[kReportSlot];
        BodyName(p, line);
        CenterLine(line);
        ReportAddLine(line, buffer);
        ReportAddLine("", buffer);
        ReportText(IDS_PLANET_VIEW_INFO_REPORT_HEADING, buffer);
        ReportAddLine("", buffer);

        int w = 1;
        for (double jd = first; jd <= last; jd += 7, ++w) {
            if (PumpMessages(0) != 0) {
                return;
            }
            ReportProgress(index, insideAlmanac,
                           ReportNestedFraction(p, kMercury, kPluto, w, 1, weeks, 1, 1, 1));
            double d;
            int month, y;
            JulianDayToCalendar(jd, d, month, y);
            const int day = static_cast<int>(d);
            const RiseSetTimes times = RiseSet(p, day, month, y, location);
            const PlanetPlace planet = PlanetPosition(p, {y, month, day, 0.0}, true);
            const double delta = SignedLatitude(planet.delta);
            const double alpha = NormalizeDegrees(planet.alpha * 15) * kOneOver15;

            char date[kFormatSize], riseText[kFormatSize], setText[kFormatSize];
            char ra[kFormatSize], dec[kFormatSize], elong[kFormatSize];
            char illum[kFormatSize], dist[kFormatSize];
            FormatDate(day, month, y, date);
            FormatEventTime(times.rise, riseText);
            FormatEventTime(times.set, setText);
            FormatSexagesimal(alpha, 0, ra);
            FormatSexagesimal(delta, 1, dec);
            FormatSexagesimal(planet.elongation, 1, elong);
            FormatFixed(planet.k, 1, 3, illum);
            FormatFixed(planet.distance, 2, 5, dist);
            std::snprintf(line, sizeof line, format, date, riseText, setText, ra, dec, elong, illum,
                          dist);
            ReportAddLine(line, buffer);
        }
        ReportAddPageBreak(buffer);
    }
    ReportProgress(index, insideAlmanac, 1.0);
}

void PlanetApsidesReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int startYear = request.year;
    const int stopYear = request.stopYear;
    const BitSet planets = request.planets;
    const int index = kReportPlanetApsides;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    ReportHeader(location, buffer);
    char range[kFormatSize];
    FormatYearRange(startYear, stopYear, range);
    ReportTitle(IDS_PLANET_APSIDES_REPORT_TITLE, range, buffer);
    ReportAddLine("", buffer);
    ReportProgress(index, insideAlmanac, 0);

    // The printed date is the local one, so the range is taken in local
    // time too: an apsis early on 1 January belongs to its own year.
    const double zone = location.timeZone / 24;
    const double from = CalendarToJulianDay(1.0, 1, startYear);
    const double to = CalendarToJulianDay(1.0, 1, stopYear + 1);

    char format[kReportSlot];
    LoadText(IDS_PLANET_APSIDES_REPORT_ROW, format, sizeof format);
    for (int p = kEarth; p <= kSaturn; ++p) {
        if (!SetTest(p, planets)) {
            continue;
        }
        char line[kReportSlot];
        ReportAddLine("", buffer);
        BodyName(p, line);
        ReportAddLine(line, buffer);
        bool found = false;
        const double factor = ApsisCountsPerYear(p);
        for (int pass = 0; pass <= 1; ++pass) {
            const double fraction = pass == 0 ? 0.0 : 0.5;
            char passName[kReportSlot];
            LoadText(pass == 0 ? IDS_PERIHELION : IDS_APHELION, passName, sizeof passName);
            const double firstK = std::trunc(factor * (startYear - 1900)) + fraction - 10;
            const double lastK = std::trunc(factor * (stopYear - 1900)) + fraction + 10;
            for (double k = firstK; k <= lastK; k += 1) {
                if (PumpMessages(0) != 0) {
                    return;
                }
                ReportProgress(index, insideAlmanac,
                               ReportNestedFraction(p, kEarth, kSaturn, pass, 0, 1,
                                                    static_cast<int>(k), static_cast<int>(firstK),
                                                    static_cast<int>(lastK)));
                const double jde = ApsisJulianEphemerisDay(p, k);
                const double t = jde + zone;
                if (t < from || t >= to) {
                    continue;
                }
                found = true;
                double d;
                int month, y;
                JulianDayToCalendar(t, d, month, y);
                char date[kFormatSize];
                FormatDate(static_cast<int>(d), month, y, date);
                const CalendarTime at = SplitJulianDay(jde);
                const double r = BodyDistance(p, at, 1);
                char distance[kFormatSize];
                FormatFixed(r, 2, 2, distance);
                std::snprintf(line, sizeof line, format, date, passName, distance);
                ReportAddLine(line, buffer);
            }
        }
        if (!found) {
            ReportText(IDS_NO_APSIS, buffer);
        }
    }
    ReportAddPageBreak(buffer);
}

void PlanetConjOppReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int year = request.year;
    const int startMonth = request.startMonth;
    const int stopMonth = request.stopMonth;
    const BitSet planets = request.planets;
    const int index = kReportPlanetConjOpp;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    ReportHeader(location, buffer);
    char range[kFormatSize];
    FormatMonthRange(startMonth, stopMonth, year, range);
    ReportTitle(IDS_PLANET_CONJ_OPP_REPORT_TITLE, range, buffer);
    ReportAddLine("", buffer);
    ReportAddLine("", buffer);
    ReportProgress(index, insideAlmanac, 0);

    // Two days before the range and one after it, so that a least
    // separation on a range's first or last day is still a daily minimum.
    const double t0 = CalendarToJulianDay(1.0, startMonth, year) - 2.0;
    const double tEnd = FirstOfNextMonth(stopMonth, year) + 1.0;
    const int days = RoundHalfUp(tEnd - t0 + 1.0);

    // Index d = 1 .. days stands for the UT Julian day t0 + d - 1.
    std::vector<double> sunLambda(static_cast<size_t>(days) + 1);
    std::vector<std::vector<double>> lambda(kPluto + 1);
    std::vector<std::vector<double>> separation(kPluto + 1);
    for (int p = kMercury; p <= kPluto; ++p) {
        if (SetTest(p, planets)) {
            lambda[p].resize(static_cast<size_t>(days) + 1);
            separation[p].resize(static_cast<size_t>(days) + 1);
        }
    }

    for (int d = 1; d <= days; ++d) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, 0.69 * ReportFraction(1, days, d));
        const double jd = t0 + d - 1;
        double alpha, delta, semidiameter, k;
        BodyEclipticPlace(jd, kSun, alpha, delta, sunLambda[d], semidiameter, k);
        for (int p = kMercury; p <= kPluto; ++p) {
            if (!SetTest(p, planets)) {
                continue;
            }
            BodyEclipticPlace(jd, p, alpha, delta, lambda[p][d], semidiameter, k);
            separation[p][d] = LongitudeSeparation(sunLambda[d], lambda[p][d]);
        }
    }

    char format[kReportSlot];
    LoadText(IDS_PLANET_CONJ_OPP_REPORT_ROW, format, sizeof format);
    for (int p = kMercury; p <= kPluto; ++p) {
        if (PumpMessages(0) != 0) {
            return;
        }
        if (!SetTest(p, planets)) {
            continue;
        }
        char line[kReportSlot];
        ReportAddLine("", buffer);
        BodyName(p, line);
        ReportAddLine(line, buffer);
        ReportAddLine("", buffer);
        bool found = false;
        std::vector<double>& sep = separation[p];
        for (int pass = 0; pass <= 1; ++pass) {
            const bool opposition = pass == 1;
            if (opposition) {
                if (IsInnerPlanet(p)) {
                    break;
                }
                for (int d = 1; d <= days; ++d) {
                    sep[d] = LongitudeSeparation(sunLambda[d] + 180, lambda[p][d]);
                }
            }
            for (int d = 2; d <= days - 1; ++d) {
                if (sep[d] > sep[d - 1] || sep[d] > sep[d + 1]) {
                    continue;
                }
                Refined event;
                if (!RefineCandidate(p, opposition, t0 + d - 1, event)) {
                    return;
                }
                if (event.best > 1.0) {
                    continue;
                }
                int day, month, y, hour;
                EventLocalTime(event.tBest, location.timeZone, day, month, y, hour);
                if (month < startMonth || month > stopMonth || y != year) {
                    continue;
                }
                int nameId;
                if (opposition) {
                    nameId = IDS_OPPOSITION;
                } else if (IsInnerPlanet(p)) {
                    nameId =
                        event.lastK > 0.5 ? IDS_SUPERIOR_CONJUNCTION : IDS_INFERIOR_CONJUNCTION;
                } else {
                    nameId = IDS_CONJUNCTION;
                }
                if (!found) {
                    ReportText(IDS_PLANET_CONJ_OPP_REPORT_HEADING, buffer);
                    ReportAddLine("", buffer);
                }
                char date[kFormatSize], hourText[16], name[kReportSlot], label[kReportSlot];
                FormatDate(day, month, y, date);
                std::snprintf(hourText, sizeof hourText, "%2d", hour);
                LoadText(nameId, name, sizeof name);
                label[0] = '\0';
                if (event.label != 0) {
                    LoadText(event.label, label, sizeof label);
                }
                std::snprintf(line, sizeof line, format, date, hourText, name, label);
                ReportAddLine(line, buffer);
                found = true;
            }
        }
        if (!found) {
            ReportText(IDS_NO_EVENT, buffer);
        }
        ReportProgress(index, insideAlmanac, 0.69 + p * 0.1 * 0.31);
    }
    ReportProgress(index, insideAlmanac, 1.0);
    ReportAddPageBreak(buffer);
}
