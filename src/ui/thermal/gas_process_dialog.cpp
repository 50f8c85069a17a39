#include "ui/thermal/gas_process_dialog.h"

#include <memory>
#include <string>

#include "engine/gas/component_data.h"
#include "output/messages/messages.h"
#include "output/reports/report_frame.h"
#include "output/reports/thermal_process_report.h"
#include "project/session_flags.h"
#include "ui/fields.h"
#include "ui/gas/gas_analysis_dialog.h"
#include "ui/message_box.h"
#include "ui/report_saving.h"
#include "ui/thermal/ts_diagram_dialog.h"

namespace vaporis::ui {

namespace {

using processes::GasThermalProcess;
using P = GasThermalProcess;

constexpr std::array<FlowControl, 3> kFlows{{
    {kIdGasProcessMassFlowRadio, kIdGasProcessMassFlow, P::kMassFlow},
    {kIdGasProcessVolumeFlowRadio, kIdGasProcessVolumeFlow, P::kVolumeFlow},
    {kIdGasProcessNormalVolumeFlowRadio, kIdGasProcessNormalVolumeFlow, P::kNormalVolumeFlow},
}};

constexpr int kDecimals = 4;
constexpr double kGramsPerKilogram = 1000.0;

void clearResults(Port& port) {
    for (int id = kIdGasResultP2; id <= kIdGasResultCondensateFlow; ++id) {
        clearField(port, id);
    }
}

}  // namespace

GasProcessDialog::GasProcessDialog(Port& port, GasThermalProcess& process, gas::GasState& initial,
                                   gas::GasState& final, gas::GasAnalysis& analysis,
                                   project::SessionFlags& flags, output::TsDiagramSettings& diagram)
    : port_(port),
      process_(process),
      initial_(initial),
      final_(final),
      analysis_(analysis),
      flags_(flags),
      diagram_(diagram) {}

void GasProcessDialog::opened() {
    port_.setChecked(kIdProcessHtmlOutput, flags_.htmlOutputFlag);
    port_.setChecked(kIdProcessShowDiagram, diagram_.showOnOpen);
    showGasInputs(port_, kIdProcessP1, kIdProcessT1, initial_);
    if (process_.type() == processes::kStateBalance) {
        showGasInputs(port_, kIdProcessP2, kIdProcessT2, final_);
    } else {
        writeInputNumber(port_, kIdProcessP2, final_.pressure());
    }
    enableForType(process_.type());
    showProcessInputs(port_, process_, kFlows);
    refreshDisplays();
    port_.setText(kIdGasProcessName, analysis_.name());
}

void GasProcessDialog::command(int id) {
    switch (id) {
        case kIdProcessOk:
            calculate();
            break;
        case kIdProcessThrottle:
        case kIdProcessIsentropic:
        case kIdProcessBalance:
            enableForType(id - kIdProcessThrottle);
            break;
        case kIdGasProcessMassFlowRadio:
        case kIdGasProcessVolumeFlowRadio:
        case kIdGasProcessNormalVolumeFlowRadio:
            chooseFlow(port_, kFlows, id);
            break;
        case kIdGasProcessEditAnalysis:
            editAnalysis();
            break;
        case kIdProcessValidity:
            port_.toggleValidityWindow();
            break;
        case kIdCopyTable:
            copyResultTable(port_, kGasProcessTemplate);
            break;
        case kIdProcessBack:
            back();
            break;
        default:
            break;
    }
}

void GasProcessDialog::refreshDisplays() {
    showDewPoint(port_, kIdProcessP1, kIdGasProcessDewPoint1, analysis_);
    showDewPoint(port_, kIdProcessP2, kIdGasProcessDewPoint2, analysis_);
}

void GasProcessDialog::enableForType(int type) {
    enableEfficiencies(port_, type);
    port_.setEnabled(kIdProcessT2, type == processes::kStateBalance);
}

void GasProcessDialog::calculate() {
    clearResults(port_);
    const int type = checkedProcessType(port_);
    if (!readInputs(type)) {
        return;
    }
    readHeatLoss(port_, process_);
    process_.calculate(messageBoxSink(port_, output::ProcessMedium::kGas));
    if (!showVerdict(port_, output::judgeGasProcess(process_))) {
        return;
    }
    showResults();
    if (port_.checked(kIdProcessHtmlOutput)) {
        askWriteAndOpenReport(
            port_,
            [this](const std::string& path) {
                return output::writeGasProcessReport(path, process_);
            },
            "thermal process gases");
    }
    if (port_.checked(kIdProcessShowDiagram)) {
        port_.runModal(kTsDiagramTemplate, [this](Port& port) {
            return std::make_unique<GasTsDiagramDialog>(port, process_, diagram_);
        });
    }
}

// Reads everything up to the heat loss into the process and its states and checks the
// pressures; false, with the message shown, when the process cannot be calculated.
bool GasProcessDialog::readInputs(int type) {
    const double timeFactor = checkedTimeFactor(port_);
    process_.reset();
    process_.setType(type);
    (void)process_.setInput(P::kTimeFactor, timeFactor);
    int error = kNoInputError;
    initial_.setTemperature(readNumber(port_, kIdProcessT1, kNegativeAllowed, kNotEmpty, error));
    initial_.setPressure(readNumber(port_, kIdProcessP1, kNoNegatives, kNotEmpty, error));
    final_.setPressure(readNumber(port_, kIdProcessP2, kNoNegatives, kNotEmpty, error));
    if (type == processes::kStateBalance) {
        final_.setTemperature(readNumber(port_, kIdProcessT2, kNegativeAllowed, kNotEmpty, error));
    }
    if (type == processes::kIsentropicEfficiency) {
        readEfficiencies(port_, process_, error);
    }
    readFlow(port_, process_, checkedFlow(port_, kFlows), timeFactor, error);
    if (error != kNoInputError) {
        showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
        return false;
    }
    return !refusedByRules(port_, process_) &&
           checkGasPressure(port_, initial_.pressure(), flags_) &&
           checkGasPressure(port_, final_.pressure(), flags_);
}

void GasProcessDialog::showResults() {
    const auto show = [this](int id, double value) { writeNumber(port_, id, value, kDecimals); };
    show(kIdGasResultP2, final_.pressure());
    show(kIdGasResultT2, final_.temperature());
    show(kIdGasResultH1, initial_.property(gas::kEnthalpy));
    show(kIdGasResultH2, process_.finalProperty(gas::kEnthalpy));
    show(kIdGasResultDh, process_.result(P::kEnthalpyChange));
    show(kIdGasResultDs, process_.result(P::kEntropyChange));
    show(kIdGasResultMolarMass, analysis_.molarMass());
    show(kIdGasResultGasConstant, analysis_.gasConstantJ());
    if (process_.type() == processes::kIsentropicEfficiency) {
        show(kIdGasResultDhIsentropic, process_.result(P::kIsentropicChange));
        show(kIdGasResultT2Isentropic, process_.result(P::kIsentropicTemperature));
    }
    for (const FlowControl& flow : kFlows) {
        // shown in its unit
        writeGivenInput(port_, flow.field, process_.result(P::kShownFlows.at(flow.slot)),
                        process_.fluxGiven());
    }
    if (process_.fluxGiven()) {
        show(kIdGasResultPower, process_.result(P::kPower));
    }
    show(kIdGasResultExpansion, process_.result(P::kExpansion));
    show(kIdGasResultMassDischarge, process_.result(P::kMassDischarge));
    showCondensate();
    if (process_.heatLossOn()) {
        show(kIdGasResultHAfterLoss, process_.result(P::kEnthalpyAfterLoss));
        if (process_.heatLossValid()) {
            show(kIdGasResultTAfterLoss, process_.result(P::kTemperatureAfterLoss));
        }
    }
}

// Condensate in g per kg of gas and in g/s, at the end and after the heat loss.
void GasProcessDialog::showCondensate() {
    const auto grams = [this](int id, int slot) {
        writeNumber(port_, id, process_.result(slot) * kGramsPerKilogram, kDecimals);
    };
    if (process_.condensedAtEnd()) {
        if (process_.fluxGiven()) {
            grams(kIdGasResultCondensateFlow, P::kCondensateFlow);
        }
        grams(kIdGasResultCondensate, P::kCondensate);
        if (process_.type() == processes::kStateBalance) {
            writeNumber(port_, kIdGasResultCondensationHeat, process_.result(P::kCondensationHeat),
                        kDecimals);
        }
    }
    if (process_.condensedAfterHeatLoss()) {
        if (process_.fluxGiven()) {
            grams(kIdGasResultCondensateFlowAfterLoss, P::kCondensateFlowAfterLoss);
        }
        grams(kIdGasResultCondensateAfterLoss, P::kCondensateAfterLoss);
    }
}

void GasProcessDialog::editAnalysis() {
    gas::GasAnalysis& analysis = analysis_;
    port_.runModal(kGasAnalysisTemplate, [&analysis](Port& childPort) {
        return std::make_unique<GasAnalysisDialog>(childPort, analysis);
    });
    refreshDisplays();
    port_.setText(kIdGasProcessName, analysis_.name());
    // Results and flows of the former gas would be mistaken for the new one's.
    clearResults(port_);
    for (const FlowControl& flow : kFlows) {
        if (!port_.checked(flow.radio)) {
            clearField(port_, flow.field);
        }
    }
}

void GasProcessDialog::back() {
    flags_.htmlOutputFlag = port_.checked(kIdProcessHtmlOutput);
    diagram_.showOnOpen = port_.checked(kIdProcessShowDiagram);
    port_.endDialog(kIdProcessBack);
}

}  // namespace vaporis::ui
