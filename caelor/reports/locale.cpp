#include "reports/locale.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kValueSize = 81;
constexpr char kDefaultShortDate[] = "MM/dd/yyyy";
constexpr const char* kDateOrders[] = {"dmy", "dym", "mdy", "myd", "ydm", "ymd"};

LocaleSource* g_source = nullptr;

// One cached value with its must-reload flag.
template <typename T> struct Cached {
    T value{};
    bool reload = true;
};

Cached<char> g_decimal;
Cached<bool> g_leadingZero;
Cached<bool> g_timeLeadingZero;
Cached<char> g_dateSeparator;
Cached<char> g_timeSeparator;
Cached<bool> g_monthTwoDigit;
Cached<bool> g_dayTwoDigit;
Cached<int> g_dateOrder;

void ReadValue(const char* key, const char* fallback, char* value) {
    if (g_source == nullptr || !g_source->Read(key, value, kValueSize)) {
        std::strncpy(value, fallback, kValueSize - 1);
        value[kValueSize - 1] = '\0';
    }
}

template <typename T, typename Load> T Get(Cached<T>& cached, bool reload, Load load) {
    if (reload || cached.reload) {
        cached.value = load();
        cached.reload = false;
    }
    return cached.value;
}

bool IsDateLetter(char c) {
    return c == 'M' || c == 'd' || c == 'y';
}

void ShortDate(char* value) {
    ReadValue("sshortdate", kDefaultShortDate, value);
}

} // namespace

void SetLocaleSource(LocaleSource* source) {
    g_source = source;
    g_decimal.reload = g_leadingZero.reload = g_timeLeadingZero.reload = true;
    g_dateSeparator.reload = g_timeSeparator.reload = true;
    g_monthTwoDigit.reload = g_dayTwoDigit.reload = g_dateOrder.reload = true;
}

char LocaleDecimalSeparator(bool reload) {
    return Get(g_decimal, reload, [] {
        char value[kValueSize];
        ReadValue("sdecimal", ".", value);
        return value[0];
    });
}

bool LocaleLeadingZero(bool reload) {
    return Get(g_leadingZero, reload, [] {
        char value[kValueSize];
        ReadValue("iLzero", "1", value);
        return std::atoi(value) == 1;
    });
}

bool LocaleTimeLeadingZero(bool reload) {
    return Get(g_timeLeadingZero, reload, [] {
        char value[kValueSize];
        ReadValue("itlzero", "0", value);
        return std::atoi(value) == 1;
    });
}

char LocaleDateSeparator(bool reload) {
    return Get(g_dateSeparator, reload, [] {
        char value[kValueSize];
        ShortDate(value);
        for (const char* p = value; *p != '\0'; ++p) {
            if (!IsDateLetter(*p)) {
                return *p;
            }
        }
        return '/';
    });
}

char LocaleTimeSeparator(bool reload) {
    return Get(g_timeSeparator, reload, [] {
        char value[kValueSize];
        ReadValue("stime", ":", value);
        return value[0];
    });
}

bool LocaleMonthTwoDigit(bool reload) {
    return Get(g_monthTwoDigit, reload, [] {
        char value[kValueSize];
        ShortDate(value);
        const char* first = std::strchr(value, 'M');
        return first != nullptr && std::strchr(first + 1, 'M') != nullptr;
    });
}

bool LocaleDayTwoDigit(bool reload) {
    return Get(g_dayTwoDigit, reload, [] {
        char value[kValueSize];
        ShortDate(value);
        const char* first = std::strchr(value, 'd');
        return first != nullptr && std::strchr(first + 1, 'd') != nullptr;
    });
}

int LocaleDateOrder(bool reload) {
    return Get(g_dateOrder, reload, [] {
        char value[kValueSize];
        ShortDate(value);
        // The key: the first character, then each date letter that differs
        // from the key's last character.
        char key[kValueSize] = {};
        int n = 0;
        if (value[0] != '\0') {
            key[n++] = value[0];
            for (const char* p = value + 1; *p != '\0' && n < kValueSize - 1; ++p) {
                if (IsDateLetter(*p) && *p != key[n - 1]) {
                    key[n++] = *p;
                }
            }
        }
        for (int order = 0; order < 6; ++order) {
            const char* name = kDateOrders[order];
            if (static_cast<int>(std::strlen(name)) != n) {
                continue;
            }
            bool same = true;
            for (int i = 0; i < n; ++i) {
                same = same && std::tolower(static_cast<unsigned char>(key[i])) == name[i];
            }
            if (same) {
                return order;
            }
        }
        return 2;
    });
}

void ReloadLocaleSettings() {
    LocaleDecimalSeparator(true);
    LocaleLeadingZero(true);
    LocaleTimeLeadingZero(true);
    LocaleDateSeparator(true);
    LocaleTimeSeparator(true);
    LocaleMonthTwoDigit(true);
    LocaleDayTwoDigit(true);
    LocaleDateOrder(true);
}
