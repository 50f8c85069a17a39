#include "cli/tools_command.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "cli/ambient_command.h"
#include "cli/command_error.h"
#include "cli/json_output.h"
#include "cli/output_options.h"
#include "cli/text_table.h"
#include "engine/common/not_set.h"
#include "processes/ambient_data.h"
#include "processes/critical_outflow.h"
#include "processes/quench_cooler.h"
#include "processes/status_codes.h"
#include "ui/number_text.h"
#include "ui/tools_dialog.h"

namespace vaporis::app {

namespace {

using processes::AmbientData;

// One printed result: JSON key, table label and value (NOT_SET for none).
struct Row {
    std::string_view key;
    std::string_view label;
    double value;
};

double valueOr(const NumberOption& option, double fallback) {
    return option.value().value_or(fallback);
}

nlohmann::ordered_json rowsJson(const std::vector<Row>& rows) {
    nlohmann::ordered_json document = nlohmann::ordered_json::object();
    for (const Row& row : rows) {
        document[std::string(row.key)] = numberOrNull(row.value, row.value != NOT_SET);
    }
    return document;
}

// `extra` follows the rows in the JSON.
int print(const std::vector<Row>& rows, bool json,
          const nlohmann::ordered_json& extra = nlohmann::ordered_json::object()) {
    if (json) {
        nlohmann::ordered_json document = rowsJson(rows);
        document.update(extra);
        printJson(document);
        return kExitOk;
    }
    TextTable table;
    for (const Row& row : rows) {
        table.addRow({std::string(row.label), tableNumber(row.value, row.value != NOT_SET)});
    }
    writeText(stdout, table.render());
    return kExitOk;
}

int runAtmosphere(const ToolsArguments& a) {
    AmbientData ambient;
    ambient.setInput(AmbientData::kTemperature, valueOr(a.t, 15.0));
    ambient.setInput(AmbientData::kRelativeHumidity, valueOr(a.phi, 65.0));
    ambient.setInput(AmbientData::kLevel, valueOr(a.level, 0.0));
    const int status = ambient.calculate();
    if (status != processes::kOk) {
        return reportRefusal(a.json, status, ui::atmosphereMessageText(status));
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
        a.json, ambientJson(ambient));
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
    for (const std::string& text : ui::quenchWarningTexts(out)) {
        writeText(stderr, text + '\n');
    }
    return print({{"massFlowWater", "cooling-water mass flow", out.massFlowWater},
                  {"hSet", "set enthalpy [kJ/kg]", out.hSet},
                  {"tExit", "exit temperature [°C]", out.tExit},
                  {"massFlowExit", "exit mass flow", out.massFlowExit}},
                 a.json);
}

processes::OutflowCallbacks outflowCallbacks() {
    processes::OutflowCallbacks callbacks;
    callbacks.stepsReduced = [](int steps) {
        writeText(stderr, ui::stepsReducedText(steps) + '\n');
    };
    if (isatty(fileno(stderr)) == 1) {
        callbacks.progress = [](double relativeError, bool&) {
            writeText(stderr, "calc. error [-] " + ui::formatFixed(relativeError, 4) + '\r');
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
    const processes::OutflowResult out = processes::criticalOutflow(in, outflowCallbacks());
    if (out.refusal != processes::OutflowRefusal::kNone) {
        return reportRefusal(a.json, static_cast<int>(out.refusal),
                             ui::outflowRefusalText(out.refusal));
    }
    if (out.nozzleIterationAborted) {
        writeText(stderr, "Warning: phi_max iteration aborted\n");
    }
    if (out.outletIterationAborted) {
        writeText(stderr, "Warning: p_outlet iteration aborted\n");
    }
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
                  {"lambda", "applied friction coefficient lambda [-]", out.friction}},
                 a.json);
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
}

int runTools(const ToolsArguments& a) {
    if (a.atmosphere->parsed()) {
        return runAtmosphere(a);
    }
    return a.quench->parsed() ? runQuench(a) : runOutflow(a);
}

}  // namespace vaporis::app
