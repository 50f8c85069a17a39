#pragma once

#include "ui/dialog_template.h"

namespace vaporis::ui {

//! The modeless window "Range of validity / function abbreviations" (dialog 103). Its logic
//! is InformationDialog: it only shows texts, and its close box ends it, which for a modeless
//! window only hides it, so every dialog's validity button can show it again.
extern const DialogTemplate kValidityTemplate;

}  // namespace vaporis::ui
