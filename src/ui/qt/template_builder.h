#pragma once

#include <map>

#include <QLabel>
#include <QWidget>

#include "ui/dialog_template.h"

namespace vaporis::ui {

//! One control of a built window; label is the text at the left of an edit field.
struct BuiltControl {
    ControlKind kind;
    QWidget* widget;
    QLabel* label = nullptr;
};

//! The addressable controls of a built window by control id.
using ControlMap = std::map<int, BuiltControl>;

//! Enables or disables a control. A disabled input field is disabled (Tab passes it by); a
//! disabled result or display field turns greyed but still lets its text be selected and copied.
void setControlEnabled(const BuiltControl& control, bool enabled);

//! Shows an input field as a result: read-only, in the result colours, out of the Tab chain.
void showControlAsResult(const BuiltControl& control);

//! Whether a control is enabled, as setControlEnabled left it.
[[nodiscard]] bool controlEnabled(const BuiltControl& control);

//! Builds the widgets of a template into window (which owns them all) with grid layouts
//! sized to the text in the window's font. Each control with an id gets the object name
//! "control<id>". Returns the controls that have an id.
ControlMap buildTemplate(const DialogTemplate& layout, QWidget& window);

}  // namespace vaporis::ui
