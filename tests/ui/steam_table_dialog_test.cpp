#include "ui/steam_table_dialog.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "ui/messages.h"
#include "ui/number_text.h"
#include "ui/report_frame.h"
#include "ui/session_flags.h"
#include "ui/steam_results_dialog.h"

namespace vaporis::ui {
namespace {

const std::string kMessage0 = "Input data error. Please check your input data!";
const std::string kMessage1 = "Input data is out of validity range!";
const std::string kMessage11 =
    "State too close to boiling temperature! Use steam quality x as input parameter!";

// Dialog 101 over the program's start-up objects, opened.
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
    [[nodiscard]] std::string onlyMessage() const {
        EXPECT_EQ(port_.messages().size(), 1U);
        if (port_.messages().empty()) {
            return {};
        }
        EXPECT_EQ(port_.messages()[0].caption, "Error");
        EXPECT_EQ(port_.messages()[0].buttons, MessageButtons::kOk);
        return port_.messages()[0].text;
    }

    test::ScriptedPort port_;
    water::WaterSteamState state_{0, 50.0, 400.0, 1.0};
    SessionFlags flags_;
    SteamTableDialog dialog_{port_, state_, flags_};
};

TEST_F(SteamTable, OpensWithStateOneAndTheHtmlChoice) {
    EXPECT_TRUE(port_.checked(kIdModePT));
    EXPECT_FALSE(port_.checked(kIdModePX));
    EXPECT_FALSE(port_.checked(kIdModeTX));
    EXPECT_EQ(port_.text(kIdPressure), "50.0000");
    EXPECT_EQ(port_.text(kIdTemperature), "400.0000");
    EXPECT_FALSE(port_.enabled(kIdQuality));
    EXPECT_FALSE(port_.checked(kIdHtmlOutput));
    EXPECT_EQ(port_.text(kIdBoilingTemp), formatFixed(water::saturationTemperature(50.0), 3));
    EXPECT_EQ(port_.text(kIdBoilingTemp).substr(0, 6), "263.94");

    test::ScriptedPort port;
    water::WaterSteamState state(2, 1.0, 120.0, 0.3);
    SessionFlags flags{.htmlOutputFlag = true};
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

TEST_F(SteamTable, TypingRefreshesTheBoilingTemperature) {
    port_.typeText(kIdPressure, "1");
    dialog_.refreshDisplays();
    EXPECT_EQ(port_.text(kIdBoilingTemp), "99.606");
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
    EXPECT_EQ(results.port->text(stateFieldId(water::kH)).substr(0, 7), "3196.59");
    EXPECT_EQ(results.port->text(kIdResultPs), "");
    EXPECT_EQ(results.port->endCode(), kIdResultsOk);
    EXPECT_TRUE(port_.validityWindowVisible()) << "one validity window for all dialogs";
    EXPECT_EQ(state_.mode(), water::kModePT);
    EXPECT_EQ(state_.inputStatus(), water::kInputOk);
    EXPECT_FALSE(port_.endCode().has_value()) << "dialog 101 stays open";
}

TEST_F(SteamTable, SaturationPressureAndQualityOpenTheResults) {
    enter(kIdModePX, "10", "", "0,5");
    dialog_.command(kIdSteamOk);
    ASSERT_EQ(port_.children().size(), 1U);
    EXPECT_EQ(port_.children()[0].port->text(kIdResultT), "179.885632");
    EXPECT_EQ(state_.quality(), 0.5);
}

TEST_F(SteamTable, SaturationTemperatureAndQualityComputeTheVapourPressure) {
    enter(kIdModeTX, "", "100", "1");
    dialog_.command(kIdSteamOk);
    ASSERT_EQ(port_.children().size(), 1U);
    EXPECT_EQ(port_.children()[0].port->text(kIdResultP).substr(0, 6), "1.0141");
}

TEST_F(SteamTable, RejectedInputsShowTheirMessageAndStayInTheDialog) {
    struct Case {
        int radio;
        const char* p;
        const char* t;
        const char* x;
        const std::string& message;
    };
    const auto cases = std::to_array<Case>({
        {kIdModePT, "50", "-5", "", kMessage0},
        {kIdModePT, "", "400", "", kMessage0},
        {kIdModePT, "5O", "400", "", kMessage0},
        {kIdModePX, "10", "", "abc", kMessage0},
        {kIdModePX, "221", "", "0.5", kMessage0},
        {kIdModeTX, "", "374", "0.5", kMessage0},
        {kIdModePX, "10", "", "1.2", kMessage0},
        {kIdModePT, "0.005", "20", "", kMessage1},
        {kIdModeTX, "", "0", "0.5", kMessage1},
        {kIdModePT, "1", "99.6059", "", kMessage11},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.p) + " / " + c.t + " / " + c.x);
        test::ScriptedPort port;
        water::WaterSteamState state(0, 50.0, 400.0, 1.0);
        SessionFlags flags;
        SteamTableDialog dialog(port, state, flags);
        dialog.opened();
        port.chooseRadio(c.radio, {kIdModePT, kIdModePX, kIdModeTX});
        port.typeText(kIdPressure, c.p);
        port.typeText(kIdTemperature, c.t);
        port.typeText(kIdQuality, c.x);
        dialog.command(kIdSteamOk);
        ASSERT_EQ(port.messages().size(), 1U);
        EXPECT_EQ(port.messages()[0].text, c.message);
        EXPECT_EQ(port.messages()[0].caption, "Error");
        EXPECT_TRUE(port.children().empty());
        EXPECT_EQ(port.saveQuestions(), 0);
        EXPECT_FALSE(port.endCode().has_value());
    }
}

TEST_F(SteamTable, EnthalpyIterationInTheTwoPhaseRegionGivesQualityAndBoilingTemperature) {
    iterate("1500", "1");
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(port_.text(kIdIterTemperature), "99.6059");
    const double x = std::stod(port_.text(kIdIterQuality));
    EXPECT_GT(x, 0.0);
    EXPECT_LT(x, 1.0);
    EXPECT_EQ(port_.text(kIdIterQuality).size(), 6U) << "four decimals";
}

TEST_F(SteamTable, EnthalpyIterationInTheLiquidGivesTemperatureOnly) {
    port_.setText(kIdIterQuality, "0.5000");
    iterate("2", "1");
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_NEAR(std::stod(port_.text(kIdIterTemperature)), 0.5, 0.05);
    EXPECT_EQ(port_.text(kIdIterQuality), "");
}

TEST_F(SteamTable, EnthalpyIterationFailuresNameTheIteration) {
    struct Case {
        const char* h;
        const char* p;
        const std::string& message;
    };
    for (const Case& c : {Case{"-100", "1", kMessage0}, Case{"", "1", kMessage0},
                          Case{"1500", "-1", kMessage0}, Case{"9000", "1", kMessage0},
                          Case{"1500", "2000", kMessage1}, Case{"1500", "0.001", kMessage1}}) {
        SCOPED_TRACE(std::string(c.h) + " kJ/kg at " + c.p + " bar");
        test::ScriptedPort port;
        water::WaterSteamState state(0, 50.0, 400.0, 1.0);
        SessionFlags flags;
        SteamTableDialog dialog(port, state, flags);
        port.setText(kIdIterTemperature, "old");
        port.setText(kIdIterQuality, "old");
        port.typeText(kIdIterEnthalpy, c.h);
        port.typeText(kIdIterPressure, c.p);
        dialog.command(kIdIterCalculate);
        ASSERT_EQ(port.messages().size(), 1U);
        EXPECT_EQ(port.messages()[0].text, "Steam enthalpy iteration: " + c.message);
        EXPECT_EQ(port.messages()[0].caption, "Error");
        EXPECT_EQ(port.text(kIdIterTemperature), "");
        EXPECT_EQ(port.text(kIdIterQuality), "");
    }
}

TEST_F(SteamTable, EnthalpyIterationLeavesStateOneAlone) {
    iterate("3000", "10");
    EXPECT_EQ(state_.pressure(), 50.0);
    EXPECT_EQ(state_.temperature(), 400.0);
    EXPECT_EQ(state_.inputStatus(), water::kInputNotValidated);
}

TEST_F(SteamTable, BackAndCloseBoxKeepTheHtmlChoiceAndEndTheDialog) {
    EXPECT_EQ(kSteamTableTemplate.closeBoxId, kIdSteamBack);
    port_.setChecked(kIdHtmlOutput, true);
    dialog_.command(kSteamTableTemplate.closeBoxId);
    EXPECT_TRUE(flags_.htmlOutputFlag);
    EXPECT_EQ(port_.endCode(), kIdSteamBack);
    EXPECT_EQ(state_.inputStatus(), water::kInputNotValidated) << "state 1 untouched";
}

TEST_F(SteamTable, ValidityButtonTogglesTheWindow) {
    dialog_.command(kIdValidity);
    EXPECT_TRUE(port_.validityWindowVisible());
    dialog_.command(kIdValidity);
    EXPECT_FALSE(port_.validityWindowVisible());
}

class SteamTableHtml : public SteamTable {
protected:
    void SetUp() override {
        SteamTable::SetUp();
        port_.setChecked(kIdHtmlOutput, true);
        enter(kIdModePT, "50", "400", "");
    }
    test::TemporaryFolder folder_;
};

TEST_F(SteamTableHtml, CancelledFileQuestionWritesAndShowsNothing) {
    port_.answerNextSaveQuestion(std::nullopt);
    dialog_.command(kIdSteamOk);
    EXPECT_EQ(port_.saveQuestions(), 1);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_TRUE(port_.children().empty());
    EXPECT_TRUE(port_.openedDocuments().empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder_.path()));
}

TEST_F(SteamTableHtml, AnsweredFileQuestionWritesAndOpensTheReport) {
    const std::string path = (folder_.path() / "steam.html").string();
    port_.answerNextSaveQuestion(path);
    dialog_.command(kIdSteamOk);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_TRUE(port_.children().empty());
    EXPECT_GT(std::filesystem::file_size(path), 1000U);
    EXPECT_EQ(port_.openedDocuments(), std::vector<std::string>{path});
}

TEST_F(SteamTableHtml, ReportThatCannotBeCreatedIsNotOpenedAndTheUserIsTold) {
    port_.answerNextSaveQuestion((folder_.path() / "no such folder" / "steam.html").string());
    dialog_.command(kIdSteamOk);
    EXPECT_EQ(onlyMessage(), kReportNotWrittenText);
    EXPECT_TRUE(port_.openedDocuments().empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder_.path()));
}

TEST(SteamTableTemplate, HasEveryControlWithItsText) {
    const std::map<int, std::string_view> expected{
        {kIdModePT, "p + t"},
        {kIdModePX, "ps + x"},
        {kIdModeTX, "ts + x"},
        {kIdPressure, "absolut pressure p [bar] ="},
        {kIdTemperature, "temperature [°C] ="},
        {kIdQuality, "steam quality x (0...1) = "},
        {kIdBoilingTemp, "boiling temperature [°C] ="},
        {kIdHtmlOutput, "output in HTML format"},
        {kIdSteamOk, "OK"},
        {kIdSteamBack, "back"},
        {kIdValidity, "area of validity / function abbreviations"},
        {kIdIterEnthalpy, "enthapy h [kJ/kg] ="},
        {kIdIterPressure, "absolute pressure p [bar] ="},
        {kIdIterTemperature, "temperature t [°C] ="},
        {kIdIterQuality, "steam quality x (0..1) ="},
        {kIdIterCalculate, "calculation"},
    };
    std::map<int, std::string_view> found;
    for (const ControlEntry& entry : kSteamTableTemplate.controls) {
        if (entry.id != kStaticId) {
            EXPECT_TRUE(found.emplace(entry.id, entry.text).second) << "twice: " << entry.id;
        }
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(kSteamTableTemplate.resourceId, 101);
    EXPECT_EQ(kSteamTableTemplate.caption, "TORVIK - steam table acc. to IAPWS-IF97");
}

TEST(SteamTableTemplate, EveryControlSitsInAnExistingGroupAndCellOnce) {
    for (const DialogTemplate* layout : {&kSteamTableTemplate, &kSteamResultsTemplate}) {
        SCOPED_TRACE(layout->resourceId);
        std::set<std::string_view> groups{""};
        for (const ControlEntry& entry : layout->controls) {
            if (entry.kind == ControlKind::kGroup) {
                groups.insert(entry.text);
            }
        }
        std::set<std::tuple<std::string_view, int, int>> cells;
        for (const ControlEntry& entry : layout->controls) {
            SCOPED_TRACE(entry.text);
            EXPECT_TRUE(groups.contains(entry.group));
            const bool labelled =
                entry.kind == ControlKind::kEdit || entry.kind == ControlKind::kReadOnlyEdit;
            const int width = entry.columnSpan + (labelled && !entry.text.empty() ? 1 : 0);
            for (int column = entry.column; column < entry.column + width; ++column) {
                EXPECT_TRUE(cells.emplace(entry.group, entry.row, column).second)
                    << "cell taken: row " << entry.row << ", column " << column;
            }
        }
    }
}

}  // namespace
}  // namespace vaporis::ui
