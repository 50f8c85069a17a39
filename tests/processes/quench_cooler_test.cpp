#include "processes/quench_cooler.h"

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
    EXPECT_FALSE(out.outOfRange || out.pressureOrder || out.waterNotColder);
}

TEST(QuenchCooler, WaterBelowSteamPressureWarnsButBalances) {
    QuenchInputs in;
    in.pWater = 40.0;
    const QuenchBalance out = quenchCoolerBalance(in);
    EXPECT_TRUE(out.pressureOrder);
    EXPECT_NEAR(out.massFlowWater, 0.052, 0.001);
}

TEST(QuenchCooler, WaterAtTheSetStateWarnsAndGivesNoFlow) {
    QuenchInputs in;
    in.tWater = in.tSet;
    const QuenchBalance out = quenchCoolerBalance(in);
    EXPECT_TRUE(out.waterNotColder);
    EXPECT_EQ(out.massFlowWater, NOT_SET);
    EXPECT_EQ(out.massFlowExit, NOT_SET);
}

}  // namespace
}  // namespace vaporis::processes
