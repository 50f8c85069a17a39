#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/output_options.h"

namespace vaporis::cli {

//! Adds --batch, --delimiter, --decimal-comma and --jobs to every command of app that takes a
//! batch of its own options (process, flow, ambient, tools); their values land in `output`.
void addCommandBatchOptions(CLI::App& app, OutputOptions& output);

//! After parsing: the command of app whose --batch was given, or null.
[[nodiscard]] const CLI::App* commandBatchChosen(const CLI::App& app);

//! One run of the program with these arguments (without the program's name), printing to the
//! OutputCapture of the calling thread; returns its exit code.
using CommandRunner = std::function<int(const std::vector<std::string>& arguments)>;

//! Runs `command` once per CSV row from stdin and writes one CSV row per input row to stdout.
//! The header names options of the command (`p1,t1 [°C],eta-s`, in any case, a unit only the
//! option's own); a row gives those options, the command line `arguments` (the program's
//! arguments after its name) the others. Each output row holds the row's inputs, status,
//! message and every value of the command's JSON (nested keys joined by "."), in the columns
//! of the first row that was computed. Rows run on output.jobs threads, the output in input
//! order. Returns kExitSomeRowsFailed when a row failed, else kExitOk; throws ArgumentError
//! for a missing or unusable header, and when none of the first 100,000 rows could be
//! computed (their columns would be unknown).
[[nodiscard]] int runCommandBatch(const CLI::App& command, std::vector<std::string> arguments,
                                  const OutputOptions& output, const CommandRunner& run);

//! What a run wrote to stderr as one line: a progress line overwritten by "\r" as the
//! terminal would show it, the program's name left off, lines joined by "; ".
[[nodiscard]] std::string messageOf(std::string_view err);

}  // namespace vaporis::cli
