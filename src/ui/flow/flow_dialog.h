#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output/messages/flow_messages.h"
#include "output/messages/messages.h"
#include "processes/module_rules.h"
#include "project/session_flags.h"
#include "ui/dialog_template.h"
#include "ui/fields.h"
#include "ui/flow/flow_dialog_rules.h"
#include "ui/flow/flow_template_rows.h"
#include "ui/message_box.h"
#include "ui/port.h"
#include "ui/report_saving.h"
#include "ui/result_table.h"
#include "ui/window_units.h"

namespace vaporis::ui {

//! The data that sets one medium's flow dialog apart.
struct FlowDialogLayout {
    const DialogTemplate& dialog;
    const FlowControls& controls;
    FlowResultFields results;
    int firstResult;  //!< fields firstResult..lastResult are emptied before a calculation
    int lastResult;
    int heatTransferDecimals;
    std::string_view reportName;  //!< the report's name in the save dialog
};

//! Shows a flow message in a box, if there is one.
inline void tellFlowMessage(Port& port, const std::optional<output::FlowMessage>& message) {
    if (message) {
        port.message(shownMessage(message->text), message->caption, MessageButtons::kOk);
    }
}

//! What the flow dialogs of both media do alike: read the flow, tube and friction inputs,
//! calculate, show the flows, the pipe results and the pressure drops, write the report.
//! Dialog derives from it and supplies what its medium does differently: showState(),
//! mediumCommand(id) (true when it handled id), readState(error), frictionInputsApply(),
//! checkState(error), calculateProcess(), tellStatus(status, succeeded), frictionShown(),
//! showMediumDerived(), showMediumResults(), the report writer kWriteReport and the status
//! kMachAbove1.
template <typename Dialog, typename Process>
class FlowDialog : public DialogLogic {
public:
    void opened() override {
        port_.setChecked(kIdFlowHtmlOutput, flags_.htmlOutputFlag);
        self().showState();
        showFlowInputs(port_, layout_.controls, process_);
        self().refreshDisplays();
    }

    void command(int id) override {
        if (flowRadioClicked(port_, layout_.controls, id) || self().mediumCommand(id)) {
            return;
        }
        switch (id) {
            case kIdFlowOk:
                calculate();
                break;
            case kIdFlowValidity:
                port_.toggleValidityWindow();
                break;
            case kIdCopyTable:
                copyResultTable(port_, layout_.dialog);
                break;
            case kIdFlowBack:
                flags_.htmlOutputFlag = port_.checked(kIdFlowHtmlOutput);
                port_.endDialog(kIdFlowBack);
                break;
            default:
                break;
        }
    }

protected:
    FlowDialog(Port& port, Process& process, project::SessionFlags& flags,
               const FlowDialogLayout& layout)
        : port_(port), process_(process), flags_(flags), layout_(layout) {}

    void clearResults() { clearFields(port_, layout_.firstResult, layout_.lastResult); }

    Port& port_;
    Process& process_;

private:
    Dialog& self() { return static_cast<Dialog&>(*this); }

    void calculate() {
        clearResults();
        process_.reset();
        process_.setInput(Process::kInTimeFactor, selectedTimeFactor(port_));
        if (!readInputs()) {
            return;
        }
        const int status = self().calculateProcess();
        const bool succeeded = !processes::checkFlowResult(process_);
        self().tellStatus(status, succeeded);
        if (!succeeded) {
            // above Mach 1 the flows and the Mach number show why
            if (status == Dialog::kMachAbove1) {
                showDerived();
            }
            return;
        }
        showDerived();
        showResults();
        if (port_.checked(kIdFlowHtmlOutput)) {
            askWriteAndOpenReport(
                port_,
                [this](const std::string& path) {
                    return Dialog::kWriteReport(path, process_, windowUnits());
                },
                layout_.reportName);
        }
    }

    // Reads every input into the state and the reset process; false (after message 0) when
    // one is missing or unusable.
    bool readInputs() {
        int error = kNoInputError;
        self().readState(error);
        readFlowInputs(port_, layout_.controls, process_, error);
        if (self().frictionInputsApply()) {
            process_.setInput(Process::kInRoughness, readOptional(port_, kIdFlowRoughness, error));
            process_.setInput(Process::kInTubeLength,
                              readOptional(port_, kIdFlowTubeLength, error));
        }
        process_.setInput(Process::kInZeta, readOptional(port_, kIdFlowZeta, error));
        self().checkState(error);
        if (error != kNoInputError) {
            showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
            return false;
        }
        return !flowRefusedByRules(port_, process_);
    }

    void showDerived() {
        showDerivedFlows(port_, layout_.controls, process_);
        self().showMediumDerived();
    }

    void showResults() {
        const FlowResultFields& f = layout_.results;
        const auto show = [this](int id, int slot, int decimals) {
            writeNumber(port_, id, process_.result(slot), decimals);
        };
        show(f.totalSection, Process::kTotalCrossSection, 4);
        show(f.dynamicPressure, Process::kDynamicPressure, 4);
        show(f.squareSide, Process::kSquareSide, 4);
        show(f.reynolds, Process::kReynolds, 1);
        show(f.zetaDrop, Process::kZetaDrop, 3);
        show(f.totalDrop, Process::kTotalDrop, 3);
        show(f.heatTransfer, Process::kHeatTransfer, layout_.heatTransferDecimals);
        if (self().frictionShown()) {
            show(f.lambda, Process::kLambda, 4);
            show(f.frictionDrop, Process::kFrictionDrop, 3);
        }
        self().showMediumResults();
    }

    project::SessionFlags& flags_;
    const FlowDialogLayout& layout_;
};

}  // namespace vaporis::ui
