#include "engine/gas/gas_state.h"

#include <array>
#include <limits>

#include <gtest/gtest.h>

#include "engine/common/not_set.h"
#include "engine/gas/condensation.h"
#include "engine/gas/mixture.h"
#include "test_analyses.h"

namespace vaporis::gas {
namespace {

using test::air;
using test::byVolume;
using test::humidAir;

TEST(GasState, AirAt1BarAnd400DegreesMatchesTabulatedAir) {
    const GasAnalysis dryAir = air();
    GasState state(dryAir, 1.0, 400.0);
    state.calculate();
    ASSERT_EQ(state.status(), kOk);
    // Air at 673 K and 1 atm, Incropera Table A.4, with the tolerance of the correlations;
    // density from the ideal gas law.
    struct Case {
        int k;
        double value;
        double tolerance;
    };
    for (const auto& [k, value, tolerance] : std::to_array<Case>({
             {kDensity, 1e5 / (287.05 * 673.15), 1e-3},
             {kNormalDensity, 1.293, 1e-12},
             {kCp, 1.068, 0.005},
             {kKappa, 1.368, 0.005},
             {kPrandtl, 0.684, 0.02},
             {kKinematicViscosity, 63.7, 2.0},
             {kDiffusivity, 93.0, 3.0},
             {kExpansion, 1.0 / 673.15, 1e-15},
             {kCompressibility, 1.0, 1e-15},
             {kDewPoint, -1.0, 0.0},
             {kMaxWaterContent, 1.0, 0.0},
             {kAirDemand, -1.0, 1e-15},
             {kUpperHeatingValue, 0.0, 0.0},
         })) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(state.property(k), value, tolerance);
    }
    EXPECT_NEAR(state.property(kCv), state.property(kCp) - 8.3145 / 28.965, 1e-12);
    EXPECT_NEAR(state.property(kDensity) * state.property(kVolume), 1.0, 1e-15);
    // Mean cp between 0 and 400 °C lies between cp at the two ends.
    int status = -1;
    EXPECT_GT(state.property(kCpm), mixtureCp(dryAir, 0.0, status));
    EXPECT_LT(state.property(kCpm), state.property(kCp));
    EXPECT_EQ(state.enthalpy(), state.property(kEnthalpy));
}

TEST(GasState, MeanHeatCapacityAtZeroDegreesIsCp) {
    const GasAnalysis dryAir = air();
    GasState state(dryAir, 1.0, 0.0);
    state.calculate();
    EXPECT_EQ(state.property(kCpm), state.property(kCp));
}

TEST(GasState, GivenEnthalpyYieldsTheTemperature) {
    const GasAnalysis dryAir = air();
    int status = -1;
    const double h = mixtureEnthalpy(dryAir, 250.0, status);
    GasState state(dryAir, 1.0, 400.0);
    state.reset();
    state.setPressure(1.0);
    state.setEnthalpy(h);
    state.calculate();
    EXPECT_EQ(state.status(), kOk);
    EXPECT_NEAR(state.temperature(), 250.0, 1e-5);
    EXPECT_EQ(state.property(kEnthalpy), h);
}

TEST(GasState, StatusNamesWhyNothingWasComputed) {
    const GasAnalysis dryAir = air();
    const GasAnalysis propane = byVolume({{kPropane, 100.0}});
    const GasAnalysis empty;
    struct Case {
        const char* what;
        GasState state;
        int status;
    };
    GasState noTemperature(dryAir, 1.0, 20.0);
    noTemperature.reset();
    noTemperature.setPressure(1.0);
    GasState noPressure(dryAir, 1.0, 20.0);
    noPressure.reset();
    noPressure.setTemperature(20.0);
    GasState lowEnthalpy(dryAir, 1.0, 20.0);
    lowEnthalpy.reset();
    lowEnthalpy.setPressure(1.0);
    lowEnthalpy.setEnthalpy(-50.0);
    for (auto& [what, state, status] : std::to_array<Case>({
             {"no analysis", GasState(), kStateIncomplete},
             {"empty analysis", GasState(empty, 1.0, 20.0), kStateIncomplete},
             {"no temperature or enthalpy", noTemperature, kStateIncomplete},
             {"no pressure", noPressure, kStateIncomplete},
             {"negative pressure", GasState(dryAir, -1.0, 20.0), kNegativePressure},
             {"propane too hot", GasState(propane, 1.0, 1600.0), kOutsideAnalysisRange},
             {"enthalpy below 0 °C", lowEnthalpy, kOutOfRange},
             {"NaN temperature", GasState(dryAir, 1.0, std::numeric_limits<double>::quiet_NaN()),
              kNonFiniteInput},
         })) {
        SCOPED_TRACE(what);
        state.calculate();
        EXPECT_EQ(state.status(), status);
        EXPECT_EQ(state.property(kEnthalpy), -1.0);
    }
}

TEST(GasState, HeliumAbove2044KKeepsItsTransportPropertiesUnset) {
    const GasAnalysis analysis = byVolume({{kNitrogen, 90.0}, {kHelium, 10.0}});
    GasState state(analysis, 1.0, 1800.0);
    state.calculate();
    EXPECT_EQ(state.status(), kHeliumAbove2044K);
    EXPECT_GT(state.property(kCp), 0.0);
    for (const int k : {kViscosity, kKinematicViscosity, kConductivity, kDiffusivity, kPrandtl}) {
        EXPECT_EQ(state.property(k), -1.0);
    }
    // Reached through the enthalpy the same limit holds.
    GasState byEnthalpy(analysis, 1.0, 1800.0);
    byEnthalpy.reset();
    byEnthalpy.setPressure(1.0);
    byEnthalpy.setEnthalpy(state.property(kEnthalpy));
    byEnthalpy.calculate();
    EXPECT_EQ(byEnthalpy.status(), kHeliumAbove2044K);
    EXPECT_EQ(byEnthalpy.property(kViscosity), -1.0);
}

TEST(GasState, HumidGasBelowItsDewPointShowsTheSaturationContent) {
    const GasAnalysis analysis = humidAir();
    GasState state(analysis, 1.0, 30.0);
    state.calculate();
    EXPECT_EQ(state.status(), kOk);
    EXPECT_NEAR(state.property(kDewPoint), 50.0, 0.01);
    // 4.2470 kPa: saturation pressure at 30 °C (IAPWS).
    EXPECT_NEAR(state.property(kMaxWaterContent), 0.042470, 1e-5);
}

TEST(GasState, EnthalpyBelowTheDewPointEnthalpyIsACondensingState) {
    const GasAnalysis analysis = humidAir();
    double water = 0.0;
    double condensation = 0.0;
    int status = -1;
    const double h = enthalpyWithCondensation(analysis, 1.0, 30.0, water, condensation, status);
    GasState state(analysis, 1.0, 0.0);
    state.reset();
    state.setPressure(1.0);
    state.setEnthalpy(h);
    state.calculate();
    EXPECT_EQ(state.status(), kCondensation);
    EXPECT_NEAR(state.temperature(), 30.0, 0.05);
    EXPECT_GT(state.property(kDewPoint), state.temperature());
}

TEST(GasState, ResetKeepsTheInputsButForgetsTheResults) {
    const GasAnalysis dryAir = air();
    GasState state(dryAir, 2.0, 300.0);
    state.calculate();
    state.reset();
    EXPECT_EQ(state.status(), kNotCalculated);
    EXPECT_FALSE(state.pressureSet());
    EXPECT_FALSE(state.temperatureSet());
    EXPECT_EQ(state.pressure(), 2.0);
    EXPECT_EQ(state.temperature(), 300.0);
    EXPECT_EQ(state.property(kCp), -1.0);
    EXPECT_EQ(state.property(kGasPropertyCount), NOT_SET);
    EXPECT_EQ(state.property(-1), NOT_SET);
}

TEST(GasState, StatesSharingAnAnalysisSeeItsChanges) {
    GasAnalysis analysis = air();
    GasState state(analysis, 1.0, 400.0);
    analysis.setFromVolumePercent(std::array<double, kComponentCount>{0, 0, 0, 100.0});
    state.calculate();
    int status = -1;
    EXPECT_EQ(state.property(kCp), componentCp(400.0, kNitrogen, status));
}

}  // namespace
}  // namespace vaporis::gas
