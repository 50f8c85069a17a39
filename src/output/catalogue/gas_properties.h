#pragma once

#include <array>
#include <cstddef>

#include "engine/gas/gas_state.h"
#include "output/catalogue/property_catalogue.h"

namespace vaporis::output {

//! The inputs of a gas state: p [bar] and t [°C].
inline constexpr PropertyEntry kGasPressureEntry{"p",
                                                 "absolute pressure p [bar] =",
                                                 "Absolute pressure p",
                                                 "Absolute pressure p [bar]",
                                                 ReportUnit::kBar,
                                                 4};
inline constexpr PropertyEntry kGasTemperatureEntry{
    "t", "temperature t [°C] =", "Temperature t", "Temperature t [°C]", ReportUnit::kCelsius, 4};

//! Row k is GasProperty k. The enthalpy is also an input; the dew point is shown beside the
//! inputs; the demands and heating values are in no report.
inline constexpr auto kGasPropertyCatalogue = std::to_array<PropertyEntry>({
    {"h", "specific enthalpy h [kJ/kg] =", "Specific enthalpy h", "Specific enthalpy h [kJ/kg]",
     ReportUnit::kKilojoulePerKilogram, 4},
    {"v", "specific volume v [m³/kg]", "Specific volume v", "Specific volume v [m³/kg]",
     ReportUnit::kCubicMetrePerKilogram, 6},
    {"rho", "density rho [kg/m³]", "Density rho", "Density rho [kg/m³]",
     ReportUnit::kKilogramPerCubicMetre, 6},
    {"rhoN", "normal density [kg/Nm³]", "Normal density", "Normal density [kg/m³]",
     ReportUnit::kKilogramPerCubicMetre, 6},
    {"s", "specific entropy s [kJ/(kg K)]", "Specific entropy s", "Specific entropy s [kJ/(kg K)]",
     ReportUnit::kKilojoulePerKilogramKelvin, 6},
    {"cp", "isobaric heat capacity cp [kJ/(kg K)]", "Specific isobaric heat capacity cp",
     "Specific isobaric heat capacity cp [kJ/(kg K)]", ReportUnit::kKilojoulePerKilogramKelvin, 6},
    {"cpm", "mean heat capacity cpm, 0 °C to t [kJ/(kg K)]",
     "Medium spec. isobaric heat capacity cpm",
     "Medium spec. isobaric heat capacity cpm [kJ/(kg K)]", ReportUnit::kKilojoulePerKilogramKelvin,
     6},
    {"cv", "isochoric heat capacity cv [kJ/(kg K)]", "Specific isochore heat capacity cv",
     "Specific isochore heat capacity cv [kJ/(kg K)]", ReportUnit::kKilojoulePerKilogramKelvin, 6},
    {"w", "sonic velocity w [m/s]", "Sonic velocity w", "Sonic velocity w [m/s]",
     ReportUnit::kMetrePerSecond, 6},
    {"eta", "dynamic viscosity eta [10⁻⁶ Pa s]", "Dynamic viscosity eta",
     "Dynamic viscosity eta [10⁻⁶ Pa s]", ReportUnit::kMicropascalSecond, 6},
    {"nu", "kinematic viscosity nu [10⁻⁶ m²/s]", "Kinematic viscosity nu",
     "Kinematic viscosity nu [10⁻⁶ m²/s]", ReportUnit::kSquareMillimetrePerSecond, 6},
    {"lambda", "thermal conductivity lambda [W/(m K)]", "Thermal conductivity lambda",
     "Thermal conductivity lambda [W/(m K)]", ReportUnit::kWattPerMetreKelvin, 6},
    {"a", "thermal diffusivity a [10⁻⁶ m²/s]", "Temperature diffusivity a",
     "Temperature diffusivity a [10⁻⁶ m²/s]", ReportUnit::kSquareMillimetrePerSecond, 6},
    {"kappa", "isentropic exponent kappa [-]", "Isotropic coefficient kappa",
     "Isotropic coefficient kappa [-]", ReportUnit::kDimensionless, 6},
    {"Pr", "Prandtl number Pr [-]", "Prandtl - number Pr", "Prandtl - number Pr [-]",
     ReportUnit::kDimensionless, 6},
    {"beta", "isobaric expansion coefficient beta [1/K]",
     "Isobaric volumetric expansion coefficient beta",
     "Isobaric volumetric expansion coefficient beta [1/K]", ReportUnit::kPerKelvin, 6},
    {"chi", "isothermal compressibility chi [1/bar]",
     "Isothermal volumetric expansion coefficient chi",
     "Isothermal volumetric expansion coefficient chi [1/bar]", ReportUnit::kPerBar, 6},
    {"hTotal", "enthalpy incl. formation [kJ/kg]", "Enthalpy of formation",
     "Enthalpy of formation [kJ/kg]", ReportUnit::kKilojoulePerKilogram, 6},
    {"hFormation", "enthalpy of formation at 25 °C [kJ/kg]",
     "Standard enthalpy of formation (25°C)", "Standard enthalpy of formation (25°C) [kJ/kg]",
     ReportUnit::kKilojoulePerKilogram, 6},
    {"dewPoint", "H2O dew point [°C] =", "H2O - dew point Ts", "H2O - dew point Ts [°C]",
     ReportUnit::kCelsius, 3},
    {"maxH2O", "", "", "Max. H2O content [-]", ReportUnit::kNone, 6},
    {"o2Demand", "O2 demand [m³/m³]", "", "O2 demand [m³/m³]", ReportUnit::kNone, 4},
    {"airDemand", "air demand [m³/m³]", "", "Air demand [m³/m³]", ReportUnit::kNone, 4},
    {"Ho", "upper heating value [MJ/Nm³]", "", "Upper heating value [MJ/m³ (normal)]",
     ReportUnit::kNone, 3},
    {"Hu", "lower heating value [MJ/Nm³]", "", "Lower heating value [MJ/m³ (normal)]",
     ReportUnit::kNone, 3},
});
static_assert(kGasPropertyCatalogue.size() == gas::kGasPropertyCount);

//! The entry of GasProperty k.
[[nodiscard]] constexpr const PropertyEntry& gasProperty(int k) {
    return kGasPropertyCatalogue[static_cast<std::size_t>(k)];
}

}  // namespace vaporis::output
