#pragma once

#include <string_view>

#include "output/messages/messages.h"

namespace vaporis::ui {

class Port;

//! Shows a message in a modal box with an OK button.
void showMessage(Port& port, output::MessageId id, std::string_view caption);

//! Asks a message with Yes and No; true only for Yes.
[[nodiscard]] bool askMessage(Port& port, output::MessageId id, std::string_view caption);

}  // namespace vaporis::ui
