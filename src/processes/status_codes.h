#pragma once

namespace vaporis::processes {

// Status codes of the pipe-flow functions and the flow processes. A process passes the status
// of its fluid state through unchanged, so its own codes avoid the codes a state can give.

//! Success.
inline constexpr int kOk = 0;

//! Water/steam flow: the Mach number exceeds 1; no friction results.
inline constexpr int kSteamFlowMachAbove1 = 8;
//! Water/steam flow: success, but the Mach number exceeds 0.3.
inline constexpr int kSteamFlowMachWarning = 9;

//! Gas flow: the gas holds more water vapour than it can at its state (dew point above t).
inline constexpr int kGasFlowCondensing = 9;
//! Gas flow: the Mach number exceeds 1; no Reynolds number and no pressure drops.
inline constexpr int kGasFlowMachAbove1 = 10;
//! Gas flow: success, but the Mach number exceeds 0.3.
inline constexpr int kGasFlowMachWarning = 11;

//! A flow, velocity, tube dimension, tube count, roughness, length or zeta that is missing,
//! not finite or out of its range (a dimension, flow or velocity of 0 or below); also a
//! solve mode other than 0, 1, 2 or a fluid state given non-finite inputs; also inputs so
//! extreme that a result overflows.
inline constexpr int kFlowInputInvalid = 20;
//! The Colebrook iteration found no friction coefficient below 1 within its step limit.
inline constexpr int kFrictionNoConvergence = 21;
//! A property the flow needs (v, eta, sonic velocity, cp, conductivity) has no valid value.
inline constexpr int kFlowPropertyInvalid = 22;

// Status codes of AmbientData::calculate; any other non-zero code is that of the water/steam
// saturation function that failed.

//! Relative humidity outside 0 ... 100 %.
inline constexpr int kAmbientHumidityOutOfRange = 1;
//! Ambient temperature at or above the critical temperature, or water would boil at the
//! atmospheric pressure.
inline constexpr int kAmbientWaterBoils = 10;
//! Ambient temperature below the triple point while the humidity is above 0.
inline constexpr int kAmbientBelowTriplePoint = 11;
//! The atmospheric-pressure loop did not settle within its pass limit.
inline constexpr int kAmbientNoConvergence = 12;
//! An ambient input is NaN or infinite.
inline constexpr int kAmbientNonFiniteInput = 13;

}  // namespace vaporis::processes
