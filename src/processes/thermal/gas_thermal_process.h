#pragma once

#include <array>

#include "engine/common/not_set.h"
#include "engine/gas/gas_state.h"
#include "processes/thermal/process_inputs.h"
#include "processes/thermal/thermal_process.h"

namespace vaporis::processes {

//! The change of state of a gas mixture from an initial to a final state by throttling, an
//! expansion or compression with an isentropic efficiency, or a balance of two given states.
//! Below the H2O dew point the final state's h, s, v and rho are corrected for the condensed
//! water and the condensate is reported. Works on two states bound to one analysis; it owns
//! neither, and they must outlive the process.
class GasThermalProcess {
public:
    //! Input slots; flows are held per second whatever the display unit.
    enum Input : int {
        kMassFlow = 0,          //!< [kg/s]
        kVolumeFlow = 1,        //!< at the initial state [m³/s]
        kNormalVolumeFlow = 2,  //!< [Nm³/s]
        kTimeFactor = 3,        //!< 1 for display per second, 3600 per hour
        kHeatLoss = 4,          //!< [kW], positive when heat leaves the gas
        kIsentropicEta = 5,     //!< [-]
        kMechanicalEta = 6,     //!< [-]
        kGeneratorEta = 7,      //!< [-]
    };
    static constexpr int kInputCount = 8;

    //! Result slots; NOT_SET where the calculation gave no value. Condensate quantities are
    //! kg of water per kg of initial gas.
    enum Result : int {
        kShownMassFlow = 0,             //!< mass flow x time factor [kg/s or kg/h]
        kShownVolumeFlow = 1,           //!< [m³/s or m³/h]
        kShownNormalVolumeFlow = 2,     //!< [Nm³/s or Nm³/h]
        kEnthalpyChange = 3,            //!< h2 - h1 [kJ/kg]
        kIsentropicChange = 4,          //!< h2s - h1 [kJ/kg]
        kIsentropicTemperature = 5,     //!< t2s [°C]
        kEntropyChange = 6,             //!< s2 - s1 [kJ/(kg K)]
        kPower = 7,                     //!< [kW], negative when delivered
        kEnthalpyAfterLoss = 8,         //!< [kJ/kg]
        kTemperatureAfterLoss = 9,      //!< [°C]
        kExpansion = 10,                //!< (v2 / v1 - 1) x 100 [%]
        kCondensate = 11,               //!< in the final state [kg/kg]
        kCondensationHeat = 12,         //!< of the final state, balance only [kJ/kg]
        kCondensateFlow = 13,           //!< [kg/s]
        kCondensateAfterLoss = 14,      //!< [kg/kg]
        kCondensateFlowAfterLoss = 15,  //!< [kg/s]
        kMassDischarge = 16,            //!< rho2 x expansion / rho1 [%]
    };
    static constexpr int kResultCount = 17;

    //! Status of an initial state below its H2O dew point.
    static constexpr int kInitialBelowDewPoint = 9;
    //! Status of a valid calculation in which water condensed in the final state.
    static constexpr int kCondensedInFinalState = 109;

    GasThermalProcess(gas::GasState& initial, gas::GasState& final);

    //! Status 999, type kIsentropicEfficiency, no results, inputs as at start.
    void reset();
    //! ThermalProcessType; another value is ignored.
    void setType(int type);
    //! Stores value into Input slot and marks it set; false when it is refused (efficiency,
    //! see efficiencyRefused; flow or time factor not positive; non-finite; unknown slot).
    [[nodiscard]] bool setInput(int slot, double value);
    //! Computes the final state and the results; returns the status (also kept): 0,
    //! kCondensedInFinalState, the initial state's GasStatus, kInitialBelowDewPoint,
    //! kFinalStateFailed + code, kInputsOverflow, or 999 if never calculated.
    int calculate(const MessageSink& messages = {});

    [[nodiscard]] int type() const { return type_; }
    [[nodiscard]] int status() const { return status_; }
    [[nodiscard]] int lastFlowInput() const { return lastFlowInput_; }
    //! What a project file keeps: type, last flow, inputs and their set-flags.
    using Inputs = ThermalProcessInputs<kInputCount, 3>;
    [[nodiscard]] Inputs inputs() const { return {type_, lastFlowInput_, inputs_, inputSet_}; }
    //! Takes stored inputs and shows the stored flows in the display unit; other results and
    //! the status stay until calculate.
    void restoreInputs(const Inputs& inputs);
    //! Input or result slot; NOT_SET for an unknown slot.
    [[nodiscard]] double input(int slot) const;
    [[nodiscard]] bool inputSet(int slot) const;
    [[nodiscard]] double result(int slot) const;
    //! GasProperty k of the final state as the process sees it: h, v, rho and s include the
    //! condensate when water condensed; NOT_SET before a calculation or for an unknown k.
    [[nodiscard]] double finalProperty(int k) const;
    [[nodiscard]] bool condensedAtEnd() const { return condensedAtEnd_; }
    [[nodiscard]] bool condensedAfterHeatLoss() const { return condensedAfterHeatLoss_; }
    [[nodiscard]] bool fluxGiven() const { return fluxGiven_; }
    [[nodiscard]] bool heatLossOn() const { return heatLossOn_; }
    [[nodiscard]] bool heatLossValid() const { return heatLossValid_; }
    [[nodiscard]] const gas::GasState& initialState() const { return initial_; }
    [[nodiscard]] const gas::GasState& finalState() const { return final_; }

private:
    struct IsentropicEnd {
        double t2s = NOT_SET;  // [°C]
        double h2s = NOT_SET;  // [kJ/kg]
    };
    [[nodiscard]] int computeFinalState(const gas::GasAnalysis& analysis,
                                        IsentropicEnd& isentropic);
    [[nodiscard]] int determineEndTemperature(const gas::GasAnalysis& analysis,
                                              IsentropicEnd& isentropic);
    [[nodiscard]] bool condensationPossible() const;
    [[nodiscard]] int correctForCondensation(const gas::GasAnalysis& analysis);
    void computeFlow();
    void computeDifferences(const IsentropicEnd& isentropic);
    void applyHeatLoss(const gas::GasAnalysis& analysis, const MessageSink& messages);
    void computeExpansionAndPower();
    int finish(int status);

    gas::GasState& initial_;
    gas::GasState& final_;
    int type_ = kIsentropicEfficiency;
    int status_ = kNotComputed;
    int lastFlowInput_ = kMassFlow;
    std::array<double, kResultCount> results_{};
    std::array<double, kInputCount> inputs_{};
    std::array<bool, kInputCount> inputSet_{};
    std::array<double, gas::kGasPropertyCount> finalValues_{};
    bool condensedAtEnd_ = false;
    bool condensedAfterHeatLoss_ = false;
    bool fluxGiven_ = false;
    bool heatLossOn_ = false;
    bool heatLossValid_ = false;
};

}  // namespace vaporis::processes
