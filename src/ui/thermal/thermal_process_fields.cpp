#include "ui/thermal/thermal_process_fields.h"

#include <array>
#include <string>
#include <string_view>

#include "output/messages/messages.h"

namespace vaporis::ui {

int checkedProcessType(const Port& port) {
    return readRadio3(port, kIdProcessThrottle, kIdProcessIsentropic, kIdProcessBalance,
                      processes::kConstantEnthalpy, processes::kIsentropicEfficiency,
                      processes::kStateBalance);
}

double checkedTimeFactor(const Port& port) {
    return port.checked(kIdProcessPerHour) ? 3600.0 : 1.0;
}

const output::Unit& flowUnit(const FlowControl& flow, double timeFactor) {
    using output::Quantity;
    std::array<std::string_view, 2> symbols{"kg/s", "kg/h"};
    if (flow.quantity == Quantity::kVolumeFlow) {
        symbols = {"m³/s", "m³/h"};
    } else if (flow.quantity == Quantity::kNormalVolumeFlow) {
        symbols = {"Nm³/s", "Nm³/h"};
    }
    return *output::findUnit(flow.quantity, symbols[timeFactor == 1.0 ? 0 : 1]);
}

void writeFlow(Port& port, const FlowControl& flow, double value, double timeFactor, bool given) {
    writeGivenInput(port, flow.field, shownValue(value, flowUnit(flow, timeFactor)), given);
}

void enableEfficiencies(Port& port, int type) {
    for (const int id : kEfficiencyFields) {
        port.setEnabled(id, type == processes::kIsentropicEfficiency);
    }
}

void chooseFlow(Port& port, std::span<const FlowControl> flows, int chosenRadio) {
    for (const FlowControl& flow : flows) {
        port.setChecked(flow.radio, flow.radio == chosenRadio);
        port.setEnabled(flow.field, flow.radio == chosenRadio);
    }
}

const FlowControl& checkedFlow(const Port& port, std::span<const FlowControl> flows) {
    for (const FlowControl& flow : flows) {
        if (port.checked(flow.radio)) {
            return flow;
        }
    }
    return flows.front();
}

processes::MessageSink messageBoxSink(Port& port, output::ProcessMedium medium) {
    return {[&port, medium](int message, double limit) {
        const std::string_view caption = message == processes::kMessageHeatLossWithoutFlow
                                             ? output::kCaptionWarning
                                             : output::kCaptionError;
        port.message(shownMessage(output::processMessageText(medium, message, limit)), caption,
                     MessageButtons::kOk);
    }};
}

bool showVerdict(Port& port, const output::ProcessVerdict& verdict) {
    if (!verdict.message.empty()) {
        port.message(shownMessage(verdict.message), verdict.caption, MessageButtons::kOk);
    }
    return verdict.showResults;
}

}  // namespace vaporis::ui
