#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/menu_ids.h"
#include "app/module_objects.h"
#include "app/project_actions.h"
#include "ui/dialog_template.h"
#include "ui/gas_analysis_dialog.h"
#include "ui/gas_flow_dialog.h"
#include "ui/gas_process_dialog.h"
#include "ui/gas_property_dialog.h"
#include "ui/information_dialog.h"
#include "ui/port.h"
#include "ui/steam_flow_dialog.h"
#include "ui/steam_process_dialog.h"
#include "ui/steam_results_dialog.h"
#include "ui/steam_table_dialog.h"
#include "ui/steam_table_generator_dialog.h"
#include "ui/tools_dialog.h"
#include "ui/ts_diagram_dialog.h"
#include "ui/validity_window.h"

namespace vaporis::app {

//! Makes the logic of a module's window over the program's module objects.
using ModuleFactory = std::unique_ptr<ui::DialogLogic> (*)(ui::Port& port, ModuleObjects& objects);

//! The factory of Dialog over the module objects that `members` name, in the order of its
//! constructor: makeModule<SteamResultsDialog, &ModuleObjects::steamState1>.
template <typename Dialog, auto... members>
std::unique_ptr<ui::DialogLogic> makeModule(ui::Port& port, ModuleObjects& objects) {
    return std::make_unique<Dialog>(port, (objects.*members)...);
}

//! A menu action without a window of its own, over the program's module objects: the project
//! file it saved or loaded, nothing when it touched none.
using MenuAction = std::optional<std::string> (*)(ui::Port& port, ModuleObjects& objects);

//! The menu id of a window that another window opens.
inline constexpr int kNotInMenu = 0;

//! One module window: the main-menu button that opens it, its template and the factory of its
//! logic; or a menu button's action without a window. A button with neither is disabled.
struct ModuleRow {
    int menuId;
    const ui::DialogTemplate* layout = nullptr;
    ModuleFactory makeLogic = nullptr;
    std::string_view pictureName = {};  //!< file name of its `--screenshots` picture
    int pictureCommand = 0;             //!< command sent before the picture is taken (0 for none)
    MenuAction action = nullptr;        //!< what the button does instead of opening a window

    [[nodiscard]] constexpr bool hasWindow() const {
        return layout != nullptr && makeLogic != nullptr;
    }
    [[nodiscard]] constexpr bool enabled() const { return hasWindow() || action != nullptr; }
};

//! Every module window of the program, in the order of the main menu.
inline constexpr auto kModules = std::to_array<ModuleRow>({
    {kIdSteamTable, &ui::kSteamTableTemplate,
     makeModule<ui::SteamTableDialog, &ModuleObjects::steamState1, &ModuleObjects::flags>,
     "steam-table"},
    {kNotInMenu, &ui::kSteamResultsTemplate,
     makeModule<ui::SteamResultsDialog, &ModuleObjects::steamState1>, "steam-results"},
    {kNotInMenu, &ui::kSteamTableGeneratorTemplate, makeModule<ui::SteamTableGeneratorDialog>,
     "steam-table-generator"},
    {kIdSteamThermalProcess, &ui::kSteamProcessTemplate,
     makeModule<ui::SteamProcessDialog, &ModuleObjects::steamThermalProcess,
                &ModuleObjects::steamState1, &ModuleObjects::steamState2, &ModuleObjects::flags,
                &ModuleObjects::steamTsDiagram>,
     "steam-thermal-process", ui::kIdProcessOk},
    {kNotInMenu, &ui::kTsDiagramTemplate,
     makeModule<ui::SteamTsDiagramDialog, &ModuleObjects::steamThermalProcess,
                &ModuleObjects::steamTsDiagram>,
     "ts-diagram"},
    {kIdSteamFlowProcess, &ui::kSteamFlowTemplate,
     makeModule<ui::SteamFlowDialog, &ModuleObjects::steamFlowProcess, &ModuleObjects::steamState1,
                &ModuleObjects::flags>,
     "steam-flow", ui::kIdFlowOk},
    {kIdLoadCalculation, nullptr, nullptr, {}, 0, loadProject},
    {kIdInformation, &ui::kInformationTemplate, makeModule<ui::InformationDialog>, "information"},
    {kIdGasProperties, &ui::kGasPropertyTemplate,
     makeModule<ui::GasPropertyDialog, &ModuleObjects::gasState1, &ModuleObjects::gasAnalysis,
                &ModuleObjects::flags>,
     "gas-properties", ui::kIdGasOk},
    {kNotInMenu, &ui::kGasAnalysisTemplate,
     makeModule<ui::GasAnalysisDialog, &ModuleObjects::gasAnalysis>, "gas-analysis"},
    {kIdGasThermalProcess, &ui::kGasProcessTemplate,
     makeModule<ui::GasProcessDialog, &ModuleObjects::gasThermalProcess, &ModuleObjects::gasState1,
                &ModuleObjects::gasState2, &ModuleObjects::gasAnalysis, &ModuleObjects::flags,
                &ModuleObjects::gasTsDiagram>,
     "gas-thermal-process", ui::kIdProcessOk},
    {kIdGasFlowProcess, &ui::kGasFlowTemplate,
     makeModule<ui::GasFlowDialog, &ModuleObjects::gasFlowProcess, &ModuleObjects::gasState1,
                &ModuleObjects::gasAnalysis, &ModuleObjects::flags>,
     "gas-flow", ui::kIdFlowOk},
    {kIdSaveCalculation,
     nullptr,
     nullptr,
     {},
     0,
     [](ui::Port& port, ModuleObjects& objects) { return saveProject(port, objects); }},
    {kIdTools, &ui::kToolsTemplate, makeModule<ui::ToolsDialog, &ModuleObjects::ambient>, "tools",
     ui::kIdOutflowCalculate},
    {kNotInMenu, &ui::kValidityTemplate, makeModule<ui::InformationDialog>, "validity"},
});

//! The row that main-menu button id opens; null for none.
[[nodiscard]] constexpr const ModuleRow* moduleOfMenuButton(int id) {
    for (const ModuleRow& row : kModules) {
        if (row.menuId == id && id != kNotInMenu) {
            return &row;
        }
    }
    return nullptr;
}

//! Whether main-menu button id opens a module that exists.
[[nodiscard]] constexpr bool menuButtonEnabled(int id) {
    for (const ModuleRow& row : kModules) {
        if (row.menuId == id && id != kNotInMenu) {
            return row.enabled();
        }
    }
    return false;
}

}  // namespace vaporis::app
