#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/format/csv_line.h"

namespace vaporis::cli {

//! Splits a CSV line into its blank-trimmed fields after RFC 4180: a field in double quotes
//! may hold the delimiter ("10,5" in a decimal-comma file) and "" for a quote. Quoted fields
//! are unquoted into `unquoted`, which the views in `fields` may point into. Returns false
//! when a quote is not closed or is followed by more than blanks before the next delimiter.
[[nodiscard]] bool splitCsvFields(std::string_view line, char delimiter, std::string& unquoted,
                                  std::vector<std::string_view>& fields);

//! A header field: the name in lower case and the unit in brackets after it, if any
//! ("P [bar]" is "p" in "bar").
struct HeaderColumn {
    std::string name;
    std::optional<std::string> unit;
};

[[nodiscard]] HeaderColumn headerColumn(std::string_view field);

//! Whether a unit written in a header is `expected`, in any case and spacing; a degree sign
//! may be in UTF-8 or Latin-1 ("°C", "°c", "\xB0C").
[[nodiscard]] bool sameUnit(std::string_view written, std::string_view expected);

//! The number a field spells in the format: a decimal comma file refuses a point, which
//! there would be a thousands mark.
[[nodiscard]] std::optional<double> parseCsvNumber(std::string_view field,
                                                   output::CsvFormat format);

//! The start of a rejected text for a message, control characters shown as "?": a NUL would
//! end the message early, an escape sequence would reach the terminal.
[[nodiscard]] std::string excerpt(std::string_view text);

}  // namespace vaporis::cli
