#include "graphics/BmpReader.h"

#include "graphics/GraphicErrors.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;

[[noreturn]] void invalidBmp()
{
    RaiseInvalidFormat("BMP");
}

std::uint16_t readU16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

std::uint32_t readU32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

// One colour channel of a bit-field pixel, scaled to 8 bits.
struct TChannel
{
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t maxValue = 0;

    explicit TChannel(std::uint32_t m = 0) : mask(m)
    {
        if (mask != 0) {
            shift = std::countr_zero(mask);
            maxValue = mask >> shift;
        }
    }

    std::uint8_t operator()(std::uint32_t pixel, std::uint8_t absent) const
    {
        if (maxValue == 0)
            return absent;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (maxValue >= 255)
            return std::uint8_t(std::uint64_t(v) * 255 / maxValue);
        return std::uint8_t((v * 255 + maxValue / 2) / maxValue);
    }
};

struct TBmpHeader
{
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = BI_RGB;
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
    std::array<std::uint8_t, 256 * 3> palette{}; // blue, green, red; missing entries stay black
    std::size_t pixelOffset = 0;
};

bool isSupported(int bitCount, std::uint32_t compression)
{
    switch (compression) {
    case BI_RGB:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
    case BI_RLE8:
        return bitCount == 8;
    case BI_RLE4:
        return bitCount == 4;
    case BI_BITFIELDS:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}

TBmpHeader parseHeader(const std::uint8_t* data, std::size_t size)
{
    if (size < FileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        invalidBmp();
    const std::uint32_t infoSize = readU32(data + FileHeaderSize);
    if (infoSize != CoreHeaderSize && (infoSize < InfoHeaderSize || infoSize > 1024) )
        invalidBmp();
    if (size - FileHeaderSize < infoSize)
        invalidBmp();
    const std::uint8_t* info = data + FileHeaderSize;

    TBmpHeader h;
    long long height = 0;
    std::size_t paletteEntrySize = 4;
    std::uint32_t colorsUsed = 0;
    if (infoSize == CoreHeaderSize) {
        h.width = readU16(info + 4);
        height = readU16(info + 6);
        h.bitCount = readU16(info + 10);
        paletteEntrySize = 3;
    } else {
        h.width = std::int32_t(readU32(info + 4));
        height = std::int32_t(readU32(info + 8));
        h.bitCount = readU16(info + 14);
        h.compression = readU32(info + 16);
        colorsUsed = readU32(info + 32);
    }
    if (!isSupported(h.bitCount, h.compression))
        invalidBmp();
    h.topDown = height < 0;
    if (h.topDown && h.compression != BI_RGB && h.compression != BI_BITFIELDS)
        invalidBmp();
    if (h.topDown)
        height = -height;
    if (!IsSaneImageSize(h.width, height))
        invalidBmp();
    h.height = int(height);

    std::size_t paletteStart = FileHeaderSize + infoSize;
    if (h.compression == BI_BITFIELDS) {
        const std::size_t maskCount = infoSize >= 56 ? 4 : 3;
        const std::uint8_t* maskBytes = info + InfoHeaderSize;
        if (infoSize == InfoHeaderSize) {
            if (size - paletteStart < 12)
                invalidBmp();
            paletteStart += 12;
        }
        for (std::size_t i = 0; i < maskCount; ++i)
            h.masks[i] = readU32(maskBytes + 4 * i);
    } else if (h.bitCount == 16) {
        h.masks = {0x7C00, 0x03E0, 0x001F, 0};
    }

    // Writers may store fewer colours than the depth allows; the pixel offset tells.
    const std::uint32_t offBits = readU32(data + 10);
    const bool offsetValid = offBits >= paletteStart && offBits < size;
    std::size_t paletteCount = 0;
    if (h.bitCount <= 8) {
        paletteCount = std::size_t(1) << h.bitCount;
        if (colorsUsed != 0 && colorsUsed < paletteCount)
            paletteCount = colorsUsed;
        if (offsetValid)
            paletteCount = std::min(paletteCount, (offBits - paletteStart) / paletteEntrySize);
    }
    if ((size - paletteStart) / paletteEntrySize < paletteCount)
        invalidBmp();
    for (std::size_t i = 0; i < paletteCount; ++i)
        std::memcpy(&h.palette[3 * i], data + paletteStart + i * paletteEntrySize, 3);

    h.pixelOffset = offsetValid ? offBits : paletteStart + paletteCount * paletteEntrySize;
    if (h.pixelOffset >= size)
        invalidBmp();
    return h;
}

// Writes one row of blue, green, red (and alpha) pixels from a row of packed source pixels.
class TRowConverter
{
public:
    TRowConverter(const TBmpHeader& h, bool keepAlpha)
        : h_(h), keepAlpha_(keepAlpha),
          red_(h.masks[0]), green_(h.masks[1]), blue_(h.masks[2]), alpha_(h.masks[3]),
          standard32_(h.bitCount == 32 && (h.compression == BI_RGB
                                           || (h.masks[0] == 0xFF0000 && h.masks[1] == 0xFF00 && h.masks[2] == 0xFF
                                               && (h.masks[3] == 0 || h.masks[3] == 0xFF000000))))
    {
    }

    void convert(const std::uint8_t* src, std::uint8_t* dst) const
    {
        const int width = h_.width;
        switch (h_.bitCount) {
        case 1:
        case 4:
        case 8:
            convertIndexed(src, dst);
            break;
        case 16:
            for (int x = 0; x < width; ++x, dst += 3)
                putMasked(readU16(src + 2 * x), dst);
            break;
        case 24:
            std::memcpy(dst, src, std::size_t(width) * 3);
            break;
        case 32:
            convert32(src, dst);
            break;
        }
    }

    void putIndex(unsigned index, std::uint8_t* dst) const
    {
        std::memcpy(dst, &h_.palette[3 * index], 3);
    }

private:
    void convertIndexed(const std::uint8_t* src, std::uint8_t* dst) const
    {
        const int bits = h_.bitCount;
        const unsigned mask = (1u << bits) - 1;
        for (int x = 0; x < h_.width; ++x, dst += 3) {
            const int bitPos = x * bits;
            const unsigned index = (src[bitPos >> 3] >> (8 - bits - (bitPos & 7))) & mask;
            putIndex(index, dst);
        }
    }

    void convert32(const std::uint8_t* src, std::uint8_t* dst) const
    {
        const int width = h_.width;
        if (standard32_) {
            if (keepAlpha_ && (h_.compression == BI_RGB || h_.masks[3] != 0)) {
                std::memcpy(dst, src, std::size_t(width) * 4);
                return;
            }
            for (int x = 0; x < width; ++x, src += 4) {
                std::memcpy(dst, src, 3);
                dst += 3;
                if (keepAlpha_)
                    *dst++ = 255;
            }
            return;
        }
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = readU32(src + 4 * x);
            putMasked(pixel, dst);
            dst += 3;
            if (keepAlpha_)
                *dst++ = alpha_(pixel, 255);
        }
    }

    void putMasked(std::uint32_t pixel, std::uint8_t* dst) const
    {
        dst[0] = blue_(pixel, 0);
        dst[1] = green_(pixel, 0);
        dst[2] = red_(pixel, 0);
    }

    const TBmpHeader& h_;
    bool keepAlpha_;
    TChannel red_, green_, blue_, alpha_;
    bool standard32_;
};

std::size_t sourceStride(const TBmpHeader& h)
{
    return (std::size_t(h.width) * std::size_t(h.bitCount) + 31) / 32 * 4;
}

// Checked before the bitmap is allocated; the last row may lack its padding.
bool holdsEveryRow(const TBmpHeader& h, std::size_t size)
{
    const std::size_t lastRow = (std::size_t(h.width) * std::size_t(h.bitCount) + 7) / 8;
    return size - h.pixelOffset >= sourceStride(h) * std::size_t(h.height - 1) + lastRow;
}

void decodeUncompressed(const TBmpHeader& h, const std::uint8_t* data, const TRowConverter& converter, TBitmap& bitmap)
{
    const std::size_t stride = sourceStride(h);
    const std::uint8_t* pixels = data + h.pixelOffset;
    for (int y = 0; y < h.height; ++y) {
        const int sourceRow = h.topDown ? y : h.height - 1 - y;
        converter.convert(pixels + std::size_t(sourceRow) * stride, bitmap.ScanLine(y));
    }
}

// Run-length encoded pixels are drawn bottom-up; pixels the runs skip stay black.
void decodeRunLength(const TBmpHeader& h, const std::uint8_t* data, std::size_t size, const TRowConverter& converter,
                     TBitmap& bitmap)
{
    const bool fourBits = h.compression == BI_RLE4;
    const std::uint8_t* p = data + h.pixelOffset;
    const std::uint8_t* const end = data + size;
    int x = 0;
    int y = 0;
    auto put = [&](unsigned index) {
        if (x < h.width && y < h.height)
            converter.putIndex(index, bitmap.ScanLine(h.height - 1 - y) + std::ptrdiff_t(x) * 3);
        ++x;
    };
    auto nibbleOrByte = [&](std::uint8_t value, int i) -> unsigned {
        return fourBits ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value;
    };
    while (y < h.height && end - p >= 2) {
        const int count = p[0];
        const std::uint8_t value = p[1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < h.width; ++i)
                put(nibbleOrByte(value, i));
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            if (end - p < 2)
                invalidBmp();
            x = std::min(x + p[0], h.width);
            y += p[1];
            p += 2;
        } else {
            const std::size_t bytes = fourBits ? (value + 1u) / 2 : value;
            const std::size_t padded = (bytes + 1) & ~std::size_t(1);
            if (std::size_t(end - p) < bytes)
                invalidBmp();
            for (int i = 0; i < value && x < h.width; ++i)
                put(nibbleOrByte(p[fourBits ? i / 2 : i], i));
            p += std::min(padded, std::size_t(end - p));
        }
    }
}

} // namespace

TBitmap ReadBmp(const std::uint8_t* data, std::size_t size, TBmpAlpha alpha)
{
    const TBmpHeader header = parseHeader(data, size);
    const bool runLength = header.compression == BI_RLE8 || header.compression == BI_RLE4;
    if (!runLength && !holdsEveryRow(header, size))
        invalidBmp();
    const bool keepAlpha = alpha == TBmpAlpha::Keep && header.bitCount == 32;
    TBitmap bitmap(header.width, header.height, keepAlpha ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
    const TRowConverter converter(header, keepAlpha);
    if (runLength)
        decodeRunLength(header, data, size, converter, bitmap);
    else
        decodeUncompressed(header, data, converter, bitmap);
    return bitmap;
}
