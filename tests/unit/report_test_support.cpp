#include "report_test_support.h"

#include "engine/location.h"
#include "engine/time.h"
#include "reports/format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
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

namespace {

bool StartsWith(const std::string& line, const std::string& prefix) {
    const size_t first = line.find_first_not_of(' ');
    return first != std::string::npos && line.compare(first, prefix.size(), prefix) == 0;
}

} // namespace

void ExpectRecordsInBlocks(const Records& records, const std::vector<std::string>& lines,
                           double timeZone, const std::vector<std::string>& openers,
                           const std::map<std::string, std::string>& labels) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (const std::string& opener : openers) {
            if (StartsWith(lines[i], opener)) {
                starts.push_back(i);
                break;
            }
        }
    }
    ASSERT_EQ(starts.size(), records.size()) << "blocks in the text and records";
    starts.push_back(lines.size());
    const std::regex time("[0-9]:[0-9][0-9]");
    for (size_t r = 0; r < records.size(); ++r) {
        const Record& record = records[r];
        const std::vector<std::string> block(lines.begin() + static_cast<std::ptrdiff_t>(starts[r]),
                                             lines.begin() +
                                                 static_cast<std::ptrdiff_t>(starts[r + 1]));
        const std::string where = "record " + std::to_string(r) + " (" + record.kind + ")";
        ASSERT_TRUE(record.hasInstant) << where;
        EXPECT_TRUE(Shows(block[0], RecordDateText(record.jdUt, timeZone)))
            << where << ": date " << RecordDateText(record.jdUt, timeZone) << " not on "
            << block[0];
        std::vector<RecordField> instants;
        if (labels.count("") != 0) {
            instants.push_back(InstantField("", record.jdUt));
        }
        for (const RecordField& field : record.fields) {
            std::string wanted;
            if (field.kind == RecordField::Kind::Number) {
                wanted = FieldText(field);
            } else if (field.kind == RecordField::Kind::Text) {
                wanted = field.text;
            } else if (field.kind == RecordField::Kind::Instant) {
                instants.push_back(field);
                continue;
            } else {
                continue;
            }
            EXPECT_TRUE(std::any_of(block.begin(), block.end(),
                                    [&](const std::string& line) { return Shows(line, wanted); }))
                << where << ": " << field.name << " [" << wanted << "] not in its block";
        }
        for (const RecordField& instant : instants) {
            const auto label = labels.find(instant.name);
            if (label == labels.end()) {
                ADD_FAILURE() << where << ": no label for the instant \"" << instant.name << "\"";
                continue;
            }
            // A label may name alternatives, "Totality begins|Annularity begins".
            std::vector<std::string> alternatives;
            for (size_t from = 0;;) {
                const size_t bar = label->second.find('|', from);
                alternatives.push_back(label->second.substr(from, bar - from));
                if (bar == std::string::npos) {
                    break;
                }
                from = bar + 1;
            }
            const auto line = std::find_if(block.begin(), block.end(), [&](const std::string& l) {
                return std::any_of(alternatives.begin(), alternatives.end(),
                                   [&](const std::string& a) { return StartsWith(l, a); });
            });
            if (instant.happens) {
                const std::string wanted = RecordTimeText(instant.number, timeZone);
                EXPECT_TRUE(line != block.end() && Shows(*line, wanted))
                    << where << ": " << instant.name << " " << wanted << " not on the line "
                    << label->second;
            } else {
                EXPECT_TRUE(line == block.end() || !std::regex_search(*line, time))
                    << where << ": " << instant.name << " does not happen, yet " << *line;
            }
        }
    }
}
