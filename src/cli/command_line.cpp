#include "cli/command_line.h"

#include <cstdio>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/command_batch.h"
#include "cli/command_error.h"
#include "cli/command_help.h"
#include "cli/command_options.h"
#include "cli/flow_command.h"
#include "cli/gas_command.h"
#include "cli/process_command.h"
#include "cli/project_command.h"
#include "cli/shown_units.h"
#include "cli/steam_command.h"
#include "cli/table_command.h"
#include "cli/text_table.h"
#include "cli/tools_command.h"
#include "cli/version.h"

namespace vaporis::cli {

namespace {

constexpr const char* kDescription =
    "Vaporis command line: water and steam after IAPWS-IF97 and gas mixtures, for one state "
    "or a CSV batch (stdin to stdout). Units: bar, °C, kJ/kg, kJ/(kg K), m³/kg.";

constexpr std::string_view kStateRefused =
    "the state was refused (its message on stderr, or with --json the object {\"status\", "
    "\"message\"} on stdout)";

// Batch CSV of a command whose header names `inputs`.
std::string batchNotes(std::string_view inputs) {
    return "Batch CSV: the header names the inputs " + std::string(inputs) +
           " in any case, optionally with a unit (\"P [bar],t\"); every input line gives one "
           "output line, a blank one a blank one. --delimiter ';' and --decimal-comma read and "
           "write German spreadsheets.";
}

void setProgramHelp(CLI::App& app) {
    setCommandHelp(app,
                   "Each command shows its own options, units, examples and exit codes with "
                   "vaporis-cli COMMAND --help.",
                   {"a state or process was refused (its message on stderr)", true},
                   {"vaporis-cli steam --p 50 --t 400", "vaporis-cli gas --p 1.01325 --t 150",
                    "vaporis-cli table --p 1:100:1 --t 400 > isotherm.csv"});
}

// --json, --html and --batch; a batch takes none of the single-state options.
void addOutputOptions(CLI::App& command, OutputOptions& output, bool withHtml,
                      std::initializer_list<const NumberOption*> stateInputs) {
    auto* json = command.add_flag("--json", output.json, "print one JSON object");
    auto* batch = command.add_flag("--batch", output.batch,
                                   "read CSV from stdin (header: two input names), write CSV");
    batch->excludes(json);
    for (CLI::Option* format : addCsvFormatOptions(command, output)) {
        format->needs(batch);
    }
    addJobsOption(command, output)->needs(batch);
    if (withHtml) {
        batch->excludes(
            command.add_option("--html", output.htmlPath, "also write the HTML report to FILE")
                ->type_name("FILE")
                ->check(kNotEmpty));
    }
    for (const NumberOption* input : stateInputs) {
        batch->excludes(input->option);
    }
}

struct SteamArguments {
    NumberOption p, t, x;
    SteamOptions options;
};

struct SteamPhArguments {
    NumberOption p, h;
    SteamPhOptions options;
};

struct GasArguments {
    NumberOption p, t, h, s;
    GasOptions options;
};

struct Arguments {
    SteamArguments steam;
    SteamPhArguments steamPh;
    GasArguments gas;
    ProcessArguments process;
    ToolsArguments tools;
    TableArguments table;
    ProjectArguments project;
    OutputOptions commandBatch;
    UnitOptions units;
};

void addSteam(CLI::App& app, SteamArguments& a) {
    auto* command = app.add_subcommand(
        "steam",
        "water/steam state from two of p, t, x: every property, saturated liquid and "
        "vapour, saturation values");
    addNumber(*command, a.p, "--p", "absolute pressure [bar]");
    addNumber(*command, a.t, "--t", "temperature [°C]");
    addNumber(*command, a.x, "--x", "steam quality [-] (with p or t on the saturation line)");
    addOutputOptions(*command, a.options.output, true, {&a.p, &a.t, &a.x});
    setCommandHelp(*command, batchNotes("p,t or p,x or t,x"), {kStateRefused, true},
                   {"vaporis-cli steam --p 50 --t 400", "vaporis-cli steam --p 10 --x 0.5 --json",
                    "vaporis-cli steam --batch < states.csv > properties.csv",
                    "vaporis-cli steam --batch --delimiter ';' --decimal-comma < states.csv"});
}

void addSteamPh(CLI::App& app, SteamPhArguments& a) {
    auto* command = app.add_subcommand(
        "steam-ph", "temperature (or boiling temperature and steam quality) from p and h");
    addNumber(*command, a.p, "--p", "absolute pressure [bar]");
    addNumber(*command, a.h, "--h", "specific enthalpy [kJ/kg]");
    addOutputOptions(*command, a.options.output, false, {&a.p, &a.h});
    setCommandHelp(*command, batchNotes("p,h"), {kStateRefused, true},
                   {"vaporis-cli steam-ph --p 10 --h 2800",
                    "vaporis-cli steam-ph --batch < states.csv > temperatures.csv"});
}

// --condensation and the entropy it accepts as an input; gas plus condensate has no report.
void addCondensingOptions(CLI::App& command, GasArguments& a) {
    auto* condensation = command.add_flag(
        "--condensation", a.options.condensation,
        "below the dew point: gas plus condensate (h, s and condensate; --s accepted)");
    addNumber(command, a.s, "--s", "specific entropy [kJ/(kg K)] (with --condensation)");
    a.s.option->needs(condensation)->excludes(a.t.option)->excludes(a.h.option);
}

void addGas(CLI::App& app, GasArguments& a) {
    auto* command = app.add_subcommand(
        "gas", "the 25 properties of a gas mixture at p and t (or h); default: dry air");
    addNumber(*command, a.p, "--p", "absolute pressure [bar]");
    addNumber(*command, a.t, "--t", "temperature [°C]");
    addNumber(*command, a.h, "--h", "specific enthalpy [kJ/kg]");
    a.t.option->excludes(a.h.option);
    addCondensingOptions(*command, a);
    addGasAnalysisOptions(*command, a.options.analysis);
    addOutputOptions(*command, a.options.output, true, {&a.p, &a.t, &a.h, &a.s});
    command->get_option("--html")->excludes(command->get_option("--condensation"));
    setCommandHelp(*command,
                   "Gas components for --vol and --mass: " + componentLabelList() + ".\n\n" +
                       batchNotes("p,t or p,h"),
                   {kStateRefused, true},
                   {"vaporis-cli gas --p 1.01325 --t 150 --vol N2=79,O2=21",
                    "vaporis-cli gas --p 1 --t 30 --vol CO2=12,H2O=10,N2=78 --condensation",
                    "vaporis-cli gas --analysis flue.gas --batch < states.csv > properties.csv"});
}

// CLI11 texts may span lines; the usage error is one line.
std::string oneLine(std::string text) {
    for (char& c : text) {
        c = c == '\n' ? ' ' : c;
    }
    return text;
}

// A message quotes at most this many bytes of an argument: a pasted file must not flood it.
constexpr std::size_t kQuotedArgumentBytes = 80;

// The start of text, cut before a UTF-8 continuation byte, and "..." when it was longer.
std::string shortened(std::string_view text) {
    std::size_t end = kQuotedArgumentBytes - 3;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
        --end;
    }
    return std::string(text.substr(0, end)) + "...";
}

// Every long argument, and the value of a long "--option=value", shortened where the text
// quotes it.
std::string withShortArguments(std::string text, std::span<const char* const> arguments) {
    for (const char* argument : arguments) {
        const std::string_view whole(argument);
        const std::size_t equals = whole.find('=');
        for (const std::string_view quoted :
             {whole,
              equals == std::string_view::npos ? std::string_view() : whole.substr(equals + 1)}) {
            if (quoted.size() <= kQuotedArgumentBytes) {
                continue;
            }
            const std::string shorter = shortened(quoted);
            for (std::size_t at = text.find(quoted); at != std::string::npos;
                 at = text.find(quoted, at + shorter.size())) {
                text.replace(at, quoted.size(), shorter);
            }
        }
    }
    return text;
}

int usageError(const std::string& text, std::span<const char* const> arguments) {
    const std::string line = "vaporis-cli: " + oneLine(withShortArguments(text, arguments)) + "\n";
    writeMessage(line);
    return kExitUsage;
}

// CLI11 would only say that a command is missing; name the word it did not know.
bool isUnknownCommand(CLI::App& app, int argc, const char* const* argv) {
    if (argc < 2 || argv[1][0] == '-') {
        return false;
    }
    const auto known = app.get_subcommands(
        [name = std::string(argv[1])](CLI::App* command) { return command->get_name() == name; });
    return known.empty();
}

// Runs the command that was parsed; ArgumentError for unusable arguments.
int runParsed(const CLI::App& app, Arguments& a) {
    if (app.got_subcommand("steam")) {
        a.steam.options.p = a.steam.p.value();
        a.steam.options.t = a.steam.t.value();
        a.steam.options.x = a.steam.x.value();
        return runSteam(a.steam.options);
    }
    if (app.got_subcommand("process")) {
        return runProcess(a.process);
    }
    if (app.got_subcommand("project")) {
        return runProject(a.project);
    }
    if (app.got_subcommand("tools")) {
        return runTools(a.tools);
    }
    if (app.got_subcommand("table")) {
        return runTable(a.table);
    }
    if (app.got_subcommand("steam-ph")) {
        a.steamPh.options.p = a.steamPh.p.value();
        a.steamPh.options.h = a.steamPh.h.value();
        return runSteamPh(a.steamPh.options);
    }
    a.gas.options.p = a.gas.p.value();
    a.gas.options.t = a.gas.t.value();
    a.gas.options.h = a.gas.h.value();
    a.gas.options.s = a.gas.s.value();
    return runGas(a.gas.options);
}

// Runs the program once more for one row of a batch.
int runRow(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{"vaporis-cli"};
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    return runCommandLine(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

int runCommandLine(int argc, const char* const* argv) {
    CLI::App app(kDescription, "vaporis-cli");
    app.set_version_flag("--version", "vaporis-cli " + std::string(kVersion));
    app.require_subcommand(1);
    alignHelpByCharacters(app);
    Arguments arguments;
    addSteam(app, arguments.steam);
    addSteamPh(app, arguments.steamPh);
    addGas(app, arguments.gas);
    addProcessCommand(app, arguments.process);
    addToolsCommand(app, arguments.tools);
    addTableCommand(app, arguments.table);
    addProjectCommand(app, arguments.project);
    const FlowCommands flow(app);
    const std::span<const char* const> typed(argv, static_cast<std::size_t>(argc));
    addCommandBatchOptions(app, arguments.commandBatch);
    addUnitOptions(app, arguments.units);
    setProgramHelp(app);
    if (isUnknownCommand(app, argc, argv)) {
        return usageError(
            "unknown command \"" + std::string(argv[1]) +
                "\" (use steam, steam-ph, gas, table, process, flow, ambient, tools or project)",
            typed);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return error.get_exit_code() == 0 ? app.exit(error) : usageError(error.what(), typed);
    }
    CommandUnits units;
    try {
        units.choose(arguments.units);
        if (const CLI::App* batch = commandBatchChosen(app)) {
            return runCommandBatch(*batch, {argv + 1, argv + argc}, arguments.commandBatch, runRow);
        }
        if (const std::optional<int> code = flow.runIfChosen()) {
            return *code;
        }
        return runParsed(app, arguments);
    } catch (const ArgumentError& error) {
        return usageError(error.what(), typed);
    }
}

}  // namespace vaporis::cli
