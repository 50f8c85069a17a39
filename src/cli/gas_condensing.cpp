#include "cli/gas_condensing.h"

#include "cli/json_output.h"
#include "cli/text_table.h"
#include "engine/gas/condensation.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/status_codes.h"
#include "output/messages/gas_messages.h"

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

void addRow(TextTable& table, const std::string& label, double value, int status) {
    table.addRow({label, tableNumber(value, gas::isValidStatus(status)), std::to_string(status)});
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

bool temperatureKnown(const CondensingState& state) {
    return gas::isValidStatus(state.tStatus);
}

void appendCondensingFields(const CondensingState& state, CsvLine& line) {
    line.number(state.h, gas::isValidStatus(state.hStatus));
    line.number(state.s, gas::isValidStatus(state.sStatus));
    line.number(state.condensate, gas::isValidStatus(state.condensateStatus));
}

std::string condensingTable(const CondensingState& state) {
    TextTable table;
    table.addRow({"Gas with condensate", "", "status"});
    addRow(table, "Specific enthalpy h [kJ/kg]", state.h, state.hStatus);
    addRow(table, "Specific entropy s [kJ/(kg K)]", state.s, state.sStatus);
    addRow(table, "Condensate [kg/kg]", state.condensate, state.condensateStatus);
    return table.render();
}

nlohmann::ordered_json condensingJson(const CondensingState& state) {
    return {{"h", valueAndStatus(state.h, state.hStatus)},
            {"s", valueAndStatus(state.s, state.sStatus)},
            {"condensate", valueAndStatus(state.condensate, state.condensateStatus)}};
}

}  // namespace vaporis::cli
