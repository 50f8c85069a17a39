// Thermal process benchmarks: one full calculation as the dialog's OK runs it, from the reset
// to the results, for a steam turbine stage and a flue-gas expansion that condenses.
#include <array>

#include <benchmark/benchmark.h>

#include "engine/gas/gas_state.h"
#include "engine/water/water_steam_state.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"

namespace {

using vaporis::processes::GasThermalProcess;
using vaporis::processes::kIsentropicEfficiency;
using vaporis::processes::SteamThermalProcess;

// 50 bar 400 °C to 1 bar with eta 0.85, 10 kg/s and a heat loss of 100 kW.
void steamIsentropicBench(benchmark::State& state) {
    namespace water = vaporis::water;
    water::WaterSteamState initial;
    water::WaterSteamState final;
    SteamThermalProcess process(initial, final);
    for (auto _ : state) {
        process.reset();
        process.setType(kIsentropicEfficiency);
        initial = water::WaterSteamState(water::kModePT, 50.0, 400.0, 0.0);
        final = water::WaterSteamState(water::kModePT, 1.0, 0.0, 0.0);
        benchmark::DoNotOptimize(process.setInput(SteamThermalProcess::kIsentropicEta, 0.85));
        benchmark::DoNotOptimize(process.setInput(SteamThermalProcess::kMassFlow, 10.0));
        benchmark::DoNotOptimize(process.setInput(SteamThermalProcess::kHeatLoss, 100.0));
        benchmark::DoNotOptimize(process.calculate());
    }
}

// Flue gas with 15 vol % H2O from 3 bar 130 °C to 1 bar with eta 0.85: the end lies below
// the 54 °C dew point, so the inverse and the state follow the condensation.
void gasIsentropicCondensingBench(benchmark::State& state) {
    namespace gas = vaporis::gas;
    std::array<double, gas::kComponentCount> percent{};
    percent[gas::kNitrogen] = 71.0;
    percent[gas::kCarbonDioxide] = 9.0;
    percent[gas::kWaterVapor] = 15.0;
    percent[gas::kOxygen] = 4.0;
    percent[gas::kArgon] = 1.0;
    gas::GasAnalysis analysis;
    analysis.setFromVolumePercent(percent);
    gas::GasState initial(analysis, 3.0, 130.0);
    gas::GasState final(analysis, 1.0, 130.0);
    GasThermalProcess process(initial, final);
    for (auto _ : state) {
        process.reset();
        process.setType(kIsentropicEfficiency);
        benchmark::DoNotOptimize(process.setInput(GasThermalProcess::kIsentropicEta, 0.85));
        benchmark::DoNotOptimize(process.setInput(GasThermalProcess::kMassFlow, 10.0));
        benchmark::DoNotOptimize(process.calculate());
    }
}

}  // namespace

BENCHMARK(steamIsentropicBench)->Name("processes/steam/isentropic");
BENCHMARK(gasIsentropicCondensingBench)->Name("processes/gas/isentropicCondensing");
