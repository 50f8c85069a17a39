#pragma once

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/output_options.h"

namespace vaporis::cli {

//! Inputs of `vaporis-cli table`: p and t as VALUE or FROM:TO:STEP, or a saturation table
//! over one of them.
struct TableArguments {
    std::string p;
    std::string t;
    std::vector<std::string> saturation;  //!< {"p" or "t", FROM:TO:STEP}
    OutputOptions output;
};

//! Adds `table` to app; its values land in arguments.
void addTableCommand(CLI::App& app, TableArguments& arguments);

//! Writes the steam table as CSV to stdout, as JSON, or as an HTML file. Returns
//! kExitSomeRowsFailed when a state was refused. Throws ArgumentError for unusable ranges.
[[nodiscard]] int runTable(const TableArguments& arguments);

}  // namespace vaporis::cli
