#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vaporis::cli {

//! Rows of text cells printed in aligned columns: the first column (the labels) flush left,
//! the others (numbers) flush right. Widths count characters, not UTF-8 bytes, so labels
//! with "°" or "³" line up. An empty row prints as an empty line.
class TextTable {
public:
    void addRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
    //! The table, every row ending in "\n", without trailing blanks.
    [[nodiscard]] std::string render() const;

private:
    [[nodiscard]] std::vector<std::size_t> columnWidths() const;

    std::vector<std::vector<std::string>> rows_;
};

//! A table cell: the value with at least 6 decimals and at least 6 significant digits
//! ("0.000175432"), in exponent notation below 1e-4 and from 1e9 on ("1.23457e-05"), zero as
//! "0"; empty when it is not valid.
[[nodiscard]] std::string tableNumber(double value, bool valid);

//! Writes the text to the file as it stands and flushes it. Throws ArgumentError when it
//! could not be written (a full disk), so that no lost output passes for success. While an
//! OutputCapture lives on this thread, text for stdout and stderr is collected there instead.
void writeText(std::FILE* file, std::string_view text);

//! A note or error for stderr that must not fail itself (or collected, as writeText).
void writeMessage(std::string_view text);

//! Collects what one command run on this thread prints, so that a batch can run a command
//! once per row and read its answer.
class OutputCapture {
public:
    OutputCapture();
    ~OutputCapture();
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    std::string out;
    std::string err;

private:
    OutputCapture* outer_;
};

}  // namespace vaporis::cli
