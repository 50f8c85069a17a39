#pragma once

#include "engine/common/physical_constants.h"

namespace vaporis::water {

//! Pressure of the saturation line [bar] at temperature t [°C] (IF97 region 4); no range check.
[[nodiscard]] double saturationPressure(double t);
//! Temperature of the saturation line [°C] at pressure p [bar]; no range check.
[[nodiscard]] double saturationTemperature(double p);

//! Pressure [bar] of the boundary between regions 2 and 3 at temperature tK [K].
[[nodiscard]] double b23Pressure(double tK);
//! Temperature [K] of the boundary between regions 2 and 3 at pressure p [bar].
[[nodiscard]] double b23Temperature(double p);

}  // namespace vaporis::water
