#include "ui/tools/tools_dialog.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "output/messages/messages.h"
#include "output/messages/tools_messages.h"
#include "support/scripted_port.h"

namespace vaporis::ui {
namespace {

struct ToolsWindow {
    test::ScriptedPort port;
    processes::AmbientData ambient;
    ToolsDialog dialog{port, ambient};
    ToolsWindow() { dialog.opened(); }
};

TEST(ToolsDialog, AtmosphereAtSeaLevelShows1013MbarAndKeepsItAfterARefusal) {
    ToolsWindow w;
    w.dialog.command(kIdAtmosphereCalculate);
    EXPECT_EQ(w.port.text(kIdAtmosphereP), "1013.0000");
    EXPECT_TRUE(w.port.messages().empty());
    w.port.typeText(kIdToolsHumidity, "120");
    w.dialog.command(kIdAtmosphereCalculate);
    ASSERT_EQ(w.port.messages().size(), 1U);
    EXPECT_NE(w.port.messages()[0].text.find(
                  output::messageText(output::MessageId::kRelativeHumidityRange)),
              std::string::npos);
    EXPECT_EQ(w.port.text(kIdAtmosphereP), "1013.0000");
    EXPECT_EQ(w.ambient.input(processes::AmbientData::kRelativeHumidity), 120.0);
}

TEST(ToolsDialog, QuenchWithoutAValidBalanceSaysWhyAndLeavesEveryResultEmpty) {
    ToolsWindow w;
    w.port.typeText(kIdQuenchWaterT, "350");
    w.dialog.command(kIdQuenchCalculate);
    w.port.typeText(kIdQuenchWaterT, "150");
    w.port.typeText(kIdQuenchSetT, "260");  // ts(50 bar) = 263.94 °C
    w.dialog.command(kIdQuenchCalculate);
    ASSERT_EQ(w.port.messages().size(), 2U);
    EXPECT_NE(w.port.messages()[0].text.find("h_cw must be < h_set"), std::string::npos);
    EXPECT_NE(w.port.messages()[1].text.find("boiling temperature"), std::string::npos);
    for (const int id : {kIdQuenchWaterFlow, kIdQuenchExitFlow, kIdQuenchExitT, kIdQuenchSetH}) {
        EXPECT_EQ(w.port.text(id), "");
    }
}

TEST(ToolsDialog, OutflowRepaintsItsProgressAndEndsWithin1Percent) {
    ToolsWindow w;
    const int repaintsBefore = w.port.repaints();
    w.dialog.command(kIdOutflowCalculate);
    EXPECT_TRUE(w.port.messages().empty());
    EXPECT_GT(w.port.repaints(), repaintsBefore + 1);
    EXPECT_LE(std::abs(std::stod(w.port.text(kIdOutflowError))), 0.01);
    EXPECT_FALSE(w.port.visible(kIdOutletAborted));
    EXPECT_EQ(w.port.text(kIdOutflowFriction), "0.0157");
    EXPECT_NE(w.port.text(kIdOutflowMassFlow), "");
}

TEST(ToolsDialog, CancelWhileRunningLeavesEveryOutflowResultEmpty) {
    ToolsWindow w;
    w.port.onProcessInput([&] { w.dialog.command(kIdOutflowCancel); });
    w.dialog.command(kIdOutflowCalculate);
    for (const int id :
         {kIdOutflowMassFlow, kIdInletP, kIdOutletP, kIdOutflowLavalP, kIdTankT, kIdOutflowError}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(w.port.text(id), "");
    }
}

TEST(ToolsDialog, HighPressureNoticeDeclinedOrNoTubeGivesNoResults) {
    ToolsWindow w;
    w.port.typeText(kIdOutflowP0, "150");
    w.port.answerNextQuestion(MessageAnswer::kCancel);
    w.dialog.command(kIdOutflowCalculate);
    ASSERT_EQ(w.port.messages().size(), 1U);
    EXPECT_EQ(w.port.messages()[0].caption, output::kCaptionWarning);
    EXPECT_EQ(w.port.text(kIdOutflowMassFlow), "");
    w.port.typeText(kIdOutflowTubes, "0");
    w.dialog.command(kIdOutflowCalculate);
    ASSERT_EQ(w.port.messages().size(), 2U);
    EXPECT_NE(
        w.port.messages()[1].text.find(output::messageText(output::MessageId::kInputDataError)),
        std::string::npos);
}

TEST(ToolsDialog, ShortTubeShowsTheReducedStepCountBeforeItsResults) {
    ToolsWindow w;
    w.port.typeText(kIdOutflowLength, "0.3");
    w.dialog.command(kIdOutflowCalculate);
    ASSERT_EQ(w.port.messages().size(), 1U);
    EXPECT_EQ(w.port.text(kIdOutflowSteps), "10");
    EXPECT_NE(w.port.text(kIdOutflowMassFlow), "");
}

TEST(ToolsDialog, OutflowShowsAnUnchokedNozzleAndNamesTheStepLimit) {
    ToolsWindow w;
    w.port.typeText(kIdOutflowLength, "0");
    w.port.typeText(kIdOutflowTankP, "45");
    w.dialog.command(kIdOutflowCalculate);
    EXPECT_TRUE(w.port.visible(kIdOutflowNotChoked));
    EXPECT_EQ(w.port.text(kIdOutletP), "45.0000");
    w.port.typeText(kIdOutflowSteps, "1001");
    w.dialog.command(kIdOutflowCalculate);
    ASSERT_EQ(w.port.messages().size(), 1U);
    EXPECT_NE(w.port.messages()[0].text.find("limited to 1000"), std::string::npos);
    EXPECT_FALSE(w.port.visible(kIdOutflowNotChoked));
}

TEST(ToolsDialog, OutflowMessagesFillTheirNumbersAsPrintfWould) {
    EXPECT_EQ(output::stepsReducedText(10),
              "Warning: For tube length 0.1 - 0.5m the number of calculation steps is reduced to "
              "10.");
    EXPECT_EQ(output::outflowRefusalText(processes::OutflowRefusal::kNearSaturation),
              "Conditions close to 2-phase region (<0.001K)! In- or decrease temperature!");
    EXPECT_EQ(output::outflowRefusalText(processes::OutflowRefusal::kAboveCriticalPressure),
              "Error: Calculation pressure ist limited with critical pressure (220.640 bar).");
    // In US units the band is a temperature difference, the critical pressure a pressure.
    const output::UnitChoice us = *output::presetChoice("us");
    EXPECT_EQ(output::outflowRefusalText(processes::OutflowRefusal::kNearSaturation, us),
              "Conditions close to 2-phase region (<0.002°F)! In- or decrease temperature!");
    EXPECT_EQ(output::outflowRefusalText(processes::OutflowRefusal::kAboveCriticalPressure, us),
              "Error: Calculation pressure ist limited with critical pressure (3200.11 psia).");
}

}  // namespace
}  // namespace vaporis::ui
