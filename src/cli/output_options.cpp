#include "cli/output_options.h"

#include <algorithm>
#include <array>
#include <utility>

#include "cli/command_error.h"
#include "cli/json_output.h"
#include "cli/parallel_rows.h"
#include "cli/text_table.h"

namespace vaporis::cli {

void writeHtmlIfAsked(const OutputOptions& output, const output::ReportWriter& write) {
    if (output.htmlPath.empty()) {
        return;
    }
    if (const file::WriteOutcome outcome = write(output.htmlPath); !outcome) {
        throw notWritten("--html " + output.htmlPath, outcome);
    }
}

ArgumentError notWritten(const std::string& what, const file::WriteOutcome& outcome) {
    return ArgumentError(what + " could not be written: " + outcome.cause());
}

std::size_t batchJobs(const OutputOptions& output) {
    return output.jobs > 0 ? output.jobs : defaultJobs();
}

CsvFormat csvFormat(const OutputOptions& output) {
    constexpr auto kDelimiters = std::to_array<std::pair<std::string_view, char>>({
        {",", ','},
        {";", ';'},
        {"|", '|'},
        {"tab", '\t'},
        {"\t", '\t'},
        {"\\t", '\t'},
    });
    CsvFormat format{output.decimalComma ? ';' : ',', output.decimalComma};
    if (!output.delimiter.empty()) {
        const auto* const found =
            std::find_if(kDelimiters.begin(), kDelimiters.end(),
                         [&output](const auto& entry) { return entry.first == output.delimiter; });
        if (found == kDelimiters.end()) {
            throw ArgumentError("--delimiter must be \",\", \";\", \"|\" or tab, not \"" +
                                output.delimiter + "\"");
        }
        format.delimiter = found->second;
    }
    if (format.decimalComma && format.delimiter == ',') {
        throw ArgumentError("--decimal-comma needs another --delimiter than \",\"");
    }
    return format;
}

int reportRefusal(bool json, int status, std::string_view message) {
    if (json) {
        printJson({{"status", status}, {"message", std::string(message)}});
    } else {
        writeText(stderr, std::string(message) + '\n');
    }
    return kExitInputStatus;
}

}  // namespace vaporis::cli
