#include "ui/message_box.h"

#include "ui/port.h"
#include "ui/window_units.h"

namespace vaporis::ui {

using output::MessageId;
using output::messageText;

void showMessage(Port& port, output::MessageId id, std::string_view caption) {
    port.message(shownMessage(messageText(id)), caption, MessageButtons::kOk);
}

bool askMessage(Port& port, output::MessageId id, std::string_view caption) {
    return port.message(shownMessage(messageText(id)), caption, MessageButtons::kYesNo) ==
           MessageAnswer::kYes;
}

}  // namespace vaporis::ui
