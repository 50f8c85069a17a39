#include "ui/thermal/ts_diagram_dialog.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "engine/file/safe_write.h"
#include "output/diagrams/diagram_file_writer.h"
#include "output/format/file_path.h"
#include "output/messages/messages.h"
#include "output/reports/report_frame.h"
#include "ui/fields.h"
#include "ui/message_box.h"
#include "ui/window_units.h"

namespace vaporis::ui {

namespace {

constexpr std::array<int, 4> kTsRangeFields{kIdTsTMin, kIdTsTMax, kIdTsSMin, kIdTsSMax};
constexpr std::array<int, 4> kHsRangeFields{kIdTsHMin, kIdTsHMax, kIdTsSMin, kIdTsSMax};
constexpr std::array<int, 4> kRangeDecimals{1, 1, 3, 3};
constexpr std::array<int, output::TsDiagramSettings::kStates> kStateBoxes{kIdTsStart, kIdTsEnd,
                                                                          kIdTsAfterLoss};
constexpr std::array<int, output::TsDiagramSettings::kStates> kValueBoxes{
    kIdTsStartValues, kIdTsEndValues, kIdTsAfterLossValues};

struct SaveButton {
    int id;
    FileQuestion question;
    output::DiagramFormat format;
};

constexpr auto kSaveButtons = std::to_array<SaveButton>({
    {kIdTsSaveSvg,
     {"SVG files (*.svg)", "*.svg", "svg", "TS-diagram"},
     output::DiagramFormat::kSvg},
    {kIdTsSavePng,
     {"PNG files (*.png)", "*.png", "png", "TS-diagram"},
     output::DiagramFormat::kPng},
    {kIdTsSavePdf,
     {"PDF files (*.pdf)", "*.pdf", "pdf", "TS-diagram"},
     output::DiagramFormat::kPdf},
});

// A temperature limit shown in K or °F keeps two decimals, so one of whole or tenth degrees
// Celsius reads back as it was (800 °C is 1073.15 K, not 1073.2).
int temperatureDecimals() {
    return windowUnits().unit(output::Quantity::kTemperature) != nullptr ? 2 : kRangeDecimals[0];
}

std::array<double, 4> rangesOf(const output::HsDiagramRanges& r) {
    return {r.hMin, r.hMax, r.sMin, r.sMax};
}

}  // namespace

void TsDiagramDialog::opened() {
    hs_ = hsRanges();
    for (int i = 0; i < 2; ++i) {
        writeInputNumber(port_, kTsRangeFields[i], settings_.range(i), temperatureDecimals());
        if (hasSaturationLine()) {
            writeInputNumber(port_, kHsRangeFields[i], rangesOf(hs_)[i], kRangeDecimals[i]);
        } else {
            port_.setText(kHsRangeFields[i], "");
        }
    }
    port_.setEnabled(kIdTsKindTs, hasSaturationLine());
    port_.setEnabled(kIdTsKindHs, hasSaturationLine());
    showKind(false);
    port_.setEnabled(kIdTsPhaseChangeLine, hasSaturationLine());
    port_.setChecked(kIdTsPhaseChangeLine, hasSaturationLine() && settings_.phaseChangeLine);
    port_.setChecked(kIdTsIsobars, settings_.isobaricLines);
    for (int i = 0; i < output::TsDiagramSettings::kStates; ++i) {
        port_.setChecked(kStateBoxes[i], settings_.stateShown[i]);
        port_.setChecked(kValueBoxes[i], settings_.valuesShown[i]);
    }
    port_.setChecked(kIdTsChangeInState, settings_.changeInState);
    port_.draw(kIdTsCanvas, shown());
}

void TsDiagramDialog::command(int id) {
    switch (id) {
        case kIdTsRedraw:
            redraw();
            break;
        case kIdTsKindTs:
        case kIdTsKindHs:
            if (hasSaturationLine()) {
                showKind(id == kIdTsKindHs);
                port_.draw(kIdTsCanvas, shown());
            }
            break;
        case kIdTsSaveSvg:
        case kIdTsSavePng:
        case kIdTsSavePdf:
            save(id);
            break;
        case kIdTsBack:
            port_.endDialog(kIdTsBack);
            break;
        default:
            break;
    }
}

// The fields of the other diagram's own axis rest; the entropy fields show this diagram's.
void TsDiagramDialog::showKind(bool hs) {
    hsShown_ = hs;
    port_.setChecked(kIdTsKindTs, !hs);
    port_.setChecked(kIdTsKindHs, hs);
    port_.setEnabled(kIdTsTMin, !hs);
    port_.setEnabled(kIdTsTMax, !hs);
    port_.setEnabled(kIdTsHMin, hs);
    port_.setEnabled(kIdTsHMax, hs);
    for (int i = 2; i < 4; ++i) {
        writeNumber(port_, kTsRangeFields[i], hs ? rangesOf(hs_)[i] : settings_.range(i),
                    kRangeDecimals[i]);
    }
}

output::DisplayList TsDiagramDialog::shown() const {
    return hsShown_ ? hsDrawing(settings_, hs_) : drawing(settings_);
}

// Renders the drawing in memory first, so a failed save leaves any old file as it was.
void TsDiagramDialog::save(int id) {
    const auto button = std::find_if(kSaveButtons.begin(), kSaveButtons.end(),
                                     [id](const SaveButton& b) { return b.id == id; });
    const std::optional<std::string> path = askNewFileName(port_, button->question);
    if (!path) {
        return;
    }
    const std::string bytes = output::diagramFile(shown(), button->format);
    if (bytes.empty()) {
        port_.message(kDiagramNotWrittenText, output::kCaptionError, MessageButtons::kOk);
    } else if (const file::WriteOutcome outcome =
                   file::writeFileSafely(output::pathFromUtf8(*path), bytes);
               !outcome) {
        port_.message(output::notWrittenMessage(kDiagramNotWrittenText, outcome),
                      output::kCaptionError, MessageButtons::kOk);
    }
}

bool TsDiagramDialog::readRanges(std::array<double, 4>& range) {
    const std::array<int, 4>& fields = hsShown_ ? kHsRangeFields : kTsRangeFields;
    int error = kNoInputError;
    for (int i = 0; i < 4; ++i) {
        range[i] = readNumber(port_, fields[i], kNegativeAllowed, kNotEmpty, error);
    }
    if (error != kNoInputError) {
        showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
        return false;
    }
    return true;
}

// Takes the ranges and options, or leaves the settings as they were when a range is refused.
void TsDiagramDialog::redraw() {
    std::array<double, 4> range{};
    if (!readRanges(range)) {
        return;
    }
    if (hsShown_) {
        const output::HsDiagramRanges asked{range[0], range[1], range[2], range[3]};
        if (!output::rangesAccepted(asked)) {
            showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
            return;
        }
        hs_ = asked;
    } else {
        output::TsDiagramSettings asked = settings_;
        for (int i = 0; i < 4; ++i) {
            asked.setRange(i, range[i]);
        }
        if (!rangesValid(asked)) {
            showMessage(port_, output::MessageId::kTemperatureLimitsOutOfRange,
                        output::kCaptionError);
            return;
        }
        for (int i = 0; i < 4; ++i) {
            settings_.setRange(i, range[i]);
        }
    }
    takeSwitches();
    port_.draw(kIdTsCanvas, shown());
}

void TsDiagramDialog::takeSwitches() {
    if (hasSaturationLine()) {
        settings_.phaseChangeLine = port_.checked(kIdTsPhaseChangeLine);
    }
    settings_.isobaricLines = port_.checked(kIdTsIsobars);
    for (int i = 0; i < output::TsDiagramSettings::kStates; ++i) {
        settings_.stateShown[i] = port_.checked(kStateBoxes[i]);
        settings_.valuesShown[i] = port_.checked(kValueBoxes[i]);
    }
    settings_.changeInState = port_.checked(kIdTsChangeInState);
}

output::DisplayList SteamTsDiagramDialog::drawing(const output::TsDiagramSettings& settings) const {
    return steamTsDiagram(process_, settings, windowUnits());
}

bool SteamTsDiagramDialog::rangesValid(const output::TsDiagramSettings& settings) const {
    return output::rangesAccepted(process_, settings);
}

output::HsDiagramRanges SteamTsDiagramDialog::hsRanges() const {
    return output::hsRangesFor(process_, windowUnits());
}

output::DisplayList SteamTsDiagramDialog::hsDrawing(const output::TsDiagramSettings& settings,
                                                    const output::HsDiagramRanges& ranges) const {
    return steamHsDiagram(process_, settings, ranges, windowUnits());
}

output::DisplayList GasTsDiagramDialog::drawing(const output::TsDiagramSettings& settings) const {
    return gasTsDiagram(process_, settings, windowUnits());
}

bool GasTsDiagramDialog::rangesValid(const output::TsDiagramSettings& settings) const {
    return output::rangesAccepted(process_, settings);
}

}  // namespace vaporis::ui
