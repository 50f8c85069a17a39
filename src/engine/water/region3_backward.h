#pragma once

namespace vaporis::water::detail {

//! Specific volume [m³/kg] of region 3 at p [bar] and tK [K] from the IAPWS backward equations
//! v(p,T) of region 3 (within their tolerance of the basic equation). Below the critical
//! pressure liquidSide chooses the equations of the liquid or of the vapour side of the
//! saturation line; outside region 3 the nearest equation is extrapolated.
[[nodiscard]] double region3BackwardVolume(double p, double tK, bool liquidSide);

}  // namespace vaporis::water::detail
