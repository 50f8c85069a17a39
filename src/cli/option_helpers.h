#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/gas_analysis_option.h"
#include "cli/output_options.h"

namespace vaporis::app {

//! A number option read as text, converted once parsing has succeeded; CLI11's own
//! conversion would follow the locale.
struct NumberOption {
    CLI::Option* option = nullptr;
    std::string text;

    [[nodiscard]] std::optional<double> value() const;
};

//! Adds a number option `name` to command.
void addNumber(CLI::App& command, NumberOption& target, const std::string& name,
               const std::string& help);

//! Adds --json, optionally --html and, with `withBatch`, --batch, which excludes the
//! single-state options `stateInputs`.
void addOutputOptions(CLI::App& command, OutputOptions& output, bool withHtml, bool withBatch,
                      std::initializer_list<const NumberOption*> stateInputs = {});

//! Adds --vol, --mass and --analysis, of which at most one may be given.
void addGasAnalysisOptions(CLI::App& command, GasAnalysisOptions& analysis);

}  // namespace vaporis::app
