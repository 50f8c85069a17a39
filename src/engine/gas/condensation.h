#pragma once

#include "engine/gas/gas_analysis.h"

namespace vaporis::gas {

// A water-bearing gas below its H2O dew point, taken as gas plus condensate: the gas phase is
// saturated at t (its H2O at the vapour pressure, the other components in their ratios) and the
// rest of the water is liquid at t. Values are per kg of the original gas. Above the dew point
// these are the mixture functions. They never change the analysis.
//
// remainingWater [-] (the H2O mass fraction left in the gas phase) and the condensation
// enthalpy [kJ/kg] or entropy [kJ/(kg K)] (what the condensate takes off the value of the same
// gas uncondensed at t) are written only when water condensed (status kCondensation); the
// caller initialises them.

//! Enthalpy [kJ/kg] of gas and condensate at p [bar] and t [°C].
[[nodiscard]] double enthalpyWithCondensation(const GasAnalysis& analysis, double p, double t,
                                              double& remainingWater, double& condensationEnthalpy,
                                              int& status);
//! Entropy [kJ/(kg K)] of gas and condensate at p [bar] and t [°C]; T ds = dh along an isobar.
[[nodiscard]] double entropyWithCondensation(const GasAnalysis& analysis, double p, double t,
                                             double& remainingWater, double& condensationEntropy,
                                             int& status);
//! Temperature [°C] at p [bar] where gas and condensate have enthalpy h [kJ/kg]; kOutOfRange
//! outside the attainable range.
[[nodiscard]] double temperatureFromEnthalpy(const GasAnalysis& analysis, double p, double h,
                                             double& remainingWater, double& condensationEnthalpy,
                                             int& status);
//! Temperature [°C] at p [bar] where gas and condensate have entropy s [kJ/(kg K)];
//! kEntropyOutOfRange outside the attainable range.
[[nodiscard]] double temperatureFromEntropy(const GasAnalysis& analysis, double p, double s,
                                            double& remainingWater, double& condensationEntropy,
                                            int& status);

}  // namespace vaporis::gas
