#pragma once

#include <array>

#include "engine/common/not_set.h"
#include "engine/gas/gas_state.h"
#include "processes/thermal/thermal_process.h"
#include "processes/thermal/thermal_process_core.h"

namespace vaporis::processes {

//! A gas mixture as a thermal process sees it.
struct GasThermalMedium {
    using State = gas::GasState;
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
    static constexpr int kResultCount = kGasResultCount;
    static constexpr std::array<int, 3> kShownFlows = {kShownMassFlow, kShownVolumeFlow,
                                                       kShownNormalVolumeFlow};

    [[nodiscard]] static double knownPressure(const State& state) { return state.pressure(); }
    [[nodiscard]] static double h(const State& state) { return state.property(gas::kEnthalpy); }
    [[nodiscard]] static double s(const State& state) { return state.property(gas::kEntropy); }
    [[nodiscard]] static double v(const State& state) { return state.property(gas::kVolume); }
    [[nodiscard]] static double rho(const State& state) { return state.property(gas::kDensity); }
};

//! The change of state of a gas mixture from an initial to a final state by throttling, an
//! expansion or compression with an isentropic efficiency, or a balance of two given states.
//! Below the H2O dew point the final state's h, s, v and rho are corrected for the condensed
//! water and the condensate is reported. Works on two states bound to one analysis; it owns
//! neither, and they must outlive the process.
class GasThermalProcess : public ThermalProcessCore<GasThermalMedium> {
public:
    using Input = GasThermalMedium::Input;
    using enum GasThermalMedium::Input;
    using Result = ThermalResult;
    using enum ThermalResult;

    GasThermalProcess(gas::GasState& initial, gas::GasState& final)
        : ThermalProcessCore(initial, final) {
        reset();
    }

    //! Status 999, type kIsentropicEfficiency, no results, inputs as at start.
    void reset();
    //! Computes the final state and the results; returns the status (also kept): kOk, the
    //! initial state's GasStatus or a ThermalProcessStatus, or 999 if never calculated.
    int calculate(const MessageSink& messages = {});

    //! GasProperty k of the final state as the process sees it: h, v, rho and s include the
    //! condensate when water condensed; NOT_SET before a calculation or for an unknown k.
    [[nodiscard]] double finalProperty(int k) const;
    [[nodiscard]] bool condensedAtEnd() const { return condensedAtEnd_; }
    [[nodiscard]] bool condensedAfterHeatLoss() const { return condensedAfterHeatLoss_; }

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
    void applyHeatLoss(const gas::GasAnalysis& analysis, const MessageSink& messages);

    std::array<double, gas::kGasPropertyCount> finalValues_{};
    bool condensedAtEnd_ = false;
    bool condensedAfterHeatLoss_ = false;
};

}  // namespace vaporis::processes
