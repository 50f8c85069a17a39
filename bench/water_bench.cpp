// Water/steam engine benchmarks: fixed states, one per region and per kind of call.
#include <benchmark/benchmark.h>

#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/water_steam_state.h"

namespace {

using vaporis::water::WaterSteamState;

void enthalpyBench(benchmark::State& state, double p, double t) {
    for (auto _ : state) {
        int status = -1;
        benchmark::DoNotOptimize(vaporis::water::enthalpy(p, t, status));
        benchmark::DoNotOptimize(status);
    }
}

void temperatureFromPHBench(benchmark::State& state, double p, double h) {
    for (auto _ : state) {
        int status = -1;
        benchmark::DoNotOptimize(vaporis::water::temperatureFromPH(p, h, status));
        benchmark::DoNotOptimize(status);
    }
}

void temperatureFromPSBench(benchmark::State& state, double p, double s) {
    for (auto _ : state) {
        int status = -1;
        benchmark::DoNotOptimize(vaporis::water::temperatureFromPS(p, s, status));
        benchmark::DoNotOptimize(status);
    }
}

void steamStateBench(benchmark::State& state, int mode, double p, double t, double x) {
    for (auto _ : state) {
        WaterSteamState steam(mode, p, t, x);
        steam.calculate();
        benchmark::DoNotOptimize(steam.stateValue(vaporis::water::kH));
    }
}

}  // namespace

BENCHMARK_CAPTURE(enthalpyBench, region1, 30.0, 26.85)->Name("water/enthalpy/region1");
BENCHMARK_CAPTURE(enthalpyBench, region2, 50.0, 400.0)->Name("water/enthalpy/region2");
BENCHMARK_CAPTURE(enthalpyBench, region3, 255.837018, 376.85)->Name("water/enthalpy/region3");
BENCHMARK_CAPTURE(enthalpyBench, region5, 5.0, 1226.85)->Name("water/enthalpy/region5");
BENCHMARK_CAPTURE(temperatureFromPHBench, region1, 100.0, 500.0)
    ->Name("water/temperatureFromPH/region1");
BENCHMARK_CAPTURE(temperatureFromPHBench, region2, 50.0, 3196.59)
    ->Name("water/temperatureFromPH/region2");
BENCHMARK_CAPTURE(temperatureFromPHBench, twoPhase, 1.0, 1500.0)
    ->Name("water/temperatureFromPH/twoPhase");
BENCHMARK_CAPTURE(temperatureFromPSBench, region2, 50.0, 6.6481)
    ->Name("water/temperatureFromPS/region2");
BENCHMARK_CAPTURE(steamStateBench, region2, vaporis::water::kModePT, 50.0, 400.0, 1.0)
    ->Name("water/state/region2");
BENCHMARK_CAPTURE(steamStateBench, region3, vaporis::water::kModePT, 250.0, 380.0, 1.0)
    ->Name("water/state/region3");
BENCHMARK_CAPTURE(steamStateBench, wet, vaporis::water::kModePX, 10.0, 0.0, 0.5)
    ->Name("water/state/wet");
