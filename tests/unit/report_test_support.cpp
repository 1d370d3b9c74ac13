#include "report_test_support.h"

#include "engine/location.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

void ExpectMatchesGolden(const ReportBuffer& buffer, const std::string& name) {
    std::string text;
    for (int i = 0; i < buffer.lineCount; ++i) {
        text += buffer.Line(i);
        text += '\n';
    }
    const std::string path = std::string(CAELOR_SOURCE_DIR) + "/tests/unit/golden/" + name;
    const char* update = std::getenv("CAELOR_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream out(path, std::ios::binary);
        out << text;
        ASSERT_TRUE(out.good()) << "cannot write " << path;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << "missing golden file " << path
                           << " (run with CAELOR_UPDATE_GOLDEN=1 to make it)";
    std::ostringstream expected;
    expected << in.rdbuf();
    if (expected.str() == text) {
        return;
    }
    // Name the first line that differs rather than dumping both reports.
    std::istringstream a(expected.str());
    std::istringstream b(text);
    std::string la;
    std::string lb;
    int line = 1;
    while (true) {
        const bool ha = static_cast<bool>(std::getline(a, la));
        const bool hb = static_cast<bool>(std::getline(b, lb));
        if (!ha && !hb) {
            break;
        }
        if (!ha || !hb || la != lb) {
            ADD_FAILURE() << name << " differs at line " << line << "\n  expected: " << la
                          << "\n  actual:   " << lb;
            return;
        }
        ++line;
    }
    ADD_FAILURE() << name << " differs";
}

Location TestPlace(const char* name, double lat, int latHem, double lon, int lonHem, double tz,
                   int elevation) {
    Location loc{};
    std::snprintf(loc.name, sizeof loc.name, "%s", name);
    loc.latitude = lat;
    loc.latitudeHemisphere = latHem;
    loc.longitude = lon;
    loc.longitudeHemisphere = lonHem;
    loc.timeZone = tz;
    loc.elevation = elevation;
    return loc;
}

void ExpectGolden(ReportGenerator report, const Location& place, int startMonth, int stopMonth,
                  const char* golden) {
    ScopedHost scope;
    ReportBuffer buffer;
    report(MonthsRequest(2026, startMonth, stopMonth), buffer, place);
    ExpectMatchesGolden(buffer, golden);
}
