#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vaporis::cli {

//! No sensible batch line is longer; a longer one is read to its end and counted as
//! malformed, so a runaway input cannot grow memory without bound.
inline constexpr std::size_t kMaxLineLength = 4096;

//! Reads lines of a file in large chunks; a line's end (LF, or CR LF) is not returned.
class LineReader {
public:
    explicit LineReader(std::FILE* file) : file_(file) {}

    //! False at the end of the input. `overlong` tells that the line was cut at
    //! kMaxLineLength. Throws ArgumentError when the input cannot be read.
    bool next(std::string& line, bool& overlong);

private:
    bool refill();

    std::FILE* file_;
    std::vector<char> buffer_ = std::vector<char>(std::size_t{1} << 16);
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

//! The lines of a block of input, read before its rows are computed in parallel.
struct LineBlock {
    struct Line {
        std::size_t begin;
        std::size_t length;
        bool overlong;
    };
    std::string text;
    std::vector<Line> lines;

    [[nodiscard]] std::string_view line(std::size_t i) const {
        return std::string_view(text).substr(lines[i].begin, lines[i].length);
    }
};

//! Reads up to `rows` lines into the block; false when the input had none left.
bool readBlock(LineReader& reader, std::size_t rows, LineBlock& block);

}  // namespace vaporis::cli
