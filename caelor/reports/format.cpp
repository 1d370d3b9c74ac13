#include "reports/format.h"

#include "engine/angles.h"
#include "engine/time.h"
#include "resources/string_table.h"

#include <cctype>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kNoneTimeText[] = "None ";

// snprintf into an out buffer of kFormatSize bytes; a longer text is cut.
__attribute__((format(printf, 2, 3))) void Emit(char* out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(out, kFormatSize, format, args);
    va_end(args);
}

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// First character of a string of the table.
char FirstLetter(int id) {
    char text[kFormatSize];
    LoadText(id, text, sizeof text);
    return text[0];
}

} // namespace

void FormatFixed(double value, int width, int decimals, char* out) {
    // Wide enough for any double printed with %f and any sane width.
    char t[512];
    std::snprintf(t, sizeof t, "%*.*f", width, decimals, value);
    char* point = std::strchr(t, '.');
    if (point == nullptr) {
        Emit(out, "%s", t);
        return;
    }
    *point = '\0';
    char* integer = t;
    const char* fraction = point + 1;
    if (!LocaleLeadingZero(false) && std::atoi(integer) == 0 && point > t) {
        point[-1] = '\0';
    }
    Emit(out, "%*.*s%c%*.*s", width, width, integer, LocaleDecimalSeparator(false), decimals,
         decimals, fraction);
}

void FormatDate(int day, int month, int year, char* out) {
    char d[16];
    char m[16];
    char y[16];
    std::snprintf(d, sizeof d, LocaleDayTwoDigit(false) ? "%02d" : "%2d", day);
    std::snprintf(m, sizeof m, LocaleMonthTwoDigit(false) ? "%02d" : "%2d", month);
    std::snprintf(y, sizeof y, "%4d", year);
    const char* parts[6][3] = {{d, m, y}, {d, y, m}, {m, d, y}, {m, y, d}, {y, d, m}, {y, m, d}};
    const int order = LocaleDateOrder(false);
    const char separator = LocaleDateSeparator(false);
    Emit(out, "%s%c%s%c%s", parts[order][0], separator, parts[order][1], separator,
         parts[order][2]);
}

void FormatMonthRange(int startMonth, int stopMonth, int year, char* out) {
    char first[kFormatSize];
    char last[kFormatSize];
    FormatDate(1, startMonth, year, first);
    const double next = stopMonth >= 12 ? CalendarToJulianDay(1.0, 1, year + 1)
                                        : CalendarToJulianDay(1.0, stopMonth + 1, year);
    double day = 0;
    int month = 0;
    int y = 0;
    JulianDayToCalendar(next - 1.0, day, month, y);
    FormatDate(static_cast<int>(day), month, y, last);
    Emit(out, "%s to %s", first, last);
}

void FormatYearRange(int startYear, int stopYear, char* out) {
    if (startYear != stopYear) {
        Emit(out, "%d to %d", startYear, stopYear);
    } else {
        Emit(out, "%d", startYear);
    }
}

void FormatHoursMinutes(double hours, char* out) {
    if (hours == -1.0) {
        Emit(out, "%s", kNoneTimeText);
        return;
    }
    const double a = std::fabs(hours);
    // Times shown are clock times; anything past a day's worth of hours is a
    // caller's value out of range, printed whole rather than overflowing.
    long h = a < 1e9 ? static_cast<long>(a) : 999999999L;
    int m = RoundHalfUp(FractionalPart(a) * 60);
    if (m == 60) {
        ++h;
        m = 0;
    }
    Emit(out, LocaleTimeLeadingZero(false) ? "%02ld%c%02d" : "%2ld%c%02d", h,
         LocaleTimeSeparator(false), m);
}

void FormatEventTime(EventTime event, char* out) {
    if (!event.happens) {
        Emit(out, "%s", kNoneTimeText);
        return;
    }
    FormatHoursMinutes(event.hours, out);
}

void FormatSexagesimal(double angle, int degreeMode, char* out) {
    const double a = std::fabs(angle);
    long d = a < 1e9 ? static_cast<long>(a) : 999999999L;
    int m = static_cast<int>(FractionalPart(a) * 60);
    int s = RoundHalfUp((a - d - m / 60.0) * 3600);
    if (s == 60) {
        s = 0;
        ++m;
    }
    if (m == 60) {
        m = 0;
        ++d;
    }
    const char sign = angle >= 0 ? ' ' : '-';
    if (degreeMode != 0) {
        Emit(out, "%c%ld%c%02d%c%02d%c", sign, d, kDegreeSign, m, '\'', s, '"');
    } else {
        Emit(out, "%c%2ld%c%02d%c%02d%c", sign, d, FirstLetter(IDS_HOURS_LETTER), m,
             FirstLetter(IDS_MINUTES_LETTER), s, FirstLetter(IDS_SECONDS_LETTER));
    }
}

void FormatSexagesimalShort(double angle, int degreeMode, char* out) {
    FormatSexagesimal(angle, degreeMode, out);
    if (std::strlen(out) > 7) {
        out[7] = '\0';
    }
}

void CompassPoint(double azimuth, char* out) {
    const double a = NormalizeDegrees(azimuth);
    // The eight points from North clockwise; exactly on a cardinal direction
    // its letter alone.
    int point = 0;
    if (a == 0) {
        point = 0;
    } else if (a < 90) {
        point = 1;
    } else if (a == 90) {
        point = 2;
    } else if (a < 180) {
        point = 3;
    } else if (a == 180) {
        point = 4;
    } else if (a < 270) {
        point = 5;
    } else if (a == 270) {
        point = 6;
    } else {
        point = 7;
    }
    LoadText(IDS_COMPASS_NORTH + point, out, kFormatSize);
}

void PhaseAbbreviation(int index, char* out) {
    LoadText(IDS_PHASE_ABBREV_FIRST + index, out, kFormatSize);
}

void SeasonAbbreviation(int index, char* out) {
    LoadText(IDS_SEASON_ABBREV_FIRST + index, out, kFormatSize);
}

char HemisphereLetter(int code) {
    static constexpr int kIds[] = {IDS_COMPASS_NORTH, IDS_COMPASS_SOUTH, IDS_COMPASS_WEST,
                                   IDS_COMPASS_EAST};
    return (code >= 0 && code <= 3) ? FirstLetter(kIds[code]) : '?';
}

char SignCharacter(double value) {
    return value >= 0 ? '+' : '-';
}

void TrimBlanks(char* text) {
    char* begin = text;
    while (*begin != '\0' && IsBlank(*begin)) {
        ++begin;
    }
    size_t length = std::strlen(begin);
    while (length > 0 && IsBlank(begin[length - 1])) {
        --length;
    }
    std::memmove(text, begin, length);
    text[length] = '\0';
}

void RemoveBlanks(char* text) {
    char* to = text;
    for (const char* from = text; *from != '\0'; ++from) {
        if (!IsBlank(*from)) {
            *to++ = *from;
        }
    }
    *to = '\0';
}

void CollapseBlanks(char* text) {
    TrimBlanks(text);
    char* to = text;
    for (const char* from = text; *from != '\0'; ++from) {
        if (IsBlank(*from) && IsBlank(from[1])) {
            continue;
        }
        *to++ = *from;
    }
    *to = '\0';
}

int ScaleToPixel(double v, double a, double b, int n, int origin) {
    return RoundHalfUp((v - a) / (b - a) * n + origin);
}
