// Formatting of numbers, angles, dates and times under regional settings.

#include "report_test_support.h"

#include "reports/format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Settings = std::map<std::string, std::string>;

std::string Fixed(double value, int width, int decimals) {
    char out[kFormatSize];
    FormatFixed(value, width, decimals, out);
    return out;
}

std::string Date(int day, int month, int year) {
    char out[kFormatSize];
    FormatDate(day, month, year, out);
    return out;
}

std::string Hm(double hours) {
    char out[kFormatSize];
    FormatHoursMinutes(hours, out);
    return out;
}

std::string Sexagesimal(double angle, int degreeMode) {
    char out[kFormatSize];
    FormatSexagesimal(angle, degreeMode, out);
    return out;
}

std::string Compass(double azimuth) {
    char out[kFormatSize];
    CompassPoint(azimuth, out);
    return out;
}

TEST(FormatFixed, DefaultSettings) {
    FixedLocale locale;
    EXPECT_EQ(Fixed(5, 3, 2), "  5.00");
    EXPECT_EQ(Fixed(45.678, 3, 2), " 45.68");
    EXPECT_EQ(Fixed(100, 3, 2), "100.00");
    EXPECT_EQ(Fixed(-3.5, 3, 2), " -3.50");
    EXPECT_EQ(Fixed(1234.5, 3, 1), "123.5"); // the integer part is cut to its width
    EXPECT_EQ(Fixed(7.4, 3, 0), "  7");
    EXPECT_EQ(Fixed(0.5, 3, 2), "  0.50");
}

TEST(FormatFixed, DecimalCommaAndNoLeadingZero) {
    FixedLocale locale(Settings{{"sdecimal", ","}, {"iLzero", "0"}});
    EXPECT_EQ(Fixed(2.5, 3, 2), "  2,50");
    EXPECT_EQ(Fixed(0.5, 3, 2), "   ,50");
    EXPECT_EQ(Fixed(-0.5, 3, 2), "  -,50");
    EXPECT_EQ(Fixed(10.25, 3, 2), " 10,25");
}

TEST(FormatFixed, HugeValuesStayInTheBuffer) {
    FixedLocale locale;
    const std::string text = Fixed(1e300, 70, 5);
    EXPECT_LE(text.size(), 80u);
}

TEST(FormatDate, PatternsOfTheRegionalSettings) {
    {
        FixedLocale locale;
        EXPECT_EQ(Date(5, 1, 1994), "01/05/1994");
        EXPECT_EQ(Date(4, 3, 1994), "03/04/1994");
    }
    {
        FixedLocale locale(Settings{{"sshortdate", "d/M/yy"}});
        EXPECT_EQ(Date(5, 1, 1994), " 5/ 1/1994");
    }
    {
        FixedLocale locale(Settings{{"sshortdate", "dd.MM.yyyy"}});
        EXPECT_EQ(Date(5, 1, 1994), "05.01.1994");
    }
    {
        FixedLocale locale(Settings{{"sshortdate", "yyyy-MM-dd"}});
        EXPECT_EQ(Date(5, 1, 1994), "1994-01-05");
        EXPECT_EQ(Date(5, 1, 800), " 800-01-05");
    }
    {
        FixedLocale locale(Settings{{"sshortdate", "yyyyMMdd"}}); // no separator
        EXPECT_EQ(LocaleDateSeparator(false), '/');
        EXPECT_EQ(LocaleDateOrder(false), 5);
    }
    {
        FixedLocale locale(Settings{{"sshortdate", "??"}});
        EXPECT_EQ(LocaleDateOrder(false), 2);
    }
}

TEST(FormatDate, Ranges) {
    FixedLocale locale;
    char out[kFormatSize];
    FormatMonthRange(1, 12, 2026, out);
    EXPECT_STREQ(out, "01/01/2026 to 12/31/2026");
    FormatMonthRange(2, 2, 2024, out);
    EXPECT_STREQ(out, "02/01/2024 to 02/29/2024");
    FormatMonthRange(10, 10, 1582, out);
    EXPECT_STREQ(out, "10/01/1582 to 10/31/1582");
    FormatYearRange(1994, 1994, out);
    EXPECT_STREQ(out, "1994");
    FormatYearRange(1994, 2000, out);
    EXPECT_STREQ(out, "1994 to 2000");
}

TEST(FormatHoursMinutes, ClockTimes) {
    {
        FixedLocale locale;
        EXPECT_EQ(Hm(6.5), " 6:30");
        EXPECT_EQ(Hm(23.999), "24:00");
        EXPECT_EQ(Hm(-1.0), "None ");
        EXPECT_EQ(Hm(-2.5), " 2:30");
        EXPECT_EQ(Hm(0.0), " 0:00");
        EXPECT_EQ(Hm(12.0 + 59.6 / 60), "13:00");
    }
    {
        FixedLocale locale(Settings{{"itlzero", "1"}, {"stime", "."}});
        EXPECT_EQ(Hm(6.5), "06.30");
    }
}

TEST(FormatSexagesimal, DegreesAndHours) {
    FixedLocale locale;
    EXPECT_EQ(Sexagesimal(5 + 3 / 60.0 + 7 / 3600.0, 0), "  5h03m07s");
    EXPECT_EQ(Sexagesimal(-(23 + 26 / 60.0 + 21.4 / 3600.0), 1), "-23\26026'21\"");
    EXPECT_EQ(Sexagesimal(60 - 0.4 / 3600, 1), " 60\26000'00\""); // rounding carries
    EXPECT_EQ(Sexagesimal(0.0, 1), " 0\26000'00\"");
    char out[kFormatSize];
    FormatSexagesimalShort(5 + 3 / 60.0 + 7 / 3600.0, 0, out);
    EXPECT_STREQ(out, "  5h03m");
}

TEST(FormatWords, CompassPhasesSeasonsAndSigns) {
    EXPECT_EQ(Compass(0), "N");
    EXPECT_EQ(Compass(45), "NE");
    EXPECT_EQ(Compass(90), "E");
    EXPECT_EQ(Compass(135), "SE");
    EXPECT_EQ(Compass(180), "S");
    EXPECT_EQ(Compass(200), "SW");
    EXPECT_EQ(Compass(270), "W");
    EXPECT_EQ(Compass(359.9), "NW");
    EXPECT_EQ(Compass(360), "N");
    EXPECT_EQ(Compass(-90), "W");
    char out[kFormatSize];
    PhaseAbbreviation(2, out);
    EXPECT_STREQ(out, "FM");
    SeasonAbbreviation(3, out);
    EXPECT_STREQ(out, "DSO");
    EXPECT_EQ(HemisphereLetter(0), 'N');
    EXPECT_EQ(HemisphereLetter(1), 'S');
    EXPECT_EQ(HemisphereLetter(2), 'W');
    EXPECT_EQ(HemisphereLetter(3), 'E');
    EXPECT_EQ(SignCharacter(0.0), '+');
    EXPECT_EQ(SignCharacter(-0.1), '-');
}

TEST(FormatWords, BlankHandlingOfTypedFields) {
    char text[kFormatSize] = "  12  5 \t";
    TrimBlanks(text);
    EXPECT_STREQ(text, "12  5");
    char all[kFormatSize] = " 1 2\t3 ";
    RemoveBlanks(all);
    EXPECT_STREQ(all, "123");
    char runs[kFormatSize] = "  New   York ";
    CollapseBlanks(runs);
    EXPECT_STREQ(runs, "New York");
    EXPECT_EQ(ScaleToPixel(5, 0, 10, 100, 20), 70);
}

class ChangingLocale : public LocaleSource {
  public:
    std::string decimal = ",";
    bool Read(const char* key, char* value, int size) override {
        if (std::string(key) != "sdecimal") {
            return false;
        }
        std::snprintf(value, size, "%s", decimal.c_str());
        return true;
    }
};

TEST(LocaleSettings, CachedUntilReloaded) {
    ChangingLocale source;
    SetLocaleSource(&source);
    EXPECT_EQ(LocaleDecimalSeparator(false), ',');
    source.decimal = ";";
    EXPECT_EQ(LocaleDecimalSeparator(false), ','); // still the cached value
    ReloadLocaleSettings();                        // the system announced a change
    EXPECT_EQ(LocaleDecimalSeparator(false), ';');
    SetLocaleSource(nullptr);
    EXPECT_EQ(LocaleDecimalSeparator(false), '.'); // key absent: the default
}

} // namespace
