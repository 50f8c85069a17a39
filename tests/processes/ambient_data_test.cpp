#include "processes/tools/ambient_data.h"

#include <limits>
#include <tuple>

#include <gtest/gtest.h>

#include "processes/status_codes.h"

namespace vaporis::processes {
namespace {

AmbientData ambientAt(double t, double phi, double z) {
    AmbientData ambient;
    ambient.setInput(AmbientData::kTemperature, t);
    ambient.setInput(AmbientData::kRelativeHumidity, phi);
    ambient.setInput(AmbientData::kLevel, z);
    ambient.calculate();
    return ambient;
}

TEST(AmbientData, DefaultAirAt15DegreesAnd65PercentAtSeaLevel) {
    AmbientData ambient;
    ambient.reset();
    EXPECT_EQ(ambient.calculate(), kOk);
    EXPECT_EQ(ambient.result(AmbientData::kPressure), 1.013);
    EXPECT_NEAR(ambient.result(AmbientData::kDensity), 1.22, 0.005);
    EXPECT_NEAR(ambient.result(AmbientData::kHumidityRatio), 0.0069, 0.0001);
    // Psychrometric chart: dew point 8.4 °C at 15 °C and 65 %.
    EXPECT_NEAR(ambient.result(AmbientData::kDewPoint), 8.5, 0.15);
}

TEST(AmbientData, PressureFallsWithTheLevelAsInTheStandardAtmosphere) {
    // ISA: 898.8 mbar at 1000 m, 701.2 mbar at 3000 m; the isothermal column, warmer aloft,
    // falls a little slower.
    EXPECT_NEAR(ambientAt(15.0, 65.0, 1000.0).result(AmbientData::kPressure), 0.8988, 0.002);
    const double p3000 = ambientAt(15.0, 65.0, 3000.0).result(AmbientData::kPressure);
    EXPECT_GT(p3000, 0.7012);
    EXPECT_LT(p3000, 0.7012 + 0.015);
    EXPECT_GT(ambientAt(15.0, 65.0, -400.0).result(AmbientData::kPressure), 1.013);
}

TEST(AmbientData, DryFrostyAirHasNoWaterAndNoDewPoint) {
    const AmbientData ambient = ambientAt(-10.0, 0.0, 0.0);
    EXPECT_EQ(ambient.status(), kOk);
    EXPECT_EQ(ambient.result(AmbientData::kHumidityRatio), 0.0);
    EXPECT_EQ(ambient.result(AmbientData::kWaterMoleFraction), 0.0);
    EXPECT_EQ(ambient.result(AmbientData::kDewPoint), -1.0);
}

TEST(AmbientData, RefusedInputsKeepThePreviousResults) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    AmbientData ambient = ambientAt(15.0, 65.0, 0.0);
    const double density = ambient.result(AmbientData::kDensity);
    for (const auto& [t, phi, z, status] :
         {std::tuple{-10.0, 50.0, 0.0, AmbientStatus::kBelowTriplePoint},
          std::tuple{15.0, 100.5, 0.0, AmbientStatus::kHumidityOutOfRange},
          std::tuple{110.0, 50.0, 0.0, AmbientStatus::kWaterBoils},
          std::tuple{15.0, kNaN, 0.0, AmbientStatus::kNonFiniteInput},
          std::tuple{15.0, 65.0, 1e9, AmbientStatus::kNoConvergence}}) {
        SCOPED_TRACE(t);
        ambient.setInput(AmbientData::kTemperature, t);
        ambient.setInput(AmbientData::kRelativeHumidity, phi);
        ambient.setInput(AmbientData::kLevel, z);
        EXPECT_EQ(ambient.calculate(), status);
        EXPECT_EQ(ambient.result(AmbientData::kDensity), density);
    }
}

}  // namespace
}  // namespace vaporis::processes
