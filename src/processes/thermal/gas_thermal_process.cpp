#include "processes/thermal/gas_thermal_process.h"

#include <cstddef>

#include "engine/gas/component_data.h"
#include "engine/gas/condensation.h"
#include "engine/gas/mixture.h"
#include "engine/gas/status_codes.h"
#include "engine/water/saturation.h"
#include "processes/status_codes.h"
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

}  // namespace

void GasThermalProcess::reset() {
    resetCore();
    condensedAtEnd_ = false;
    condensedAfterHeatLoss_ = false;
    finalValues_.fill(NOT_SET);
}

double GasThermalProcess::finalProperty(int k) const {
    return detail::valueAt(finalValues_, k);
}

int GasThermalProcess::calculate(const MessageSink& messages) {
    condensedAfterHeatLoss_ = false;
    condensedAtEnd_ = false;
    beginCalculation();
    initial_.calculate();
    if (initial_.status() != gas::kOk) {
        return finish(initial_.status());
    }
    if (belowDewPoint(initial_.property(kDewPoint), initial_.temperature())) {
        return finish(codeOf(ThermalProcessStatus::kInitialBelowDewPoint));
    }
    const GasAnalysis& analysis = *initial_.analysis();
    IsentropicEnd isentropic;
    if (const int code = computeFinalState(analysis, isentropic); code != gas::kOk) {
        return finish(finalStateFailed(code));
    }
    computeFlow();
    heatLossOn_ = heatLossApplies(inputSet_[kHeatLoss], fluxGiven_, messages);
    if (type_ != kConstantEnthalpy && condensationPossible()) {
        if (const int code = correctForCondensation(analysis); code != gas::kOk) {
            return finish(finalStateFailed(code));
        }
    }
    computeDifferences(finalValues_[kEnthalpy], finalValues_[kEntropy], isentropic.h2s);
    if (type_ == kIsentropicEfficiency) {
        results_[kIsentropicTemperature] = isentropic.t2s;
    }
    if (heatLossOn_) {
        applyHeatLoss(analysis, messages);
    }
    computeExpansionAndPower(finalValues_[kVolume], finalValues_[kDensity]);
    return finishComputed(condensedAtEnd_ ? codeOf(ThermalProcessStatus::kCondensedInFinalState)
                                          : kOk);
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
    showFlows();
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

}  // namespace vaporis::processes
