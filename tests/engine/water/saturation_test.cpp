#include "engine/water/saturation.h"

#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "engine/common/physical_constants.h"
#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

TEST(WaterSaturationLine, PressureMatchesIf97Table35) {
    // t [°C], ps [bar]; nine printed digits
    for (const auto& [t, ps] : {std::array{26.85, 0.0353658941}, std::array{226.85, 26.3889776},
                                std::array{326.85, 123.443146}}) {
        SCOPED_TRACE(t);
        EXPECT_NEAR(saturationPressure(t) / ps, 1.0, 5e-9);
    }
}

TEST(WaterSaturationLine, TemperatureMatchesIf97Table36) {
    // p [bar], ts [°C]; the printed kelvin values have six decimals
    for (const auto& [p, ts] : {std::array{1.0, 99.605919}, std::array{10.0, 179.885632},
                                std::array{100.0, 310.999488}}) {
        SCOPED_TRACE(p);
        EXPECT_NEAR(saturationTemperature(p), ts, 5e-7);
    }
}

TEST(WaterSaturationLine, EndPointsAndBoilingPoint) {
    EXPECT_NEAR(saturationPressure(100.0), 1.01418, 5e-6);
    EXPECT_NEAR(saturationTemperature(220.64), 373.946, 5e-4);
    EXPECT_NEAR(saturationPressure(0.0), 0.00611213, 5e-9);
}

TEST(PhysicalConstants, AgreeWithTheSaturationLineAndTheSpecificGasConstants) {
    // IF97 ends its saturation line at the critical point and bounds its range at ps(0 °C);
    // water 8.3145 / 18.0152 = 0.461527 kJ/(kg K), air 287.05287 J/(kg K) (ISO 2533).
    EXPECT_NEAR(saturationTemperature(kCriticalPressure) + kZeroCelsiusK, kCriticalTemperatureK,
                5e-4);
    EXPECT_NEAR(saturationPressure(0.0) / kTriplePressure, 1.0, 1e-6);
    EXPECT_NEAR(kUniversalGasConstant / kWaterMolarMass / kWaterGasConstant, 1.0, 5e-6);
    EXPECT_NEAR(kUniversalGasConstantJ / kAirMolarMass / 287.05287, 1.0, 5e-6);
}

TEST(WaterBoundary23, MatchesIf97CheckPointBothWays) {
    EXPECT_NEAR(b23Pressure(623.15), 165.291643, 5e-7);
    EXPECT_NEAR(b23Temperature(165.291643), 623.15, 1e-6);
}

TEST(WaterSaturationLimits, StatusCodesAtRangeEnds) {
    struct Case {
        const char* what;
        double (*function)(double, int&);
        double argument;
        int status;
    };
    for (const Case& c : {
             Case{"boiling above critical pressure", boilingTemperature, 220.65,
                  kAboveCriticalPressure},
             Case{"boiling below triple pressure", boilingTemperature, 0.006, kBelowTriplePressure},
             Case{"boiling at triple pressure", boilingTemperature, 0.00611213, kOk},
             Case{"vapour pressure above critical temperature", vaporPressure, 373.95,
                  kAboveCriticalTemperature},
             Case{"vapour pressure at 0 °C", vaporPressure, 0.0, kBelowTripleTemperature},
             Case{"vapour pressure at 0.01 °C", vaporPressure, 0.01, kOk},
             Case{"saturated enthalpy above critical pressure", enthalpySatLiquid, 220.65,
                  kAboveCriticalPressure},
             Case{"evaporation enthalpy above critical pressure", evaporationEnthalpy, 221.0,
                  kAboveCriticalPressure},
         }) {
        SCOPED_TRACE(c.what);
        int status = -1;
        const double value = c.function(c.argument, status);
        EXPECT_EQ(status, c.status);
        if (c.status != kOk) {
            EXPECT_EQ(value, -1.0);
        }
    }
}

TEST(WaterRegionChoice, LaterTestsOverrideEarlierOnes) {
    struct Case {
        double p;  // bar
        double t;  // °C
        int region;
    };
    for (const Case& c : {
             Case{50.0, 400.0, kRegion2},
             Case{1.0, 20.0, kRegion1},
             Case{250.0, 370.0, kRegion3},
             Case{50.0, 1000.0, kRegion5},
             Case{150.0, 1000.0, kRegionNone},
             Case{1.0, 99.6059, kRegion4},
             Case{0.005, 50.0, kRegionNone},
             Case{1001.0, 100.0, kRegionNone},
             Case{1.0, -5.0, kRegionNone},
             Case{0.00611213, 50.0, kRegion2},
             Case{100.0, 2000.0, kRegion5},
             Case{100.0, 2000.1, kRegionNone},
             Case{1000.0, 800.0, kRegion2},
             Case{0.0, 20.0, kRegionNone},
         }) {
        SCOPED_TRACE(::testing::Message() << "p = " << c.p << " bar, t = " << c.t << " °C");
        EXPECT_EQ(regionAt(c.p, c.t), c.region);
    }
}

TEST(WaterSaturatedStates, MatchIf97SaturationTables) {
    // p [bar], h', h'' [kJ/kg], s', s'' [kJ/(kg K)], v', v'' [m³/kg]: IF97 regions 1 and 2 at
    // ts, and above 165.29 bar region 3 exactly at ts (an independent evaluation)
    struct Row {
        double p, hLiquid, hVapor, sLiquid, sVapor, vLiquid, vVapor;
    };
    for (const Row& r : {
             Row{0.01, 29.298246546, 2513.682039051, 0.105910448, 8.974929790, 0.00100014334,
                 129.183305},
             Row{10.0, 762.682844335, 2777.119537685, 2.138431351, 6.584978996, 0.00112723375,
                 0.194348884},
             Row{100.0, 1407.867500568, 2725.472566439, 3.360290685, 5.615889874, 0.0014526199,
                 0.0180335752},
             Row{150.0, 1610.151785656, 2610.864758770, 3.684446043, 5.310800319, 0.00165696259,
                 0.0103400917},
             Row{170.0, 1690.035824671, 2547.412768052, 3.807669583, 5.178500093, 0.00176934393,
                 0.00836934417},
             Row{200.0, 1827.100624218, 2411.387211390, 4.015381593, 4.929903969, 0.00203864725,
                 0.00585827684},
         }) {
        SCOPED_TRACE(r.p);
        int status = -1;
        EXPECT_NEAR(enthalpySatLiquid(r.p, status), r.hLiquid, 1e-6);
        EXPECT_NEAR(enthalpySatVapor(r.p, status), r.hVapor, 1e-6);
        EXPECT_NEAR(evaporationEnthalpy(r.p, status), r.hVapor - r.hLiquid, 2e-6);
        EXPECT_NEAR(entropySatLiquid(r.p, status), r.sLiquid, 1e-9);
        EXPECT_NEAR(entropySatVapor(r.p, status), r.sVapor, 1e-9);
        EXPECT_NEAR(specificVolumeSatLiquid(r.p, status) / r.vLiquid, 1.0, 1e-8);
        EXPECT_NEAR(specificVolumeSatVapor(r.p, status) / r.vVapor, 1.0, 1e-8);
        EXPECT_EQ(status, kOk);
    }
}

TEST(WaterTwoPhase, MixtureEndsAreTheSaturatedStates) {
    int status = -1;
    EXPECT_DOUBLE_EQ(enthalpyFromPX(10.0, 0.0), enthalpySatLiquid(10.0, status));
    EXPECT_DOUBLE_EQ(enthalpyFromPX(10.0, 1.0), enthalpySatVapor(10.0, status));
    EXPECT_DOUBLE_EQ(entropyFromPX(10.0, 1.0), entropySatVapor(10.0, status));
    EXPECT_DOUBLE_EQ(specificVolumeFromPX(10.0, 0.0), specificVolumeSatLiquid(10.0, status));
    EXPECT_EQ(enthalpyFromPX(230.0, 0.5), -1.0);
}

// An isentropic expansion of the mixture from rest passes its largest mass flux where the
// velocity sqrt(2 (h0 - h)) reaches the sound velocity: the throat of a homogeneous nozzle.
TEST(WaterTwoPhase, HomogeneousSoundVelocityIsTheVelocityAtTheLargestIsentropicMassFlux) {
    for (const auto& [p0, x0] : {std::array{50.0, 0.1}, std::array{2.0, 0.6}}) {
        const double s0 = entropyFromPX(p0, x0);
        const double h0 = enthalpyFromPX(p0, x0);
        const auto velocity = [&](double p) {
            int status = kOk;
            return std::sqrt(2000.0 * (h0 - enthalpyFromPS(p, s0, status)));
        };
        const auto massFlux = [&](double p) {
            int status = kOk;
            return velocity(p) / specificVolumeFromPS(p, s0, status);
        };
        double lo = 0.3 * p0;
        double hi = 0.9 * p0;
        for (int n = 0; n < 80; ++n) {  // golden-section search of the largest flux
            const double a = hi - 0.618034 * (hi - lo);
            const double b = lo + 0.618034 * (hi - lo);
            if (massFlux(a) > massFlux(b)) {
                hi = b;
            } else {
                lo = a;
            }
        }
        int status = -1;
        const double pThroat = (lo + hi) / 2.0;
        const double xThroat = temperatureFromPS(pThroat, s0, status);
        ASSERT_EQ(status, kTwoPhase);
        EXPECT_NEAR(homogeneousSoundVelocity(pThroat, xThroat, status) / velocity(pThroat), 1.0,
                    1e-4)
            << p0;
        EXPECT_EQ(status, kOk);
    }
    int status = kOk;
    EXPECT_NEAR(homogeneousSoundVelocity(50.0, 0.1, status), 115.0, 1.0);  // Ma 1.7 at 200 m/s
    EXPECT_EQ(homogeneousSoundVelocity(50.0, 1.5, status), -1.0);
    EXPECT_EQ(status, kOutsideRegion);
}

}  // namespace
}  // namespace vaporis::water
