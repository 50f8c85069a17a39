#include "engine/gas/gas_state.h"

#include <tuple>

#include <gtest/gtest.h>

#include "engine/gas/condensation.h"
#include "engine/gas/mixture.h"
#include "test_analyses.h"

namespace vaporis::gas {
namespace {

using test::air;
using test::byVolume;
using test::humidAir;

GasState byEnthalpy(const GasAnalysis& analysis, double p, double h) {
    GasState state(analysis, p, 0.0);
    state.reset();
    state.setPressure(p);
    state.setEnthalpy(h);
    state.calculate();
    return state;
}

TEST(GasState, AirAt1BarAnd400DegreesMatchesTabulatedAir) {
    const GasAnalysis dryAir = air();
    GasState state(dryAir, 1.0, 400.0);
    state.calculate();
    ASSERT_EQ(state.status(), kOk);
    // Air at 673 K and 1 atm, Incropera Table A.4, with the tolerance of the correlations;
    // density from the ideal gas law.
    EXPECT_NEAR(state.property(kDensity), 1e5 / (287.05 * 673.15), 1e-3);
    EXPECT_NEAR(state.property(kPrandtl), 0.684, 0.02);
    EXPECT_NEAR(state.property(kKinematicViscosity), 63.7, 2.0);
    EXPECT_EQ(state.property(kMaxWaterContent), 1.0);
    // The mean cp between 0 °C and t is cp itself at 0 °C.
    GasState atZero(dryAir, 1.0, 0.0);
    atZero.calculate();
    EXPECT_EQ(atZero.property(kCpm), atZero.property(kCp));
}

TEST(GasState, GivenEnthalpyYieldsTheTemperature) {
    const GasAnalysis dryAir = air();
    int status = -1;
    const double h = mixtureEnthalpy(dryAir, 250.0, status);
    const GasState state = byEnthalpy(dryAir, 1.0, h);
    EXPECT_EQ(state.status(), kOk);
    EXPECT_NEAR(state.temperature(), 250.0, 1e-5);
    EXPECT_EQ(state.property(kEnthalpy), h);
    // Below the dew point's enthalpy the temperature is that of gas plus condensate.
    const GasAnalysis humid = humidAir();
    double water = 0.0;
    double condensation = 0.0;
    const double hWet = enthalpyWithCondensation(humid, 1.0, 30.0, water, condensation, status);
    const GasState wet = byEnthalpy(humid, 1.0, hWet);
    EXPECT_EQ(wet.status(), kCondensation);
    EXPECT_NEAR(wet.temperature(), 30.0, 1e-5);
    // 4.2470 kPa: saturation pressure at 30 °C (IAPWS).
    EXPECT_NEAR(wet.property(kMaxWaterContent), 0.042470, 1e-5);
}

TEST(GasState, StatusNamesWhyNothingWasComputed) {
    const GasAnalysis dryAir = air();
    const GasAnalysis empty;
    for (auto [what, state, status] : {
             std::tuple{"no analysis", GasState(), kStateIncomplete},
             std::tuple{"empty analysis", GasState(empty, 1.0, 20.0), kStateIncomplete},
             std::tuple{"negative pressure", GasState(dryAir, -1.0, 20.0), kNegativePressure},
         }) {
        SCOPED_TRACE(what);
        state.calculate();
        EXPECT_EQ(state.status(), status);
        EXPECT_EQ(state.property(kEnthalpy), -1.0);
    }
    EXPECT_EQ(byEnthalpy(dryAir, 1.0, -50.0).status(), kOutOfRange);
}

TEST(GasState, HeliumAbove2044KKeepsItsTransportPropertiesUnset) {
    // Also when the temperature comes from the enthalpy.
    const GasAnalysis analysis = byVolume({{kNitrogen, 90.0}, {kHelium, 10.0}});
    int status = -1;
    const GasState state = byEnthalpy(analysis, 1.0, mixtureEnthalpy(analysis, 1800.0, status));
    EXPECT_EQ(state.status(), kHeliumAbove2044K);
    for (const int k : {kViscosity, kKinematicViscosity, kConductivity, kDiffusivity, kPrandtl}) {
        EXPECT_EQ(state.property(k), -1.0);
    }
}

}  // namespace
}  // namespace vaporis::gas
