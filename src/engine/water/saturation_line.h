#pragma once

namespace vaporis::water {

//! Critical pressure [bar]: the end of the saturation line and of every saturated value.
inline constexpr double kCriticalPressure = 220.64;
//! Critical temperature [K].
inline constexpr double kCriticalTemperature = 647.096;
//! Critical density [kg/m³].
inline constexpr double kCriticalDensity = 322.0;
//! Triple-point pressure [bar]: the lowest pressure of the vapour regions.
inline constexpr double kTriplePressure = 0.00611213;

//! Pressure of the saturation line [bar] at temperature t [°C] (IF97 region 4); no range check.
[[nodiscard]] double saturationPressure(double t);
//! Temperature of the saturation line [°C] at pressure p [bar]; no range check.
[[nodiscard]] double saturationTemperature(double p);

//! Pressure [bar] of the boundary between regions 2 and 3 at temperature tK [K].
[[nodiscard]] double b23Pressure(double tK);
//! Temperature [K] of the boundary between regions 2 and 3 at pressure p [bar].
[[nodiscard]] double b23Temperature(double p);

}  // namespace vaporis::water
