#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace vaporis::ui {

//! One argument of formatText: a text for "%s" or a number for "%.Nlf".
using FormatArgument = std::variant<std::string_view, double>;

//! Fills a printf-style format with its arguments, in order: "%s" takes a text, "%.Nlf"
//! (N = 0..9) a number with the digits printf gives, "%%" is a percent sign. Numbers never
//! follow the locale. A conversion whose argument is missing or of the other kind writes
//! nothing, so a wrong call shows as a gap, never as undefined behaviour.
[[nodiscard]] std::string formatText(std::string_view format,
                                     std::initializer_list<FormatArgument> arguments);

}  // namespace vaporis::ui
