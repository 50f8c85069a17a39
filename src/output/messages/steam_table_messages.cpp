#include "output/messages/steam_table_messages.h"

#include <fmt/printf.h>

#include "engine/common/not_set.h"
#include "engine/water/iterations.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "output/messages/messages.h"

namespace vaporis::output {

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

std::string_view propertyStatusText(int status) {
    switch (status) {
        case water::kOk:
            return "";
        case water::kOnSaturationLine:
            return "the state lies on the saturation line";
        case water::kPressureAbove1000:
            return "the pressure is above 1000 bar";
        case water::kAboveCriticalPressure:
            return "the pressure is above the critical pressure";
        case water::kBelowTriplePressure:
            return "the pressure is below the triple-point pressure";
        case water::kEnthalpyAbove2000:
        case water::kEnthalpyAbove800:
            return "the value lies above the range of validity";
        case water::kAboveCriticalTemperature:
            return "the temperature is above the critical temperature";
        case water::kBelowTripleTemperature:
            return "the value lies below the triple point";
        case water::kEvaporationFailed:
            return "the saturated states are not available";
        case water::kDerivedInvalid:
            return "a value it is derived from is not valid";
        case water::kTwoPhase:
            return "two-phase state: the steam quality is the result";
        case water::kNoConvergence:
        case water::kDegenerateStep:
            return "the iteration found no result";
        case water::kNonFiniteInput:
            return "an input is not a finite number";
        default:
            return "outside the range of validity";
    }
}

}  // namespace vaporis::output
