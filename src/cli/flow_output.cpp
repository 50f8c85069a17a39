#include "cli/flow_output.h"

#include <optional>
#include <string>

#include "cli/ambient_command.h"
#include "cli/json_output.h"
#include "cli/text_table.h"
#include "engine/common/not_set.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/messages/flow_messages.h"
#include "output/messages/gas_messages.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/status_codes.h"

namespace vaporis::cli {

namespace {

using processes::GasFlowProcess;
using processes::SteamFlowProcess;

constexpr double kPerSecond = 1.0;

const FlowLine kMassFlow{"massFlow", "Mass flow", "kg/s", processes::kMassFlow, "kg/h"};
const FlowLine kVolumeFlow{"volumeFlow", "Volumetric flow", "m³/s", processes::kVolumeFlow, "m³/h"};
const FlowLine kNormalFlow{"normalVolumeFlow", "Normal volumetric flow", "Nm³/s",
                           processes::kNormalFlow, "Nm³/h"};
const std::vector<FlowLine> kTubeLines = {
    {"crossSection", "Cross section of one tube", "mm²", processes::kCrossSection},
    {"totalCrossSection", "Total cross section", "mm²", processes::kTotalCrossSection},
    {"squareSide", "Equivalent side of a square profile", "mm", processes::kSquareSide},
    {"reynoldsNumber", "Reynolds number Re", "-", processes::kReynolds},
    {"dynamicPressure", "Dynamic pressure", "Pa", processes::kDynamicPressure},
    {"frictionCoefficient", "Friction coefficient lambda", "-", processes::kLambda},
    {"heatTransferCoefficient", "Heat transfer to the tube wall", "W/(m² K)",
     processes::kHeatTransfer},
    {"frictionPressureDrop", "Pressure drop by friction", "mbar", processes::kFrictionDrop},
    {"zetaPressureDrop", "Pressure drop by the additional zeta", "mbar", processes::kZetaDrop},
    {"totalPressureDrop", "Total pressure drop", "mbar", processes::kTotalDrop},
    {"machNumber", "Mach number", "-", processes::kMach},
};
const FlowLine kDraft{"draft", "Draft of the height difference", "mbar", processes::kDraft};

std::vector<FlowLine> joined(std::vector<FlowLine> head, const std::vector<FlowLine>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

bool hasValue(double value) {
    return value != NOT_SET;
}

// The fluid values and derived inputs both processes print, in this order.
struct FlowFacts {
    double density;
    bool densityValid;
    double viscosity;
    bool viscosityValid;
    double sonicVelocity;
    bool sonicValid;
    double velocity;
    double width;
    double equivalentDiameter;
};

// The flows of a computed flow are numbers, 999 too; the other results use the marker.
// Wet steam has no friction: its friction drop of 0 is no result.
bool shown(const SteamFlowProcess& process, int i) {
    return i == processes::kMassFlow || i == processes::kVolumeFlow ||
           (hasValue(process.result(i)) &&
            (process.singlePhaseFlow() || i != SteamFlowProcess::kFrictionDrop));
}

bool shown(const GasFlowProcess& process, int i) {
    return i == processes::kMassFlow || i == processes::kVolumeFlow ||
           i == processes::kNormalFlow || hasValue(process.result(i));
}

template <typename Process>
nlohmann::ordered_json resultsJson(const Process& process, const std::vector<FlowLine>& lines) {
    nlohmann::ordered_json results = nlohmann::ordered_json::object();
    for (const FlowLine& line : lines) {
        results[line.key] = numberOrNull(process.result(line.slot), shown(process, line.slot));
    }
    return results;
}

// The status beside its message: the warning or refusal the flow's dialog shows, else "".
// A computed flow's velocity and sizes are numbers whatever their value, 999 too.
nlohmann::ordered_json flowJson(int status, const std::optional<output::FlowMessage>& message,
                                const FlowFacts& f) {
    return {{"status", status},
            {"message", message ? message->text : std::string()},
            {"density", numberOrNull(f.density, f.densityValid)},
            {"viscosity", numberOrNull(f.viscosity, f.viscosityValid)},
            {"sonicVelocity", numberOrNull(f.sonicVelocity, f.sonicValid)},
            {"velocity", f.velocity},
            {"width", f.width},
            {"equivalentDiameter", f.equivalentDiameter}};
}

void addFacts(TextTable& table, const FlowFacts& f) {
    table.addRow({"Density rho [kg/m³]", tableNumber(f.density, f.densityValid)});
    table.addRow({"Dynamic viscosity eta [10⁻⁶ Pa s]", tableNumber(f.viscosity, f.viscosityValid)});
    table.addRow({"Sonic velocity w [m/s]", tableNumber(f.sonicVelocity, f.sonicValid)});
    table.addRow({"Flow velocity [m/s]", tableNumber(f.velocity, true)});
    table.addRow({"Inner diameter or width [mm]", tableNumber(f.width, true)});
    table.addRow({"Equivalent diameter [mm]", tableNumber(f.equivalentDiameter, true)});
}

template <typename Process>
void addResults(TextTable& table, const Process& process, const std::vector<FlowLine>& lines) {
    const bool perHour = process.input(Process::kInTimeFactor) != kPerSecond;
    for (const FlowLine& line : lines) {
        const char* unit = perHour && line.hourUnit != nullptr ? line.hourUnit : line.unit;
        table.addRow({std::string(line.label) + " [" + unit + "]",
                      tableNumber(process.result(line.slot), shown(process, line.slot))});
    }
}

FlowFacts steamFacts(const SteamFlowProcess& p) {
    const water::WaterSteamState& s = p.state();
    return {s.stateValue(water::kRho),
            s.stateStatus(water::kRho) == water::kOk,
            s.stateValue(water::kEta),
            s.stateStatus(water::kEta) == water::kOk,
            p.sonicVelocity(),
            hasValue(p.result(SteamFlowProcess::kMach)),
            p.input(SteamFlowProcess::kInVelocity),
            p.input(SteamFlowProcess::kInWidth),
            p.input(SteamFlowProcess::kInEquivalentDiameter)};
}

FlowFacts gasFacts(const GasFlowProcess& p) {
    const gas::GasState& s = p.state();
    return {s.property(gas::kDensity),
            true,
            s.property(gas::kViscosity),
            output::gasPropertyKnown(s, gas::kViscosity),
            s.property(gas::kSonicVelocity),
            true,
            p.input(GasFlowProcess::kInVelocity),
            p.input(GasFlowProcess::kInWidth),
            p.input(GasFlowProcess::kInEquivalentDiameter)};
}

bool hasDraft(const GasFlowProcess& process) {
    return process.freeFlow() && process.ambient().status() == processes::kOk;
}

}  // namespace

const std::vector<FlowLine>& steamFlowLines() {
    static const std::vector<FlowLine> lines = joined({kMassFlow, kVolumeFlow}, kTubeLines);
    return lines;
}

const std::vector<FlowLine>& gasFlowLines() {
    static const std::vector<FlowLine> lines =
        joined(joined({kMassFlow, kVolumeFlow, kNormalFlow}, kTubeLines), {kDraft});
    return lines;
}

nlohmann::ordered_json steamFlowJson(const SteamFlowProcess& process) {
    nlohmann::ordered_json document =
        flowJson(process.status(), output::steamFlowMessage(process.status()), steamFacts(process));
    document["results"] = resultsJson(process, steamFlowLines());
    document["warnings"] = nlohmann::ordered_json::array();
    if (!process.singlePhaseFlow()) {
        document["warnings"].push_back(output::kWetSteamFrictionNote);
    }
    return document;
}

std::string steamFlowTable(const SteamFlowProcess& process) {
    TextTable table;
    addFacts(table, steamFacts(process));
    table.addRow({});
    addResults(table, process, steamFlowLines());
    std::string text = table.render();
    if (!process.singlePhaseFlow()) {
        text += '\n' + std::string(output::kWetSteamFrictionNote) + '\n';
    }
    return text;
}

nlohmann::ordered_json gasFlowJson(const GasFlowProcess& process) {
    nlohmann::ordered_json document =
        flowJson(process.status(), output::gasFlowMessage(process), gasFacts(process));
    const gas::GasAnalysis& analysis = *process.state().analysis();
    document["molarMass"] = analysis.molarMass();
    document["gasConstant"] = analysis.gasConstantJ();
    document["ambient"] =
        hasDraft(process) ? ambientJson(process.ambient()) : nlohmann::ordered_json(nullptr);
    document["results"] = resultsJson(process, gasFlowLines());
    return document;
}

std::string gasFlowTable(const GasFlowProcess& process) {
    TextTable table;
    addFacts(table, gasFacts(process));
    const gas::GasAnalysis& analysis = *process.state().analysis();
    table.addRow({"Molar mass [kg/kmol]", tableNumber(analysis.molarMass(), true)});
    table.addRow({"Gas constant [J/(kg K)]", tableNumber(analysis.gasConstantJ(), true)});
    table.addRow({});
    addResults(table, process, gasFlowLines());
    std::string text = table.render();
    if (hasDraft(process)) {
        text += '\n' + ambientTable(process.ambient());
    }
    return text;
}

}  // namespace vaporis::cli
