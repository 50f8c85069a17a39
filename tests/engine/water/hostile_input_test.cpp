// Every public function of the water engine must come back promptly whatever it is given, and
// must never report a NaN or infinite input as a valid result.
#include <array>
#include <chrono>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "engine/water/transport.h"
#include "engine/water/water_steam_state.h"

namespace vaporis::water {
namespace {

constexpr auto kHostile = std::to_array<double>(
    {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
     -std::numeric_limits<double>::infinity(), 0.0, -50.0, 1e300, -1e300});

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
     dynamicViscosityPaS, thermalConductivity, isentropicExponent, isobaricExpansion,
     isothermalCompressibility, isochoricPressureSlope, isothermalDensitySlope, temperatureFromPH,
     temperatureFromPS, specificVolumeFromPS, enthalpyFromPS, region3Volume});
const auto kSaturationFunctions = std::to_array<OneArgument>(
    {vaporPressure, boilingTemperature, evaporationEnthalpy, surfaceTensionNPerM,
     specificVolumeSatLiquid, specificVolumeSatVapor, enthalpySatLiquid, enthalpySatVapor,
     entropySatLiquid, entropySatVapor, isobaricHeatCapacitySatLiquid, isobaricHeatCapacitySatVapor,
     isochoricHeatCapacitySatLiquid});
const auto kMoreSaturationFunctions = std::to_array<OneArgument>(
    {isochoricHeatCapacitySatVapor, soundVelocitySatLiquid, soundVelocitySatVapor,
     dynamicViscositySatLiquidPaS, dynamicViscositySatVaporPaS, thermalConductivitySatLiquid,
     thermalConductivitySatVapor, isentropicExponentSatLiquid, isentropicExponentSatVapor,
     isobaricExpansionSatLiquid, isobaricExpansionSatVapor, isothermalCompressibilitySatLiquid,
     isothermalCompressibilitySatVapor});

TEST(WaterHostileInput, EveryFunctionAndTheStateReturnPromptlyAndRefuseNonFinite) {
    for (const double h : kHostile) {
        const bool bad = !std::isfinite(h);
        // the ordinary partners 250 bar and 380 °C (kJ/kg, kJ/(kg K), K) reach region 3 too
        for (const TwoArguments f : kPressureTemperatureFunctions) {
            for (const auto& [p, t] : {std::array{h, 380.0}, std::array{250.0, h},
                                       std::array{10.0, h}, std::array{h, h}}) {
                expectPrompt(h, bad, [&, p = p, t = t](int& s) { static_cast<void>(f(p, t, s)); });
            }
        }
        // none of the hostile values is a usable saturation pressure or temperature
        for (const auto& list : {kSaturationFunctions, kMoreSaturationFunctions}) {
            for (const OneArgument f : list) {
                expectPrompt(h, true, [&](int& s) { static_cast<void>(f(h, s)); });
            }
        }
        expectPrompt(h, true,
                     [&](int& s) { static_cast<void>(homogeneousSoundVelocity(h, 0.5, s)); });
        expectPrompt(h, h != 0.0,
                     [&](int& s) { static_cast<void>(homogeneousSoundVelocity(10.0, h, s)); });
        // a region argument that names no region is refused
        expectPrompt(h, true, [&](int& s) { static_cast<void>(enthalpy(250.0, h, 6, s)); });
        for (const auto& [p1, h1, p2] :
             {std::array{h, 3000.0, 1.0}, std::array{10.0, h, 1.0}, std::array{10.0, 3000.0, h}}) {
            // Clang 14 cannot capture structured bindings; copies can be.
            expectPrompt(h, bad, [&, p1 = p1, h1 = h1, p2 = p2](int& s) {
                static_cast<void>(isentropicEndTemperature(p1, h1, p2, s));
            });
        }
        if (!std::isfinite(h)) {
            EXPECT_EQ(regionOf(h, 400.0) + regionAt(10.0, h), kRegionNone) << h;
        }
        for (const int mode : {kModePT, kModePX, kModeTX}) {
            for (const auto& [p, t, x] : {std::array{h, 100.0, 0.5}, std::array{10.0, h, 0.5},
                                          std::array{10.0, 100.0, h}}) {
                WaterSteamState state(mode, p, t, x);
                expectPrompt(h, false, [&](int&) { state.calculate(); });
            }
        }
    }
}

}  // namespace
}  // namespace vaporis::water
