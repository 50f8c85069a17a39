#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace vaporis::processes {
class AmbientData;
}

namespace vaporis::cli {

//! Inputs of `vaporis-cli ambient`; a missing one keeps the ambient record's default.
struct AmbientOptions {
    std::optional<double> t;      //!< ambient temperature [°C]
    std::optional<double> phi;    //!< relative humidity [%]
    std::optional<double> level;  //!< level above sea [m]
    bool json = false;
};

//! JSON keys of the ambient results, in AmbientData::Result order, for --help.
inline constexpr const char* kAmbientJsonKeys =
    "pressure, density, humidityRatio, waterMassFraction, waterMoleFraction, dewPoint";

//! Computes and prints the ambient air; returns the exit code.
[[nodiscard]] int runAmbient(const AmbientOptions& options);

//! The results of a computed ambient record, each null without a value (a dew point below
//! the triple point has none).
[[nodiscard]] nlohmann::ordered_json ambientJson(const processes::AmbientData& ambient);

//! The inputs and results of a computed ambient record as text table rows.
[[nodiscard]] std::string ambientTable(const processes::AmbientData& ambient);

//! The message why the ambient air could not be computed, for a status other than 0.
[[nodiscard]] std::string ambientFailureText(int status);

}  // namespace vaporis::cli
