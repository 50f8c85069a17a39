#include "processes/module_rules.h"

#include <array>
#include <utility>

#include <gtest/gtest.h>

#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/water_steam_state.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/status_codes.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"
#include "processes/tools/critical_outflow.h"

namespace vaporis::processes {
namespace {

constexpr MarkerMeaning kTyped = MarkerMeaning::kNumber;
constexpr MarkerMeaning kStored = MarkerMeaning::kNoValue;
using R = RefusalReason;

// An expansion of 50 bar, 400 °C steam to 10 bar with efficiencies 0.8, 0.98, 0.97.
struct SteamTurbine {
    water::WaterSteamState initial{water::kModePT, 50.0, 400.0, NOT_SET};
    water::WaterSteamState final{water::kModePT, 10.0, 200.0, NOT_SET};
    SteamThermalProcess process{initial, final};

    SteamTurbine() {
        process.setType(kIsentropicEfficiency);
        for (const auto& [slot, eta] : {std::pair{SteamThermalProcess::kIsentropicEta, 0.8},
                                        {SteamThermalProcess::kMechanicalEta, 0.98},
                                        {SteamThermalProcess::kGeneratorEta, 0.97}}) {
            EXPECT_TRUE(process.setInput(slot, eta));
        }
    }
    void store(int slot, double value) {
        auto inputs = process.inputs();
        inputs.values[static_cast<std::size_t>(slot)] = value;
        inputs.set[static_cast<std::size_t>(slot)] = true;
        process.restoreInputs(inputs);
    }
};

TEST(ModuleRules, ThermalProcessRefusesWhatTheDialogRefuses) {
    using P = SteamThermalProcess;
    SteamTurbine turbine;
    EXPECT_EQ(checkThermalProcess(turbine.process, kStored), std::nullopt);
    turbine.store(P::kIsentropicEta, 5.0);  // a damaged file, past the process's setter
    EXPECT_EQ(checkThermalProcess(turbine.process, kStored),
              (Refusal{"isentropicEfficiency", R::kInvalidValue}));
    SteamTurbine perHour;
    perHour.store(P::kTimeFactor, 3600.0);
    perHour.store(P::kMassFlow, 1e308);  // per second: shown per hour it overflows
    EXPECT_EQ(checkThermalProcess(perHour.process, kTyped),
              (Refusal{"massFlow", R::kInvalidValue}));
    perHour.store(P::kTimeFactor, 7.0);
    EXPECT_EQ(checkThermalProcess(perHour.process, kTyped),
              (Refusal{"timeFactor", R::kInvalidValue}));
    SteamTurbine throttle;
    throttle.process.setType(kConstantEnthalpy);
    throttle.final.setPressure(60.0);
    EXPECT_EQ(checkThermalProcess(throttle.process, kTyped),
              (Refusal{"p2", R::kInletBelowOutletPressure}));
    throttle.final.setPressure(NOT_SET);  // stored: no value; typed: 999 bar
    EXPECT_EQ(checkThermalProcess(throttle.process, kStored), (Refusal{"p2", R::kNoValue}));
    EXPECT_EQ(checkThermalProcess(throttle.process, kTyped)->reason, R::kInletBelowOutletPressure);
}

TEST(ModuleRules, GasProcessNeedsGasPressuresOfTheFormulationsAndSomeDryGas) {
    gas::GasAnalysis analysis;
    analysis.setDefault();
    gas::GasState initial(analysis, 500.0, 400.0);
    gas::GasState final(analysis, 1.0, 400.0);
    GasThermalProcess process(initial, final);
    process.setType(kConstantEnthalpy);
    EXPECT_EQ(checkThermalProcess(process, kTyped), (Refusal{"p1", R::kGasPressureTooHigh}));
    initial.setPressure(0.05);
    final.setPressure(0.01);
    EXPECT_EQ(checkThermalProcess(process, kTyped), (Refusal{"p1", R::kGasPressureTooLow}));
    initial.setPressure(2.0);
    final.setPressure(1.0);
    EXPECT_EQ(checkThermalProcess(process, kTyped), std::nullopt);
    std::array<double, gas::kComponentCount> steamOnly{};
    steamOnly[gas::kWaterVapor] = 100.0;
    analysis.setFromVolumePercent(steamOnly);
    EXPECT_EQ(checkThermalProcess(process, kTyped), (Refusal{"gasAnalysis", R::kGasIsAllWater}));
}

// 50 bar, 400 °C steam, 1 kg/s: v = 0.0578 m³/kg, so 7 m/s in a 100 mm tube, Mach > 1 in 10 mm.
TEST(ModuleRules, FlowNeedsTheInputsOfItsSolveModeAndStopsAboveMachOne) {
    water::WaterSteamState state{water::kModePT, 50.0, 400.0, NOT_SET};
    SteamFlowProcess flow{state};
    flow.setInput(SteamFlowProcess::kInMassFlow, 1.0);
    EXPECT_EQ(checkFlowProcess(flow, kStored), (Refusal{"width", R::kNoValue}));
    flow.setSolveMode(kSolveDiameter);
    EXPECT_EQ(checkFlowProcess(flow, kStored), std::nullopt);
    flow.setSolveMode(kSolveVelocity);
    flow.setRectangularProfile(true);
    flow.setInput(SteamFlowProcess::kInWidth, 100.0);
    EXPECT_EQ(checkFlowProcess(flow, kStored), (Refusal{"height", R::kNoValue}));
    flow.setRectangularProfile(false);
    flow.setInput(SteamFlowProcess::kInTubeCount, 0.0);
    EXPECT_EQ(checkFlowProcess(flow, kTyped), (Refusal{"tubeCount", R::kInvalidValue}));
    flow.setInput(SteamFlowProcess::kInTubeCount, 1.0);
    flow.setInput(SteamFlowProcess::kInRoughness, -0.1);
    EXPECT_EQ(checkFlowProcess(flow, kTyped), (Refusal{"roughness", R::kInvalidValue}));
    flow.setInput(SteamFlowProcess::kInRoughness, 0.06);
    flow.calculate();
    EXPECT_EQ(checkFlowResult(flow), std::nullopt);
    flow.setInput(SteamFlowProcess::kInWidth, 10.0);
    flow.calculate();
    EXPECT_EQ(checkFlowResult(flow),
              (Refusal{"status", R::kNoShownResult, codeOf(SteamFlowStatus::kMachAbove1)}));
}

TEST(ModuleRules, StateOutflowAndDiagramLimits) {
    water::WaterSteamState wet{water::kModePX, 10.0, NOT_SET, 1.5};
    EXPECT_EQ(checkSteamState(wet, kTyped)->reason, R::kStateInput);
    OutflowInputs outflow;
    EXPECT_EQ(checkOutflow(outflow), std::nullopt);
    outflow.tubeCount = 0.0;
    EXPECT_EQ(checkOutflow(outflow), (Refusal{"tubeCount", R::kInvalidValue}));
    SteamTurbine turbine;
    EXPECT_EQ(checkDiagramRanges(turbine.process, {0.01, 800.0, 0.0, 10.0}), std::nullopt);
    EXPECT_EQ(checkDiagramRanges(turbine.process, {400.0, 300.0, 0.0, 10.0})->reason,
              R::kDiagramRange);
    turbine.initial.setPressure(150.0);  // above 100 bar the formulations end at 800 °C
    EXPECT_EQ(checkDiagramRanges(turbine.process, {0.01, 900.0, 0.0, 10.0})->reason,
              R::kDiagramRange);
}

}  // namespace
}  // namespace vaporis::processes
