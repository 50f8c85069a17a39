#include "cli/output_options.h"

#include "cli/command_error.h"

namespace vaporis::app {

void writeHtmlIfAsked(const OutputOptions& output, const ui::ReportWriter& write) {
    if (!output.htmlPath.empty() && !write(output.htmlPath)) {
        throw ArgumentError("--html " + output.htmlPath + ": " +
                            std::string(ui::kReportNotWrittenText));
    }
}

}  // namespace vaporis::app
