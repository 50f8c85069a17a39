#pragma once

#include "engine/gas/gas_analysis.h"

namespace vaporis::gas {

// Properties of the ideal-gas mixture described by an analysis. Mass-weighted sums of the
// component functions; every component is taken at the total pressure (no mixing term).
// Functions with a range test return -1.0 with kOutOfRange when t lies outside
// [minTemperature, maxTemperature] of the analysis.

//! cp [kJ/(kg K)] at t [°C]; range-tested.
[[nodiscard]] double mixtureCp(const GasAnalysis& analysis, double t, int& status);
//! Sensible enthalpy [kJ/kg], 0 at 0 °C, at t [°C]; range-tested.
[[nodiscard]] double mixtureEnthalpy(const GasAnalysis& analysis, double t, int& status);
//! Enthalpy including the enthalpy of formation [kJ/kg] at t [°C]; range-tested.
[[nodiscard]] double mixtureTotalEnthalpy(const GasAnalysis& analysis, double t, int& status);
//! Entropy [kJ/(kg K)] at p [bar] and t [°C]; range-tested.
[[nodiscard]] double mixtureEntropy(const GasAnalysis& analysis, double p, double t, int& status);
//! Specific volume [m³/kg] at p [bar] and t [°C].
[[nodiscard]] double mixtureVolume(const GasAnalysis& analysis, double p, double t, int& status);
//! Standard enthalpy of formation at 25 °C [kJ/kg].
[[nodiscard]] double mixtureFormationEnthalpy(const GasAnalysis& analysis, int& status);
//! Isentropic exponent cp/cv [-] at t [°C]; range-tested.
[[nodiscard]] double mixtureKappa(const GasAnalysis& analysis, double t, int& status);
//! Sonic velocity [m/s] at t [°C]; range-tested.
[[nodiscard]] double mixtureSonicVelocity(const GasAnalysis& analysis, double t, int& status);
//! Dynamic viscosity [Pa s] at t [°C] (Herning and Zipperer on mass fractions).
[[nodiscard]] double mixtureViscosityPaS(const GasAnalysis& analysis, double t, int& status);
//! Thermal conductivity [W/(m K)] at t [°C], with the correction for hydrogen mixtures.
[[nodiscard]] double mixtureConductivity(const GasAnalysis& analysis, double t, int& status);

//! Stoichiometric O2 demand [m³/m³].
[[nodiscard]] double oxygenDemand(const GasAnalysis& analysis);
//! Upper heating value [MJ/m³ (normal)].
[[nodiscard]] double upperHeatingValue(const GasAnalysis& analysis);
//! Lower heating value [MJ/m³ (normal)].
[[nodiscard]] double lowerHeatingValue(const GasAnalysis& analysis);
//! Partial pressure of water vapour [bar] at total pressure p [bar].
[[nodiscard]] double waterPartialPressure(const GasAnalysis& analysis, double p);
//! H2O dew point [°C] at p [bar]; -1.0 when there is none (dry gas, partial pressure below
//! the triple point or above the critical pressure, p not finite).
[[nodiscard]] double dewPoint(const GasAnalysis& analysis, double p);
//! kOk, kNegativePressure (p <= 0), kOutsideAnalysisRange, kHeliumAbove2044K or kNonFiniteInput for
//! a state at p [bar] and t [°C].
[[nodiscard]] int checkGasState(const GasAnalysis& analysis, double p, double t);

}  // namespace vaporis::gas
