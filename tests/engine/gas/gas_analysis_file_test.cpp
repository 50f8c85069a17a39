#include "engine/gas/gas_analysis_file.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_analyses.h"

namespace vaporis::gas {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A fresh folder per test, removed afterwards.
class GasFile : public testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    [[nodiscard]] fs::path write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return folder_ / name;
    }

    const fs::path folder_ =
        fs::temp_directory_path() / (std::string("vaporis_gas_file_") +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
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

// Magic, version 1, 24 components, volume basis, then the percentages (100 % dry air).
Bytes defaultFileBytes(std::uint8_t count = kComponentCount) {
    Bytes bytes = {0x7D, 0x14, 0x01, 0x00, 0x01, count, 0x01};
    bytes.resize(7 + 8 * count, 0);
    putDouble(bytes, 7 + 8 * kDryAir, 100.0);
    return bytes;
}

TEST_F(GasFile, RoundTripKeepsTheEnteredPercentagesByteForByte) {
    ASSERT_TRUE(writeGasFile(test::air(), folder_ / "air.gas"));
    EXPECT_EQ(contents(folder_ / "air.gas"), defaultFileBytes());
    const GasAnalysis analysis = test::byMass({{kNitrogen, 70.1}, {kCarbonDioxide, 0.1 + 0.2}});
    ASSERT_TRUE(writeGasFile(analysis, folder_ / "a.gas"));
    GasAnalysis loaded = test::air();
    ASSERT_EQ(readGasFile(loaded, folder_ / "a.gas"), GasFileResult::kOk);
    EXPECT_FALSE(loaded.isVolumeBasis());
    EXPECT_EQ(loaded.massPercents()[kCarbonDioxide], analysis.massPercents()[kCarbonDioxide]);
    // A short record leaves the remaining percentages 0.
    ASSERT_EQ(readGasFile(loaded, write("short.gas", defaultFileBytes(2))), GasFileResult::kOk);
    EXPECT_EQ(loaded.volumeFraction(kDryAir), 1.0);
}

TEST_F(GasFile, UnusableFilesAreRefusedAndLeaveTheAnalysisAsItWas) {
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
        {"foreign magic", changed([](Bytes& b) { b[0] = 0x7E; }), GasFileResult::kInvalidFileType},
        {"foreign magic, version byte 2", changed([](Bytes& b) { b[0] = b[4] = 2; }),
         GasFileResult::kInvalidFileType},
        {"our magic, version 2", changed([](Bytes& b) { b[4] = 2; }), GasFileResult::kNewerVersion},
        {"record cut short", changed([](Bytes& b) { b.pop_back(); }),
         GasFileResult::kInvalidFileType},
        {"NaN percentage",
         changed([](Bytes& b) { putDouble(b, 7, std::numeric_limits<double>::quiet_NaN()); }),
         GasFileResult::kInvalidFileType},
        {"percentages whose sum overflows", changed([](Bytes& b) {
             putDouble(b, 7, 1e308);
             putDouble(b, 15, 1e308);
         }),
         GasFileResult::kInvalidFileType},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GasAnalysis analysis = test::byMass({{kNitrogen, 60.0}, {kOxygen, 40.0}});
        const GasAnalysis before = analysis;
        EXPECT_EQ(readGasFile(analysis, write("bad.gas", c.bytes)), c.result);
        EXPECT_EQ(analysis, before);
    }
    GasAnalysis air = test::air();
    EXPECT_EQ(readGasFile(air, folder_ / "missing.gas"), GasFileResult::kFileNotFound);
    EXPECT_FALSE(writeGasFile(air, folder_ / "no" / "a.gas"));
}

TEST(GasAnalysisRecord, ProjectBlockIs1000BytesWithZeroReserve) {
    file::BinaryWriter out;
    writeRecord(test::air(), out, true);
    Bytes block = out.bytes();
    ASSERT_EQ(block.size(), 1000U);
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
