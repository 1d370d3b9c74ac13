#include "settings/dialog_checks.h"

#include <cctype>
#include <climits>
#include <vector>

namespace {

const char* CheckRange(int value, const IntegerRange& range) {
    return (value < range.minimum || value > range.maximum) ? DialogMessageText(range.message)
                                                            : nullptr;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

const char* CheckYear(int year) {
    return CheckRange(year, kYearRange);
}

const char* CheckMonth(int month) {
    return CheckRange(month, kMonthRange);
}

const char* CheckYearRange(int startYear, int stopYear) {
    if (const char* message = CheckYear(startYear)) {
        return message;
    }
    if (const char* message = CheckYear(stopYear)) {
        return message;
    }
    return stopYear < startYear ? DialogMessageText(DialogMessage::kStopYearBeforeStart) : nullptr;
}

const char* CheckMonthRange(int startMonth, int stopMonth) {
    if (const char* message = CheckMonth(startMonth)) {
        return message;
    }
    if (const char* message = CheckMonth(stopMonth)) {
        return message;
    }
    return stopMonth < startMonth ? DialogMessageText(DialogMessage::kStopMonthBeforeStart)
                                  : nullptr;
}

const char* CheckPlanetChosen(BitSet planets, int first, int last) {
    for (int body = first; body <= last; ++body) {
        if (SetTest(body, planets)) {
            return nullptr;
        }
    }
    return DialogMessageText(DialogMessage::kSelectPlanet);
}

bool ParseDialogInteger(const std::string& text, int& value) {
    size_t i = 0;
    size_t end = text.size();
    while (i < end && IsBlank(text[i])) {
        ++i;
    }
    while (end > i && IsBlank(text[end - 1])) {
        --end;
    }
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == end) {
        return false;
    }
    long long magnitude = 0;
    for (; i < end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return false;
        }
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) {
            return false;
        }
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX || signedValue < INT_MIN) {
        return false;
    }
    value = static_cast<int>(signedValue);
    return true;
}

FieldError CheckIntegerFields(const DialogFields& fields, IntegerField* table, int count) {
    std::vector<int> values(count > 0 ? static_cast<size_t>(count) : 0);
    for (int i = 0; i < count; ++i) {
        const IntegerField& field = table[i];
        if (!ParseDialogInteger(fields.Text(field.control), values[i])) {
            return TextFieldError(field.control, DialogMessage::kInvalidNumber);
        }
        if (values[i] < field.range.minimum || values[i] > field.range.maximum) {
            return TextFieldError(field.control, field.range.message);
        }
    }
    for (int i = 0; i < count; ++i) {
        table[i].value = values[i];
    }
    return NoFieldError();
}
