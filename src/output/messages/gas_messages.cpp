#include "output/messages/gas_messages.h"

#include <fmt/printf.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/mixture.h"
#include "engine/gas/status_codes.h"
#include "output/messages/messages.h"
#include "processes/module_rules.h"

namespace vaporis::output {

namespace {

constexpr std::string_view kCondensationFormat = "%s %.2lf °C / %.2lf kJ/kg \n%s %.2lf %cvol";

// The message of a status whose results are not shown, the condensation aside.
MessageId refusalMessage(int status) {
    switch (status) {
        case gas::kOutsideAnalysisRange:
            return MessageId::kTemperatureOutOfRange;
        case gas::kOutOfRange:
            return MessageId::kInputOutOfRange;
        default:
            return MessageId::kUnknownError;
    }
}

}  // namespace

std::optional<MessageId> gasPressureRefusal(double p) {
    switch (processes::gasPressureRefusal(p).value_or(processes::RefusalReason::kNoValue)) {
        case processes::RefusalReason::kGasPressureTooHigh:
            return MessageId::kPressureTooHigh;
        case processes::RefusalReason::kGasPressureTooLow:
            return MessageId::kPressureTooLow;
        default:
            return std::nullopt;
    }
}

bool gasPressureDeviates(double p) {
    return processes::gasPressureDeviates(p);
}

std::string condensationMessage(const gas::GasState& state, const gas::GasAnalysis& analysis) {
    const double dewPoint = state.property(gas::kDewPoint);
    int status = gas::kOk;
    const double hDew = gas::mixtureEnthalpy(analysis, dewPoint, status);
    return fmt::sprintf(kCondensationFormat, messageText(MessageId::kCondensationDewPoint),
                        dewPoint, hDew, messageText(MessageId::kMaxWaterContent),
                        state.property(gas::kMaxWaterContent) * 100.0, '%');
}

// A gas below its dew point is refused even where the engine could compute its properties:
// they would hold for a vapour content the gas cannot carry.
GasStateVerdict judgeGasState(const gas::GasState& state) {
    const int status = state.status();
    const bool computed = status == gas::kOk || status == gas::kHeliumAbove2044K;
    GasStateVerdict verdict;
    if (status == gas::kCondensation ||
        (computed && state.property(gas::kDewPoint) > state.temperature())) {
        verdict.condenses = true;
        verdict.message = condensationMessage(state, *state.analysis());
        return verdict;
    }
    verdict.accepted = computed;
    if (status == gas::kHeliumAbove2044K) {
        verdict.warning = true;
        verdict.message = messageText(MessageId::kHeliumTransportLimit);
    } else if (!computed) {
        verdict.message = messageText(refusalMessage(status));
    }
    return verdict;
}

bool gasPropertyKnown(const gas::GasState& state, int k) {
    const bool heliumGap = k >= gas::kViscosity && k <= gas::kPrandtl;
    return !(heliumGap && state.status() == gas::kHeliumAbove2044K);
}

std::string_view gasStatusText(int status) {
    switch (status) {
        case gas::kOk:
            return "";
        case gas::kCondensation:
            return "below the dew point: the condensed water is taken into account";
        case gas::kOutsideAnalysisRange:
            return "the temperature lies outside the range of the analysis";
        case gas::kNegativePressure:
            return "the pressure is 0 or below";
        case gas::kEntropyOutOfRange:
            return "no state has this entropy at this pressure";
        case gas::kHeliumAbove2044K:
            return "helium above 2044 K: no viscosity or conductivity";
        case gas::kNoConvergence:
            return "the iteration found no result";
        case gas::kNonFiniteInput:
            return "an input is not a finite number";
        default:
            return "outside the range of validity";
    }
}

}  // namespace vaporis::output
