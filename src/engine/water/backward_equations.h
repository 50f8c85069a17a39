#pragma once

namespace vaporis::water {

// The backward equations T(p,h) and T(p,s) of IAPWS-IF97 for regions 1 and 2. They agree with
// the inverse of the basic equations to some 10 to 25 mK, so the inverse functions start their
// Newton steps from them; region 2 selects its subregion 2a, 2b or 2c itself.

//! Temperature [K] at p [bar] and specific enthalpy h [kJ/kg] from the backward equation of
//! region (kRegion1 or kRegion2); -1.0 for any other region.
[[nodiscard]] double backwardTemperaturePH(double p, double h, int region);
//! Temperature [K] at p [bar] and specific entropy s [kJ/(kg K)] from the backward equation of
//! region (kRegion1 or kRegion2); -1.0 for any other region.
[[nodiscard]] double backwardTemperaturePS(double p, double s, int region);

}  // namespace vaporis::water
