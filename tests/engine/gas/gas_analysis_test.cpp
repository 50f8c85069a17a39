#include "engine/gas/gas_analysis.h"

#include <array>
#include <numeric>
#include <string>

#include <gtest/gtest.h>

#include "test_analyses.h"

namespace vaporis::gas {
namespace {

using test::byMass;
using test::byVolume;
using test::kNaN;
using test::Percentages;
using test::percentages;

double sum(std::span<const double, kComponentCount> values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

TEST(GasAnalysis, ConstructedAnalysisIsEmptyWithoutConstants) {
    const GasAnalysis analysis;
    EXPECT_EQ(sum(analysis.massFractions()), 0.0);
    EXPECT_EQ(sum(analysis.volumePercents()), 0.0);
    EXPECT_EQ(analysis.molarMass(), -1.0);
    EXPECT_EQ(analysis.normalVolume(), -1.0);
    EXPECT_TRUE(analysis.isVolumeBasis());
    EXPECT_EQ(analysis.name(), "NO NAME");
}

TEST(GasAnalysis, DefaultIsDryAirWithTheMolarMassOfAir) {
    GasAnalysis analysis;
    analysis.setDefault();
    EXPECT_EQ(analysis.massFraction(kDryAir), 1.0);
    EXPECT_EQ(analysis.volumeFraction(kDryAir), 1.0);
    // 28.96 g/mol: the molar mass of standard dry air.
    EXPECT_NEAR(analysis.molarMass(), 28.96, 0.01);
    EXPECT_DOUBLE_EQ(analysis.gasConstant(), 8314.5 / 28.965);
    EXPECT_DOUBLE_EQ(analysis.normalVolume(), 1.0 / 1.293);
    EXPECT_TRUE(analysis.isVolumeBasis());
}

TEST(GasAnalysis, AirByVolumeConvertsToMassThroughNormalDensities) {
    const GasAnalysis air = byVolume({{kOxygen, 21.0}, {kNitrogen, 79.0}});
    EXPECT_EQ(air.volumePercent(kOxygen), 21.0);
    EXPECT_EQ(air.volumePercent(kNitrogen), 79.0);
    const double oxygenMass = 1.429 * 21.0 / (1.429 * 21.0 + 1.2504 * 79.0);
    EXPECT_NEAR(air.massFraction(kOxygen), oxygenMass, 1e-14);
    // About 23.3 mass % oxygen, as in air.
    EXPECT_NEAR(air.massPercent(kOxygen), 23.3, 0.05);
    EXPECT_NEAR(air.massPercentSum(), 100.0, 1e-12);
    EXPECT_NEAR(air.normalVolume(), 1.0 / (0.21 * 1.429 + 0.79 * 1.2504), 1e-14);
}

TEST(GasAnalysis, MassAndVolumeBasisDescribeTheSameGas) {
    const GasAnalysis flue = byVolume({{kNitrogen, 72.0},
                                       {kCarbonDioxide, 10.0},
                                       {kWaterVapor, 12.0},
                                       {kOxygen, 5.0},
                                       {kArgon, 1.0}});
    GasAnalysis again;
    again.setFromMassPercent(flue.massPercents());
    for (int i = 0; i < kComponentCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(again.volumeFraction(i), flue.volumeFraction(i), 1e-14);
    }
    EXPECT_NEAR(again.molarMass(), flue.molarMass(), 1e-12);
}

TEST(GasAnalysis, EnteredPercentagesStayAsTypedUntilRescaled) {
    GasAnalysis analysis = byMass({{kNitrogen, 30.0}, {kOxygen, 20.0}});
    EXPECT_EQ(analysis.massPercent(kNitrogen), 30.0);
    EXPECT_EQ(analysis.massPercentSum(), 50.0);
    EXPECT_EQ(analysis.enteredPercentSum(), 50.0);
    EXPECT_NEAR(sum(analysis.massFractions()), 1.0, 1e-15);
    EXPECT_NEAR(analysis.volumePercentSum(), 100.0, 1e-12);
    analysis.rescale();
    EXPECT_NEAR(analysis.massPercent(kNitrogen), 60.0, 1e-12);
    EXPECT_NEAR(analysis.massPercent(kOxygen), 40.0, 1e-12);
    EXPECT_FALSE(analysis.isVolumeBasis());
}

TEST(GasAnalysis, RescaleInAnExplicitBasisEntersTheNormalisedPercentages) {
    GasAnalysis analysis = byVolume({{kNitrogen, 40.0}, {kOxygen, 40.0}});
    analysis.rescaleMass();
    EXPECT_NEAR(analysis.massPercentSum(), 100.0, 1e-12);
    EXPECT_NEAR(analysis.volumePercent(kNitrogen), 50.0, 1e-12);
    analysis.rescaleVolume();
    EXPECT_NEAR(analysis.volumePercent(kOxygen), 50.0, 1e-12);
}

TEST(GasAnalysis, SwapBasisKeepsTheNumbersButChangesTheComposition) {
    GasAnalysis analysis = byVolume({{kHydrogen, 50.0}, {kCarbonDioxide, 50.0}});
    const double hydrogenByVolume = analysis.volumeFraction(kHydrogen);
    analysis.swapBasis();
    EXPECT_FALSE(analysis.isVolumeBasis());
    EXPECT_EQ(analysis.massPercent(kHydrogen), 50.0);
    EXPECT_EQ(analysis.massPercent(kCarbonDioxide), 50.0);
    EXPECT_EQ(analysis.massFraction(kHydrogen), 0.5);
    EXPECT_GT(analysis.volumeFraction(kHydrogen), hydrogenByVolume + 0.4);
    analysis.swapBasis();
    EXPECT_TRUE(analysis.isVolumeBasis());
    EXPECT_EQ(analysis.volumeFraction(kHydrogen), 0.5);
}

TEST(GasAnalysis, SettingOneComponentKeepsTheRatiosOfTheOthers) {
    GasAnalysis air = byVolume({{kOxygen, 21.0}, {kNitrogen, 79.0}});
    air.setComponentVolumeFraction(kWaterVapor, 0.1);
    EXPECT_NEAR(air.volumeFraction(kWaterVapor), 0.1, 1e-15);
    EXPECT_NEAR(air.volumeFraction(kOxygen), 0.9 * 0.21, 1e-15);
    EXPECT_NEAR(air.volumePercentSum(), 100.0, 1e-12);
    air.setComponentMassFraction(kOxygen, 0.0);
    EXPECT_EQ(air.massFraction(kOxygen), 0.0);
    EXPECT_NEAR(sum(air.massFractions()), 1.0, 1e-15);
}

TEST(GasAnalysis, DryingADryGasChangesNothing) {
    GasAnalysis air = byVolume({{kOxygen, 21.0}, {kNitrogen, 79.0}});
    const GasAnalysis before = air;
    air.dry();
    for (int i = 0; i < kComponentCount; ++i) {
        EXPECT_NEAR(air.volumeFraction(i), before.volumeFraction(i), 1e-15);
        EXPECT_NEAR(air.volumePercent(i), before.volumePercent(i), 1e-13);
    }
}

TEST(GasAnalysis, HumidifyingSaturatesAtTheVapourPressure) {
    GasAnalysis air;
    air.setDefault();
    EXPECT_EQ(air.humidify(1.01325, 20.0, 100.0), EditResult::EditOk);
    // Saturation pressure of water at 20 °C: 2.3393 kPa (IAPWS).
    EXPECT_NEAR(air.volumeFraction(kWaterVapor), 0.023393 / 1.01325, 1e-6);
    EXPECT_NEAR(air.volumePercentSum(), 100.0, 1e-12);
    EXPECT_EQ(air.humidify(1.01325, 20.0, 50.0), EditResult::EditOk);
    EXPECT_NEAR(air.volumeFraction(kWaterVapor), 0.5 * 0.023393 / 1.01325, 1e-6);
    air.dry();
    EXPECT_EQ(air.volumeFraction(kWaterVapor), 0.0);
    EXPECT_NEAR(air.volumeFraction(kDryAir), 1.0, 1e-15);
}

TEST(GasAnalysis, EditOperationsReportWhyTheyRefuseAndLeaveTheAnalysisAlone) {
    const GasAnalysis air = byVolume({{kOxygen, 21.0}, {kNitrogen, 79.0}});
    const GasAnalysis nitrogen = byVolume({{kNitrogen, 100.0}});
    const GasAnalysis steam = byVolume({{kWaterVapor, 100.0}});
    struct Case {
        const char* what;
        GasAnalysis start;
        EditResult (*edit)(GasAnalysis&);
        EditResult expected;
    };
    const auto cases = std::to_array<Case>({
        {"humidify steam", steam, [](GasAnalysis& a) { return a.humidify(1.0, 20.0, 50.0); },
         EditResult::WaterOnly},
        {"humidify at p = 0", air, [](GasAnalysis& a) { return a.humidify(0.0, 20.0, 50.0); },
         EditResult::BadInput},
        {"humidify phi < 0", air, [](GasAnalysis& a) { return a.humidify(1.0, 20.0, -1.0); },
         EditResult::BadInput},
        {"humidify phi > 100", air, [](GasAnalysis& a) { return a.humidify(1.0, 20.0, 100.1); },
         EditResult::BadInput},
        {"humidify NaN", air, [](GasAnalysis& a) { return a.humidify(1.0, kNaN, 50.0); },
         EditResult::BadInput},
        {"humidify below 0 °C", air, [](GasAnalysis& a) { return a.humidify(1.0, -5.0, 50.0); },
         EditResult::BelowMinTemperature},
        {"humidify at 100 °C", air,
         [](GasAnalysis& a) { return a.humidify(1.01325, 100.0, 100.0); },
         EditResult::SaturationImpossible},
        {"humidify above critical", air,
         [](GasAnalysis& a) { return a.humidify(1.0, 400.0, 10.0); },
         EditResult::SaturationImpossible},
        {"change the only one", nitrogen,
         [](GasAnalysis& a) { return a.changeComponentBy(kNitrogen, -10.0); },
         EditResult::SingleComponent},
        {"remove too much", air,
         [](GasAnalysis& a) { return a.changeComponentBy(kNitrogen, -100.0); },
         EditResult::TooMuchRemoved},
        {"remove all", air, [](GasAnalysis& a) { return a.changeComponentBy(kOxygen, -21.0); },
         EditResult::TooMuchRemoved},
        {"add too much", air, [](GasAnalysis& a) { return a.changeComponentBy(kOxygen, 80.0); },
         EditResult::TooMuchAdded},
        {"change by NaN", air, [](GasAnalysis& a) { return a.changeComponentBy(kOxygen, kNaN); },
         EditResult::BadInput},
        {"change a non-component", air,
         [](GasAnalysis& a) { return a.changeComponentBy(kComponentCount, 1.0); },
         EditResult::BadInput},
        {"set above 100 %", air, [](GasAnalysis& a) { return a.changeComponentTo(kOxygen, 100.5); },
         EditResult::AboveHundredPercent},
        {"set the only one", nitrogen,
         [](GasAnalysis& a) { return a.changeComponentTo(kNitrogen, 50.0); },
         EditResult::SingleComponent},
        {"set negative", air, [](GasAnalysis& a) { return a.changeComponentTo(kOxygen, -1.0); },
         EditResult::BadInput},
        {"mix a negative amount", air,
         [](GasAnalysis& a) { return a.mixMass(GasAnalysis(a), -1.0); }, EditResult::BadInput},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GasAnalysis analysis = c.start;
        EXPECT_EQ(c.edit(analysis), c.expected);
        EXPECT_EQ(analysis, c.start);
    }
}

TEST(GasAnalysis, ChangingAComponentWorksInTheCurrentBasis) {
    GasAnalysis air = byVolume({{kOxygen, 21.0}, {kNitrogen, 79.0}});
    EXPECT_EQ(air.changeComponentBy(kOxygen, 4.0), EditResult::EditOk);
    EXPECT_NEAR(air.volumeFraction(kOxygen), 0.25, 1e-15);
    EXPECT_NEAR(air.volumeFraction(kNitrogen), 0.75, 1e-15);
    EXPECT_EQ(air.changeComponentTo(kOxygen, 0.0), EditResult::EditOk);
    EXPECT_EQ(air.singleComponent(), kNitrogen);

    GasAnalysis byMassAir = byMass({{kOxygen, 23.0}, {kNitrogen, 77.0}});
    EXPECT_EQ(byMassAir.changeComponentTo(kOxygen, 30.0), EditResult::EditOk);
    EXPECT_NEAR(byMassAir.massFraction(kOxygen), 0.30, 1e-15);
    EXPECT_NEAR(byMassAir.massPercentSum(), 100.0, 1e-12);
}

TEST(GasAnalysis, MixingAddsTheOtherGasPerKilogramOrPerCubicMetre) {
    GasAnalysis air;
    air.setDefault();
    const GasAnalysis carbonDioxide = byVolume({{kCarbonDioxide, 100.0}});
    EXPECT_EQ(air.mixMass(carbonDioxide, 1.0), EditResult::EditOk);
    EXPECT_NEAR(air.massFraction(kCarbonDioxide), 0.5, 1e-15);
    EXPECT_NEAR(air.volumePercentSum(), 100.0, 1e-12);

    GasAnalysis nitrogen = byVolume({{kNitrogen, 100.0}});
    EXPECT_EQ(nitrogen.mixVolume(byVolume({{kOxygen, 100.0}}), 0.25), EditResult::EditOk);
    EXPECT_NEAR(nitrogen.volumeFraction(kOxygen), 0.2, 1e-15);
    EXPECT_NEAR(nitrogen.volumePercent(kOxygen), 20.0, 1e-12);
}

TEST(GasAnalysis, SingleComponentNamesTheOnlyComponentPresent) {
    EXPECT_EQ(GasAnalysis().singleComponent(), -2);
    EXPECT_EQ(byVolume({{kMethane, 3.0}}).singleComponent(), kMethane);
    EXPECT_EQ(byVolume({{kMethane, 3.0}, {kEthane, 1.0}}).singleComponent(), -1);
}

TEST(GasAnalysis, TemperatureRangeIsTheNarrowestOfItsComponents) {
    struct Case {
        GasAnalysis analysis;
        double tMin;
        double tMax;
    };
    for (const auto& [analysis, tMin, tMax] : std::to_array<Case>({
             {byVolume({{kDryAir, 100.0}}), 0.0, 4726.85},
             {byVolume({{kDryAir, 90.0}, {kAcetylene, 10.0}}), 0.0, 2000.0},
             {byVolume({{kDryAir, 90.0}, {kAcetylene, 5.0}, {kPropane, 5.0}}), 0.0, 1500.0},
             {GasAnalysis(), -2000.0, 100000.0},
         })) {
        SCOPED_TRACE(tMax);
        EXPECT_EQ(analysis.minTemperature(), tMin);
        EXPECT_EQ(analysis.maxTemperature(), tMax);
    }
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
        EXPECT_EQ(analysis.molarMass(), 28.965);
        analysis.setDefault();
        analysis.setFromMassPercent(values);
        EXPECT_EQ(analysis.singleComponent(), -2);
        EXPECT_EQ(analysis.massPercentSum(), 0.0);
    }
}

TEST(GasAnalysis, NameKeepsAtMost127BytesWithoutSplittingACharacter) {
    GasAnalysis analysis;
    analysis.setName(std::string(200, 'a'));
    EXPECT_EQ(analysis.name().size(), 127U);
    // "°" is two bytes; the 127-byte cut would fall between them.
    analysis.setName(std::string(126, 'a') + "°C");
    EXPECT_EQ(analysis.name(), std::string(126, 'a'));
    analysis.setName("flue gas");
    EXPECT_EQ(analysis.name(), "flue gas");
}

}  // namespace
}  // namespace vaporis::gas
