#include "ui/gas_property_dialog.h"

#include <memory>
#include <string>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/mixture.h"
#include "engine/gas/status_codes.h"
#include "ui/fields.h"
#include "ui/gas_analysis_dialog.h"
#include "ui/gas_property_report.h"
#include "ui/messages.h"
#include "ui/report_frame.h"
#include "ui/session_flags.h"
#include "ui/text_format.h"

namespace vaporis::ui {

namespace {

constexpr int kPropertyDecimals = 6;
constexpr int kConstantDecimals = 4;
constexpr int kHeatingValueDecimals = 3;

constexpr std::string_view kCondensationFormat = "%s %.2lf °C / %.2lf kJ/kg \n%s %.2lf %%vol";

// Eta, nu, lambda, a, kappa and Pr, which a helium-bearing gas above 2044 K lacks.
bool missingAboveHeliumLimit(int k) {
    return k >= gas::kViscosity && k <= gas::kPrandtl;
}

}  // namespace

// The dew point with the gas enthalpy there, and how much water the gas can hold at its
// temperature.
std::string condensationMessage(const gas::GasState& state, const gas::GasAnalysis& analysis) {
    const double dewPoint = state.property(gas::kDewPoint);
    int status = gas::kOk;
    const double hDew = gas::mixtureEnthalpy(analysis, dewPoint, status);
    return formatText(kCondensationFormat, {messageText(5), dewPoint, hDew, messageText(6),
                                            state.property(gas::kMaxWaterContent) * 100.0});
}

GasPropertyDialog::GasPropertyDialog(Port& port, gas::GasState& state, gas::GasAnalysis& analysis,
                                     SessionFlags& flags)
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
        showMessage(port_, 0, kCaptionError);
        return;
    }
    if (!checkGasPressure(port_, state_.pressure(), flags_)) {
        return;
    }
    state_.calculate();
    if (!statusAccepted()) {
        return;
    }
    if (state_.property(gas::kDewPoint) > state_.temperature()) {
        port_.message(condensationMessage(state_, analysis_), kCaptionError, MessageButtons::kOk);
        return;
    }
    showResults();
    if (port_.checked(kIdGasHtmlOutput)) {
        askWriteAndOpenReport(port_, [this](const std::string& path) {
            return writeGasPropertyReport(path, state_);
        });
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

// Shows what the state's status means; true when its results may be shown.
bool GasPropertyDialog::statusAccepted() {
    switch (state_.status()) {
        case gas::kOk:
            return true;
        case gas::kHeliumAbove2044K:
            showMessage(port_, 4, kCaptionWarning);
            return true;
        case gas::kOutsideAnalysisRange:
            showMessage(port_, 3, kCaptionError);
            return false;
        case gas::kOutOfRange:
            showMessage(port_, 1, kCaptionError);
            return false;
        case gas::kCondensation:
            port_.message(condensationMessage(state_, analysis_), kCaptionError,
                          MessageButtons::kOk);
            return false;
        default:
            showMessage(port_, 9, kCaptionError);
            return false;
    }
}

void GasPropertyDialog::showResults() {
    writeInputNumber(port_, kIdGasTemperature, state_.temperature());
    writeInputNumber(port_, kIdGasEnthalpy, state_.enthalpy());
    const bool helium = state_.status() == gas::kHeliumAbove2044K;
    for (int k = gas::kVolume; k <= gas::kFormationEnthalpy; ++k) {
        if (helium && missingAboveHeliumLimit(k)) {
            clearField(port_, gasPropertyFieldId(k));
        } else {
            writeNumber(port_, gasPropertyFieldId(k), state_.property(k), kPropertyDecimals);
        }
    }
    writeNumber(port_, kIdGasMolarMass, analysis_.molarMass(), kConstantDecimals);
    writeNumber(port_, kIdGasConstant, analysis_.gasConstant(), kConstantDecimals);
    writeNumber(port_, kIdGasOxygenDemand, state_.property(gas::kOxygenDemand), kConstantDecimals);
    writeNumber(port_, kIdGasAirDemand, state_.property(gas::kAirDemand), kConstantDecimals);
    writeNumber(port_, kIdGasLowerHeatingValue, state_.property(gas::kLowerHeatingValue),
                kHeatingValueDecimals);
    writeNumber(port_, kIdGasUpperHeatingValue, state_.property(gas::kUpperHeatingValue),
                kHeatingValueDecimals);
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
