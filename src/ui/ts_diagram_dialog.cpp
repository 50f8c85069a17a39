#include "ui/ts_diagram_dialog.h"

#include <optional>
#include <string>

#include "engine/file/safe_write.h"
#include "ui/fields.h"
#include "ui/file_path.h"
#include "ui/messages.h"
#include "ui/report_frame.h"
#include "ui/svg_writer.h"

namespace vaporis::ui {

namespace {

constexpr std::array<int, 4> kRangeFields{kIdTsTMin, kIdTsTMax, kIdTsSMin, kIdTsSMax};
constexpr std::array<int, 4> kRangeDecimals{1, 1, 3, 3};
constexpr std::array<int, TsDiagramSettings::kStates> kStateBoxes{kIdTsStart, kIdTsEnd,
                                                                  kIdTsAfterLoss};
constexpr std::array<int, TsDiagramSettings::kStates> kValueBoxes{kIdTsStartValues, kIdTsEndValues,
                                                                  kIdTsAfterLossValues};

constexpr FileQuestion kSvgQuestion{"SVG files (*.svg)", "*.svg", "svg", "TS-diagram"};
constexpr FileQuestion kPngQuestion{"PNG files (*.png)", "*.png", "png", "TS-diagram"};

// Writes bytes to a file the user names; tells the user when that failed.
void askAndWrite(Port& port, const FileQuestion& question, const std::string& bytes) {
    const std::optional<std::string> path = askNewFileName(port, question);
    if (!path) {
        return;
    }
    if (bytes.empty()) {
        port.message(kReportNotWrittenText, kCaptionError, MessageButtons::kOk);
    } else if (const file::WriteOutcome outcome = file::writeFileSafely(pathFromUtf8(*path), bytes);
               !outcome) {
        port.message(notWrittenMessage(kReportNotWrittenText, outcome), kCaptionError,
                     MessageButtons::kOk);
    }
}

}  // namespace

void TsDiagramDialog::opened() {
    for (int i = 0; i < 4; ++i) {
        writeInputNumber(port_, kRangeFields[i], settings_.range(i), kRangeDecimals[i]);
    }
    port_.setEnabled(kIdTsPhaseChangeLine, hasSaturationLine());
    port_.setChecked(kIdTsPhaseChangeLine, hasSaturationLine() && settings_.phaseChangeLine);
    port_.setChecked(kIdTsIsobars, settings_.isobaricLines);
    for (int i = 0; i < TsDiagramSettings::kStates; ++i) {
        port_.setChecked(kStateBoxes[i], settings_.stateShown[i]);
        port_.setChecked(kValueBoxes[i], settings_.valuesShown[i]);
    }
    port_.setChecked(kIdTsChangeInState, settings_.changeInState);
    port_.draw(kIdTsCanvas, drawing(settings_));
}

void TsDiagramDialog::command(int id) {
    switch (id) {
        case kIdTsRedraw:
            redraw();
            break;
        case kIdTsSaveSvg:
            askAndWrite(port_, kSvgQuestion, toSvg(drawing(settings_)));
            break;
        case kIdTsSavePng:
            askAndWrite(port_, kPngQuestion, port_.encodePng(drawing(settings_)));
            break;
        case kIdTsBack:
            port_.endDialog(kIdTsBack);
            break;
        default:
            break;
    }
}

// Takes the ranges and options, or leaves the settings as they were when a range is refused.
void TsDiagramDialog::redraw() {
    std::array<double, 4> range{};
    int error = kNoInputError;
    for (int i = 0; i < 4; ++i) {
        range[i] = readNumber(port_, kRangeFields[i], kNegativeAllowed, kNotEmpty, error);
    }
    if (error != kNoInputError) {
        showMessage(port_, MessageId::kInputDataError, kCaptionError);
        return;
    }
    TsDiagramSettings asked = settings_;
    for (int i = 0; i < 4; ++i) {
        asked.setRange(i, range[i]);
    }
    if (!rangesValid(asked)) {
        showMessage(port_, MessageId::kTemperatureLimitsOutOfRange, kCaptionError);
        return;
    }
    for (int i = 0; i < 4; ++i) {
        settings_.setRange(i, range[i]);
    }
    if (hasSaturationLine()) {
        settings_.phaseChangeLine = port_.checked(kIdTsPhaseChangeLine);
    }
    settings_.isobaricLines = port_.checked(kIdTsIsobars);
    for (int i = 0; i < TsDiagramSettings::kStates; ++i) {
        settings_.stateShown[i] = port_.checked(kStateBoxes[i]);
        settings_.valuesShown[i] = port_.checked(kValueBoxes[i]);
    }
    settings_.changeInState = port_.checked(kIdTsChangeInState);
    port_.draw(kIdTsCanvas, drawing(settings_));
}

DisplayList SteamTsDiagramDialog::drawing(const TsDiagramSettings& settings) const {
    return steamTsDiagram(process_, settings);
}

bool SteamTsDiagramDialog::rangesValid(const TsDiagramSettings& settings) const {
    return rangesAccepted(process_, settings);
}

DisplayList GasTsDiagramDialog::drawing(const TsDiagramSettings& settings) const {
    return gasTsDiagram(process_, settings);
}

bool GasTsDiagramDialog::rangesValid(const TsDiagramSettings& settings) const {
    return rangesAccepted(process_, settings);
}

}  // namespace vaporis::ui
