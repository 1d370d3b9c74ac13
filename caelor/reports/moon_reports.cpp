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
void MoonReportHeading(const Location& location, int titleId, int headingId, int year,
                       int startMonth, int stopMonth, ReportBuffer& buffer) {
    char range[kReportSlot];
    ReportHeader(location, buffer);
    FormatMonthRange(startMonth, stopMonth, year, range);
    ReportTitle(titleId, range, buffer);
    ReportAddLine("", buffer);
    ReportText(headingId, buffer);
    ReportAddLine("", buffer);
}

struct Apsis {
    bool apogee;
    double distance; // kilometres
    double tBest;    // local Julian day
};

// The extreme of the hourly distances over the 47 hours around 0 h UT of
// day D; the earliest hour wins a tie.
Apsis RefineApsis(double D, bool apogee, double timeZone) {
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
    return Apsis{apogee, best, D + (hBest + timeZone) / 24.0};
}

void AddApsisRow(const Apsis& apsis, ReportBuffer& buffer) {
    char format[kReportSlot];
    char date[kFormatSize];
    char name[kReportSlot];
    char diameter[kFormatSize];
    char line[kReportSlot];
    const CalendarTime local = SplitJulianDay(apsis.tBest);
    FormatDate(local.day, local.month, local.year, date);
    LoadText(apsis.apogee ? IDS_APOGEE : IDS_PERIGEE, name, sizeof name);
    FormatFixed(kMoonDiameterKmDegrees / apsis.distance, 1, 4, diameter);
    LoadText(IDS_MOON_APSIDES_REPORT_ROW, format, sizeof format);
    std::snprintf(line, sizeof line, format, date, RoundHalfUp(local.hours), name,
                  static_cast<long>(apsis.distance), diameter);
    ReportAddLine(line, buffer);
}

} // namespace

void MoonApsidesReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int year = request.year;
    const int startMonth = request.startMonth;
    const int stopMonth = request.stopMonth;
    const int index = kReportMoonApsides;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    MoonReportHeading(location, IDS_MOON_APSIDES_REPORT_TITLE, IDS_MOON_APSIDES_REPORT_HEADING,
                      year, startMonth, stopMonth, buffer);
    ReportProgress(index, insideAlmanac, 0);

    const MonthRangeDays range = MonthRangeJulianDays(year, startMonth, stopMonth);
    const int days = static_cast<int>(range.last - range.first) + 1;

    // Distances at 0 h UT from two days before the range to two days after
    // it: entry i is day first + i - 2. The candidates run one day beyond
    // the range on each side, so a passage whose UT day lies outside the
    // range but whose local time lies inside it is still found.
    std::vector<double> dist(static_cast<size_t>(days) + 4);
    for (int i = 0; i < days + 4; ++i) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, 0.26 * ReportFraction(0, days + 3, i));
        const CalendarTime at = SplitJulianDay(range.first + i - 2);
        dist[static_cast<size_t>(i)] = MoonDistanceKm({at.year, at.month, at.day, 0.0});
    }

    const int candidates = days + 2;
    for (int i = 1; i <= candidates; ++i) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, 0.26 + 0.74 * i / candidates);
        const size_t c = static_cast<size_t>(i); // dist index of day first + i - 2
        const double D = range.first + i - 2;
        bool apogee = false;
        if (dist[c - 1] < dist[c] && dist[c + 1] < dist[c]) {
            apogee = true;
        } else if (!(dist[c - 1] > dist[c] && dist[c + 1] > dist[c])) {
            continue;
        }
        const Apsis apsis = RefineApsis(D, apogee, location.timeZone);
        // tBest is already local time: the range is compared as it stands.
        if (apsis.tBest < range.first || apsis.tBest >= range.last + 1.0) {
            continue;
        }
        const CalendarTime local = SplitJulianDay(apsis.tBest);
        if (local.month < startMonth || local.month > stopMonth) {
            continue;
        }
        AddApsisRow(apsis, buffer);
    }

    ReportAddPageBreak(buffer);
    ReportProgress(index, insideAlmanac, 1.0);
}

void MoonNodesReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int year = request.year;
    const int startMonth = request.startMonth;
    const int stopMonth = request.stopMonth;
    const int index = kReportMoonNodes;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    MoonReportHeading(location, IDS_MOON_NODES_REPORT_TITLE, IDS_MOON_NODES_REPORT_HEADING, year,
                      startMonth, stopMonth, buffer);
    ReportProgress(index, insideAlmanac, 0);

    const MonthRangeDays range = MonthRangeJulianDays(year, startMonth, stopMonth);
    const int firstK = static_cast<int>((year - 2 - 2000.05) * 13.4223);
    const int lastK = static_cast<int>((year + 2 - 2000.05) * 13.4223);
    const double deltaTDays = MoonNodesDeltaTSeconds(year) * 1.1574074074074073e-05;
    char format[kReportSlot];
    LoadText(IDS_MOON_NODES_REPORT_ROW, format, sizeof format);

    // About a hundred closed-form instants: the report does not pump and
    // cannot be stopped.
    int j = 0;
    for (int k = firstK; k <= lastK; ++k, ++j) {
        ReportProgress(index, insideAlmanac,
                       static_cast<double>(j) / (std::abs(lastK - firstK) + 1));
        for (int node = 0; node < 2; ++node) {
            const double K = k + 0.5 * node;
            const double jdUt = MoonNodePassageJde(K) - deltaTDays;
            const double t = jdUt + location.timeZone / 24.0;
            if (t < range.first || t >= range.last + 1.0) {
                continue;
            }
            char date[kFormatSize];
            char time[kFormatSize];
            char name[kReportSlot];
            char fraction[kFormatSize];
            char line[kReportSlot];
            const CalendarTime local = SplitJulianDay(t);
            FormatDate(local.day, local.month, local.year, date);
            FormatHoursMinutes(local.hours, time);
            LoadText(node == 0 ? IDS_ASCENDING : IDS_DESCENDING, name, sizeof name);
            // The Moon routines take UT, not the local clock reading.
            FormatFixed(MoonFractionAt(t - location.timeZone / 24.0), 1, 2, fraction);
            std::snprintf(line, sizeof line, format, date, time, name, fraction);
            ReportAddLine(line, buffer);
        }
    }

    ReportAddPageBreak(buffer);
    ReportProgress(index, insideAlmanac, 1.0);
}
