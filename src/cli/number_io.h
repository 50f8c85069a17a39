#pragma once

#include <optional>
#include <string_view>

namespace vaporis::cli {

//! The text without leading and trailing blanks and tabs.
[[nodiscard]] std::string_view trimBlanks(std::string_view text);

//! The finite number a whole text spells, with a point and optionally an exponent ("1e-3"),
//! whatever the locale; nothing for anything else ("", "1,5", "nan", "inf", "12abc").
[[nodiscard]] std::optional<double> parseNumber(std::string_view text);

}  // namespace vaporis::cli
