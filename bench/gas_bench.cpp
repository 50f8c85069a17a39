// Gas engine benchmarks: the mixture functions, the inverse and the full gas state for
// dry air and a typical flue gas, and gas plus condensate below the dew point.
#include <array>

#include <benchmark/benchmark.h>

#include "engine/gas/condensation.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/mixture.h"

namespace {

using vaporis::gas::GasAnalysis;
using vaporis::gas::GasState;

GasAnalysis air() {
    GasAnalysis analysis;
    analysis.setDefault();
    return analysis;
}

// N2 72, CO2 10, H2O 12, O2 5, Ar 1 vol %: dew point about 49 °C at 1 bar.
GasAnalysis flueGas() {
    std::array<double, vaporis::gas::kComponentCount> values{};
    values[vaporis::gas::kNitrogen] = 72.0;
    values[vaporis::gas::kCarbonDioxide] = 10.0;
    values[vaporis::gas::kWaterVapor] = 12.0;
    values[vaporis::gas::kOxygen] = 5.0;
    values[vaporis::gas::kArgon] = 1.0;
    GasAnalysis analysis;
    analysis.setFromVolumePercent(values);
    return analysis;
}

GasAnalysis analysisNamed(bool isFlueGas) {
    return isFlueGas ? flueGas() : air();
}

// mixtureCp or mixtureEnthalpy at 400 °C.
using MixtureFunction = double (*)(const GasAnalysis&, double, int&);

void mixtureBench(benchmark::State& state, MixtureFunction function, bool isFlueGas) {
    const GasAnalysis analysis = analysisNamed(isFlueGas);
    double t = 400.0;
    for (auto _ : state) {
        int status = 0;
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(function(analysis, t, status));
    }
}

void temperatureFromEnthalpyBench(benchmark::State& state) {
    const GasAnalysis analysis = flueGas();
    int status = 0;
    double h = vaporis::gas::mixtureEnthalpy(analysis, 400.0, status);
    for (auto _ : state) {
        double water = 0.0;
        double condensation = 0.0;
        benchmark::DoNotOptimize(h);
        benchmark::DoNotOptimize(
            vaporis::gas::temperatureFromEnthalpy(analysis, 1.0, h, water, condensation, status));
    }
}

void gasStateBench(benchmark::State& state, bool isFlueGas) {
    const GasAnalysis analysis = analysisNamed(isFlueGas);
    GasState gas(analysis, 1.0, 400.0);
    for (auto _ : state) {
        gas.calculate();
        benchmark::DoNotOptimize(gas.property(vaporis::gas::kPrandtl));
    }
}

void enthalpyWithCondensationBench(benchmark::State& state) {
    const GasAnalysis analysis = flueGas();
    double t = 30.0;
    for (auto _ : state) {
        double water = 0.0;
        double condensation = 0.0;
        int status = 0;
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(
            vaporis::gas::enthalpyWithCondensation(analysis, 1.0, t, water, condensation, status));
    }
}

// The condensing inverses, fed the value of the flue gas at 1 bar and 30 °C (dew point 49 °C).
using CondensingFunction = double (*)(const GasAnalysis&, double, double, double&, double&, int&);

void condensingInverseBench(benchmark::State& state, CondensingFunction forward,
                            CondensingFunction inverse) {
    const GasAnalysis analysis = flueGas();
    double water = 0.0;
    double condensation = 0.0;
    int status = 0;
    double value = forward(analysis, 1.0, 30.0, water, condensation, status);
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(inverse(analysis, 1.0, value, water, condensation, status));
    }
}

}  // namespace

BENCHMARK_CAPTURE(mixtureBench, cpAir, vaporis::gas::mixtureCp, false)->Name("gas/mixtureCp/air");
BENCHMARK_CAPTURE(mixtureBench, cpFlueGas, vaporis::gas::mixtureCp, true)
    ->Name("gas/mixtureCp/flueGas");
BENCHMARK_CAPTURE(mixtureBench, enthalpyAir, vaporis::gas::mixtureEnthalpy, false)
    ->Name("gas/mixtureEnthalpy/air");
BENCHMARK_CAPTURE(mixtureBench, enthalpyFlueGas, vaporis::gas::mixtureEnthalpy, true)
    ->Name("gas/mixtureEnthalpy/flueGas");
BENCHMARK(temperatureFromEnthalpyBench)->Name("gas/temperatureFromEnthalpy/flueGas");
BENCHMARK_CAPTURE(gasStateBench, air, false)->Name("gas/state/air");
BENCHMARK_CAPTURE(gasStateBench, flueGas, true)->Name("gas/state/flueGas");
BENCHMARK(enthalpyWithCondensationBench)->Name("gas/enthalpyWithCondensation/flueGas");
BENCHMARK_CAPTURE(condensingInverseBench, enthalpy, vaporis::gas::enthalpyWithCondensation,
                  vaporis::gas::temperatureFromEnthalpy)
    ->Name("gas/temperatureFromEnthalpy/condensing");
BENCHMARK_CAPTURE(condensingInverseBench, entropy, vaporis::gas::entropyWithCondensation,
                  vaporis::gas::temperatureFromEntropy)
    ->Name("gas/temperatureFromEntropy/condensing");
