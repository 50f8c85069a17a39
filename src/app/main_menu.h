#pragma once

#include <string>

#include "app/menu_ids.h"
#include "project/module_objects.h"
#include "project/project_file.h"
#include "ui/dialog_template.h"
#include "ui/port.h"

namespace vaporis::app {

struct ModuleRow;

//! The main menu "TORVIK - Vaporis V3.5"; its close box ends the program like "exit program".
extern const ui::DialogTemplate kMainMenuTemplate;

//! Asked before the program ends with inputs that were changed since the last save or load.
inline constexpr std::string_view kUnsavedChangesText =
    "The inputs have changed since they were last saved. Save them before the program ends?";

//! Opens the module dialogs; the menu stays open until "exit program" or its close box, which
//! first offer to save inputs changed since the last save or load. The title names the project
//! file and marks changed inputs with " *".
class MainMenu : public ui::DialogLogic {
public:
    MainMenu(ui::Port& port, project::ModuleObjects& objects)
        : port_(port), objects_(objects), savedInputs_(project::projectInputs(objects)) {}
    void command(int id) override;
    //! Whether a module's inputs differ from those last saved or loaded (or those at start).
    [[nodiscard]] bool modified() const { return project::projectInputs(objects_) != savedInputs_; }
    //! Opens the file named when the program started: a project (.prj) into every module, or a
    //! gas analysis (.gas) into the analysis, then the gas-property window. A file that cannot
    //! be read shows its message and changes nothing.
    void openAtStart(const std::string& path);

private:
    void openModule(const ModuleRow& row);
    //! The objects now hold what the project file at path holds.
    void projectFileMatched(const std::string& path);
    void showCaption();
    //! Whether the program may end: nothing changed, or the user saved or discarded it.
    [[nodiscard]] bool mayEnd();

    ui::Port& port_;
    project::ModuleObjects& objects_;
    project::ProjectInputs savedInputs_;
    std::string projectPath_;
};

//! Makes the main menu's logic for the window a host builds from kMainMenuTemplate.
[[nodiscard]] ui::DialogFactory mainMenuFactory(project::ModuleObjects& objects);

}  // namespace vaporis::app
