#include <cmath>
#include <limits>
#include <utility>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/status_codes.h"
#include "processes/tools/ambient_data.h"

namespace vaporis::processes {
namespace {

using Steam = SteamFlowProcess;
using Gas = GasFlowProcess;
using water::WaterSteamState;

// 50 bar and 400 °C superheated steam in a 100 mm tube of 30 m at 20 m/s.
struct SteamPipe {
    WaterSteamState state{water::kModePT, 50.0, 400.0, NOT_SET};
    Steam process{state};

    explicit SteamPipe(std::uint8_t mode = kSolveFlow) {
        process.setSolveMode(mode);
        process.setInput(Steam::kInWidth, 100.0);
        process.setInput(Steam::kInVelocity, 20.0);
        process.setInput(Steam::kInZeta, 1.5);
    }
    double velocityAtMach(double mach) {
        state.calculate();
        return mach * state.stateValue(water::kW);
    }
};

TEST(SteamFlowProcess, FlowTriangleClosesInAllThreeSolveModes) {
    // 1 m³/s at 10 m/s on two tubes: 100000 mm² and d = sqrt(4 * 50000 / pi) = 252.31 mm.
    SteamPipe pipe(kSolveDiameter);
    Steam& p = pipe.process;
    p.setInput(Steam::kInTimeFactor, 3600.0);
    p.setInput(Steam::kInVolumeFlow, 1.0);
    p.setInput(Steam::kInVelocity, 10.0);
    p.setInput(Steam::kInTubeCount, 2.0);
    ASSERT_EQ(p.calculate(), kOk);
    EXPECT_NEAR(p.result(Steam::kTotalCrossSection), 100000.0, 1e-6);
    EXPECT_NEAR(p.input(Steam::kInWidth), 252.31, 0.005);
    EXPECT_EQ(p.result(Steam::kVolumeFlow), 3600.0);
    EXPECT_NEAR(p.result(Steam::kMassFlow), 3600.0 * pipe.state.stateValue(water::kRho), 1e-9);

    // The solved diameter gives the velocity back, and diameter and velocity the flow.
    p.setSolveMode(kSolveVelocity);
    p.setInput(Steam::kInVelocity, 1.0);
    ASSERT_EQ(p.calculate(), kOk);
    EXPECT_NEAR(p.input(Steam::kInVelocity), 10.0, 1e-12);
    p.setSolveMode(kSolveFlow);
    p.setInput(Steam::kInVolumeFlow, 5.0);
    ASSERT_EQ(p.calculate(), kOk);
    EXPECT_NEAR(p.input(Steam::kInVolumeFlow), 1.0, 1e-12);
}

TEST(SteamFlowProcess, DropsFollowDarcyWeisbachAndHeatTransferMatchesDittusBoelter) {
    SteamPipe pipe;
    ASSERT_EQ(pipe.process.calculate(), kOk);
    const Steam& p = pipe.process;
    const double rho = pipe.state.stateValue(water::kRho);
    EXPECT_NEAR(p.result(Steam::kDynamicPressure), rho * 20.0 * 20.0 / 2.0, 1e-9);
    const double q = p.result(Steam::kDynamicPressure) / 100.0;  // [mbar]
    EXPECT_NEAR(p.result(Steam::kFrictionDrop), p.result(Steam::kLambda) * 300.0 * q, 1e-9);
    EXPECT_NEAR(p.result(Steam::kTotalDrop), p.result(Steam::kFrictionDrop) + 1.5 * q, 1e-9);
    const double re = p.result(Steam::kReynolds);
    const double nu = 0.023 * std::pow(re, 0.8) * std::pow(pipe.state.stateValue(water::kPr), 0.4);
    EXPECT_NEAR(p.result(Steam::kHeatTransfer) / (nu * pipe.state.stateValue(water::kLambda) / 0.1),
                1.0, 0.15);

    pipe.process.setInput(Steam::kInTubeLength, 0.0);
    pipe.process.setInput(Steam::kInZeta, 999.0);  // a zeta, not the no-value marker
    ASSERT_EQ(pipe.process.calculate(), kOk);
    EXPECT_EQ(p.result(Steam::kFrictionDrop), 0.0);
    EXPECT_EQ(p.result(Steam::kHeatTransfer), NOT_SET);
    EXPECT_NEAR(p.result(Steam::kTotalDrop), 999.0 * q, 1e-6);
}

// Wet steam chokes at the sound velocity of the homogeneous mixture: 50 bar, x 0.1 at 200 m/s
// is about Mach 1.7 although each phase alone carries sound faster than 490 m/s.
TEST(SteamFlowProcess, WetSteamGetsNoFrictionOrHeatTransferAndTheMixturesMachNumber) {
    SteamPipe pipe;
    pipe.state = WaterSteamState(water::kModePX, 10.0, NOT_SET, 0.5);
    ASSERT_EQ(pipe.process.calculate(), kOk);
    const Steam& p = pipe.process;
    EXPECT_FALSE(p.singlePhaseFlow());
    EXPECT_GT(p.result(Steam::kReynolds), 0.0);
    EXPECT_NE(p.result(Steam::kDynamicPressure), NOT_SET);
    for (const int i : {Steam::kLambda, Steam::kHeatTransfer}) {
        EXPECT_EQ(p.result(i), NOT_SET) << i;
    }
    EXPECT_EQ(p.result(Steam::kTotalDrop), p.result(Steam::kZetaDrop));
    EXPECT_NEAR(p.result(Steam::kMach), 20.0 / p.sonicVelocity(), 1e-12);

    pipe.state = WaterSteamState(water::kModePX, 50.0, NOT_SET, 0.1);
    pipe.process.setInput(Steam::kInVelocity, 200.0);
    ASSERT_EQ(pipe.process.calculate(), SteamFlowStatus::kMachAbove1);
    EXPECT_NEAR(p.result(Steam::kMach), 1.7, 0.05);
    EXPECT_EQ(p.result(Steam::kTotalDrop), NOT_SET);
    pipe.process.setInput(Steam::kInVelocity, 40.0);
    EXPECT_EQ(pipe.process.calculate(), SteamFlowStatus::kMachWarning);

    pipe.state = WaterSteamState(water::kModePX, 10.0, NOT_SET, 1.0);
    ASSERT_EQ(pipe.process.calculate(), kOk);
    EXPECT_TRUE(p.singlePhaseFlow());
    EXPECT_NE(p.result(Steam::kLambda), NOT_SET);
}

TEST(SteamFlowProcess, MachNumberWarnsAbove03AndStopsAbove1) {
    SteamPipe pipe;
    pipe.process.setInput(Steam::kInVelocity, pipe.velocityAtMach(0.31));
    EXPECT_EQ(pipe.process.calculate(), SteamFlowStatus::kMachWarning);
    EXPECT_NE(pipe.process.result(Steam::kTotalDrop), NOT_SET);
    pipe.process.setInput(Steam::kInVelocity, pipe.velocityAtMach(1.01));
    EXPECT_EQ(pipe.process.calculate(), SteamFlowStatus::kMachAbove1);
    EXPECT_NEAR(pipe.process.result(Steam::kMach), 1.01, 1e-12);
    EXPECT_EQ(pipe.process.result(Steam::kLambda), NOT_SET);
    EXPECT_EQ(pipe.process.result(Steam::kTotalDrop), NOT_SET);
}

TEST(SteamFlowProcess, DiameterSolveOfARectangularProfileSizesACircularTube) {
    SteamPipe rectangular(kSolveDiameter);
    rectangular.process.setRectangularProfile(true);
    rectangular.process.setInput(Steam::kInHeight, 40.0);
    rectangular.process.setInput(Steam::kInMassFlow, 2.0);
    SteamPipe circular(kSolveDiameter);
    circular.process.setInput(Steam::kInMassFlow, 2.0);
    ASSERT_EQ(rectangular.process.calculate(), kOk);
    ASSERT_EQ(circular.process.calculate(), kOk);
    EXPECT_EQ(rectangular.process.input(Steam::kInEquivalentDiameter),
              rectangular.process.input(Steam::kInWidth));
    EXPECT_EQ(rectangular.process.result(Steam::kFrictionDrop),
              circular.process.result(Steam::kFrictionDrop));

    // Given both sides, the hydraulic diameter is 2 a b / (a + b).
    rectangular.process.setSolveMode(kSolveFlow);
    rectangular.process.setInput(Steam::kInWidth, 80.0);
    ASSERT_EQ(rectangular.process.calculate(), kOk);
    EXPECT_NEAR(rectangular.process.input(Steam::kInEquivalentDiameter), 160.0 / 3.0, 1e-12);
    // A creeping flow (Re < 500) through it: 64/Re * 700/Re times the factor of sides 2:1.
    rectangular.process.setInput(Steam::kInVelocity, 0.01);
    ASSERT_EQ(rectangular.process.calculate(), kOk);
    const double re = rectangular.process.result(Steam::kReynolds);
    ASSERT_LT(re, 500.0);
    EXPECT_NEAR(rectangular.process.result(Steam::kLambda) * re * re / (64.0 * 700.0), 0.95969,
                1e-5);
}

TEST(SteamFlowProcess, UnusableInputsAreRefusedBeforeAnyResult) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [index, value] :
         {std::pair{int{Steam::kInWidth}, 0.0}, std::pair{int{Steam::kInVelocity}, kNaN},
          std::pair{int{Steam::kInTubeCount}, 0.0}, std::pair{int{Steam::kInRoughness}, -0.1},
          std::pair{int{Steam::kInZeta}, kNaN}}) {
        SCOPED_TRACE(index);
        SteamPipe pipe;
        pipe.process.setInput(index, value);
        EXPECT_EQ(pipe.process.calculate(), FlowStatus::kInputInvalid);
        EXPECT_EQ(pipe.process.result(Steam::kReynolds), NOT_SET);
    }
    SteamPipe unknownMode(7);
    EXPECT_EQ(unknownMode.process.calculate(), FlowStatus::kInputInvalid);
    SteamPipe tooHot;
    tooHot.state = WaterSteamState(water::kModePT, 50.0, 2500.0, NOT_SET);
    EXPECT_EQ(tooHot.process.calculate(), water::kInputOutOfRange);
}

// Dry air at 1.013 bar in a duct 1 m across at 5 m/s.
struct GasPipe {
    gas::GasAnalysis analysis;
    gas::GasState state;
    AmbientData ambient;
    Gas process{state, ambient};

    explicit GasPipe(double t) {
        analysis.setDefault();
        state = gas::GasState(analysis, 1.013, t);
        process.setSolveMode(kSolveFlow);
        process.setInput(Gas::kInWidth, 1000.0);
        process.setInput(Gas::kInVelocity, 5.0);
    }
};

TEST(GasFlowProcess, HotStackDraftIsTheWeightDifferenceOfTheTwoColumns) {
    GasPipe stack(200.0);
    stack.process.setFreeFlow(true);
    stack.process.setInput(Gas::kInHeightDifference, 50.0);
    ASSERT_EQ(stack.process.calculate(), kOk);
    const double rhoGas = 1.013e5 / (287.05 * 473.15);
    const double draft = 9.81 * 50.0 * (stack.ambient.result(AmbientData::kDensity) - rhoGas);
    EXPECT_NEAR(stack.process.result(Gas::kDraft), draft / 100.0, 5e-3);
    stack.process.setInput(Gas::kInHeightDifference, -50.0);
    ASSERT_EQ(stack.process.calculate(), kOk);
    EXPECT_NEAR(stack.process.result(Gas::kDraft), -draft / 100.0, 5e-3);

    // Frosty humid air is refused by the ambient record; the flow results stand.
    stack.ambient.setInput(AmbientData::kTemperature, -5.0);
    stack.ambient.setInput(AmbientData::kRelativeHumidity, 50.0);
    EXPECT_EQ(stack.process.calculate(), kOk);
    EXPECT_EQ(stack.ambient.status(), AmbientStatus::kBelowTriplePoint);
    EXPECT_EQ(stack.process.result(Gas::kDraft), NOT_SET);
    EXPECT_NE(stack.process.result(Gas::kTotalDrop), NOT_SET);
}

TEST(GasFlowProcess, NormalFlowPerHourFixesMassAndVolumeFlows) {
    GasPipe duct(100.0);
    duct.process.setSolveMode(kSolveVelocity);
    duct.process.setInput(Gas::kInNormalFlow, 36000.0 / 3600.0);
    ASSERT_EQ(duct.process.calculate(), kOk);
    EXPECT_NEAR(duct.process.result(Gas::kNormalFlow), 36000.0, 1e-9);
    EXPECT_NEAR(duct.process.input(Gas::kInMassFlow), 10.0 * 1.293, 0.01);
    EXPECT_NEAR(duct.process.input(Gas::kInVolumeFlow),
                duct.process.input(Gas::kInMassFlow) * duct.state.property(gas::kVolume), 1e-12);
}

TEST(GasFlowProcess, MachNumberAndDewPointLimits) {
    GasPipe duct(20.0);
    // Speed of sound in air at 20 °C: 343.2 m/s.
    duct.process.setInput(Gas::kInVelocity, 0.31 * 343.2);
    EXPECT_EQ(duct.process.calculate(), GasFlowStatus::kMachWarning);
    duct.process.setInput(Gas::kInVelocity, 1.01 * 343.2);
    EXPECT_EQ(duct.process.calculate(), GasFlowStatus::kMachAbove1);
    EXPECT_EQ(duct.process.result(Gas::kReynolds), NOT_SET);

    // Air holding 12.352 kPa of water vapour condenses below 50 °C at 1 bar.
    GasPipe humid(30.0);
    humid.analysis.setComponentVolumeFraction(gas::kWaterVapor, 0.12352);
    humid.state = gas::GasState(humid.analysis, 1.0, 30.0);
    EXPECT_EQ(humid.process.calculate(), GasFlowStatus::kCondensing);
}

}  // namespace
}  // namespace vaporis::processes
