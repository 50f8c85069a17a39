#include <array>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/water_steam_state.h"
#include "output/format/number_text.h"
#include "output/messages/messages.h"
#include "output/messages/thermal_process_messages.h"
#include "project/session_flags.h"
#include "support/scripted_port.h"
#include "ui/thermal/gas_process_dialog.h"
#include "ui/thermal/steam_process_dialog.h"

namespace vaporis::ui {
namespace {

constexpr std::initializer_list<int> kTypes = {kIdProcessThrottle, kIdProcessIsentropic,
                                               kIdProcessBalance};

double field(const test::ScriptedPort& port, int id) {
    return std::stod(port.text(id));
}

// Dialog 107 over its own states, 50 bar 400 °C to 1 bar.
class SteamProcessDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog_.opened();
        port_.typeText(kIdProcessP1, "50");
        port_.typeText(kIdProcessT1, "400");
        port_.typeText(kIdProcessP2, "1");
    }
    void choose(int type) {
        port_.chooseRadio(type, kTypes);
        dialog_.command(type);
    }

    water::WaterSteamState initial_{water::kModePT, 50.0, 400.0, 0.0};
    water::WaterSteamState final_{water::kModePT, 1.0, 0.0, 0.0};
    processes::SteamThermalProcess process_{initial_, final_};
    project::SessionFlags flags_;
    output::TsDiagramSettings diagram_;
    test::ScriptedPort port_;
    SteamProcessDialog dialog_{port_, process_, initial_, final_, flags_, diagram_};
};

TEST_F(SteamProcessDialogTest, ExpansionWithFlowShowsWetEndAndPowerOfTheEnthalpyDrop) {
    port_.typeText(kIdProcessEtaS, "0.85");
    port_.chooseRadio(kIdProcessPerSecond, {kIdProcessPerSecond, kIdProcessPerHour});
    port_.chooseRadio(kIdSteamProcessMassFlowRadio,
                      {kIdSteamProcessMassFlowRadio, kIdSteamProcessVolumeFlowRadio});
    port_.typeText(kIdSteamProcessMassFlow, "10");
    dialog_.command(kIdProcessOk);
    ASSERT_TRUE(port_.messages().empty());
    const double dh = field(port_, kIdSteamResultH2) - field(port_, kIdSteamResultH1);
    EXPECT_NEAR(field(port_, kIdSteamResultPower), 10.0 * dh, 1e-2);
    EXPECT_GT(field(port_, kIdSteamResultX2), 0.0);
    EXPECT_LT(field(port_, kIdSteamResultX2), 1.0);
    EXPECT_NEAR(field(port_, kIdSteamResultTs2), 99.6059, 1e-4);
}

TEST_F(SteamProcessDialogTest, TypedFlowOf999StaysAFlowForTheNextOk) {
    port_.typeText(kIdProcessEtaS, "0.85");
    port_.chooseRadio(kIdProcessPerSecond, {kIdProcessPerSecond, kIdProcessPerHour});
    port_.typeText(kIdSteamProcessMassFlow, "999");
    dialog_.command(kIdProcessOk);
    EXPECT_EQ(port_.text(kIdSteamProcessMassFlow), "999.0000");
    const std::string power = port_.text(kIdSteamResultPower);
    dialog_.command(kIdProcessOk);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(port_.text(kIdSteamResultPower), power);
    EXPECT_NE(power, "");
}

TEST_F(SteamProcessDialogTest, HeatLossWithoutFlowWarnsOnceAndShowsNoStateAfterIt) {
    port_.typeText(kIdProcessHeatLoss, "100");
    dialog_.command(kIdProcessOk);
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text, output::messageText(output::MessageId::kHeatLossNeedsFlow));
    EXPECT_EQ(port_.messages()[0].caption, output::kCaptionWarning);
    EXPECT_EQ(port_.text(kIdSteamResultHAfterLoss), "");
    EXPECT_NE(port_.text(kIdSteamResultDh), "");
}

TEST_F(SteamProcessDialogTest, RefusedInputsStopBeforeTheCalculation) {
    port_.typeText(kIdProcessEtaS, "abc");
    dialog_.command(kIdProcessOk);
    choose(kIdProcessThrottle);
    port_.typeText(kIdProcessP2, "60");
    dialog_.command(kIdProcessOk);
    ASSERT_EQ(port_.messages().size(), 2U);
    EXPECT_EQ(port_.messages()[0].text, output::messageText(output::MessageId::kInputDataError));
    EXPECT_EQ(port_.messages()[1].text,
              output::messageText(output::MessageId::kInletBelowOutletPressure));
    EXPECT_EQ(port_.text(kIdSteamResultDh), "");
    EXPECT_EQ(process_.status(), kNotComputed);
}

TEST_F(SteamProcessDialogTest, BalanceEndingOnTheBoilingLineAsksForTheQuality) {
    choose(kIdProcessBalance);
    EXPECT_TRUE(port_.enabled(kIdProcessT2));
    EXPECT_FALSE(port_.enabled(kIdProcessEtaS));
    port_.typeText(kIdProcessT2, "99.6059");
    dialog_.command(kIdProcessOk);
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text, output::messageText(output::MessageId::kTooCloseToBoiling));
}

// An initial state "ts + x" has the pressure ps(t1); the final radios of an earlier balance
// count for no other type: ps(300 °C) = 85.9 bar, ps(100 °C) = 1.01 bar, ps(200 °C) = 15.5 bar.
TEST_F(SteamProcessDialogTest, PressuresJudgedAreTheOnesGivenForThisOk) {
    const auto chooseMode = [this](int radio, int first) {
        port_.chooseRadio(radio, {first, first + 1, first + 2});
        dialog_.command(radio);
    };
    choose(kIdProcessBalance);
    chooseMode(kIdSteamProcessFinalTX, kIdSteamProcessFinalPT);
    port_.typeText(kIdSteamProcessX2, "1");
    for (const auto& [t2, p2, expected] :
         {std::tuple{"300", "1", 0U}, std::tuple{"100", "60", 1U}}) {
        choose(kIdProcessBalance);
        port_.typeText(kIdProcessT2, t2);
        dialog_.command(kIdProcessOk);
        choose(kIdProcessIsentropic);
        port_.typeText(kIdProcessP2, p2);
        port_.typeText(kIdProcessEtaS, "0");
        const std::size_t before = port_.messages().size();
        dialog_.command(kIdProcessOk);
        EXPECT_EQ(port_.messages().size() - before, expected) << t2;
    }
    EXPECT_EQ(port_.messages().back().text,
              output::messageText(output::MessageId::kInputDataError));
    EXPECT_EQ(process_.status(), kNotComputed);

    chooseMode(kIdSteamProcessInitialTX, kIdSteamProcessInitialPT);
    port_.typeText(kIdProcessT1, "200");
    port_.typeText(kIdSteamProcessX1, "0.5");
    choose(kIdProcessThrottle);
    port_.typeText(kIdProcessP2, "30");
    dialog_.command(kIdProcessOk);
    EXPECT_EQ(port_.messages().back().text,
              output::messageText(output::MessageId::kInletBelowOutletPressure));
}

// Dialog 144 over a flue gas with 15 vol% water vapour.
class GasProcessDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::array<double, gas::kComponentCount> percent{};
        percent[gas::kWaterVapor] = 15.0;
        percent[gas::kNitrogen] = 72.0;
        percent[gas::kOxygen] = 5.0;
        percent[gas::kCarbonDioxide] = 8.0;
        analysis_.setFromVolumePercent(percent);
        initial_.bind(analysis_);
        final_.bind(analysis_);
        dialog_.opened();
        port_.typeText(kIdProcessP1, "3");
        port_.typeText(kIdProcessP2, "1");
        port_.typeText(kIdProcessEtaS, "1");
        port_.chooseRadio(kIdProcessIsentropic, kTypes);
    }

    gas::GasAnalysis analysis_;
    gas::GasState initial_;
    gas::GasState final_;
    processes::GasThermalProcess process_{initial_, final_};
    project::SessionFlags flags_;
    output::TsDiagramSettings diagram_;
    test::ScriptedPort port_;
    GasProcessDialog dialog_{port_, process_, initial_, final_, analysis_, flags_, diagram_};
};

TEST_F(GasProcessDialogTest, EndBelowTheDewPointWarnsAndShowsTheCondensate) {
    port_.typeText(kIdProcessT1, "130");
    port_.typeText(kIdGasProcessMassFlow, "7200");  // kg/h
    dialog_.command(kIdProcessOk);
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text,
              output::messageText(output::MessageId::kProcessEndBelowDewPoint));
    EXPECT_EQ(port_.messages()[0].caption, output::kCaptionWarning);
    const double condensate = field(port_, kIdGasResultCondensate);
    EXPECT_GT(condensate, 0.0);
    EXPECT_NEAR(field(port_, kIdGasResultCondensateFlow), 2.0 * condensate, 1e-3);  // g/s
}

TEST_F(GasProcessDialogTest, StartBelowTheDewPointNamesItAndShowsNoResults) {
    port_.typeText(kIdProcessT1, "40");
    dialog_.command(kIdProcessOk);
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text.rfind("Initial state: ", 0), 0U);
    EXPECT_NE(
        port_.messages()[0].text.find(output::messageText(output::MessageId::kMaxWaterContent)),
        std::string::npos);
    EXPECT_EQ(port_.text(kIdGasResultDh), "");
}

TEST_F(GasProcessDialogTest, EditingTheAnalysisOpensTheEditorAndClearsTheResults) {
    port_.typeText(kIdProcessT1, "300");
    dialog_.command(kIdProcessOk);
    ASSERT_NE(port_.text(kIdGasResultDh), "");
    dialog_.command(kIdGasProcessEditAnalysis);
    ASSERT_EQ(port_.children().size(), 1U);
    EXPECT_EQ(port_.children()[0].resourceId, 152);
    EXPECT_EQ(port_.text(kIdGasResultDh), "");
}

TEST(ProcessVerdict, FinalStateCodesNameTheirOrigin) {
    EXPECT_TRUE(output::judgeSteamProcess(processes::kOk).showResults);
    EXPECT_EQ(
        output::judgeSteamProcess(103).message,
        "Final state: " + std::string(output::messageText(output::MessageId::kInputOutOfRange)));
    EXPECT_EQ(
        output::judgeSteamProcess(2).message,
        "Initial state: " + std::string(output::messageText(output::MessageId::kInputOutOfRange)));
    EXPECT_EQ(output::judgeSteamProcess(104).message,
              output::messageText(output::MessageId::kInputDataError));
    EXPECT_EQ(output::judgeSteamProcess(110).message,
              output::messageText(output::MessageId::kResultOutOfRange));
    EXPECT_EQ(output::judgeSteamProcess(kNotComputed).message,
              output::messageText(output::MessageId::kResultsOutOfRange));
}

}  // namespace
}  // namespace vaporis::ui
