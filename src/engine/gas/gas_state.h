#pragma once

#include <array>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/status_codes.h"

namespace vaporis::file {
class BinaryReader;
class BinaryWriter;
}  // namespace vaporis::file

namespace vaporis::gas {

//! Property indices of a GasState; dialogs and reports address properties by them.
enum GasProperty : int {
    kEnthalpy = 0,             //!< h [kJ/kg], 0 at 0 °C
    kVolume = 1,               //!< v [m³/kg]
    kDensity = 2,              //!< rho [kg/m³]
    kNormalDensity = 3,        //!< [kg/m³] at 0 °C and 1.01325 bar
    kEntropy = 4,              //!< s [kJ/(kg K)]
    kCp = 5,                   //!< [kJ/(kg K)]
    kCpm = 6,                  //!< mean cp between 0 °C and t [kJ/(kg K)]
    kCv = 7,                   //!< [kJ/(kg K)]
    kSonicVelocity = 8,        //!< w [m/s]
    kViscosity = 9,            //!< eta [1e-6 Pa s]
    kKinematicViscosity = 10,  //!< nu [1e-6 m²/s]
    kConductivity = 11,        //!< lambda [W/(m K)]
    kDiffusivity = 12,         //!< temperature diffusivity a [1e-6 m²/s]
    kKappa = 13,               //!< isentropic exponent [-]
    kPrandtl = 14,             //!< Pr [-]
    kExpansion = 15,           //!< isobaric expansion coefficient beta [1/K]
    kCompressibility = 16,     //!< isothermal compressibility chi [1/bar]
    kTotalEnthalpy = 17,       //!< enthalpy including formation [kJ/kg]
    kFormationEnthalpy = 18,   //!< standard enthalpy of formation at 25 °C [kJ/kg]
    kDewPoint = 19,            //!< H2O dew point [°C], -1.0 when there is none
    kMaxWaterContent = 20,     //!< H2O volume fraction at saturation [-], 1.0 if not supersaturated
    kOxygenDemand = 21,        //!< [m³/m³]
    kAirDemand = 22,           //!< [m³/m³]
    kUpperHeatingValue = 23,   //!< [MJ/m³ (normal)]
    kLowerHeatingValue = 24,   //!< [MJ/m³ (normal)]
};
inline constexpr int kGasPropertyCount = 25;

namespace detail {
//! A property vector as after a reset: every value -1.0.
[[nodiscard]] constexpr std::array<double, kGasPropertyCount> unsetProperties() {
    std::array<double, kGasPropertyCount> values{};
    values.fill(-1.0);
    return values;
}
}  // namespace detail

//! The inputs of a GasState as a project file keeps them: the three given-flags and p [bar],
//! t [°C], h [kJ/kg].
struct GasStateInputs {
    bool pressureSet = false;
    bool temperatureSet = false;
    bool enthalpySet = false;
    double p = 0.0;
    double t = 0.0;
    double h = 0.0;

    bool operator==(const GasStateInputs&) const = default;
};

//! One state of a gas at pressure and temperature (or pressure and enthalpy), bound to an
//! analysis it does not own; the analysis must outlive the state. Several states may share
//! one analysis.
class GasState {
public:
    //! A state without analysis: calculate reports kStateIncomplete, as it does for an
    //! analysis without components.
    GasState() = default;
    //! Bound to analysis with pressure p [bar] and temperature t [°C] set.
    GasState(const GasAnalysis& analysis, double p, double t);

    //! Clears the given-flags (the values stay), properties -1.0, status kNotCalculated.
    void reset();
    void bind(const GasAnalysis& analysis) { analysis_ = &analysis; }
    //! [bar]
    void setPressure(double p);
    //! [°C]
    void setTemperature(double t);
    //! [kJ/kg]
    void setEnthalpy(double h);
    //! Computes every property and stores the status; an early stop keeps the properties.
    void calculate();

    [[nodiscard]] const GasAnalysis* analysis() const { return analysis_; }
    [[nodiscard]] bool hasAnalysis() const { return analysis_ != nullptr; }
    [[nodiscard]] bool pressureSet() const { return pressureSet_; }
    [[nodiscard]] bool temperatureSet() const { return temperatureSet_; }
    [[nodiscard]] bool enthalpySet() const { return enthalpySet_; }
    [[nodiscard]] int status() const { return status_; }
    [[nodiscard]] GasStateInputs inputs() const;
    //! Takes the inputs and flags as stored; properties and status stay until calculate.
    void restoreInputs(const GasStateInputs& inputs);
    //! [bar]
    [[nodiscard]] double pressure() const { return p_; }
    //! [°C]; the result when the enthalpy was given.
    [[nodiscard]] double temperature() const { return t_; }
    //! [kJ/kg]; the result when the temperature was given.
    [[nodiscard]] double enthalpy() const { return hIn_; }
    //! Property k (GasProperty); -1.0 before a calculation, NOT_SET for an index outside 0..24.
    [[nodiscard]] double property(int k) const;

private:
    [[nodiscard]] int solveTemperature();
    void computeThermalProperties(const GasAnalysis& analysis);
    void computeTransportProperties(const GasAnalysis& analysis);

    const GasAnalysis* analysis_ = nullptr;
    bool pressureSet_ = false;
    bool temperatureSet_ = false;
    bool enthalpySet_ = false;
    int status_ = kNotCalculated;
    double p_ = 0.0;
    double t_ = 0.0;
    double hIn_ = 0.0;
    std::array<double, kGasPropertyCount> property_ = detail::unsetProperties();
};

//! Appends inputs as a project block's fields: the three flags, then p, t, h (f64).
void writeBlock(const GasStateInputs& inputs, file::BinaryWriter& out);
//! Reads those fields; a flag other than 0/1 or a non-finite number fails the reader.
void readBlock(file::BinaryReader& in, GasStateInputs& inputs);

}  // namespace vaporis::gas
