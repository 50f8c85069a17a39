#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "output/catalogue/property_catalogue.h"
#include "output/format/csv_line.h"

namespace vaporis::cli {

using output::CsvFormat;
using output::CsvLine;

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
    //! The output header, names joined by ","; it has the status and message columns.
    std::string_view outputHeader;
    //! Writes the fields of one output line for the inputs of pair `pair`, in that pair's
    //! order.
    std::function<void(std::size_t pair, double first, double second, CsvLine& line)> writeRow;
};

//! The column of an output line that holds its status, and the one beside it that says in
//! words what went wrong (empty for a good row).
inline constexpr std::string_view kStatusColumn = "status";
inline constexpr std::string_view kMessageColumn = "message";

//! An output header: the `leading` columns, then the key of every catalogue entry.
[[nodiscard]] std::string csvHeader(std::initializer_list<std::string_view> leading,
                                    std::span<const output::PropertyEntry> catalogue);

//! Status written for an input line that does not hold two numbers.
inline constexpr std::string_view kInputErrorStatus = "input-error";

//! Reads CSV from `in` line by line (a header naming an accepted pair, names in any case and
//! optionally followed by the column's own unit in brackets, then one pair of numbers per
//! line; LF or CR LF; fields may be quoted) and writes one output line per input line to
//! `out`, so that the rows stay aligned: a blank line gives a blank line, a malformed one its
//! input texts with kInputErrorStatus and a message. The rows are computed by `jobs` threads
//! (writeRow is called from several at once), the output in input order whatever their
//! number. Returns kExitSomeRowsFailed when a row failed, else kExitOk. Throws ArgumentError
//! for a missing or unknown header, a unit other than the column's, or an unwritable output.
[[nodiscard]] int runBatch(std::FILE* in, std::FILE* out, CsvFormat format,
                           const BatchCommand& command, std::size_t jobs);

}  // namespace vaporis::cli
