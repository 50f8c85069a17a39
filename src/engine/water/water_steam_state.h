#pragma once

#include <array>

#include "engine/common/not_set.h"

namespace vaporis::file {
class BinaryReader;
class BinaryWriter;
}  // namespace vaporis::file

namespace vaporis::water {

//! Index of a property in every value row of WaterSteamState.
enum WaterSteamProperty : int {
    kH,       //!< specific enthalpy [kJ/kg]
    kV,       //!< specific volume [m³/kg]
    kRho,     //!< density [kg/m³]
    kS,       //!< specific entropy [kJ/(kg K)]
    kCp,      //!< isobaric heat capacity [kJ/(kg K)]
    kCv,      //!< isochoric heat capacity [kJ/(kg K)]
    kW,       //!< speed of sound [m/s]
    kEta,     //!< dynamic viscosity [10⁻⁶ Pa s]
    kNu,      //!< kinematic viscosity [10⁻⁶ m²/s]
    kLambda,  //!< thermal conductivity [W/(m K)]
    kA,       //!< thermal diffusivity [10⁻⁶ m²/s]
    kKappa,   //!< isentropic exponent [-]
    kPr,      //!< Prandtl number [-]
    kBeta,    //!< isobaric expansion coefficient [1/K]
    kChi,     //!< isothermal compressibility [1/bar]
};
inline constexpr int kPropertyCount = 15;

//! Index of a saturation value of WaterSteamState.
enum SaturationValue : int {
    kPs,     //!< saturation pressure at t [bar]
    kTs,     //!< saturation temperature at p [°C]
    kSigma,  //!< surface tension of the boiling liquid at ts [10⁻³ N/m]
};
inline constexpr int kSaturationCount = 3;

//! Which two inputs define the state.
enum InputMode : int {
    kModePT = 0,  //!< pressure and temperature
    kModePX = 1,  //!< saturation pressure and steam quality
    kModeTX = 2,  //!< saturation temperature and steam quality
};

//! The inputs of a WaterSteamState as a project file keeps them: the mode, the given-flags and
//! p [bar], t [°C], x [-].
struct WaterSteamInputs {
    int mode = kModePT;
    bool pressureGiven = false;
    bool temperatureGiven = false;
    bool qualityGiven = false;
    double p = NOT_SET;
    double t = NOT_SET;
    double x = NOT_SET;

    bool operator==(const WaterSteamInputs&) const = default;
};

//! One water/steam state with its 15 properties, the saturated-liquid and saturated-vapour
//! rows at its pressure and three saturation values, each value with its status code.
class WaterSteamState {
public:
    WaterSteamState() = default;
    //! Resets, sets the two inputs of the mode (p [bar], t [°C], x [-]) and the mode.
    WaterSteamState(int mode, double p, double t, double x);

    //! Clears inputs, values and statuses; keeps the mode.
    void reset();
    //! Stores p [bar] and marks it given.
    void setPressure(double p);
    //! Stores t [°C] and marks it given.
    void setTemperature(double t);
    //! Stores x [-] and marks it given.
    void setQuality(double x);
    //! Stores the InputMode.
    void setMode(int mode) { mode_ = mode; }

    //! Input status of the current inputs (kInputOk or the reason they are unusable).
    [[nodiscard]] int validateInputs() const;
    //! Validates the inputs and, when they are acceptable, computes every value.
    void calculate();
    //! As calculate(), but for p + t only the state's own values: the saturated liquid and
    //! vapour rows and the saturation values stay unset. The other modes need those rows and
    //! compute everything. For a batch that shows only the state.
    void calculateState();

    [[nodiscard]] double pressure() const { return pressure_; }
    [[nodiscard]] double temperature() const { return temperature_; }
    [[nodiscard]] double quality() const { return quality_; }
    [[nodiscard]] int mode() const { return mode_; }
    [[nodiscard]] int inputStatus() const { return inputStatus_; }
    [[nodiscard]] WaterSteamInputs inputs() const;
    //! Takes the inputs, flags and mode as stored; values and statuses stay until calculate.
    void restoreInputs(const WaterSteamInputs& inputs);

    //! Value of WaterSteamProperty i of the state, saturated liquid, saturated vapour;
    //! NOT_SET for an index out of range.
    [[nodiscard]] double stateValue(int i) const;
    [[nodiscard]] double liquidValue(int i) const;
    [[nodiscard]] double vaporValue(int i) const;
    //! Value of SaturationValue i; NOT_SET for an index out of range.
    [[nodiscard]] double saturationValue(int i) const;
    //! Status codes beside the values; kNotComputed for an index out of range.
    [[nodiscard]] int stateStatus(int i) const;
    [[nodiscard]] int liquidStatus(int i) const;
    [[nodiscard]] int vaporStatus(int i) const;
    [[nodiscard]] int saturationStatus(int i) const;

    //! True when the three status codes are all valid.
    [[nodiscard]] static bool allValid(int a, int b, int c) { return a == 0 && b == 0 && c == 0; }

    using Values = std::array<double, kPropertyCount>;
    using Statuses = std::array<int, kPropertyCount>;

private:
    void computeSaturationValues();
    void computeTwoPhaseState();

    bool pressureGiven_ = false;
    bool temperatureGiven_ = false;
    bool qualityGiven_ = false;
    int mode_ = kModePT;
    int inputStatus_ = -1;
    double pressure_ = NOT_SET;
    double temperature_ = NOT_SET;
    double quality_ = NOT_SET;
    Values state_ = filled(NOT_SET);
    Values liquid_ = filled(NOT_SET);
    Values vapor_ = filled(NOT_SET);
    std::array<double, kSaturationCount> saturation_{NOT_SET, NOT_SET, NOT_SET};
    Statuses stateStatus_ = filled(kNotComputed);
    Statuses liquidStatus_ = filled(kNotComputed);
    Statuses vaporStatus_ = filled(kNotComputed);
    std::array<int, kSaturationCount> saturationStatus_{kNotComputed, kNotComputed, kNotComputed};

    template <typename T>
    static constexpr std::array<T, kPropertyCount> filled(T value) {
        std::array<T, kPropertyCount> row{};
        row.fill(value);
        return row;
    }
};

//! Appends inputs as a project block's fields: mode i32, the three flags, p, t, x (f64).
void writeBlock(const WaterSteamInputs& inputs, file::BinaryWriter& out);
//! Reads those fields; a mode other than 0 to 2, a flag other than 0/1 or a non-finite number
//! fails the reader.
void readBlock(file::BinaryReader& in, WaterSteamInputs& inputs);

}  // namespace vaporis::water
