#include "engine/file/binary_io.h"

#include <bit>
#include <cerrno>
#include <cmath>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vaporis::file {
namespace {

[[nodiscard]] ReadFailure failureOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return ReadFailure::kMissing;
        case ELOOP:
            return ReadFailure::kLinkLoop;
        default:
            return ReadFailure::kUnreadable;
    }
}

// Reads up to maxBytes from the opened file, which must be a regular one.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> readRegular(int descriptor,
                                                                   std::size_t maxBytes,
                                                                   ReadFailure& failure) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        failure = ReadFailure::kNotRegularFile;
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(maxBytes);
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const ssize_t count = ::read(descriptor, bytes.data() + filled, maxBytes - filled);
        if (count < 0 && errno != EINTR) {
            failure = ReadFailure::kUnreadable;
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        filled += count > 0 ? static_cast<std::size_t>(count) : 0;
    }
    bytes.resize(filled);
    failure = ReadFailure::kNone;
    return bytes;
}

}  // namespace

void BinaryWriter::i32(std::int32_t value) {
    appendLittleEndian(static_cast<std::uint32_t>(value), 4);
}

void BinaryWriter::u32(std::uint32_t value) {
    appendLittleEndian(value, 4);
}

void BinaryWriter::f64(double value) {
    appendLittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

void BinaryWriter::padTo(std::size_t size) {
    if (bytes_.size() < size) {
        bytes_.resize(size, 0);
    }
}

void BinaryWriter::appendLittleEndian(std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint8_t BinaryReader::u8() {
    return static_cast<std::uint8_t>(readLittleEndian(1));
}

bool BinaryReader::flag() {
    const std::uint8_t value = u8();
    if (value > 1) {
        ok_ = false;
        return false;
    }
    return value == 1;
}

std::int32_t BinaryReader::i32() {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(readLittleEndian(4)));
}

std::uint32_t BinaryReader::u32() {
    return static_cast<std::uint32_t>(readLittleEndian(4));
}

double BinaryReader::f64() {
    return std::bit_cast<double>(readLittleEndian(8));
}

double BinaryReader::finiteF64() {
    const double value = f64();
    if (!std::isfinite(value)) {
        ok_ = false;
        return 0.0;
    }
    return value;
}

std::uint8_t BinaryReader::choice(std::uint8_t count) {
    const std::uint8_t value = u8();
    if (value >= count) {
        ok_ = false;
        return 0;
    }
    return value;
}

void BinaryReader::skip(std::size_t count) {
    if (!ok_ || count > bytes_.size() - offset_) {
        ok_ = false;
        return;
    }
    offset_ += count;
}

std::uint64_t BinaryReader::readLittleEndian(int count) {
    const auto size = static_cast<std::size_t>(count);
    if (!ok_ || size > bytes_.size() - offset_) {
        ok_ = false;
        return 0;
    }
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint64_t>(bytes_[offset_ + i]) << (8 * i);
    }
    offset_ += size;
    return value;
}

std::optional<std::vector<std::uint8_t>> readFileStart(const std::filesystem::path& path,
                                                       std::size_t maxBytes, ReadFailure& failure) {
    // Asked before opening, as opening a FIFO or a device waits or acts; the opened file is
    // asked again in case it was swapped in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        failure = failureOf(errno);
        return std::nullopt;
    }
    const int descriptor =
        S_ISREG(info.st_mode) ? ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
    if (descriptor < 0) {
        failure = S_ISREG(info.st_mode) ? failureOf(errno) : ReadFailure::kNotRegularFile;
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> bytes = readRegular(descriptor, maxBytes, failure);
    ::close(descriptor);
    return bytes;
}

}  // namespace vaporis::file
