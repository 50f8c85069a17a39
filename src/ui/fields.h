#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vaporis::water {
class WaterSteamState;
}

namespace vaporis::gas {
class GasAnalysis;
class GasState;
}  // namespace vaporis::gas

namespace vaporis::project {
struct SessionFlags;
}  // namespace vaporis::project

namespace vaporis::ui {

class Port;
struct FileQuestion;

//! Input error codes. The caller sets its code to kNoInputError before reading a group of
//! fields; a read changes it only when that field is wrong.
enum InputError : int {
    kNoInputError = 0,
    kNotANumber = 1,
    kEmptyField = 2,
    kNegativeNumber = 3,
};

//! Result of checkNumberText.
enum NumberTextCheck : int { kNumberValid = 0, kNumberInvalid = 1, kNumberEmpty = 2 };

//! Characters of an input field that are read; the Qt fields accept no more.
inline constexpr std::size_t kMaxInputLength = 9;

inline constexpr bool kNegativeAllowed = true;
inline constexpr bool kNoNegatives = false;
inline constexpr bool kEmptyAllowed = true;
inline constexpr bool kNotEmpty = false;

//! Whether `text` is a plain decimal number: digits, a "-" only as the first character and
//! at most one separator, "." or "," (commas are turned into points in place, also when the
//! text then proves invalid). A text without any digit ("-", ".") is no number.
[[nodiscard]] int checkNumberText(std::string& text);

//! The number in field `fieldId`, read from its first kMaxInputLength characters. Sets
//! `error` to kNotANumber or, unless `allowEmpty`, kEmptyField (returning 0.0), or to
//! kNegativeNumber for a negative value when `allowNegative` is false (returning the value).
//! The first wrong field of a group (error was kNoInputError) takes the keyboard focus.
[[nodiscard]] double readNumber(const Port& port, int fieldId, bool allowNegative, bool allowEmpty,
                                int& error);

//! Shows `value` with `decimals` (0..6; any other count gives 4) after the point, and up to 10
//! in a chosen unit that makes the number smaller, or an empty field for the no-value marker
//! 999.0. The field's tool tip holds the full value: the
//! shortest text that reads back as the same number.
void writeNumber(Port& port, int fieldId, double value, int decimals, bool repaintNow = false);

//! Empties a field.
void clearField(Port& port, int fieldId, bool repaintNow = false);

//! The code of the checked radio button of three (the last checked wins), 0 when none is.
[[nodiscard]] int readRadio3(const Port& port, int idA, int idB, int idC, int codeA, int codeB,
                             int codeC);

//! The controls of a water/steam input: mode radios and pressure, temperature and quality
//! fields.
struct SteamInputGroup {
    int radioPT;
    int radioPX;
    int radioTX;
    int fieldP;
    int fieldT;
    int fieldX;
};

//! Enables the two fields that input `mode` uses and disables the third (quality for
//! "p + t", temperature for "ps + x", pressure for "ts + x").
void enableSteamInputs(Port& port, const SteamInputGroup& group, int mode);

//! Checks the radio of the state's mode, enables its two fields and shows the state's
//! inputs in them (pressure [bar], temperature [°C], quality [-], 4 decimals, at most
//! kMaxInputLength characters).
void showSteamInputGroup(Port& port, const SteamInputGroup& group,
                         const water::WaterSteamState& state);

//! The boiling-temperature display beside a water/steam input: the saturation temperature
//! [°C] at the typed pressure (modes 0, 1) or the typed temperature itself (mode 2), with
//! 3 decimals, or a short note when the input lies beyond the saturation line. Unreadable
//! fields count as 0; another mode leaves the display as it is.
void showBoilingTemperature(Port& port, int fieldP, int fieldT, int targetField, int mode);

//! Shows an input number [bar, °C, kJ/kg] with `decimals` (4 unless given), at most
//! kMaxInputLength characters, as an input field holds it, and the full value as its tool tip
//! (a computed input such as the gas enthalpy). 999 is shown as typed: the no-value marker
//! belongs to result fields only.
void writeInputNumber(Port& port, int fieldId, double value, int decimals = 4);

//! An input field's value where it was given (999 too), an empty field where it was not.
void writeGivenInput(Port& port, int fieldId, double value, bool given);

//! Shows the pressure [bar] and temperature [°C] of a gas state in its input fields.
void showGasInputs(Port& port, int fieldP, int fieldT, const gas::GasState& state);

//! The H2O dew-point display beside a gas input: the dew point [°C] of the analysis at the
//! typed pressure with 3 decimals, "  < 0 °C " when the water would freeze out first, empty
//! for a dry or empty analysis and for a pressure outside 0 < p < 220.64 bar. An unreadable
//! pressure counts as 0.
void showDewPoint(Port& port, int fieldP, int targetField, const gas::GasAnalysis& analysis);

//! Whether the gas formulations may be used at p [bar]: not above 100 bar ("too high") nor
//! below 0.1 bar ("too low"). Between 0.1 and 0.5 bar and between 10 and 100 bar a warning
//! comes first, until "Don't show this message again" is ticked; then for the rest of the run.
[[nodiscard]] bool checkGasPressure(Port& port, double p, project::SessionFlags& flags);

//! Whether anything exists at `path` (UTF-8), readable or not: a file, folder or link.
[[nodiscard]] bool fileExists(const std::string& path);

//! Asks for the name of an HTML report, offering `suggestedName` (without extension); an
//! existing file is only taken after the user agreed to overwrite it. Nothing when the user
//! cancelled or declined.
[[nodiscard]] std::optional<std::string> askHtmlFileName(Port& port,
                                                         std::string_view suggestedName);

//! Asks for the name of a file to write; an existing file is only taken after the user
//! agreed to overwrite it. Nothing when the user cancelled or declined.
[[nodiscard]] std::optional<std::string> askNewFileName(Port& port, const FileQuestion& question);

}  // namespace vaporis::ui
