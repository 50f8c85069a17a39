#include "engine/gas/component_data.h"

#include <array>
#include <tuple>

#include <gtest/gtest.h>

#include "engine/common/physical_constants.h"
#include "engine/gas/dry_air_transport.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/mixture.h"
#include "engine/gas/status_codes.h"
#include "test_analyses.h"

namespace vaporis::gas {
namespace {

double molar(double specific, int index) {
    return specific * componentTable()[index].molarMass;
}

TEST(ComponentData, StandardValuesMatchThermochemicalTables) {
    // At 298.15 K, NIST-JANAF: S° [J/(mol K)], ΔfH° [kJ/mol]; acetylene checks its corrected
    // entropy constant.
    for (const auto& [index, entropy, formation] : {
             std::tuple{kWaterVapor, 188.834, -241.826},
             std::tuple{kCarbonDioxide, 213.795, -393.522},
             std::tuple{kCarbonMonoxide, 197.653, -110.527},
             std::tuple{kMethane, 186.251, -74.873},
             std::tuple{kAcetylene, 200.958, 226.731},
         }) {
        SCOPED_TRACE(componentTable()[index].name);
        int status = -1;
        EXPECT_NEAR(molar(componentEntropy(kNormalPressure, 25.0, index, status), index), entropy,
                    0.3);
        EXPECT_NEAR(molar(componentFormationEnthalpy(index, status), index) / 1000.0, formation,
                    0.5);
        EXPECT_EQ(status, kOk);
    }
}

TEST(ComponentData, SensibleEnthalpyIsZeroAtZeroDegreesForEveryComponent) {
    for (int index = 0; index < kComponentCount; ++index) {
        SCOPED_TRACE(index);
        int status = -1;
        EXPECT_NEAR(componentEnthalpy(0.0, index, status), 0.0, 1e-3);
        EXPECT_EQ(status, kOk);
    }
    // Acetylene's entropy is continuous where its coefficient sets change, at 1000 K.
    int status = -1;
    EXPECT_NEAR(componentEntropy(1.0, 1000.0 - 273.15 + 1e-9, kAcetylene, status),
                componentEntropy(1.0, 1000.0 - 273.15, kAcetylene, status), 1e-5);
}

TEST(ComponentData, BadArgumentsAreRefused) {
    int status = -1;
    EXPECT_EQ(componentCp(1500.01, kPropane, status), -1.0);
    EXPECT_EQ(status, kOutOfRange);
    EXPECT_EQ(componentEntropy(1.0, -0.01, kMethane, status), -1.0);
    EXPECT_EQ(status, kOutOfRange);
    EXPECT_EQ(componentEnthalpy(25.0, kComponentCount, status), -1.0);
    EXPECT_EQ(status, kNotAComponent);
    EXPECT_EQ(componentEntropy(1.0, test::kNaN, kNitrogen, status), -1.0);
    EXPECT_EQ(status, kNonFiniteInput);
    EXPECT_EQ(componentViscosityPaS(20.0, kDryAir, status), -1.0);
    EXPECT_EQ(status, kNotAComponent);
}

TEST(ComponentData, DryAirTransportIsThatOfTheFiveComponentAirMixture) {
    GasAnalysis air;
    air.setFromMassPercent(dryAirMassFractions());
    int status = -1;
    int mixtureStatus = -1;
    EXPECT_EQ(transportViscosityPaS(400.0, kDryAir, status),
              mixtureViscosityPaS(air, 400.0, mixtureStatus));
    EXPECT_EQ(transportConductivity(400.0, kDryAir, status),
              mixtureConductivity(air, 400.0, mixtureStatus));
    // Air at 1 atm, Incropera Table A.4: t [°C], eta [1e-6 Pa s], lambda [W/(m K)]; the
    // kinetic-theory correlations stay within a few per cent.
    for (const auto& [t, eta, lambda] :
         {std::array{0.0, 17.1, 0.0244}, std::array{400.0, 33.0, 0.0510}}) {
        SCOPED_TRACE(t);
        EXPECT_NEAR(transportViscosityPaS(t, kDryAir, status) * 1e6, eta, 0.03 * eta);
        EXPECT_NEAR(transportConductivity(t, kDryAir, status), lambda, 0.04 * lambda);
    }
}

}  // namespace
}  // namespace vaporis::gas
