#pragma once

#include <string>
#include <string_view>

#include "output/messages/messages.h"

namespace vaporis::output {

//! The text around the message of a failed enthalpy iteration.
inline constexpr std::string_view kIterationMessageFormat = "Steam enthalpy iteration: %s";

//! The message for a water/steam input status that is not kInputOk: an input error, out of
//! range, too close to the saturation line, or an unknown error.
[[nodiscard]] MessageId inputStatusMessage(int inputStatus);

//! The message for a failed enthalpy iteration with the status of temperatureFromPH.
[[nodiscard]] MessageId iterationFailureMessage(int status);

//! A message as the enthalpy iteration tells it.
[[nodiscard]] std::string iterationMessage(MessageId id);

//! What a water/steam property status says, in words; empty for a valid value.
[[nodiscard]] std::string_view propertyStatusText(int status);

//! The result of the enthalpy iteration at p [bar] and h [kJ/kg].
struct EnthalpyIteration {
    int status;  //!< of temperatureFromPH
    double t;    //!< [°C]; in the two-phase region the boiling temperature
    double x;    //!< [-] in the two-phase region, else NOT_SET
    [[nodiscard]] bool twoPhase() const;
    [[nodiscard]] bool valid() const;  //!< t (and x) may be shown
};

//! Temperature at p [bar] and h [kJ/kg], or boiling temperature and quality for wet steam.
[[nodiscard]] EnthalpyIteration enthalpyIteration(double p, double h);

}  // namespace vaporis::output
