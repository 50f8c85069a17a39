#include "engine/file/safe_write.h"

#include <cerrno>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;
using vaporis::file::writeFileSafely;
using vaporis::test::fileBytes;
using vaporis::test::TemporaryFolder;

void writePlain(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

[[nodiscard]] long fileCount(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), {});
}

TEST(SafeWrite, ReplacesAFileKeepingItsPermissionBitsAndLeavesNoTemporaryBehind) {
    const TemporaryFolder folder;
    const auto target = folder.file("report.html");
    for (const auto mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664)}) {
        SCOPED_TRACE(static_cast<int>(mode));
        writePlain(target, "old");
        fs::permissions(target, mode);
        ASSERT_TRUE(writeFileSafely(target, std::string("new\0bytes", 9)));
        EXPECT_EQ(fileBytes(target), std::string("new\0bytes", 9));
        EXPECT_EQ(fs::status(target).permissions(), mode);
        EXPECT_EQ(fileCount(folder.path()), 1);
    }
}

TEST(SafeWrite, LeftoversOfEarlierSavesNeitherBlockASaveNorAreTouched) {
    const TemporaryFolder folder;
    const auto target = folder.file("a.gas");
    for (int i = 0; i < 120; ++i) {
        writePlain(folder.file(".a.gas." + std::to_string(i) + ".tmp"), "left");
    }
    ASSERT_TRUE(writeFileSafely(target, "analysis"));
    EXPECT_EQ(fileBytes(target), "analysis");
    EXPECT_EQ(fileBytes(folder.file(".a.gas.0.tmp")), "left");
    EXPECT_EQ(fileCount(folder.path()), 121);
}

TEST(SafeWrite, ASymbolicLinkStaysALinkAndTheFileItNamesIsReplaced) {
    const TemporaryFolder folder;
    writePlain(folder.file("real.prj"), "old");
    fs::create_symlink("real.prj", folder.file("link.prj"));
    ASSERT_TRUE(writeFileSafely(folder.file("link.prj"), "new"));
    EXPECT_TRUE(fs::is_symlink(folder.file("link.prj")));
    EXPECT_EQ(fileBytes(folder.file("real.prj")), "new");
    EXPECT_EQ(fileCount(folder.path()), 2);
}

TEST(SafeWrite, RefusalsNameTheFileAndTheCauseAndChangeNothing) {
    const TemporaryFolder folder;
    fs::create_directory(folder.file("dir.html"));
    ASSERT_EQ(::mkfifo(folder.file("fifo.html").c_str(), 0644), 0);
    writePlain(folder.file("locked.prj"), "old");
    fs::permissions(folder.file("locked.prj"), fs::perms(0444));
    fs::create_symlink("loop.prj", folder.file("loop.prj"));
    const struct {
        const char* name;
        std::string cause;
    } cases[] = {
        {"dir.html", "a folder, not a file"},
        {"fifo.html", "not a regular file (a device, FIFO or socket)"},
        {"locked.prj", "the file is write-protected"},
        {"loop.prj", std::generic_category().message(ELOOP)},
        {"missing/report.html", "the folder does not exist"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = writeFileSafely(folder.file(c.name), "x");
        EXPECT_FALSE(outcome);
        EXPECT_EQ(outcome.failure(), folder.file(c.name).string() + ": " + c.cause);
    }
    EXPECT_TRUE(fs::is_fifo(folder.file("fifo.html")));
    EXPECT_EQ(fileBytes(folder.file("locked.prj")), "old");
    EXPECT_EQ(fileCount(folder.path()), 4);
}

TEST(SafeWrite, AnInterruptedSaveLeavesTheOldFileByteForByteAndNamesTheCause) {
    // The temporary is complete, but the disk fails before it replaces the target.
    const TemporaryFolder folder;
    const auto target = folder.file("plant.prj");
    const std::string old("old\0project", 11);
    writePlain(target, old);
    const auto interrupted = [](const fs::path&, const fs::path&) { return ENOSPC; };
    const auto outcome = writeFileSafely(target, "new project", interrupted);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.failure(), target.string() + ": " + std::generic_category().message(ENOSPC));
    EXPECT_EQ(fileBytes(target), old);
    EXPECT_EQ(fileCount(folder.path()), 1);
}

}  // namespace
