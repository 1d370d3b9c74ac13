// The reader of CITIES.DAT meets whatever a user or another program left in
// the file, so it must never fault; and what it writes back must read back
// as the same places, or a save would quietly move a city.
#include "settings/city_database.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The file keeps the time zone to hundredths of an hour, so that is all a
// round trip can promise for it.
bool SameStoredEntry(const CityEntry& a, const CityEntry& b) {
    return std::strcmp(a.name, b.name) == 0 && a.latitudeDegrees == b.latitudeDegrees &&
           a.latitudeMinutes == b.latitudeMinutes && a.latitudeSeconds == b.latitudeSeconds &&
           a.latitudeHemisphere == b.latitudeHemisphere &&
           a.longitudeDegrees == b.longitudeDegrees && a.longitudeMinutes == b.longitudeMinutes &&
           a.longitudeSeconds == b.longitudeSeconds &&
           a.longitudeHemisphere == b.longitudeHemisphere &&
           std::fabs(a.timeZone - b.timeZone) <= 0.005 + 1e-9 && a.elevation == b.elevation;
}

[[noreturn]] void Mismatch(const char* what, const std::string& written) {
    std::fprintf(stderr, "city database round trip: %s\n--- written ---\n%s--- end ---\n", what,
                 written.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const CityDatabase first = ParseCityDatabase(text);
    const std::string written = FormatCityDatabase(first);
    const CityDatabase second = ParseCityDatabase(written);
    if (second.entries.size() != first.entries.size()) {
        Mismatch("entry count differs", written);
    }
    for (size_t i = 0; i < first.entries.size(); ++i) {
        if (!SameStoredEntry(first.entries[i], second.entries[i])) {
            Mismatch("entry differs", written);
        }
    }
    return 0;
}
