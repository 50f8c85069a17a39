#include "cli/csv_reader.h"

#include <algorithm>
#include <cstring>

#include "cli/command_error.h"

namespace vaporis::cli {

namespace {

bool finish(std::string& line, bool readAny) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return readAny;
}

}  // namespace

bool LineReader::next(std::string& line, bool& overlong) {
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

bool LineReader::refill() {
    position_ = 0;
    filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (filled_ == 0 && std::ferror(file_) != 0) {
        throw ArgumentError("the input could not be read");
    }
    return filled_ > 0;
}

bool readBlock(LineReader& reader, std::size_t rows, LineBlock& block) {
    block.text.clear();
    block.lines.clear();
    std::string line;
    bool overlong = false;
    while (block.lines.size() < rows && reader.next(line, overlong)) {
        block.lines.push_back({block.text.size(), line.size(), overlong});
        block.text += line;
    }
    return !block.lines.empty();
}

}  // namespace vaporis::cli
