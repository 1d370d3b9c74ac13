// The text of the bar's clock.
#pragma once

#include <string>

// Six leading blanks (they paint over a longer earlier text), then with the
// 12-hour flag "h:mm AM" / "h:mm PM" (hour 1..12 without leading zero),
// otherwise "hh:mm". hour24 is 0..23, minute 0..59, local time.
std::string ClockText(int hour24, int minute, bool twelveHour);
