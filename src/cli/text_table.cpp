#include "cli/text_table.h"

#include <algorithm>
#include <cmath>

#include "cli/command_error.h"
#include "output/format/number_text.h"

namespace vaporis::cli {

namespace {

constexpr std::size_t kColumnGap = 2;
// Every number shows at least this many significant digits, and at least as many decimals
// as the results dialogs; outside [kSmallest, kLargest) in exponent notation.
constexpr int kSignificantDigits = 6;
constexpr int kTableDecimals = 6;
constexpr double kSmallest = 1e-4;
constexpr double kLargest = 1e9;

// Counts code points: every byte that does not continue a UTF-8 sequence.
std::size_t displayWidth(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void pad(std::string& line, std::size_t count) {
    line.append(count, ' ');
}

}  // namespace

std::vector<std::size_t> TextTable::columnWidths() const {
    std::vector<std::size_t> widths;
    for (const auto& row : rows_) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], displayWidth(row[i]));
        }
    }
    return widths;
}

std::string TextTable::render() const {
    const std::vector<std::size_t> widths = columnWidths();
    std::string out;
    for (const auto& row : rows_) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::size_t fill = widths[i] - displayWidth(row[i]);
            if (i == 0) {
                line += row[i];
                pad(line, fill);
            } else {
                pad(line, kColumnGap + fill);
                line += row[i];
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line;
        out += '\n';
    }
    return out;
}

std::string tableNumber(double value, bool valid) {
    if (!valid) {
        return {};
    }
    const double magnitude = std::abs(value);
    if (magnitude == 0.0) {
        return "0";
    }
    if (!(magnitude >= kSmallest && magnitude < kLargest)) {
        return output::formatScientific(value, kSignificantDigits - 1);
    }
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    return output::formatFixed(value, std::max(kTableDecimals, kSignificantDigits - 1 - exponent));
}

namespace {

thread_local OutputCapture* capture = nullptr;

}  // namespace

OutputCapture::OutputCapture() : outer_(capture) {
    capture = this;
}

OutputCapture::~OutputCapture() {
    capture = outer_;
}

void writeText(std::FILE* file, std::string_view text) {
    if (capture != nullptr && (file == stdout || file == stderr)) {
        (file == stdout ? capture->out : capture->err) += text;
        return;
    }
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fflush(file) != 0) {
        throw ArgumentError("the output could not be written");
    }
}

void writeMessage(std::string_view text) {
    if (capture != nullptr) {
        capture->err += text;
    } else {
        std::fwrite(text.data(), 1, text.size(), stderr);
    }
}

}  // namespace vaporis::cli
