#pragma once

#include <span>

#include "engine/gas/component_data.h"

namespace vaporis::gas {

// Transport of the components with "Dry air" included: it has no collision data and stands
// for the mixture of nitrogen, oxygen, neon, argon and carbon dioxide, mixed by the same rules
// as any analysis.

//! Mass fractions [-] of the mixture that stands for "Dry air" in the transport properties.
[[nodiscard]] std::span<const double, kComponentCount> dryAirMassFractions();

//! Dynamic viscosity [Pa s] of component index at t [°C]; the temperature is not range-tested.
[[nodiscard]] double transportViscosityPaS(double t, int index, int& status);
//! Thermal conductivity [W/(m K)] of component index at t [°C]; not range-tested.
[[nodiscard]] double transportConductivity(double t, int index, int& status);

//! Dynamic viscosity [Pa s] at t [°C] of the mixture of the given mass fractions [-] after
//! Herning and Zipperer; 0 when no component is present.
[[nodiscard]] double herningZipperer(std::span<const double, kComponentCount> massFractions,
                                     double t, int& status);

}  // namespace vaporis::gas
