#pragma once

#include <string>

#include "app/menu_ids.h"
#include "app/module_objects.h"
#include "ui/dialog_template.h"
#include "ui/port.h"

namespace vaporis::app {

struct ModuleRow;

//! The main menu "TORVIK - Vaporis V3.5"; its close box ends the program like "exit program".
extern const ui::DialogTemplate kMainMenuTemplate;

//! Opens the module dialogs; the menu stays open until "exit program" or its close box.
class MainMenu : public ui::DialogLogic {
public:
    MainMenu(ui::Port& port, ModuleObjects& objects) : port_(port), objects_(objects) {}
    void command(int id) override;
    //! Opens the file named when the program started: a project (.prj) into every module, or a
    //! gas analysis (.gas) into the analysis, then the gas-property window. A file that cannot
    //! be read shows its message and changes nothing.
    void openAtStart(const std::string& path);

private:
    void openModule(const ModuleRow& row);

    ui::Port& port_;
    ModuleObjects& objects_;
};

//! Makes the main menu's logic for the window a host builds from kMainMenuTemplate.
[[nodiscard]] ui::DialogFactory mainMenuFactory(ModuleObjects& objects);

}  // namespace vaporis::app
