#include "cli/option_helpers.h"

#include "cli/number_io.h"

namespace vaporis::app {

namespace {

const CLI::Validator kNumber(
    [](const std::string& text) {
        return parseNumber(text) ? std::string() : "\"" + text + "\" is not a number";
    },
    "NUMBER");

// An empty text would silently mean "not given".
const CLI::Validator kNotEmpty(
    [](const std::string& text) { return text.empty() ? "must not be empty" : std::string(); }, "");

}  // namespace

std::optional<double> NumberOption::value() const {
    return option->count() > 0 ? parseNumber(text) : std::nullopt;
}

void addNumber(CLI::App& command, NumberOption& target, const std::string& name,
               const std::string& help) {
    target.option = command.add_option(name, target.text, help)->check(kNumber);
}

void addOutputOptions(CLI::App& command, OutputOptions& output, bool withHtml, bool withBatch,
                      std::initializer_list<const NumberOption*> stateInputs) {
    auto* json = command.add_flag("--json", output.json, "print one JSON object");
    CLI::Option* html = nullptr;
    if (withHtml) {
        html = command.add_option("--html", output.htmlPath, "also write the HTML report to FILE")
                   ->type_name("FILE")
                   ->check(kNotEmpty);
    }
    if (!withBatch) {
        return;
    }
    auto* batch = command.add_flag("--batch", output.batch,
                                   "read CSV from stdin (header: two input names), write CSV");
    batch->excludes(json);
    if (html != nullptr) {
        batch->excludes(html);
    }
    for (const NumberOption* input : stateInputs) {
        batch->excludes(input->option);
    }
}

void addGasAnalysisOptions(CLI::App& command, GasAnalysisOptions& analysis) {
    auto* vol = command
                    .add_option("--vol", analysis.volumeSpec,
                                "volume percentages, e.g. N2=79,O2=21 (labels: H2O, N2, O2, "
                                "..., C4H10, air)")
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

}  // namespace vaporis::app
