#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vaporis::processes {
class GasFlowProcess;
}

namespace vaporis::output {

//! A message for the user with the caption of its box.
struct FlowMessage {
    std::string text;
    std::string_view caption;
    //! True for a warning beside complete results, false when the calculation was refused.
    bool warning = false;
};

//! The warning of a Mach number above 0.3 (the correlations assume an incompressible fluid).
[[nodiscard]] std::string machWarningText();

//! The warning beside the total pressure drop of wet steam, which holds no friction.
inline constexpr std::string_view kWetSteamFrictionNote =
    "Wet steam: the total pressure drop is the additional pressure drop (zeta) alone; the "
    "friction of a two-phase flow is not calculated.";

//! The message for a status of SteamFlowProcess::calculate; nothing for success.
[[nodiscard]] std::optional<FlowMessage> steamFlowMessage(int status);

//! The message for the status of a calculated gas flow; nothing for success. A condensing
//! gas is told its dew point, the enthalpy there and the H2O content it can hold.
[[nodiscard]] std::optional<FlowMessage> gasFlowMessage(const processes::GasFlowProcess& process);

//! How the ambience inputs of the draft were read.
enum class AmbienceReading : int {
    kValid = 0,    //!< all four read: the draft is computed
    kInvalid = 1,  //!< some missing or unusable: no draft
    kEmpty = 2,    //!< none given: no draft, nothing to tell
};

//! The warning telling why a gas flow has no draft, after a successful flow calculation:
//! unusable ambience inputs, or the status of the ambient air computed from valid ones.
//! Nothing when the draft was computed or none was asked for.
[[nodiscard]] std::optional<FlowMessage> freeFlowWarning(AmbienceReading reading,
                                                         int ambientStatus);

}  // namespace vaporis::output
