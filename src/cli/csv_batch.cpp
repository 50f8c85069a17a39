#include "cli/csv_batch.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>
#include <vector>

#include "cli/command_error.h"
#include "cli/number_io.h"
#include "cli/text_table.h"

namespace vaporis::app {

namespace {

constexpr std::size_t kReadChunk = 1 << 16;
// Output is handed to the system in blocks of about this size.
constexpr std::size_t kWriteBlock = 1 << 16;
// No sensible line of two numbers is longer; a longer one is read to its end and counted as
// malformed, so a runaway input cannot grow memory without bound.
constexpr std::size_t kMaxLineLength = 4096;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Bytes of a rejected header quoted in the error message.
constexpr std::size_t kHeaderExcerptLength = 40;

// Reads lines of a file in large chunks; a line's end (LF, or CR LF) is not returned.
class LineReader {
public:
    explicit LineReader(std::FILE* file) : file_(file) {}

    // False at the end of the input. `overlong` tells that the line was cut.
    bool next(std::string& line, bool& overlong) {
        line.clear();
        overlong = false;
        bool readAny = false;
        while (true) {
            if (position_ == filled_ && !refill()) {
                return finish(line, readAny);
            }
            readAny = true;
            const char* const start = buffer_.data() + position_;
            const std::size_t available = filled_ - position_;
            const auto* newline = static_cast<const char*>(std::memchr(start, '\n', available));
            const std::size_t length =
                newline != nullptr ? static_cast<std::size_t>(newline - start) : available;
            const std::size_t room = kMaxLineLength - std::min(line.size(), kMaxLineLength);
            overlong = overlong || length > room;
            line.append(start, std::min(length, room));
            position_ += length;
            if (newline != nullptr) {
                ++position_;
                return finish(line, true);
            }
        }
    }

private:
    bool refill() {
        position_ = 0;
        filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
        if (filled_ == 0 && std::ferror(file_) != 0) {
            throw ArgumentError("the input could not be read");
        }
        return filled_ > 0;
    }

    static bool finish(std::string& line, bool readAny) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return readAny;
    }

    std::FILE* file_;
    std::vector<char> buffer_ = std::vector<char>(kReadChunk);
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

// Collects output lines and writes them in blocks.
class BlockWriter {
public:
    explicit BlockWriter(std::FILE* file) : file_(file) { buffer_.reserve(2 * kWriteBlock); }

    std::string& buffer() { return buffer_; }

    void endLine() {
        buffer_ += '\n';
        if (buffer_.size() >= kWriteBlock) {
            flush();
        }
    }

    void flush() {
        writeText(file_, buffer_);
        buffer_.clear();
    }

private:
    std::FILE* file_;
    std::string buffer_;
};

// The two fields of a line; nothing when it has another number of fields.
std::optional<std::array<std::string_view, 2>> splitPair(std::string_view line) {
    const auto comma = line.find(',');
    if (comma == std::string_view::npos || line.find(',', comma + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    return std::array{trimBlanks(line.substr(0, comma)), trimBlanks(line.substr(comma + 1))};
}

// Which accepted pair a header names, and whether its columns come in the pair's order.
struct HeaderMatch {
    std::size_t pair = 0;
    bool swapped = false;
};

std::optional<HeaderMatch> matchHeader(std::string_view line, const BatchCommand& command) {
    if (line.starts_with(kUtf8Bom)) {
        line.remove_prefix(kUtf8Bom.size());
    }
    const auto names = splitPair(line);
    if (!names) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < command.accepted.size(); ++i) {
        const InputColumns& columns = command.accepted[i];
        if ((*names)[0] == columns.first && (*names)[1] == columns.second) {
            return HeaderMatch{i, false};
        }
        if ((*names)[0] == columns.second && (*names)[1] == columns.first) {
            return HeaderMatch{i, true};
        }
    }
    return std::nullopt;
}

std::string acceptedHeaders(const BatchCommand& command) {
    std::string text;
    for (const InputColumns& columns : command.accepted) {
        text += text.empty() ? "" : " or ";
        text += columns.first;
        text += ',';
        text += columns.second;
    }
    return text;
}

bool isBlank(std::string_view line) {
    return trimBlanks(line).empty();
}

// The start of a rejected line for a message, control characters shown as "?": a NUL would
// end the message early, an escape sequence would reach the terminal.
std::string headerExcerpt(std::string_view line) {
    std::string excerpt(line.substr(0, kHeaderExcerptLength));
    std::replace_if(
        excerpt.begin(), excerpt.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, '?');
    return excerpt;
}

HeaderMatch readHeader(LineReader& reader, const BatchCommand& command) {
    std::string line;
    bool overlong = false;
    while (reader.next(line, overlong)) {
        if (isBlank(line)) {
            continue;
        }
        if (const auto match = matchHeader(line, command); match && !overlong) {
            return *match;
        }
        throw ArgumentError(std::string(command.name) + " --batch: the header line must be " +
                            acceptedHeaders(command) + ", not \"" + headerExcerpt(line) + "\"");
    }
    throw ArgumentError(std::string(command.name) + " --batch: no header line on stdin (" +
                        acceptedHeaders(command) + ")");
}

// An output line of empty fields with kInputErrorStatus in the status column.
std::string inputErrorLine(std::string_view header) {
    std::string line;
    std::size_t start = 0;
    while (true) {
        const auto comma = header.find(',', start);
        const std::string_view column = header.substr(start, comma - start);
        line += column == kStatusColumn ? kInputErrorStatus : std::string_view();
        if (comma == std::string_view::npos) {
            return line;
        }
        line += ',';
        start = comma + 1;
    }
}

// The two numbers of a data line in the order of the header's pair; nothing for a malformed
// line.
std::optional<std::array<double, 2>> readInputs(std::string_view line, bool overlong,
                                                const HeaderMatch& header) {
    const auto fields = splitPair(line);
    if (!fields || overlong) {
        return std::nullopt;
    }
    const std::optional<double> first = parseNumber((*fields)[header.swapped ? 1 : 0]);
    const std::optional<double> second = parseNumber((*fields)[header.swapped ? 0 : 1]);
    if (!first || !second) {
        return std::nullopt;
    }
    return std::array{*first, *second};
}

}  // namespace

std::string csvHeader(std::initializer_list<std::string_view> leading,
                      std::span<const ui::PropertyEntry> catalogue) {
    std::string header;
    for (const std::string_view column : leading) {
        header += header.empty() ? "" : ",";
        header += column;
    }
    for (const ui::PropertyEntry& entry : catalogue) {
        header += ',';
        header += entry.key;
    }
    return header;
}

void appendNextField(std::string& out, double value, bool valid) {
    out += ',';
    if (valid) {
        appendNumber(out, value);
    }
}

void appendNextField(std::string& out, int value) {
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out += ',';
    out.append(digits.data(), result.ptr);
}

void runBatch(std::FILE* in, std::FILE* out, const BatchCommand& command) {
    LineReader reader(in);
    const HeaderMatch header = readHeader(reader, command);
    const std::string errorLine = inputErrorLine(command.outputHeader);
    BlockWriter writer(out);
    writer.buffer() += command.outputHeader;
    writer.endLine();
    std::string line;
    bool overlong = false;
    while (reader.next(line, overlong)) {
        if (isBlank(line)) {
            continue;
        }
        if (const auto inputs = readInputs(line, overlong, header)) {
            command.writeRow(header.pair, (*inputs)[0], (*inputs)[1], writer.buffer());
        } else {
            writer.buffer() += errorLine;
        }
        writer.endLine();
    }
    writer.flush();
}

}  // namespace vaporis::app
