#include "ui/tools/tools_dialog.h"

#include <string>

#include <fmt/printf.h>

#include "engine/water/water_steam_state.h"
#include "output/messages/messages.h"
#include "output/messages/tools_messages.h"
#include "processes/module_rules.h"
#include "processes/status_codes.h"
#include "ui/fields.h"
#include "ui/window_units.h"

namespace vaporis::ui {

namespace {

using processes::AmbientData;
using processes::OutflowRefusal;

constexpr int kDecimals = 4;
constexpr std::string_view kLongCalculationText =
    "Notice: Please be aware of long calculation times for p > 100bar!";
constexpr std::string_view kDewPointBelowZero = " < 0 °C ";

constexpr auto kQuenchResults =
    std::to_array<int>({kIdQuenchSetH, kIdQuenchWaterFlow, kIdQuenchExitT, kIdQuenchExitFlow});
constexpr auto kOutflowResults = std::to_array<int>({
    kIdOutletP,
    kIdOutletT,
    kIdOutletTs,
    kIdOutletX,
    kIdOutletVelocity,
    kIdInletP,
    kIdInletT,
    kIdInletTs,
    kIdInletX,
    kIdInletVelocity,
    kIdTankT,
    kIdTankTs,
    kIdTankX,
    kIdOutflowLavalP,
    kIdOutflowLavalFlux,
    kIdOutflowMassFlow,
    kIdOutflowMassFlux,
    kIdOutflowFriction,
});

void showComposed(Port& port, std::string_view format, output::MessageId id) {
    port.message(fmt::sprintf(format, output::messageText(id)), output::kCaptionError,
                 MessageButtons::kOk);
}

void showText(Port& port, std::string_view text) {
    port.message(shownMessage(text), output::kCaptionError, MessageButtons::kOk);
}

void writePoint(Port& port, const processes::OutflowPoint& point, std::array<int, 5> ids) {
    writeNumber(port, ids[0], point.p, kDecimals);
    writeNumber(port, ids[1], point.t, kDecimals);
    writeNumber(port, ids[2], point.ts, kDecimals);
    writeNumber(port, ids[3], point.x, kDecimals);
    writeNumber(port, ids[4], point.velocity, kDecimals);
}

}  // namespace

ToolsDialog::ToolsDialog(Port& port, AmbientData& ambient) : port_(port), ambient_(ambient) {}

void ToolsDialog::opened() {
    writeInputNumber(port_, kIdToolsLevel, ambient_.input(AmbientData::kLevel));
    writeInputNumber(port_, kIdToolsHumidity, ambient_.input(AmbientData::kRelativeHumidity));
    writeInputNumber(port_, kIdToolsTemperature, ambient_.input(AmbientData::kTemperature));
    const processes::QuenchInputs quench;
    const processes::OutflowInputs outflow;
    for (const auto& [id, value] : std::to_array<std::pair<int, double>>({
             {kIdQuenchSteamP, quench.pSteam},
             {kIdQuenchSteamT, quench.tSteam},
             {kIdQuenchSteamFlow, quench.massFlowSteam},
             {kIdQuenchSetT, quench.tSet},
             {kIdQuenchWaterP, quench.pWater},
             {kIdQuenchWaterT, quench.tWater},
             {kIdQuenchExitP, quench.pExit},
             {kIdOutflowP0, outflow.p0},
             {kIdOutflowT0, outflow.t0},
             {kIdOutflowLength, outflow.length},
             {kIdOutflowDiameter, outflow.diameter},
             {kIdOutflowTankP, outflow.pTank},
             {kIdOutflowTubes, outflow.tubeCount},
         })) {
        writeInputNumber(port_, id, value, kDecimals);
    }
    writeInputNumber(port_, kIdOutflowSteps, outflow.steps, 0);
    for (const int id : {kIdNozzleAborted, kIdOutletAborted, kIdOutflowNotChoked}) {
        port_.setVisible(id, false);
    }
    refreshDisplays();
}

void ToolsDialog::command(int id) {
    if (running_) {
        cancelRequested_ = cancelRequested_ || id == kIdOutflowCancel;
        return;
    }
    switch (id) {
        case kIdAtmosphereCalculate:
            calculateAtmosphere();
            break;
        case kIdQuenchCalculate:
            calculateQuench();
            break;
        case kIdOutflowCalculate:
            calculateOutflow();
            break;
        case kIdCopyTable:
            copyResultTable(port_, kToolsTemplate);
            break;
        case kIdToolsBack:
            port_.endDialog(0);
            break;
        default:
            break;
    }
}

void ToolsDialog::refreshDisplays() {
    showBoilingTemperature(port_, kIdQuenchSteamP, kIdQuenchSteamT, kIdQuenchSteamTs,
                           water::kModePT);
    showBoilingTemperature(port_, kIdQuenchWaterP, kIdQuenchWaterT, kIdQuenchWaterTs,
                           water::kModePT);
    showBoilingTemperature(port_, kIdOutflowP0, kIdOutflowT0, kIdOutflowTs0, water::kModePX);
}

void ToolsDialog::calculateAtmosphere() {
    ambient_.reset();
    int error = kNoInputError;
    ambient_.setInput(AmbientData::kTemperature,
                      readNumber(port_, kIdToolsTemperature, kNegativeAllowed, kNotEmpty, error));
    ambient_.setInput(AmbientData::kRelativeHumidity,
                      readNumber(port_, kIdToolsHumidity, kNoNegatives, kNotEmpty, error));
    ambient_.setInput(AmbientData::kLevel,
                      readNumber(port_, kIdToolsLevel, kNegativeAllowed, kNotEmpty, error));
    if (error != kNoInputError ||
        processes::checkAmbient(ambient_, processes::MarkerMeaning::kNumber)) {
        showComposed(port_, output::kAtmosphereFormat, output::MessageId::kInputDataError);
        return;
    }
    const int status = ambient_.calculate();
    if (status != processes::kOk) {
        showText(port_, output::atmosphereMessageText(status));
        return;
    }
    writeNumber(port_, kIdAtmosphereP, ambient_.result(AmbientData::kPressure) * 1000.0, kDecimals);
    writeNumber(port_, kIdAtmosphereRho, ambient_.result(AmbientData::kDensity), kDecimals);
    writeNumber(port_, kIdAtmosphereDry, ambient_.result(AmbientData::kHumidityRatio) * 1000.0,
                kDecimals);
    writeNumber(port_, kIdAtmosphereWet, ambient_.result(AmbientData::kWaterMassFraction) * 1000.0,
                kDecimals);
    writeNumber(port_, kIdAtmosphereMoles,
                ambient_.result(AmbientData::kWaterMoleFraction) * 1000.0, kDecimals);
    const double dewPoint = ambient_.result(AmbientData::kDewPoint);
    if (dewPoint == -1.0) {
        port_.setText(kIdAtmosphereDewPoint, shownMessage(kDewPointBelowZero));
    } else {
        writeNumber(port_, kIdAtmosphereDewPoint, dewPoint, kDecimals);
    }
}

void ToolsDialog::calculateQuench() {
    for (const int id : kQuenchResults) {
        clearField(port_, id);
    }
    int error = kNoInputError;
    processes::QuenchInputs in;
    in.pSteam = readNumber(port_, kIdQuenchSteamP, kNoNegatives, kNotEmpty, error);
    in.tSteam = readNumber(port_, kIdQuenchSteamT, kNoNegatives, kNotEmpty, error);
    in.pWater = readNumber(port_, kIdQuenchWaterP, kNoNegatives, kNotEmpty, error);
    in.tWater = readNumber(port_, kIdQuenchWaterT, kNoNegatives, kNotEmpty, error);
    in.tSet = readNumber(port_, kIdQuenchSetT, kNoNegatives, kNotEmpty, error);
    in.massFlowSteam = readNumber(port_, kIdQuenchSteamFlow, kNoNegatives, kNotEmpty, error);
    in.pExit = readNumber(port_, kIdQuenchExitP, kNoNegatives, kNotEmpty, error);
    if (error != kNoInputError) {
        showComposed(port_, output::kQuenchFormat, output::MessageId::kInputDataError);
        return;
    }
    const processes::QuenchBalance out = processes::quenchCoolerBalance(in);
    for (const std::string& text : output::quenchWarningTexts(out)) {
        showText(port_, text);
    }
    if (out.refusal != processes::QuenchRefusal::kNone) {
        showText(port_, output::quenchRefusalText(out));
        return;
    }
    writeNumber(port_, kIdQuenchWaterFlow, out.massFlowWater, kDecimals);
    writeNumber(port_, kIdQuenchSetH, out.hSet, kDecimals);
    writeNumber(port_, kIdQuenchExitT, out.tExit, kDecimals);
    writeNumber(port_, kIdQuenchExitFlow, out.massFlowExit, kDecimals);
}

void ToolsDialog::calculateOutflow() {
    for (const int id : kOutflowResults) {
        clearField(port_, id);
    }
    clearField(port_, kIdOutflowError, true);
    for (const int id : {kIdNozzleAborted, kIdOutletAborted, kIdOutflowNotChoked}) {
        port_.setVisible(id, false);
    }
    int error = kNoInputError;
    processes::OutflowInputs in;
    in.p0 = readNumber(port_, kIdOutflowP0, kNoNegatives, kNotEmpty, error);
    in.t0 = readNumber(port_, kIdOutflowT0, kNoNegatives, kNotEmpty, error);
    in.length = readNumber(port_, kIdOutflowLength, kNoNegatives, kNotEmpty, error);
    in.diameter = readNumber(port_, kIdOutflowDiameter, kNoNegatives, kNotEmpty, error);
    in.pTank = readNumber(port_, kIdOutflowTankP, kNoNegatives, kNotEmpty, error);
    in.tubeCount = readNumber(port_, kIdOutflowTubes, kNoNegatives, kNotEmpty, error);
    in.steps =
        processes::outflowSteps(readNumber(port_, kIdOutflowSteps, kNoNegatives, kNotEmpty, error));
    if (error != kNoInputError || processes::checkOutflow(in)) {
        showComposed(port_, output::kOutflowFormat, output::MessageId::kInputDataError);
        return;
    }
    processes::OutflowCallbacks callbacks;
    callbacks.stepsReduced = [this](int steps) {
        writeInputNumber(port_, kIdOutflowSteps, steps, 0);
        showText(port_, output::stepsReducedText(steps));
    };
    callbacks.confirmLongCalculation = [this] {
        return port_.message(shownMessage(kLongCalculationText), output::kCaptionWarning,
                             MessageButtons::kOkCancel) == MessageAnswer::kOk;
    };
    callbacks.progress = [this](double relativeError, bool& cancel) {
        writeNumber(port_, kIdOutflowError, relativeError, kDecimals, true);
        port_.processInput();
        cancel = cancelRequested_;
    };
    running_ = true;
    cancelRequested_ = false;
    port_.setEnabled(kIdOutflowCancel, true);
    const processes::OutflowResult out = processes::criticalOutflow(in, callbacks);
    port_.setEnabled(kIdOutflowCancel, false);
    running_ = false;
    if (out.refusal != OutflowRefusal::kNone) {
        if (out.refusal != OutflowRefusal::kCancelled) {
            port_.message(output::outflowRefusalText(out.refusal, windowUnits()),
                          output::kCaptionError, MessageButtons::kOk);
        }
        clearField(port_, kIdOutflowError);
        return;
    }
    showOutflow(out);
}

void ToolsDialog::showOutflow(const processes::OutflowResult& out) {
    port_.setVisible(kIdNozzleAborted, out.nozzleIterationAborted);
    port_.setVisible(kIdOutletAborted, out.outletIterationAborted);
    port_.setVisible(kIdOutflowNotChoked, !out.choked);
    writePoint(port_, out.outlet,
               {kIdOutletP, kIdOutletT, kIdOutletTs, kIdOutletX, kIdOutletVelocity});
    writePoint(port_, out.inlet, {kIdInletP, kIdInletT, kIdInletTs, kIdInletX, kIdInletVelocity});
    writeNumber(port_, kIdOutflowMassFlow, out.massFlow, kDecimals);
    writeNumber(port_, kIdOutflowFriction, out.friction, kDecimals);
    writeNumber(port_, kIdOutflowMassFlux, out.massFlux, kDecimals);
    writeNumber(port_, kIdTankX, out.tankX, kDecimals);
    writeNumber(port_, kIdTankT, out.tankT, kDecimals);
    writeNumber(port_, kIdTankTs, out.tankTs, kDecimals);
    writeNumber(port_, kIdOutflowLavalP, out.pLaval, kDecimals);
    writeNumber(port_, kIdOutflowLavalFlux, out.gLaval, kDecimals);
}

}  // namespace vaporis::ui
