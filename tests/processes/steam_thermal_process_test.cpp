#include "processes/thermal/steam_thermal_process.h"

#include <cmath>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::processes {
namespace {

using water::kH;
using water::kS;
using water::kV;
using water::WaterSteamState;
using Process = SteamThermalProcess;

// A process from p1 [bar], t1 [°C] to p2 [bar], recording the messages it shows.
struct SteamCase {
    SteamCase(int type, double p1, double t1, double p2)
        : initial(water::kModePT, p1, t1, 0.0), final(water::kModePT, p2, 0.0, 0.0) {
        process.setType(type);
    }
    int calculate() {
        return process.calculate({[this](int m, double limit) { shown.emplace_back(m, limit); }});
    }
    [[nodiscard]] double dh() const { return final.stateValue(kH) - initial.stateValue(kH); }
    WaterSteamState initial;
    WaterSteamState final;
    Process process{initial, final};
    std::vector<std::pair<int, double>> shown;
};

TEST(SteamThermalProcess, IsentropicExpansionIntoWetSteamEndsAtInitialEntropy) {
    SteamCase c(kIsentropicEfficiency, 100.0, 500.0, 1.0);
    ASSERT_EQ(c.calculate(), kOk);
    EXPECT_EQ(c.final.mode(), water::kModePX);
    EXPECT_NEAR(c.final.stateValue(kS), c.initial.stateValue(kS), 1e-6);
    EXPECT_EQ(c.process.result(Process::kEntropyChange), 0.0);
}

// Inside region 3 the isentropic end is the exact root of s(200 bar, t) = s1: the region-3
// equation evaluated with 30 digits gives t2s = 365.374006 °C and dh_s = -19.3491149748 kJ/kg.
TEST(SteamThermalProcess, IsentropicEndInRegion3IsTheExactInverse) {
    SteamCase c(kIsentropicEfficiency, 300.0, 380.0, 200.0);
    ASSERT_TRUE(c.process.setInput(Process::kIsentropicEta, 0.8));
    ASSERT_EQ(c.calculate(), kOk);
    const double dhs = c.process.result(Process::kIsentropicChange);
    EXPECT_NEAR(dhs, -19.3491149748, 1e-8);
    EXPECT_NEAR(c.process.result(Process::kEnthalpyChange), 0.8 * dhs, 1e-8);
}

TEST(SteamThermalProcess, ExpansionPowerIsFlowTimesEnthalpyDropTimesShaftAndGenerator) {
    SteamCase c(kIsentropicEfficiency, 50.0, 400.0, 1.0);
    ASSERT_TRUE(c.process.setInput(Process::kIsentropicEta, 0.85));
    ASSERT_TRUE(c.process.setInput(Process::kMechanicalEta, 0.98));
    ASSERT_TRUE(c.process.setInput(Process::kGeneratorEta, 0.97));
    ASSERT_TRUE(c.process.setInput(Process::kMassFlow, 36000.0 / 3600.0));  // 36 t/h
    ASSERT_EQ(c.calculate(), kOk);
    const double dh = c.dh();
    EXPECT_NEAR(dh, 0.85 * c.process.result(Process::kIsentropicChange), 1e-3);
    EXPECT_NEAR(c.process.result(Process::kPower), 10.0 * dh * 0.98 * 0.97, 1e-6);
    EXPECT_LT(c.process.result(Process::kPower), 0.0);
    EXPECT_GT(c.process.result(Process::kEntropyChange), 0.0);
    // per second inside, per hour shown
    const double v1 = c.initial.stateValue(kV);
    EXPECT_DOUBLE_EQ(c.process.input(Process::kVolumeFlow), 10.0 * v1);
    EXPECT_DOUBLE_EQ(c.process.result(Process::kShownVolumeFlow), 36000.0 * v1);
}

TEST(SteamThermalProcess, ThrottlingKeepsEnthalpyAndEndsWetByQuality) {
    for (const double t1 : {300.0, 200.0}) {  // superheated end, wet end (compressed liquid)
        SCOPED_TRACE(t1);
        SteamCase c(kConstantEnthalpy, 50.0, t1, 1.0);
        ASSERT_EQ(c.calculate(), kOk);
        EXPECT_NEAR(c.dh(), 0.0, 1e-3);  // the backward iteration's enthalpy tolerance
        EXPECT_EQ(c.final.mode(), t1 < 250.0 ? water::kModePX : water::kModePT);
        EXPECT_GT(c.process.result(Process::kEntropyChange), 0.0);
    }
}

TEST(SteamThermalProcess, GivenFinalStateOnTheBoilingLineIsAnError) {
    SteamCase c(kStateBalance, 50.0, 400.0, 10.0);
    c.final.setTemperature(water::saturationTemperature(10.0));
    EXPECT_EQ(c.calculate(), finalStateFailed(water::kInputOnSaturationLine));
}

TEST(SteamThermalProcess, HeatLossWithoutFlowWarnsOnceAndGivesNoStateAfterLoss) {
    SteamCase c(kConstantEnthalpy, 50.0, 400.0, 10.0);
    ASSERT_TRUE(c.process.setInput(Process::kHeatLoss, 100.0));
    ASSERT_EQ(c.calculate(), kOk);
    ASSERT_EQ(c.shown.size(), 1U);
    EXPECT_EQ(c.shown[0].first, kMessageHeatLossWithoutFlow);
    EXPECT_FALSE(c.process.heatLossOn());
    EXPECT_EQ(c.process.result(Process::kEnthalpyAfterLoss), NOT_SET);
}

TEST(SteamThermalProcess, HeatLossIntoWetRegionBalancesWithQualityAtBoilingTemperature) {
    SteamCase c(kConstantEnthalpy, 1.0, 150.0, 1.0);
    ASSERT_TRUE(c.process.setInput(Process::kMassFlow, 2.0));
    ASSERT_TRUE(c.process.setInput(Process::kHeatLoss, 2000.0));  // 1000 kJ/kg
    ASSERT_EQ(c.calculate(), kOk);
    ASSERT_TRUE(c.process.heatLossValid());
    const double x = c.process.result(Process::kQualityAfterLoss);
    EXPECT_NEAR(water::enthalpyFromPX(1.0, x), c.final.stateValue(kH) - 1000.0, 1e-6);
    EXPECT_NEAR(c.process.result(Process::kTemperatureAfterLoss), 99.606, 1e-3);  // IF97 ts(1 bar)
}

// An enthalpy after the loss outside the range is no state: no result after it.
TEST(SteamThermalProcess, HeatGainOrLossBeyondRangeNamesTheLimitAndGivesNoStateAfterIt) {
    for (const auto& [p, limit] : {std::pair{50.0, 2000.0}, std::pair{150.0, 800.0}}) {
        SCOPED_TRACE(p);
        SteamCase c(kConstantEnthalpy, p, 400.0, p);
        ASSERT_TRUE(c.process.setInput(Process::kMassFlow, 1.0));
        ASSERT_TRUE(c.process.setInput(Process::kHeatLoss, -5000.0));
        ASSERT_EQ(c.calculate(), kOk);
        EXPECT_FALSE(c.process.heatLossValid());
        ASSERT_EQ(c.shown.size(), 1U);
        EXPECT_EQ(c.shown[0], std::pair(static_cast<int>(kMessageHeatGainTooHigh), limit));
    }
    SteamCase c(kIsentropicEfficiency, 50.0, 400.0, 10.0);
    ASSERT_TRUE(c.process.setInput(Process::kIsentropicEta, 0.8));
    ASSERT_TRUE(c.process.setInput(Process::kMassFlow, 10.0));
    ASSERT_TRUE(c.process.setInput(Process::kHeatLoss, 40000.0));  // 4000 kJ/kg
    ASSERT_EQ(c.calculate(), kOk);
    EXPECT_EQ(c.shown, (std::vector<std::pair<int, double>>{{kMessageHeatLossTooHigh, NOT_SET}}));
    EXPECT_EQ(c.process.result(Process::kEnthalpyAfterLoss), NOT_SET);
    EXPECT_EQ(c.process.result(Process::kTemperatureAfterLoss), NOT_SET);
}

TEST(SteamThermalProcess, ZeroEfficiencyOnlyForAnExpansion) {
    SteamCase same(kIsentropicEfficiency, 10.0, 300.0, 10.0);
    EXPECT_FALSE(same.process.setInput(Process::kIsentropicEta, 0.0));  // would divide by 0
    EXPECT_FALSE(same.process.setInput(Process::kGeneratorEta, 0.0));
    EXPECT_FALSE(same.process.setInput(Process::kMechanicalEta, std::nan("")));
    EXPECT_FALSE(same.process.setInput(Process::kMassFlow, 0.0));
    SteamCase fromBoilingLine(kIsentropicEfficiency, 0.0, 0.0, 5.0);  // from about 1 bar
    fromBoilingLine.initial = WaterSteamState(water::kModeTX, 0.0, 100.0, 1.0);
    EXPECT_FALSE(fromBoilingLine.process.setInput(Process::kIsentropicEta, 0.0));
    SteamCase expansion(kIsentropicEfficiency, 10.0, 300.0, 5.0);
    ASSERT_TRUE(expansion.process.setInput(Process::kIsentropicEta, 0.0));
    ASSERT_EQ(expansion.calculate(), kOk);
    EXPECT_NEAR(expansion.dh(), 0.0, 1e-3);
    EXPECT_FALSE(std::signbit(expansion.process.result(Process::kEnthalpyChange)));  // no -0.0000
    // the final radios of an earlier balance: ts 300 °C would be 85.9 bar, above p1
    SteamCase leftover(kIsentropicEfficiency, 50.0, 400.0, 1.0);
    leftover.final.setMode(water::kModeTX);
    leftover.final.setTemperature(300.0);
    EXPECT_TRUE(leftover.process.setInput(Process::kIsentropicEta, 0.0));
}

}  // namespace
}  // namespace vaporis::processes
