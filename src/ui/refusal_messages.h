#pragma once

#include "processes/module_rules.h"
#include "ui/messages.h"

namespace vaporis::ui {

//! The message a dialog shows for a module's refused inputs: the state's own message for a
//! refused water/steam state, message 0 for a missing or unusable value.
[[nodiscard]] MessageId refusalMessage(const processes::Refusal& refusal);

}  // namespace vaporis::ui
