#include "ui/flow/gas_flow_dialog.h"

#include <memory>
#include <optional>
#include <string>

#include "engine/common/not_set.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "output/messages/messages.h"
#include "output/reports/flow_reports.h"
#include "output/reports/report_frame.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/status_codes.h"
#include "processes/tools/ambient_data.h"
#include "project/session_flags.h"
#include "ui/fields.h"
#include "ui/gas/gas_analysis_dialog.h"
#include "ui/message_box.h"
#include "ui/report_saving.h"

namespace vaporis::ui {

namespace {

using processes::AmbientData;
using processes::GasFlowProcess;

void tell(Port& port, const std::optional<output::FlowMessage>& message) {
    if (message) {
        port.message(message->text, message->caption, MessageButtons::kOk);
    }
}

}  // namespace

GasFlowDialog::GasFlowDialog(Port& port, GasFlowProcess& process, gas::GasState& state,
                             gas::GasAnalysis& analysis, project::SessionFlags& flags)
    : port_(port), process_(process), state_(state), analysis_(analysis), flags_(flags) {}

void GasFlowDialog::opened() {
    port_.setChecked(kIdFlowHtmlOutput, flags_.htmlOutputFlag);
    showGasInputs(port_, kIdGasFlowPressure, kIdGasFlowTemperature, state_);
    showFlowInputs(port_, kGasFlowControls, process_);
    const AmbientData& ambient = process_.ambient();
    const double height = process_.input(GasFlowProcess::kInHeightDifference);
    writeGivenInput(port_, kIdGasFlowHeightDifference, height,
                    process_.freeFlow() || height != NOT_SET);
    writeInputNumber(port_, kIdGasFlowAmbientTemperature, ambient.input(AmbientData::kTemperature));
    writeInputNumber(port_, kIdGasFlowHumidity, ambient.input(AmbientData::kRelativeHumidity));
    writeInputNumber(port_, kIdGasFlowLevel, ambient.input(AmbientData::kLevel));
    refreshDisplays();
    port_.setText(kIdGasFlowName, analysis_.name());
}

void GasFlowDialog::command(int id) {
    if (flowRadioClicked(port_, kGasFlowControls, id)) {
        return;
    }
    switch (id) {
        case kIdFlowOk:
            calculate();
            break;
        case kIdGasFlowEditAnalysis:
            editAnalysis();
            break;
        case kIdFlowValidity:
            port_.toggleValidityWindow();
            break;
        case kIdCopyTable:
            copyResultTable(port_, kGasFlowTemplate);
            break;
        case kIdFlowBack:
            back();
            break;
        default:
            break;
    }
}

void GasFlowDialog::refreshDisplays() {
    showDewPoint(port_, kIdGasFlowPressure, kIdGasFlowDewPoint, analysis_);
}

bool GasFlowDialog::readInputs() {
    int error = kNoInputError;
    state_.setTemperature(readNumber(port_, kIdGasFlowTemperature, kNoNegatives, kNotEmpty, error));
    state_.setPressure(readNumber(port_, kIdGasFlowPressure, kNoNegatives, kNotEmpty, error));
    readFlowInputs(port_, kGasFlowControls, process_, error);
    process_.setInput(GasFlowProcess::kInRoughness, readOptional(port_, kIdFlowRoughness, error));
    process_.setInput(GasFlowProcess::kInTubeLength, readOptional(port_, kIdFlowTubeLength, error));
    process_.setInput(GasFlowProcess::kInZeta, readOptional(port_, kIdFlowZeta, error));
    if (error != kNoInputError) {
        showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
        return false;
    }
    return !flowRefusedByRules(port_, process_);
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

void GasFlowDialog::calculate() {
    clearFields(port_, kIdGasFlowDensity, kIdGasFlowMach);
    const double timeFactor = selectedTimeFactor(port_);
    process_.reset();
    process_.setInput(GasFlowProcess::kInTimeFactor, timeFactor);
    if (!readInputs()) {
        return;
    }
    const output::AmbienceReading ambience = readAmbience();
    process_.setFreeFlow(ambience == output::AmbienceReading::kValid);
    const int status = process_.calculate();
    tell(port_, output::gasFlowMessage(process_));
    const bool succeeded = !processes::checkFlowResult(process_);
    if (succeeded) {
        tell(port_, output::freeFlowWarning(ambience, process_.ambient().status()));
    }
    if (!succeeded && status != processes::GasFlowStatus::kMachAbove1) {
        return;
    }
    showDerived();
    if (!succeeded) {
        return;
    }
    showResults();
    if (port_.checked(kIdFlowHtmlOutput)) {
        askWriteAndOpenReport(
            port_,
            [this](const std::string& path) { return output::writeGasFlowReport(path, process_); },
            "flow process gases");
    }
}

void GasFlowDialog::showDerived() {
    showDerivedFlows(port_, kGasFlowControls, process_);
    writeNumber(port_, kIdGasFlowMolarMass, analysis_.molarMass(), 4);
    writeNumber(port_, kIdGasFlowGasConstant, analysis_.gasConstantJ(), 4);
    writeNumber(port_, kIdGasFlowSonicVelocity, state_.property(gas::kSonicVelocity), 4);
    writeNumber(port_, kIdGasFlowMach, process_.result(GasFlowProcess::kMach), 4);
}

void GasFlowDialog::showResults() {
    using P = GasFlowProcess;
    writeNumber(port_, kIdGasFlowDensity, state_.property(gas::kDensity), 4);
    writeNumber(port_, kIdGasFlowTotalSection, process_.result(P::kTotalCrossSection), 4);
    writeNumber(port_, kIdGasFlowDynamicPressure, process_.result(P::kDynamicPressure), 4);
    writeNumber(port_, kIdGasFlowViscosity, state_.property(gas::kViscosity), 4);
    writeNumber(port_, kIdGasFlowLambda, process_.result(P::kLambda), 4);
    writeNumber(port_, kIdGasFlowSquareSide, process_.result(P::kSquareSide), 4);
    writeNumber(port_, kIdGasFlowReynolds, process_.result(P::kReynolds), 1);
    writeNumber(port_, kIdGasFlowFrictionDrop, process_.result(P::kFrictionDrop), 3);
    writeNumber(port_, kIdGasFlowZetaDrop, process_.result(P::kZetaDrop), 3);
    writeNumber(port_, kIdGasFlowTotalDrop, process_.result(P::kTotalDrop), 3);
    writeNumber(port_, kIdGasFlowHeatTransfer, process_.result(P::kHeatTransfer), 4);
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
    clearFields(port_, kIdGasFlowDensity, kIdGasFlowMach);
    const int kind = selectedFlowKind(port_, kGasFlowControls);
    for (int k = 0; k < kGasFlowControls.flowCount; ++k) {
        if (k != kind) {
            clearField(port_, kGasFlowControls.flowFields[static_cast<std::size_t>(k)]);
        }
    }
    clearField(port_, selectedSolveMode(port_) == 0 ? kIdFlowVelocity : kIdFlowWidth);
}

void GasFlowDialog::back() {
    flags_.htmlOutputFlag = port_.checked(kIdFlowHtmlOutput);
    port_.endDialog(kIdFlowBack);
}

}  // namespace vaporis::ui
