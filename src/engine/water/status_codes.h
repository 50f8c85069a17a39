#pragma once

namespace vaporis::water {

// Property status codes: 0 is valid; a function failing with any other code returns -1.0.
// Codes stay below 100 because the processes report a final-state failure as 100 + code.

//! The value is valid.
inline constexpr int kOk = 0;
//! Outside every region, outside the transport range, or an invalid start state.
inline constexpr int kOutsideRegion = 1;
//! A single-phase value was asked for a state on the saturation line (region 4).
inline constexpr int kOnSaturationLine = 3;
//! Pressure above 1000 bar for an inverse function.
inline constexpr int kPressureAbove1000 = 4;
//! Pressure above the critical pressure (220.64 bar) for a saturation value.
inline constexpr int kAboveCriticalPressure = 5;
//! Pressure below the triple-point pressure (0.00611213 bar).
inline constexpr int kBelowTriplePressure = 6;
//! Enthalpy or entropy above its value at 2000 °C (p <= 100 bar).
inline constexpr int kEnthalpyAbove2000 = 7;
//! Enthalpy or entropy above its value at 800 °C (p > 100 bar).
inline constexpr int kEnthalpyAbove800 = 8;
//! Temperature above the critical temperature (647.096 K).
inline constexpr int kAboveCriticalTemperature = 9;
//! Temperature below 0.01 °C, or enthalpy or entropy below its value there.
inline constexpr int kBelowTripleTemperature = 11;
//! Saturated-liquid or saturated-vapour enthalpy not available for the evaporation enthalpy.
inline constexpr int kEvaporationFailed = 13;
//! A derived value (nu, a, Pr) whose inputs are not all valid.
inline constexpr int kDerivedInvalid = 14;
//! Two-phase state: the result is the steam quality x, not a temperature.
inline constexpr int kTwoPhase = 50;
//! An iteration ran out of its step limit before reaching its tolerance.
inline constexpr int kNoConvergence = 60;
//! A numerical derivative found no usable step (degenerate state at the triple point).
inline constexpr int kDegenerateStep = 61;
//! An input was NaN or infinite.
inline constexpr int kNonFiniteInput = 62;

// Input status codes of WaterSteamState::validateInputs.

//! Inputs not validated yet.
inline constexpr int kInputNotValidated = -1;
//! Inputs acceptable.
inline constexpr int kInputOk = 0;
//! Inputs outside the range of validity.
inline constexpr int kInputOutOfRange = 3;
//! Input error (quality outside 0..1, saturation input above the critical point, non-finite).
inline constexpr int kInputError = 4;
//! Input mode not 0, 1 or 2.
inline constexpr int kInputBadMode = 5;
//! An input that the mode needs was not given.
inline constexpr int kInputMissing = 6;
//! The (p, t) state lies on the saturation line.
inline constexpr int kInputOnSaturationLine = 7;

}  // namespace vaporis::water
