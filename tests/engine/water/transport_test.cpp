#include "engine/water/transport.h"

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

TEST(WaterTransport, ConductivityNearCriticalPointIncludesEnhancement) {
    // IAPS 1985 tables: about 0.2 W/(m K) at 250 bar, 380 °C, well above the background
    int status = -1;
    const double lambda = thermalConductivity(250.0, 380.0, status);
    EXPECT_EQ(status, kOk);
    EXPECT_GT(lambda, 0.15);
    EXPECT_LT(lambda, 0.6);
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

TEST(WaterExpansionAndCompressibility, Region3NumericalValuesAreContinuousAcrossBoundary) {
    // just below and above the 1-3 boundary at 350 °C the two methods must roughly agree
    int status = -1;
    const double beta1 = isobaricExpansion(300.0, 349.9, status);
    EXPECT_EQ(status, kOk);
    const double beta3 = isobaricExpansion(300.0, 350.1, status);
    EXPECT_EQ(status, kOk);
    EXPECT_NEAR(beta3 / beta1, 1.0, 0.02);
    // the 0.001 bar step is only ten times the 0.0001 bar stop of the density search, so the
    // region-3 compressibility carries up to about 20 % noise
    const double chi1 = isothermalCompressibility(300.0, 349.9, status);
    const double chi3 = isothermalCompressibility(300.0, 350.1, status);
    EXPECT_EQ(status, kOk);
    EXPECT_NEAR(chi3 / chi1, 1.0, 0.25);
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
    EXPECT_NEAR(isochoricPressureSlope(220.64, 500.0, status),
                isobaricExpansion(220.64, 500.0, status) /
                    isothermalCompressibility(220.64, 500.0, status),
                0.01);
    EXPECT_EQ(status, kOk);
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
