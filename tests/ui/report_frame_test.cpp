#include "ui/report_frame.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "support/scripted_port.h"
#include "support/temporary_folder.h"

namespace vaporis::ui {
namespace {

TEST(ReportFrame, UnitTextsKeepTheirPadding) {
    for (int number = 0; number < kUnitCount; ++number) {
        SCOPED_TRACE(number);
        const std::size_t expected = number == 23 ? 5 : (number == 27 ? 6 : 8);
        EXPECT_EQ(reportFileBytes(unitText(static_cast<ReportUnit>(number))).size(), expected);
    }
    EXPECT_EQ(unitText(static_cast<ReportUnit>(23)), "Pa\t\t ");
    EXPECT_EQ(unitText(static_cast<ReportUnit>(1)), "°C      ");
    EXPECT_EQ(unitText(static_cast<ReportUnit>(33)), "Nm³/h   ");
    EXPECT_TRUE(unitText(static_cast<ReportUnit>(34)).empty());
}

TEST(ReportFrame, DocumentWrapsSectionsInTheFrame) {
    EXPECT_EQ(reportDocument(kWaterReportTitle, "<table>\n</table>\n"),
              "<html> \n<head> \n<meta charset=\"windows-1252\">\n\n</head> \n\n<body> \n\n"
              "<h2> Properties of water / steam according to IAPWS-IF97 </h2>\n\n"
              "<table>\n</table>\n"
              "\n</body> \n</html>");
}

TEST(ReportFrame, FileBytesAreWindows1252WithCrLf) {
    EXPECT_EQ(reportFileBytes("°C m³/kg m²/s\n"),
              "\xB0"
              "C m\xB3/kg m\xB2/s\r\n");
    EXPECT_EQ(reportFileBytes("€ – ä"), "\x80 \x96 \xE4");
    EXPECT_EQ(reportFileBytes("10⁻⁶ Pa s"), "10?? Pa s") << "no superscript minus in 1252";
    EXPECT_EQ(reportFileBytes("a\xC3"), "a?") << "a cut UTF-8 sequence";
    EXPECT_EQ(reportFileBytes("a\x80z"), "a?z") << "a stray continuation byte";
}

class ReportFile : public ::testing::Test {
protected:
    [[nodiscard]] std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder_.path()),
                          std::filesystem::directory_iterator()));
    }
    test::TemporaryFolder folder_;
};

TEST_F(ReportFile, ReplacesAnOlderReportCompletely) {
    const std::filesystem::path path = folder_.path() / "report.html";
    std::ofstream(path) << std::string(1000, 'x');
    ASSERT_TRUE(writeReportFile(path.string(), "°\n"));
    EXPECT_EQ(test::fileBytes(path), "\xB0\r\n");
    EXPECT_EQ(filesInFolder(), 1U) << "no temporary file is left behind";
}

TEST_F(ReportFile, UnwritableTargetIsReportedAndLeavesNothing) {
    const std::filesystem::path missingFolder = folder_.path() / "missing" / "report.html";
    EXPECT_FALSE(writeReportFile(missingFolder.string(), "text"));
    const std::filesystem::path folderInTheWay = folder_.path() / "taken.html";
    std::filesystem::create_directory(folderInTheWay);
    EXPECT_FALSE(writeReportFile(folderInTheWay.string(), "text"));
    EXPECT_TRUE(std::filesystem::is_directory(folderInTheWay));
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(ReportFile, NonAsciiFolderNamesWork) {
    const std::filesystem::path folder = folder_.path() / std::filesystem::path(u8"Kessel_äö°");
    std::filesystem::create_directory(folder);
    const std::string utf8Path = (folder_.path() / "Kessel_äö°" / "r.html").string();
    ASSERT_TRUE(writeReportFile(utf8Path, "x"));
    EXPECT_TRUE(std::filesystem::exists(folder / "r.html"));
}

TEST_F(ReportFile, AskWriteAndOpenOpensOnlyAWrittenReport) {
    const std::string path = (folder_.path() / "r.html").string();
    struct Case {
        std::optional<std::string> answer;
        bool written;
        std::size_t writes;
        std::size_t opened;
        std::size_t messages;
    };
    for (const Case& c : {Case{std::nullopt, true, 0, 0, 0}, Case{path, true, 1, 1, 0},
                          Case{path, false, 1, 0, 1}}) {
        SCOPED_TRACE(c.writes * 10 + c.opened);
        test::ScriptedPort port;
        port.answerNextSaveQuestion(c.answer);
        std::size_t writes = 0;
        askWriteAndOpenReport(port, [&](const std::string& chosen) {
            EXPECT_EQ(chosen, path);
            ++writes;
            return c.written;
        });
        EXPECT_EQ(writes, c.writes);
        EXPECT_EQ(port.openedDocuments().size(), c.opened);
        ASSERT_EQ(port.messages().size(), c.messages);
        if (c.messages > 0) {
            EXPECT_EQ(port.messages()[0].text, kReportNotWrittenText);
            EXPECT_EQ(port.messages()[0].caption, "Error");
        }
    }
}

}  // namespace
}  // namespace vaporis::ui
