#pragma once

#include <filesystem>
#include <string_view>

namespace vaporis::file {

//! Writes bytes to target through a temporary file of a free name in the same folder, renamed
//! over the target when it is complete: a failed write leaves an existing file as it was and
//! never touches another file. False when the file could not be written.
[[nodiscard]] bool writeFileSafely(const std::filesystem::path& target, std::string_view bytes);

}  // namespace vaporis::file
