#include "graphics/BmpWriter.h"

#include "support/TestFiles.h"

#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

quint32 u32(const std::vector<std::uint8_t>& bytes, int at) { return qFromLittleEndian<quint32>(bytes.data() + at); }
quint16 u16(const std::vector<std::uint8_t>& bytes, int at) { return qFromLittleEndian<quint16>(bytes.data() + at); }

QImage decoded(const std::vector<std::uint8_t>& bytes)
{
    return QImage::fromData(bytes.data(), int(bytes.size()), "BMP");
}

} // namespace

TEST(BmpWriter, NewSkinMasterIsAnEightBitFuchsiaBitmap)
{
    TestFolder dir;
    const std::string file = dir.file("Master.bmp").toStdString();
    ASSERT_EQ(SaveBmpFile(file, FilledPaletteImage(500, 400, clFuchsia)), "");

    const QByteArray raw = dir.read("Master.bmp");
    const std::vector<std::uint8_t> bytes(raw.begin(), raw.end());
    ASSERT_EQ(bytes.size(), 14u + 40 + 4 + 500 * 400);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(u32(bytes, 2), bytes.size());
    EXPECT_EQ(u32(bytes, 10), 58u);  // pixels right after the one palette entry
    EXPECT_EQ(u32(bytes, 18), 500u);
    EXPECT_EQ(u32(bytes, 22), 400u);
    EXPECT_EQ(u16(bytes, 28), 8u);
    EXPECT_EQ(u32(bytes, 30), 0u); // uncompressed
    EXPECT_EQ(u32(bytes, 46), 1u);
    EXPECT_EQ(u32(bytes, 54), 0x00FF00FFu); // blue, green, red, 0

    const QImage image = decoded(bytes);
    ASSERT_EQ(image.size(), QSize(500, 400));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    for (int y : {0, 199, 399})
        for (int x : {0, 250, 499})
            EXPECT_EQ(image.pixel(x, y), qRgb(255, 0, 255));
}

TEST(BmpWriter, PaletteRowsArePaddedAndStoredBottomUp)
{
    TPaletteImage image;
    image.Width = 3;
    image.Height = 2;
    image.Palette = {RGBColor(10, 20, 30), RGBColor(200, 100, 50), clWhite};
    image.Indices = {0, 1, 2, 2, 1, 0};
    const std::vector<std::uint8_t> bytes = EncodeBmp(image);

    const std::vector<std::uint8_t> palette(bytes.begin() + 54, bytes.begin() + 66);
    EXPECT_EQ(palette, (std::vector<std::uint8_t>{30, 20, 10, 0, 50, 100, 200, 0, 255, 255, 255, 0}));
    const std::vector<std::uint8_t> pixels(bytes.begin() + 66, bytes.end());
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{2, 1, 0, 0, 0, 1, 2, 0}));
    EXPECT_EQ(u32(bytes, 34), 8u);

    const QImage decodedImage = decoded(bytes);
    ASSERT_EQ(decodedImage.size(), QSize(3, 2));
    EXPECT_EQ(decodedImage.pixel(1, 0), qRgb(200, 100, 50));
    EXPECT_EQ(decodedImage.pixel(0, 1), qRgb(255, 255, 255));
}

TEST(BmpWriter, TrueColourBitmapsKeepTheirRowsByteForByte)
{
    for (const TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap bitmap(3, 2, format);
        const int bpp = bitmap.BytesPerPixel();
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                std::uint8_t* p = bitmap.ScanLine(y) + x * bpp;
                p[0] = std::uint8_t(10 * x + y); // blue
                p[1] = std::uint8_t(100 + x);    // green
                p[2] = std::uint8_t(200 + y);    // red
            }
        const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
        const std::size_t rowBytes = std::size_t(TBitmap::RowBytes(3, format));
        ASSERT_EQ(bytes.size(), 54 + 2 * rowBytes);
        EXPECT_EQ(u16(bytes, 28), 8u * bpp);
        EXPECT_EQ(u32(bytes, 46), 0u);
        // Bottom row first.
        EXPECT_TRUE(std::equal(bitmap.ScanLine(1), bitmap.ScanLine(1) + rowBytes, bytes.begin() + 54));
        EXPECT_TRUE(std::equal(bitmap.ScanLine(0), bitmap.ScanLine(0) + rowBytes, bytes.begin() + 54 + rowBytes));

        const QImage image = decoded(bytes);
        ASSERT_EQ(image.size(), QSize(3, 2));
        EXPECT_EQ(qRed(image.pixel(2, 1)), 201);
        EXPECT_EQ(qGreen(image.pixel(2, 1)), 102);
        EXPECT_EQ(qBlue(image.pixel(2, 1)), 21);
    }
}

TEST(BmpWriter, AFailedSaveReportsTheFileAndWritesNothing)
{
    TestFolder dir;
    const std::string file = dir.file("missing/Master.bmp").toStdString();
    const std::string error = SaveBmpFile(file, FilledPaletteImage(4, 4, clFuchsia));
    EXPECT_NE(error.find(file), std::string::npos) << error;
    EXPECT_FALSE(QFileInfo::exists(dir.file("missing")));
}
