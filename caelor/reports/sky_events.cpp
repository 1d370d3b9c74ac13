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
#include <string>
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

constexpr double kTwilightZenith[3] = {kAstronomicalZenith, kNauticalZenith, kCivilZenith};

// A local clock time of a row's date as an instant; happens false when the
// hours are outside the day (the report prints a mark there).
RecordField RowInstant(const char* name, double hours, int day, int month, int year,
                       double timeZone) {
    if (!(hours >= 0.0 && hours < 24.0)) {
        return InstantField(name, 0, false);
    }
    return InstantField(name, CalendarToJulianDay(day + hours / 24, month, year) - timeZone / 24);
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

MeteorDay MeteorShowerDay(int year, double jd) {
    const CalendarTime at = SplitJulianDay(jd);
    const double lambda = SunPosition({at.year, at.month, at.day, 0.0}, false).lambda;
    return MeteorDay{jd, NormalizeDegrees(lambda + (2000 - year) * kPrecessionPerYear)};
}

int MeteorShowerDayCount(const MonthRangeDays& range) {
    return static_cast<int>(range.last - range.first) + 3; // first - 1 .. last + 1
}

double MeteorShowerDayJulianDay(const MonthRangeDays& range, int i) {
    return range.first - 1 + i;
}

bool MeteorShowerMaximumOf(int s, const std::vector<MeteorDay>& days, const MonthRangeDays& range,
                           double timeZone, MeteorShowerMaximum& maximum) {
    const double target = kMeteorShowers[s].solarLongitude;
    size_t nearest = 0;
    for (size_t d = 1; d < days.size(); ++d) {
        if (std::fabs(days[d].longitude - target) < std::fabs(days[nearest].longitude - target)) {
            nearest = d;
        }
    }
    const double t = days[nearest].jd + timeZone / 24.0;
    if (std::fabs(days[nearest].longitude - target) > 2.0 || t < range.first ||
        t >= range.last + 1.0) {
        return false;
    }
    maximum.shower = s;
    maximum.sample = days[nearest];
    const CalendarTime local = SplitJulianDay(t);
    maximum.day = local.day;
    maximum.month = local.month;
    maximum.year = local.year;
    // The Moon routines take UT, not the local clock reading.
    maximum.moonFraction = MoonFractionAt(t - timeZone / 24.0);
    return true;
}

std::vector<MeteorShowerMaximum> MeteorShowersResults(const ReportRequest& request,
                                                      const Location& location) {
    const MonthRangeDays range =
        MonthRangeJulianDays(request.year, request.startMonth, request.stopMonth);
    std::vector<MeteorDay> days;
    for (int i = 0; i < MeteorShowerDayCount(range); ++i) {
        days.push_back(MeteorShowerDay(request.year, MeteorShowerDayJulianDay(range, i)));
    }
    std::vector<MeteorShowerMaximum> maxima;
    for (int s = 0; s < kMeteorShowerCount; ++s) {
        MeteorShowerMaximum maximum;
        if (MeteorShowerMaximumOf(s, days, range, location.timeZone, maximum)) {
            maxima.push_back(maximum);
        }
    }
    return maxima;
}

Records MeteorShowersRecords(const ReportRequest& request, const Location& location) {
    Records records;
    for (const MeteorShowerMaximum& maximum : MeteorShowersResults(request, location)) {
        const MeteorShower& shower = kMeteorShowers[maximum.shower];
        char name[kReportSlot];
        LoadText(IDS_METEOR_SHOWER_FIRST + maximum.shower, name, sizeof name);
        // The maximum is known to the day: the record is the local date
        // the report prints.
        Record record;
        record.kind = "meteor_shower_maximum";
        record.summary = std::string(name) + " maximum";
        record.event = true;
        record.allDay = true;
        record.year = maximum.year;
        record.month = maximum.month;
        record.day = maximum.day;
        record.fields.push_back(TextField("shower", name));
        // A shower without a known rate or radiant has no such fields.
        if (shower.zhr != -1) {
            record.fields.push_back(NumberField("zhr", shower.zhr, 0));
        }
        if (shower.raHours != -1) {
            record.fields.push_back(
                NumberField("radiant_ra_hours", shower.raHours + shower.raMinutes / 60.0, 4));
            record.fields.push_back(NumberField("radiant_dec_deg", shower.declination, 0));
        }
        record.fields.push_back(NumberField("moon_illuminated_fraction", maximum.moonFraction, 2));
        record.fields.push_back(NumberField("solar_longitude_deg", maximum.sample.longitude, 0));
        records.push_back(record);
    }
    return records;
}

void AddMeteorShowersHeading(const ReportRequest& request, const Location& location,
                             ReportBuffer& buffer) {
    SkyReportHeading(location, IDS_METEOR_SHOWERS_REPORT_TITLE, request.year, request.startMonth,
                     request.stopMonth, buffer);
    char line[kReportSlot];
    LoadText(IDS_METEOR_SHOWERS_REPORT_HEADING, line, sizeof line);
    ReportAddLine(line, buffer);
    ReportAddLine("", buffer);
}

void AddMeteorShowerLine(const MeteorShowerMaximum& maximum, ReportBuffer& buffer) {
    const MeteorShower& shower = kMeteorShowers[maximum.shower];
    char date[kFormatSize];
    char name[kReportSlot];
    char zhr[kReportSlot];
    char ra[kFormatSize] = "";
    char dec[kReportSlot] = "";
    char fraction[kFormatSize];
    char longitude[kReportSlot];
    char format[kReportSlot];
    char line[kReportSlot];

    FormatDate(maximum.day, maximum.month, maximum.year, date);
    LoadText(IDS_METEOR_SHOWER_FIRST + maximum.shower, name, sizeof name);
    if (shower.zhr == -1) {
        LoadText(IDS_UNKNOWN_ZHR, zhr, sizeof zhr);
    } else {
        std::snprintf(zhr, sizeof zhr, "%2d", shower.zhr);
    }
    if (shower.raHours != -1) {
        FormatSexagesimalShort(shower.raHours + shower.raMinutes / 60.0, 0, ra);
        std::snprintf(dec, sizeof dec, "%3d%c", shower.declination, '\260');
    }
    FormatFixed(maximum.moonFraction, 1, 2, fraction);
    std::snprintf(longitude, sizeof longitude, "%3d", RoundHalfUp(maximum.sample.longitude));
    LoadText(IDS_METEOR_SHOWERS_REPORT_ROW, format, sizeof format);
    std::snprintf(line, sizeof line, format, date, name, zhr, ra, dec, fraction, longitude);
    ReportAddLine(line, buffer);
}

void MeteorShowersReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int index = kReportMeteorShowers;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddMeteorShowersHeading(request, location, buffer);
    ReportProgress(index, insideAlmanac, 0);

    const MonthRangeDays range =
        MonthRangeJulianDays(request.year, request.startMonth, request.stopMonth);
    const int days = MeteorShowerDayCount(range);
    std::vector<MeteorDay> table;
    table.reserve(static_cast<size_t>(days));
    for (int i = 0; i < days; ++i) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, 0.66 * ReportFraction(0, days - 1, i));
        table.push_back(MeteorShowerDay(request.year, MeteorShowerDayJulianDay(range, i)));
    }

    for (int s = 0; s < kMeteorShowerCount; ++s) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, 0.66 + 0.34 * s / (kMeteorShowerCount - 1));
        MeteorShowerMaximum maximum;
        if (MeteorShowerMaximumOf(s, table, range, location.timeZone, maximum)) {
            AddMeteorShowerLine(maximum, buffer);
        }
    }

    ReportAddPageBreak(buffer);
    ReportProgress(index, insideAlmanac, 1.0);
}

TwilightDay TwilightOfDate(double jd, const Location& location) {
    const CalendarTime date = SplitJulianDay(jd);
    TwilightDay row;
    row.day = date.day;
    row.month = date.month;
    row.year = date.year;
    const double phi =
        location.latitudeHemisphere == kSouth ? -location.latitude : location.latitude;
    const double delta =
        SignedLatitude(SunPosition({date.year, date.month, date.day, 12.0}, false).delta);
    row.sun = RiseSet(kSun, date.day, date.month, date.year, location);
    // Twilight runs from the printed sunrise and sunset; a day without
    // one counts it as the hour -1 here, as this report always has.
    const double rise = row.sun.rise.happens ? row.sun.rise.hours : -1.0;
    const double set = row.sun.set.happens ? row.sun.set.hours : -1.0;
    for (int z = 0; z < 3; ++z) {
        const double offset = TwilightOffset(phi, delta, kTwilightZenith[z]);
        row.begin[z] = rise - offset;
        row.end[z] = set + offset;
    }
    return row;
}

bool TwilightLatitudeAllowed(const Location& location) {
    return location.latitude <= 60.0;
}

std::vector<TwilightDay> TwilightResults(const ReportRequest& request, const Location& location) {
    std::vector<TwilightDay> rows;
    if (!TwilightLatitudeAllowed(location)) {
        return rows;
    }
    const MonthRangeDays range =
        MonthRangeJulianDays(request.year, request.startMonth, request.stopMonth);
    const int days = static_cast<int>(range.last - range.first);
    for (int i = 0; i <= days; i += 7) {
        rows.push_back(TwilightOfDate(range.first + i, location));
    }
    return rows;
}

Records TwilightRecords(const ReportRequest& request, const Location& location) {
    static const char* const kBegin[3] = {"astronomical_begin", "nautical_begin", "civil_begin"};
    static const char* const kEnd[3] = {"astronomical_end", "nautical_end", "civil_end"};
    const double zone = location.timeZone;
    Records records;
    for (const TwilightDay& row : TwilightResults(request, location)) {
        Record record;
        record.kind = "twilight_row";
        record.body = "sun";
        record.summary = "Twilight";
        record.year = row.year;
        record.month = row.month;
        record.day = row.day;
        record.fields.push_back(RowInstant("sunrise",
                                           row.sun.rise.happens ? row.sun.rise.hours : -1, row.day,
                                           row.month, row.year, zone));
        record.fields.push_back(RowInstant("sunset", row.sun.set.happens ? row.sun.set.hours : -1,
                                           row.day, row.month, row.year, zone));
        for (int z = 0; z < 3; ++z) {
            record.fields.push_back(
                RowInstant(kBegin[z], row.begin[z], row.day, row.month, row.year, zone));
            record.fields.push_back(
                RowInstant(kEnd[z], row.end[z], row.day, row.month, row.year, zone));
        }
        records.push_back(record);
    }
    return records;
}

void AddTwilightHeading(const ReportRequest& request, const Location& location,
                        ReportBuffer& buffer) {
    SkyReportHeading(location, IDS_TWILIGHT_REPORT_TITLE, request.year, request.startMonth,
                     request.stopMonth, buffer);
    char line[kReportSlot];
    LoadText(IDS_TWILIGHT_REPORT_HEADING, line, sizeof line);
    ReportAddLine(line, buffer);
    LoadText(IDS_TWILIGHT_REPORT_SUBHEADING, line, sizeof line);
    ReportAddLine(line, buffer);
    ReportAddLine("", buffer);
}

void AddTwilightRefusal(ReportBuffer& buffer) {
    char line[kReportSlot];
    LoadText(IDS_TWILIGHT_LATITUDE_TOO_HIGH, line, sizeof line);
    ReportAddLine(line, buffer);
}

void AddTwilightLine(const TwilightDay& row, ReportBuffer& buffer) {
    char format[kReportSlot];
    char line[kReportSlot];
    char dateText[kFormatSize];
    char riseText[kFormatSize];
    char setText[kFormatSize];
    char begin[3][kReportSlot];
    char end[3][kReportSlot];
    LoadText(IDS_TWILIGHT_REPORT_ROW, format, sizeof format);
    FormatDate(row.day, row.month, row.year, dateText);
    FormatEventTime(row.sun.rise, riseText);
    FormatEventTime(row.sun.set, setText);
    for (int z = 0; z < 3; ++z) {
        TwilightTime(row.begin[z], begin[z]);
        TwilightTime(row.end[z], end[z]);
    }
    std::snprintf(line, sizeof line, format, dateText, riseText, setText, begin[0], end[0],
                  begin[1], end[1], begin[2], end[2]);
    ReportAddLine(line, buffer);
}

void TwilightReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int index = kReportTwilight;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddTwilightHeading(request, location, buffer);

    if (!TwilightLatitudeAllowed(location)) {
        AddTwilightRefusal(buffer);
        ReportProgress(index, insideAlmanac, 1.0);
        return;
    }
    ReportProgress(index, insideAlmanac, 0);

    const MonthRangeDays range =
        MonthRangeJulianDays(request.year, request.startMonth, request.stopMonth);
    const int days = static_cast<int>(range.last - range.first);
    for (int i = 0; i <= days; i += 7) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, ReportFraction(0, days, i));
        AddTwilightLine(TwilightOfDate(range.first + i, location), buffer);
    }

    ReportAddPageBreak(buffer);
    ReportProgress(index, insideAlmanac, 1.0);
}
