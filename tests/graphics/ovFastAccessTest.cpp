#include "graphics/ovFastAccess.h"

#include "PixelFixtures.h"

#include <gtest/gtest.h>

TEST(TovFast, BindingNeedsTwoRowsTwoColumnsAndTheRightFormat)
{
    struct Case { int width; int height; TPixelFormat format; bool binds24; bool binds32; };
    const Case cases[] = {
        {5, 1, TPixelFormat::pf24bit, false, false}, {1, 5, TPixelFormat::pf24bit, false, false},
        {0, 0, TPixelFormat::pf24bit, false, false}, {2, 2, TPixelFormat::pf24bit, true, false},
        {2, 2, TPixelFormat::pf32bit, false, true},  {1, 1, TPixelFormat::pf32bit, false, false},
        {7, 3, TPixelFormat::pf32bit, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        TBitmap bitmap(c.width, c.height, c.format);
        TovFast24 fast24;
        TovFast32 fast32;
        EXPECT_EQ(fast24.BindBitmap(&bitmap), c.binds24);
        EXPECT_EQ(fast32.BindBitmap(&bitmap), c.binds32);
        EXPECT_EQ(fast24.Width, c.binds24 ? c.width : 0);
        EXPECT_EQ(fast32.Width, c.binds32 ? c.width : 0);
    }
    TovFast24 fast24;
    EXPECT_FALSE(fast24.BindBitmap(nullptr));
}

TEST(TovFast, AFailedBindLeavesTheAccessorUnbound)
{
    TBitmap good(3, 3);
    TBitmap flat(3, 1);
    TovFast24 fast;
    ASSERT_TRUE(fast.BindBitmap(&good));
    EXPECT_FALSE(fast.BindBitmap(&flat));
    EXPECT_EQ(fast.Bitmap, nullptr);
    EXPECT_EQ(fast.Width, 0);
    EXPECT_EQ(fast.Height, 0);
}

TEST(TovFast, Fast24ReadsBlueGreenRedBytesAsAColour)
{
    TBitmap bitmap(3, 2);
    bitmap.ScanLine(1)[6] = 0x33; // blue of (2, 1)
    bitmap.ScanLine(1)[7] = 0x22;
    bitmap.ScanLine(1)[8] = 0x11;
    TovFast24 fast;
    ASSERT_TRUE(fast.BindBitmap(&bitmap));
    EXPECT_EQ(fast.Stride, 12); // 9 bytes padded to 12
    EXPECT_EQ(fast.ReadPixel(2, 1), 0x332211u);
    EXPECT_EQ(fast.ReadPixel(1, 1), 0u);
}

TEST(TovFast, Fast32WritesAlphaFromTheTopByteAndReadsRedThere)
{
    TBitmap bitmap(2, 2, TPixelFormat::pf32bit);
    TovFast32 fast;
    ASSERT_TRUE(fast.BindBitmap(&bitmap));
    fast.WritePixel(1, 1, 0x80332211);
    const std::uint8_t* p = bitmap.ScanLine(1) + 4;
    EXPECT_EQ(p[0], 0x33);
    EXPECT_EQ(p[1], 0x22);
    EXPECT_EQ(p[2], 0x11);
    EXPECT_EQ(p[3], 0x80);
    EXPECT_EQ(fast.ReadPixel(1, 1), 0x11332211u);
}

TEST(TovFastSum24, BlendRegionRoundsWithTheWeightFormula)
{
    struct Case { int weight; std::uint8_t destination; std::uint8_t source; std::uint8_t result; };
    const Case cases[] = {
        {0, 200, 100, 100},   // (0 + 100 * 255 + 127) div 256
        {255, 200, 100, 199}, // (200 * 255 + 127) div 256
        {128, 200, 100, 150}, {255, 255, 255, 254}, {0, 0, 255, 254}, {1, 255, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "weight " << c.weight);
        TBitmap destination = Solid(2, 2, Gray(c.destination));
        const TBitmap source = Solid(2, 2, Gray(c.source));
        TovFastSum24 sum;
        ASSERT_TRUE(sum.BindPair(&source, &destination));
        sum.Weight = std::uint8_t(c.weight);
        sum.BlendRegion();
        EXPECT_EQ(Pixel(destination, 1, 1), Gray(c.result));
        EXPECT_EQ(Pixel(destination, 0, 0), Gray(c.result));
    }
}

TEST(TovFastSum24, SixteenBitBlendEqualsTheFormulaInFullIntegers)
{
    for (const unsigned weight : {0u, 1u, 2u, 101u, 127u, 128u, 254u, 255u})
        for (unsigned d = 0; d < 256; ++d)
            for (unsigned s = 0; s < 256; ++s)
                ASSERT_EQ(BlendByWeight(std::uint8_t(d), std::uint8_t(s), std::uint8_t(weight)),
                          (d * weight + s * (255 - weight) + 127) / 256)
                    << d << " " << s << " " << weight;
}

TEST(TovFastSum24, EveryByteOfTheRowsIsBlendedAndRowPaddingIsLeft)
{
    // 4 pixels fill their 12-byte rows exactly; 5 pixels leave one byte of padding.
    for (const int width : {4, 5}) {
        SCOPED_TRACE(testing::Message() << "width " << width);
        TBitmap destination(width, 3);
        TBitmap source(width, 3);
        for (int y = 0; y < 3; ++y)
            for (int i = 0; i < destination.Stride(); ++i) {
                destination.ScanLine(y)[i] = std::uint8_t(i * 37 + y * 11);
                source.ScanLine(y)[i] = std::uint8_t(i * 53 + y * 7 + 100);
            }
        const TBitmap before = destination;
        TovFastSum24 sum;
        ASSERT_TRUE(sum.BindPair(&source, &destination));
        sum.Weight = 77;
        sum.BlendRegion();
        for (int y = 0; y < 3; ++y)
            for (int i = 0; i < destination.Stride(); ++i) {
                const unsigned d = before.ScanLine(y)[i], s = source.ScanLine(y)[i];
                const unsigned expected = i < width * 3 ? (d * 77 + s * 178 + 127) / 256 : d;
                EXPECT_EQ(destination.ScanLine(y)[i], expected) << "row " << y << " byte " << i;
            }
    }
}

TEST(TovFastSum24, BindPairTakesTheCommonSizeAndRefusesSmallBitmaps)
{
    TBitmap wide(5, 2);
    TBitmap tall(3, 4);
    TBitmap flat(5, 1);
    TBitmap deep(5, 5, TPixelFormat::pf32bit);
    TovFastSum24 sum;
    ASSERT_TRUE(sum.BindPair(&wide, &tall));
    EXPECT_EQ(sum.Width, 3);
    EXPECT_EQ(sum.Height, 2);
    EXPECT_EQ(sum.DestRect, (TRect{0, 0, 3, 2}));
    EXPECT_FALSE(sum.BindPair(&flat, &tall));
    EXPECT_FALSE(sum.BindPair(&wide, &flat));
    EXPECT_FALSE(sum.BindPair(&wide, &deep));
}

TEST(TovFastSum24, BlendRegionTouchesOnlyTheDestinationRegionAndReadsTheSourceRegion)
{
    TBitmap destination = Solid(4, 3, Gray(10));
    TBitmap source = Solid(4, 3, Gray(0));
    SetPixel(source, 0, 1, Gray(90));
    SetPixel(source, 1, 2, Gray(91));
    TovFastSum24 sum;
    ASSERT_TRUE(sum.BindPair(&source, &destination));
    sum.Weight = 0;
    sum.SourceRect = TRect{0, 1, 2, 3};
    sum.DestRect = TRect{2, 0, 4, 2};
    sum.BlendRegion();
    EXPECT_EQ(Pixel(destination, 2, 0), Gray(90));
    EXPECT_EQ(Pixel(destination, 3, 1), Gray(91));
    EXPECT_EQ(Pixel(destination, 3, 0), Gray(0));
    EXPECT_EQ(Picture(destination, Gray(10)), (std::vector<std::string>{"##..", "##..", "####"}));
}

TEST(TovFastSum24, ABitmapBlendedIntoItselfWalksFromTheLastByte)
{
    // Destination one pixel right of the source in the same row: walking
    // backwards every step still reads an unchanged source byte.
    TBitmap bitmap(4, 2);
    for (int x = 0; x < 4; ++x)
        SetPixel(bitmap, x, 0, Gray(std::uint8_t(10 * (x + 1))));
    TovFastSum24 sum;
    ASSERT_TRUE(sum.BindPair(&bitmap, &bitmap));
    sum.Weight = 0;
    sum.SourceRect = TRect{0, 0, 3, 1};
    sum.DestRect = TRect{1, 0, 4, 1};
    sum.BlendRegion();
    EXPECT_EQ(Pixel(bitmap, 0, 0), Gray(10));
    EXPECT_EQ(Pixel(bitmap, 1, 0), Gray(10));
    EXPECT_EQ(Pixel(bitmap, 2, 0), Gray(20));
    EXPECT_EQ(Pixel(bitmap, 3, 0), Gray(30));
}
