#pragma once

#include <array>

#include "engine/common/physical_constants.h"

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

//! The first derivative by pi (or delta) alone, for the iterations that need only it (see
//! basicEquation).
[[nodiscard]] double gammaPi(double x, double tau, int region);

namespace detail {

//! Reducing density [kg/m³] and temperature [K] of the Helmholtz equation of region 3.
inline constexpr double kRegion3RhoStar = kCriticalDensity;
inline constexpr double kRegion3TStar = kCriticalTemperatureK;

//! Reducing pressure [bar] and temperature [K] of the Gibbs equation of region 1, 2 or 5.
struct ReducingValues {
    double pStar;
    double tStar;
};
[[nodiscard]] ReducingValues reducingValues(int region);

//! The single-phase properties that the basic equations give.
enum class SinglePhaseProperty {
    kSpecificVolume,         //!< [m³/kg]
    kEnthalpy,               //!< [kJ/kg]
    kEntropy,                //!< [kJ/(kg K)]
    kIsobaricHeatCapacity,   //!< [kJ/(kg K)]
    kIsochoricHeatCapacity,  //!< [kJ/(kg K)]
    kSoundVelocity,          //!< [m/s]
};

//! A property from the Gibbs equation of region 1, 2 or 5 at p [bar], tK [K]; no range check.
[[nodiscard]] double gibbsProperty(SinglePhaseProperty property, double p, double tK, int region);
//! A property from the Helmholtz equation of region 3 at v [m³/kg], tK [K]; no range check.
[[nodiscard]] double helmholtzProperty(SinglePhaseProperty property, double v, double tK);

//! The region-3 equation along one isotherm: its tau terms are summed once, so each pressure
//! costs a short polynomial in delta (the density iterations step along an isotherm).
class Region3Isotherm {
public:
    //! Pressure [bar] and its slope by the reduced density delta [bar].
    struct Point {
        double p;
        double slope;
    };
    explicit Region3Isotherm(double tK);
    //! Pressure and slope at delta = rho / 322 kg/m³.
    [[nodiscard]] Point at(double delta) const;

private:
    double scale_;                            // rho* R T in bar
    std::array<double, 12> pressureTerms_{};  // I c_I, c_I the sum of n tau^J over each I
    std::array<double, 12> slopeTerms_{};     // I (I + 1) c_I
};

}  // namespace detail

}  // namespace vaporis::water
