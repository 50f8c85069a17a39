#include "engine/gas/mixture.h"

#include <array>

#include <gtest/gtest.h>

#include "engine/gas/dry_air_transport.h"
#include "engine/gas/status_codes.h"
#include "test_analyses.h"

namespace vaporis::gas {
namespace {

using test::air;
using test::byMass;
using test::byVolume;
using test::humidAir;
using test::kInf;
using test::kNaN;

TEST(MixtureProperties, MassWeightedSumsOfTheComponents) {
    const GasAnalysis analysis = byMass({{kNitrogen, 70.0}, {kCarbonDioxide, 30.0}});
    for (const double t : {0.0, 400.0, 1200.0}) {
        SCOPED_TRACE(t);
        int status = -1;
        int s = -1;
        EXPECT_NEAR(mixtureCp(analysis, t, status),
                    0.7 * componentCp(t, kNitrogen, s) + 0.3 * componentCp(t, kCarbonDioxide, s),
                    1e-12);
        EXPECT_EQ(status, kOk);
        // No mixing term: every component is taken at the total pressure.
        EXPECT_NEAR(mixtureEntropy(analysis, 2.0, t, status),
                    0.7 * componentEntropy(2.0, t, kNitrogen, s) +
                        0.3 * componentEntropy(2.0, t, kCarbonDioxide, s),
                    1e-12);
    }
}

TEST(MixtureProperties, AirAgreesWithIdealGasReferenceValues) {
    const GasAnalysis analysis = air();
    int status = -1;
    // Speed of sound in dry air at 0 °C: 331.3 m/s.
    EXPECT_NEAR(mixtureSonicVelocity(analysis, 0.0, status), 331.3, 0.5);
    // Ideal gas law with R = 287.05 J/(kg K) at 1 bar, 400 °C; the normal density carries
    // air's real-gas factor at 0 °C, a few 1e-4.
    EXPECT_NEAR(mixtureVolume(analysis, 1.0, 400.0, status), 287.05 * 673.15 / 1e5, 2e-3);
    // cp of air at 400 °C: 1.068 kJ/(kg K) (Incropera, Table A.4).
    EXPECT_NEAR(mixtureCp(analysis, 400.0, status), 1.068, 0.005);
}

TEST(MixtureProperties, ArgonIsAMonatomicGas) {
    int status = -1;
    EXPECT_NEAR(mixtureKappa(byVolume({{kArgon, 100.0}}), 300.0, status), 5.0 / 3.0, 2e-3);
    EXPECT_EQ(status, kOk);
}

TEST(MixtureProperties, RangeTestedFunctionsRefuseTemperaturesOutsideTheAnalysis) {
    const GasAnalysis fuel = byVolume({{kMethane, 90.0}, {kPropane, 10.0}});
    for (const double t : {-0.01, 1500.01}) {
        SCOPED_TRACE(t);
        int status = -1;
        EXPECT_EQ(mixtureCp(fuel, t, status), -1.0);
        EXPECT_EQ(status, kOutOfRange);
        EXPECT_EQ(mixtureEnthalpy(fuel, t, status), -1.0);
        EXPECT_EQ(status, kOutOfRange);
        EXPECT_EQ(mixtureTotalEnthalpy(fuel, t, status), -1.0);
        EXPECT_EQ(mixtureEntropy(fuel, 1.0, t, status), -1.0);
        EXPECT_EQ(mixtureKappa(fuel, t, status), -1.0);
        EXPECT_EQ(mixtureSonicVelocity(fuel, t, status), -1.0);
        EXPECT_EQ(status, kOutOfRange);
    }
}

TEST(MixtureProperties, NonFiniteInputIsRefusedPromptly) {
    const GasAnalysis analysis = air();
    for (const double bad : {kNaN, kInf, -kInf}) {
        SCOPED_TRACE(bad);
        for (const auto& compute : std::to_array<double (*)(const GasAnalysis&, double, int&)>(
                 {mixtureCp, mixtureEnthalpy, mixtureTotalEnthalpy, mixtureKappa,
                  mixtureSonicVelocity, mixtureViscosity, mixtureConductivity})) {
            int status = kOk;
            EXPECT_EQ(compute(analysis, bad, status), -1.0);
            EXPECT_NE(status, kOk);
        }
        int status = kOk;
        EXPECT_EQ(mixtureEntropy(analysis, bad, 20.0, status), -1.0);
        EXPECT_NE(status, kOk);
        EXPECT_EQ(mixtureVolume(analysis, 1.0, bad, status), -1.0);
        EXPECT_NE(status, kOk);
        EXPECT_EQ(dewPoint(humidAir(), bad), -1.0);
        EXPECT_EQ(checkGasState(analysis, bad, 20.0), kNonFiniteInput);
    }
}

TEST(MixtureProperties, DewPointOfHumidAirIsTheSaturationTemperatureOfItsVapour) {
    EXPECT_NEAR(dewPoint(humidAir(), 1.0), 50.0, 0.01);
    EXPECT_NEAR(waterPartialPressure(humidAir(), 2.0), 2.0 * 0.12352, 1e-12);
    EXPECT_EQ(dewPoint(air(), 1.0), -1.0);
    // Partial pressure below the triple point: no dew point.
    EXPECT_EQ(dewPoint(humidAir(), 0.04), -1.0);
}

TEST(MixtureProperties, HydrogenConductivityRule) {
    int status = -1;
    int s = -1;
    const double lambdaH2 = componentConductivity(20.0, kHydrogen, s);
    EXPECT_EQ(mixtureConductivity(byVolume({{kHydrogen, 100.0}}), 20.0, status), lambdaH2);
    EXPECT_EQ(status, kOk);
    // A trace of hydrogen joins the hydrogen-free rule without a step.
    const double noHydrogen = mixtureConductivity(byMass({{kNitrogen, 100.0}}), 20.0, status);
    const double trace =
        mixtureConductivity(byMass({{kNitrogen, 100.0}, {kHydrogen, 1e-9}}), 20.0, status);
    EXPECT_NEAR(trace, noHydrogen, 1e-9);
    // Half hydrogen by mass (93 mol %) conducts far better than the mass average and less
    // than hydrogen itself.
    const double lambdaN2 = componentConductivity(20.0, kNitrogen, s);
    const double half =
        mixtureConductivity(byMass({{kNitrogen, 50.0}, {kHydrogen, 50.0}}), 20.0, status);
    EXPECT_GT(half, (lambdaH2 + lambdaN2) / 2.0 + 0.02);
    EXPECT_LT(half, lambdaH2);
}

TEST(MixtureProperties, HumidGasConductsBetterThanItsMassAverage) {
    int status = -1;
    const GasAnalysis humid = humidAir();
    int s = -1;
    const double average = humid.massFraction(kWaterVapor) * componentConductivity(60.0, 0, s) +
                           humid.massFraction(kDryAir) * transportConductivity(60.0, kDryAir, s);
    EXPECT_GT(mixtureConductivity(humid, 60.0, status), average);
}

TEST(MixtureProperties, CombustionDataOfMethane) {
    const GasAnalysis methane = byVolume({{kMethane, 100.0}});
    EXPECT_EQ(oxygenDemand(methane), 2.0);
    EXPECT_EQ(upperHeatingValue(methane), 39.861);
    EXPECT_EQ(lowerHeatingValue(methane), 35.935);
    // Dry air supplies its own oxygen.
    EXPECT_EQ(oxygenDemand(air()), -0.20948);
}

TEST(MixtureProperties, CheckGasStateNamesTheFirstProblem) {
    const GasAnalysis helium = byVolume({{kNitrogen, 90.0}, {kHelium, 10.0}});
    struct Case {
        double p;
        double t;
        int status;
    };
    for (const auto& [p, t, expected] : std::to_array<Case>({
             {1.0, 1770.0, kOk},
             {1.0, 1771.0, kHeliumAbove2044K},
             {-1.0, 20.0, kNegativePressure},
             {0.0, 20.0, kNegativePressure},
             {1.0, -0.5, kOutsideAnalysisRange},
             {1.0, 4727.0, kOutsideAnalysisRange},
         })) {
        SCOPED_TRACE(testing::Message() << "p = " << p << ", t = " << t);
        EXPECT_EQ(checkGasState(helium, p, t), expected);
    }
    EXPECT_EQ(checkGasState(air(), 1.0, 1771.0), kOk);
}

}  // namespace
}  // namespace vaporis::gas
