#pragma once

namespace vaporis::water {

// Transport and derived properties at p [bar], t [°C]. The viscosity and the conductivity
// (IAPS 1985) give kOutsideRegion outside 0 °C..800 °C or 0..1000 bar.

//! Dynamic viscosity [Pa s].
[[nodiscard]] double dynamicViscosityPaS(double p, double t, int& status);
//! Thermal conductivity [W/(m K)], with the critical enhancement.
[[nodiscard]] double thermalConductivity(double p, double t, int& status);
//! Viscosity [Pa s] and conductivity [W/(m K)] of one state, from one density evaluation; each
//! value and status as dynamicViscosityPaS and thermalConductivity give them.
struct TransportPair {
    double etaPaS = -1.0;
    int etaStatus = 0;
    double lambda = -1.0;
    int lambdaStatus = 0;
};
[[nodiscard]] TransportPair viscosityAndConductivity(double p, double t);
//! Surface tension of the boiling liquid [N/m] at t [°C] (IAPWS 1994).
[[nodiscard]] double surfaceTensionNPerM(double t, int& status);
//! Isentropic exponent w² / (p v) [-].
[[nodiscard]] double isentropicExponent(double p, double t, int& status);
//! Isobaric volumetric expansion coefficient [1/K]; region kRegionNone selects the region.
[[nodiscard]] double isobaricExpansion(double p, double t, int region, int& status);
[[nodiscard]] double isobaricExpansion(double p, double t, int& status);
//! Isothermal compressibility [1/bar]; region kRegionNone selects the region.
[[nodiscard]] double isothermalCompressibility(double p, double t, int region, int& status);
[[nodiscard]] double isothermalCompressibility(double p, double t, int& status);

//! Slope of the isochore (dp/dT) at constant v [bar/K], numerically.
[[nodiscard]] double isochoricPressureSlope(double p, double t, int& status);
//! Slope of the isotherm (drho/dp) at constant T [(kg/m³)/bar], numerically.
[[nodiscard]] double isothermalDensitySlope(double p, double t, int& status);

// Saturated liquid (') and vapour ('') at p [bar]; above 220.64 bar kAboveCriticalPressure.

[[nodiscard]] double dynamicViscositySatLiquidPaS(double p, int& status);
[[nodiscard]] double dynamicViscositySatVaporPaS(double p, int& status);
[[nodiscard]] double thermalConductivitySatLiquid(double p, int& status);
[[nodiscard]] double thermalConductivitySatVapor(double p, int& status);
[[nodiscard]] double isentropicExponentSatLiquid(double p, int& status);
[[nodiscard]] double isentropicExponentSatVapor(double p, int& status);
[[nodiscard]] double isobaricExpansionSatLiquid(double p, int& status);
[[nodiscard]] double isobaricExpansionSatVapor(double p, int& status);
[[nodiscard]] double isothermalCompressibilitySatLiquid(double p, int& status);
[[nodiscard]] double isothermalCompressibilitySatVapor(double p, int& status);

}  // namespace vaporis::water
