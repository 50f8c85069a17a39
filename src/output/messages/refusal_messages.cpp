#include "output/messages/refusal_messages.h"

#include "output/messages/steam_table_messages.h"

namespace vaporis::output {

MessageId refusalMessage(const processes::Refusal& refusal) {
    using processes::RefusalReason;
    switch (refusal.reason) {
        case RefusalReason::kStateInput:
            return inputStatusMessage(refusal.status);
        case RefusalReason::kInletBelowOutletPressure:
            return MessageId::kInletBelowOutletPressure;
        case RefusalReason::kGasPressureTooHigh:
            return MessageId::kPressureTooHigh;
        case RefusalReason::kGasPressureTooLow:
            return MessageId::kPressureTooLow;
        case RefusalReason::kGasIsAllWater:
            return MessageId::kGasIsAllWater;
        case RefusalReason::kDiagramRange:
            return MessageId::kTemperatureLimitsOutOfRange;
        default:
            return MessageId::kInputDataError;
    }
}

}  // namespace vaporis::output
