#include "ui/fields.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "engine/water/saturation.h"
#include "output/format/file_path.h"
#include "output/format/number_text.h"
#include "output/messages/messages.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "support/window_units_scope.h"

namespace vaporis::ui {
namespace {

constexpr int kField = 1008;

struct ReadCase {
    const char* typed;
    bool allowNegative;
    bool allowEmpty;
    double value;
    int error;
};

TEST(FieldRules, ReadNumberAcceptsOnlyPlainDecimalsOfNineCharacters) {
    const auto cases = std::to_array<ReadCase>({
        {"12,5", kNoNegatives, kNotEmpty, 12.5, kNoInputError},
        {"1.2.3", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {"-5", kNoNegatives, kNotEmpty, -5.0, kNegativeNumber},
        {"-5", kNegativeAllowed, kNotEmpty, -5.0, kNoInputError},
        {"5-", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {"1e5", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {" 5", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {".", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {"", kNegativeAllowed, kNotEmpty, 0.0, kEmptyField},
        {"", kNegativeAllowed, kEmptyAllowed, 0.0, kNoInputError},
        {"1234567890", kNoNegatives, kNotEmpty, 123456789.0, kNoInputError},
        {"12345678.x", kNoNegatives, kNotEmpty, 12345678.0, kNoInputError},
        {"0.5°", kNoNegatives, kNotEmpty, 0.0, kNotANumber},
    });
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.typed);
        test::ScriptedPort port;
        port.typeText(kField, c.typed);
        int error = kNoInputError;
        EXPECT_EQ(readNumber(port, kField, c.allowNegative, c.allowEmpty, error), c.value);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(port.text(kField), c.typed) << "reading leaves the field as typed";
        EXPECT_EQ(port.focusedField(), c.error == kNoInputError ? 0 : kField);
    }
    // Of a group the first wrong field takes the focus; a live display never moves it.
    test::ScriptedPort port;
    port.typeText(1008, "abc");
    port.typeText(1009, "x");
    int error = kNoInputError;
    (void)readNumber(port, 1009, kNoNegatives, kNotEmpty, error);
    (void)readNumber(port, 1008, kNoNegatives, kNotEmpty, error);
    showBoilingTemperature(port, 1008, 1009, 1011, 0);
    EXPECT_EQ(port.focusedField(), 1009);
}

TEST(FieldRules, WriteNumberLeavesTheNoValueMarkerEmptyOnlyInResults) {
    test::ScriptedPort port;
    for (const auto& [value, decimals, shown] :
         {std::tuple{999.0, 6, ""}, std::tuple{999.0001, 4, "999.0001"},
          std::tuple{3196.5926831, 0, "3197"}, std::tuple{3196.5926831, 6, "3196.592683"},
          std::tuple{3196.5926831, 9, "3196.5927"}, std::tuple{3196.5926831, -1, "3196.5927"}}) {
        SCOPED_TRACE(decimals);
        port.setText(kField, "old");
        writeNumber(port, kField, value, decimals);
        EXPECT_EQ(port.text(kField), shown);
    }
    writeNumber(port, kField, 1e300, 6);
    EXPECT_EQ(port.text(kField).size(), 255U);
    writeInputNumber(port, kField, 999.0);
    EXPECT_EQ(port.text(kField), "999.0000") << "a typed 999 is a value in an input field";
}

TEST(FieldRules, InputsInAnotherUnitReadBackAsTheValuesTheyStandFor) {
    const test::WindowUnitsScope units("p=barg,t=F");
    test::ScriptedPort port;
    for (const auto& [label, value, shown] :
         {std::tuple{"pressure p [bar] =", 0.5, "-0.51325"},
          std::tuple{"pressure p [bar] =", 50.0, "48.98675"},
          std::tuple{"temperature t [°C] =", 20.1234, "68.22212"}}) {
        port.setLabel(kField, label);
        writeInputNumber(port, kField, value);
        EXPECT_EQ(port.text(kField), shown);
        int error = kNoInputError;
        EXPECT_EQ(readNumber(port, kField, kNegativeAllowed, kNotEmpty, error), value);
    }
}

TEST(FieldRules, ReadRadio3TakesTheLastCheckedButton) {
    test::ScriptedPort port;
    EXPECT_EQ(readRadio3(port, 1, 2, 3, 10, 20, 30), 0);
    port.setChecked(1, true);
    EXPECT_EQ(readRadio3(port, 1, 2, 3, 10, 20, 30), 10);
    port.setChecked(3, true);
    EXPECT_EQ(readRadio3(port, 1, 2, 3, 10, 20, 30), 30);
}

TEST(FieldRules, BoilingTemperatureDisplayFollowsTheSaturationLine) {
    struct Case {
        int mode;
        const char* p;
        const char* t;
        std::string shown;
    };
    const auto cases = std::to_array<Case>({
        {0, "220.64", "", output::formatFixed(water::saturationTemperature(220.64), 3)},
        {0, "220.65", "", "p > p_krit "},
        {1, "0.006", "", " < 0 °C"},
        {0, "abc", "", " < 0 °C"},
        {2, "", "100", "100.000"},
        {2, "", "374", "T > T_krit"},
        {7, "1", "100", "unchanged"},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.p) + " bar, " + c.t + " °C");
        test::ScriptedPort port;
        port.typeText(1008, c.p);
        port.typeText(1009, c.t);
        port.setText(1011, "unchanged");
        showBoilingTemperature(port, 1008, 1009, 1011, c.mode);
        EXPECT_EQ(port.text(1011), c.shown);
    }
    EXPECT_EQ(output::formatFixed(water::saturationTemperature(1.0), 3), "99.606");
}

TEST(FieldRules, FileTitleDropsFoldersAndTheLastExtensionThenCuts) {
    const auto cases = std::to_array<std::array<const char*, 2>>({
        {"/home/user/plant.1/flue gas.gas", "flue gas"},
        {"mixed/dir\\natural.gas", "dir\\natural"},
        {"noextension", "noextension"},
        {"folder.with.points/", ""},
    });
    for (const auto& [path, title] : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(output::fileTitle(path, 128), title);
    }
    EXPECT_EQ(output::fileTitle("/x/abcdef.gas", 5), "abcd");
    EXPECT_EQ(output::fileTitle("/x/v1.2 flue gas.gas", 9), "v1.2 flu")
        << "the extension goes first";
    EXPECT_EQ(output::fileTitle("/x/a°.gas", 3), "a") << "never half a character";
}

TEST(FieldRules, HtmlFileIsTakenUnlessCancelledOrAnExistingOneIsKept) {
    const test::TemporaryFolder folder;
    const std::string existing = folder.file("old.html").string();
    std::ofstream(existing) << "old";
    struct Case {
        std::optional<std::string> chosen;
        MessageAnswer overwrite;
        bool taken;
        std::size_t questions;
    };
    for (const Case& c : {Case{std::nullopt, MessageAnswer::kYes, false, 0},
                          Case{folder.file("new.html").string(), MessageAnswer::kNo, true, 0},
                          Case{existing, MessageAnswer::kYes, true, 1},
                          Case{existing, MessageAnswer::kNo, false, 1}}) {
        SCOPED_TRACE(c.chosen.value_or("cancelled"));
        test::ScriptedPort port;
        port.answerNextSaveQuestion(c.chosen);
        port.answerNextQuestion(c.overwrite);
        EXPECT_EQ(askHtmlFileName(port, "report").has_value(), c.taken);
        ASSERT_EQ(port.messages().size(), c.questions);
        if (c.questions > 0) {
            EXPECT_EQ(port.messages()[0].buttons, MessageButtons::kYesNo);
        }
    }
    EXPECT_FALSE(fileExists(folder.file("missing.html").string()));
    // A link to nowhere cannot be opened, but a save would replace what it names.
    std::filesystem::create_symlink("nowhere.html", folder.file("link.html"));
    EXPECT_TRUE(fileExists(folder.file("link.html").string()));
}

}  // namespace
}  // namespace vaporis::ui
