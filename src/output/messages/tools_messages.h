#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/units/units.h"
#include "processes/tools/critical_outflow.h"
#include "processes/tools/quench_cooler.h"

namespace vaporis::output {

//! The messages of the three tools begin with the tool's name.
inline constexpr std::string_view kAtmosphereFormat = "Isotropic atmosphere: %s";
inline constexpr std::string_view kQuenchFormat = "Quench cooler calculation: %s";
inline constexpr std::string_view kOutflowFormat =
    "Exhaust from pressurized vessel calculation: %s";

//! The warnings of an outflow whose iterations stopped at their bound.
inline constexpr std::string_view kNozzleAbortedText = "Warning: phi_max iteration aborted";
inline constexpr std::string_view kOutletAbortedText = "Warning: p_outlet iteration aborted";

//! The message of an atmosphere status; empty for success.
[[nodiscard]] std::string atmosphereMessageText(int status);
//! The warnings of a quench balance, in the order they are shown.
[[nodiscard]] std::vector<std::string> quenchWarningTexts(const processes::QuenchBalance& out);
//! The message of a refused quench balance; empty for none.
[[nodiscard]] std::string quenchRefusalText(const processes::QuenchBalance& out);
//! The notice that a short tube runs with fewer steps.
[[nodiscard]] std::string stepsReducedText(int steps);
//! The message of a refused outflow, its values in `units`; empty for none and for a cancel.
[[nodiscard]] std::string outflowRefusalText(processes::OutflowRefusal why,
                                             const UnitChoice& units = {});
//! The warnings of an outflow result: the aborted iterations.
[[nodiscard]] std::vector<std::string> outflowWarningTexts(const processes::OutflowResult& out);

}  // namespace vaporis::output
