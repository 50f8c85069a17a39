#include "ui/thermal/steam_process_dialog.h"

#include "engine/common/physical_constants.h"
#include "engine/water/water_steam_state.h"
#include "ui/fields.h"

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

constexpr ThermalDialogLayout kLayout{kSteamProcessTemplate,        kSteamProcessFlows,
                                      kSteamProcessResults,         kIdSteamResultP2,
                                      kIdSteamResultMassDischarge,  output::ProcessMedium::kSteam,
                                      "thermal process water steam"};

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
    : ThermalProcessDialog(port, process, flags, diagram, kLayout),
      initial_(initial),
      final_(final) {}

void SteamProcessDialog::refreshDisplays() {
    showBoilingTemperature(port_, kIdProcessP1, kIdProcessT1, kIdSteamProcessTs1,
                           checkedMode(port_, kInitialGroup));
    const bool balance = checkedProcessType(port_) == processes::kStateBalance;
    showBoilingTemperature(port_, kIdProcessP2, kIdProcessT2, kIdSteamProcessTs2,
                           balance ? checkedMode(port_, kFinalGroup) : water::kModePX);
}

void SteamProcessDialog::showStates() {
    showSteamInputGroup(port_, kInitialGroup, initial_);
    if (process_.type() == processes::kStateBalance) {
        showSteamInputGroup(port_, kFinalGroup, final_);
    } else {
        writeInputNumber(port_, kIdProcessP2, final_.pressure());
    }
}

bool SteamProcessDialog::mediumCommand(int id) {
    switch (id) {
        case kIdProcessBalance:
            balanceChosen();
            return true;
        case kIdSteamProcessInitialPT:
        case kIdSteamProcessInitialPX:
        case kIdSteamProcessInitialTX:
            enableSteamInputs(port_, kInitialGroup, id - kIdSteamProcessInitialPT);
            refreshDisplays();
            return true;
        case kIdSteamProcessFinalPT:
        case kIdSteamProcessFinalPX:
        case kIdSteamProcessFinalTX:
            enableSteamInputs(port_, kFinalGroup, id - kIdSteamProcessFinalPT);
            refreshDisplays();
            return true;
        default:
            return false;
    }
}

// Only a balance takes the whole final state; the other types take its pressure.
void SteamProcessDialog::enableFinalState(int type) {
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

void SteamProcessDialog::readStates(int type, int& error) {
    readState(port_, kInitialGroup, initial_, error);
    if (type == processes::kStateBalance) {
        readState(port_, kFinalGroup, final_, error);
    } else {
        // the final radios belong to a balance; the other types take the pressure alone
        final_.setPressure(readNumber(port_, kIdProcessP2, kNoNegatives, kNotEmpty, error));
        final_.setMode(water::kModePT);
    }
}

output::ProcessVerdict SteamProcessDialog::verdict() const {
    return output::judgeSteamProcess(process_.status());
}

void SteamProcessDialog::showMediumResults() {
    if (final_.mode() != water::kModePT) {
        showResult(kIdSteamResultX2, final_.quality());
    }
    showResult(kIdSteamResultH1, initial_.stateValue(water::kH));
    showResult(kIdSteamResultH2, final_.stateValue(water::kH));
    if (process_.heatLossOn() && process_.heatLossValid()) {
        showResult(kIdSteamResultXAfterLoss, process_.result(P::kQualityAfterLoss));
    }
    if (final_.pressure() < kCriticalPressure) {
        showResult(kIdSteamResultTs2, final_.saturationValue(water::kTs));
    }
}

}  // namespace vaporis::ui
