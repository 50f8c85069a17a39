#pragma once

#include <string_view>

namespace vaporis::gas {
enum class EditResult : int;
}

namespace vaporis::output {

inline constexpr std::string_view kCaptionError = "Error";
inline constexpr std::string_view kCaptionWarning = "Warning";

//! The fixed user messages, by their number in the message table. Fragments (the dew point,
//! the Mach number, the heat gain, the zeta limit) are completed by the dialog that shows them.
enum class MessageId : int {
    kInputDataError = 0,
    kInputOutOfRange = 1,
    kDataOutOfRange = 2,
    kTemperatureOutOfRange = 3,
    kHeliumTransportLimit = 4,
    kCondensationDewPoint = 5,
    kMaxWaterContent = 6,
    kProcessEndBelowDewPoint = 7,
    kGasIsAllWater = 8,
    kUnknownError = 9,
    kResultsOutOfRange = 10,
    kTooCloseToBoiling = 11,
    kMachAboveOne = 12,
    kMachWarningStart = 13,
    kMachWarningEnd = 14,
    kHeatLossNeedsFlow = 15,
    kHeatLossTooHigh = 16,
    kHeatGainTooHigh = 17,
    kPressureTooHigh = 18,
    kPressureTooLow = 19,
    kInletBelowOutletPressure = 20,
    kResultOutOfRange = 21,
    kFreeFlowInputError = 22,
    kAmbientTemperatureRange = 23,
    kRelativeHumidityRange = 24,
    kFreeFlowError = 25,
    kFreeFlowAborted = 26,
    kWaterVaporOnly = 27,
    kCheckPressureTemperatureValue = 28,
    kCheckValue = 29,
    kNoSaturationPossible = 30,
    kValueAboveHundredPercent = 31,
    kNoGasMixture = 32,
    kRemovalTooHigh = 33,
    kAdditionTooHigh = 34,
    kFileExistsOverwrite = 35,
    kFileFromNewerVersion = 36,
    kInvalidFileType = 37,
    kFileNotFound = 38,
    kCheckGasAnalysis = 39,
    kComponentSumZero = 40,
    kScaleToHundredPercent = 41,
    kTemperatureLimitsOutOfRange = 42,
    kZetaLimit = 43,
};

//! Number of texts in the message table.
inline constexpr int kMessageCount = 44;

//! The text of a message (UTF-8).
[[nodiscard]] std::string_view messageText(MessageId id);

//! The message of a gas-analysis edit that did not succeed; badInputMessage names the inputs
//! the edit read.
[[nodiscard]] MessageId editFailureMessage(gas::EditResult result, MessageId badInputMessage);

//! Shown for a file the program may not read, or cannot read to its end.
inline constexpr std::string_view kFileUnreadableText =
    "The file cannot be read: no permission or a read error!";
//! Shown for a path whose symbolic links lead back to themselves.
inline constexpr std::string_view kLinkLoopText = "The path loops through symbolic links!";
//! Shown for a folder, device, FIFO or socket given as a file to open.
inline constexpr std::string_view kNotRegularFileText =
    "Not a file but a folder, a device or a FIFO!";

//! The words for a file that a reader refused, from the names the result enums of the
//! .gas and the project reader share; any other refusal is an invalid file type.
template <typename Result>
[[nodiscard]] std::string_view readFailureText(Result result) {
    switch (result) {
        case Result::kFileNotFound:
            return messageText(MessageId::kFileNotFound);
        case Result::kFileUnreadable:
            return kFileUnreadableText;
        case Result::kLinkLoop:
            return kLinkLoopText;
        case Result::kNotRegularFile:
            return kNotRegularFileText;
        case Result::kNewerVersion:
            return messageText(MessageId::kFileFromNewerVersion);
        default:
            return messageText(MessageId::kInvalidFileType);
    }
}

}  // namespace vaporis::output
