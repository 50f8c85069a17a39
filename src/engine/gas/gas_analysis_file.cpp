#include "engine/gas/gas_analysis_file.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <fstream>
#include <string_view>

#include "engine/file/safe_write.h"

namespace vaporis::gas {
namespace {

constexpr std::size_t kHeaderSize = 5;
// The shortest file that can be told apart from a foreign one: header plus count and basis
// plus a little more, as the program has always required.
constexpr std::size_t kMinimumFileSize = 8;

// The file is little-endian whatever the machine.
void appendLittleEndian(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

[[nodiscard]] std::uint64_t readLittleEndian(std::span<const std::uint8_t> bytes,
                                             std::size_t offset, int count) {
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i) {
        value |= static_cast<std::uint64_t>(bytes[offset + i]) << (8 * i);
    }
    return value;
}

// Percentages the program can hold: finite and not negative.
[[nodiscard]] bool usablePercentage(double value) {
    return std::isfinite(value) && value >= 0.0;
}

}  // namespace

GasAnalysisRecord makeRecord(const GasAnalysis& analysis) {
    GasAnalysisRecord record;
    record.isVolumeBasis = analysis.isVolumeBasis();
    const auto entered = analysis.enteredPercents();
    std::copy(entered.begin(), entered.end(), record.percentages.begin());
    return record;
}

void applyRecord(const GasAnalysisRecord& record, GasAnalysis& analysis) {
    analysis.setVolumeBasis(record.isVolumeBasis);
    analysis.setFromEnteredPercent(record.percentages);
}

void writeRecord(const GasAnalysis& analysis, std::vector<std::uint8_t>& out, bool withReserve) {
    const GasAnalysisRecord record = makeRecord(analysis);
    out.push_back(static_cast<std::uint8_t>(kComponentCount));
    out.push_back(record.isVolumeBasis ? 1 : 0);
    for (const double value : record.percentages) {
        appendLittleEndian(out, std::bit_cast<std::uint64_t>(value), 8);
    }
    if (withReserve) {
        out.insert(out.end(), kGasRecordReserve, 0);
    }
}

GasFileResult readRecord(GasAnalysis& analysis, std::span<const std::uint8_t> bytes,
                         bool withReserve, std::size_t& bytesRead) {
    bytesRead = 0;
    if (bytes.size() < 2) {
        return GasFileResult::kInvalidFileType;
    }
    const std::size_t count = bytes[0];
    const std::uint8_t basis = bytes[1];
    const std::size_t size = withReserve ? kGasRecordBlockSize : 2 + 8 * count;
    if (count > static_cast<std::size_t>(kComponentCount) || basis > 1 || bytes.size() < size) {
        return GasFileResult::kInvalidFileType;
    }
    GasAnalysisRecord record;
    record.isVolumeBasis = basis == 1;
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        record.percentages[i] = std::bit_cast<double>(readLittleEndian(bytes, 2 + 8 * i, 8));
        sum += record.percentages[i];
        if (!usablePercentage(record.percentages[i])) {
            return GasFileResult::kInvalidFileType;
        }
    }
    // Huge percentages whose sum overflows cannot be normalised.
    if (!std::isfinite(sum)) {
        return GasFileResult::kInvalidFileType;
    }
    GasAnalysis parsed = analysis;
    applyRecord(record, parsed);
    analysis = parsed;
    bytesRead = size;
    return GasFileResult::kOk;
}

GasFileResult writeGasFile(const GasAnalysis& analysis, const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kGasFileSize);
    appendLittleEndian(bytes, kGasFileMagic, 4);
    bytes.push_back(kGasFileVersion);
    writeRecord(analysis, bytes, false);
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return file::writeFileSafely(path, view) ? GasFileResult::kOk : GasFileResult::kWriteFailed;
}

GasFileResult readGasFile(GasAnalysis& analysis, const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return GasFileResult::kFileNotFound;
    }
    std::vector<std::uint8_t> bytes(kGasFileSize);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (bytes.size() < kMinimumFileSize) {
        return GasFileResult::kInvalidFileType;
    }
    if (readLittleEndian(bytes, 0, 4) != kGasFileMagic) {
        // Another magic with a higher version byte is a later program's file format.
        const auto version = static_cast<std::int8_t>(bytes[4]);
        return version > 1 ? GasFileResult::kNewerVersion : GasFileResult::kInvalidFileType;
    }
    std::size_t bytesRead = 0;
    return readRecord(analysis, std::span(bytes).subspan(kHeaderSize), false, bytesRead);
}

}  // namespace vaporis::gas
