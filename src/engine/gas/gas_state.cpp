#include "engine/gas/gas_state.h"

#include <algorithm>
#include <cmath>

#include "engine/common/not_set.h"
#include "engine/common/physical_constants.h"
#include "engine/file/binary_io.h"
#include "engine/gas/condensation.h"
#include "engine/gas/mixture.h"
#include "engine/water/saturation.h"

namespace vaporis::gas {
namespace {

// Share of oxygen in dry air by volume: the air demand is the O2 demand over it.
constexpr double kOxygenInAir = 0.20948;

}  // namespace

GasState::GasState(const GasAnalysis& analysis, double p, double t) : analysis_(&analysis) {
    reset();
    setPressure(p);
    setTemperature(t);
}

void GasState::reset() {
    pressureSet_ = false;
    temperatureSet_ = false;
    enthalpySet_ = false;
    property_ = detail::unsetProperties();
    status_ = kNotCalculated;
}

void GasState::setPressure(double p) {
    p_ = p;
    pressureSet_ = true;
}

void GasState::setTemperature(double t) {
    t_ = t;
    temperatureSet_ = true;
}

void GasState::setEnthalpy(double h) {
    hIn_ = h;
    enthalpySet_ = true;
}

GasStateInputs GasState::inputs() const {
    return {pressureSet_, temperatureSet_, enthalpySet_, p_, t_, hIn_};
}

void GasState::restoreInputs(const GasStateInputs& inputs) {
    pressureSet_ = inputs.pressureSet;
    temperatureSet_ = inputs.temperatureSet;
    enthalpySet_ = inputs.enthalpySet;
    p_ = inputs.p;
    t_ = inputs.t;
    hIn_ = inputs.h;
}

void writeBlock(const GasStateInputs& inputs, file::BinaryWriter& out) {
    out.flag(inputs.pressureSet);
    out.flag(inputs.temperatureSet);
    out.flag(inputs.enthalpySet);
    out.f64(inputs.p);
    out.f64(inputs.t);
    out.f64(inputs.h);
}

void readBlock(file::BinaryReader& in, GasStateInputs& inputs) {
    inputs.pressureSet = in.flag();
    inputs.temperatureSet = in.flag();
    inputs.enthalpySet = in.flag();
    inputs.p = in.finiteF64();
    inputs.t = in.finiteF64();
    inputs.h = in.finiteF64();
}

double GasState::property(int k) const {
    return k >= 0 && k < kGasPropertyCount ? property_[k] : NOT_SET;
}

// The temperature from the given enthalpy, then the same checks as a given temperature gets:
// a negative pressure or helium above 2044 K must not pass because t was computed.
int GasState::solveTemperature() {
    double unusedWater = 0.0;
    double unusedCondensation = 0.0;
    int status = kOk;
    t_ = temperatureFromEnthalpy(*analysis_, p_, hIn_, unusedWater, unusedCondensation, status);
    if (!isValidStatus(status)) {
        return status;
    }
    const int stateStatus = checkGasState(*analysis_, p_, t_);
    return stateStatus == kOk ? status : stateStatus;
}

void GasState::calculate() {
    // An analysis without components is no gas: its sums would give zero volume and cp.
    if (analysis_ == nullptr || analysis_->singleComponent() == -2 || !pressureSet_ ||
        !(temperatureSet_ || enthalpySet_)) {
        status_ = kStateIncomplete;
        return;
    }
    const int s0 = temperatureSet_ ? checkGasState(*analysis_, p_, t_) : solveTemperature();
    if (!isValidStatus(s0) && s0 != kHeliumAbove2044K) {
        status_ = s0;
        return;
    }
    computeThermalProperties(*analysis_);
    if (s0 != kHeliumAbove2044K) {
        computeTransportProperties(*analysis_);
    }
    // A pressure so near 0 that v = R T / p overflows has no state to show.
    const bool finite = std::all_of(property_.begin(), property_.end(),
                                    [](double value) { return std::isfinite(value); });
    status_ = finite && property_[kVolume] > 0.0 ? s0 : kOutOfRange;
}

// The individual statuses are not kept: checkGasState has accepted p and t, so every
// function below is within its range.
void GasState::computeThermalProperties(const GasAnalysis& analysis) {
    int status = kOk;
    property_[kDewPoint] = p_ <= kCriticalPressure ? dewPoint(analysis, p_) : -1.0;
    // IF97's saturation-pressure equation holds from 0 °C to the critical point.
    const bool supersaturated =
        property_[kDewPoint] > t_ && t_ + kZeroCelsiusK <= kCriticalTemperatureK;
    property_[kMaxWaterContent] = supersaturated ? water::saturationPressure(t_) / p_ : 1.0;
    if (temperatureSet_) {
        hIn_ = mixtureEnthalpy(analysis, t_, status);
    }
    property_[kEnthalpy] = hIn_;
    property_[kVolume] = mixtureVolume(analysis, p_, t_, status);
    property_[kDensity] = 1.0 / property_[kVolume];
    property_[kNormalDensity] = 1.0 / analysis.normalVolume();
    property_[kEntropy] = mixtureEntropy(analysis, p_, t_, status);
    property_[kCp] = mixtureCp(analysis, t_, status);
    property_[kCpm] =
        t_ != 0.0 ? (hIn_ - mixtureEnthalpy(analysis, 0.0, status)) / t_ : property_[kCp];
    property_[kCv] = property_[kCp] - analysis.gasConstantJ() / 1000.0;
    property_[kSonicVelocity] = mixtureSonicVelocity(analysis, t_, status);
    property_[kKappa] = mixtureKappa(analysis, t_, status);
    property_[kExpansion] = 1.0 / (t_ + kZeroCelsiusK);
    property_[kCompressibility] = 1.0 / p_;
    property_[kTotalEnthalpy] = mixtureTotalEnthalpy(analysis, t_, status);
    property_[kFormationEnthalpy] = mixtureFormationEnthalpy(analysis, status);
    property_[kOxygenDemand] = oxygenDemand(analysis);
    property_[kAirDemand] = property_[kOxygenDemand] / kOxygenInAir;
    property_[kUpperHeatingValue] = upperHeatingValue(analysis);
    property_[kLowerHeatingValue] = lowerHeatingValue(analysis);
}

void GasState::computeTransportProperties(const GasAnalysis& analysis) {
    int status = kOk;
    property_[kViscosity] = mixtureViscosityPaS(analysis, t_, status) * 1e6;
    property_[kKinematicViscosity] = property_[kViscosity] * property_[kVolume];
    property_[kConductivity] = mixtureConductivity(analysis, t_, status);
    property_[kDiffusivity] =
        property_[kConductivity] * property_[kVolume] / property_[kCp] * 1000.0;
    property_[kPrandtl] =
        property_[kViscosity] * property_[kCp] / property_[kConductivity] / 1000.0;
}

}  // namespace vaporis::gas
