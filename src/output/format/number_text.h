#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vaporis::output {

//! The value with `decimals` digits after the point, the digits C's printf("%.Nlf") gives,
//! always with a point whatever the user's locale ("inf", "nan" for non-finite values).
[[nodiscard]] std::string formatFixed(double value, int decimals);

//! The value in exponent notation with `decimals` digits after the point ("1.75000e-05").
[[nodiscard]] std::string formatScientific(double value, int decimals);

//! The shortest text that reads back as exactly the same value, with a point.
[[nodiscard]] std::string formatShortest(double value);

//! The value with `digits` significant digits, without trailing zeros after the point and
//! without an exponent ("1450.38", "0.088649", "100").
[[nodiscard]] std::string formatSignificant(double value, int digits);

//! The value of a decimal text with a point ("12.5", "-3", ".5", "7."); nothing when the
//! text is not entirely such a number (exponents, "inf" and "nan" are not). Never depends
//! on the locale.
[[nodiscard]] std::optional<double> parseDecimal(std::string_view text);

}  // namespace vaporis::output
