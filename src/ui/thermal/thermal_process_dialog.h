#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "output/diagrams/ts_diagram.h"
#include "output/messages/messages.h"
#include "output/messages/thermal_process_messages.h"
#include "processes/thermal/thermal_process.h"
#include "project/session_flags.h"
#include "ui/dialog_template.h"
#include "ui/fields.h"
#include "ui/message_box.h"
#include "ui/port.h"
#include "ui/report_saving.h"
#include "ui/result_table.h"
#include "ui/thermal/process_template_rows.h"
#include "ui/thermal/thermal_process_fields.h"
#include "ui/thermal/ts_diagram_dialog.h"
#include "ui/window_units.h"

namespace vaporis::ui {

//! The data that sets one medium's thermal process dialog apart.
struct ThermalDialogLayout {
    const DialogTemplate& dialog;
    std::span<const FlowControl> flows;
    ProcessResultFields results;
    int firstResult;  //!< fields firstResult..lastResult are emptied before a calculation
    int lastResult;
    output::ProcessMedium medium;
    std::string_view reportName;  //!< the report's name in the save dialog
};

//! What the thermal process dialogs of both media do alike: read the process type,
//! efficiencies, flow and heat loss, calculate, answer the status, show the shared results,
//! write the report and open the T-s diagram. Dialog derives from it and supplies what its
//! medium does differently: showStates(), mediumCommand(id) (true when it handled id),
//! enableFinalState(type), readStates(type, error), pressuresAccepted(), verdict(),
//! showMediumResults(), the report writer kWriteReport and the diagram dialog type Diagram.
template <typename Dialog, typename Process>
class ThermalProcessDialog : public DialogLogic {
public:
    void opened() override {
        port_.setChecked(kIdProcessHtmlOutput, flags_.htmlOutputFlag);
        port_.setChecked(kIdProcessShowDiagram, diagram_.showOnOpen);
        self().showStates();
        enableForType(process_.type());
        showProcessInputs(port_, process_, layout_.flows);
        self().refreshDisplays();
    }

    void command(int id) override {
        if (self().mediumCommand(id)) {
            return;
        }
        for (const FlowControl& flow : layout_.flows) {
            if (id == flow.radio) {
                chooseFlow(port_, layout_.flows, id);
                return;
            }
        }
        switch (id) {
            case kIdProcessOk:
                calculate();
                break;
            case kIdProcessThrottle:
            case kIdProcessIsentropic:
            case kIdProcessBalance:
                enableForType(id - kIdProcessThrottle);
                break;
            case kIdProcessValidity:
                port_.toggleValidityWindow();
                break;
            case kIdCopyTable:
                copyResultTable(port_, layout_.dialog);
                break;
            case kIdProcessBack:
                back();
                break;
            default:
                break;
        }
    }

protected:
    ThermalProcessDialog(Port& port, Process& process, project::SessionFlags& flags,
                         output::TsDiagramSettings& diagram, const ThermalDialogLayout& layout)
        : port_(port), process_(process), flags_(flags), diagram_(diagram), layout_(layout) {}

    void enableForType(int type) {
        enableEfficiencies(port_, type);
        self().enableFinalState(type);
    }

    void showResult(int id, double value) { writeNumber(port_, id, value, kDecimals); }

    void clearResults() {
        for (int id = layout_.firstResult; id <= layout_.lastResult; ++id) {
            clearField(port_, id);
        }
    }

    Port& port_;
    Process& process_;
    project::SessionFlags& flags_;

private:
    static constexpr int kDecimals = 4;

    Dialog& self() { return static_cast<Dialog&>(*this); }

    void calculate() {
        clearResults();
        if (!readInputs(checkedProcessType(port_))) {
            return;
        }
        readHeatLoss(port_, process_);
        process_.calculate(messageBoxSink(port_, layout_.medium));
        if (!showVerdict(port_, self().verdict())) {
            return;
        }
        showResults();
        if (port_.checked(kIdProcessHtmlOutput)) {
            askWriteAndOpenReport(
                port_,
                [this](const std::string& path) {
                    return Dialog::kWriteReport(path, process_, windowUnits());
                },
                layout_.reportName);
        }
        if (port_.checked(kIdProcessShowDiagram)) {
            port_.runModal(kTsDiagramTemplate, [this](Port& port) {
                return std::make_unique<typename Dialog::Diagram>(port, process_, diagram_);
            });
        }
    }

    // Reads everything up to the heat loss into the process and its states; false, with the
    // message shown, when the process cannot be calculated.
    bool readInputs(int type) {
        const double timeFactor = checkedTimeFactor(port_);
        process_.reset();
        process_.setType(type);
        (void)process_.setInput(Process::kTimeFactor, timeFactor);
        int error = kNoInputError;
        self().readStates(type, error);
        if (type == processes::kIsentropicEfficiency) {
            readEfficiencies(port_, process_, error);
        }
        readFlow(port_, process_, checkedFlow(port_, layout_.flows), timeFactor, error);
        if (error != kNoInputError) {
            showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
            return false;
        }
        return !refusedByRules(port_, process_) && self().pressuresAccepted();
    }

    void showResults() {
        const ProcessResultFields& f = layout_.results;
        showResult(f.p2, process_.finalState().pressure());
        showResult(f.t2, process_.finalState().temperature());
        showResult(f.dh, process_.result(Process::kEnthalpyChange));
        showResult(f.ds, process_.result(Process::kEntropyChange));
        if (process_.type() == processes::kIsentropicEfficiency) {
            showResult(f.dhIsentropic, process_.result(Process::kIsentropicChange));
        }
        for (const FlowControl& flow : layout_.flows) {
            writeFlow(port_, flow, process_.result(Process::kShownFlows.at(flow.slot)),
                      process_.input(Process::kTimeFactor), process_.fluxGiven());
        }
        if (process_.fluxGiven()) {
            showResult(f.power, process_.result(Process::kPower));
        }
        showResult(f.expansion, process_.result(Process::kExpansion));
        showResult(f.massDischarge, process_.result(Process::kMassDischarge));
        if (process_.heatLossOn()) {
            showResult(f.hAfterLoss, process_.result(Process::kEnthalpyAfterLoss));
            if (process_.heatLossValid()) {
                showResult(f.tAfterLoss, process_.result(Process::kTemperatureAfterLoss));
            }
        }
        self().showMediumResults();
    }

    void back() {
        flags_.htmlOutputFlag = port_.checked(kIdProcessHtmlOutput);
        diagram_.showOnOpen = port_.checked(kIdProcessShowDiagram);
        port_.endDialog(kIdProcessBack);
    }

    output::TsDiagramSettings& diagram_;
    const ThermalDialogLayout& layout_;
};

}  // namespace vaporis::ui
