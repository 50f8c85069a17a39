#pragma once

#include <array>

#include "engine/common/not_set.h"
#include "processes/value_rows.h"

namespace vaporis::file {
class BinaryReader;
class BinaryWriter;
}  // namespace vaporis::file

namespace vaporis::processes {

//! Moist ambient air at a level above sea: the atmospheric pressure of an isothermal
//! atmosphere, the density of the moist air, its water content and dew point.
class AmbientData {
public:
    enum Input : int {
        kTemperature = 0,       //!< ambient temperature t [°C], default 15
        kRelativeHumidity = 1,  //!< phi [%], default 65
        kLevel = 2,             //!< level above sea z [m], default 0; negative below sea level
    };
    static constexpr int kInputCount = 3;

    enum Result : int {
        kPressure = 0,           //!< atmospheric pressure p [bar]
        kDensity = 1,            //!< density of the moist air [kg/m³]
        kHumidityRatio = 2,      //!< water content x [kg water / kg dry air]
        kWaterMassFraction = 3,  //!< [kg water / kg moist air]
        kWaterMoleFraction = 4,  //!< [mol water / mol moist air]
        kDewPoint = 5,           //!< [°C]; -1.0 when it lies below the triple point
    };
    static constexpr int kResultCount = 6;

    //! Status kNotComputed, results NOT_SET, inputs to their defaults.
    void reset();
    //! Stores input i (Input); an index out of range is ignored.
    void setInput(int i, double value);
    //! The three inputs, as a project file keeps them.
    using Inputs = std::array<double, kInputCount>;
    [[nodiscard]] const Inputs& inputs() const { return inputs_; }
    //! Takes stored inputs; the results and the status stay until calculate.
    void restoreInputs(const Inputs& inputs) { inputs_ = inputs; }
    //! Input i (Input); NOT_SET for an index out of range.
    [[nodiscard]] double input(int i) const { return detail::valueAt(inputs_, i); }
    //! Result i (Result); NOT_SET for an index out of range.
    [[nodiscard]] double result(int i) const { return detail::valueAt(results_, i); }
    [[nodiscard]] int status() const { return status_; }

    //! Computes the results from the inputs and returns the status (also stored): kOk, or a
    //! code of status_codes.h with the results of the last success left in place.
    int calculate();

private:
    [[nodiscard]] int compute();

    int status_ = kNotComputed;
    std::array<double, kResultCount> results_{NOT_SET, NOT_SET, NOT_SET, NOT_SET, NOT_SET, NOT_SET};
    std::array<double, kInputCount> inputs_{15.0, 65.0, 0.0};
};

//! Appends the inputs as a project block's fields: t, phi, z (f64).
void writeBlock(const AmbientData::Inputs& inputs, file::BinaryWriter& out);
//! Reads those fields; a non-finite number fails the reader.
void readBlock(file::BinaryReader& in, AmbientData::Inputs& inputs);

}  // namespace vaporis::processes
