#pragma once

#include <string>

#include "engine/file/safe_write.h"
#include "output/units/units.h"

namespace vaporis::processes {
class GasFlowProcess;
class SteamFlowProcess;
}  // namespace vaporis::processes

namespace vaporis::output {

//! Writes the HTML report of a calculated water/steam flow to `path`: fluid data, tube data
//! and results. False when the file could not be written.
[[nodiscard]] file::WriteOutcome writeSteamFlowReport(const std::string& path,
                                                      const processes::SteamFlowProcess& process,
                                                      const UnitChoice& units = {});

//! Writes the HTML report of a calculated gas flow to `path`: fluid data, tube data, the
//! ambience with a draft, the results and the gas analysis. False when the file could not be
//! written.
[[nodiscard]] file::WriteOutcome writeGasFlowReport(const std::string& path,
                                                    const processes::GasFlowProcess& process,
                                                    const UnitChoice& units = {});

}  // namespace vaporis::output
