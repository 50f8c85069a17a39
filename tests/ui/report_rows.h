#pragma once

#include <string>
#include <string_view>

namespace vaporis::test {

// The report rows, filled by C's own printf in the C locale: the reference that the report
// writers' locale-free formatting is held against.
inline constexpr const char* kInputRow =
    "<tr> \n <td width=350>%s</td><td> %.4lf %s </td><td width=55>%s</td>\n</tr>\n";
inline constexpr const char* kValueRow =
    "<tr>\n <td width=350>%s</td><td> %.5lf %s </td><td width=55>%s</td>\n</tr>\n";
inline constexpr const char* kSpacer = "&nbsp &nbsp &nbsp &nbsp";

//! `format` filled by snprintf with a label, a value and two texts.
[[nodiscard]] std::string printed(const char* format, const std::string& label, double value,
                                  const char* first, const char* second);

//! An empty row holding the spacer; `open` is its opening tag as written ("<tr>" or "<tr> ").
[[nodiscard]] std::string spacerRow(const char* open);

//! The start of a report with `title`, up to its first table.
[[nodiscard]] std::string reportStart(std::string_view title);

//! `text` with every line ending in CR LF, as report files hold it.
[[nodiscard]] std::string withCrLf(std::string_view text);

}  // namespace vaporis::test
