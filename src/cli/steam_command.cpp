#include "cli/steam_command.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/command_error.h"
#include "cli/csv_batch.h"
#include "cli/json_output.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "engine/common/not_set.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/catalogue/water_properties.h"
#include "output/messages/messages.h"
#include "output/messages/refusal_messages.h"
#include "output/messages/steam_table_messages.h"
#include "output/reports/steam_table_report.h"
#include "processes/module_rules.h"

namespace vaporis::cli {

namespace {

using water::WaterSteamState;

// The input pairs in InputMode order: the index of a pair is its mode.
constexpr auto kSteamInputs = std::to_array<InputColumns>({{"p", "t"}, {"p", "x"}, {"t", "x"}});
constexpr auto kSteamPhInputs = std::to_array<InputColumns>({{"p", "h"}});

// The inputs of each mode, for the JSON beside its number.
constexpr auto kSteamModeInputs = std::to_array<std::string_view>({"p,t", "p,x", "t,x"});

constexpr std::string_view kSteamPhHeader = "p,h,status,message,t,x";

using output::kWaterPressureEntry;
// The enthalpy given to steam-ph, as its table names it.
constexpr output::PropertyEntry kEnthalpyEntry{
    "h", "", "", "enthalpy h [kJ/kg]", output::ReportUnit::kKilojoulePerKilogram, 6};
using output::kWaterQualityEntry;
using output::kWaterTemperatureEntry;
using output::saturationEntry;
using output::waterProperty;

std::string key(const output::PropertyEntry& entry) {
    return std::string(entry.key);
}

std::string label(const output::PropertyEntry& entry) {
    return shownLabel(entry.textLabel, entry.unit);
}

// A value of the entry as shown: in the shown unit.
double shown(const output::PropertyEntry& entry, double value) {
    return shownValue(value, entry.unit);
}

std::string cell(const output::PropertyEntry& entry, double value, bool valid) {
    return tableNumber(shown(entry, value), valid);
}

struct ModeInputs {
    int mode;
    double first;
    double second;
};

ModeInputs modeInputs(const SteamOptions& options) {
    const int given = static_cast<int>(options.p.has_value()) +
                      static_cast<int>(options.t.has_value()) +
                      static_cast<int>(options.x.has_value());
    if (given != 2) {
        throw ArgumentError("steam: give exactly two of --p, --t, --x");
    }
    if (!options.x) {
        return {water::kModePT, *options.p, *options.t};
    }
    if (options.p) {
        return {water::kModePX, *options.p, *options.x};
    }
    return {water::kModeTX, *options.t, *options.x};
}

WaterSteamState uncalculatedState(const ModeInputs& inputs) {
    const double a = inputs.first;
    const double b = inputs.second;
    return inputs.mode == water::kModePT   ? WaterSteamState(inputs.mode, a, b, NOT_SET)
           : inputs.mode == water::kModePX ? WaterSteamState(inputs.mode, a, NOT_SET, b)
                                           : WaterSteamState(inputs.mode, NOT_SET, a, b);
}

WaterSteamState computeState(const ModeInputs& inputs) {
    WaterSteamState state = uncalculatedState(inputs);
    state.calculate();
    return state;
}

// p, t, x as the state holds them: the inputs, and the saturation value a mode with x
// computed from them.
struct StateInputs {
    double p;
    double t;
    double x;
    bool pValid;
    bool tValid;
    bool xValid;
};

StateInputs stateInputs(const WaterSteamState& state) {
    const bool computed = state.inputStatus() == water::kInputOk;
    return {state.pressure(),
            state.temperature(),
            state.quality(),
            state.mode() != water::kModeTX || computed,
            state.mode() != water::kModePX || computed,
            state.mode() != water::kModePT};
}

std::string steamTable(const WaterSteamState& state) {
    const StateInputs in = stateInputs(state);
    TextTable table;
    table.addRow({label(kWaterPressureEntry), cell(kWaterPressureEntry, in.p, in.pValid)});
    table.addRow({label(kWaterTemperatureEntry), cell(kWaterTemperatureEntry, in.t, in.tValid)});
    table.addRow({label(kWaterQualityEntry), tableNumber(in.x, in.xValid)});
    table.addRow({});
    table.addRow({"", "state", "saturated liquid '", "saturated vapour ''"});
    for (int i = 0; i < water::kPropertyCount; ++i) {
        const output::PropertyEntry& entry = waterProperty(i);
        table.addRow({label(entry),
                      cell(entry, state.stateValue(i), state.stateStatus(i) == water::kOk),
                      cell(entry, state.liquidValue(i), state.liquidStatus(i) == water::kOk),
                      cell(entry, state.vaporValue(i), state.vaporStatus(i) == water::kOk)});
    }
    table.addRow({});
    for (int i = 0; i < water::kSaturationCount; ++i) {
        table.addRow({label(saturationEntry(i)), cell(saturationEntry(i), state.saturationValue(i),
                                                      state.saturationStatus(i) == water::kOk)});
    }
    return table.render();
}

template <typename ValueOf, typename StatusOf>
nlohmann::ordered_json propertyRow(ValueOf valueOf, StatusOf statusOf) {
    nlohmann::ordered_json row = nlohmann::ordered_json::object();
    for (int i = 0; i < water::kPropertyCount; ++i) {
        row[key(waterProperty(i))] =
            valueWithStatus(shown(waterProperty(i), valueOf(i)), statusOf(i));
    }
    return row;
}

nlohmann::ordered_json steamJson(const WaterSteamState& s) {
    const StateInputs in = stateInputs(s);
    nlohmann::ordered_json saturation = nlohmann::ordered_json::object();
    for (int i = 0; i < water::kSaturationCount; ++i) {
        saturation[key(saturationEntry(i))] =
            valueWithStatus(shown(saturationEntry(i), s.saturationValue(i)), s.saturationStatus(i));
    }
    nlohmann::ordered_json json = {
        {"mode", s.mode()},
        {key(kWaterPressureEntry), numberOrNull(shown(kWaterPressureEntry, in.p), in.pValid)},
        {key(kWaterTemperatureEntry), numberOrNull(shown(kWaterTemperatureEntry, in.t), in.tValid)},
        {key(kWaterQualityEntry), numberOrNull(in.x, in.xValid)},
        {"inputStatus", s.inputStatus()},
        {"inputMessage", ""},
        {"modeInputs", kSteamModeInputs[static_cast<std::size_t>(s.mode())]},
        {"state", propertyRow([&s](int i) { return s.stateValue(i); },
                              [&s](int i) { return s.stateStatus(i); })},
        {"liquid", propertyRow([&s](int i) { return s.liquidValue(i); },
                               [&s](int i) { return s.liquidStatus(i); })},
        {"vapor", propertyRow([&s](int i) { return s.vaporValue(i); },
                              [&s](int i) { return s.vaporStatus(i); })},
        {"saturation", saturation},
    };
    addUnits(json, std::array{kWaterPressureEntry, kWaterTemperatureEntry});
    addUnits(json, output::kWaterPropertyCatalogue);
    addUnits(json, output::kSaturationCatalogue);
    return json;
}

void appendSteamRow(std::size_t mode, double first, double second, CsvLine& line) {
    // A row shows only the state: the saturated rows of a p + t state are not computed.
    WaterSteamState state = uncalculatedState({static_cast<int>(mode), first, second});
    state.calculateState();
    const StateInputs in = stateInputs(state);
    const int status = state.inputStatus();
    line.number(shown(kWaterPressureEntry, in.p), in.pValid);
    line.number(shown(kWaterTemperatureEntry, in.t), in.tValid);
    line.number(in.x, in.xValid);
    line.status(status, status != water::kInputOk,
                status == water::kInputOk
                    ? std::string_view()
                    : output::messageText(output::inputStatusMessage(status)));
    for (int i = 0; i < water::kPropertyCount; ++i) {
        line.number(shown(waterProperty(i), state.stateValue(i)),
                    state.stateStatus(i) == water::kOk);
    }
}

void appendSteamPhRow(std::size_t /*pair*/, double p, double h, CsvLine& line) {
    const output::EnthalpyIteration result = output::enthalpyIteration(p, h);
    line.number(shown(kWaterPressureEntry, p), true);
    line.number(shown(kEnthalpyEntry, h), true);
    line.status(result.status, !result.valid(),
                result.valid()
                    ? std::string()
                    : output::iterationMessage(output::iterationFailureMessage(result.status)));
    line.number(shown(kWaterTemperatureEntry, result.t), result.valid());
    line.number(result.x, result.twoPhase());
}

std::string steamPhTable(double p, double h, const output::EnthalpyIteration& result) {
    TextTable table;
    table.addRow({label(kWaterPressureEntry), cell(kWaterPressureEntry, p, true)});
    table.addRow({label(kEnthalpyEntry), cell(kEnthalpyEntry, h, true)});
    table.addRow({label(kWaterTemperatureEntry), cell(kWaterTemperatureEntry, result.t, true)});
    table.addRow({"steam quality x [-]", tableNumber(result.x, result.twoPhase())});
    return table.render();
}

nlohmann::ordered_json steamPhJson(double p, double h, const output::EnthalpyIteration& result) {
    nlohmann::ordered_json json = {{"p", shown(kWaterPressureEntry, p)},
                                   {"h", shown(kEnthalpyEntry, h)},
                                   {"status", result.status},
                                   {"message", output::propertyStatusText(result.status)},
                                   {"t", shown(kWaterTemperatureEntry, result.t)},
                                   {"x", numberOrNull(result.x, result.twoPhase())}};
    addUnits(json, std::array{kWaterPressureEntry, kEnthalpyEntry, kWaterTemperatureEntry});
    return json;
}

}  // namespace

int runSteam(const SteamOptions& options) {
    if (options.output.batch) {
        const std::string header =
            csvHeader({shownColumn(kWaterPressureEntry), shownColumn(kWaterTemperatureEntry),
                       kWaterQualityEntry.key, kStatusColumn, kMessageColumn},
                      output::kWaterPropertyCatalogue);
        return runBatch(stdin, stdout, csvFormat(options.output),
                        {"steam", kSteamInputs, header, appendSteamRow}, batchJobs(options.output));
    }
    const WaterSteamState state = computeState(modeInputs(options));
    if (const processes::RuleAnswer refusal =
            processes::checkSteamState(state, processes::MarkerMeaning::kNumber)) {
        return reportRefusal(options.output.json, state.inputStatus(),
                             output::messageText(output::refusalMessage(*refusal)));
    }
    writeHtmlIfAsked(options.output, [&state](const std::string& path) {
        return output::writeSteamTableReport(path, state, shownUnits());
    });
    if (options.output.json) {
        printJson(steamJson(state));
    } else {
        writeText(stdout, steamTable(state));
    }
    return kExitOk;
}

int runSteamPh(const SteamPhOptions& options) {
    if (options.output.batch) {
        const std::string header =
            shownUnits().isWritten()
                ? std::string(kSteamPhHeader)
                : csvHeader(
                      {shownColumn(kWaterPressureEntry), shownColumn(kEnthalpyEntry), kStatusColumn,
                       kMessageColumn, shownColumn(kWaterTemperatureEntry), "x"},
                      {});
        return runBatch(stdin, stdout, csvFormat(options.output),
                        {"steam-ph", kSteamPhInputs, header, appendSteamPhRow},
                        batchJobs(options.output));
    }
    if (!options.p || !options.h) {
        throw ArgumentError(std::string("steam-ph: ") + (options.p ? "--h" : "--p") +
                            " is required");
    }
    const output::EnthalpyIteration result = output::enthalpyIteration(*options.p, *options.h);
    if (!result.valid()) {
        return reportRefusal(
            options.output.json, result.status,
            output::iterationMessage(output::iterationFailureMessage(result.status)));
    }
    if (options.output.json) {
        printJson(steamPhJson(*options.p, *options.h, result));
    } else {
        writeText(stdout, steamPhTable(*options.p, *options.h, result));
    }
    return kExitOk;
}

}  // namespace vaporis::cli
