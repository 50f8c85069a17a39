#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gas/gas_state.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "hostile/hostile_inputs.h"
#include "processes/ambient_data.h"
#include "processes/critical_outflow.h"
#include "processes/energy_line.h"
#include "processes/gas_flow_process.h"
#include "processes/gas_thermal_process.h"
#include "processes/pipe_flow.h"
#include "processes/pipe_flow_correlations.h"
#include "processes/quench_cooler.h"
#include "processes/status_codes.h"
#include "processes/steam_flow_process.h"
#include "processes/steam_thermal_process.h"

// The processes and tools called with hostile inputs: no crash, no hang, and a status that
// calls the results valid only with finite results.
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
std::vector<double> results(const Process& process, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(process.result(i));
    }
    return values;
}

template <typename Process>
void setThermalInputs(HostileInputs& in, Process& process) {
    process.setType(in.drawInt(0, 2));
    for (int slot = 0; slot < Process::kInputCount; ++slot) {
        if (in.coin()) {
            std::ignore = process.setInput(slot, in.draw(0.0, 3600.0));
        }
    }
}

template <typename Process>
void setFlowInputs(HostileInputs& in, Process& process) {
    for (int slot = 0; slot < Process::kInputCount; ++slot) {
        if (in.coin()) {
            process.setInput(slot, in.draw(0.0, 500.0));
        }
    }
    process.setSolveMode(static_cast<std::uint8_t>(in.drawInt(0, 2)));
    process.setRectangularProfile(in.coin());
}

void addThermalProcesses(std::vector<HostileCall>& calls) {
    calls.push_back({"steam thermal process",
                     [](HostileInputs& in) {
                         water::WaterSteamState initial = steamState(in);
                         water::WaterSteamState final = steamState(in);
                         SteamThermalProcess process(initial, final);
                         setThermalInputs(in, process);
                         const int status = process.calculate();
                         in.expectFinite(status == kProcessOk,
                                         results(process, SteamThermalProcess::kResultCount));
                     },
                     4.0});
    calls.push_back({"gas thermal process",
                     [](HostileInputs& in) {
                         const gas::GasAnalysis& analysis = hostileAnalysis(in);
                         gas::GasState initial(analysis, pressure(in), temperature(in));
                         gas::GasState final(analysis, pressure(in), temperature(in));
                         GasThermalProcess process(initial, final);
                         setThermalInputs(in, process);
                         const int status = process.calculate();
                         in.expectFinite(status == kProcessOk ||
                                             status == GasThermalProcess::kCondensedInFinalState,
                                         results(process, GasThermalProcess::kResultCount));
                     },
                     4.0});
}

void addFlowProcesses(std::vector<HostileCall>& calls) {
    calls.push_back({"steam flow process",
                     [](HostileInputs& in) {
                         water::WaterSteamState state = steamState(in);
                         SteamFlowProcess process(state);
                         setFlowInputs(in, process);
                         const int status = process.calculate();
                         in.expectFinite(status == kOk || status == kSteamFlowMachWarning,
                                         results(process, SteamFlowProcess::kResultCount));
                     },
                     3.0});
    calls.push_back({"gas flow process",
                     [](HostileInputs& in) {
                         gas::GasState state(hostileAnalysis(in), pressure(in), temperature(in));
                         AmbientData ambient;
                         GasFlowProcess process(state, ambient);
                         setFlowInputs(in, process);
                         process.setFreeFlow(in.coin());
                         const int status = process.calculate();
                         in.expectFinite(status == kOk || status == kGasFlowMachWarning,
                                         results(process, GasFlowProcess::kResultCount));
                     },
                     3.0});
    calls.push_back({"flow triangle and wall", [](HostileInputs& in) {
                         FlowTriangle triangle;
                         triangle.solveMode = in.drawInt(0, 2);
                         triangle.rectangular = in.coin();
                         triangle.width = in.draw(0.0, 500.0);
                         triangle.height = in.draw(0.0, 500.0);
                         triangle.tubeCount = in.draw(1.0, 10.0);
                         triangle.velocity = in.draw(0.0, 100.0);
                         triangle.volumeFlow = in.draw(0.0, 10.0);
                         int status = solveFlowTriangle(triangle);
                         in.expectFinite(status == kOk,
                                         {triangle.width, triangle.velocity, triangle.volumeFlow,
                                          triangle.crossSection, triangle.equivalentDiameter});
                         const FlowFluid fluid{in.draw(0.0, 10.0), in.draw(0.0, 100.0),
                                               in.draw(0.0, 5.0), in.draw(0.0, 1.0)};
                         const double re = in.draw(0.0, 1e7);
                         const double k = in.draw(0.0, 1.0);
                         const WallFlow wall =
                             evaluateWallFlow(triangle, fluid, re, k, in.draw(0.0, 100.0), status);
                         in.expectFinite(status == kOk && triangle.crossSection != NOT_SET,
                                         {wall.lambda, wall.frictionDrop, wall.heatTransfer});
                     }});
    calls.push_back({"pipe-flow correlations", [](HostileInputs& in) {
                         int status = 0;
                         const double re = in.draw(0.0, 1e7);
                         const double k = in.draw(0.0, 1.0);
                         const double lambda =
                             frictionCoefficient(re, k, in.draw(0.0, 500.0), status);
                         in.expectFinite(status == kOk, {lambda});
                         const double a = in.draw(0.0, 100.0);
                         const double pr = in.draw(0.0, 10.0);
                         std::ignore = rectangularLaminarFactor(a, in.draw(0.0, 100.0)) +
                                       nusseltNumber(re, pr, in.draw(0.0, 1.0)) +
                                       dynamicPressure(a, pr) + zetaPressureDrop(a, pr, k);
                     }});
}

void addTools(std::vector<HostileCall>& calls) {
    calls.push_back({"ambient data", [](HostileInputs& in) {
                         AmbientData ambient;
                         ambient.setInput(AmbientData::kTemperature, in.draw(-50.0, 400.0));
                         ambient.setInput(AmbientData::kRelativeHumidity, in.draw(0.0, 100.0));
                         ambient.setInput(AmbientData::kLevel, in.draw(-500.0, 10000.0));
                         const int status = ambient.calculate();
                         in.expectFinite(status == kOk,
                                         results(ambient, AmbientData::kResultCount));
                     }});
    calls.push_back({"quench cooler", [](HostileInputs& in) {
                         const QuenchInputs inputs{
                             pressure(in),    temperature(in), in.draw(0.0, 10.0), pressure(in),
                             temperature(in), temperature(in), pressure(in)};
                         const QuenchBalance balance = quenchCoolerBalance(inputs);
                         in.expectFinite(!balance.outOfRange, {balance.massFlowWater, balance.hSet,
                                                               balance.massFlowExit});
                     }});
    calls.push_back({"energy line", [](HostileInputs& in) {
                         int status = 0;
                         const double p = in.draw(0.0, 200.0);
                         const double h0 = in.draw(0.0, 4e6);
                         const double g = in.draw(0.0, 2e4);
                         const double value = stateFromEnergy(p, h0, g, status);
                         in.expectFinite(status == water::kOk, {value});
                         std::ignore = qualityFromEnergy(p, h0, g) + volumeOnEnergyLine(p, h0, g) +
                                       criticalSlope(p, g, h0) +
                                       roughTubeFriction(in.draw(0.0, 1.0)) +
                                       geometricSum(in.draw(0.0, 2.0), in.drawInt(0, 50));
                     }});
    calls.push_back({"choking and tube length",
                     [](HostileInputs& in) {
                         const double p = in.draw(0.0, 200.0);
                         const double h0 = in.draw(0.0, 4e6);
                         const double g = in.draw(0.0, 2e4);
                         std::ignore =
                             chokingPressure(p, h0, g, in.draw(0.0, 10.0)) +
                             tubeLengthForExpansion(in.draw(0.0, 1.0), g, p, in.draw(0.0, 100.0),
                                                    h0, in.drawInt(0, 50));
                     },
                     0.1});
    calls.push_back({"critical outflow",
                     [](HostileInputs& in) {
                         // A long run is still a valid one: the suite keeps the steps few.
                         const int steps = outflowSteps(in.draw(0.0, 20.0));
                         const OutflowInputs inputs{pressure(in),
                                                    temperature(in),
                                                    in.draw(0.0, 100.0),
                                                    in.draw(0.0, 300.0),
                                                    in.draw(1.0, 5.0),
                                                    in.draw(0.0, 10.0),
                                                    steps > 20 && steps <= kMaxSteps ? 20 : steps};
                         const OutflowResult result = criticalOutflow(inputs);
                         in.expectFinite(
                             result.refusal == OutflowRefusal::kNone,
                             {result.massFlux, result.massFlow, result.outlet.p, result.tankT});
                     },
                     0.02});
}

TEST(HostileCalls, Processes) {
    std::vector<HostileCall> calls;
    addThermalProcesses(calls);
    addFlowProcesses(calls);
    addTools(calls);
    runHostileCalls(calls, engineLimits(), 3);
}

}  // namespace
}  // namespace vaporis::test
