#include "ui/thermal/gas_process_dialog.h"

#include <memory>

#include "ui/fields.h"
#include "ui/gas/gas_analysis_dialog.h"

namespace vaporis::ui {

namespace {

using processes::GasThermalProcess;
using P = GasThermalProcess;

constexpr ThermalDialogLayout kLayout{kGasProcessTemplate,        kGasProcessFlows,
                                      kGasProcessResults,         kIdGasResultP2,
                                      kIdGasResultCondensateFlow, output::ProcessMedium::kGas,
                                      "thermal process gases"};

constexpr double kGramsPerKilogram = 1000.0;

}  // namespace

GasProcessDialog::GasProcessDialog(Port& port, GasThermalProcess& process, gas::GasState& initial,
                                   gas::GasState& final, gas::GasAnalysis& analysis,
                                   project::SessionFlags& flags, output::TsDiagramSettings& diagram)
    : ThermalProcessDialog(port, process, flags, diagram, kLayout),
      initial_(initial),
      final_(final),
      analysis_(analysis) {}

void GasProcessDialog::refreshDisplays() {
    showDewPoint(port_, kIdProcessP1, kIdGasProcessDewPoint1, analysis_);
    showDewPoint(port_, kIdProcessP2, kIdGasProcessDewPoint2, analysis_);
}

void GasProcessDialog::showStates() {
    showGasInputs(port_, kIdProcessP1, kIdProcessT1, initial_);
    if (process_.type() == processes::kStateBalance) {
        showGasInputs(port_, kIdProcessP2, kIdProcessT2, final_);
    } else {
        writeInputNumber(port_, kIdProcessP2, final_.pressure());
    }
    port_.setText(kIdGasProcessName, analysis_.name());
}

bool GasProcessDialog::mediumCommand(int id) {
    if (id != kIdGasProcessEditAnalysis) {
        return false;
    }
    editAnalysis();
    return true;
}

void GasProcessDialog::enableFinalState(int type) {
    port_.setEnabled(kIdProcessT2, type == processes::kStateBalance);
}

void GasProcessDialog::readStates(int type, int& error) {
    initial_.setTemperature(readNumber(port_, kIdProcessT1, kNegativeAllowed, kNotEmpty, error));
    initial_.setPressure(readNumber(port_, kIdProcessP1, kNoNegatives, kNotEmpty, error));
    final_.setPressure(readNumber(port_, kIdProcessP2, kNoNegatives, kNotEmpty, error));
    if (type == processes::kStateBalance) {
        final_.setTemperature(readNumber(port_, kIdProcessT2, kNegativeAllowed, kNotEmpty, error));
    }
}

bool GasProcessDialog::pressuresAccepted() {
    return checkGasPressure(port_, initial_.pressure(), flags_) &&
           checkGasPressure(port_, final_.pressure(), flags_);
}

output::ProcessVerdict GasProcessDialog::verdict() const {
    return output::judgeGasProcess(process_);
}

void GasProcessDialog::showMediumResults() {
    showResult(kIdGasResultH1, initial_.property(gas::kEnthalpy));
    showResult(kIdGasResultH2, process_.finalProperty(gas::kEnthalpy));
    showResult(kIdGasResultMolarMass, analysis_.molarMass());
    showResult(kIdGasResultGasConstant, analysis_.gasConstantJ());
    if (process_.type() == processes::kIsentropicEfficiency) {
        showResult(kIdGasResultT2Isentropic, process_.result(P::kIsentropicTemperature));
    }
    showCondensate();
}

// Condensate in g per kg of gas and in g/s, at the end and after the heat loss.
void GasProcessDialog::showCondensate() {
    const auto grams = [this](int id, int slot) {
        showResult(id, process_.result(slot) * kGramsPerKilogram);
    };
    if (process_.condensedAtEnd()) {
        if (process_.fluxGiven()) {
            grams(kIdGasResultCondensateFlow, P::kCondensateFlow);
        }
        grams(kIdGasResultCondensate, P::kCondensate);
        if (process_.type() == processes::kStateBalance) {
            showResult(kIdGasResultCondensationHeat, process_.result(P::kCondensationHeat));
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
    clearResults();
    for (const FlowControl& flow : kGasProcessFlows) {
        if (!port_.checked(flow.radio)) {
            clearField(port_, flow.field);
        }
    }
}

}  // namespace vaporis::ui
