#include "ui/text_format.h"

#include "ui/number_text.h"

namespace vaporis::ui {

namespace {

// Length of a "%.Nlf" conversion at the start of `rest` (which begins after the "%"), or 0.
std::size_t fixedConversionLength(std::string_view rest) {
    const bool matches = rest.size() >= 4 && rest[0] == '.' && rest[1] >= '0' && rest[1] <= '9' &&
                         rest.substr(2, 2) == "lf";
    return matches ? 4 : 0;
}

void appendArgument(std::string& out, const FormatArgument* argument, bool wantsNumber,
                    int decimals) {
    if (argument == nullptr) {
        return;
    }
    if (wantsNumber) {
        if (const auto* value = std::get_if<double>(argument)) {
            out += formatFixed(*value, decimals);
        }
    } else if (const auto* text = std::get_if<std::string_view>(argument)) {
        out += *text;
    }
}

}  // namespace

std::string formatText(std::string_view format, std::initializer_list<FormatArgument> arguments) {
    std::string out;
    out.reserve(format.size() + 64);
    const FormatArgument* next = arguments.begin();
    auto takeArgument = [&]() -> const FormatArgument* {
        return next == arguments.end() ? nullptr : next++;
    };
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i++];
            continue;
        }
        const std::string_view rest = format.substr(i + 1);
        if (rest[0] == '%') {
            out += '%';
            i += 2;
        } else if (rest[0] == 's') {
            appendArgument(out, takeArgument(), false, 0);
            i += 2;
        } else if (const std::size_t length = fixedConversionLength(rest); length > 0) {
            appendArgument(out, takeArgument(), true, rest[1] - '0');
            i += 1 + length;
        } else {
            out += format[i++];
        }
    }
    return out;
}

}  // namespace vaporis::ui
