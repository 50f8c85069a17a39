#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gas/condensation.h"
#include "engine/gas/dry_air_transport.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/mixture.h"
#include "engine/water/backward_equations.h"
#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/property_set.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "engine/water/transport.h"
#include "engine/water/water_steam_state.h"
#include "hostile/hostile_inputs.h"

// Every public function of the two property engines with hostile arguments: none may crash or
// hang, and none may answer a valid status with a value that is not finite.
namespace vaporis::test {
namespace {

using PT = double (*)(double, double, int&);
using PTRegion = double (*)(double, double, int, int&);
using OneArgument = double (*)(double, int&);
using ComponentT = double (*)(double, int, int&);
using MixtureT = double (*)(const gas::GasAnalysis&, double, int&);
using MixturePT = double (*)(const gas::GasAnalysis&, double, double, int&);
using Condensing = double (*)(const gas::GasAnalysis&, double, double, double&, double&, int&);

double pressure(HostileInputs& in) {
    return in.draw(0.0, 1000.0);
}
double temperature(HostileInputs& in) {
    return in.draw(0.0, 2000.0);
}

constexpr auto kWaterPT = std::to_array<PT>(
    {water::specificVolume, water::enthalpy, water::entropy, water::isobaricHeatCapacity,
     water::isochoricHeatCapacity, water::soundVelocity, water::dynamicViscosityPaS,
     water::thermalConductivity, water::isentropicExponent, water::isobaricExpansion,
     water::isothermalCompressibility, water::isochoricPressureSlope, water::isothermalDensitySlope,
     water::temperatureFromPH, water::temperatureFromPS, water::specificVolumeFromPS,
     water::enthalpyFromPS});
constexpr auto kWaterForcedRegion = std::to_array<PTRegion>(
    {water::specificVolume, water::enthalpy, water::entropy, water::isobaricHeatCapacity,
     water::isochoricHeatCapacity, water::soundVelocity, water::isobaricExpansion,
     water::isothermalCompressibility});
constexpr auto kWaterSaturated = std::to_array<OneArgument>(
    {water::vaporPressure, water::boilingTemperature, water::surfaceTensionNPerM,
     water::specificVolumeSatLiquid, water::specificVolumeSatVapor, water::enthalpySatLiquid,
     water::enthalpySatVapor, water::entropySatLiquid, water::entropySatVapor,
     water::isobaricHeatCapacitySatLiquid, water::isobaricHeatCapacitySatVapor,
     water::isochoricHeatCapacitySatLiquid, water::isochoricHeatCapacitySatVapor});
constexpr auto kWaterSaturatedTransport = std::to_array<OneArgument>(
    {water::soundVelocitySatLiquid, water::soundVelocitySatVapor, water::evaporationEnthalpy,
     water::dynamicViscositySatLiquidPaS, water::dynamicViscositySatVaporPaS,
     water::thermalConductivitySatLiquid, water::thermalConductivitySatVapor,
     water::isentropicExponentSatLiquid, water::isentropicExponentSatVapor,
     water::isobaricExpansionSatLiquid, water::isobaricExpansionSatVapor,
     water::isothermalCompressibilitySatLiquid, water::isothermalCompressibilitySatVapor});
constexpr auto kComponentT = std::to_array<ComponentT>(
    {gas::componentCp, gas::componentEnthalpy, gas::componentTotalEnthalpy,
     gas::componentViscosityPaS, gas::componentConductivity, gas::collisionIntegral,
     gas::transportViscosityPaS, gas::transportConductivity});
constexpr auto kMixtureT = std::to_array<MixtureT>(
    {gas::mixtureCp, gas::mixtureEnthalpy, gas::mixtureTotalEnthalpy, gas::mixtureKappa,
     gas::mixtureSonicVelocity, gas::mixtureViscosityPaS, gas::mixtureConductivity});
constexpr auto kComponentPT =
    std::to_array<PTRegion>({gas::componentEntropy, gas::componentVolume});
constexpr auto kMixturePT = std::to_array<MixturePT>({gas::mixtureEntropy, gas::mixtureVolume});
constexpr auto kCondensing =
    std::to_array<Condensing>({gas::enthalpyWithCondensation, gas::entropyWithCondensation,
                               gas::temperatureFromEnthalpy, gas::temperatureFromEntropy});

void addWaterCalls(std::vector<HostileCall>& calls) {
    addEach(calls, "water f(p, t|h|s)", kWaterPT, [](PT f, HostileInputs& in) {
        int status = 0;
        const double p = pressure(in);
        const double value = f(p, in.draw(-10.0, 7500.0), status);
        in.expectFinite(status == water::kOk, {value});
    });
    addEach(calls, "water f(p, t, region)", kWaterForcedRegion, [](PTRegion f, HostileInputs& in) {
        int status = 0;
        const double p = pressure(in);
        const double t = temperature(in);
        const double value = f(p, t, in.drawInt(0, 5), status);
        in.expectFinite(status == water::kOk, {value});
    });
    const auto saturated = [](OneArgument f, HostileInputs& in) {
        int status = 0;
        const double value = f(in.draw(0.0, 400.0), status);
        in.expectFinite(status == water::kOk, {value});
    };
    addEach(calls, "water saturated", kWaterSaturated, saturated);
    addEach(calls, "water saturated transport", kWaterSaturatedTransport, saturated);
}

void waterInverses(HostileInputs& in) {
    int status = 0;
    int setStatus = 0;
    const double p = pressure(in);
    const double h = in.draw(0.0, 4500.0);
    const double x = in.draw(0.0, 1.0);
    const int region = in.drawInt(0, 5);
    const double t2s = water::isentropicEndTemperature(p, h, pressure(in), status);
    in.expectFinite(status == water::kOk, {t2s});
    const double v3 = water::region3Volume(p, h / 5.0, status);
    in.expectFinite(status == water::kOk, {v3});
    const water::PropertySet set = water::propertySet(p, x * 2000.0, region, setStatus);
    in.expectFinite(setStatus == water::kOk,
                    {set.h, set.v, set.s, set.cp, set.cv, set.w, set.beta, set.chi});
    std::ignore = water::specificVolumeFromPX(p, x) + water::enthalpyFromPX(p, x) +
                  water::entropyFromPX(p, x) + water::backwardTemperaturePH(p, h, region) +
                  water::backwardTemperaturePS(p, h / 400.0, region);
}

void waterSteamState(HostileInputs& in) {
    water::WaterSteamState state;
    state.setMode(in.drawInt(0, 2));
    if (in.coin()) {
        state.setPressure(pressure(in));
    }
    state.setTemperature(temperature(in));
    state.setQuality(in.draw(0.0, 1.0));
    state.calculate();
    for (int i = 0; i < water::kPropertyCount; ++i) {
        in.expectFinite(state.stateStatus(i) == 0, {state.stateValue(i)});
        in.expectFinite(state.liquidStatus(i) == 0, {state.liquidValue(i)});
        in.expectFinite(state.vaporStatus(i) == 0, {state.vaporValue(i)});
    }
    for (int i = 0; i < water::kSaturationCount; ++i) {
        in.expectFinite(state.saturationStatus(i) == 0, {state.saturationValue(i)});
    }
}

void addGasFunctions(std::vector<HostileCall>& calls) {
    addEach(calls, "component f(t)", kComponentT, [](ComponentT f, HostileInputs& in) {
        int status = 0;
        const double t = temperature(in);
        const double value = f(t, in.drawInt(0, gas::kComponentCount - 1), status);
        in.expectFinite(gas::isValidStatus(status), {value});
    });
    addEach(calls, "component f(p, t)", kComponentPT, [](PTRegion f, HostileInputs& in) {
        int status = 0;
        const double p = pressure(in);
        const double t = temperature(in);
        const double value = f(p, t, in.drawInt(0, gas::kComponentCount - 1), status);
        in.expectFinite(gas::isValidStatus(status), {value});
    });
    addEach(calls, "mixture f(t)", kMixtureT, [](MixtureT f, HostileInputs& in) {
        int status = 0;
        const gas::GasAnalysis& analysis = hostileAnalysis(in);
        const double value = f(analysis, temperature(in), status);
        in.expectFinite(gas::isValidStatus(status), {value});
    });
    addEach(calls, "mixture f(p, t)", kMixturePT, [](MixturePT f, HostileInputs& in) {
        int status = 0;
        const gas::GasAnalysis& analysis = hostileAnalysis(in);
        const double p = pressure(in);
        const double value = f(analysis, p, temperature(in), status);
        in.expectFinite(gas::isValidStatus(status), {value});
    });
    addEach(calls, "with condensate", kCondensing, [](Condensing f, HostileInputs& in) {
        int status = 0;
        double remaining = 0.0;
        double condensed = 0.0;
        const gas::GasAnalysis& analysis = hostileAnalysis(in);
        const double p = pressure(in);
        const double value = f(analysis, p, in.draw(-100.0, 2000.0), remaining, condensed, status);
        in.expectFinite(gas::isValidStatus(status), {value, remaining, condensed});
    });
}

void mixtureConstants(HostileInputs& in) {
    int status = 0;
    const gas::GasAnalysis& analysis = hostileAnalysis(in);
    const double p = pressure(in);
    const double t = temperature(in);
    const double formation =
        gas::componentFormationEnthalpy(in.drawInt(0, gas::kComponentCount - 1), status);
    in.expectFinite(gas::isValidStatus(status), {formation});
    std::ignore = gas::checkGasState(analysis, p, t) +
                  gas::herningZipperer(analysis.massFractions(), t, status);
    in.expectFinite(true, {gas::dewPoint(analysis, p), gas::oxygenDemand(analysis),
                           gas::lowerHeatingValue(analysis)});
}

TEST(HostileCalls, WaterEngine) {
    std::vector<HostileCall> calls{{"water inverses", waterInverses},
                                   {"water/steam state", waterSteamState, 5.0}};
    addWaterCalls(calls);
    runHostileCalls(calls, 3);
}

gas::GasAnalysis editedAnalysis(HostileInputs& in) {
    gas::GasAnalysis analysis = hostileAnalysis(in);
    const int index = in.drawInt(0, gas::kComponentCount - 1);
    const double value = in.draw(0.0, 100.0);
    const gas::GasAnalysis& other = hostileAnalysis(in);
    std::array<double, gas::kComponentCount> entered{};
    switch (in.pick(6)) {
        case 0:
            std::ignore = analysis.humidify(pressure(in), value, 50.0);
            break;
        case 1:
            std::ignore = analysis.changeComponentBy(index, value);
            break;
        case 2:
            std::ignore = analysis.changeComponentTo(index, value);
            break;
        case 3:
            std::ignore = analysis.mixMass(other, value / 100.0);
            break;
        case 4:
            std::ignore = analysis.mixVolume(other, value / 100.0);
            break;
        default:
            for (double& entry : entered) {
                entry = in.coin() ? 0.0 : in.draw(0.0, 100.0);
            }
            std::ignore = analysis.setFromEnteredPercent(entered);
    }
    return analysis;
}

void analysisEdit(HostileInputs& in) {
    const gas::GasAnalysis analysis = editedAnalysis(in);
    in.expectFinite(true, analysis.massFractions());
    in.expectFinite(true, analysis.volumeFractions());
    in.expectFinite(true,
                    {analysis.molarMass(), analysis.normalVolume(), analysis.minTemperature()});
}

void gasState(HostileInputs& in) {
    gas::GasState state;
    state.bind(hostileAnalysis(in));
    state.setPressure(in.draw(0.0, 100.0));
    if (in.coin()) {
        state.setTemperature(temperature(in));
    } else {
        state.setEnthalpy(in.draw(-500.0, 3000.0));
    }
    state.calculate();
    std::array<double, gas::kGasPropertyCount + 1> values{state.temperature()};
    for (int k = 0; k < gas::kGasPropertyCount; ++k) {
        values[static_cast<std::size_t>(k) + 1] = state.property(k);
    }
    in.expectFinite(gas::isValidStatus(state.status()), values);
}

TEST(HostileCalls, GasEngine) {
    std::vector<HostileCall> calls{{"mixture constants", mixtureConstants},
                                   {"analysis edit", analysisEdit},
                                   {"gas state", gasState, 3.0}};
    addGasFunctions(calls);
    runHostileCalls(calls, 3);
}

}  // namespace
}  // namespace vaporis::test
