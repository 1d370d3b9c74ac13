// Costs of the Sun and of rise/set, which the yearly reports call for every
// day and body.

#include "engine/frames.h"
#include "engine/location.h"
#include "engine/riseset.h"
#include "engine/sun.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SunPositionUncached(benchmark::State& state) {
    double hours = 0;
    for (auto _ : state) {
        SunCacheInvalidate();
        const SunPlace sun = SunPosition({1992, 10, 13, hours}, true);
        benchmark::DoNotOptimize(sun.alpha);
        hours = hours < 23 ? hours + 0.25 : 0;
    }
}
BENCHMARK(BM_SunPositionUncached);

void BM_RiseSet(benchmark::State& state) {
    const int body = static_cast<int>(state.range(0));
    Location loc{};
    loc.latitude = 51.4772;
    loc.longitude = 0.0005;
    loc.longitudeHemisphere = kWest;
    int day = 1;
    for (auto _ : state) {
        const RiseSetTimes times = RiseSet(body, day, 3, 2026, loc);
        benchmark::DoNotOptimize(times.rise.hours);
        benchmark::DoNotOptimize(times.set.hours);
        day = day < 28 ? day + 1 : 1;
    }
    state.SetLabel(body == kSun ? "Sun" : "Moon");
}
BENCHMARK(BM_RiseSet)->Arg(kSun)->Arg(kMoon);

} // namespace
