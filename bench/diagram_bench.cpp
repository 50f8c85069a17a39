// T-s diagram benchmarks: the whole display list of a steam expansion into the wet region with
// the default settings, as every repaint of the diagram window computes it, and its PNG file.
#include <benchmark/benchmark.h>

#include "engine/water/water_steam_state.h"
#include "output/diagrams/diagram_file_writer.h"
#include "output/diagrams/ts_diagram.h"
#include "processes/thermal/steam_thermal_process.h"

namespace {

using vaporis::processes::SteamThermalProcess;

namespace water = vaporis::water;

// 50 bar 400 °C to 0.5 bar with eta 0.85: both isobars, the saturation line and three states.
class Expansion {
public:
    Expansion() {
        (void)process_.setInput(SteamThermalProcess::kIsentropicEta, 0.85);
        (void)process_.setInput(SteamThermalProcess::kMassFlow, 1.0);
        (void)process_.setInput(SteamThermalProcess::kHeatLoss, 200.0);
        calculated_ = process_.calculate() == 0;
    }
    [[nodiscard]] bool calculated() const { return calculated_; }
    [[nodiscard]] vaporis::output::DisplayList diagram() const {
        return vaporis::output::steamTsDiagram(process_, vaporis::output::TsDiagramSettings{});
    }

private:
    water::WaterSteamState initial_{water::kModePT, 50.0, 400.0, 0.0};
    water::WaterSteamState final_{water::kModePT, 0.5, 0.0, 0.0};
    SteamThermalProcess process_{initial_, final_};
    bool calculated_ = false;
};

void steamDisplayListBench(benchmark::State& state) {
    const Expansion expansion;
    if (!expansion.calculated()) {
        state.SkipWithError("the process did not calculate");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(expansion.diagram());
    }
}

// The saved picture: 1000 x 1000 px, antialiased, compressed.
void steamPngBench(benchmark::State& state) {
    const Expansion expansion;
    if (!expansion.calculated()) {
        state.SkipWithError("the process did not calculate");
        return;
    }
    const vaporis::output::DisplayList drawing = expansion.diagram();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            vaporis::output::diagramFile(drawing, vaporis::output::DiagramFormat::kPng, 1000));
    }
}

}  // namespace

BENCHMARK(steamDisplayListBench)->Name("diagram/steam/displayList")->Unit(benchmark::kMicrosecond);
BENCHMARK(steamPngBench)->Name("diagram/steam/png")->Unit(benchmark::kMillisecond);
