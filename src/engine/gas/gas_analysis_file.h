#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "engine/file/binary_io.h"
#include "engine/file/safe_write.h"
#include "engine/gas/gas_analysis.h"

namespace vaporis::gas {

//! What a record or .gas file operation achieved.
enum class GasFileResult : int {
    kOk,
    kFileNotFound,     //!< no file of that name
    kFileUnreadable,   //!< no permission to read the file, or a read error
    kLinkLoop,         //!< the path loops through symbolic links
    kNotRegularFile,   //!< a folder, device, FIFO or socket
    kInvalidFileType,  //!< not a gas-analysis file, truncated, or holding unusable values
    kNewerVersion,     //!< written by a newer version of the program
};

//! Bytes of a record with 24 values and without reserve: count, basis, 24 doubles.
inline constexpr std::size_t kGasRecordSize = 2 + 8 * kComponentCount;
//! Bytes of a record with reserve, as block 1 of the project file.
inline constexpr std::size_t kGasRecordBlockSize = 1000;
//! Zero bytes after a 24-value record in the project file.
inline constexpr std::size_t kGasRecordReserve = kGasRecordBlockSize - kGasRecordSize;
//! Bytes of a .gas file: magic, version, record.
inline constexpr std::size_t kGasFileSize = 4 + 1 + kGasRecordSize;
//! First four bytes of a .gas file (little-endian 70781) and its version byte.
inline constexpr std::uint32_t kGasFileMagic = 70781;
inline constexpr std::uint8_t kGasFileVersion = 1;

//! The stored form of an analysis: the entered percentages of its basis and the basis.
struct GasAnalysisRecord {
    bool isVolumeBasis = true;
    std::array<double, kComponentCount> percentages{};  //!< [%], as entered

    bool operator==(const GasAnalysisRecord&) const = default;
};

//! The record of analysis.
[[nodiscard]] GasAnalysisRecord makeRecord(const GasAnalysis& analysis);
//! Sets the basis and loads the percentages into analysis (its name is kept).
void applyRecord(const GasAnalysisRecord& record, GasAnalysis& analysis);

//! Appends the record of analysis to out (194 bytes; 1000 with the reserve of zero bytes).
void writeRecord(const GasAnalysis& analysis, file::BinaryWriter& out, bool withReserve);
//! Reads a record at the position of in; with the reserve the reader passes its whole 1000-byte
//! block. A count above 24, a basis other than 0/1, a negative or non-finite percentage or
//! percentages whose sum overflows give kInvalidFileType.
[[nodiscard]] GasFileResult readRecord(file::BinaryReader& in, bool withReserve,
                                       GasAnalysisRecord& record);
//! Reads a record at the position of in into analysis; with the reserve the reader passes its
//! whole 1000-byte block. Anything but kOk (kInvalidFileType) leaves analysis unchanged.
[[nodiscard]] GasFileResult readRecord(GasAnalysis& analysis, file::BinaryReader& in,
                                       bool withReserve);

//! Writes a .gas file safely: a temporary file in the same folder renamed over path. The
//! name of the analysis is not stored. Does not ask before overwriting.
file::WriteOutcome writeGasFile(const GasAnalysis& analysis, const std::filesystem::path& path);
//! Reads the bytes of a .gas file into analysis, as readGasFile.
[[nodiscard]] GasFileResult readGasBytes(GasAnalysis& analysis,
                                         std::span<const std::uint8_t> bytes);
//! Reads a .gas file into analysis; anything but kOk leaves analysis unchanged. The name is
//! not touched: it is the file's title, which the caller sets.
[[nodiscard]] GasFileResult readGasFile(GasAnalysis& analysis, const std::filesystem::path& path);

}  // namespace vaporis::gas
