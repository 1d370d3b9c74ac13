#include "report_test_support.h"

#include "engine/location.h"
#include "engine/time.h"
#include "reports/format.h"

#include <gtest/gtest.h>

#include <algorithm>
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

std::string RecordDateText(double jdUt, double timeZone) {
    const CalendarTime local = LocalTimeOf(jdUt, timeZone);
    char text[kFormatSize];
    FormatDate(local.day, local.month, local.year, text);
    return text;
}

std::string RecordTimeText(double jdUt, double timeZone) {
    char text[kFormatSize];
    FormatHoursMinutes(LocalTimeOf(jdUt, timeZone).hours, text);
    return text;
}

namespace {

std::string FieldText(const RecordField& field) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", field.decimals, field.number);
    return text;
}

bool Shows(const std::string& line, const std::string& text) {
    return line.find(text) != std::string::npos;
}

} // namespace

void ExpectRecordsInText(const Records& records, const std::vector<std::string>& lines,
                         double timeZone, int span) {
    size_t next = 0;
    for (size_t r = 0; r < records.size(); ++r) {
        const Record& record = records[r];
        std::vector<std::string> wanted;
        if (record.hasInstant) {
            wanted.push_back(RecordDateText(record.jdUt, timeZone));
            wanted.push_back(RecordTimeText(record.jdUt, timeZone));
        }
        for (const RecordField& field : record.fields) {
            if (field.kind == RecordField::Kind::Number) {
                wanted.push_back(FieldText(field));
            } else if (field.kind == RecordField::Kind::Text) {
                wanted.push_back(field.text);
            }
        }
        size_t at = next;
        for (; at < lines.size(); ++at) {
            if (std::all_of(wanted.begin(), wanted.end(),
                            [&](const std::string& w) { return Shows(lines[at], w); })) {
                break;
            }
        }
        if (at == lines.size()) {
            std::string what;
            for (const std::string& w : wanted) {
                what += " [" + w + "]";
            }
            ADD_FAILURE() << "record " << r << " (" << record.kind << " " << record.body
                          << ") not in the text after line " << next << ":" << what;
            return;
        }
        for (const RecordField& field : record.fields) {
            if (field.kind != RecordField::Kind::Instant || !field.happens) {
                continue;
            }
            const std::string time = RecordTimeText(field.number, timeZone);
            bool found = false;
            for (size_t k = at; k <= at + span && k < lines.size() && !found; ++k) {
                found = Shows(lines[k], time);
            }
            EXPECT_TRUE(found) << "record " << r << " (" << record.kind << "): " << field.name
                               << " " << time << " not on lines " << at << ".." << at + span;
        }
        next = at + 1;
    }
}
