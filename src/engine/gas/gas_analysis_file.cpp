#include "engine/gas/gas_analysis_file.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/file/binary_io.h"
#include "engine/file/safe_write.h"

namespace vaporis::gas {
namespace {

// The shortest file that can be told apart from a foreign one: header plus count and basis
// plus a little more. Files this program wrote are never shorter, and a shorter one is
// refused before any field of it is read.
constexpr std::size_t kMinimumFileSize = 8;

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
    if (analysis.setFromEnteredPercent(record.percentages) != EditResult::EditOk) {
        analysis.clear();  // a record the reader did not check: as an unusable sum clears it
    }
}

void writeRecord(const GasAnalysis& analysis, file::BinaryWriter& out, bool withReserve) {
    const std::size_t start = out.size();
    const GasAnalysisRecord record = makeRecord(analysis);
    out.u8(static_cast<std::uint8_t>(kComponentCount));
    out.flag(record.isVolumeBasis);
    for (const double value : record.percentages) {
        out.f64(value);
    }
    if (withReserve) {
        out.padTo(start + kGasRecordBlockSize);
    }
}

GasFileResult readRecord(file::BinaryReader& in, bool withReserve, GasAnalysisRecord& record) {
    const std::size_t count = in.u8();
    const std::uint8_t basis = in.u8();
    if (!in.ok() || count > static_cast<std::size_t>(kComponentCount) || basis > 1) {
        return GasFileResult::kInvalidFileType;
    }
    record = GasAnalysisRecord{};
    record.isVolumeBasis = basis == 1;
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        record.percentages[i] = in.f64();
        sum += record.percentages[i];
        if (!usablePercentage(record.percentages[i])) {
            return GasFileResult::kInvalidFileType;
        }
    }
    if (withReserve) {
        in.skip(kGasRecordBlockSize - 2 - 8 * count);
    }
    // Huge percentages whose sum overflows cannot be normalised.
    if (!in.ok() || !std::isfinite(sum)) {
        return GasFileResult::kInvalidFileType;
    }
    return GasFileResult::kOk;
}

GasFileResult readRecord(GasAnalysis& analysis, file::BinaryReader& in, bool withReserve) {
    GasAnalysisRecord record;
    const GasFileResult result = readRecord(in, withReserve, record);
    if (result == GasFileResult::kOk) {
        applyRecord(record, analysis);
    }
    return result;
}

file::WriteOutcome writeGasFile(const GasAnalysis& analysis, const std::filesystem::path& path) {
    file::BinaryWriter out;
    out.u32(kGasFileMagic);
    out.u8(kGasFileVersion);
    writeRecord(analysis, out, false);
    const auto& bytes = out.bytes();
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return file::writeFileSafely(path, view);
}

GasFileResult readGasBytes(GasAnalysis& analysis, std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kMinimumFileSize) {
        return GasFileResult::kInvalidFileType;
    }
    file::BinaryReader in(bytes.first(std::min(bytes.size(), kGasFileSize)));
    // Only a file that carries the magic is ours; its version byte then tells whether a later
    // program wrote a layout this one does not know.
    if (in.u32() != kGasFileMagic) {
        return GasFileResult::kInvalidFileType;
    }
    if (static_cast<std::int8_t>(in.u8()) > static_cast<std::int8_t>(kGasFileVersion)) {
        return GasFileResult::kNewerVersion;
    }
    return readRecord(analysis, in, false);
}

GasFileResult readGasFile(GasAnalysis& analysis, const std::filesystem::path& path) {
    file::ReadFailure failure = file::ReadFailure::kNone;
    const auto bytes = file::readFileStart(path, kGasFileSize, failure);
    return bytes ? readGasBytes(analysis, *bytes)
                 : file::resultOfReadFailure<GasFileResult>(failure);
}

}  // namespace vaporis::gas
