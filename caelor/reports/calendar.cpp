// The Calendar, Seasons and Dates of Easter reports.

#include "reports/calendar.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/riseset.h"
#include "engine/sun.h"
#include "engine/time.h"
#include "reports/eclipses.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "reports/names.h"
#include "reports/reports.h"
#include "resources/string_table.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// Cell text: a bar and nine characters.
constexpr int kCellWidth = 10;
constexpr int kTextLinesPerWeek = 8;

// An event of the calendar's lists at its local date.
struct CalendarEvent {
    CalendarTime local;
    int label; // string id of its abbreviation
};

CalendarEvent LocalEvent(double jd, double timeZone, int label) {
    return {LocalTimeOf(jd, timeZone), label};
}

// The last event of the list on the date, or nullptr; seasons compare only
// day and month.
const CalendarEvent* EventOn(const CalendarEvent* events, int count, int day, int month, int year,
                             bool matchYear) {
    const CalendarEvent* found = nullptr;
    for (int n = 0; n < count; ++n) {
        const CalendarEvent& e = events[n];
        if (e.local.day == day && e.local.month == month && (!matchYear || e.local.year == year)) {
            found = &e;
        }
    }
    return found;
}

// printf into out (size bytes); a longer text is cut.
__attribute__((format(printf, 3, 4))) void Print(char* out, size_t size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(out, size, format, args);
    va_end(args);
}

// Appends printf output at the end of line (size bytes), never past it.
__attribute__((format(printf, 3, 4))) void Append(char* line, size_t size, const char* format,
                                                  ...) {
    const size_t used = std::strlen(line);
    if (used + 1 < size) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(line + used, size - used, format, args);
        va_end(args);
    }
}

// "|", an abbreviation, a colon, an optional blank and a time ("None " for
// a rise or set that does not happen).
void AppendTimeCell(char* line, size_t size, const char* format, int label, EventTime event) {
    char abbreviation[kTextSize];
    char time[kFormatSize];
    LoadText(label, abbreviation, sizeof abbreviation);
    FormatEventTime(event, time);
    Append(line, size, format, abbreviation, time);
}

void AppendTimeCell(char* line, size_t size, const char* format, int label, double hours) {
    AppendTimeCell(line, size, format, label, EventTime{true, hours});
}

} // namespace

int CalendarWeekRows(int month, int year, int grid[kCalendarRows][7]) {
    for (int r = 0; r < kCalendarRows; ++r) {
        for (int c = 0; c < 7; ++c) {
            grid[r][c] = 0;
        }
    }
    const int first = DayOfWeek(1, month, year);
    const int days = DaysInMonth(month, year);
    // Day numbers come from the Julian days, so the month of the calendar
    // reform (October 1582) goes from the 4th to the 15th.
    const double jdFirst = CalendarToJulianDay(1.0, month, year);
    for (int k = 0; k < days; ++k) {
        const int cell = first + k;
        grid[cell / 7][cell % 7] = SplitJulianDay(jdFirst + k).day;
    }
    int rows = 1;
    for (int r = 1; r < kCalendarRows; ++r) {
        if (grid[r][0] != 0) {
            ++rows;
        }
    }
    return rows;
}

void CalendarReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int year = request.year;
    const int startMonth = request.startMonth;
    const int stopMonth = request.stopMonth;
    const int index = kReportCalendar;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    ReportHeader(location, buffer);
    char text[kFormatSize];
    FormatMonthRange(startMonth, stopMonth, year, text);
    ReportTitle(IDS_CALENDAR_REPORT_TITLE, text, buffer);
    ReportAddLine("", buffer);

    MoonPhaseList phases;
    EclipseList eclipses;
    EclipseSearchYear(year, location, phases, eclipses, index, insideAlmanac, 0, 0.1);
    if (StopFlag) {
        return;
    }

    // Each list's local dates, worked out once for the whole report.
    CalendarEvent phaseEvents[kMoonPhaseListLimit];
    for (int n = 0; n < phases.count; ++n) {
        phaseEvents[n] = LocalEvent(phases.entries[n].trueInstant, location.timeZone,
                                    IDS_PHASE_ABBREV_FIRST + phases.entries[n].phase);
    }
    CalendarEvent eclipseEvents[kEclipseListLimit];
    for (int n = 0; n < eclipses.count; ++n) {
        eclipseEvents[n] =
            LocalEvent(eclipses.entries[n].maximum, location.timeZone,
                       eclipses.entries[n].kind == kSolarEclipse ? IDS_SOLAR_ECLIPSE_ABBREV
                                                                 : IDS_LUNAR_ECLIPSE_ABBREV);
    }
    double instants[4];
    Seasons(year, instants);
    CalendarEvent seasonEvents[4];
    for (int i = 0; i < 4; ++i) {
        seasonEvents[i] = LocalEvent(instants[i], location.timeZone, IDS_SEASON_ABBREV_FIRST + i);
    }

    char line[2 * kReportSlot];
    for (int m = startMonth; m <= stopMonth; ++m) {
        int grid[kCalendarRows][7];
        const int rows = CalendarWeekRows(m, year, grid);

        ReportAddLine("", buffer);
        char name[kTextSize];
        MonthName(m, name);
        char title[kReportSlot];
        Print(title, sizeof title, "%s        %4d", name, year);
        CenterLine(title);
        ReportAddLine(title, buffer);
        ReportAddLine("", buffer);
        LoadText(IDS_CALENDAR_WEEKDAYS, line, sizeof line);
        ReportAddLine(line, buffer);
        char rule[kReportSlot];
        LoadText(IDS_CALENDAR_RULE, rule, sizeof rule);
        ReportAddLine(rule, buffer);

        for (int r = 1; r <= rows; ++r) {
            // The set times found with the rises, for the line below them.
            EventTime sunSet[7] = {};
            EventTime moonSet[7] = {};
            for (int k = 1; k <= kTextLinesPerWeek; ++k) {
                if (PumpMessages(0) != 0) {
                    return;
                }
                ReportProgress(index, insideAlmanac,
                               0.1 + 0.9 * ReportNestedFraction(m, startMonth, stopMonth, r, 1,
                                                                rows, k, 1, kTextLinesPerWeek));
                line[0] = '\0';
                for (int c = 0; c < 7; ++c) {
                    const int d = grid[r - 1][c];
                    if (d == 0) {
                        Append(line, sizeof line, "|%*s", kCellWidth - 1, "");
                        continue;
                    }
                    RiseSetTimes times{};
                    const CalendarEvent* event = nullptr;
                    switch (k) {
                    case 1:
                        Append(line, sizeof line, "| %2d%*s", d, 6, "");
                        break;
                    case 2:
                        times = RiseSet(kSun, d, m, year, location);
                        sunSet[c] = times.set;
                        AppendTimeCell(line, sizeof line, "|%2s: %s", IDS_SUNRISE_ABBREV,
                                       times.rise);
                        break;
                    case 3:
                        AppendTimeCell(line, sizeof line, "|%2s: %s", IDS_SUNSET_ABBREV, sunSet[c]);
                        break;
                    case 4:
                        times = RiseSet(kMoon, d, m, year, location);
                        moonSet[c] = times.set;
                        AppendTimeCell(line, sizeof line, "|%2s: %s", IDS_MOONRISE_ABBREV,
                                       times.rise);
                        break;
                    case 5:
                        AppendTimeCell(line, sizeof line, "|%2s: %s", IDS_MOONSET_ABBREV,
                                       moonSet[c]);
                        break;
                    case 6:
                        event = EventOn(phaseEvents, phases.count, d, m, year, true);
                        if (event != nullptr) {
                            AppendTimeCell(line, sizeof line, "|%s: %s", event->label,
                                           event->local.hours);
                        }
                        break;
                    case 7:
                        event = EventOn(eclipseEvents, eclipses.count, d, m, year, true);
                        if (event != nullptr) {
                            AppendTimeCell(line, sizeof line, "|%2s: %s", event->label,
                                           event->local.hours);
                        }
                        break;
                    default:
                        event = EventOn(seasonEvents, 4, d, m, year, false);
                        if (event != nullptr) {
                            AppendTimeCell(line, sizeof line, "|%s:%s", event->label,
                                           event->local.hours);
                        }
                        break;
                    }
                    if (k >= 6 && event == nullptr) {
                        Append(line, sizeof line, "|%*s", kCellWidth - 1, "");
                    }
                }
                Append(line, sizeof line, "|");
                // Every cell is ten characters, so the line is 71 long.
                line[kReportLineMax] = '\0';
                ReportAddLine(line, buffer);
            }
            ReportAddLine(rule, buffer);
        }
        ReportAddPageBreak(buffer);
    }
}

SeasonsOfYear SeasonsYear(int year) {
    double S[4];
    double N[4];
    Seasons(year, S);
    Seasons(year + 1, N);
    // Each event ends the season named on its line; winter runs from this
    // December's solstice to next year's March equinox.
    const double lengths[4] = {N[0] - S[3], S[1] - S[0], S[2] - S[1], S[3] - S[2]};
    SeasonsOfYear result{year, {}};
    for (int i = 0; i < 4; ++i) {
        result.events[i] = SeasonEvent{i, S[i], lengths[i]};
    }
    return result;
}

std::vector<SeasonsOfYear> SeasonsResults(const ReportRequest& request) {
    std::vector<SeasonsOfYear> years;
    for (int y = request.year; y <= request.stopYear; ++y) {
        years.push_back(SeasonsYear(y));
    }
    return years;
}

Records SeasonsRecords(const ReportRequest& request, const Location&) {
    static const char* const kKinds[4] = {"march_equinox", "june_solstice", "september_equinox",
                                          "december_solstice"};
    static const char* const kSummaries[4] = {"March equinox", "June solstice", "September equinox",
                                              "December solstice"};
    Records records;
    for (const SeasonsOfYear& year : SeasonsResults(request)) {
        for (const SeasonEvent& e : year.events) {
            char season[kTextSize];
            LoadText(IDS_SEASON_NAME_FIRST + e.season, season, sizeof season);
            Record record = EventRecord(kKinds[e.season], "sun", kSummaries[e.season], e.jdUt);
            record.fields.push_back(TextField("season_ended", season));
            record.fields.push_back(NumberField("length_days", e.lengthDays, 2));
            records.push_back(record);
        }
    }
    return records;
}

void AddSeasonsHeading(const ReportRequest& request, const Location& location,
                       ReportBuffer& buffer) {
    ReportHeader(location, buffer);
    ReportAddLine("", buffer);
    char range[kFormatSize];
    FormatYearRange(request.year, request.stopYear, range);
    ReportTitle(IDS_SEASONS_REPORT_TITLE, range, buffer);
    ReportAddLine("", buffer);
}

void AddSeasonsLines(const SeasonsOfYear& year, const Location& location, ReportBuffer& buffer) {
    char format[kReportSlot];
    LoadText(IDS_SEASONS_REPORT_ROW, format, sizeof format);
    for (const SeasonEvent& e : year.events) {
        const CalendarEvent event =
            LocalEvent(e.jdUt, location.timeZone, IDS_SEASON_ABBREV_FIRST + e.season);
        char abbreviation[kTextSize];
        char date[kFormatSize];
        char time[kFormatSize];
        char season[kTextSize];
        char length[kFormatSize];
        char line[kReportSlot];
        SeasonAbbreviation(e.season, abbreviation);
        FormatDate(event.local.day, event.local.month, event.local.year, date);
        FormatHoursMinutes(event.local.hours, time);
        LoadText(IDS_SEASON_NAME_FIRST + e.season, season, sizeof season);
        FormatFixed(e.lengthDays, 6, 2, length);
        Print(line, sizeof line, format, abbreviation, date, time, season, length);
        ReportAddLine(line, buffer);
    }
    ReportAddLine("", buffer);
}

void SeasonsReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int index = kReportSeasons;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddSeasonsHeading(request, location, buffer);
    ReportProgress(index, insideAlmanac, 0);
    for (int y = request.year; y <= request.stopYear; ++y) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, ReportFraction(request.year, request.stopYear, y));
        AddSeasonsLines(SeasonsYear(y), location, buffer);
    }
    ReportAddPageBreak(buffer);
}

EasterSunday EasterOfYear(int year) {
    EasterSunday easter{year, 0, 0};
    EasterDate(year, easter.day, easter.month);
    return easter;
}

std::vector<EasterSunday> EasterResults(const ReportRequest& request) {
    std::vector<EasterSunday> dates;
    for (int y = request.year; y <= request.stopYear; ++y) {
        dates.push_back(EasterOfYear(y));
    }
    return dates;
}

Records EasterRecords(const ReportRequest& request, const Location&) {
    Records records;
    for (const EasterSunday& easter : EasterResults(request)) {
        Record record;
        record.kind = "easter_sunday";
        record.summary = "Easter Sunday";
        record.event = true;
        record.allDay = true;
        record.year = easter.year;
        record.month = easter.month;
        record.day = easter.day;
        records.push_back(record);
    }
    return records;
}

void AddEasterHeading(const ReportRequest& request, ReportBuffer& buffer) {
    char range[kFormatSize];
    FormatYearRange(request.year, request.stopYear, range);
    ReportTitle(IDS_EASTER_REPORT_TITLE, range, buffer);
    ReportAddLine("", buffer);
}

void AddEasterLine(const EasterSunday& easter, ReportBuffer& buffer) {
    char date[kFormatSize];
    FormatDate(easter.day, easter.month, easter.year, date);
    ReportAddLine(date, buffer);
}

void EasterReport(const ReportRequest& request, ReportBuffer& buffer, Location) {
    const int index = kReportEaster;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddEasterHeading(request, buffer);
    ReportProgress(index, insideAlmanac, 0);
    for (int y = request.year; y <= request.stopYear; ++y) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, ReportFraction(request.year, request.stopYear, y));
        AddEasterLine(EasterOfYear(y), buffer);
    }
    ReportAddPageBreak(buffer);
}
