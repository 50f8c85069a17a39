#pragma once

#include <string>

#include "engine/file/safe_write.h"
#include "output/units/units.h"

namespace vaporis::gas {
class GasAnalysis;
class GasState;
}  // namespace vaporis::gas

namespace vaporis::output {

//! Writes the HTML report of a computed gas state to `path` (UTF-8): pressure, temperature and
//! dew point, the valid properties, then the gas analysis. False when the file could not be
//! written or the state has no analysis.
[[nodiscard]] file::WriteOutcome writeGasPropertyReport(const std::string& path,
                                                        const gas::GasState& state,
                                                        const UnitChoice& units = {});

//! Appends the gas-analysis section that closes every gas report to `report`: name, molar
//! mass, gas constant and the normalised mass and volume percentages of the components
//! present.
void writeGasAnalysisBlock(std::string& report, const gas::GasAnalysis& analysis);

}  // namespace vaporis::output
