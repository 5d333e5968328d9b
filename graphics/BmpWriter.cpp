#include "graphics/BmpWriter.h"

#include "graphics/SafeFileWriter.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t infoHeaderSize = 40;

void putLE(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + i] = std::uint8_t(value >> (8 * i));
}

// Lays out both headers and returns a buffer of the whole file's size with the
// pixel rows still zero; rowBytes is already padded to 4.
std::vector<std::uint8_t> bmpFrame(int width, int height, int bitsPerPixel, std::size_t paletteEntries,
                                   std::size_t rowBytes)
{
    const std::size_t pixelOffset = fileHeaderSize + infoHeaderSize + 4 * paletteEntries;
    const std::size_t imageSize = rowBytes * std::size_t(height);
    std::vector<std::uint8_t> out(pixelOffset + imageSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    putLE(out, 2, std::uint32_t(out.size()), 4);
    putLE(out, 10, std::uint32_t(pixelOffset), 4);
    putLE(out, 14, infoHeaderSize, 4);
    putLE(out, 18, std::uint32_t(width), 4);
    putLE(out, 22, std::uint32_t(height), 4); // positive: bottom-up rows
    putLE(out, 26, 1, 2);                     // planes
    putLE(out, 28, std::uint32_t(bitsPerPixel), 2);
    putLE(out, 34, std::uint32_t(imageSize), 4);
    putLE(out, 38, 2835, 4); // 72 dpi
    putLE(out, 42, 2835, 4);
    putLE(out, 46, std::uint32_t(paletteEntries), 4);
    return out;
}

std::size_t paddedRowBytes(std::size_t bytes) { return (bytes + 3) & ~std::size_t(3); }

} // namespace

TPaletteImage FilledPaletteImage(int width, int height, TColor color)
{
    TPaletteImage image;
    image.Width = std::max(width, 0);
    image.Height = std::max(height, 0);
    image.Palette = {color};
    image.Indices.assign(std::size_t(image.Width) * std::size_t(image.Height), 0);
    return image;
}

std::vector<std::uint8_t> EncodeBmp(const TPaletteImage& image)
{
    const std::size_t entries = std::min<std::size_t>(image.Palette.size(), 256);
    const std::size_t rowBytes = paddedRowBytes(std::size_t(image.Width));
    std::vector<std::uint8_t> out = bmpFrame(image.Width, image.Height, 8, entries, rowBytes);
    std::size_t at = fileHeaderSize + infoHeaderSize;
    for (std::size_t i = 0; i < entries; ++i, at += 4) {
        const TColor c = image.Palette[i];
        out[at] = GetBValue(c);
        out[at + 1] = GetGValue(c);
        out[at + 2] = GetRValue(c);
    }
    const std::size_t width = std::size_t(image.Width);
    for (int y = image.Height - 1; y >= 0; --y, at += rowBytes) {
        const std::size_t rowStart = std::size_t(y) * width;
        if (rowStart + width <= image.Indices.size()) // rows without indices stay index 0
            std::memcpy(out.data() + at, image.Indices.data() + rowStart, width);
    }
    return out;
}

std::vector<std::uint8_t> EncodeBmp(const TBitmap& bitmap)
{
    const int width = bitmap.Empty() ? 0 : bitmap.Width();
    const int height = bitmap.Empty() ? 0 : bitmap.Height();
    const std::size_t rowBytes = std::size_t(TBitmap::RowBytes(width, bitmap.PixelFormat()));
    std::vector<std::uint8_t> out = bmpFrame(width, height, bitmap.BytesPerPixel() * 8, 0, rowBytes);
    std::size_t at = fileHeaderSize + infoHeaderSize;
    for (int y = height - 1; y >= 0; --y, at += rowBytes)
        std::memcpy(out.data() + at, bitmap.ScanLine(y), rowBytes);
    return out;
}

std::string SaveBmpFile(const std::string& fileName, const TPaletteImage& image)
{
    const std::vector<std::uint8_t> bytes = EncodeBmp(image);
    return WriteFileSafely(fileName, bytes.data(), bytes.size());
}

std::string SaveBmpFile(const std::string& fileName, const TBitmap& bitmap)
{
    const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
    return WriteFileSafely(fileName, bytes.data(), bytes.size());
}
