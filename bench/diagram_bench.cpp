// T-s diagram benchmark: the whole display list of a steam expansion into the wet region with
// the default settings, as every repaint of the diagram window computes it.
#include <benchmark/benchmark.h>

#include "engine/water/water_steam_state.h"
#include "processes/steam_thermal_process.h"
#include "ui/ts_diagram.h"

namespace {

using vaporis::processes::SteamThermalProcess;

// 50 bar 400 °C to 0.5 bar with eta 0.85: both isobars, the saturation line and three states.
void steamDisplayListBench(benchmark::State& state) {
    namespace water = vaporis::water;
    water::WaterSteamState initial(water::kModePT, 50.0, 400.0, 0.0);
    water::WaterSteamState final(water::kModePT, 0.5, 0.0, 0.0);
    SteamThermalProcess process(initial, final);
    (void)process.setInput(SteamThermalProcess::kIsentropicEta, 0.85);
    (void)process.setInput(SteamThermalProcess::kMassFlow, 1.0);
    (void)process.setInput(SteamThermalProcess::kHeatLoss, 200.0);
    if (process.calculate() != 0) {
        state.SkipWithError("the process did not calculate");
        return;
    }
    const vaporis::ui::TsDiagramSettings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vaporis::ui::steamTsDiagram(process, settings));
    }
}

}  // namespace

BENCHMARK(steamDisplayListBench)->Name("diagram/steam/displayList")->Unit(benchmark::kMicrosecond);
