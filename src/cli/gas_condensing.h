#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/csv_batch.h"

namespace vaporis::gas {
class GasAnalysis;
}

namespace vaporis::cli {

//! Which value a condensing state is given by, besides the pressure; the index of its batch
//! input pair.
enum CondensingInput : std::size_t { kGivenT = 0, kGivenH = 1, kGivenS = 2 };

//! The batch headers `vaporis-cli gas --condensation` accepts, in CondensingInput order.
inline constexpr std::array<InputColumns, 3> kCondensingInputs = {
    {{"p", "t"}, {"p", "h"}, {"p", "s"}}};
//! The columns a condensing batch adds after those of the gas state.
inline constexpr std::string_view kCondensingColumns = "hCondensing,sCondensing,condensate";
//! kCondensingColumns, naming the units of h and s when they are not the written ones.
[[nodiscard]] std::string condensingColumns();

//! A gas below its dew point taken as gas plus condensate; above it, as the gas alone. Each
//! value has its gas status (kCondensation when water condensed).
struct CondensingState {
    double t = -1.0;  //!< [°C], given or found from h or s
    int tStatus = -1;
    double h = -1.0;  //!< [kJ/kg] of gas and condensate
    int hStatus = -1;
    double s = -1.0;  //!< [kJ/(kg K)] of gas and condensate
    int sStatus = -1;
    double condensate = -1.0;  //!< [kg of liquid water per kg of the original gas]
    int condensateStatus = -1;
};

//! The condensing state at p [bar] and the given t [°C], h [kJ/kg] or s [kJ/(kg K)]; a pressure
//! the gas formulations refuse gives kOutOfRange everywhere.
[[nodiscard]] CondensingState condensingState(const gas::GasAnalysis& analysis, double p,
                                              CondensingInput input, double value);

//! Whether the temperature of the state is known.
[[nodiscard]] bool temperatureKnown(const CondensingState& state);

//! Writes the fields of kCondensingColumns, empty where not valid.
void appendCondensingFields(const CondensingState& state, CsvLine& line);
//! The rows of the text output: condensing h, s and condensate with their statuses.
[[nodiscard]] std::string condensingTable(const CondensingState& state);
//! {"h": {"value", "status"}, "s": {...}, "condensate": {...}}, a value null unless valid.
[[nodiscard]] nlohmann::ordered_json condensingJson(const CondensingState& state);

}  // namespace vaporis::cli
