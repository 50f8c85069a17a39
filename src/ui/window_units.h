#pragma once

#include <functional>
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

//! Decimals that show a value written with `decimals` in `written` as finely in the chosen
//! unit: one more for each power of ten the chosen unit is larger, at most `maxDecimals`.
[[nodiscard]] int shownDecimals(const output::Unit& written, int decimals, int maxDecimals);

//! The label with the unit in its brackets replaced by the chosen one, and without "absolute"
//! for a gauge pressure; as it is when the unit stays.
[[nodiscard]] std::string shownLabel(std::string_view label);

}  // namespace vaporis::ui
