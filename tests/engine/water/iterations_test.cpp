#include "engine/water/iterations.h"

#include <array>

#include <gtest/gtest.h>

#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

TEST(WaterTemperatureFromPH, InvertsTheForwardPropertiesInEveryRegion) {
    // p [bar], t [°C], tolerance [K]: in regions 1 and 2 (beside the saturation line and the
    // boundaries too) the exact root; in regions 3 and 5 the search's own tolerance
    for (const auto& [p, t, tolerance] :
         {std::array{0.0062, 0.02, 1e-9}, std::array{1.0, 99.0, 1e-9}, std::array{1.0, 100.0, 1e-9},
          std::array{40.0, 600.0, 1e-9}, std::array{65.0, 281.0, 1e-9},
          std::array{100.0, 117.0, 1e-9}, std::array{165.0, 349.9, 1e-9},
          std::array{200.0, 340.0, 1e-9}, std::array{200.0, 380.0, 1e-9},
          std::array{500.0, 349.9, 1e-9}, std::array{1000.0, 0.02, 1e-9},
          std::array{1000.0, 799.9, 1e-9}, std::array{255.837018, 376.85, 2e-3},
          std::array{300.0, 450.0, 2e-3}, std::array{5.0, 1226.85, 2e-3}}) {
        SCOPED_TRACE(::testing::Message() << "p = " << p << " bar, t = " << t << " °C");
        int status = -1;
        EXPECT_NEAR(temperatureFromPH(p, enthalpy(p, t, status), status), t, tolerance);
        EXPECT_EQ(status, kOk);
        EXPECT_NEAR(temperatureFromPS(p, entropy(p, t, status), status), t, tolerance);
        EXPECT_EQ(status, kOk);
    }
}

TEST(WaterTemperatureFromPH, TwoPhaseQualityAndStatusCodesAtRangeLimits) {
    int status = -1;
    // h' = 417.436 and h'' = 2674.950 kJ/kg at 1 bar
    EXPECT_NEAR(temperatureFromPH(1.0, 1500.0, status), 0.47954, 5e-6);
    EXPECT_EQ(status, kTwoPhase);
    EXPECT_NEAR(temperatureFromPS(10.0, entropyFromPX(10.0, 0.3), status), 0.3, 1e-9);
    EXPECT_EQ(status, kTwoPhase);
    EXPECT_EQ(temperatureFromPH(1001.0, 1000.0, status), -1.0);
    EXPECT_EQ(status, kPressureAbove1000);
    EXPECT_EQ(temperatureFromPS(1001.0, 6.0, status), -1.0);
    EXPECT_EQ(status, kPressureAbove1000);
    int h = -1;
    EXPECT_EQ(temperatureFromPH(50.0, enthalpy(50.0, 0.01, h) - 1.0, status), -1.0);
    EXPECT_EQ(status, kBelowTripleTemperature);
    EXPECT_EQ(temperatureFromPH(50.0, enthalpy(50.0, 2000.0, h) + 1.0, status), -1.0);
    EXPECT_EQ(status, kEnthalpyAbove2000);
    EXPECT_EQ(temperatureFromPH(150.0, enthalpy(150.0, 800.0, h) + 1.0, status), -1.0);
    EXPECT_EQ(status, kEnthalpyAbove800);
    // at exactly 100 bar the upper limit is still 2000 °C
    EXPECT_NEAR(temperatureFromPH(100.0, enthalpy(100.0, 1500.0, h), status), 1500.0, 2e-3);
    EXPECT_EQ(status, kOk);
}

TEST(WaterTemperatureFromPH, BelowTheLiquidWhereTheLineCrossesTheLowestTemperature) {
    // Near 0.0061166 bar the 0.01 °C end of the range lies in the saturation band, so its
    // value is a failure; an enthalpy or entropy below the saturated liquid must still be
    // refused instead of answered with a temperature near 0 °C.
    for (const double p : {0.0061163, 0.00611657, 0.0061169}) {
        SCOPED_TRACE(p);
        int status = -1;
        EXPECT_EQ(temperatureFromPH(p, enthalpySatLiquid(p, status) - 0.5, status), -1.0);
        EXPECT_EQ(status, kBelowTripleTemperature);
        EXPECT_EQ(temperatureFromPS(p, entropySatLiquid(p, status) - 0.002, status), -1.0);
        EXPECT_EQ(status, kBelowTripleTemperature);
        EXPECT_NEAR(temperatureFromPH(p, enthalpyFromPX(p, 0.5), status), 0.5, 1e-9);
        EXPECT_EQ(status, kTwoPhase);
    }
}

TEST(WaterTemperatureFromPH, ValueBesideTheSaturationBandGivesNearestTemperature) {
    // between h'' and h(ts + 0.00101 K) no state lies outside the band; likewise below h'
    for (const double p : {10.0, 200.0}) {
        SCOPED_TRACE(p);
        int status = -1;
        const double ts = saturationTemperature(p);
        const double hVapor = (enthalpySatVapor(p, status) + enthalpy(p, ts + 0.00101, status)) / 2;
        EXPECT_DOUBLE_EQ(temperatureFromPH(p, hVapor, status), ts + 0.00101);
        EXPECT_EQ(status, kOk);
        const double hLiquid =
            (enthalpySatLiquid(p, status) + enthalpy(p, ts - 0.00101, status)) / 2;
        EXPECT_DOUBLE_EQ(temperatureFromPH(p, hLiquid, status), ts - 0.00101);
        EXPECT_EQ(status, kOk);
    }
}

TEST(WaterIsentropicEnd, ExpansionFromSuperheatedAndFromWetStart) {
    int status = -1;
    // 50 bar, 400 °C (s = 6.64813 kJ/(kg K)) expanded to 1 bar ends wet
    const double x2 = isentropicEndTemperature(50.0, 3196.59, 1.0, status);
    EXPECT_EQ(status, kTwoPhase);
    EXPECT_NEAR(entropyFromPX(1.0, x2), 6.64813, 1e-5);
    // a wet start uses the mixture entropy: compressed back at the same pressure it is unchanged
    EXPECT_NEAR(isentropicEndTemperature(10.0, enthalpyFromPX(10.0, 0.4), 10.0, status), 0.4, 1e-9);
    EXPECT_EQ(status, kTwoPhase);
    EXPECT_EQ(isentropicEndTemperature(1001.0, 3000.0, 1.0, status), -1.0);
    EXPECT_EQ(status, kOutsideRegion);
}

}  // namespace
}  // namespace vaporis::water
