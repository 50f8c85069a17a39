#pragma once

#include <CLI/CLI.hpp>

#include "cli/command_options.h"

namespace vaporis::cli {

//! Inputs of `vaporis-cli tools atmosphere|quench|outflow`, as the tools dialog takes them;
//! an option not given keeps the dialog's default.
struct ToolsArguments {
    CLI::App* atmosphere = nullptr;
    CLI::App* quench = nullptr;
    NumberOption level, t, phi;
    NumberOption pSteam, tSteam, massFlowSteam, pWater, tWater, tSet, pExit;
    NumberOption p0, t0, length, diameter, tubes, pTank, steps;
    bool json = false;
};

//! Adds `tools` with its three calculators to app; their values land in arguments.
void addToolsCommand(CLI::App& app, ToolsArguments& arguments);

//! Computes the parsed tool and prints it (table or JSON); messages on stderr, and the
//! outflow's progress there when stderr is a terminal. Quench and outflow print their status,
//! message and warnings too, and a balance or flow without a valid result no numbers.
//! Returns the exit code.
[[nodiscard]] int runTools(const ToolsArguments& arguments);

}  // namespace vaporis::cli
