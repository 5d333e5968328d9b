#include "render/sMaskPaint.h"

#include "RenderFixtures.h"
#include "render/sBitmapCopy.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, Paper = 0xF0F0F0;

using MaskPaint = SkinInMemory;

BackgroundRef FillColorOnly(TColor color)
{
    BackgroundRef b;
    b.FillColor = color;
    return b;
}

TEST_F(MaskPaint, NarrowRectangleTakesHalfTheExcessFromEachBandAndTheOddPixelFromTheRight)
{
    paint({0, 0, 8, 20}, Red);
    paint({8, 0, 12, 20}, Green);
    paint({12, 0, 20, 20}, Blue);
    const int border = addMask({0, 0, 20, 20}, 1, 0, 0, 8, 2, 8, 2);
    TBitmap target = Solid(9, 20, Paper);
    PaintBorderMask(target, {0, 0, 9, 20}, false, false, 0, mask(border), NoBackground);
    // e = (16 - 9) div 2 = 3: bands of 5 and 5, then 4 on the right because 9 is odd.
    EXPECT_EQ(Row(target, 10), (std::vector<TColor>{Red, Red, Red, Red, Red, Blue, Blue, Blue, Blue}));
}

TEST_F(MaskPaint, EdgesAreTiledAndTheLastPieceIsCutFromTheTopOfTheSource)
{
    const TColor k1 = 0x111111, x = 0x222222, y = 0x333333, k2 = 0x444444;
    paint({0, 0, 6, 2}, k1);
    paint({0, 2, 6, 3}, x);
    paint({0, 3, 6, 4}, y);
    paint({0, 4, 6, 6}, k2);
    const int border = addMask({0, 0, 6, 6}, 1, 0, 0, 2, 2, 2, 2);
    TBitmap target = Solid(4, 9, Paper);
    PaintBorderMask(target, {0, 0, 4, 9}, false, false, 0, mask(border), NoBackground);
    EXPECT_EQ(Column(target, 0), (std::vector<TColor>{k1, k1, x, y, x, y, x, k2, k2}));
    EXPECT_EQ(Column(target, 3), Column(target, 0));
}

TEST_F(MaskPaint, EdgesOfAnyWidthRepeatEveryPixelOfTheirTile)
{
    // Side bands from one pixel to wider than 32 bytes, each pixel of the
    // picture distinct; 19 middle rows over a tile of 4 end on a cut tile.
    for (int band : {1, 2, 3, 5, 6, 10, 11, 12}) {
        SCOPED_TRACE(testing::Message() << "band " << band);
        const int pictureWidth = 2 * band + 2;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < pictureWidth; ++x)
                SetPixel(master(), x, y, RGBColor(std::uint8_t(x * 9), std::uint8_t(y * 30), std::uint8_t(band)));
        const int border = addMask({0, 0, pictureWidth, 8}, 1, 0, 0, band, 2, band, 2);
        const int width = pictureWidth + 3;
        TBitmap target = Solid(width, 23, Paper);
        PaintBorderMask(target, {0, 0, width, 23}, false, false, 0, mask(border), NoBackground);
        for (int y = 2; y < 21; ++y)
            for (int x = 0; x < band; ++x) {
                const int from = 2 + (y - 2) % 4;
                ASSERT_EQ(Pixel(target, x, y), Pixel(master(), x, from)) << x << "," << y;
                ASSERT_EQ(Pixel(target, width - band + x, y), Pixel(master(), pictureWidth - band + x, from))
                    << x << "," << y;
            }
        for (int y = 0; y < 2; ++y) // the top band: a tile 2 wide over 5 columns ends cut
            for (int x = band; x < width - band; ++x)
                ASSERT_EQ(Pixel(target, x, y), Pixel(master(), band + (x - band) % 2, y)) << x << "," << y;
        EXPECT_EQ(Pixel(target, band, 10), Paper);
        EXPECT_EQ(Pixel(target, width - band - 1, 10), Paper);
    }
}

TEST_F(MaskPaint, StateBeyondTheLastFrameDrawsTheLastFrameAndActiveOnlySkipsStateZero)
{
    paint({0, 20, 4, 24}, Red);
    paint({4, 20, 8, 24}, Green);
    paint({8, 20, 12, 24}, Blue);
    const int plain = addMask({0, 20, 12, 24}, 3, 0, bfFillCenter, 1, 1, 1, 1);
    const int activeOnly = addMask({0, 20, 12, 24}, 3, 0, bfFillCenter | bfActiveOnly, 1, 1, 1, 1);
    struct Case { int picture; int state; TColor expected; } cases[] = {
        {plain, 0, Red}, {plain, 1, Green}, {plain, 5, Blue}, {activeOnly, 0, Paper}, {activeOnly, 1, Green}};
    for (const Case& c : cases) {
        TBitmap target = Solid(4, 4, Paper);
        PaintBorderMask(target, {0, 0, 4, 4}, true, false, c.state, mask(c.picture), NoBackground);
        EXPECT_EQ(Picture(target, c.expected), std::vector<std::string>(4, "####")) << c.picture << " " << c.state;
    }
}

TEST_F(MaskPaint, CentreNeedsBothTheCallerAndTheFillCentreFlag)
{
    paint({0, 20, 4, 24}, Red);
    const int withFlag = addMask({0, 20, 4, 24}, 1, 0, bfFillCenter, 1, 1, 1, 1);
    const int withoutFlag = addMask({0, 20, 4, 24}, 1, 0, 0, 1, 1, 1, 1);
    TBitmap target = Solid(4, 4, Paper);
    PaintBorderMask(target, {0, 0, 4, 4}, false, false, 0, mask(withFlag), NoBackground);
    PaintBorderMask(target, {0, 0, 4, 4}, true, false, 0, mask(withoutFlag), NoBackground);
    EXPECT_EQ(Picture(target, Paper), (std::vector<std::string>{"....", ".##.", ".##.", "...."}));
}

TEST_F(MaskPaint, StretchedEdgesAndCentreCoverTheWholeRectangle)
{
    paint({0, 0, 6, 6}, Red);
    paint({2, 2, 4, 4}, Green);
    const int border = addMask({0, 0, 6, 6}, 1, 0, bfStretch | bfFillCenter, 2, 2, 2, 2);
    TBitmap target = Solid(12, 10, Paper);
    PaintBorderMask(target, {0, 0, 12, 10}, true, false, 0, mask(border), NoBackground);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(Pixel(target, x, y), x >= 2 && x < 10 && y >= 2 && y < 8 ? Green : Red) << x << "," << y;
}

// A masked picture: the image band over its mask band, 4 x 4 frames, bands 2.
class MaskedCorner : public MaskPaint
{
protected:
    MaskedCorner()
    {
        paint({0, 30, 4, 34}, 0x102030);
        paint({0, 34, 4, 38}, clBlack); // mask 0: the image shows
        SetPixel(master(), 0, 30, clFuchsia);
        SetPixel(master(), 0, 34, clWhite); // mask 255 under the key pixel
        picture = addMask({0, 30, 4, 38}, 1, 1, 0, 2, 2, 2, 2);
        parent = Solid(10, 10, clBlack);
        SetPixel(parent, 3, 2, 0xABCDEF);
    }
    int picture = -1;
    TBitmap parent;
};

TEST_F(MaskedCorner, TransparentPixelShowsWhatTheBackgroundAndCornerModeSay)
{
    struct Case { bool ready; bool cornerMode; TColor expected; } cases[] = {
        {true, true, 0xABCDEF},    // the parent's pixel at (0 + 3, 0 + 2)
        {true, false, 0x555455},   // blended through its mask like any pixel: (85 * 255 + s) div 256
        {false, true, 0x00AA00},   // the fill colour
        {false, false, 0x555555},  // the target's own pixel
    };
    for (const Case& c : cases) {
        TBitmap target = Solid(4, 4, 0x555555);
        const BackgroundRef background = c.ready ? MakeBackgroundRef(&parent, 3, 2) : FillColorOnly(0x00AA00);
        PaintBorderMask(target, {0, 0, 4, 4}, false, c.cornerMode, 0, mask(picture), background);
        EXPECT_EQ(Pixel(target, 0, 0), c.expected) << c.ready << c.cornerMode;
        EXPECT_EQ(Pixel(target, 1, 0), 0x102030u);
    }
}

TEST_F(MaskPaint, KeyColourCornerOverNonReadyBackgroundTakesTheFillColourEvenWithoutCornerMode)
{
    paint({0, 0, 4, 4}, Red);
    SetPixel(master(), 0, 0, clFuchsia);
    const int border = addMask({0, 0, 4, 4}, 1, 0, 0, 2, 2, 2, 2);
    for (bool cornerMode : {false, true}) {
        TBitmap target = Solid(4, 4, Paper);
        PaintBorderMask(target, {0, 0, 4, 4}, false, cornerMode, 0, mask(border), FillColorOnly(Green));
        EXPECT_EQ(Pixel(target, 0, 0), Green);
        EXPECT_EQ(Pixel(target, 1, 0), Red);
    }
    TBitmap target = Solid(4, 4, Paper);
    PaintBorderMask(target, {0, 0, 4, 4}, false, false, 0, mask(border), MakeBackgroundRef(&target, 0, 0));
    EXPECT_EQ(Pixel(target, 0, 0), Paper) << "over a ready background the key pixel is left";
}

TEST_F(MaskPaint, MaskedFrameWithoutMiddleRowsDrawsNoSideTiles)
{
    paint({0, 40, 6, 44}, Red);
    paint({0, 44, 6, 48}, clBlack);
    const int border = addMask({0, 40, 6, 48}, 1, 1, bfFillCenter, 2, 2, 2, 2);
    TBitmap target = Solid(6, 10, Paper);
    PaintBorderMask(target, {0, 0, 6, 10}, true, true, 0, mask(border), NoBackground);
    EXPECT_EQ(Picture(target, Red), (std::vector<std::string>{"######", "######", "......", "......", "......",
                                                               "......", "......", "......", "######", "######"}));
}

TEST_F(MaskPaint, TooSmallRectangleOrNoManagerDrawsNothing)
{
    paint({0, 0, 6, 6}, Red);
    const int border = addMask({0, 0, 6, 6}, 1, 0, bfFillCenter, 2, 2, 2, 2);
    TBitmap target = Solid(6, 6, Paper);
    PaintBorderMask(target, {0, 0, 1, 6}, true, false, 0, mask(border), NoBackground);
    skin.MaskArray[std::size_t(border)].Manager = nullptr;
    PaintBorderMask(target, {0, 0, 6, 6}, true, false, 0, mask(border), NoBackground);
    EXPECT_EQ(Picture(target, Paper), std::vector<std::string>(6, "######"));
}

TEST(StretchCopy, EnlargesByLinearInterpolationAndShrinksByAveraging)
{
    TBitmap source(4, 1);
    const std::uint8_t values[4] = {0, 100, 200, 40};
    for (int x = 0; x < 4; ++x)
        SetPixel(source, x, 0, Gray(values[x]));
    TBitmap wide(4, 1);
    StretchCopy(wide, {0, 0, 4, 1}, source, {0, 0, 2, 1});
    TBitmap narrow(2, 1);
    StretchCopy(narrow, {0, 0, 2, 1}, source, {0, 0, 4, 1});
    EXPECT_EQ(Row(wide, 0), (std::vector<TColor>{Gray(0), Gray(25), Gray(75), Gray(100)}));
    EXPECT_EQ(Row(narrow, 0), (std::vector<TColor>{Gray(50), Gray(120)}));
}

TEST_F(MaskPaint, FillTypesReturnTheRestBesideTheirBand)
{
    paint({20, 0, 30, 8}, Blue);
    struct Case { int type; TRect rest; int coveredRow; int uncoveredRow; } cases[] = {
        {ftStretchHorzTop, {0, 8, 100, 50}, 7, 8},
        {ftTiledHorzTop, {0, 8, 100, 50}, 7, 8},
        {ftTiledHorzBottom, {0, 0, 100, 42}, 42, 41},
        {ftStretched, FullyCovered, 49, -1},
        {ftTiled, FullyCovered, 49, -1},
        {ftDiscreteTiled, FullyCovered, 47, 48}, // rows of tiles start while y < 50 - 8: the last at 40
        {ftStretchVertLeft, {10, 0, 100, 50}, -1, -1},
        {ftTiledVertLeft, {10, 0, 100, 50}, -1, -1},
        {ftTiledVertRight, {0, 0, 90, 50}, -1, -1},
        {8, {0, 0, 100, 50}, -1, 0},
    };
    const int tile = addMask({20, 0, 30, 8}, 1, 0, 0, 0, 0, 0, 0, itisaTexture);
    for (const Case& c : cases) {
        TBitmap target = Solid(100, 50, Paper);
        TRect rect{0, 0, 100, 50};
        FillWithTexture(target, rect, nullptr, c.type, mask(tile));
        EXPECT_EQ(rect, c.rest) << c.type;
        if (c.coveredRow >= 0)
            EXPECT_EQ(Row(target, c.coveredRow), std::vector<TColor>(100, Blue)) << c.type;
        if (c.uncoveredRow >= 0)
            EXPECT_EQ(Row(target, c.uncoveredRow), std::vector<TColor>(100, Paper)) << c.type;
    }
}

TEST_F(MaskPaint, SideBandsStayInsideTheirColumns)
{
    paint({20, 0, 30, 8}, Blue);
    const int tile = addMask({20, 0, 30, 8}, 1, 0, 0, 0, 0, 0, 0, itisaTexture);
    TBitmap target = Solid(30, 20, Paper);
    TRect rect{0, 0, 30, 20};
    FillWithTexture(target, rect, nullptr, ftTiledVertRight, mask(tile));
    std::vector<TColor> expected(20, Paper);
    expected.insert(expected.end(), 10, Blue);
    EXPECT_EQ(Row(target, 19), expected);
}

TEST_F(MaskPaint, GivenGraphicIsTiledWhateverTheFillType)
{
    TBitmap graphic = Solid(3, 2, Green);
    SetPixel(graphic, 0, 0, Red);
    const int tile = addMask({20, 0, 30, 8}, 1, 0, ftStretchHorzTop, 0, 0, 0, 0, itisaTexture);
    TBitmap target = Solid(7, 3, Paper);
    TRect rect{0, 0, 7, 3};
    FillWithTexture(target, rect, &graphic, ftStretchHorzTop, mask(tile));
    EXPECT_EQ(rect, FullyCovered);
    EXPECT_EQ(Picture(target, Red), (std::vector<std::string>{"#..#..#", ".......", "#..#..#"}));
}

// A masked texture of two 2 x 2 frames whose first pixel is transparent.
class MaskedTexture : public MaskPaint
{
protected:
    MaskedTexture()
    {
        paint({0, 50, 4, 52}, Green);
        paint({0, 52, 4, 54}, clBlack);
        SetPixel(master(), 0, 50, clFuchsia);
        texture = addMask({0, 50, 4, 54}, 2, 1, ftDiscreteTiled, 0, 0, 0, 0, itisaTexture);
    }
    int texture = -1;
};

TEST_F(MaskedTexture, DiscreteTilesShowTheBackgroundInKeyPixelsAndUncoveredStrips)
{
    TBitmap parent = Solid(8, 8, Red);
    TBitmap target = Solid(5, 5, Paper);
    TRect rect{0, 0, 5, 5};
    FillWithMaskedTexture(target, rect, MakeBackgroundRef(&parent, 1, 1), ftDiscreteTiled, mask(texture));
    EXPECT_EQ(rect, FullyCovered);
    EXPECT_EQ(Picture(target, Red), (std::vector<std::string>{"#.#.#", "....#", "#.#.#", "....#", "#####"}));
}

TEST_F(MaskedTexture, WithoutABackgroundKeyPixelsTakeTheFillColourUnlessThatIsTheKey)
{
    for (TColor fill : {Blue, clFuchsia}) {
        TBitmap target = Solid(3, 3, Paper);
        TRect rect{0, 0, 3, 3};
        FillWithMaskedTexture(target, rect, FillColorOnly(fill), ftTiled, mask(texture));
        const TColor shown = fill == clFuchsia ? Paper : fill;
        EXPECT_EQ(Picture(target, shown), (std::vector<std::string>{"#.#", "...", "#.#"})) << fill;
        EXPECT_EQ(Pixel(target, 1, 1), Green);
    }
    TBitmap target = Solid(3, 3, Paper);
    TRect rect{0, 0, 3, 3};
    FillWithMaskedTexture(target, rect, NoBackground, ftStretched, mask(texture));
    EXPECT_EQ(rect, (TRect{0, 0, 3, 3}));
    EXPECT_EQ(Picture(target, Paper), std::vector<std::string>(3, "###"));
}

TEST(CopyBlendedPiece, BlendsThroughTheLowerHalfOrTheAlphaChannel)
{
    TBitmap source24 = Solid(1, 2, Gray(200));
    SetPixel(source24, 0, 1, Gray(100));
    TBitmap source32 = Solid(1, 1, Gray(200) | 100u << 24, TPixelFormat::pf32bit);
    TBitmap target = Solid(2, 1, Gray(50));
    CopyBlendedPiece({0, 0, 1, 1}, {0, 0, 1, 1}, target, false, NoBackground, source24);
    CopyBlendedPiece({1, 0, 2, 1}, {0, 0, 1, 1}, target, false, NoBackground, source32);
    // (50 * 100 + 200 * 156) div 256 and (50 * 256 + 150 * 100) div 256
    EXPECT_EQ(Row(target, 0), (std::vector<TColor>{Gray(141), Gray(108)}));
}

TEST(CopyBlendedPiece, KeyPixelsOverAReadyBackgroundAreRestoredOrLeft)
{
    TBitmap source = Solid(1, 2, clFuchsia);
    SetPixel(source, 0, 1, clBlack);
    TBitmap parent = Solid(4, 4, Green);
    for (bool restore : {false, true}) {
        TBitmap target = Solid(2, 2, Paper);
        CopyBlendedPiece({1, 1, 2, 2}, {0, 0, 1, 1}, target, restore, MakeBackgroundRef(&parent, 2, 2), source);
        EXPECT_EQ(Pixel(target, 1, 1), restore ? Green : Paper);
    }
    TBitmap target = Solid(1, 1, Paper);
    CopyBlendedPiece({0, 0, 1, 1}, {0, 0, 1, 1}, target, true, NoBackground, source);
    EXPECT_EQ(Pixel(target, 0, 0), clFuchsia) << "without a background every pixel is blended";
}

TEST(CopyKeyedPiece, SourceRectangleIncludesItsRightAndBottomEdges)
{
    TBitmap source = Solid(3, 3, Red);
    SetPixel(source, 1, 1, clFuchsia);
    TBitmap target = Solid(3, 3, Paper);
    CopyKeyedPiece(target, source, 1, 1, false, MakeBackgroundRef(&target, 0, 0), clFuchsia, {0, 0, 1, 1});
    EXPECT_EQ(Picture(target, Red), (std::vector<std::string>{"...", ".##", ".#."}));
}

TEST(CopyKeyedPiece, ThirtyTwoBitKeyNeedsAZeroAlpha)
{
    TBitmap source(2, 1, TPixelFormat::pf32bit);
    SetPixel(source, 0, 0, clFuchsia);             // $FF, $00, $FF, $00: key
    SetPixel(source, 1, 0, clFuchsia | 0xFF000000); // opaque fuchsia: copied
    TBitmap target = Solid(2, 1, Green | 0x80000000, TPixelFormat::pf32bit);
    CopyKeyedPiece(target, source, 0, 0, false, MakeBackgroundRef(&target, 0, 0), clFuchsia, {0, 0, 1, 0});
    EXPECT_EQ(Row(target, 0), (std::vector<TColor>{Green | 0x80000000, clFuchsia | 0xFF000000}));
}

TEST_F(MaskPaint, DisabledGlyphsAreLighterOrHalfTransparent)
{
    SetPixel(master(), 40, 0, Gray(200));
    SetPixel(master(), 40, 1, Gray(100));
    SetPixel(master(), 41, 0, Gray(200));
    const int masked = addMask({40, 0, 41, 2}, 1, 1, 0, 0, 0, 0, 0, itisaGlyph);
    const int keyed = addMask({41, 0, 42, 1}, 1, 0, 0, 0, 0, 0, 0, itisaGlyph);
    struct Case { int glyph; int mode; std::uint8_t expected; } cases[] = {
        {masked, 1, 141}, // (50 * 100 + 200 * 156) div 256
        {masked, 0, 82},  // mask raised by 100: (50 * 200 + 200 * 56) div 256
        {keyed, 1, 200},
        {keyed, 0, 125}, // round(200 - 0.5 * (200 - 50))
    };
    for (const Case& c : cases) {
        TBitmap target = Solid(2, 2, Gray(50));
        PaintGlyphMask(target, {1, 1}, 0, NoBackground, mask(c.glyph), c.mode);
        EXPECT_EQ(Pixel(target, 1, 1), Gray(c.expected)) << c.glyph << " " << c.mode;
        EXPECT_EQ(Pixel(target, 0, 0), Gray(50));
    }
}

TEST_F(MaskPaint, GlyphWithItsOwnBitmapBlendsThroughTheRowsBelow)
{
    const int glyph = addMask({0, 0, 2, 2}, 2, 1, 0, 0, 0, 0, 0, itisaGlyph);
    skin.MaskArray[std::size_t(glyph)].Bmp = std::make_unique<TBitmap>(Solid(2, 2, clFuchsia));
    TBitmap& own = *skin.MaskArray[std::size_t(glyph)].Bmp;
    SetPixel(own, 1, 0, Gray(200));
    SetPixel(own, 1, 1, Gray(100));
    TBitmap target = Solid(2, 1, Gray(50));
    PaintGlyphMask(target, {0, 0}, 1, NoBackground, mask(glyph), 1);
    PaintGlyphMask(target, {1, 0}, 0, NoBackground, mask(glyph), 1); // frame 0 is transparent
    EXPECT_EQ(Row(target, 0), (std::vector<TColor>{Gray(141), Gray(50)}));
}

TEST_F(MaskPaint, GlyphAtANegativePointLosesItsLeftAndTopPart)
{
    paint({0, 0, 3, 3}, Red);
    paint({2, 0, 3, 3}, Green);
    paint({0, 2, 3, 3}, Blue);
    const int glyph = addMask({0, 0, 3, 3}, 1, 0, 0, 0, 0, 0, 0, itisaGlyph);
    TBitmap target = Solid(3, 3, Paper);
    PaintGlyphMask(target, {-2, -2}, 0, NoBackground, mask(glyph), 1);
    EXPECT_EQ(Pixel(target, 0, 0), Blue);
    EXPECT_EQ(Pixel(target, 1, 0), Paper);
}

TEST_F(MaskPaint, ButtonFrameCutsTransparentCornerRunsOutOfTheRegion)
{
    paint({0, 0, 6, 6}, Red);
    SetPixel(master(), 0, 0, clFuchsia);
    SetPixel(master(), 1, 0, clFuchsia);
    SetPixel(master(), 5, 0, clFuchsia);
    const int border = addMask({0, 0, 6, 6}, 1, 0, bfFillCenter, 2, 2, 2, 2);
    TBitmap target = Solid(10, 8, Paper);
    QRegion region(0, 0, 10, 8);
    PaintMaskOnBitmap(target, &region, 0, mask(border), true);
    EXPECT_EQ(Picture(target, Red)[0], "..#######.");
    EXPECT_EQ(Picture(target, Red)[7], "##########");
    EXPECT_EQ(region, QRegion(0, 0, 10, 8).subtracted(QRegion(0, 0, 2, 1)).subtracted(QRegion(9, 0, 1, 1)));
    PaintMaskOnBitmap(target, nullptr, 0, mask(border), true); // no region: painting only
}

TEST_F(MaskPaint, ButtonFrameBlendsMaskedPicturesThroughTheLowerHalf)
{
    paint({0, 0, 3, 3}, Gray(200));
    paint({0, 3, 3, 6}, Gray(100));
    const int border = addMask({0, 0, 3, 6}, 1, 1, bfFillCenter | bfStretch, 1, 1, 1, 1);
    TBitmap target = Solid(5, 5, Gray(50));
    PaintMaskOnBitmap(target, nullptr, 0, mask(border), true);
    EXPECT_EQ(Picture(target, Gray(141)), std::vector<std::string>(5, "#####"));
}

TEST_F(MaskPaint, RegionRunsOfTheTopAndBottomBands)
{
    paint({0, 0, 6, 6}, Red);
    SetPixel(master(), 0, 0, clFuchsia);
    SetPixel(master(), 1, 0, clFuchsia);
    SetPixel(master(), 5, 1, clFuchsia);
    SetPixel(master(), 0, 5, clFuchsia);
    const int border = addMask({0, 0, 6, 6}, 1, 0, 0, 2, 2, 2, 2);
    std::vector<TRect> rects;
    CollectMaskRegion(rects, 30, mask(border), false, 5);
    EXPECT_EQ(rects, (std::vector<TRect>{{0, 5, 2, 6}, {29, 6, 30, 7}}));
    rects.clear();
    CollectMaskRegion(rects, 30, mask(border), true, 20);
    EXPECT_EQ(rects, (std::vector<TRect>{{0, 21, 1, 22}}));
}

} // namespace
