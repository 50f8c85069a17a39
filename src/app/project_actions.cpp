#include "app/project_actions.h"

#include <optional>

#include "output/format/file_path.h"
#include "output/messages/messages.h"
#include "output/reports/report_frame.h"
#include "project/project_file.h"
#include "ui/fields.h"
#include "ui/message_box.h"

namespace vaporis::app {
namespace {

using output::kCaptionError;
using output::MessageId;

void showReadFailure(ui::Port& port, const project::ProjectLoad& load) {
    const std::string text = load.result == project::ProjectResult::kImpossibleValue
                                 ? std::string(kImpossibleValueText) + std::string(load.field) + "."
                                 : std::string(output::readFailureText(load.result));
    port.message(text, output::kCaptionError, ui::MessageButtons::kOk);
}

}  // namespace

std::optional<std::string> saveProject(ui::Port& port, const project::ModuleObjects& objects) {
    const std::optional<std::string> path = port.askSaveFileName(kProjectFileQuestion);
    if (!path || path->empty()) {
        return std::nullopt;
    }
    if (ui::fileExists(*path) &&
        !ui::askMessage(port, output::MessageId::kFileExistsOverwrite, output::kCaptionWarning)) {
        return std::nullopt;
    }
    if (const file::WriteOutcome outcome =
            project::writeProjectFile(output::pathFromUtf8(*path), objects);
        !outcome) {
        port.message(output::notWrittenMessage(kProjectNotWrittenText, outcome),
                     output::kCaptionError, ui::MessageButtons::kOk);
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> loadProject(ui::Port& port, project::ModuleObjects& objects) {
    std::optional<std::string> path = port.askOpenFileName(kProjectFileQuestion);
    if (!path || path->empty() || !loadProjectFile(port, objects, *path)) {
        return std::nullopt;
    }
    return path;
}

bool loadProjectFile(ui::Port& port, project::ModuleObjects& objects, const std::string& path) {
    const project::ProjectLoad load = readProjectFile(output::pathFromUtf8(path), objects);
    if (load.result != project::ProjectResult::kOk) {
        showReadFailure(port, load);
        return false;
    }
    return true;
}

}  // namespace vaporis::app
