#pragma once

#include <array>

namespace vaporis::water {

//! IAPWS-IF97 region codes; kRegionNone asks a function to select the region itself and is
//! also the answer for a state outside every region.
enum RegionCode : int {
    kRegionNone = 0,
    kRegion1 = 1,
    kRegion2 = 2,
    kRegion3 = 3,
    kRegion4 = 4,
    kRegion5 = 5,
};

//! Specific gas constant of water [kJ/(kg K)].
inline constexpr double kGasConstant = 0.461526;

//! The dimensionless basic equation of a region and its derivatives at one point: gamma of
//! regions 1, 2, 5 over (pi, tau), or phi of region 3 over (delta, tau).
struct BasicEquation {
    double value = 0.0;
    double pi = 0.0;  //!< derivative by the first argument (pi, or delta in region 3)
    double piPi = 0.0;
    double tau = 0.0;
    double tauTau = 0.0;
    double piTau = 0.0;
};

//! Every derivative of region's basic equation at first argument x (pi or delta) and tau, from
//! one pass over the terms. region is 1, 2, 3 or 5; any other gives all zeros.
[[nodiscard]] BasicEquation basicEquation(double x, double tau, int region);

//! The basic equation itself and its single derivatives (see basicEquation).
[[nodiscard]] double gammaValue(double x, double tau, int region);
[[nodiscard]] double gammaPi(double x, double tau, int region);
[[nodiscard]] double gammaPiPi(double x, double tau, int region);
[[nodiscard]] double gammaTau(double x, double tau, int region);
[[nodiscard]] double gammaTauTau(double x, double tau, int region);
[[nodiscard]] double gammaPiTau(double x, double tau, int region);

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

namespace detail {

//! Reducing density [kg/m³] and temperature [K] of the Helmholtz equation of region 3.
inline constexpr double kRegion3RhoStar = 322.0;
inline constexpr double kRegion3TStar = 647.096;

//! Reducing pressure [bar] and temperature [K] of the Gibbs equation of region 1, 2 or 5.
struct ReducingValues {
    double pStar;
    double tStar;
};
[[nodiscard]] ReducingValues reducingValues(int region);

//! The region-3 equation along one isotherm: its tau terms are summed once, so each pressure
//! costs a short polynomial in delta (the density iterations step along an isotherm).
class Region3Isotherm {
public:
    explicit Region3Isotherm(double tK);
    //! Pressure [bar] at specific volume v [m³/kg].
    [[nodiscard]] double pressure(double v) const;

private:
    double tK_;
    std::array<double, 12> coefficients_{};  // sum of n tau^J over the terms of each I
};

}  // namespace detail

}  // namespace vaporis::water
