#pragma once

#include <span>

#include "output/messages/messages.h"
#include "output/messages/refusal_messages.h"
#include "output/messages/thermal_process_messages.h"
#include "processes/module_rules.h"
#include "processes/thermal/thermal_process.h"
#include "ui/fields.h"
#include "ui/message_box.h"
#include "ui/port.h"
#include "ui/window_units.h"

namespace vaporis::ui {

//! Control ids that the two thermal process dialogs (107 and 144) share.
enum ThermalProcessId : int {
    kIdProcessOk = 1,
    kIdProcessHtmlOutput = 1004,
    kIdProcessShowDiagram = 1005,
    kIdProcessValidity = 1006,
    kIdProcessP1 = 1012,
    kIdProcessT1 = 1013,
    kIdProcessP2 = 1015,
    kIdProcessT2 = 1016,
    kIdProcessBack = 1026,
    kIdProcessHeatLoss = 1036,
    kIdProcessEtaM = 1037,
    kIdProcessEtaG = 1038,
    kIdProcessThrottle = 1039,
    kIdProcessIsentropic = 1040,
    kIdProcessBalance = 1041,
    kIdProcessPerSecond = 1048,
    kIdProcessPerHour = 1049,
    kIdProcessEtaS = 1582,
};

//! A flow choice: its radio, its field, the process input it fills and its quantity.
struct FlowControl {
    int radio;
    int field;
    int slot;
    output::Quantity quantity;
};

//! The ThermalProcessType of the checked type radio.
[[nodiscard]] int checkedProcessType(const Port& port);
//! 1 for flows per second, 3600 for flows per hour.
[[nodiscard]] double checkedTimeFactor(const Port& port);
//! The efficiency fields serve the isentropic-efficiency type only.
void enableEfficiencies(Port& port, int type);
//! Checks the radio of `chosen` and enables only its field.
void chooseFlow(Port& port, std::span<const FlowControl> flows, int chosenRadio);
//! The flow control whose radio is checked (the first when none is).
[[nodiscard]] const FlowControl& checkedFlow(const Port& port, std::span<const FlowControl> flows);
//! The written unit of a flow field: its quantity per second, or per hour for a time factor of
//! 3600 ("kg/h"). The field shows its value in the chosen unit of that time basis.
[[nodiscard]] const output::Unit& flowUnit(const FlowControl& flow, double timeFactor);
//! Shows a flow given in flowUnit in its field, or empties the field when it is not given.
void writeFlow(Port& port, const FlowControl& flow, double value, double timeFactor, bool given);
//! Shows a process message in a box: the heat-loss note as a warning, the others as errors.
[[nodiscard]] processes::MessageSink messageBoxSink(Port& port, output::ProcessMedium medium);
//! Shows the verdict's message, if any; true when the results may be shown.
bool showVerdict(Port& port, const output::ProcessVerdict& verdict);

//! Shows the message of the process's rules when they refuse its inputs; true then.
template <typename Process>
bool refusedByRules(Port& port, const Process& process) {
    const processes::RuleAnswer refusal =
        processes::checkThermalProcess(process, processes::MarkerMeaning::kNumber);
    if (refusal) {
        showMessage(port, output::refusalMessage(*refusal), output::kCaptionError);
    }
    return refusal.has_value();
}

//! Field ids of the three efficiencies, in the order of the process's efficiency inputs.
inline constexpr int kEfficiencyFields[] = {kIdProcessEtaS, kIdProcessEtaM, kIdProcessEtaG};

//! Reads the isentropic, mechanical and generator efficiency into the process while no
//! input error has occurred; a wrong field or a value the process refuses sets `error`.
template <typename Process>
void readEfficiencies(const Port& port, Process& process, int& error) {
    for (int i = 0; i < 3 && error == kNoInputError; ++i) {
        const double value = readNumber(port, kEfficiencyFields[i], kNoNegatives, kNotEmpty, error);
        if (error == kNoInputError && !process.setInput(Process::kIsentropicEta + i, value)) {
            error = kNotANumber;
        }
    }
}

//! Reads the chosen flow: a positive value becomes the process's flow per second, 0 or an
//! empty field none; a negative value or a wrong text sets `error`.
template <typename Process>
void readFlow(const Port& port, Process& process, const FlowControl& flow, double timeFactor,
              int& error) {
    int own = kNoInputError;
    const double value =
        writtenValue(readNumber(port, flow.field, kNoNegatives, kEmptyAllowed, own),
                     flowUnit(flow, timeFactor))
            .value;
    if (own == kNoInputError && value > 0.0) {
        (void)process.setInput(flow.slot, value / timeFactor);
    } else if (own == kNegativeNumber || own == kNotANumber) {
        error = own;
    }
}

//! Reads the heat loss (either sign); a readable value other than 0 becomes the input.
template <typename Process>
void readHeatLoss(const Port& port, Process& process) {
    int own = kNoInputError;
    const double value = readNumber(port, kIdProcessHeatLoss, kNegativeAllowed, kEmptyAllowed, own);
    if (own == kNoInputError && value != 0.0) {
        (void)process.setInput(Process::kHeatLoss, value);
    }
}

//! Shows the process's flow units (a flow input and its shown result share the number), its last
//! flow with its shown value, the heat loss, the efficiencies and the type, as opening the dialog
//! does.
template <typename Process>
void showProcessInputs(Port& port, const Process& process, std::span<const FlowControl> flows) {
    const bool perSecond = process.input(Process::kTimeFactor) == 1.0;
    port.setChecked(kIdProcessPerSecond, perSecond);
    port.setChecked(kIdProcessPerHour, !perSecond);
    for (const FlowControl& flow : flows) {
        if (flow.slot == process.lastFlowInput()) {
            chooseFlow(port, flows, flow.radio);
            writeFlow(port, flow, process.result(Process::kShownFlows.at(flow.slot)),
                      process.input(Process::kTimeFactor), process.inputSet(flow.slot));
        }
    }
    writeGivenInput(port, kIdProcessHeatLoss, process.input(Process::kHeatLoss),
                    process.inputSet(Process::kHeatLoss));
    for (int i = 0; i < 3; ++i) {
        const int slot = Process::kIsentropicEta + i;
        writeGivenInput(port, kEfficiencyFields[i], process.input(slot), process.inputSet(slot));
    }
    port.setChecked(kIdProcessThrottle, process.type() == processes::kConstantEnthalpy);
    port.setChecked(kIdProcessIsentropic, process.type() == processes::kIsentropicEfficiency);
    port.setChecked(kIdProcessBalance, process.type() == processes::kStateBalance);
}

}  // namespace vaporis::ui
