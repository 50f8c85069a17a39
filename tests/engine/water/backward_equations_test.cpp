#include "engine/water/backward_equations.h"

#include <array>
#include <cmath>

#include <gtest/gtest.h>

namespace vaporis::water {
namespace {

// Every printed digit: within half a unit of the ninth significant one.
void expectPrinted(double computed, double printed) {
    EXPECT_NEAR(computed, printed, 0.5 * std::pow(10.0, std::floor(std::log10(printed)) - 8.0));
}

TEST(WaterBackwardEquations, MatchIf97CheckValues) {
    // region, p [bar], h [kJ/kg] or s [kJ/(kg K)], T [K] as printed in IAPWS-IF97
    // Table 7 (region 1) and Table 24 (regions 2a, 2b, 2c)
    for (const auto& [region, p, value, tK] :
         {std::array{1.0, 30.0, 500.0, 391.798509}, std::array{1.0, 800.0, 500.0, 378.108626},
          std::array{1.0, 800.0, 1500.0, 611.041229}, std::array{2.0, 0.01, 3000.0, 534.433241},
          std::array{2.0, 30.0, 3000.0, 575.373370}, std::array{2.0, 30.0, 4000.0, 1010.77577},
          std::array{2.0, 50.0, 3500.0, 801.299102}, std::array{2.0, 50.0, 4000.0, 1015.31583},
          std::array{2.0, 250.0, 3500.0, 875.279054}, std::array{2.0, 400.0, 2700.0, 743.056411},
          std::array{2.0, 600.0, 2700.0, 791.137067}, std::array{2.0, 600.0, 3200.0, 882.756860}}) {
        SCOPED_TRACE(::testing::Message() << p << " bar, h = " << value);
        expectPrinted(backwardTemperaturePH(p, value, static_cast<int>(region)), tK);
    }
    // Table 9 (region 1) and Table 29 (regions 2a, 2b, 2c)
    for (const auto& [region, p, value, tK] :
         {std::array{1.0, 30.0, 0.5, 307.842258}, std::array{1.0, 800.0, 0.5, 309.979785},
          std::array{1.0, 800.0, 3.0, 565.899909}, std::array{2.0, 1.0, 7.5, 399.517097},
          std::array{2.0, 1.0, 8.0, 514.127081}, std::array{2.0, 25.0, 8.0, 1039.84917},
          std::array{2.0, 80.0, 6.0, 600.484040}, std::array{2.0, 80.0, 7.5, 1064.95556},
          std::array{2.0, 900.0, 6.0, 1038.01126}, std::array{2.0, 200.0, 5.75, 697.992849},
          std::array{2.0, 800.0, 5.25, 854.011484}, std::array{2.0, 800.0, 5.75, 949.017998}}) {
        SCOPED_TRACE(::testing::Message() << p << " bar, s = " << value);
        expectPrinted(backwardTemperaturePS(p, value, static_cast<int>(region)), tK);
    }
}

}  // namespace
}  // namespace vaporis::water
