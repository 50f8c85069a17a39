#include "output/messages/tools_messages.h"

#include <fmt/printf.h>

#include "engine/common/physical_constants.h"
#include "output/messages/limit_text.h"
#include "output/messages/messages.h"
#include "processes/status_codes.h"
#include "processes/tools/ambient_data.h"

namespace vaporis::output {

namespace {

constexpr std::string_view kPressureOrderText =
    "Quench cooler pressure differences are invalid! Relation p_cw > p_in > p_ss is not "
    "fulfilled but will be ignored.";
constexpr std::string_view kWaterNotColderText = "Quench cooler calculation: h_cw must be < h_set!";
constexpr std::string_view kSteamNotHotterText =
    "Quench cooler calculation: h_ss must be >= h_set!";
constexpr std::string_view kSetNotSuperheatedFormat =
    "Quench cooler calculation: The set temperature must lie above the boiling temperature at "
    "the exit pressure (%.4lf °C)!";
constexpr std::string_view kShortTubeText =
    "Error: For tube length < 0.1m the calculation might be instable. Use Tube length = 0.0m or "
    ">0.1m!";
constexpr std::string_view kFewStepsFormat =
    "Warning: For tube length 0.1 - 0.5m the number of calculation steps is reduced to %d.";
constexpr std::string_view kNearSaturationFormat =
    "Conditions close to 2-phase region (<%5.3lf%s)! In- or decrease temperature!";
constexpr std::string_view kCriticalPressureFormat =
    "Error: Calculation pressure ist limited with critical pressure (%5.3lf bar).";
constexpr std::string_view kTooManyStepsFormat =
    "Exhaust from pressurized vessel calculation: Input data error. The number of calculation "
    "steps is limited to %d!";

}  // namespace

std::string atmosphereMessageText(int status) {
    if (status == processes::kOk) {
        return {};
    }
    MessageId id = MessageId::kInputDataError;
    if (status == processes::AmbientStatus::kHumidityOutOfRange) {
        id = MessageId::kRelativeHumidityRange;
    } else if (status == processes::AmbientStatus::kWaterBoils ||
               status == processes::AmbientStatus::kBelowTriplePoint) {
        id = MessageId::kAmbientTemperatureRange;
    }
    return fmt::sprintf(kAtmosphereFormat, messageText(id));
}

std::vector<std::string> quenchWarningTexts(const processes::QuenchBalance& out) {
    std::vector<std::string> texts;
    if (out.pressureOrder) {
        texts.emplace_back(kPressureOrderText);
    }
    return texts;
}

std::string quenchRefusalText(const processes::QuenchBalance& out) {
    using processes::QuenchRefusal;
    switch (out.refusal) {
        case QuenchRefusal::kInputData:
            return fmt::sprintf(kQuenchFormat, messageText(MessageId::kInputDataError));
        case QuenchRefusal::kSetNotSuperheated:
            return fmt::sprintf(kSetNotSuperheatedFormat, out.tsExit);
        case QuenchRefusal::kOutOfRange:
            return fmt::sprintf(kQuenchFormat, messageText(MessageId::kInputOutOfRange));
        case QuenchRefusal::kWaterNotColder:
            return std::string(kWaterNotColderText);
        case QuenchRefusal::kSteamNotHotter:
            return std::string(kSteamNotHotterText);
        case QuenchRefusal::kNone:
            break;
    }
    return {};
}

std::string stepsReducedText(int steps) {
    return fmt::sprintf(kFewStepsFormat, steps);
}

std::string outflowRefusalText(processes::OutflowRefusal why, const UnitChoice& units) {
    switch (why) {
        case processes::OutflowRefusal::kShortTube:
            return shownLimits(kShortTubeText, units);
        case processes::OutflowRefusal::kNearSaturation: {
            // a band of temperature, no temperature
            const Unit& kelvin = *findUnit(Quantity::kTemperatureDifference, "K");
            return fmt::sprintf(kNearSaturationFormat,
                                toShown(processes::kSaturationBand, kelvin, units),
                                std::string(shownUnit(kelvin, units).symbol));
        }
        case processes::OutflowRefusal::kAboveCriticalPressure:
            return shownLimits(fmt::sprintf(kCriticalPressureFormat, kCriticalPressure), units);
        case processes::OutflowRefusal::kInputData:
            return fmt::sprintf(kOutflowFormat, messageText(MessageId::kInputDataError));
        case processes::OutflowRefusal::kTooManySteps:
            return fmt::sprintf(kTooManyStepsFormat, processes::kMaxSteps);
        case processes::OutflowRefusal::kNone:
        case processes::OutflowRefusal::kCancelled:
            break;
    }
    return {};
}

std::vector<std::string> outflowWarningTexts(const processes::OutflowResult& out) {
    std::vector<std::string> texts;
    if (out.nozzleIterationAborted) {
        texts.emplace_back(kNozzleAbortedText);
    }
    if (out.outletIterationAborted) {
        texts.emplace_back(kOutletAbortedText);
    }
    return texts;
}

}  // namespace vaporis::output
