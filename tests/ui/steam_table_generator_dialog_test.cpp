#include "ui/steam_table/steam_table_generator_dialog.h"

#include <string>

#include <gtest/gtest.h>

#include "engine/water/water_steam_state.h"
#include "project/session_flags.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "support/window_units_scope.h"
#include "ui/steam_table/steam_table_dialog.h"

namespace vaporis::ui {
namespace {

// Opened from the steam table, writes a saturation table over t, then refuses a zero step.
void writeSaturationTable(test::ScriptedPort& port, DialogLogic& dialog,
                          const test::TemporaryFolder& folder) {
    port.chooseRadio(kIdGeneratorSaturationT,
                     {kIdGeneratorGrid, kIdGeneratorSaturationP, kIdGeneratorSaturationT});
    dialog.command(kIdGeneratorSaturationT);
    EXPECT_FALSE(port.enabled(kIdGeneratorPFrom)) << "a table over t takes no p";
    port.typeText(kIdGeneratorTFrom, "100");
    port.typeText(kIdGeneratorTTo, "400");
    port.typeText(kIdGeneratorTStep, "100");
    port.answerNextSaveQuestion(folder.file("table.csv").string());
    dialog.command(kIdGeneratorWrite);
    const std::string csv = test::fileBytes(folder.file("table.csv"));
    EXPECT_EQ(port.lastFileQuestion()->suggestedName, "steam table");
    EXPECT_TRUE(csv.starts_with("p,t,status,message,h',h'',")) << csv;
    EXPECT_TRUE(csv.ends_with(",,\n")) << "400 °C lies above the critical point: no values";
    ASSERT_EQ(port.messages().size(), 1U) << "one state refused";
    EXPECT_EQ(port.messages()[0].caption, "Warning");
    port.typeText(kIdGeneratorTStep, "0");
    dialog.command(kIdGeneratorWrite);
    EXPECT_EQ(port.messages().back().caption, "Error");
}

TEST(SteamTableGenerator, OpensFromTheSteamTableAndWritesTheChosenTable) {
    test::ScriptedPort port;
    water::WaterSteamState state;
    project::SessionFlags flags;
    SteamTableDialog steamTable(port, state, flags);
    const test::TemporaryFolder folder;
    port.onNextChild([&folder](test::ScriptedPort& child, DialogLogic& dialog) {
        writeSaturationTable(child, dialog, folder);
    });
    steamTable.command(kIdTableGenerator);
    ASSERT_EQ(port.children().size(), 1U);
    EXPECT_EQ(port.children()[0].resourceId, kSteamTableGeneratorTemplate.resourceId);
}

// 212 °F is 100 °C, whose saturation pressure 1.01418 bar is 14.7094 psia; 1 bar is 14.5038 psia.
TEST(SteamTableGenerator, RangesAndTableFollowTheWindowUnits) {
    const test::WindowUnitsScope units("us");
    test::ScriptedPort port;
    SteamTableGeneratorDialog dialog(port);
    dialog.opened();
    EXPECT_EQ(port.text(kIdGeneratorPFrom), "14.5038");
    EXPECT_EQ(port.text(kIdGeneratorTStep), "90");
    port.chooseRadio(kIdGeneratorSaturationT,
                     {kIdGeneratorGrid, kIdGeneratorSaturationP, kIdGeneratorSaturationT});
    dialog.command(kIdGeneratorSaturationT);
    port.typeText(kIdGeneratorTFrom, "212");
    port.typeText(kIdGeneratorTTo, "212");
    const test::TemporaryFolder folder;
    port.answerNextSaveQuestion(folder.file("table.csv").string());
    dialog.command(kIdGeneratorWrite);
    const std::string csv = test::fileBytes(folder.file("table.csv"));
    EXPECT_TRUE(csv.starts_with("p [psia],t [°F],status,message,h' [BTU/lb],")) << csv;
    EXPECT_NE(csv.find("\n14.709"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",212,"), std::string::npos) << csv;
}

}  // namespace
}  // namespace vaporis::ui
