#pragma once

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
    kIdUnits = 1037,
};

}  // namespace vaporis::app
