#pragma once

#include <string>

#include "engine/file/safe_write.h"
#include "output/units/units.h"

namespace vaporis::processes {
class GasThermalProcess;
class SteamThermalProcess;
}  // namespace vaporis::processes

namespace vaporis::output {

//! Writes the HTML report of a calculated water/steam process to `path` (UTF-8): both states,
//! the process data and the results. False when the file could not be written.
[[nodiscard]] file::WriteOutcome writeSteamProcessReport(
    const std::string& path, const processes::SteamThermalProcess& process,
    const UnitChoice& units = {});

//! Writes the HTML report of a calculated gas process to `path`: both states, the process
//! data, the results with the condensate, then the gas analysis. False when the file could
//! not be written or the process has no analysis.
[[nodiscard]] file::WriteOutcome writeGasProcessReport(const std::string& path,
                                                       const processes::GasThermalProcess& process,
                                                       const UnitChoice& units = {});

}  // namespace vaporis::output
