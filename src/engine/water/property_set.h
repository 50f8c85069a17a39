#pragma once

namespace vaporis::water {

//! The caloric properties of one single-phase state and its two volume derivatives, all from
//! one evaluation of the region's basic equation (and one density in region 3). The values
//! equal those of the single-property functions of the same state.
struct PropertySet {
    double h = -1.0;     //!< specific enthalpy [kJ/kg]
    double v = -1.0;     //!< specific volume [m³/kg]
    double s = -1.0;     //!< specific entropy [kJ/(kg K)]
    double cp = -1.0;    //!< isobaric heat capacity [kJ/(kg K)]
    double cv = -1.0;    //!< isochoric heat capacity [kJ/(kg K)]
    double w = -1.0;     //!< speed of sound [m/s]
    double beta = -1.0;  //!< isobaric expansion coefficient [1/K]
    double chi = -1.0;   //!< isothermal compressibility [1/bar]
};

//! Every property of PropertySet at p [bar], t [°C] in region (kRegionNone selects it). The
//! status is that of the single functions: kOnSaturationLine, kOutsideRegion, the region-3
//! density's, or kOk; on failure every value is -1.0.
[[nodiscard]] PropertySet propertySet(double p, double t, int region, int& status);

}  // namespace vaporis::water
