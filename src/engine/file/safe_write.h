#pragma once

#include <filesystem>
#include <string_view>

namespace vaporis::file {

//! Writes bytes to target through a temporary file of a free name in the same folder, renamed
//! over the target when it is complete: a failed write leaves an existing file as it was and
//! never touches another file. False when the file could not be written.
[[nodiscard]] bool writeFileSafely(const std::filesystem::path& target, std::string_view bytes);

//! The last step of a safe write: puts the complete temporary file in place of the target;
//! false when it did not.
using ReplaceStep = bool (*)(const std::filesystem::path& temporary,
                             const std::filesystem::path& target);
//! writeFileSafely with its last step given, so a test can interrupt a save before it.
[[nodiscard]] bool writeFileSafely(const std::filesystem::path& target, std::string_view bytes,
                                   ReplaceStep replace);

}  // namespace vaporis::file
