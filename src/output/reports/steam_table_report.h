#pragma once

#include <string>

#include "engine/file/safe_write.h"
#include "output/units/units.h"

namespace vaporis::water {
class WaterSteamState;
}

namespace vaporis::output {

//! Writes the HTML report of a computed water/steam state to `path` (UTF-8): its inputs, the
//! valid values of the state, of saturated liquid and vapour, and the saturation values.
//! False when the file could not be written.
[[nodiscard]] file::WriteOutcome writeSteamTableReport(const std::string& path,
                                                       const water::WaterSteamState& state,
                                                       const UnitChoice& units = {});

}  // namespace vaporis::output
