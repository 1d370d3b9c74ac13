// Costs of the Calendar report for a whole year and of the Lunar Eclipses
// report over two thousand years, as a user would run them: the default host
// (never stops), default regional settings.

#include "engine/location.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

Location Sydney() {
    Location loc{};
    std::snprintf(loc.name, sizeof loc.name, "%s", "Sydney");
    loc.latitude = 33 + 52 / 60.0 + 4 / 3600.0;
    loc.latitudeHemisphere = kSouth;
    loc.longitude = 151 + 12 / 60.0 + 26 / 3600.0;
    loc.longitudeHemisphere = kEast;
    loc.timeZone = 10;
    loc.elevation = 58;
    return loc;
}

void BM_CalendarReportTwelveMonths(benchmark::State& state) {
    const Location place = Sydney();
    for (auto _ : state) {
        ReportBuffer buffer;
        CalendarReport(MonthsRequest(2026, 1, 12), buffer, place);
        benchmark::DoNotOptimize(buffer.lineCount);
    }
}
BENCHMARK(BM_CalendarReportTwelveMonths)->Unit(benchmark::kMillisecond);

void BM_LunarEclipseReport1000To3000(benchmark::State& state) {
    const Location place = Sydney();
    for (auto _ : state) {
        ReportBuffer buffer;
        LunarEclipsesReport(YearsRequest(1000, 3000), buffer, place);
        benchmark::DoNotOptimize(buffer.lineCount);
    }
}
BENCHMARK(BM_LunarEclipseReport1000To3000)->Unit(benchmark::kMillisecond);

} // namespace
