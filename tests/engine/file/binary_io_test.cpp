#include "engine/file/binary_io.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temporary_folder.h"

namespace vaporis::file {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(BinaryIo, FieldsAreLittleEndianWithoutPaddingAndReadBack) {
    BinaryWriter out;
    out.u32(200482);
    out.i32(-2);
    out.flag(true);
    out.f64(1.0);
    out.padTo(20);
    EXPECT_EQ(out.bytes(), (Bytes{0x22, 0x0F, 0x03, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0,
                                  0,    0,    0,    0,    0,    0xF0, 0x3F, 0,    0, 0}));
    BinaryReader in(out.bytes());
    EXPECT_EQ(in.u32(), 200482U);
    EXPECT_EQ(in.i32(), -2);
    EXPECT_TRUE(in.flag());
    EXPECT_EQ(in.f64(), 1.0);
    in.skip(3);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.offset(), 20U);
}

TEST(BinaryIo, ReadingPastTheEndOrAFlagOtherThanZeroOrOneFailsTheReader) {
    const Bytes bytes{2, 0, 0, 0};
    BinaryReader flagReader(bytes);
    EXPECT_FALSE(flagReader.flag());
    EXPECT_FALSE(flagReader.ok());
    BinaryReader shortReader(bytes);
    EXPECT_EQ(shortReader.f64(), 0.0);
    EXPECT_FALSE(shortReader.ok());
    // Once failed, a reader stays failed even where the bytes would suffice.
    EXPECT_EQ(shortReader.u8(), 0);
    EXPECT_FALSE(shortReader.ok());
}

TEST(BinaryIo, FileStartNamesWhyAFileCannotBeReadAndNeverWaitsOnAFifo) {
    const test::TemporaryFolder folder;
    std::ofstream(folder.file("short.prj"), std::ios::binary) << "abc";
    ASSERT_EQ(::mkfifo(folder.file("fifo.prj").c_str(), 0644), 0);
    std::filesystem::create_directory(folder.file("dir.prj"));
    std::filesystem::create_symlink("loop.prj", folder.file("loop.prj"));
    const struct {
        const char* name;
        ReadFailure failure;
    } cases[] = {
        {"fifo.prj", ReadFailure::kNotRegularFile}, {"dir.prj", ReadFailure::kNotRegularFile},
        {"loop.prj", ReadFailure::kLinkLoop},       {"absent.prj", ReadFailure::kMissing},
        {"short.prj/x.prj", ReadFailure::kMissing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReadFailure failure = ReadFailure::kNone;
        EXPECT_FALSE(readFileStart(folder.file(c.name), 10, failure));
        EXPECT_EQ(failure, c.failure);
    }
    ReadFailure failure = ReadFailure::kMissing;
    EXPECT_EQ(readFileStart(folder.file("short.prj"), 10, failure), (Bytes{'a', 'b', 'c'}));
    EXPECT_EQ(failure, ReadFailure::kNone);
}

}  // namespace
}  // namespace vaporis::file
