#include "app/main_menu.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "app/module_registry.h"
#include "project/module_objects.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"

namespace vaporis::app {
namespace {

using test::ScriptedPort;
using ui::ControlEntry;
using ui::ControlKind;

// A repeated id makes the logic address the wrong control; a control in a group that does not
// exist or in a cell another control takes is built on top of it or not at all.
TEST(ModuleTemplates, EveryControlHasItsOwnIdAndCellInAGroupThatExists) {
    std::vector<const ui::DialogTemplate*> layouts{&kMainMenuTemplate};
    for (const ModuleRow& row : kModules) {
        if (row.hasWindow()) {
            layouts.push_back(row.layout);
        }
    }
    for (const ui::DialogTemplate* layout : layouts) {
        SCOPED_TRACE(layout->resourceId);
        std::set<std::string_view> groups{""};
        for (const ControlEntry& entry : layout->controls) {
            EXPECT_TRUE(entry.kind != ControlKind::kGroup || groups.insert(entry.text).second);
        }
        std::set<int> ids;
        std::set<std::tuple<std::string_view, int, int>> cells;
        for (const ControlEntry& entry : layout->controls) {
            EXPECT_TRUE(entry.id == ui::kStaticId || ids.insert(entry.id).second) << entry.id;
            EXPECT_TRUE(groups.contains(entry.group)) << entry.text;
            const bool labelled =
                entry.kind == ControlKind::kEdit || entry.kind == ControlKind::kReadOnlyEdit;
            const int width = entry.columnSpan + (labelled && !entry.text.empty() ? 1 : 0);
            for (int column = entry.column; column < entry.column + width; ++column) {
                EXPECT_TRUE(cells.emplace(entry.group, entry.row, column).second)
                    << entry.text << ": cell taken, row " << entry.row << ", column " << column;
            }
        }
    }
}

// An enabled button opens its module's window, asks for a project file or ends the program.
TEST(MainMenu, EveryButtonOpensItsModuleAsksForAProjectOrEnds) {
    for (const ControlEntry& entry : kMainMenuTemplate.controls) {
        if (entry.kind == ControlKind::kButton) {
            SCOPED_TRACE(entry.id);
            project::ModuleObjects objects;
            ScriptedPort port;
            MainMenu(port, objects).command(entry.id);
            const bool acted = !port.children().empty() || port.endCode().has_value() ||
                               port.lastFileQuestion().has_value();
            EXPECT_TRUE(entry.enabled);
            EXPECT_TRUE(acted);
            if (!port.children().empty()) {
                EXPECT_EQ(port.children()[0].resourceId,
                          moduleOfMenuButton(entry.id)->layout->resourceId);
            }
        }
    }
    project::ModuleObjects objects;
    ScriptedPort port;
    MainMenu(port, objects).command(kMainMenuTemplate.closeBoxId);
    EXPECT_EQ(port.endCode(), kIdExitProgram) << "the close box ends the program";
}

// An input typed in one module is seen in the others: each works on the shared state 1.
TEST(MainMenu, SteamTableAndGasPropertiesWorkOnTheSharedStates1) {
    project::ModuleObjects objects;
    ScriptedPort port;
    MainMenu menu(port, objects);
    port.onNextChild([](ScriptedPort& table, ui::DialogLogic& logic) {
        table.typeText(ui::kIdPressure, "10");
        logic.command(ui::kIdSteamOk);
    });
    menu.command(kIdSteamTable);
    port.onNextChild([](ScriptedPort& gas, ui::DialogLogic& logic) {
        gas.typeText(ui::kIdGasPressure, "2");
        logic.command(ui::kIdGasOk);
    });
    menu.command(kIdGasProperties);
    ASSERT_EQ(port.children().size(), 2U);
    EXPECT_EQ(port.children()[0].port->children().size(), 1U) << "results dialog 102 shown";
    EXPECT_DOUBLE_EQ(objects.steamState1.pressure(), 10.0);
    EXPECT_DOUBLE_EQ(objects.steamState2.pressure(), 50.0);
    EXPECT_DOUBLE_EQ(objects.gasState1.pressure(), 2.0);
    EXPECT_DOUBLE_EQ(objects.gasState2.pressure(), 1.0);
}

// Inputs changed since the last save are never dropped without a question: Cancel and a
// cancelled save keep the program running, a save names the file in the title.
TEST(MainMenu, ExitWithChangedInputsOffersToSaveThemFirst) {
    const test::TemporaryFolder folder;
    project::ModuleObjects objects;
    ScriptedPort port;
    MainMenu menu(port, objects);
    port.onNextChild([](ScriptedPort& table, ui::DialogLogic& logic) {
        table.typeText(ui::kIdPressure, "77");
        logic.command(ui::kIdSteamOk);
    });
    menu.command(kIdSteamTable);
    EXPECT_EQ(port.caption(), std::string(kMainMenuTemplate.caption) + " *");
    port.answerNextQuestion(ui::MessageAnswer::kCancel);
    menu.command(kIdExitProgram);
    port.answerNextQuestion(ui::MessageAnswer::kYes);
    port.answerNextSaveQuestion(std::nullopt);
    menu.command(kIdExitProgram);
    EXPECT_FALSE(port.endCode().has_value());
    ASSERT_EQ(port.messages().size(), 2U);
    EXPECT_EQ(port.messages()[0].text, kUnsavedChangesText);
    EXPECT_EQ(port.messages()[0].buttons, ui::MessageButtons::kYesNoCancel);

    port.answerNextQuestion(ui::MessageAnswer::kYes);
    port.answerNextSaveQuestion(folder.file("boiler.prj").string());
    menu.command(kIdExitProgram);
    EXPECT_EQ(port.endCode(), kIdExitProgram);
    EXPECT_EQ(port.caption(), std::string(kMainMenuTemplate.caption) + " - boiler.prj");
    EXPECT_FALSE(menu.modified());
    project::ModuleObjects loaded;
    EXPECT_EQ(readProjectFile(folder.file("boiler.prj"), loaded), project::ProjectResult::kOk);
    EXPECT_DOUBLE_EQ(loaded.steamState1.pressure(), 77.0);
}

}  // namespace
}  // namespace vaporis::app
