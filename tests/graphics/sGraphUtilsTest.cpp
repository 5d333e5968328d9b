#include "graphics/sGraphUtils.h"

#include "graphics/BackgroundRef.h"
#include "PixelFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

TEST(sGraphUtils, FactoriesMakeZeroedBitmapsOfTheAskedFormat)
{
    const TBitmap b24 = NewBitmap24(3, 2);
    const TBitmap b32 = NewBitmap32(3, 2);
    const TBitmap like = NewBitmapLike(b32);
    EXPECT_EQ(b24.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(b32.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(like.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(like.Width(), 3);
    EXPECT_EQ(like.Height(), 2);
    EXPECT_EQ(Pixel(b24, 2, 1), 0u);
    EXPECT_TRUE(NewBitmap24(0, 0).Empty());
}

TEST(sGraphUtils, TransparentColorAndBackgroundReferences)
{
    EXPECT_EQ(TransparentColor, clFuchsia);
    EXPECT_EQ(NoBackground.Bmp, nullptr);
    EXPECT_EQ(NoBackground.X, -99);
    EXPECT_EQ(NoBackground.Y, -99);
    EXPECT_EQ(NoBackground.FillColor, 0u);
    EXPECT_FALSE(NoBackground.Ready);
    TBitmap parent(4, 4);
    const BackgroundRef ref = MakeBackgroundRef(&parent, -3, 7);
    EXPECT_EQ(ref.Bmp, &parent);
    EXPECT_EQ(ref.X, -3);
    EXPECT_EQ(ref.Y, 7);
    EXPECT_EQ(ref.FillColor, clFuchsia);
    EXPECT_TRUE(ref.Ready);
}

TEST(sGraphUtils, MaskBlendLetsMaskZeroShowTheImageAndRoundsDown)
{
    struct Case { unsigned destination; unsigned image; unsigned mask; unsigned result; };
    const Case cases[] = {
        {255, 0, 255, 254}, {200, 100, 0, 100}, {100, 200, 128, 150}, {0, 255, 255, 0}, {255, 255, 255, 255},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MaskBlend(c.destination, c.image, c.mask), c.result)
            << c.destination << " " << c.image << " " << c.mask;
}

TEST(sGraphUtils, MixColorRoundsHalvesToEvenAndKeepsTheFirstTopByte)
{
    struct Case { TColor c1; TColor c2; double k; TColor result; };
    const Case cases[] = {
        {0x0000FF, 0xFFFFFF, 0.4, 0x9999FF},             // disabled text: 153 from 0.6 of 255
        {RGBColor(1, 3, 5), 0, 0.5, RGBColor(0, 2, 2)},  // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2
        {0x12FFFFFF, 0x00000000, 1.0, 0x12FFFFFF},
        {0x00000000, 0x34FFFFFF, 0.0, 0x00FFFFFF},
        {0xFFFFFF, 0, 2.0, 0xFFFFFF},                    // saturates, no wrap-around
        {0xFFFFFF, 0, -1.0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MixColor(c.c1, c.c2, c.k), c.result) << std::hex << c.c1 << " " << c.c2 << " " << c.k;
}

TEST(sGraphUtils, AverageColorWeighsTheSecondColourSlightlyMore)
{
    EXPECT_EQ(AverageColor(0xFFFFFF, 0), Gray(126));
    EXPECT_EQ(AverageColor(0, 0xFFFFFF), Gray(128));
    EXPECT_EQ(AverageColor(RGBColor(200, 10, 0), RGBColor(200, 20, 1)), RGBColor(200, 15, 0));
}

class SystemColors : public testing::Test
{
protected:
    void SetUp() override
    {
        SetSystemColorLookup([](TColor c) { return c == 0xFF00000F ? RGBColor(1, 2, 3) : TColor(0xFF123456); });
    }
    void TearDown() override { SetSystemColorLookup(nullptr); }
};

TEST_F(SystemColors, FillsConvertSystemColoursThroughTheInstalledLookUp)
{
    EXPECT_EQ(ColorToRGB(0xFF00000F), RGBColor(1, 2, 3));
    EXPECT_EQ(ColorToRGB(0xFF000005), 0x123456u); // the top byte never survives
    EXPECT_EQ(ColorToRGB(0x00ABCDEF), 0x00ABCDEFu);
    TBitmap bitmap(2, 2);
    FillRectColor(bitmap, TRect{0, 0, 2, 2}, 0xFF00000F);
    EXPECT_EQ(Pixel(bitmap, 1, 1), RGBColor(1, 2, 3));
}

TEST(sGraphUtils, SystemColoursAreBlackUntilALookUpIsInstalled)
{
    EXPECT_EQ(ColorToRGB(0xFF00000F), clBlack);
}

TEST(sGraphUtils, FillRectColorFillsTheClippedRectangleWithExclusiveEdges)
{
    TBitmap b24(4, 3);
    FillRectColor(b24, TRect{-1, 1, 3, 9}, 0x0A0B0C);
    EXPECT_EQ(Picture(b24, 0x0A0B0C), (std::vector<std::string>{"....", "###.", "###."}));
    TBitmap b32 = Solid(2, 2, 0xFFFFFFFF, TPixelFormat::pf32bit);
    FillRectColor(b32, TRect{1, 0, 2, 1}, 0x0A0B0C);
    EXPECT_EQ(Pixel(b32, 1, 0), 0x000A0B0Cu); // a brush leaves alpha 0
    EXPECT_EQ(Pixel(b32, 0, 0), 0xFFFFFFFFu);
}

TEST(sGraphUtils, FillFrameColorPaintsTheFourBands)
{
    TBitmap bitmap(7, 7);
    FillFrameColor(bitmap, TRect{1, 1, 7, 7}, clWhite, 1, 2, 2, 1);
    EXPECT_EQ(Picture(bitmap, clWhite), (std::vector<std::string>{
                                            ".......",
                                            ".######",
                                            ".######",
                                            ".#...##",
                                            ".#...##",
                                            ".#...##",
                                            ".######",
                                        }));
}

TEST(sGraphUtils, CopyFrameBandsCopiesOnlyTheBorder)
{
    TBitmap destination(6, 5);
    const TBitmap source = Solid(6, 5, clWhite);
    CopyFrameBands(destination, source, TRect{0, 0, 5, 5}, 1);
    EXPECT_EQ(Picture(destination, clWhite), (std::vector<std::string>{
                                                 "#####.",
                                                 "#...#.",
                                                 "#...#.",
                                                 "#...#.",
                                                 "#####.",
                                             }));
    TBitmap other(6, 5, TPixelFormat::pf32bit);
    CopyFrameBands(other, source, TRect{0, 0, 5, 5}, 1);
    EXPECT_EQ(Pixel(other, 0, 0), 0u);
}

TEST(sGraphUtils, TintRectKeepsPercentOfThePixelAndIncludesTheRightAndBottomEdges)
{
    struct Case { int percent; std::uint8_t pixel; std::uint8_t color; std::uint8_t result; };
    const Case cases[] = {
        {100, 77, 200, 77}, {0, 77, 200, 200}, {50, 1, 0, 0}, {50, 3, 0, 2}, {40, 255, 0, 102}, {60, 100, 200, 140},
    };
    for (const Case& c : cases) {
        TBitmap bitmap = Solid(3, 3, Gray(c.pixel));
        TintRect(bitmap, TRect{0, 0, 2, 2}, c.percent, Gray(c.color));
        EXPECT_EQ(Pixel(bitmap, 2, 2), Gray(c.result)) << c.percent << "% of " << int(c.pixel);
    }
    TBitmap bitmap(20, 20);
    TintRect(bitmap, TRect{0, 0, 10, 10}, 0, clWhite);
    int changed = 0;
    for (const std::string& row : Picture(bitmap, clWhite))
        changed += int(std::count(row.begin(), row.end(), '#'));
    EXPECT_EQ(changed, 11 * 11);
    EXPECT_EQ(Pixel(bitmap, 10, 10), clWhite);
    EXPECT_EQ(Pixel(bitmap, 11, 10), 0u);
}

TEST(sGraphUtils, TintRectClipsToTheBitmapAndSkipsAnInvertedRectangle)
{
    TBitmap bitmap(4, 3);
    TintRect(bitmap, TRect{2, -5, 40, 40}, 0, clWhite);
    EXPECT_EQ(Picture(bitmap, clWhite), (std::vector<std::string>{"..##", "..##", "..##"}));
    TBitmap untouched(4, 3);
    TintRect(untouched, TRect{0, 2, 3, 1}, 0, clWhite);
    EXPECT_EQ(Picture(untouched, clWhite), (std::vector<std::string>{"....", "....", "...."}));
}

// A source whose pixel (x, y) is Gray(16 * y + x + 1), so that the copied
// place shows where it came from.
static TBitmap NumberedSource(int width, int height)
{
    TBitmap source(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixel(source, x, y, Gray(std::uint8_t(16 * y + x + 1)));
    return source;
}

static std::uint8_t SourceNumber(int x, int y)
{
    return std::uint8_t(16 * y + x + 1);
}

TEST(sGraphUtils, BlendBitmapRectClipsBothSides)
{
    struct Placed { int dx; int dy; int sx; int sy; };
    struct Case { const char* what; TPoint point; TRect sourceRect; int placed; std::vector<Placed> checks; };
    const Case cases[] = {
        {"inside", {1, 1}, {0, 0, 2, 2}, 4, {{1, 1, 0, 0}, {2, 2, 1, 1}}},
        {"negative point shifts the source", {-1, -2}, {0, 0, 3, 3}, 2, {{0, 0, 1, 2}, {1, 0, 2, 2}}},
        {"negative source shifts the point", {1, 1}, {-1, 0, 2, 2}, 4, {{2, 1, 0, 0}, {3, 2, 1, 1}}},
        {"limited to the destination", {3, 3}, {0, 0, 4, 4}, 1, {{3, 3, 0, 0}}},
        {"limited to the source", {0, 0}, {2, 2, 9, 9}, 4, {{0, 0, 2, 2}, {1, 1, 3, 3}}},
        {"nothing left", {4, 0}, {0, 0, 4, 4}, 0, {}},
    };
    const TBitmap source = NumberedSource(4, 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TBitmap destination = Solid(4, 4, clWhite);
        BlendBitmapRect(destination, source, 0, c.point, c.sourceRect);
        int placed = 0;
        for (const std::string& row : Picture(destination, clWhite))
            placed += int(std::count(row.begin(), row.end(), '.'));
        EXPECT_EQ(placed, c.placed);
        for (const Placed& p : c.checks)
            EXPECT_EQ(Pixel(destination, p.dx, p.dy), Gray(SourceNumber(p.sx, p.sy)));
    }
}

TEST(sGraphUtils, BlendBitmapRectUsesTheLowByteOfTheWeight)
{
    struct Case { int weight; std::uint8_t result; };
    for (const Case c : {Case{0, 100}, Case{255, 199}, Case{0x1FF, 199}, Case{0x100, 100}, Case{102, 139}}) {
        TBitmap destination = Solid(3, 3, Gray(200));
        BlendBitmapRect(destination, Solid(3, 3, Gray(100)), c.weight, TPoint{0, 0}, TRect{0, 0, 3, 3});
        EXPECT_EQ(Pixel(destination, 2, 2), Gray(c.result)) << "weight " << c.weight;
    }
}

TEST(sGraphUtils, CrossFadeBitmapsNeedsEqualSizes)
{
    TBitmap destination = Solid(3, 2, Gray(200));
    CrossFadeBitmaps(destination, Solid(3, 2, Gray(100)), 128);
    EXPECT_EQ(Pixel(destination, 2, 1), Gray(150));
    CrossFadeBitmaps(destination, Solid(3, 3, Gray(0)), 0);
    EXPECT_EQ(Pixel(destination, 2, 1), Gray(150));
}

TEST(sGraphUtils, BlendBitmapKeyedMovesFromTheSourceTowardsTheDestination)
{
    struct Case { double k; std::uint8_t source; std::uint8_t destination; std::uint8_t result; };
    const Case cases[] = {
        {0.5, 100, 200, 150}, {0.5, 1, 0, 0}, {0.5, 3, 0, 2}, {0.4, 200, 100, 160}, {0.0, 9, 200, 9}, {1.0, 9, 200, 200},
    };
    for (const Case& c : cases) {
        TBitmap destination = Solid(2, 2, Gray(c.destination));
        BlendBitmapKeyed(destination, 0, 0, clFuchsia, c.k, TRect{0, 0, 2, 2}, Solid(2, 2, Gray(c.source)));
        EXPECT_EQ(Pixel(destination, 1, 1), Gray(c.result)) << c.k << " " << int(c.source);
    }
}

TEST(sGraphUtils, BlendBitmapKeyedWithoutAKeyBlendsEveryPixel)
{
    TBitmap destination = Solid(2, 2, clBlack);
    BlendBitmapKeyed(destination, 0, 0, 0xFFFFFFFF, 0.0, TRect{0, 0, 2, 2}, Solid(2, 2, clFuchsia));
    EXPECT_EQ(Pixel(destination, 0, 0), clFuchsia);
}

TEST(sGraphUtils, BlendBitmapKeyedClipsLikeTheOtherCopies)
{
    TBitmap destination = Solid(3, 3, clWhite);
    BlendBitmapKeyed(destination, -1, 2, clFuchsia, 0.0, TRect{0, 0, 3, 3}, NumberedSource(3, 3));
    EXPECT_EQ(Picture(destination, clWhite), (std::vector<std::string>{"###", "###", "..#"}));
    EXPECT_EQ(Pixel(destination, 0, 2), Gray(SourceNumber(1, 0)));
}

// Every copy that takes a key colour, called with TransparentColor.
static const std::vector<std::pair<const char*, std::function<void(TBitmap&, const TBitmap&)>>> keyedCopies = {
    {"BlendBitmapKeyed k 0",
     [](TBitmap& d, const TBitmap& s) { BlendBitmapKeyed(d, 0, 0, TransparentColor, 0.0, TRect{0, 0, 3, 3}, s); }},
    {"BlendBitmapKeyed k 0.5",
     [](TBitmap& d, const TBitmap& s) { BlendBitmapKeyed(d, 0, 0, TransparentColor, 0.5, TRect{0, 0, 3, 3}, s); }},
    {"CopyKeyedBitmap", [](TBitmap& d, const TBitmap& s) { CopyKeyedBitmap(d, s, 0, 0, TransparentColor); }},
};

TEST(sGraphUtils, TransparentPixelsNeverReachATarget)
{
    TBitmap source = Solid(3, 3, Gray(40));
    SetPixel(source, 1, 1, clFuchsia);
    for (const auto& [name, copy] : keyedCopies) {
        SCOPED_TRACE(name);
        TBitmap destination = Solid(3, 3, Gray(90));
        copy(destination, source);
        EXPECT_EQ(Pixel(destination, 1, 1), Gray(90));
        EXPECT_NE(Pixel(destination, 0, 0), Gray(90));
    }
}

TEST(sGraphUtils, TintBitmapMovesEveryPixelButTheKeyTowardsTheColour)
{
    TBitmap bitmap = Solid(2, 2, RGBColor(100, 3, 255));
    SetPixel(bitmap, 1, 0, clFuchsia);
    TintBitmap(bitmap, RGBColor(200, 0, 0), clFuchsia, 0.5);
    EXPECT_EQ(Pixel(bitmap, 0, 0), RGBColor(150, 2, 128)); // 1.5 -> 2, 127.5 -> 128
    EXPECT_EQ(Pixel(bitmap, 1, 0), clFuchsia);
}

TEST(sGraphUtils, ApplyColorByMaskBlendsEachChannelWithItsMaskChannel)
{
    TBitmap bitmap = Solid(2, 2, RGBColor(255, 255, 100));
    const TBitmap mask = Solid(2, 2, RGBColor(255, 0, 153));
    ApplyColorByMask(bitmap, mask, RGBColor(0, 40, 200));
    // red keeps 254 of 255, green becomes the colour, blue (200*256 - 100*153) div 256
    EXPECT_EQ(Pixel(bitmap, 1, 1), RGBColor(254, 40, 140));
    TBitmap other = Solid(3, 2, clWhite);
    ApplyColorByMask(other, mask, clBlack);
    EXPECT_EQ(Pixel(other, 0, 0), clWhite);
}

TEST(sGraphUtils, MakeGrayAveragesTheChannelsAndMakeGrayExceptSparesTheKey)
{
    TBitmap bitmap = Solid(2, 1, RGBColor(31, 20, 10));
    SetPixel(bitmap, 1, 0, clFuchsia);
    TBitmap all = bitmap;
    MakeGrayExcept(bitmap, clFuchsia);
    MakeGray(all);
    EXPECT_EQ(Pixel(bitmap, 0, 0), Gray(20));
    EXPECT_EQ(Pixel(bitmap, 1, 0), clFuchsia);
    EXPECT_EQ(Pixel(all, 1, 0), Gray(170));
}

TEST(sGraphUtils, CopyKeyedBitmapSkipsWhatFallsOutsideTheDestination)
{
    TBitmap destination = Solid(3, 3, clWhite);
    CopyKeyedBitmap(destination, NumberedSource(2, 2), 2, -1, clFuchsia);
    EXPECT_EQ(Picture(destination, clWhite), (std::vector<std::string>{"##.", "###", "###"}));
    EXPECT_EQ(Pixel(destination, 2, 0), Gray(SourceNumber(0, 1)));
}

TEST(sGraphUtils, TwentyFourBitOperationsLeaveOtherFormatsAlone)
{
    const std::vector<std::pair<const char*, std::function<void(TBitmap&)>>> operations = {
        {"TintRect", [](TBitmap& b) { TintRect(b, TRect{0, 0, 2, 2}, 0, clBlack); }},
        {"TintBitmap", [](TBitmap& b) { TintBitmap(b, clBlack, clFuchsia, 0.0); }},
        {"MakeGray", [](TBitmap& b) { MakeGray(b); }},
        {"CopyKeyedBitmap", [](TBitmap& b) { CopyKeyedBitmap(b, Solid(2, 2, clBlack), 0, 0, clFuchsia); }},
        {"CrossFadeBitmaps", [](TBitmap& b) { CrossFadeBitmaps(b, Solid(2, 2, clBlack), 0); }},
    };
    for (const auto& [name, operation] : operations) {
        TBitmap bitmap = Solid(2, 2, 0x80102030, TPixelFormat::pf32bit);
        operation(bitmap);
        EXPECT_EQ(Pixel(bitmap, 1, 1), 0x80102030u) << name;
    }
}
