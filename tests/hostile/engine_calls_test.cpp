#include <array>
#include <utility>
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

// Every public function of the two property engines, called with hostile arguments: none may
// crash or hang, and none may answer a valid status with a value that is not finite.
namespace vaporis::test {
namespace {

using PT = double (*)(double, double, int&);
using PTRegion = double (*)(double, double, int, int&);
using OneArgument = double (*)(double, int&);

double pressure(HostileInputs& in) {
    return in.draw(0.0, 1000.0);
}
double temperature(HostileInputs& in) {
    return in.draw(0.0, 2000.0);
}

void addWaterFunctions(std::vector<HostileCall>& calls) {
    for (const auto& [name, f] : std::to_array<std::pair<const char*, PT>>({
             {"v(p,t)", water::specificVolume},
             {"h(p,t)", water::enthalpy},
             {"s(p,t)", water::entropy},
             {"cp(p,t)", water::isobaricHeatCapacity},
             {"cv(p,t)", water::isochoricHeatCapacity},
             {"w(p,t)", water::soundVelocity},
             {"eta(p,t)", water::dynamicViscosity},
             {"lambda(p,t)", water::thermalConductivity},
             {"kappa(p,t)", water::isentropicExponent},
             {"beta(p,t)", water::isobaricExpansion},
             {"chi(p,t)", water::isothermalCompressibility},
             {"dp/dT(p,t)", water::isochoricPressureSlope},
             {"drho/dp(p,t)", water::isothermalDensitySlope},
         })) {
        calls.push_back({name, [f](HostileInputs& in) {
                             int status = 0;
                             const double value = f(pressure(in), temperature(in), status);
                             in.expectFinite(status == water::kOk, {value});
                         }});
    }
    for (const auto& [name, f] : std::to_array<std::pair<const char*, PTRegion>>({
             {"v(p,t,region)", water::specificVolume},
             {"h(p,t,region)", water::enthalpy},
             {"s(p,t,region)", water::entropy},
             {"cp(p,t,region)", water::isobaricHeatCapacity},
             {"cv(p,t,region)", water::isochoricHeatCapacity},
             {"w(p,t,region)", water::soundVelocity},
             {"beta(p,t,region)", water::isobaricExpansion},
             {"chi(p,t,region)", water::isothermalCompressibility},
         })) {
        calls.push_back({name, [f](HostileInputs& in) {
                             int status = 0;
                             const double p = pressure(in);
                             const double value = f(p, temperature(in), in.drawInt(0, 5), status);
                             in.expectFinite(status == water::kOk, {value});
                         }});
    }
    for (const auto& [name, f] : std::to_array<std::pair<const char*, OneArgument>>({
             {"ps(t)", water::vaporPressure},
             {"ts(p)", water::boilingTemperature},
             {"sigma(t)", water::surfaceTension},
             {"v'(p)", water::specificVolumeSatLiquid},
             {"v''(p)", water::specificVolumeSatVapor},
             {"h'(p)", water::enthalpySatLiquid},
             {"h''(p)", water::enthalpySatVapor},
             {"s'(p)", water::entropySatLiquid},
             {"s''(p)", water::entropySatVapor},
             {"cp'(p)", water::isobaricHeatCapacitySatLiquid},
             {"cp''(p)", water::isobaricHeatCapacitySatVapor},
             {"cv'(p)", water::isochoricHeatCapacitySatLiquid},
             {"cv''(p)", water::isochoricHeatCapacitySatVapor},
             {"w'(p)", water::soundVelocitySatLiquid},
             {"w''(p)", water::soundVelocitySatVapor},
             {"r(p)", water::evaporationEnthalpy},
             {"eta'(p)", water::dynamicViscositySatLiquid},
             {"eta''(p)", water::dynamicViscositySatVapor},
             {"lambda'(p)", water::thermalConductivitySatLiquid},
             {"lambda''(p)", water::thermalConductivitySatVapor},
             {"kappa'(p)", water::isentropicExponentSatLiquid},
             {"kappa''(p)", water::isentropicExponentSatVapor},
             {"beta'(p)", water::isobaricExpansionSatLiquid},
             {"beta''(p)", water::isobaricExpansionSatVapor},
             {"chi'(p)", water::isothermalCompressibilitySatLiquid},
             {"chi''(p)", water::isothermalCompressibilitySatVapor},
         })) {
        calls.push_back({name, [f](HostileInputs& in) {
                             int status = 0;
                             const double value = f(in.draw(0.0, 400.0), status);
                             in.expectFinite(status == water::kOk, {value});
                         }});
    }
}

void addWaterInverses(std::vector<HostileCall>& calls) {
    for (const auto& [name, f] : std::to_array<std::pair<const char*, PT>>({
             {"t(p,h)", water::temperatureFromPH},
             {"t(p,s)", water::temperatureFromPS},
             {"v(p,s)", water::specificVolumeFromPS},
             {"h(p,s)", water::enthalpyFromPS},
         })) {
        calls.push_back({name, [f](HostileInputs& in) {
                             int status = 0;
                             const double p = pressure(in);
                             const double value = f(p, in.draw(-10.0, 7500.0), status);
                             in.expectFinite(status == water::kOk, {value});
                         }});
    }
    calls.push_back({"t2s(p1,h1,p2)", [](HostileInputs& in) {
                         int status = 0;
                         const double p1 = pressure(in);
                         const double h1 = in.draw(0.0, 4500.0);
                         const double value =
                             water::isentropicEndTemperature(p1, h1, pressure(in), status);
                         in.expectFinite(status == water::kOk, {value});
                     }});
    calls.push_back({"mixture(p,x), backward T", [](HostileInputs& in) {
                         const double p = pressure(in);
                         const double x = in.draw(0.0, 1.0);
                         const double h = in.draw(0.0, 4500.0);
                         const int region = in.drawInt(1, 2);
                         std::ignore = water::specificVolumeFromPX(p, x) +
                                       water::enthalpyFromPX(p, x) + water::entropyFromPX(p, x) +
                                       water::backwardTemperaturePH(p, h, region) +
                                       water::backwardTemperaturePS(p, h / 400.0, region);
                     }});
    calls.push_back({"region 3 v(p,T)", [](HostileInputs& in) {
                         int status = 0;
                         const double p = pressure(in);
                         const double value =
                             water::region3Volume(p, in.draw(600.0, 900.0), status);
                         in.expectFinite(status == water::kOk, {value});
                     }});
    calls.push_back({"property set", [](HostileInputs& in) {
                         int status = 0;
                         const double p = pressure(in);
                         const double t = temperature(in);
                         const water::PropertySet set =
                             water::propertySet(p, t, in.drawInt(0, 5), status);
                         in.expectFinite(status == water::kOk, {set.h, set.v, set.s, set.cp, set.cv,
                                                                set.w, set.beta, set.chi});
                     }});
}

void expectStateRows(HostileInputs& in, const water::WaterSteamState& state) {
    for (int i = 0; i < water::kPropertyCount; ++i) {
        in.expectFinite(state.stateStatus(i) == water::kOk, {state.stateValue(i)});
        in.expectFinite(state.liquidStatus(i) == water::kOk, {state.liquidValue(i)});
        in.expectFinite(state.vaporStatus(i) == water::kOk, {state.vaporValue(i)});
    }
    for (int i = 0; i < water::kSaturationCount; ++i) {
        in.expectFinite(state.saturationStatus(i) == water::kOk, {state.saturationValue(i)});
    }
}

TEST(HostileCalls, WaterEngine) {
    std::vector<HostileCall> calls;
    addWaterFunctions(calls);
    addWaterInverses(calls);
    calls.push_back({"water/steam state",
                     [](HostileInputs& in) {
                         water::WaterSteamState state;
                         state.setMode(in.drawInt(0, 2));
                         if (in.coin()) {
                             state.setPressure(pressure(in));
                         }
                         state.setTemperature(temperature(in));
                         state.setQuality(in.draw(0.0, 1.0));
                         state.calculate();
                         expectStateRows(in, state);
                     },
                     5.0});
    runHostileCalls(calls, engineLimits(), 3);
}

using Component = double (*)(double, int, int&);
using MixtureT = double (*)(const gas::GasAnalysis&, double, int&);
using MixturePT = double (*)(const gas::GasAnalysis&, double, double, int&);
using Condensing = double (*)(const gas::GasAnalysis&, double, double, double&, double&, int&);

void addGasFunctions(std::vector<HostileCall>& calls) {
    for (const auto& [name, f] : std::to_array<std::pair<const char*, Component>>({
             {"component cp", gas::componentCp},
             {"component h", gas::componentEnthalpy},
             {"component total h", gas::componentTotalEnthalpy},
             {"component eta", gas::componentViscosity},
             {"component lambda", gas::componentConductivity},
             {"collision integral", gas::collisionIntegral},
             {"transport eta", gas::transportViscosity},
             {"transport lambda", gas::transportConductivity},
         })) {
        calls.push_back({name, [f](HostileInputs& in) {
                             int status = 0;
                             const double t = temperature(in);
                             const double value =
                                 f(t, in.drawInt(0, gas::kComponentCount - 1), status);
                             in.expectFinite(gas::isValidStatus(status), {value});
                         }});
    }
    calls.push_back(
        {"component s, v, formation", [](HostileInputs& in) {
             int s1 = 0;
             int s2 = 0;
             int s3 = 0;
             const double p = pressure(in);
             const double t = temperature(in);
             const int index = in.drawInt(0, gas::kComponentCount - 1);
             in.expectFinite(gas::isValidStatus(s1), {gas::componentEntropy(p, t, index, s1)});
             in.expectFinite(gas::isValidStatus(s2), {gas::componentVolume(p, t, index, s2)});
             in.expectFinite(gas::isValidStatus(s3), {gas::componentFormationEnthalpy(index, s3)});
         }});
    for (const auto& [name, f] : std::to_array<std::pair<const char*, MixtureT>>({
             {"mixture cp", gas::mixtureCp},
             {"mixture h", gas::mixtureEnthalpy},
             {"mixture total h", gas::mixtureTotalEnthalpy},
             {"mixture kappa", gas::mixtureKappa},
             {"mixture w", gas::mixtureSonicVelocity},
             {"mixture eta", gas::mixtureViscosity},
             {"mixture lambda", gas::mixtureConductivity},
         })) {
        calls.push_back({name, [f](HostileInputs& in) {
                             int status = 0;
                             const gas::GasAnalysis& analysis = hostileAnalysis(in);
                             const double value = f(analysis, temperature(in), status);
                             in.expectFinite(gas::isValidStatus(status), {value});
                         }});
    }
    for (const auto& [name, f] : std::to_array<std::pair<const char*, MixturePT>>(
             {{"mixture s", gas::mixtureEntropy}, {"mixture v", gas::mixtureVolume}})) {
        calls.push_back({name, [f](HostileInputs& in) {
                             int status = 0;
                             const gas::GasAnalysis& analysis = hostileAnalysis(in);
                             const double p = pressure(in);
                             const double value = f(analysis, p, temperature(in), status);
                             in.expectFinite(gas::isValidStatus(status), {value});
                         }});
    }
    calls.push_back({"mixture constants", [](HostileInputs& in) {
                         const gas::GasAnalysis& analysis = hostileAnalysis(in);
                         const double p = pressure(in);
                         const double t = temperature(in);
                         int status = gas::checkGasState(analysis, p, t);
                         std::ignore = gas::herningZipperer(analysis.massFractions(), t, status);
                         in.expectFinite(
                             true,
                             {gas::dewPoint(analysis, p), gas::oxygenDemand(analysis),
                              gas::upperHeatingValue(analysis), gas::lowerHeatingValue(analysis)});
                     }});
    for (const auto& [name, f] : std::to_array<std::pair<const char*, Condensing>>({
             {"h with condensate", gas::enthalpyWithCondensation},
             {"s with condensate", gas::entropyWithCondensation},
             {"t(h) with condensate", gas::temperatureFromEnthalpy},
             {"t(s) with condensate", gas::temperatureFromEntropy},
         })) {
        calls.push_back(
            {name, [f](HostileInputs& in) {
                 int status = 0;
                 double remaining = 0.0;
                 double condensed = 0.0;
                 const gas::GasAnalysis& analysis = hostileAnalysis(in);
                 const double p = pressure(in);
                 const double value =
                     f(analysis, p, in.draw(-100.0, 2000.0), remaining, condensed, status);
                 in.expectFinite(gas::isValidStatus(status), {value, remaining, condensed});
             }});
    }
}

void expectAnalysisFinite(HostileInputs& in, const gas::GasAnalysis& analysis) {
    in.expectFinite(true, analysis.massFractions());
    in.expectFinite(true, analysis.volumeFractions());
    in.expectFinite(true, {analysis.molarMass(), analysis.gasConstant(), analysis.normalVolume(),
                           analysis.minTemperature(), analysis.maxTemperature()});
}

TEST(HostileCalls, GasEngine) {
    std::vector<HostileCall> calls;
    addGasFunctions(calls);
    calls.push_back({"analysis edit", [](HostileInputs& in) {
                         gas::GasAnalysis analysis = hostileAnalysis(in);
                         const int index = in.drawInt(0, gas::kComponentCount - 1);
                         const double value = in.draw(0.0, 100.0);
                         const gas::GasAnalysis& other = hostileAnalysis(in);
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
                             default: {
                                 std::array<double, gas::kComponentCount> values{};
                                 for (double& entry : values) {
                                     entry = in.coin() ? 0.0 : in.draw(0.0, 100.0);
                                 }
                                 analysis.setFromEnteredPercent(values);
                             }
                         }
                         expectAnalysisFinite(in, analysis);
                     }});
    calls.push_back({"gas state",
                     [](HostileInputs& in) {
                         gas::GasState state;
                         state.bind(hostileAnalysis(in));
                         state.setPressure(in.draw(0.0, 100.0));
                         if (in.coin()) {
                             state.setTemperature(temperature(in));
                         } else {
                             state.setEnthalpy(in.draw(-500.0, 3000.0));
                         }
                         state.calculate();
                         std::array<double, gas::kGasPropertyCount> values{};
                         for (int k = 0; k < gas::kGasPropertyCount; ++k) {
                             values[static_cast<std::size_t>(k)] = state.property(k);
                         }
                         in.expectFinite(gas::isValidStatus(state.status()), values);
                         in.expectFinite(gas::isValidStatus(state.status()),
                                         {state.temperature(), state.enthalpy()});
                     },
                     3.0});
    runHostileCalls(calls, engineLimits(), 3);
}

}  // namespace
}  // namespace vaporis::test
