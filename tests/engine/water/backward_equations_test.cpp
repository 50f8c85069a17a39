#include "engine/water/backward_equations.h"

#include <cmath>

#include <gtest/gtest.h>

#include "engine/water/if97_regions.h"

namespace vaporis::water {
namespace {

struct BackwardCheck {
    int region;
    double p;      // [bar]
    double value;  // h [kJ/kg] or s [kJ/(kg K)]
    double tK;     // [K], nine significant digits as printed
};

// Every printed digit: within half a unit of the ninth significant one.
void expectPrinted(double computed, double printed) {
    EXPECT_NEAR(computed, printed, 0.5 * std::pow(10.0, std::floor(std::log10(printed)) - 8.0));
}

TEST(WaterBackwardEquations, MatchIf97CheckValues) {
    // IAPWS-IF97 Table 7 (region 1) and Table 24 (regions 2a, 2b, 2c), p in bar
    for (const auto& c : {BackwardCheck{kRegion1, 30.0, 500.0, 391.798509},
                          {kRegion1, 800.0, 500.0, 378.108626},
                          {kRegion1, 800.0, 1500.0, 611.041229},
                          {kRegion2, 0.01, 3000.0, 534.433241},
                          {kRegion2, 30.0, 3000.0, 575.373370},
                          {kRegion2, 30.0, 4000.0, 1010.77577},
                          {kRegion2, 50.0, 3500.0, 801.299102},
                          {kRegion2, 50.0, 4000.0, 1015.31583},
                          {kRegion2, 250.0, 3500.0, 875.279054},
                          {kRegion2, 400.0, 2700.0, 743.056411},
                          {kRegion2, 600.0, 2700.0, 791.137067},
                          {kRegion2, 600.0, 3200.0, 882.756860}}) {
        SCOPED_TRACE(::testing::Message() << c.p << " bar, h = " << c.value);
        expectPrinted(backwardTemperaturePH(c.p, c.value, c.region), c.tK);
    }
    // IAPWS-IF97 Table 9 (region 1) and Table 29 (regions 2a, 2b, 2c), p in bar
    for (const auto& c : {BackwardCheck{kRegion1, 30.0, 0.5, 307.842258},
                          {kRegion1, 800.0, 0.5, 309.979785},
                          {kRegion1, 800.0, 3.0, 565.899909},
                          {kRegion2, 1.0, 7.5, 399.517097},
                          {kRegion2, 1.0, 8.0, 514.127081},
                          {kRegion2, 25.0, 8.0, 1039.84917},
                          {kRegion2, 80.0, 6.0, 600.484040},
                          {kRegion2, 80.0, 7.5, 1064.95556},
                          {kRegion2, 900.0, 6.0, 1038.01126},
                          {kRegion2, 200.0, 5.75, 697.992849},
                          {kRegion2, 800.0, 5.25, 854.011484},
                          {kRegion2, 800.0, 5.75, 949.017998}}) {
        SCOPED_TRACE(::testing::Message() << c.p << " bar, s = " << c.value);
        expectPrinted(backwardTemperaturePS(c.p, c.value, c.region), c.tK);
    }
}

}  // namespace
}  // namespace vaporis::water
