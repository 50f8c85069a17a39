#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "ui/property_catalogue.h"

namespace vaporis::app {

//! Two input columns a batch header may name, in the order the row writer takes them.
struct InputColumns {
    std::string_view first;
    std::string_view second;
};

//! What one command makes of a batch.
struct BatchCommand {
    //! Command name for error messages ("steam").
    std::string_view name;
    //! The column pairs the header may name (in either order); the index of the pair found
    //! is passed to writeRow.
    std::span<const InputColumns> accepted;
    //! The output header; it must have a "status" column.
    std::string_view outputHeader;
    //! Appends the fields of one output line (without its end) for the inputs of pair
    //! `pair`, in that pair's order.
    std::function<void(std::size_t pair, double first, double second, std::string& out)> writeRow;
};

//! The column of an output line that holds its status.
inline constexpr std::string_view kStatusColumn = "status";

//! An output header: the `leading` columns, then the key of every catalogue entry.
[[nodiscard]] std::string csvHeader(std::initializer_list<std::string_view> leading,
                                    std::span<const ui::PropertyEntry> catalogue);

//! Status written for an input line that does not hold two numbers.
inline constexpr std::string_view kInputErrorStatus = "input-error";

//! Appends "," and, when `valid`, the value with 17 significant digits.
void appendNextField(std::string& out, double value, bool valid);

//! Appends "," and the integer.
void appendNextField(std::string& out, int value);

//! Reads CSV from `in` line by line (a header naming an accepted pair, then one pair of
//! numbers per line; LF or CR LF; blank lines skipped) and writes one output line per input
//! line to `out`. A malformed line gives kInputErrorStatus with empty fields, and the batch
//! goes on. Throws ArgumentError for a missing or unknown header or an unwritable output.
void runBatch(std::FILE* in, std::FILE* out, const BatchCommand& command);

}  // namespace vaporis::app
