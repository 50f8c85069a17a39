#include "ui/thermal/steam_process_dialog.h"

#include <string>

#include "engine/common/physical_constants.h"
#include "output/messages/messages.h"
#include "output/reports/report_frame.h"
#include "output/reports/thermal_process_report.h"
#include "project/session_flags.h"
#include "ui/message_box.h"
#include "ui/report_saving.h"
#include "ui/thermal/ts_diagram_dialog.h"

namespace vaporis::ui {

namespace {

using processes::SteamThermalProcess;
using P = SteamThermalProcess;

constexpr SteamInputGroup kInitialGroup{kIdSteamProcessInitialPT,
                                        kIdSteamProcessInitialPX,
                                        kIdSteamProcessInitialTX,
                                        kIdProcessP1,
                                        kIdProcessT1,
                                        kIdSteamProcessX1};
constexpr SteamInputGroup kFinalGroup{kIdSteamProcessFinalPT, kIdSteamProcessFinalPX,
                                      kIdSteamProcessFinalTX, kIdProcessP2,
                                      kIdProcessT2,           kIdSteamProcessX2};

constexpr std::array<FlowControl, 2> kFlows{{
    {kIdSteamProcessMassFlowRadio, kIdSteamProcessMassFlow, P::kMassFlow},
    {kIdSteamProcessVolumeFlowRadio, kIdSteamProcessVolumeFlow, P::kVolumeFlow},
}};

constexpr int kDecimals = 4;

int checkedMode(const Port& port, const SteamInputGroup& group) {
    return readRadio3(port, group.radioPT, group.radioPX, group.radioTX, water::kModePT,
                      water::kModePX, water::kModeTX);
}

// Reads the fields of a state's mode into it; the mode decides which two are read.
void readState(const Port& port, const SteamInputGroup& group, water::WaterSteamState& state,
               int& error) {
    const int mode = checkedMode(port, group);
    if (mode != water::kModePX) {
        state.setTemperature(readNumber(port, group.fieldT, kNoNegatives, kNotEmpty, error));
    }
    if (mode != water::kModeTX) {
        state.setPressure(readNumber(port, group.fieldP, kNoNegatives, kNotEmpty, error));
    }
    if (mode != water::kModePT) {
        state.setQuality(readNumber(port, group.fieldX, kNoNegatives, kNotEmpty, error));
    }
    state.setMode(mode);
}

}  // namespace

SteamProcessDialog::SteamProcessDialog(Port& port, SteamThermalProcess& process,
                                       water::WaterSteamState& initial,
                                       water::WaterSteamState& final, project::SessionFlags& flags,
                                       output::TsDiagramSettings& diagram)
    : port_(port),
      process_(process),
      initial_(initial),
      final_(final),
      flags_(flags),
      diagram_(diagram) {}

void SteamProcessDialog::opened() {
    port_.setChecked(kIdProcessHtmlOutput, flags_.htmlOutputFlag);
    port_.setChecked(kIdProcessShowDiagram, diagram_.showOnOpen);
    showSteamInputGroup(port_, kInitialGroup, initial_);
    if (process_.type() == processes::kStateBalance) {
        showSteamInputGroup(port_, kFinalGroup, final_);
    } else {
        writeInputNumber(port_, kIdProcessP2, final_.pressure());
    }
    enableForType(process_.type());
    showProcessInputs(port_, process_, kFlows);
    refreshDisplays();
}

void SteamProcessDialog::command(int id) {
    switch (id) {
        case kIdProcessOk:
            calculate();
            break;
        case kIdProcessThrottle:
        case kIdProcessIsentropic:
            enableForType(id - kIdProcessThrottle);
            break;
        case kIdProcessBalance:
            balanceChosen();
            break;
        case kIdSteamProcessInitialPT:
        case kIdSteamProcessInitialPX:
        case kIdSteamProcessInitialTX:
            enableSteamInputs(port_, kInitialGroup, id - kIdSteamProcessInitialPT);
            refreshDisplays();
            break;
        case kIdSteamProcessFinalPT:
        case kIdSteamProcessFinalPX:
        case kIdSteamProcessFinalTX:
            enableSteamInputs(port_, kFinalGroup, id - kIdSteamProcessFinalPT);
            refreshDisplays();
            break;
        case kIdSteamProcessMassFlowRadio:
        case kIdSteamProcessVolumeFlowRadio:
            chooseFlow(port_, kFlows, id);
            break;
        case kIdProcessValidity:
            port_.toggleValidityWindow();
            break;
        case kIdCopyTable:
            copyResultTable(port_, kSteamProcessTemplate);
            break;
        case kIdProcessBack:
            back();
            break;
        default:
            break;
    }
}

void SteamProcessDialog::refreshDisplays() {
    showBoilingTemperature(port_, kIdProcessP1, kIdProcessT1, kIdSteamProcessTs1,
                           checkedMode(port_, kInitialGroup));
    const bool balance = checkedProcessType(port_) == processes::kStateBalance;
    showBoilingTemperature(port_, kIdProcessP2, kIdProcessT2, kIdSteamProcessTs2,
                           balance ? checkedMode(port_, kFinalGroup) : water::kModePX);
}

// Only a balance takes the whole final state; the other types take its pressure.
void SteamProcessDialog::enableForType(int type) {
    enableEfficiencies(port_, type);
    const bool balance = type == processes::kStateBalance;
    for (const int radio : {kFinalGroup.radioPT, kFinalGroup.radioPX, kFinalGroup.radioTX}) {
        port_.setEnabled(radio, balance);
    }
    if (balance) {
        enableSteamInputs(port_, kFinalGroup, checkedMode(port_, kFinalGroup));
    } else {
        port_.setEnabled(kIdProcessP2, true);
        port_.setEnabled(kIdProcessT2, false);
        port_.setEnabled(kIdSteamProcessX2, false);
    }
}

void SteamProcessDialog::balanceChosen() {
    enableForType(processes::kStateBalance);
    int error = kNoInputError;
    final_.setPressure(readNumber(port_, kIdProcessP2, kNegativeAllowed, kEmptyAllowed, error));
    showSteamInputGroup(port_, kFinalGroup, final_);
}

void SteamProcessDialog::calculate() {
    for (int id = kIdSteamResultP2; id <= kIdSteamResultMassDischarge; ++id) {
        clearField(port_, id);
    }
    const int type = checkedProcessType(port_);
    if (readInputs(type) != kNoInputError) {
        return;
    }
    readHeatLoss(port_, process_);
    process_.calculate(messageBoxSink(port_, output::ProcessMedium::kSteam));
    if (!showVerdict(port_, output::judgeSteamProcess(process_.status()))) {
        return;
    }
    showResults();
    if (port_.checked(kIdProcessHtmlOutput)) {
        askWriteAndOpenReport(
            port_,
            [this](const std::string& path) {
                return output::writeSteamProcessReport(path, process_);
            },
            "thermal process water steam");
    }
    if (port_.checked(kIdProcessShowDiagram)) {
        port_.runModal(kTsDiagramTemplate, [this](Port& port) {
            return std::make_unique<SteamTsDiagramDialog>(port, process_, diagram_);
        });
    }
}

// Reads everything up to the heat loss into the process and its states; shows the message
// of a refused input and returns its code.
int SteamProcessDialog::readInputs(int type) {
    const double timeFactor = checkedTimeFactor(port_);
    process_.reset();
    process_.setType(type);
    (void)process_.setInput(P::kTimeFactor, timeFactor);
    int error = kNoInputError;
    readState(port_, kInitialGroup, initial_, error);
    if (type == processes::kStateBalance) {
        readState(port_, kFinalGroup, final_, error);
    } else {
        // the final radios belong to a balance; the other types take the pressure alone
        final_.setPressure(readNumber(port_, kIdProcessP2, kNoNegatives, kNotEmpty, error));
        final_.setMode(water::kModePT);
    }
    if (type == processes::kIsentropicEfficiency) {
        readEfficiencies(port_, process_, error);
    }
    readFlow(port_, process_, checkedFlow(port_, kFlows), timeFactor, error);
    if (error != kNoInputError) {
        showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
        return error;
    }
    return refusedByRules(port_, process_) ? kNotANumber : kNoInputError;
}

void SteamProcessDialog::showResults() {
    const auto show = [this](int id, double value) { writeNumber(port_, id, value, kDecimals); };
    show(kIdSteamResultP2, final_.pressure());
    show(kIdSteamResultT2, final_.temperature());
    if (final_.mode() != water::kModePT) {
        show(kIdSteamResultX2, final_.quality());
    }
    show(kIdSteamResultDh, process_.result(P::kEnthalpyChange));
    show(kIdSteamResultDs, process_.result(P::kEntropyChange));
    if (process_.type() == processes::kIsentropicEfficiency) {
        show(kIdSteamResultDhIsentropic, process_.result(P::kIsentropicChange));
    }
    if (process_.fluxGiven()) {
        writeInputNumber(port_, kIdSteamProcessVolumeFlow, process_.result(P::kShownVolumeFlow));
        writeInputNumber(port_, kIdSteamProcessMassFlow, process_.result(P::kShownMassFlow));
        show(kIdSteamResultPower, process_.result(P::kPower));
    } else {
        clearField(port_, kIdSteamProcessVolumeFlow);
        clearField(port_, kIdSteamProcessMassFlow);
    }
    show(kIdSteamResultH1, initial_.stateValue(water::kH));
    show(kIdSteamResultH2, final_.stateValue(water::kH));
    if (process_.heatLossOn()) {
        show(kIdSteamResultHAfterLoss, process_.result(P::kEnthalpyAfterLoss));
        if (process_.heatLossValid()) {
            show(kIdSteamResultTAfterLoss, process_.result(P::kTemperatureAfterLoss));
            show(kIdSteamResultXAfterLoss, process_.result(P::kQualityAfterLoss));
        }
    }
    if (final_.pressure() < kCriticalPressure) {
        show(kIdSteamResultTs2, final_.saturationValue(water::kTs));
    }
    show(kIdSteamResultExpansion, process_.result(P::kExpansion));
    show(kIdSteamResultMassDischarge, process_.result(P::kMassDischarge));
}

void SteamProcessDialog::back() {
    flags_.htmlOutputFlag = port_.checked(kIdProcessHtmlOutput);
    diagram_.showOnOpen = port_.checked(kIdProcessShowDiagram);
    port_.endDialog(kIdProcessBack);
}

}  // namespace vaporis::ui
