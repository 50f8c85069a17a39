#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "output/units/units.h"

namespace vaporis::ui {

//! The units the windows read and show values in; the written ones until a choice is made.
[[nodiscard]] const output::UnitChoice& windowUnits();

//! Makes `choice` the units of the windows built from now on.
void setWindowUnits(const output::UnitChoice& choice);

//! Calls `keep` after each later setWindowUnits, so a choice outlives a run that does not end
//! normally.
void keepWindowUnitsWith(std::function<void()> keep);

//! The written unit a field's label names in brackets ("pressure p [bar] ="); null when it
//! names none or one the chosen units keep. A window writes absolute pressures in bar and
//! temperatures in °C, so "[mbar]" and "[Pa]" are pressure differences, "[K]" a temperature
//! difference.
[[nodiscard]] const output::Unit* convertedUnit(std::string_view label);

//! The written unit X a label names per unit, "[1/X]" ("compressibility chi [1/bar] ="), taken
//! as a difference; null when it names none or one the chosen units keep.
[[nodiscard]] const output::Unit* invertedUnit(std::string_view label);

//! A value written in the unit a field's label names, as the field shows it in the chosen one.
[[nodiscard]] double shownFieldValue(std::string_view label, double value);

//! A value typed in a field in the unit its label shows, in the written unit; nothing when it
//! lies beyond physics (below absolute zero, a gauge pressure below vacuum).
[[nodiscard]] std::optional<double> writtenFieldValue(std::string_view label, double value);

//! Decimals that show a value written with `decimals` in the unit of the label as finely in
//! the chosen unit: one more for each power of ten the shown value is smaller, at most
//! `maxDecimals`.
[[nodiscard]] int shownDecimals(std::string_view label, int decimals, int maxDecimals);

//! The unit a value written in `written` is shown in: the chosen one, a flow's with the time basis
//! of the written unit where the table has it ("lb/s" beside "kg/s" when lb/h is chosen).
[[nodiscard]] const output::Unit& windowUnit(const output::Unit& written);

//! A value written in `written` as the windows show it.
[[nodiscard]] double shownValue(double value, const output::Unit& written);

//! A value typed in the unit the windows show `written` in, in `written`; refused beyond physics
//! (below absolute zero, a gauge pressure below vacuum).
[[nodiscard]] output::Reading writtenValue(double value, const output::Unit& written);

//! A difference of values written in `written` (a step of a range) as the windows show it, and
//! one typed so in `written`.
[[nodiscard]] double shownDifference(double difference, const output::Unit& written);
[[nodiscard]] double writtenDifference(double difference, const output::Unit& written);

//! The label with the unit in its brackets replaced by the chosen one, without "absolute" for a
//! gauge pressure and with the values it names ("cpm, 0 °C to t") in the chosen units; as it is
//! with the written units.
[[nodiscard]] std::string shownLabel(std::string_view label);

//! A text of a window as shown: a label (shownLabel), a text of units alone ("kg/s - m³/s",
//! "bar, Pa") or prose naming values in written units ("up to 2000 °C"), in the chosen units.
[[nodiscard]] std::string shownText(std::string_view text);

//! A message with the values it names in written units ("< 0°C", "100 bar") in the chosen
//! units; as it is with the written units.
[[nodiscard]] std::string shownMessage(std::string_view text);

}  // namespace vaporis::ui
