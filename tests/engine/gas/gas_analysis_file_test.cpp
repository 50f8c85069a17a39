#include "engine/gas/gas_analysis_file.h"

#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vaporis::gas {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A fresh folder per test, removed afterwards.
class GasFile : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  (std::string("vaporis_gas_file_") +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    [[nodiscard]] fs::path path(const std::string& name) const { return folder_ / name; }

    fs::path write(const std::string& name, const Bytes& bytes) const {
        std::ofstream file(path(name), std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path(name);
    }

    fs::path folder_;
};

Bytes contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void putDouble(Bytes& bytes, std::size_t offset, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

GasAnalysis defaultAnalysis() {
    GasAnalysis analysis;
    analysis.setDefault();
    return analysis;
}

Bytes defaultFileBytes() {
    Bytes bytes = {0x7D, 0x14, 0x01, 0x00, 0x01, 0x18, 0x01};
    bytes.resize(kGasFileSize, 0);
    putDouble(bytes, 7 + 8 * kDryAir, 100.0);
    return bytes;
}

TEST_F(GasFile, DefaultAnalysisIsWrittenAs199Bytes) {
    ASSERT_EQ(writeGasFile(defaultAnalysis(), path("air.gas")), GasFileResult::kOk);
    EXPECT_EQ(contents(path("air.gas")), defaultFileBytes());
    // Nothing else is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(GasFile, RoundTripKeepsTheEnteredPercentagesByteForByte) {
    GasAnalysis analysis;
    analysis.setVolumeBasis(false);
    std::array<double, kComponentCount> values{};
    values[kNitrogen] = 70.1;
    values[kCarbonDioxide] = 0.1 + 0.2;
    values[kWaterVapor] = 24.6;
    analysis.setFromMassPercent(values);
    ASSERT_EQ(writeGasFile(analysis, path("a.gas")), GasFileResult::kOk);
    GasAnalysis loaded = defaultAnalysis();
    ASSERT_EQ(readGasFile(loaded, path("a.gas")), GasFileResult::kOk);
    EXPECT_FALSE(loaded.isVolumeBasis());
    EXPECT_EQ(loaded.massPercentSum(), analysis.massPercentSum());
    for (int i = 0; i < kComponentCount; ++i) {
        EXPECT_EQ(loaded.massPercent(i), analysis.massPercent(i));
        EXPECT_EQ(loaded.massFraction(i), analysis.massFraction(i));
    }
    ASSERT_EQ(writeGasFile(loaded, path("b.gas")), GasFileResult::kOk);
    EXPECT_EQ(contents(path("b.gas")), contents(path("a.gas")));
}

TEST_F(GasFile, ReadingKeepsTheNameWhichIsTheFileTitle) {
    GasAnalysis analysis = defaultAnalysis();
    analysis.setName("before");
    ASSERT_EQ(readGasFile(analysis, write("x.gas", defaultFileBytes())), GasFileResult::kOk);
    EXPECT_EQ(analysis.name(), "before");
}

TEST_F(GasFile, UnusableFilesAreRefusedAndLeaveTheAnalysisAsItWas) {
    const Bytes good = defaultFileBytes();
    const auto changed = [](auto edit) {
        Bytes bytes = defaultFileBytes();
        edit(bytes);
        return bytes;
    };
    struct Case {
        const char* what;
        Bytes bytes;
        GasFileResult result;
    };
    const auto cases = std::to_array<Case>({
        {"7 bytes", Bytes(good.begin(), good.begin() + 7), GasFileResult::kInvalidFileType},
        {"foreign magic, version 1", changed([](Bytes& b) { b[0] = 0x7E; }),
         GasFileResult::kInvalidFileType},
        {"foreign magic, version 0", changed([](Bytes& b) {
             b[0] = 0;
             b[4] = 0;
         }),
         GasFileResult::kInvalidFileType},
        {"foreign magic, version byte 0xFF", changed([](Bytes& b) {
             b[0] = 0;
             b[4] = 0xFF;
         }),
         GasFileResult::kInvalidFileType},
        {"foreign magic, version 2", changed([](Bytes& b) {
             b[0] = 0;
             b[4] = 2;
         }),
         GasFileResult::kNewerVersion},
        {"count above 24", changed([](Bytes& b) { b[5] = 25; }), GasFileResult::kInvalidFileType},
        {"basis byte 2", changed([](Bytes& b) { b[6] = 2; }), GasFileResult::kInvalidFileType},
        {"record cut short", Bytes(good.begin(), good.end() - 1), GasFileResult::kInvalidFileType},
        {"NaN percentage",
         changed([](Bytes& b) { putDouble(b, 7, std::numeric_limits<double>::quiet_NaN()); }),
         GasFileResult::kInvalidFileType},
        {"infinite percentage",
         changed([](Bytes& b) { putDouble(b, 15, std::numeric_limits<double>::infinity()); }),
         GasFileResult::kInvalidFileType},
        {"negative percentage", changed([](Bytes& b) { putDouble(b, 7, -5.0); }),
         GasFileResult::kInvalidFileType},
        {"percentages whose sum overflows", changed([](Bytes& b) {
             putDouble(b, 7, 1e308);
             putDouble(b, 15, 1e308);
         }),
         GasFileResult::kInvalidFileType},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GasAnalysis analysis;
        analysis.setVolumeBasis(false);
        analysis.setFromMassPercent(std::array<double, kComponentCount>{0, 0, 0, 60.0, 40.0});
        const GasAnalysis before = analysis;
        EXPECT_EQ(readGasFile(analysis, write("bad.gas", c.bytes)), c.result);
        EXPECT_EQ(analysis, before);
    }
    GasAnalysis analysis = defaultAnalysis();
    EXPECT_EQ(readGasFile(analysis, path("missing.gas")), GasFileResult::kFileNotFound);
    EXPECT_EQ(analysis, defaultAnalysis());
}

TEST_F(GasFile, ShortRecordLeavesTheRemainingPercentagesZero) {
    Bytes bytes = {0x7D, 0x14, 0x01, 0x00, 0x01, 0x02, 0x01};
    bytes.resize(7 + 16, 0);
    putDouble(bytes, 7, 10.0);
    putDouble(bytes, 15, 30.0);
    GasAnalysis analysis;
    analysis.setFromVolumePercent(std::array<double, kComponentCount>{0, 0, 0, 50.0, 50.0});
    ASSERT_EQ(readGasFile(analysis, write("short.gas", bytes)), GasFileResult::kOk);
    EXPECT_EQ(analysis.volumePercent(kWaterVapor), 10.0);
    EXPECT_EQ(analysis.volumePercent(kDryAir), 30.0);
    EXPECT_EQ(analysis.volumePercent(kNitrogen), 0.0);
    EXPECT_EQ(analysis.volumeFraction(kDryAir), 0.75);
}

TEST_F(GasFile, FailedWriteReportsItAndLeavesNoTemporaryFile) {
    // The target is a folder with a file in it: nothing can be renamed over it.
    fs::create_directories(path("taken.gas"));
    write("taken.gas/inside", {1, 2, 3});
    EXPECT_EQ(writeGasFile(defaultAnalysis(), path("taken.gas")), GasFileResult::kWriteFailed);
    EXPECT_EQ(contents(path("taken.gas/inside")), (Bytes{1, 2, 3}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
    EXPECT_EQ(writeGasFile(defaultAnalysis(), path("no/such/folder.gas")),
              GasFileResult::kWriteFailed);
}

TEST_F(GasFile, WritingReplacesAnExistingFile) {
    write("old.gas", Bytes(500, 0xAA));
    ASSERT_EQ(writeGasFile(defaultAnalysis(), path("old.gas")), GasFileResult::kOk);
    EXPECT_EQ(contents(path("old.gas")), defaultFileBytes());
}

TEST(GasAnalysisRecord, ProjectBlockIs1000BytesWithZeroReserve) {
    file::BinaryWriter out;
    writeRecord(defaultAnalysis(), out, true);
    Bytes block = out.bytes();
    ASSERT_EQ(block.size(), 1000U);
    EXPECT_EQ(block[0], 24);
    EXPECT_EQ(block[1], 1);
    EXPECT_TRUE(std::all_of(block.begin() + 194, block.end(), [](auto b) { return b == 0; }));
    block.push_back(0x55);
    GasAnalysis analysis;
    file::BinaryReader whole(block);
    ASSERT_EQ(readRecord(analysis, whole, true), GasFileResult::kOk);
    EXPECT_EQ(whole.offset(), 1000U);
    EXPECT_EQ(analysis.volumeFraction(kDryAir), 1.0);
    file::BinaryReader truncated{std::span(block).first(999)};
    EXPECT_EQ(readRecord(analysis, truncated, true), GasFileResult::kInvalidFileType);
}

}  // namespace
}  // namespace vaporis::gas
