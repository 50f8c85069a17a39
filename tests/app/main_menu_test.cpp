#include "app/main_menu.h"

#include <algorithm>
#include <array>

#include <gtest/gtest.h>

#include "app/module_objects.h"
#include "engine/water/water_steam_state.h"
#include "support/scripted_port.h"
#include "ui/information_dialog.h"
#include "ui/steam_table_dialog.h"

namespace vaporis::app {
namespace {

using test::ScriptedPort;

const ui::ControlEntry* entryOf(int id) {
    const auto controls = kMainMenuTemplate.controls;
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [id](const ui::ControlEntry& entry) { return entry.id == id; });
    return found != controls.end() ? &*found : nullptr;
}

TEST(MainMenu, ButtonsStandInTwoColumnsInTheOrderOfTheMenuTable) {
    const auto columns = std::to_array<std::array<int, 5>>({
        {kIdSteamTable, kIdSteamThermalProcess, kIdSteamFlowProcess, kIdLoadCalculation,
         kIdInformation},
        {kIdGasProperties, kIdGasThermalProcess, kIdGasFlowProcess, kIdSaveCalculation, kIdTools},
    });
    for (int column = 0; column < 2; ++column) {
        int previousRow = -1;
        for (const int id : columns[column]) {
            SCOPED_TRACE(id);
            const ui::ControlEntry* entry = entryOf(id);
            ASSERT_NE(entry, nullptr);
            EXPECT_EQ(entry->column, column);
            EXPECT_GT(entry->row, previousRow);
            previousRow = entry->row;
        }
    }
    const ui::ControlEntry* exit = entryOf(kIdExitProgram);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->columnSpan, 2);
    EXPECT_GT(exit->row, entryOf(kIdInformation)->row);
}

// A module's button is enabled exactly when its module exists: then it opens the module's
// dialog (or ends the program); a disabled button would open nothing.
TEST(MainMenu, EnabledButtonsOpenTheirModuleAndDisabledOnesNothing) {
    for (const ui::ControlEntry& entry : kMainMenuTemplate.controls) {
        if (entry.kind != ui::ControlKind::kButton) {
            continue;
        }
        SCOPED_TRACE(entry.id);
        ModuleObjects objects;
        ScriptedPort port;
        MainMenu menu(port, objects);
        menu.command(entry.id);
        EXPECT_EQ(!port.children().empty() || port.endCode().has_value(), entry.enabled);
    }
}

TEST(MainMenu, SteamTableWorksOnTheSharedWaterSteamState1) {
    ModuleObjects objects;
    ScriptedPort port;
    MainMenu menu(port, objects);
    port.onNextChild([](ScriptedPort& table, ui::DialogLogic& logic) {
        table.chooseRadio(ui::kIdModePX, {ui::kIdModePT, ui::kIdModePX, ui::kIdModeTX});
        table.typeText(ui::kIdPressure, "10");
        table.typeText(ui::kIdQuality, "0.5");
        logic.command(ui::kIdSteamOk);
    });
    menu.command(kIdSteamTable);
    ASSERT_EQ(port.children().size(), 1U);
    EXPECT_EQ(port.children()[0].resourceId, ui::kSteamTableTemplate.resourceId);
    EXPECT_EQ(port.children()[0].port->children().size(), 1U) << "results dialog 102 shown";
    EXPECT_EQ(objects.steamState1.mode(), water::kModePX);
    EXPECT_DOUBLE_EQ(objects.steamState1.pressure(), 10.0);
    EXPECT_EQ(objects.steamState2.mode(), water::kModePT);
    EXPECT_FALSE(port.endCode().has_value()) << "the menu stays open";
}

TEST(MainMenu, InformationDialogEndsOnlyByItsCloseBox) {
    ModuleObjects objects;
    ScriptedPort port;
    MainMenu menu(port, objects);
    bool endedEarly = true;
    port.onNextChild([&endedEarly](ScriptedPort& information, ui::DialogLogic& logic) {
        logic.command(1);
        endedEarly = information.endCode().has_value();
        logic.command(ui::kInformationTemplate.closeBoxId);
    });
    menu.command(kIdInformation);
    ASSERT_EQ(port.children().size(), 1U);
    EXPECT_EQ(port.children()[0].resourceId, ui::kInformationTemplate.resourceId);
    EXPECT_FALSE(endedEarly);
    EXPECT_EQ(port.children()[0].port->endCode(), 0);
}

TEST(MainMenu, ExitProgramAndTheCloseBoxEndTheMenu) {
    EXPECT_EQ(kMainMenuTemplate.closeBoxId, kIdExitProgram);
    ModuleObjects objects;
    ScriptedPort port;
    MainMenu menu(port, objects);
    menu.command(kIdExitProgram);
    EXPECT_EQ(port.endCode(), kIdExitProgram);
}

}  // namespace
}  // namespace vaporis::app
