// Costs of the planet reports at the sizes the Almanac runs them: a year of
// weekly rows for every planet, a year of conjunctions and oppositions, one
// year of apsides. The default host is installed, so only the computing and
// the formatting are timed.

#include "engine/location.h"
#include "reports/reports.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

Location SydneyPlace() {
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

// The Almanac runs them, with all planets.
ReportRequest InsideAlmanac(ReportRequest request) {
    request.insideAlmanac = true;
    return request;
}

void BM_PlanetViewInfoYear(benchmark::State& state) {
    const Location loc = SydneyPlace();
    ReportBuffer buffer;
    for (auto _ : state) {
        ReportFree(buffer);
        PlanetViewInfoReport(InsideAlmanac(MonthsRequest(2026, 1, 12, kAllBodies)), buffer, loc);
        benchmark::DoNotOptimize(buffer.lineCount);
    }
    state.counters["lines"] = buffer.lineCount;
}
BENCHMARK(BM_PlanetViewInfoYear)->Unit(benchmark::kMillisecond);

void BM_PlanetConjOppYear(benchmark::State& state) {
    const Location loc = SydneyPlace();
    ReportBuffer buffer;
    for (auto _ : state) {
        ReportFree(buffer);
        PlanetConjOppReport(InsideAlmanac(MonthsRequest(2026, 1, 12, kAllBodies)), buffer, loc);
        benchmark::DoNotOptimize(buffer.lineCount);
    }
    state.counters["lines"] = buffer.lineCount;
}
BENCHMARK(BM_PlanetConjOppYear)->Unit(benchmark::kMillisecond);

void BM_PlanetApsidesYear(benchmark::State& state) {
    const Location loc = SydneyPlace();
    ReportBuffer buffer;
    for (auto _ : state) {
        ReportFree(buffer);
        PlanetApsidesReport(InsideAlmanac(YearsRequest(2026, 2026, kAllBodies)), buffer, loc);
        benchmark::DoNotOptimize(buffer.lineCount);
    }
    state.counters["lines"] = buffer.lineCount;
}
BENCHMARK(BM_PlanetApsidesYear)->Unit(benchmark::kMillisecond);

} // namespace
