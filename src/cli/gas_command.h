#pragma once

#include <optional>

#include "cli/gas_analysis_option.h"
#include "cli/output_options.h"

namespace vaporis::cli {

//! Inputs of `vaporis-cli gas`: p [bar] with t [°C], h [kJ/kg] or (with condensation)
//! s [kJ/(kg K)], and the analysis; condensation takes a gas below its dew point as gas plus
//! condensate.
struct GasOptions {
    std::optional<double> p;
    std::optional<double> t;
    std::optional<double> h;
    std::optional<double> s;
    bool condensation = false;
    GasAnalysisOptions analysis;
    OutputOptions output;
};

//! Computes the 25 properties of one gas state (table, JSON, report) or a batch, as the
//! gas-property dialog accepts them; returns the exit code. Throws ArgumentError for unusable
//! arguments.
[[nodiscard]] int runGas(const GasOptions& options);

}  // namespace vaporis::cli
