#include "core/clock.h"

#include <cstdio>

std::string ClockText(int hour24, int minute, bool twelveHour) {
    char text[32];
    if (twelveHour) {
        const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
        std::snprintf(text, sizeof text, "      %d:%02d %s", hour12, minute,
                      hour24 >= 12 ? "PM" : "AM");
    } else {
        std::snprintf(text, sizeof text, "      %02d:%02d", hour24, minute);
    }
    return text;
}
