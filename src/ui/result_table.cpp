#include "ui/result_table.h"

#include <optional>

#include "ui/fields.h"
#include "ui/port.h"
#include "ui/window_units.h"

namespace vaporis::ui {

namespace {

struct NameAndUnit {
    std::string name;
    std::string unit;
};

bool isField(ControlKind kind) {
    return kind == ControlKind::kEdit || kind == ControlKind::kReadOnlyEdit;
}

// The grid column of the field itself: an edit with a label has it one cell to the right.
int fieldColumn(const ControlEntry& entry) {
    return isField(entry.kind) && !entry.text.empty() ? entry.column + 1 : entry.column;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "pressure p1 [bar] =" is the name "pressure p1" and the unit "bar".
NameAndUnit splitLabel(std::string_view label) {
    label = trimmed(label);
    if (label.ends_with('=')) {
        label = trimmed(label.substr(0, label.size() - 1));
    }
    const std::size_t open = label.find('[');
    const std::size_t close = label.find(']', open);
    if (open == std::string_view::npos || close == std::string_view::npos) {
        return {std::string(label), {}};
    }
    std::string name(trimmed(label.substr(0, open)));
    if (const std::string_view rest = trimmed(label.substr(close + 1)); !rest.empty()) {
        name += ' ';
        name += rest;
    }
    return {name, std::string(label.substr(open + 1, close - open - 1))};
}

}  // namespace

std::string_view rowLabel(std::span<const ControlEntry> controls, const ControlEntry& field) {
    const ControlEntry* nearest = nullptr;
    for (const ControlEntry& entry : controls) {
        const bool names = entry.kind == ControlKind::kStatic ||
                           entry.kind == ControlKind::kRadio ||
                           (isField(entry.kind) && !entry.text.empty());
        if (names && entry.group == field.group && entry.row == field.row &&
            entry.column < field.column && (nearest == nullptr || entry.column > nearest->column)) {
            nearest = &entry;
        }
    }
    return nearest != nullptr ? nearest->text : std::string_view{};
}

namespace {

// The heading of the field's column: the nearest static text above it in its group.
std::string_view columnHeading(std::span<const ControlEntry> controls, const ControlEntry& field) {
    const ControlEntry* nearest = nullptr;
    for (const ControlEntry& entry : controls) {
        if (entry.kind == ControlKind::kStatic && entry.group == field.group &&
            entry.column == fieldColumn(field) && entry.row < field.row &&
            (nearest == nullptr || entry.row > nearest->row)) {
            nearest = &entry;
        }
    }
    return nearest != nullptr ? nearest->text : std::string_view{};
}

NameAndUnit fieldName(const Port& port, std::span<const ControlEntry> controls,
                      const ControlEntry& field) {
    const std::string label = port.label(field.id);
    NameAndUnit named = splitLabel(shownLabel(!label.empty()       ? std::string_view(label)
                                              : field.text.empty() ? rowLabel(controls, field)
                                                                   : field.text));
    if (const std::string_view heading = columnHeading(controls, field); !heading.empty()) {
        named.name += " (" + std::string(heading) + ")";
    }
    return named;
}

// A tab or line break inside a value (a gas's name) would split its row.
std::string cellText(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

// A number typed with a decimal comma is copied with a point, as every result is, so a
// spreadsheet reads each column alike; any other text stays as it is.
std::string valueText(std::string shown) {
    std::string number = shown;
    return checkNumberText(number) == kNumberValid ? number : shown;
}

}  // namespace

std::string resultTableText(const Port& port, std::span<const ControlEntry> controls) {
    std::string table;
    std::optional<std::string_view> group;
    for (const ControlEntry& entry : controls) {
        const std::string shown = port.text(entry.id);
        if (!isField(entry.kind) || entry.id == kStaticId || shown.empty()) {
            continue;
        }
        if (entry.group != group) {
            group = entry.group;
            if (!entry.group.empty()) {
                table += std::string(entry.group) + '\n';
            }
        }
        const std::string full = port.toolTip(entry.id);
        const NameAndUnit named = fieldName(port, controls, entry);
        table += named.name + '\t' + cellText(full.empty() ? valueText(shown) : full) + '\t' +
                 named.unit + '\n';
    }
    return table;
}

void copyResultTable(Port& port, const DialogTemplate& layout) {
    port.setClipboardText(resultTableText(port, layout.controls));
}

}  // namespace vaporis::ui
