#include "app/project_actions.h"

#include <optional>

#include "app/project_file.h"
#include "ui/fields.h"
#include "ui/file_path.h"
#include "ui/messages.h"

namespace vaporis::app {
namespace {

using ui::kCaptionError;
using ui::MessageId;

void showReadFailure(ui::Port& port, ProjectResult result) {
    switch (result) {
        case ProjectResult::kFileNotFound:
            ui::showMessage(port, MessageId::kFileNotFound, kCaptionError);
            break;
        case ProjectResult::kNewerVersion:
            ui::showMessage(port, MessageId::kFileFromNewerVersion, kCaptionError);
            break;
        default:
            ui::showMessage(port, MessageId::kInvalidFileType, kCaptionError);
            break;
    }
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
    if (writeProjectFile(ui::pathFromUtf8(*path), objects) != ProjectResult::kOk) {
        port.message(kProjectNotWrittenText, kCaptionError, ui::MessageButtons::kOk);
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
    const ProjectResult result = readProjectFile(ui::pathFromUtf8(path), objects);
    if (result != ProjectResult::kOk) {
        showReadFailure(port, result);
        return false;
    }
    return true;
}

}  // namespace vaporis::app
