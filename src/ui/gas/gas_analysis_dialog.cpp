#include "ui/gas/gas_analysis_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>

#include "output/messages/messages.h"
#include "ui/fields.h"
#include "ui/gas/gas_analysis_actions.h"
#include "ui/message_box.h"

namespace vaporis::ui {

namespace {

constexpr int kPercentDecimals = 5;
constexpr int kSumDecimals = 4;
// A negative typed into a component field is replaced by the stored value, rounded so that
// noise from the conversion between the bases does not show.
constexpr int kRestoreDecimals = 6;
// The sum of an analysis that needs no rescaling may miss 100 % by this much [%].
constexpr double kSumTolerance = 1e-4;
// Beyond this a scaled value has no decimals left to round.
constexpr double kLargestRounded = 9.0e18;

using Percentages = std::array<double, gas::kComponentCount>;

Percentages enteredPercentages(const gas::GasAnalysis& analysis) {
    Percentages values{};
    const auto entered = analysis.enteredPercents();
    std::copy(entered.begin(), entered.end(), values.begin());
    return values;
}

double enteredSum(const gas::GasAnalysis& analysis) {
    const auto entered = analysis.enteredPercents();
    return std::accumulate(entered.begin(), entered.end(), 0.0);
}

// VALUE (2424) for the component and mixing operations; nothing after telling the user to check it.
std::optional<double> readValue(Port& port, bool allowNegative) {
    int error = kNoInputError;
    const double value = readNumber(port, kIdValue, allowNegative, kNotEmpty, error);
    if (error != kNoInputError) {
        showMessage(port, output::MessageId::kCheckValue, output::kCaptionError);
        return std::nullopt;
    }
    return value;
}

}  // namespace

double roundDecimals(double x, int n) {
    const double scaled = x * std::pow(10.0, n);
    if (!(std::abs(scaled) < kLargestRounded)) {
        return x;
    }
    // Through an integer, so that a value that rounds to zero is +0 and never shows as "-0".
    auto k = static_cast<std::int64_t>(scaled);
    if (std::abs(scaled - static_cast<double>(k)) >= 0.5) {
        k += scaled > 0.0 ? 1 : -1;
    }
    return static_cast<double>(k) / std::pow(10.0, n);
}

GasAnalysisDialog::GasAnalysisDialog(Port& port, gas::GasAnalysis& analysis)
    : port_(port), analysis_(analysis) {}

void GasAnalysisDialog::opened() {
    refresh();
    for (int i = 0; i < gas::kComponentCount; ++i) {
        port_.setChecked(componentRadioId(i), i == gas::kDryAir);
    }
    port_.setText(kIdGasNotation, analysis_.name());
    refreshDisplays();
}

void GasAnalysisDialog::command(int id) {
    switch (id) {
        case kIdAnalysisOk:
            if (closeCheck()) {
                port_.endDialog(kIdAnalysisOk);
            }
            break;
        case kIdMassBasis:
        case kIdVolumeBasis:
            basisChosen(id == kIdVolumeBasis);
            break;
        case kIdDeleteAnalysis:
            deleteAnalysis();
            break;
        case kIdDryGas:
            dryGas();
            break;
        case kIdScaleTo100:
            scaleUp();
            break;
        case kIdChangeBy:
        case kIdChangeTo:
            changeComponent(id == kIdChangeBy);
            break;
        case kIdHumidify:
            humidify();
            break;
        case kIdMixMass:
        case kIdMixVolume:
            mix(id == kIdMixVolume);
            break;
        case kIdLoadAnalysis:
            load();
            break;
        case kIdSaveAnalysis:
            save();
            break;
        default:
            break;
    }
}

void GasAnalysisDialog::fieldEdited(int id) {
    const int component = id - componentFieldId(0);
    if (!gas::isComponentIndex(component)) {
        return;
    }
    Percentages values = enteredPercentages(analysis_);
    int error = kNoInputError;
    const double typed = readNumber(port_, id, kNoNegatives, kEmptyAllowed, error);
    const double previous = values[component];
    values[component] = typed;  // 0 for a text that is no number
    if (error == kNegativeNumber ||
        analysis_.setFromEnteredPercent(values) != gas::EditResult::EditOk) {
        writeNumber(port_, id, roundDecimals(previous, kRestoreDecimals), kPercentDecimals);
        return;
    }
    showSums();
    refreshDisplays();
}

void GasAnalysisDialog::refreshDisplays() {
    showDewPoint(port_, kIdAnalysisPressure, kIdAnalysisDewPoint, analysis_);
}

void GasAnalysisDialog::refresh() {
    showBasis();
    const Percentages values = enteredPercentages(analysis_);
    for (int i = 0; i < gas::kComponentCount; ++i) {
        writeNumber(port_, componentFieldId(i), values[i], kPercentDecimals);
    }
    showSums();
}

void GasAnalysisDialog::showBasis() {
    port_.setChecked(kIdMassBasis, !analysis_.isVolumeBasis());
    port_.setChecked(kIdVolumeBasis, analysis_.isVolumeBasis());
}

void GasAnalysisDialog::showSums() {
    const double sum = enteredSum(analysis_);
    writeNumber(port_, kIdPercentSum, sum, kSumDecimals);
    writeNumber(port_, kIdPercentDifference, roundDecimals(100.0 - sum, kSumDecimals),
                kSumDecimals);
}

GasAnalysisDialog::FieldsCheck GasAnalysisDialog::checkFields(bool showZeroMessage) {
    int error = kNoInputError;
    double sum = 0.0;
    for (int i = 0; i < gas::kComponentCount; ++i) {
        sum += readNumber(port_, componentFieldId(i), kNoNegatives, kEmptyAllowed, error);
    }
    if (error != kNoInputError) {
        showMessage(port_, output::MessageId::kCheckGasAnalysis, output::kCaptionError);
        return FieldsCheck::kUnreadable;
    }
    if (sum == 0.0) {
        if (showZeroMessage) {
            showMessage(port_, output::MessageId::kComponentSumZero, output::kCaptionError);
        }
        return FieldsCheck::kSumZero;
    }
    return FieldsCheck::kUsable;
}

bool GasAnalysisDialog::fieldsUsable() {
    return checkFields(true) == FieldsCheck::kUsable;
}

int GasAnalysisDialog::selectedComponent() const {
    int selected = -1;
    for (int i = 0; i < gas::kComponentCount; ++i) {
        if (port_.checked(componentRadioId(i))) {
            selected = i;
        }
    }
    return selected;
}

bool GasAnalysisDialog::closeCheck() {
    if (!fieldsUsable()) {
        return false;
    }
    const bool offHundred = std::abs(enteredSum(analysis_) - 100.0) > kSumTolerance;
    if (offHundred && analysis_.singleComponent() < 0 &&
        !askMessage(port_, output::MessageId::kScaleToHundredPercent, output::kCaptionWarning)) {
        return false;
    }
    analysis_.rescale();
    return true;
}

void GasAnalysisDialog::basisChosen(bool volumeBasis) {
    if (checkFields(false) == FieldsCheck::kUnreadable) {
        showBasis();  // the clicked radio goes back to the basis the analysis still has
        return;
    }
    if (volumeBasis != analysis_.isVolumeBasis()) {
        if (port_.checked(kIdSubstitute)) {
            analysis_.swapBasis();
        } else {
            analysis_.setVolumeBasis(volumeBasis);
            analysis_.rescale();
        }
    }
    changed();
}

void GasAnalysisDialog::deleteAnalysis() {
    analysis_.reset();
    changed();
}

void GasAnalysisDialog::dryGas() {
    if (fieldsUsable()) {
        analysis_.dry();
        changed();
    }
}

void GasAnalysisDialog::scaleUp() {
    if (fieldsUsable()) {
        analysis_.rescale();
        changed();
    }
}

void GasAnalysisDialog::changeComponent(bool byAmount) {
    if (!fieldsUsable()) {
        return;
    }
    // An amount may be taken away; a new fraction cannot be negative.
    const std::optional<double> value =
        readValue(port_, byAmount ? kNegativeAllowed : kNoNegatives);
    if (!value) {
        return;
    }
    const int component = selectedComponent();
    applied(byAmount ? analysis_.changeComponentBy(component, *value)
                     : analysis_.changeComponentTo(component, *value),
            output::MessageId::kCheckValue);
}

void GasAnalysisDialog::humidify() {
    if (analysis_.massFraction(gas::kWaterVapor) == 1.0) {
        showMessage(port_, output::MessageId::kWaterVaporOnly, output::kCaptionError);
        return;
    }
    if (!fieldsUsable()) {
        return;
    }
    int error = kNoInputError;
    const double t = readNumber(port_, kIdAnalysisTemperature, kNegativeAllowed, kNotEmpty, error);
    const double p = readNumber(port_, kIdAnalysisPressure, kNoNegatives, kNotEmpty, error);
    const double phi = readNumber(port_, kIdValue, kNoNegatives, kNotEmpty, error);
    if (error != kNoInputError || p == 0.0 || phi < 0.0 || phi > 100.0) {
        showMessage(port_, output::MessageId::kCheckPressureTemperatureValue,
                    output::kCaptionError);
        return;
    }
    applied(analysis_.humidify(p, t, phi), output::MessageId::kCheckPressureTemperatureValue);
}

void GasAnalysisDialog::mix(bool byVolume) {
    if (!fieldsUsable()) {
        return;
    }
    const std::optional<double> amount = readValue(port_, kNoNegatives);
    if (!amount) {
        return;
    }
    gas::GasAnalysis stored;
    if (!loadGasAnalysis(port_, stored)) {
        return;
    }
    applied(byVolume ? analysis_.mixVolume(stored, *amount) : analysis_.mixMass(stored, *amount),
            output::MessageId::kCheckValue);
}

void GasAnalysisDialog::load() {
    // The name follows the chosen file even when the file proves unreadable.
    loadGasAnalysis(port_, analysis_);
    changed();
    port_.setText(kIdGasNotation, analysis_.name());
}

void GasAnalysisDialog::save() {
    saveGasAnalysis(port_, analysis_);
    port_.setText(kIdGasNotation, analysis_.name());
}

void GasAnalysisDialog::applied(gas::EditResult result, output::MessageId badInputMessage) {
    if (result != gas::EditResult::EditOk) {
        showMessage(port_, output::editFailureMessage(result, badInputMessage),
                    output::kCaptionError);
        return;
    }
    changed();
}

void GasAnalysisDialog::changed() {
    refresh();
    refreshDisplays();
}

}  // namespace vaporis::ui
