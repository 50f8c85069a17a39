#pragma once

#include <optional>

namespace vaporis::water::detail {

// The quick way of the inverse functions: the backward equation of region 1 or 2 as the start,
// then Newton steps on that region's basic equation to the exact root. The answer is given only
// where it is provably the one of the general search, that is, for a state inside region 1 or 2,
// at or above 0.01 °C and clear of the margin beside the saturation line; otherwise empty.

//! Temperature [°C] at p [bar] and h [kJ/kg] in region 1 or 2, or empty.
[[nodiscard]] std::optional<double> gibbsRegionTemperatureFromPH(double p, double h);
//! Temperature [°C] at p [bar] and s [kJ/(kg K)] in region 1 or 2, or empty.
[[nodiscard]] std::optional<double> gibbsRegionTemperatureFromPS(double p, double s);

}  // namespace vaporis::water::detail
