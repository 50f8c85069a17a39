// Tools benchmarks: the critical outflow of a vessel through a 30 m tube of 80 mm.
#include <benchmark/benchmark.h>

#include "processes/tools/critical_outflow.h"

namespace {

using vaporis::processes::OutflowInputs;

void criticalOutflowBench(benchmark::State& state, double p0, double t0) {
    OutflowInputs in;
    in.p0 = p0;
    in.t0 = t0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vaporis::processes::criticalOutflow(in));
    }
}

}  // namespace

// Superheated steam at 50 bar, 400 °C, into a tank at 1.01325 bar, 50 steps.
BENCHMARK_CAPTURE(criticalOutflowBench, default, 50.0, 400.0)
    ->Name("tools/criticalOutflow/default")
    ->Unit(benchmark::kMillisecond);
// Liquid 0.005 K below its boiling temperature of 342.155 °C at 150 bar.
BENCHMARK_CAPTURE(criticalOutflowBench, saturatedLiquid150, 150.0, 342.15)
    ->Name("tools/criticalOutflow/saturatedLiquid150")
    ->Unit(benchmark::kMillisecond);
