#include "engine/file/binary_io.h"

#include <bit>
#include <cmath>
#include <fstream>

namespace vaporis::file {

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
                                                       std::size_t maxBytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(maxBytes);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

}  // namespace vaporis::file
