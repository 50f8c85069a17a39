#include "ui/gas_analysis_actions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "ui/messages.h"

namespace vaporis::ui {
namespace {

const std::string kMessage35 = "File already exists! Overwrite?";
const std::string kMessage37 = "Invalid filetype!";
const std::string kMessage38 = "File not found!";
const std::string kMessage40 = "Input data error. Sum of all components = 0!";

using Bytes = std::vector<std::uint8_t>;

class GasAnalysisFileActions : public ::testing::Test {
protected:
    void SetUp() override { analysis_.setDefault(); }

    [[nodiscard]] std::string path(const std::string& name) const {
        return (folder_.path() / name).string();
    }
    void writeBytes(const std::string& file, const Bytes& bytes) const {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    [[nodiscard]] Bytes readBytes(const std::string& file) const {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    test::ScriptedPort port_;
    gas::GasAnalysis analysis_;
    test::TemporaryFolder folder_;
};

TEST_F(GasAnalysisFileActions, SavedDefaultAnalysisIsTheDocumented199Bytes) {
    port_.answerNextSaveQuestion(path("air.gas"));
    EXPECT_TRUE(saveGasAnalysis(port_, analysis_));
    ASSERT_TRUE(port_.lastFileQuestion().has_value());
    EXPECT_EQ(port_.lastFileQuestion()->filterName, "Gas analysis files (*.gas)");
    EXPECT_EQ(port_.lastFileQuestion()->pattern, "*.gas");
    EXPECT_EQ(port_.lastFileQuestion()->defaultExtension, "gas");
    EXPECT_EQ(analysis_.name(), "air");
    const Bytes bytes = readBytes(path("air.gas"));
    ASSERT_EQ(bytes.size(), 199U);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 7),
              (Bytes{0x7D, 0x14, 0x01, 0x00, 0x01, 0x18, 0x01}));
    // 100.0 as a little-endian double at component 1 (dry air), zeros elsewhere.
    const Bytes hundred{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x59, 0x40};
    EXPECT_EQ(Bytes(bytes.begin() + 15, bytes.begin() + 23), hundred);
    EXPECT_EQ(std::count(bytes.begin() + 7, bytes.end(), 0), 192 - 2);
    EXPECT_TRUE(port_.messages().empty());
}

TEST_F(GasAnalysisFileActions, EmptyAnalysisIsNotSaved) {
    analysis_.reset();
    EXPECT_FALSE(saveGasAnalysis(port_, analysis_));
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text, kMessage40);
    EXPECT_EQ(port_.messages()[0].caption, "Error");
    EXPECT_EQ(port_.saveQuestions(), 0);
}

TEST_F(GasAnalysisFileActions, ExistingFileIsReplacedOnlyAfterYes) {
    const Bytes old{1, 2, 3};
    writeBytes(path("old.gas"), old);
    port_.answerNextSaveQuestion(path("old.gas"));
    port_.answerNextQuestion(MessageAnswer::kNo);
    EXPECT_FALSE(saveGasAnalysis(port_, analysis_));
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text, kMessage35);
    EXPECT_EQ(port_.messages()[0].caption, "Warning");
    EXPECT_EQ(readBytes(path("old.gas")), old);

    port_.answerNextSaveQuestion(path("old.gas"));
    port_.answerNextQuestion(MessageAnswer::kYes);
    EXPECT_TRUE(saveGasAnalysis(port_, analysis_));
    EXPECT_EQ(readBytes(path("old.gas")).size(), 199U);
}

TEST_F(GasAnalysisFileActions, FailedSaveTellsTheUserAndLeavesTheFolderAlone) {
    port_.answerNextSaveQuestion(path("missing folder/air.gas"));
    EXPECT_FALSE(saveGasAnalysis(port_, analysis_));
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text, kGasFileNotWrittenText);
    EXPECT_EQ(port_.messages()[0].caption, "Error");
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "missing folder"));
}

TEST_F(GasAnalysisFileActions, CancelledQuestionsChangeNothing) {
    const gas::GasAnalysis before = analysis_;
    EXPECT_FALSE(saveGasAnalysis(port_, analysis_));
    EXPECT_FALSE(loadGasAnalysis(port_, analysis_));
    EXPECT_EQ(analysis_, before);
    EXPECT_TRUE(port_.messages().empty());
}

TEST_F(GasAnalysisFileActions, UnreadableFilesKeepTheCompositionButNameIt) {
    struct Case {
        const char* name;
        Bytes bytes;
        const std::string& message;
    };
    const std::string kMessage36(messageText(static_cast<MessageId>(36)));
    Bytes foreign(199, 0);
    foreign[0] = 0x50;
    foreign[4] = 0x01;
    Bytes newer = foreign;
    newer[4] = 0x02;
    Bytes tooManyValues(199, 0);
    for (const auto& [offset, byte] : std::to_array<std::array<int, 2>>(
             {{{0, 0x7D}}, {{1, 0x14}}, {{2, 0x01}}, {{4, 0x01}}, {{5, 25}}, {{6, 1}}})) {
        tooManyValues[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(byte);
    }
    const auto cases = std::to_array<Case>({
        {"short.gas", Bytes{0x7D, 0x14, 0x01, 0x00, 0x01, 0x18, 0x01}, kMessage37},
        {"foreign.gas", foreign, kMessage37},
        {"newer.gas", newer, kMessage36},
        {"too many.gas", tooManyValues, kMessage37},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScriptedPort port;
        gas::GasAnalysis analysis;
        analysis.setDefault();
        gas::GasAnalysis expected = analysis;
        writeBytes(path(c.name), c.bytes);
        port.answerNextOpenQuestion(path(c.name));
        EXPECT_FALSE(loadGasAnalysis(port, analysis));
        ASSERT_EQ(port.messages().size(), 1U);
        EXPECT_EQ(port.messages()[0].text, c.message);
        EXPECT_EQ(port.messages()[0].caption, "Error");
        expected.setName(std::string(c.name).substr(0, std::string(c.name).size() - 4));
        EXPECT_EQ(analysis, expected) << "only the name follows the chosen file";
    }
}

TEST_F(GasAnalysisFileActions, MissingFileGivesMessage38) {
    port_.answerNextOpenQuestion(path("gone.gas"));
    EXPECT_FALSE(loadGasAnalysis(port_, analysis_));
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text, kMessage38);
    EXPECT_DOUBLE_EQ(analysis_.volumeFraction(gas::kDryAir), 1.0);
}

TEST_F(GasAnalysisFileActions, NameIsTheFileTitleWithoutFoldersAndLastExtension) {
    std::filesystem::create_directories(folder_.path() / "plant.v2");
    const std::string file = (folder_.path() / "plant.v2" / "boiler.flue.gas").string();
    port_.answerNextSaveQuestion(file);
    ASSERT_TRUE(saveGasAnalysis(port_, analysis_));
    analysis_.setName("x");
    port_.answerNextOpenQuestion(file);
    ASSERT_TRUE(loadGasAnalysis(port_, analysis_));
    EXPECT_EQ(analysis_.name(), "boiler.flue");
}

}  // namespace
}  // namespace vaporis::ui
