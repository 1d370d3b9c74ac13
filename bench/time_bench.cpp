// Costs of the calendar and nutation routines, which run inside every daily
// loop of the reports and every movie frame.

#include "engine/frames.h"
#include "engine/time.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CalendarRoundTrip(benchmark::State& state) {
    double jd = 2451545.0;
    for (auto _ : state) {
        double day = 0;
        int month = 0;
        int year = 0;
        JulianDayToCalendar(jd, day, month, year);
        benchmark::DoNotOptimize(jd = CalendarToJulianDay(day, month, year) + 1.37);
    }
}
BENCHMARK(BM_CalendarRoundTrip);

void BM_Nutation(benchmark::State& state) {
    double hours = 0;
    for (auto _ : state) {
        double dpsi = 0;
        double deps = 0;
        Nutation({1987, 4, 10, hours}, dpsi, deps);
        benchmark::DoNotOptimize(dpsi);
        benchmark::DoNotOptimize(deps);
        hours = hours < 23 ? hours + 0.5 : 0;
    }
}
BENCHMARK(BM_Nutation);

} // namespace
