#include "output/messages/flow_messages.h"

#include <fmt/printf.h>

#include "output/messages/gas_messages.h"
#include "output/messages/messages.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/status_codes.h"

namespace vaporis::output {

namespace {

constexpr double kMachWarningLimit = 0.3;
constexpr std::string_view kFreeFlowFormat = "%s \n\n%s";

FlowMessage error(MessageId id) {
    return {std::string(messageText(id)), kCaptionError, false};
}

FlowMessage freeFlowAborted(MessageId id) {
    return {
        fmt::sprintf(kFreeFlowFormat, messageText(id), messageText(MessageId::kFreeFlowAborted)),
        kCaptionWarning, true};
}

}  // namespace

std::string machWarningText() {
    return fmt::sprintf("%s %.2lf%s", messageText(MessageId::kMachWarningStart), kMachWarningLimit,
                        messageText(MessageId::kMachWarningEnd));
}

std::optional<FlowMessage> steamFlowMessage(int status) {
    switch (status) {
        case processes::kOk:
            return std::nullopt;
        case 1:
        case 2:
        case 3:
            return error(MessageId::kInputOutOfRange);
        case 4:
            return error(MessageId::kInputDataError);
        case 7:
            return error(MessageId::kTooCloseToBoiling);
        case processes::codeOf(processes::SteamFlowStatus::kMachAbove1):
            return error(MessageId::kMachAboveOne);
        case processes::codeOf(processes::SteamFlowStatus::kMachWarning):
            return FlowMessage{machWarningText(), kCaptionWarning, true};
        default:
            return error(MessageId::kResultsOutOfRange);
    }
}

std::optional<FlowMessage> gasFlowMessage(const processes::GasFlowProcess& process) {
    switch (process.status()) {
        case processes::kOk:
            return std::nullopt;
        case 1:
        case 2:
        case 3:
            return error(MessageId::kInputDataError);
        case 4:
            return error(MessageId::kInputOutOfRange);
        case 5:
            return error(MessageId::kHeliumTransportLimit);
        case processes::codeOf(processes::GasFlowStatus::kCondensing):
            return FlowMessage{condensationMessage(process.state(), *process.state().analysis()),
                               kCaptionError, false};
        case processes::codeOf(processes::GasFlowStatus::kMachAbove1):
            return error(MessageId::kMachAboveOne);
        case processes::codeOf(processes::GasFlowStatus::kMachWarning):
            return FlowMessage{machWarningText(), kCaptionWarning, true};
        default:
            return error(MessageId::kResultsOutOfRange);
    }
}

std::optional<FlowMessage> freeFlowWarning(AmbienceReading reading, int ambientStatus) {
    if (reading == AmbienceReading::kInvalid) {
        return freeFlowAborted(MessageId::kFreeFlowInputError);
    }
    if (reading == AmbienceReading::kEmpty || ambientStatus == processes::kOk) {
        return std::nullopt;
    }
    switch (ambientStatus) {
        case processes::codeOf(processes::AmbientStatus::kHumidityOutOfRange):
            return freeFlowAborted(MessageId::kRelativeHumidityRange);
        case processes::codeOf(processes::AmbientStatus::kWaterBoils):
        case processes::codeOf(processes::AmbientStatus::kBelowTriplePoint):
            return freeFlowAborted(MessageId::kAmbientTemperatureRange);
        default:
            return freeFlowAborted(MessageId::kFreeFlowError);
    }
}

}  // namespace vaporis::output
