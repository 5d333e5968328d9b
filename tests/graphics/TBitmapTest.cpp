#include "graphics/TBitmap.h"

#include <gtest/gtest.h>

TEST(TBitmap, RowsOf24BitPixelsArePaddedToFourBytes)
{
    struct Case { int width; std::ptrdiff_t stride; };
    for (const Case c : {Case{1, 4}, Case{2, 8}, Case{3, 12}, Case{4, 12}, Case{5, 16}}) {
        TBitmap bmp(c.width, 2);
        EXPECT_EQ(bmp.Stride(), c.stride) << "width " << c.width;
        EXPECT_EQ(bmp.ScanLine(1) - bmp.ScanLine(0), c.stride);
    }
}

TEST(TBitmap, ThirtyTwoBitRowsHoldFourBytesAPixel)
{
    TBitmap bmp(3, 3, TPixelFormat::pf32bit);
    EXPECT_EQ(bmp.Stride(), 12);
    EXPECT_EQ(bmp.BytesPerPixel(), 4);
}

TEST(TBitmap, EmptySizesAreAllowed)
{
    TBitmap bmp(0, 0);
    EXPECT_TRUE(bmp.Empty());
    bmp.SetSize(-5, 3);
    EXPECT_EQ(bmp.Width(), 0);
    EXPECT_TRUE(bmp.Empty());
}
