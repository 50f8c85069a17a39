#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vaporis::output {

//! A path from the UTF-8 text the port hands over, so non-ASCII folder names work on every
//! platform (a plain std::string would be read in the system's code page on Windows).
[[nodiscard]] inline std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

//! The file name of `path` without its folders and its last extension, then cut to
//! `capacity` - 1 bytes on a character boundary; "\" is a character of the name.
[[nodiscard]] std::string fileTitle(std::string_view path, std::size_t capacity);

}  // namespace vaporis::output
