#pragma once

#include <array>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/command_help.h"
#include "cli/gas_analysis_option.h"
#include "cli/number_io.h"
#include "cli/output_options.h"
#include "cli/shown_units.h"

namespace vaporis::cli {

// Numbers are read here, never by CLI11's own conversion, so they ignore the locale; a number
// may carry its unit ("5 barg"), which is checked when the value is read.
inline const CLI::Validator kNumber(
    [](const std::string& text) {
        return parseNumber(text) || carriesUnit(text) ? std::string()
                                                      : "\"" + text + "\" is not a number";
    },
    "");

// An empty text would silently mean "not given".
inline const CLI::Validator kNotEmpty(
    [](const std::string& text) { return text.empty() ? "must not be empty" : std::string(); }, "");

//! A number option read as text, converted once parsing has succeeded (into the unit its help
//! names); a command that does not offer it leaves the option null.
struct NumberOption {
    CLI::Option* option = nullptr;
    std::string text;
    const bool* secondUnit = nullptr;  //!< true: the second unit of "[kg/s or kg/h]" applies

    //! Throws ArgumentError for a unit that does not fit.
    [[nodiscard]] std::optional<double> value() const {
        if (option == nullptr || option->count() == 0) {
            return std::nullopt;
        }
        return readOptionNumber(*option, text, secondUnit != nullptr && *secondUnit);
    }
};

inline void addNumber(CLI::App& command, NumberOption& target, const std::string& name,
                      const std::string& help) {
    target.option = command.add_option(name, target.text, help)
                        ->check(kNumber)
                        ->type_name(numberTypeName(help));
}

//! --delimiter and --decimal-comma, for the CSV a command writes.
inline std::array<CLI::Option*, 2> addCsvFormatOptions(CLI::App& command, OutputOptions& output) {
    return {
        command.add_option("--delimiter", output.delimiter, "CSV field delimiter: , ; | or tab")
            ->type_name("CHAR"),
        command.add_flag("--decimal-comma", output.decimalComma,
                         "CSV numbers with a decimal comma, read and written (delimiter ;)")};
}

//! --jobs: the threads a batch or table runs on.
inline CLI::Option* addJobsOption(CLI::App& command, OutputOptions& output) {
    return command
        .add_option("--jobs", output.jobs,
                    "threads computing the rows (default: one per core); the output is the same")
        ->type_name("N")
        ->check(CLI::Range(1U, 1024U));
}

//! --vol, --mass and --analysis, of which at most one is given.
inline void addGasAnalysisOptions(CLI::App& command, GasAnalysisOptions& analysis) {
    auto* vol =
        command
            .add_option("--vol", analysis.volumeSpec,
                        "volume percentages, e.g. N2=79,O2=21; labels: " + componentLabelList())
            ->type_name("SPEC")
            ->check(kNotEmpty);
    auto* mass = command.add_option("--mass", analysis.massSpec, "mass percentages, as --vol")
                     ->type_name("SPEC")
                     ->check(kNotEmpty);
    auto* file = command.add_option("--analysis", analysis.analysisFile, "a .gas file")
                     ->type_name("FILE.gas")
                     ->check(kNotEmpty);
    vol->excludes(mass)->excludes(file);
    mass->excludes(file);
}

}  // namespace vaporis::cli
