#include "cli/gas_analysis_option.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "cli/command_error.h"
#include "cli/number_io.h"
#include "cli/text_table.h"
#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis_file.h"
#include "output/format/file_path.h"
#include "output/format/number_text.h"

namespace vaporis::cli {

namespace {

constexpr std::string_view kDryAirLabel = "air";
// A sum this close to 100 % is taken as 100 % without a note.
constexpr double kSumTolerance = 1e-9;

using Percentages = std::array<double, gas::kComponentCount>;

std::optional<int> componentOfLabel(std::string_view label) {
    for (int i = 0; i < gas::kComponentCount; ++i) {
        if (label == componentLabel(i)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string allLabels() {
    std::string text;
    for (int i = 0; i < gas::kComponentCount; ++i) {
        text += (i == 0 ? "" : ",") + componentLabel(i);
    }
    return text;
}

// One "NAME=PERCENT" item into the percentages.
void addItem(std::string_view option, std::string_view item, Percentages& percentages,
             std::array<bool, gas::kComponentCount>& seen) {
    const auto equals = item.find('=');
    const std::string_view label = trimBlanks(item.substr(0, equals));
    const auto index = componentOfLabel(label);
    if (!index) {
        throw ArgumentError(std::string(option) + ": unknown component \"" + std::string(label) +
                            "\" (use " + allLabels() + ")");
    }
    const auto slot = static_cast<std::size_t>(*index);
    if (seen[slot]) {
        throw ArgumentError(std::string(option) + ": " + std::string(label) + " is given twice");
    }
    const auto percent = equals == std::string_view::npos
                             ? std::nullopt
                             : parseNumber(trimBlanks(item.substr(equals + 1)));
    if (!percent || *percent < 0.0) {
        throw ArgumentError(std::string(option) + ": \"" + std::string(item) +
                            "\" is not NAME=PERCENT with a percentage of 0 or more");
    }
    seen[slot] = true;
    percentages[slot] = *percent;
}

Percentages parseSpec(std::string_view option, std::string_view spec) {
    Percentages percentages{};
    std::array<bool, gas::kComponentCount> seen{};
    std::size_t start = 0;
    while (start <= spec.size()) {
        const auto comma = spec.find(',', start);
        addItem(option, spec.substr(start, comma - start), percentages, seen);
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return percentages;
}

gas::GasAnalysis analysisFromSpec(std::string_view option, const std::string& spec,
                                  bool volumeBasis) {
    const Percentages percentages = parseSpec(option, spec);
    double sum = 0.0;
    for (const double percent : percentages) {
        sum += percent;
    }
    if (!(sum > 0.0)) {
        throw ArgumentError(std::string(option) + ": the percentages add up to 0");
    }
    if (!std::isfinite(sum)) {
        throw ArgumentError(std::string(option) + ": the percentages are too large to add up");
    }
    if (std::abs(sum - 100.0) > kSumTolerance) {
        const std::string note = "vaporis-cli: note: " + std::string(option) + " adds up to " +
                                 output::formatShortest(sum) + " %; scaled to 100 %\n";
        writeMessage(note);
    }
    gas::GasAnalysis analysis;
    if (volumeBasis) {
        analysis.setFromVolumePercent(percentages);
    } else {
        analysis.setFromMassPercent(percentages);
    }
    analysis.setName(spec);
    return analysis;
}

gas::GasAnalysis analysisFromFile(const std::string& path) {
    gas::GasAnalysis analysis;
    const gas::GasFileResult result = gas::readGasFile(analysis, output::pathFromUtf8(path));
    if (result != gas::GasFileResult::kOk) {
        throw ArgumentError("--analysis " + path + ": " +
                            readFailureWords(result, "not a gas analysis file"));
    }
    // A file of zero percentages is well formed but holds no gas to compute.
    if (!(analysis.massPercentSum() > 0.0)) {
        throw ArgumentError("--analysis " + path + ": the percentages add up to 0");
    }
    analysis.setName(output::fileTitle(path, gas::kMaxGasNameLength + 1));
    return analysis;
}

}  // namespace

std::string componentLabel(int index) {
    if (index == gas::kDryAir) {
        return std::string(kDryAirLabel);
    }
    return gas::isComponentIndex(index)
               ? std::string(gas::componentTable()[static_cast<std::size_t>(index)].formula)
               : std::string();
}

std::string componentLabelList() {
    std::string labels = std::string(kDryAirLabel) + " (dry air)";
    for (int i = 0; i < gas::kComponentCount; ++i) {
        labels += i == gas::kDryAir ? "" : ", " + componentLabel(i);
    }
    return labels;
}

gas::GasAnalysis analysisFromOptions(const GasAnalysisOptions& options) {
    if (!options.volumeSpec.empty()) {
        return analysisFromSpec("--vol", options.volumeSpec, true);
    }
    if (!options.massSpec.empty()) {
        return analysisFromSpec("--mass", options.massSpec, false);
    }
    if (!options.analysisFile.empty()) {
        return analysisFromFile(options.analysisFile);
    }
    gas::GasAnalysis analysis;
    analysis.setDefault();
    analysis.setName("Dry air");
    return analysis;
}

}  // namespace vaporis::cli
