#include "app/main_menu.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/module_registry.h"
#include "app/project_actions.h"
#include "output/format/file_path.h"
#include "output/messages/messages.h"
#include "ui/gas/gas_analysis_actions.h"

namespace vaporis::app {
namespace {

using ui::ControlEntry;
using ui::ControlKind;

// A module's button is enabled when its module is registered with a window. Initialised at
// start-up rather than at compile time: under the undefined-behaviour sanitizer GCC does not
// take a comparison of a template's address with null as a constant.
const auto kControls = std::to_array<ControlEntry>({
    {ui::kStaticId, ControlKind::kPicture, "steam", 0, 0, ""},
    {ui::kStaticId, ControlKind::kPicture, "flame", 0, 1, ""},
    {kIdSteamTable, ControlKind::kButton, "steam table", 1, 0, "", 1,
     menuButtonEnabled(kIdSteamTable)},
    {kIdSteamThermalProcess, ControlKind::kButton, "thermal processes    water / steam", 2, 0, "",
     1, menuButtonEnabled(kIdSteamThermalProcess)},
    {kIdSteamFlowProcess, ControlKind::kButton, "       flow processes            water / steam   ",
     3, 0, "", 1, menuButtonEnabled(kIdSteamFlowProcess)},
    {kIdLoadCalculation, ControlKind::kButton, "load calculation", 4, 0, "", 1,
     menuButtonEnabled(kIdLoadCalculation)},
    {kIdInformation, ControlKind::kButton, "information / license agreements", 5, 0, "", 1,
     menuButtonEnabled(kIdInformation)},
    {kIdGasProperties, ControlKind::kButton, "fluid properties of gases", 1, 1, "", 1,
     menuButtonEnabled(kIdGasProperties)},
    {kIdGasThermalProcess, ControlKind::kButton, "thermal processes gases", 2, 1, "", 1,
     menuButtonEnabled(kIdGasThermalProcess)},
    {kIdGasFlowProcess, ControlKind::kButton, "flow processes gases", 3, 1, "", 1,
     menuButtonEnabled(kIdGasFlowProcess)},
    {kIdSaveCalculation, ControlKind::kButton, "save calculation", 4, 1, "", 1,
     menuButtonEnabled(kIdSaveCalculation)},
    {kIdTools, ControlKind::kButton, "tools", 5, 1, "", 1, menuButtonEnabled(kIdTools)},
    {kIdUnits, ControlKind::kButton, "units", 6, 0, "", 2, menuButtonEnabled(kIdUnits)},
    {kIdExitProgram, ControlKind::kButton, "exit program", 7, 0, "", 2},
});

// Whether path names a .gas file, whatever the case of its extension ("FLUE.GAS").
bool isGasFile(const std::string& path) {
    std::string extension = output::pathFromUtf8(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extension == ".gas";
}

}  // namespace

const ui::DialogTemplate kMainMenuTemplate{100, "TORVIK - Vaporis V3.5", kControls, kIdExitProgram};

ui::DialogFactory mainMenuFactory(project::ModuleObjects& objects) {
    return [&objects](ui::Port& port) { return std::make_unique<MainMenu>(port, objects); };
}

void MainMenu::command(int id) {
    if (id == kIdExitProgram) {
        if (mayEnd()) {
            port_.endDialog(kIdExitProgram);
        }
        return;
    }
    const ModuleRow* row = moduleOfMenuButton(id);
    if (row == nullptr || !row->enabled()) {
        return;
    }
    if (row->action == nullptr) {
        openModule(*row);
    } else if (const std::optional<std::string> path = row->action(port_, objects_)) {
        projectFileMatched(*path);
    }
    showCaption();
}

void MainMenu::projectFileMatched(const std::string& path) {
    projectPath_ = path;
    savedInputs_ = project::projectInputs(objects_);
}

void MainMenu::showCaption() {
    std::string caption(kMainMenuTemplate.caption);
    if (!projectPath_.empty()) {
        caption += " - " + projectPath_.substr(projectPath_.find_last_of("/\\") + 1);
    }
    port_.setCaption(modified() ? caption + " *" : caption);
}

bool MainMenu::mayEnd() {
    if (!modified()) {
        return true;
    }
    switch (port_.message(kUnsavedChangesText, output::kCaptionWarning,
                          ui::MessageButtons::kYesNoCancel)) {
        case ui::MessageAnswer::kYes: {
            const std::optional<std::string> path = saveProject(port_, objects_);
            if (path) {
                projectFileMatched(*path);
            }
            showCaption();
            return path.has_value();
        }
        case ui::MessageAnswer::kNo:
            return true;
        default:
            return false;
    }
}

void MainMenu::openModule(const ModuleRow& row) {
    port_.runModal(*row.layout,
                   [this, &row](ui::Port& port) { return row.makeLogic(port, objects_); });
}

void MainMenu::openAtStart(const std::string& path) {
    if (isGasFile(path)) {
        if (ui::loadGasAnalysisFile(port_, objects_.gasAnalysis, path)) {
            openModule(*moduleOfMenuButton(kIdGasProperties));
        }
        return;
    }
    if (loadProjectFile(port_, objects_, path)) {
        projectFileMatched(path);
        showCaption();
    }
}

}  // namespace vaporis::app
