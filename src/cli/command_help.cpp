#include "cli/command_help.h"

#include <algorithm>
#include <memory>

namespace vaporis::cli {

namespace {

std::string exitCodeText(ExitCodes codes) {
    std::string text = "Exit codes: 0 done; 1 unusable arguments, files or output";
    if (!codes.refused.empty()) {
        text += "; 2 ";
        text += codes.refused;
    }
    if (codes.rows) {
        text +=
            "; 3 the batch or table ran to its end but some rows failed (each says so in its "
            "status and message columns)";
    } else if (!codes.partial.empty()) {
        text += "; 3 ";
        text += codes.partial;
    }
    return text + ".";
}

// CLI11 pads the option column to a number of bytes; "°C" takes two bytes but one column.
class CharacterColumnFormatter : public CLI::Formatter {
public:
    std::string make_option(const CLI::Option* option, bool isPositional) const override {
        const std::string name = make_option_name(option, isPositional) + make_option_opts(option);
        std::string text = CLI::Formatter::make_option(option, isPositional);
        const auto continuationBytes = std::count_if(name.begin(), name.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        });
        if (continuationBytes > 0 && 2 + name.size() < get_column_width()) {
            text.insert(2 + name.size(), static_cast<std::size_t>(continuationBytes), ' ');
        }
        return text;
    }
};

}  // namespace

void alignHelpByCharacters(CLI::App& app) {
    app.formatter(std::make_shared<CharacterColumnFormatter>());
}

void setCommandHelp(CLI::App& command, std::string_view notes, ExitCodes codes,
                    std::initializer_list<std::string_view> examples) {
    std::string text(notes);
    text += (text.empty() ? "" : "\n\n") + exitCodeText(codes);
    text += examples.size() == 1 ? "\n\nExample:" : "\n\nExamples:";
    for (const std::string_view example : examples) {
        text += "\n  ";
        text += example;
    }
    command.footer(text);
}

std::string numberTypeName(std::string_view help) {
    const std::size_t open = help.find('[');
    const std::size_t close = help.find(']', open);
    if (open == std::string_view::npos || close == std::string_view::npos) {
        return "NUMBER";
    }
    const std::string_view unit = help.substr(open + 1, close - open - 1);
    if (unit.empty() || unit == "-") {
        return "NUMBER";
    }
    std::string name;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        const char c = unit[i];
        if (unit.substr(i, 4) == " or ") {
            name += '|';
            i += 3;
        } else if (c == ' ') {
            name += "·";
        } else {
            // ASCII only, whatever the locale: "°" stays as it is.
            name += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return name;
}

}  // namespace vaporis::cli
