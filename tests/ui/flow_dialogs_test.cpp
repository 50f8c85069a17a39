#include <array>
#include <string>

#include <gtest/gtest.h>

#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/water_steam_state.h"
#include "output/messages/flow_messages.h"
#include "output/messages/messages.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/tools/ambient_data.h"
#include "project/session_flags.h"
#include "support/scripted_port.h"
#include "support/window_units_scope.h"
#include "ui/flow/gas_flow_dialog.h"
#include "ui/flow/steam_flow_dialog.h"
#include "ui/window_units.h"

namespace vaporis::ui {
namespace {

using processes::GasFlowProcess;
using processes::SteamFlowProcess;

constexpr std::initializer_list<int> kSolveRadios = {kIdFlowSolveVelocity, kIdFlowSolveDiameter,
                                                     kIdFlowSolveFlow};
constexpr std::initializer_list<int> kProfileRadios = {kIdFlowCircular, kIdFlowRectangular};
constexpr std::initializer_list<int> kTimeRadios = {kIdFlowPerSecond, kIdFlowPerHour};

// Dialog 142 over the program's start-up objects, opened.
class SteamFlow : public ::testing::Test {
protected:
    void SetUp() override {
        process_.reset();
        dialog_.opened();
    }
    void click(int id, std::initializer_list<int> group) {
        port_.chooseRadio(id, group);
        dialog_.command(id);
    }
    void calculate(const char* massFlow, const char* diameter) {
        port_.typeText(kIdFlowMassFlow, massFlow);
        port_.typeText(kIdFlowWidth, diameter);
        dialog_.command(kIdFlowOk);
    }
    [[nodiscard]] bool shown(int id) const { return !port_.text(id).empty(); }

    test::ScriptedPort port_;
    water::WaterSteamState state_{water::kModePT, 50.0, 400.0, NOT_SET};
    SteamFlowProcess process_{state_};
    project::SessionFlags flags_;
    SteamFlowDialog dialog_{port_, process_, state_, flags_};
};

TEST_F(SteamFlow, RadiosEnableWhatIsGivenAndDisableWhatIsSolved) {
    // at start-up no flow was given: its field stays empty per hour too, never 999 x 3600
    EXPECT_EQ(port_.text(kIdFlowMassFlow), "");
    EXPECT_FALSE(port_.enabled(kIdFlowVelocity));
    EXPECT_TRUE(port_.enabled(kIdFlowMassFlow));
    EXPECT_FALSE(port_.enabled(kIdFlowVolumeFlow));
    EXPECT_FALSE(port_.enabled(kIdFlowHeight));
    click(kIdFlowRectangular, kProfileRadios);
    EXPECT_TRUE(port_.enabled(kIdFlowHeight));
    click(kIdFlowSolveDiameter, kSolveRadios);
    EXPECT_TRUE(port_.enabled(kIdFlowVelocity));
    EXPECT_FALSE(port_.enabled(kIdFlowWidth));
    EXPECT_FALSE(port_.enabled(kIdFlowHeight));
    click(kIdFlowSolveFlow, kSolveRadios);
    EXPECT_FALSE(port_.enabled(kIdFlowMassFlow));
    EXPECT_FALSE(port_.enabled(kIdFlowVolumeFlow));
    click(kIdFlowGivenVolume, {kIdFlowGivenMass, kIdFlowGivenVolume});
    EXPECT_FALSE(port_.enabled(kIdFlowVolumeFlow));
    click(kIdFlowSolveVelocity, kSolveRadios);
    EXPECT_TRUE(port_.enabled(kIdFlowVolumeFlow));
    EXPECT_TRUE(port_.enabled(kIdFlowHeight));
}

TEST_F(SteamFlow, FlowPerHourIsStoredPerSecondAndShownAgain) {
    ASSERT_TRUE(port_.checked(kIdFlowPerHour));
    calculate("3600", "100");
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(process_.input(SteamFlowProcess::kInMassFlow), 1.0);
    EXPECT_EQ(port_.text(kIdFlowMassFlow), "3600.0000");
    for (int id = kIdSteamFlowDensity; id <= kIdSteamFlowMach; ++id) {
        EXPECT_TRUE(shown(id)) << id;
    }
}

// A spreadsheet reads every number of the copied table alike, with the unit of the choice.
TEST_F(SteamFlow, FlowLabelsFollowTheUnitChoiceAndTheTableCopiesTypedCommasAsPoints) {
    port_.typeText(kIdFlowTubeLength, "30,5");
    calculate("3600", "100");
    dialog_.command(kIdCopyTable);
    EXPECT_NE(port_.clipboard().find("\ntube length\t30.5\tm\n"), std::string::npos);
    EXPECT_NE(port_.clipboard().find("\nmass flow\t3600\tkg/h\n"), std::string::npos);
    click(kIdFlowPerSecond, kTimeRadios);
    EXPECT_EQ(port_.label(kIdFlowVolumeFlow), "volumetric flow [m³/s] =");
}

// 10 kg/s is 79366.4144 lb/h (1 lb = 0.45359237 kg); 10 lb/s typed is 4.5359237 kg/s.
TEST_F(SteamFlow, FlowsAreShownAndReadInTheChosenMassUnitPerHourOrPerSecond) {
    const test::WindowUnitsScope units("us");
    process_.setInput(SteamFlowProcess::kInMassFlow, 10.0);
    test::ScriptedPort port;
    SteamFlowDialog(port, process_, state_, flags_).opened();
    EXPECT_EQ(shownLabel(port.label(kIdFlowMassFlow)), "mass flow [lb/h] =");
    EXPECT_EQ(port.text(kIdFlowMassFlow), "79366.4144");
    click(kIdFlowPerSecond, kTimeRadios);
    EXPECT_EQ(shownText("kg/s - m³/s"), "lb/s - ft³/s");
    calculate("10", "100");
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_NEAR(process_.input(SteamFlowProcess::kInMassFlow), 4.5359237, 1e-12);
}

TEST_F(SteamFlow, SolvedDiameterIsShownInTheWidthField) {
    click(kIdFlowPerSecond, kTimeRadios);
    click(kIdFlowSolveDiameter, kSolveRadios);
    click(kIdFlowGivenVolume, {kIdFlowGivenMass, kIdFlowGivenVolume});
    port_.typeText(kIdFlowVolumeFlow, "1");
    port_.typeText(kIdFlowVelocity, "10");
    port_.typeText(kIdSteamFlowTubeCount, "2");
    click(kIdFlowRectangular, kProfileRadios);  // its disabled height is not asked for
    dialog_.command(kIdFlowOk);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(port_.text(kIdFlowWidth), "252.3133");
    EXPECT_EQ(port_.text(kIdSteamFlowTotalSection), "100000.0000");
}

TEST_F(SteamFlow, WetSteamShowsNoFrictionOrHeatTransferAndSaysSo) {
    click(kIdSteamFlowModePX, {kIdSteamFlowModePT, kIdSteamFlowModePX, kIdSteamFlowModeTX});
    port_.typeText(kIdSteamFlowPressure, "10");
    port_.typeText(kIdSteamFlowQuality, "0.5");
    port_.typeText(kIdFlowRoughness, "abc");  // not read for wet steam
    calculate("3600", "50");
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text, output::kWetSteamFrictionNote);
    for (int id : {kIdSteamFlowLambda, kIdSteamFlowFrictionDrop, kIdSteamFlowHeatTransfer}) {
        EXPECT_FALSE(shown(id)) << id;
    }
    for (int id : {kIdSteamFlowDensity, kIdSteamFlowReynolds, kIdSteamFlowDynamicPressure,
                   kIdSteamFlowTotalDrop, kIdSteamFlowMach, kIdSteamFlowSonicVelocity}) {
        EXPECT_TRUE(shown(id)) << id;
    }
}

TEST_F(SteamFlow, MachWarningKeepsTheResultsAboveOneOnlyTheDerivedValues) {
    click(kIdFlowSolveFlow, kSolveRadios);
    port_.typeText(kIdFlowVelocity, "190");  // Ma = 0.31 at 50 bar, 400 °C
    port_.typeText(kIdFlowWidth, "50");
    dialog_.command(kIdFlowOk);
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].caption, output::kCaptionWarning);
    EXPECT_TRUE(shown(kIdSteamFlowFrictionDrop));
    port_.typeText(kIdFlowVelocity, "620");
    dialog_.command(kIdFlowOk);
    ASSERT_EQ(port_.messages().size(), 2U);
    EXPECT_EQ(port_.messages()[1].text, output::messageText(output::MessageId::kMachAboveOne));
    EXPECT_TRUE(shown(kIdSteamFlowMach));
    EXPECT_TRUE(shown(kIdFlowMassFlow));
    EXPECT_FALSE(shown(kIdSteamFlowTotalDrop));
}

TEST_F(SteamFlow, MissingInputGivesTheInputErrorAndBackKeepsTheHtmlChoice) {
    port_.typeText(kIdSteamFlowTubeCount, "0");
    calculate("3600", "100");
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text, output::messageText(output::MessageId::kInputDataError));
    port_.setChecked(kIdFlowHtmlOutput, true);
    dialog_.command(kIdFlowBack);
    EXPECT_TRUE(flags_.htmlOutputFlag);
    EXPECT_EQ(port_.endCode(), kIdFlowBack);
}

// Dialog 146 with dry air at 1 bar, 200 °C, 1 Nm³/s per second through a 300 mm stack.
class GasFlow : public ::testing::Test {
protected:
    void SetUp() override {
        analysis_.setDefault();
        process_.reset();
        ambient_.reset();
        dialog_.opened();
        port_.chooseRadio(kIdFlowPerSecond, kTimeRadios);
        port_.typeText(kIdFlowNormalFlow, "1");
        port_.typeText(kIdFlowWidth, "300");
    }
    void ambience(const char* h, const char* t, const char* phi, const char* level) {
        port_.typeText(kIdGasFlowHeightDifference, h);
        port_.typeText(kIdGasFlowAmbientTemperature, t);
        port_.typeText(kIdGasFlowHumidity, phi);
        port_.typeText(kIdGasFlowLevel, level);
        dialog_.command(kIdFlowOk);
    }
    [[nodiscard]] bool shown(int id) const { return !port_.text(id).empty(); }

    test::ScriptedPort port_;
    gas::GasAnalysis analysis_;
    gas::GasState state_{analysis_, 1.0, 200.0};
    processes::AmbientData ambient_;
    GasFlowProcess process_{state_, ambient_};
    project::SessionFlags flags_;
    GasFlowDialog dialog_{port_, process_, state_, analysis_, flags_};
};

TEST_F(GasFlow, OpensWithTheAmbientRecordAndNormalFlowGiven) {
    EXPECT_TRUE(port_.checked(kIdGasFlowGivenNormal));
    EXPECT_TRUE(port_.enabled(kIdFlowNormalFlow));
    EXPECT_FALSE(port_.enabled(kIdFlowMassFlow));
    EXPECT_EQ(port_.text(kIdGasFlowAmbientTemperature), "15.0000");
    EXPECT_EQ(port_.text(kIdGasFlowHumidity), "65.0000");
    EXPECT_EQ(port_.text(kIdGasFlowName), analysis_.name());
}

TEST_F(GasFlow, DraftNeedsAllFourAmbienceFields) {
    ambience("0", "15", "65", "0");
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(port_.text(kIdGasFlowDraft), "0.0000");
    EXPECT_EQ(port_.text(kIdGasFlowAtmosphericPressure), "1013.00");
    ambience("", "", "", "");
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_FALSE(shown(kIdGasFlowDraft));
    EXPECT_TRUE(shown(kIdGasFlowTotalDrop));
    ambience("50", "15", "65", "");
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].caption, output::kCaptionWarning);
    EXPECT_FALSE(shown(kIdGasFlowDraft));
    EXPECT_TRUE(shown(kIdGasFlowTotalDrop));
}

TEST_F(GasFlow, FrozenAmbienceWarnsButDryFrostIsComputed) {
    ambience("50", "-5", "50", "0");
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_NE(port_.messages()[0].text.find(
                  output::messageText(output::MessageId::kAmbientTemperatureRange)),
              std::string::npos);
    EXPECT_TRUE(shown(kIdGasFlowTotalDrop));
    ambience("50", "-5", "0", "0");
    EXPECT_EQ(port_.messages().size(), 1U);
    EXPECT_TRUE(shown(kIdGasFlowDraft));
}

TEST_F(GasFlow, SupersonicShowsTheDerivedValuesOnly) {
    port_.chooseRadio(kIdFlowSolveFlow, kSolveRadios);
    dialog_.command(kIdFlowSolveFlow);
    port_.typeText(kIdFlowVelocity, "450");
    ambience("", "", "", "");
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text, output::messageText(output::MessageId::kMachAboveOne));
    EXPECT_TRUE(shown(kIdGasFlowMach));
    EXPECT_TRUE(shown(kIdFlowMassFlow));
    EXPECT_FALSE(shown(kIdGasFlowReynolds));
}

TEST_F(GasFlow, EditingTheAnalysisClearsTheResultsAndTheDerivedFlows) {
    ambience("", "", "", "");
    ASSERT_TRUE(shown(kIdGasFlowTotalDrop));
    dialog_.command(kIdGasFlowEditAnalysis);
    ASSERT_EQ(port_.children().size(), 1U);
    EXPECT_FALSE(shown(kIdGasFlowTotalDrop));
    EXPECT_FALSE(shown(kIdFlowMassFlow));
    EXPECT_FALSE(shown(kIdFlowVelocity));
    EXPECT_TRUE(shown(kIdFlowNormalFlow));
}

TEST_F(GasFlow, GasBelowItsDewPointIsRefused) {
    std::array<double, gas::kComponentCount> percent{};
    percent[gas::kWaterVapor] = 20.0;
    percent[gas::kNitrogen] = 80.0;
    analysis_.setFromVolumePercent(percent);
    port_.typeText(kIdGasFlowTemperature, "30");
    ambience("", "", "", "");
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].caption, output::kCaptionError);
    EXPECT_FALSE(shown(kIdGasFlowTotalDrop));
}

}  // namespace
}  // namespace vaporis::ui
