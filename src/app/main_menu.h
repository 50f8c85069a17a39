#pragma once

#include "app/module_objects.h"
#include "ui/dialog_template.h"
#include "ui/port.h"

namespace vaporis::app {

//! Buttons of the main menu.
enum MainMenuId : int {
    kIdExitProgram = 3,
    kIdSteamTable = 1023,
    kIdSteamThermalProcess = 1025,
    kIdInformation = 1027,
    kIdSteamFlowProcess = 1030,
    kIdGasThermalProcess = 1031,
    kIdGasFlowProcess = 1032,
    kIdGasProperties = 1033,
    kIdTools = 1034,
    kIdLoadCalculation = 1035,
    kIdSaveCalculation = 1036,
};

//! The main menu "TORVIK - Vaporis V3.5"; its close box ends the program like "exit program".
extern const ui::DialogTemplate kMainMenuTemplate;

//! Opens the module dialogs; the menu stays open until "exit program" or its close box.
class MainMenu : public ui::DialogLogic {
public:
    MainMenu(ui::Port& port, ModuleObjects& objects) : port_(port), objects_(objects) {}
    void command(int id) override;

private:
    ui::Port& port_;
    ModuleObjects& objects_;
};

//! Makes the main menu's logic for the window a host builds from kMainMenuTemplate.
[[nodiscard]] ui::DialogFactory mainMenuFactory(ModuleObjects& objects);

}  // namespace vaporis::app
