#pragma once

#include "engine/water/region_choice.h"
#include "engine/water/saturation_line.h"

namespace vaporis::water {

//! Saturation pressure [bar] at t [°C] from 0.01 °C to the critical temperature.
[[nodiscard]] double vaporPressure(double t, int& status);
//! Saturation temperature [°C] at p [bar] from the triple-point to the critical pressure.
[[nodiscard]] double boilingTemperature(double p, int& status);

// Saturated liquid (') and saturated vapour ('') at pressure p [bar]; above 220.64 bar
// kAboveCriticalPressure and -1.0.

//! Specific volume of saturated liquid [m³/kg].
[[nodiscard]] double specificVolumeSatLiquid(double p, int& status);
//! Specific volume of saturated vapour [m³/kg].
[[nodiscard]] double specificVolumeSatVapor(double p, int& status);
//! Specific enthalpy of saturated liquid [kJ/kg].
[[nodiscard]] double enthalpySatLiquid(double p, int& status);
//! Specific enthalpy of saturated vapour [kJ/kg].
[[nodiscard]] double enthalpySatVapor(double p, int& status);
//! Specific entropy of saturated liquid [kJ/(kg K)].
[[nodiscard]] double entropySatLiquid(double p, int& status);
//! Specific entropy of saturated vapour [kJ/(kg K)].
[[nodiscard]] double entropySatVapor(double p, int& status);
//! Isobaric heat capacity of saturated liquid [kJ/(kg K)].
[[nodiscard]] double isobaricHeatCapacitySatLiquid(double p, int& status);
//! Isobaric heat capacity of saturated vapour [kJ/(kg K)].
[[nodiscard]] double isobaricHeatCapacitySatVapor(double p, int& status);
//! Isochoric heat capacity of saturated liquid [kJ/(kg K)].
[[nodiscard]] double isochoricHeatCapacitySatLiquid(double p, int& status);
//! Isochoric heat capacity of saturated vapour [kJ/(kg K)].
[[nodiscard]] double isochoricHeatCapacitySatVapor(double p, int& status);
//! Speed of sound in saturated liquid [m/s].
[[nodiscard]] double soundVelocitySatLiquid(double p, int& status);
//! Speed of sound in saturated vapour [m/s].
[[nodiscard]] double soundVelocitySatVapor(double p, int& status);

//! Specific volume [m³/kg] of a two-phase mixture of quality x [-] at p [bar]; -1.0 above the
//! critical pressure.
[[nodiscard]] double specificVolumeFromPX(double p, double x);
//! Specific enthalpy [kJ/kg] of a two-phase mixture of quality x [-] at p [bar].
[[nodiscard]] double enthalpyFromPX(double p, double x);
//! Specific entropy [kJ/(kg K)] of a two-phase mixture of quality x [-] at p [bar].
[[nodiscard]] double entropyFromPX(double p, double x);
//! Evaporation enthalpy h'' - h' [kJ/kg] at p [bar]; kEvaporationFailed when h' or h'' fails.
[[nodiscard]] double evaporationEnthalpy(double p, int& status);
//! Speed of sound [m/s] of a homogeneous two-phase mixture in equilibrium, of quality x [-] at
//! p [bar] from the triple point to below the critical pressure: c² = -v² / (dv/dp)_s, the
//! slope taken along the saturation line at the mixture's entropy. kOutsideRegion for x
//! outside 0 ... 1 or a pressure without a two-phase range.
[[nodiscard]] double homogeneousSoundVelocity(double p, double x, int& status);

namespace detail {

//! Above this pressure [bar], the saturation pressure at 623.15 K where regions 1 and 2 end,
//! saturated states come from region 3. The saturated expansion and compressibility take
//! region 3 kRegion3Offset [K] beside the line, on the side of the phase.
inline constexpr double kRegion3Switch = 165.291642526;
inline constexpr double kRegion3Offset = 0.001;

//! kOk for a pressure p [bar] at or below the critical pressure, else kNonFiniteInput or
//! kAboveCriticalPressure: the first tests of every saturated value.
[[nodiscard]] int saturatedPressureStatus(double p);

//! kOk for t [°C] from the triple point to the critical temperature, else the status that
//! refuses it: kNonFiniteInput, kAboveCriticalTemperature or kBelowTripleTemperature.
[[nodiscard]] int saturationTemperatureStatus(double t);

}  // namespace detail

}  // namespace vaporis::water
