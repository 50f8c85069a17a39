#include "output/format/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace vaporis::output {

namespace {

// The longest fixed text of a double: 309 integer digits, sign, point and the decimals
// asked for; the decimals are capped below so that this always suffices.
constexpr int kMaxDecimals = 64;
constexpr std::size_t kBufferSize = 400;

std::string formatWithPrecision(double value, std::chars_format format, int decimals) {
    std::array<char, kBufferSize> buffer{};
    const int precision = decimals < 0 ? 0 : (decimals > kMaxDecimals ? kMaxDecimals : decimals);
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (error != std::errc{}) {
        return {};
    }
    return std::string(buffer.data(), end);
}

}  // namespace

std::string formatFixed(double value, int decimals) {
    return formatWithPrecision(value, std::chars_format::fixed, decimals);
}

std::string formatScientific(double value, int decimals) {
    return formatWithPrecision(value, std::chars_format::scientific, decimals);
}

std::string formatSignificant(double value, int digits) {
    const int magnitude = value == 0.0 || !std::isfinite(value)
                              ? 0
                              : static_cast<int>(std::floor(std::log10(std::abs(value))));
    std::string text = formatFixed(value, std::max(0, digits - 1 - magnitude));
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.ends_with('.')) {
            text.pop_back();
        }
    }
    return text;
}

std::string formatShortest(double value) {
    std::array<char, kBufferSize> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error != std::errc{}) {
        return {};
    }
    return std::string(buffer.data(), end);
}

std::optional<double> parseDecimal(std::string_view text) {
    double value = 0.0;
    const char* const last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value, std::chars_format::fixed);
    if (error != std::errc{} || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace vaporis::output
