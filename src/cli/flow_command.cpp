#include "cli/flow_command.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/ambient_command.h"
#include "cli/command_error.h"
#include "cli/command_help.h"
#include "cli/command_options.h"
#include "cli/flow_output.h"
#include "cli/json_output.h"
#include "cli/output_options.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "engine/gas/gas_state.h"
#include "engine/water/water_steam_state.h"
#include "output/messages/flow_messages.h"
#include "output/messages/messages.h"
#include "output/messages/refusal_messages.h"
#include "output/reports/flow_reports.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/module_rules.h"
#include "processes/status_codes.h"
#include "processes/tools/ambient_data.h"

namespace vaporis::cli {

namespace {

using processes::AmbientData;
using processes::GasFlowProcess;
using processes::SteamFlowProcess;

constexpr double kPerHour = 3600.0;

constexpr std::string_view kFlowRefused =
    "the inputs were refused (the message on stderr, or with --json the object {\"status\", "
    "\"message\"} on stdout)";

// The options a pipe flow of either fluid takes.
struct PipeArguments {
    std::string solve = "velocity";
    bool perHour = false;
    NumberOption massFlow, volumeFlow, diameter, width, height, tubes, velocity, roughness, length,
        zeta;
    OutputOptions output;
};

struct SteamFlowArguments {
    CLI::App* command = nullptr;
    NumberOption p, t, x;
    PipeArguments pipe;
};

struct GasFlowArguments {
    CLI::App* command = nullptr;
    NumberOption p, t, normalFlow, heightDifference, ambientT, ambientPhi, level;
    GasAnalysisOptions analysis;
    PipeArguments pipe;
};

struct AmbientArguments {
    CLI::App* command = nullptr;
    NumberOption t, phi, level;
    bool json = false;
};

void addPipeOptions(CLI::App& command, PipeArguments& a) {
    command.add_option("--solve", a.solve, "what is solved from the others (default: velocity)")
        ->check(CLI::IsMember({"velocity", "diameter", "flow"}).description(""))
        ->type_name("velocity|diameter|flow");
    command.add_flag("--per-hour", a.perHour, "flows given and shown per hour, not per second");
    addNumber(command, a.massFlow, "--mass-flow", "mass flow [kg/s or kg/h]");
    addNumber(command, a.volumeFlow, "--volume-flow", "volumetric flow [m³/s or m³/h]");
    a.massFlow.secondUnit = &a.perHour;
    a.volumeFlow.secondUnit = &a.perHour;
    a.massFlow.option->excludes(a.volumeFlow.option);
    addNumber(command, a.diameter, "--diameter", "inner diameter of a circular tube [mm]");
    addNumber(command, a.width, "--width", "width of a rectangular duct [mm]");
    addNumber(command, a.height, "--height", "height of a rectangular duct [mm]");
    a.diameter.option->excludes(a.width.option)->excludes(a.height.option);
    a.width.option->needs(a.height.option);
    a.height.option->needs(a.width.option);
    addNumber(command, a.tubes, "--tubes", "number of parallel tubes (default 1)");
    addNumber(command, a.velocity, "--velocity", "flow velocity [m/s]");
    addNumber(command, a.roughness, "--roughness", "wall roughness k [mm] (default 0.06)");
    addNumber(command, a.length, "--length", "tube length [m] (default 30)");
    addNumber(command, a.zeta, "--zeta", "additional resistance coefficient zeta [-]");
    command.add_flag("--json", a.output.json, "print one JSON object");
    command.add_option("--html", a.output.htmlPath, "also write the HTML report to FILE")
        ->type_name("FILE")
        ->check(kNotEmpty);
}

// --help lists the JSON keys under each command.
std::string jsonFooter(const std::vector<FlowLine>& lines, const std::string& more) {
    std::string keys;
    for (const FlowLine& line : lines) {
        keys += (keys.empty() ? "" : ", ") + std::string(line.key);
    }
    return "--json keys: status, " + more + ", results {" + keys +
           "}; a value that was not computed is null.";
}

void addSteamFlow(CLI::App& flow, SteamFlowArguments& a) {
    a.command = flow.add_subcommand(
        "steam",
        "water or steam through equal parallel tubes: velocity, diameter or flow, "
        "Reynolds number, friction, pressure drops, Mach number, heat transfer");
    addNumber(*a.command, a.p, "--p", "absolute pressure [bar]");
    addNumber(*a.command, a.t, "--t", "temperature [°C]");
    addNumber(*a.command, a.x, "--x", "steam quality [-] (with p or t on the saturation line)");
    addPipeOptions(*a.command, a.pipe);
    setCommandHelp(*a.command, jsonFooter(steamFlowLines(), kSteamFlowJsonKeys),
                   {kFlowRefused, true},
                   {"vaporis-cli flow steam --p 40 --t 400 --mass-flow 10 --diameter 150",
                    "vaporis-cli flow steam --p 40 --t 400 --per-hour --mass-flow 36000 "
                    "--velocity 30 --solve diameter --json"});
}

void addGasFlow(CLI::App& flow, GasFlowArguments& a) {
    a.command = flow.add_subcommand(
        "gas",
        "a gas mixture through equal parallel tubes, as flow steam, and the natural "
        "draft of a height difference; default gas: dry air");
    addNumber(*a.command, a.p, "--p", "absolute pressure [bar]");
    addNumber(*a.command, a.t, "--t", "temperature [°C]");
    addGasAnalysisOptions(*a.command, a.analysis);
    addPipeOptions(*a.command, a.pipe);
    addNumber(*a.command, a.normalFlow, "--normal-flow", "normal volumetric flow [Nm³/s or Nm³/h]");
    a.normalFlow.secondUnit = &a.pipe.perHour;
    a.normalFlow.option->excludes(a.pipe.massFlow.option)->excludes(a.pipe.volumeFlow.option);
    addNumber(*a.command, a.heightDifference, "--height-difference",
              "difference in height H of the draft [m] (negative downwards)");
    addNumber(*a.command, a.ambientT, "--ambient-t", "ambient temperature [°C] (default 15)");
    addNumber(*a.command, a.ambientPhi, "--ambient-phi", "relative humidity [%] (default 65)");
    addNumber(*a.command, a.level, "--level", "level above sea [m] (default 0)");
    for (const NumberOption* ambient : {&a.ambientT, &a.ambientPhi, &a.level}) {
        ambient->option->needs(a.heightDifference.option);
    }
    setCommandHelp(*a.command,
                   jsonFooter(gasFlowLines(), kGasFlowJsonKeys) +
                       "\n\nGas components for --vol and --mass: " + componentLabelList() + ".",
                   {kFlowRefused, true},
                   {"vaporis-cli flow gas --p 1.05 --t 180 --normal-flow 10 --diameter 800",
                    "vaporis-cli flow gas --p 1.01 --t 200 --vol CO2=12,H2O=10,N2=78 "
                    "--mass-flow 5 --diameter 1000 --height-difference 40"});
}

void addAmbient(CLI::App& app, AmbientArguments& a) {
    a.command =
        app.add_subcommand("ambient",
                           "moist ambient air at a level: atmospheric pressure, density, water "
                           "content and dew point");
    addNumber(*a.command, a.t, "--t", "ambient temperature [°C] (default 15)");
    addNumber(*a.command, a.phi, "--phi", "relative humidity [%] (default 65)");
    addNumber(*a.command, a.level, "--level", "level above sea [m] (default 0)");
    a.command->add_flag("--json", a.json, "print one JSON object");
    setCommandHelp(*a.command,
                   std::string("--json keys: ") + kAmbientJsonKeys +
                       "; a value that was not computed is null.",
                   {kFlowRefused, true},
                   {"vaporis-cli ambient --t 25 --phi 40 --level 300 --json"});
}

std::uint8_t solveMode(const std::string& solve) {
    return solve == "diameter" ? processes::kSolveDiameter
           : solve == "flow"   ? processes::kSolveFlow
                               : processes::kSolveVelocity;
}

// Whether an option is given exactly where the solve mode needs it.
void requireExactly(const char* command, const char* what, bool given, bool needed) {
    if (given && !needed) {
        throw ArgumentError(std::string(command) + ": " + what + " is solved, not given");
    }
    if (!given && needed) {
        throw ArgumentError(std::string(command) + ": " + what + " is required");
    }
}

double positive(const char* command, const char* name, const NumberOption& option) {
    const double value = *option.value();
    if (!(value > 0.0)) {
        throw ArgumentError(std::string(command) + ": " + name + " must be above 0");
    }
    return value;
}

double notNegative(const char* command, const char* name, const NumberOption& option,
                   double fallback) {
    const double value = option.value().value_or(fallback);
    if (value < 0.0) {
        throw ArgumentError(std::string(command) + ": " + name + " must not be negative");
    }
    return value;
}

// The flow given (by its input index), or none in solve mode "flow".
struct GivenFlow {
    int input = -1;
    const NumberOption* option = nullptr;
    const char* name = "";
    const char* choices = "";  //!< the flow options of the command, for its messages
};

// Stores the pipe options into a process that was reset; `flow` is the given flow.
template <typename Process>
void applyPipe(Process& process, const PipeArguments& a, const GivenFlow& flow,
               const char* command) {
    const std::uint8_t mode = solveMode(a.solve);
    const bool rectangular = a.width.value().has_value();
    const double timeFactor = a.perHour ? kPerHour : 1.0;
    process.setInput(Process::kInTimeFactor, timeFactor);
    process.setSolveMode(mode);
    process.setRectangularProfile(rectangular);
    requireExactly(command, "--velocity", a.velocity.value().has_value(),
                   mode != processes::kSolveVelocity);
    requireExactly(command, "--diameter (or --width and --height)",
                   a.diameter.value() || rectangular, mode != processes::kSolveDiameter);
    requireExactly(command, flow.choices, flow.option != nullptr, mode != processes::kSolveFlow);
    if (a.velocity.value()) {
        process.setInput(Process::kInVelocity, positive(command, "--velocity", a.velocity));
    }
    if (rectangular) {
        process.setInput(Process::kInWidth, positive(command, "--width", a.width));
        process.setInput(Process::kInHeight, positive(command, "--height", a.height));
    } else if (a.diameter.value()) {
        process.setInput(Process::kInWidth, positive(command, "--diameter", a.diameter));
    }
    if (flow.option != nullptr) {
        process.setInput(flow.input, positive(command, flow.name, *flow.option) / timeFactor);
    }
    if (a.tubes.value()) {
        process.setInput(Process::kInTubeCount, positive(command, "--tubes", a.tubes));
    }
    const double roughness = process.input(Process::kInRoughness);
    const double length = process.input(Process::kInTubeLength);
    process.setInput(Process::kInRoughness,
                     notNegative(command, "--roughness", a.roughness, roughness));
    process.setInput(Process::kInTubeLength, notNegative(command, "--length", a.length, length));
    process.setInput(Process::kInZeta, notNegative(command, "--zeta", a.zeta, 0.0));
}

GivenFlow givenFlow(const PipeArguments& a, int massInput, int volumeInput, const char* choices) {
    if (a.massFlow.value()) {
        return {massInput, &a.massFlow, "--mass-flow", choices};
    }
    if (a.volumeFlow.value()) {
        return {volumeInput, &a.volumeFlow, "--volume-flow", choices};
    }
    return {.choices = choices};
}

water::WaterSteamState steamState(const SteamFlowArguments& a) {
    const auto p = a.p.value();
    const auto t = a.t.value();
    const auto x = a.x.value();
    if (static_cast<int>(p.has_value()) + static_cast<int>(t.has_value()) +
            static_cast<int>(x.has_value()) !=
        2) {
        throw ArgumentError("flow steam: give exactly two of --p, --t, --x");
    }
    const int mode = !x ? water::kModePT : p ? water::kModePX : water::kModeTX;
    return water::WaterSteamState(mode, p.value_or(NOT_SET), t.value_or(NOT_SET),
                                  x.value_or(NOT_SET));
}

// Prints the message of a status; true when the results may be shown.
bool tell(const std::optional<output::FlowMessage>& message) {
    if (message) {
        writeText(stderr, message->text + '\n');
    }
    return !message || message->warning;
}

// The module's own input rules, behind the options' checks; a refusal names the input.
template <typename Process>
void applyModuleRules(const Process& process, const char* command) {
    if (const processes::RuleAnswer refusal =
            processes::checkFlowProcess(process, processes::MarkerMeaning::kNumber)) {
        throw ArgumentError(std::string(command) + ": " + std::string(refusal->input) + ": " +
                            std::string(output::messageText(output::refusalMessage(*refusal))));
    }
}

// The exit code of a calculation whose result the module does not show, its message told as
// the output asks; nothing when the results may be shown (after a warning on stderr).
template <typename Process>
std::optional<int> refusal(const Process& process,
                           const std::optional<output::FlowMessage>& message, bool json) {
    if (processes::checkFlowResult(process)) {
        return reportRefusal(json, process.status(), message ? message->text : std::string());
    }
    tell(message);
    return std::nullopt;
}

int runSteamFlow(const SteamFlowArguments& a) {
    constexpr const char* kCommand = "flow steam";
    water::WaterSteamState state = steamState(a);
    SteamFlowProcess process(state);
    process.reset();
    applyPipe(process, a.pipe,
              givenFlow(a.pipe, SteamFlowProcess::kInMassFlow, SteamFlowProcess::kInVolumeFlow,
                        "--mass-flow or --volume-flow"),
              kCommand);
    applyModuleRules(process, kCommand);
    const int status = process.calculate();
    if (const auto code = refusal(process, output::steamFlowMessage(status), a.pipe.output.json)) {
        return *code;
    }
    writeHtmlIfAsked(a.pipe.output, [&process](const std::string& path) {
        return output::writeSteamFlowReport(path, process, shownUnits());
    });
    if (a.pipe.output.json) {
        printJson(steamFlowJson(process));
    } else {
        writeText(stdout, steamFlowTable(process));
    }
    return kExitOk;
}

// Stores the draft inputs: free flow when a height difference is given.
void applyDraft(GasFlowProcess& process, const GasFlowArguments& a) {
    const auto h = a.heightDifference.value();
    process.setFreeFlow(h.has_value());
    if (!h) {
        return;
    }
    AmbientData& ambient = process.ambient();
    ambient.reset();
    process.setInput(GasFlowProcess::kInHeightDifference, *h);
    for (const auto& [option, input] : {std::pair{&a.ambientT, AmbientData::kTemperature},
                                        std::pair{&a.ambientPhi, AmbientData::kRelativeHumidity},
                                        std::pair{&a.level, AmbientData::kLevel}}) {
        ambient.setInput(input, option->value().value_or(ambient.input(input)));
    }
}

int runGasFlow(const GasFlowArguments& a) {
    constexpr const char* kCommand = "flow gas";
    if (!a.p.value() || !a.t.value()) {
        throw ArgumentError("flow gas: --p and --t are required");
    }
    const gas::GasAnalysis analysis = analysisFromOptions(a.analysis);
    gas::GasState state(analysis, *a.p.value(), *a.t.value());
    AmbientData ambient;
    GasFlowProcess process(state, ambient);
    process.reset();
    GivenFlow flow = givenFlow(a.pipe, GasFlowProcess::kInMassFlow, GasFlowProcess::kInVolumeFlow,
                               "--mass-flow, --volume-flow or --normal-flow");
    if (a.normalFlow.value()) {
        flow = {GasFlowProcess::kInNormalFlow, &a.normalFlow, "--normal-flow", flow.choices};
    }
    applyPipe(process, a.pipe, flow, kCommand);
    applyDraft(process, a);
    applyModuleRules(process, kCommand);
    process.calculate();
    if (const auto code = refusal(process, output::gasFlowMessage(process), a.pipe.output.json)) {
        return *code;
    }
    if (process.freeFlow() && ambient.status() != processes::kOk) {
        tell(output::freeFlowWarning(output::AmbienceReading::kValid, ambient.status()));
    }
    writeHtmlIfAsked(a.pipe.output, [&process](const std::string& path) {
        return output::writeGasFlowReport(path, process, shownUnits());
    });
    if (a.pipe.output.json) {
        printJson(gasFlowJson(process));
    } else {
        writeText(stdout, gasFlowTable(process));
    }
    return kExitOk;
}

}  // namespace

struct FlowCommands::Arguments {
    CLI::App* flow = nullptr;
    SteamFlowArguments steam;
    GasFlowArguments gas;
    AmbientArguments ambient;
};

FlowCommands::FlowCommands(CLI::App& app) : arguments_(std::make_unique<Arguments>()) {
    Arguments& a = *arguments_;
    a.flow = app.add_subcommand("flow", "pipe and duct flows of water/steam and of gases");
    a.flow->require_subcommand(1);
    addSteamFlow(*a.flow, a.steam);
    addGasFlow(*a.flow, a.gas);
    addAmbient(app, a.ambient);
}

FlowCommands::~FlowCommands() = default;

std::optional<int> FlowCommands::runIfChosen() const {
    const Arguments& a = *arguments_;
    if (a.ambient.command->parsed()) {
        return runAmbient(
            {a.ambient.t.value(), a.ambient.phi.value(), a.ambient.level.value(), a.ambient.json});
    }
    if (!a.flow->parsed()) {
        return std::nullopt;
    }
    return a.steam.command->parsed() ? runSteamFlow(a.steam) : runGasFlow(a.gas);
}

}  // namespace vaporis::cli
