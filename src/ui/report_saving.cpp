#include "ui/report_saving.h"

#include <optional>
#include <string>

#include <fmt/printf.h>

#include "output/messages/messages.h"
#include "ui/fields.h"
#include "ui/port.h"

namespace vaporis::ui {

void askWriteAndOpenReport(Port& port, const output::ReportWriter& write,
                           std::string_view documentName) {
    const std::optional<std::string> path = askHtmlFileName(port, documentName);
    if (!path) {
        return;
    }
    if (const file::WriteOutcome outcome = write(*path); !outcome) {
        port.message(output::notWrittenMessage(output::kReportNotWrittenText, outcome),
                     output::kCaptionError, MessageButtons::kOk);
        return;
    }
    if (!port.openDocument(*path)) {
        port.message(fmt::sprintf(output::kReportNotOpenedFormat, *path), output::kCaptionWarning,
                     MessageButtons::kOk);
    }
}

}  // namespace vaporis::ui
