#include "cli/gas_condensing.h"

#include "cli/json_output.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "engine/gas/condensation.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/status_codes.h"
#include "output/messages/gas_messages.h"
#include "output/units/units.h"

namespace vaporis::cli {

namespace {

// The temperature of the state, given or from the inverse of h or s.
[[nodiscard]] double temperatureOf(const gas::GasAnalysis& analysis, double p,
                                   CondensingInput input, double value, int& status) {
    double water = 0.0;
    double condensation = 0.0;
    if (input == kGivenH) {
        return gas::temperatureFromEnthalpy(analysis, p, value, water, condensation, status);
    }
    if (input == kGivenS) {
        return gas::temperatureFromEntropy(analysis, p, value, water, condensation, status);
    }
    status = gas::kOk;
    return value;
}

// The dry gas is conserved: 1 - w0 = (1 - m_c) (1 - w), w the H2O left in the gas phase.
[[nodiscard]] double condensateOf(const gas::GasAnalysis& analysis, double remainingWater,
                                  int status) {
    if (status != gas::kCondensation) {
        return 0.0;
    }
    return 1.0 - (1.0 - analysis.massFraction(gas::kWaterVapor)) / (1.0 - remainingWater);
}

constexpr std::string_view kEnthalpyLabel = "Specific enthalpy h [kJ/kg]";
constexpr std::string_view kEntropyLabel = "Specific entropy s [kJ/(kg K)]";

// A value with its label naming the unit it is written in, as shown.
double shown(std::string_view label, double value) {
    return shownValue(value, bracketUnit(label));
}

void addRow(TextTable& table, std::string_view label, double value, int status) {
    table.addRow({shownLabel(label), tableNumber(shown(label, value), gas::isValidStatus(status)),
                  std::to_string(status)});
}

[[nodiscard]] nlohmann::ordered_json valueAndStatus(double value, int status) {
    return {{"value", numberOrNull(value, gas::isValidStatus(status))},
            {"status", status},
            {"message", output::gasStatusText(status)}};
}

}  // namespace

CondensingState condensingState(const gas::GasAnalysis& analysis, double p, CondensingInput input,
                                double value) {
    CondensingState state;
    if (output::gasPressureRefusal(p)) {
        state.tStatus = state.hStatus = state.sStatus = state.condensateStatus = gas::kOutOfRange;
        return state;
    }
    state.t = temperatureOf(analysis, p, input, value, state.tStatus);
    if (!gas::isValidStatus(state.tStatus)) {
        state.hStatus = state.sStatus = state.condensateStatus = state.tStatus;
        return state;
    }
    double water = 0.0;
    double condensation = 0.0;
    state.h =
        gas::enthalpyWithCondensation(analysis, p, state.t, water, condensation, state.hStatus);
    state.condensate = condensateOf(analysis, water, state.hStatus);
    state.condensateStatus = state.hStatus;
    state.s =
        gas::entropyWithCondensation(analysis, p, state.t, water, condensation, state.sStatus);
    return state;
}

std::string condensingColumns() {
    if (shownUnits().isWritten()) {
        return std::string(kCondensingColumns);
    }
    const auto symbol = [](std::string_view label) {
        return " [" + std::string(output::shownUnit(*bracketUnit(label), shownUnits()).symbol) +
               "]";
    };
    return "hCondensing" + symbol(kEnthalpyLabel) + ",sCondensing" + symbol(kEntropyLabel) +
           ",condensate";
}

bool temperatureKnown(const CondensingState& state) {
    return gas::isValidStatus(state.tStatus);
}

void appendCondensingFields(const CondensingState& state, CsvLine& line) {
    line.number(shown(kEnthalpyLabel, state.h), gas::isValidStatus(state.hStatus));
    line.number(shown(kEntropyLabel, state.s), gas::isValidStatus(state.sStatus));
    line.number(state.condensate, gas::isValidStatus(state.condensateStatus));
}

std::string condensingTable(const CondensingState& state) {
    TextTable table;
    table.addRow({"Gas with condensate", "", "status"});
    addRow(table, kEnthalpyLabel, state.h, state.hStatus);
    addRow(table, kEntropyLabel, state.s, state.sStatus);
    addRow(table, "Condensate [kg/kg]", state.condensate, state.condensateStatus);
    return table.render();
}

nlohmann::ordered_json condensingJson(const CondensingState& state) {
    return {{"h", valueAndStatus(shown(kEnthalpyLabel, state.h), state.hStatus)},
            {"s", valueAndStatus(shown(kEntropyLabel, state.s), state.sStatus)},
            {"condensate", valueAndStatus(state.condensate, state.condensateStatus)}};
}

}  // namespace vaporis::cli
