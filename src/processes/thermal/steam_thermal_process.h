#pragma once

#include <array>

#include "engine/common/not_set.h"
#include "engine/water/water_steam_state.h"
#include "processes/thermal/thermal_process.h"
#include "processes/thermal/thermal_process_core.h"

namespace vaporis::processes {

//! The pressure [bar] of a state before it is computed: the given one, or for a state given by
//! its saturation temperature the saturation pressure there; NaN where there is none.
[[nodiscard]] double knownPressure(const water::WaterSteamState& state);

//! Water/steam as a thermal process sees it.
struct SteamThermalMedium {
    using State = water::WaterSteamState;
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
    static constexpr int kResultCount = kSteamResultCount;
    static constexpr std::array<int, 2> kShownFlows = {kShownMassFlow, kShownVolumeFlow};

    [[nodiscard]] static double knownPressure(const State& state) {
        return processes::knownPressure(state);
    }
    [[nodiscard]] static double h(const State& state) { return state.stateValue(water::kH); }
    [[nodiscard]] static double s(const State& state) { return state.stateValue(water::kS); }
    [[nodiscard]] static double v(const State& state) { return state.stateValue(water::kV); }
    [[nodiscard]] static double rho(const State& state) { return state.stateValue(water::kRho); }
};

//! The change of state of water or steam from an initial to a final state by throttling, an
//! expansion or compression with an isentropic efficiency, or a balance of two given states;
//! with enthalpy and entropy differences, power, a heat loss after the process, expansion and
//! mass discharge. Works on two states it does not own; they must outlive the process.
class SteamThermalProcess : public ThermalProcessCore<SteamThermalMedium> {
public:
    using Input = SteamThermalMedium::Input;
    using enum SteamThermalMedium::Input;
    using Result = ThermalResult;
    using enum ThermalResult;

    SteamThermalProcess(water::WaterSteamState& initial, water::WaterSteamState& final)
        : ThermalProcessCore(initial, final) {}

    //! Status 999, type kIsentropicEfficiency, no results, inputs as at start.
    void reset() { resetCore(); }
    //! Computes the final state and the results; returns the status (also kept): kOk, the
    //! initial state's input status or a ThermalProcessStatus, or 999 if never calculated.
    int calculate(const MessageSink& messages = {});

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
    void applyHeatLoss(const MessageSink& messages);
};

}  // namespace vaporis::processes
