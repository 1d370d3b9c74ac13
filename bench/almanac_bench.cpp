// The whole Almanac for a year: every report in one run, as text and as the
// data caelor-cli writes for --format json and ics.

#include "cli/data_formats.h"
#include "engine/location.h"
#include "reports/almanac.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace {

Location Greenwich() {
    Location greenwich{};
    std::snprintf(greenwich.name, sizeof greenwich.name, "Greenwich");
    greenwich.latitude = 51.4772;
    greenwich.longitude = 0.0005;
    greenwich.longitudeHemisphere = kWest;
    greenwich.elevation = 48;
    return greenwich;
}

void BM_AlmanacYear(benchmark::State& state) {
    const Location greenwich = Greenwich();
    for (auto _ : state) {
        ReportBuffer buffer;
        AlmanacReport(MonthsRequest(2026, 1, 12), buffer, greenwich);
        benchmark::DoNotOptimize(buffer.lineCount);
    }
    state.SetLabel("months 1..12");
}
BENCHMARK(BM_AlmanacYear)->Unit(benchmark::kMillisecond);

} // namespace

// The same year's results written as JSON (state.range(0) 0) or iCalendar (1).
void BM_AlmanacYearData(benchmark::State& state) {
    const Location greenwich = Greenwich();
    DataRequest request;
    request.report = "almanac";
    request.dates = DataRequest::Dates::Months;
    request.year = 2026;
    request.firstMonth = 1;
    request.lastMonth = 12;
    const bool ics = state.range(0) == 1;
    size_t bytes = 0;
    for (auto _ : state) {
        const Records records = AlmanacRecords(MonthsRequest(2026, 1, 12), greenwich);
        std::ostringstream out;
        if (ics) {
            WriteIcs(records, greenwich, request, "2.02", "20260101T000000Z", out);
        } else {
            WriteJson(records, greenwich, request, "2.02", out);
        }
        bytes = out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetLabel(std::string(ics ? "ics, " : "json, ") + std::to_string(bytes) + " bytes");
}
BENCHMARK(BM_AlmanacYearData)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
