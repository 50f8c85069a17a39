#include "processes/thermal/gas_thermal_process.h"

#include <cstddef>

#include "engine/gas/component_data.h"
#include "engine/gas/condensation.h"
#include "engine/gas/mixture.h"
#include "engine/gas/status_codes.h"
#include "engine/water/saturation.h"
#include "processes/value_rows.h"

namespace vaporis::processes {
namespace {

using gas::GasAnalysis;
using gas::GasState;
using gas::isValidStatus;
using gas::kDensity;
using gas::kDewPoint;
using gas::kEnthalpy;
using gas::kEntropy;
using gas::kVolume;
using gas::kWaterVapor;

constexpr double kNormalTemperatureK = 273.15;

// The gas has a dew point and lies below it. -1.0 stands for "no dew point" (no water
// vapour, or a dew point below 0 °C) and never puts a state below it.
bool belowDewPoint(double dewPoint, double t) {
    return dewPoint != -1.0 && dewPoint > t;
}

// Water condensed from one kg of gas of H2O mass fraction w [-] when y [-] stays in the gas
// phase: the dry gas is conserved.
double condensate(double w, double y) {
    return 1.0 - (1.0 - w) / (1.0 - y);
}

InputKind kindOf(int slot) {
    if (slot >= GasThermalProcess::kIsentropicEta) {
        return InputKind::kEfficiency;
    }
    return slot == GasThermalProcess::kHeatLoss ? InputKind::kHeatLoss : InputKind::kFlow;
}

}  // namespace

GasThermalProcess::GasThermalProcess(GasState& initial, GasState& final)
    : initial_(initial), final_(final) {
    reset();
}

void GasThermalProcess::reset() {
    status_ = kNotComputed;
    type_ = kIsentropicEfficiency;
    lastFlowInput_ = kMassFlow;
    condensedAtEnd_ = false;
    condensedAfterHeatLoss_ = false;
    fluxGiven_ = false;
    heatLossOn_ = false;
    heatLossValid_ = false;
    results_.fill(NOT_SET);
    inputs_ = {NOT_SET, NOT_SET, NOT_SET, 3600.0, NOT_SET, 1.0, 1.0, 1.0};
    inputSet_ = {false, false, false, true, false, true, true, true};
    finalValues_.fill(NOT_SET);
}

void GasThermalProcess::setType(int type) {
    if (type == kConstantEnthalpy || type == kIsentropicEfficiency || type == kStateBalance) {
        type_ = type;
    }
}

void GasThermalProcess::restoreInputs(const Inputs& inputs) {
    type_ = inputs.type;
    lastFlowInput_ = inputs.lastFlowInput;
    inputs_ = inputs.values;
    inputSet_ = inputs.set;
    detail::showStoredFlows<3>(inputs_, results_);
}

bool GasThermalProcess::setInput(int slot, double value) {
    if (slot < 0 || slot >= kInputCount ||
        inputRefused(kindOf(slot), value, initial_.pressure(), final_.pressure())) {
        return false;
    }
    inputs_[static_cast<std::size_t>(slot)] = value;
    inputSet_[static_cast<std::size_t>(slot)] = true;
    if (slot <= kNormalVolumeFlow) {
        lastFlowInput_ = slot;
    }
    return true;
}

double GasThermalProcess::input(int slot) const {
    return detail::valueAt(inputs_, slot);
}
bool GasThermalProcess::inputSet(int slot) const {
    return detail::valueAt(inputSet_, slot, false);
}
double GasThermalProcess::result(int slot) const {
    return detail::valueAt(results_, slot);
}
double GasThermalProcess::finalProperty(int k) const {
    return detail::valueAt(finalValues_, k);
}

int GasThermalProcess::calculate(const MessageSink& messages) {
    condensedAfterHeatLoss_ = false;
    condensedAtEnd_ = false;
    fluxGiven_ = true;
    heatLossOn_ = true;
    heatLossValid_ = true;
    initial_.calculate();
    if (initial_.status() != gas::kOk) {
        return finish(initial_.status());
    }
    if (belowDewPoint(initial_.property(kDewPoint), initial_.temperature())) {
        return finish(kInitialBelowDewPoint);
    }
    const GasAnalysis& analysis = *initial_.analysis();
    IsentropicEnd isentropic;
    if (const int code = computeFinalState(analysis, isentropic); code != gas::kOk) {
        return finish(kFinalStateFailed + code);
    }
    computeFlow();
    heatLossOn_ = heatLossApplies(inputSet_[kHeatLoss], fluxGiven_, messages);
    if (type_ != kConstantEnthalpy && condensationPossible()) {
        if (const int code = correctForCondensation(analysis); code != gas::kOk) {
            return finish(kFinalStateFailed + code);
        }
    }
    computeDifferences(isentropic);
    if (heatLossOn_) {
        applyHeatLoss(analysis, messages);
    }
    computeExpansionAndPower();
    return finish(condensedAtEnd_ ? kCondensedInFinalState : kProcessOk);
}

// Throttling keeps the temperature of the ideal gas; a balance has the final state given.
int GasThermalProcess::computeFinalState(const GasAnalysis& analysis, IsentropicEnd& isentropic) {
    if (type_ == kConstantEnthalpy) {
        final_.setTemperature(initial_.temperature());
    } else if (type_ == kIsentropicEfficiency) {
        if (const int code = determineEndTemperature(analysis, isentropic); code != gas::kOk) {
            return code;
        }
    }
    final_.calculate();
    for (int k = 0; k < gas::kGasPropertyCount; ++k) {
        finalValues_[static_cast<std::size_t>(k)] = final_.property(k);
    }
    return final_.status();
}

// The end temperature of an expansion or compression, written into the final state. Every
// step is checked: a failed inverse would otherwise pass -1 on as a temperature.
int GasThermalProcess::determineEndTemperature(const GasAnalysis& analysis,
                                               IsentropicEnd& isentropic) {
    const double p1 = initial_.pressure();
    const double p2 = final_.pressure();
    const double h1 = initial_.property(kEnthalpy);
    double water = 0.0;
    double condensation = 0.0;
    int code = gas::kOk;
    isentropic.t2s = gas::temperatureFromEntropy(analysis, p2, initial_.property(kEntropy), water,
                                                 condensation, code);
    if (isValidStatus(code)) {
        isentropic.h2s =
            gas::enthalpyWithCondensation(analysis, p2, isentropic.t2s, water, condensation, code);
    }
    if (!isValidStatus(code)) {
        return code;
    }
    const double h2 = realEndEnthalpy(h1, isentropic.h2s, inputs_[kIsentropicEta], p1, p2);
    const double t2 = gas::temperatureFromEnthalpy(analysis, p2, h2, water, condensation, code);
    if (!isValidStatus(code)) {
        return code;
    }
    final_.setTemperature(t2);
    return gas::kOk;
}

// Water condenses only below the critical point of water and below the dew point.
bool GasThermalProcess::condensationPossible() const {
    const double t2 = final_.temperature();
    return final_.pressure() < kCriticalPressure &&
           t2 + kNormalTemperatureK < kCriticalTemperatureK &&
           belowDewPoint(final_.property(kDewPoint), t2);
}

// h and s of gas plus condensate; the condensed water leaves the gas volume and takes the
// volume of saturated liquid.
int GasThermalProcess::correctForCondensation(const GasAnalysis& analysis) {
    const double p2 = final_.pressure();
    const double t2 = final_.temperature();
    const double w = analysis.massFraction(kWaterVapor);
    double y = w;
    double condensationEnthalpy = 0.0;
    int code = gas::kOk;
    const double h2 =
        gas::enthalpyWithCondensation(analysis, p2, t2, y, condensationEnthalpy, code);
    double unusedWater = w;
    double unusedEntropy = 0.0;
    const double s2 = isValidStatus(code) ? gas::entropyWithCondensation(
                                                analysis, p2, t2, unusedWater, unusedEntropy, code)
                                          : NOT_SET;
    if (!isValidStatus(code)) {
        return code;
    }
    condensedAtEnd_ = true;
    const double condensed = condensate(w, y);
    results_[kCondensate] = condensed;
    if (fluxGiven_) {
        results_[kCondensateFlow] = condensed * inputs_[kMassFlow];
    }
    if (type_ == kStateBalance) {
        results_[kCondensationHeat] = -condensationEnthalpy;
    }
    // Both volumes are valid here: p2 is positive and below the critical pressure.
    int ignored = gas::kOk;
    const double vSteam = gas::componentVolume(p2, t2, kWaterVapor, ignored);
    const double vLiquid = water::specificVolumeSatLiquid(p2, ignored);
    const double v2 = finalValues_[kVolume] - (vSteam - vLiquid) * condensed;
    finalValues_[kEnthalpy] = h2;
    finalValues_[kEntropy] = s2;
    finalValues_[kVolume] = v2;
    finalValues_[kDensity] = 1.0 / v2;
    return gas::kOk;
}

void GasThermalProcess::computeFlow() {
    if (!inputSet_[kMassFlow] && !inputSet_[kVolumeFlow] && !inputSet_[kNormalVolumeFlow]) {
        fluxGiven_ = false;
        return;
    }
    const double v1 = initial_.property(kVolume);
    const double rhoN1 = initial_.property(gas::kNormalDensity);
    double& m = inputs_[kMassFlow];
    if (lastFlowInput_ == kVolumeFlow) {
        m = inputs_[kVolumeFlow] / v1;
    } else if (lastFlowInput_ == kNormalVolumeFlow) {
        m = rhoN1 * inputs_[kNormalVolumeFlow];
    }
    if (lastFlowInput_ != kVolumeFlow) {
        inputs_[kVolumeFlow] = v1 * m;
    }
    if (lastFlowInput_ != kNormalVolumeFlow) {
        inputs_[kNormalVolumeFlow] = m / rhoN1;
    }
    for (const int slot : {kMassFlow, kVolumeFlow, kNormalVolumeFlow}) {
        results_[static_cast<std::size_t>(slot)] =
            inputs_[static_cast<std::size_t>(slot)] * inputs_[kTimeFactor];
    }
}

void GasThermalProcess::computeDifferences(const IsentropicEnd& isentropic) {
    const double h1 = initial_.property(kEnthalpy);
    results_[kEntropyChange] = finalValues_[kEntropy] - initial_.property(kEntropy);
    if (type_ == kConstantEnthalpy) {
        results_[kIsentropicChange] = 0.0;
        results_[kEnthalpyChange] = 0.0;
        return;
    }
    results_[kEnthalpyChange] = zeroIfNegligible(finalValues_[kEnthalpy] - h1);
    if (type_ == kIsentropicEfficiency) {
        results_[kIsentropicChange] = isentropic.h2s - h1;
        results_[kIsentropicTemperature] = isentropic.t2s;
    }
}

void GasThermalProcess::applyHeatLoss(const GasAnalysis& analysis, const MessageSink& messages) {
    const double q = inputs_[kHeatLoss] / inputs_[kMassFlow];
    const double w = analysis.massFraction(kWaterVapor);
    results_[kEnthalpyAfterLoss] = finalValues_[kEnthalpy] - q;
    double y = w;
    double unusedEnthalpy = 0.0;
    int code = gas::kOk;
    const double t = gas::temperatureFromEnthalpy(
        analysis, final_.pressure(), results_[kEnthalpyAfterLoss], y, unusedEnthalpy, code);
    if (!isValidStatus(code)) {
        // an enthalpy outside the range is no state: nothing after the loss is a result
        heatLossValid_ = false;
        results_[kEnthalpyAfterLoss] = NOT_SET;
        if (q > 0.0) {
            messages(kMessageHeatLossTooHigh);
        } else {
            messages(kMessageHeatGainTooHigh, analysis.maxTemperature());
        }
        return;
    }
    results_[kTemperatureAfterLoss] = t;
    if (code == gas::kCondensation) {
        condensedAfterHeatLoss_ = true;
        results_[kCondensateAfterLoss] = condensate(w, y);
        results_[kCondensateFlowAfterLoss] = results_[kCondensateAfterLoss] * inputs_[kMassFlow];
    }
}

void GasThermalProcess::computeExpansionAndPower() {
    results_[kExpansion] = (finalValues_[kVolume] / initial_.property(kVolume) - 1.0) * 100.0;
    results_[kMassDischarge] =
        finalValues_[kDensity] * results_[kExpansion] / initial_.property(kDensity);
    if (fluxGiven_) {
        results_[kPower] =
            processPower(results_[kEnthalpyChange], inputs_[kMassFlow], inputs_[kMechanicalEta],
                         inputs_[kGeneratorEta], initial_.pressure(), final_.pressure());
    }
    results_[kEntropyChange] = zeroIfNegligible(results_[kEntropyChange]);
    results_[kPower] = zeroIfNegligible(results_[kPower]);
}

int GasThermalProcess::finish(int status) {
    const bool valid = status == kProcessOk || status == kCondensedInFinalState;
    status_ = valid && !detail::allFinite(results_) ? kInputsOverflow : status;
    return status_;
}

}  // namespace vaporis::processes
