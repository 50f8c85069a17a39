#include "cli/gas_result.h"

#include <optional>

#include "engine/gas/gas_analysis.h"
#include "output/messages/gas_messages.h"
#include "output/messages/messages.h"

namespace vaporis::cli {

namespace {

// Sorts a calculated state as the dialog does; a gas below its dew point reports kCondensation.
void judge(GasResult& result) {
    const gas::GasState& state = result.state;
    const int status = state.status();
    const output::GasStateVerdict verdict = output::judgeGasState(state);
    result.status = verdict.condenses ? gas::kCondensation : status;
    result.valid = verdict.accepted;
    result.message = verdict.message;
    result.temperatureKnown = state.temperatureSet() || verdict.accepted || verdict.condenses;
}

}  // namespace

GasResult computeGas(const gas::GasAnalysis& analysis, std::size_t pair, double p, double value) {
    GasResult result;
    result.state.bind(analysis);
    result.state.setPressure(p);
    if (pair == kByTemperature) {
        result.state.setTemperature(value);
    } else {
        result.state.setEnthalpy(value);
    }
    if (const std::optional<output::MessageId> refusal = output::gasPressureRefusal(p)) {
        result.status = gas::kOutOfRange;
        result.temperatureKnown = pair == kByTemperature;
        result.message = output::messageText(*refusal);
        return result;
    }
    result.state.calculate();
    judge(result);
    return result;
}

bool gasPropertyShown(const GasResult& result, int k) {
    if (!result.valid || !output::gasPropertyKnown(result.state, k)) {
        return false;
    }
    return k != gas::kDewPoint || result.state.property(k) != output::kNoDewPoint;
}

CondensingResult computeCondensing(const gas::GasAnalysis& analysis, CondensingInput input,
                                   double p, double value) {
    CondensingResult result;
    result.condensing = condensingState(analysis, p, input, value);
    if (input == kGivenS && !temperatureKnown(result.condensing)) {
        result.gas.status = result.condensing.tStatus;
        result.failed = true;
        result.message = kNoTemperatureText;
        return result;
    }
    result.gas = input == kGivenS ? computeGas(analysis, kByTemperature, p, result.condensing.t)
                                  : computeGas(analysis, input, p, value);
    const bool condensingValid = gas::isValidStatus(result.condensing.hStatus);
    result.failed = !result.gas.valid && !condensingValid;
    const bool condensingResult = condensingValid && result.gas.status == gas::kCondensation;
    result.message = condensingResult ? std::string() : result.gas.message;
    return result;
}

}  // namespace vaporis::cli
