#include "output/messages/limit_text.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

#include "output/format/number_text.h"

namespace vaporis::output {

namespace {

// The written units messages name values in; "K" alone is an absolute temperature there.
struct WrittenSymbol {
    std::string_view symbol;
    Quantity quantity;
};

constexpr auto kWrittenSymbols = std::to_array<WrittenSymbol>({
    {"kJ/kg", Quantity::kSpecificEnthalpy},
    {"bar", Quantity::kPressure},
    {"°C", Quantity::kTemperature},
    {"K", Quantity::kTemperature},
    {"m", Quantity::kLength},
});

constexpr int kSignificantDigits = 6;

struct Number {
    std::size_t begin;
    std::size_t end;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isWordCharacter(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// The number starting at `at`: an optional minus, digits with at most one point inside;
// nothing when `at` starts no number or sits inside a word ("H2O", "p1").
std::optional<Number> numberAt(std::string_view text, std::size_t at) {
    const std::size_t digits = text[at] == '-' ? at + 1 : at;
    if (digits == text.size() || !isDigit(text[digits]) ||
        (at > 0 && (isWordCharacter(text[at - 1]) || text[at - 1] == '.'))) {
        return std::nullopt;
    }
    std::size_t end = digits;
    bool point = false;
    while (end < text.size() &&
           (isDigit(text[end]) ||
            (text[end] == '.' && !point && end + 1 < text.size() && isDigit(text[end + 1])))) {
        point = point || text[end] == '.';
        ++end;
    }
    return Number{at, end};
}

// The written unit right after a number (one space allowed before it) and where it ends.
const WrittenSymbol* unitAfter(std::string_view text, std::size_t end, std::size_t& unitEnd) {
    const std::size_t at = end < text.size() && text[end] == ' ' ? end + 1 : end;
    for (const WrittenSymbol& written : kWrittenSymbols) {
        const std::size_t after = at + written.symbol.size();
        // "m" of "m/s" is no length, "bar" of "bar/s" no pressure.
        if (text.substr(at).starts_with(written.symbol) &&
            (after == text.size() || (!isWordCharacter(text[after]) && text[after] != '/'))) {
            unitEnd = after;
            return &written;
        }
    }
    return nullptr;
}

// Whether the text between two numbers makes them a range: " - ", " <= t <= " or, the upper
// end named, " < p < p_critical (".
bool joinsRange(std::string_view between) {
    if (between == " - ") {
        return true;
    }
    std::array<std::string_view, 5> words{};
    std::size_t count = 0;
    for (std::size_t at = between.find_first_not_of(' '); at != std::string_view::npos;
         at = between.find_first_not_of(' ', at)) {
        const std::size_t end = std::min(between.find(' ', at), between.size());
        if (count == words.size()) {
            return false;
        }
        words[count++] = between.substr(at, end - at);
        at = end;
    }
    const auto comparison = [](std::string_view word) { return word == "<" || word == "<="; };
    const bool namedEnd = count == 5 && words[4] == "(" && !comparison(words[3]);
    return (count == 3 || namedEnd) && comparison(words[0]) && !comparison(words[1]) &&
           comparison(words[2]);
}

std::string limitText(std::string_view number, const Unit& written, const UnitChoice& choice) {
    const std::optional<double> value = parseDecimal(number);
    return formatSignificant(toShown(value.value_or(0.0), written, choice), kSignificantDigits);
}

}  // namespace

std::string shownLimits(std::string_view text, const UnitChoice& choice) {
    if (choice.isWritten()) {
        return std::string(text);
    }
    std::string shown;
    std::size_t copied = 0;
    std::optional<Number> previous;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::optional<Number> number = numberAt(text, at);
        if (!number) {
            continue;
        }
        std::size_t unitEnd = 0;
        const WrittenSymbol* written = unitAfter(text, number->end, unitEnd);
        const Unit* unit =
            written != nullptr ? findUnit(written->quantity, written->symbol) : nullptr;
        if (unit != nullptr && choice.unit(unit->quantity) != nullptr) {
            const std::string symbol(shownUnit(*unit, choice).symbol);
            if (previous && previous->begin >= copied &&
                joinsRange(text.substr(previous->end, number->begin - previous->end))) {
                shown += text.substr(copied, previous->begin - copied);
                shown += limitText(text.substr(previous->begin, previous->end - previous->begin),
                                   *unit, choice);
                copied = previous->end;
            }
            shown += text.substr(copied, number->begin - copied);
            shown +=
                limitText(text.substr(number->begin, number->end - number->begin), *unit, choice);
            shown += text.substr(number->end, unitEnd - number->end - written->symbol.size());
            shown += symbol;
            copied = unitEnd;
        }
        previous = number;
        at = number->end - 1;
    }
    return shown + std::string(text.substr(copied));
}

}  // namespace vaporis::output
