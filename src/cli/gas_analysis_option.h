#pragma once

#include <string>

#include "engine/gas/gas_analysis.h"

namespace vaporis::cli {

//! Where the gas analysis of `vaporis-cli gas` comes from; at most one is given.
struct GasAnalysisOptions {
    std::string volumeSpec;    //!< "N2=79,O2=21": volume percentages by formula label
    std::string massSpec;      //!< the same as mass percentages
    std::string analysisFile;  //!< a .gas file
};

//! The analysis the options name, or 100 % dry air by volume when they name none. Names are
//! the formula labels of the component table ("air" for dry air). Percentages that do not
//! add up to 100 are scaled, with a note on stderr. Throws ArgumentError naming the option
//! for an unknown or repeated name, a bad or negative percentage, a sum of 0 or a file that
//! cannot be read.
[[nodiscard]] gas::GasAnalysis analysisFromOptions(const GasAnalysisOptions& options);

//! The label of component index in specs and JSON: its formula, "air" for dry air.
[[nodiscard]] std::string componentLabel(int index);

//! The labels of all components, joined by ", ": "air (dry air)", the default gas, first.
[[nodiscard]] std::string componentLabelList();

}  // namespace vaporis::cli
