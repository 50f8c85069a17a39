#include "ui/gas_analysis_actions.h"

#include <optional>
#include <string>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_analysis_file.h"
#include "ui/fields.h"
#include "ui/file_path.h"
#include "ui/messages.h"
#include "ui/report_frame.h"

namespace vaporis::ui {

namespace {

// The name buffer of an analysis: 127 characters and the terminating zero.
constexpr std::size_t kNameCapacity = gas::kMaxGasNameLength + 1;

void nameAfterFile(gas::GasAnalysis& analysis, const std::string& path) {
    analysis.setName(fileTitle(path, kNameCapacity));
}

}  // namespace

bool saveGasAnalysis(Port& port, gas::GasAnalysis& analysis) {
    if (!(analysis.massPercentSum() > 0.0)) {
        showMessage(port, MessageId::kComponentSumZero, kCaptionError);
        return false;
    }
    const std::optional<std::string> path = port.askSaveFileName(kGasFileQuestion);
    if (!path || path->empty()) {
        return false;
    }
    nameAfterFile(analysis, *path);
    if (fileExists(*path) && !askMessage(port, MessageId::kFileExistsOverwrite, kCaptionWarning)) {
        return false;
    }
    if (const file::WriteOutcome outcome = gas::writeGasFile(analysis, pathFromUtf8(*path));
        !outcome) {
        port.message(notWrittenMessage(kGasFileNotWrittenText, outcome), kCaptionError,
                     MessageButtons::kOk);
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
    const gas::GasFileResult result = gas::readGasFile(analysis, pathFromUtf8(path));
    if (result != gas::GasFileResult::kOk) {
        port.message(readFailureText(result), kCaptionError, MessageButtons::kOk);
        return false;
    }
    return true;
}

}  // namespace vaporis::ui
