#include "cli/project_command.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/command_error.h"
#include "cli/command_help.h"
#include "cli/command_options.h"
#include "cli/gas_analysis_option.h"
#include "cli/json_output.h"
#include "cli/output_options.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "output/format/file_path.h"
#include "output/messages/gas_messages.h"
#include "output/messages/messages.h"
#include "output/messages/refusal_messages.h"
#include "output/reports/flow_reports.h"
#include "output/reports/gas_property_report.h"
#include "output/reports/steam_table_report.h"
#include "output/reports/thermal_process_report.h"
#include "processes/module_rules.h"
#include "project/module_objects.h"
#include "project/project_file.h"

namespace vaporis::cli {
namespace {

using Json = nlohmann::ordered_json;
using processes::GasFlowProcess;
using processes::GasThermalProcess;
using processes::SteamFlowProcess;
using processes::SteamThermalProcess;

// Keys of the input slots, in slot order.
constexpr auto kGasThermalKeys = std::to_array<std::string_view>(
    {"massFlow", "volumeFlow", "normalVolumeFlow", "timeFactor", "heatLoss", "isentropicEfficiency",
     "mechanicalEfficiency", "generatorEfficiency"});
constexpr auto kSteamThermalKeys = std::to_array<std::string_view>(
    {"massFlow", "volumeFlow", "timeFactor", "heatLoss", "isentropicEfficiency",
     "mechanicalEfficiency", "generatorEfficiency"});
constexpr auto kGasFlowKeys = std::to_array<std::string_view>(
    {"massFlow", "volumeFlow", "normalVolumeFlow", "timeFactor", "width", "height", "tubeCount",
     "velocity", "roughness", "tubeLength", "zeta", "heightDifference", "equivalentDiameter"});
constexpr auto kSteamFlowKeys = std::to_array<std::string_view>(
    {"massFlow", "volumeFlow", "timeFactor", "width", "height", "tubeCount", "velocity",
     "roughness", "tubeLength", "zeta", "equivalentDiameter"});
constexpr auto kAmbientKeys =
    std::to_array<std::string_view>({"temperature", "relativeHumidity", "level"});
static_assert(kGasThermalKeys.size() == GasThermalProcess::kInputCount);
static_assert(kSteamThermalKeys.size() == SteamThermalProcess::kInputCount);
static_assert(kGasFlowKeys.size() == GasFlowProcess::kInputCount);
static_assert(kSteamFlowKeys.size() == SteamFlowProcess::kInputCount);

// A stored number: null for the no-value marker.
// A value given is a number, 999 too; otherwise 999 marks none.
Json number(double value, bool given = false) {
    return numberOrNull(value, given || value != NOT_SET);
}

template <std::size_t N>
Json slots(std::span<const std::string_view, N> keys, const std::array<double, N>& values,
           const std::array<bool, N>& given = {}) {
    Json object = Json::object();
    for (std::size_t i = 0; i < N; ++i) {
        object[std::string(keys[i])] = number(values[i], given[i]);
    }
    return object;
}

template <std::size_t N>
Json setFlags(std::span<const std::string_view, N> keys, const std::array<bool, N>& set) {
    Json object = Json::object();
    for (std::size_t i = 0; i < N; ++i) {
        object[std::string(keys[i])] = set[i];
    }
    return object;
}

Json analysisJson(const gas::GasAnalysisRecord& record) {
    Json percentages = Json::object();
    // Keyed by the labels of --vol and --mass and of the gas command's JSON.
    for (std::size_t i = 0; i < record.percentages.size(); ++i) {
        percentages[componentLabel(static_cast<int>(i))] = record.percentages[i];
    }
    return {{"basis", record.isVolumeBasis ? "volume" : "mass"}, {"percentages", percentages}};
}

Json gasStateJson(const gas::GasStateInputs& s) {
    return {{"pressure", s.p},
            {"temperature", s.t},
            {"enthalpy", s.h},
            {"pressureGiven", s.pressureSet},
            {"temperatureGiven", s.temperatureSet},
            {"enthalpyGiven", s.enthalpySet}};
}

Json steamStateJson(const water::WaterSteamInputs& s) {
    return {{"mode", s.mode},
            {"pressure", number(s.p, s.pressureGiven)},
            {"temperature", number(s.t, s.temperatureGiven)},
            {"quality", number(s.x, s.qualityGiven)},
            {"pressureGiven", s.pressureGiven},
            {"temperatureGiven", s.temperatureGiven},
            {"qualityGiven", s.qualityGiven}};
}

template <typename Inputs, std::size_t N>
Json thermalJson(const Inputs& p, const std::array<std::string_view, N>& keys) {
    return {{"type", p.type},
            {"lastFlowInput", p.lastFlowInput},
            {"inputs", slots(std::span(keys), p.values, p.set)},
            {"inputsGiven", setFlags(std::span(keys), p.set)}};
}

template <typename Inputs, std::size_t N>
Json flowJson(const Inputs& p, const std::array<std::string_view, N>& keys, bool withFreeFlow) {
    Json object = {{"flowInputKind", p.flowInputKind}, {"solveMode", p.solveMode}};
    if (withFreeFlow) {
        object["freeFlow"] = p.freeFlow;
    }
    object["inputs"] = slots(std::span(keys), p.values);
    return object;
}

Json diagramJson(const output::TsDiagramSettings& d) {
    return {{"tMin", d.tMin},
            {"tMax", d.tMax},
            {"sMin", d.sMin},
            {"sMax", d.sMax},
            {"showOnOpen", d.showOnOpen},
            {"phaseChangeLine", d.phaseChangeLine},
            {"isobaricLines", d.isobaricLines},
            {"stateShown", d.stateShown},
            {"valuesShown", d.valuesShown},
            {"changeInState", d.changeInState}};
}

// The modules in file order, each one JSON object under its key.
Json projectJson(const project::ProjectInputs& p) {
    return {{"gasAnalysis", analysisJson(p.gasAnalysis)},
            {"gasState1", gasStateJson(p.gasState1)},
            {"gasState2", gasStateJson(p.gasState2)},
            {"gasThermalProcess", thermalJson(p.gasThermalProcess, kGasThermalKeys)},
            {"gasFlowProcess", flowJson(p.gasFlowProcess, kGasFlowKeys, true)},
            {"steamState1", steamStateJson(p.steamState1)},
            {"steamState2", steamStateJson(p.steamState2)},
            {"steamThermalProcess", thermalJson(p.steamThermalProcess, kSteamThermalKeys)},
            {"steamFlowProcess", flowJson(p.steamFlowProcess, kSteamFlowKeys, false)},
            {"ambient", slots(std::span(kAmbientKeys), p.ambient)},
            {"gasTsDiagram", diagramJson(p.gasTsDiagram)},
            {"steamTsDiagram", diagramJson(p.steamTsDiagram)}};
}

// The unit a stored input of this key is written in; null for counts, factors and fractions.
const output::Unit* inputUnit(std::string_view key) {
    static constexpr auto kInputUnits =
        std::to_array<std::pair<std::string_view, std::string_view>>({
            {"pressure", "bar"},
            {"temperature", "°C"},
            {"enthalpy", "kJ/kg"},
            {"massFlow", "kg/s"},
            {"volumeFlow", "m³/s"},
            {"normalVolumeFlow", "Nm³/s"},
            {"heatLoss", "kW"},
            {"width", "mm"},
            {"height", "mm"},
            {"velocity", "m/s"},
            {"roughness", "mm"},
            {"tubeLength", "m"},
            {"heightDifference", "m"},
            {"equivalentDiameter", "mm"},
            {"level", "m"},
            {"tMin", "°C"},
            {"tMax", "°C"},
            {"sMin", "kJ/kgK"},
            {"sMax", "kJ/kgK"},
        });
    const auto* found = std::find_if(kInputUnits.begin(), kInputUnits.end(),
                                     [key](const auto& entry) { return entry.first == key; });
    return found != kInputUnits.end() ? output::findWrittenUnit(found->second) : nullptr;
}

// Shows every stored input that has a unit in the shown one, and names that unit in `units`.
void showInputs(Json& object, Json& units) {
    for (auto item = object.begin(); item != object.end(); ++item) {
        const output::Unit* written = inputUnit(item.key());
        if (item->is_object()) {
            showInputs(*item, units);
        } else if (written != nullptr && !item->is_boolean()) {
            units[item.key()] = std::string(output::shownUnit(*written, shownUnits()).symbol);
            if (item->is_number()) {
                *item = shownValue(item->get<double>(), written);
            }
        }
    }
}

// One table cell of a JSON scalar: numbers as the results dialogs show them.
std::string cell(const Json& value) {
    if (value.is_number_float()) {
        return tableNumber(value.get<double>(), true);
    }
    return value.is_string() ? value.get<std::string>() : value.dump();
}

// The rows of one module: nested objects give "inputs.massFlow"-style names, followed by the
// unit `units` names for the key when the units are not the written ones.
void addRows(TextTable& table, const Json& object, const std::string& prefix, const Json& units) {
    for (const auto& [key, value] : object.items()) {
        if (value.is_object()) {
            addRows(table, value, prefix + key + ".", units);
        } else {
            const bool named =
                !shownUnits().isWritten() && units.contains(key) && !value.is_boolean();
            const std::string unit = named ? " [" + units.at(key).get<std::string>() + "]" : "";
            table.addRow({"  " + prefix + key + unit, cell(value)});
        }
    }
}

std::string projectText(const Json& document, const Json& units) {
    std::string text;
    for (const auto& [module, fields] : document.items()) {
        TextTable table;
        addRows(table, fields, "", units);
        text += module + "\n" + table.render();
    }
    return text;
}

// One module of the project: the rule on its stored inputs, its calculation with the rule on
// the result, and its report. A no-value marker in the file is no value.
struct ReportJob {
    std::string_view name;
    std::function<processes::RuleAnswer(project::ModuleObjects&)> calculate;
    std::function<file::WriteOutcome(const std::string&, const project::ModuleObjects&)> write;
};

constexpr processes::MarkerMeaning kStored = processes::MarkerMeaning::kNoValue;

// The rule on the inputs, then, when they pass, the calculation and the rule on its result.
template <typename Calculate, typename ResultRule>
processes::RuleAnswer inputsThenResult(processes::RuleAnswer inputs, Calculate calculate,
                                       ResultRule result) {
    if (inputs) {
        return inputs;
    }
    calculate();
    return result();
}

processes::RuleAnswer gasStateResult(const gas::GasState& state) {
    if (output::judgeGasState(state).accepted) {
        return std::nullopt;
    }
    return processes::Refusal{"status", processes::RefusalReason::kNoShownResult, state.status()};
}

const std::vector<ReportJob>& reportJobs() {
    using processes::checkFlowProcess;
    using processes::checkFlowResult;
    using processes::checkThermalProcess;
    using processes::checkThermalResult;
    static const std::vector<ReportJob> kJobs{
        {"steam-table",
         [](project::ModuleObjects& o) {
             return inputsThenResult(
                 processes::checkSteamState(o.steamState1, kStored),
                 [&o] { o.steamState1.calculate(); }, [] { return processes::RuleAnswer(); });
         },
         [](const std::string& path, const project::ModuleObjects& o) {
             return output::writeSteamTableReport(path, o.steamState1, shownUnits());
         }},
        {"steam-thermal-process",
         [](project::ModuleObjects& o) {
             auto& process = o.steamThermalProcess;
             return inputsThenResult(
                 checkThermalProcess(process, kStored), [&process] { process.calculate(); },
                 [&process] { return checkThermalResult(process); });
         },
         [](const std::string& path, const project::ModuleObjects& o) {
             return output::writeSteamProcessReport(path, o.steamThermalProcess, shownUnits());
         }},
        {"steam-flow",
         [](project::ModuleObjects& o) {
             auto& process = o.steamFlowProcess;
             return inputsThenResult(
                 checkFlowProcess(process, kStored), [&process] { process.calculate(); },
                 [&process] { return checkFlowResult(process); });
         },
         [](const std::string& path, const project::ModuleObjects& o) {
             return output::writeSteamFlowReport(path, o.steamFlowProcess, shownUnits());
         }},
        {"gas-properties",
         [](project::ModuleObjects& o) {
             return inputsThenResult(
                 processes::checkGasState(o.gasState1, kStored), [&o] { o.gasState1.calculate(); },
                 [&o] { return gasStateResult(o.gasState1); });
         },
         [](const std::string& path, const project::ModuleObjects& o) {
             return output::writeGasPropertyReport(path, o.gasState1, shownUnits());
         }},
        {"gas-thermal-process",
         [](project::ModuleObjects& o) {
             auto& process = o.gasThermalProcess;
             return inputsThenResult(
                 checkThermalProcess(process, kStored), [&process] { process.calculate(); },
                 [&process] { return checkThermalResult(process); });
         },
         [](const std::string& path, const project::ModuleObjects& o) {
             return output::writeGasProcessReport(path, o.gasThermalProcess, shownUnits());
         }},
        {"gas-flow",
         [](project::ModuleObjects& o) {
             auto& process = o.gasFlowProcess;
             return inputsThenResult(
                 checkFlowProcess(process, kStored), [&process] { process.calculate(); },
                 [&process] { return checkFlowResult(process); });
         },
         [](const std::string& path, const project::ModuleObjects& o) {
             return output::writeGasFlowReport(path, o.gasFlowProcess, shownUnits());
         }},
    };
    return kJobs;
}

// Why a module gets no report, for stderr: the input and the dialog's message for it.
std::string refusalText(const processes::Refusal& refusal) {
    using processes::RefusalReason;
    if (refusal.reason == RefusalReason::kNoShownResult) {
        return "the inputs give no result (status " + std::to_string(refusal.status) + ")";
    }
    const std::string input(refusal.input);
    if (refusal.reason == RefusalReason::kNoValue) {
        return input + ": no value";
    }
    return input + ": " + std::string(output::messageText(output::refusalMessage(refusal)));
}

void warn(const std::string& text) {
    std::fputs(("vaporis-cli: " + text + "\n").c_str(), stderr);
}

int runReports(project::ModuleObjects& objects, const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(output::pathFromUtf8(folder), error);
    int exitCode = kExitOk;
    for (const ReportJob& job : reportJobs()) {
        const std::string name(job.name);
        if (const processes::RuleAnswer refusal = job.calculate(objects)) {
            warn(name + ": " + refusalText(*refusal) + "; no report");
            exitCode = kExitSomeRowsFailed;
            continue;
        }
        const std::string path = (std::filesystem::path(folder) / (name + ".html")).string();
        if (const file::WriteOutcome outcome = job.write(path, objects); !outcome) {
            throw notWritten("the report " + path, outcome);
        }
    }
    return exitCode;
}

std::string readFailure(const project::ProjectLoad& load) {
    switch (load.result) {
        case project::ProjectResult::kNotProjectFile:
            return "not a Vaporis project file";
        case project::ProjectResult::kImpossibleValue:
            return "an impossible value: " + std::string(load.field);
        default:
            return readFailureWords(load.result, "a damaged project: truncated or unusable values");
    }
}

// Writes the defaults to a new project file; an existing one is replaced only with --force.
void createProject(const ProjectArguments& a, const project::ModuleObjects& objects) {
    const std::filesystem::path path = output::pathFromUtf8(a.path);
    std::error_code error;
    if (!a.force && std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        throw ArgumentError("the project " + a.path + " exists already; --force replaces it");
    }
    if (const file::WriteOutcome outcome = project::writeProjectFile(path, objects); !outcome) {
        throw notWritten("the project " + a.path, outcome);
    }
}

}  // namespace

void addProjectCommand(CLI::App& app, ProjectArguments& a) {
    a.command = app.add_subcommand(
        "project", "the inputs of every module in a project file (.prj), or its reports");
    a.command->add_option("FILE", a.path, "the project file")
        ->required()
        ->check(kNotEmpty)
        ->type_name("FILE.prj");
    auto* json = a.command->add_flag("--json", a.json, "print one JSON object, one key a module");
    auto* run = a.command
                    ->add_option("--run", a.runFolder,
                                 "compute every module and write its HTML report into DIR")
                    ->type_name("DIR")
                    ->check(kNotEmpty);
    run->excludes(json);
    auto* createNew =
        a.command->add_flag("--new", a.createNew, "write a project holding the defaults to FILE")
            ->excludes(json)
            ->excludes(run);
    a.command->add_flag("--force", a.force, "with --new: replace FILE when it exists")
        ->needs(createNew);
    setCommandHelp(
        *a.command,
        "The inputs are listed, and the reports of --run written, in the units of --units and "
        "--unit.",
        {"", false,
         "with --run: some modules gave no report (each named with its reason on stderr)"},
        {"vaporis-cli project plant.prj --json", "vaporis-cli project plant.prj --run reports",
         "vaporis-cli project --new defaults.prj"});
}

int runProject(const ProjectArguments& a) {
    project::ModuleObjects objects;
    if (a.createNew) {
        createProject(a, objects);
        return kExitOk;
    }
    const project::ProjectLoad load = readProjectFile(output::pathFromUtf8(a.path), objects);
    if (load.result != project::ProjectResult::kOk) {
        throw ArgumentError(a.path + ": " + readFailure(load));
    }
    if (!a.runFolder.empty()) {
        return runReports(objects, a.runFolder);
    }
    Json document = projectJson(project::projectInputs(objects));
    Json units = Json::object();
    showInputs(document, units);
    if (a.json) {
        placeUnits(document, units);
        printJson(document);
    } else {
        writeText(stdout, projectText(document, units));
    }
    return kExitOk;
}

}  // namespace vaporis::cli
