#include "ui/fields.h"

#include <filesystem>
#include <system_error>

#include "engine/common/not_set.h"
#include "engine/common/physical_constants.h"
#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/mixture.h"
#include "engine/water/saturation.h"
#include "engine/water/water_steam_state.h"
#include "output/catalogue/gas_properties.h"
#include "output/format/file_path.h"
#include "output/format/number_text.h"
#include "output/messages/gas_messages.h"
#include "output/messages/messages.h"
#include "project/session_flags.h"
#include "ui/message_box.h"
#include "ui/port.h"
#include "ui/window_units.h"

namespace vaporis::ui {

namespace {

constexpr int kDefaultDecimals = 4;
constexpr int kMaxDecimals = 6;
// A value shown in a unit many times larger than its written one keeps its digits up to here.
constexpr int kMaxConvertedDecimals = 10;
constexpr std::size_t kMaxFieldText = 255;
constexpr int kBoilingDecimals = 3;

constexpr FileQuestion kHtmlQuestion{"HTML files (*.html)", "*.html", "html"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The label that names the unit of a field's values.
std::string fieldLabel(const Port& port, int fieldId) {
    const std::string label = port.label(fieldId);
    return label.empty() ? port.templateLabel(fieldId) : label;
}

// readNumber without pointing the user at a wrong field.
double readField(const Port& port, int fieldId, bool allowNegative, bool allowEmpty, int& error) {
    std::string text = port.text(fieldId);
    if (text.size() > kMaxInputLength) {
        text.resize(kMaxInputLength);
    }
    const int check = checkNumberText(text);
    if (check == kNumberEmpty) {
        if (!allowEmpty) {
            error = kEmptyField;
        }
        return 0.0;
    }
    std::optional<double> value =
        check == kNumberValid ? output::parseDecimal(text) : std::optional<double>{};
    if (value) {
        value = writtenFieldValue(fieldLabel(port, fieldId), *value);
    }
    if (!value) {
        error = kNotANumber;
        return 0.0;
    }
    if (*value < 0.0 && !allowNegative) {
        error = kNegativeNumber;
    }
    return *value;
}

// The decimals of an input shown in another unit: the fewest from `least` on (a few more at
// most) whose text reads back as the value itself, so that 0.5 bar shows as -0.51325 barg and
// OK keeps 0.5 bar; `least` where no text of so few decimals is exact (psig of a bar value).
int exactDecimals(std::string_view label, double value, double shown, int least) {
    constexpr int kMoreForExactness = 3;
    for (int d = least; d <= std::min(least + kMoreForExactness, kMaxConvertedDecimals); ++d) {
        const std::optional<double> typed = output::parseDecimal(output::formatFixed(shown, d));
        const std::optional<double> back = typed ? writtenFieldValue(label, *typed) : typed;
        if (back && *back == value) {
            return d;
        }
    }
    return least;
}

// The value of a field for a display that must not complain: anything unreadable is 0.
double readLeniently(const Port& port, int fieldId) {
    int ignored = kNoInputError;
    return readField(port, fieldId, kNegativeAllowed, kEmptyAllowed, ignored);
}

}  // namespace

void writeInputNumber(Port& port, int fieldId, double value, int decimals) {
    // 0.045 mm shown in m keeps its digits: "0.0000450", not "0.0000" read back as none.
    const std::string label = fieldLabel(port, fieldId);
    const double shown = shownFieldValue(label, value);
    int places = shownDecimals(label, decimals, kMaxConvertedDecimals);
    if (shown != value) {
        places = exactDecimals(label, value, shown, places);
    }
    const std::string text = output::formatFixed(shown, places);
    port.setText(fieldId, std::string_view(text).substr(0, kMaxInputLength));
    port.setToolTip(fieldId, output::formatShortest(shown));
}

void writeGivenInput(Port& port, int fieldId, double value, bool given) {
    if (given) {
        writeInputNumber(port, fieldId, value);
    } else {
        clearField(port, fieldId);
    }
}

int checkNumberText(std::string& text) {
    if (text.empty()) {
        return kNumberEmpty;
    }
    bool separatorSeen = false;
    bool digitSeen = false;
    bool valid = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char& c = text[i];
        if (c == ',') {
            c = '.';
        }
        if (isDigit(c)) {
            digitSeen = true;
        } else if (c == '.' && !separatorSeen) {
            separatorSeen = true;
        } else if (!(c == '-' && i == 0)) {
            valid = false;
        }
    }
    return valid && digitSeen ? kNumberValid : kNumberInvalid;
}

double readNumber(const Port& port, int fieldId, bool allowNegative, bool allowEmpty, int& error) {
    const int before = error;
    const double value = readField(port, fieldId, allowNegative, allowEmpty, error);
    if (before == kNoInputError && error != kNoInputError) {
        port.focusField(fieldId);
    }
    return value;
}

void writeNumber(Port& port, int fieldId, double value, int decimals, bool repaintNow) {
    if (value == NOT_SET) {
        clearField(port, fieldId, repaintNow);
        return;
    }
    int shown = decimals >= 0 && decimals <= kMaxDecimals ? decimals : kDefaultDecimals;
    const std::string label = fieldLabel(port, fieldId);
    shown = shownDecimals(label, shown, kMaxConvertedDecimals);
    const double number = shownFieldValue(label, value);
    const std::string text = output::formatFixed(number, shown);
    port.setText(fieldId, std::string_view(text).substr(0, kMaxFieldText));
    port.setToolTip(fieldId, output::formatShortest(number));
    if (repaintNow) {
        port.repaintNow();
    }
}

void clearField(Port& port, int fieldId, bool repaintNow) {
    port.setText(fieldId, "");
    if (repaintNow) {
        port.repaintNow();
    }
}

int readRadio3(const Port& port, int idA, int idB, int idC, int codeA, int codeB, int codeC) {
    int code = 0;
    if (port.checked(idA)) {
        code = codeA;
    }
    if (port.checked(idB)) {
        code = codeB;
    }
    if (port.checked(idC)) {
        code = codeC;
    }
    return code;
}

void enableSteamInputs(Port& port, const SteamInputGroup& group, int mode) {
    port.setEnabled(group.fieldP, mode != water::kModeTX);
    port.setEnabled(group.fieldT, mode != water::kModePX);
    port.setEnabled(group.fieldX, mode != water::kModePT);
}

void showSteamInputGroup(Port& port, const SteamInputGroup& group,
                         const water::WaterSteamState& state) {
    const int mode = state.mode();
    port.setChecked(group.radioPT, mode == water::kModePT);
    port.setChecked(group.radioPX, mode == water::kModePX);
    port.setChecked(group.radioTX, mode == water::kModeTX);
    enableSteamInputs(port, group, mode);
    if (mode != water::kModeTX) {
        writeInputNumber(port, group.fieldP, state.pressure());
    }
    if (mode != water::kModePX) {
        writeInputNumber(port, group.fieldT, state.temperature());
    }
    if (mode != water::kModePT) {
        writeInputNumber(port, group.fieldX, state.quality());
    }
}

void showBoilingTemperature(Port& port, int fieldP, int fieldT, int targetField, int mode) {
    if (mode == water::kModePT || mode == water::kModePX) {
        const double p = readLeniently(port, fieldP);
        if (p >= kTriplePressure && p <= kCriticalPressure) {
            writeNumber(port, targetField, water::saturationTemperature(p), kBoilingDecimals);
        } else if (p > kCriticalPressure) {
            port.setText(targetField, "p > p_krit ");
        } else {
            port.setText(targetField, shownMessage(" < 0 °C"));
        }
    } else if (mode == water::kModeTX) {
        const double t = readLeniently(port, fieldT);
        if (t + kZeroCelsiusK < kCriticalTemperatureK) {
            writeNumber(port, targetField, t, kBoilingDecimals);
        } else {
            port.setText(targetField, "T > T_krit");
        }
    }
}

void showGasInputs(Port& port, int fieldP, int fieldT, const gas::GasState& state) {
    writeInputNumber(port, fieldP, state.pressure());
    writeInputNumber(port, fieldT, state.temperature());
}

void showDewPoint(Port& port, int fieldP, int targetField, const gas::GasAnalysis& analysis) {
    const double p = readLeniently(port, fieldP);
    const bool humid =
        analysis.massPercentSum() > 0.0 && analysis.volumeFraction(gas::kWaterVapor) > 0.0;
    if (!humid || !(p > 0.0 && p < kCriticalPressure)) {
        clearField(port, targetField);
        return;
    }
    const double t = gas::dewPoint(analysis, p);
    if (t == output::kNoDewPoint) {
        port.setText(targetField, shownMessage("  < 0 °C "));
    } else {
        writeNumber(port, targetField, t, output::gasProperty(gas::kDewPoint).decimals);
    }
}

bool checkGasPressure(Port& port, double p, project::SessionFlags& flags) {
    if (const std::optional<output::MessageId> refusal = output::gasPressureRefusal(p)) {
        showMessage(port, *refusal, output::kCaptionError);
        return false;
    }
    if (output::gasPressureDeviates(p) && flags.validityWarningFlag &&
        port.messageWithCheckBox(output::kGasPressureWarningTitle,
                                 shownMessage(output::kGasPressureWarningText),
                                 output::kDontShowAgainText)) {
        flags.validityWarningFlag = false;
    }
    return true;
}

bool fileExists(const std::string& path) {
    // Asked of the folder, not by opening: a file the program cannot read exists all the same,
    // and so does a link, dangling or not.
    std::error_code error;
    return std::filesystem::exists(
        std::filesystem::symlink_status(output::pathFromUtf8(path), error));
}

std::optional<std::string> askHtmlFileName(Port& port, std::string_view suggestedName) {
    FileQuestion question = kHtmlQuestion;
    question.suggestedName = suggestedName;
    return askNewFileName(port, question);
}

std::optional<std::string> askNewFileName(Port& port, const FileQuestion& question) {
    std::optional<std::string> path = port.askSaveFileName(question);
    if (!path || path->empty()) {
        return std::nullopt;
    }
    if (fileExists(*path) &&
        !askMessage(port, output::MessageId::kFileExistsOverwrite, output::kCaptionWarning)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace vaporis::ui
