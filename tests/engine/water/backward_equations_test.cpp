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

// Half a unit of the ninth significant digit.
double halfLastDigit(double tK) {
    return 0.5 * std::pow(10.0, std::floor(std::log10(tK)) - 8.0);
}

TEST(WaterBackwardEquations, TemperatureFromPHMatchesIf97CheckValues) {
    // IAPWS-IF97 Table 7 (region 1) and Table 24 (regions 2a, 2b, 2c), p converted to bar
    for (const auto& c : {
             BackwardCheck{kRegion1, 30.0, 500.0, 391.798509},
             BackwardCheck{kRegion1, 800.0, 500.0, 378.108626},
             BackwardCheck{kRegion1, 800.0, 1500.0, 611.041229},
             BackwardCheck{kRegion2, 0.01, 3000.0, 534.433241},
             BackwardCheck{kRegion2, 30.0, 3000.0, 575.373370},
             BackwardCheck{kRegion2, 30.0, 4000.0, 1010.77577},
             BackwardCheck{kRegion2, 50.0, 3500.0, 801.299102},
             BackwardCheck{kRegion2, 50.0, 4000.0, 1015.31583},
             BackwardCheck{kRegion2, 250.0, 3500.0, 875.279054},
             BackwardCheck{kRegion2, 400.0, 2700.0, 743.056411},
             BackwardCheck{kRegion2, 600.0, 2700.0, 791.137067},
             BackwardCheck{kRegion2, 600.0, 3200.0, 882.756860},
         }) {
        SCOPED_TRACE(::testing::Message() << c.p << " bar, " << c.value << " kJ/kg");
        EXPECT_NEAR(backwardTemperaturePH(c.p, c.value, c.region), c.tK, halfLastDigit(c.tK));
    }
}

TEST(WaterBackwardEquations, TemperatureFromPSMatchesIf97CheckValues) {
    // IAPWS-IF97 Table 9 (region 1) and Table 29 (regions 2a, 2b, 2c), p converted to bar
    for (const auto& c : {
             BackwardCheck{kRegion1, 30.0, 0.5, 307.842258},
             BackwardCheck{kRegion1, 800.0, 0.5, 309.979785},
             BackwardCheck{kRegion1, 800.0, 3.0, 565.899909},
             BackwardCheck{kRegion2, 1.0, 7.5, 399.517097},
             BackwardCheck{kRegion2, 1.0, 8.0, 514.127081},
             BackwardCheck{kRegion2, 25.0, 8.0, 1039.84917},
             BackwardCheck{kRegion2, 80.0, 6.0, 600.484040},
             BackwardCheck{kRegion2, 80.0, 7.5, 1064.95556},
             BackwardCheck{kRegion2, 900.0, 6.0, 1038.01126},
             BackwardCheck{kRegion2, 200.0, 5.75, 697.992849},
             BackwardCheck{kRegion2, 800.0, 5.25, 854.011484},
             BackwardCheck{kRegion2, 800.0, 5.75, 949.017998},
         }) {
        SCOPED_TRACE(::testing::Message() << c.p << " bar, " << c.value << " kJ/(kg K)");
        EXPECT_NEAR(backwardTemperaturePS(c.p, c.value, c.region), c.tK, halfLastDigit(c.tK));
    }
}

}  // namespace
}  // namespace vaporis::water
