#pragma once

#include <string>

#include "cli/command_options.h"
#include "cli/diagram_option.h"
#include "cli/gas_analysis_option.h"
#include "cli/output_options.h"

namespace vaporis::cli {

//! Inputs of `vaporis-cli process steam|gas`: the process type, both states, efficiencies,
//! one flow, a heat loss and, for gases, the analysis.
struct ProcessOptions {
    int type = 0;                       //!< processes::ThermalProcessType
    CLI::Option* typeOption = nullptr;  //!< --type, which a batch may give as a column
    NumberOption p1, t1, x1, p2, t2, x2;
    NumberOption etaS, etaM, etaG;
    NumberOption massFlow, volumeFlow, normalVolumeFlow, heatLoss;
    GasAnalysisOptions analysis;
    OutputOptions output;
    DiagramOptions diagram;
};

//! The options of both media; the one whose command was parsed is computed.
struct ProcessArguments {
    CLI::App* gasCommand = nullptr;
    ProcessOptions steam;
    ProcessOptions gas;
};

//! Adds `process` with its two media to app; their values land in arguments.
void addProcessCommand(CLI::App& app, ProcessArguments& arguments);

//! Computes the parsed process and prints it (table or JSON, report); returns the exit code.
//! Throws ArgumentError when the options do not describe both states.
[[nodiscard]] int runProcess(const ProcessArguments& arguments);

}  // namespace vaporis::cli
