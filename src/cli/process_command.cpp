#include "cli/process_command.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "cli/command_error.h"
#include "cli/command_help.h"
#include "cli/json_output.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "engine/common/not_set.h"
#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/water_steam_state.h"
#include "output/catalogue/process_results.h"
#include "output/messages/gas_messages.h"
#include "output/messages/messages.h"
#include "output/messages/refusal_messages.h"
#include "output/messages/thermal_process_messages.h"
#include "output/reports/thermal_process_report.h"
#include "processes/module_rules.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"

namespace vaporis::cli {

namespace {

using processes::GasThermalProcess;
using processes::SteamThermalProcess;
using Json = nlohmann::ordered_json;

constexpr std::string_view kProcessRefused =
    "the process was refused (its message on stderr, or with --json the object {\"status\", "
    "\"message\"} on stdout)";

const std::map<std::string, int> kTypeNames{{"throttle", processes::kConstantEnthalpy},
                                            {"isentropic", processes::kIsentropicEfficiency},
                                            {"balance", processes::kStateBalance}};

void addStateOptions(CLI::App& command, ProcessOptions& o, bool steam) {
    addNumber(command, o.p1, "--p1", "initial pressure [bar]");
    addNumber(command, o.t1, "--t1", "initial temperature [°C]");
    if (steam) {
        addNumber(command, o.x1, "--x1", "initial steam quality [-] (instead of --t1)");
        o.t1.option->excludes(o.x1.option);
    }
    addNumber(command, o.p2, "--p2", "final pressure [bar]");
    addNumber(command, o.t2, "--t2", "final temperature [°C] (balance only)");
    if (steam) {
        addNumber(command, o.x2, "--x2", "final steam quality [-] (balance, instead of --t2)");
        o.t2.option->excludes(o.x2.option);
    }
}

void addProcessOptions(CLI::App& command, ProcessOptions& o, bool steam) {
    o.typeOption =
        command.add_option("--type", o.type, "throttle, isentropic or balance (required)");
    o.typeOption->transform(CLI::CheckedTransformer(kTypeNames).description(""))
        ->type_name("throttle|isentropic|balance");
    addStateOptions(command, o, steam);
    addNumber(command, o.etaS, "--eta-s", "isentropic efficiency [-] (isentropic only)");
    addNumber(command, o.etaM, "--eta-m", "mechanical efficiency [-] (isentropic only)");
    addNumber(command, o.etaG, "--eta-g", "generator efficiency [-] (isentropic only)");
    addNumber(command, o.massFlow, "--mass-flow", "mass flow [kg/s]");
    addNumber(command, o.volumeFlow, "--volume-flow", "volume flow at the initial state [m³/s]");
    o.massFlow.option->excludes(o.volumeFlow.option);
    if (!steam) {
        addNumber(command, o.normalVolumeFlow, "--normal-volume-flow",
                  "normal volume flow [Nm³/s]");
        o.normalVolumeFlow.option->excludes(o.massFlow.option)->excludes(o.volumeFlow.option);
        addGasAnalysisOptions(command, o.analysis);
    }
    addNumber(command, o.heatLoss, "--heat-loss", "heat loss after the process [kW], < 0: gain");
    command.add_flag("--json", o.output.json, "print one JSON object");
    command.add_option("--html", o.output.htmlPath, "also write the HTML report to FILE")
        ->type_name("FILE")
        ->check(kNotEmpty);
    addDiagramOptions(command, o.diagram, steam);
}

// The process could not be computed as asked: the message the dialog would show, for the
// input-data error it is.
struct Refusal {
    std::string message;
};

double required(const NumberOption& option, const char* name) {
    const std::optional<double> value = option.value();
    if (!value) {
        throw ArgumentError(std::string("process: ") + name + " is required");
    }
    return *value;
}

void checkTypeOptions(const ProcessOptions& o) {
    const bool balance = o.type == processes::kStateBalance;
    const bool finalGiven = o.t2.value() || o.x2.value();
    if (balance != finalGiven) {
        throw ArgumentError(balance ? "process: --type balance needs --t2 or --x2"
                                    : "process: --t2 and --x2 belong to --type balance");
    }
    if (o.type != processes::kIsentropicEfficiency &&
        (o.etaS.value() || o.etaM.value() || o.etaG.value())) {
        throw ArgumentError("process: the efficiencies belong to --type isentropic");
    }
}

// The process's own rules (pressure order, efficiencies, gas pressures) as the dialog has them.
template <typename Process>
void applyModuleRules(const Process& process) {
    if (const processes::RuleAnswer refusal =
            processes::checkThermalProcess(process, processes::MarkerMeaning::kNumber)) {
        throw Refusal{std::string(output::messageText(output::refusalMessage(*refusal)))};
    }
}

// Stores the value of a given option; a value the process refuses stops with message 0. A
// flow or heat loss of 0 means none, as in the dialog.
template <typename Process>
void setOptional(Process& process, int slot, const NumberOption& option, bool zeroIsNone) {
    const std::optional<double> value = option.value();
    if (!value || (zeroIsNone && *value == 0.0)) {
        return;
    }
    if (!process.setInput(slot, *value)) {
        throw Refusal{option.option->get_name() + ": " +
                      std::string(output::messageText(output::MessageId::kInputDataError))};
    }
}

template <typename Process>
void setCommonInputs(Process& process, const ProcessOptions& o) {
    process.setType(o.type);
    (void)process.setInput(Process::kTimeFactor, 1.0);
    setOptional(process, Process::kIsentropicEta, o.etaS, false);
    setOptional(process, Process::kMechanicalEta, o.etaM, false);
    setOptional(process, Process::kGeneratorEta, o.etaG, false);
    setOptional(process, Process::kMassFlow, o.massFlow, true);
    setOptional(process, Process::kVolumeFlow, o.volumeFlow, true);
    setOptional(process, Process::kHeatLoss, o.heatLoss, true);
}

// p, t, x, h, s, v of a state; x only where the state has one.
struct StateRow {
    double p, t, x, h, s, v;
    bool xValid;
};

using output::ProcessResultEntry;
using output::ResultMedia;

template <typename Process>
bool flagAllows(const Process& process, unsigned needs) {
    const auto lacks = [needs](unsigned need, bool given) { return (needs & need) != 0 && !given; };
    bool condensed = false;
    if constexpr (std::is_same_v<Process, GasThermalProcess>) {
        condensed = process.condensedAtEnd();
    }
    return !(
        lacks(output::kNeedsFlux, process.fluxGiven()) ||
        lacks(output::kNeedsHeatLossValid, process.heatLossOn() && process.heatLossValid()) ||
        lacks(output::kNeedsIsentropicType, process.type() == processes::kIsentropicEfficiency) ||
        lacks(output::kNeedsBalanceType, process.type() == processes::kStateBalance) ||
        lacks(output::kNeedsCondensed, condensed));
}

// A result's value, or nothing where the process gave none.
template <typename Process>
std::optional<double> resultValue(const Process& process, const ProcessResultEntry& row) {
    constexpr ResultMedia kOtherMedium = std::is_same_v<Process, GasThermalProcess>
                                             ? ResultMedia::kSteamOnly
                                             : ResultMedia::kGasOnly;
    if (row.media == kOtherMedium || !flagAllows(process, row.needs)) {
        return std::nullopt;
    }
    const double value = process.result(row.slot);
    if ((value == NOT_SET && (row.needs & output::kGivenFlow) == 0) || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value * row.scale;
}

// Everything a computed process prints, whatever the medium.
struct ProcessReport {
    int status = 0;
    std::string message;  // the verdict's warning, if any
    StateRow initial{};
    StateRow final{};
    std::vector<std::pair<const ProcessResultEntry*, std::optional<double>>> results;
};

// The rows of a medium: water/steam prints the results both media have and its own, a gas every
// result (its JSON holds the water/steam ones as null).
template <typename Process>
ProcessReport collectResults(const Process& process, const StateRow& initial,
                             const StateRow& final) {
    ProcessReport report;
    report.status = process.status();
    report.initial = initial;
    report.final = final;
    for (const ProcessResultEntry& row : output::kProcessResultCatalogue) {
        if (std::is_same_v<Process, SteamThermalProcess> && row.media == ResultMedia::kGasOnly) {
            continue;
        }
        report.results.emplace_back(&row, resultValue(process, row));
    }
    return report;
}

// The state rows: JSON key, text label (with the unit every value is written in).
constexpr auto kStateLabels = std::to_array<std::pair<std::string_view, std::string_view>>({
    {"p", "pressure p [bar]"},
    {"t", "temperature t [°C]"},
    {"x", "steam quality x [-]"},
    {"h", "enthalpy h [kJ/kg]"},
    {"s", "entropy s [kJ/(kg K)]"},
    {"v", "volume v [m³/kg]"},
});

// The state's values in the order of kStateLabels, as shown.
std::array<double, kStateLabels.size()> shownState(const StateRow& s) {
    const std::array<double, kStateLabels.size()> written{s.p, s.t, s.x, s.h, s.s, s.v};
    std::array<double, kStateLabels.size()> shown{};
    for (std::size_t i = 0; i < written.size(); ++i) {
        shown[i] = shownValue(written[i], bracketUnit(kStateLabels[i].second));
    }
    return shown;
}

Json stateJson(const StateRow& s) {
    Json json = Json::object();
    const auto shown = shownState(s);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::string key(kStateLabels[i].first);
        json[key] = key == "x" ? numberOrNull(shown[i], s.xValid) : Json(shown[i]);
    }
    return json;
}

// The units object of a process: the unit of every state value and result that has one.
Json unitsJson(const ProcessReport& report) {
    Json units = Json::object();
    const auto add = [&units](std::string_view key, std::string_view label) {
        if (const output::Unit* unit = bracketUnit(label)) {
            units[std::string(key)] = std::string(output::shownUnit(*unit, shownUnits()).symbol);
        }
    };
    for (const auto& [key, label] : kStateLabels) {
        add(key, label);
    }
    for (const auto& [row, value] : report.results) {
        add(row->key, row->label);
    }
    return units;
}

Json processJson(const ProcessReport& report) {
    Json results = Json::object();
    for (const auto& [row, value] : report.results) {
        results[row->key] =
            value ? Json(shownValue(*value, bracketUnit(row->label))) : Json(nullptr);
    }
    Json json = {{"status", report.status},
                 {"message", report.message},
                 {"initial", stateJson(report.initial)},
                 {"final", stateJson(report.final)},
                 {"results", results}};
    placeUnits(json, unitsJson(report));
    return json;
}

void addStateRows(TextTable& table, const ProcessReport& report) {
    const StateRow& a = report.initial;
    const StateRow& b = report.final;
    table.addRow({"", "initial state", "final state"});
    const auto initial = shownState(a);
    const auto final = shownState(b);
    for (std::size_t i = 0; i < kStateLabels.size(); ++i) {
        table.addRow({shownLabel(kStateLabels[i].second),
                      tableNumber(initial[i], kStateLabels[i].first != "x" || a.xValid),
                      tableNumber(final[i], kStateLabels[i].first != "x" || b.xValid)});
    }
}

std::string processTable(const ProcessReport& report) {
    TextTable table;
    table.addRow({"status", std::to_string(report.status)});
    table.addRow({});
    addStateRows(table, report);
    table.addRow({});
    for (const auto& [row, value] : report.results) {
        if ((row->needs & output::kJsonOnly) != 0) {
            continue;
        }
        table.addRow({shownLabel(row->label),
                      tableNumber(shownValue(value.value_or(0.0), bracketUnit(row->label)),
                                  value.has_value())});
    }
    return table.render();
}

// Shows the verdict's message and, where the results stand, prints them and the report.
int finish(const output::ProcessVerdict& verdict, const ProcessReport& report,
           const OutputOptions& output, const output::ReportWriter& write,
           const std::function<void()>& writeDiagram) {
    if (!verdict.showResults) {
        return reportRefusal(output.json, report.status, verdict.message);
    }
    if (!verdict.message.empty()) {
        writeText(stderr, verdict.message + '\n');
    }
    writeHtmlIfAsked(output, write);
    writeDiagram();
    if (output.json) {
        ProcessReport withMessage = report;
        withMessage.message = verdict.message;
        printJson(processJson(withMessage));
    } else {
        writeText(stdout, processTable(report));
    }
    return kExitOk;
}

processes::MessageSink warningsTo(output::ProcessMedium medium) {
    return {[medium](int message, double limit) {
        writeText(stderr, output::processMessageText(medium, message, limit) + '\n');
    }};
}

StateRow steamRow(const water::WaterSteamState& s) {
    return {s.pressure(),
            s.temperature(),
            s.quality(),
            s.stateValue(water::kH),
            s.stateValue(water::kS),
            s.stateValue(water::kV),
            s.mode() != water::kModePT};
}

water::WaterSteamState steamState(const NumberOption& p, const NumberOption& t,
                                  const NumberOption& x, const char* pName) {
    const double pressure = required(p, pName);
    if (const std::optional<double> quality = x.value()) {
        return {water::kModePX, pressure, NOT_SET, *quality};
    }
    return {water::kModePT, pressure, t.value().value_or(NOT_SET), NOT_SET};
}

int runSteamProcess(const ProcessOptions& o) {
    if (!o.t1.value() && !o.x1.value()) {
        throw ArgumentError("process steam: --t1 or --x1 is required");
    }
    water::WaterSteamState initial = steamState(o.p1, o.t1, o.x1, "--p1");
    water::WaterSteamState final = steamState(o.p2, o.t2, o.x2, "--p2");
    checkTypeOptions(o);
    SteamThermalProcess process(initial, final);
    setCommonInputs(process, o);
    applyModuleRules(process);
    process.calculate(warningsTo(output::ProcessMedium::kSteam));
    const ProcessReport report = collectResults(process, steamRow(initial), steamRow(final));
    return finish(
        output::judgeSteamProcess(process.status()), report, o.output,
        [&process](const std::string& path) {
            return output::writeSteamProcessReport(path, process, shownUnits());
        },
        [&o, &process] { writeDiagramIfAsked(o.diagram, process); });
}

StateRow gasRow(const gas::GasState& s, const double h, const double entropy, const double v) {
    return {s.pressure(), s.temperature(), NOT_SET, h, entropy, v, false};
}

// A pressure where the error of the gas formulations grows is named once.
void warnOfGasPressures(double p1, double p2) {
    if (output::gasPressureDeviates(p1) || output::gasPressureDeviates(p2)) {
        writeText(stderr, std::string(output::kGasPressureWarningText) + '\n');
    }
}

void setGasStates(gas::GasState& initial, gas::GasState& final, const ProcessOptions& o) {
    initial.setPressure(required(o.p1, "--p1"));
    initial.setTemperature(required(o.t1, "--t1"));
    final.setPressure(required(o.p2, "--p2"));
    if (const std::optional<double> t2 = o.t2.value()) {
        final.setTemperature(*t2);
    }
}

int runGasProcess(const ProcessOptions& o) {
    const gas::GasAnalysis analysis = analysisFromOptions(o.analysis);
    gas::GasState initial;
    gas::GasState final;
    initial.bind(analysis);
    final.bind(analysis);
    setGasStates(initial, final, o);
    checkTypeOptions(o);
    GasThermalProcess process(initial, final);
    setCommonInputs(process, o);
    setOptional(process, GasThermalProcess::kNormalVolumeFlow, o.normalVolumeFlow, true);
    applyModuleRules(process);
    warnOfGasPressures(initial.pressure(), final.pressure());
    process.calculate(warningsTo(output::ProcessMedium::kGas));
    const ProcessReport report = collectResults(
        process,
        gasRow(initial, initial.property(gas::kEnthalpy), initial.property(gas::kEntropy),
               initial.property(gas::kVolume)),
        gasRow(final, process.finalProperty(gas::kEnthalpy), process.finalProperty(gas::kEntropy),
               process.finalProperty(gas::kVolume)));
    return finish(
        output::judgeGasProcess(process), report, o.output,
        [&process](const std::string& path) {
            return output::writeGasProcessReport(path, process, shownUnits());
        },
        [&o, &process] { writeDiagramIfAsked(o.diagram, process); });
}

}  // namespace

void addProcessCommand(CLI::App& app, ProcessArguments& arguments) {
    auto* process =
        app.add_subcommand("process",
                           "change of state of water/steam or a gas: throttling, an expansion or "
                           "compression with an isentropic efficiency, or a balance of two states");
    process->require_subcommand(1);
    auto* steam = process->add_subcommand("steam", "water/steam process");
    addProcessOptions(*steam, arguments.steam, true);
    setCommandHelp(*steam, "", {kProcessRefused, true},
                   {"vaporis-cli process steam --type throttle --p1 100 --t1 500 --p2 20",
                    "vaporis-cli process steam --type isentropic --p1 100 --t1 500 --p2 5 "
                    "--eta-s 0.85 --mass-flow 10 --json",
                    "vaporis-cli process steam --type balance --p1 10 --x1 1 --p2 10 --t2 250 "
                    "--svg ts.svg"});
    arguments.gasCommand = process->add_subcommand("gas", "gas process; default: dry air");
    addProcessOptions(*arguments.gasCommand, arguments.gas, false);
    setCommandHelp(*arguments.gasCommand,
                   "Gas components for --vol and --mass: " + componentLabelList() + ".",
                   {kProcessRefused, true},
                   {"vaporis-cli process gas --type isentropic --p1 1 --t1 20 --p2 6 --eta-s 0.8",
                    "vaporis-cli process gas --type balance --p1 1 --t1 400 --p2 1 --t2 120 "
                    "--vol CO2=12,H2O=10,N2=78 --normal-volume-flow 5"});
}

int runProcess(const ProcessArguments& arguments) {
    const bool gas = arguments.gasCommand->parsed();
    const ProcessOptions& options = gas ? arguments.gas : arguments.steam;
    if (options.typeOption->count() == 0) {
        throw ArgumentError("process: --type is required");
    }
    try {
        return gas ? runGasProcess(options) : runSteamProcess(options);
    } catch (const Refusal& refusal) {
        return reportRefusal(options.output.json,
                             processes::codeOf(processes::ThermalProcessStatus::kInputsOverflow),
                             refusal.message);
    }
}

}  // namespace vaporis::cli
