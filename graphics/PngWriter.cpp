#include "graphics/PngWriter.h"

#include "graphics/SafeFileWriter.h"

#include <zlib.h>

#include <array>

namespace {

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

// Length, type, data and the CRC of type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data)
{
    PutBigEndian32(out, std::uint32_t(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + typeAt, uInt(out.size() - typeAt));
    PutBigEndian32(out, std::uint32_t(crc));
}

// Every row as filter byte 0 and red, green, blue (and alpha).
std::vector<std::uint8_t> RawRows(const TBitmap& bitmap, bool withAlpha)
{
    const int bpp = bitmap.BytesPerPixel();
    const std::size_t channels = withAlpha ? 4 : 3;
    std::vector<std::uint8_t> raw;
    raw.reserve(std::size_t(bitmap.Height()) * (std::size_t(bitmap.Width()) * channels + 1));
    for (int y = 0; y < bitmap.Height(); ++y) {
        raw.push_back(0);
        const std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += bpp) {
            raw.push_back(p[2]);
            raw.push_back(p[1]);
            raw.push_back(p[0]);
            if (withAlpha)
                raw.push_back(p[3]);
        }
    }
    return raw;
}

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& raw)
{
    uLongf size = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> packed(size);
    if (compress2(packed.data(), &size, raw.data(), uLong(raw.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        return {};
    packed.resize(size);
    return packed;
}

} // namespace

std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap, TPngAlpha alpha)
{
    const bool withAlpha = alpha == TPngAlpha::Keep && bitmap.PixelFormat() == TPixelFormat::pf32bit;
    static constexpr std::array<std::uint8_t, 8> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> out(signature.begin(), signature.end());
    std::vector<std::uint8_t> header;
    PutBigEndian32(header, std::uint32_t(bitmap.Width()));
    PutBigEndian32(header, std::uint32_t(bitmap.Height()));
    // 8 bits, RGB (2) or RGBA (6), deflate, filter set 0, not interlaced
    header.insert(header.end(), {8, std::uint8_t(withAlpha ? 6 : 2), 0, 0, 0});
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", Deflate(RawRows(bitmap, withAlpha)));
    PutChunk(out, "IEND", {});
    return out;
}

std::string SavePngFile(const std::string& fileName, const TBitmap& bitmap, TPngAlpha alpha)
{
    if (bitmap.Empty())
        return "cannot write an empty image to " + fileName;
    const std::vector<std::uint8_t> bytes = EncodePng(bitmap, alpha);
    return WriteFileSafely(fileName, bytes.data(), bytes.size());
}
