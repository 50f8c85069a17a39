#include "ui/gas/gas_analysis_actions.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "engine/gas/gas_analysis.h"
#include "output/messages/messages.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"

namespace vaporis::ui {
namespace {

class GasAnalysisFileActions : public ::testing::Test {
protected:
    void SetUp() override { analysis_.setDefault(); }

    [[nodiscard]] std::string path(const std::string& name) const {
        return folder_.file(name).string();
    }
    [[nodiscard]] std::string onlyMessage() const {
        EXPECT_EQ(port_.messages().size(), 1U);
        return port_.messages().empty() ? std::string() : port_.messages()[0].text;
    }

    test::ScriptedPort port_;
    gas::GasAnalysis analysis_;
    test::TemporaryFolder folder_;
};

TEST_F(GasAnalysisFileActions, EmptyAnalysisIsNotSavedAndCancelChangesNothing) {
    const gas::GasAnalysis before = analysis_;
    EXPECT_FALSE(saveGasAnalysis(port_, analysis_));
    EXPECT_FALSE(loadGasAnalysis(port_, analysis_));
    EXPECT_EQ(analysis_, before);
    EXPECT_TRUE(port_.messages().empty());
    analysis_.reset();
    EXPECT_FALSE(saveGasAnalysis(port_, analysis_));
    EXPECT_EQ(onlyMessage(), output::messageText(output::MessageId::kComponentSumZero));
    EXPECT_EQ(port_.saveQuestions(), 1) << "only the cancelled one";
}

TEST_F(GasAnalysisFileActions, ExistingFileIsReplacedOnlyAfterYes) {
    std::ofstream(path("old.gas")) << "old";
    port_.answerNextSaveQuestion(path("old.gas"));
    port_.answerNextQuestion(MessageAnswer::kNo);
    EXPECT_FALSE(saveGasAnalysis(port_, analysis_));
    EXPECT_EQ(onlyMessage(), output::messageText(output::MessageId::kFileExistsOverwrite));
    EXPECT_EQ(std::filesystem::file_size(path("old.gas")), 3U);
    port_.answerNextSaveQuestion(path("old.gas"));
    port_.answerNextQuestion(MessageAnswer::kYes);
    EXPECT_TRUE(saveGasAnalysis(port_, analysis_));
    EXPECT_EQ(std::filesystem::file_size(path("old.gas")), 199U);
}

TEST_F(GasAnalysisFileActions, FailedSaveTellsTheUser) {
    port_.answerNextSaveQuestion(path("missing folder/air.gas"));
    EXPECT_FALSE(saveGasAnalysis(port_, analysis_));
    EXPECT_EQ(onlyMessage(), std::string(kGasFileNotWrittenText) + "\n\n" +
                                 path("missing folder/air.gas") + ": the folder does not exist");
    EXPECT_EQ(port_.messages()[0].caption, "Error");
}

TEST_F(GasAnalysisFileActions, UnreadableFilesNameTheirFaultAndKeepTheComposition) {
    using Bytes = std::vector<std::uint8_t>;
    Bytes newer{0x7D, 0x14, 0x01, 0x00, 0x02};
    newer.resize(199, 0);
    struct Case {
        const char* name;
        std::optional<Bytes> bytes;
        std::string_view text;
    };
    // A FIFO would block a program that opened it to read.
    ASSERT_EQ(::mkfifo(path("fifo.gas").c_str(), 0644), 0);
    for (const Case& c :
         {Case{"short.gas", Bytes{0x7D, 0x14, 0x01},
               output::messageText(output::MessageId::kInvalidFileType)},
          Case{"newer.gas", newer, output::messageText(output::MessageId::kFileFromNewerVersion)},
          Case{"gone.gas", std::nullopt, output::messageText(output::MessageId::kFileNotFound)},
          Case{"fifo.gas", std::nullopt, output::kNotRegularFileText}}) {
        SCOPED_TRACE(c.name);
        if (c.bytes) {
            std::ofstream(path(c.name), std::ios::binary)
                .write(reinterpret_cast<const char*>(c.bytes->data()),
                       static_cast<std::streamsize>(c.bytes->size()));
        }
        test::ScriptedPort port;
        gas::GasAnalysis analysis;
        analysis.setDefault();
        port.answerNextOpenQuestion(path(c.name));
        EXPECT_FALSE(loadGasAnalysis(port, analysis));
        ASSERT_EQ(port.messages().size(), 1U);
        EXPECT_EQ(port.messages()[0].text, c.text);
        EXPECT_DOUBLE_EQ(analysis.volumeFraction(gas::kDryAir), 1.0);
    }
}

}  // namespace
}  // namespace vaporis::ui
