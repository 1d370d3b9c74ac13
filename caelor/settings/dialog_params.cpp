#include "settings/dialog_params.h"

#include "engine/time.h"
#include "reports/locale.h"
#include "reports/reports.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

DialogParams CurrentDialogParams = {};
int DialogCancelled = 0;

namespace {

constexpr double kHalfSecondInDays = 0.5 / 86400.0;
constexpr int kNumberTextMax = 79;

BitSet BodyRange(int first, int last) {
    BitSet set = 0;
    for (int body = first; body <= last; ++body) {
        SetAdd(body, set);
    }
    return set;
}

std::string Printf(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// [sign] digits [. digits] or [sign] . digits, then [e [sign] digits].
bool IsDecimalNumber(const char* p, const char* end) {
    if (p < end && (*p == '+' || *p == '-')) {
        ++p;
    }
    int digits = 0;
    while (p < end && std::isdigit(static_cast<unsigned char>(*p))) {
        ++p;
        ++digits;
    }
    if (p < end && *p == '.') {
        ++p;
        while (p < end && std::isdigit(static_cast<unsigned char>(*p))) {
            ++p;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < end && (*p == '+' || *p == '-')) {
            ++p;
        }
        int exponentDigits = 0;
        while (p < end && std::isdigit(static_cast<unsigned char>(*p))) {
            ++p;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return p == end;
}

} // namespace

DialogDateTime DateTimeFromJulianDay(double jd) {
    double day = 0;
    int month = 0;
    int year = 0;
    JulianDayToCalendar(jd + kHalfSecondInDays, day, month, year);
    DialogDateTime result{};
    result.year = year;
    result.month = month;
    result.day = static_cast<int>(day);
    const double hours = (day - result.day) * 24.0;
    result.hour = static_cast<int>(hours);
    result.minute = static_cast<int>((hours - result.hour) * 60.0);
    return result;
}

ReportRequest ReportRequestFromDialog(const DialogParams& dialog) {
    ReportRequest request;
    request.year = dialog.year;
    request.stopYear = dialog.stopYear;
    request.startMonth = dialog.month;
    request.stopMonth = dialog.stopMonth;
    request.planets = dialog.planetSet;
    return request;
}

DialogParams DefaultDialogParams(double clockJd) {
    const DialogDateTime now = DateTimeFromJulianDay(clockJd);
    DialogParams p{};
    p.year = now.year;
    p.month = now.month;
    p.day = now.day;
    p.hour = now.hour;
    p.minute = now.minute;
    p.stopMonth = 12;
    p.stopYear = now.year;
    p.binaryStarYear = now.year;
    p.titleId = 0;
    p.timeSpeed = 64;
    p.viewAngle = 90;
    p.planetSet = BodyRange(2, 10);
    p.skySet = BodyRange(0, 1) | BodyRange(3, kStarBody);
    p.moonSet = BodyRange(0, 15);
    p.distanceFromSun = 0;
    p.mainPlanet = 3;
    p.trackedBody = 0;
    p.noTracking = 1;
    p.turbo = 0;
    p.dayNightSpeed = 4;
    p.labelPlanets = 1;
    p.labelMoons = 1;
    p.binaryStar = 0;
    p.star = -1;
    return p;
}

void SetDialogDefaults(double clockJd) {
    CurrentDialogParams = DefaultDialogParams(clockJd);
    DialogCancelled = 0;
}

bool IsValidDialogDate(int day, int month, int year) {
    return IsValidDate(day, month, year);
}

void RepairDialogDay(DialogParams& params) {
    if (!IsValidDialogDate(params.day, params.month, params.year)) {
        params.day = 1;
    }
}

void OrderMonthRange(DialogParams& params) {
    if (params.stopMonth < params.month) {
        const int start = params.month;
        params.month = params.stopMonth;
        params.stopMonth = start;
    }
}

void OrderYearRange(DialogParams& params) {
    if (params.stopYear < params.year) {
        const int start = params.year;
        params.year = params.stopYear;
        params.stopYear = start;
    }
}

bool ReadDialogNumber(const char* text, char decimalSeparator, double& value) {
    char buffer[kNumberTextMax + 1];
    std::snprintf(buffer, sizeof buffer, "%s", text);
    for (char* p = buffer; *p != '\0'; ++p) {
        if (*p == decimalSeparator) {
            *p = '.';
        }
    }
    const char* begin = buffer;
    const char* end = buffer + std::strlen(buffer);
    while (begin < end && IsBlank(*begin)) {
        ++begin;
    }
    while (end > begin && IsBlank(end[-1])) {
        --end;
    }
    if (!IsDecimalNumber(begin, end)) {
        return false;
    }
    value = static_cast<double>(std::strtof(begin, nullptr));
    return true;
}

std::string FormatDialogNumber(double value, int width, int decimals, char decimalSeparator) {
    const int length = std::snprintf(nullptr, 0, "%*.*f", width, decimals, value);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    std::snprintf(&text[0], text.size(), "%*.*f", width, decimals, value);
    text.resize(text.size() - 1);
    std::string result;
    for (char c : text) {
        if (c == ' ') {
            continue;
        }
        result += c == '.' ? decimalSeparator : c;
    }
    return result;
}

DateFieldTexts FormatDateFields(int day, int month, int year, int hour, int minute) {
    DateFieldTexts texts;
    texts.year = FormatYearField(year);
    texts.month = FormatMonthField(month);
    texts.day = Printf(LocaleDayTwoDigit(false) ? "%02d" : "%2d", day);
    texts.hour = Printf(LocaleTimeLeadingZero(false) ? "%02d" : "%2d", hour);
    texts.minute = Printf("%02d", minute);
    return texts;
}

std::string FormatYearField(int year) {
    return Printf("%4d", year);
}

std::string FormatMonthField(int month) {
    return Printf(LocaleMonthTwoDigit(false) ? "%02d" : "%2d", month);
}

std::string FormatTimeSpeed(int speed) {
    return Printf("%3d", speed);
}

std::string FormatViewAngle(int angle) {
    return Printf("%2d", angle);
}
