#include "ui/flow/steam_flow_dialog.h"

#include "engine/common/not_set.h"
#include "output/messages/flow_messages.h"

namespace vaporis::ui {

namespace {

using processes::SteamFlowProcess;

constexpr SteamInputGroup kSteamInputs{kIdSteamFlowModePT,      kIdSteamFlowModePX,
                                       kIdSteamFlowModeTX,      kIdSteamFlowPressure,
                                       kIdSteamFlowTemperature, kIdSteamFlowQuality};

constexpr FlowDialogLayout kLayout{kSteamFlowTemplate,        kSteamFlowControls, kSteamFlowResults,
                                   kIdSteamFlowDensity,       kIdSteamFlowMach,   3,
                                   "flow process water steam"};

}  // namespace

SteamFlowDialog::SteamFlowDialog(Port& port, SteamFlowProcess& process,
                                 water::WaterSteamState& state, project::SessionFlags& flags)
    : FlowDialog(port, process, flags, kLayout), state_(state) {}

void SteamFlowDialog::refreshDisplays() {
    showBoilingTemperature(port_, kIdSteamFlowPressure, kIdSteamFlowTemperature,
                           kIdSteamFlowBoilingTemp, selectedMode());
}

int SteamFlowDialog::selectedMode() const {
    return readRadio3(port_, kIdSteamFlowModePT, kIdSteamFlowModePX, kIdSteamFlowModeTX,
                      water::kModePT, water::kModePX, water::kModeTX);
}

void SteamFlowDialog::showState() {
    showSteamInputGroup(port_, kSteamInputs, state_);
}

bool SteamFlowDialog::mediumCommand(int id) {
    switch (id) {
        case kIdSteamFlowModePT:
            modeChosen(water::kModePT);
            return true;
        case kIdSteamFlowModePX:
            modeChosen(water::kModePX);
            return true;
        case kIdSteamFlowModeTX:
            modeChosen(water::kModeTX);
            return true;
        default:
            return false;
    }
}

void SteamFlowDialog::modeChosen(int mode) {
    enableSteamInputs(port_, kSteamInputs, mode);
    refreshDisplays();
}

void SteamFlowDialog::readState(int& error) {
    const int mode = selectedMode();
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
}

// Roughness and tube length are not read for wet steam (a quality strictly between 0 and 1).
bool SteamFlowDialog::frictionInputsApply() const {
    const int mode = selectedMode();
    return mode == water::kModePT || state_.quality() == 0.0 || state_.quality() == 1.0;
}

void SteamFlowDialog::checkState(int& error) const {
    if (selectedMode() != water::kModePT && (state_.quality() < 0.0 || state_.quality() > 1.0)) {
        error = kNotANumber;
    }
}

void SteamFlowDialog::tellStatus(int status, bool /*succeeded*/) {
    tellFlowMessage(port_, output::steamFlowMessage(status));
}

bool SteamFlowDialog::frictionShown() const {
    return process_.singlePhaseFlow();
}

void SteamFlowDialog::showMediumDerived() {
    if (process_.result(SteamFlowProcess::kMach) != NOT_SET) {
        writeNumber(port_, kIdSteamFlowSonicVelocity, process_.sonicVelocity(), 4);
        writeNumber(port_, kIdSteamFlowMach, process_.result(SteamFlowProcess::kMach), 4);
    }
}

void SteamFlowDialog::showMediumResults() {
    writeNumber(port_, kIdSteamFlowDensity, state_.stateValue(water::kRho), 4);
    writeNumber(port_, kIdSteamFlowViscosity, state_.stateValue(water::kEta), 4);
    if (!process_.singlePhaseFlow()) {
        port_.message(output::kWetSteamFrictionNote, output::kCaptionWarning, MessageButtons::kOk);
    }
}

}  // namespace vaporis::ui
