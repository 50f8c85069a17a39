#include <array>

#include <gtest/gtest.h>

#include "engine/gas/mixture.h"
#include "engine/gas/status_codes.h"
#include "test_analyses.h"

namespace vaporis::gas {
namespace {

using test::air;
using test::byVolume;
using test::flueGas;
using test::humidAir;
using test::kNaN;

TEST(GasInverse, TemperatureFromEnthalpyRoundTripsADryGas) {
    for (const GasAnalysis& analysis : {byVolume({{kDryAir, 100.0}}), flueGas()}) {
        for (const double t : {60.0, 500.0, 1500.0}) {
            SCOPED_TRACE(t);
            int status = -1;
            const double h = mixtureEnthalpy(analysis, t, status);
            double water = -7.0;
            double condensation = -7.0;
            EXPECT_NEAR(temperatureFromEnthalpy(analysis, 1.0, h, water, condensation, status), t,
                        1e-5);
            EXPECT_EQ(status, kOk);
            EXPECT_EQ(water, -7.0);
            EXPECT_EQ(condensation, -7.0);
        }
    }
}

TEST(GasInverse, TemperatureFromEntropyRoundTripsADryGas) {
    // Above the flue gas's dew point at 2 bar, 64 °C.
    const GasAnalysis analysis = flueGas();
    for (const double t : {70.0, 500.0, 1500.0}) {
        SCOPED_TRACE(t);
        int status = -1;
        const double s = mixtureEntropy(analysis, 2.0, t, status);
        double water = 0.0;
        double condensation = 0.0;
        EXPECT_NEAR(temperatureFromEntropy(analysis, 2.0, s, water, condensation, status), t, 1e-5);
        EXPECT_EQ(status, kOk);
    }
}

TEST(GasCondensation, HumidAirCooledBelowItsDewPointReleasesLatentHeat) {
    const GasAnalysis analysis = humidAir();
    const GasAnalysis before = analysis;
    double water = -7.0;
    double condensation = -7.0;
    int status = -1;
    const double h = enthalpyWithCondensation(analysis, 1.0, 30.0, water, condensation, status);
    EXPECT_EQ(status, kCondensation);
    EXPECT_EQ(analysis, before);
    // The gas leaves saturated at 30 °C: 4.2470 kPa of vapour (IAPWS).
    GasAnalysis saturated = humidAir();
    saturated.setComponentVolumeFraction(kWaterVapor, 0.042470);
    EXPECT_NEAR(water, saturated.massFraction(kWaterVapor), 1e-5);
    // Latent heat of 2382 to 2430 kJ/kg between 50 and 30 °C, and the condensate cooling.
    const double condensed = analysis.massFraction(kWaterVapor) - water;
    EXPECT_GT(condensation / condensed, 2380.0);
    EXPECT_LT(condensation / condensed, 2480.0);
    // Below the enthalpy the gas would have as supercooled vapour by about that heat.
    int dryStatus = -1;
    EXPECT_NEAR(mixtureEnthalpy(analysis, 30.0, dryStatus) - h, condensation, 0.05 * condensation);
}

TEST(GasCondensation, TemperatureFromEnthalpyFindsTheCondensingState) {
    const GasAnalysis analysis = humidAir();
    double water = 0.0;
    double condensation = 0.0;
    int status = -1;
    const double h = enthalpyWithCondensation(analysis, 1.0, 30.0, water, condensation, status);
    double waterBack = 0.0;
    double condensationBack = 0.0;
    const double t = temperatureFromEnthalpy(analysis, 1.0, h, waterBack, condensationBack, status);
    EXPECT_EQ(status, kCondensation);
    EXPECT_NEAR(t, 30.0, 0.05);
    EXPECT_NEAR(waterBack, water, 1e-4);
    EXPECT_NEAR(condensationBack, condensation, 0.01 * condensation);
}

TEST(GasCondensation, TemperatureFromEntropyFindsTheCondensingState) {
    const GasAnalysis analysis = humidAir();
    double water = 0.0;
    double condensation = 0.0;
    int status = -1;
    const double s = entropyWithCondensation(analysis, 1.0, 30.0, water, condensation, status);
    EXPECT_EQ(status, kCondensation);
    EXPECT_GT(condensation, 0.0);
    const double t = temperatureFromEntropy(analysis, 1.0, s, water, condensation, status);
    EXPECT_EQ(status, kCondensation);
    // The march stops within 0.001 kJ/(kg K), about 0.05 K here, and steps differently
    // from the forward function.
    EXPECT_NEAR(t, 30.0, 0.1);
}

TEST(GasCondensation, AboveTheDewPointTheGasIsDry) {
    const GasAnalysis analysis = humidAir();
    double water = -7.0;
    double condensation = -7.0;
    int status = -1;
    int dryStatus = -1;
    EXPECT_EQ(enthalpyWithCondensation(analysis, 1.0, 60.0, water, condensation, status),
              mixtureEnthalpy(analysis, 60.0, dryStatus));
    EXPECT_EQ(status, kOk);
    EXPECT_EQ(water, -7.0);
    EXPECT_EQ(condensation, -7.0);
}

TEST(GasInverse, ValuesOutsideTheAttainableRangeAreRefused) {
    const GasAnalysis analysis = humidAir();
    double water = 0.0;
    double condensation = 0.0;
    int status = -1;
    const double lowest = enthalpyWithCondensation(analysis, 1.0, 0.0, water, condensation, status);
    EXPECT_EQ(temperatureFromEnthalpy(analysis, 1.0, lowest - 1.0, water, condensation, status),
              -1.0);
    EXPECT_EQ(status, kOutOfRange);
    EXPECT_EQ(temperatureFromEnthalpy(analysis, 1.0, 1e6, water, condensation, status), -1.0);
    EXPECT_EQ(status, kOutOfRange);
    EXPECT_EQ(temperatureFromEntropy(analysis, 1.0, -100.0, water, condensation, status), -1.0);
    EXPECT_EQ(status, kEntropyOutOfRange);
    EXPECT_EQ(temperatureFromEnthalpy(GasAnalysis(), 1.0, 0.0, water, condensation, status), -1.0);
    EXPECT_EQ(status, kOutOfRange);
}

TEST(GasInverse, NonFiniteInputIsRefusedPromptly) {
    const GasAnalysis analysis = humidAir();
    double water = 0.0;
    double condensation = 0.0;
    using Function = double (*)(const GasAnalysis&, double, double, double&, double&, int&);
    for (const Function f :
         std::to_array<Function>({enthalpyWithCondensation, entropyWithCondensation,
                                  temperatureFromEnthalpy, temperatureFromEntropy})) {
        for (const auto& [p, x] : {std::pair{kNaN, 30.0}, std::pair{1.0, kNaN}}) {
            int status = kOk;
            EXPECT_EQ(f(analysis, p, x, water, condensation, status), -1.0);
            EXPECT_EQ(status, kNonFiniteInput);
        }
    }
}

TEST(GasCondensation, PureSteamBelowItsBoilingPointIsOutOfRange) {
    const GasAnalysis steam = byVolume({{kWaterVapor, 100.0}});
    double water = 0.0;
    double condensation = 0.0;
    int status = -1;
    EXPECT_EQ(enthalpyWithCondensation(steam, 1.0, 50.0, water, condensation, status), -1.0);
    EXPECT_EQ(status, kOutOfRange);
    EXPECT_EQ(temperatureFromEnthalpy(steam, 1.0, 100.0, water, condensation, status), -1.0);
    EXPECT_EQ(status, kOutOfRange);
    // Above its boiling point steam is an ordinary gas.
    const double h = mixtureEnthalpy(steam, 150.0, status);
    EXPECT_NEAR(temperatureFromEnthalpy(steam, 1.0, h, water, condensation, status), 150.0, 1e-5);
    EXPECT_EQ(status, kOk);
}

}  // namespace
}  // namespace vaporis::gas
