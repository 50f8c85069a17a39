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
    const char* name;
    GasAnalysis analysis;
    double p;
};

// Humid air, a flue gas with 15 vol % H2O, and a hydrogen/helium-rich humid gas whose
// mixture entropy falls steeply with the water content.
std::vector<Isobar> condensingGases() {
    return {{"humid air", humidAir(), 1.0},
            {"flue gas",
             byVolume({{kNitrogen, 71.0},
                       {kCarbonDioxide, 10.0},
                       {kWaterVapor, 15.0},
                       {kOxygen, 3.0},
                       {kArgon, 1.0}}),
             1.0},
            {"H2/He gas",
             byVolume({{kWaterVapor, 32.0}, {kHydrogen, 29.0}, {kHelium, 29.0}, {kAmmonia, 10.0}}),
             8.76}};
}

struct Values {
    double h;
    double s;
};

Values condensing(const Isobar& gas, double t) {
    double water = 0.0;
    double condensation = 0.0;
    int hStatus = -1;
    int sStatus = -1;
    const double h = enthalpyWithCondensation(gas.analysis, gas.p, t, water, condensation, hStatus);
    const double s = entropyWithCondensation(gas.analysis, gas.p, t, water, condensation, sStatus);
    EXPECT_EQ(hStatus, kCondensation);
    EXPECT_EQ(sStatus, kCondensation);
    return {h, s};
}

TEST(GasCondensation, CoolingHumidAirMatchesAPsychrometricBalance) {
    // Per kg of dry air (ASHRAE): h = 1.006 t + W (2501 + 1.86 t), W = 0.621945 pw / (p - pw),
    // the condensate leaving as water at 40 °C (167.5 kJ/kg). Vapour pressures 12.352 kPa at
    // 50 °C and 7.3849 kPa at 40 °C (IAPWS).
    const auto humidity = [](double pw) { return 0.621945 * pw / (1.0 - pw); };
    const auto moistAir = [](double t, double w) { return 1.006 * t + w * (2501.0 + 1.86 * t); };
    const double w50 = humidity(0.12352);
    const double w40 = humidity(0.073849);
    const double perDryAir = moistAir(50.0, w50) - moistAir(40.0, w40) - (w50 - w40) * 167.5;
    const double expected = perDryAir / (1.0 + w50);
    const Isobar air{"humid air", humidAir(), 1.0};
    int status = -1;
    const double atDew = mixtureEnthalpy(air.analysis, 50.0, status);
    EXPECT_NEAR(atDew - condensing(air, 40.0).h, expected, 0.005 * expected);
}

TEST(GasCondensation, GasAndCondensateAreBalancedAt30Degrees) {
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
    // The condensate per kg of gas, with the dry gas conserved, gives up 2430.5 kJ/kg, the
    // evaporation enthalpy at 30 °C (IAPWS).
    const double condensate = 1.0 - (1.0 - analysis.massFraction(kWaterVapor)) / (1.0 - water);
    EXPECT_NEAR(condensation, condensate * 2430.5, 1e-3 * condensation);
    int dryStatus = -1;
    EXPECT_NEAR(mixtureEnthalpy(analysis, 30.0, dryStatus) - h, condensation, 1e-9);
}

TEST(GasCondensation, ContinuousAtTheDewPoint) {
    for (const Isobar& gas : condensingGases()) {
        SCOPED_TRACE(gas.name);
        const double td = dewPoint(gas.analysis, gas.p);
        int status = -1;
        const Values below = condensing(gas, std::nextafter(td, 0.0));
        EXPECT_NEAR(below.h, mixtureEnthalpy(gas.analysis, td, status), 1e-9);
        EXPECT_NEAR(below.s, mixtureEntropy(gas.analysis, gas.p, td, status), 1e-9);
    }
}

TEST(GasCondensation, TdsEqualsDhAlongTheIsobar) {
    for (const Isobar& gas : condensingGases()) {
        SCOPED_TRACE(gas.name);
        const double td = dewPoint(gas.analysis, gas.p);
        Values upper = condensing(gas, td - 1e-6);
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

// t -> h -> t and t -> s -> t below the dew point.
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
    // Gases whose entropy once ran backwards or was refused: H2/He gas at 26.36 °C, a
    // steam-rich hydrogen at 47 bar.
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
        const double td = dewPoint(analysis, p);
        if (td < 1.0) {
            continue;
        }
        const double t = unit(random) * td;
        SCOPED_TRACE(testing::Message() << "gas " << n << ", p = " << p << ", t = " << t);
        expectRoundTrips(analysis, p, t);
        ++tested;
    }
    EXPECT_EQ(tested, 200);
}

TEST(GasInverse, DryGasesRoundTrip) {
    for (const GasAnalysis& analysis : {byVolume({{kDryAir, 100.0}}), flueGas()}) {
        for (const double t : {70.0, 500.0, 1500.0}) {
            SCOPED_TRACE(t);
            int status = -1;
            const double h = mixtureEnthalpy(analysis, t, status);
            const double s = mixtureEntropy(analysis, 2.0, t, status);
            double water = -7.0;
            double condensation = -7.0;
            EXPECT_NEAR(temperatureFromEnthalpy(analysis, 2.0, h, water, condensation, status), t,
                        1e-5);
            EXPECT_EQ(status, kOk);
            EXPECT_NEAR(temperatureFromEntropy(analysis, 2.0, s, water, condensation, status), t,
                        1e-5);
            EXPECT_EQ(status, kOk);
            EXPECT_EQ(water, -7.0);
            EXPECT_EQ(condensation, -7.0);
        }
    }
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
    EXPECT_EQ(entropyWithCondensation(analysis, 1.0, 60.0, water, condensation, status),
              mixtureEntropy(analysis, 1.0, 60.0, dryStatus));
    EXPECT_EQ(water, -7.0);
    EXPECT_EQ(condensation, -7.0);
}

TEST(GasInverse, ValuesOutsideTheAttainableRangeAreRefused) {
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
