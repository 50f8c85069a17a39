#include "ui/steam_table/steam_table_dialog.h"

#include <memory>
#include <string>

#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/messages/messages.h"
#include "output/messages/refusal_messages.h"
#include "output/messages/steam_table_messages.h"
#include "output/reports/report_frame.h"
#include "output/reports/steam_table_report.h"
#include "processes/module_rules.h"
#include "project/session_flags.h"
#include "ui/fields.h"
#include "ui/message_box.h"
#include "ui/report_saving.h"
#include "ui/steam_table/steam_results_dialog.h"
#include "ui/steam_table/steam_table_generator_dialog.h"
#include "ui/window_units.h"

namespace vaporis::ui {

namespace {

constexpr SteamInputGroup kSteamInputs{kIdModePT,   kIdModePX,      kIdModeTX,
                                       kIdPressure, kIdTemperature, kIdQuality};

constexpr int kIterationDecimals = 4;

}  // namespace

SteamTableDialog::SteamTableDialog(Port& port, water::WaterSteamState& state,
                                   project::SessionFlags& flags)
    : port_(port), state_(state), flags_(flags) {}

void SteamTableDialog::opened() {
    port_.setChecked(kIdHtmlOutput, flags_.htmlOutputFlag);
    showSteamInputGroup(port_, kSteamInputs, state_);
    refreshDisplays();
}

void SteamTableDialog::command(int id) {
    switch (id) {
        case kIdModePT:
            modeChosen(water::kModePT);
            break;
        case kIdModePX:
            modeChosen(water::kModePX);
            break;
        case kIdModeTX:
            modeChosen(water::kModeTX);
            break;
        case kIdSteamOk:
            calculateState();
            break;
        case kIdIterCalculate:
            iterateEnthalpy();
            break;
        case kIdValidity:
            port_.toggleValidityWindow();
            break;
        case kIdTableGenerator:
            openGenerator();
            break;
        case kIdSteamBack:
            back();
            break;
        default:
            break;
    }
}

void SteamTableDialog::refreshDisplays() {
    showBoilingTemperature(port_, kIdPressure, kIdTemperature, kIdBoilingTemp, selectedMode());
}

int SteamTableDialog::selectedMode() const {
    return readRadio3(port_, kIdModePT, kIdModePX, kIdModeTX, water::kModePT, water::kModePX,
                      water::kModeTX);
}

void SteamTableDialog::modeChosen(int mode) {
    enableSteamInputs(port_, kSteamInputs, mode);
    showBoilingTemperature(port_, kIdPressure, kIdTemperature, kIdBoilingTemp, mode);
}

void SteamTableDialog::calculateState() {
    state_.reset();
    const int mode = selectedMode();
    const int readError = readInputsIntoState(mode);
    processes::RuleAnswer refusal;
    if (readError == kNoInputError) {
        state_.setMode(mode);
        refusal = processes::checkSteamState(state_, processes::MarkerMeaning::kNumber);
        state_.calculate();
    }
    if (inputsAccepted(readError, refusal)) {
        showResults();
    }
}

int SteamTableDialog::readInputsIntoState(int mode) {
    int error = kNoInputError;
    if (mode != water::kModeTX) {
        state_.setPressure(readNumber(port_, kIdPressure, kNoNegatives, kNotEmpty, error));
    }
    if (mode != water::kModePX) {
        state_.setTemperature(readNumber(port_, kIdTemperature, kNoNegatives, kNotEmpty, error));
    }
    if (mode != water::kModePT) {
        state_.setQuality(readNumber(port_, kIdQuality, kNoNegatives, kNotEmpty, error));
    }
    return error;
}

bool SteamTableDialog::inputsAccepted(int readError, const processes::RuleAnswer& refusal) {
    if (readError != kNoInputError) {
        showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
        return false;
    }
    if (refusal) {
        showMessage(port_, output::refusalMessage(*refusal), output::kCaptionError);
        return false;
    }
    return true;
}

void SteamTableDialog::showResults() {
    if (!port_.checked(kIdHtmlOutput)) {
        const water::WaterSteamState& state = state_;
        port_.runModal(kSteamResultsTemplate, [&state](Port& childPort) {
            return std::make_unique<SteamResultsDialog>(childPort, state);
        });
        return;
    }
    askWriteAndOpenReport(
        port_,
        [this](const std::string& path) {
            return output::writeSteamTableReport(path, state_, windowUnits());
        },
        "steam table");
}

void SteamTableDialog::iterateEnthalpy() {
    int error = kNoInputError;
    const double h = readNumber(port_, kIdIterEnthalpy, kNegativeAllowed, kNotEmpty, error);
    const double p = readNumber(port_, kIdIterPressure, kNoNegatives, kNotEmpty, error);
    if (error != kNoInputError || processes::checkEnthalpyIteration(p, h)) {
        showIterationFailure(output::MessageId::kInputDataError);
        return;
    }
    const output::EnthalpyIteration result = output::enthalpyIteration(p, h);
    if (!result.valid()) {
        showIterationFailure(output::iterationFailureMessage(result.status));
        return;
    }
    writeNumber(port_, kIdIterQuality, result.x, kIterationDecimals);  // empty for one phase
    writeNumber(port_, kIdIterTemperature, result.t, kIterationDecimals);
}

void SteamTableDialog::showIterationFailure(output::MessageId id) {
    port_.message(iterationMessage(id), output::kCaptionError, MessageButtons::kOk);
    clearField(port_, kIdIterQuality);
    clearField(port_, kIdIterTemperature);
}

void SteamTableDialog::openGenerator() {
    port_.runModal(kSteamTableGeneratorTemplate, [](Port& childPort) {
        return std::make_unique<SteamTableGeneratorDialog>(childPort);
    });
}

void SteamTableDialog::back() {
    flags_.htmlOutputFlag = port_.checked(kIdHtmlOutput);
    port_.endDialog(kIdSteamBack);
}

}  // namespace vaporis::ui
