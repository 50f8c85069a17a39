#include "engine/water/transport.h"

#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

TEST(WaterTransport, ViscosityAndConductivityOfWaterAt1Bar20DegC) {
    int status = -1;
    EXPECT_NEAR(dynamicViscosity(1.0, 20.0, status), 1.0016e-3, 5e-7);
    EXPECT_EQ(status, kOk);
    // the background term alone gives 0.59846; the critical enhancement adds little here
    EXPECT_NEAR(thermalConductivity(1.0, 20.0, status), 0.598, 5e-4);
    EXPECT_EQ(status, kOk);
}

TEST(WaterTransport, OutsideTheirRangeStatus1) {
    int status = -1;
    EXPECT_EQ(dynamicViscosity(1.0, 800.1, status), -1.0);
    EXPECT_EQ(status, kOutsideRegion);
    EXPECT_EQ(dynamicViscosity(1001.0, 20.0, status), -1.0);
    EXPECT_EQ(status, kOutsideRegion);
    EXPECT_EQ(thermalConductivity(0.0, 20.0, status), -1.0);
    EXPECT_EQ(status, kOutsideRegion);
}

TEST(WaterTransport, StateWithoutDensityIsNotReportedValid) {
    // on the saturation line and below the triple-point pressure there is no density
    int status = -1;
    EXPECT_EQ(dynamicViscosity(1.0, 99.6059, status), -1.0);
    EXPECT_EQ(status, kOnSaturationLine);
    EXPECT_EQ(thermalConductivity(0.005, 50.0, status), -1.0);
    EXPECT_EQ(status, kOutsideRegion);
}

TEST(WaterTransport, MatchesIaps1985FormulationsAndWellKnownValues) {
    // p [bar], t [°C], eta [1e-6 Pa s], lambda [W/(m K)]: an independent evaluation of the IAPS
    // 1985 viscosity and conductivity formulations on IF97 densities with exact derivatives in
    // the critical enhancement (water at 25 °C: 890.0e-6 Pa s and 0.607 W/(m K); steam at
    // 1 bar, 200 °C: 16.2e-6 Pa s). Above the critical pressure the enhancement is a large
    // part of lambda and needs the isochore's slope even where it exceeds 1 bar/K.
    for (const auto& [p, t, eta, lambda] : {
             std::array{1.0, 25.0, 890.0825, 0.6071948},
             std::array{1.0, 200.0, 16.1769, 0.03328443},
             std::array{1000.0, 25.0, 889.661, 0.6514143},
             std::array{150.0, 300.0, 88.33336, 0.5614359},
             std::array{221.0, 350.0, 70.89191, 0.4711677},
             std::array{250.0, 410.0, 28.56143, 0.1424323},
             std::array{400.0, 460.0, 37.28022, 0.2019042},
             std::array{1000.0, 590.0, 55.38049, 0.2791946},
         }) {
        SCOPED_TRACE(::testing::Message() << "p = " << p << " bar, t = " << t << " °C");
        int status = -1;
        EXPECT_NEAR(dynamicViscosity(p, t, status) * 1e6 / eta, 1.0, 5e-6);
        EXPECT_EQ(status, kOk);
        EXPECT_NEAR(thermalConductivity(p, t, status) / lambda, 1.0, 2e-3);
        EXPECT_EQ(status, kOk);
    }
}

TEST(WaterTransport, ConductivityContinuousAcrossRegion2And3Boundary) {
    // the density slope of the critical enhancement takes both densities from one equation
    for (const double p : {170.0, 250.0, 500.0}) {
        SCOPED_TRACE(p);
        const double t = b23Temperature(p) - 273.15;
        int status = -1;
        const double region3 = thermalConductivity(p, t - 1e-4, status);
        EXPECT_EQ(status, kOk);
        const double region2 = thermalConductivity(p, t + 1e-4, status);
        EXPECT_EQ(status, kOk);
        EXPECT_NEAR(region2 / region3, 1.0, 0.005);
    }
}

TEST(WaterSurfaceTension, MatchesIapws1994TableFromTheTriplePoint) {
    // t [°C], sigma [1e-3 N/m] as printed in the IAPWS 1994 release's table
    for (const auto& [t, sigma] :
         {std::array{0.01, 75.65}, std::array{25.0, 71.97}, std::array{100.0, 58.91},
          std::array{200.0, 37.67}, std::array{300.0, 14.36}}) {
        SCOPED_TRACE(t);
        int status = -1;
        EXPECT_NEAR(surfaceTension(t, status) * 1e3, sigma, 0.005);
        EXPECT_EQ(status, kOk);
    }
}

TEST(WaterSurfaceTension, ValueAndTemperatureLimits) {
    int status = -1;
    EXPECT_NEAR(surfaceTension(100.0, status), 0.05891, 5e-6);
    EXPECT_EQ(status, kOk);
    EXPECT_EQ(surfaceTension(374.0, status), -1.0);
    EXPECT_EQ(status, kAboveCriticalTemperature);
    EXPECT_EQ(surfaceTension(0.0, status), -1.0);
    EXPECT_EQ(status, kBelowTripleTemperature);
}

TEST(WaterIsentropicExponent, SteamAt1Bar200DegCAndSaturationLine) {
    int status = -1;
    EXPECT_NEAR(isentropicExponent(1.0, 200.0, status), 1.311, 5e-4);
    EXPECT_EQ(status, kOk);
    EXPECT_EQ(isentropicExponent(1.0, 99.6059, status), -1.0);
    EXPECT_EQ(status, kOnSaturationLine);
    EXPECT_EQ(isentropicExponent(150.0, 1000.0, status), -1.0);
    EXPECT_EQ(status, kOutsideRegion);
}

TEST(WaterExpansionAndCompressibility, IdealGasLimitAtLowPressure) {
    // steam at 0.01 bar, 500 °C is nearly ideal: beta = 1/T, chi = 1/p
    int status = -1;
    EXPECT_NEAR(isobaricExpansion(0.01, 500.0, status) * 773.15, 1.0, 1e-4);
    EXPECT_EQ(status, kOk);
    EXPECT_NEAR(isothermalCompressibility(0.01, 500.0, status) * 0.01, 1.0, 1e-4);
    EXPECT_EQ(status, kOk);
}

TEST(WaterExpansionAndCompressibility, Region3MatchesIf97Derivatives) {
    // the IF97 region-3 check points (Table 33) at their pressures; beta [1/K] and chi [1/bar]
    // from the derivatives of the region-3 equation at rho = 500 and 200 kg/m³
    for (const auto& [p, t, beta, chi] : {
             std::array{255.837018, 376.85, 0.0168653108, 0.00345506958},
             std::array{222.930643, 376.85, 0.0685312281, 0.0375798588},
             std::array{783.095639, 476.85, 0.00441515099, 0.000806710817},
         }) {
        SCOPED_TRACE(p);
        int status = -1;
        EXPECT_NEAR(isobaricExpansion(p, t, status) / beta, 1.0, 1e-4);
        EXPECT_EQ(status, kOk);
        EXPECT_NEAR(isothermalCompressibility(p, t, status) / chi, 1.0, 1e-4);
        EXPECT_EQ(status, kOk);
    }
}

TEST(WaterExpansionAndCompressibility, ContinuousAcrossRegion3Boundaries) {
    // p [bar], t [°C] on the boundary: region 1 or 2 on one side, region 3 on the other; the
    // equations of neighbouring regions agree to well within a per cent there
    for (const auto& [p, t] : {std::array{300.0, 350.0}, std::array{1000.0, 350.0},
                               std::array{250.0, b23Temperature(250.0) - 273.15},
                               std::array{500.0, b23Temperature(500.0) - 273.15}}) {
        SCOPED_TRACE(p);
        int status = -1;
        const double below = isobaricExpansion(p, t - 0.01, status);
        const double above = isobaricExpansion(p, t + 0.01, status);
        EXPECT_NEAR(above / below, 1.0, 0.01);
        EXPECT_EQ(status, kOk);
        const double chiBelow = isothermalCompressibility(p, t - 0.01, status);
        const double chiAbove = isothermalCompressibility(p, t + 0.01, status);
        EXPECT_NEAR(chiAbove / chiBelow, 1.0, 0.01);
        EXPECT_EQ(status, kOk);
    }
}

TEST(WaterSaturatedTransport, ExpansionAndCompressibilityContinuousAtRegion3Switch) {
    // at and just above 165.35 bar the saturated states come from region 3 just off the line;
    // the values must continue those of regions 1 and 2 below (IF97 at ts: beta' = 0.01041,
    // beta'' = 0.02274 1/K, chi' = 0.001686, chi'' = 0.02185 1/bar)
    for (const double p : {165.34, 165.35, 165.351, 165.4, 165.5}) {
        SCOPED_TRACE(p);
        int status = -1;
        EXPECT_NEAR(isobaricExpansionSatLiquid(p, status) / 0.01041, 1.0, 0.01);
        EXPECT_EQ(status, kOk);
        EXPECT_NEAR(isobaricExpansionSatVapor(p, status) / 0.02274, 1.0, 0.01);
        EXPECT_NEAR(isothermalCompressibilitySatLiquid(p, status) / 0.001686, 1.0, 0.01);
        EXPECT_NEAR(isothermalCompressibilitySatVapor(p, status) / 0.02185, 1.0, 0.01);
        EXPECT_EQ(status, kOk);
    }
}

TEST(WaterSaturatedTransport, AboveCriticalPressureStatus5AndRegion3At200Bar) {
    int status = -1;
    EXPECT_EQ(dynamicViscositySatLiquid(221.0, status), -1.0);
    EXPECT_EQ(status, kAboveCriticalPressure);
    EXPECT_EQ(isobaricExpansionSatVapor(221.0, status), -1.0);
    EXPECT_EQ(status, kAboveCriticalPressure);
    // at 200 bar the liquid expands more than at 100 bar and vapour compresses less than liquid
    const double beta200 = isobaricExpansionSatLiquid(200.0, status);
    EXPECT_EQ(status, kOk);
    const double beta100 = isobaricExpansionSatLiquid(100.0, status);
    EXPECT_EQ(status, kOk);
    EXPECT_GT(beta200, beta100);
    EXPECT_GT(isothermalCompressibilitySatVapor(200.0, status), 0.0);
    EXPECT_EQ(status, kOk);
    EXPECT_GT(isentropicExponentSatVapor(10.0, status), 1.0);
    EXPECT_EQ(status, kOk);
}

TEST(WaterIsochoricSlope, AgreesWithDirectDifferenceInLiquidAndVapour) {
    int status = -1;
    // liquid water at 1 bar, 20 °C: (dp/dT)_v = beta / chi, about 4.5 bar/K
    const double liquid = isochoricPressureSlope(1.0, 20.0, status);
    EXPECT_EQ(status, kOk);
    EXPECT_NEAR(liquid,
                isobaricExpansion(1.0, 20.0, status) / isothermalCompressibility(1.0, 20.0, status),
                0.05);
    const double vapor = isochoricPressureSlope(10.0, 300.0, status);
    EXPECT_EQ(status, kOk);
    EXPECT_NEAR(
        vapor,
        isobaricExpansion(10.0, 300.0, status) / isothermalCompressibility(10.0, 300.0, status),
        0.005);
    EXPECT_GT(isochoricPressureSlope(250.0, 380.0, status), 0.0);
    EXPECT_EQ(status, kOk);
    // exactly at the critical pressure the lower pressure step is zero but the bracket holds
    EXPECT_NEAR(
        isochoricPressureSlope(220.64, 500.0, status),
        isobaricExpansion(220.64, 500.0, status) / isothermalCompressibility(220.64, 500.0, status),
        0.01);
    EXPECT_EQ(status, kOk);
}

TEST(WaterIsochoricSlope, LiquidJustAboveZeroDegreesKeepsAUsableStep) {
    // Liquid below 0.1 °C steps down to 0 °C; a step of a few nanokelvin would divide the
    // 1e-5 bar tolerance of the isochore search into a slope of any size, and the
    // conductivity's critical term with it.
    for (const double t : {1e-300, 1e-12, 1e-7, 1e-5}) {
        SCOPED_TRACE(t);
        int status = -1;
        const double expected =
            isobaricExpansion(1.0, t, status) / isothermalCompressibility(1.0, t, status);
        EXPECT_NEAR(isochoricPressureSlope(1.0, t, status), expected, 0.01);
        EXPECT_EQ(status, kOk);
        EXPECT_NEAR(thermalConductivity(1.0, t, status), 0.5611, 5e-4);
    }
}

TEST(WaterIsochoricSlope, SteepIsochoresAboveCriticalPressureAreNotCutOff) {
    // p [bar], t [°C]: compressed liquid and dense steam where (dp/dT)_v = beta / chi is
    // 2 to 10 bar/K, far more than the first bracket of 0.1 bar per 0.1 K holds
    for (const auto& [p, t] : {std::array{1000.0, 25.0}, std::array{221.0, 350.0},
                               std::array{400.0, 460.0}, std::array{700.0, 540.0}}) {
        SCOPED_TRACE(p);
        int status = -1;
        const double slope = isochoricPressureSlope(p, t, status);
        EXPECT_EQ(status, kOk);
        int s = -1;
        EXPECT_NEAR(slope / (isobaricExpansion(p, t, s) / isothermalCompressibility(p, t, s)), 1.0,
                    1e-3);
    }
}

TEST(WaterIsochoricSlope, DegenerateStatesAtTriplePointReportAStatus) {
    int status = -1;
    // liquid at exactly 0 °C on the saturation line would leave no temperature step; it lies in
    // the band of region 4 and is refused before any step
    EXPECT_EQ(isochoricPressureSlope(saturationPressure(0.0) + 1e-12, 0.0, status), -1.0);
    EXPECT_NE(status, kOk);
    // vapour at exactly the triple-point pressure: no room below p for the bracket
    EXPECT_EQ(isochoricPressureSlope(0.00611213, 50.0, status), -1.0);
    EXPECT_EQ(status, kDegenerateStep);
}

TEST(WaterIsothermalDensitySlope, TriplePointPressureLeavesNoStepAndNoConductivity) {
    // Vapour at the triple-point pressure has no room below p for the density step; its 0/0
    // must not reach the conductivity as a valid value.
    for (const double t : {50.0, 800.0}) {
        SCOPED_TRACE(t);
        int status = -1;
        EXPECT_EQ(isothermalDensitySlope(0.00611213, t, status), -1.0);
        EXPECT_EQ(status, kDegenerateStep);
        EXPECT_EQ(thermalConductivity(0.00611213, t, status), -1.0);
        EXPECT_NE(status, kOk);
        const double pAbove = std::nextafter(0.00611213, 1.0);
        const double slope = isothermalDensitySlope(pAbove, t, status);
        EXPECT_TRUE(status != kOk || std::isfinite(slope)) << slope;
    }
}

TEST(WaterIsothermalDensitySlope, LiquidAndVapourSigns) {
    int status = -1;
    EXPECT_GT(isothermalDensitySlope(1.0, 20.0, status), 0.0);
    EXPECT_EQ(status, kOk);
    // ideal-gas limit: drho/dp = 1 / (R T), 100 kPa per bar
    EXPECT_NEAR(isothermalDensitySlope(0.01, 500.0, status) * 0.461526 * 773.15 / 100.0, 1.0, 1e-3);
    EXPECT_EQ(status, kOk);
}

}  // namespace
}  // namespace vaporis::water
