#include "ui/png_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vaporis::ui {
namespace {

using Glyph = std::array<std::uint16_t, 5>;  // columns, bit 0 the top row; 7 above the baseline

// Printable ASCII from ' ' to '~'.
constexpr std::array<Glyph, 95> kAscii{{
    {0x00, 0x00, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x5F, 0x00, 0x00}, {0x00, 0x07, 0x00, 0x07, 0x00},
    {0x14, 0x7F, 0x14, 0x7F, 0x14}, {0x24, 0x2A, 0x7F, 0x2A, 0x12}, {0x23, 0x13, 0x08, 0x64, 0x62},
    {0x36, 0x49, 0x55, 0x22, 0x50}, {0x00, 0x05, 0x03, 0x00, 0x00}, {0x00, 0x1C, 0x22, 0x41, 0x00},
    {0x00, 0x41, 0x22, 0x1C, 0x00}, {0x08, 0x2A, 0x1C, 0x2A, 0x08}, {0x08, 0x08, 0x3E, 0x08, 0x08},
    {0x00, 0x50, 0x30, 0x00, 0x00}, {0x08, 0x08, 0x08, 0x08, 0x08}, {0x00, 0x60, 0x60, 0x00, 0x00},
    {0x20, 0x10, 0x08, 0x04, 0x02}, {0x3E, 0x51, 0x49, 0x45, 0x3E}, {0x00, 0x42, 0x7F, 0x40, 0x00},
    {0x42, 0x61, 0x51, 0x49, 0x46}, {0x21, 0x41, 0x45, 0x4B, 0x31}, {0x18, 0x14, 0x12, 0x7F, 0x10},
    {0x27, 0x45, 0x45, 0x45, 0x39}, {0x3C, 0x4A, 0x49, 0x49, 0x30}, {0x01, 0x71, 0x09, 0x05, 0x03},
    {0x36, 0x49, 0x49, 0x49, 0x36}, {0x06, 0x49, 0x49, 0x29, 0x1E}, {0x00, 0x36, 0x36, 0x00, 0x00},
    {0x00, 0x56, 0x36, 0x00, 0x00}, {0x08, 0x14, 0x22, 0x41, 0x00}, {0x14, 0x14, 0x14, 0x14, 0x14},
    {0x00, 0x41, 0x22, 0x14, 0x08}, {0x02, 0x01, 0x51, 0x09, 0x06}, {0x32, 0x49, 0x79, 0x41, 0x3E},
    {0x7E, 0x11, 0x11, 0x11, 0x7E}, {0x7F, 0x49, 0x49, 0x49, 0x36}, {0x3E, 0x41, 0x41, 0x41, 0x22},
    {0x7F, 0x41, 0x41, 0x22, 0x1C}, {0x7F, 0x49, 0x49, 0x49, 0x41}, {0x7F, 0x09, 0x09, 0x01, 0x01},
    {0x3E, 0x41, 0x41, 0x51, 0x32}, {0x7F, 0x08, 0x08, 0x08, 0x7F}, {0x00, 0x41, 0x7F, 0x41, 0x00},
    {0x20, 0x40, 0x41, 0x3F, 0x01}, {0x7F, 0x08, 0x14, 0x22, 0x41}, {0x7F, 0x40, 0x40, 0x40, 0x40},
    {0x7F, 0x02, 0x04, 0x02, 0x7F}, {0x7F, 0x04, 0x08, 0x10, 0x7F}, {0x3E, 0x41, 0x41, 0x41, 0x3E},
    {0x7F, 0x09, 0x09, 0x09, 0x06}, {0x3E, 0x41, 0x51, 0x21, 0x5E}, {0x7F, 0x09, 0x19, 0x29, 0x46},
    {0x46, 0x49, 0x49, 0x49, 0x31}, {0x01, 0x01, 0x7F, 0x01, 0x01}, {0x3F, 0x40, 0x40, 0x40, 0x3F},
    {0x1F, 0x20, 0x40, 0x20, 0x1F}, {0x7F, 0x20, 0x18, 0x20, 0x7F}, {0x63, 0x14, 0x08, 0x14, 0x63},
    {0x03, 0x04, 0x78, 0x04, 0x03}, {0x61, 0x51, 0x49, 0x45, 0x43}, {0x00, 0x7F, 0x41, 0x41, 0x00},
    {0x02, 0x04, 0x08, 0x10, 0x20}, {0x00, 0x41, 0x41, 0x7F, 0x00}, {0x04, 0x02, 0x01, 0x02, 0x04},
    {0x40, 0x40, 0x40, 0x40, 0x40}, {0x00, 0x01, 0x02, 0x04, 0x00}, {0x20, 0x54, 0x54, 0x54, 0x78},
    {0x7F, 0x48, 0x44, 0x44, 0x38}, {0x38, 0x44, 0x44, 0x44, 0x20}, {0x38, 0x44, 0x44, 0x48, 0x7F},
    {0x38, 0x54, 0x54, 0x54, 0x18}, {0x08, 0x7E, 0x09, 0x01, 0x02}, {0x08, 0x14, 0x54, 0x54, 0x3C},
    {0x7F, 0x08, 0x04, 0x04, 0x78}, {0x00, 0x44, 0x7D, 0x40, 0x00}, {0x20, 0x40, 0x44, 0x3D, 0x00},
    {0x00, 0x7F, 0x10, 0x28, 0x44}, {0x00, 0x41, 0x7F, 0x40, 0x00}, {0x7C, 0x04, 0x18, 0x04, 0x78},
    {0x7C, 0x08, 0x04, 0x04, 0x78}, {0x38, 0x44, 0x44, 0x44, 0x38}, {0x7C, 0x14, 0x14, 0x14, 0x08},
    {0x08, 0x14, 0x14, 0x18, 0x7C}, {0x7C, 0x08, 0x04, 0x04, 0x08}, {0x48, 0x54, 0x54, 0x54, 0x20},
    {0x04, 0x3F, 0x44, 0x40, 0x20}, {0x3C, 0x40, 0x40, 0x20, 0x7C}, {0x1C, 0x20, 0x40, 0x20, 0x1C},
    {0x3C, 0x40, 0x30, 0x40, 0x3C}, {0x44, 0x28, 0x10, 0x28, 0x44}, {0x0C, 0x50, 0x50, 0x50, 0x3C},
    {0x44, 0x64, 0x54, 0x4C, 0x44}, {0x00, 0x08, 0x36, 0x41, 0x00}, {0x00, 0x00, 0x7F, 0x00, 0x00},
    {0x00, 0x41, 0x36, 0x08, 0x00}, {0x02, 0x01, 0x02, 0x04, 0x02},
}};
// Letters with descenders reach two rows below the baseline.
constexpr Glyph kLowG{0x118, 0x124, 0x124, 0x124, 0x0FC};
constexpr Glyph kLowJ{0x080, 0x100, 0x0FD, 0x000, 0x000};
constexpr Glyph kLowP{0x1FC, 0x024, 0x024, 0x024, 0x018};
constexpr Glyph kLowQ{0x018, 0x024, 0x024, 0x024, 0x1FC};
constexpr Glyph kLowY{0x11C, 0x120, 0x120, 0x120, 0x0FC};
constexpr Glyph kDegree{0x00, 0x06, 0x09, 0x09, 0x06};
constexpr Glyph kSquared{0x19, 0x15, 0x12, 0x00, 0x00};
constexpr Glyph kCubed{0x11, 0x15, 0x0A, 0x00, 0x00};
constexpr Glyph kUnknown{0x7F, 0x41, 0x41, 0x41, 0x7F};
constexpr int kGlyphAdvance = 6;  // font dots per character
constexpr int kGlyphAscent = 7;   // rows above the baseline
constexpr int kGlyphRows = 9;

const Glyph& glyph(char32_t c) {
    switch (c) {
        case 'g':
            return kLowG;
        case 'j':
            return kLowJ;
        case 'p':
            return kLowP;
        case 'q':
            return kLowQ;
        case 'y':
            return kLowY;
        case 0xB0:
            return kDegree;
        case 0xB2:
            return kSquared;
        case 0xB3:
            return kCubed;
        default:
            return c >= 0x20 && c <= 0x7E ? kAscii[c - 0x20] : kUnknown;
    }
}

// The next code point of UTF-8 text (a malformed byte stands for itself) and its length.
std::pair<char32_t, std::size_t> decodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || text.size() < length) {
        return {lead, 1};
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    return {c, length};
}

class Raster {
public:
    explicit Raster(int scale)
        : scale_(scale),
          size_(kCanvasSize * scale),
          pixels_(static_cast<std::size_t>(size_) * static_cast<std::size_t>(size_), 0xFF) {}

    void operator()(const SetPen& pen) { pen_ = pen; }
    // Every outline is one logical px wide to the right of and below its coordinates.
    void operator()(const FillRectangle& fill) {
        block(fill.rect.left * scale_, fill.rect.top * scale_, (fill.rect.right + 1) * scale_,
              (fill.rect.bottom + 1) * scale_, fill.colour);
    }
    void operator()(const Polyline& line) {
        int phase = 0;
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            phase = segment(line.points[i - 1], line.points[i], phase);
        }
    }
    void operator()(const MoveTo& move) { current_ = move.to; }
    void operator()(const LineTo& line) {
        segment(current_, line.to, 0);
        current_ = line.to;
    }
    void operator()(const Circle& circle) {
        const double cx = (circle.centre.x + 0.5) * scale_;
        const double cy = (circle.centre.y + 0.5) * scale_;
        const double r = circle.radius * scale_;
        const int reach = (circle.radius + 1) * scale_;
        for (int y = static_cast<int>(cy) - reach; y <= static_cast<int>(cy) + reach; ++y) {
            for (int x = static_cast<int>(cx) - reach; x <= static_cast<int>(cx) + reach; ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                if (std::abs(d - r) <= 0.5 * scale_) {
                    set(x, y, pen_.colour);
                }
            }
        }
    }
    void operator()(const TextInRect& text) {
        const int dot = std::max(1, kCanvasFontSize * scale_ / 10);
        int top = (text.rect.top + kCanvasBaseline) * scale_ - kGlyphAscent * dot;
        int x = text.rect.left * scale_;
        for (std::string_view rest = text.text; !rest.empty();) {
            const auto [c, length] = decodeUtf8(rest);
            rest.remove_prefix(length);
            if (c == '\n') {
                top += kCanvasLineHeight * scale_;
                x = text.rect.left * scale_;
                continue;
            }
            drawGlyph(glyph(c), x, top, dot);
            x += kGlyphAdvance * dot;
        }
    }

    [[nodiscard]] int size() const { return size_; }
    [[nodiscard]] const std::vector<std::uint8_t>& pixels() const { return pixels_; }

private:
    void set(int x, int y, Colour colour) {
        if (x >= 0 && y >= 0 && x < size_ && y < size_) {
            pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_) +
                    static_cast<std::size_t>(x)] = colour == Colour::kWhite ? 0xFF : 0x00;
        }
    }
    void block(int left, int top, int right, int bottom, Colour colour) {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                set(x, y, colour);
            }
        }
    }
    void drawGlyph(const Glyph& columns, int left, int top, int dot) {
        for (int col = 0; col < 5; ++col) {
            for (int row = 0; row < kGlyphRows; ++row) {
                if ((columns[static_cast<std::size_t>(col)] >> row) & 1) {
                    block(left + col * dot, top + row * dot, left + (col + 1) * dot,
                          top + (row + 1) * dot, pen_.colour);
                }
            }
        }
    }
    // A pen-wide line; returns the dash phase [device px] at its end.
    int segment(CanvasPoint from, CanvasPoint to, int phase) {
        const int x0 = from.x * scale_;
        const int y0 = from.y * scale_;
        const int dx = to.x * scale_ - x0;
        const int dy = to.y * scale_ - y0;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        const int period = (kCanvasDash + kCanvasGap) * scale_;
        // Each step paints a pen-wide square, which reaches scale - 1 px past the step.
        const int dash = kCanvasDash * scale_ - (scale_ - 1);
        for (int i = 0; i <= steps; ++i) {
            const bool drawn = pen_.style == PenStyle::kSolid || (phase + i) % period < dash;
            if (drawn) {
                const int x =
                    steps == 0 ? x0 : x0 + (dx * i + (dx >= 0 ? steps : -steps) / 2) / steps;
                const int y =
                    steps == 0 ? y0 : y0 + (dy * i + (dy >= 0 ? steps : -steps) / 2) / steps;
                block(x, y, x + scale_, y + scale_, pen_.colour);
            }
        }
        return (phase + steps) % period;
    }

    int scale_;
    int size_;
    std::vector<std::uint8_t> pixels_;
    SetPen pen_{Colour::kBlack, PenStyle::kSolid};
    CanvasPoint current_{0, 0};
};

void appendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
        }
    }
    return ~crc;
}

void appendChunk(std::string& out, std::string_view type, std::string_view data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::string body(type);
    body += data;
    out += body;
    appendBigEndian(out, crc32(body));
}

// Deflate bits, least significant first, as a byte string.
class BitWriter {
public:
    void bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            bit((value >> i) & 1U);
        }
    }
    // A Huffman code goes out from its most significant bit.
    void code(std::uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            bit((value >> i) & 1U);
        }
    }
    [[nodiscard]] std::string finish() {
        if (filled_ > 0) {
            bytes_ += static_cast<char>(pending_);
        }
        return std::move(bytes_);
    }

private:
    void bit(std::uint32_t value) {
        pending_ |= value << filled_;
        if (++filled_ == 8) {
            bytes_ += static_cast<char>(pending_);
            pending_ = 0;
            filled_ = 0;
        }
    }
    std::string bytes_;
    std::uint32_t pending_ = 0;
    int filled_ = 0;
};

// The fixed Huffman code of a literal/length symbol.
void writeSymbol(BitWriter& out, int symbol) {
    if (symbol < 144) {
        out.code(static_cast<std::uint32_t>(0x30 + symbol), 8);
    } else if (symbol < 256) {
        out.code(static_cast<std::uint32_t>(0x190 + symbol - 144), 9);
    } else if (symbol < 280) {
        out.code(static_cast<std::uint32_t>(symbol - 256), 7);
    } else {
        out.code(static_cast<std::uint32_t>(0xC0 + symbol - 280), 8);
    }
}

constexpr std::array<int, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                          15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                          67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;

// Index of the last base not above value.
template <std::size_t N>
std::size_t baseIndex(const std::array<int, N>& bases, int value) {
    return static_cast<std::size_t>(std::upper_bound(bases.begin(), bases.end(), value) -
                                    bases.begin() - 1);
}

void writeMatch(BitWriter& out, int length, int distance) {
    const std::size_t l = baseIndex(kLengthBase, length);
    writeSymbol(out, 257 + static_cast<int>(l));
    out.bits(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    const std::size_t d = baseIndex(kDistanceBase, distance);
    out.code(static_cast<std::uint32_t>(d), 5);
    out.bits(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

int matchLength(std::string_view raw, std::size_t at, std::size_t distance) {
    if (distance > at) {
        return 0;
    }
    const std::size_t limit = std::min<std::size_t>(kMaxMatch, raw.size() - at);
    std::size_t length = 0;
    while (length < limit && raw[at + length] == raw[at + length - distance]) {
        ++length;
    }
    return static_cast<int>(length);
}

std::uint32_t adler32(std::string_view raw) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char byte : raw) {
        a = (a + static_cast<unsigned char>(byte)) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// A zlib stream in one fixed-Huffman block. A drawing is mostly runs of one grey and rows
// like the one above, so the only matches tried are the previous byte and the previous row.
std::string zlibCompress(std::string_view raw, std::size_t rowBytes) {
    BitWriter out;
    out.bits(1, 1);  // the last block
    out.bits(1, 2);  // fixed Huffman codes
    for (std::size_t at = 0; at < raw.size();) {
        const int run = matchLength(raw, at, 1);
        const int row = matchLength(raw, at, rowBytes);
        const int length = std::max(run, row);
        if (length >= kMinMatch) {
            writeMatch(out, length, static_cast<int>(row >= run ? rowBytes : 1));
            at += static_cast<std::size_t>(length);
        } else {
            writeSymbol(out, static_cast<unsigned char>(raw[at]));
            ++at;
        }
    }
    writeSymbol(out, 256);
    std::string stream = "\x78\x01";
    stream += out.finish();
    appendBigEndian(stream, adler32(raw));
    return stream;
}

}  // namespace

std::string toPng(const DisplayList& drawing, int scale) {
    Raster raster(std::max(1, scale));
    for (const DrawCommand& command : drawing.commands()) {
        std::visit(raster, command);
    }
    const auto size = static_cast<std::size_t>(raster.size());
    std::string raw;
    raw.reserve(size * (size + 1));
    for (std::size_t y = 0; y < size; ++y) {
        raw += '\0';  // filter: none
        raw.append(reinterpret_cast<const char*>(raster.pixels().data() + y * size), size);
    }
    std::string header;
    appendBigEndian(header, static_cast<std::uint32_t>(size));
    appendBigEndian(header, static_cast<std::uint32_t>(size));
    header += std::string("\x08\x00\x00\x00\x00", 5);  // 8-bit grey, deflate, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", zlibCompress(raw, size + 1));
    appendChunk(png, "IEND", "");
    return png;
}

}  // namespace vaporis::ui
