#include "ui/gas_analysis_dialog.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_analysis_file.h"
#include "engine/water/saturation.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "ui/number_text.h"

namespace vaporis::ui {
namespace {

const std::string kMessage27 = "Gas consists of water vapor only!";
const std::string kMessage28 = "Input data error. Please check p, T and VALUE!";
const std::string kMessage29 = "Input data error. Please check VALUE!";
const std::string kMessage30 = "No saturation possible (would be 100% water vapor)!";
const std::string kMessage31 = "Input data error: Max. value for VALUE is 100%!";
const std::string kMessage32 = "No gas mixture present! Fraction is always 100%!";
const std::string kMessage33 = "Amount to be remouved is too high!";
const std::string kMessage34 = "Amount to be added is too high!";
const std::string kMessage39 = "Input data error. Check your gas analysis!";
const std::string kMessage40 = "Input data error. Sum of all components = 0!";
const std::string kMessage41 =
    "Warning: Analysis does not add up to 100%. Scale compontents to 100%?";

// Dialog 152 over the start-up analysis (100 vol % dry air), opened.
class GasAnalysisEditor : public ::testing::Test {
protected:
    void SetUp() override {
        analysis_.setDefault();
        dialog_.opened();
    }

    void type(int component, const char* text) {
        port_.typeText(componentFieldId(component), text);
        dialog_.fieldEdited(componentFieldId(component));
    }
    void chooseComponent(int component) {
        for (int i = 0; i < gas::kComponentCount; ++i) {
            port_.setChecked(componentRadioId(i), i == component);
        }
    }
    void chooseBasis(int radio) {
        port_.chooseRadio(radio, {kIdMassBasis, kIdVolumeBasis});
        dialog_.command(radio);
    }
    // 79 vol % nitrogen and 21 vol % oxygen, typed after "delete gas analysis".
    void typeAir() {
        dialog_.command(kIdDeleteAnalysis);
        type(gas::kNitrogen, "79");
        type(gas::kOxygen, "21");
    }
    [[nodiscard]] std::string field(int component) const {
        return port_.text(componentFieldId(component));
    }
    [[nodiscard]] std::string onlyError() const {
        EXPECT_EQ(port_.messages().size(), 1U);
        if (port_.messages().empty()) {
            return {};
        }
        EXPECT_EQ(port_.messages()[0].caption, "Error");
        EXPECT_EQ(port_.messages()[0].buttons, MessageButtons::kOk);
        return port_.messages()[0].text;
    }
    [[nodiscard]] std::string path(const char* name) const {
        return (folder_.path() / name).string();
    }

    test::ScriptedPort port_;
    gas::GasAnalysis analysis_;
    GasAnalysisDialog dialog_{port_, analysis_};
    test::TemporaryFolder folder_;
};

TEST_F(GasAnalysisEditor, OpensWithTheAnalysisInItsBasisAndDryAirSelected) {
    EXPECT_TRUE(port_.checked(kIdVolumeBasis));
    EXPECT_FALSE(port_.checked(kIdMassBasis));
    EXPECT_EQ(field(gas::kDryAir), "100.00000");
    EXPECT_EQ(field(gas::kWaterVapor), "0.00000");
    EXPECT_EQ(port_.text(kIdPercentSum), "100.0000");
    EXPECT_EQ(port_.text(kIdPercentDifference), "0.0000");
    EXPECT_TRUE(port_.checked(componentRadioId(gas::kDryAir)));
    EXPECT_FALSE(port_.checked(componentRadioId(gas::kWaterVapor)));
    EXPECT_EQ(port_.text(kIdGasNotation), "NO NAME");
    EXPECT_EQ(port_.text(kIdAnalysisPressure), "");
    EXPECT_EQ(port_.text(kIdAnalysisDewPoint), "");
}

TEST_F(GasAnalysisEditor, TypedAirAddsUpAndClosesWithoutAQuestion) {
    dialog_.command(kIdDeleteAnalysis);
    EXPECT_EQ(field(gas::kDryAir), "0.00000");
    EXPECT_EQ(port_.text(kIdPercentSum), "0.0000");
    EXPECT_EQ(port_.text(kIdPercentDifference), "100.0000");
    type(gas::kNitrogen, "79");
    EXPECT_EQ(port_.text(kIdPercentSum), "79.0000");
    EXPECT_EQ(port_.text(kIdPercentDifference), "21.0000");
    type(gas::kOxygen, "21");
    EXPECT_EQ(port_.text(kIdPercentSum), "100.0000");
    EXPECT_EQ(port_.text(kIdPercentDifference), "0.0000");
    dialog_.command(kIdAnalysisOk);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(port_.endCode(), kIdAnalysisOk);
    EXPECT_TRUE(analysis_.isVolumeBasis());
    EXPECT_DOUBLE_EQ(analysis_.volumePercent(gas::kNitrogen), 79.0);
    EXPECT_DOUBLE_EQ(analysis_.volumeFraction(gas::kOxygen), 0.21);
}

TEST_F(GasAnalysisEditor, OneComponentClosesWithoutAQuestionAsAHundredPercent) {
    dialog_.command(kIdDeleteAnalysis);
    type(gas::kNitrogen, "50");
    dialog_.command(kIdAnalysisOk);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(port_.endCode(), kIdAnalysisOk);
    EXPECT_DOUBLE_EQ(analysis_.volumePercent(gas::kNitrogen), 100.0);
    EXPECT_DOUBLE_EQ(analysis_.massFraction(gas::kNitrogen), 1.0);
}

TEST_F(GasAnalysisEditor, SumOffAHundredAsksToRescaleAndNoKeepsTheDialogOpen) {
    for (const MessageAnswer answer : {MessageAnswer::kYes, MessageAnswer::kNo}) {
        SCOPED_TRACE(answer == MessageAnswer::kYes ? "Yes" : "No");
        test::ScriptedPort port;
        gas::GasAnalysis analysis;
        analysis.setDefault();
        GasAnalysisDialog dialog(port, analysis);
        dialog.opened();
        dialog.command(kIdDeleteAnalysis);
        for (const int component : {gas::kNitrogen, gas::kCarbonDioxide}) {
            port.typeText(componentFieldId(component), "40");
            dialog.fieldEdited(componentFieldId(component));
        }
        port.answerNextQuestion(answer);
        dialog.command(kIdAnalysisOk);
        ASSERT_EQ(port.messages().size(), 1U);
        EXPECT_EQ(port.messages()[0].text, kMessage41);
        EXPECT_EQ(port.messages()[0].caption, "Warning");
        EXPECT_EQ(port.messages()[0].buttons, MessageButtons::kYesNo);
        const bool yes = answer == MessageAnswer::kYes;
        EXPECT_EQ(port.endCode().has_value(), yes);
        EXPECT_DOUBLE_EQ(analysis.volumePercent(gas::kNitrogen), yes ? 50.0 : 40.0);
        EXPECT_DOUBLE_EQ(analysis.volumePercent(gas::kCarbonDioxide), yes ? 50.0 : 40.0);
    }
}

TEST_F(GasAnalysisEditor, AllZeroKeepsTheDialogOpenWithMessage40) {
    dialog_.command(kIdDeleteAnalysis);
    dialog_.command(kIdAnalysisOk);
    EXPECT_EQ(onlyError(), kMessage40);
    EXPECT_FALSE(port_.endCode().has_value());
}

TEST_F(GasAnalysisEditor, UnreadableFieldKeepsTheDialogOpenWithMessage39) {
    port_.typeText(componentFieldId(gas::kOxygen), "1.2.3");
    dialog_.command(kIdAnalysisOk);
    EXPECT_EQ(onlyError(), kMessage39);
    EXPECT_FALSE(port_.endCode().has_value());
}

TEST_F(GasAnalysisEditor, BasisSwitchConvertsVolumeIntoMassPercent) {
    typeAir();
    chooseBasis(kIdMassBasis);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_FALSE(analysis_.isVolumeBasis());
    EXPECT_TRUE(port_.checked(kIdMassBasis));
    // Normal densities 1.429 kg/m³ (O2) and 1.2504 kg/m³ (N2).
    const double oxygen = 100.0 * 1.429 * 21 / (1.429 * 21 + 1.2504 * 79);
    EXPECT_NEAR(std::stod(field(gas::kOxygen)), oxygen, 1e-5);
    EXPECT_NEAR(std::stod(field(gas::kNitrogen)), 100.0 - oxygen, 1e-5);
    EXPECT_EQ(field(gas::kOxygen).substr(0, 4), "23.3");
    EXPECT_EQ(port_.text(kIdPercentSum), "100.0000");
    chooseBasis(kIdVolumeBasis);
    EXPECT_EQ(field(gas::kOxygen), "21.00000") << "and back again";
}

TEST_F(GasAnalysisEditor, BasisSwitchWithSubstituteKeepsTheNumbers) {
    typeAir();
    port_.setChecked(kIdSubstitute, true);
    chooseBasis(kIdMassBasis);
    EXPECT_FALSE(analysis_.isVolumeBasis());
    EXPECT_EQ(field(gas::kOxygen), "21.00000");
    EXPECT_EQ(field(gas::kNitrogen), "79.00000");
    EXPECT_DOUBLE_EQ(analysis_.massFraction(gas::kOxygen), 0.21);
}

TEST_F(GasAnalysisEditor, BasisSwitchOverAnUnreadableFieldChangesNothing) {
    typeAir();
    port_.typeText(componentFieldId(gas::kArgon), "x");
    chooseBasis(kIdMassBasis);
    EXPECT_EQ(onlyError(), kMessage39);
    EXPECT_TRUE(analysis_.isVolumeBasis());
    EXPECT_TRUE(port_.checked(kIdVolumeBasis)) << "the radios show the basis still in force";
    EXPECT_FALSE(port_.checked(kIdMassBasis));
}

TEST_F(GasAnalysisEditor, NegativeTypedIntoAComponentIsReplacedByTheStoredValue) {
    const gas::GasAnalysis before = analysis_;
    type(gas::kDryAir, "-5");
    EXPECT_EQ(field(gas::kDryAir), "100.00000");
    EXPECT_EQ(analysis_, before);
    EXPECT_TRUE(port_.messages().empty());
}

TEST_F(GasAnalysisEditor, ComponentChangesReportWhatCannotBeDone) {
    struct Case {
        int button;
        int component;
        const char* value;
        const std::string& message;
    };
    const auto cases = std::to_array<Case>({
        {kIdChangeBy, gas::kNitrogen, "-100", kMessage33},
        {kIdChangeBy, gas::kNitrogen, "-79", kMessage33},
        {kIdChangeBy, gas::kOxygen, "80", kMessage34},
        {kIdChangeBy, gas::kOxygen, "", kMessage29},
        {kIdChangeBy, gas::kOxygen, "1e2", kMessage29},
        {kIdChangeTo, gas::kOxygen, "150", kMessage31},
        {kIdChangeTo, gas::kOxygen, "-5", kMessage29},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " on " + std::to_string(c.component));
        test::ScriptedPort port;
        gas::GasAnalysis analysis;
        GasAnalysisDialog dialog(port, analysis);
        dialog.opened();
        dialog.command(kIdDeleteAnalysis);
        port.typeText(componentFieldId(gas::kNitrogen), "79");
        dialog.fieldEdited(componentFieldId(gas::kNitrogen));
        port.typeText(componentFieldId(gas::kOxygen), "21");
        dialog.fieldEdited(componentFieldId(gas::kOxygen));
        const gas::GasAnalysis before = analysis;
        port.chooseRadio(componentRadioId(c.component),
                         {componentRadioId(gas::kDryAir), componentRadioId(gas::kNitrogen),
                          componentRadioId(gas::kOxygen)});
        port.typeText(kIdValue, c.value);
        dialog.command(c.button);
        ASSERT_EQ(port.messages().size(), 1U);
        EXPECT_EQ(port.messages()[0].text, c.message);
        EXPECT_EQ(analysis, before);
    }
}

TEST_F(GasAnalysisEditor, ChangingTheOnlyComponentIsRefused) {
    port_.typeText(kIdValue, "10");
    for (const int button : {kIdChangeBy, kIdChangeTo}) {
        dialog_.command(button);
    }
    ASSERT_EQ(port_.messages().size(), 2U);
    EXPECT_EQ(port_.messages()[0].text, kMessage32);
    EXPECT_EQ(port_.messages()[1].text, kMessage32);
    EXPECT_DOUBLE_EQ(analysis_.volumeFraction(gas::kDryAir), 1.0);
}

TEST_F(GasAnalysisEditor, ComponentChangesKeepTheRatioOfTheOthers) {
    typeAir();
    chooseComponent(gas::kCarbonDioxide);
    port_.typeText(kIdValue, "10");
    dialog_.command(kIdChangeTo);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(field(gas::kCarbonDioxide), "10.00000");
    EXPECT_EQ(field(gas::kNitrogen), "71.10000");
    EXPECT_EQ(field(gas::kOxygen), "18.90000");
    chooseComponent(gas::kOxygen);
    port_.typeText(kIdValue, "-8.9");
    dialog_.command(kIdChangeBy);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(field(gas::kOxygen), "10.00000");
    EXPECT_EQ(port_.text(kIdPercentSum), "100.0000");
}

TEST_F(GasAnalysisEditor, HumidifyingAirAtItsBoilingPointIsImpossible) {
    const gas::GasAnalysis before = analysis_;
    port_.typeText(kIdAnalysisPressure, "1.01325");
    port_.typeText(kIdAnalysisTemperature, "100");
    port_.typeText(kIdValue, "100");
    dialog_.command(kIdHumidify);
    EXPECT_EQ(onlyError(), kMessage30);
    EXPECT_EQ(analysis_, before);
}

TEST_F(GasAnalysisEditor, HumidifiedAirIsSaturatedAtItsTemperature) {
    port_.typeText(kIdAnalysisPressure, "1.01325");
    port_.typeText(kIdAnalysisTemperature, "20");
    port_.typeText(kIdValue, "100");
    dialog_.command(kIdHumidify);
    EXPECT_TRUE(port_.messages().empty());
    const double water = 100.0 * water::saturationPressure(20.0) / 1.01325;
    EXPECT_EQ(field(gas::kWaterVapor), formatFixed(water, 5));
    EXPECT_NEAR(water, 2.3087, 1e-3) << "ps(20 °C) = 0.023393 bar";
    EXPECT_EQ(port_.text(kIdPercentSum), "100.0000");
    EXPECT_EQ(port_.text(kIdAnalysisDewPoint), "20.000") << "saturated: dew point = t";
    dialog_.command(kIdDryGas);
    EXPECT_EQ(field(gas::kWaterVapor), "0.00000");
    EXPECT_EQ(field(gas::kDryAir), "100.00000");
    EXPECT_EQ(port_.text(kIdAnalysisDewPoint), "");
}

TEST_F(GasAnalysisEditor, HumidifyRejectsBadPressureTemperatureOrHumidity) {
    struct Case {
        const char* p;
        const char* t;
        const char* phi;
    };
    for (const Case& c : {Case{"0", "20", "50"}, Case{"1", "20", "101"}, Case{"1", "", "50"},
                          Case{"-1", "20", "50"}, Case{"1", "20", "-5"}, Case{"1", "2x", "50"}}) {
        SCOPED_TRACE(std::string(c.p) + " / " + c.t + " / " + c.phi);
        test::ScriptedPort port;
        gas::GasAnalysis analysis;
        analysis.setDefault();
        GasAnalysisDialog dialog(port, analysis);
        dialog.opened();
        port.typeText(kIdAnalysisPressure, c.p);
        port.typeText(kIdAnalysisTemperature, c.t);
        port.typeText(kIdValue, c.phi);
        dialog.command(kIdHumidify);
        ASSERT_EQ(port.messages().size(), 1U);
        EXPECT_EQ(port.messages()[0].text, kMessage28);
    }
}

TEST_F(GasAnalysisEditor, HumidifyingPureWaterVapourIsRefusedFirst) {
    dialog_.command(kIdDeleteAnalysis);
    type(gas::kWaterVapor, "100");
    port_.typeText(componentFieldId(gas::kArgon), "bad");
    dialog_.command(kIdHumidify);
    EXPECT_EQ(onlyError(), kMessage27);
}

TEST_F(GasAnalysisEditor, ScaleUpMakesTheEnteredPercentagesAddUp) {
    dialog_.command(kIdDeleteAnalysis);
    type(gas::kNitrogen, "40");
    type(gas::kCarbonDioxide, "10");
    dialog_.command(kIdScaleTo100);
    EXPECT_EQ(field(gas::kNitrogen), "80.00000");
    EXPECT_EQ(field(gas::kCarbonDioxide), "20.00000");
    EXPECT_EQ(port_.text(kIdPercentDifference), "0.0000");
    dialog_.command(kIdDeleteAnalysis);
    dialog_.command(kIdScaleTo100);
    EXPECT_EQ(onlyError(), kMessage40);
}

TEST_F(GasAnalysisEditor, MixingAddsTheStoredGasByMassOrByVolume) {
    gas::GasAnalysis oxygen;
    std::array<double, gas::kComponentCount> values{};
    values[gas::kOxygen] = 100.0;
    oxygen.setFromVolumePercent(values);
    ASSERT_EQ(gas::writeGasFile(oxygen, path("oxygen.gas")), gas::GasFileResult::kOk);
    struct Case {
        int button;
        bool byVolume;
    };
    for (const Case& c : {Case{kIdMixMass, false}, Case{kIdMixVolume, true}}) {
        SCOPED_TRACE(c.button);
        test::ScriptedPort port;
        gas::GasAnalysis analysis;
        GasAnalysisDialog dialog(port, analysis);
        dialog.opened();
        dialog.command(kIdDeleteAnalysis);
        port.typeText(componentFieldId(gas::kNitrogen), "100");
        dialog.fieldEdited(componentFieldId(gas::kNitrogen));
        port.typeText(kIdValue, "1");
        port.answerNextOpenQuestion(path("oxygen.gas"));
        dialog.command(c.button);
        EXPECT_TRUE(port.messages().empty());
        const double oxygenShare = c.byVolume ? analysis.volumeFraction(gas::kOxygen)
                                              : analysis.massFraction(gas::kOxygen);
        EXPECT_NEAR(oxygenShare, 0.5, 1e-12);
        EXPECT_EQ(port.text(kIdPercentSum), "100.0000");
        EXPECT_EQ(analysis.name(), "NO NAME") << "the stored gas lends no name";
    }
}

TEST_F(GasAnalysisEditor, MixingWithoutAStoredGasChangesNothing) {
    const gas::GasAnalysis before = analysis_;
    port_.typeText(kIdValue, "1");
    dialog_.command(kIdMixMass);  // the open question is cancelled
    EXPECT_EQ(analysis_, before);
    port_.typeText(kIdValue, "-1");
    dialog_.command(kIdMixVolume);
    EXPECT_EQ(onlyError(), kMessage29);
    EXPECT_EQ(analysis_, before);
}

TEST_F(GasAnalysisEditor, SavedAnalysisReloadsWithTheSameEnteredPercentages) {
    dialog_.command(kIdDeleteAnalysis);
    chooseBasis(kIdMassBasis);
    type(gas::kNitrogen, "60");
    type(gas::kCarbonDioxide, "30,5");
    type(gas::kWaterVapor, "4.5");
    port_.answerNextSaveQuestion(path("flue gas.gas"));
    dialog_.command(kIdSaveAnalysis);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(port_.text(kIdGasNotation), "flue gas");
    const gas::GasAnalysis saved = analysis_;

    dialog_.command(kIdDeleteAnalysis);
    analysis_.setName("other");
    port_.answerNextOpenQuestion(path("flue gas.gas"));
    dialog_.command(kIdLoadAnalysis);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(analysis_, saved);
    EXPECT_TRUE(port_.checked(kIdMassBasis));
    EXPECT_EQ(field(gas::kNitrogen), "60.00000");
    EXPECT_EQ(field(gas::kCarbonDioxide), "30.50000");
    EXPECT_EQ(field(gas::kWaterVapor), "4.50000");
    EXPECT_EQ(port_.text(kIdPercentSum), "95.0000");
    EXPECT_EQ(port_.text(kIdPercentDifference), "5.0000");
    EXPECT_EQ(port_.text(kIdGasNotation), "flue gas");
}

TEST(RoundDecimals, RoundsHalvesAwayFromZeroAndNeverGivesNegativeZero) {
    struct Case {
        double x;
        int n;
        double rounded;
    };
    for (const Case& c : {Case{2.375, 2, 2.38}, Case{-2.5, 0, -3.0}, Case{0.125, 2, 0.13},
                          Case{-0.00001, 4, 0.0}, Case{1e300, 4, 1e300}}) {
        SCOPED_TRACE(c.x);
        const double rounded = roundDecimals(c.x, c.n);
        EXPECT_DOUBLE_EQ(rounded, c.rounded);
        EXPECT_FALSE(std::signbit(rounded) && rounded == 0.0);
    }
    EXPECT_EQ(formatFixed(roundDecimals(100.0 - 100.00000000001, 4), 4), "0.0000");
}

}  // namespace
}  // namespace vaporis::ui
