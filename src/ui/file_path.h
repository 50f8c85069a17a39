#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vaporis::ui {

//! A path from the UTF-8 text the port hands over, so non-ASCII folder names work on every
//! platform (a plain std::string would be read in the system's code page on Windows).
[[nodiscard]] inline std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace vaporis::ui
