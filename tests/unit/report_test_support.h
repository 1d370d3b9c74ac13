// Helpers shared by the report tests: a host that records what generators
// do, fixed regional settings, and the buffer's lines as strings.
#pragma once

#include "engine/location.h"
#include "reports/host_hooks.h"
#include "reports/locale.h"
#include "reports/records.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// Thrown by the test host instead of ending the process.
struct FatalErrorRaised : std::runtime_error {
    int messageId;
    std::string module;
    explicit FatalErrorRaised(int id, const char* failedModule = "")
        : std::runtime_error("fatal error " + std::to_string(id) + " in " + failedModule),
          messageId(id), module(failedModule) {}
};

// Records progress calls and can ask the generator to stop after a number
// of pumps.
class RecordingHost : public ReportHost {
  public:
    int stopAfterPumps = -1;
    int pumps = 0;
    std::vector<double> fractions;

    int PumpMessages(int) override {
        ++pumps;
        if (stopAfterPumps >= 0 && pumps > stopAfterPumps) {
            StopFlag = true;
        }
        return StopFlag ? 1 : 0;
    }
    void ReportProgress(int, bool, double fraction) override { fractions.push_back(fraction); }
    void ReportLineAdded(int, const char*) override {}
    [[noreturn]] void FatalError(int messageId, const char* module, int) override {
        throw FatalErrorRaised(messageId, module);
    }
};

// Installs a recording host and clears StopFlag for one test; restores the
// default host afterwards.
class ScopedHost {
  public:
    ScopedHost() {
        StopFlag = false;
        SetReportHost(&host);
    }
    ~ScopedHost() {
        SetReportHost(nullptr);
        StopFlag = false;
    }
    RecordingHost host;
};

// Regional settings from a fixed table; absent keys take the defaults.
class FixedLocale : public LocaleSource {
  public:
    explicit FixedLocale(std::map<std::string, std::string> values = {})
        : values_(std::move(values)) {
        SetLocaleSource(this);
    }
    ~FixedLocale() override { SetLocaleSource(nullptr); }
    bool Read(const char* key, char* value, int size) override {
        const auto it = values_.find(key);
        if (it == values_.end()) {
            return false;
        }
        std::snprintf(value, size, "%s", it->second.c_str());
        return true;
    }

  private:
    std::map<std::string, std::string> values_;
};

inline std::vector<std::string> BufferLines(const ReportBuffer& buffer) {
    std::vector<std::string> lines;
    for (int i = 0; i < buffer.lineCount; ++i) {
        lines.emplace_back(buffer.Line(i));
    }
    return lines;
}

// Compares the buffer's lines (each followed by "\n", as caelor-cli prints
// them) with tests/unit/golden/NAME. With CAELOR_UPDATE_GOLDEN=1 in the
// environment the file is written instead; review such a file by eye before
// committing it.
void ExpectMatchesGolden(const ReportBuffer& buffer, const std::string& name);

// Runs a generator for the months startMonth .. stopMonth of 2026 and
// compares its buffer with a golden file.
void ExpectGolden(ReportGenerator report, const Location& place, int startMonth, int stopMonth,
                  const char* golden);

// A place for report tests.
Location TestPlace(const char* name, double lat, int latHem, double lon, int lonHem, double tz,
                   int elevation);

// How the text reports print a record's instant at a place: its local date
// and hour:minute (the regional settings in force).
std::string RecordDateText(double jdUt, double timeZone);
std::string RecordTimeText(double jdUt, double timeZone);

// Every record stands in the text, in order: for each record the next line
// (after the previous record's) that shows its local date and time (when it
// has an instant) and every Number field with its decimals and every Text
// field; an Instant field with happens shows its time on that line or on
// one of the `span` lines after it. Reports the first record not found.
void ExpectRecordsInText(const Records& records, const std::vector<std::string>& lines,
                         double timeZone, int span = 0);

// Every record stands in its block, for reports that print a record as
// several lines (an eclipse: a date line, then a line per contact). A block
// opens with a line that starts with one of the openers; there is one block
// per record, in order. The block's first line shows the record's local
// date; every Number field (with its decimals) and Text field stands on one
// of its lines; every Instant field, and the record's own instant under the
// name "" unless a field stands for it, must have a label in labels: the
// block's line that starts with
// the label (blanks aside) shows the local time when the instant happens,
// and is missing or shows no time when it does not. A label may give
// alternatives separated by "|".
void ExpectRecordsInBlocks(const Records& records, const std::vector<std::string>& lines,
                           double timeZone, const std::vector<std::string>& openers,
                           const std::map<std::string, std::string>& labels);
