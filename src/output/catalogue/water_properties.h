#pragma once

#include <array>
#include <cstddef>

#include "engine/water/water_steam_state.h"
#include "output/catalogue/property_catalogue.h"

namespace vaporis::output {

//! The inputs of a water/steam state as its results show them.
inline constexpr PropertyEntry kWaterPressureEntry{
    "p", "pressure p [bar] =", "Absolute pressure p", "pressure p [bar]", ReportUnit::kBar, 6};
inline constexpr PropertyEntry kWaterTemperatureEntry{
    "t", "temperature t [°C] =", "Temperature t", "temperature t [°C]", ReportUnit::kCelsius, 6};
inline constexpr PropertyEntry kWaterQualityEntry{"x",
                                                  "steam quality x [-] =",
                                                  "Steam quality x",
                                                  "steam quality x [-]",
                                                  ReportUnit::kDimensionless,
                                                  6};

//! Row i is WaterSteamProperty i; the results grid and the text table share their labels.
inline constexpr auto kWaterPropertyCatalogue = std::to_array<PropertyEntry>({
    {"h", "specific enthalpy h [kJ/kg]", "Specific enthalpy h", "specific enthalpy h [kJ/kg]",
     ReportUnit::kKilojoulePerKilogram, 6},
    {"v", "specific volume v [m³/kg]", "Specific volume v", "specific volume v [m³/kg]",
     ReportUnit::kCubicMetrePerKilogram, 6},
    {"rho", "density rho [kg/m³]", "Density rho", "density rho [kg/m³]",
     ReportUnit::kKilogramPerCubicMetre, 6},
    {"s", "specific entropy s [kJ/(kg K)]", "Specific entropy s", "specific entropy s [kJ/(kg K)]",
     ReportUnit::kKilojoulePerKilogramKelvin, 6},
    {"cp", "isobaric heat capacity cp [kJ/(kg K)]", "Specific isobaric heat capacity cp",
     "isobaric heat capacity cp [kJ/(kg K)]", ReportUnit::kKilojoulePerKilogramKelvin, 6},
    {"cv", "isochoric heat capacity cv [kJ/(kg K)]", "Specific isochore heat capacity cv",
     "isochoric heat capacity cv [kJ/(kg K)]", ReportUnit::kKilojoulePerKilogramKelvin, 6},
    {"w", "speed of sound w [m/s]", "Sonic velocity w", "speed of sound w [m/s]",
     ReportUnit::kMetrePerSecond, 6},
    {"eta", "dynamic viscosity eta [10⁻⁶ Pa s]", "Dynamic viscosity eta",
     "dynamic viscosity eta [10⁻⁶ Pa s]", ReportUnit::kMicropascalSecond, 6},
    {"nu", "kinematic viscosity nu [10⁻⁶ m²/s]", "Kinematic viscosity nu",
     "kinematic viscosity nu [10⁻⁶ m²/s]", ReportUnit::kSquareMillimetrePerSecond, 6},
    {"lambda", "thermal conductivity lambda [W/(m K)]", "Thermal conductivity lambda",
     "thermal conductivity lambda [W/(m K)]", ReportUnit::kWattPerMetreKelvin, 6},
    {"a", "thermal diffusivity a [10⁻⁶ m²/s]", "Temperature diffusivity a",
     "thermal diffusivity a [10⁻⁶ m²/s]", ReportUnit::kSquareMillimetrePerSecond, 6},
    {"kappa", "isentropic exponent kappa [-]", "Isotropic coefficient kappa",
     "isentropic exponent kappa [-]", ReportUnit::kDimensionless, 6},
    {"Pr", "Prandtl number Pr [-]", "Prandtl - number Pr", "Prandtl number Pr [-]",
     ReportUnit::kDimensionless, 6},
    {"beta", "isobaric expansion coefficient beta [1/K]",
     "Isobaric volumetric expansion coefficient beta", "isobaric expansion coefficient beta [1/K]",
     ReportUnit::kPerKelvin, 6},
    {"chi", "isothermal compressibility chi [1/bar]",
     "Isothermal volumetric expansion coefficient chi", "isothermal compressibility chi [1/bar]",
     ReportUnit::kPerBar, 6},
});
static_assert(kWaterPropertyCatalogue.size() == water::kPropertyCount);

//! Row i is SaturationValue i.
inline constexpr auto kSaturationCatalogue = std::to_array<PropertyEntry>({
    {"ps", "ps (t) [bar] =", "Vapor pressure ps (t)", "ps (t) [bar]", ReportUnit::kBar, 6},
    {"ts", "ts (p) [°C] =", "Boiling temperature ts (p)", "ts (p) [°C]", ReportUnit::kCelsius, 6},
    {"sigma", "sigma' [10⁻³ N/m] =", "Surface tension of the boiling liquid", "sigma' [10⁻³ N/m]",
     ReportUnit::kMillinewtonPerMetre, 6},
});
static_assert(kSaturationCatalogue.size() == water::kSaturationCount);

//! The entry of WaterSteamProperty i.
[[nodiscard]] constexpr const PropertyEntry& waterProperty(int i) {
    return kWaterPropertyCatalogue[static_cast<std::size_t>(i)];
}

//! The entry of SaturationValue i.
[[nodiscard]] constexpr const PropertyEntry& saturationEntry(int i) {
    return kSaturationCatalogue[static_cast<std::size_t>(i)];
}

}  // namespace vaporis::output
