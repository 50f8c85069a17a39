#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gas/gas_state.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "hostile/hostile_inputs.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/pipe_flow.h"
#include "processes/flow/pipe_flow_correlations.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/status_codes.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"
#include "processes/tools/ambient_data.h"
#include "processes/tools/critical_outflow.h"
#include "processes/tools/energy_line.h"
#include "processes/tools/quench_cooler.h"

// The processes and tools with hostile inputs: no crash, no hang, and a status that calls the
// results valid only with finite results.
namespace vaporis::test {
namespace {

using namespace processes;

double pressure(HostileInputs& in) {
    return in.draw(0.0, 300.0);
}
double temperature(HostileInputs& in) {
    return in.draw(0.0, 1000.0);
}

water::WaterSteamState steamState(HostileInputs& in) {
    water::WaterSteamState state;
    state.setMode(in.drawInt(0, 2));
    state.setPressure(pressure(in));
    state.setTemperature(temperature(in));
    state.setQuality(in.draw(0.0, 1.0));
    return state;
}

template <typename Process>
void expectResults(HostileInputs& in, bool valid, const Process& process) {
    std::vector<double> values;
    for (int i = 0; i < Process::kResultCount; ++i) {
        values.push_back(process.result(i));
    }
    in.expectFinite(valid, values);
}

template <typename Process>
void setInputs(HostileInputs& in, Process& process, double hi) {
    for (int slot = 0; slot < Process::kInputCount; ++slot) {
        if (in.coin()) {
            static_cast<void>(process.setInput(slot, in.draw(0.0, hi)));
        }
    }
}

void steamThermalProcess(HostileInputs& in) {
    water::WaterSteamState initial = steamState(in);
    water::WaterSteamState final = steamState(in);
    SteamThermalProcess process(initial, final);
    process.setType(in.drawInt(0, 2));
    setInputs(in, process, 3600.0);
    expectResults(in, process.calculate() == kOk, process);
}

void gasThermalProcess(HostileInputs& in) {
    const gas::GasAnalysis& analysis = hostileAnalysis(in);
    gas::GasState initial(analysis, pressure(in), temperature(in));
    gas::GasState final(analysis, pressure(in), temperature(in));
    GasThermalProcess process(initial, final);
    process.setType(in.drawInt(0, 2));
    setInputs(in, process, 3600.0);
    const int status = process.calculate();
    expectResults(in, status == kOk || status == ThermalProcessStatus::kCondensedInFinalState,
                  process);
}

template <typename Process>
void setFlowInputs(HostileInputs& in, Process& process) {
    setInputs(in, process, 500.0);
    process.setSolveMode(static_cast<std::uint8_t>(in.drawInt(0, 2)));
    process.setRectangularProfile(in.coin());
}

void steamFlowProcess(HostileInputs& in) {
    water::WaterSteamState state = steamState(in);
    SteamFlowProcess process(state);
    setFlowInputs(in, process);
    const int status = process.calculate();
    expectResults(in, status == kOk || status == SteamFlowStatus::kMachWarning, process);
}

void gasFlowProcess(HostileInputs& in) {
    gas::GasState state(hostileAnalysis(in), pressure(in), temperature(in));
    AmbientData ambient;
    GasFlowProcess process(state, ambient);
    setFlowInputs(in, process);
    process.setFreeFlow(in.coin());
    const int status = process.calculate();
    expectResults(in, status == kOk || status == GasFlowStatus::kMachWarning, process);
}

void tubeFlow(HostileInputs& in) {
    FlowTriangle t{in.drawInt(0, 2),    in.coin(),          in.draw(0.0, 500.0),
                   in.draw(0.0, 500.0), in.draw(1.0, 10.0), in.draw(0.0, 100.0),
                   in.draw(0.0, 10.0)};
    int status = solveFlowTriangle(t);
    in.expectFinite(status == kOk, {t.width, t.velocity, t.volumeFlow, t.crossSection,
                                    t.equivalentDiameter, t.squareSide});
    const FlowFluid fluid{in.draw(0.0, 10.0), in.draw(0.0, 100.0), in.draw(0.0, 5.0),
                          in.draw(0.0, 1.0)};
    const double re = in.draw(0.0, 1e7);
    const double k = in.draw(0.0, 1.0);
    const WallFlow wall = evaluateWallFlow(t, fluid, re, k, in.draw(0.0, 100.0), status);
    in.expectFinite(status == kOk && t.crossSection != NOT_SET,
                    {wall.lambda, wall.frictionDrop, wall.heatTransfer});
    const double lambda = frictionCoefficient(re, k, in.draw(0.0, 500.0), status);
    in.expectFinite(status == kOk, {lambda});
    std::ignore = rectangularLaminarFactor(k, fluid.v) + nusseltNumber(re, fluid.eta, k) +
                  zetaPressureDrop(fluid.v, fluid.eta, k);
}

void ambientData(HostileInputs& in) {
    AmbientData ambient;
    ambient.setInput(AmbientData::kTemperature, in.draw(-50.0, 400.0));
    ambient.setInput(AmbientData::kRelativeHumidity, in.draw(0.0, 100.0));
    ambient.setInput(AmbientData::kLevel, in.draw(-500.0, 10000.0));
    expectResults(in, ambient.calculate() == kOk, ambient);
}

void quenchCooler(HostileInputs& in) {
    const QuenchBalance balance =
        quenchCoolerBalance({pressure(in), temperature(in), in.draw(0.0, 10.0), pressure(in),
                             temperature(in), temperature(in), pressure(in)});
    in.expectFinite(balance.refusal == QuenchRefusal::kNone,
                    {balance.massFlowWater, balance.hSet, balance.massFlowExit});
}

void energyLine(HostileInputs& in) {
    int status = 0;
    const double p = in.draw(0.0, 200.0);
    const double h0 = in.draw(0.0, 4e6);
    const double g = in.draw(0.0, 2e4);
    const double value = stateFromEnergy(p, h0, g, status);
    in.expectFinite(status == water::kOk, {value});
    std::ignore = qualityFromEnergy(p, h0, g) + volumeOnEnergyLine(p, h0, g) +
                  criticalSlope(p, g, h0) + roughTubeFriction(in.draw(0.0, 1.0)) +
                  geometricSum(in.draw(0.0, 2.0), in.drawInt(0, 50));
    if (in.pick(10) == 0) {  // the two integrations cost as much as ten other calls
        std::ignore = chokingPressure(p, h0, g, in.draw(0.0, 10.0)) +
                      tubeLengthForExpansion(in.draw(0.0, 1.0), g, p, in.draw(0.0, 100.0), h0,
                                             in.drawInt(0, 50));
    }
}

void criticalOutflowCall(HostileInputs& in) {
    // A long run is still a valid one: the suite keeps the steps few.
    const int steps = outflowSteps(in.draw(0.0, 20.0));
    const OutflowResult result = criticalOutflow(
        {pressure(in), temperature(in), in.draw(0.0, 100.0), in.draw(0.0, 300.0), in.draw(1.0, 5.0),
         in.draw(0.0, 10.0), steps > 20 && steps <= kMaxSteps ? 20 : steps});
    in.expectFinite(result.refusal == OutflowRefusal::kNone,
                    {result.massFlux, result.massFlow, result.outlet.p, result.tankT});
}

TEST(HostileCalls, Processes) {
    runHostileCalls({{"steam thermal process", steamThermalProcess, 4.0},
                     {"gas thermal process", gasThermalProcess, 4.0},
                     {"steam flow process", steamFlowProcess, 3.0},
                     {"gas flow process", gasFlowProcess, 3.0},
                     {"tube flow", tubeFlow},
                     {"ambient data", ambientData},
                     {"quench cooler", quenchCooler},
                     {"energy line", energyLine},
                     {"critical outflow", criticalOutflowCall, 0.02}},
                    3);
}

}  // namespace
}  // namespace vaporis::test
