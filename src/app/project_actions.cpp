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

bool saveProject(ui::Port& port, const ModuleObjects& objects) {
    const std::optional<std::string> path = port.askSaveFileName(kProjectFileQuestion);
    if (!path || path->empty()) {
        return false;
    }
    if (ui::fileExists(*path) &&
        !ui::askMessage(port, MessageId::kFileExistsOverwrite, ui::kCaptionWarning)) {
        return false;
    }
    if (const file::WriteOutcome outcome = writeProjectFile(ui::pathFromUtf8(*path), objects);
        !outcome) {
        port.message(ui::notWrittenMessage(kProjectNotWrittenText, outcome), kCaptionError,
                     ui::MessageButtons::kOk);
        return false;
    }
    return true;
}

bool loadProject(ui::Port& port, ModuleObjects& objects) {
    const std::optional<std::string> path = port.askOpenFileName(kProjectFileQuestion);
    if (!path || path->empty()) {
        return false;
    }
    return loadProjectFile(port, objects, *path);
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
