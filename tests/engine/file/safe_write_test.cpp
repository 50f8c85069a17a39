#include "engine/file/safe_write.h"

#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "support/temporary_folder.h"

namespace {

using vaporis::file::writeFileSafely;
using vaporis::test::fileBytes;
using vaporis::test::TemporaryFolder;

void writePlain(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(SafeWrite, ReplacesAnExistingFileAndLeavesNoTemporaryBehind) {
    const TemporaryFolder folder;
    const auto target = folder.file("report.html");
    writePlain(target, "old");
    ASSERT_TRUE(writeFileSafely(target, std::string("new\0bytes", 9)));
    EXPECT_EQ(fileBytes(target), std::string("new\0bytes", 9));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(SafeWrite, NeverOverwritesAnotherFileOfTheTemporaryNamingScheme) {
    // A user's own files that happen to carry names a temporary could take stay intact.
    const TemporaryFolder folder;
    const auto target = folder.file("a.gas");
    for (const char* name : {".a.gas.0.tmp", ".a.gas.1.tmp", "a.gas.part"}) {
        writePlain(folder.file(name), name);
    }
    ASSERT_TRUE(writeFileSafely(target, "analysis"));
    for (const char* name : {".a.gas.0.tmp", ".a.gas.1.tmp", "a.gas.part"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fileBytes(folder.file(name)), name);
    }
    EXPECT_EQ(fileBytes(target), "analysis");
}

TEST(SafeWrite, FailureInAMissingFolderReportsFalseAndCreatesNothing) {
    const TemporaryFolder folder;
    EXPECT_FALSE(writeFileSafely(folder.file("missing/report.html"), "x"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));
}

TEST(SafeWrite, AFolderInPlaceOfTheTargetIsRefusedAndKept) {
    const TemporaryFolder folder;
    std::filesystem::create_directory(folder.file("report.html"));
    EXPECT_FALSE(writeFileSafely(folder.file("report.html"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("report.html")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(SafeWrite, AnInterruptedSaveLeavesTheOldFileByteForByte) {
    // The temporary is complete, but the program stops before it replaces the target.
    const TemporaryFolder folder;
    const auto target = folder.file("plant.prj");
    const std::string old("old\0project", 11);
    writePlain(target, old);
    const auto interrupted = [](const std::filesystem::path&, const std::filesystem::path&) {
        return false;
    };
    EXPECT_FALSE(writeFileSafely(target, "new project", interrupted));
    EXPECT_EQ(fileBytes(target), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
