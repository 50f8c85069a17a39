#pragma once

#include "engine/water/basic_equations.h"

namespace vaporis::water {

// Single-phase properties at pressure p [bar] and temperature t [°C]. region is a RegionCode;
// kRegionNone selects it with regionOf, any other region is used unchanged (the numerical
// derivatives evaluate an equation slightly outside its own range). Outside every region:
// kOutsideRegion; on the saturation line: kOnSaturationLine; value -1.0 (specificVolume 0.0).

//! Specific volume [m³/kg].
[[nodiscard]] double specificVolume(double p, double t, int region, int& status);
//! Specific enthalpy [kJ/kg].
[[nodiscard]] double enthalpy(double p, double t, int region, int& status);
//! Specific entropy [kJ/(kg K)].
[[nodiscard]] double entropy(double p, double t, int region, int& status);
//! Specific isobaric heat capacity [kJ/(kg K)].
[[nodiscard]] double isobaricHeatCapacity(double p, double t, int region, int& status);
//! Specific isochoric heat capacity [kJ/(kg K)].
[[nodiscard]] double isochoricHeatCapacity(double p, double t, int region, int& status);
//! Speed of sound [m/s].
[[nodiscard]] double soundVelocity(double p, double t, int region, int& status);

//! The same properties with the region selected from (p, t).
[[nodiscard]] double specificVolume(double p, double t, int& status);
[[nodiscard]] double enthalpy(double p, double t, int& status);
[[nodiscard]] double entropy(double p, double t, int& status);
[[nodiscard]] double isobaricHeatCapacity(double p, double t, int& status);
[[nodiscard]] double isochoricHeatCapacity(double p, double t, int& status);
[[nodiscard]] double soundVelocity(double p, double t, int& status);

}  // namespace vaporis::water
