#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vaporis::gas {

//! Number of gas components; every analysis holds one fraction per component.
inline constexpr int kComponentCount = 24;

//! Component indices: the position of a component in every analysis, dialog and file.
enum ComponentIndex : int {
    kWaterVapor = 0,
    kDryAir = 1,
    kHydrogenSulfide = 2,
    kNitrogen = 3,
    kOxygen = 4,
    kHydrogen = 5,
    kHelium = 6,
    kNeon = 7,
    kArgon = 8,
    kNitrogenOxide = 9,
    kCarbonMonoxide = 10,
    kCarbonDioxide = 11,
    kSulfurDioxide = 12,
    kChlorine = 13,
    kAmmonia = 14,
    kHydrogenChloride = 15,
    kMethane = 16,
    kPropane = 17,
    kAcetylene = 18,
    kEthylene = 19,
    kEthane = 20,
    kPropylene = 21,
    kButylene = 22,
    kButane = 23,
};

//! The constant data of one component.
struct ComponentConstants {
    std::string_view name;     //!< display name ("Water vapor")
    std::string_view formula;  //!< formula label ("H2O"; empty for dry air)
    double molarMass;          //!< M [kg/kmol]
    double normalDensity;      //!< rhoN [kg/m³] at 0 °C and 1.01325 bar
    double sigma;              //!< collision diameter [Å]
    double epsK;               //!< potential well depth over Boltzmann's constant [K]
    double delta;              //!< polarity parameter [-]
    double tMin;               //!< lowest valid temperature [°C]
    double tMax;               //!< highest valid temperature [°C]
    double oxygenDemand;       //!< stoichiometric O2 demand [m³ O2 / m³]
    double upperHeatingValue;  //!< Ho [MJ/m³ (normal)]
    double lowerHeatingValue;  //!< Hu [MJ/m³ (normal)]
    bool element;              //!< element in its standard state: formation enthalpy 0
};

//! The 24 components in index order.
[[nodiscard]] std::span<const ComponentConstants, kComponentCount> componentTable();

//! True for 0 <= index < kComponentCount.
[[nodiscard]] constexpr bool isComponentIndex(int index) {
    return index >= 0 && index < kComponentCount;
}

//! Display name padded with blanks to 18 characters, as the reports print it; "" for a
//! non-component index.
[[nodiscard]] std::string paddedComponentName(int index);
//! Formula label padded with blanks to 4 characters ("C4H10" keeps 5); "" for a
//! non-component index.
[[nodiscard]] std::string paddedComponentFormula(int index);

//! Isobaric heat capacity cp [kJ/(kg K)] of component index at t [°C].
[[nodiscard]] double componentCp(double t, int index, int& status);
//! Sensible specific enthalpy [kJ/kg] of component index at t [°C], 0 at 0 °C.
[[nodiscard]] double componentEnthalpy(double t, int index, int& status);
//! Specific enthalpy including the enthalpy of formation [kJ/kg] at t [°C].
[[nodiscard]] double componentTotalEnthalpy(double t, int index, int& status);
//! Standard enthalpy of formation at 25 °C [kJ/kg]; exactly 0 for an element.
[[nodiscard]] double componentFormationEnthalpy(int index, int& status);
//! Specific entropy [kJ/(kg K)] at the total pressure p [bar] and t [°C]; p <= 0 gives
//! kOutOfRange.
[[nodiscard]] double componentEntropy(double p, double t, int index, int& status);
//! Ideal-gas specific volume [m³/kg] at p [bar] and t [°C] from the normal density; p <= 0
//! gives kOutOfRange, the temperature is not range-tested.
[[nodiscard]] double componentVolume(double p, double t, int index, int& status);
// Transport from the collision data; "Dry air" has none (kNotAComponent): its transport is
// that of the mixture of its gases (dry_air_transport.h).

//! Dynamic viscosity [Pa s] at t [°C]; the temperature is not range-tested here.
[[nodiscard]] double componentViscosityPaS(double t, int index, int& status);
//! Thermal conductivity [W/(m K)] at t [°C]; the temperature is not range-tested here.
[[nodiscard]] double componentConductivity(double t, int index, int& status);
//! Collision integral [-] at tK [K]; above T* = 200 the value 1.0 with kOutOfRange.
[[nodiscard]] double collisionIntegral(double tK, int index, int& status);

}  // namespace vaporis::gas
