#include "engine/water/water_steam_state.h"

#include <cmath>
#include <cstddef>

#include "engine/common/physical_constants.h"
#include "engine/file/binary_io.h"
#include "engine/water/if97_regions.h"
#include "engine/water/property_set.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "engine/water/transport.h"

namespace vaporis::water {
namespace {

constexpr double kTransportOffset = 0.0011;  // K, outside the 0.001 K band of region 4

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

void put(Values& value, Statuses& status, WaterSteamProperty i, double x, int code) {
    value[at(i)] = x;
    status[at(i)] = code;
}

// h, v, rho, s, cp, cv, w and the isentropic exponent from one caloric set.
void putCaloric(double p, const PropertySet& set, int code, Values& value, Statuses& status) {
    put(value, status, kH, set.h, code);
    put(value, status, kV, set.v, code);
    put(value, status, kRho, 1.0 / set.v, code);
    put(value, status, kS, set.s, code);
    put(value, status, kCp, set.cp, code);
    put(value, status, kCv, set.cv, code);
    put(value, status, kW, set.w, code);
    put(value, status, kKappa, code == kOk ? set.w * set.w / (p * set.v * 1.0e5) : -1.0, code);
}

// The same from the saturated-state functions, which find each phase's own density in region 3.
void putSaturatedCaloric(double p, bool liquid, Values& value, Statuses& status) {
    auto call = [&](WaterSteamProperty i, double (*liquidAt)(double, int&),
                    double (*vaporAt)(double, int&)) {
        value[at(i)] = (liquid ? liquidAt : vaporAt)(p, status[at(i)]);
    };
    call(kH, enthalpySatLiquid, enthalpySatVapor);
    call(kV, specificVolumeSatLiquid, specificVolumeSatVapor);
    put(value, status, kRho, 1.0 / value[at(kV)], status[at(kV)]);
    call(kS, entropySatLiquid, entropySatVapor);
    call(kCp, isobaricHeatCapacitySatLiquid, isobaricHeatCapacitySatVapor);
    call(kCv, isochoricHeatCapacitySatLiquid, isochoricHeatCapacitySatVapor);
    call(kW, soundVelocitySatLiquid, soundVelocitySatVapor);
    call(kKappa, isentropicExponentSatLiquid, isentropicExponentSatVapor);
}

// eta, lambda, beta, chi, then nu, a and Pr from all of them.
void putTransport(const TransportPair& transport, const PropertySet& slopes, int slopesStatus,
                  Values& value, Statuses& status) {
    put(value, status, kEta, transport.etaPaS * 1.0e6, transport.etaStatus);
    put(value, status, kLambda, transport.lambda, transport.lambdaStatus);
    put(value, status, kBeta, slopes.beta, slopesStatus);
    put(value, status, kChi, slopes.chi, slopesStatus);
    deriveFlowNumbers(value, status);
}

// Saturated liquid or vapour at p. Up to 165.29 bar the caloric values lie on regions 1 and 2
// exactly at ts, so one set gives them all; above, the saturated-state functions give them.
// Expansion and compressibility are taken on region 3 just off the line from 165.29 bar up,
// viscosity and conductivity 0.0011 K off the line.
void fillSaturatedRow(double p, bool liquid, Values& value, Statuses& status) {
    const int pressureStatus = detail::saturatedPressureStatus(p);
    if (pressureStatus != kOk) {
        putCaloric(p, PropertySet{}, pressureStatus, value, status);
        putTransport({-1.0, pressureStatus, -1.0, pressureStatus}, PropertySet{}, pressureStatus,
                     value, status);
        return;
    }
    const double ts = saturationTemperature(p);
    int setStatus = kOk;
    PropertySet set;
    if (p > detail::kRegion3Switch) {
        putSaturatedCaloric(p, liquid, value, status);
    } else {
        set = propertySet(p, ts, liquid ? kRegion1 : kRegion2, setStatus);
        putCaloric(p, set, setStatus, value, status);
    }
    if (p >= detail::kRegion3Switch) {
        const double offLine = liquid ? ts - detail::kRegion3Offset : ts + detail::kRegion3Offset;
        set = propertySet(p, offLine, kRegion3, setStatus);
    }
    const double tTransport = liquid ? ts - kTransportOffset : ts + kTransportOffset;
    putTransport(viscosityAndConductivity(p, tTransport), set, setStatus, value, status);
}

void fillSinglePhaseRow(double p, double t, Values& value, Statuses& status) {
    int setStatus = kOk;
    const PropertySet set = propertySet(p, t, kRegionNone, setStatus);
    putCaloric(p, set, setStatus, value, status);
    // the single-phase exponent w² / (p v) multiplies in this order
    value[at(kKappa)] = setStatus == kOk ? set.w * set.w / (p * 1.0e5 * set.v) : -1.0;
    putTransport(viscosityAndConductivity(p, t), set, setStatus, value, status);
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

WaterSteamInputs WaterSteamState::inputs() const {
    return {mode_,     pressureGiven_, temperatureGiven_, qualityGiven_,
            pressure_, temperature_,   quality_};
}

void WaterSteamState::restoreInputs(const WaterSteamInputs& inputs) {
    mode_ = inputs.mode;
    pressureGiven_ = inputs.pressureGiven;
    temperatureGiven_ = inputs.temperatureGiven;
    qualityGiven_ = inputs.qualityGiven;
    pressure_ = inputs.p;
    temperature_ = inputs.t;
    quality_ = inputs.x;
}

void writeBlock(const WaterSteamInputs& inputs, file::BinaryWriter& out) {
    out.i32(inputs.mode);
    out.flag(inputs.pressureGiven);
    out.flag(inputs.temperatureGiven);
    out.flag(inputs.qualityGiven);
    out.f64(inputs.p);
    out.f64(inputs.t);
    out.f64(inputs.x);
}

void readBlock(file::BinaryReader& in, WaterSteamInputs& inputs) {
    inputs.mode = in.i32();
    if (inputs.mode != kModePT && inputs.mode != kModePX && inputs.mode != kModeTX) {
        in.fail();
    }
    inputs.pressureGiven = in.flag();
    inputs.temperatureGiven = in.flag();
    inputs.qualityGiven = in.flag();
    inputs.p = in.finiteF64();
    inputs.t = in.finiteF64();
    inputs.x = in.finiteF64();
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
    if (mode_ == kModeTX && temperature_ + kZeroCelsiusK > kCriticalTemperatureK) {
        return kInputError;
    }
    if (usesX && (quality_ > 1.0 || quality_ < 0.0)) {
        return kInputError;
    }
    if (pressure_ < kTriplePressure && mode_ != kModeTX) {
        return kInputOutOfRange;
    }
    if (temperature_ + kZeroCelsiusK < kLowestWaterTemperatureK && mode_ != kModePX) {
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
    fillSaturatedRow(pressure_, true, liquid_, liquidStatus_);
    fillSaturatedRow(pressure_, false, vapor_, vaporStatus_);
    computeSaturationValues();
    if (mode_ == kModePT) {
        fillSinglePhaseRow(pressure_, temperature_, state_, stateStatus_);
    } else {
        computeTwoPhaseState();
    }
}

void WaterSteamState::calculateState() {
    if (mode_ != kModePT) {
        calculate();
        return;
    }
    inputStatus_ = validateInputs();
    if (inputStatus_ == kInputOk) {
        fillSinglePhaseRow(pressure_, temperature_, state_, stateStatus_);
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
    saturation_[kSigma] = surfaceTensionNPerM(saturation_[kTs], saturationStatus_[kSigma]) * 1000.0;
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
