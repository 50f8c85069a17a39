#include "processes/tools/quench_cooler.h"

#include <gtest/gtest.h>

#include "engine/common/not_set.h"

namespace vaporis::processes {
namespace {

TEST(QuenchCooler, DesuperheatingFrom400To350DegreesAt50BarTakesAbout52GramsPerKilogram) {
    // h_ss = 3196, h_set = 3068, h_cw = 634 kJ/kg: m_cw = 128 / 2434.
    const QuenchBalance out = quenchCoolerBalance(QuenchInputs{});
    EXPECT_NEAR(out.massFlowWater, 0.052, 0.001);
    EXPECT_DOUBLE_EQ(out.massFlowExit, 1.0 + out.massFlowWater);
    EXPECT_EQ(out.tExit, 350.0);
    EXPECT_EQ(out.refusal, QuenchRefusal::kNone);
    EXPECT_FALSE(out.pressureOrder);
}

TEST(QuenchCooler, WaterBelowSteamPressureWarnsButBalances) {
    QuenchInputs in;
    in.pWater = 40.0;
    const QuenchBalance out = quenchCoolerBalance(in);
    EXPECT_TRUE(out.pressureOrder);
    EXPECT_NEAR(out.massFlowWater, 0.052, 0.001);
}

QuenchInputs steamAt10Bar(double tSet, double tWater, double massFlowSteam) {
    return {10.0, 300.0, massFlowSteam, 20.0, tWater, tSet, 10.0};
}

TEST(QuenchCooler, BalancesWithoutAValidResultAreRefusedWithoutNumbers) {
    // ts(10 bar) = 179.8857 °C: a set point on or below it would leave the cooler wet.
    for (const auto& [in, why] : {
             std::pair{steamAt10Bar(179.8856, 30.0, 5.0), QuenchRefusal::kSetNotSuperheated},
             std::pair{steamAt10Bar(150.0, 30.0, 5.0), QuenchRefusal::kSetNotSuperheated},
             std::pair{steamAt10Bar(5000.0, 30.0, 5.0), QuenchRefusal::kOutOfRange},
             std::pair{steamAt10Bar(200.0, 250.0, 5.0), QuenchRefusal::kWaterNotColder},
             std::pair{steamAt10Bar(350.0, 30.0, 5.0), QuenchRefusal::kSteamNotHotter},
             std::pair{steamAt10Bar(200.0, 30.0, -5.0), QuenchRefusal::kInputData},
         }) {
        SCOPED_TRACE(in.tSet);
        const QuenchBalance out = quenchCoolerBalance(in);
        EXPECT_EQ(out.refusal, why);
        EXPECT_EQ(out.massFlowWater, NOT_SET);
        EXPECT_EQ(out.massFlowExit, NOT_SET);
        EXPECT_EQ(out.hSet, NOT_SET);
    }
    EXPECT_NEAR(quenchCoolerBalance(steamAt10Bar(150.0, 30.0, 5.0)).tsExit, 179.8857, 1e-4);
}

}  // namespace
}  // namespace vaporis::processes
