#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/command_error.h"
#include "cli/csv_batch.h"
#include "engine/file/safe_write.h"
#include "output/reports/report_frame.h"

namespace vaporis::cli {

//! How a command presents its result; shared by every command.
struct OutputOptions {
    bool json = false;          //!< one JSON object instead of the text table
    std::string htmlPath;       //!< also write the HTML report there (empty: none)
    bool batch = false;         //!< CSV from stdin to stdout instead of one state
    std::string delimiter;      //!< of the CSV fields: ",", ";", "|" or "tab"; empty: the default
    bool decimalComma = false;  //!< CSV numbers with a decimal comma
    unsigned jobs = 0;          //!< threads of a batch or table; 0: one per core
};

//! The threads a batch or table runs on.
[[nodiscard]] std::size_t batchJobs(const OutputOptions& output);

//! The CSV format output asks for; a decimal comma makes ";" the default delimiter. Throws
//! ArgumentError for an unknown delimiter or a decimal comma with the delimiter ",".
[[nodiscard]] CsvFormat csvFormat(const OutputOptions& output);

//! Tells that a state was refused: with `json` a JSON object {"status", "message"} on stdout,
//! else the message on stderr. Returns kExitInputStatus.
[[nodiscard]] int reportRefusal(bool json, int status, std::string_view message);

//! Writes the report with `write` when output asks for one. Throws ArgumentError naming the
//! file when it could not be written.
void writeHtmlIfAsked(const OutputOptions& output, const output::ReportWriter& write);
//! The error of a failed save: what was written (an option and its file) and the cause.
[[nodiscard]] ArgumentError notWritten(const std::string& what, const file::WriteOutcome& outcome);

}  // namespace vaporis::cli
