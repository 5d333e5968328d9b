#include "graphics/JpegReader.h"

#include "graphics/GraphicErrors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Kind { Colour, Progressive, Grey, Cmyk };

// The source picture: 8 x 8 blocks of flat colour, so quality 100 reproduces it closely.
std::array<std::uint8_t, 3> sourceColour(int x, int y)
{
    static const std::uint8_t colours[4][3] = {{200, 30, 40}, {20, 180, 60}, {10, 40, 220}, {250, 250, 250}};
    return {colours[(x / 8 + y / 8) % 4][0], colours[(x / 8 + y / 8) % 4][1], colours[(x / 8 + y / 8) % 4][2]};
}

// Real JPEG bytes from libjpeg's compressor.
Bytes compress(int width, int height, Kind kind)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = kind == Kind::Grey ? 1 : kind == Kind::Cmyk ? 4 : 3;
    info.in_color_space = kind == Kind::Grey ? JCS_GRAYSCALE : kind == Kind::Cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    for (int c = 0; c < info.num_components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    if (kind == Kind::Progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(width) * 4);
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            const auto rgb = sourceColour(x, y);
            if (kind == Kind::Grey)
                row[std::size_t(x)] = rgb[1];
            else if (kind == Kind::Cmyk)
                // Stored inverted, as the Adobe marker libjpeg writes says: red, green, blue and full "black".
                for (int c = 0; c < 4; ++c)
                    row[std::size_t(x) * 4 + std::size_t(c)] = c < 3 ? rgb[std::size_t(c)] : 255;
            else
                for (int c = 0; c < 3; ++c)
                    row[std::size_t(x) * 3 + std::size_t(c)] = rgb[std::size_t(c)];
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

TBitmap decode(const Bytes& file)
{
    return ReadJpeg(file.data(), file.size());
}

// Largest difference between a decoded pixel and the source picture.
int largestError(const TBitmap& bmp, Kind kind)
{
    int worst = 0;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x) {
            const auto rgb = sourceColour(x, y);
            const std::uint8_t* p = bmp.ScanLine(y) + x * 3;
            for (int c = 0; c < 3; ++c) {
                const int want = kind == Kind::Grey ? rgb[1] : rgb[std::size_t(2 - c)];
                worst = std::max(worst, std::abs(int(p[c]) - want));
            }
        }
    return worst;
}

const std::uint8_t FrameMarker[] = {0xFF, 0xC0};

const char* const InvalidJpeg = "Cannot load image. Invalid or unexpected JPEG image format.";

std::string rejection(const Bytes& file)
{
    try {
        decode(file);
    } catch (const EInvalidGraphic& e) {
        return e.what();
    }
    return "accepted";
}

} // namespace

TEST(JpegReader, DecodesEveryKindIntoA24BitBitmap)
{
    struct Case { const char* name; Kind kind; };
    for (const Case c : {Case{"colour", Kind::Colour}, Case{"progressive", Kind::Progressive}, Case{"grey", Kind::Grey},
                         Case{"CMYK", Kind::Cmyk}}) {
        const TBitmap bmp = decode(compress(24, 16, c.kind));
        EXPECT_EQ(bmp.Width(), 24) << c.name;
        EXPECT_EQ(bmp.Height(), 16) << c.name;
        EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf24bit) << c.name;
        EXPECT_LE(largestError(bmp, c.kind), 3) << c.name;
    }
}

TEST(JpegReader, BrokenFilesAreRejectedWithoutOutput)
{
    const Bytes good = compress(16, 64, Kind::Colour);
    Bytes garbage(good.size(), 0x5A);
    Bytes badMarker = good;
    badMarker[1] = 0x00;
    // Frame header: FF C0, length, precision, height, width.
    Bytes huge = good;
    const auto frame = std::search(huge.begin(), huge.end(), std::begin(FrameMarker), std::end(FrameMarker));
    ASSERT_NE(frame, huge.end());
    frame[7] = 0xFF; // width 65280
    frame[8] = 0x00;
    struct Case { const char* name; Bytes file; };
    const Case cases[] = {
        {"empty", {}},
        {"garbage", garbage},
        {"no start marker", badMarker},
        {"width beyond the bound", huge},
        {"header only", Bytes(good.begin(), good.begin() + 200)},
        {"cut in half", Bytes(good.begin(), good.begin() + std::ptrdiff_t(good.size() / 2))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rejection(c.file), InvalidJpeg) << c.name;
}

TEST(JpegReader, AFileLackingOnlyItsEndMarkerStillLoads)
{
    Bytes file = compress(16, 64, Kind::Colour);
    file.resize(file.size() - 2);
    const TBitmap bmp = decode(file);
    EXPECT_EQ(bmp.Height(), 64);
    EXPECT_LE(largestError(bmp, Kind::Colour), 3);
}
