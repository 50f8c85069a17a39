#include "engine/water/iterations.h"

#include <array>

#include <gtest/gtest.h>

#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

TEST(WaterRegion3Density, ReproducesIf97CheckPoints) {
    // T [K], rho [kg/m³], p [bar] computed from the equation at (T, rho) to 12 digits
    for (const auto& [tK, rho, p] :
         {std::array{650.0, 500.0, 255.837018185}, std::array{650.0, 200.0, 222.930642566},
          std::array{750.0, 500.0, 783.095639169}}) {
        SCOPED_TRACE(::testing::Message() << tK << " K, " << rho << " kg/m³");
        EXPECT_NEAR(region3Pressure(1.0 / rho, tK), p, 5e-9);
        int status = -1;
        const double v = region3Volume(p, tK, status);
        EXPECT_EQ(status, kOk);
        // stopping within 0.0001 bar of p leaves the pressure of the result that close
        EXPECT_NEAR(region3Pressure(v, tK), p, 1e-4);
        EXPECT_NEAR(v * rho, 1.0, 2e-5);
    }
}

TEST(WaterRegion3Density, PrintedCheckPointAndEnthalpy) {
    int status = -1;
    EXPECT_NEAR(region3Volume(255.837018, 650.0, status), 0.0020000, 5e-8);
    EXPECT_NEAR(enthalpy(255.837018, 376.85, status), 1863.430, 5e-4);
    EXPECT_EQ(status, kOk);
}

TEST(WaterRegion3Density, UnreachablePressureReportsNoConvergence) {
    // far above any pressure the bisection bracket can reach at this temperature
    int status = -1;
    EXPECT_EQ(region3Volume(1.0e7, 700.0, status), -1.0);
    EXPECT_EQ(status, kNoConvergence);
}

TEST(WaterTemperatureFromPH, SuperheatedAndTwoPhaseAt1Bar) {
    int status = -1;
    EXPECT_NEAR(temperatureFromPH(1.0, 3000.0, status), 262.785, 5e-4);
    EXPECT_EQ(status, kOk);
    EXPECT_NEAR(temperatureFromPH(1.0, 1500.0, status), 0.47954, 5e-6);
    EXPECT_EQ(status, kTwoPhase);
}

TEST(WaterTemperatureFromPH, InvertsTheForwardEnthalpyInEveryRegion) {
    // p [bar], t [°C]
    for (const auto& [p, t] :
         {std::array{30.0, 26.85}, std::array{50.0, 400.0}, std::array{255.837018, 376.85},
          std::array{5.0, 1226.85}, std::array{500.0, 20.0}, std::array{300.0, 700.0}}) {
        SCOPED_TRACE(::testing::Message() << "p = " << p << " bar, t = " << t << " °C");
        int status = -1;
        const double h = enthalpy(p, t, status);
        ASSERT_EQ(status, kOk);
        EXPECT_NEAR(temperatureFromPH(p, h, status), t, 2e-3);
        EXPECT_EQ(status, kOk);
    }
}

TEST(WaterTemperatureFromPH, RegionsOneAndTwoInvertToTheExactRoot) {
    // The forward enthalpy and entropy of a grid over regions 1 and 2, also beside the
    // saturation line and the boundary to region 3, come back to their temperature.
    for (const double p :
         {0.0062, 0.1, 1.0, 10.0, 40.0, 65.0, 100.0, 165.0, 200.0, 500.0, 1000.0}) {
        for (const double t : {0.02, 20.0, 150.0, 300.0, 349.9, 400.0, 600.0, 799.9}) {
            const int region = regionAt(p, t);
            if (region != kRegion1 && region != kRegion2) {
                continue;
            }
            SCOPED_TRACE(::testing::Message() << "p = " << p << " bar, t = " << t << " °C");
            int status = -1;
            EXPECT_NEAR(temperatureFromPH(p, enthalpy(p, t, status), status), t, 1e-9);
            EXPECT_EQ(status, kOk);
            EXPECT_NEAR(temperatureFromPS(p, entropy(p, t, status), status), t, 1e-9);
            EXPECT_EQ(status, kOk);
        }
    }
}

TEST(WaterTemperatureFromPH, StatusCodesAtRangeLimits) {
    int status = -1;
    EXPECT_EQ(temperatureFromPH(1001.0, 1000.0, status), -1.0);
    EXPECT_EQ(status, kPressureAbove1000);
    int hStatus = -1;
    EXPECT_EQ(temperatureFromPH(50.0, enthalpy(50.0, 0.01, hStatus) - 1.0, status), -1.0);
    EXPECT_EQ(status, kBelowTripleTemperature);
    EXPECT_EQ(temperatureFromPH(50.0, enthalpy(50.0, 2000.0, hStatus) + 1.0, status), -1.0);
    EXPECT_EQ(status, kEnthalpyAbove2000);
    EXPECT_EQ(temperatureFromPH(150.0, enthalpy(150.0, 800.0, hStatus) + 1.0, status), -1.0);
    EXPECT_EQ(status, kEnthalpyAbove800);
    // at exactly 100 bar the upper limit is still 2000 °C
    EXPECT_NEAR(temperatureFromPH(100.0, enthalpy(100.0, 1500.0, hStatus), status), 1500.0, 2e-3);
    EXPECT_EQ(status, kOk);
}

TEST(WaterTemperatureFromPH, BelowTheLiquidWhereTheLineCrossesTheLowestTemperature) {
    // Near 0.0061166 bar the 0.01 °C end of the range lies in the saturation band, so its
    // value is a failure; an enthalpy or entropy below the saturated liquid must still be
    // refused instead of answered with a temperature near 0 °C.
    for (const double p : {0.0061163, 0.00611657, 0.0061169}) {
        SCOPED_TRACE(p);
        int status = -1;
        const double hLiquid = enthalpySatLiquid(p, status);
        EXPECT_EQ(temperatureFromPH(p, hLiquid - 0.5, status), -1.0);
        EXPECT_EQ(status, kBelowTripleTemperature);
        const double sLiquid = entropySatLiquid(p, status);
        EXPECT_EQ(temperatureFromPS(p, sLiquid - 0.002, status), -1.0);
        EXPECT_EQ(status, kBelowTripleTemperature);
        EXPECT_NEAR(temperatureFromPH(p, enthalpyFromPX(p, 0.5), status), 0.5, 1e-9);
        EXPECT_EQ(status, kTwoPhase);
    }
}

TEST(WaterTemperatureFromPH, EnthalpyBesideTheSaturationBandGivesNearestTemperature) {
    int status = -1;
    const double ts = saturationTemperature(10.0);
    const double hVapor = enthalpySatVapor(10.0, status);
    const double hOutside = enthalpy(10.0, ts + 0.00101, status);
    EXPECT_DOUBLE_EQ(temperatureFromPH(10.0, (hVapor + hOutside) / 2.0, status), ts + 0.00101);
    EXPECT_EQ(status, kOk);
}

TEST(WaterTemperatureFromPS, InvertsEntropyAndFindsQuality) {
    int status = -1;
    const double s = entropy(50.0, 400.0, status);
    EXPECT_NEAR(temperatureFromPS(50.0, s, status), 400.0, 2e-4);
    EXPECT_EQ(status, kOk);
    const double sMix = entropyFromPX(10.0, 0.3);
    EXPECT_NEAR(temperatureFromPS(10.0, sMix, status), 0.3, 1e-9);
    EXPECT_EQ(status, kTwoPhase);
    EXPECT_NEAR(enthalpyFromPS(10.0, sMix, status), enthalpyFromPX(10.0, 0.3), 1e-9);
    EXPECT_EQ(status, kTwoPhase);
    EXPECT_NEAR(specificVolumeFromPS(50.0, s, status), 0.0578398, 1e-6);
    EXPECT_EQ(status, kOk);
    EXPECT_EQ(temperatureFromPS(1001.0, s, status), -1.0);
    EXPECT_EQ(status, kPressureAbove1000);
}

TEST(WaterIsentropicEnd, ExpansionFromSuperheatedAndFromWetStart) {
    int status = -1;
    // 50 bar, 400 °C expanded to 1 bar ends wet
    const double x2 = isentropicEndTemperature(50.0, 3196.59, 1.0, status);
    EXPECT_EQ(status, kTwoPhase);
    EXPECT_NEAR(x2,
                (6.64813 - entropySatLiquid(1.0, status)) /
                    (entropySatVapor(1.0, status) - entropySatLiquid(1.0, status)),
                1e-5);
    // a wet start uses the mixture entropy: compressed back at the same pressure it is unchanged
    const double x1 = isentropicEndTemperature(10.0, enthalpyFromPX(10.0, 0.4), 10.0, status);
    EXPECT_EQ(status, kTwoPhase);
    EXPECT_NEAR(x1, 0.4, 1e-9);
    EXPECT_EQ(isentropicEndTemperature(1001.0, 3000.0, 1.0, status), -1.0);
    EXPECT_EQ(status, kOutsideRegion);
}

}  // namespace
}  // namespace vaporis::water
