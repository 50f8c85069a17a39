#include "ui/flow/steam_flow_dialog.h"

#include <optional>
#include <string>

#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/messages/flow_messages.h"
#include "output/messages/messages.h"
#include "output/reports/flow_reports.h"
#include "output/reports/report_frame.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/status_codes.h"
#include "project/session_flags.h"
#include "ui/fields.h"
#include "ui/message_box.h"
#include "ui/report_saving.h"

namespace vaporis::ui {

namespace {

using processes::SteamFlowProcess;

constexpr SteamInputGroup kSteamInputs{kIdSteamFlowModePT,      kIdSteamFlowModePX,
                                       kIdSteamFlowModeTX,      kIdSteamFlowPressure,
                                       kIdSteamFlowTemperature, kIdSteamFlowQuality};

}  // namespace

SteamFlowDialog::SteamFlowDialog(Port& port, SteamFlowProcess& process,
                                 water::WaterSteamState& state, project::SessionFlags& flags)
    : port_(port), process_(process), state_(state), flags_(flags) {}

void SteamFlowDialog::opened() {
    port_.setChecked(kIdFlowHtmlOutput, flags_.htmlOutputFlag);
    showSteamInputGroup(port_, kSteamInputs, state_);
    showFlowInputs(port_, kSteamFlowControls, process_);
    refreshDisplays();
}

void SteamFlowDialog::command(int id) {
    if (flowRadioClicked(port_, kSteamFlowControls, id)) {
        return;
    }
    switch (id) {
        case kIdSteamFlowModePT:
            modeChosen(water::kModePT);
            break;
        case kIdSteamFlowModePX:
            modeChosen(water::kModePX);
            break;
        case kIdSteamFlowModeTX:
            modeChosen(water::kModeTX);
            break;
        case kIdFlowOk:
            calculate();
            break;
        case kIdFlowValidity:
            port_.toggleValidityWindow();
            break;
        case kIdCopyTable:
            copyResultTable(port_, kSteamFlowTemplate);
            break;
        case kIdFlowBack:
            back();
            break;
        default:
            break;
    }
}

void SteamFlowDialog::refreshDisplays() {
    showBoilingTemperature(port_, kIdSteamFlowPressure, kIdSteamFlowTemperature,
                           kIdSteamFlowBoilingTemp, selectedMode());
}

int SteamFlowDialog::selectedMode() const {
    return readRadio3(port_, kIdSteamFlowModePT, kIdSteamFlowModePX, kIdSteamFlowModeTX,
                      water::kModePT, water::kModePX, water::kModeTX);
}

void SteamFlowDialog::modeChosen(int mode) {
    enableSteamInputs(port_, kSteamInputs, mode);
    refreshDisplays();
}

bool SteamFlowDialog::wetSteamEntered(int mode) const {
    return mode != water::kModePT && state_.quality() != 0.0 && state_.quality() != 1.0;
}

// Reads every input into the state and the reset process; false (after message 0) when one
// is missing or unusable.
bool SteamFlowDialog::readInputs() {
    const int mode = selectedMode();
    int error = kNoInputError;
    state_.reset();
    if (mode != water::kModePX) {
        state_.setTemperature(
            readNumber(port_, kIdSteamFlowTemperature, kNoNegatives, kNotEmpty, error));
    }
    if (mode != water::kModeTX) {
        state_.setPressure(readNumber(port_, kIdSteamFlowPressure, kNoNegatives, kNotEmpty, error));
    }
    if (mode != water::kModePT) {
        state_.setQuality(readNumber(port_, kIdSteamFlowQuality, kNoNegatives, kNotEmpty, error));
    }
    state_.setMode(mode);
    readFlowInputs(port_, kSteamFlowControls, process_, error);
    if (!wetSteamEntered(mode)) {
        process_.setInput(SteamFlowProcess::kInRoughness,
                          readOptional(port_, kIdFlowRoughness, error));
        process_.setInput(SteamFlowProcess::kInTubeLength,
                          readOptional(port_, kIdFlowTubeLength, error));
    }
    process_.setInput(SteamFlowProcess::kInZeta, readOptional(port_, kIdFlowZeta, error));
    if (mode != water::kModePT && (state_.quality() < 0.0 || state_.quality() > 1.0)) {
        error = kNotANumber;
    }
    if (error != kNoInputError) {
        showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
        return false;
    }
    return !flowRefusedByRules(port_, process_);
}

void SteamFlowDialog::calculate() {
    clearFields(port_, kIdSteamFlowDensity, kIdSteamFlowMach);
    const double timeFactor = selectedTimeFactor(port_);
    process_.reset();
    process_.setInput(SteamFlowProcess::kInTimeFactor, timeFactor);
    if (!readInputs()) {
        return;
    }
    const int status = process_.calculate();
    if (const std::optional<output::FlowMessage> message = output::steamFlowMessage(status)) {
        port_.message(message->text, message->caption, MessageButtons::kOk);
    }
    if (status == processes::SteamFlowStatus::kMachAbove1) {
        showDerived();
    }
    if (processes::checkFlowResult(process_)) {
        return;
    }
    showDerived();
    showResults();
    if (!process_.singlePhaseFlow()) {
        port_.message(output::kWetSteamFrictionNote, output::kCaptionWarning, MessageButtons::kOk);
    }
    if (port_.checked(kIdFlowHtmlOutput)) {
        askWriteAndOpenReport(
            port_,
            [this](const std::string& path) {
                return output::writeSteamFlowReport(path, process_);
            },
            "flow process water steam");
    }
}

void SteamFlowDialog::showDerived() {
    showDerivedFlows(port_, kSteamFlowControls, process_);
    if (process_.result(SteamFlowProcess::kMach) != NOT_SET) {
        writeNumber(port_, kIdSteamFlowSonicVelocity, process_.sonicVelocity(), 4);
        writeNumber(port_, kIdSteamFlowMach, process_.result(SteamFlowProcess::kMach), 4);
    }
}

void SteamFlowDialog::showResults() {
    using P = SteamFlowProcess;
    writeNumber(port_, kIdSteamFlowDensity, state_.stateValue(water::kRho), 4);
    writeNumber(port_, kIdSteamFlowTotalSection, process_.result(P::kTotalCrossSection), 4);
    writeNumber(port_, kIdSteamFlowDynamicPressure, process_.result(P::kDynamicPressure), 4);
    writeNumber(port_, kIdSteamFlowViscosity, state_.stateValue(water::kEta), 4);
    writeNumber(port_, kIdSteamFlowSquareSide, process_.result(P::kSquareSide), 4);
    writeNumber(port_, kIdSteamFlowReynolds, process_.result(P::kReynolds), 1);
    writeNumber(port_, kIdSteamFlowZetaDrop, process_.result(P::kZetaDrop), 3);
    writeNumber(port_, kIdSteamFlowTotalDrop, process_.result(P::kTotalDrop), 3);
    writeNumber(port_, kIdSteamFlowHeatTransfer, process_.result(P::kHeatTransfer), 3);
    if (process_.singlePhaseFlow()) {
        writeNumber(port_, kIdSteamFlowLambda, process_.result(P::kLambda), 4);
        writeNumber(port_, kIdSteamFlowFrictionDrop, process_.result(P::kFrictionDrop), 3);
    }
}

void SteamFlowDialog::back() {
    flags_.htmlOutputFlag = port_.checked(kIdFlowHtmlOutput);
    port_.endDialog(kIdFlowBack);
}

}  // namespace vaporis::ui
