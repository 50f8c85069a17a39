// Every public function of the water engine must come back promptly whatever it is given, and
// must never report a NaN or infinite input as a valid result.
#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

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
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr auto kHostile = std::to_array<double>({kNaN, kInf, -kInf, 0.0, -50.0, 1e300, -1e300});

// A call of several microseconds up to a few hundred (an exhausted step limit) is fine; a hang
// or an effectively endless loop is not.
constexpr auto kPromptly = std::chrono::milliseconds(200);

bool finite(double a) {
    return std::isfinite(a);
}

template <typename Call>
void expectPrompt(const std::string& what, Call call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    EXPECT_LT(std::chrono::steady_clock::now() - start, kPromptly) << what;
}

// Runs f with status on every pair of one hostile and one ordinary argument, and both hostile.
template <typename F>
void checkTwoArguments(const char* name, F f, double a0, double b0) {
    for (const double hostile : kHostile) {
        for (const auto& [a, b] :
             {std::pair{hostile, b0}, std::pair{a0, hostile}, std::pair{hostile, hostile}}) {
            const std::string what =
                std::string(name) + "(" + std::to_string(a) + ", " + std::to_string(b) + ")";
            int status = -1;
            expectPrompt(what, [&] { static_cast<void>(f(a, b, status)); });
            if (!finite(a) || !finite(b)) {
                EXPECT_NE(status, kOk) << what;
            }
        }
    }
}

template <typename F>
void checkOneArgument(const char* name, F f) {
    for (const double a : kHostile) {
        const std::string what = std::string(name) + "(" + std::to_string(a) + ")";
        int status = -1;
        expectPrompt(what, [&] { static_cast<void>(f(a, status)); });
        if (!finite(a)) {
            EXPECT_NE(status, kOk) << what;
        }
    }
}

using TwoArguments = double (*)(double, double, int&);
using RegionArgument = double (*)(double, double, int, int&);
using OneArgument = double (*)(double, int&);

TEST(WaterHostileInput, PressureTemperatureFunctionsReturnPromptlyAndRefuseNonFinite) {
    const std::array<std::pair<const char*, TwoArguments>, 18> functions{{
        {"specificVolume", specificVolume},
        {"enthalpy", enthalpy},
        {"entropy", entropy},
        {"isobaricHeatCapacity", isobaricHeatCapacity},
        {"isochoricHeatCapacity", isochoricHeatCapacity},
        {"soundVelocity", soundVelocity},
        {"dynamicViscosity", dynamicViscosity},
        {"thermalConductivity", thermalConductivity},
        {"isentropicExponent", isentropicExponent},
        {"isobaricExpansion", isobaricExpansion},
        {"isothermalCompressibility", isothermalCompressibility},
        {"isochoricPressureSlope", isochoricPressureSlope},
        {"isothermalDensitySlope", isothermalDensitySlope},
        {"temperatureFromPH", temperatureFromPH},
        {"temperatureFromPS", temperatureFromPS},
        {"specificVolumeFromPS", specificVolumeFromPS},
        {"enthalpyFromPS", enthalpyFromPS},
        {"region3Volume", region3Volume},
    }};
    for (const auto& [name, f] : functions) {
        // ordinary partners: 250 bar and 380 °C (or kJ/kg, kJ/(kg K), K) reach region 3 too
        checkTwoArguments(name, f, 250.0, 380.0);
        checkTwoArguments(name, f, 10.0, 3.0);
    }
}

TEST(WaterHostileInput, FunctionsWithRegionArgumentRefuseUnknownRegions) {
    const std::array<std::pair<const char*, RegionArgument>, 8> functions{{
        {"specificVolume", specificVolume},
        {"enthalpy", enthalpy},
        {"entropy", entropy},
        {"isobaricHeatCapacity", isobaricHeatCapacity},
        {"isochoricHeatCapacity", isochoricHeatCapacity},
        {"soundVelocity", soundVelocity},
        {"isobaricExpansion", isobaricExpansion},
        {"isothermalCompressibility", isothermalCompressibility},
    }};
    for (const auto& [name, f] : functions) {
        for (const int region : std::to_array<int>(
                 {kRegionNone, kRegion1, kRegion2, kRegion3, kRegion4, kRegion5, 6, -1})) {
            checkTwoArguments(
                name, [f = f, region](double p, double t, int& s) { return f(p, t, region, s); },
                250.0, 380.0);
        }
        for (const int region : {6, -1}) {
            int status = kOk;
            static_cast<void>(f(10.0, 100.0, region, status));
            EXPECT_NE(status, kOk) << name << " with region " << region;
        }
    }
}

TEST(WaterHostileInput, SaturationFunctionsReturnPromptlyAndRefuseNonFinite) {
    const std::array<std::pair<const char*, OneArgument>, 26> functions{{
        {"vaporPressure", vaporPressure},
        {"boilingTemperature", boilingTemperature},
        {"specificVolumeSatLiquid", specificVolumeSatLiquid},
        {"specificVolumeSatVapor", specificVolumeSatVapor},
        {"enthalpySatLiquid", enthalpySatLiquid},
        {"enthalpySatVapor", enthalpySatVapor},
        {"entropySatLiquid", entropySatLiquid},
        {"entropySatVapor", entropySatVapor},
        {"isobaricHeatCapacitySatLiquid", isobaricHeatCapacitySatLiquid},
        {"isobaricHeatCapacitySatVapor", isobaricHeatCapacitySatVapor},
        {"isochoricHeatCapacitySatLiquid", isochoricHeatCapacitySatLiquid},
        {"isochoricHeatCapacitySatVapor", isochoricHeatCapacitySatVapor},
        {"soundVelocitySatLiquid", soundVelocitySatLiquid},
        {"soundVelocitySatVapor", soundVelocitySatVapor},
        {"evaporationEnthalpy", evaporationEnthalpy},
        {"surfaceTension", surfaceTension},
        {"dynamicViscositySatLiquid", dynamicViscositySatLiquid},
        {"dynamicViscositySatVapor", dynamicViscositySatVapor},
        {"thermalConductivitySatLiquid", thermalConductivitySatLiquid},
        {"thermalConductivitySatVapor", thermalConductivitySatVapor},
        {"isentropicExponentSatLiquid", isentropicExponentSatLiquid},
        {"isentropicExponentSatVapor", isentropicExponentSatVapor},
        {"isobaricExpansionSatLiquid", isobaricExpansionSatLiquid},
        {"isobaricExpansionSatVapor", isobaricExpansionSatVapor},
        {"isothermalCompressibilitySatLiquid", isothermalCompressibilitySatLiquid},
        {"isothermalCompressibilitySatVapor", isothermalCompressibilitySatVapor},
    }};
    for (const auto& [name, f] : functions) {
        checkOneArgument(name, f);
    }
}

TEST(WaterHostileInput, SaturatedValuesAtZeroOrNegativePressureAreNotValid) {
    for (const double p : {0.0, -50.0, -1e300}) {
        int status = kOk;
        EXPECT_EQ(enthalpySatVapor(p, status), -1.0);
        EXPECT_NE(status, kOk) << p;
        EXPECT_EQ(isobaricExpansionSatLiquid(p, status), -1.0);
        EXPECT_NE(status, kOk) << p;
        EXPECT_EQ(isentropicExponentSatVapor(p, status), -1.0);
        EXPECT_NE(status, kOk) << p;
    }
}

TEST(WaterHostileInput, IsentropicEndTemperatureRefusesNonFinite) {
    for (const double hostile : kHostile) {
        for (const auto& args : {std::array{hostile, 3000.0, 1.0}, std::array{10.0, hostile, 1.0},
                                 std::array{10.0, 3000.0, hostile}}) {
            const std::string what = "isentropicEndTemperature with " + std::to_string(hostile);
            int status = -1;
            expectPrompt(what, [&] {
                static_cast<void>(isentropicEndTemperature(args[0], args[1], args[2], status));
            });
            if (!finite(hostile)) {
                EXPECT_NE(status, kOk) << what;
            }
        }
    }
}

TEST(WaterHostileInput, FunctionsWithoutStatusReturnPromptly) {
    for (const double a : kHostile) {
        for (const double b : {a, 100.0}) {
            const std::string what = std::to_string(a) + ", " + std::to_string(b);
            expectPrompt(what, [&] {
                static_cast<void>(saturationPressure(a));
                static_cast<void>(saturationTemperature(a));
                static_cast<void>(b23Pressure(a));
                static_cast<void>(b23Temperature(a));
                static_cast<void>(regionOf(a, b));
                static_cast<void>(regionAt(b, a));
                static_cast<void>(specificVolumeFromPX(a, b));
                static_cast<void>(enthalpyFromPX(b, a));
                static_cast<void>(entropyFromPX(a, 0.5));
                static_cast<void>(region3Pressure(a, b));
                static_cast<void>(basicEquation(a, b, kRegion3));
                static_cast<void>(gammaValue(a, b, kRegion1));
                static_cast<void>(gammaPi(a, b, kRegion2));
                static_cast<void>(gammaPiPi(a, b, kRegion5));
                static_cast<void>(gammaTau(a, b, kRegion1));
                static_cast<void>(gammaTauTau(a, b, kRegion2));
                static_cast<void>(gammaPiTau(a, b, kRegion3));
            });
            if (!finite(a)) {
                EXPECT_EQ(regionOf(a, b), kRegionNone) << what;
                EXPECT_EQ(regionAt(b, a), kRegionNone) << what;
            }
        }
    }
}

TEST(WaterHostileInput, SteamStateCalculatesPromptlyInEveryMode) {
    for (const double hostile : kHostile) {
        for (const int mode : {kModePT, kModePX, kModeTX}) {
            for (const auto& [p, t, x] :
                 {std::array{hostile, 100.0, 0.5}, std::array{10.0, hostile, 0.5},
                  std::array{10.0, 100.0, hostile}}) {
                WaterSteamState state(mode, p, t, x);
                expectPrompt("state with " + std::to_string(hostile), [&] { state.calculate(); });
            }
        }
    }
}

}  // namespace
}  // namespace vaporis::water
