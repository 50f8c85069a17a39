#pragma once

#include <string_view>

namespace vaporis::ui {

class Port;

inline constexpr std::string_view kCaptionError = "Error";
inline constexpr std::string_view kCaptionWarning = "Warning";

//! Number of texts in the message table (0 to 43).
inline constexpr int kMessageCount = 44;

//! The text of message `number` (UTF-8); empty for a number outside 0..43.
[[nodiscard]] std::string_view messageText(int number);

//! Shows message `number` in a modal box with an OK button.
void showMessage(Port& port, int number, std::string_view caption);

//! Asks message `number` with Yes and No; true only for Yes.
[[nodiscard]] bool askMessage(Port& port, int number, std::string_view caption);

}  // namespace vaporis::ui
