// Costs of the planet and star positions: the graphs evaluate a planet for
// every plotted day, the movies every planet in every frame, and the
// planetarium one catalogue star per frame.

#include "engine/frames.h"
#include "engine/planets.h"
#include "engine/stars.h"
#include "engine/sun.h"

#include <benchmark/benchmark.h>

namespace {

// One uncached evaluation: the Sun's cache is emptied each round, as it is
// when a graph steps from day to day.
void BM_PlanetPosition(benchmark::State& state) {
    const int body = static_cast<int>(state.range(0));
    double hours = 0;
    for (auto _ : state) {
        SunCacheInvalidate();
        const PlanetPlace planet = PlanetPosition(body, {2026, 3, 14, hours}, true);
        benchmark::DoNotOptimize(planet.alpha);
        benchmark::DoNotOptimize(planet.delta);
        benchmark::DoNotOptimize(planet.distance);
        hours = hours < 23 ? hours + 0.37 : 0;
    }
}
BENCHMARK(BM_PlanetPosition)->DenseRange(kMercury, kPluto)->ArgName("body");

// A star of a planetarium frame: the Sun is normally cached, since all
// stars of the frame share the instant.
void BM_StarApparentPlace(benchmark::State& state) {
    const bool cachedSun = state.range(0) != 0;
    double alpha0 = 0;
    double jd = 2461114.5;
    for (auto _ : state) {
        if (!cachedSun) {
            SunCacheInvalidate();
        }
        double alpha, delta;
        StarApparentPlace(2000, alpha0, 38.78, jd, alpha, delta);
        benchmark::DoNotOptimize(alpha);
        benchmark::DoNotOptimize(delta);
        alpha0 = alpha0 < 23 ? alpha0 + 0.77 : 0;
    }
}
BENCHMARK(BM_StarApparentPlace)->Arg(0)->Arg(1)->ArgName("cachedSun");

} // namespace
