#include "engine/gas/mixture.h"

#include <array>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "engine/gas/status_codes.h"
#include "test_analyses.h"

namespace vaporis::gas {
namespace {

using test::air;
using test::byVolume;
using test::humidAir;
using test::kNaN;
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(MixtureProperties, AirAgreesWithIdealGasReferenceValues) {
    const GasAnalysis analysis = air();
    int status = -1;
    // Speed of sound in dry air at 0 °C: 331.3 m/s.
    EXPECT_NEAR(mixtureSonicVelocity(analysis, 0.0, status), 331.3, 0.5);
    // Ideal gas law with R = 287.05 J/(kg K); the normal density carries a real-gas factor.
    EXPECT_NEAR(mixtureVolume(analysis, 1.0, 400.0, status), 287.05 * 673.15 / 1e5, 2e-3);
    // cp of air at 400 °C: 1.068 kJ/(kg K) (Incropera, Table A.4).
    EXPECT_NEAR(mixtureCp(analysis, 400.0, status), 1.068, 0.005);
    EXPECT_NEAR(mixtureKappa(byVolume({{kArgon, 100.0}}), 300.0, status), 5.0 / 3.0, 2e-3);
}

TEST(MixtureProperties, BadInputIsRefusedPromptly) {
    // Methane with propane is valid from 0 to 1500 °C.
    const GasAnalysis fuel = byVolume({{kMethane, 90.0}, {kPropane, 10.0}});
    using Function = double (*)(const GasAnalysis&, double, int&);
    const auto rangeTested = std::to_array<Function>(
        {mixtureCp, mixtureEnthalpy, mixtureTotalEnthalpy, mixtureKappa, mixtureSonicVelocity});
    for (const double bad : {-0.01, 1500.01, kNaN, kInf, -kInf}) {
        SCOPED_TRACE(bad);
        const bool finite = std::isfinite(bad);
        for (const Function compute : rangeTested) {
            int status = kOk;
            EXPECT_EQ(compute(fuel, bad, status), -1.0);
            EXPECT_EQ(status, finite ? kOutOfRange : kNonFiniteInput);
        }
        for (const Function compute : {mixtureViscosityPaS, mixtureConductivity}) {
            int status = kOk;
            EXPECT_EQ(compute(fuel, bad, status) == -1.0, !finite);
        }
        int status = kOk;
        EXPECT_EQ(mixtureEntropy(fuel, 1.0, bad, status), -1.0);
        EXPECT_EQ(mixtureVolume(fuel, 1.0, finite ? kNaN : bad, status), -1.0);
        EXPECT_EQ(dewPoint(humidAir(), finite ? kNaN : bad), -1.0);
        EXPECT_EQ(checkGasState(fuel, finite ? kNaN : bad, 20.0), kNonFiniteInput);
    }
}

TEST(MixtureProperties, HydrogenConductivityRule) {
    int status = -1;
    int s = -1;
    const double lambdaH2 = componentConductivity(20.0, kHydrogen, s);
    EXPECT_EQ(mixtureConductivity(byVolume({{kHydrogen, 100.0}}), 20.0, status), lambdaH2);
    // A trace of hydrogen joins the hydrogen-free rule without a step.
    const double noHydrogen = mixtureConductivity(test::byMass({{kNitrogen, 100.0}}), 20.0, status);
    const double trace =
        mixtureConductivity(test::byMass({{kNitrogen, 100.0}, {kHydrogen, 1e-9}}), 20.0, status);
    EXPECT_NEAR(trace, noHydrogen, 1e-9);
}

TEST(MixtureProperties, CheckGasStateNamesTheFirstProblem) {
    const GasAnalysis helium = byVolume({{kNitrogen, 90.0}, {kHelium, 10.0}});
    EXPECT_EQ(checkGasState(helium, 1.0, 1770.0), kOk);
    EXPECT_EQ(checkGasState(helium, 1.0, 1771.0), kHeliumAbove2044K);
    EXPECT_EQ(checkGasState(helium, 0.0, 20.0), kNegativePressure);
    EXPECT_EQ(checkGasState(helium, 1.0, -0.5), kOutsideAnalysisRange);
}

TEST(MixtureProperties, DewPointOfHumidAirIsTheSaturationTemperatureOfItsVapour) {
    EXPECT_NEAR(dewPoint(humidAir(), 1.0), 50.0, 0.01);
    EXPECT_EQ(dewPoint(air(), 1.0), -1.0);
    // Partial pressure below the triple point: no dew point.
    EXPECT_EQ(dewPoint(humidAir(), 0.04), -1.0);
}

}  // namespace
}  // namespace vaporis::gas
