#include "support/temporary_folder.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace vaporis::test {

TemporaryFolder::TemporaryFolder() {
    // Tests run in parallel processes: a random part keeps their folders apart, the counter
    // those of one process.
    static std::atomic<int> counter{0};
    static const unsigned int processPart = std::random_device{}();
    path_ = std::filesystem::temp_directory_path() /
            ("vaporis_test_" + std::to_string(processPart) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace vaporis::test
