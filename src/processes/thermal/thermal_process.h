#pragma once

#include <functional>

#include "engine/common/not_set.h"
#include "processes/status_codes.h"

namespace vaporis::processes {

//! The change of state a thermal process computes.
enum ThermalProcessType : int {
    kConstantEnthalpy = 0,      //!< throttling
    kIsentropicEfficiency = 1,  //!< expansion or compression with an isentropic efficiency
    kStateBalance = 2,          //!< both states given by the user
};

//! Result slots of a thermal process; NOT_SET where the calculation gave no value. Both media
//! fill the slots up to kQualityAfterLoss, which only water/steam fills; the gas-only slots
//! follow. Condensate quantities are kg of water per kg of initial gas.
enum ThermalResult : int {
    kShownMassFlow = 0,             //!< mass flow x time factor [kg/s or kg/h]
    kShownVolumeFlow = 1,           //!< volume flow x time factor [m³/s or m³/h]
    kEnthalpyChange = 2,            //!< h2 - h1 [kJ/kg]
    kIsentropicChange = 3,          //!< h2s - h1 [kJ/kg]
    kEntropyChange = 4,             //!< s2 - s1 [kJ/(kg K)]
    kPower = 5,                     //!< [kW], negative when delivered
    kEnthalpyAfterLoss = 6,         //!< [kJ/kg]
    kTemperatureAfterLoss = 7,      //!< [°C]
    kExpansion = 8,                 //!< (v2 / v1 - 1) x 100 [%]
    kMassDischarge = 9,             //!< rho2 x expansion / rho1 [%]
    kQualityAfterLoss = 10,         //!< water/steam in the two-phase region [-]
    kShownNormalVolumeFlow = 11,    //!< [Nm³/s or Nm³/h]
    kIsentropicTemperature = 12,    //!< t2s [°C]
    kCondensate = 13,               //!< in the final state [kg/kg]
    kCondensationHeat = 14,         //!< of the final state, balance only [kJ/kg]
    kCondensateFlow = 15,           //!< [kg/s]
    kCondensateAfterLoss = 16,      //!< [kg/kg]
    kCondensateFlowAfterLoss = 17,  //!< [kg/s]
};
//! Result slots of water/steam and of a gas.
inline constexpr int kSteamResultCount = kQualityAfterLoss + 1;
inline constexpr int kGasResultCount = kCondensateFlowAfterLoss + 1;

//! Status of a failure while the final state is determined or computed, from that state's
//! code [ThermalProcessStatus::kFinalStateFailed + code].
[[nodiscard]] constexpr int finalStateFailed(int code) {
    return codeOf(ThermalProcessStatus::kFinalStateFailed) + code;
}

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
