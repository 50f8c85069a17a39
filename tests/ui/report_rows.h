#pragma once

#include <clocale>
#include <filesystem>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "support/temporary_folder.h"

namespace vaporis::test {

// The report rows, filled by C's own printf in the C locale: the reference that the report
// writers' locale-free formatting is held against.
inline constexpr const char* kInputRow =
    "<tr> \n <td width=350>%s</td><td> %.4lf %s </td><td width=55>%s</td>\n</tr>\n";
inline constexpr const char* kValueRow =
    "<tr>\n <td width=350>%s</td><td> %.5lf %s </td><td width=55>%s</td>\n</tr>\n";
inline constexpr const char* kSpacer = "&nbsp &nbsp &nbsp &nbsp";

//! A report row as the file holds it: label and unit text in Windows-1252.
struct ReferenceLine {
    const char* label;
    const char* unit;
};

//! Writes a report into a folder of its own and reads its bytes back. The C locale lets
//! printf build the reference rows with a decimal point.
class ReportBytesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr); }

    //! The bytes that `write(path)` left in the file; a failed write fails the test.
    template <typename Writer>
    [[nodiscard]] std::string writtenBy(const Writer& write) {
        const std::filesystem::path path = folder_.file("report.html");
        EXPECT_TRUE(write(path.string()));
        return fileBytes(path);
    }

    TemporaryFolder folder_;
};

//! `format` filled by snprintf with a label, a value and two texts.
[[nodiscard]] std::string printed(const char* format, const std::string& label, double value,
                                  const char* first, const char* second);

//! An empty row holding the spacer; `open` is its opening tag as written ("<tr>" or "<tr> ").
[[nodiscard]] std::string spacerRow(const char* open);

//! The start of a report with `title`, up to its first table.
[[nodiscard]] std::string reportStart(std::string_view title);

//! `text` with every line ending in CR LF, as report files hold it.
[[nodiscard]] std::string withCrLf(std::string_view text);

}  // namespace vaporis::test
