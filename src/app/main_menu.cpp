#include "app/main_menu.h"

#include <array>
#include <memory>

#include "ui/gas_property_dialog.h"
#include "ui/information_dialog.h"
#include "ui/steam_table_dialog.h"

namespace vaporis::app {
namespace {

using ui::ControlEntry;
using ui::ControlKind;

// Buttons of modules that are not built yet start disabled.
constexpr auto kControls = std::to_array<ControlEntry>({
    {ui::kStaticId, ControlKind::kPicture, "steam", 0, 0, ""},
    {ui::kStaticId, ControlKind::kPicture, "flame", 0, 1, ""},
    {kIdSteamTable, ControlKind::kButton, "steam table", 1, 0, ""},
    {kIdSteamThermalProcess, ControlKind::kButton, "thermal processes    water / steam", 2, 0, "",
     1, false},
    {kIdSteamFlowProcess, ControlKind::kButton, "       flow processes            water / steam   ",
     3, 0, "", 1, false},
    {kIdLoadCalculation, ControlKind::kButton, "load calculation", 4, 0, "", 1, false},
    {kIdInformation, ControlKind::kButton, "information / license agreements", 5, 0, ""},
    {kIdGasProperties, ControlKind::kButton, "fluid properties of gases", 1, 1, ""},
    {kIdGasThermalProcess, ControlKind::kButton, "thermal processes gases", 2, 1, "", 1, false},
    {kIdGasFlowProcess, ControlKind::kButton, "flow processes gases", 3, 1, "", 1, false},
    {kIdSaveCalculation, ControlKind::kButton, "save calculation", 4, 1, "", 1, false},
    {kIdTools, ControlKind::kButton, "tools", 5, 1, "", 1, false},
    {kIdExitProgram, ControlKind::kButton, "exit program", 6, 0, "", 2},
});

}  // namespace

const ui::DialogTemplate kMainMenuTemplate{100, "TORVIK - Vaporis V3.5", kControls, kIdExitProgram};

ui::DialogFactory mainMenuFactory(ModuleObjects& objects) {
    return [&objects](ui::Port& port) { return std::make_unique<MainMenu>(port, objects); };
}

void MainMenu::command(int id) {
    switch (id) {
        case kIdSteamTable:
            port_.runModal(ui::kSteamTableTemplate, [this](ui::Port& port) {
                return std::make_unique<ui::SteamTableDialog>(port, objects_.steamState1,
                                                              objects_.flags);
            });
            break;
        case kIdGasProperties:
            port_.runModal(ui::kGasPropertyTemplate, [this](ui::Port& port) {
                return std::make_unique<ui::GasPropertyDialog>(
                    port, objects_.gasState1, objects_.gasAnalysis, objects_.flags);
            });
            break;
        case kIdInformation:
            port_.runModal(ui::kInformationTemplate, [](ui::Port& port) {
                return std::make_unique<ui::InformationDialog>(port);
            });
            break;
        case kIdExitProgram:
            port_.endDialog(kIdExitProgram);
            break;
        default:
            break;
    }
}

}  // namespace vaporis::app
