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

//! Enables or disables a control. A disabled field still lets its text be selected and
//! copied (a computed input, a display): it turns read-only and greyed instead.
void setControlEnabled(const BuiltControl& control, bool enabled);

//! Whether a control is enabled, as setControlEnabled left it.
[[nodiscard]] bool controlEnabled(const BuiltControl& control);

//! Builds the widgets of a template into window (which owns them all) with grid layouts
//! sized to the text in the window's font. Each control with an id gets the object name
//! "control<id>". Returns the controls that have an id.
ControlMap buildTemplate(const DialogTemplate& layout, QWidget& window);

}  // namespace vaporis::ui
