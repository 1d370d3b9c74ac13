// Graphs drawn onto a recording surface: the work of the curves without the
// cost of a screen. Targets: the Eclipses graph for 1000 .. 3000 under 3 s,
// Planet Magnitude of every planet under 50 ms.

#include "engine/location.h"
#include "graphs/graphs.h"
#include "graphs/recording_surface.h"
#include "settings/bit_set.h"

#include <benchmark/benchmark.h>

#include <cstdio>

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

void BM_EclipsesGraph1000To3000(benchmark::State& state) {
    const Location place = Greenwich();
    for (auto _ : state) {
        RecordingSurface surface(16, 16, 640, 480);
        surface.Prepare(kPageMapping, 640, 480, true);
        EclipsesGraph(surface, 1000, 3000, place);
        benchmark::DoNotOptimize(surface.Calls().size());
    }
    state.SetLabel("years 1000..3000");
}
BENCHMARK(BM_EclipsesGraph1000To3000)->Unit(benchmark::kMillisecond);

void BM_PlanetMagnitudeAllPlanets(benchmark::State& state) {
    BitSet planets = 0;
    for (int body = 3; body <= 10; ++body) {
        SetAdd(body, planets);
    }
    for (auto _ : state) {
        RecordingSurface surface(16, 16, 640, 480);
        surface.Prepare(kPageMapping, 640, 480, true);
        PlanetMagnitudeGraph(surface, 2026, planets);
        benchmark::DoNotOptimize(surface.Calls().size());
    }
    state.SetLabel("Mercury..Pluto, 2026");
}
BENCHMARK(BM_PlanetMagnitudeAllPlanets)->Unit(benchmark::kMillisecond);

} // namespace
