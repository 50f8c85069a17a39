#include "output/reports/steam_table_grid.h"

#include <algorithm>
#include <cmath>

#include "engine/common/not_set.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/catalogue/report_unit.h"
#include "output/catalogue/water_properties.h"
#include "output/messages/messages.h"
#include "output/messages/steam_table_messages.h"

namespace vaporis::output {

namespace {

using water::WaterSteamState;

// A TO that FROM + n STEP misses by rounding alone still counts as reached.
constexpr double kStepTolerance = 1e-9;

bool isSaturation(SteamTableKind kind) {
    return kind != SteamTableKind::kPressureTemperature;
}

std::size_t columnCount(SteamTableKind kind) {
    return isSaturation(kind) ? 2 * water::kPropertyCount + 1 : water::kPropertyCount;
}

// The steps after FROM, as a double so that a huge count cannot overflow.
double stepCount(const GridAxis& axis) {
    return std::floor((axis.to - axis.from) / axis.step + kStepTolerance);
}

std::optional<std::string> axisProblem(const GridAxis& axis, const std::string& name) {
    if (!std::isfinite(axis.from) || !std::isfinite(axis.to) || !std::isfinite(axis.step)) {
        return name + ": the values must be finite numbers";
    }
    if (!(axis.step > 0.0)) {
        return name + ": the step must be above 0";
    }
    if (axis.from > axis.to) {
        return name + ": FROM must not be above TO";
    }
    return std::nullopt;
}

std::size_t axisCount(const GridAxis& axis) {
    return static_cast<std::size_t>(stepCount(axis)) + 1;
}

double axisValue(const GridAxis& axis, std::size_t index) {
    return std::min(axis.from + static_cast<double>(index) * axis.step, axis.to);
}

WaterSteamState computedState(const SteamTableRequest& request, std::size_t index) {
    WaterSteamState state =
        request.kind == SteamTableKind::kPressureTemperature
            ? WaterSteamState(water::kModePT, axisValue(request.p, index / axisCount(request.t)),
                              axisValue(request.t, index % axisCount(request.t)), NOT_SET)
        : request.kind == SteamTableKind::kSaturationPressure
            ? WaterSteamState(water::kModePX, axisValue(request.p, index), NOT_SET, 0.0)
            : WaterSteamState(water::kModeTX, NOT_SET, axisValue(request.t, index), 0.0);
    state.calculate();
    return state;
}

std::optional<double> valueIf(double value, int status) {
    return status == water::kOk ? std::optional<double>(value) : std::nullopt;
}

void addValues(const SteamTableRequest& request, const WaterSteamState& state, SteamTableRow& row) {
    for (int i = 0; i < water::kPropertyCount; ++i) {
        if (isSaturation(request.kind)) {
            row.values.push_back(valueIf(state.liquidValue(i), state.liquidStatus(i)));
            row.values.push_back(valueIf(state.vaporValue(i), state.vaporStatus(i)));
        } else {
            row.values.push_back(valueIf(state.stateValue(i), state.stateStatus(i)));
        }
    }
    if (isSaturation(request.kind)) {
        row.values.push_back(
            valueIf(state.saturationValue(water::kSigma), state.saturationStatus(water::kSigma)));
    }
}

}  // namespace

std::optional<std::string> steamTableProblem(const SteamTableRequest& request) {
    const bool usesP = request.kind != SteamTableKind::kSaturationTemperature;
    const bool usesT = request.kind != SteamTableKind::kSaturationPressure;
    if (usesP) {
        if (auto problem = axisProblem(request.p, "p")) {
            return problem;
        }
    }
    if (usesT) {
        if (auto problem = axisProblem(request.t, "t")) {
            return problem;
        }
    }
    const double rows =
        (usesP ? stepCount(request.p) + 1.0 : 1.0) * (usesT ? stepCount(request.t) + 1.0 : 1.0);
    if (rows > static_cast<double>(kMaxSteamTableRows)) {
        return "the table would have more than " + std::to_string(kMaxSteamTableRows) + " rows";
    }
    return std::nullopt;
}

std::size_t steamTableRowCount(const SteamTableRequest& request) {
    switch (request.kind) {
        case SteamTableKind::kSaturationPressure:
            return axisCount(request.p);
        case SteamTableKind::kSaturationTemperature:
            return axisCount(request.t);
        default:
            return axisCount(request.p) * axisCount(request.t);
    }
}

std::vector<SteamTableColumn> steamTableColumns(SteamTableKind kind) {
    std::vector<SteamTableColumn> columns;
    for (const PropertyEntry& entry : kWaterPropertyCatalogue) {
        const std::string key(entry.key);
        if (isSaturation(kind)) {
            columns.push_back({key + "'", entry.unit});
            columns.push_back({key + "''", entry.unit});
        } else {
            columns.push_back({key, entry.unit});
        }
    }
    if (isSaturation(kind)) {
        const PropertyEntry& sigma = saturationEntry(water::kSigma);
        columns.push_back({std::string(sigma.key), sigma.unit});
    }
    return columns;
}

SteamTableRow steamTableRow(const SteamTableRequest& request, std::size_t index) {
    const WaterSteamState state = computedState(request, index);
    SteamTableRow row;
    row.status = state.inputStatus();
    const bool ok = row.status == water::kInputOk;
    // The inputs stay readable in a refused row; the computed saturation value only when known.
    row.p = ok || state.mode() != water::kModeTX ? std::optional(state.pressure()) : std::nullopt;
    row.t =
        ok || state.mode() != water::kModePX ? std::optional(state.temperature()) : std::nullopt;
    if (!ok) {
        row.message = std::string(messageText(inputStatusMessage(row.status)));
        row.values.resize(columnCount(request.kind));
        return row;
    }
    addValues(request, state, row);
    return row;
}

}  // namespace vaporis::output
