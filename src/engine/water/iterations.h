#pragma once

#include "engine/water/region3_density.h"

namespace vaporis::water {

//! Temperature [°C] at pressure p [bar] and specific enthalpy h [kJ/kg]; in the two-phase
//! region the steam quality x [-] with status kTwoPhase.
[[nodiscard]] double temperatureFromPH(double p, double h, int& status);
//! Temperature [°C] at pressure p [bar] and specific entropy s [kJ/(kg K)]; in the two-phase
//! region the steam quality x [-] with status kTwoPhase.
[[nodiscard]] double temperatureFromPS(double p, double s, int& status);
//! Specific volume [m³/kg] at p [bar] and s [kJ/(kg K)]; kTwoPhase for a mixture.
[[nodiscard]] double specificVolumeFromPS(double p, double s, int& status);
//! Specific enthalpy [kJ/kg] at p [bar] and s [kJ/(kg K)]; kTwoPhase for a mixture.
[[nodiscard]] double enthalpyFromPS(double p, double s, int& status);
//! End temperature [°C] (or quality x [-] with kTwoPhase) of an isentropic change from
//! p1 [bar], h1 [kJ/kg] to p2 [bar].
[[nodiscard]] double isentropicEndTemperature(double p1, double h1, double p2, int& status);

}  // namespace vaporis::water
