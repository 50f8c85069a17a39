#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/menu_ids.h"
#include "app/project_actions.h"
#include "project/module_objects.h"
#include "ui/dialog_template.h"
#include "ui/flow/gas_flow_dialog.h"
#include "ui/flow/steam_flow_dialog.h"
#include "ui/gas/gas_analysis_dialog.h"
#include "ui/gas/gas_property_dialog.h"
#include "ui/info/information_dialog.h"
#include "ui/info/units_dialog.h"
#include "ui/info/validity_window.h"
#include "ui/port.h"
#include "ui/steam_table/steam_results_dialog.h"
#include "ui/steam_table/steam_table_dialog.h"
#include "ui/steam_table/steam_table_generator_dialog.h"
#include "ui/thermal/gas_process_dialog.h"
#include "ui/thermal/steam_process_dialog.h"
#include "ui/thermal/ts_diagram_dialog.h"
#include "ui/tools/tools_dialog.h"

namespace vaporis::app {

//! Makes the logic of a module's window over the program's module objects.
using ModuleFactory = std::unique_ptr<ui::DialogLogic> (*)(ui::Port& port,
                                                           project::ModuleObjects& objects);

//! The factory of Dialog over the module objects that `members` name, in the order of its
//! constructor: makeModule<SteamResultsDialog, &ModuleObjects::steamState1>.
template <typename Dialog, auto... members>
std::unique_ptr<ui::DialogLogic> makeModule(ui::Port& port, project::ModuleObjects& objects) {
    return std::make_unique<Dialog>(port, (objects.*members)...);
}

//! A menu action without a window of its own, over the program's module objects: the project
//! file it saved or loaded, nothing when it touched none.
using MenuAction = std::optional<std::string> (*)(ui::Port& port, project::ModuleObjects& objects);

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
     makeModule<ui::SteamTableDialog, &project::ModuleObjects::steamState1,
                &project::ModuleObjects::flags>,
     "steam-table"},
    {kNotInMenu, &ui::kSteamResultsTemplate,
     makeModule<ui::SteamResultsDialog, &project::ModuleObjects::steamState1>, "steam-results"},
    {kNotInMenu, &ui::kSteamTableGeneratorTemplate, makeModule<ui::SteamTableGeneratorDialog>,
     "steam-table-generator"},
    {kIdSteamThermalProcess, &ui::kSteamProcessTemplate,
     makeModule<ui::SteamProcessDialog, &project::ModuleObjects::steamThermalProcess,
                &project::ModuleObjects::steamState1, &project::ModuleObjects::steamState2,
                &project::ModuleObjects::flags, &project::ModuleObjects::steamTsDiagram>,
     "steam-thermal-process", ui::kIdProcessOk},
    {kNotInMenu, &ui::kTsDiagramTemplate,
     makeModule<ui::SteamTsDiagramDialog, &project::ModuleObjects::steamThermalProcess,
                &project::ModuleObjects::steamTsDiagram>,
     "ts-diagram"},
    {kIdSteamFlowProcess, &ui::kSteamFlowTemplate,
     makeModule<ui::SteamFlowDialog, &project::ModuleObjects::steamFlowProcess,
                &project::ModuleObjects::steamState1, &project::ModuleObjects::flags>,
     "steam-flow", ui::kIdFlowOk},
    {kIdLoadCalculation, nullptr, nullptr, {}, 0, loadProject},
    {kIdInformation, &ui::kInformationTemplate, makeModule<ui::InformationDialog>, "information"},
    {kIdGasProperties, &ui::kGasPropertyTemplate,
     makeModule<ui::GasPropertyDialog, &project::ModuleObjects::gasState1,
                &project::ModuleObjects::gasAnalysis, &project::ModuleObjects::flags>,
     "gas-properties", ui::kIdGasOk},
    {kNotInMenu, &ui::kGasAnalysisTemplate,
     makeModule<ui::GasAnalysisDialog, &project::ModuleObjects::gasAnalysis>, "gas-analysis"},
    {kIdGasThermalProcess, &ui::kGasProcessTemplate,
     makeModule<ui::GasProcessDialog, &project::ModuleObjects::gasThermalProcess,
                &project::ModuleObjects::gasState1, &project::ModuleObjects::gasState2,
                &project::ModuleObjects::gasAnalysis, &project::ModuleObjects::flags,
                &project::ModuleObjects::gasTsDiagram>,
     "gas-thermal-process", ui::kIdProcessOk},
    {kIdGasFlowProcess, &ui::kGasFlowTemplate,
     makeModule<ui::GasFlowDialog, &project::ModuleObjects::gasFlowProcess,
                &project::ModuleObjects::gasState1, &project::ModuleObjects::gasAnalysis,
                &project::ModuleObjects::flags>,
     "gas-flow", ui::kIdFlowOk},
    {kIdSaveCalculation,
     nullptr,
     nullptr,
     {},
     0,
     [](ui::Port& port, project::ModuleObjects& objects) { return saveProject(port, objects); }},
    {kIdTools, &ui::kToolsTemplate, makeModule<ui::ToolsDialog, &project::ModuleObjects::ambient>,
     "tools", ui::kIdOutflowCalculate},
    {kNotInMenu, &ui::kValidityTemplate, makeModule<ui::InformationDialog>, "validity"},
    {kIdUnits, &ui::kUnitsTemplate, makeModule<ui::UnitsDialog>, "units"},
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
