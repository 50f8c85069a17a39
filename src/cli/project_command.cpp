#include "cli/project_command.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/module_objects.h"
#include "app/project_file.h"
#include "cli/command_error.h"
#include "cli/command_help.h"
#include "cli/command_options.h"
#include "cli/gas_analysis_option.h"
#include "cli/json_output.h"
#include "cli/text_table.h"
#include "engine/gas/status_codes.h"
#include "processes/status_codes.h"
#include "ui/file_path.h"
#include "ui/flow_reports.h"
#include "ui/gas_property_report.h"
#include "ui/steam_table_report.h"
#include "ui/thermal_process_report.h"

namespace vaporis::app {
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
Json number(double value) {
    return numberOrNull(value, value != NOT_SET);
}

template <std::size_t N>
Json slots(std::span<const std::string_view, N> keys, const std::array<double, N>& values) {
    Json object = Json::object();
    for (std::size_t i = 0; i < N; ++i) {
        object[std::string(keys[i])] = number(values[i]);
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
            {"pressure", number(s.p)},
            {"temperature", number(s.t)},
            {"quality", number(s.x)},
            {"pressureGiven", s.pressureGiven},
            {"temperatureGiven", s.temperatureGiven},
            {"qualityGiven", s.qualityGiven}};
}

template <typename Inputs, std::size_t N>
Json thermalJson(const Inputs& p, const std::array<std::string_view, N>& keys) {
    return {{"type", p.type},
            {"lastFlowInput", p.lastFlowInput},
            {"inputs", slots(std::span(keys), p.values)},
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

Json diagramJson(const ui::TsDiagramSettings& d) {
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
Json projectJson(const ProjectInputs& p) {
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

// One table cell of a JSON scalar: numbers as the results dialogs show them.
std::string cell(const Json& value) {
    if (value.is_number_float()) {
        return tableNumber(value.get<double>(), true);
    }
    return value.is_string() ? value.get<std::string>() : value.dump();
}

// The rows of one module: nested objects give "inputs.massFlow"-style names.
void addRows(TextTable& table, const Json& object, const std::string& prefix) {
    for (const auto& [key, value] : object.items()) {
        if (value.is_object()) {
            addRows(table, value, prefix + key + ".");
        } else {
            table.addRow({"  " + prefix + key, cell(value)});
        }
    }
}

std::string projectText(const Json& document) {
    std::string text;
    for (const auto& [module, fields] : document.items()) {
        TextTable table;
        addRows(table, fields, "");
        text += module + "\n" + table.render();
    }
    return text;
}

// One module computed from the project and its report; false when it gave no usable result.
struct ReportJob {
    std::string_view name;
    std::function<bool(ModuleObjects&)> calculate;
    std::function<bool(const std::string&, const ModuleObjects&)> write;
};

bool flowUsable(int status, std::initializer_list<int> warnings) {
    return status == processes::kOk ||
           std::find(warnings.begin(), warnings.end(), status) != warnings.end();
}

const std::vector<ReportJob>& reportJobs() {
    static const std::vector<ReportJob> kJobs{
        {"steam-table",
         [](ModuleObjects& o) {
             o.steamState1.calculate();
             return o.steamState1.inputStatus() == 0;
         },
         [](const std::string& path, const ModuleObjects& o) {
             return ui::writeSteamTableReport(path, o.steamState1);
         }},
        {"steam-thermal-process",
         [](ModuleObjects& o) { return o.steamThermalProcess.calculate() == processes::kOk; },
         [](const std::string& path, const ModuleObjects& o) {
             return ui::writeSteamProcessReport(path, o.steamThermalProcess);
         }},
        {"steam-flow",
         [](ModuleObjects& o) {
             return flowUsable(o.steamFlowProcess.calculate(),
                               {processes::kSteamFlowMachAbove1, processes::kSteamFlowMachWarning});
         },
         [](const std::string& path, const ModuleObjects& o) {
             return ui::writeSteamFlowReport(path, o.steamFlowProcess);
         }},
        {"gas-properties",
         [](ModuleObjects& o) {
             o.gasState1.calculate();
             return gas::isValidStatus(o.gasState1.status());
         },
         [](const std::string& path, const ModuleObjects& o) {
             return ui::writeGasPropertyReport(path, o.gasState1);
         }},
        {"gas-thermal-process",
         [](ModuleObjects& o) {
             const int status = o.gasThermalProcess.calculate();
             return status == processes::kOk || status == GasThermalProcess::kCondensedInFinalState;
         },
         [](const std::string& path, const ModuleObjects& o) {
             return ui::writeGasProcessReport(path, o.gasThermalProcess);
         }},
        {"gas-flow",
         [](ModuleObjects& o) {
             return flowUsable(o.gasFlowProcess.calculate(),
                               {processes::kGasFlowCondensing, processes::kGasFlowMachAbove1,
                                processes::kGasFlowMachWarning});
         },
         [](const std::string& path, const ModuleObjects& o) {
             return ui::writeGasFlowReport(path, o.gasFlowProcess);
         }},
    };
    return kJobs;
}

void warn(const std::string& text) {
    std::fputs(("vaporis-cli: " + text + "\n").c_str(), stderr);
}

int runReports(ModuleObjects& objects, const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(ui::pathFromUtf8(folder), error);
    int exitCode = kExitOk;
    for (const ReportJob& job : reportJobs()) {
        const std::string name(job.name);
        if (!job.calculate(objects)) {
            warn(name + ": the inputs give no result; no report");
            exitCode = kExitInputStatus;
            continue;
        }
        const std::string path = (std::filesystem::path(folder) / (name + ".html")).string();
        if (!job.write(path, objects)) {
            throw ArgumentError("the report " + path + " could not be written");
        }
    }
    return exitCode;
}

std::string readFailure(ProjectResult result) {
    switch (result) {
        case ProjectResult::kFileNotFound:
            return "file not found";
        case ProjectResult::kNewerVersion:
            return "written by a newer version of the program";
        default:
            return "not a project file, truncated or holding unusable values";
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
    a.command->add_flag("--new", a.createNew, "write a project holding the defaults to FILE")
        ->excludes(json)
        ->excludes(run);
    setCommandHelp(
        *a.command, "", {"with --run: a module's inputs give no result (no report)"},
        {"vaporis-cli project plant.prj --json", "vaporis-cli project plant.prj --run reports",
         "vaporis-cli project --new defaults.prj"});
}

int runProject(const ProjectArguments& a) {
    ModuleObjects objects;
    if (a.createNew) {
        if (writeProjectFile(ui::pathFromUtf8(a.path), objects) != ProjectResult::kOk) {
            throw ArgumentError("the project " + a.path + " could not be written");
        }
        return kExitOk;
    }
    const ProjectResult result = readProjectFile(ui::pathFromUtf8(a.path), objects);
    if (result != ProjectResult::kOk) {
        throw ArgumentError(a.path + ": " + readFailure(result));
    }
    if (!a.runFolder.empty()) {
        return runReports(objects, a.runFolder);
    }
    const Json document = projectJson(projectInputs(objects));
    if (a.json) {
        printJson(document);
    } else {
        writeText(stdout, projectText(document));
    }
    return kExitOk;
}

}  // namespace vaporis::app
