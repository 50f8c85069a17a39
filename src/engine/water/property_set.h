#pragma once

#include "engine/water/basic_equations.h"

namespace vaporis::water {

//! Every property of PropertySet at p [bar], t [°C] in region (kRegionNone selects it). The
//! status is that of the single functions: kOnSaturationLine, kOutsideRegion, the region-3
//! density's, or kOk; on failure every value is -1.0.
[[nodiscard]] PropertySet propertySet(double p, double t, int region, int& status);

}  // namespace vaporis::water
