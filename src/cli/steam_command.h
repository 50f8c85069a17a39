#pragma once

#include <optional>

#include "cli/output_options.h"

namespace vaporis::cli {

//! Inputs of `vaporis-cli steam`: two of p [bar], t [°C], x [-] choose the input mode.
struct SteamOptions {
    std::optional<double> p;
    std::optional<double> t;
    std::optional<double> x;
    OutputOptions output;
};

//! Inputs of `vaporis-cli steam-ph`: p [bar] and h [kJ/kg].
struct SteamPhOptions {
    std::optional<double> p;
    std::optional<double> h;
    OutputOptions output;
};

//! Computes one water/steam state (table, JSON, report) or a batch; returns the exit code.
//! Throws ArgumentError when the inputs do not choose a mode.
[[nodiscard]] int runSteam(const SteamOptions& options);

//! Finds t, or the boiling temperature and x, from p and h, for one state or a batch;
//! returns the exit code.
[[nodiscard]] int runSteamPh(const SteamPhOptions& options);

}  // namespace vaporis::cli
