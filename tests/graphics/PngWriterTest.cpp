#include "graphics/PngWriter.h"

#include "graphics/PixelFixtures.h"
#include "graphics/ovPNG.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TBitmap Sample(TPixelFormat format)
{
    TBitmap bitmap(3, 2, format);
    const TColor colours[6] = {0x0000FF, 0x00FF00, 0xFF0000, 0x123456, 0xFFFFFF, 0x000000};
    for (int i = 0; i < 6; ++i)
        SetPixel(bitmap, i % 3, i / 3, colours[i] | (format == TPixelFormat::pf32bit ? 0x7F000000 : 0));
    return bitmap;
}

TEST(PngWriter, WritesRgbRowsThatReadersGetBackExactly)
{
    for (TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        const TBitmap bitmap = Sample(format);
        const std::vector<std::uint8_t> bytes = EncodePng(bitmap);
        ASSERT_GT(bytes.size(), 33u);
        EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 24, bytes.begin() + 29),
                  (std::vector<std::uint8_t>{8, 2, 0, 0, 0})) << "8-bit RGB, not interlaced";

        TPNGGraphic ours;
        ours.LoadFromMemory(bytes.data(), bytes.size());
        QImage qt;
        ASSERT_TRUE(qt.loadFromData(bytes.data(), int(bytes.size()), "PNG"));
        ASSERT_EQ(qt.size(), QSize(3, 2));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                const TColor expected = Pixel(bitmap, x, y) & 0xFFFFFF;
                EXPECT_EQ(Pixel(ours.Bitmap(), x, y) & 0xFFFFFF, expected);
                const QRgb q = qt.pixel(x, y);
                EXPECT_EQ(RGBColor(qRed(q), qGreen(q), qBlue(q)), expected);
            }
    }
}

TEST(PngWriter, KeepsTheAlphaOfA32BitBitmapWhenAsked)
{
    TBitmap bitmap = Sample(TPixelFormat::pf32bit);
    SetPixel(bitmap, 1, 1, 0x00123456); // fully transparent keeps its colour bytes too
    const std::vector<std::uint8_t> bytes = EncodePng(bitmap, TPngAlpha::Keep);
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes[25], 6) << "8-bit RGBA";

    TPNGGraphic ours;
    ours.LoadFromMemory(bytes.data(), bytes.size());
    ASSERT_EQ(ours.Bitmap().PixelFormat(), TPixelFormat::pf32bit);
    QImage qt;
    ASSERT_TRUE(qt.loadFromData(bytes.data(), int(bytes.size()), "PNG"));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(Pixel(ours.Bitmap(), x, y), Pixel(bitmap, x, y));
            const QRgb q = qt.pixel(x, y);
            EXPECT_EQ(TColor(qAlpha(q)) << 24, Pixel(bitmap, x, y) & 0xFF000000);
            if (qAlpha(q) != 0) {
                EXPECT_EQ(RGBColor(qRed(q), qGreen(q), qBlue(q)), Pixel(bitmap, x, y) & 0xFFFFFF);
            }
        }
    // A 24-bit bitmap has no alpha to keep.
    EXPECT_EQ(EncodePng(Sample(TPixelFormat::pf24bit), TPngAlpha::Keep)[25], 2);
}

TEST(PngWriter, SavesThroughATemporaryFileAndRefusesAnEmptyImage)
{
    TestFolder dir;
    const std::string name = dir.file("out.png").toStdString();
    EXPECT_EQ(SavePngFile(name, Sample(TPixelFormat::pf24bit)), "");
    EXPECT_EQ(readFileBytes(dir.file("out.png")).size(), qsizetype(EncodePng(Sample(TPixelFormat::pf24bit)).size()));
    EXPECT_NE(SavePngFile(dir.file("empty.png").toStdString(), TBitmap()), "");
    EXPECT_FALSE(QFile::exists(dir.file("empty.png")));
}

} // namespace
