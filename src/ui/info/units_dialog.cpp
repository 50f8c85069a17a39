#include "ui/info/units_dialog.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "output/messages/messages.h"
#include "output/units/units.h"
#include "ui/fields.h"
#include "ui/window_units.h"

namespace vaporis::ui {
namespace {

using output::Quantity;

constexpr std::string_view kPresetGroup = "units";
constexpr std::string_view kQuantityGroup = "unit of each quantity (empty: as written)";
constexpr int kQuantityRows = 11;
constexpr double kMaxReference = 10.0;  // bar

constexpr std::array<int, output::kPresetNames.size()> kPresetRadios{kIdUnitsWritten, kIdUnitsSiMpa,
                                                                     kIdUnitsUs};

constexpr std::array<std::string_view, output::kQuantityCount> kQuantityLabels{
    "pressure p =",
    "pressure difference dp =",
    "temperature t =",
    "temperature difference dt =",
    "specific enthalpy h =",
    "specific entropy, heat capacity =",
    "specific volume v =",
    "density rho =",
    "mass flow =",
    "volume flow =",
    "normal volume flow =",
    "power, heat flow =",
    "velocity w =",
    "length l =",
    "area A =",
    "dynamic viscosity eta =",
    "kinematic viscosity nu =",
    "thermal conductivity lambda =",
    "heat-transfer coefficient alpha =",
    "surface tension sigma =",
    "mass flux G =",
    "diameter, width d =",
};

constexpr std::size_t kFixedControls = 9;

constexpr auto makeControls() {
    std::array<ControlEntry, kFixedControls + output::kQuantityCount> controls{{
        {kStaticId, ControlKind::kGroup, kPresetGroup, 0, 0, "", 2},
        {kIdUnitsWritten, ControlKind::kRadio, "as written (bar, °C, kJ/kg, kg/s, kW, mm, ...)", 0,
         0, kPresetGroup},
        {kIdUnitsSiMpa, ControlKind::kRadio, "SI with MPa (MPa, K, kJ/kg, kg/s, kW, m, ...)", 1, 0,
         kPresetGroup},
        {kIdUnitsUs, ControlKind::kRadio,
         "US customary (psia, °F, BTU/lb, lb/h, BTU/h, ft, in, ...)", 2, 0, kPresetGroup},
        {kIdUnitsReference, ControlKind::kEdit, "reference of gauge pressures (bar) =", 3, 0,
         kPresetGroup},
        {kStaticId, ControlKind::kGroup, kQuantityGroup, 1, 0, "", 2},
        {kStaticId, ControlKind::kStatic, "Gauge pressures: barg, mbarg, kPag, MPag, psig, atmg.",
         kQuantityRows, 0, kQuantityGroup, 4},
        {kIdUnitsOk, ControlKind::kButton, "OK", 2, 0, ""},
        {kIdUnitsBack, ControlKind::kButton, "back", 2, 1, ""},
    }};
    for (int i = 0; i < output::kQuantityCount; ++i) {
        controls[kFixedControls + static_cast<std::size_t>(i)] = {
            kIdUnitsFirstQuantity + i,
            ControlKind::kEdit,
            kQuantityLabels[static_cast<std::size_t>(i)],
            i % kQuantityRows,
            2 * (i / kQuantityRows),
            kQuantityGroup};
    }
    return controls;
}

constexpr auto kControls = makeControls();

// Characters of a UTF-8 text.
std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return count;
}

// The spelling of a unit that fits a field: its symbol, or its first other spelling.
std::string_view fieldSpelling(const output::Unit& unit) {
    if (characters(unit.symbol) <= kMaxInputLength || unit.alias.empty()) {
        return unit.symbol;
    }
    return unit.alias.substr(0, unit.alias.find('|'));
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

const DialogTemplate kUnitsTemplate{120, "TORVIK - units", kControls, kIdUnitsBack, kIdUnitsOk};

void UnitsDialog::opened() {
    const output::UnitChoice& choice = windowUnits();
    for (std::size_t k = 0; k < kPresetRadios.size(); ++k) {
        port_.setChecked(kPresetRadios[k],
                         output::presetChoice(output::kPresetNames[k])->units == choice.units);
    }
    showUnits(choice);
    writeInputNumber(port_, kIdUnitsReference, choice.referencePressure, 5);
}

void UnitsDialog::command(int id) {
    if (id == kIdUnitsBack) {
        port_.endDialog(kIdUnitsBack);
    } else if (id == kIdUnitsOk) {
        accept();
    }
    for (std::size_t k = 0; k < kPresetRadios.size(); ++k) {
        if (id == kPresetRadios[k]) {
            showUnits(*output::presetChoice(output::kPresetNames[k]));
        }
    }
}

void UnitsDialog::showUnits(const output::UnitChoice& choice) {
    for (int i = 0; i < output::kQuantityCount; ++i) {
        const output::Unit* unit = choice.unit(static_cast<Quantity>(i));
        port_.setText(kIdUnitsFirstQuantity + i, unit != nullptr ? fieldSpelling(*unit) : "");
    }
}

void UnitsDialog::accept() {
    output::UnitChoice choice;
    int error = kNoInputError;
    choice.referencePressure = readNumber(port_, kIdUnitsReference, kNoNegatives, kNotEmpty, error);
    if (error != kNoInputError || !(choice.referencePressure > 0.0) ||
        choice.referencePressure > kMaxReference) {
        port_.focusField(kIdUnitsReference);
        port_.message("The reference of gauge pressures must lie above 0 and at most 10 bar.",
                      output::kCaptionError, MessageButtons::kOk);
        return;
    }
    for (int i = 0; i < output::kQuantityCount; ++i) {
        const auto quantity = static_cast<Quantity>(i);
        const std::string text = trimmed(port_.text(kIdUnitsFirstQuantity + i));
        const output::Unit* unit = text.empty() ? nullptr : output::findUnit(quantity, text);
        if (!text.empty() && unit == nullptr) {
            port_.focusField(kIdUnitsFirstQuantity + i);
            port_.message("\"" + text + "\" is no unit of " +
                              std::string(output::quantityName(quantity)) + ".",
                          output::kCaptionError, MessageButtons::kOk);
            return;
        }
        choice.units[static_cast<std::size_t>(i)] = unit;
    }
    setWindowUnits(choice);
    port_.endDialog(kIdUnitsOk);
}

}  // namespace vaporis::ui
