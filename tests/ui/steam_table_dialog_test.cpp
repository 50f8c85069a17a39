#include "ui/steam_table/steam_table_dialog.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/messages/messages.h"
#include "project/session_flags.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "ui/steam_table/steam_results_dialog.h"

namespace vaporis::ui {
namespace {

// Dialog 101 over water/steam state 1 as the program starts it, opened.
class SteamTable : public ::testing::Test {
protected:
    void SetUp() override { dialog_.opened(); }

    void enter(int modeRadio, const char* p, const char* t, const char* x) {
        port_.chooseRadio(modeRadio, {kIdModePT, kIdModePX, kIdModeTX});
        dialog_.command(modeRadio);
        port_.typeText(kIdPressure, p);
        port_.typeText(kIdTemperature, t);
        port_.typeText(kIdQuality, x);
    }
    void iterate(const char* h, const char* p) {
        port_.typeText(kIdIterEnthalpy, h);
        port_.typeText(kIdIterPressure, p);
        dialog_.command(kIdIterCalculate);
    }

    test::ScriptedPort port_;
    water::WaterSteamState state_{water::kModePT, 50.0, 400.0, 1.0};
    project::SessionFlags flags_;
    SteamTableDialog dialog_{port_, state_, flags_};
};

TEST_F(SteamTable, OpensWithStateOneAndTheHtmlChoice) {
    EXPECT_TRUE(port_.checked(kIdModePT));
    EXPECT_EQ(port_.text(kIdPressure), "50.0000");
    EXPECT_EQ(port_.text(kIdTemperature), "400.0000");
    EXPECT_FALSE(port_.enabled(kIdQuality));
    EXPECT_FALSE(port_.checked(kIdHtmlOutput));
    EXPECT_EQ(port_.text(kIdBoilingTemp).substr(0, 6), "263.94") << "ts at 50 bar";

    test::ScriptedPort port;
    water::WaterSteamState state(water::kModeTX, 1.0, 120.0, 0.3);
    project::SessionFlags flags{.htmlOutputFlag = true};
    SteamTableDialog dialog(port, state, flags);
    dialog.opened();
    EXPECT_TRUE(port.checked(kIdHtmlOutput));
    EXPECT_TRUE(port.checked(kIdModeTX));
    EXPECT_FALSE(port.enabled(kIdPressure));
    EXPECT_EQ(port.text(kIdQuality), "0.3000");
    EXPECT_EQ(port.text(kIdBoilingTemp), "120.000");
}

TEST_F(SteamTable, ModeRadioDisablesTheUnusedFieldAndRefreshesTheDisplay) {
    struct Case {
        int radio;
        bool p, t, x;
        const char* display;
    };
    port_.typeText(kIdPressure, "230");
    port_.typeText(kIdTemperature, "100");
    for (const Case& c : {Case{kIdModePX, true, false, true, "p > p_krit "},
                          Case{kIdModeTX, false, true, true, "100.000"},
                          Case{kIdModePT, true, true, false, "p > p_krit "}}) {
        SCOPED_TRACE(c.radio);
        port_.chooseRadio(c.radio, {kIdModePT, kIdModePX, kIdModeTX});
        dialog_.command(c.radio);
        EXPECT_EQ(port_.enabled(kIdPressure), c.p);
        EXPECT_EQ(port_.enabled(kIdTemperature), c.t);
        EXPECT_EQ(port_.enabled(kIdQuality), c.x);
        EXPECT_EQ(port_.text(kIdBoilingTemp), c.display);
    }
}

TEST_F(SteamTable, PressureAndTemperatureOpenTheResults) {
    enter(kIdModePT, "50", "400", "");
    port_.onNextChild([](test::ScriptedPort& /*child*/, DialogLogic& results) {
        results.command(kIdResultsValidity);
        results.command(kIdResultsOk);
    });
    dialog_.command(kIdSteamOk);
    EXPECT_TRUE(port_.messages().empty());
    ASSERT_EQ(port_.children().size(), 1U);
    const test::ChildDialog& results = port_.children()[0];
    EXPECT_EQ(results.resourceId, 102);
    EXPECT_EQ(results.port->endCode(), kIdResultsOk);
    EXPECT_TRUE(port_.validityWindowVisible()) << "one validity window for all dialogs";
    EXPECT_EQ(state_.inputStatus(), water::kInputOk);
    EXPECT_FALSE(port_.endCode().has_value()) << "dialog 101 stays open";
}

TEST_F(SteamTable, SaturationTemperatureAndQualityComputeTheVapourPressure) {
    enter(kIdModeTX, "", "100", "0,5");
    dialog_.command(kIdSteamOk);
    ASSERT_EQ(port_.children().size(), 1U);
    // 100 °C boils at 1.014180 bar (IAPWS-IF97 saturation line).
    EXPECT_TRUE(port_.children()[0].port->text(kIdResultP).starts_with("1.0141"));
    EXPECT_EQ(state_.quality(), 0.5) << "a comma reads as a point";
}

TEST_F(SteamTable, RejectedInputsShowTheirMessageAndStayInTheDialog) {
    struct Case {
        int radio;
        const char* p;
        const char* t;
        const char* x;
        output::MessageId message;
    };
    const auto cases = std::to_array<Case>({
        {kIdModePT, "50", "-5", "", output::MessageId::kInputDataError},
        {kIdModePT, "", "400", "", output::MessageId::kInputDataError},
        {kIdModePX, "10", "", "1.2", output::MessageId::kInputDataError},
        {kIdModePT, "0.005", "20", "", output::MessageId::kInputOutOfRange},
        {kIdModePT, "1", "99.6059", "", output::MessageId::kTooCloseToBoiling},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.p) + " / " + c.t + " / " + c.x);
        const std::size_t before = port_.messages().size();
        enter(c.radio, c.p, c.t, c.x);
        dialog_.command(kIdSteamOk);
        ASSERT_EQ(port_.messages().size(), before + 1);
        EXPECT_EQ(port_.messages().back().text, output::messageText(c.message));
        EXPECT_EQ(port_.messages().back().caption, "Error");
    }
    EXPECT_TRUE(port_.children().empty());
    EXPECT_FALSE(port_.endCode().has_value());
}

// 999 bar is a pressure like any other: after OK the dialog shows it again when it reopens,
// and a second OK computes the same state instead of reading an empty field.
TEST_F(SteamTable, TypedNineHundredNinetyNineSurvivesTheRoundTrip) {
    enter(kIdModePT, "999", "400", "");
    dialog_.command(kIdSteamOk);
    ASSERT_EQ(port_.children().size(), 1U);
    test::ScriptedPort reopened;
    SteamTableDialog again(reopened, state_, flags_);
    again.opened();
    EXPECT_EQ(reopened.text(kIdPressure), "999.0000");
    again.command(kIdSteamOk);
    EXPECT_TRUE(reopened.messages().empty());
    EXPECT_EQ(state_.pressure(), 999.0);
    EXPECT_EQ(state_.inputStatus(), water::kInputOk);
}

TEST_F(SteamTable, EnthalpyIterationGivesQualityAndBoilingTemperatureOrTemperatureOnly) {
    iterate("1500", "1");
    EXPECT_EQ(port_.text(kIdIterTemperature), "99.6059") << "ts at 1 bar";
    const double x = std::stod(port_.text(kIdIterQuality));
    EXPECT_GT(x, 0.0);
    EXPECT_LT(x, 1.0);
    iterate("2", "1");
    EXPECT_NEAR(std::stod(port_.text(kIdIterTemperature)), 0.5, 0.05) << "cold liquid";
    EXPECT_EQ(port_.text(kIdIterQuality), "");
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(state_.inputStatus(), water::kInputNotValidated) << "state 1 is left alone";
}

TEST_F(SteamTable, EnthalpyIterationFailuresNameTheIteration) {
    struct Case {
        const char* h;
        const char* p;
        output::MessageId message;
    };
    for (const Case& c : {Case{"-100", "1", output::MessageId::kInputDataError},
                          Case{"", "1", output::MessageId::kInputDataError},
                          Case{"1500", "2000", output::MessageId::kInputOutOfRange}}) {
        SCOPED_TRACE(std::string(c.h) + " kJ/kg at " + c.p + " bar");
        port_.setText(kIdIterTemperature, "old");
        port_.setText(kIdIterQuality, "old");
        iterate(c.h, c.p);
        EXPECT_EQ(port_.messages().back().text,
                  "Steam enthalpy iteration: " + std::string(output::messageText(c.message)));
        EXPECT_EQ(port_.text(kIdIterTemperature), "");
        EXPECT_EQ(port_.text(kIdIterQuality), "");
    }
    EXPECT_EQ(port_.messages().size(), 3U);
}

TEST_F(SteamTable, BackAndCloseBoxKeepTheHtmlChoiceAndValidityButtonToggles) {
    dialog_.command(kIdValidity);
    EXPECT_TRUE(port_.validityWindowVisible());
    dialog_.command(kIdValidity);
    EXPECT_FALSE(port_.validityWindowVisible());
    port_.setChecked(kIdHtmlOutput, true);
    dialog_.command(kSteamTableTemplate.closeBoxId);
    EXPECT_TRUE(flags_.htmlOutputFlag);
    EXPECT_EQ(port_.endCode(), kIdSteamBack);
}

TEST_F(SteamTable, HtmlOutputWritesAndOpensTheReportOnlyForAnAnsweredQuestion) {
    const test::TemporaryFolder folder;
    port_.setChecked(kIdHtmlOutput, true);
    enter(kIdModePT, "50", "400", "");
    port_.answerNextSaveQuestion(std::nullopt);
    dialog_.command(kIdSteamOk);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    const std::string path = folder.file("steam.html").string();
    port_.answerNextSaveQuestion(path);
    dialog_.command(kIdSteamOk);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_TRUE(port_.children().empty());
    EXPECT_GT(std::filesystem::file_size(path), 1000U);
    EXPECT_EQ(port_.openedDocuments(), std::vector<std::string>{path});
}

}  // namespace
}  // namespace vaporis::ui
