// Cost of composing one movie frame (computation and every drawing call, on
// a recording surface): each tick of the 250 ms timer must leave the window
// time to breathe. The planetarium runs with the shipped catalogue of 1,159
// stars and the whole view set.

#include "graphs/recording_surface.h"
#include "movies/movie_run.h"
#include "movies/world_map.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace {

StarCatalogue FullCatalogue() {
    StarCatalogue c;
    std::FILE* file = std::fopen(CAELOR_SOURCE_DIR "/caelor/data/STARS.DAT", "rb");
    if (file != nullptr) {
        const bool loaded = ReadStarCatalogue(file, c) == StarCatalogueStatus::kLoaded;
        std::fclose(file);
        if (loaded && c.stars.size() == static_cast<size_t>(kStarSlots)) {
            return c;
        }
    }
    c.stars.clear();
    // A spiral of equal-area points: every part of the sky has stars.
    for (int i = 0; i < kStarSlots; ++i) {
        StarRecord s;
        const double z = 1.0 - 2.0 * (i + 0.5) / kStarSlots;
        s.declination = std::asin(z) * 57.29577951308232;
        s.rightAscension = std::fmod(i * 137.50776405, 360.0) / 15.0;
        s.radius = 1 + i % 4;
        c.stars.push_back(s);
    }
    return c;
}

MovieObserver Greenwich(double viewAngle, int speed) {
    MovieObserver o{};
    o.location.latitude = 51.4772;
    o.location.longitude = 0.0005;
    o.location.longitudeHemisphere = kWest;
    o.viewAngle = viewAngle;
    o.timeSpeed = speed;
    return o;
}

void RunMovie(benchmark::State& state, int command, MovieParams params, double viewAngle,
              StarCatalogue* catalogue, bool jetTrails) {
    MovieRun run;
    MovieObserver o = Greenwich(viewAngle, 16);
    o.dayNightStep = 1;
    run.Start(command, o, params);
    if (jetTrails) {
        run.ToggleJetTrails();
    }
    MonoBitmap map;
    WorldMapFromBitmapBytes(WorldMapBytes().data(), WorldMapBytes().size(), map);
    double wall = 2461000.5;
    for (auto _ : state) {
        // A fresh window surface each tick, as the timer gets a new context;
        // its record of calls is what the frame cost to draw.
        RecordingSurface window(8, 16, 800, 600);
        window.Prepare(kPageMapping, 800, 600, true);
        run.Tick(window, 800, 600, wall, &map, catalogue);
        wall += 0.25 / 86400.0;
        benchmark::DoNotOptimize(window.Calls().size());
    }
}

void BM_PlanetariumFrame(benchmark::State& state) {
    StarCatalogue catalogue = FullCatalogue();
    MovieParams params;
    params.start = {2026, 1, 10, 22, 0};
    params.planetarium.viewSet = 0xFFBu;
    params.planetarium.target = 6;
    params.trackBody = state.range(0) != 0;
    RunMovie(state, 64, params, 90.0, &catalogue, state.range(1) != 0);
}
BENCHMARK(BM_PlanetariumFrame)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->ArgNames({"track", "trails"})
    ->Unit(benchmark::kMicrosecond);

void BM_JupiterMoonsFrame(benchmark::State& state) {
    MovieParams params;
    params.start = {2026, 4, 1, 0, 0};
    params.moonSet = 15;
    params.labelMoons = true;
    RunMovie(state, static_cast<int>(state.range(0)), params, 90, nullptr, false);
}
BENCHMARK(BM_JupiterMoonsFrame)
    ->Arg(65)
    ->Arg(66)
    ->ArgName("command")
    ->Unit(benchmark::kMicrosecond);

void BM_EclipticFrame(benchmark::State& state) {
    MovieParams params;
    params.start = {2026, 4, 1, 0, 0};
    params.bodySet = 0x7FCu;
    params.labelPlanets = true;
    RunMovie(state, static_cast<int>(state.range(0)), params, 90, nullptr, false);
}
BENCHMARK(BM_EclipticFrame)->Arg(62)->Arg(63)->ArgName("command")->Unit(benchmark::kMicrosecond);

void BM_DayNightFrame(benchmark::State& state) {
    MovieParams params;
    params.start = {2026, 6, 21, 12, 0};
    RunMovie(state, 61, params, 90, nullptr, false);
}
BENCHMARK(BM_DayNightFrame)->Unit(benchmark::kMicrosecond);

void BM_BinaryStarFrame(benchmark::State& state) {
    MovieParams params;
    params.binaryStar = 4;
    params.binaryYear = 2000;
    RunMovie(state, 67, params, 20, nullptr, true);
}
BENCHMARK(BM_BinaryStarFrame)->Unit(benchmark::kMicrosecond);

} // namespace
