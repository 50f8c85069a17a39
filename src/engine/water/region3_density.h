#pragma once

namespace vaporis::water {

//! Pressure [bar] of the region-3 equation at specific volume v [m³/kg] and temperature tK [K].
[[nodiscard]] double region3Pressure(double v, double tK);
//! Specific volume [m³/kg] of region 3 at p [bar] and tK [K]: the stable state, liquid below
//! and vapour above the saturation temperature. kNoConvergence when the equation has no
//! mechanically stable root there.
[[nodiscard]] double region3Volume(double p, double tK, int& status);

namespace detail {

//! Specific volume [m³/kg] of region 3 at p [bar], tK [K] on the liquid (liquidSide) or the
//! vapour side of the saturation line, also a hair into the other side's temperatures: at tK
//! = ts(p) the saturated liquid and vapour below the critical pressure.
[[nodiscard]] double region3VolumeOnSide(double p, double tK, bool liquidSide, int& status);

}  // namespace detail

}  // namespace vaporis::water
