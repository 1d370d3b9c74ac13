// Cost of the local eclipse computation over the years 1000 .. 3000 at one
// place, as a Local Eclipses report for that range would run it: each
// year's phases (200 MoonPhase calls), the eclipse search, nine Sun and
// Moon positions for the Besselian elements of each solar eclipse and the
// iteration at the place, five Moon positions for each lunar eclipse.
// Target: well under 2 s natively.

#include "engine/location.h"
#include "reports/eclipses.h"
#include "reports/host_hooks.h"
#include "reports/local_eclipses_math.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

Location Greenwich() {
    Location loc{};
    std::snprintf(loc.name, sizeof loc.name, "Greenwich");
    loc.latitude = 51.4772;
    loc.latitudeHemisphere = kNorth;
    loc.longitude = 0.0005;
    loc.longitudeHemisphere = kWest;
    loc.timeZone = 0;
    loc.elevation = 47;
    return loc;
}

void BM_LocalEclipses1000To3000(benchmark::State& state) {
    StopFlag = false;
    const Location place = Greenwich();
    int solar = 0;
    int lunar = 0;
    for (auto _ : state) {
        solar = 0;
        lunar = 0;
        for (int year = 1000; year <= 3000; ++year) {
            MoonPhaseList phases;
            CollectMoonPhases(year, phases, -1, false, 0, 0);
            LocalEclipsesYear eclipses;
            LocalEclipsesOfYear(year, phases, place, eclipses);
            solar += eclipses.solarCount;
            lunar += eclipses.lunarCount;
        }
        benchmark::DoNotOptimize(solar);
    }
    state.counters["solar_seen"] = solar;
    state.counters["lunar"] = lunar;
}
BENCHMARK(BM_LocalEclipses1000To3000)->Unit(benchmark::kMillisecond);

// The whole Local Eclipses report for the same range: the computation above
// and the lines it writes (some 30,000), as Reports > Local Eclipses and
// caelor-cli run it. Target: under 2 s natively.
void BM_LocalEclipsesReport1000To3000(benchmark::State& state) {
    StopFlag = false;
    const Location place = Greenwich();
    int lines = 0;
    for (auto _ : state) {
        ReportBuffer buffer;
        LocalEclipsesReport(YearsRequest(1000, 3000), buffer, place);
        lines = buffer.lineCount;
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = lines;
}
BENCHMARK(BM_LocalEclipsesReport1000To3000)->Unit(benchmark::kMillisecond);

} // namespace
