#include "ui/flow/gas_flow_dialog.h"

#include <memory>

#include "engine/common/not_set.h"
#include "processes/tools/ambient_data.h"
#include "ui/gas/gas_analysis_dialog.h"

namespace vaporis::ui {

namespace {

using processes::AmbientData;
using processes::GasFlowProcess;

constexpr FlowDialogLayout kLayout{kGasFlowTemplate,    kGasFlowControls, kGasFlowResults,
                                   kIdGasFlowDensity,   kIdGasFlowMach,   4,
                                   "flow process gases"};

}  // namespace

GasFlowDialog::GasFlowDialog(Port& port, GasFlowProcess& process, gas::GasState& state,
                             gas::GasAnalysis& analysis, project::SessionFlags& flags)
    : FlowDialog(port, process, flags, kLayout), state_(state), analysis_(analysis) {}

void GasFlowDialog::refreshDisplays() {
    showDewPoint(port_, kIdGasFlowPressure, kIdGasFlowDewPoint, analysis_);
}

void GasFlowDialog::showState() {
    showGasInputs(port_, kIdGasFlowPressure, kIdGasFlowTemperature, state_);
    const AmbientData& ambient = process_.ambient();
    const double height = process_.input(GasFlowProcess::kInHeightDifference);
    writeGivenInput(port_, kIdGasFlowHeightDifference, height,
                    process_.freeFlow() || height != NOT_SET);
    writeInputNumber(port_, kIdGasFlowAmbientTemperature, ambient.input(AmbientData::kTemperature));
    writeInputNumber(port_, kIdGasFlowHumidity, ambient.input(AmbientData::kRelativeHumidity));
    writeInputNumber(port_, kIdGasFlowLevel, ambient.input(AmbientData::kLevel));
    port_.setText(kIdGasFlowName, analysis_.name());
}

bool GasFlowDialog::mediumCommand(int id) {
    if (id != kIdGasFlowEditAnalysis) {
        return false;
    }
    editAnalysis();
    return true;
}

void GasFlowDialog::readState(int& error) {
    state_.setTemperature(readNumber(port_, kIdGasFlowTemperature, kNoNegatives, kNotEmpty, error));
    state_.setPressure(readNumber(port_, kIdGasFlowPressure, kNoNegatives, kNotEmpty, error));
}

// The four ambience fields, all required for a draft; an unusable entry leaves the ambient
// record as it was.
output::AmbienceReading GasFlowDialog::readAmbience() {
    int heightError = kNoInputError;
    int temperatureError = kNoInputError;
    int humidityError = kNoInputError;
    int levelError = kNoInputError;
    const double h =
        readNumber(port_, kIdGasFlowHeightDifference, kNegativeAllowed, kNotEmpty, heightError);
    const double t = readNumber(port_, kIdGasFlowAmbientTemperature, kNegativeAllowed, kNotEmpty,
                                temperatureError);
    const double phi =
        readNumber(port_, kIdGasFlowHumidity, kNoNegatives, kNotEmpty, humidityError);
    const double level =
        readNumber(port_, kIdGasFlowLevel, kNegativeAllowed, kNotEmpty, levelError);
    const int errors[] = {heightError, temperatureError, humidityError, levelError};
    bool allValid = true;
    bool allEmpty = true;
    for (const int e : errors) {
        allValid = allValid && e == kNoInputError;
        allEmpty = allEmpty && e == kEmptyField;
    }
    if (!allValid) {
        return allEmpty ? output::AmbienceReading::kEmpty : output::AmbienceReading::kInvalid;
    }
    AmbientData& ambient = process_.ambient();
    ambient.reset();
    process_.setInput(GasFlowProcess::kInHeightDifference, h);
    ambient.setInput(AmbientData::kTemperature, t);
    ambient.setInput(AmbientData::kRelativeHumidity, phi);
    ambient.setInput(AmbientData::kLevel, level);
    return output::AmbienceReading::kValid;
}

int GasFlowDialog::calculateProcess() {
    ambience_ = readAmbience();
    process_.setFreeFlow(ambience_ == output::AmbienceReading::kValid);
    return process_.calculate();
}

void GasFlowDialog::tellStatus(int /*status*/, bool succeeded) {
    tellFlowMessage(port_, output::gasFlowMessage(process_));
    if (succeeded) {
        tellFlowMessage(port_, output::freeFlowWarning(ambience_, process_.ambient().status()));
    }
}

void GasFlowDialog::showMediumDerived() {
    writeNumber(port_, kIdGasFlowMolarMass, analysis_.molarMass(), 4);
    writeNumber(port_, kIdGasFlowGasConstant, analysis_.gasConstantJ(), 4);
    writeNumber(port_, kIdGasFlowSonicVelocity, state_.property(gas::kSonicVelocity), 4);
    writeNumber(port_, kIdGasFlowMach, process_.result(GasFlowProcess::kMach), 4);
}

void GasFlowDialog::showMediumResults() {
    using P = GasFlowProcess;
    writeNumber(port_, kIdGasFlowDensity, state_.property(gas::kDensity), 4);
    writeNumber(port_, kIdGasFlowViscosity, state_.property(gas::kViscosity), 4);
    if (process_.result(P::kDraft) != NOT_SET) {
        const AmbientData& ambient = process_.ambient();
        writeNumber(port_, kIdGasFlowDraft, process_.result(P::kDraft), 4);
        writeNumber(port_, kIdGasFlowAmbientDensity, ambient.result(AmbientData::kDensity), 4);
        writeNumber(port_, kIdGasFlowAtmosphericPressure,
                    ambient.result(AmbientData::kPressure) * 1000.0, 2);
    }
}

void GasFlowDialog::editAnalysis() {
    gas::GasAnalysis& analysis = analysis_;
    port_.runModal(kGasAnalysisTemplate, [&analysis](Port& childPort) {
        return std::make_unique<GasAnalysisDialog>(childPort, analysis);
    });
    refreshDisplays();
    port_.setText(kIdGasFlowName, analysis_.name());
    clearResults();
    const int kind = selectedFlowKind(port_, kGasFlowControls);
    for (int k = 0; k < kGasFlowControls.flowCount; ++k) {
        if (k != kind) {
            clearField(port_, kGasFlowControls.flowFields[static_cast<std::size_t>(k)]);
        }
    }
    clearField(port_, selectedSolveMode(port_) == 0 ? kIdFlowVelocity : kIdFlowWidth);
}

}  // namespace vaporis::ui
