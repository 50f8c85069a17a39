#include "output/reports/report_frame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/common/not_set.h"
#include "engine/file/safe_write.h"
#include "output/format/file_path.h"
#include "output/messages/messages.h"

namespace vaporis::output {

namespace {

// Windows-1252 gives the bytes 0x80..0x9F to these characters (0 where it has none); every
// other byte is the Latin-1 character of the same number.
constexpr auto kCp1252High = std::to_array<std::uint16_t>({
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
});
static_assert(kCp1252High.size() == 32);

constexpr char kUnmappable = '?';

std::optional<char> windows1252Byte(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(codePoint));
    }
    for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] != 0 && kCp1252High[i] == codePoint) {
            return static_cast<char>(static_cast<unsigned char>(0x80 + i));
        }
    }
    return std::nullopt;
}

// A character that Windows-1252 lacks ("Ł", "₂" in a gas's name) as an HTML character
// reference, so the viewer shows it and nothing of the text is lost.
void appendCharacter(std::string& bytes, char32_t codePoint) {
    if (const std::optional<char> byte = windows1252Byte(codePoint)) {
        bytes += *byte;
        return;
    }
    bytes += "&#";
    bytes += std::to_string(static_cast<std::uint32_t>(codePoint));
    bytes += ';';
}

// Decodes the UTF-8 character at `text[i]` and advances `i`; a malformed sequence yields
// nothing and skips one byte.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    const int length = lead >= 0xF0 ? 4 : (lead >= 0xE0 ? 3 : (lead >= 0xC0 ? 2 : 0));
    if (length == 0 || lead > 0xF4 || i + static_cast<std::size_t>(length - 1) > text.size()) {
        return std::nullopt;
    }
    char32_t codePoint = lead & (0x7FU >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0U) != 0x80U) {
            return std::nullopt;
        }
        codePoint = (codePoint << 6) | (next & 0x3FU);
        ++i;
    }
    return codePoint;
}

thread_local const UnitChoice* tReportUnits = nullptr;

// Whether the report being written shows values of this unit in another.
bool converted(ReportUnit unit) {
    return tReportUnits != nullptr && shownConverted(unit, *tReportUnits);
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return count;
}

}  // namespace

ReportUnitScope::ReportUnitScope(const UnitChoice& units) : previous_(tReportUnits) {
    tReportUnits = &units;
}

ReportUnitScope::~ReportUnitScope() {
    tReportUnits = previous_;
}

double reportValue(double value, ReportUnit unit) {
    return !converted(unit) || value == NOT_SET ? value
                                                : shownReportValue(value, unit, *tReportUnits);
}

int reportDecimals(int decimals, ReportUnit unit) {
    if (!converted(unit)) {
        return decimals;
    }
    // One decimal more for each power of ten (rounded) the shown unit is larger.
    const double ratio = shownUnitSize(unit, *tReportUnits);
    return decimals + std::clamp(static_cast<int>(std::ceil(std::log10(ratio) - 0.5)), 0, 6);
}

std::string reportUnitText(ReportUnit unit) {
    if (!converted(unit)) {
        return std::string(unitText(unit));
    }
    std::string text = shownReportSymbol(unit, *tReportUnits);
    const std::size_t width = characterCount(unitText(unit));
    for (std::size_t n = characterCount(text); n < width; ++n) {
        text += ' ';
    }
    return text;
}

std::string reportDocument(std::string_view title, std::string_view sections) {
    // The bytes are Windows-1252 (° and ³ are single bytes); saying so keeps a viewer that
    // would guess UTF-8 from showing broken units.
    std::string document =
        "<html> \n<head> \n<meta charset=\"windows-1252\">\n\n</head> \n\n<body> \n\n";
    document += "<h2> ";
    document += title;
    document += " </h2>\n\n";
    document += sections;
    document += "\n</body> \n</html>";
    return document;
}

std::string reportFileBytes(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size() + utf8.size() / 16);
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::optional<char32_t> codePoint = nextCodePoint(utf8, i);
        if (!codePoint) {
            bytes += kUnmappable;
        } else if (*codePoint == U'\n') {
            bytes += "\r\n";
        } else {
            appendCharacter(bytes, *codePoint);
        }
    }
    return bytes;
}

file::WriteOutcome writeReportFile(const std::string& path, std::string_view utf8Document) {
    return file::writeFileSafely(pathFromUtf8(path), reportFileBytes(utf8Document));
}

std::string notWrittenMessage(std::string_view text, const file::WriteOutcome& outcome) {
    return std::string(text) + "\n\n" + outcome.failure();
}

}  // namespace vaporis::output
