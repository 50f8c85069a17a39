#include "cli/gas_command.h"

#include <array>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/command_error.h"
#include "cli/csv_batch.h"
#include "cli/gas_condensing.h"
#include "cli/gas_result.h"
#include "cli/json_output.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "engine/gas/component_data.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/status_codes.h"
#include "output/catalogue/gas_properties.h"
#include "output/messages/gas_messages.h"
#include "output/messages/messages.h"
#include "output/reports/gas_property_report.h"

namespace vaporis::cli {

namespace {

// Input pairs: the index tells whether the second input is t (0) or h (1).
constexpr auto kGasInputs = std::to_array<InputColumns>({{"p", "t"}, {"p", "h"}});

using output::gasProperty;
using output::kGasPressureEntry;
using output::kGasTemperatureEntry;

// The gas constant of the analysis, as JSON and the text table name it.
constexpr output::PropertyEntry kGasConstantEntry{"gasConstant",
                                                  "",
                                                  "",
                                                  "Gas constant [J/(kg K)]",
                                                  output::ReportUnit::kJoulePerKilogramKelvin,
                                                  6};
constexpr output::ReportUnit kGasConstantUnit = kGasConstantEntry.unit;

// Property k of the state in its shown unit.
double shownProperty(const GasResult& result, int k) {
    return shownValue(result.state.property(k), gasProperty(k).unit);
}

// p, t, status, message and the properties of a gas state in a batch line.
void appendGasFields(double p, const GasResult& result, bool failed, std::string_view message,
                     CsvLine& line) {
    line.number(shownValue(p, kGasPressureEntry.unit), true);
    line.number(shownValue(result.state.temperature(), kGasTemperatureEntry.unit),
                result.temperatureKnown);
    line.status(result.status, failed, message);
    for (int k = 0; k < gas::kGasPropertyCount; ++k) {
        line.number(shownProperty(result, k), gasPropertyShown(result, k));
    }
}

void appendGasRow(const gas::GasAnalysis& analysis, std::size_t pair, double p, double value,
                  CsvLine& line) {
    const GasResult result = computeGas(analysis, pair, p, value);
    appendGasFields(p, result, !result.valid, result.message, line);
}

std::string analysisTable(const gas::GasAnalysis& analysis) {
    TextTable table;
    table.addRow({"Gas analysis: " + analysis.name()});
    table.addRow({"Molar mass [kg/kmol]", tableNumber(analysis.molarMass(), true)});
    table.addRow({shownLabel(kGasConstantEntry.textLabel, kGasConstantUnit),
                  tableNumber(shownValue(analysis.gasConstantJ(), kGasConstantUnit), true)});
    table.addRow({"", "% mass", "% vol"});
    for (int i = 0; i < gas::kComponentCount; ++i) {
        if (analysis.massFraction(i) > 0.0) {
            table.addRow({std::string(gas::componentTable()[static_cast<std::size_t>(i)].name) +
                              " (" + componentLabel(i) + ")",
                          tableNumber(100.0 * analysis.massFraction(i), true),
                          tableNumber(100.0 * analysis.volumeFraction(i), true)});
        }
    }
    return table.render();
}

std::string gasTable(const GasResult& result) {
    TextTable table;
    table.addRow({shownLabel(kGasPressureEntry.textLabel, kGasPressureEntry.unit),
                  tableNumber(shownValue(result.state.pressure(), kGasPressureEntry.unit), true)});
    table.addRow(
        {shownLabel(kGasTemperatureEntry.textLabel, kGasTemperatureEntry.unit),
         tableNumber(shownValue(result.state.temperature(), kGasTemperatureEntry.unit), true)});
    table.addRow({"Status", std::to_string(result.status)});
    table.addRow({});
    for (int k = 0; k < gas::kGasPropertyCount; ++k) {
        table.addRow({shownLabel(gasProperty(k).textLabel, gasProperty(k).unit),
                      tableNumber(shownProperty(result, k), gasPropertyShown(result, k))});
    }
    return table.render() + '\n' + analysisTable(*result.state.analysis());
}

nlohmann::ordered_json percentages(const gas::GasAnalysis& analysis, bool volume) {
    nlohmann::ordered_json values = nlohmann::ordered_json::object();
    for (int i = 0; i < gas::kComponentCount; ++i) {
        if (analysis.massFraction(i) > 0.0) {
            values[componentLabel(i)] =
                100.0 * (volume ? analysis.volumeFraction(i) : analysis.massFraction(i));
        }
    }
    return values;
}

nlohmann::ordered_json gasJson(const GasResult& result) {
    const gas::GasAnalysis& analysis = *result.state.analysis();
    nlohmann::ordered_json properties = nlohmann::ordered_json::object();
    for (int k = 0; k < gas::kGasPropertyCount; ++k) {
        properties[std::string(gasProperty(k).key)] =
            numberOrNull(shownProperty(result, k), gasPropertyShown(result, k));
    }
    nlohmann::ordered_json json = {
        {std::string(kGasPressureEntry.key),
         shownValue(result.state.pressure(), kGasPressureEntry.unit)},
        {std::string(kGasTemperatureEntry.key),
         shownValue(result.state.temperature(), kGasTemperatureEntry.unit)},
        {"status", result.status},
        {"message", result.message},
        {"analysis",
         {{"molarMass", analysis.molarMass()},
          {"gasConstant", shownValue(analysis.gasConstantJ(), kGasConstantUnit)},
          {"massPercent", percentages(analysis, false)},
          {"volumePercent", percentages(analysis, true)}}},
        {"properties", properties}};
    addUnits(json, std::array{kGasPressureEntry, kGasTemperatureEntry, kGasConstantEntry});
    addUnits(json, output::kGasPropertyCatalogue);
    return json;
}

std::size_t statePair(const GasOptions& options) {
    if (!options.p) {
        throw ArgumentError("gas: --p is required");
    }
    if (!options.t && !options.h && !options.s) {
        throw ArgumentError(options.condensation ? "gas: --t, --h or --s is required"
                                                 : "gas: --t or --h is required");
    }
    return options.t ? kGivenT : (options.h ? kGivenH : kGivenS);
}

// With --condensation a row may give s: the gas state is then the one at the temperature found.
// Below the dew point the gas alone is refused, but gas plus condensate is the row's result.
void appendCondensingRow(const gas::GasAnalysis& analysis, std::size_t pair, double p, double value,
                         CsvLine& line) {
    const CondensingResult result =
        computeCondensing(analysis, static_cast<CondensingInput>(pair), p, value);
    appendGasFields(p, result.gas, result.failed, result.message, line);
    appendCondensingFields(result.condensing, line);
}

// Below its dew point the gas is taken as gas plus condensate: the dialog's refusal of the
// single gas state is no error then, and the condensing values follow the state's table.
int runCondensingState(const gas::GasAnalysis& analysis, const GasOptions& options,
                       std::size_t pair, double value) {
    const CondensingResult condensing =
        computeCondensing(analysis, static_cast<CondensingInput>(pair), *options.p, value);
    const GasResult& result = condensing.gas;
    if (condensing.failed) {
        return reportRefusal(options.output.json, result.status, condensing.message);
    }
    if (!condensing.message.empty()) {
        writeText(stderr, condensing.message + '\n');
    }
    if (options.output.json) {
        nlohmann::ordered_json document = gasJson(result);
        document["condensing"] = condensingJson(condensing.condensing);
        printJson(document);
    } else {
        writeText(stdout, gasTable(result) + '\n' + condensingTable(condensing.condensing));
    }
    return kExitOk;
}

// A single state outside the range where the formulations are close says so on stderr.
void warnAboutPressure(double p) {
    if (!output::gasPressureRefusal(p) && output::gasPressureDeviates(p)) {
        writeText(stderr, std::string(output::kGasPressureWarningText) + '\n');
    }
}

}  // namespace

int runGas(const GasOptions& options) {
    const gas::GasAnalysis analysis = analysisFromOptions(options.analysis);
    if (options.output.batch) {
        const std::string header =
            csvHeader({shownColumn(kGasPressureEntry), shownColumn(kGasTemperatureEntry),
                       kStatusColumn, kMessageColumn},
                      output::kGasPropertyCatalogue);
        const std::string condensingHeader = header + ',' + condensingColumns();
        const auto row = options.condensation ? appendCondensingRow : appendGasRow;
        return runBatch(stdin, stdout, csvFormat(options.output),
                        {"gas",
                         options.condensation ? std::span<const InputColumns>(kCondensingInputs)
                                              : std::span<const InputColumns>(kGasInputs),
                         options.condensation ? condensingHeader : header,
                         [&analysis, row](std::size_t pair, double p, double value, CsvLine& line) {
                             row(analysis, pair, p, value, line);
                         }},
                        batchJobs(options.output));
    }
    const std::size_t pair = statePair(options);
    const double value = pair == kGivenT ? *options.t : (pair == kGivenH ? *options.h : *options.s);
    warnAboutPressure(*options.p);
    if (options.condensation) {
        return runCondensingState(analysis, options, pair, value);
    }
    const GasResult result = computeGas(analysis, pair, *options.p, value);
    if (!result.valid) {
        return reportRefusal(options.output.json, result.status, result.message);
    }
    if (!result.message.empty()) {
        writeText(stderr, result.message + '\n');
    }
    writeHtmlIfAsked(options.output, [&result](const std::string& path) {
        return output::writeGasPropertyReport(path, result.state, shownUnits());
    });
    if (options.output.json) {
        printJson(gasJson(result));
    } else {
        writeText(stdout, gasTable(result));
    }
    return kExitOk;
}

}  // namespace vaporis::cli
