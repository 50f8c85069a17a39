#include "cli/tools_command.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "cli/ambient_command.h"
#include "cli/command_error.h"
#include "cli/command_help.h"
#include "cli/json_output.h"
#include "cli/output_options.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "engine/common/not_set.h"
#include "output/format/number_text.h"
#include "output/messages/tools_messages.h"
#include "output/units/units.h"
#include "processes/module_rules.h"
#include "processes/status_codes.h"
#include "processes/tools/ambient_data.h"
#include "processes/tools/critical_outflow.h"
#include "processes/tools/quench_cooler.h"

namespace vaporis::cli {

namespace {

constexpr std::string_view kToolRefused =
    "the inputs were refused (the message on stderr, or with --json the object {\"status\", "
    "\"message\"} on stdout)";

using processes::AmbientData;

// One printed result: JSON key, table label and value (NOT_SET for none).
struct Row {
    std::string_view key;
    std::string_view label;
    double value;
};

// One printed yes/no result: JSON key and table label.
struct Flag {
    std::string_view key;
    std::string_view label;
    bool value;
};

// What a calculation says beside its numbers: status 0, its warnings and its flags.
struct Outcome {
    std::vector<std::string> warnings;
    std::vector<Flag> flags;
};

double valueOr(const NumberOption& option, double fallback) {
    return option.value().value_or(fallback);
}

nlohmann::ordered_json outcomeJson(int status, std::string_view message,
                                   const std::vector<std::string>& warnings) {
    return {{"status", status}, {"message", std::string(message)}, {"warnings", warnings}};
}

// A row's value in its shown unit.
double shownRow(const Row& row) {
    return row.value == NOT_SET ? row.value : shownValue(row.value, bracketUnit(row.label));
}

// The rows; with an outcome (the tools that report one) also the status, warnings and flags;
// `extra` ends the JSON.
int print(const std::vector<Row>& rows, bool json, const Outcome* outcome = nullptr,
          const nlohmann::ordered_json& extra = nlohmann::ordered_json::object()) {
    const Outcome none;
    const Outcome& o = outcome != nullptr ? *outcome : none;
    if (json) {
        nlohmann::ordered_json document = nlohmann::ordered_json::object();
        if (outcome != nullptr) {
            document = outcomeJson(kExitOk, "", o.warnings);
        }
        nlohmann::ordered_json units = nlohmann::ordered_json::object();
        for (const Row& row : rows) {
            document[std::string(row.key)] = numberOrNull(shownRow(row), row.value != NOT_SET);
            if (const output::Unit* unit = bracketUnit(row.label)) {
                units[std::string(row.key)] =
                    std::string(output::shownUnit(*unit, shownUnits()).symbol);
            }
        }
        for (const Flag& flag : o.flags) {
            document[std::string(flag.key)] = flag.value;
        }
        document.update(extra);
        placeUnits(document, units);
        printJson(document);
        return kExitOk;
    }
    TextTable table;
    if (outcome != nullptr) {
        table.addRow({"status", "0"});
    }
    for (const Row& row : rows) {
        table.addRow({shownLabel(row.label), tableNumber(shownRow(row), row.value != NOT_SET)});
    }
    for (const Flag& flag : o.flags) {
        table.addRow({std::string(flag.label), flag.value ? "yes" : "no"});
    }
    std::string text = table.render();
    for (const std::string& warning : o.warnings) {
        text += "warning: " + warning + '\n';
    }
    writeText(stdout, text);
    return kExitOk;
}

// No result: the message (with the warnings) as JSON, or on stderr, and the input status.
int refuse(bool json, int status, const std::string& message,
           const std::vector<std::string>& warnings) {
    if (json) {
        printJson(outcomeJson(status, message, warnings));
    } else {
        writeText(stderr, message + '\n');
    }
    return kExitInputStatus;
}

void warnOnStderr(const std::vector<std::string>& warnings) {
    for (const std::string& text : warnings) {
        writeText(stderr, text + '\n');
    }
}

int runAtmosphere(const ToolsArguments& a) {
    AmbientData ambient;
    ambient.setInput(AmbientData::kTemperature, valueOr(a.t, 15.0));
    ambient.setInput(AmbientData::kRelativeHumidity, valueOr(a.phi, 65.0));
    ambient.setInput(AmbientData::kLevel, valueOr(a.level, 0.0));
    const int status = ambient.calculate();
    if (status != processes::kOk) {
        return reportRefusal(a.json, status, output::atmosphereMessageText(status));
    }
    const double dewPoint = ambient.result(AmbientData::kDewPoint);
    return print(
        {{"p", "atmospheric pressure p [mbar]", ambient.result(AmbientData::kPressure) * 1000.0},
         {"rho", "density rho [kg/m³]", ambient.result(AmbientData::kDensity)},
         {"dewPoint", "dew point [°C]", dewPoint == -1.0 ? NOT_SET : dewPoint},
         {"xWet", "water content x [g/kg_wet]",
          ambient.result(AmbientData::kWaterMassFraction) * 1000.0},
         {"xDry", "water content x_t [g/kg_dry]",
          ambient.result(AmbientData::kHumidityRatio) * 1000.0},
         {"a", "water content a [mol/kmol_wet]",
          ambient.result(AmbientData::kWaterMoleFraction) * 1000.0}},
        a.json, nullptr, ambientJson(ambient));
}

int runQuench(const ToolsArguments& a) {
    processes::QuenchInputs in;
    in.pSteam = valueOr(a.pSteam, in.pSteam);
    in.tSteam = valueOr(a.tSteam, in.tSteam);
    in.massFlowSteam = valueOr(a.massFlowSteam, in.massFlowSteam);
    in.pWater = valueOr(a.pWater, in.pWater);
    in.tWater = valueOr(a.tWater, in.tWater);
    in.tSet = valueOr(a.tSet, in.tSet);
    in.pExit = valueOr(a.pExit, in.pExit);
    const processes::QuenchBalance out = processes::quenchCoolerBalance(in);
    const Outcome outcome{output::quenchWarningTexts(out), {}};
    warnOnStderr(outcome.warnings);
    if (out.refusal != processes::QuenchRefusal::kNone) {
        return refuse(a.json, static_cast<int>(out.refusal), output::quenchRefusalText(out),
                      outcome.warnings);
    }
    return print({{"massFlowWater", "cooling-water mass flow", out.massFlowWater},
                  {"hSet", "set enthalpy [kJ/kg]", out.hSet},
                  {"tExit", "exit temperature [°C]", out.tExit},
                  {"massFlowExit", "exit mass flow", out.massFlowExit}},
                 a.json, &outcome);
}

processes::OutflowCallbacks outflowCallbacks(std::vector<std::string>& warnings) {
    processes::OutflowCallbacks callbacks;
    callbacks.stepsReduced = [&warnings](int steps) {
        warnings.push_back(output::stepsReducedText(steps));
        writeText(stderr, warnings.back() + '\n');
    };
    if (isatty(fileno(stderr)) == 1) {
        callbacks.progress = [](double relativeError, bool&) {
            writeText(stderr, "calc. error [-] " + output::formatFixed(relativeError, 4) + '\r');
        };
    }
    return callbacks;
}

int runOutflow(const ToolsArguments& a) {
    processes::OutflowInputs in;
    in.p0 = valueOr(a.p0, in.p0);
    in.t0 = valueOr(a.t0, in.t0);
    in.length = valueOr(a.length, in.length);
    in.diameter = valueOr(a.diameter, in.diameter);
    in.tubeCount = valueOr(a.tubes, in.tubeCount);
    in.pTank = valueOr(a.pTank, in.pTank);
    in.steps = processes::outflowSteps(valueOr(a.steps, in.steps));
    if (processes::checkOutflow(in)) {  // as the dialog refuses them: negative sizes, no tube
        constexpr auto kInputData = processes::OutflowRefusal::kInputData;
        return refuse(a.json, static_cast<int>(kInputData), output::outflowRefusalText(kInputData),
                      {});
    }
    Outcome outcome;
    const processes::OutflowResult out =
        processes::criticalOutflow(in, outflowCallbacks(outcome.warnings));
    if (out.refusal != processes::OutflowRefusal::kNone) {
        return refuse(a.json, static_cast<int>(out.refusal),
                      output::outflowRefusalText(out.refusal), outcome.warnings);
    }
    const std::vector<std::string> aborted = output::outflowWarningTexts(out);
    warnOnStderr(aborted);
    outcome.warnings.insert(outcome.warnings.end(), aborted.begin(), aborted.end());
    outcome.flags = {
        {"choked", "flow choked", out.choked},
        {"nozzleIterationAborted", "phi_max iteration aborted", out.nozzleIterationAborted},
        {"outletIterationAborted", "p_outlet iteration aborted", out.outletIterationAborted}};
    return print({{"pInlet", "tube inlet: pressure [bar]", out.inlet.p},
                  {"tInlet", "tube inlet: temperature [°C]", out.inlet.t},
                  {"tsInlet", "tube inlet: boiling temperature [°C]", out.inlet.ts},
                  {"xInlet", "tube inlet: steam quality [-]", out.inlet.x},
                  {"wInlet", "tube inlet: flow velocity [m/s]", out.inlet.velocity},
                  {"pOutlet", "tube outlet: pressure [bar]", out.outlet.p},
                  {"tOutlet", "tube outlet: temperature [°C]", out.outlet.t},
                  {"tsOutlet", "tube outlet: boiling temperature [°C]", out.outlet.ts},
                  {"xOutlet", "tube outlet: steam quality [-]", out.outlet.x},
                  {"wOutlet", "tube outlet: flow velocity [m/s]", out.outlet.velocity},
                  {"tTank", "collecting tank: temperature [°C]", out.tankT},
                  {"tsTank", "collecting tank: boiling temperature [°C]", out.tankTs},
                  {"xTank", "collecting tank: steam quality [-]", out.tankX},
                  {"pLaval", "laval press. pLE [bar] of nozzle", out.pLaval},
                  {"gLaval", "max. mass flux [kg/m²s] (nozzle)", out.gLaval},
                  {"massFlow", "mass flow [kg/s]", out.massFlow},
                  {"massFlux", "mass flux [kg/m²s]", out.massFlux},
                  {"lambda", "applied friction coefficient lambda [-]", out.friction},
                  {"calcError", "calc. error [-]", out.lengthError}},
                 a.json, &outcome);
}

}  // namespace

void addToolsCommand(CLI::App& app, ToolsArguments& a) {
    auto* tools = app.add_subcommand("tools",
                                     "isotropic atmosphere, quench cooler, critical "
                                     "outflow from a pressure vessel");
    tools->require_subcommand(1);
    a.atmosphere = tools->add_subcommand("atmosphere", "moist air at a level above sea");
    addNumber(*a.atmosphere, a.level, "--level", "level above sea h [m] (default 0)");
    addNumber(*a.atmosphere, a.t, "--t", "temperature t [°C] (default 15)");
    addNumber(*a.atmosphere, a.phi, "--phi", "relative humidity [%] (default 65)");
    a.quench = tools->add_subcommand("quench", "cooling water of a desuperheater");
    addNumber(*a.quench, a.pSteam, "--p-ss", "steam-side pressure [bar] (default 50)");
    addNumber(*a.quench, a.tSteam, "--t-ss", "steam-side temperature [°C] (default 400)");
    addNumber(*a.quench, a.massFlowSteam, "--m-ss", "steam-side mass flow (default 1)");
    addNumber(*a.quench, a.pWater, "--p-cw", "cooling-water pressure [bar] (default 50)");
    addNumber(*a.quench, a.tWater, "--t-cw", "cooling-water temperature [°C] (default 150)");
    addNumber(*a.quench, a.tSet, "--t-set", "set temperature [°C] (default 350)");
    addNumber(*a.quench, a.pExit, "--p-exit", "exit pressure [bar] (default 50)");
    auto* outflow = tools->add_subcommand("outflow", "critical mass flow from a vessel");
    addNumber(*outflow, a.p0, "--p0", "vessel pressure [bar] (default 50)");
    addNumber(*outflow, a.t0, "--t0", "vessel temperature [°C] (default 400)");
    addNumber(*outflow, a.length, "--length", "tube length [m], 0: nozzle only (default 30)");
    addNumber(*outflow, a.diameter, "--diameter", "tube inner diameter [mm] (default 80)");
    addNumber(*outflow, a.tubes, "--tubes", "number of parallel tubes (default 1)");
    addNumber(*outflow, a.pTank, "--p-tank", "collecting-tank pressure [bar] (default 1.01325)");
    addNumber(*outflow, a.steps, "--steps", "number of calculation steps (default 50)");
    for (CLI::App* command : {a.atmosphere, a.quench, outflow}) {
        command->add_flag("--json", a.json, "print one JSON object");
    }
    setCommandHelp(*a.atmosphere, "", {kToolRefused, true},
                   {"vaporis-cli tools atmosphere --level 500 --t 20 --phi 60 --json"});
    setCommandHelp(*a.quench,
                   "Its warnings go to stderr and into the JSON's warnings. A set point the "
                   "cooler cannot reach (not above boiling at the exit pressure, out of range, "
                   "water not colder or steam not hotter than it) is refused.",
                   {kToolRefused, true},
                   {"vaporis-cli tools quench --p-ss 40 --t-ss 450 --m-ss 20 --p-cw 60 --t-set 380 "
                    "--p-exit 38"});
    setCommandHelp(*outflow, "", {kToolRefused, true},
                   {"vaporis-cli tools outflow --p0 40 --t0 300 --length 10 --diameter 50",
                    "vaporis-cli tools outflow --p0 40 --t0 300 --length 0 --json"});
}

int runTools(const ToolsArguments& a) {
    if (a.atmosphere->parsed()) {
        return runAtmosphere(a);
    }
    return a.quench->parsed() ? runQuench(a) : runOutflow(a);
}

}  // namespace vaporis::cli
