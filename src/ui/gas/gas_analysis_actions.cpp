#include "ui/gas/gas_analysis_actions.h"

#include <optional>
#include <string>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_analysis_file.h"
#include "output/format/file_path.h"
#include "output/messages/messages.h"
#include "output/reports/report_frame.h"
#include "ui/fields.h"
#include "ui/message_box.h"

namespace vaporis::ui {

namespace {

// The name buffer of an analysis: 127 characters and the terminating zero.
constexpr std::size_t kNameCapacity = gas::kMaxGasNameLength + 1;

void nameAfterFile(gas::GasAnalysis& analysis, const std::string& path) {
    analysis.setName(output::fileTitle(path, kNameCapacity));
}

}  // namespace

bool saveGasAnalysis(Port& port, gas::GasAnalysis& analysis) {
    if (!(analysis.massPercentSum() > 0.0)) {
        showMessage(port, output::MessageId::kComponentSumZero, output::kCaptionError);
        return false;
    }
    const std::optional<std::string> path = port.askSaveFileName(kGasFileQuestion);
    if (!path || path->empty()) {
        return false;
    }
    nameAfterFile(analysis, *path);
    if (fileExists(*path) &&
        !askMessage(port, output::MessageId::kFileExistsOverwrite, output::kCaptionWarning)) {
        return false;
    }
    if (const file::WriteOutcome outcome = gas::writeGasFile(analysis, output::pathFromUtf8(*path));
        !outcome) {
        port.message(output::notWrittenMessage(kGasFileNotWrittenText, outcome),
                     output::kCaptionError, MessageButtons::kOk);
        return false;
    }
    return true;
}

bool loadGasAnalysis(Port& port, gas::GasAnalysis& analysis) {
    const std::optional<std::string> path = port.askOpenFileName(kGasFileQuestion);
    if (!path || path->empty()) {
        return false;
    }
    return loadGasAnalysisFile(port, analysis, *path);
}

bool loadGasAnalysisFile(Port& port, gas::GasAnalysis& analysis, const std::string& path) {
    nameAfterFile(analysis, path);
    const gas::GasFileResult result = gas::readGasFile(analysis, output::pathFromUtf8(path));
    if (result != gas::GasFileResult::kOk) {
        port.message(output::readFailureText(result), output::kCaptionError, MessageButtons::kOk);
        return false;
    }
    return true;
}

}  // namespace vaporis::ui
