#include "ui/report_frame.h"

#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/scripted_port.h"
#include "support/temporary_folder.h"

namespace vaporis::ui {
namespace {

TEST(ReportFrame, FileBytesAreWindows1252WithCrLf) {
    EXPECT_EQ(reportFileBytes("°C m³/kg m²/s\n"),
              "\xB0"
              "C m\xB3/kg m\xB2/s\r\n");
    EXPECT_EQ(reportFileBytes("€ – ä"), "\x80 \x96 \xE4");
    EXPECT_EQ(reportFileBytes("10⁻⁶ Pa s"), "10?? Pa s") << "no superscript minus in 1252";
    EXPECT_EQ(reportFileBytes("a\xC3"), "a?") << "a cut UTF-8 sequence";
    EXPECT_EQ(reportFileBytes("a\x80z"), "a?z") << "a stray continuation byte";
}

TEST(ReportFrame, NonAsciiFolderNamesWork) {
    const test::TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / std::filesystem::path(u8"Kessel_äö°"));
    ASSERT_TRUE(writeReportFile((folder.path() / "Kessel_äö°" / "r.html").string(), "x"));
    EXPECT_TRUE(
        std::filesystem::exists(folder.path() / std::filesystem::path(u8"Kessel_äö°/r.html")));
}

TEST(ReportFrame, AskWriteAndOpenOpensOnlyAWrittenReport) {
    const test::TemporaryFolder folder;
    const std::string path = folder.file("r.html").string();
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
            EXPECT_EQ(port.messages()[0].caption, "Error");
        }
    }
}

}  // namespace
}  // namespace vaporis::ui
