#include "app/project_actions.h"

#include <optional>

#include "app/project_file.h"
#include "ui/fields.h"
#include "ui/file_path.h"
#include "ui/messages.h"
#include "ui/report_frame.h"

namespace vaporis::app {
namespace {

using ui::kCaptionError;
using ui::MessageId;

void showReadFailure(ui::Port& port, const ProjectLoad& load) {
    const std::string text = load.result == ProjectResult::kImpossibleValue
                                 ? std::string(kImpossibleValueText) + std::string(load.field) + "."
                                 : std::string(ui::readFailureText(load.result));
    port.message(text, kCaptionError, ui::MessageButtons::kOk);
}

}  // namespace

std::optional<std::string> saveProject(ui::Port& port, const ModuleObjects& objects) {
    const std::optional<std::string> path = port.askSaveFileName(kProjectFileQuestion);
    if (!path || path->empty()) {
        return std::nullopt;
    }
    if (ui::fileExists(*path) &&
        !ui::askMessage(port, MessageId::kFileExistsOverwrite, ui::kCaptionWarning)) {
        return std::nullopt;
    }
    if (const file::WriteOutcome outcome = writeProjectFile(ui::pathFromUtf8(*path), objects);
        !outcome) {
        port.message(ui::notWrittenMessage(kProjectNotWrittenText, outcome), kCaptionError,
                     ui::MessageButtons::kOk);
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> loadProject(ui::Port& port, ModuleObjects& objects) {
    std::optional<std::string> path = port.askOpenFileName(kProjectFileQuestion);
    if (!path || path->empty() || !loadProjectFile(port, objects, *path)) {
        return std::nullopt;
    }
    return path;
}

bool loadProjectFile(ui::Port& port, ModuleObjects& objects, const std::string& path) {
    const ProjectLoad load = readProjectFile(ui::pathFromUtf8(path), objects);
    if (load.result != ProjectResult::kOk) {
        showReadFailure(port, load);
        return false;
    }
    return true;
}

}  // namespace vaporis::app
