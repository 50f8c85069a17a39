#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace vaporis::app {

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

}  // namespace vaporis::app
