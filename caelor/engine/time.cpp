#include "engine/time.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/location.h"

#include <cmath>
#include <cstdlib>
#include <ctime>

namespace {

constexpr double kOneOverCentury = 2.7378507871321012e-05;

struct DeltaTRow {
    int year;
    double minutes;
};

// Observed ET - UT, in minutes of time, in ascending year order.
constexpr DeltaTRow kDeltaT[] = {
    {1710, -0.2}, {1730, -0.1}, {1750, 0.0},  {1770, 0.1}, {1800, 0.1}, {1840, 0.0},
    {1870, 0.0},  {1880, -0.1}, {1895, -0.1}, {1903, 0.0}, {1912, 0.2}, {1927, 0.4},
    {1940, 0.4},  {1950, 0.5},  {1965, 0.6},  {1971, 0.7}, {1977, 0.8}, {1980, 0.85},
};

// The day number N of the date in its year, counted from January 0.0.
double DayNumber(int day, int month, int year) {
    return CalendarToJulianDay(day, month, year) - CalendarToJulianDay(0.0, 1, year);
}

} // namespace

double CalendarToJulianDay(double day, int month, int year) {
    int y = year;
    int m = month;
    if (month == 1 || month == 2) {
        y = year - 1;
        m = month + 12;
    }
    double B = 0;
    if ((y * 100.0 + m) * 100.0 + day >= 15821015.0) {
        const double A = std::trunc(y * 0.01);
        B = std::trunc(A * 0.25) - A + 2;
    }
    const double c = year <= 0 ? 0.75 : 0.0;
    return std::trunc(365.25 * y - c) + std::trunc(30.6001 * (m + 1)) + B + day + 1720994.5;
}

void JulianDayToCalendar(double jd, double& day, int& month, int& year) {
    const double z = jd + 0.5;
    const double Z = std::trunc(z);
    const double F = FractionalPart(z);
    double A = Z;
    if (Z >= 2299161) {
        const double alpha = std::trunc((Z - 1867216.25) * 2.7379070069885075e-05);
        A = Z + 1 + alpha - std::trunc(alpha / 4);
    }
    const double B = A + 1524;
    const double C = std::trunc((B - 122.1) * 0.0027378507871321013);
    const double D = std::trunc(365.25 * C);
    const double E = std::trunc((B - D) * 0.03267963176590926);
    day = B - D - std::trunc(30.6001 * E) + F;
    month = static_cast<int>(E <= 13 ? E - 1 : E - 13);
    year = static_cast<int>(month > 2 ? C - 4716 : C - 4715);
}

CalendarTime SplitJulianDay(double jd) {
    double day = 0;
    CalendarTime t{};
    JulianDayToCalendar(jd, day, t.month, t.year);
    t.day = static_cast<int>(day);
    t.hours = FractionalPart(day) * 24;
    return t;
}

CalendarTime LocalTimeOf(double jdUt, double timeZone) {
    return SplitJulianDay(jdUt + timeZone / 24);
}

Instant InstantOfUt(double jdUt) {
    return {jdUt, jdUt + DeltaTHours(SplitJulianDay(jdUt).year) * kOneOver24};
}

int DayOfWeek(int day, int month, int year) {
    const auto n = static_cast<long long>(CalendarToJulianDay(day, month, year) + 1.5);
    return static_cast<int>(n % 7);
}

void EasterDate(int year, int& day, int& month) {
    const int y = year;
    if (y < 1583) {
        const int a = y % 4;
        const int b = y % 7;
        const int c = y % 19;
        const int d = (19 * c + 15) % 30;
        const int e = (2 * a + 4 * b - d + 34) % 7;
        month = (d + e + 114) / 31;
        day = ((d + e + 114) % 31) + 1;
        return;
    }
    const int a = y % 19;
    const int b = y / 100;
    const int c = y % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    month = (h + l - 7 * m + 114) / 31;
    day = ((h + l - 7 * m + 114) % 31) + 1;
}

bool IsValidDate(int day, int month, int year) {
    double d = 0;
    int m = 0;
    int y = 0;
    JulianDayToCalendar(CalendarToJulianDay(day, month, year), d, m, y);
    return static_cast<int>(d) == day && m == month && y == year;
}

int DaysInMonth(int month, int year) {
    if (month == 12) {
        return 31;
    }
    return RoundHalfUp(CalendarToJulianDay(1.0, month + 1, year) -
                       CalendarToJulianDay(1.0, month, year));
}

double ClockJulianDayFrom(int year, int month, int day, int hour, int minute, int second) {
    const double hours = hour + minute * kOneOver60 + second * kOneOver3600;
    return CalendarToJulianDay(day + hours * kOneOver24, month, year);
}

double ClockJulianDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return ClockJulianDayFrom(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                              local.tm_min, local.tm_sec);
}

double CenturiesSince1900(double jd) {
    return (jd - 2415020.0) * kOneOverCentury;
}

double DeltaTHours(int year) {
    if (year >= 1710 && year <= 1980) {
        const DeltaTRow* best = &kDeltaT[0];
        int bestDistance = std::abs(year - best->year);
        for (const DeltaTRow& row : kDeltaT) {
            const int distance = std::abs(year - row.year);
            if (distance < bestDistance) {
                best = &row;
                bestDistance = distance;
            }
        }
        return best->minutes * kOneOver60;
    }
    const double T =
        (CalendarToJulianDay(1.0, 1, year) - CalendarToJulianDay(1.0, 1, 1900)) * kOneOverCentury;
    return (0.41 + 1.2053 * T + 0.4992 * T * T) * kOneOver60;
}

double AddDeltaT(double hours, int year) {
    return hours + DeltaTHours(year);
}

double SiderealYearConstant(int year) {
    const double T0 = CenturiesSince1900(CalendarToJulianDay(0.0, 1, year));
    const double R = 6.6460656 + 2400.051262 * T0 + 0.00002581 * T0 * T0;
    return 24 - (R - 24.0 * (year - 1900));
}

double GreenwichSiderealTime(const CalendarTime& ut) {
    const double N = DayNumber(ut.day, ut.month, ut.year);
    double S = 0.0657098 * N - SiderealYearConstant(ut.year) + 1.002738 * ut.hours;
    if (S > 24) {
        S -= 24;
    }
    if (S < 0) {
        S += 24;
    }
    return S;
}

double UniversalTimeFromSidereal(double g, int day, int month, int year) {
    const double N = DayNumber(day, month, year);
    double S0 = 0.0657098 * N - SiderealYearConstant(year);
    if (S0 < 0) {
        S0 += 24;
    }
    double t = g - S0;
    if (t < 0) {
        t += 24;
    }
    return t * 0.99727;
}

double LocalSiderealTime(double g, const Location& loc) {
    double L = loc.longitudeHemisphere == kWest ? g - loc.longitude * kOneOver15
                                                : g + loc.longitude * kOneOver15;
    if (L > 24) {
        L -= 24;
    }
    if (L < 0) {
        L += 24;
    }
    return L;
}

double MeanSiderealTime(const CalendarTime& ut) {
    const double T = CenturiesSince1900(CalendarToJulianDay(ut.day, ut.month, ut.year));
    const double theta0 = FractionalPart(0.276919398 + 100.0021359 * T + 0.000001075 * T * T);
    return NormalizeDegrees((24 * theta0 + 1.002737908 * ut.hours) * 15) * kOneOver15;
}

double ApparentSiderealTime(const CalendarTime& ut) {
    double dpsi = 0;
    double deps = 0;
    Nutation(ut, dpsi, deps);
    const double epsilon = Obliquity(ut, true);
    return MeanSiderealTime(ut) + dpsi * CosDeg(epsilon) * 1.8518518518518518e-05;
}
