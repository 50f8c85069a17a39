#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vaporis::test {

//! A folder of its own for one test, removed with everything in it at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] std::filesystem::path file(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

//! The bytes of a file; empty when it cannot be read.
[[nodiscard]] std::string fileBytes(const std::filesystem::path& path);

}  // namespace vaporis::test
