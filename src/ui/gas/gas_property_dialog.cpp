#include "ui/gas/gas_property_dialog.h"

#include <array>
#include <memory>
#include <string>

#include "engine/gas/gas_analysis.h"
#include "output/messages/gas_messages.h"
#include "output/messages/messages.h"
#include "output/reports/gas_property_report.h"
#include "output/reports/report_frame.h"
#include "project/session_flags.h"
#include "ui/fields.h"
#include "ui/gas/gas_analysis_dialog.h"
#include "ui/message_box.h"
#include "ui/report_saving.h"
#include "ui/window_units.h"

namespace vaporis::ui {

namespace {

constexpr int kConstantDecimals = 4;

// The demands and heating values sit beside the analysis, not at 2600 + k.
struct CaloricField {
    int id;
    int k;  // GasProperty
};
constexpr auto kCaloricFields = std::to_array<CaloricField>({
    {kIdGasOxygenDemand, gas::kOxygenDemand},
    {kIdGasAirDemand, gas::kAirDemand},
    {kIdGasLowerHeatingValue, gas::kLowerHeatingValue},
    {kIdGasUpperHeatingValue, gas::kUpperHeatingValue},
});

void writeProperty(Port& port, int fieldId, const gas::GasState& state, int k) {
    writeNumber(port, fieldId, state.property(k), output::gasProperty(k).decimals);
}

}  // namespace

GasPropertyDialog::GasPropertyDialog(Port& port, gas::GasState& state, gas::GasAnalysis& analysis,
                                     project::SessionFlags& flags)
    : port_(port), state_(state), analysis_(analysis), flags_(flags) {}

void GasPropertyDialog::opened() {
    port_.setChecked(kIdGasHtmlOutput, flags_.htmlOutputFlag);
    const bool byEnthalpy = state_.enthalpySet();
    if (byEnthalpy) {
        writeInputNumber(port_, kIdGasPressure, state_.pressure());
        writeInputNumber(port_, kIdGasEnthalpy, state_.enthalpy());
    } else {
        showGasInputs(port_, kIdGasPressure, kIdGasTemperature, state_);
    }
    port_.setChecked(kIdGasByTemperature, !byEnthalpy);
    port_.setChecked(kIdGasByEnthalpy, byEnthalpy);
    inputModeChosen(!byEnthalpy);
    refreshDisplays();
    port_.setText(kIdGasName, analysis_.name());
}

void GasPropertyDialog::command(int id) {
    switch (id) {
        case kIdGasOk:
            calculateState();
            break;
        case kIdGasByTemperature:
        case kIdGasByEnthalpy:
            inputModeChosen(id == kIdGasByTemperature);
            break;
        case kIdGasValidity:
            port_.toggleValidityWindow();
            break;
        case kIdCopyTable:
            copyResultTable(port_, kGasPropertyTemplate);
            break;
        case kIdGasEditAnalysis:
            editAnalysis();
            break;
        case kIdGasBack:
            back();
            break;
        default:
            break;
    }
}

void GasPropertyDialog::refreshDisplays() {
    showDewPoint(port_, kIdGasPressure, kIdGasDewPoint, analysis_);
}

bool GasPropertyDialog::byTemperature() const {
    return port_.checked(kIdGasByTemperature);
}

void GasPropertyDialog::inputModeChosen(bool temperature) {
    port_.setEnabled(kIdGasTemperature, temperature);
    port_.setEnabled(kIdGasEnthalpy, !temperature);
}

void GasPropertyDialog::calculateState() {
    state_.reset();
    if (!readInputsIntoState()) {
        showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
        return;
    }
    if (!checkGasPressure(port_, state_.pressure(), flags_)) {
        return;
    }
    state_.calculate();
    if (!resultsAccepted()) {
        return;
    }
    showResults();
    if (port_.checked(kIdGasHtmlOutput)) {
        askWriteAndOpenReport(
            port_,
            [this](const std::string& path) {
                return output::writeGasPropertyReport(path, state_, windowUnits());
            },
            "fluid properties of gases");
    }
}

bool GasPropertyDialog::readInputsIntoState() {
    int error = kNoInputError;
    state_.setPressure(readNumber(port_, kIdGasPressure, kNoNegatives, kNotEmpty, error));
    if (byTemperature()) {
        state_.setTemperature(
            readNumber(port_, kIdGasTemperature, kNegativeAllowed, kNotEmpty, error));
    } else {
        state_.setEnthalpy(readNumber(port_, kIdGasEnthalpy, kNegativeAllowed, kNotEmpty, error));
    }
    return error == kNoInputError;
}

// Tells the user what the calculated state means; true when its results may be shown.
bool GasPropertyDialog::resultsAccepted() {
    const output::GasStateVerdict verdict = output::judgeGasState(state_);
    if (!verdict.message.empty()) {
        port_.message(shownMessage(verdict.message),
                      verdict.warning ? output::kCaptionWarning : output::kCaptionError,
                      MessageButtons::kOk);
    }
    return verdict.accepted;
}

void GasPropertyDialog::showResults() {
    writeInputNumber(port_, kIdGasTemperature, state_.temperature());
    writeInputNumber(port_, kIdGasEnthalpy, state_.enthalpy());
    for (int k = gas::kVolume; k <= gas::kFormationEnthalpy; ++k) {
        if (output::gasPropertyKnown(state_, k)) {
            writeProperty(port_, gasPropertyFieldId(k), state_, k);
        } else {
            clearField(port_, gasPropertyFieldId(k));
        }
    }
    writeNumber(port_, kIdGasMolarMass, analysis_.molarMass(), kConstantDecimals);
    writeNumber(port_, kIdGasConstant, analysis_.gasConstantJ(), kConstantDecimals);
    for (const CaloricField& field : kCaloricFields) {
        writeProperty(port_, field.id, state_, field.k);
    }
}

void GasPropertyDialog::editAnalysis() {
    gas::GasAnalysis& analysis = analysis_;
    port_.runModal(kGasAnalysisTemplate, [&analysis](Port& childPort) {
        return std::make_unique<GasAnalysisDialog>(childPort, analysis);
    });
    refreshDisplays();
    port_.setText(kIdGasName, analysis_.name());
    // Results of the former gas would be mistaken for the new one's; so would its enthalpy.
    for (int id = kIdGasEnthalpy; id <= kIdGasOxygenDemand; ++id) {
        clearField(port_, id);
    }
}

void GasPropertyDialog::back() {
    flags_.htmlOutputFlag = port_.checked(kIdGasHtmlOutput);
    port_.endDialog(kIdGasBack);
}

}  // namespace vaporis::ui
