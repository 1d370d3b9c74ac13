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

// The equinoxes and solstices as records name them, March first; the
// Seasons report and the Calendar's list give the same events.
constexpr const char* kSeasonKinds[4] = {"march_equinox", "june_solstice", "september_equinox",
                                         "december_solstice"};
constexpr const char* kSeasonSummaries[4] = {"March equinox", "June solstice", "September equinox",
                                             "December solstice"};

// The last event of the list on the date, or an empty mark; seasons
// compare only day and month.
CalendarMark MarkOn(const std::vector<CalendarMark>& events, int day, int month, int year,
                    bool matchYear) {
    CalendarMark found{};
    for (const CalendarMark& e : events) {
        if (e.local.day == day && e.local.month == month && (!matchYear || e.local.year == year)) {
            found = e;
        }
    }
    return found;
}

CalendarMark Mark(int what, double jdUt, double timeZone) {
    return {true, what, jdUt, LocalTimeOf(jdUt, timeZone)};
}

// A rise or set of a day's row: the UT instant of its local hours.
RecordField DayInstant(const char* name, EventTime event, const CalendarMonth& month, int day,
                       double timeZone) {
    if (!event.happens) {
        return InstantField(name, 0, false);
    }
    return InstantField(name, CalendarToJulianDay(day, month.month, month.year) +
                                  (event.hours - timeZone) / 24);
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

CalendarEvents CalendarEventsOfYear(int year, const MoonPhaseList& phases,
                                    const EclipseList& eclipses, const Location& location) {
    CalendarEvents events;
    for (int n = 0; n < phases.count; ++n) {
        events.phases.push_back(
            Mark(phases.entries[n].phase, phases.entries[n].trueInstant, location.timeZone));
    }
    for (int n = 0; n < eclipses.count; ++n) {
        events.eclipses.push_back(
            Mark(eclipses.entries[n].kind, eclipses.entries[n].maximum, location.timeZone));
    }
    double instants[4];
    Seasons(year, instants);
    for (int i = 0; i < 4; ++i) {
        events.seasons.push_back(Mark(i, instants[i], location.timeZone));
    }
    return events;
}

CalendarMonth CalendarMonthOf(int month, int year, const CalendarEvents& events,
                              const Location& location) {
    CalendarMonth result{};
    result.year = year;
    result.month = month;
    int grid[kCalendarRows][7];
    result.rows = CalendarWeekRows(month, year, grid);
    for (int r = 0; r < result.rows; ++r) {
        for (int c = 0; c < 7; ++c) {
            const int d = grid[r][c];
            CalendarDay& day = result.cells[r][c];
            day.day = d;
            if (d == 0) {
                continue;
            }
            const RiseSetTimes sun = RiseSet(kSun, d, month, year, location);
            const RiseSetTimes moon = RiseSet(kMoon, d, month, year, location);
            day.sunRise = sun.rise;
            day.sunSet = sun.set;
            day.moonRise = moon.rise;
            day.moonSet = moon.set;
            day.phase = MarkOn(events.phases, d, month, year, true);
            day.eclipse = MarkOn(events.eclipses, d, month, year, true);
            day.season = MarkOn(events.seasons, d, month, year, false);
        }
    }
    return result;
}

std::vector<CalendarMonth> CalendarResults(const ReportRequest& request, const Location& location) {
    MoonPhaseList phases;
    EclipseList eclipses;
    EclipseSearchYear(request.year, location, phases, eclipses, -1, false, 0, 0);
    const CalendarEvents events = CalendarEventsOfYear(request.year, phases, eclipses, location);
    std::vector<CalendarMonth> months;
    for (int m = request.startMonth; m <= request.stopMonth; ++m) {
        months.push_back(CalendarMonthOf(m, request.year, events, location));
    }
    return months;
}

Records CalendarRecords(const ReportRequest& request, const Location& location) {
    static const char* const kPhaseKinds[4] = {"new_moon", "first_quarter", "full_moon",
                                               "last_quarter"};
    static const char* const kPhaseSummaries[4] = {"New Moon", "First Quarter", "Full Moon",
                                                   "Last Quarter"};
    Records records;
    for (const CalendarMonth& month : CalendarResults(request, location)) {
        for (int r = 0; r < month.rows; ++r) {
            for (const CalendarDay& day : month.cells[r]) {
                if (day.day == 0) {
                    continue;
                }
                Record row;
                row.kind = "calendar_day";
                row.summary = "Sunrise, sunset, moonrise and moonset";
                row.year = month.year;
                row.month = month.month;
                row.day = day.day;
                const double zone = location.timeZone;
                row.fields.push_back(DayInstant("sunrise", day.sunRise, month, day.day, zone));
                row.fields.push_back(DayInstant("sunset", day.sunSet, month, day.day, zone));
                row.fields.push_back(DayInstant("moonrise", day.moonRise, month, day.day, zone));
                row.fields.push_back(DayInstant("moonset", day.moonSet, month, day.day, zone));
                records.push_back(row);
                if (day.phase.shown) {
                    records.push_back(EventRecord(kPhaseKinds[day.phase.what], "moon",
                                                  kPhaseSummaries[day.phase.what], day.phase.jdUt));
                }
                if (day.eclipse.shown) {
                    const bool solar = day.eclipse.what == kSolarEclipse;
                    records.push_back(EventRecord(
                        solar ? "solar_eclipse" : "lunar_eclipse", solar ? "sun" : "moon",
                        solar ? "Solar eclipse, maximum" : "Lunar eclipse, maximum",
                        day.eclipse.jdUt));
                }
                if (day.season.shown) {
                    records.push_back(EventRecord(kSeasonKinds[day.season.what], "sun",
                                                  kSeasonSummaries[day.season.what],
                                                  day.season.jdUt));
                }
            }
        }
    }
    return records;
}

void AddCalendarHeading(const ReportRequest& request, const Location& location,
                        ReportBuffer& buffer) {
    ReportHeader(location, buffer);
    char text[kFormatSize];
    FormatMonthRange(request.startMonth, request.stopMonth, request.year, text);
    ReportTitle(IDS_CALENDAR_REPORT_TITLE, text, buffer);
    ReportAddLine("", buffer);
}

void AddCalendarMonthHeading(const CalendarMonth& month, ReportBuffer& buffer) {
    ReportAddLine("", buffer);
    char name[kTextSize];
    MonthName(month.month, name);
    char title[kReportSlot];
    Print(title, sizeof title, "%s        %4d", name, month.year);
    CenterLine(title);
    ReportAddLine(title, buffer);
    ReportAddLine("", buffer);
    char line[2 * kReportSlot];
    LoadText(IDS_CALENDAR_WEEKDAYS, line, sizeof line);
    ReportAddLine(line, buffer);
    AddCalendarRule(buffer);
}

void AddCalendarLine(const CalendarMonth& month, int row, int k, ReportBuffer& buffer) {
    char line[2 * kReportSlot];
    line[0] = '\0';
    for (const CalendarDay& day : month.cells[row - 1]) {
        if (day.day == 0) {
            Append(line, sizeof line, "|%*s", kCellWidth - 1, "");
            continue;
        }
        const CalendarMark* event = nullptr;
        switch (k) {
        case 1:
            Append(line, sizeof line, "| %2d%*s", day.day, 6, "");
            break;
        case 2:
            AppendTimeCell(line, sizeof line, "|%2s: %s", IDS_SUNRISE_ABBREV, day.sunRise);
            break;
        case 3:
            AppendTimeCell(line, sizeof line, "|%2s: %s", IDS_SUNSET_ABBREV, day.sunSet);
            break;
        case 4:
            AppendTimeCell(line, sizeof line, "|%2s: %s", IDS_MOONRISE_ABBREV, day.moonRise);
            break;
        case 5:
            AppendTimeCell(line, sizeof line, "|%2s: %s", IDS_MOONSET_ABBREV, day.moonSet);
            break;
        case 6:
            if (day.phase.shown) {
                event = &day.phase;
                AppendTimeCell(line, sizeof line, "|%s: %s", IDS_PHASE_ABBREV_FIRST + event->what,
                               event->local.hours);
            }
            break;
        case 7:
            if (day.eclipse.shown) {
                event = &day.eclipse;
                AppendTimeCell(line, sizeof line, "|%2s: %s",
                               event->what == kSolarEclipse ? IDS_SOLAR_ECLIPSE_ABBREV
                                                            : IDS_LUNAR_ECLIPSE_ABBREV,
                               event->local.hours);
            }
            break;
        default:
            if (day.season.shown) {
                event = &day.season;
                AppendTimeCell(line, sizeof line, "|%s:%s", IDS_SEASON_ABBREV_FIRST + event->what,
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

void AddCalendarRule(ReportBuffer& buffer) {
    char rule[kReportSlot];
    LoadText(IDS_CALENDAR_RULE, rule, sizeof rule);
    ReportAddLine(rule, buffer);
}

void AddCalendarMonthLines(const CalendarMonth& month, ReportBuffer& buffer) {
    AddCalendarMonthHeading(month, buffer);
    for (int r = 1; r <= month.rows; ++r) {
        for (int k = 1; k <= kCalendarCellLines; ++k) {
            AddCalendarLine(month, r, k, buffer);
        }
        AddCalendarRule(buffer);
    }
    ReportAddPageBreak(buffer);
}

void CalendarReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int year = request.year;
    const int startMonth = request.startMonth;
    const int stopMonth = request.stopMonth;
    const int index = kReportCalendar;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddCalendarHeading(request, location, buffer);

    MoonPhaseList phases;
    EclipseList eclipses;
    EclipseSearchYear(year, location, phases, eclipses, index, insideAlmanac, 0, 0.1);
    if (StopFlag) {
        return;
    }
    // Each list's local dates, worked out once for the whole report.
    const CalendarEvents events = CalendarEventsOfYear(year, phases, eclipses, location);

    for (int m = startMonth; m <= stopMonth; ++m) {
        const CalendarMonth month = CalendarMonthOf(m, year, events, location);
        AddCalendarMonthHeading(month, buffer);
        for (int r = 1; r <= month.rows; ++r) {
            for (int k = 1; k <= kCalendarCellLines; ++k) {
                if (PumpMessages(0) != 0) {
                    return;
                }
                ReportProgress(index, insideAlmanac,
                               0.1 + 0.9 * ReportNestedFraction(m, startMonth, stopMonth, r, 1,
                                                                month.rows, k, 1,
                                                                kCalendarCellLines));
                AddCalendarLine(month, r, k, buffer);
            }
            AddCalendarRule(buffer);
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
    Records records;
    for (const SeasonsOfYear& year : SeasonsResults(request)) {
        for (const SeasonEvent& e : year.events) {
            char season[kTextSize];
            LoadText(IDS_SEASON_NAME_FIRST + e.season, season, sizeof season);
            Record record =
                EventRecord(kSeasonKinds[e.season], "sun", kSeasonSummaries[e.season], e.jdUt);
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
        const CalendarTime local = LocalTimeOf(e.jdUt, location.timeZone);
        char abbreviation[kTextSize];
        char date[kFormatSize];
        char time[kFormatSize];
        char season[kTextSize];
        char length[kFormatSize];
        char line[kReportSlot];
        SeasonAbbreviation(e.season, abbreviation);
        FormatDate(local.day, local.month, local.year, date);
        FormatHoursMinutes(local.hours, time);
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
