#include "ui/fields.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/water/saturation.h"
#include "engine/water/water_steam_state.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "ui/messages.h"
#include "ui/number_text.h"

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
        {"12.5", kNoNegatives, kNotEmpty, 12.5, kNoInputError},
        {"1.2.3", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {"1,2.3", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {"-5", kNoNegatives, kNotEmpty, -5.0, kNegativeNumber},
        {"-5", kNegativeAllowed, kNotEmpty, -5.0, kNoInputError},
        {"5-", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {"1e5", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {"+5", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {" 5", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {"inf", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
        {"-", kNegativeAllowed, kNotEmpty, 0.0, kNotANumber},
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
    }
}

TEST(FieldRules, ReadErrorIsKeptByLaterGoodFields) {
    test::ScriptedPort port;
    port.typeText(1, "x");
    port.typeText(2, "7");
    int error = kNoInputError;
    (void)readNumber(port, 1, kNoNegatives, kNotEmpty, error);
    EXPECT_EQ(readNumber(port, 2, kNoNegatives, kNotEmpty, error), 7.0);
    EXPECT_EQ(error, kNotANumber);
}

TEST(FieldRules, CheckNumberTextTurnsCommasIntoPointsEvenWhenInvalid) {
    std::string valid = "12,5";
    EXPECT_EQ(checkNumberText(valid), kNumberValid);
    EXPECT_EQ(valid, "12.5");
    std::string invalid = "1,2,3";
    EXPECT_EQ(checkNumberText(invalid), kNumberInvalid);
    EXPECT_EQ(invalid, "1.2.3");
}

TEST(FieldRules, WriteNumberShowsNoValueMarkerAsEmptyField) {
    test::ScriptedPort port;
    port.setText(kField, "old");
    writeNumber(port, kField, 999.0, 6);
    EXPECT_EQ(port.text(kField), "");
    writeNumber(port, kField, 999.0001, 4);
    EXPECT_EQ(port.text(kField), "999.0001");
}

TEST(FieldRules, WriteNumberUsesFourDecimalsOutsideZeroToSix) {
    test::ScriptedPort port;
    for (const auto& [decimals, shown] : {std::pair{0, "3197"}, std::pair{6, "3196.592683"},
                                          std::pair{9, "3196.5927"}, std::pair{-1, "3196.5927"}}) {
        SCOPED_TRACE(decimals);
        writeNumber(port, kField, 3196.5926831, decimals);
        EXPECT_EQ(port.text(kField), shown);
    }
}

TEST(FieldRules, WriteNumberCutsHugeValuesTo255Characters) {
    test::ScriptedPort port;
    writeNumber(port, kField, 1e300, 6);
    EXPECT_EQ(port.text(kField).size(), 255U);
    EXPECT_EQ(port.text(kField).substr(0, 2), "10");
}

TEST(FieldRules, ReadRadio3TakesTheLastCheckedButton) {
    test::ScriptedPort port;
    EXPECT_EQ(readRadio3(port, 1, 2, 3, 10, 20, 30), 0);
    port.setChecked(1, true);
    EXPECT_EQ(readRadio3(port, 1, 2, 3, 10, 20, 30), 10);
    port.setChecked(3, true);
    EXPECT_EQ(readRadio3(port, 1, 2, 3, 10, 20, 30), 30);
}

constexpr SteamInputGroup kGroup{1000, 1001, 1002, 1008, 1009, 1010};

TEST(FieldRules, SteamInputGroupShowsTheModesTwoInputs) {
    struct Case {
        water::WaterSteamState state;
        std::array<bool, 3> radios;
        std::array<const char*, 3> texts;  // p, t, x; "-" for a disabled field
    };
    const auto cases = std::to_array<Case>({
        {water::WaterSteamState(0, 50.0, 400.0, 1.0),
         {true, false, false},
         {"50.0000", "400.0000", "-"}},
        {water::WaterSteamState(1, 10.0, 400.0, 0.5),
         {false, true, false},
         {"10.0000", "-", "0.5000"}},
        {water::WaterSteamState(2, 1.0, 123456.789, 0.25),
         {false, false, true},
         {"-", "123456.78", "0.2500"}},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state.mode());
        test::ScriptedPort port;
        port.setChecked(1000, true);
        showSteamInputGroup(port, kGroup, c.state);
        const std::array<int, 3> fields{1008, 1009, 1010};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(port.checked(1000 + static_cast<int>(i)), c.radios[i]);
            const bool used = std::string(c.texts[i]) != "-";
            EXPECT_EQ(port.enabled(fields[i]), used);
            if (used) {
                EXPECT_EQ(port.text(fields[i]), c.texts[i]);
            }
        }
    }
}

TEST(FieldRules, BoilingTemperatureDisplayFollowsTheSaturationLine) {
    struct Case {
        int mode;
        const char* p;
        const char* t;
        std::string shown;
    };
    const auto cases = std::to_array<Case>({
        {0, "220.64", "", formatFixed(water::saturationTemperature(220.64), 3)},
        {0, "220.65", "", "p > p_krit "},
        {1, "1", "", formatFixed(water::saturationTemperature(1.0), 3)},
        {1, "0.006", "", " < 0 °C"},
        {0, "abc", "", " < 0 °C"},
        {0, "", "", " < 0 °C"},
        {2, "", "100", "100.000"},
        {2, "", "373.9", "373.900"},
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
    EXPECT_EQ(formatFixed(water::saturationTemperature(1.0), 3), "99.606");
}

TEST(FieldRules, FileTitleDropsFoldersOfEitherSeparatorAndTheLastExtension) {
    const auto cases = std::to_array<std::array<const char*, 2>>({
        {"C:\\data.v2\\air.dry.gas", "air.dry"},
        {"/home/user/plant.1/flue gas.gas", "flue gas"},
        {"mixed/dir\\natural.gas", "natural"},
        {"noextension", "noextension"},
        {"folder.with.points/", ""},
    });
    for (const auto& [path, title] : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(fileTitle(path, 128), title);
    }
    EXPECT_EQ(fileTitle("/x/abcdef.gas", 5), "abcd") << "cut before the extension goes";
    EXPECT_EQ(fileTitle("/x/ab.cdef.gas", 8), "ab") << "cut, then the last point";
    EXPECT_EQ(fileTitle("/x/a°.gas", 3), "a") << "never half a character";
}

class HtmlFileQuestion : public ::testing::Test {
protected:
    std::string existingFile() {
        const std::filesystem::path path = folder_.path() / "old.html";
        std::ofstream(path) << "old";
        return path.string();
    }
    test::TemporaryFolder folder_;
};

TEST_F(HtmlFileQuestion, CancelGivesNoFile) {
    test::ScriptedPort port;
    port.answerNextSaveQuestion(std::nullopt);
    EXPECT_EQ(askHtmlFileName(port), std::nullopt);
    ASSERT_TRUE(port.lastFileQuestion().has_value());
    EXPECT_EQ(port.lastFileQuestion()->filterName, "HTML files (*.html)");
    EXPECT_EQ(port.lastFileQuestion()->pattern, "*.html");
    EXPECT_EQ(port.lastFileQuestion()->defaultExtension, "html");
    EXPECT_TRUE(port.messages().empty());
}

TEST_F(HtmlFileQuestion, NewFileIsTakenWithoutQuestion) {
    test::ScriptedPort port;
    const std::string path = (folder_.path() / "new.html").string();
    port.answerNextSaveQuestion(path);
    EXPECT_EQ(askHtmlFileName(port), path);
    EXPECT_TRUE(port.messages().empty());
}

TEST_F(HtmlFileQuestion, ExistingFileNeedsYesToOverwrite) {
    for (const auto answer : {ui::MessageAnswer::kYes, ui::MessageAnswer::kNo}) {
        test::ScriptedPort port;
        const std::string path = existingFile();
        port.answerNextSaveQuestion(path);
        port.answerNextQuestion(answer);
        const std::optional<std::string> chosen = askHtmlFileName(port);
        EXPECT_EQ(chosen.has_value(), answer == ui::MessageAnswer::kYes);
        ASSERT_EQ(port.messages().size(), 1U);
        EXPECT_EQ(port.messages()[0].text, "File already exists! Overwrite?");
        EXPECT_EQ(port.messages()[0].caption, "Warning");
        EXPECT_EQ(port.messages()[0].buttons, ui::MessageButtons::kYesNo);
    }
}

TEST_F(HtmlFileQuestion, FileExistsOnlyForReadableFiles) {
    EXPECT_TRUE(fileExists(existingFile()));
    EXPECT_FALSE(fileExists((folder_.path() / "missing.html").string()));
}

}  // namespace
}  // namespace vaporis::ui
