#include "engine/water/water_steam_state.h"

#include <cmath>
#include <cstddef>

#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "engine/water/transport.h"

namespace vaporis::water {
namespace {

constexpr double kLowestTemperature = 273.1599999999;  // K

// The functions behind one saturated row, in WaterSteamProperty order where they apply.
struct SaturatedFunctions {
    double (*h)(double, int&);
    double (*v)(double, int&);
    double (*s)(double, int&);
    double (*cp)(double, int&);
    double (*cv)(double, int&);
    double (*w)(double, int&);
    double (*eta)(double, int&);
    double (*lambda)(double, int&);
    double (*kappa)(double, int&);
    double (*beta)(double, int&);
    double (*chi)(double, int&);
};

constexpr SaturatedFunctions kLiquidFunctions{
    enthalpySatLiquid,
    specificVolumeSatLiquid,
    entropySatLiquid,
    isobaricHeatCapacitySatLiquid,
    isochoricHeatCapacitySatLiquid,
    soundVelocitySatLiquid,
    dynamicViscositySatLiquid,
    thermalConductivitySatLiquid,
    isentropicExponentSatLiquid,
    isobaricExpansionSatLiquid,
    isothermalCompressibilitySatLiquid,
};

constexpr SaturatedFunctions kVaporFunctions{
    enthalpySatVapor,
    specificVolumeSatVapor,
    entropySatVapor,
    isobaricHeatCapacitySatVapor,
    isochoricHeatCapacitySatVapor,
    soundVelocitySatVapor,
    dynamicViscositySatVapor,
    thermalConductivitySatVapor,
    isentropicExponentSatVapor,
    isobaricExpansionSatVapor,
    isothermalCompressibilitySatVapor,
};

using Values = WaterSteamState::Values;
using Statuses = WaterSteamState::Statuses;

std::size_t at(WaterSteamProperty i) {
    return static_cast<std::size_t>(i);
}

// nu, a and Pr from eta, v, cp and lambda, each valid only when its inputs are.
void deriveFlowNumbers(Values& value, Statuses& status) {
    value[at(kNu)] = value[at(kEta)] * value[at(kV)];
    status[at(kNu)] =
        WaterSteamState::allValid(status[at(kEta)], status[at(kV)], 0) ? kOk : kDerivedInvalid;
    value[at(kA)] = value[at(kLambda)] * value[at(kV)] / value[at(kCp)] * 1000.0;
    status[at(kA)] = WaterSteamState::allValid(status[at(kLambda)], status[at(kV)], status[at(kCp)])
                         ? kOk
                         : kDerivedInvalid;
    value[at(kPr)] = value[at(kEta)] * value[at(kCp)] / value[at(kLambda)] / 1000.0;
    status[at(kPr)] =
        WaterSteamState::allValid(status[at(kEta)], status[at(kCp)], status[at(kLambda)])
            ? kOk
            : kDerivedInvalid;
}

void fillSaturatedRow(double p, const SaturatedFunctions& f, Values& value, Statuses& status) {
    auto set = [&](WaterSteamProperty i, double (*function)(double, int&)) {
        value[at(i)] = function(p, status[at(i)]);
    };
    set(kH, f.h);
    set(kV, f.v);
    value[at(kRho)] = 1.0 / value[at(kV)];
    status[at(kRho)] = status[at(kV)];
    set(kS, f.s);
    set(kCp, f.cp);
    set(kCv, f.cv);
    set(kW, f.w);
    set(kEta, f.eta);
    value[at(kEta)] *= 1.0e6;
    set(kLambda, f.lambda);
    set(kKappa, f.kappa);
    set(kBeta, f.beta);
    set(kChi, f.chi);
    deriveFlowNumbers(value, status);
}

void fillSinglePhaseRow(double p, double t, Values& value, Statuses& status) {
    auto set = [&](WaterSteamProperty i, double (*function)(double, double, int&)) {
        value[at(i)] = function(p, t, status[at(i)]);
    };
    set(kH, enthalpy);
    set(kV, specificVolume);
    value[at(kRho)] = 1.0 / value[at(kV)];
    status[at(kRho)] = status[at(kV)];
    set(kS, entropy);
    set(kCp, isobaricHeatCapacity);
    set(kCv, isochoricHeatCapacity);
    set(kW, soundVelocity);
    set(kEta, dynamicViscosity);
    value[at(kEta)] *= 1.0e6;
    set(kLambda, thermalConductivity);
    set(kKappa, isentropicExponent);
    set(kBeta, isobaricExpansion);
    set(kChi, isothermalCompressibility);
    deriveFlowNumbers(value, status);
}

template <typename T, std::size_t N>
T element(const std::array<T, N>& row, int i, T outside) {
    return i >= 0 && static_cast<std::size_t>(i) < N ? row[static_cast<std::size_t>(i)] : outside;
}

}  // namespace

WaterSteamState::WaterSteamState(int mode, double p, double t, double x) {
    reset();
    if (mode != kModeTX) {
        setPressure(p);
    }
    if (mode != kModePX) {
        setTemperature(t);
    }
    if (mode != kModePT) {
        setQuality(x);
    }
    setMode(mode);
}

void WaterSteamState::reset() {
    pressureGiven_ = false;
    temperatureGiven_ = false;
    qualityGiven_ = false;
    inputStatus_ = kInputNotValidated;
    pressure_ = NOT_SET;
    temperature_ = NOT_SET;
    quality_ = NOT_SET;
    state_.fill(NOT_SET);
    liquid_.fill(NOT_SET);
    vapor_.fill(NOT_SET);
    saturation_.fill(NOT_SET);
    stateStatus_.fill(kNotComputed);
    liquidStatus_.fill(kNotComputed);
    vaporStatus_.fill(kNotComputed);
    saturationStatus_.fill(kNotComputed);
}

void WaterSteamState::setPressure(double p) {
    pressure_ = p;
    pressureGiven_ = true;
}

void WaterSteamState::setTemperature(double t) {
    temperature_ = t;
    temperatureGiven_ = true;
}

void WaterSteamState::setQuality(double x) {
    quality_ = x;
    qualityGiven_ = true;
}

int WaterSteamState::validateInputs() const {
    if (mode_ != kModePT && mode_ != kModePX && mode_ != kModeTX) {
        return kInputBadMode;
    }
    const bool usesP = mode_ != kModeTX;
    const bool usesT = mode_ != kModePX;
    const bool usesX = mode_ != kModePT;
    if ((usesP && !pressureGiven_) || (usesT && !temperatureGiven_) || (usesX && !qualityGiven_)) {
        return kInputMissing;
    }
    // NaN passes every comparison below, so a non-finite input is refused first.
    if ((usesP && !std::isfinite(pressure_)) || (usesT && !std::isfinite(temperature_)) ||
        (usesX && !std::isfinite(quality_))) {
        return kInputError;
    }
    if (mode_ == kModePX && pressure_ > kCriticalPressure) {
        return kInputError;
    }
    if (mode_ == kModeTX && temperature_ + 273.15 > kCriticalTemperature) {
        return kInputError;
    }
    if (usesX && (quality_ > 1.0 || quality_ < 0.0)) {
        return kInputError;
    }
    if (pressure_ < kTriplePressure && mode_ != kModeTX) {
        return kInputOutOfRange;
    }
    if (temperature_ + 273.15 < kLowestTemperature && mode_ != kModePX) {
        return kInputOutOfRange;
    }
    if (mode_ != kModePT) {
        return kInputOk;
    }
    const int region = regionAt(pressure_, temperature_);
    if (region == kRegionNone) {
        return kInputOutOfRange;
    }
    return region == kRegion4 ? kInputOnSaturationLine : kInputOk;
}

void WaterSteamState::calculate() {
    inputStatus_ = validateInputs();
    if (inputStatus_ != kInputOk) {
        return;
    }
    int ignored = kOk;
    if (mode_ == kModeTX) {
        pressure_ = vaporPressure(temperature_, ignored);
    } else if (mode_ == kModePX) {
        temperature_ = boilingTemperature(pressure_, ignored);
    }
    fillSaturatedRow(pressure_, kLiquidFunctions, liquid_, liquidStatus_);
    fillSaturatedRow(pressure_, kVaporFunctions, vapor_, vaporStatus_);
    computeSaturationValues();
    if (mode_ == kModePT) {
        fillSinglePhaseRow(pressure_, temperature_, state_, stateStatus_);
    } else {
        computeTwoPhaseState();
    }
}

void WaterSteamState::computeSaturationValues() {
    if (mode_ == kModePX) {
        saturation_[kPs] = pressure_;
        saturationStatus_[kPs] = kOk;
    } else {
        saturation_[kPs] = vaporPressure(temperature_, saturationStatus_[kPs]);
    }
    if (mode_ == kModeTX) {
        saturation_[kTs] = temperature_;
        saturationStatus_[kTs] = kOk;
    } else {
        saturation_[kTs] = boilingTemperature(pressure_, saturationStatus_[kTs]);
    }
    saturation_[kSigma] = surfaceTension(saturation_[kTs], saturationStatus_[kSigma]) * 1000.0;
}

void WaterSteamState::computeTwoPhaseState() {
    const double x = quality_;
    auto mix = [&](WaterSteamProperty i) {
        state_[at(i)] = liquid_[at(i)] + x * (vapor_[at(i)] - liquid_[at(i)]);
        stateStatus_[at(i)] = kOk;
    };
    mix(kH);
    mix(kV);
    mix(kS);
    state_[kRho] = 1.0 / state_[kV];
    stateStatus_[kRho] = kOk;
    state_[kEta] = 1.0 / (x / vapor_[kEta] + (1.0 - x) / liquid_[kEta]);
    // At the triple-point pressure the liquid lies below 0 °C, outside the viscosity's range.
    stateStatus_[kEta] =
        allValid(liquidStatus_[kEta], vaporStatus_[kEta], kOk) ? kOk : kDerivedInvalid;
    state_[kNu] = state_[kEta] * state_[kV];
    stateStatus_[kNu] = allValid(stateStatus_[kEta], stateStatus_[kV], 0) ? kOk : kDerivedInvalid;
    if (x == 0.0) {
        state_ = liquid_;
        stateStatus_ = liquidStatus_;
    } else if (x == 1.0) {
        state_ = vapor_;
        stateStatus_ = vaporStatus_;
    }
}

double WaterSteamState::stateValue(int i) const {
    return element(state_, i, NOT_SET);
}
double WaterSteamState::liquidValue(int i) const {
    return element(liquid_, i, NOT_SET);
}
double WaterSteamState::vaporValue(int i) const {
    return element(vapor_, i, NOT_SET);
}
double WaterSteamState::saturationValue(int i) const {
    return element(saturation_, i, NOT_SET);
}
int WaterSteamState::stateStatus(int i) const {
    return element(stateStatus_, i, kNotComputed);
}
int WaterSteamState::liquidStatus(int i) const {
    return element(liquidStatus_, i, kNotComputed);
}
int WaterSteamState::vaporStatus(int i) const {
    return element(vaporStatus_, i, kNotComputed);
}
int WaterSteamState::saturationStatus(int i) const {
    return element(saturationStatus_, i, kNotComputed);
}

}  // namespace vaporis::water
