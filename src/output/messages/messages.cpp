#include "output/messages/messages.h"

#include <array>

#include "engine/gas/gas_analysis.h"

namespace vaporis::output {

namespace {

struct MessageRow {
    MessageId id;
    std::string_view text;
};

constexpr auto kMessageTable = std::to_array<MessageRow>({
    {MessageId::kInputDataError, "Input data error. Please check your input data!"},
    {MessageId::kInputOutOfRange, "Input data is out of validity range!"},
    {MessageId::kDataOutOfRange, "Data is out of validity range!"},
    {MessageId::kTemperatureOutOfRange, "Temperature is out of validity range!"},
    {MessageId::kHeliumTransportLimit,
     "Eta and lambda of He mixtures can only be evaluated up to approx. 2044K. Some results can "
     "not be evaluated!"},
    {MessageId::kCondensationDewPoint,
     "The water vapor content is too high (condensation).\n\nH2O dew point ="},
    {MessageId::kMaxWaterContent, "Max. H2O content ="},
    {MessageId::kProcessEndBelowDewPoint,
     "Warning: The temperature at process end is below the H2O dew point! Condensation heat and "
     "volumetric expansion are considered!"},
    {MessageId::kGasIsAllWater, "Error: Gas mix is 100% H2O. Please use water / steam processes!"},
    {MessageId::kUnknownError, "An unknown error has occured! Please check your input data!"},
    {MessageId::kResultsOutOfRange, "The results are out of validity range!"},
    {MessageId::kTooCloseToBoiling,
     "State too close to boiling temperature! Use steam quality x as input parameter!"},
    {MessageId::kMachAboveOne,
     "Mach number > 1! Calculation only valid for subsonic flows and incompressible fluids!"},
    {MessageId::kMachWarningStart, "Warning: Mach number >"},
    {MessageId::kMachWarningEnd,
     "! Consider errors in results near sonic velocity (calculation only valid for incompressible "
     "fluids)!"},
    {MessageId::kHeatLossNeedsFlow,
     "Warning: For heat loss calculation the flux of fluid has to be specified!"},
    {MessageId::kHeatLossTooHigh,
     "The specified heat loss is too high (temperature at process end < 0°C)!"},
    {MessageId::kHeatGainTooHigh,
     "The specified heat gain is too high (temperature at process end > T_max"},
    {MessageId::kPressureTooHigh, "Error: Pressure is too high!"},
    {MessageId::kPressureTooLow, "Error: Pressure is too low!"},
    {MessageId::kInletBelowOutletPressure, "Input data error! p1 < p2!"},
    {MessageId::kResultOutOfRange, "Result is out of validity range!"},
    {MessageId::kFreeFlowInputError,
     "Input data error for calculation of free flow (abience data)!"},
    {MessageId::kAmbientTemperatureRange,
     "The ambient temperature has to be between 0°C and the boiling temperature of water at "
     "atmospheric pressure (approx. 100°C)!"},
    {MessageId::kRelativeHumidityRange, "The relative humidity has to be between 0 and 100%!"},
    {MessageId::kFreeFlowError, "Error in free flow calculation!"},
    {MessageId::kFreeFlowAborted, "The free flow calculation has been aborted."},
    {MessageId::kWaterVaporOnly, "Gas consists of water vapor only!"},
    {MessageId::kCheckPressureTemperatureValue, "Input data error. Please check p, T and VALUE!"},
    {MessageId::kCheckValue, "Input data error. Please check VALUE!"},
    {MessageId::kNoSaturationPossible, "No saturation possible (would be 100% water vapor)!"},
    {MessageId::kValueAboveHundredPercent, "Input data error: Max. value for VALUE is 100%!"},
    {MessageId::kNoGasMixture, "No gas mixture present! Fraction is always 100%!"},
    {MessageId::kRemovalTooHigh, "Amount to be remouved is too high!"},
    {MessageId::kAdditionTooHigh, "Amount to be added is too high!"},
    {MessageId::kFileExistsOverwrite, "File already exists! Overwrite?"},
    {MessageId::kFileFromNewerVersion,
     "The input file has been generated from a newer version of this program. Data might have "
     "been lost.\n\nPlease download the newest version of this program!"},
    {MessageId::kInvalidFileType, "Invalid filetype!"},
    {MessageId::kFileNotFound, "File not found!"},
    {MessageId::kCheckGasAnalysis, "Input data error. Check your gas analysis!"},
    {MessageId::kComponentSumZero, "Input data error. Sum of all components = 0!"},
    {MessageId::kScaleToHundredPercent,
     "Warning: Analysis does not add up to 100%. Scale compontents to 100%?"},
    {MessageId::kTemperatureLimitsOutOfRange,
     "Input data error: T_min or T_max out of validity range!"},
    {MessageId::kZetaLimit, "Additional zeta in/out is limited with"},
});
static_assert(kMessageTable.size() == kMessageCount);

// Each text sits at the place of its number, so a row added or lost cannot shift the others.
constexpr bool rowsInNumberOrder() {
    for (std::size_t i = 0; i < kMessageTable.size(); ++i) {
        if (static_cast<std::size_t>(kMessageTable[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInNumberOrder());

}  // namespace

std::string_view messageText(MessageId id) {
    return kMessageTable[static_cast<std::size_t>(id)].text;
}

MessageId editFailureMessage(gas::EditResult result, MessageId badInputMessage) {
    switch (result) {
        case gas::EditResult::WaterOnly:
            return MessageId::kWaterVaporOnly;
        case gas::EditResult::BelowMinTemperature:
            return MessageId::kTemperatureOutOfRange;
        case gas::EditResult::SaturationImpossible:
            return MessageId::kNoSaturationPossible;
        case gas::EditResult::AboveHundredPercent:
            return MessageId::kValueAboveHundredPercent;
        case gas::EditResult::SingleComponent:
            return MessageId::kNoGasMixture;
        case gas::EditResult::TooMuchRemoved:
            return MessageId::kRemovalTooHigh;
        case gas::EditResult::TooMuchAdded:
            return MessageId::kAdditionTooHigh;
        default:
            return badInputMessage;
    }
}

}  // namespace vaporis::output
