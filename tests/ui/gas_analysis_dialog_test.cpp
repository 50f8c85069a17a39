#include "ui/gas/gas_analysis_dialog.h"

#include <array>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_analysis_file.h"
#include "engine/water/saturation.h"
#include "output/format/number_text.h"
#include "output/messages/messages.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"

namespace vaporis::ui {
namespace {

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
    EXPECT_EQ(field(gas::kDryAir), "100.00000");
    EXPECT_EQ(port_.text(kIdPercentSum), "100.0000");
    EXPECT_TRUE(port_.checked(componentRadioId(gas::kDryAir)));
    EXPECT_EQ(port_.text(kIdGasNotation), "NO NAME");
}

TEST_F(GasAnalysisEditor, TypedAirAddsUpAndClosesWithoutAQuestion) {
    dialog_.command(kIdDeleteAnalysis);
    EXPECT_EQ(field(gas::kDryAir), "0.00000");
    type(gas::kNitrogen, "79");
    EXPECT_EQ(port_.text(kIdPercentDifference), "21.0000");
    type(gas::kOxygen, "21");
    EXPECT_EQ(port_.text(kIdPercentSum), "100.0000");
    EXPECT_EQ(port_.text(kIdPercentDifference), "0.0000");
    dialog_.command(kIdAnalysisOk);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(port_.endCode(), kIdAnalysisOk);
    EXPECT_DOUBLE_EQ(analysis_.volumeFraction(gas::kOxygen), 0.21);
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
        EXPECT_EQ(port.messages()[0].caption, "Warning");
        EXPECT_EQ(port.messages()[0].buttons, MessageButtons::kYesNo);
        const bool yes = answer == MessageAnswer::kYes;
        EXPECT_EQ(port.endCode().has_value(), yes);
        EXPECT_DOUBLE_EQ(analysis.volumePercent(gas::kNitrogen), yes ? 50.0 : 40.0);
        EXPECT_DOUBLE_EQ(analysis.volumePercent(gas::kCarbonDioxide), yes ? 50.0 : 40.0);
    }
}

TEST_F(GasAnalysisEditor, UnreadableOrAllZeroFieldsKeepTheDialogOpen) {
    port_.typeText(componentFieldId(gas::kOxygen), "1.2.3");
    dialog_.command(kIdAnalysisOk);
    EXPECT_EQ(onlyError(), output::messageText(output::MessageId::kCheckGasAnalysis));
    dialog_.command(kIdDeleteAnalysis);
    dialog_.command(kIdAnalysisOk);
    EXPECT_EQ(port_.messages().back().text,
              output::messageText(output::MessageId::kComponentSumZero));
    EXPECT_FALSE(port_.endCode().has_value());
}

TEST_F(GasAnalysisEditor, BasisSwitchConvertsUnlessAFieldIsUnreadable) {
    typeAir();
    chooseBasis(kIdMassBasis);
    EXPECT_FALSE(analysis_.isVolumeBasis());
    // Normal densities 1.429 kg/m³ (O2) and 1.2504 kg/m³ (N2).
    const double oxygen = 100.0 * 1.429 * 21 / (1.429 * 21 + 1.2504 * 79);
    EXPECT_NEAR(std::stod(field(gas::kOxygen)), oxygen, 1e-5);
    port_.typeText(componentFieldId(gas::kArgon), "x");
    chooseBasis(kIdVolumeBasis);
    EXPECT_EQ(onlyError(), output::messageText(output::MessageId::kCheckGasAnalysis));
    EXPECT_FALSE(analysis_.isVolumeBasis());
    EXPECT_TRUE(port_.checked(kIdMassBasis)) << "the radios show the basis still in force";
}

TEST_F(GasAnalysisEditor, NegativeTypedIntoAComponentIsReplacedByTheStoredValue) {
    const gas::GasAnalysis before = analysis_;
    type(gas::kDryAir, "-5");
    EXPECT_EQ(field(gas::kDryAir), "100.00000");
    EXPECT_EQ(analysis_, before);
    EXPECT_TRUE(port_.messages().empty());
}

// Each refused edit names its reason and leaves the analysis (79 % N2, 21 % O2) alone.
TEST_F(GasAnalysisEditor, RefusedEditsNameTheirReason) {
    struct Case {
        int button;
        int component;
        const char* value;
        output::MessageId message;
    };
    const auto cases = std::to_array<Case>({
        {kIdChangeBy, gas::kNitrogen, "-79", output::MessageId::kRemovalTooHigh},
        {kIdChangeBy, gas::kOxygen, "80", output::MessageId::kAdditionTooHigh},
        {kIdChangeBy, gas::kOxygen, "1e2", output::MessageId::kCheckValue},
        {kIdChangeTo, gas::kOxygen, "150", output::MessageId::kValueAboveHundredPercent},
        {kIdMixVolume, gas::kOxygen, "-1", output::MessageId::kCheckValue},
        {kIdHumidify, gas::kOxygen, "101", output::MessageId::kCheckPressureTemperatureValue},
        {kIdHumidify, gas::kOxygen, "100", output::MessageId::kNoSaturationPossible},
    });
    typeAir();
    const gas::GasAnalysis before = analysis_;
    port_.typeText(kIdAnalysisPressure, "1.01325");
    port_.typeText(kIdAnalysisTemperature, "100");
    std::size_t shown = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " on " + std::to_string(c.button));
        chooseComponent(c.component);
        port_.typeText(kIdValue, c.value);
        dialog_.command(c.button);
        ASSERT_EQ(port_.messages().size(), ++shown);
        EXPECT_EQ(port_.messages().back().text, output::messageText(c.message));
        EXPECT_EQ(analysis_, before);
    }
}

TEST_F(GasAnalysisEditor, ChangingTheOnlyComponentOrHumidifyingSteamIsRefused) {
    port_.typeText(kIdValue, "10");
    dialog_.command(kIdChangeTo);
    EXPECT_EQ(onlyError(), output::messageText(output::MessageId::kNoGasMixture));
    dialog_.command(kIdDeleteAnalysis);
    type(gas::kWaterVapor, "100");
    dialog_.command(kIdHumidify);
    EXPECT_EQ(port_.messages().back().text,
              output::messageText(output::MessageId::kWaterVaporOnly));
}

TEST_F(GasAnalysisEditor, HumidifiedAirIsSaturatedAtItsTemperature) {
    port_.typeText(kIdAnalysisPressure, "1.01325");
    port_.typeText(kIdAnalysisTemperature, "20");
    port_.typeText(kIdValue, "100");
    dialog_.command(kIdHumidify);
    EXPECT_TRUE(port_.messages().empty());
    const double water = 100.0 * water::saturationPressure(20.0) / 1.01325;
    EXPECT_EQ(field(gas::kWaterVapor), output::formatFixed(water, 5));
    EXPECT_NEAR(water, 2.3087, 1e-3) << "ps(20 °C) = 0.023393 bar";
    EXPECT_EQ(port_.text(kIdAnalysisDewPoint), "20.000") << "saturated: dew point = t";
    dialog_.command(kIdDryGas);
    EXPECT_EQ(field(gas::kWaterVapor), "0.00000");
    EXPECT_EQ(port_.text(kIdAnalysisDewPoint), "");
}

TEST_F(GasAnalysisEditor, MixingAddsTheStoredGasByVolume) {
    gas::GasAnalysis oxygen;
    std::array<double, gas::kComponentCount> values{};
    values[gas::kOxygen] = 100.0;
    oxygen.setFromVolumePercent(values);
    ASSERT_TRUE(gas::writeGasFile(oxygen, path("oxygen.gas")));
    typeAir();
    port_.typeText(kIdValue, "1");
    port_.answerNextOpenQuestion(path("oxygen.gas"));
    dialog_.command(kIdMixVolume);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_NEAR(analysis_.volumeFraction(gas::kOxygen), 0.605, 1e-12) << "(21 + 100) / 200";
    EXPECT_EQ(analysis_.name(), "NO NAME") << "the stored gas lends no name";
}

TEST_F(GasAnalysisEditor, SavedAnalysisReloadsWithTheSameEnteredPercentages) {
    dialog_.command(kIdDeleteAnalysis);
    chooseBasis(kIdMassBasis);
    type(gas::kNitrogen, "60");
    type(gas::kCarbonDioxide, "30,5");
    type(gas::kWaterVapor, "4.5");
    port_.answerNextSaveQuestion(path("flue gas.gas"));
    dialog_.command(kIdSaveAnalysis);
    EXPECT_EQ(port_.text(kIdGasNotation), "flue gas");
    const gas::GasAnalysis saved = analysis_;

    dialog_.command(kIdDeleteAnalysis);
    analysis_.setName("other");
    port_.answerNextOpenQuestion(path("flue gas.gas"));
    dialog_.command(kIdLoadAnalysis);
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(analysis_, saved);
    EXPECT_TRUE(port_.checked(kIdMassBasis));
    EXPECT_EQ(field(gas::kCarbonDioxide), "30.50000");
    EXPECT_EQ(port_.text(kIdPercentSum), "95.0000");
}

}  // namespace
}  // namespace vaporis::ui
