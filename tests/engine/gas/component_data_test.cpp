#include "engine/gas/component_data.h"

#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "engine/gas/dry_air_transport.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/mixture.h"
#include "engine/gas/status_codes.h"
#include "test_analyses.h"

namespace vaporis::gas {
namespace {

using test::kNaN;

// 1000 K in °C: the temperature where the coefficient sets change.
constexpr double kSwitchC = 1000.0 - 273.15;

double molar(double specific, int index) {
    return specific * componentTable()[index].molarMass;
}

TEST(ComponentData, StandardEntropiesMatchThermochemicalTables) {
    // S° at 298.15 K [J/(mol K)], NIST-JANAF; acetylene checks the corrected cS constant.
    const auto cases = std::to_array<std::pair<int, double>>({
        {kWaterVapor, 188.834},
        {kNitrogen, 191.609},
        {kOxygen, 205.147},
        {kHydrogen, 130.680},
        {kHelium, 126.152},
        {kArgon, 154.846},
        {kCarbonMonoxide, 197.653},
        {kCarbonDioxide, 213.795},
        {kSulfurDioxide, 248.223},
        {kAmmonia, 192.774},
        {kMethane, 186.251},
        {kAcetylene, 200.958},
        {kNitrogenOxide, 210.758},
    });
    for (const auto& [index, entropy] : cases) {
        SCOPED_TRACE(componentTable()[index].name);
        int status = -1;
        EXPECT_NEAR(molar(componentEntropy(kNormalPressure, 25.0, index, status), index), entropy,
                    0.3);
        EXPECT_EQ(status, kOk);
    }
}

TEST(ComponentData, FormationEnthalpiesMatchThermochemicalTables) {
    // ΔfH° at 298.15 K [kJ/mol], NIST-JANAF.
    const auto cases = std::to_array<std::pair<int, double>>({
        {kWaterVapor, -241.826},
        {kCarbonDioxide, -393.522},
        {kCarbonMonoxide, -110.527},
        {kMethane, -74.873},
        {kNitrogenOxide, 90.291},
        {kAcetylene, 226.731},
        {kAmmonia, -45.898},
        {kSulfurDioxide, -296.842},
    });
    for (const auto& [index, formation] : cases) {
        SCOPED_TRACE(componentTable()[index].name);
        int status = -1;
        EXPECT_NEAR(molar(componentFormationEnthalpy(index, status), index) / 1000.0, formation,
                    0.5);
        EXPECT_EQ(status, kOk);
    }
}

TEST(ComponentData, ElementsHaveZeroFormationEnthalpyThoughTheirTotalEnthalpyIsNot) {
    int status = -1;
    EXPECT_EQ(componentFormationEnthalpy(kNitrogen, status), 0.0);
    EXPECT_EQ(status, kOk);
    EXPECT_NE(componentTotalEnthalpy(25.0, kNitrogen, status), 0.0);
}

TEST(ComponentData, HeatCapacitiesAt25DegreesMatchThermochemicalTables) {
    // cp at 298.15 K [J/(mol K)], NIST-JANAF.
    const auto cases = std::to_array<std::pair<int, double>>({
        {kNitrogen, 29.124},
        {kCarbonDioxide, 37.129},
        {kWaterVapor, 33.590},
        {kArgon, 20.786},
    });
    for (const auto& [index, cp] : cases) {
        SCOPED_TRACE(componentTable()[index].name);
        int status = -1;
        EXPECT_NEAR(molar(componentCp(25.0, index, status), index), cp, 0.1);
    }
}

TEST(ComponentData, SensibleEnthalpyIsZeroAtZeroDegreesForEveryComponent) {
    for (int index = 0; index < kComponentCount; ++index) {
        SCOPED_TRACE(index);
        int status = -1;
        EXPECT_NEAR(componentEnthalpy(0.0, index, status), 0.0, 1e-3);
        EXPECT_EQ(status, kOk);
    }
}

TEST(ComponentData, CoefficientSetChangesJustAbove1000K) {
    // Carbon monoxide's two sets differ visibly at 1000 K: exactly 1000 K still belongs to
    // the low set, continuous with the values just below.
    int status = -1;
    const double below = componentCp(kSwitchC - 1e-7, kCarbonMonoxide, status);
    const double at = componentCp(kSwitchC, kCarbonMonoxide, status);
    const double above = componentCp(kSwitchC + 1e-4, kCarbonMonoxide, status);
    EXPECT_NEAR(at, below, 1e-8);
    EXPECT_GT(std::abs(above - at), 5e-4);
    const double sAt = componentEntropy(1.0, kSwitchC, kCarbonMonoxide, status);
    const double sAbove = componentEntropy(1.0, kSwitchC + 1e-4, kCarbonMonoxide, status);
    EXPECT_GT(std::abs(sAbove - sAt), 1e-2);
}

TEST(ComponentData, AcetyleneEntropyIsContinuousAt1000K) {
    int status = -1;
    const double low = componentEntropy(1.0, kSwitchC, kAcetylene, status);
    const double high = componentEntropy(1.0, kSwitchC + 1e-9, kAcetylene, status);
    EXPECT_NEAR(high, low, 1e-5);
}

TEST(ComponentData, TemperatureLimitsAreInclusiveAndReportedAsOutOfRange) {
    struct Case {
        double t;
        int index;
        int status;
    };
    for (const auto& [t, index, expected] : std::to_array<Case>({
             {1500.0, kPropane, kOk},
             {1500.01, kPropane, kOutOfRange},
             {2000.0, kAcetylene, kOk},
             {2000.01, kEthylene, kOutOfRange},
             {4726.85, kNitrogen, kOk},
             {4726.86, kNitrogen, kOutOfRange},
             {0.0, kMethane, kOk},
             {-0.01, kMethane, kOutOfRange},
             {25.0, kComponentCount, kNotAComponent},
             {25.0, -1, kNotAComponent},
             {kNaN, kNitrogen, kNonFiniteInput},
         })) {
        SCOPED_TRACE(testing::Message() << "t = " << t << ", index " << index);
        int cpStatus = -1;
        int hStatus = -1;
        int sStatus = -1;
        const double cp = componentCp(t, index, cpStatus);
        const double h = componentEnthalpy(t, index, hStatus);
        const double s = componentEntropy(1.0, t, index, sStatus);
        EXPECT_EQ(cpStatus, expected);
        EXPECT_EQ(hStatus, expected);
        EXPECT_EQ(sStatus, expected);
        if (expected != kOk) {
            EXPECT_EQ(cp, -1.0);
            EXPECT_EQ(h, -1.0);
            EXPECT_EQ(s, -1.0);
        }
    }
}

TEST(ComponentData, HeliumCollisionIntegralIsOneAbove2044K) {
    int status = -1;
    EXPECT_EQ(collisionIntegral(2044.5, kHelium, status), 1.0);
    EXPECT_EQ(status, kOutOfRange);
    EXPECT_LT(collisionIntegral(2044.0, kHelium, status), 1.0);
    EXPECT_EQ(status, kOk);
    // The viscosity above the limit is the Chapman-Enskog value with the integral held at 1.
    const double tK = 2100.0;
    const double expected = 1e-6 * 2.6695 * std::sqrt(4.0026 * tK) / (2.576 * 2.576);
    EXPECT_NEAR(componentViscosity(tK - 273.15, kHelium, status), expected, 1e-15);
    EXPECT_EQ(status, kOk);
}

TEST(ComponentData, DryAirTransportIsThatOfTheFiveComponentAirMixture) {
    GasAnalysis air;
    air.setFromMassPercent(dryAirMassFractions());
    for (const double t : {0.0, 400.0, 1500.0}) {
        SCOPED_TRACE(t);
        int status = -1;
        int mixtureStatus = -1;
        EXPECT_EQ(transportViscosity(t, kDryAir, status), mixtureViscosity(air, t, mixtureStatus));
        EXPECT_EQ(transportConductivity(t, kDryAir, status),
                  mixtureConductivity(air, t, mixtureStatus));
        EXPECT_EQ(status, kOk);
    }
}

TEST(ComponentData, AirTransportPropertiesAgreeWithTabulatedAir) {
    // Air at 1 atm, interpolated in Incropera's Table A.4: t [°C], eta [1e-6 Pa s],
    // lambda [W/(m K)]; the kinetic-theory correlations stay within a few per cent.
    for (const auto& [t, eta, lambda] :
         {std::array{0.0, 17.1, 0.0244}, std::array{400.0, 33.0, 0.0510}}) {
        SCOPED_TRACE(t);
        int status = -1;
        EXPECT_NEAR(transportViscosity(t, kDryAir, status) * 1e6, eta, 0.03 * eta);
        EXPECT_NEAR(transportConductivity(t, kDryAir, status), lambda, 0.04 * lambda);
    }
}

TEST(ComponentData, VolumeAtNormalConditionsIsTheInverseNormalDensity) {
    int status = -1;
    EXPECT_NEAR(componentVolume(kNormalPressure, 0.0, kCarbonDioxide, status), 1.0 / 1.977, 1e-12);
    EXPECT_EQ(status, kOk);
    for (const double p : {0.0, -1.0}) {
        EXPECT_EQ(componentVolume(p, 0.0, kCarbonDioxide, status), -1.0);
        EXPECT_EQ(status, kOutOfRange);
    }
}

TEST(ComponentData, ReportLabelsArePaddedToTheirColumns) {
    EXPECT_EQ(paddedComponentName(kButane), "n-Butan           ");
    EXPECT_EQ(paddedComponentFormula(kButane), "C4H10");
    EXPECT_EQ(paddedComponentFormula(kWaterVapor), "H2O ");
    EXPECT_EQ(paddedComponentFormula(kDryAir), "    ");
    EXPECT_EQ(paddedComponentName(kComponentCount), "");
}

}  // namespace
}  // namespace vaporis::gas
