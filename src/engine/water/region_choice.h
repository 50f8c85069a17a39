#pragma once

namespace vaporis::water {

//! IF97 region (RegionCode) of the state p [bar], tK [K]; kRegionNone outside every region.
[[nodiscard]] int regionOf(double p, double tK);
//! IF97 region (RegionCode) of the state p [bar], t [°C].
[[nodiscard]] int regionAt(double p, double t);

}  // namespace vaporis::water
