// The whole Almanac for a year: every report in one run.

#include "engine/location.h"
#include "reports/almanac.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

void BM_AlmanacYear(benchmark::State& state) {
    Location greenwich{};
    std::snprintf(greenwich.name, sizeof greenwich.name, "Greenwich");
    greenwich.latitude = 51.4772;
    greenwich.longitude = 0.0005;
    greenwich.longitudeHemisphere = kWest;
    greenwich.elevation = 48;
    for (auto _ : state) {
        ReportBuffer buffer;
        AlmanacReport(MonthsRequest(2026, 1, 12), buffer, greenwich);
        benchmark::DoNotOptimize(buffer.lineCount);
    }
    state.SetLabel("months 1..12");
}
BENCHMARK(BM_AlmanacYear)->Unit(benchmark::kMillisecond);

} // namespace
