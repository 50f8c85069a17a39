#include "processes/thermal/steam_thermal_process.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "processes/status_codes.h"
#include "processes/value_rows.h"

namespace vaporis::processes {
namespace {

using water::kH;
using water::kRho;
using water::kS;
using water::kTwoPhase;
using water::kV;
using water::WaterSteamState;

// Above this pressure [bar] the backward equations end at 800 °C instead of 2000 °C.
constexpr double kHighPressure = 100.0;
constexpr double kLimitAboveHighPressure = 800.0;
constexpr double kLimitUpToHighPressure = 2000.0;

// The end point's code that makes the status ThermalProcessStatus::kEndEnthalpyOutOfRange.
constexpr int kEndEnthalpyOutOfRange = codeOf(ThermalProcessStatus::kEndEnthalpyOutOfRange) -
                                       codeOf(ThermalProcessStatus::kFinalStateFailed);

// The final temperature of an expansion or compression lies outside the backward range.
bool endEnthalpyOutOfRange(int code) {
    return code == water::kPressureAbove1000 || code == water::kEnthalpyAbove2000 ||
           code == water::kEnthalpyAbove800 || code == water::kBelowTripleTemperature;
}

}  // namespace

// A state given by its saturation temperature has no pressure of its own until it is computed.
double knownPressure(const WaterSteamState& state) {
    if (state.mode() != water::kModeTX) {
        return state.pressure();
    }
    int status = water::kOk;
    const double p = water::vaporPressure(state.temperature(), status);
    return status == water::kOk ? p : std::numeric_limits<double>::quiet_NaN();
}

int SteamThermalProcess::calculate(const MessageSink& messages) {
    beginCalculation();
    initial_.calculate();
    if (initial_.inputStatus() != water::kInputOk) {
        return finish(initial_.inputStatus());
    }
    EndPoint end;
    if (type_ != kStateBalance) {
        end = determineEndPoint();
        if (end.code != water::kOk && end.code != kTwoPhase) {
            return finish(finalStateFailed(end.code));
        }
        writeEndPoint(end);
    }
    if (const int code = computeFinalState(); code != water::kInputOk) {
        return finish(finalStateFailed(code));
    }
    computeFlow();
    heatLossOn_ = heatLossApplies(inputSet_[kHeatLoss], fluxGiven_, messages);
    computeDifferences(final_.stateValue(kH), final_.stateValue(kS), end.h2s);
    // The forward and backward calls leave a remainder that is no entropy production.
    if (type_ == kIsentropicEfficiency && inputs_[kIsentropicEta] == 1.0) {
        results_[kEntropyChange] = 0.0;
    }
    if (heatLossOn_) {
        applyHeatLoss(messages);
    }
    computeExpansionAndPower(final_.stateValue(kV), final_.stateValue(kRho));
    return finishComputed(kOk);
}

SteamThermalProcess::EndPoint SteamThermalProcess::determineEndPoint() const {
    const double p2 = final_.pressure();
    const double h1 = initial_.stateValue(kH);
    if (type_ == kConstantEnthalpy) {
        EndPoint end;
        end.value = water::temperatureFromPH(p2, h1, end.code);
        return end;
    }
    EndPoint end = isentropicEndPoint();
    if (end.code != water::kOk) {
        return end;
    }
    const double h2 =
        realEndEnthalpy(h1, end.h2s, inputs_[kIsentropicEta], initial_.pressure(), p2);
    end.value = water::temperatureFromPH(p2, h2, end.code);
    if (endEnthalpyOutOfRange(end.code)) {
        end.code = kEndEnthalpyOutOfRange;
    }
    return end;
}

// The isentropic end point; h2s carries its enthalpy when the code is kOk.
SteamThermalProcess::EndPoint SteamThermalProcess::isentropicEndPoint() const {
    const double p2 = final_.pressure();
    EndPoint end;
    const double t2s =
        water::isentropicEndTemperature(initial_.pressure(), initial_.stateValue(kH), p2, end.code);
    if (end.code == kTwoPhase) {
        end.h2s = water::enthalpyFromPX(p2, t2s);
        end.code = water::kOk;
    } else if (end.code == water::kOk) {
        end.h2s = water::enthalpy(p2, t2s, end.code);
    }
    return end;
}

// The pressure stays the one entered; a two-phase end is given by its quality.
void SteamThermalProcess::writeEndPoint(const EndPoint& end) {
    if (end.code == kTwoPhase) {
        final_.setQuality(end.value);
        final_.setMode(water::kModePX);
    } else {
        final_.setTemperature(end.value);
        final_.setMode(water::kModePT);
    }
}

// A temperature that falls on the boiling line makes the final state saturated liquid or
// vapour, by the side the computed temperature lies on; in a balance the user gave it.
int SteamThermalProcess::computeFinalState() {
    final_.calculate();
    const int code = final_.inputStatus();
    if (code != water::kInputOnSaturationLine || type_ == kStateBalance) {
        return code;
    }
    const double ts = water::saturationTemperature(final_.pressure());
    final_.setQuality(ts > final_.temperature() ? 0.0 : 1.0);
    final_.setMode(water::kModePX);
    final_.calculate();
    return water::kInputOk;
}

void SteamThermalProcess::computeFlow() {
    const double v1 = initial_.stateValue(kV);
    if (inputSet_[kMassFlow]) {
        inputs_[kVolumeFlow] = v1 * inputs_[kMassFlow];
    } else if (inputSet_[kVolumeFlow]) {
        inputs_[kMassFlow] = inputs_[kVolumeFlow] / v1;
    } else {
        fluxGiven_ = false;
        return;
    }
    inputSet_[kMassFlow] = true;
    inputSet_[kVolumeFlow] = true;
    showFlows();
}

void SteamThermalProcess::applyHeatLoss(const MessageSink& messages) {
    const double p2 = final_.pressure();
    const double q = inputs_[kHeatLoss] / inputs_[kMassFlow];
    results_[kEnthalpyAfterLoss] = final_.stateValue(kH) - q;
    int code = water::kOk;
    const double value = water::temperatureFromPH(p2, results_[kEnthalpyAfterLoss], code);
    results_[kTemperatureAfterLoss] = value;
    if (code == kTwoPhase) {
        results_[kQualityAfterLoss] = value;
        results_[kTemperatureAfterLoss] = final_.saturationValue(water::kTs);
    } else if (code != water::kOk) {
        // an enthalpy outside the range is no state: nothing after the loss is a result
        heatLossValid_ = false;
        results_[kEnthalpyAfterLoss] = NOT_SET;
        results_[kTemperatureAfterLoss] = NOT_SET;
        if (code == water::kBelowTripleTemperature) {
            messages(kMessageHeatLossTooHigh);
        } else {
            messages(kMessageHeatGainTooHigh,
                     p2 > kHighPressure ? kLimitAboveHighPressure : kLimitUpToHighPressure);
        }
    }
}

}  // namespace vaporis::processes
