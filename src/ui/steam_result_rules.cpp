#include "ui/steam_result_rules.h"

#include "engine/water/iterations.h"
#include "engine/common/not_set.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "ui/messages.h"
#include "ui/text_format.h"

namespace vaporis::ui {

int inputStatusMessage(int inputStatus) {
    switch (inputStatus) {
        case water::kInputError:
            return 0;
        case water::kInputOutOfRange:
            return 1;
        case water::kInputOnSaturationLine:
            return 11;
        default:
            return 9;
    }
}

// The enthalpy lies beyond the temperature range (message 0), the pressure or the state
// outside the range of validity (message 1), or the iteration itself gave up (message 9) -
// never a temperature of -1.
int iterationFailureMessage(int status) {
    switch (status) {
        case water::kEnthalpyAbove2000:
        case water::kEnthalpyAbove800:
        case water::kBelowTripleTemperature:
            return 0;
        case water::kPressureAbove1000:
        case water::kBelowTriplePressure:
        case water::kOutsideRegion:
            return 1;
        default:
            return 9;
    }
}

std::string iterationMessage(int messageNumber) {
    return formatText(kIterationMessageFormat, {messageText(messageNumber)});
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
