#include "cli/csv_batch.h"

#include <algorithm>
#include <array>
#include <cctype>
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
// Bytes of a rejected header or field quoted in a message.
constexpr std::size_t kExcerptLength = 40;

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

// The blank-trimmed fields of a line.
std::vector<std::string_view> splitFields(std::string_view line, char delimiter) {
    std::vector<std::string_view> fields;
    while (true) {
        const auto end = line.find(delimiter);
        fields.push_back(trimBlanks(line.substr(0, end)));
        if (end == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(end + 1);
    }
}

// A header name as it is compared: lower case, without a trailing unit in brackets ("P [bar]").
std::string columnName(std::string_view field) {
    if (field.ends_with(']')) {
        if (const auto open = field.rfind('['); open != std::string_view::npos) {
            field = trimBlanks(field.substr(0, open));
        }
    }
    std::string name(field);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

// Which accepted pair a header names, and whether its columns come in the pair's order.
struct HeaderMatch {
    std::size_t pair = 0;
    bool swapped = false;
};

std::optional<HeaderMatch> matchHeader(std::string_view line, char delimiter,
                                       const BatchCommand& command) {
    if (line.starts_with(kUtf8Bom)) {
        line.remove_prefix(kUtf8Bom.size());
    }
    const auto fields = splitFields(line, delimiter);
    if (fields.size() != 2) {
        return std::nullopt;
    }
    const std::string first = columnName(fields[0]);
    const std::string second = columnName(fields[1]);
    for (std::size_t i = 0; i < command.accepted.size(); ++i) {
        const InputColumns& columns = command.accepted[i];
        if (first == columns.first && second == columns.second) {
            return HeaderMatch{i, false};
        }
        if (first == columns.second && second == columns.first) {
            return HeaderMatch{i, true};
        }
    }
    return std::nullopt;
}

std::string acceptedHeaders(const BatchCommand& command, char delimiter) {
    std::string text;
    for (const InputColumns& columns : command.accepted) {
        text += text.empty() ? "" : " or ";
        text += columns.first;
        text += delimiter;
        text += columns.second;
    }
    return text;
}

bool isBlank(std::string_view line) {
    return trimBlanks(line).empty();
}

// The start of a rejected text for a message, control characters shown as "?": a NUL would
// end the message early, an escape sequence would reach the terminal.
std::string excerpt(std::string_view text) {
    std::string shown(text.substr(0, kExcerptLength));
    std::replace_if(
        shown.begin(), shown.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, '?');
    return shown;
}

HeaderMatch readHeader(LineReader& reader, CsvFormat format, const BatchCommand& command) {
    std::string line;
    bool overlong = false;
    while (reader.next(line, overlong)) {
        if (isBlank(line)) {
            continue;
        }
        if (const auto match = matchHeader(line, format.delimiter, command); match && !overlong) {
            return *match;
        }
        throw ArgumentError(std::string(command.name) + " --batch: the header line must be " +
                            acceptedHeaders(command, format.delimiter) + ", not \"" +
                            excerpt(line) + "\"");
    }
    throw ArgumentError(std::string(command.name) + " --batch: no header line on stdin (" +
                        acceptedHeaders(command, format.delimiter) + ")");
}

std::optional<double> parseField(std::string_view field, CsvFormat format) {
    if (!format.decimalComma) {
        return parseNumber(field);
    }
    // A point is refused rather than guessed at: in such a file it would be a thousands mark.
    if (field.find('.') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string text(field);
    std::replace(text.begin(), text.end(), ',', '.');
    return parseNumber(text);
}

// A data line read: its two numbers in the order of the header's pair, or why it has none.
struct DataLine {
    std::vector<std::string_view> fields;
    std::optional<std::array<double, 2>> inputs;
    std::string problem;
};

DataLine readDataLine(std::string_view line, bool overlong, CsvFormat format,
                      const HeaderMatch& header) {
    DataLine data;
    if (overlong) {
        data.problem = "the line is longer than " + std::to_string(kMaxLineLength) + " bytes";
        return data;
    }
    data.fields = splitFields(line, format.delimiter);
    if (data.fields.size() != 2) {
        data.problem = "2 fields expected, not " + std::to_string(data.fields.size());
        return data;
    }
    std::array<double, 2> inputs{};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string_view field = data.fields[header.swapped ? 1 - i : i];
        const std::optional<double> value = parseField(field, format);
        if (!value) {
            data.problem =
                field.empty() ? "a number is missing" : "not a number: " + excerpt(field);
            return data;
        }
        inputs[i] = *value;
    }
    data.inputs = inputs;
    return data;
}

// The output line of a malformed input line: its input texts under their names, the input-error
// status and the problem, the other fields empty.
void writeInputError(const DataLine& data, const HeaderMatch& header, const BatchCommand& command,
                     CsvLine& line) {
    const InputColumns& pair = command.accepted[header.pair];
    const std::array<std::string_view, 2> inFileOrder =
        header.swapped ? std::array{pair.second, pair.first} : std::array{pair.first, pair.second};
    for (const std::string_view column : splitFields(command.outputHeader, ',')) {
        if (column == kStatusColumn) {
            line.text(kInputErrorStatus);
        } else if (column == kMessageColumn) {
            line.text(data.problem);
        } else {
            const auto* const match = std::find(inFileOrder.begin(), inFileOrder.end(), column);
            const auto index = static_cast<std::size_t>(match - inFileOrder.begin());
            const bool given = index < inFileOrder.size() && index < data.fields.size();
            line.text(given ? data.fields[index] : std::string_view());
        }
    }
    line.markFailed();
}

std::string headerLine(std::string_view header, char delimiter) {
    std::string line(header);
    std::replace(line.begin(), line.end(), ',', delimiter);
    return line;
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

int runBatch(std::FILE* in, std::FILE* out, CsvFormat format, const BatchCommand& command) {
    LineReader reader(in);
    const HeaderMatch header = readHeader(reader, format, command);
    BlockWriter writer(out);
    writer.buffer() += headerLine(command.outputHeader, format.delimiter);
    writer.endLine();
    std::string text;
    bool overlong = false;
    bool anyFailed = false;
    while (reader.next(text, overlong)) {
        if (!isBlank(text)) {
            CsvLine line(writer.buffer(), format);
            const DataLine data = readDataLine(text, overlong, format, header);
            if (data.inputs) {
                command.writeRow(header.pair, (*data.inputs)[0], (*data.inputs)[1], line);
            } else {
                writeInputError(data, header, command, line);
            }
            anyFailed = anyFailed || line.failed();
        }
        writer.endLine();
    }
    writer.flush();
    return anyFailed ? kExitSomeRowsFailed : kExitOk;
}

}  // namespace vaporis::app
