#include "settings/dialog_checks.h"

const char* CheckYear(int year) {
    return (year < 1000 || year > 3000) ? "Year must be between 1000 and 3000" : nullptr;
}

const char* CheckMonth(int month) {
    return (month < 1 || month > 12) ? "Month must be between 1 and 12" : nullptr;
}

const char* CheckYearRange(int startYear, int stopYear) {
    if (const char* message = CheckYear(startYear)) {
        return message;
    }
    if (const char* message = CheckYear(stopYear)) {
        return message;
    }
    return stopYear < startYear ? "Stop year cannot be less than start year" : nullptr;
}

const char* CheckMonthRange(int startMonth, int stopMonth) {
    if (const char* message = CheckMonth(startMonth)) {
        return message;
    }
    if (const char* message = CheckMonth(stopMonth)) {
        return message;
    }
    return stopMonth < startMonth ? "Stop month cannot be less than start month" : nullptr;
}

const char* CheckPlanetChosen(BitSet planets, int first, int last) {
    for (int body = first; body <= last; ++body) {
        if (SetTest(body, planets)) {
            return nullptr;
        }
    }
    return "Select at least one planet";
}
