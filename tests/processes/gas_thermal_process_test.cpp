#include "processes/thermal/gas_thermal_process.h"

#include <cmath>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gas/status_codes.h"
#include "engine/water/saturation.h"
#include "test_analyses.h"

namespace vaporis::processes {
namespace {

using gas::GasAnalysis;
using gas::GasState;
using gas::kEnthalpy;
using gas::kVolume;
using Process = GasThermalProcess;

// Flue gas with 15 vol % water vapour: dew point 54 °C at 1 bar.
GasAnalysis wetFlueGas() {
    return gas::test::byVolume({{gas::kNitrogen, 71.0},
                                {gas::kCarbonDioxide, 9.0},
                                {gas::kWaterVapor, 15.0},
                                {gas::kOxygen, 4.0},
                                {gas::kArgon, 1.0}});
}

// Partial pressure of the water vapour left in the gas [bar] at p [bar] after condensed [kg/kg]
// of water left one kg of it.
double remainingSteamPressure(const GasAnalysis& analysis, double p, double condensed) {
    const double w = analysis.massFraction(gas::kWaterVapor);
    const double x = analysis.volumeFraction(gas::kWaterVapor);
    const double steam = x * (w - condensed) / w;  // kmol per kmol of initial gas
    return p * steam / (steam + 1.0 - x);
}

// A process of analysis from p1 [bar], t1 [°C] to p2 [bar], recording its messages.
struct GasCase {
    GasCase(const GasAnalysis& gas, int type, double p1, double t1, double p2)
        : analysis(gas), initial(analysis, p1, t1), final(analysis, p2, 0.0) {
        process.setType(type);
    }
    int calculate() {
        return process.calculate({[this](int m, double limit) { shown.emplace_back(m, limit); }});
    }
    [[nodiscard]] double dh() const {
        return process.finalProperty(kEnthalpy) - initial.property(kEnthalpy);
    }
    GasAnalysis analysis;
    GasState initial;
    GasState final;
    Process process{initial, final};
    std::vector<std::pair<int, double>> shown;
};

TEST(GasThermalProcess, ThrottlingKeepsEnthalpyAndGainsRTimesLogOfPressureRatio) {
    GasCase c(wetFlueGas(), kConstantEnthalpy, 10.0, 200.0, 1.0);
    ASSERT_EQ(c.calculate(), kOk);
    EXPECT_EQ(c.dh(), 0.0);
    EXPECT_NEAR(c.process.result(Process::kEntropyChange),
                c.analysis.gasConstantJ() / 1000.0 * std::log(10.0), 1e-9);
}

TEST(GasThermalProcess, ExpansionPowerFromHourlyNormalVolumeFlow) {
    GasCase c(gas::test::air(), kIsentropicEfficiency, 5.0, 300.0, 1.0);
    ASSERT_TRUE(c.process.setInput(Process::kIsentropicEta, 0.9));
    ASSERT_TRUE(c.process.setInput(Process::kMechanicalEta, 0.98));
    ASSERT_TRUE(c.process.setInput(Process::kGeneratorEta, 0.97));
    ASSERT_TRUE(c.process.setInput(Process::kNormalVolumeFlow, 3600.0 / 3600.0));
    ASSERT_EQ(c.calculate(), kOk);
    const double m = c.initial.property(gas::kNormalDensity);  // 1 Nm³/s
    EXPECT_DOUBLE_EQ(c.process.input(Process::kMassFlow), m);
    EXPECT_DOUBLE_EQ(c.process.result(Process::kShownNormalVolumeFlow), 3600.0);
    EXPECT_NEAR(c.dh(), 0.9 * c.process.result(Process::kIsentropicChange), 1e-4);
    EXPECT_NEAR(c.process.result(Process::kPower), m * c.dh() * 0.98 * 0.97, 1e-6);
    EXPECT_LT(c.process.result(Process::kPower), 0.0);
}

TEST(GasThermalProcess, ExpansionBelowDewPointCondensesUntilTheVapourIsSaturated) {
    GasCase c(wetFlueGas(), kIsentropicEfficiency, 3.0, 130.0, 1.0);
    ASSERT_TRUE(c.process.setInput(Process::kIsentropicEta, 0.85));
    ASSERT_EQ(c.calculate(), ThermalProcessStatus::kCondensedInFinalState);
    const double t2 = c.final.temperature();
    EXPECT_LT(t2, c.final.property(gas::kDewPoint));
    // the corrected end enthalpy closes the efficiency balance
    EXPECT_NEAR(c.dh(), 0.85 * c.process.result(Process::kIsentropicChange), 0.01);
    EXPECT_LT(c.process.finalProperty(kVolume), c.final.property(kVolume));
    EXPECT_EQ(c.process.result(Process::kCondensationHeat), NOT_SET);
    EXPECT_EQ(c.process.result(Process::kCondensateFlow), NOT_SET);  // no flow given
    // the gas left over holds water vapour at its saturation pressure
    const double condensed = c.process.result(Process::kCondensate);
    ASSERT_GT(condensed, 0.0);
    EXPECT_NEAR(remainingSteamPressure(c.analysis, 1.0, condensed) / water::saturationPressure(t2),
                1.0, 0.005);
}

TEST(GasThermalProcess, HeatLossBelowDewPointLeavesSaturatedVapour) {
    GasCase c(wetFlueGas(), kConstantEnthalpy, 1.0, 100.0, 1.0);
    ASSERT_TRUE(c.process.setInput(Process::kMassFlow, 2.0));
    ASSERT_TRUE(c.process.setInput(Process::kHeatLoss, 400.0));  // 200 kJ/kg
    ASSERT_EQ(c.calculate(), kOk);
    ASSERT_TRUE(c.process.condensedAfterHeatLoss());
    const double t = c.process.result(Process::kTemperatureAfterLoss);
    const double condensed = c.process.result(Process::kCondensateAfterLoss);
    EXPECT_NEAR(remainingSteamPressure(c.analysis, 1.0, condensed) / water::saturationPressure(t),
                1.0, 0.005);
    EXPECT_DOUBLE_EQ(c.process.result(Process::kCondensateFlowAfterLoss), 2.0 * condensed);
}

TEST(GasThermalProcess, HeatGainBeyondRangeNamesTheAnalysisUpperLimit) {
    GasCase c(gas::test::air(), kConstantEnthalpy, 1.0, 400.0, 1.0);
    ASSERT_TRUE(c.process.setInput(Process::kMassFlow, 1.0));
    ASSERT_TRUE(c.process.setInput(Process::kHeatLoss, -1.0e5));
    ASSERT_EQ(c.calculate(), kOk);
    EXPECT_FALSE(c.process.heatLossValid());
    ASSERT_EQ(c.shown.size(), 1U);
    EXPECT_EQ(c.shown[0],
              std::pair(static_cast<int>(kMessageHeatGainTooHigh), c.analysis.maxTemperature()));
}

}  // namespace
}  // namespace vaporis::processes
