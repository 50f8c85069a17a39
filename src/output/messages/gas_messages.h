#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output/messages/messages.h"

namespace vaporis::gas {
class GasAnalysis;
class GasState;
}  // namespace vaporis::gas

namespace vaporis::output {

//! The dew point [°C] the gas engine gives a gas that has none.
inline constexpr double kNoDewPoint = -1.0;

//! Title, text and check box of the warning for a gas pressure beyond 0.5 to 10 bar.
inline constexpr std::string_view kGasPressureWarningTitle =
    "Achtung: Gültigkeitsbereich überschritten";
inline constexpr std::string_view kGasPressureWarningText =
    "Warning: The formulas are valid for p = 1bar. In the range of p = 0.5 bar and p = 10 bar "
    "the error will be small. Above this range higher deviations have to be expected.";
inline constexpr std::string_view kDontShowAgainText = "Don't show this message again";

//! The message refusing the gas formulations at p [bar]: too high above 100 bar, too low below
//! 0.1 bar (and for a pressure that is no number); nothing when they may be used.
[[nodiscard]] std::optional<MessageId> gasPressureRefusal(double p);

//! Whether p [bar], where the gas formulations may be used, lies outside 0.5 to 10 bar, the
//! range in which their error stays small.
[[nodiscard]] bool gasPressureDeviates(double p);

//! The message for a gas state that condenses: its dew point [°C] with the enthalpy of the
//! analysis there [kJ/kg], and the H2O content [% vol] the gas can hold at its temperature.
[[nodiscard]] std::string condensationMessage(const gas::GasState& state,
                                              const gas::GasAnalysis& analysis);

//! What the status of a gas value says, in words; empty for kOk.
[[nodiscard]] std::string_view gasStatusText(int status);

//! How the program answers a calculated gas state.
struct GasStateVerdict {
    bool accepted = false;   //!< its properties may be shown
    bool condenses = false;  //!< refused because the gas lies below its dew point
    bool warning = false;    //!< the message warns beside accepted results
    std::string message;     //!< for the user; empty when there is nothing to say
};

//! Judges a calculated state bound to its analysis: accepted (helium above 2044 K with a
//! warning), refused because it condenses, or refused with the message of its status
//! (temperature outside the analysis's range, input out of range, or an unknown error).
[[nodiscard]] GasStateVerdict judgeGasState(const gas::GasState& state);

//! Whether property k (gas::GasProperty) of an accepted state has a value: a helium-bearing
//! gas above 2044 K has no eta, nu, lambda, a, kappa and Pr.
[[nodiscard]] bool gasPropertyKnown(const gas::GasState& state, int k);

}  // namespace vaporis::output
