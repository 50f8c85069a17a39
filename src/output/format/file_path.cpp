#include "output/format/file_path.h"

namespace vaporis::output {

namespace {

// Cuts `text` to at most `length` bytes without splitting a UTF-8 character.
std::string_view cutUtf8(std::string_view text, std::size_t length) {
    if (text.size() <= length) {
        return text;
    }
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0U) == 0x80U) {
        --length;
    }
    return text.substr(0, length);
}

}  // namespace

std::string fileTitle(std::string_view path, std::size_t capacity) {
    // "\\" is a character of a file name here, as on every system the program runs on.
    const std::size_t lastSeparator = path.rfind('/');
    std::string_view name =
        lastSeparator == std::string_view::npos ? path : path.substr(lastSeparator + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos) {
        name = name.substr(0, dot);
    }
    return std::string(cutUtf8(name, capacity > 0 ? capacity - 1 : 0));
}

}  // namespace vaporis::output
