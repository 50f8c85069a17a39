#include "output/messages/thermal_process_messages.h"

#include <fmt/printf.h>

#include "output/messages/gas_messages.h"
#include "output/messages/messages.h"
#include "processes/status_codes.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/thermal_process.h"

namespace vaporis::output {

namespace {

using processes::GasThermalProcess;

using enum MessageId;

// State codes of a failed calculation.
enum StateCode : int {
    kRangeFirst = 1,
    kRangeLast = 3,
    kInputError = 4,
    kNearBoiling = 7,
    kBelowDewPoint = 9,
    kEndOutOfRange = 10,
};

struct Failure {
    std::string_view format;  // of a message about the state: "Initial state: %s" or the final one
    int code;
};

Failure failureOf(int status) {
    constexpr int kFinalStateFailed = processes::finalStateFailed(0);
    if (status > kFinalStateFailed) {
        return {"Final state: %s", status - kFinalStateFailed};
    }
    return {"Initial state: %s", status};
}

ProcessVerdict error(MessageId message) {
    return {false, std::string(messageText(message)), kCaptionError};
}

ProcessVerdict originError(const Failure& failure, MessageId message) {
    return {false, fmt::sprintf(failure.format, messageText(message)), kCaptionError};
}

ProcessVerdict rangeOrResults(const Failure& failure) {
    if (failure.code >= kRangeFirst && failure.code <= kRangeLast) {
        return originError(failure, kInputOutOfRange);
    }
    return error(kResultsOutOfRange);
}

// The heat-gain message names the upper limit, each medium in its own form.
constexpr std::string_view kSteamHeatGainFormat = "%s %.0lf°C)!";
constexpr std::string_view kGasHeatGainFormat = "%s (%.0lf°C))!";

}  // namespace

std::string processMessageText(ProcessMedium medium, int message, double limit) {
    switch (message) {
        case processes::kMessageHeatLossWithoutFlow:
            return std::string(messageText(kHeatLossNeedsFlow));
        case processes::kMessageHeatLossTooHigh:
            return std::string(messageText(kHeatLossTooHigh));
        case processes::kMessageHeatGainTooHigh:
            return fmt::sprintf(
                medium == ProcessMedium::kSteam ? kSteamHeatGainFormat : kGasHeatGainFormat,
                messageText(kHeatGainTooHigh), limit);
        default:
            return {};
    }
}

ProcessVerdict judgeSteamProcess(int status) {
    if (status == processes::kOk) {
        return {true, {}, {}};
    }
    const Failure failure = failureOf(status);
    switch (failure.code) {
        case kInputError:
            return error(kInputDataError);
        case kNearBoiling:
            return error(kTooCloseToBoiling);
        case kEndOutOfRange:
            return error(kResultOutOfRange);
        default:
            return rangeOrResults(failure);
    }
}

ProcessVerdict judgeGasProcess(const GasThermalProcess& process) {
    const int status = process.status();
    if (status == processes::kOk) {
        return {true, {}, {}};
    }
    if (status == processes::ThermalProcessStatus::kCondensedInFinalState) {
        return {true, std::string(messageText(kProcessEndBelowDewPoint)), kCaptionWarning};
    }
    if (status == processes::ThermalProcessStatus::kInitialBelowDewPoint) {
        const gas::GasState& initial = process.initialState();
        return {false, "Initial state: " + condensationMessage(initial, *initial.analysis()),
                kCaptionError};
    }
    const Failure failure = failureOf(status);
    return failure.code == kInputError ? originError(failure, kDataOutOfRange)
                                       : rangeOrResults(failure);
}

}  // namespace vaporis::output
