#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace vaporis::file {

//! Appends the fields of a binary file: little-endian whatever the machine, no padding.
class BinaryWriter {
public:
    void u8(std::uint8_t value) { bytes_.push_back(value); }
    //! One byte, 0 or 1.
    void flag(bool value) { bytes_.push_back(value ? 1 : 0); }
    void i32(std::int32_t value);
    void u32(std::uint32_t value);
    void f64(double value);
    //! Zero bytes up to a total size of size; nothing when the buffer is that long already.
    void padTo(std::size_t size);

    [[nodiscard]] const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    [[nodiscard]] std::size_t size() const { return bytes_.size(); }

private:
    void appendLittleEndian(std::uint64_t value, int count);

    std::vector<std::uint8_t> bytes_;
};

//! Reads the fields of a binary file in order. A read past the end, or a flag byte other than
//! 0 and 1, marks the reader failed and yields 0; callers check ok() once after a record.
class BinaryReader {
public:
    explicit BinaryReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    [[nodiscard]] std::uint8_t u8();
    [[nodiscard]] bool flag();
    [[nodiscard]] std::int32_t i32();
    [[nodiscard]] std::uint32_t u32();
    [[nodiscard]] double f64();
    //! An f64 that must be finite: NaN or an infinity fails the reader.
    [[nodiscard]] double finiteF64();
    //! A byte naming one of count choices (0 to count - 1); a larger one fails the reader.
    [[nodiscard]] std::uint8_t choice(std::uint8_t count);
    //! Passes over count bytes (a reserve).
    void skip(std::size_t count);

    //! Marks the reader failed: a field was read but holds a value its record cannot take.
    void fail() { ok_ = false; }

    [[nodiscard]] bool ok() const { return ok_; }
    [[nodiscard]] std::size_t offset() const { return offset_; }

private:
    [[nodiscard]] std::uint64_t readLittleEndian(int count);

    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
    bool ok_ = true;
};

//! Why a file could not be read.
enum class ReadFailure : int {
    kNone,
    kMissing,         //!< no file of that name, or a folder of its path is missing
    kUnreadable,      //!< no permission to read it, or a read error
    kLinkLoop,        //!< its path loops through symbolic links
    kNotRegularFile,  //!< a folder, device, FIFO or socket
};

//! At most maxBytes from the start of the regular file at path (fewer when it is shorter);
//! nothing when it cannot be read, and failure says why. Anything but a regular file is refused
//! before it is read, so a FIFO or a terminal never blocks the program.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> readFileStart(
    const std::filesystem::path& path, std::size_t maxBytes, ReadFailure& failure);

//! The value of a reader's result enum that tells a read failure: kFileNotFound,
//! kFileUnreadable, kLinkLoop or kNotRegularFile.
template <typename Result>
[[nodiscard]] constexpr Result resultOfReadFailure(ReadFailure failure) {
    switch (failure) {
        case ReadFailure::kMissing:
            return Result::kFileNotFound;
        case ReadFailure::kLinkLoop:
            return Result::kLinkLoop;
        case ReadFailure::kNotRegularFile:
            return Result::kNotRegularFile;
        default:
            return Result::kFileUnreadable;
    }
}

}  // namespace vaporis::file
