// The Moon Apsides and Moon Nodes reports.

#include "reports/moon_reports.h"

#include "engine/angles.h"
#include "engine/location.h"
#include "engine/moon.h"
#include "engine/time.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"
#include "resources/string_table.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

MonthRangeDays MonthRangeJulianDays(int year, int startMonth, int stopMonth) {
    MonthRangeDays range;
    range.first = CalendarToJulianDay(1.0, startMonth, year);
    if (stopMonth >= 12) {
        range.last = CalendarToJulianDay(1.0, 1, year + 1) - 1.0;
    } else {
        range.last = CalendarToJulianDay(1.0, stopMonth + 1, year) - 1.0;
    }
    return range;
}

double MoonFractionAt(double jdUt) {
    return MoonPosition(SplitJulianDay(jdUt)).k;
}

double MoonNodePassageJde(double K) {
    const double T = K * 0.0007450287953629408;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    const double D = NormalizeDegrees(183.638 + 331.73735691 * K + 0.0015057 * T2 +
                                      0.00000209 * T3 - 0.00000001 * T4);
    const double M = NormalizeDegrees(17.4006 + 26.8203725 * K + 0.0000999 * T2 + 0.00000006 * T3);
    const double M1 = NormalizeDegrees(38.3776 + 355.52747322 * K + 0.0123577 * T2 +
                                       0.000014628 * T3 - 0.000000069 * T4);
    const double Omega = NormalizeDegrees(123.9767 - 1.44098949 * K + 0.0020625 * T2 +
                                          0.00000214 * T3 - 0.000000016 * T4);
    const double V = NormalizeDegrees(299.75 + 132.85 * T - 0.009173 * T2);
    const double P = NormalizeDegrees(Omega + 272.75 - 2.3 * T);
    const double E = 1 - 0.002516 * T - 0.0000074 * T2;

    double jde =
        2451565.1619 + 27.212220817 * K + 0.0002572 * T2 + 0.000000021 * T3 - 0.000000000088 * T4;
    jde += -0.4721 * SinDeg(M1) - 0.1649 * SinDeg(2 * D) - 0.0868 * SinDeg(2 * D - M1) +
           0.0084 * SinDeg(2 * D + M1) + 0.0034 * SinDeg(2 * M1) - 0.0031 * SinDeg(2 * D - 2 * M1) +
           0.0025 * SinDeg(4 * D) + 0.0024 * SinDeg(D) + 0.0017 * SinDeg(Omega) +
           0.0014 * SinDeg(4 * D - M1) + 0.0003 * SinDeg(V) + 0.0003 * SinDeg(P);
    jde += E * (-0.0083 * SinDeg(2 * D - M) - 0.0039 * SinDeg(2 * D - M - M1) +
                0.0030 * SinDeg(2 * D + M) + 0.0028 * SinDeg(M - M1) + 0.0026 * SinDeg(M) +
                0.0022 * SinDeg(M + M1) + 0.0005 * SinDeg(2 * D + M - M1) +
                0.0004 * SinDeg(2 * D - M + M1) - 0.0003 * SinDeg(2 * D - 2 * M) +
                0.0003 * SinDeg(4 * D - M));
    return jde;
}

double MoonNodesDeltaTSeconds(int year) {
    return Square(year - 1810.0) * 0.00325 - 15.0;
}

namespace {

// The two location lines, the centred title with the month range, and the
// column heading framed by empty lines.
void MoonReportHeading(const Location& location, int titleId, int headingId,
                       const ReportRequest& request, ReportBuffer& buffer) {
    char range[kReportSlot];
    ReportHeader(location, buffer);
    FormatMonthRange(request.startMonth, request.stopMonth, request.year, range);
    ReportTitle(titleId, range, buffer);
    ReportAddLine("", buffer);
    ReportText(headingId, buffer);
    ReportAddLine("", buffer);
}

// The extreme of the hourly distances over the 47 hours around 0 h UT of
// day D; the earliest hour wins a tie.
MoonApsis RefineApsis(double D, bool apogee) {
    int hBest = -23;
    double best = 0;
    for (int h = -23; h <= 23; ++h) {
        const CalendarTime at = SplitJulianDay(D + h / 24.0);
        const double distance = MoonDistanceKm(at);
        if (h == -23 || (apogee ? distance > best : distance < best)) {
            best = distance;
            hBest = h;
        }
    }
    return MoonApsis{apogee, best, D, hBest};
}

// The local Julian day of the apsis, as the range test and the row read it.
double LocalJulianDay(const MoonApsis& apsis, double timeZone) {
    return apsis.dayUt + (apsis.hour + timeZone) / 24.0;
}

} // namespace

double MoonApsisJdUt(const MoonApsis& apsis) {
    return apsis.dayUt + apsis.hour / 24.0;
}

MoonApsidesDays MoonApsidesSampleDays(const ReportRequest& request) {
    const MonthRangeDays range =
        MonthRangeJulianDays(request.year, request.startMonth, request.stopMonth);
    return MoonApsidesDays{range, static_cast<int>(range.last - range.first) + 1 + 4};
}

double MoonApsidesSampleDay(const MoonApsidesDays& days, int i) {
    return days.range.first + i - 2;
}

double MoonDistanceAtDay(double dayUt) {
    const CalendarTime at = SplitJulianDay(dayUt);
    return MoonDistanceKm({at.year, at.month, at.day, 0.0});
}

bool MoonApsisOfDay(double dayUt, const double distances[3], const ReportRequest& request,
                    const Location& location, MoonApsis& apsis) {
    bool apogee = false;
    if (distances[0] < distances[1] && distances[2] < distances[1]) {
        apogee = true;
    } else if (!(distances[0] > distances[1] && distances[2] > distances[1])) {
        return false;
    }
    apsis = RefineApsis(dayUt, apogee);
    const MonthRangeDays range =
        MonthRangeJulianDays(request.year, request.startMonth, request.stopMonth);
    // The local Julian day is compared with the range as it stands.
    const double tBest = LocalJulianDay(apsis, location.timeZone);
    if (tBest < range.first || tBest >= range.last + 1.0) {
        return false;
    }
    const CalendarTime local = SplitJulianDay(tBest);
    return local.month >= request.startMonth && local.month <= request.stopMonth;
}

std::vector<MoonApsis> MoonApsidesResults(const ReportRequest& request, const Location& location) {
    const MoonApsidesDays days = MoonApsidesSampleDays(request);
    std::vector<double> dist(static_cast<size_t>(days.samples));
    for (int i = 0; i < days.samples; ++i) {
        dist[static_cast<size_t>(i)] = MoonDistanceAtDay(MoonApsidesSampleDay(days, i));
    }
    std::vector<MoonApsis> apsides;
    for (int i = 1; i <= days.samples - 2; ++i) {
        MoonApsis apsis;
        if (MoonApsisOfDay(MoonApsidesSampleDay(days, i), &dist[static_cast<size_t>(i - 1)],
                           request, location, apsis)) {
            apsides.push_back(apsis);
        }
    }
    return apsides;
}

Records MoonApsidesRecords(const ReportRequest& request, const Location& location) {
    Records records;
    for (const MoonApsis& apsis : MoonApsidesResults(request, location)) {
        Record record =
            EventRecord(apsis.apogee ? "apogee" : "perigee", "moon",
                        apsis.apogee ? "Moon at apogee" : "Moon at perigee", MoonApsisJdUt(apsis));
        // The row gives the whole kilometres, cut rather than rounded.
        record.fields.push_back(NumberField("distance_km", std::trunc(apsis.distanceKm), 0));
        record.fields.push_back(
            NumberField("diameter_deg", kMoonDiameterKmDegrees / apsis.distanceKm, 4));
        records.push_back(record);
    }
    return records;
}

void AddMoonApsidesHeading(const ReportRequest& request, const Location& location,
                           ReportBuffer& buffer) {
    MoonReportHeading(location, IDS_MOON_APSIDES_REPORT_TITLE, IDS_MOON_APSIDES_REPORT_HEADING,
                      request, buffer);
}

void AddMoonApsisLine(const MoonApsis& apsis, const Location& location, ReportBuffer& buffer) {
    char format[kReportSlot];
    char date[kFormatSize];
    char name[kReportSlot];
    char diameter[kFormatSize];
    char line[kReportSlot];
    const CalendarTime local = SplitJulianDay(LocalJulianDay(apsis, location.timeZone));
    FormatDate(local.day, local.month, local.year, date);
    LoadText(apsis.apogee ? IDS_APOGEE : IDS_PERIGEE, name, sizeof name);
    FormatFixed(kMoonDiameterKmDegrees / apsis.distanceKm, 1, 4, diameter);
    LoadText(IDS_MOON_APSIDES_REPORT_ROW, format, sizeof format);
    std::snprintf(line, sizeof line, format, date, RoundHalfUp(local.hours), name,
                  static_cast<long>(apsis.distanceKm), diameter);
    ReportAddLine(line, buffer);
}

void MoonApsidesReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int index = kReportMoonApsides;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddMoonApsidesHeading(request, location, buffer);
    ReportProgress(index, insideAlmanac, 0);

    // Distances at 0 h UT from two days before the range to two days after
    // it. The candidates run one day beyond the range on each side, so a
    // passage whose UT day lies outside the range but whose local time lies
    // inside it is still found.
    const MoonApsidesDays days = MoonApsidesSampleDays(request);
    std::vector<double> dist(static_cast<size_t>(days.samples));
    for (int i = 0; i < days.samples; ++i) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, 0.26 * ReportFraction(0, days.samples - 1, i));
        dist[static_cast<size_t>(i)] = MoonDistanceAtDay(MoonApsidesSampleDay(days, i));
    }

    const int candidates = days.samples - 2;
    for (int i = 1; i <= candidates; ++i) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, 0.26 + 0.74 * i / candidates);
        MoonApsis apsis;
        if (MoonApsisOfDay(MoonApsidesSampleDay(days, i), &dist[static_cast<size_t>(i - 1)],
                           request, location, apsis)) {
            AddMoonApsisLine(apsis, location, buffer);
        }
    }

    ReportAddPageBreak(buffer);
    ReportProgress(index, insideAlmanac, 1.0);
}

MoonNodeLunations MoonNodesLunations(const ReportRequest& request) {
    return MoonNodeLunations{static_cast<int>((request.year - 2 - 2000.05) * 13.4223),
                             static_cast<int>((request.year + 2 - 2000.05) * 13.4223)};
}

std::vector<MoonNodePassage> MoonNodePassagesOf(int k, const ReportRequest& request,
                                                const Location& location) {
    const MonthRangeDays range =
        MonthRangeJulianDays(request.year, request.startMonth, request.stopMonth);
    const double deltaTDays = MoonNodesDeltaTSeconds(request.year) * 1.1574074074074073e-05;
    std::vector<MoonNodePassage> passages;
    for (int node = 0; node < 2; ++node) {
        const double K = k + 0.5 * node;
        const double jdUt = MoonNodePassageJde(K) - deltaTDays;
        const double t = jdUt + location.timeZone / 24.0;
        if (t < range.first || t >= range.last + 1.0) {
            continue;
        }
        // The Moon routines take UT, not the local clock reading.
        passages.push_back(
            MoonNodePassage{node == 0, jdUt, MoonFractionAt(t - location.timeZone / 24.0)});
    }
    return passages;
}

std::vector<MoonNodePassage> MoonNodesResults(const ReportRequest& request,
                                              const Location& location) {
    const MoonNodeLunations lunations = MoonNodesLunations(request);
    std::vector<MoonNodePassage> passages;
    for (int k = lunations.firstK; k <= lunations.lastK; ++k) {
        for (const MoonNodePassage& passage : MoonNodePassagesOf(k, request, location)) {
            passages.push_back(passage);
        }
    }
    return passages;
}

Records MoonNodesRecords(const ReportRequest& request, const Location& location) {
    Records records;
    for (const MoonNodePassage& passage : MoonNodesResults(request, location)) {
        Record record = EventRecord(
            passage.ascending ? "ascending_node" : "descending_node", "moon",
            passage.ascending ? "Moon at ascending node" : "Moon at descending node", passage.jdUt);
        record.fields.push_back(
            NumberField("illuminated_fraction", passage.illuminatedFraction, 2));
        records.push_back(record);
    }
    return records;
}

void AddMoonNodesHeading(const ReportRequest& request, const Location& location,
                         ReportBuffer& buffer) {
    MoonReportHeading(location, IDS_MOON_NODES_REPORT_TITLE, IDS_MOON_NODES_REPORT_HEADING, request,
                      buffer);
}

void AddMoonNodeLine(const MoonNodePassage& passage, const Location& location,
                     ReportBuffer& buffer) {
    char format[kReportSlot];
    char date[kFormatSize];
    char time[kFormatSize];
    char name[kReportSlot];
    char fraction[kFormatSize];
    char line[kReportSlot];
    const CalendarTime local = SplitJulianDay(passage.jdUt + location.timeZone / 24.0);
    FormatDate(local.day, local.month, local.year, date);
    FormatHoursMinutes(local.hours, time);
    LoadText(passage.ascending ? IDS_ASCENDING : IDS_DESCENDING, name, sizeof name);
    FormatFixed(passage.illuminatedFraction, 1, 2, fraction);
    LoadText(IDS_MOON_NODES_REPORT_ROW, format, sizeof format);
    std::snprintf(line, sizeof line, format, date, time, name, fraction);
    ReportAddLine(line, buffer);
}

void MoonNodesReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int index = kReportMoonNodes;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddMoonNodesHeading(request, location, buffer);
    ReportProgress(index, insideAlmanac, 0);

    // About a hundred closed-form instants: the report does not pump and
    // cannot be stopped.
    const MoonNodeLunations lunations = MoonNodesLunations(request);
    int j = 0;
    for (int k = lunations.firstK; k <= lunations.lastK; ++k, ++j) {
        ReportProgress(index, insideAlmanac,
                       static_cast<double>(j) / (std::abs(lunations.lastK - lunations.firstK) + 1));
        for (const MoonNodePassage& passage : MoonNodePassagesOf(k, request, location)) {
            AddMoonNodeLine(passage, location, buffer);
        }
    }

    ReportAddPageBreak(buffer);
    ReportProgress(index, insideAlmanac, 1.0);
}
