#include "cli/flow_output.h"

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "cli/ambient_command.h"
#include "cli/json_output.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "engine/common/not_set.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/messages/flow_messages.h"
#include "output/messages/gas_messages.h"
#include "output/units/units.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/status_codes.h"

namespace vaporis::cli {

namespace {

using processes::GasFlowProcess;
using processes::SteamFlowProcess;

constexpr double kPerSecond = 1.0;

const FlowLine kMassFlow{"massFlow", "Mass flow", "kg/s", processes::FlowResult::kMassFlow, "kg/h"};
const FlowLine kVolumeFlow{"volumeFlow", "Volumetric flow", "m³/s",
                           processes::FlowResult::kVolumeFlow, "m³/h"};
const FlowLine kNormalFlow{"normalVolumeFlow", "Normal volumetric flow", "Nm³/s",
                           processes::FlowResult::kNormalFlow, "Nm³/h"};
const std::vector<FlowLine> kTubeLines = {
    {"crossSection", "Cross section of one tube", "mm²", processes::FlowResult::kCrossSection},
    {"totalCrossSection", "Total cross section", "mm²", processes::FlowResult::kTotalCrossSection},
    {"squareSide", "Equivalent side of a square profile", "mm", processes::FlowResult::kSquareSide},
    {"reynoldsNumber", "Reynolds number Re", "-", processes::FlowResult::kReynolds},
    {"dynamicPressure", "Dynamic pressure", "Pa", processes::FlowResult::kDynamicPressure},
    {"frictionCoefficient", "Friction coefficient lambda", "-", processes::FlowResult::kLambda},
    {"heatTransferCoefficient", "Heat transfer to the tube wall", "W/(m² K)",
     processes::FlowResult::kHeatTransfer},
    {"frictionPressureDrop", "Pressure drop by friction", "mbar",
     processes::FlowResult::kFrictionDrop},
    {"zetaPressureDrop", "Pressure drop by the additional zeta", "mbar",
     processes::FlowResult::kZetaDrop},
    {"totalPressureDrop", "Total pressure drop", "mbar", processes::FlowResult::kTotalDrop},
    {"machNumber", "Mach number", "-", processes::FlowResult::kMach},
};
const FlowLine kDraft{"draft", "Draft of the height difference", "mbar",
                      processes::FlowResult::kDraft};

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
    return i == processes::FlowResult::kMassFlow || i == processes::FlowResult::kVolumeFlow ||
           (hasValue(process.result(i)) &&
            (process.singlePhaseFlow() || i != SteamFlowProcess::kFrictionDrop));
}

bool shown(const GasFlowProcess& process, int i) {
    return i == processes::FlowResult::kMassFlow || i == processes::FlowResult::kVolumeFlow ||
           i == processes::FlowResult::kNormalFlow || hasValue(process.result(i));
}

// The unit of a line's values: its pressures in mbar and Pa are differences.
template <typename Process>
const output::Unit* lineUnit(const Process& process, const FlowLine& line) {
    const bool perHour = process.input(Process::kInTimeFactor) != kPerSecond;
    const std::string_view symbol = perHour && line.hourUnit != nullptr ? line.hourUnit : line.unit;
    const output::Unit* difference =
        output::findUnit(output::Quantity::kPressureDifference, symbol);
    return difference != nullptr ? difference : output::findWrittenUnit(symbol);
}

template <typename Process>
nlohmann::ordered_json resultsJson(const Process& process, const std::vector<FlowLine>& lines) {
    nlohmann::ordered_json results = nlohmann::ordered_json::object();
    for (const FlowLine& line : lines) {
        results[line.key] =
            numberOrNull(shownValue(process.result(line.slot), lineUnit(process, line)),
                         shown(process, line.slot));
    }
    return results;
}

// The labels of the facts, with the unit each is written in.
constexpr std::string_view kDensityLabel = "Density rho [kg/m³]";
constexpr std::string_view kViscosityLabel = "Dynamic viscosity eta [10⁻⁶ Pa s]";
constexpr std::string_view kSonicLabel = "Sonic velocity w [m/s]";
constexpr std::string_view kVelocityLabel = "Flow velocity [m/s]";
constexpr std::string_view kWidthLabel = "Inner diameter or width [mm]";
constexpr std::string_view kDiameterLabel = "Equivalent diameter [mm]";
constexpr std::string_view kGasConstantLabel = "Gas constant [J/(kg K)]";

double shownFact(std::string_view label, double value) {
    return shownValue(value, bracketUnit(label));
}

// The units object of a flow: the unit of every fact and result that has one.
template <typename Process>
nlohmann::ordered_json unitsJson(const Process& process, const std::vector<FlowLine>& lines) {
    nlohmann::ordered_json units = nlohmann::ordered_json::object();
    const auto add = [&units](std::string_view key, const output::Unit* unit) {
        if (unit != nullptr) {
            units[std::string(key)] = std::string(output::shownUnit(*unit, shownUnits()).symbol);
        }
    };
    for (const auto& [key, label] : {std::pair{"density", kDensityLabel},
                                     {"viscosity", kViscosityLabel},
                                     {"sonicVelocity", kSonicLabel},
                                     {"velocity", kVelocityLabel},
                                     {"width", kWidthLabel},
                                     {"equivalentDiameter", kDiameterLabel}}) {
        add(key, bracketUnit(label));
    }
    if constexpr (std::is_same_v<Process, GasFlowProcess>) {
        add("gasConstant", bracketUnit(kGasConstantLabel));
    }
    for (const FlowLine& line : lines) {
        add(line.key, lineUnit(process, line));
    }
    return units;
}

// The status beside its message: the warning or refusal the flow's dialog shows, else "".
// A computed flow's velocity and sizes are numbers whatever their value, 999 too.
nlohmann::ordered_json flowJson(int status, const std::optional<output::FlowMessage>& message,
                                const FlowFacts& f) {
    return {{"status", status},
            {"message", message ? message->text : std::string()},
            {"density", numberOrNull(shownFact(kDensityLabel, f.density), f.densityValid)},
            {"viscosity", numberOrNull(shownFact(kViscosityLabel, f.viscosity), f.viscosityValid)},
            {"sonicVelocity", numberOrNull(shownFact(kSonicLabel, f.sonicVelocity), f.sonicValid)},
            {"velocity", shownFact(kVelocityLabel, f.velocity)},
            {"width", shownFact(kWidthLabel, f.width)},
            {"equivalentDiameter", shownFact(kDiameterLabel, f.equivalentDiameter)}};
}

void addFacts(TextTable& table, const FlowFacts& f) {
    for (const auto& [label, value, valid] : {std::tuple{kDensityLabel, f.density, f.densityValid},
                                              {kViscosityLabel, f.viscosity, f.viscosityValid},
                                              {kSonicLabel, f.sonicVelocity, f.sonicValid},
                                              {kVelocityLabel, f.velocity, true},
                                              {kWidthLabel, f.width, true},
                                              {kDiameterLabel, f.equivalentDiameter, true}}) {
        table.addRow({shownLabel(label), tableNumber(shownFact(label, value), valid)});
    }
}

template <typename Process>
void addResults(TextTable& table, const Process& process, const std::vector<FlowLine>& lines) {
    const bool perHour = process.input(Process::kInTimeFactor) != kPerSecond;
    for (const FlowLine& line : lines) {
        const char* written = perHour && line.hourUnit != nullptr ? line.hourUnit : line.unit;
        const output::Unit* unit = lineUnit(process, line);
        const std::string_view symbol =
            unit != nullptr ? output::shownUnit(*unit, shownUnits()).symbol : written;
        table.addRow(
            {std::string(line.label) + " [" + std::string(symbol) + "]",
             tableNumber(shownValue(process.result(line.slot), unit), shown(process, line.slot))});
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
    placeUnits(document, unitsJson(process, steamFlowLines()));
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
    document["gasConstant"] = shownFact(kGasConstantLabel, analysis.gasConstantJ());
    document["ambient"] =
        hasDraft(process) ? ambientJson(process.ambient()) : nlohmann::ordered_json(nullptr);
    document["results"] = resultsJson(process, gasFlowLines());
    placeUnits(document, unitsJson(process, gasFlowLines()));
    return document;
}

std::string gasFlowTable(const GasFlowProcess& process) {
    TextTable table;
    addFacts(table, gasFacts(process));
    const gas::GasAnalysis& analysis = *process.state().analysis();
    table.addRow({"Molar mass [kg/kmol]", tableNumber(analysis.molarMass(), true)});
    table.addRow({shownLabel(kGasConstantLabel),
                  tableNumber(shownFact(kGasConstantLabel, analysis.gasConstantJ()), true)});
    table.addRow({});
    addResults(table, process, gasFlowLines());
    std::string text = table.render();
    if (hasDraft(process)) {
        text += '\n' + ambientTable(process.ambient());
    }
    return text;
}

}  // namespace vaporis::cli
