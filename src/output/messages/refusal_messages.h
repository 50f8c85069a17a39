#pragma once

#include "output/messages/messages.h"
#include "processes/module_rules.h"

namespace vaporis::output {

//! The message a dialog shows for a module's refused inputs: the state's own message for a
//! refused water/steam state, message 0 for a missing or unusable value.
[[nodiscard]] MessageId refusalMessage(const processes::Refusal& refusal);

}  // namespace vaporis::output
