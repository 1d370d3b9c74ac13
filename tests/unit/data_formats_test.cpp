// The data writers of caelor-cli report --format: instants in UT and local
// time, CSV cells and columns, and the iCalendar's lines and UIDs.

#include "cli/data_formats.h"

#include "engine/time.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

Location Place(double timeZone) {
    Location place{};
    std::snprintf(place.name, sizeof place.name, "%s", "Test, place");
    place.latitude = 33.5;
    place.latitudeHemisphere = kSouth;
    place.longitude = 151.25;
    place.longitudeHemisphere = kEast;
    place.timeZone = timeZone;
    return place;
}

} // namespace

TEST(DataFormats, InstantsAreGregorianToTheSecondInUtAndLocalTime) {
    EXPECT_EQ(UtcText(2451545.0), "2000-01-01T12:00:00Z");
    EXPECT_EQ(LocalText(2451545.0, -3.5), "2000-01-01T08:30:00-03:30");
    EXPECT_EQ(LocalText(2451545.0, 10), "2000-01-01T22:00:00+10:00");
    EXPECT_EQ(LocalText(2451545.0, 13), "2000-01-02T01:00:00+13:00");
    // Half a second before midnight rounds into the next day.
    EXPECT_EQ(UtcText(2451545.5 - 0.4 / 86400.0), "2000-01-02T00:00:00Z");
    // The first Gregorian day, and the day before it counted the same way
    // (the reports print it as 4 October 1582, Julian).
    EXPECT_EQ(UtcText(2299160.5), "1582-10-15T00:00:00Z");
    EXPECT_EQ(UtcText(2299159.5), "1582-10-14T00:00:00Z");
    // The reports' 1 January 1000 (Julian) is 6 January in ISO 8601.
    EXPECT_EQ(UtcText(CalendarToJulianDay(1, 1, 1000)), "1000-01-06T00:00:00Z");
}

TEST(DataFormats, CsvHasEveryFieldColumnOnceAndQuotesWhatNeedsIt) {
    Record equinox = EventRecord("march_equinox", "sun", "March equinox", 2461120.1);
    equinox.fields = {NumberField("length_days", 88.98312, 2), TextField("note", "a, \"b\"")};
    Record row;
    row.kind = "planet_view_row";
    row.body = "mars";
    row.year = 2026;
    row.month = 3;
    row.day = 1;
    row.fields = {NumberField("length_days", -0.0001, 3), InstantField("rise", 2461101.0),
                  InstantField("set", 0, false), FlagField("up", true)};
    std::ostringstream out;
    WriteCsv({equinox, row}, Place(10), out);
    EXPECT_EQ(out.str(),
              "kind,body,summary,date,utc,local,length_days,note,rise_utc,rise_local,set_utc,"
              "set_local,up\n"
              "march_equinox,sun,March equinox,,2026-03-20T14:24:00Z,2026-03-21T00:24:00+10:00,"
              "88.98,\"a, \"\"b\"\"\",,,,,\n"
              "planet_view_row,mars,,2026-03-01,,,0.000,,2026-03-01T12:00:00Z,"
              "2026-03-01T22:00:00+10:00,,,true\n");
}

TEST(DataFormats, IcsWritesEachEventOnceInFoldedCrLfLinesWithAStableUid) {
    Record maximum =
        EventRecord("total_lunar_eclipse", "moon", "Total lunar eclipse, maximum", 2460748.77);
    // The same eclipse as the Calendar lists it, by family, and as the Lunar
    // Eclipses report does, by type and with its contacts.
    maximum.kind = "lunar_eclipse";
    Record again = maximum;
    again.kind = "total_lunar_eclipse";
    for (int k = 0; k < 6; ++k) {
        again.fields.push_back(InstantField("contact_" + std::to_string(k), 2460748.7 + k * 0.01));
    }
    Record easter;
    easter.kind = "easter_sunday";
    easter.summary = "Easter Sunday";
    easter.event = true;
    easter.allDay = true;
    easter.year = 2025;
    easter.month = 4;
    easter.day = 20;
    Record row;
    row.kind = "twilight_row";
    DataRequest almanac;
    almanac.report = "almanac";
    const auto ics = [&](const Records& records) {
        std::ostringstream out;
        WriteIcs(records, Place(10), almanac, "2.02", "20261207T000000Z", out);
        return out.str();
    };
    const std::string text = ics({maximum, row, again, easter});
    EXPECT_EQ(ics({maximum, row, again, easter}), text);
    size_t events = 0;
    for (size_t at = text.find("BEGIN:VEVENT"); at != std::string::npos;
         at = text.find("BEGIN:VEVENT", at + 1)) {
        ++events;
    }
    EXPECT_EQ(events, 2u);
    EXPECT_NE(text.find("contact_5: "), std::string::npos) << "the listing with more fields";
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:20250420\r\n"), std::string::npos);
    EXPECT_NE(text.find("SUMMARY:Total lunar eclipse\\, maximum\r\n"), std::string::npos);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        EXPECT_LE(line.size(), 76u) << line; // 75 octets and the CR
    }
    const std::string uid = text.substr(text.find("UID:"), 21);
    Record later = maximum;
    later.jdUt += 1.0 / 1440.0;
    EXPECT_EQ(ics({later}).find(uid), std::string::npos) << "another minute, another UID";
}
