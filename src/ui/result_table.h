#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/dialog_template.h"

namespace vaporis::ui {

class Port;

//! Control id of the "copy table" button of a results window.
inline constexpr int kIdCopyTable = 1090;
inline constexpr std::string_view kCopyTableText = "copy table";

//! What a window shows, as rows that paste into a spreadsheet: each group's caption on a row
//! of its own, then one row "label<TAB>value<TAB>unit" per field that shows a value, in the
//! order of the template. The value is the field's full value (its tool tip) where it has
//! one, else its text; label and unit come from the field's label ("density rho [kg/m³] =");
//! a field without a label of its own is named after its row and the heading of its column
//! ("specific enthalpy h (saturated liquid ')").
[[nodiscard]] std::string resultTableText(const Port& port, std::span<const ControlEntry> controls);

//! The text that names the row of an unlabelled field: the nearest label, static text or radio
//! button at its left in its group.
[[nodiscard]] std::string_view rowLabel(std::span<const ControlEntry> controls,
                                        const ControlEntry& field);

//! Puts the resultTableText of the window on the clipboard.
void copyResultTable(Port& port, const DialogTemplate& layout);

}  // namespace vaporis::ui
