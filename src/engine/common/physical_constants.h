#pragma once

namespace vaporis {

//! 0 °C on the thermodynamic scale [K]: T [K] = t [°C] + kZeroCelsiusK.
inline constexpr double kZeroCelsiusK = 273.15;

// Water's critical and triple points and its gas constant, as IAPWS-IF97 gives them.

//! Critical pressure of water [bar]: the end of the saturation line and of every saturated value.
inline constexpr double kCriticalPressure = 220.64;
//! Critical temperature of water [K].
inline constexpr double kCriticalTemperatureK = 647.096;
//! Critical density of water [kg/m³].
inline constexpr double kCriticalDensity = 322.0;
//! Triple-point pressure of water as IF97 bounds its range [bar]: the saturation pressure at
//! 0 °C (611.213 Pa), the lowest pressure of the vapour regions.
inline constexpr double kTriplePressure = 0.00611213;
//! Triple-point temperature of water [°C].
inline constexpr double kTripleTemperature = 0.01;
//! Lowest temperature [K] of water's liquid and vapour states: just below the triple point
//! 273.16 K, because 0.01 °C + kZeroCelsiusK rounds to just below 273.16.
inline constexpr double kLowestWaterTemperatureK = 273.1599999999;
//! Specific gas constant of water [kJ/(kg K)].
inline constexpr double kWaterGasConstant = 0.461526;

//! Normal state of gases: 0 °C [K] and 1.01325 bar [bar].
inline constexpr double kNormalTemperatureK = kZeroCelsiusK;
inline constexpr double kNormalPressure = 1.01325;

//! Universal gas constant [J/(kmol K)], and [kJ/(kmol K)] (the same double as 8.3145).
inline constexpr double kUniversalGasConstantJ = 8314.5;
inline constexpr double kUniversalGasConstant = kUniversalGasConstantJ / 1000.0;
static_assert(kUniversalGasConstant == 8.3145);

//! Molar masses [kg/kmol] of water vapour, dry air and hydrogen.
inline constexpr double kWaterMolarMass = 18.0152;
inline constexpr double kAirMolarMass = 28.965;
inline constexpr double kHydrogenMolarMass = 2.0158;

//! Acceleration of gravity [m/s²], rounded as the draft and barometric formulas use it.
inline constexpr double kGravity = 9.81;

}  // namespace vaporis
