#pragma once

#include <array>

#include "engine/common/not_set.h"
#include "engine/water/water_steam_state.h"
#include "processes/thermal/process_inputs.h"
#include "processes/thermal/thermal_process.h"

namespace vaporis::processes {

//! The change of state of water or steam from an initial to a final state by throttling, an
//! expansion or compression with an isentropic efficiency, or a balance of two given states;
//! with enthalpy and entropy differences, power, a heat loss after the process, expansion and
//! mass discharge. Works on two states it does not own; they must outlive the process.
class SteamThermalProcess {
public:
    //! Input slots; flows are held per second whatever the display unit.
    enum Input : int {
        kMassFlow = 0,       //!< [kg/s]
        kVolumeFlow = 1,     //!< at the initial state [m³/s]
        kTimeFactor = 2,     //!< 1 for display per second, 3600 per hour
        kHeatLoss = 3,       //!< [kW], positive when heat leaves the fluid
        kIsentropicEta = 4,  //!< [-]
        kMechanicalEta = 5,  //!< [-]
        kGeneratorEta = 6,   //!< [-]
    };
    static constexpr int kInputCount = 7;

    //! Result slots; NOT_SET where the calculation gave no value.
    enum Result : int {
        kShownMassFlow = 0,         //!< mass flow x time factor [kg/s or kg/h]
        kShownVolumeFlow = 1,       //!< volume flow x time factor [m³/s or m³/h]
        kEnthalpyChange = 2,        //!< h2 - h1 [kJ/kg]
        kIsentropicChange = 3,      //!< h2s - h1 [kJ/kg]
        kEntropyChange = 4,         //!< s2 - s1 [kJ/(kg K)]
        kPower = 5,                 //!< [kW], negative when delivered
        kEnthalpyAfterLoss = 6,     //!< [kJ/kg]
        kTemperatureAfterLoss = 7,  //!< [°C]
        kQualityAfterLoss = 8,      //!< [-], only in the two-phase region
        kExpansion = 9,             //!< (v2 / v1 - 1) x 100 [%]
        kMassDischarge = 10,        //!< rho2 x expansion / rho1 [%]
    };
    static constexpr int kResultCount = 11;

    //! Code of the final temperature of an expansion or compression whose end enthalpy lies
    //! outside the range (status 110).
    static constexpr int kEndEnthalpyOutOfRange = 10;

    SteamThermalProcess(water::WaterSteamState& initial, water::WaterSteamState& final);

    //! Status 999, type kIsentropicEfficiency, no results, inputs as at start.
    void reset();
    //! ThermalProcessType; another value is ignored.
    void setType(int type);
    //! Stores value into Input slot and marks it set; false when it is refused (efficiency,
    //! see efficiencyRefused; flow or time factor not positive; non-finite; unknown slot).
    [[nodiscard]] bool setInput(int slot, double value);
    //! Computes the final state and the results; returns the status (also kept): 0, the
    //! initial state's input status, kFinalStateFailed + code, kInputsOverflow, or 999 if
    //! never calculated.
    int calculate(const MessageSink& messages = {});

    [[nodiscard]] int type() const { return type_; }
    [[nodiscard]] int status() const { return status_; }
    [[nodiscard]] int lastFlowInput() const { return lastFlowInput_; }
    //! What a project file keeps: type, last flow, inputs and their set-flags.
    using Inputs = ThermalProcessInputs<kInputCount, 2>;
    [[nodiscard]] Inputs inputs() const { return {type_, lastFlowInput_, inputs_, inputSet_}; }
    //! Takes stored inputs and shows the stored flows in the display unit; other results and
    //! the status stay until calculate.
    void restoreInputs(const Inputs& inputs);
    //! Input or result slot; NOT_SET for an unknown slot.
    [[nodiscard]] double input(int slot) const;
    [[nodiscard]] bool inputSet(int slot) const;
    [[nodiscard]] double result(int slot) const;
    [[nodiscard]] bool fluxGiven() const { return fluxGiven_; }
    [[nodiscard]] bool heatLossOn() const { return heatLossOn_; }
    [[nodiscard]] bool heatLossValid() const { return heatLossValid_; }
    [[nodiscard]] const water::WaterSteamState& initialState() const { return initial_; }
    [[nodiscard]] const water::WaterSteamState& finalState() const { return final_; }

private:
    struct EndPoint {
        double value = NOT_SET;  // temperature, or quality with water::kTwoPhase
        int code = 0;
        double h2s = NOT_SET;
    };
    [[nodiscard]] EndPoint determineEndPoint() const;
    [[nodiscard]] EndPoint isentropicEndPoint() const;
    void writeEndPoint(const EndPoint& end);
    [[nodiscard]] int computeFinalState();
    void computeFlow();
    void computeDifferences(double h2s);
    void applyHeatLoss(const MessageSink& messages);
    void computeExpansionAndPower();
    int finish(int status);

    water::WaterSteamState& initial_;
    water::WaterSteamState& final_;
    int type_ = kIsentropicEfficiency;
    int status_ = kNotComputed;
    int lastFlowInput_ = kMassFlow;
    std::array<double, kResultCount> results_{};
    std::array<double, kInputCount> inputs_{};
    std::array<bool, kInputCount> inputSet_{};
    bool fluxGiven_ = false;
    bool heatLossOn_ = false;
    bool heatLossValid_ = false;
};

//! The pressure [bar] of a state before it is computed: the given one, or for a state given by
//! its saturation temperature the saturation pressure there; NaN where there is none.
[[nodiscard]] double knownPressure(const water::WaterSteamState& state);

}  // namespace vaporis::processes
