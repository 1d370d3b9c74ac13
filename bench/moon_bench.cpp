// Costs of the Moon and of Jupiter's moons: the Moon graphs and the
// planetarium evaluate the Moon once per plotted point or frame, the Jupiter
// moons graph and movie the four moons once per step.

#include "engine/jupiter_moons.h"
#include "engine/moon.h"
#include "engine/sun.h"

#include <benchmark/benchmark.h>

namespace {

// A new instant every iteration, so the Sun that the Moon evaluates is
// never answered from the Sun's cache.
void BM_MoonPosition(benchmark::State& state) {
    double hours = 0;
    for (auto _ : state) {
        const MoonPlace moon = MoonPosition({1987, 4, 10, hours});
        benchmark::DoNotOptimize(moon.lambda);
        benchmark::DoNotOptimize(moon.alpha);
        benchmark::DoNotOptimize(moon.k);
        hours = hours < 23 ? hours + 0.37 : 0;
    }
}
BENCHMARK(BM_MoonPosition);

// The same instant over and over with the Sun's cache emptied each time:
// the full cost even if the instants of a caller repeat.
void BM_MoonPositionSunUncached(benchmark::State& state) {
    for (auto _ : state) {
        SunCacheInvalidate();
        const MoonPlace moon = MoonPosition({1987, 4, 10, 6.5});
        benchmark::DoNotOptimize(moon.lambda);
        benchmark::DoNotOptimize(moon.alpha);
        benchmark::DoNotOptimize(moon.k);
    }
}
BENCHMARK(BM_MoonPositionSunUncached);

void BM_MoonPhase(benchmark::State& state) {
    double year = 1990.0;
    int phase = 0;
    for (auto _ : state) {
        double F, M, M1, T, meanInstant, trueInstant;
        MoonPhase(year, phase, F, M, M1, T, meanInstant, trueInstant);
        benchmark::DoNotOptimize(trueInstant);
        phase = (phase + 1) & 3;
        year = year < 2100 ? year + 0.081 : 1990.0;
    }
}
BENCHMARK(BM_MoonPhase);

void BM_JupiterMoons(benchmark::State& state) {
    double jd = 2451545.0;
    for (auto _ : state) {
        MoonOfJupiter records[4];
        JupiterMoons(InstantOfUt(jd), records);
        benchmark::DoNotOptimize(records);
        jd += 0.0417;
    }
}
BENCHMARK(BM_JupiterMoons);

} // namespace
