#include "cli/csv_fields.h"

#include <algorithm>
#include <cctype>

#include "cli/number_io.h"

namespace vaporis::cli {

namespace {

// Bytes of a rejected header or field quoted in a message.
constexpr std::size_t kExcerptLength = 40;

std::size_t skipBlanks(std::string_view line, std::size_t i, char delimiter) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t') && line[i] != delimiter) {
        ++i;
    }
    return i;
}

// Reads the quoted field starting at line[i] == '"' into `unquoted`; the index after it, or
// npos when the field is malformed.
std::size_t readQuoted(std::string_view line, std::size_t i, char delimiter,
                       std::string& unquoted) {
    for (++i; i < line.size(); ++i) {
        if (line[i] != '"') {
            unquoted += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            unquoted += '"';
            ++i;
        } else {
            i = skipBlanks(line, i + 1, delimiter);
            return i == line.size() || line[i] == delimiter ? i : std::string_view::npos;
        }
    }
    return std::string_view::npos;
}

std::string normalizedUnit(std::string_view unit) {
    std::string text;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        const auto c = static_cast<unsigned char>(unit[i]);
        if (c == 0xC2 && i + 1 < unit.size() && static_cast<unsigned char>(unit[i + 1]) == 0xB0) {
            continue;  // the UTF-8 degree sign becomes its Latin-1 byte
        }
        if (c != ' ' && c != '\t') {
            text += static_cast<char>(std::tolower(c));
        }
    }
    return text;
}

}  // namespace

bool splitCsvFields(std::string_view line, char delimiter, std::string& unquoted,
                    std::vector<std::string_view>& fields) {
    fields.clear();
    if (line.find('"') == std::string_view::npos) {
        while (true) {
            const auto end = line.find(delimiter);
            fields.push_back(trimBlanks(line.substr(0, end)));
            if (end == std::string_view::npos) {
                return true;
            }
            line.remove_prefix(end + 1);
        }
    }
    unquoted.clear();
    unquoted.reserve(line.size());  // views into it stay valid: it never grows beyond this
    std::size_t i = 0;
    while (true) {
        i = skipBlanks(line, i, delimiter);
        if (i < line.size() && line[i] == '"') {
            const std::size_t start = unquoted.size();
            i = readQuoted(line, i, delimiter, unquoted);
            if (i == std::string_view::npos) {
                return false;
            }
            fields.push_back(trimBlanks(std::string_view(unquoted).substr(start)));
        } else {
            const std::size_t end = std::min(line.find(delimiter, i), line.size());
            fields.push_back(trimBlanks(line.substr(i, end - i)));
            i = end;
        }
        if (i == line.size()) {
            return true;
        }
        ++i;
    }
}

HeaderColumn headerColumn(std::string_view field) {
    HeaderColumn column;
    if (field.ends_with(']')) {
        if (const auto open = field.rfind('['); open != std::string_view::npos) {
            column.unit = std::string(field.substr(open + 1, field.size() - open - 2));
            field = trimBlanks(field.substr(0, open));
        }
    }
    column.name = std::string(field);
    std::transform(column.name.begin(), column.name.end(), column.name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return column;
}

bool sameUnit(std::string_view written, std::string_view expected) {
    return normalizedUnit(written) == normalizedUnit(expected);
}

std::optional<double> parseCsvNumber(std::string_view field, output::CsvFormat format) {
    if (!format.decimalComma) {
        return parseNumber(field);
    }
    if (field.find('.') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string text(field);
    std::replace(text.begin(), text.end(), ',', '.');
    return parseNumber(text);
}

std::string excerpt(std::string_view text) {
    std::string shown(text.substr(0, kExcerptLength));
    std::replace_if(
        shown.begin(), shown.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, '?');
    return shown;
}

}  // namespace vaporis::cli
