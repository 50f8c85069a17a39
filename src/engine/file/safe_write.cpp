#include "engine/file/safe_write.h"

#include <array>
#include <charconv>
#include <fstream>
#include <string>
#include <system_error>

namespace vaporis::file {
namespace {

// Attempts at a free name for the temporary file beside the target.
constexpr int kMaxTemporaryNames = 100;

// A hidden name beside the target that no file holds yet: ".<file name>.<n>.tmp"; empty when
// none of the attempts is free.
[[nodiscard]] std::filesystem::path temporaryPathFor(const std::filesystem::path& target) {
    const std::string base = target.filename().string();
    for (int attempt = 0; attempt < kMaxTemporaryNames; ++attempt) {
        std::array<char, 16> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), attempt).ptr;
        std::string name(1, '.');
        name.append(base).append(1, '.').append(digits.data(), end).append(".tmp");
        const std::filesystem::path candidate = target.parent_path() / name;
        std::error_code error;
        if (!std::filesystem::exists(candidate, error) && !error) {
            return candidate;
        }
    }
    return {};
}

[[nodiscard]] bool writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.is_open()) {
        return false;
    }
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

[[nodiscard]] bool renameOver(const std::filesystem::path& temporary,
                              const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    return !error;
}

}  // namespace

bool writeFileSafely(const std::filesystem::path& target, std::string_view bytes) {
    return writeFileSafely(target, bytes, renameOver);
}

bool writeFileSafely(const std::filesystem::path& target, std::string_view bytes,
                     ReplaceStep replace) {
    const std::filesystem::path temporary = temporaryPathFor(target);
    if (temporary.empty()) {
        return false;
    }
    const bool written = writeBytes(temporary, bytes) && replace(temporary, target);
    if (!written) {
        std::error_code error;
        std::filesystem::remove(temporary, error);
    }
    return written;
}

}  // namespace vaporis::file
