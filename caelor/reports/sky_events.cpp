// The Meteor Showers and Twilight reports.

#include "reports/sky_events.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/location.h"
#include "engine/riseset.h"
#include "engine/sun.h"
#include "engine/time.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "reports/moon_reports.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"
#include "resources/string_table.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Solar longitude (2000.0), ZHR, radiant RA h, RA min, Dec; row s is named
// by string IDS_METEOR_SHOWER_FIRST + s.
static constexpr MeteorShower kMeteorShowers[kMeteorShowerCount] = {
    {283.4, 80, 15, 28, 50},  // Quadrantids
    {22.0, 5, 14, 4, -9},     // Virginids
    {32.1, 12, 18, 8, 32},    // Lyrids
    {38.0, 5, 16, 32, -24},   // alpha-Scorpiids
    {45.0, 35, 22, 20, -1},   // eta-Aquarids
    {52.0, 5, 16, 4, -24},    // alpha-Scorpiids
    {79.0, 5, 17, 56, -23},   // Ophiuchids
    {89.0, 5, 17, 20, -20},   // Ophiuchids
    {106.0, 5, -1, 0, 0},     // Capricornids
    {113.0, 5, 20, 44, -15},  // Capricornids
    {118.0, 5, 21, 0, 48},    // alpha-Cygnids
    {123.0, 5, 21, 0, -15},   // Capricornids
    {126.0, 20, 22, 36, -17}, // delta-Aquarids
    {128.0, 5, 22, 40, -30},  // Piscis Australids
    {130.0, 5, 20, 36, -10},  // alpha-Capricornids
    {134.0, 8, 22, 10, -15},  // iota-Aquarids
    {140.0, 75, 3, 4, 58},    // Perseids
    {148.0, 5, 21, 0, 48},    // alpha-Cygnids
    {166.0, 10, 0, 36, 7},    // Piscids
    {178.0, 5, 0, 24, 0},     // Piscids
    {200.0, -1, 1, 44, 14},   // Piscids
    {209.0, 25, 6, 24, 15},   // Orionids
    {221.0, 8, 3, 44, 14},    // Taurids
    {235.4, 10, 10, 8, 22},   // Leonids
    {257.0, 15, 9, 0, -48},   // Puppids-Velids
    {262.0, 75, 7, 28, 32},   // Geminids
    {271.0, 5, 14, 28, 78},   // Ursids
    {274.0, 15, 9, 20, -65},  // Puppids-Velids
};

// Precession of the ecliptic longitude, degrees a year, to refer the
// Sun's longitude of date to the equinox of 2000.0.
constexpr double kPrecessionPerYear = 0.01396;

// Altitude of the Sun's centre at the printed sunrise and sunset, degrees.
constexpr double kSunriseAltitude = -0.8333;

void SkyReportHeading(const Location& location, int titleId, int year, int startMonth,
                      int stopMonth, ReportBuffer& buffer) {
    char range[kReportSlot];
    ReportHeader(location, buffer);
    FormatMonthRange(startMonth, stopMonth, year, range);
    ReportTitle(titleId, range, buffer);
    ReportAddLine("", buffer);
    ReportAddLine("", buffer);
}

struct MeteorDay {
    double jd;        // 0 h UT
    double longitude; // the Sun's, equinox 2000.0
};

void AddShowerRow(int s, const MeteorDay& day, double timeZone, ReportBuffer& buffer) {
    const MeteorShower& shower = kMeteorShowers[s];
    const double t = day.jd + timeZone / 24.0;
    char date[kFormatSize];
    char name[kReportSlot];
    char zhr[kReportSlot];
    char ra[kFormatSize] = "";
    char dec[kReportSlot] = "";
    char fraction[kFormatSize];
    char longitude[kReportSlot];
    char format[kReportSlot];
    char line[kReportSlot];

    const CalendarTime local = SplitJulianDay(t);
    FormatDate(local.day, local.month, local.year, date);
    LoadText(IDS_METEOR_SHOWER_FIRST + s, name, sizeof name);
    if (shower.zhr == -1) {
        LoadText(IDS_UNKNOWN_ZHR, zhr, sizeof zhr);
    } else {
        std::snprintf(zhr, sizeof zhr, "%2d", shower.zhr);
    }
    if (shower.raHours != -1) {
        FormatSexagesimalShort(shower.raHours + shower.raMinutes / 60.0, 0, ra);
        std::snprintf(dec, sizeof dec, "%3d%c", shower.declination, '\260');
    }
    // The Moon routines take UT, not the local clock reading.
    FormatFixed(MoonFractionAt(t - timeZone / 24.0), 1, 2, fraction);
    std::snprintf(longitude, sizeof longitude, "%3d", RoundHalfUp(day.longitude));
    LoadText(IDS_METEOR_SHOWERS_REPORT_ROW, format, sizeof format);
    std::snprintf(line, sizeof line, format, date, name, zhr, ra, dec, fraction, longitude);
    ReportAddLine(line, buffer);
}

} // namespace

const MeteorShower& MeteorShowerRow(int s) {
    return kMeteorShowers[s];
}

double TwilightOffset(double phi, double delta, double z) {
    const double denominator = CosDeg(phi) * CosDeg(delta);
    // The hour angle of the same sunrise that the report prints, so the
    // offset lands on twilight and not on the geometric horizon.
    const double cosH0 = (SinDeg(kSunriseAltitude) - SinDeg(phi) * SinDeg(delta)) / denominator;
    const double c = (CosDeg(z) - SinDeg(phi) * SinDeg(delta)) / denominator;
    if (std::fabs(cosH0) > 1.0 || std::fabs(c) > 1.0) {
        return 100.0;
    }
    return (AcosDeg(c) - AcosDeg(cosH0)) * kOneOver15 * 0.9973;
}

void TwilightTime(double t, char* out) {
    if (t >= 0.0 && t < 24.0) {
        FormatHoursMinutes(t, out);
    } else {
        LoadText(IDS_NO_TIME, out, kReportSlot);
    }
}

void MeteorShowersReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int year = request.year;
    const int startMonth = request.startMonth;
    const int stopMonth = request.stopMonth;
    const int index = kReportMeteorShowers;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    SkyReportHeading(location, IDS_METEOR_SHOWERS_REPORT_TITLE, year, startMonth, stopMonth,
                     buffer);
    char line[kReportSlot];
    LoadText(IDS_METEOR_SHOWERS_REPORT_HEADING, line, sizeof line);
    ReportAddLine(line, buffer);
    ReportAddLine("", buffer);
    ReportProgress(index, insideAlmanac, 0);

    const MonthRangeDays range = MonthRangeJulianDays(year, startMonth, stopMonth);
    const int days = static_cast<int>(range.last - range.first) + 3; // first - 1 .. last + 1
    std::vector<MeteorDay> table;
    table.reserve(static_cast<size_t>(days));
    for (int i = 0; i < days; ++i) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, 0.66 * ReportFraction(0, days - 1, i));
        const double jd = range.first - 1 + i;
        const CalendarTime at = SplitJulianDay(jd);
        const double lambda = SunPosition({at.year, at.month, at.day, 0.0}, false).lambda;
        table.push_back(
            MeteorDay{jd, NormalizeDegrees(lambda + (2000 - year) * kPrecessionPerYear)});
    }

    for (int s = 0; s < kMeteorShowerCount; ++s) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, 0.66 + 0.34 * s / (kMeteorShowerCount - 1));
        const double target = kMeteorShowers[s].solarLongitude;
        size_t nearest = 0;
        for (size_t d = 1; d < table.size(); ++d) {
            if (std::fabs(table[d].longitude - target) <
                std::fabs(table[nearest].longitude - target)) {
                nearest = d;
            }
        }
        const double t = table[nearest].jd + location.timeZone / 24.0;
        if (std::fabs(table[nearest].longitude - target) <= 2.0 && t >= range.first &&
            t < range.last + 1.0) {
            AddShowerRow(s, table[nearest], location.timeZone, buffer);
        }
    }

    ReportAddPageBreak(buffer);
    ReportProgress(index, insideAlmanac, 1.0);
}

void TwilightReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int year = request.year;
    const int startMonth = request.startMonth;
    const int stopMonth = request.stopMonth;
    const int index = kReportTwilight;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    SkyReportHeading(location, IDS_TWILIGHT_REPORT_TITLE, year, startMonth, stopMonth, buffer);
    char line[kReportSlot];
    LoadText(IDS_TWILIGHT_REPORT_HEADING, line, sizeof line);
    ReportAddLine(line, buffer);
    LoadText(IDS_TWILIGHT_REPORT_SUBHEADING, line, sizeof line);
    ReportAddLine(line, buffer);
    ReportAddLine("", buffer);

    if (location.latitude > 60.0) {
        LoadText(IDS_TWILIGHT_LATITUDE_TOO_HIGH, line, sizeof line);
        ReportAddLine(line, buffer);
        ReportProgress(index, insideAlmanac, 1.0);
        return;
    }
    ReportProgress(index, insideAlmanac, 0);

    const double phi =
        location.latitudeHemisphere == kSouth ? -location.latitude : location.latitude;
    const MonthRangeDays range = MonthRangeJulianDays(year, startMonth, stopMonth);
    const int days = static_cast<int>(range.last - range.first);
    static constexpr double kZenith[3] = {kAstronomicalZenith, kNauticalZenith, kCivilZenith};
    char format[kReportSlot];
    LoadText(IDS_TWILIGHT_REPORT_ROW, format, sizeof format);

    for (int i = 0; i <= days; i += 7) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, ReportFraction(0, days, i));
        const CalendarTime date = SplitJulianDay(range.first + i);
        const double delta =
            SignedLatitude(SunPosition({date.year, date.month, date.day, 12.0}, false).delta);
        const RiseSetTimes times = RiseSet(kSun, date.day, date.month, date.year, location);
        // Twilight runs from the printed sunrise and sunset; a day without
        // one counts it as the hour -1 here, as this report always has.
        const double rise = times.rise.happens ? times.rise.hours : -1.0;
        const double set = times.set.happens ? times.set.hours : -1.0;

        char dateText[kFormatSize];
        char riseText[kFormatSize];
        char setText[kFormatSize];
        char begin[3][kReportSlot];
        char end[3][kReportSlot];
        FormatDate(date.day, date.month, date.year, dateText);
        FormatEventTime(times.rise, riseText);
        FormatEventTime(times.set, setText);
        for (int z = 0; z < 3; ++z) {
            const double offset = TwilightOffset(phi, delta, kZenith[z]);
            TwilightTime(rise - offset, begin[z]);
            TwilightTime(set + offset, end[z]);
        }
        std::snprintf(line, sizeof line, format, dateText, riseText, setText, begin[0], end[0],
                      begin[1], end[1], begin[2], end[2]);
        ReportAddLine(line, buffer);
    }

    ReportAddPageBreak(buffer);
    ReportProgress(index, insideAlmanac, 1.0);
}
