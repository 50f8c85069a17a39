// Every public function of the water engine must come back promptly whatever it is given, and
// must never report a NaN or infinite input as a valid result.
#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "engine/water/transport.h"
#include "engine/water/water_steam_state.h"

namespace vaporis::water {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto kHostile = std::to_array<double>(
    {std::numeric_limits<double>::quiet_NaN(), kInf, -kInf, 0.0, -50.0, 1e300, -1e300});

// A call of several microseconds up to a few hundred (an exhausted step limit) is fine; a hang
// or an effectively endless loop is not. A non-finite argument never gives a valid status.
template <typename Call>
void expectPromptAndRefused(const std::string& what, bool finiteInput, Call call) {
    int status = kOk;
    const auto start = std::chrono::steady_clock::now();
    call(status);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200)) << what;
    if (!finiteInput) {
        EXPECT_NE(status, kOk) << what;
    }
}

// f(a, b, status) on every pair of one hostile and one ordinary argument, and both hostile;
// the ordinary partners 250 bar and 380 °C (kJ/kg, kJ/(kg K), K) reach region 3 too.
template <typename F>
void checkTwoArguments(const std::string& name, F f) {
    for (const double hostile : kHostile) {
        for (const auto& [a, b] : {std::array{hostile, 380.0}, std::array{250.0, hostile},
                                   std::array{10.0, hostile}, std::array{hostile, hostile}}) {
            const std::string what =
                name + "(" + std::to_string(a) + ", " + std::to_string(b) + ")";
            expectPromptAndRefused(what, std::isfinite(a) && std::isfinite(b),
                                   [&](int& status) { static_cast<void>(f(a, b, status)); });
        }
    }
}

using TwoArguments = double (*)(double, double, int&);
using RegionArgument = double (*)(double, double, int, int&);
using OneArgument = double (*)(double, int&);

const auto kPressureTemperatureFunctions = std::to_array<TwoArguments>(
    {specificVolume, enthalpy, entropy, isobaricHeatCapacity, isochoricHeatCapacity, soundVelocity,
     dynamicViscosity, thermalConductivity, isentropicExponent, isobaricExpansion,
     isothermalCompressibility, isochoricPressureSlope, isothermalDensitySlope, temperatureFromPH,
     temperatureFromPS, specificVolumeFromPS, enthalpyFromPS, region3Volume});
const auto kRegionFunctions = std::to_array<RegionArgument>(
    {specificVolume, enthalpy, entropy, isobaricHeatCapacity, isochoricHeatCapacity, soundVelocity,
     isobaricExpansion, isothermalCompressibility});
// liquid and vapour (or two related functions) side by side
const auto kSaturationFunctions = std::to_array<std::array<OneArgument, 2>>({
    {vaporPressure, boilingTemperature},
    {evaporationEnthalpy, surfaceTension},
    {specificVolumeSatLiquid, specificVolumeSatVapor},
    {enthalpySatLiquid, enthalpySatVapor},
    {entropySatLiquid, entropySatVapor},
    {isobaricHeatCapacitySatLiquid, isobaricHeatCapacitySatVapor},
    {isochoricHeatCapacitySatLiquid, isochoricHeatCapacitySatVapor},
    {soundVelocitySatLiquid, soundVelocitySatVapor},
    {dynamicViscositySatLiquid, dynamicViscositySatVapor},
    {thermalConductivitySatLiquid, thermalConductivitySatVapor},
    {isentropicExponentSatLiquid, isentropicExponentSatVapor},
    {isobaricExpansionSatLiquid, isobaricExpansionSatVapor},
    {isothermalCompressibilitySatLiquid, isothermalCompressibilitySatVapor},
});

TEST(WaterHostileInput, EveryFunctionReturnsPromptlyAndRefusesNonFinite) {
    for (const TwoArguments f : kPressureTemperatureFunctions) {
        checkTwoArguments("two-argument function", f);
    }
    for (const RegionArgument f : kRegionFunctions) {
        for (const int region : {kRegionNone, kRegion1, kRegion2, kRegion3, kRegion4, kRegion5}) {
            checkTwoArguments(
                "region " + std::to_string(region),
                [f, region](double p, double t, int& s) { return f(p, t, region, s); });
        }
        for (const int unknown : {6, -1}) {
            int status = kOk;
            static_cast<void>(f(10.0, 100.0, unknown, status));
            EXPECT_NE(status, kOk) << "region " << unknown;
        }
    }
    // none of the hostile values is a usable saturation pressure or temperature
    for (const auto& pair : kSaturationFunctions) {
        for (const OneArgument f : pair) {
            for (const double a : kHostile) {
                expectPromptAndRefused("saturated value at " + std::to_string(a), false,
                                       [&](int& status) { static_cast<void>(f(a, status)); });
            }
        }
    }
    for (const double h : kHostile) {
        for (const auto& [p1, h1, p2] :
             {std::array{h, 3000.0, 1.0}, std::array{10.0, h, 1.0}, std::array{10.0, 3000.0, h}}) {
            expectPromptAndRefused(
                "isentropic end with " + std::to_string(h), std::isfinite(h), [&](int& status) {
                    static_cast<void>(isentropicEndTemperature(p1, h1, p2, status));
                });
        }
    }
}

TEST(WaterHostileInput, MixturesRegionChoiceAndTheSteamStateReturnPromptly) {
    for (const double a : kHostile) {
        expectPromptAndRefused("mixture at " + std::to_string(a), true, [&](int&) {
            static_cast<void>(specificVolumeFromPX(a, 0.5) + enthalpyFromPX(10.0, a) +
                              entropyFromPX(a, a));
        });
        if (!std::isfinite(a)) {
            EXPECT_EQ(regionOf(a, 400.0), kRegionNone) << a;
            EXPECT_EQ(regionAt(10.0, a), kRegionNone) << a;
        }
        for (const int mode : {kModePT, kModePX, kModeTX}) {
            for (const auto& [p, t, x] : {std::array{a, 100.0, 0.5}, std::array{10.0, a, 0.5},
                                          std::array{10.0, 100.0, a}}) {
                WaterSteamState state(mode, p, t, x);
                expectPromptAndRefused("state with " + std::to_string(a), true,
                                       [&](int&) { state.calculate(); });
            }
        }
    }
}

}  // namespace
}  // namespace vaporis::water
