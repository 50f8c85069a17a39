#include "engine/gas/condensation.h"

#include <array>
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gas/mixture.h"
#include "engine/gas/status_codes.h"
#include "test_analyses.h"

namespace vaporis::gas {
namespace {

using test::byVolume;
using test::flueGas;
using test::humidAir;
using test::kNaN;

struct Isobar {
    GasAnalysis analysis;
    double p;
};

// Humid air, a flue gas with 15 vol % H2O, a humid gas rich in hydrogen and helium.
std::vector<Isobar> condensingGases() {
    return {{humidAir(), 1.0},
            {byVolume({{kNitrogen, 71.0},
                       {kCarbonDioxide, 10.0},
                       {kWaterVapor, 15.0},
                       {kOxygen, 3.0},
                       {kArgon, 1.0}}),
             1.0},
            {byVolume({{kWaterVapor, 32.0}, {kHydrogen, 29.0}, {kHelium, 29.0}, {kAmmonia, 10.0}}),
             8.76}};
}

struct Values {
    double h;
    double s;
};

Values condensing(const Isobar& gas, double t) {
    double water = 0.0;
    double condensation = 0.0;
    int status = -1;
    const double h = enthalpyWithCondensation(gas.analysis, gas.p, t, water, condensation, status);
    EXPECT_EQ(status, kCondensation);
    const double s = entropyWithCondensation(gas.analysis, gas.p, t, water, condensation, status);
    EXPECT_EQ(status, kCondensation);
    return {h, s};
}

TEST(GasCondensation, CoolingHumidAirMatchesAPsychrometricBalance) {
    // Per kg of dry air (ASHRAE): h = 1.006 t + W (2501 + 1.86 t), W = 0.621945 pw / (p - pw),
    // the condensate leaving as water at 40 °C (167.5 kJ/kg). Vapour pressures 12.352 kPa at
    // 50 °C and 7.3849 kPa at 40 °C, evaporation enthalpy 2406.0 kJ/kg at 40 °C (IAPWS).
    const auto humidity = [](double pw) { return 0.621945 * pw / (1.0 - pw); };
    const auto moistAir = [](double t, double w) { return 1.006 * t + w * (2501.0 + 1.86 * t); };
    const double w50 = humidity(0.12352);
    const double w40 = humidity(0.073849);
    const double perDryAir = moistAir(50.0, w50) - moistAir(40.0, w40) - (w50 - w40) * 167.5;
    const GasAnalysis analysis = humidAir();
    double water = 0.0;
    double condensation = 0.0;
    int status = -1;
    const double h40 = enthalpyWithCondensation(analysis, 1.0, 40.0, water, condensation, status);
    EXPECT_NEAR(mixtureEnthalpy(analysis, 50.0, status) - h40, perDryAir / (1.0 + w50),
                0.005 * perDryAir / (1.0 + w50));
    // The gas phase leaves saturated (the analysis converts through normal densities, 4e-4
    // off the molar masses); the condensate gives up its evaporation enthalpy.
    EXPECT_NEAR(water, w40 / (1.0 + w40), 1e-3 * water);
    EXPECT_NEAR(condensation, (w50 - w40) / (1.0 + w50) * 2406.0, 1e-3 * condensation);
    EXPECT_NEAR(mixtureEnthalpy(analysis, 40.0, status) - h40, condensation, 1e-9);
}

TEST(GasCondensation, ContinuousAtTheDewPointWithTdsEqualToDhBelowIt) {
    for (const Isobar& gas : condensingGases()) {
        SCOPED_TRACE(gas.p);
        const double td = dewPoint(gas.analysis, gas.p);
        Values upper = condensing(gas, std::nextafter(td, 0.0));
        int status = -1;
        EXPECT_NEAR(upper.h, mixtureEnthalpy(gas.analysis, td, status), 1e-9);
        EXPECT_NEAR(upper.s, mixtureEntropy(gas.analysis, gas.p, td, status), 1e-9);
        for (double t = td - 0.5; t >= 1.0; t -= 0.5) {
            SCOPED_TRACE(t);
            const Values lower = condensing(gas, t);
            ASSERT_GT(upper.s, lower.s);
            const double tMidK = t + 0.25 + 273.15;
            EXPECT_NEAR(tMidK * (upper.s - lower.s) / (upper.h - lower.h), 1.0, 5e-3);
            upper = lower;
        }
    }
}

void expectRoundTrips(const GasAnalysis& analysis, double p, double t) {
    double water = 0.0;
    double condensation = 0.0;
    int status = -1;
    const double h = enthalpyWithCondensation(analysis, p, t, water, condensation, status);
    const double s = entropyWithCondensation(analysis, p, t, water, condensation, status);
    EXPECT_NEAR(temperatureFromEnthalpy(analysis, p, h, water, condensation, status), t, 1e-5);
    EXPECT_EQ(status, kCondensation);
    EXPECT_NEAR(temperatureFromEntropy(analysis, p, s, water, condensation, status), t, 1e-5);
    EXPECT_EQ(status, kCondensation);
}

TEST(GasInverse, CondensingStatesRoundTrip) {
    // States whose entropy once ran backwards or was refused, then random humid gases.
    expectRoundTrips(condensingGases()[2].analysis, 8.76, 26.36);
    expectRoundTrips(byVolume({{kWaterVapor, 54.0}, {kHydrogen, 46.0}}), 47.0, 150.0);
    std::mt19937 random(20261206);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    constexpr auto kDryGases = std::to_array<int>(
        {kDryAir, kNitrogen, kCarbonDioxide, kOxygen, kArgon, kHydrogen, kHelium, kMethane});
    int tested = 0;
    for (int n = 0; n < 1000 && tested < 200; ++n) {
        test::Percentages values{};
        values[kWaterVapor] = 2.0 + 68.0 * unit(random);
        for (const int i : kDryGases) {
            values[static_cast<std::size_t>(i)] = unit(random) < 0.5 ? 0.0 : 100.0 * unit(random);
        }
        values[kNitrogen] += 1.0;
        GasAnalysis analysis;
        analysis.setFromVolumePercent(values);
        const double p = 0.2 + 40.0 * unit(random);
        const double t = unit(random) * dewPoint(analysis, p);
        if (t > 0.0) {
            SCOPED_TRACE(testing::Message() << "gas " << n << ", p = " << p << ", t = " << t);
            expectRoundTrips(analysis, p, t);
            ++tested;
        }
    }
    EXPECT_EQ(tested, 200);
}

TEST(GasInverse, AboveTheDewPointTheMixtureFunctionsRoundTrip) {
    // Humid air and the flue gas above their dew points (about 65 °C at 2 bar).
    for (const GasAnalysis& analysis : {humidAir(), flueGas()}) {
        for (const double t : {70.0, 1500.0}) {
            SCOPED_TRACE(t);
            int status = -1;
            const double h = mixtureEnthalpy(analysis, t, status);
            const double s = mixtureEntropy(analysis, 2.0, t, status);
            double water = -7.0;
            double condensation = -7.0;
            EXPECT_EQ(enthalpyWithCondensation(analysis, 2.0, t, water, condensation, status), h);
            EXPECT_EQ(entropyWithCondensation(analysis, 2.0, t, water, condensation, status), s);
            EXPECT_NEAR(temperatureFromEnthalpy(analysis, 2.0, h, water, condensation, status), t,
                        1e-5);
            EXPECT_NEAR(temperatureFromEntropy(analysis, 2.0, s, water, condensation, status), t,
                        1e-5);
            EXPECT_EQ(status, kOk);
            EXPECT_EQ(water, -7.0);
            EXPECT_EQ(condensation, -7.0);
        }
    }
}

TEST(GasInverse, ValuesOutsideTheAttainableRangeAndNonFiniteInputAreRefused) {
    const GasAnalysis analysis = humidAir();
    double water = 0.0;
    double condensation = 0.0;
    int status = -1;
    const double lowest = enthalpyWithCondensation(analysis, 1.0, 0.0, water, condensation, status);
    EXPECT_EQ(temperatureFromEnthalpy(analysis, 1.0, lowest - 1e-6, water, condensation, status),
              -1.0);
    EXPECT_EQ(status, kOutOfRange);
    EXPECT_NEAR(temperatureFromEnthalpy(analysis, 1.0, lowest, water, condensation, status), 0.0,
                1e-6);
    EXPECT_EQ(status, kCondensation);
    EXPECT_EQ(temperatureFromEntropy(analysis, 1.0, -100.0, water, condensation, status), -1.0);
    EXPECT_EQ(status, kEntropyOutOfRange);
    EXPECT_EQ(temperatureFromEnthalpy(analysis, 1.0, 1e6, water, condensation, status), -1.0);
    EXPECT_EQ(status, kOutOfRange);
    // An empty analysis, valid below 0 °C, has no dew point, not one at -1 °C.
    EXPECT_EQ(enthalpyWithCondensation(GasAnalysis(), 1.0, -10.0, water, condensation, status),
              0.0);
    EXPECT_EQ(status, kOk);
    // Steam alone below its boiling point is water, not a gas.
    const GasAnalysis steam = byVolume({{kWaterVapor, 100.0}});
    EXPECT_EQ(enthalpyWithCondensation(steam, 1.0, 50.0, water, condensation, status), -1.0);
    EXPECT_EQ(status, kOutOfRange);
    EXPECT_EQ(temperatureFromEnthalpy(steam, 1.0, 100.0, water, condensation, status), -1.0);
    EXPECT_EQ(status, kOutOfRange);
    using Function = double (*)(const GasAnalysis&, double, double, double&, double&, int&);
    for (const Function f : {enthalpyWithCondensation, entropyWithCondensation,
                             temperatureFromEnthalpy, temperatureFromEntropy}) {
        EXPECT_EQ(f(analysis, kNaN, 30.0, water, condensation, status), -1.0);
        EXPECT_EQ(status, kNonFiniteInput);
        EXPECT_EQ(f(analysis, 1.0, kNaN, water, condensation, status), -1.0);
        EXPECT_EQ(status, kNonFiniteInput);
    }
}

}  // namespace
}  // namespace vaporis::gas
