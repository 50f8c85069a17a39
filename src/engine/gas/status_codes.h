#pragma once

namespace vaporis::gas {

// GasStatus: the integer code beside every gas value; 0 and 9 mean the value is valid.

//! Valid.
inline constexpr int kOk = 0;
//! Temperature outside the analysis's range [minTemperature, maxTemperature].
inline constexpr int kOutsideAnalysisRange = 1;
//! Pressure 0 or below.
inline constexpr int kNegativePressure = 2;
//! Temperature (or pressure of a component volume) out of range; for the inverses also an
//! enthalpy outside the attainable range or a condensation search that hit the lowest
//! temperature.
inline constexpr int kOutOfRange = 3;
//! Entropy outside the attainable range.
inline constexpr int kEntropyOutOfRange = 4;
//! Helium present above 2044 K: viscosity and conductivity not evaluated.
inline constexpr int kHeliumAbove2044K = 5;
//! Not a component index.
inline constexpr int kNotAComponent = 6;
//! An iteration ran out of steps (Newton on temperature, condensation or bisection loops).
inline constexpr int kNoConvergence = 7;
//! The state has no analysis, no pressure, or neither temperature nor enthalpy.
inline constexpr int kStateIncomplete = 8;
//! Valid; condensation of H2O below the dew point was taken into account.
inline constexpr int kCondensation = 9;
//! An input was NaN or infinite.
inline constexpr int kNonFiniteInput = 10;
//! A GasState that has been reset and not calculated since.
inline constexpr int kNotCalculated = -1;

//! True for the two codes whose value may be used (kOk, kCondensation).
[[nodiscard]] constexpr bool isValidStatus(int status) {
    return status == kOk || status == kCondensation;
}

}  // namespace vaporis::gas
