#include "ui/steam_result_rules.h"

#include <fmt/printf.h>

#include "engine/common/not_set.h"
#include "engine/water/iterations.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "ui/messages.h"

namespace vaporis::ui {

MessageId inputStatusMessage(int inputStatus) {
    switch (inputStatus) {
        case water::kInputError:
            return MessageId::kInputDataError;
        case water::kInputOutOfRange:
            return MessageId::kInputOutOfRange;
        case water::kInputOnSaturationLine:
            return MessageId::kTooCloseToBoiling;
        default:
            return MessageId::kUnknownError;
    }
}

// The enthalpy lies beyond the temperature range (an input error), the pressure or the state
// outside the range of validity, or the iteration itself gave up - never a temperature of -1.
MessageId iterationFailureMessage(int status) {
    switch (status) {
        case water::kEnthalpyAbove2000:
        case water::kEnthalpyAbove800:
        case water::kBelowTripleTemperature:
            return MessageId::kInputDataError;
        case water::kPressureAbove1000:
        case water::kBelowTriplePressure:
        case water::kOutsideRegion:
            return MessageId::kInputOutOfRange;
        default:
            return MessageId::kUnknownError;
    }
}

std::string iterationMessage(MessageId id) {
    return fmt::sprintf(kIterationMessageFormat, messageText(id));
}

bool EnthalpyIteration::twoPhase() const {
    return status == water::kTwoPhase;
}

bool EnthalpyIteration::valid() const {
    return status == water::kOk || twoPhase();
}

EnthalpyIteration enthalpyIteration(double p, double h) {
    int status = water::kOk;
    const double r = water::temperatureFromPH(p, h, status);
    if (status != water::kTwoPhase) {
        return {status, r, NOT_SET};
    }
    // For wet steam the iteration answers the quality; the temperature is the boiling one.
    int boilingStatus = water::kOk;
    return {status, water::boilingTemperature(p, boilingStatus), r};
}

}  // namespace vaporis::ui
