#pragma once

#include <concepts>
#include <type_traits>

namespace vaporis::processes {

//! Success of every process and pipe-flow function.
inline constexpr int kOk = 0;

// A process passes the status of its fluid state through unchanged, so its status stays an
// int that may hold a state's code; each process names its own codes in an enum class, whose
// numbers are those users see in messages, JSON and exit codes.

//! Codes of the pipe-flow functions, which both flow processes pass on.
enum class FlowStatus : int {
    //! A flow, velocity, tube dimension, tube count, roughness, length or zeta that is
    //! missing, not finite or out of its range (a dimension, flow or velocity of 0 or below);
    //! also a solve mode other than 0, 1, 2 or a fluid state given non-finite inputs; also
    //! inputs so extreme that a result overflows.
    kInputInvalid = 20,
    //! The Colebrook iteration found no friction coefficient below 1 within its step limit.
    kFrictionNoConvergence = 21,
    //! A property the flow needs (v, eta, sonic velocity, cp, conductivity) has no valid value.
    kPropertyInvalid = 22,
};

//! Codes of a water/steam flow of its own.
enum class SteamFlowStatus : int {
    kMachAbove1 = 8,   //!< the Mach number exceeds 1; no friction results
    kMachWarning = 9,  //!< success, but the Mach number exceeds 0.3
};

//! Codes of a gas flow of its own.
enum class GasFlowStatus : int {
    kCondensing = 9,    //!< more water vapour than the gas can hold (dew point above t)
    kMachAbove1 = 10,   //!< the Mach number exceeds 1; no Reynolds number, no pressure drops
    kMachWarning = 11,  //!< success, but the Mach number exceeds 0.3
};

//! Codes of AmbientData::calculate; any other non-zero code is that of the water/steam
//! saturation function that failed.
enum class AmbientStatus : int {
    kHumidityOutOfRange = 1,  //!< relative humidity outside 0 ... 100 %
    //! Ambient temperature at or above the critical temperature, or water would boil at the
    //! atmospheric pressure.
    kWaterBoils = 10,
    kBelowTriplePoint = 11,  //!< below the triple point while the humidity is above 0
    kNoConvergence = 12,     //!< the atmospheric-pressure loop did not settle in its pass limit
    kNonFiniteInput = 13,    //!< an ambient input is NaN or infinite
};

//! Codes of a thermal process of either medium; other codes are those of its initial state.
enum class ThermalProcessStatus : int {
    //! Inputs that pass their own rules but overflow a result: an input-data error.
    kInputsOverflow = 4,
    kInitialBelowDewPoint = 9,  //!< gas: the initial state lies below its H2O dew point
    //! Added to the code of a failure while the final state is determined or computed.
    kFinalStateFailed = 100,
    //! Gas: a valid calculation in which water condensed in the final state.
    kCondensedInFinalState = 109,
    //! Water/steam: the end enthalpy of an expansion or compression lies outside the range.
    kEndEnthalpyOutOfRange = 110,
};

//! An enum class of process status codes.
template <typename Code>
concept StatusCode = std::same_as<Code, FlowStatus> || std::same_as<Code, SteamFlowStatus> ||
    std::same_as<Code, GasFlowStatus> || std::same_as<Code, AmbientStatus> ||
    std::same_as<Code, ThermalProcessStatus>;

//! The number of status c, as a process returns it.
template <StatusCode Code>
[[nodiscard]] constexpr int codeOf(Code c) {
    return static_cast<int>(c);
}

//! True when the status number is the code c. (The constraint stands in the template head,
//! where every compiler rejects another type before it forms the operator's signature.)
template <typename Code, std::enable_if_t<StatusCode<Code>, int> = 0>
[[nodiscard]] constexpr bool operator==(int status, Code c) {
    return status == codeOf(c);
}

}  // namespace vaporis::processes
