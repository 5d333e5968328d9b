#include "graphics/ovPNG.h"

#include "graphics/GraphicErrors.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cmath>
#include <csetjmp>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes fileBytes(const QString& path)
{
    const QByteArray data = readFileBytes(path);
    return Bytes(data.begin(), data.end());
}

// ---- Reference pixels: libpng's samples, converted as the reader promises ----

struct Reference
{
    int width = 0;
    int height = 0;
    int colorType = 0;
    int bitDepth = 0;
    int channels = 0;
    std::vector<unsigned> samples; // channels per pixel, at the file's bit depth
    std::vector<png_color> palette;
    std::vector<std::uint8_t> paletteAlpha;
    bool hasTransparentColor = false;
    png_color_16 transparentColor{};
};

void readFromBytes(png_structp png, png_bytep out, png_size_t length)
{
    auto* cursor = static_cast<std::pair<const Bytes*, std::size_t>*>(png_get_io_ptr(png));
    if (cursor->first->size() - cursor->second < length)
        png_error(png, "short file");
    std::memcpy(out, cursor->first->data() + cursor->second, length);
    cursor->second += length;
}

void ignoreWarning(png_structp, png_const_charp)
{
}

bool readWithLibpng(const Bytes& file, Reference& ref)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, ignoreWarning);
    png_infop info = png_create_info_struct(png);
    std::pair<const Bytes*, std::size_t> cursor{&file, 0};
    std::vector<png_bytep> rows;
    Bytes pixels;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &cursor, readFromBytes);
    png_read_info(png, info);
    ref.width = int(png_get_image_width(png, info));
    ref.height = int(png_get_image_height(png, info));
    ref.colorType = png_get_color_type(png, info);
    ref.bitDepth = png_get_bit_depth(png, info);
    ref.channels = png_get_channels(png, info);
    png_colorp palette = nullptr;
    int paletteCount = 0;
    if (png_get_PLTE(png, info, &palette, &paletteCount))
        ref.palette.assign(palette, palette + paletteCount);
    png_bytep alpha = nullptr;
    int alphaCount = 0;
    png_color_16p color = nullptr;
    if (png_get_tRNS(png, info, &alpha, &alphaCount, &color)) {
        if (ref.colorType == PNG_COLOR_TYPE_PALETTE)
            ref.paletteAlpha.assign(alpha, alpha + alphaCount);
        else {
            ref.hasTransparentColor = true;
            ref.transparentColor = *color;
        }
    }
    if (ref.bitDepth < 8)
        png_set_packing(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    pixels.resize(rowBytes * std::size_t(ref.height));
    for (int y = 0; y < ref.height; ++y)
        rows.push_back(pixels.data() + rowBytes * std::size_t(y));
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);

    const int bytesPerSample = ref.bitDepth == 16 ? 2 : 1;
    ref.samples.resize(std::size_t(ref.width) * std::size_t(ref.height) * std::size_t(ref.channels));
    for (std::size_t i = 0; i < ref.samples.size(); ++i) {
        const std::uint8_t* p = pixels.data() + i * std::size_t(bytesPerSample);
        ref.samples[i] = bytesPerSample == 2 ? unsigned(p[0] << 8 | p[1]) : p[0];
    }
    return true;
}

// gAMA as the file states it, read directly so no colour-space logic interferes.
double fileGamma(const Bytes& file)
{
    for (std::size_t pos = 8; pos + 12 <= file.size();) {
        const std::uint32_t length = std::uint32_t(file[pos] << 24 | file[pos + 1] << 16 | file[pos + 2] << 8 | file[pos + 3]);
        if (std::memcmp(&file[pos + 4], "gAMA", 4) == 0 && length == 4) {
            const std::uint8_t* v = &file[pos + 8];
            return std::uint32_t(v[0] << 24 | v[1] << 16 | v[2] << 8 | v[3]) / 100000.0;
        }
        if (std::memcmp(&file[pos + 4], "IDAT", 4) == 0)
            break;
        pos += 12 + std::size_t(length);
    }
    return 0;
}

std::uint8_t to8(unsigned sample, int depth)
{
    if (depth == 16)
        return std::uint8_t(sample * 255 / 65535);
    return std::uint8_t(sample * 255 / ((1u << depth) - 1));
}

// The pixel the reader must produce: blue, green, red, alpha.
std::array<std::uint8_t, 4> expectedPixel(const Reference& ref, const std::uint8_t* gamma, std::size_t index)
{
    const unsigned* s = &ref.samples[index * std::size_t(ref.channels)];
    const int depth = ref.bitDepth;
    auto grey = [&](unsigned v, std::uint8_t a) {
        const std::uint8_t g = gamma[to8(v, depth)];
        return std::array<std::uint8_t, 4>{g, g, g, a};
    };
    const bool transparent = ref.hasTransparentColor
        && (ref.channels == 1 ? s[0] == ref.transparentColor.gray
                              : s[0] == ref.transparentColor.red && s[1] == ref.transparentColor.green
                                    && s[2] == ref.transparentColor.blue);
    switch (ref.colorType) {
    case PNG_COLOR_TYPE_GRAY:
        return grey(s[0], transparent ? 0 : 255);
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return grey(s[0], to8(s[1], depth));
    case PNG_COLOR_TYPE_PALETTE: {
        const png_color c = s[0] < ref.palette.size() ? ref.palette[s[0]] : png_color{0, 0, 0};
        const std::uint8_t a = s[0] < ref.paletteAlpha.size() ? ref.paletteAlpha[s[0]] : 255;
        return {gamma[c.blue], gamma[c.green], gamma[c.red], a};
    }
    default: {
        const std::uint8_t a = ref.channels == 4 ? to8(s[3], depth) : transparent ? 0 : 255;
        return {gamma[to8(s[2], depth)], gamma[to8(s[1], depth)], gamma[to8(s[0], depth)], a};
    }
    }
}

// Compares the reader's bitmap with libpng's pixels; returns the first difference.
std::string compareWithLibpng(const Bytes& file, TPNGAlpha alpha)
{
    Reference ref;
    if (!readWithLibpng(file, ref))
        return "libpng cannot read it";
    TPNGGraphic graphic;
    try {
        graphic.LoadFromMemory(file.data(), file.size(), alpha);
    } catch (const EInvalidGraphic& e) {
        return std::string("rejected: ") + e.what();
    }
    const TBitmap& bmp = graphic.Bitmap();
    if (bmp.Width() != ref.width || bmp.Height() != ref.height)
        return "size differs";
    const bool wide = alpha == TPNGAlpha::Keep || ref.colorType == PNG_COLOR_TYPE_RGB_ALPHA;
    if ((bmp.PixelFormat() == TPixelFormat::pf32bit) != wide)
        return "pixel format differs";

    std::uint8_t gamma[256];
    const double g = fileGamma(file);
    for (int i = 0; i < 256; ++i)
        gamma[i] = g > 0 ? std::uint8_t(std::nearbyint(std::pow(i / 255.0, 1.0 / (g * 2.2)) * 255.0)) : std::uint8_t(i);

    const int bpp = bmp.BytesPerPixel();
    for (int y = 0; y < ref.height; ++y)
        for (int x = 0; x < ref.width; ++x) {
            const auto want = expectedPixel(ref, gamma, std::size_t(y) * std::size_t(ref.width) + std::size_t(x));
            const std::uint8_t* got = bmp.ScanLine(y) + x * bpp;
            if (std::memcmp(got, want.data(), std::size_t(bpp)) != 0)
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + " differs";
        }
    return {};
}

QStringList pngFilesBelow(const QString& folder, bool recursive)
{
    QStringList files;
    QDirIterator it(sharedTestData(folder), {"*.png"}, QDir::Files,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

QStringList referenceImages()
{
    QStringList files = pngFilesBelow("png/pngsuite", true);
    files << pngFilesBelow("png/testpngs", false) << pngFilesBelow("png/testpngs/png-3", false);
    return files;
}

const std::set<std::string> ReaderMessages = {
    "Cannot load image. Invalid or unexpected PNG image format.",
    "Cannot load image. The compression scheme is not supported for PNG files.",
    "Cannot load image. CRC error found in PNG file.",
    "Cannot load image. Palette in PNG file is invalid.",
    "Cannot load PNG image. Unexpected but critical chunk detected.",
    "Invalid color format in PNG file.",
    "Cannot load image. Compression error found in PNG file.",
    "Cannot load image. Extra compressed data found in PNG file.",
    "LZ77 decompression error.",
};

// ---- Small files built in the test ----

std::string chunk(const char* type, const std::string& data)
{
    std::string out;
    const std::uint32_t length = std::uint32_t(data.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char(length >> shift);
    out += std::string(type, 4) + data;
    const uLong crc = crc32(crc32(0, reinterpret_cast<const Bytef*>(type), 4),
                            reinterpret_cast<const Bytef*>(data.data()), uInt(data.size()));
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char(crc >> shift);
    return out;
}

std::string be32(std::uint32_t v)
{
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

std::string ihdr(std::uint32_t width, std::uint32_t height, int depth, int colorType, int compression = 0,
                 int interlace = 0)
{
    return chunk("IHDR", be32(width) + be32(height) + char(depth) + char(colorType) + char(compression) + char(0)
                             + char(interlace));
}

std::string deflate(const std::string& raw)
{
    uLongf size = compressBound(uLong(raw.size()));
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()));
    out.resize(size);
    return out;
}

const std::string PngSignature = "\x89PNG\r\n\x1a\n";

std::string pngFile(const std::string& header, const std::string& body)
{
    return PngSignature + header + body + chunk("IEND", "");
}

// A 2 x 2 RGB image, filter "none": red, green / blue, white.
const std::string RgbRows = std::string("\0\xFF\0\0\0\xFF\0", 7) + std::string("\0\0\0\xFF\xFF\xFF\xFF", 7);

std::string loadError(const std::string& file)
{
    TPNGGraphic graphic;
    try {
        graphic.LoadFromMemory(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
    } catch (const EInvalidGraphic& e) {
        return e.what();
    }
    return {};
}

TPNGGraphic load(const std::string& file, TPNGAlpha alpha = TPNGAlpha::Native)
{
    TPNGGraphic graphic;
    graphic.LoadFromMemory(reinterpret_cast<const std::uint8_t*>(file.data()), file.size(), alpha);
    return graphic;
}

std::string pixelHex(const TBitmap& bmp, int x, int y)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (int i = 0; i < bmp.BytesPerPixel(); ++i) {
        const std::uint8_t b = bmp.ScanLine(y)[x * bmp.BytesPerPixel() + i];
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

} // namespace

TEST(ovPNG, ReferenceImagesGiveLibpngsPixels)
{
    const QStringList files = referenceImages();
    ASSERT_GT(files.size(), 150);
    for (const QString& path : files) {
        const Bytes file = fileBytes(path);
        for (TPNGAlpha alpha : {TPNGAlpha::Native, TPNGAlpha::Keep})
            EXPECT_EQ(compareWithLibpng(file, alpha), "")
                << path.toStdString() << (alpha == TPNGAlpha::Keep ? " (alpha kept)" : "");
    }
}

TEST(ovPNG, MalformedFilesAreRejectedWithAMessageOrLoadSafely)
{
    QStringList files = pngFilesBelow("png/testpngs/crashers", false) + pngFilesBelow("png/testpngs/badpal", false);
    ASSERT_GT(files.size(), 30);
    for (const QString& path : files) {
        const Bytes file = fileBytes(path);
        TPNGGraphic graphic;
        try {
            graphic.LoadFromMemory(file.data(), file.size(), TPNGAlpha::Keep);
            EXPECT_EQ(graphic.Bitmap().Width(), graphic.ImageProperties().Width) << path.toStdString();
        } catch (const EInvalidGraphic& e) {
            EXPECT_TRUE(ReaderMessages.count(e.what())) << path.toStdString() << ": " << e.what();
        }
    }
}

TEST(ovPNG, BrokenChecksumsAreReported)
{
    struct Case { const char* file; const char* message; };
    for (const Case c : {Case{"badcrc.png", "Cannot load image. CRC error found in PNG file."},
                         Case{"badadler.png", "Cannot load image. Compression error found in PNG file."},
                         Case{"huge_IDAT.png", "Cannot load image. Invalid or unexpected PNG image format."}}) {
        const Bytes file = fileBytes(sharedTestData(QString("png/testpngs/crashers/") + c.file));
        EXPECT_EQ(loadError(std::string(file.begin(), file.end())), c.message) << c.file;
    }
}

TEST(ovPNG, HeaderAndChunkErrorsGiveTheirMessages)
{
    const std::string idat = chunk("IDAT", deflate(RgbRows));
    const std::string invalid = "Cannot load image. Invalid or unexpected PNG image format.";
    struct Case { const char* name; std::string file; std::string message; };
    const Case cases[] = {
        {"first chunk is not IHDR", PngSignature + chunk("gAMA", be32(45455)) + ihdr(2, 2, 8, 2) + idat + chunk("IEND", ""), invalid},
        {"bad signature", "\x89PNX\r\n\x1a\n" + ihdr(2, 2, 8, 2) + idat + chunk("IEND", ""), invalid},
        {"zero width", pngFile(ihdr(0, 2, 8, 2), idat), invalid},
        {"compression method 1", pngFile(ihdr(2, 2, 8, 2, 1), idat), "Cannot load image. The compression scheme is not supported for PNG files."},
        {"palette of 10 bytes", pngFile(ihdr(2, 2, 8, 2), chunk("PLTE", std::string(10, '\1')) + idat), "Cannot load image. Palette in PNG file is invalid."},
        {"unknown critical chunk", pngFile(ihdr(2, 2, 8, 2), chunk("ABCD", "x") + idat), "Cannot load PNG image. Unexpected but critical chunk detected."},
        {"RGB with 4 bits", pngFile(ihdr(2, 2, 4, 2), idat), "Invalid color format in PNG file."},
        {"colour type 5", pngFile(ihdr(2, 2, 8, 5), idat), "Invalid color format in PNG file."},
        {"missing rows", pngFile(ihdr(2, 3, 8, 2), idat), "Cannot load image. Compression error found in PNG file."},
        {"data after the last row", pngFile(ihdr(2, 1, 8, 2), idat), "Cannot load image. Extra compressed data found in PNG file."},
        {"not deflate data", pngFile(ihdr(2, 2, 8, 2), chunk("IDAT", "garbage data")), "Cannot load image. Compression error found in PNG file."},
        {"filter type 5", pngFile(ihdr(2, 2, 8, 2), chunk("IDAT", deflate("\5" + RgbRows.substr(1)))), invalid},
        {"no image data", pngFile(ihdr(2, 2, 8, 2), ""), invalid},
        {"no end chunk", PngSignature + ihdr(2, 2, 8, 2) + idat, invalid},
        {"chunk longer than the file", pngFile(ihdr(2, 2, 8, 2), be32(0x7FFFFFF0) + "tEXt" + idat), invalid},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loadError(c.file), c.message) << c.name;
}

TEST(ovPNG, HugeSizesAreRejectedBeforeAllocating)
{
    const std::string idat = chunk("IDAT", deflate(RgbRows));
    // Sides and pixel counts beyond any skin image.
    EXPECT_EQ(loadError(pngFile(ihdr(0x7FFFFFFF, 0x7FFFFFFF, 8, 6), idat)),
              "Cannot load image. Invalid or unexpected PNG image format.");
    EXPECT_EQ(loadError(pngFile(ihdr(30000, 30000, 8, 6), idat)),
              "Cannot load image. Invalid or unexpected PNG image format.");
    // A plausible size that a few bytes of data cannot fill.
    EXPECT_EQ(loadError(pngFile(ihdr(8000, 8000, 8, 6), idat)),
              "Cannot load image. Compression error found in PNG file.");
}

TEST(ovPNG, ChunkTypesAreMatchedIgnoringCase)
{
    const std::string file = pngFile(ihdr(2, 2, 8, 2), chunk("idat", deflate(RgbRows)));
    const TPNGGraphic graphic = load(file);
    EXPECT_EQ(pixelHex(graphic.Bitmap(), 0, 0), "0000FF");
    EXPECT_EQ(pixelHex(graphic.Bitmap(), 1, 1), "FFFFFF");
}

TEST(ovPNG, UnknownAncillaryChunksAreSkipped)
{
    const std::string file = pngFile(ihdr(2, 2, 8, 2), chunk("abCD", "anything") + chunk("IDAT", deflate(RgbRows)));
    EXPECT_EQ(pixelHex(load(file).Bitmap(), 1, 0), "00FF00");
}

TEST(ovPNG, ImageDataSplitOverManyChunksAndFilters)
{
    // Rows: sub, up, average, Paeth over a 3-pixel RGB image.
    const std::string rows = std::string("\1\x10\x20\x30\x01\x01\x01\x01\x01\x01", 10)
                           + std::string("\2\x01\x01\x01\x02\x02\x02\x03\x03\x03", 10)
                           + std::string("\3\x00\x00\x00\x00\x00\x00\x00\x00\x00", 10)
                           + std::string("\4\x00\x00\x00\x00\x00\x00\x00\x00\x00", 10);
    const std::string data = deflate(rows);
    std::string body;
    for (std::size_t i = 0; i < data.size(); i += 3)
        body += chunk("IDAT", data.substr(i, 3));
    const TBitmap bmp = load(pngFile(ihdr(3, 4, 8, 2), body)).Bitmap();
    // Row 0: 10 20 30, 11 21 31, 12 22 32 (red green blue).
    EXPECT_EQ(pixelHex(bmp, 0, 0) + pixelHex(bmp, 1, 0) + pixelHex(bmp, 2, 0), "302010312111322212");
    // Row 1 adds 1, 2, 3 to the row above.
    EXPECT_EQ(pixelHex(bmp, 0, 1) + pixelHex(bmp, 2, 1), "312111352515");
    // Row 2 averages left and above: 11 / 2 = 08, (08 + 13) / 2 = 0D ...
    EXPECT_EQ(pixelHex(bmp, 0, 2) + pixelHex(bmp, 1, 2), "18100825190D");
    // Row 3, Paeth: each byte equals the one above, so above is always chosen.
    EXPECT_EQ(pixelHex(bmp, 0, 3) + pixelHex(bmp, 2, 3), "1810082D1F11");
}

TEST(ovPNG, SixteenBitRgbaKeepsItsAlphaIn32Bits)
{
    const std::string row = std::string("\0", 1) + std::string("\xFF\xFF\x00\x00\x80\x80\x40\x40", 8);
    const TPNGGraphic graphic = load(pngFile(ihdr(1, 1, 16, 6), chunk("IDAT", deflate(row))));
    EXPECT_EQ(graphic.Bitmap().PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_TRUE(graphic.ImageProperties().HasAlpha);
    // 0x8080 * 255 div 65535 = 0x80, 0x4040 -> 0x40.
    EXPECT_EQ(pixelHex(graphic.Bitmap(), 0, 0), "8000FF40");
}

TEST(ovPNG, GreyWithAlphaDropsTheAlphaUnlessAsked)
{
    const std::string file = pngFile(ihdr(1, 1, 8, 4), chunk("IDAT", deflate(std::string("\0\x64\x20", 3))));
    const TPNGGraphic plain = load(file);
    EXPECT_EQ(plain.Bitmap().PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(pixelHex(plain.Bitmap(), 0, 0), "646464");
    EXPECT_EQ(pixelHex(load(file, TPNGAlpha::Keep).Bitmap(), 0, 0), "64646420");
}

TEST(ovPNG, BackgroundAndTransparentColoursAreScaledToBytes)
{
    const std::string grey2 = deflate(std::string("\0\x1B", 2)); // samples 0, 1, 2, 3
    const TPNGGraphic g2 = load(pngFile(ihdr(4, 1, 2, 0), chunk("bKGD", std::string("\0\2", 2)) + chunk("tRNS", std::string("\0\1", 2)) + chunk("IDAT", grey2)),
                                TPNGAlpha::Keep);
    EXPECT_EQ(g2.BackgroundColor(), RGBColor(170, 170, 170));
    EXPECT_EQ(g2.TransparentColor(), RGBColor(85, 85, 85));
    EXPECT_EQ(pixelHex(g2.Bitmap(), 1, 0), "55555500");
    EXPECT_EQ(pixelHex(g2.Bitmap(), 2, 0), "AAAAAAFF");

    const std::string rgb16 = deflate(std::string(7, '\0'));
    const TPNGGraphic c16 = load(pngFile(ihdr(1, 1, 16, 2), chunk("bKGD", std::string("\x80\x80\xFF\xFF\0\0", 6))
                                                                 + chunk("IDAT", rgb16)));
    EXPECT_EQ(c16.BackgroundColor(), RGBColor(128, 255, 0));
    EXPECT_EQ(c16.TransparentColor(), clNone);

    const TPNGGraphic none = load(pngFile(ihdr(2, 2, 8, 2), chunk("IDAT", deflate(RgbRows))));
    EXPECT_EQ(none.BackgroundColor(), clWhite);
}

TEST(ovPNG, PaletteImagesUseTheirTransparencyTable)
{
    const std::string palette = chunk("PLTE", std::string("\xFF\0\0\0\xFF\0\0\0\xFF", 9));
    const std::string file = pngFile(ihdr(3, 1, 8, 3), palette + chunk("tRNS", std::string("\x00\x80", 2))
                                                           + chunk("IDAT", deflate(std::string("\0\0\1\2", 4))));
    const TPNGGraphic graphic = load(file, TPNGAlpha::Keep);
    EXPECT_EQ(pixelHex(graphic.Bitmap(), 0, 0) + pixelHex(graphic.Bitmap(), 1, 0) + pixelHex(graphic.Bitmap(), 2, 0),
              "0000FF0000FF0080FF0000FF");
    EXPECT_EQ(graphic.Transparency()[2], 255);
    EXPECT_EQ(pixelHex(load(file).Bitmap(), 2, 0), "FF0000");
}

TEST(ovPNG, GammaMapsEverySample)
{
    // A file gamma of 1.0 against a display gamma of 2.2.
    std::string row("\0", 1);
    for (int v : {0, 64, 128, 255})
        row += char(v);
    const TPNGGraphic graphic = load(pngFile(ihdr(4, 1, 8, 0), chunk("gAMA", be32(100000)) + chunk("IDAT", deflate(row))));
    EXPECT_TRUE(graphic.ImageProperties().UseGamma);
    EXPECT_DOUBLE_EQ(graphic.ImageProperties().FileGamma, 1.0);
    // round((v / 255) ^ (1 / 2.2) * 255)
    EXPECT_EQ(pixelHex(graphic.Bitmap(), 0, 0) + pixelHex(graphic.Bitmap(), 1, 0) + pixelHex(graphic.Bitmap(), 2, 0)
                  + pixelHex(graphic.Bitmap(), 3, 0),
              "000000888888BABABAFFFFFF");
}

TEST(ovPNG, AFailedLoadLeavesTheGraphicAsItWas)
{
    TPNGGraphic graphic = load(pngFile(ihdr(2, 2, 8, 2), chunk("IDAT", deflate(RgbRows))));
    const std::string broken = pngFile(ihdr(5, 5, 8, 2), chunk("IDAT", "nonsense"));
    EXPECT_THROW(graphic.LoadFromMemory(reinterpret_cast<const std::uint8_t*>(broken.data()), broken.size()),
                 EInvalidGraphic);
    EXPECT_EQ(graphic.Bitmap().Width(), 2);
    EXPECT_EQ(pixelHex(graphic.Bitmap(), 0, 0), "0000FF");
}

TEST(ovPNG, IndicesBeyondAShortPaletteAreBlack)
{
    const std::string file = pngFile(ihdr(2, 1, 8, 3), chunk("PLTE", std::string("\x10\x20\x30", 3))
                                                           + chunk("IDAT", deflate(std::string("\0\0\7", 3))));
    const TPNGGraphic graphic = load(file);
    EXPECT_EQ(pixelHex(graphic.Bitmap(), 0, 0) + pixelHex(graphic.Bitmap(), 1, 0), "302010000000");
}
