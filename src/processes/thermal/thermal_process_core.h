#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/common/not_set.h"
#include "processes/status_codes.h"
#include "processes/thermal/process_inputs.h"
#include "processes/thermal/thermal_process.h"
#include "processes/value_rows.h"

namespace vaporis::processes {

//! What a thermal process of either medium keeps, and the steps both media take alike. Medium
//! is a traits struct: its State; its Input slots kMassFlow, kVolumeFlow (the flows come
//! first), kTimeFactor, kHeatLoss, kIsentropicEta, kMechanicalEta, kGeneratorEta; kInputCount,
//! kResultCount and kShownFlows (the result slot of each flow input); and of a State
//! knownPressure [bar] (NaN where not yet known), h [kJ/kg], s [kJ/(kg K)], v [m³/kg] and
//! rho [kg/m³]. The process works on two states it does not own; they must outlive it.
template <typename Medium>
class ThermalProcessCore {
public:
    using State = typename Medium::State;
    static constexpr int kInputCount = Medium::kInputCount;
    static constexpr int kResultCount = Medium::kResultCount;
    static constexpr auto kShownFlows = Medium::kShownFlows;
    //! What a project file keeps: type, last flow, inputs and their set-flags.
    using Inputs = ThermalProcessInputs<kInputCount, static_cast<std::uint8_t>(kShownFlows.size())>;

    //! ThermalProcessType; another value is ignored.
    void setType(int type) {
        if (type == kConstantEnthalpy || type == kIsentropicEfficiency || type == kStateBalance) {
            type_ = type;
        }
    }
    //! Stores value into Input slot and marks it set; false when it is refused (efficiency,
    //! see inputRefused; flow or time factor not positive; non-finite; unknown slot).
    [[nodiscard]] bool setInput(int slot, double value);
    //! Takes stored inputs and shows the stored flows in the display unit; other results and
    //! the status stay until calculate.
    void restoreInputs(const Inputs& inputs) {
        type_ = inputs.type;
        lastFlowInput_ = inputs.lastFlowInput;
        inputs_ = inputs.values;
        inputSet_ = inputs.set;
        detail::showStoredFlows(inputs_, Medium::kTimeFactor, kShownFlows, results_);
    }

    [[nodiscard]] int type() const { return type_; }
    [[nodiscard]] int status() const { return status_; }
    [[nodiscard]] int lastFlowInput() const { return lastFlowInput_; }
    [[nodiscard]] Inputs inputs() const { return {type_, lastFlowInput_, inputs_, inputSet_}; }
    //! Input or result slot; NOT_SET for an unknown slot.
    [[nodiscard]] double input(int slot) const { return detail::valueAt(inputs_, slot); }
    [[nodiscard]] bool inputSet(int slot) const { return detail::valueAt(inputSet_, slot, false); }
    [[nodiscard]] double result(int slot) const { return detail::valueAt(results_, slot); }
    [[nodiscard]] bool fluxGiven() const { return fluxGiven_; }
    [[nodiscard]] bool heatLossOn() const { return heatLossOn_; }
    [[nodiscard]] bool heatLossValid() const { return heatLossValid_; }
    [[nodiscard]] const State& initialState() const { return initial_; }
    [[nodiscard]] const State& finalState() const { return final_; }

protected:
    ThermalProcessCore(State& initial, State& final) : initial_(initial), final_(final) {
        resetCore();
    }

    //! Status 999, type kIsentropicEfficiency, no results, inputs as at start.
    void resetCore();
    //! Before a calculation: flow and heat loss count until the calculation finds otherwise.
    void beginCalculation() {
        fluxGiven_ = true;
        heatLossOn_ = true;
        heatLossValid_ = true;
    }
    //! Each flow times the time factor becomes its shown result.
    void showFlows() {
        for (std::size_t i = 0; i < kShownFlows.size(); ++i) {
            results_[static_cast<std::size_t>(kShownFlows[i])] =
                inputs_[i] * inputs_[Medium::kTimeFactor];
        }
    }
    //! The enthalpy and entropy differences to the final h2 [kJ/kg] and s2 [kJ/(kg K)], with
    //! the isentropic end enthalpy h2s [kJ/kg].
    void computeDifferences(double h2, double s2, double h2s);
    //! Expansion and mass discharge to the final v2 [m³/kg] and rho2 [kg/m³], and the power.
    void computeExpansionAndPower(double v2, double rho2);
    //! Keeps and returns a failure's status.
    int finish(int status) {
        status_ = status;
        return status_;
    }
    //! Keeps and returns the status of a calculation that gave results, or kInputsOverflow
    //! when one of them is not finite.
    int finishComputed(int status) {
        return finish(detail::allFinite(results_) ? status
                                                  : codeOf(ThermalProcessStatus::kInputsOverflow));
    }

    State& initial_;
    State& final_;
    int type_ = kIsentropicEfficiency;
    int status_ = kNotComputed;
    int lastFlowInput_ = Medium::kMassFlow;
    std::array<double, kResultCount> results_{};
    std::array<double, kInputCount> inputs_{};
    std::array<bool, kInputCount> inputSet_{};
    bool fluxGiven_ = false;
    bool heatLossOn_ = false;
    bool heatLossValid_ = false;
};

template <typename Medium>
bool ThermalProcessCore<Medium>::setInput(int slot, double value) {
    if (slot < 0 || slot >= kInputCount) {
        return false;
    }
    InputKind kind = InputKind::kFlow;
    if (slot >= Medium::kIsentropicEta) {
        kind = InputKind::kEfficiency;
    } else if (slot == Medium::kHeatLoss) {
        kind = InputKind::kHeatLoss;
    }
    // only a balance takes the final state as given; the other types take its pressure
    const double p2 = type_ == kStateBalance ? Medium::knownPressure(final_) : final_.pressure();
    if (inputRefused(kind, value, Medium::knownPressure(initial_), p2)) {
        return false;
    }
    inputs_[static_cast<std::size_t>(slot)] = value;
    inputSet_[static_cast<std::size_t>(slot)] = true;
    if (static_cast<std::size_t>(slot) < kShownFlows.size()) {
        lastFlowInput_ = slot;
    }
    return true;
}

template <typename Medium>
void ThermalProcessCore<Medium>::resetCore() {
    status_ = kNotComputed;
    type_ = kIsentropicEfficiency;
    lastFlowInput_ = Medium::kMassFlow;
    fluxGiven_ = false;
    heatLossOn_ = false;
    heatLossValid_ = false;
    results_.fill(NOT_SET);
    inputs_.fill(NOT_SET);
    inputSet_.fill(false);
    inputs_[Medium::kTimeFactor] = 3600.0;
    inputSet_[Medium::kTimeFactor] = true;
    for (const int eta : {Medium::kIsentropicEta, Medium::kMechanicalEta, Medium::kGeneratorEta}) {
        inputs_[static_cast<std::size_t>(eta)] = 1.0;
        inputSet_[static_cast<std::size_t>(eta)] = true;
    }
}

template <typename Medium>
void ThermalProcessCore<Medium>::computeDifferences(double h2, double s2, double h2s) {
    const double h1 = Medium::h(initial_);
    results_[kEntropyChange] = s2 - Medium::s(initial_);
    if (type_ == kConstantEnthalpy) {
        results_[kIsentropicChange] = 0.0;
        results_[kEnthalpyChange] = 0.0;
        return;
    }
    results_[kEnthalpyChange] = zeroIfNegligible(h2 - h1);
    if (type_ == kIsentropicEfficiency) {
        results_[kIsentropicChange] = h2s - h1;
    }
}

template <typename Medium>
void ThermalProcessCore<Medium>::computeExpansionAndPower(double v2, double rho2) {
    results_[kExpansion] = (v2 / Medium::v(initial_) - 1.0) * 100.0;
    results_[kMassDischarge] = rho2 * results_[kExpansion] / Medium::rho(initial_);
    if (fluxGiven_) {
        results_[kPower] = processPower(
            results_[kEnthalpyChange], inputs_[Medium::kMassFlow], inputs_[Medium::kMechanicalEta],
            inputs_[Medium::kGeneratorEta], initial_.pressure(), final_.pressure());
    }
    results_[kEntropyChange] = zeroIfNegligible(results_[kEntropyChange]);
    results_[kPower] = zeroIfNegligible(results_[kPower]);
}

}  // namespace vaporis::processes
