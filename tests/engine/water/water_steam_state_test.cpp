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

TEST(WaterSteamState, StartUpValuesComputeNothing) {
    const WaterSteamState state(kModePT, 50.0, 400.0, 1.0);
    EXPECT_EQ(state.mode(), kModePT);
    EXPECT_EQ(state.pressure(), 50.0);
    EXPECT_EQ(state.temperature(), 400.0);
    EXPECT_EQ(state.quality(), NOT_SET);
    EXPECT_EQ(state.inputStatus(), kInputNotValidated);
    EXPECT_EQ(state.stateValue(kH), NOT_SET);
    EXPECT_EQ(state.stateStatus(kH), kNotComputed);
}

TEST(WaterSteamState, SuperheatedSteamAt50Bar400DegC) {
    const WaterSteamState state = calculated(kModePT, 50.0, 400.0, 1.0);
    ASSERT_EQ(state.inputStatus(), kInputOk);
    for (int i = 0; i < kPropertyCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(state.stateStatus(i), kOk);
        EXPECT_EQ(state.liquidStatus(i), kOk);
        EXPECT_EQ(state.vaporStatus(i), kOk);
    }
    EXPECT_NEAR(state.stateValue(kH), 3196.59, 0.005);
    EXPECT_NEAR(state.stateValue(kRho), 1.0 / 0.0578398, 1e-3);
    EXPECT_NEAR(state.saturationValue(kTs), 263.94, 0.005);
    EXPECT_EQ(state.saturationStatus(kTs), kOk);
    // the vapour pressure at 400 °C does not exist and is not shown
    EXPECT_EQ(state.saturationStatus(kPs), kAboveCriticalTemperature);
    EXPECT_EQ(state.saturationStatus(kSigma), kOk);
    // derived values follow from the stored ones
    EXPECT_DOUBLE_EQ(state.stateValue(kNu), state.stateValue(kEta) * state.stateValue(kV));
    EXPECT_DOUBLE_EQ(state.stateValue(kPr), state.stateValue(kEta) * state.stateValue(kCp) /
                                                state.stateValue(kLambda) / 1000.0);
}

TEST(WaterSteamState, InputStatusForEachRule) {
    struct Case {
        const char* what;
        int mode;
        double p;
        double t;
        double x;
        int inputStatus;
    };
    const double ts10 = saturationTemperature(10.0);
    for (const Case& c : {
             Case{"on the saturation line", kModePT, 10.0, ts10 + 0.0005, 0.0,
                  kInputOnSaturationLine},
             Case{"quality above one", kModePX, 10.0, 0.0, 1.2, kInputError},
             Case{"saturation pressure above critical", kModePX, 221.0, 0.0, 0.5, kInputError},
             Case{"saturation temperature above critical", kModeTX, 0.0, 374.0, 0.5, kInputError},
             Case{"pressure below triple point", kModePT, 0.005, 20.0, 0.0, kInputOutOfRange},
             Case{"saturation temperature 0 °C", kModeTX, 0.0, 0.0, 0.5, kInputOutOfRange},
             Case{"outside every region", kModePT, 150.0, 1000.0, 0.0, kInputOutOfRange},
             Case{"mode out of range", 3, 10.0, 100.0, 0.5, kInputBadMode},
         }) {
        SCOPED_TRACE(c.what);
        WaterSteamState state;
        state.reset();
        state.setPressure(c.p);
        state.setTemperature(c.t);
        state.setQuality(c.x);
        state.setMode(c.mode);
        state.calculate();
        EXPECT_EQ(state.inputStatus(), c.inputStatus);
        EXPECT_EQ(state.stateStatus(kH), kNotComputed);
    }
}

TEST(WaterSteamState, MissingInputOfTheModeIsReported) {
    WaterSteamState state;
    state.reset();
    state.setPressure(10.0);
    state.setMode(kModePX);
    EXPECT_EQ(state.validateInputs(), kInputMissing);
}

TEST(WaterSteamState, NonFiniteInputIsAnInputError) {
    for (const double bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(calculated(kModePX, 10.0, 0.0, bad).inputStatus(), kInputError);
        EXPECT_EQ(calculated(kModePX, bad, 0.0, 0.5).inputStatus(), kInputError);
        EXPECT_EQ(calculated(kModePT, 10.0, bad, 0.0).inputStatus(), kInputError);
        EXPECT_EQ(calculated(kModeTX, 0.0, -bad, 0.5).inputStatus(), kInputError);
    }
}

TEST(WaterSteamState, WetSteamMixesSaturatedRowsAndLeavesUndefinedValues) {
    const WaterSteamState state = calculated(kModePX, 10.0, NOT_SET, 0.5);
    ASSERT_EQ(state.inputStatus(), kInputOk);
    EXPECT_DOUBLE_EQ(state.stateValue(kH), (state.liquidValue(kH) + state.vaporValue(kH)) / 2.0);
    EXPECT_NEAR(state.temperature(), 179.8856, 5e-5);
    EXPECT_EQ(state.saturationValue(kPs), 10.0);
    for (const int i : {kH, kV, kRho, kS, kEta, kNu}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(state.stateStatus(i), kOk);
    }
    for (const int i : {kCp, kCv, kW, kLambda, kA, kKappa, kPr, kBeta, kChi}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(state.stateStatus(i), kNotComputed);
        EXPECT_EQ(state.stateValue(i), NOT_SET);
    }
}

TEST(WaterSteamState, WetSteamViscosityNeedsBothSaturatedViscosities) {
    // at the triple-point pressure the liquid is taken 0.0011 K below 0 °C, where the viscosity
    // is not defined: the mixture's viscosity is not valid either
    const WaterSteamState state = calculated(kModePX, 0.00611213, NOT_SET, 0.5);
    ASSERT_EQ(state.inputStatus(), kInputOk);
    EXPECT_EQ(state.liquidStatus(kEta), kOutsideRegion);
    EXPECT_EQ(state.stateStatus(kH), kOk);
    EXPECT_NE(state.stateStatus(kEta), kOk);
    EXPECT_NE(state.stateStatus(kNu), kOk);
}

TEST(WaterSteamState, QualityZeroAndOneCopyTheSaturatedRows) {
    const WaterSteamState liquid = calculated(kModePX, 10.0, NOT_SET, 0.0);
    const WaterSteamState vapor = calculated(kModeTX, NOT_SET, 150.0, 1.0);
    for (int i = 0; i < kPropertyCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(liquid.stateValue(i), liquid.liquidValue(i));
        EXPECT_EQ(liquid.stateStatus(i), liquid.liquidStatus(i));
        EXPECT_EQ(vapor.stateValue(i), vapor.vaporValue(i));
        EXPECT_EQ(vapor.stateStatus(i), vapor.vaporStatus(i));
    }
}

TEST(WaterSteamState, CriticalTemperatureWithQualityIsTheCriticalPressureState) {
    // The vapour-pressure equation rounds to a hair above 220.64 bar at 373.946 °C, where the
    // saturated rows would be refused and a wet state mixed from their -1.0 placeholders.
    for (const double x : {0.5, 1.0}) {
        SCOPED_TRACE(x);
        const WaterSteamState byT = calculated(kModeTX, NOT_SET, 373.946, x);
        const WaterSteamState byP = calculated(kModePX, kCriticalPressure, NOT_SET, x);
        ASSERT_EQ(byT.inputStatus(), kInputOk);
        EXPECT_EQ(byT.pressure(), kCriticalPressure);
        EXPECT_EQ(byT.saturationValue(kPs), kCriticalPressure);
        for (int i = 0; i < kPropertyCount; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(byT.stateStatus(i), byP.stateStatus(i));
            EXPECT_NEAR(byT.stateValue(i), byP.stateValue(i), 1e-6 * std::abs(byP.stateValue(i)));
        }
        EXPECT_EQ(byT.stateStatus(kH), kOk);
    }
}

TEST(WaterSteamState, SupercriticalAndRegion3States) {
    const WaterSteamState state = calculated(kModePT, 250.0, 380.0, 0.0);
    ASSERT_EQ(state.inputStatus(), kInputOk);
    EXPECT_EQ(state.stateStatus(kH), kOk);
    EXPECT_EQ(state.stateStatus(kLambda), kOk);
    // no saturated states above the critical pressure
    EXPECT_EQ(state.liquidStatus(kH), kAboveCriticalPressure);
    EXPECT_EQ(state.liquidStatus(kNu), kDerivedInvalid);
    EXPECT_EQ(state.saturationStatus(kTs), kAboveCriticalPressure);
}

using ValueReader = double (WaterSteamState::*)(int) const;
using StatusReader = int (WaterSteamState::*)(int) const;

// Every value of one row of two states agrees within tolerance and is valid in both.
void expectRowsClose(const WaterSteamState& a, const WaterSteamState& b, ValueReader value,
                     StatusReader status, double tolerance) {
    for (int i = 0; i < kPropertyCount; ++i) {
        SCOPED_TRACE(::testing::Message() << "property " << i);
        EXPECT_EQ((a.*status)(i), kOk);
        EXPECT_EQ((b.*status)(i), kOk);
        EXPECT_NEAR((b.*value)(i) / (a.*value)(i), 1.0, tolerance);
    }
}

TEST(WaterSteamState, SaturatedRowsContinuousAcrossRegion3Switch) {
    // at 165.35 bar the saturated states move from regions 1 and 2 at ts to region 3 just off
    // the line; the rows differ by the two equations' disagreement only (0.3 % in cp)
    const WaterSteamState below = calculated(kModePX, 165.35, NOT_SET, 0.0);
    const WaterSteamState above = calculated(kModePX, 165.3500001, NOT_SET, 0.0);
    ASSERT_EQ(below.inputStatus(), kInputOk);
    ASSERT_EQ(above.inputStatus(), kInputOk);
    SCOPED_TRACE("saturated liquid");
    expectRowsClose(below, above, &WaterSteamState::liquidValue, &WaterSteamState::liquidStatus,
                    0.005);
    SCOPED_TRACE("saturated vapour");
    expectRowsClose(below, above, &WaterSteamState::vaporValue, &WaterSteamState::vaporStatus,
                    0.005);
}

TEST(WaterSteamState, StateContinuousAcrossRegion3Boundaries) {
    // p [bar], t [°C] on the boundary of region 3 with region 1 (350 °C) or region 2 (B23);
    // 1 % is what the equations of neighbouring regions disagree by in the second derivatives
    for (const auto& [p, t] : {std::array{300.0, 350.0}, std::array{221.0, 350.0},
                               std::array{170.0, b23Temperature(170.0) - 273.15},
                               std::array{250.0, b23Temperature(250.0) - 273.15},
                               std::array{500.0, b23Temperature(500.0) - 273.15}}) {
        SCOPED_TRACE(::testing::Message() << "p = " << p << " bar, t = " << t << " °C");
        const WaterSteamState below = calculated(kModePT, p, t - 1e-4, 0.0);
        const WaterSteamState above = calculated(kModePT, p, t + 1e-4, 0.0);
        ASSERT_NE(regionAt(p, t - 1e-4), regionAt(p, t + 1e-4));
        expectRowsClose(below, above, &WaterSteamState::stateValue, &WaterSteamState::stateStatus,
                        0.01);
    }
}

TEST(WaterSteamState, TransportOutOfRangeInvalidatesDerivedValues) {
    // 1500 °C is region 5: caloric values valid, viscosity and conductivity not
    const WaterSteamState state = calculated(kModePT, 10.0, 1500.0, 0.0);
    ASSERT_EQ(state.inputStatus(), kInputOk);
    EXPECT_EQ(state.stateStatus(kH), kOk);
    EXPECT_EQ(state.stateStatus(kEta), kOutsideRegion);
    EXPECT_EQ(state.stateStatus(kLambda), kOutsideRegion);
    EXPECT_EQ(state.stateStatus(kNu), kDerivedInvalid);
    EXPECT_EQ(state.stateStatus(kA), kDerivedInvalid);
    EXPECT_EQ(state.stateStatus(kPr), kDerivedInvalid);
}

TEST(WaterSteamState, ReadersOutOfRangeAnswerNotSet) {
    const WaterSteamState state = calculated(kModePT, 50.0, 400.0, 1.0);
    EXPECT_EQ(state.stateValue(-1), NOT_SET);
    EXPECT_EQ(state.vaporValue(kPropertyCount), NOT_SET);
    EXPECT_EQ(state.saturationValue(kSaturationCount), NOT_SET);
    EXPECT_EQ(state.liquidStatus(99), kNotComputed);
}

TEST(WaterSteamState, FailedValidationKeepsPreviousValues) {
    WaterSteamState state = calculated(kModePT, 50.0, 400.0, 1.0);
    const double h = state.stateValue(kH);
    state.setQuality(2.0);
    state.setMode(kModePX);
    state.calculate();
    EXPECT_EQ(state.inputStatus(), kInputError);
    EXPECT_EQ(state.stateValue(kH), h);
}

}  // namespace
}  // namespace vaporis::water
