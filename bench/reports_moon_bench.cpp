// Costs of the Moon and sky-event reports for a whole year, as the Almanac
// runs them: Moon Apsides (the daily lunar distance plus 47 hourly ones per
// apsis), Twilight (a sunrise and sunset a week), Meteor Showers (the Sun
// once a day) and Moon Nodes (closed-form instants).

#include "engine/location.h"
#include "reports/host_hooks.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

Location Sydney() {
    Location loc{};
    std::snprintf(loc.name, sizeof loc.name, "Sydney");
    loc.latitude = 33 + 52 / 60.0 + 4 / 3600.0;
    loc.latitudeHemisphere = kSouth;
    loc.longitude = 151 + 12 / 60.0 + 26 / 3600.0;
    loc.longitudeHemisphere = kEast;
    loc.timeZone = 10;
    loc.elevation = 58;
    return loc;
}

template <ReportGenerator Report> void BM_YearReport(benchmark::State& state) {
    StopFlag = false;
    const Location place = Sydney();
    for (auto _ : state) {
        ReportBuffer buffer;
        Report(MonthsRequest(2026, 1, 12), buffer, place);
        benchmark::DoNotOptimize(buffer.lineCount);
    }
}

void BM_MoonApsidesYear(benchmark::State& state) {
    BM_YearReport<MoonApsidesReport>(state);
}
BENCHMARK(BM_MoonApsidesYear)->Unit(benchmark::kMillisecond);

void BM_TwilightYear(benchmark::State& state) {
    BM_YearReport<TwilightReport>(state);
}
BENCHMARK(BM_TwilightYear)->Unit(benchmark::kMillisecond);

void BM_MeteorShowersYear(benchmark::State& state) {
    BM_YearReport<MeteorShowersReport>(state);
}
BENCHMARK(BM_MeteorShowersYear)->Unit(benchmark::kMillisecond);

void BM_MoonNodesYear(benchmark::State& state) {
    BM_YearReport<MoonNodesReport>(state);
}
BENCHMARK(BM_MoonNodesYear)->Unit(benchmark::kMillisecond);

} // namespace
