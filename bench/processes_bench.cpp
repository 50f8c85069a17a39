// Processes benchmarks: the Colebrook friction coefficient and one full calculation of each
// flow process, state included.
#include <array>

#include <benchmark/benchmark.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/water_steam_state.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/pipe_flow_correlations.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/tools/ambient_data.h"

namespace {

using vaporis::processes::GasFlowProcess;
using vaporis::processes::SteamFlowProcess;

void frictionBench(benchmark::State& state, double re) {
    for (auto _ : state) {
        int status = 0;
        benchmark::DoNotOptimize(re);
        benchmark::DoNotOptimize(vaporis::processes::frictionCoefficient(re, 0.06, 100.0, status));
    }
}

// 10 kg/s of steam at 50 bar and 400 °C through a 100 mm tube of 30 m.
void steamFlowBench(benchmark::State& state) {
    vaporis::water::WaterSteamState steam(vaporis::water::kModePT, 50.0, 400.0, 0.0);
    SteamFlowProcess process(steam);
    process.setSolveMode(vaporis::processes::kSolveVelocity);
    process.setInput(SteamFlowProcess::kInMassFlow, 10.0);
    process.setInput(SteamFlowProcess::kInWidth, 100.0);
    process.setInput(SteamFlowProcess::kInZeta, 1.5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(process.calculate());
    }
}

// 36000 Nm³/h of natural-gas flue gas at 180 °C up a 60 m stack of 1.2 m, with its draft.
void gasFlowBench(benchmark::State& state) {
    std::array<double, vaporis::gas::kComponentCount> values{};
    values[vaporis::gas::kNitrogen] = 72.0;
    values[vaporis::gas::kCarbonDioxide] = 10.0;
    values[vaporis::gas::kWaterVapor] = 12.0;
    values[vaporis::gas::kOxygen] = 5.0;
    values[vaporis::gas::kArgon] = 1.0;
    vaporis::gas::GasAnalysis analysis;
    analysis.setFromVolumePercent(values);
    vaporis::gas::GasState gas(analysis, 1.0, 180.0);
    vaporis::processes::AmbientData ambient;
    GasFlowProcess process(gas, ambient);
    process.setInput(GasFlowProcess::kInNormalFlow, 10.0);
    process.setInput(GasFlowProcess::kInWidth, 1200.0);
    process.setInput(GasFlowProcess::kInTubeLength, 60.0);
    process.setInput(GasFlowProcess::kInHeightDifference, 60.0);
    process.setFreeFlow(true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(process.calculate());
    }
}

}  // namespace

BENCHMARK_CAPTURE(frictionBench, turbulent, 1e5)->Name("flow/frictionCoefficient/turbulent");
BENCHMARK(steamFlowBench)->Name("flow/steam/calculate");
BENCHMARK(gasFlowBench)->Name("flow/gas/calculate");
