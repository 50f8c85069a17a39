#include "engine/water/water_steam_state.h"

#include <array>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "engine/common/not_set.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

WaterSteamState calculated(int mode, double p, double t, double x) {
    WaterSteamState state(mode, p, t, x);
    state.calculate();
    return state;
}

TEST(WaterSteamState, InputStatusForEachRuleAndPreviousValuesKept) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double ts10 = saturationTemperature(10.0);
    // mode, p [bar], t [°C], x [-], input status
    for (const auto& [mode, p, t, x, code] :
         {std::array{0.0, 10.0, ts10 + 0.0005, 0.0, 7.0}, std::array{1.0, 10.0, 0.0, 1.2, 4.0},
          std::array{1.0, 221.0, 0.0, 0.5, 4.0}, std::array{2.0, 0.0, 374.0, 0.5, 4.0},
          std::array{1.0, nan, 0.0, 0.5, 4.0}, std::array{0.0, 10.0, nan, 0.0, 4.0},
          std::array{0.0, 0.005, 20.0, 0.0, 3.0}, std::array{2.0, 0.0, 0.0, 0.5, 3.0},
          std::array{0.0, 150.0, 1000.0, 0.0, 3.0}, std::array{3.0, 10.0, 100.0, 0.5, 5.0}}) {
        WaterSteamState state = calculated(kModePT, 50.0, 400.0, 1.0);
        const double h = state.stateValue(kH);
        state.setPressure(p);
        state.setTemperature(t);
        state.setQuality(x);
        state.setMode(static_cast<int>(mode));
        state.calculate();
        EXPECT_EQ(state.inputStatus(), static_cast<int>(code)) << mode << ", " << p << ", " << t;
        EXPECT_EQ(state.stateValue(kH), h);
    }
}

TEST(WaterSteamState, WetSteamMixesTheSaturatedRowsAndItsEndsAreThem) {
    const WaterSteamState wet = calculated(kModePX, 10.0, NOT_SET, 0.5);
    EXPECT_DOUBLE_EQ(wet.stateValue(kH), (wet.liquidValue(kH) + wet.vaporValue(kH)) / 2.0);
    EXPECT_EQ(wet.stateStatus(kEta), kOk);
    for (const int i : {kCp, kCv, kW, kLambda, kA, kKappa, kPr, kBeta, kChi}) {
        EXPECT_EQ(wet.stateStatus(i), kNotComputed) << i;
    }
    const WaterSteamState vapor = calculated(kModeTX, NOT_SET, 150.0, 1.0);
    EXPECT_EQ(vapor.stateValue(kChi), vapor.vaporValue(kChi));
    EXPECT_EQ(vapor.stateStatus(kPr), vapor.vaporStatus(kPr));
    // at the triple-point pressure the liquid is taken 0.0011 K below 0 °C, where the viscosity
    // is not defined: the mixture's viscosity is not valid either
    const WaterSteamState triple = calculated(kModePX, 0.00611213, NOT_SET, 0.5);
    EXPECT_EQ(triple.liquidStatus(kEta), kOutsideRegion);
    EXPECT_NE(triple.stateStatus(kNu), kOk);
}

TEST(WaterSteamState, CriticalTemperatureWithQualityIsTheCriticalPressureState) {
    // The vapour-pressure equation rounds to a hair above 220.64 bar at 373.946 °C, where the
    // saturated rows would be refused and a wet state mixed from their -1.0 placeholders.
    for (const double x : {0.5, 1.0}) {
        const WaterSteamState byT = calculated(kModeTX, NOT_SET, 373.946, x);
        const WaterSteamState byP = calculated(kModePX, kCriticalPressure, NOT_SET, x);
        EXPECT_EQ(byT.pressure(), kCriticalPressure);
        EXPECT_EQ(byT.stateStatus(kH), kOk);
        for (int i = 0; i < kPropertyCount; ++i) {
            EXPECT_EQ(byT.stateStatus(i), byP.stateStatus(i)) << x << ", " << i;
            EXPECT_NEAR(byT.stateValue(i), byP.stateValue(i), 1e-6 * std::abs(byP.stateValue(i)));
        }
    }
}

TEST(WaterSteamState, RowsAreThermodynamicallyConsistentAndContinuous) {
    // cp = dh/dT and beta = (dv/dT) / v along the isobar in regions 1, 2, 3 and 5; the region-3
    // density stops within 0.0001 bar, which the difference magnifies
    for (const auto& [p, t, tolerance] :
         {std::array{1.0, 20.0, 1e-7}, std::array{50.0, 400.0, 1e-7},
          std::array{250.0, 380.0, 0.01}, std::array{10.0, 1500.0, 1e-7}}) {
        const WaterSteamState state = calculated(kModePT, p, t, 0.0);
        const WaterSteamState below = calculated(kModePT, p, t - 1e-3, 0.0);
        const WaterSteamState above = calculated(kModePT, p, t + 1e-3, 0.0);
        auto slope = [&](int i) { return (above.stateValue(i) - below.stateValue(i)) / 2e-3; };
        EXPECT_NEAR(slope(kH) / state.stateValue(kCp), 1.0, tolerance) << p;
        EXPECT_NEAR(slope(kV) / state.stateValue(kV) / state.stateValue(kBeta), 1.0, tolerance);
    }
    // saturated liquid and vapour have one Gibbs energy h - T s (IF97 holds it to 0.02 kJ/kg)
    for (const double p : {0.01, 1.0, 100.0, 165.29, 200.0}) {
        const WaterSteamState state = calculated(kModePX, p, NOT_SET, 0.5);
        const double tK = state.temperature() + 273.15;
        EXPECT_NEAR(state.liquidValue(kH) - tK * state.liquidValue(kS),
                    state.vaporValue(kH) - tK * state.vaporValue(kS), 0.02)
            << p;
    }
    // at 165.29 bar the caloric values still come from regions 1 and 2 at ts, expansion and
    // compressibility already from region 3 off the line; just above, all come from region 3
    const WaterSteamState below = calculated(kModePX, 165.291642526, NOT_SET, 0.0);
    const WaterSteamState above = calculated(kModePX, 165.2916426, NOT_SET, 0.0);
    for (int i = 0; i < kPropertyCount; ++i) {
        EXPECT_NEAR(above.liquidValue(i) / below.liquidValue(i), 1.0, 0.005) << i;
        EXPECT_NEAR(above.vaporValue(i) / below.vaporValue(i), 1.0, 0.005) << i;
        EXPECT_EQ(above.liquidStatus(i) + above.vaporStatus(i) + below.vaporStatus(i), kOk) << i;
    }
}

TEST(WaterSteamState, InvalidValuesInvalidateWhatDerivesFromThem) {
    // 1500 °C is region 5, outside the range of viscosity and conductivity
    const WaterSteamState hot = calculated(kModePT, 10.0, 1500.0, 0.0);
    EXPECT_EQ(hot.stateStatus(kLambda), kOutsideRegion);
    EXPECT_EQ(hot.stateStatus(kA), kDerivedInvalid);
    // no saturated states or saturation temperature above the critical pressure
    const WaterSteamState dense = calculated(kModePT, 250.0, 380.0, 0.0);
    EXPECT_EQ(dense.liquidStatus(kKappa), kAboveCriticalPressure);
    EXPECT_EQ(dense.saturationStatus(kTs), kAboveCriticalPressure);
    EXPECT_EQ(dense.vaporStatus(kNu), kDerivedInvalid);
}

}  // namespace
}  // namespace vaporis::water
