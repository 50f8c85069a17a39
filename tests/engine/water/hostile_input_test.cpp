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
// or an effectively endless loop is not. Where refused is set, the status must not be valid.
template <typename Call>
void expectPrompt(double hostile, bool refused, Call call) {
    int status = kOk;
    const auto start = std::chrono::steady_clock::now();
    call(status);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200)) << hostile;
    if (refused) {
        EXPECT_NE(status, kOk) << hostile;
    }
}

using TwoArguments = double (*)(double, double, int&);
using OneArgument = double (*)(double, int&);

const auto kPressureTemperatureFunctions = std::to_array<TwoArguments>(
    {specificVolume, enthalpy, entropy, isobaricHeatCapacity, isochoricHeatCapacity, soundVelocity,
     dynamicViscosity, thermalConductivity, isentropicExponent, isobaricExpansion,
     isothermalCompressibility, isochoricPressureSlope, isothermalDensitySlope, temperatureFromPH,
     temperatureFromPS, specificVolumeFromPS, enthalpyFromPS, region3Volume});
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
    for (const double h : kHostile) {
        const bool bad = !std::isfinite(h);
        // the ordinary partners 250 bar and 380 °C (kJ/kg, kJ/(kg K), K) reach region 3 too
        for (const TwoArguments f : kPressureTemperatureFunctions) {
            for (const auto& [p, t] : {std::array{h, 380.0}, std::array{250.0, h},
                                       std::array{10.0, h}, std::array{h, h}}) {
                expectPrompt(h, bad, [&](int& s) { static_cast<void>(f(p, t, s)); });
            }
        }
        // none of the hostile values is a usable saturation pressure or temperature
        for (const auto& pair : kSaturationFunctions) {
            for (const OneArgument f : pair) {
                expectPrompt(h, true, [&](int& s) { static_cast<void>(f(h, s)); });
            }
        }
        for (const int region : std::to_array<int>({kRegion1, kRegion2, kRegion3, kRegion5, 6})) {
            expectPrompt(h, bad || region == 6, [&](int& s) {
                static_cast<void>(isobaricExpansion(250.0, h, region, s));
            });
        }
        for (const auto& [p1, h1, p2] :
             {std::array{h, 3000.0, 1.0}, std::array{10.0, h, 1.0}, std::array{10.0, 3000.0, h}}) {
            expectPrompt(h, bad, [&](int& s) {
                static_cast<void>(isentropicEndTemperature(p1, h1, p2, s));
            });
        }
    }
}

TEST(WaterHostileInput, MixturesRegionChoiceAndTheSteamStateReturnPromptly) {
    for (const double a : kHostile) {
        expectPrompt(a, false, [&](int&) {
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
                expectPrompt(a, false, [&](int&) { state.calculate(); });
            }
        }
    }
}

}  // namespace
}  // namespace vaporis::water
