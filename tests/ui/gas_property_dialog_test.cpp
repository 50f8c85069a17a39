#include "ui/gas/gas_property_dialog.h"

#include <array>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/mixture.h"
#include "engine/water/saturation.h"
#include "output/format/number_text.h"
#include "output/messages/messages.h"
#include "project/session_flags.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "ui/gas/gas_analysis_dialog.h"

namespace vaporis::ui {
namespace {

const std::string kCondensationStart =
    "The water vapor content is too high (condensation).\n\nH2O dew point = ";

constexpr int kFirstResult = 2601;
constexpr int kLastResult = 2624;

// An analysis of two components in volume percent.
gas::GasAnalysis mixture(int a, double percentA, int b, double percentB) {
    gas::GasAnalysis analysis;
    std::array<double, gas::kComponentCount> values{};
    values[static_cast<std::size_t>(a)] = percentA;
    values[static_cast<std::size_t>(b)] = percentB;
    analysis.setFromVolumePercent(values);
    return analysis;
}

// Dialog 145 over the program's start-up objects: dry air at 1 bar and 400 °C.
class GasProperties : public ::testing::Test {
protected:
    void SetUp() override {
        analysis_.setDefault();
        state_ = gas::GasState(analysis_, 1.0, 400.0);
        dialog_.opened();
    }

    void enter(const char* p, const char* t) {
        port_.typeText(kIdGasPressure, p);
        port_.typeText(kIdGasTemperature, t);
        dialog_.command(kIdGasOk);
    }
    void fillResultsWith(const char* text) {
        for (int id = kFirstResult; id <= kLastResult; ++id) {
            port_.setText(id, text);
        }
    }
    [[nodiscard]] std::string onlyMessage(const char* caption = "Error") const {
        if (port_.messages().size() != 1U) {
            ADD_FAILURE() << port_.messages().size() << " messages";
            return {};
        }
        EXPECT_EQ(port_.messages().back().caption, caption);
        return port_.messages().back().text;
    }

    test::ScriptedPort port_;
    gas::GasAnalysis analysis_;
    gas::GasState state_;
    project::SessionFlags flags_;
    GasPropertyDialog dialog_{port_, state_, analysis_, flags_};
};

TEST_F(GasProperties, OpensWithGasStateOneAndTheHtmlChoice) {
    EXPECT_EQ(port_.text(kIdGasPressure), "1.0000");
    EXPECT_EQ(port_.text(kIdGasTemperature), "400.0000");
    EXPECT_EQ(port_.text(kIdGasEnthalpy), "");
    EXPECT_TRUE(port_.checked(kIdGasByTemperature));
    EXPECT_TRUE(port_.enabled(kIdGasTemperature));
    EXPECT_FALSE(port_.enabled(kIdGasEnthalpy));
    EXPECT_FALSE(port_.checked(kIdGasHtmlOutput));
    EXPECT_EQ(port_.text(kIdGasName), "NO NAME");

    test::ScriptedPort port;
    gas::GasState state;
    state.setPressure(2.5);
    state.setEnthalpy(-12.5);
    project::SessionFlags flags{.htmlOutputFlag = true};
    GasPropertyDialog dialog(port, state, analysis_, flags);
    dialog.opened();
    EXPECT_EQ(port.text(kIdGasEnthalpy), "-12.5000");
    EXPECT_TRUE(port.checked(kIdGasByEnthalpy));
    EXPECT_FALSE(port.enabled(kIdGasTemperature));
    EXPECT_TRUE(port.checked(kIdGasHtmlOutput));
}

TEST_F(GasProperties, DefaultStateShowsEveryFieldWithoutAMessage) {
    dialog_.command(kIdGasOk);
    EXPECT_TRUE(port_.messages().empty());
    for (int id = kFirstResult; id <= kLastResult; ++id) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(port_.text(id).empty());
    }
    // Ideal gas from the normal density of air, 1.293 kg/m³ at 1.01325 bar and 273.15 K.
    const double rho = 1.293 * (1.0 / 1.01325) * (273.15 / 673.15);
    EXPECT_NEAR(std::stod(port_.text(gasPropertyFieldId(gas::kDensity))), rho, 1e-6);
    EXPECT_EQ(port_.text(kIdGasMolarMass), "28.9650");
    EXPECT_EQ(port_.text(kIdGasUpperHeatingValue), "0.000") << "air does not burn";
    EXPECT_EQ(port_.text(kIdGasAirDemand), "-1.0000") << "it brings its own air";
    EXPECT_EQ(port_.saveQuestions(), 0);
}

TEST_F(GasProperties, HeliumAbove2044KelvinWarnsAndEmptiesTheSixTransportFields) {
    analysis_ = mixture(gas::kHelium, 50.0, gas::kNitrogen, 50.0);
    fillResultsWith("old");
    enter("1", "1800");
    EXPECT_EQ(onlyMessage("Warning"),
              output::messageText(output::MessageId::kHeliumTransportLimit));
    for (int id = kFirstResult; id <= kLastResult; ++id) {
        SCOPED_TRACE(id);
        const bool transport =
            id >= gasPropertyFieldId(gas::kViscosity) && id <= gasPropertyFieldId(gas::kPrandtl);
        EXPECT_EQ(port_.text(id).empty(), transport);
        EXPECT_NE(port_.text(id), "old");
    }
}

TEST_F(GasProperties, RejectedInputsShowTheirMessageAndKeepTheResults) {
    struct Case {
        const char* p;
        const char* t;
        output::MessageId message;
    };
    const auto cases = std::to_array<Case>({
        {"-1", "400", output::MessageId::kInputDataError},
        {"150", "400", output::MessageId::kPressureTooHigh},
        {"1", "5000", output::MessageId::kTemperatureOutOfRange},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.p) + " bar / " + c.t + " °C");
        port_.setText(gasPropertyFieldId(gas::kCp), "old");
        const std::size_t before = port_.messages().size();
        enter(c.p, c.t);
        ASSERT_EQ(port_.messages().size(), before + 1);
        EXPECT_EQ(port_.messages().back().text, output::messageText(c.message));
        EXPECT_EQ(port_.messages().back().caption, "Error");
        EXPECT_EQ(port_.text(gasPropertyFieldId(gas::kCp)), "old");
    }
}

// 999 °C and 999 kJ/kg are values like any other: a field keeps them after OK, so the next
// OK computes the same state instead of reading an empty field. The enthalpy found for
// 999 °C leads back to 999 °C.
TEST_F(GasProperties, TypedNineHundredNinetyNineSurvivesTheRoundTrip) {
    enter("1", "999");
    EXPECT_EQ(port_.text(kIdGasTemperature), "999.0000");
    port_.chooseRadio(kIdGasByEnthalpy, {kIdGasByTemperature, kIdGasByEnthalpy});
    dialog_.command(kIdGasByEnthalpy);
    port_.setText(kIdGasTemperature, "");
    dialog_.command(kIdGasOk);
    EXPECT_NEAR(std::stod(port_.text(kIdGasTemperature)), 999.0, 1e-3);
    port_.typeText(kIdGasEnthalpy, "999");
    dialog_.command(kIdGasOk);
    EXPECT_EQ(port_.text(kIdGasEnthalpy), "999.0000");
    dialog_.command(kIdGasOk);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(state_.enthalpy(), 999.0);
}

TEST_F(GasProperties, HumidGasBelowItsDewPointShowsTheCondensationText) {
    // 20 vol % water at 1 bar condenses below 60.06 °C; at 40 °C the gas holds at most
    // ps(40 °C) / p = 7.38 vol %.
    analysis_ = mixture(gas::kWaterVapor, 20.0, gas::kDryAir, 80.0);
    fillResultsWith("old");
    enter("1", "40");
    const double dewPoint = water::saturationTemperature(0.2);
    int status = -1;
    const double hDew = gas::mixtureEnthalpy(analysis_, dewPoint, status);
    const std::string expected = kCondensationStart + output::formatFixed(dewPoint, 2) + " °C / " +
                                 output::formatFixed(hDew, 2) + " kJ/kg \nMax. H2O content = " +
                                 output::formatFixed(100.0 * water::saturationPressure(40.0), 2) +
                                 " %vol";
    EXPECT_EQ(onlyMessage(), expected);
    EXPECT_NE(expected.find("= 60.06 °C / "), std::string::npos);
    EXPECT_NE(expected.find("= 7.38 %vol"), std::string::npos);
    EXPECT_EQ(port_.text(gasPropertyFieldId(gas::kDensity)), "old") << "no results";
    dialog_.refreshDisplays();
    EXPECT_EQ(port_.text(kIdGasDewPoint), output::formatFixed(dewPoint, 3));
}

TEST_F(GasProperties, PressureWarningIsShownUntilTheBoxIsTickedAndNeverAgainAfter) {
    port_.answerNextCheckBoxMessage(false);
    enter("0.3", "400");
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].caption, "Achtung: Gültigkeitsbereich überschritten");
    EXPECT_TRUE(flags_.validityWarningFlag);
    EXPECT_FALSE(port_.text(gasPropertyFieldId(gas::kDensity)).empty()) << "results follow";
    port_.answerNextCheckBoxMessage(true);
    enter("50", "400");
    EXPECT_EQ(port_.messages().size(), 2U);
    EXPECT_FALSE(flags_.validityWarningFlag);
    enter("0.3", "400");
    EXPECT_EQ(port_.messages().size(), 2U);
}

TEST_F(GasProperties, EditedAnalysisRefreshesDewPointAndNameAndEmptiesTheResults) {
    dialog_.command(kIdGasOk);
    port_.onNextChild([](test::ScriptedPort& editor, DialogLogic& logic) {
        logic.command(kIdDeleteAnalysis);
        editor.typeText(componentFieldId(gas::kWaterVapor), "10");
        logic.fieldEdited(componentFieldId(gas::kWaterVapor));
        editor.typeText(componentFieldId(gas::kDryAir), "90");
        logic.fieldEdited(componentFieldId(gas::kDryAir));
        logic.command(kIdAnalysisOk);
    });
    dialog_.command(kIdGasEditAnalysis);
    ASSERT_EQ(port_.children().size(), 1U);
    EXPECT_EQ(port_.children()[0].resourceId, 152);
    EXPECT_EQ(port_.text(kIdGasDewPoint),
              output::formatFixed(water::saturationTemperature(0.1), 3));
    EXPECT_EQ(port_.text(kIdGasName), "NO NAME");
    EXPECT_EQ(port_.text(kIdGasEnthalpy), "");
    EXPECT_EQ(port_.text(kIdGasOxygenDemand), "");
    EXPECT_EQ(port_.text(kIdGasTemperature), "400.0000") << "the inputs stay";
}

TEST_F(GasProperties, ReportIsWrittenBesideTheShownResults) {
    const test::TemporaryFolder folder;
    const std::string file = folder.file("gas.html").string();
    port_.setChecked(kIdGasHtmlOutput, true);
    port_.answerNextSaveQuestion(file);
    dialog_.command(kIdGasOk);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(port_.openedDocuments(), std::vector<std::string>{file});
    EXPECT_FALSE(port_.text(gasPropertyFieldId(gas::kCp)).empty());
}

TEST_F(GasProperties, BackKeepsTheHtmlChoiceAndValidityButtonToggles) {
    dialog_.command(kIdGasValidity);
    EXPECT_TRUE(port_.validityWindowVisible());
    port_.setChecked(kIdGasHtmlOutput, true);
    dialog_.command(kIdGasBack);
    EXPECT_TRUE(flags_.htmlOutputFlag);
    EXPECT_EQ(port_.endCode(), kIdGasBack);
}

}  // namespace
}  // namespace vaporis::ui
