#include "graphics/BmpReader.h"

#include "graphics/BmpWriter.h"
#include "graphics/GraphicErrors.h"
#include "PixelFixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string le16(unsigned v)
{
    return {char(v), char(v >> 8)};
}

std::string le32(std::uint32_t v)
{
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

struct BmpLayout
{
    int width = 3;
    int height = 2;
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette; // $00RRGGBB
    std::string pixels;                 // as stored, first stored row first
    std::vector<std::uint32_t> masks;   // stored after a 40-byte header, or inside a larger one
    std::uint32_t infoSize = 40;
    std::uint32_t colorsUsed = 0;
};

// Builds the bytes of a BMP file by hand, field by field.
std::string bmpFile(const BmpLayout& s)
{
    std::string info;
    if (s.infoSize == 12) {
        info = le32(12) + le16(unsigned(s.width)) + le16(unsigned(s.height)) + le16(1) + le16(unsigned(s.bitCount));
    } else {
        info = le32(s.infoSize) + le32(std::uint32_t(s.width)) + le32(std::uint32_t(s.height)) + le16(1)
             + le16(unsigned(s.bitCount)) + le32(s.compression) + le32(std::uint32_t(s.pixels.size())) + le32(2835)
             + le32(2835) + le32(s.colorsUsed != 0 ? s.colorsUsed : std::uint32_t(s.palette.size())) + le32(0);
        std::string masks;
        for (std::uint32_t m : s.masks)
            masks += le32(m);
        if (s.infoSize > 40) {
            masks.resize(s.infoSize - 40, '\0');
        }
        info += masks;
    }
    std::string palette;
    for (std::uint32_t c : s.palette) {
        palette += std::string{char(c), char(c >> 8), char(c >> 16)};
        if (s.infoSize != 12)
            palette += '\0';
    }
    const std::uint32_t offset = std::uint32_t(14 + info.size() + palette.size());
    return "BM" + le32(std::uint32_t(offset + s.pixels.size())) + le32(0) + le32(offset) + info + palette + s.pixels;
}

// Rows from top to bottom, pixels as blue-green-red(-alpha) hex, separated by "/".
std::string pixelRows(const TBitmap& bmp)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (int y = 0; y < bmp.Height(); ++y) {
        if (y > 0)
            out += "/";
        for (int x = 0; x < bmp.Width(); ++x) {
            if (x > 0)
                out += " ";
            for (int i = 0; i < bmp.BytesPerPixel(); ++i) {
                const std::uint8_t b = bmp.ScanLine(y)[x * bmp.BytesPerPixel() + i];
                out += digits[b >> 4];
                out += digits[b & 15];
            }
        }
    }
    return out;
}

TBitmap read(const std::string& file, TBmpAlpha alpha = TBmpAlpha::Drop)
{
    return ReadBmp(reinterpret_cast<const std::uint8_t*>(file.data()), file.size(), alpha);
}

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += char(v);
    return out;
}

const std::vector<std::uint32_t> Colours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
// Indices 1 2 3 on top and 4 0 4 below.
const std::string Expected = "0000FF 00FF00 FF0000/FFFFFF 000000 FFFFFF";

} // namespace

TEST(BmpReader, EveryDepthAndOrientationGivesTheSamePixels)
{
    struct Case { const char* name; BmpLayout layout; TBmpAlpha alpha; std::string expected; };
    const Case cases[] = {
        {"1 bit", {3, 2, 1, 0, {0x000000, 0xFFFFFF}, bytes({0x60, 0, 0, 0, 0xA0, 0, 0, 0})}, TBmpAlpha::Drop,
         "FFFFFF 000000 FFFFFF/000000 FFFFFF FFFFFF"},
        {"4 bits", {3, 2, 4, 0, Colours, bytes({0x40, 0x40, 0, 0, 0x12, 0x30, 0, 0})}, TBmpAlpha::Drop, Expected},
        {"8 bits", {3, 2, 8, 0, Colours, bytes({4, 0, 4, 0, 1, 2, 3, 0})}, TBmpAlpha::Drop, Expected},
        {"8 bits top-down", {3, -2, 8, 0, Colours, bytes({1, 2, 3, 0, 4, 0, 4, 0})}, TBmpAlpha::Drop, Expected},
        {"8 bits, OS/2 header", {3, 2, 8, 0, Colours, bytes({4, 0, 4, 0, 1, 2, 3, 0}), {}, 12}, TBmpAlpha::Drop, Expected},
        {"16 bits 5-5-5", {3, 2, 16, 0, {}, bytes({0xFF, 0x7F, 0, 0, 0x10, 0x42, 0, 0, 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0, 0, 0})},
         TBmpAlpha::Drop, "0000FF 00FF00 FF0000/FFFFFF 000000 848484"},
        {"16 bits 5-6-5 fields", {3, 2, 16, 3, {}, bytes({0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0, 0x00, 0xF8, 0xE0, 0x07, 0x1F, 0, 0, 0}),
                                  {0xF800, 0x07E0, 0x001F}},
         TBmpAlpha::Drop, "0000FF 00FF00 FF0000/FFFFFF 000000 FFFFFF"},
        {"24 bits", {3, 2, 24, 0, {}, bytes({255, 255, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0})},
         TBmpAlpha::Drop, Expected},
        {"24 bits top-down", {3, -2, 24, 0, {}, bytes({0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0})},
         TBmpAlpha::Drop, Expected},
        {"32 bits, alpha dropped", {2, 1, 32, 0, {}, bytes({1, 2, 3, 4, 5, 6, 7, 8})}, TBmpAlpha::Drop, "010203 050607"},
        {"32 bits, alpha kept", {2, 1, 32, 0, {}, bytes({1, 2, 3, 4, 5, 6, 7, 8})}, TBmpAlpha::Keep, "01020304 05060708"},
        {"24 bits asked to keep alpha", {1, 1, 24, 0, {}, bytes({1, 2, 3, 0})}, TBmpAlpha::Keep, "010203"},
        {"32 bit fields without alpha", {1, 1, 32, 3, {}, bytes({9, 1, 2, 3}), {0xFF000000, 0x00FF0000, 0x0000FF00}},
         TBmpAlpha::Keep, "010203FF"},
        {"32 bit fields, version 5 header with alpha", {1, 1, 32, 3, {}, bytes({1, 2, 3, 0x80}),
                                                        {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, 124},
         TBmpAlpha::Keep, "01020380"},
        {"run-length 8 bits", {3, 2, 8, 1, Colours, bytes({0, 3, 4, 0, 4, 0, 0, 0, 1, 1, 1, 2, 1, 3, 0, 1})},
         TBmpAlpha::Drop, Expected},
        {"run-length 4 bits", {3, 2, 4, 2, Colours, bytes({3, 0x40, 0, 0, 0, 3, 0x12, 0x30, 0, 1})}, TBmpAlpha::Drop, Expected},
        {"run-length skip leaves black", {3, 2, 8, 1, Colours, bytes({0, 2, 1, 1, 1, 2, 0, 1})}, TBmpAlpha::Drop,
         "000000 00FF00 000000/000000 000000 000000"},
        {"index beyond the colours used", {2, 1, 8, 0, Colours, bytes({1, 4, 0, 0}), {}, 40, 2}, TBmpAlpha::Drop,
         "0000FF 000000"},
    };
    for (const Case& c : cases) {
        BmpLayout layout = c.layout;
        if (layout.colorsUsed != 0)
            layout.palette.resize(layout.colorsUsed);
        try {
            EXPECT_EQ(pixelRows(read(bmpFile(layout), c.alpha)), c.expected) << c.name;
        } catch (const EInvalidGraphic& e) {
            ADD_FAILURE() << c.name << ": " << e.what();
        }
    }
}

TEST(BmpReader, MalformedFilesAreRejected)
{
    const std::string good = bmpFile({3, 2, 8, 0, Colours, bytes({4, 0, 4, 0, 1, 2, 3, 0})});
    auto patched = [&](std::size_t at, const std::string& with) { return good.substr(0, at) + with + good.substr(at + with.size()); };
    struct Case { const char* name; std::string file; };
    const Case cases[] = {
        {"empty", ""},
        {"not BM", patched(0, "MB")},
        {"unknown header size", patched(14, le32(20))},
        {"2 bits per pixel", patched(28, le16(2))},
        {"JPEG compression", patched(30, le32(4))},
        {"run-length with 24 bits", bmpFile({1, 1, 24, 1, {}, bytes({0, 1})})},
        {"top-down run-length", bmpFile({3, -2, 8, 1, Colours, bytes({0, 1})})},
        {"zero width", patched(18, le32(0))},
        {"huge width", patched(18, le32(100000))},
        {"lowest height", patched(22, le32(0x80000000))},
        {"pixel data cut short", good.substr(0, good.size() - 3)},
        {"palette beyond the file", good.substr(0, 60)},
        {"bit fields cut short", bmpFile({1, 1, 16, 3, {}, "", {}}).substr(0, 60)},
    };
    for (const Case& c : cases) {
        try {
            read(c.file);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_STREQ(e.what(), "Cannot load image. Invalid or unexpected BMP image format.") << c.name;
        }
    }
}

TEST(BmpReader, ReadsWhatTheWriterWrites)
{
    TBitmap colour(3, 2, TPixelFormat::pf32bit);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            SetPixel(colour, x, y, RGBColor(std::uint8_t(x * 80), std::uint8_t(y * 90), 7) | (TColor(x + 10 * y) << 24));
    const std::vector<std::uint8_t> file32 = EncodeBmp(colour);
    const TBitmap kept = ReadBmp(file32.data(), file32.size(), TBmpAlpha::Keep);
    const TBitmap dropped = ReadBmp(file32.data(), file32.size());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(Pixel(kept, x, y), Pixel(colour, x, y));
            EXPECT_EQ(Pixel(dropped, x, y), Pixel(colour, x, y) & 0xFFFFFF);
        }

    TPaletteImage palette{3, 2, {clBlack, clWhite, RGBColor(1, 2, 3)}, {0, 1, 2, 2, 1, 0}};
    const std::vector<std::uint8_t> file8 = EncodeBmp(palette);
    const TBitmap indexed = ReadBmp(file8.data(), file8.size());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(Pixel(indexed, x, y), palette.Palette[palette.Indices[std::size_t(y * 3 + x)]]);
}
