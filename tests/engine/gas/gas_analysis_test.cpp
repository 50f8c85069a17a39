#include "engine/gas/gas_analysis.h"

#include <string>

#include <gtest/gtest.h>

#include "test_analyses.h"

namespace vaporis::gas {
namespace {

using test::byVolume;
using test::kNaN;
using test::Percentages;
using test::percentages;

TEST(GasAnalysis, AirByVolumeConvertsToMassThroughNormalDensities) {
    GasAnalysis standard;
    standard.setDefault();
    // 28.96 g/mol: the molar mass of standard dry air.
    EXPECT_NEAR(standard.molarMass(), 28.96, 0.01);
    const GasAnalysis air = byVolume({{kOxygen, 21.0}, {kNitrogen, 79.0}});
    // About 23.3 mass % oxygen, as in air.
    EXPECT_NEAR(air.massPercent(kOxygen), 23.3, 0.05);
    EXPECT_NEAR(air.normalVolume(), 1.0 / (0.21 * 1.429 + 0.79 * 1.2504), 1e-14);
    GasAnalysis again;
    again.setFromMassPercent(air.massPercents());
    EXPECT_NEAR(again.volumeFraction(kOxygen), 0.21, 1e-15);
}

TEST(GasAnalysis, HumidifyingSaturatesAtTheVapourPressure) {
    GasAnalysis air;
    air.setDefault();
    EXPECT_EQ(air.humidify(1.01325, 20.0, 50.0), EditResult::EditOk);
    // Saturation pressure of water at 20 °C: 2.3393 kPa (IAPWS).
    EXPECT_NEAR(air.volumeFraction(kWaterVapor), 0.5 * 0.023393 / 1.01325, 1e-6);
    air.dry();
    EXPECT_EQ(air.volumeFraction(kDryAir), 1.0);
}

TEST(GasAnalysis, EditOperationsReportWhyTheyRefuseAndLeaveTheAnalysisAlone) {
    const GasAnalysis air = byVolume({{kOxygen, 21.0}, {kNitrogen, 79.0}});
    GasAnalysis analysis = air;
    EXPECT_EQ(analysis.humidify(1.0, -5.0, 50.0), EditResult::BelowMinTemperature);
    EXPECT_EQ(analysis.humidify(1.01325, 100.0, 100.0), EditResult::SaturationImpossible);
    EXPECT_EQ(analysis.changeComponentBy(kNitrogen, -100.0), EditResult::TooMuchRemoved);
    EXPECT_EQ(analysis.changeComponentBy(kOxygen, kNaN), EditResult::BadInput);
    EXPECT_EQ(analysis.mixMass(air, -1.0), EditResult::BadInput);
    EXPECT_EQ(analysis, air);
    GasAnalysis steam = byVolume({{kWaterVapor, 100.0}});
    EXPECT_EQ(steam.humidify(1.0, 20.0, 50.0), EditResult::WaterOnly);
    EXPECT_EQ(steam.changeComponentBy(kWaterVapor, -10.0), EditResult::SingleComponent);
}

TEST(GasAnalysis, UnusablePercentagesClearTheAnalysis) {
    // finite percentages whose sum overflows would leave 0/0 in the converted fractions
    for (const Percentages& values : {percentages({}), percentages({{kNitrogen, kNaN}}),
                                      percentages({{kNitrogen, 50.0}, {kOxygen, -50.0}}),
                                      percentages({{kNitrogen, 1e308}, {kOxygen, 1e308}})}) {
        GasAnalysis analysis;
        analysis.setDefault();
        analysis.setFromVolumePercent(values);
        EXPECT_EQ(analysis.singleComponent(), -2);
        EXPECT_EQ(analysis.volumePercentSum(), 0.0);
        analysis.setDefault();
        analysis.setFromMassPercent(values);
        EXPECT_EQ(analysis.singleComponent(), -2);
        EXPECT_EQ(analysis.massPercentSum(), 0.0);
    }
}

TEST(GasAnalysis, EnteredPercentagesRefuseNegativeNonFiniteAndOverflowingEntries) {
    const GasAnalysis air = byVolume({{kOxygen, 21.0}, {kNitrogen, 79.0}});
    // -1e300 and 1e300 sum to a harmless 50, yet give fractions of -2e298
    for (const Percentages& values :
         {percentages({{kNitrogen, kNaN}}), percentages({{kNitrogen, 101.0}, {kOxygen, -1.0}}),
          percentages({{kNitrogen, 1e308}, {kOxygen, 1e308}}),
          percentages({{kNitrogen, -1e300}, {kOxygen, 1e300}, {kArgon, 50.0}})}) {
        GasAnalysis analysis = air;
        EXPECT_EQ(analysis.setFromEnteredPercent(values), EditResult::BadInput);
        EXPECT_EQ(analysis, air);
    }
    GasAnalysis analysis = air;
    EXPECT_EQ(analysis.setFromEnteredPercent(percentages({{kNitrogen, 2.0}, {kOxygen, 2.0}})),
              EditResult::EditOk);
    EXPECT_EQ(analysis.volumeFraction(kOxygen), 0.5);
    EXPECT_EQ(analysis.setFromEnteredPercent(percentages({})), EditResult::EditOk);
    EXPECT_EQ(analysis.volumePercentSum(), 0.0);
}

TEST(GasAnalysis, NameKeepsAtMost127BytesWithoutSplittingACharacter) {
    GasAnalysis analysis;
    analysis.setName(std::string(200, 'a'));
    EXPECT_EQ(analysis.name().size(), 127U);
    // "°" is two bytes; the 127-byte cut would fall between them.
    analysis.setName(std::string(126, 'a') + "°C");
    EXPECT_EQ(analysis.name(), std::string(126, 'a'));
}

}  // namespace
}  // namespace vaporis::gas
