#include "output/reports/report_frame.h"

#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "ui/report_saving.h"

namespace vaporis::ui {
namespace {

TEST(ReportFrame, FileBytesAreWindows1252WithCrLf) {
    EXPECT_EQ(output::reportFileBytes("°C m³/kg m²/s\n"),
              "\xB0"
              "C m\xB3/kg m\xB2/s\r\n");
    EXPECT_EQ(output::reportFileBytes("€ – ä"), "\x80 \x96 \xE4");
    // Characters that Windows-1252 lacks stay whole as character references.
    EXPECT_EQ(output::reportFileBytes("Łódź CO₂, 10⁻⁶"),
              "&#321;\xF3"
              "d&#378; CO&#8322;, 10&#8315;&#8310;");
    EXPECT_EQ(output::reportFileBytes("a\xC3"), "a?") << "a cut UTF-8 sequence";
    EXPECT_EQ(output::reportFileBytes("a\x80z"), "a?z") << "a stray continuation byte";
}

TEST(ReportFrame, NonAsciiFolderNamesWork) {
    const test::TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / std::filesystem::path(u8"Kessel_äö°"));
    ASSERT_TRUE(output::writeReportFile((folder.path() / "Kessel_äö°" / "r.html").string(), "x"));
    EXPECT_TRUE(
        std::filesystem::exists(folder.path() / std::filesystem::path(u8"Kessel_äö°/r.html")));
}

TEST(ReportFrame, AskWriteAndOpenOpensOnlyAWrittenReportAndNamesOneThatDidNotOpen) {
    const test::TemporaryFolder folder;
    const std::string path = folder.file("r.html").string();
    for (const bool written : {true, false}) {
        SCOPED_TRACE(written);
        test::ScriptedPort port;
        port.answerNextSaveQuestion(path);
        askWriteAndOpenReport(
            port,
            [&](const std::string& chosen) {
                EXPECT_EQ(chosen, path);
                return written ? file::WriteOutcome{}
                               : file::WriteOutcome::failed(chosen, "No space left on device");
            },
            "steam table");
        EXPECT_EQ(port.lastFileQuestion()->suggestedName, "steam table");
        EXPECT_EQ(port.openedDocuments().size(), written ? 1U : 0U);
        ASSERT_EQ(port.messages().size(), written ? 0U : 1U) << "a failed write is told";
        if (!written) {
            EXPECT_EQ(port.messages()[0].text, std::string(output::kReportNotWrittenText) + "\n\n" +
                                                   path + ": No space left on device");
        }
    }
    test::ScriptedPort desktopWithoutViewer;
    desktopWithoutViewer.setOpenDocumentResult(false);
    desktopWithoutViewer.answerNextSaveQuestion(path);
    askWriteAndOpenReport(desktopWithoutViewer,
                          [](const std::string&) { return file::WriteOutcome{}; });
    ASSERT_EQ(desktopWithoutViewer.messages().size(), 1U);
    EXPECT_NE(desktopWithoutViewer.messages()[0].text.find(path), std::string::npos);
    test::ScriptedPort port;
    port.answerNextSaveQuestion(std::nullopt);
    bool asked = false;
    askWriteAndOpenReport(port, [&asked](const std::string&) {
        asked = true;
        return file::WriteOutcome{};
    });
    EXPECT_FALSE(asked) << "a cancelled question writes nothing";
}

}  // namespace
}  // namespace vaporis::ui
