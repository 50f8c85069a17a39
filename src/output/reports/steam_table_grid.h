#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "output/catalogue/report_unit.h"

namespace vaporis::output {

//! The values FROM, FROM + STEP, ... up to TO (inclusive); a single value has FROM = TO.
struct GridAxis {
    double from = 0.0;
    double to = 0.0;
    double step = 1.0;
};

//! What a generated steam table runs over.
enum class SteamTableKind {
    kPressureTemperature,    //!< every p with every t (p outer, t inner)
    kSaturationPressure,     //!< the saturation line at each p
    kSaturationTemperature,  //!< the saturation line at each t
};

//! A steam table to generate: p [bar] and t [°C]; a saturation table uses only its own axis.
struct SteamTableRequest {
    SteamTableKind kind = SteamTableKind::kPressureTemperature;
    GridAxis p;
    GridAxis t;
};

//! The most rows a generated table may have.
inline constexpr std::size_t kMaxSteamTableRows = 100000;

//! One row: the state's p and t (empty where not known), its input status with the message of
//! a refused state, and the values of steamTableColumns (all empty for a refused state).
struct SteamTableRow {
    std::optional<double> p;
    std::optional<double> t;
    int status = 0;
    std::string message;
    std::vector<std::optional<double>> values;
};

//! A value column: its key ("h", "h'", "h''") and the unit its values are written in.
struct SteamTableColumn {
    std::string key;
    ReportUnit unit = ReportUnit::kNone;
};

//! Why the request cannot be generated: a step not above 0, a value that is not finite, FROM
//! above TO, or more than kMaxSteamTableRows rows; nothing when it can.
[[nodiscard]] std::optional<std::string> steamTableProblem(const SteamTableRequest& request);

//! The number of rows of a request that steamTableProblem accepts.
[[nodiscard]] std::size_t steamTableRowCount(const SteamTableRequest& request);

//! The value columns: the 15 properties of the state, or of saturated liquid and vapour and
//! the surface tension for a saturation table.
[[nodiscard]] std::vector<SteamTableColumn> steamTableColumns(SteamTableKind kind);

//! Row `index` (from 0) of an accepted request.
[[nodiscard]] SteamTableRow steamTableRow(const SteamTableRequest& request, std::size_t index);

}  // namespace vaporis::output
