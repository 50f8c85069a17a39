#pragma once

#include <functional>

#include "engine/common/not_set.h"

namespace vaporis::processes {

//! The change of state a thermal process computes.
enum ThermalProcessType : int {
    kConstantEnthalpy = 0,      //!< throttling
    kIsentropicEfficiency = 1,  //!< expansion or compression with an isentropic efficiency
    kStateBalance = 2,          //!< both states given by the user
};

//! Status of a successful calculation.
inline constexpr int kProcessOk = 0;
//! Added to the code of a failure while the final state is determined or computed.
inline constexpr int kFinalStateFailed = 100;

//! Status of inputs that pass their own rules but overflow a result: an input-data error.
inline constexpr int kInputsOverflow = 4;

//! Numbers of the messages a thermal process shows while it calculates, then carrying on.
enum ThermalProcessMessage : int {
    kMessageHeatLossWithoutFlow = 15,
    kMessageHeatLossTooHigh = 16,
    kMessageHeatGainTooHigh = 17,  //!< composed with the upper temperature limit
};

//! Where a process sends its messages: the caller decides how they reach the user, so the
//! process knows no window. An empty sink drops them.
struct MessageSink {
    //! Receives the message number and, for kMessageHeatGainTooHigh, the limit [°C]
    //! (NOT_SET otherwise).
    std::function<void(int message, double limit)> show;

    void operator()(int message, double limit = NOT_SET) const {
        if (show) {
            show(message, limit);
        }
    }
};

//! What an input slot of a thermal process holds, for the rules that refuse a value.
enum class InputKind {
    kFlow,        //!< a flow or the time factor: finite and positive
    kHeatLoss,    //!< finite, either sign
    kEfficiency,  //!< 0..1, and not 0 where the process divides by it
};

//! True for a value of kind that a process refuses. An efficiency of 0 is refused where the
//! process compresses from p1 [bar] to p2 [bar] or keeps the pressure, and where either
//! pressure is not known (NaN).
[[nodiscard]] bool inputRefused(InputKind kind, double value, double p1, double p2);
//! Whether a heat loss is applied: only one that was given, and only with a flow, since the
//! loss [kW] becomes kJ/kg through the mass flow; a loss without flow shows
//! kMessageHeatLossWithoutFlow.
[[nodiscard]] bool heatLossApplies(bool heatLossGiven, bool fluxGiven, const MessageSink& messages);
//! End enthalpy [kJ/kg] from h1 and the isentropic end enthalpy h2s [kJ/kg]: an expansion
//! (p1 > p2) reaches eta of the isentropic drop, a compression needs 1/eta of its rise.
[[nodiscard]] double realEndEnthalpy(double h1, double h2s, double eta, double p1, double p2);
//! Power [kW] of a mass flow m [kg/s] through the enthalpy difference dh [kJ/kg]: an
//! expansion delivers the shaft and generator share (negative), a compression takes in more.
[[nodiscard]] double processPower(double dh, double m, double etaM, double etaG, double p1,
                                  double p2);
//! value, or 0 when it is smaller than 1e-4 in magnitude: rounding noise of a forward and
//! backward property call must not show as an entropy change or a power.
[[nodiscard]] double zeroIfNegligible(double value);

}  // namespace vaporis::processes
