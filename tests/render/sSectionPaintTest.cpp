#include "render/sSectionPaint.h"

#include "RenderFixtures.h"
#include "graphics/sGradient.h"
#include "render/sBitmapCopy.h"
#include "render/sMaskPaint.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr TColor Own = RGBColor(200, 100, 0), Paper = 0xF0F0F0, Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000;

// A parent whose every pixel tells where it is.
TBitmap PositionParent(int width, int height)
{
    TBitmap parent(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixel(parent, x, y, RGBColor(std::uint8_t(x * 10), std::uint8_t(y * 10), std::uint8_t(x * y + 7)));
    return parent;
}

BackgroundRef FillColorOnly(TColor color)
{
    BackgroundRef b;
    b.FillColor = color;
    return b;
}

std::uint8_t TintChannel(std::uint8_t pixel, std::uint8_t colour, int percent)
{
    const double k = percent / 100.0;
    return std::uint8_t(std::nearbyint(k * pixel + (1 - k) * colour));
}

class SectionPaint : public SkinInMemory
{
protected:
    SectionPaint() { button = addSection("BUTTON", Own); }

    TBitmap item(int width, int height, const BackgroundRef& background, TPoint P = {0, 0}, int state = 0)
    {
        TBitmap target = Solid(width, height, Paper);
        PaintSectionItem(button, "BUTTON", background, -1, -1, &skin, target, P, {0, 0, width, height}, state, true);
        return target;
    }

    int button = -1;
};

TEST_F(SectionPaint, FullTransparencyShowsTheParentAtTheOffsetRectangle)
{
    section(button).Transparency = 100;
    section(button).GradientPercent = 100; // ignored at 100 percent transparency
    TBitmap parent = PositionParent(20, 20);
    const TBitmap target = item(6, 4, MakeBackgroundRef(&parent, 1, 1), {3, 2});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(Pixel(target, x, y), Pixel(parent, x + 4, y + 3)) << x << "," << y;
}

TEST_F(SectionPaint, FortyPercentTransparencyBlendsParentAndOwnColour)
{
    section(button).Transparency = 40;
    TBitmap parent = PositionParent(20, 20);
    const TBitmap target = item(6, 4, MakeBackgroundRef(&parent, 1, 1), {3, 2});
    auto blend = [](unsigned parentByte, unsigned ownByte) {
        return std::uint8_t((parentByte * 102 + ownByte * 153 + 127) / 256);
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const TColor p = Pixel(parent, x + 4, y + 3);
            ASSERT_EQ(Pixel(target, x, y), RGBColor(blend(GetRValue(p), 200), blend(GetGValue(p), 100),
                                                    blend(GetBValue(p), 0)))
                << x << "," << y;
        }
}

// The same composition, step by step: the parent's block, then the gradient blended in.
TBitmap ParentThenGradient(const TBitmap& parent, TPoint offset, int width, int height, const TsGradArray& steps)
{
    TBitmap expected = Solid(width, height, Paper);
    CopyBitmapRect(expected, {0, 0, width, height}, parent, {offset.X, offset.Y, offset.X + width, offset.Y + height});
    TBitmap gradient(width, height);
    PaintGradient(gradient, {0, 0, width, height}, steps);
    BlendBitmapRect(expected, gradient, 102, {0, 0}, {0, 0, width, height});
    return expected;
}

TEST_F(SectionPaint, TransparentGradientEqualsParentCopyThenBlendOfTheGradient)
{
    section(button).Transparency = 40;
    section(button).GradientPercent = 100;
    const TsGradArray& steps = section(button).GradientArray = {
        {RGBColor(0, 20, 250), RGBColor(250, 200, 0), 60, 0, 0}, {RGBColor(250, 200, 0), RGBColor(10, 10, 10), 40, 0, 0}};
    // Narrow and wide (whole blocks of the row kernel and a rest); the parent's
    // block whole inside its bitmap, cut at its right edge, and the target itself.
    for (int width : {2, 7, 63, 64, 65, 75, 128, 129, 400}) {
        TBitmap parent = PositionParent(width + 5, 12);
        for (const TPoint offset : {TPoint{1, 1}, TPoint{width, 2}}) {
            const TBitmap expected = ParentThenGradient(parent, offset, width, 9, steps);
            const TBitmap target = item(width, 9, MakeBackgroundRef(&parent, offset.X, offset.Y));
            for (int y = 0; y < 9; ++y)
                ASSERT_EQ(Row(target, y), Row(expected, y)) << width << " at " << offset.X << ", row " << y;
        }
        TBitmap itself = PositionParent(width, 9);
        const TBitmap expected = ParentThenGradient(itself, {0, 0}, width, 9, steps);
        PaintSectionItem(button, "BUTTON", MakeBackgroundRef(&itself, 0, 0), -1, -1, &skin, itself, {0, 0},
                         {0, 0, width, 9}, 0, true);
        for (int y = 0; y < 9; ++y)
            ASSERT_EQ(Row(itself, y), Row(expected, y)) << width << " itself, row " << y;
    }
}

TEST_F(SectionPaint, OnePixelWideTransparentSectionShowsOnlyItsParent)
{
    section(button).Transparency = 40;
    TBitmap parent = PositionParent(5, 5);
    const TBitmap target = item(1, 3, MakeBackgroundRef(&parent, 2, 1));
    EXPECT_EQ(Column(target, 0), (std::vector<TColor>{Pixel(parent, 2, 1), Pixel(parent, 2, 2), Pixel(parent, 2, 3)}));
}

TEST_F(SectionPaint, PlainSectionShowsItsColourOrTheColourOnlyParents)
{
    struct Case { int transparency; BackgroundRef background; TColor expected; } cases[] = {
        {0, FillColorOnly(Green), Own},
        {40, FillColorOnly(Green), 0x00FE00}, // (255 * 102 + 255 * 153 + 127) div 256 = 254
        {100, FillColorOnly(Green), Green},
        {40, FillColorOnly(clFuchsia), clFuchsia}, // no parent information at all
    };
    for (const Case& c : cases) {
        section(button).Transparency = c.transparency;
        EXPECT_EQ(Picture(item(3, 2, c.background), c.expected), std::vector<std::string>(2, "###"))
            << c.transparency;
    }
}

TEST_F(SectionPaint, GradientShareIsTintedTowardsTheColour)
{
    section(button).GradientPercent = 60;
    section(button).GradientArray = {{RGBColor(0, 0, 0), RGBColor(250, 250, 250), 100, 0, 0}};
    const TBitmap target = item(3, 6, NoBackground);
    TBitmap gradient(3, 6);
    PaintGradient(gradient, {0, 0, 3, 6}, section(button).GradientArray);
    for (int y = 0; y < 6; ++y) {
        const TColor g = Pixel(gradient, 0, y);
        EXPECT_EQ(Row(target, y), std::vector<TColor>(3, RGBColor(TintChannel(GetRValue(g), 200, 60),
                                                                  TintChannel(GetGValue(g), 100, 60),
                                                                  TintChannel(GetBValue(g), 0, 60))))
            << y;
    }
}

TEST_F(SectionPaint, TintStaysInsideTheRectangle)
{
    section(button).GradientPercent = 50;
    section(button).GradientArray = {{clBlack, clBlack, 100, 0, 0}};
    TBitmap target = Solid(3, 3, Paper);
    PaintSectionItem(button, "BUTTON", NoBackground, -1, -1, &skin, target, {0, 0}, {0, 0, 2, 2}, 0, true);
    EXPECT_EQ(Picture(target, Paper), (std::vector<std::string>{"..#", "..#", "###"}));
    EXPECT_EQ(Pixel(target, 0, 0), RGBColor(100, 50, 0));
}

TEST_F(SectionPaint, EmptyGradientPaintsTheColour)
{
    section(button).GradientPercent = 100;
    EXPECT_EQ(Picture(item(3, 3, NoBackground), Own), std::vector<std::string>(3, "###"));
}

TEST_F(SectionPaint, StretchHorzTopTextureLeavesTheRestInTheSectionColour)
{
    paint({20, 0, 30, 8}, Blue);
    addMask({20, 0, 30, 8}, 1, 0, ftStretchHorzTop, 0, 0, 0, 0, itisaTexture, "BUTTON", "PATTERN");
    section(button).ImagePercent = 100;
    const TBitmap target = item(20, 12, NoBackground);
    EXPECT_EQ(Row(target, 7), std::vector<TColor>(20, Blue));
    EXPECT_EQ(Row(target, 8), std::vector<TColor>(20, Own));
}

TEST_F(SectionPaint, LargeBackgroundImageIsTiledWhenNoPictureIsNamed)
{
    TsPatternData& pattern = skin.PatternArray.emplace_back();
    pattern.Img = std::make_unique<TBitmap>(Solid(2, 2, Green));
    SetPixel(*pattern.Img, 0, 0, Red);
    pattern.SectionName = "BUTTON";
    pattern.PropertyName = "PATTERN";
    section(button).ImagePercent = 100;
    EXPECT_EQ(Picture(item(5, 3, NoBackground), Red), (std::vector<std::string>{"#.#.#", ".....", "#.#.#"}));
}

TEST_F(SectionPaint, TextureKeepsItsShareOfTheGradient)
{
    paint({20, 0, 22, 2}, Gray(200));
    addMask({20, 0, 22, 2}, 1, 0, ftTiled, 0, 0, 0, 0, itisaTexture, "BUTTON", "PATTERN");
    section(button).ImagePercent = 50;
    section(button).GradientPercent = 50;
    section(button).GradientArray = {{Gray(10), Gray(10), 100, 0, 0}};
    // weight 50 * 255 div 100 = 127: (200 * 127 + 10 * 128 + 127) div 256
    EXPECT_EQ(Picture(item(3, 3, NoBackground), Gray(104)), std::vector<std::string>(3, "###"));
}

TEST_F(SectionPaint, HotStateTakesTheHotValues)
{
    section(button).HotColor = Green;
    section(button).HotTransparency = 100;
    EXPECT_EQ(Picture(item(2, 2, FillColorOnly(Red), {0, 0}, 1), Red), std::vector<std::string>(2, "##"));
    section(button).HotTransparency = 0;
    EXPECT_EQ(Picture(item(2, 2, FillColorOnly(Red), {0, 0}, 3), Green), std::vector<std::string>(2, "##"));
}

TEST_F(SectionPaint, CustomColourIgnoresTextureGradientAndTransparency)
{
    paint({20, 0, 22, 2}, Blue);
    addMask({20, 0, 22, 2}, 1, 0, ftTiled, 0, 0, 0, 0, itisaTexture, "BUTTON", "PATTERN");
    section(button).ImagePercent = 50;
    section(button).GradientPercent = 50;
    section(button).Transparency = 40;
    TBitmap parent = PositionParent(8, 8);
    TBitmap target = Solid(4, 4, Paper);
    PaintSectionBackground(button, "BUTTON", MakeBackgroundRef(&parent, 0, 0), Green, -1, -1, &skin, target, {0, 0},
                           {0, 0, 4, 4}, 0);
    EXPECT_EQ(Picture(target, Green), std::vector<std::string>(4, "####"));
}

TEST_F(SectionPaint, CornersSitAtTheCornersOfAnOffsetRectangle)
{
    paint({40, 0, 42, 2}, Red);
    paint({42, 0, 44, 2}, Green);
    paint({44, 0, 46, 2}, Blue);
    paint({46, 0, 48, 2}, clBlack);
    section(button).ImgTopLeft = addMask({40, 0, 42, 2}, 1, 0, 0, 0, 0, 0, 0, itisaGlyph);
    section(button).ImgTopRight = addMask({42, 0, 44, 2}, 1, 0, 0, 0, 0, 0, 0, itisaGlyph);
    section(button).ImgBtmLeft = addMask({44, 0, 46, 2}, 1, 0, 0, 0, 0, 0, 0, itisaGlyph);
    section(button).ImgBtmRight = addMask({46, 0, 48, 2}, 1, 0, 0, 0, 0, 0, 0, itisaGlyph);
    TBitmap target = Solid(40, 40, Paper);
    PaintSectionItem(button, "BUTTON", NoBackground, -1, -1, &skin, target, {0, 0}, {10, 5, 30, 25}, 0, true);
    EXPECT_EQ(Pixel(target, 10, 5), Red);
    EXPECT_EQ(Pixel(target, 11, 6), Red);
    EXPECT_EQ(Pixel(target, 28, 5), Green);
    EXPECT_EQ(Pixel(target, 29, 6), Green);
    EXPECT_EQ(Pixel(target, 10, 23), Blue);
    EXPECT_EQ(Pixel(target, 29, 24), clBlack);
    EXPECT_EQ(Pixel(target, 12, 7), Own);
    EXPECT_EQ(Pixel(target, 9, 5), Paper);
    EXPECT_EQ(Pixel(target, 30, 25), Paper);
}

TEST_F(SectionPaint, ActiveOnlyBorderIsDrawnInHotStatesOnly)
{
    paint({0, 0, 6, 6}, Red);
    section(button).BorderIndex = addMask({0, 0, 6, 6}, 1, 0, bfActiveOnly, 2, 2, 2, 2);
    EXPECT_EQ(Pixel(item(8, 8, NoBackground), 0, 0), Own);
    EXPECT_EQ(Pixel(item(8, 8, NoBackground, {0, 0}, 1), 0, 0), Red);
    TBitmap target = Solid(8, 8, Paper);
    PaintItemByIndex(button, section(button).BorderIndex, -1, &skin, target, {0, 0}, {0, 0, 8, 8}, 0, true,
                     NoBackground, "BUTTON", -1);
    EXPECT_EQ(Pixel(target, 0, 0), Own);
    PaintItemByIndex(button, section(button).BorderIndex, -1, &skin, target, {0, 0}, {0, 0, 8, 8}, 1, true,
                     NoBackground, "BUTTON", -1);
    EXPECT_EQ(Pixel(target, 0, 0), Red);
}

TEST_F(SectionPaint, BorderCornersRestoreTheParentShiftedByThePosition)
{
    paint({0, 0, 6, 6}, Red);
    SetPixel(master(), 0, 0, clFuchsia);
    section(button).BorderIndex = addMask({0, 0, 6, 6}, 1, 0, 0, 2, 2, 2, 2);
    TBitmap parent = PositionParent(20, 20);
    const TBitmap target = item(8, 8, MakeBackgroundRef(&parent, 1, 2), {3, 4});
    EXPECT_EQ(Pixel(target, 0, 0), Pixel(parent, 4, 6));
}

TEST_F(SectionPaint, NothingIsPaintedOutsideTheTargetOrWithoutASection)
{
    TBitmap target = Solid(4, 4, Paper);
    const TRect outside[] = {{-1, 0, 2, 2}, {0, 0, 5, 2}, {2, 2, 2, 3}, {3, 3, 1, 1}};
    for (const TRect& r : outside)
        PaintSectionItem(button, "BUTTON", NoBackground, -1, -1, &skin, target, {0, 0}, r, 0, true);
    PaintSectionItem(7, "NONE", NoBackground, -1, -1, &skin, target, {0, 0}, {0, 0, 4, 4}, 0, true);
    EXPECT_EQ(Picture(target, Paper), std::vector<std::string>(4, "####"));
}

TEST_F(SectionPaint, ExplicitTextureIndicesAndTheAdapterVariant)
{
    paint({20, 0, 22, 2}, Blue);
    paint({22, 0, 24, 2}, Green);
    const int normal = addMask({20, 0, 22, 2}, 1, 0, ftTiled, 0, 0, 0, 0, itisaTexture);
    const int hot = addMask({22, 0, 24, 2}, 1, 0, ftTiled, 0, 0, 0, 0, itisaTexture);
    section(button).ImagePercent = section(button).HotImagePercent = 100;
    TBitmap target = Solid(3, 3, Paper);
    PaintItemByIndex(button, -1, normal, &skin, target, {0, 0}, {0, 0, 3, 3}, 1, true, NoBackground, "BUTTON", hot);
    EXPECT_EQ(Picture(target, Green), std::vector<std::string>(3, "###"));
    // Over a colour-only parent only the main variant blends its own look into the parent's colour.
    section(button).Transparency = 40;
    PaintSectionBackgroundWithTexture(button, "BUTTON", FillColorOnly(Red), normal, &skin, target, {0, 0},
                                      {0, 0, 3, 3}, 0);
    EXPECT_EQ(Picture(target, Blue), std::vector<std::string>(3, "###"));
    PaintSectionBackground(button, "BUTTON", FillColorOnly(Red), clFuchsia, normal, hot, &skin, target, {0, 0},
                           {0, 0, 3, 3}, 0);
    // (parent * 102 + own * 153 + 127) div 256 per channel
    EXPECT_EQ(Picture(target, RGBColor(102, 0, 152)), std::vector<std::string>(3, "###"));
}

TEST_F(SectionPaint, MaskedDiscreteTextureIsLaidOverTheFinishedBackgroundInStateZero)
{
    paint({0, 50, 2, 52}, Green);
    paint({0, 52, 2, 54}, clBlack);
    addMask({0, 50, 2, 54}, 1, 1, ftDiscreteTiled, 0, 0, 0, 0, itisaTexture, "BUTTON", "PATTERN");
    const TBitmap normal = item(4, 4, FillColorOnly(Red));
    EXPECT_EQ(Picture(normal, Green), std::vector<std::string>(4, "####"));
    const TBitmap hot = item(4, 4, FillColorOnly(Red), {0, 0}, 1);
    EXPECT_EQ(Picture(hot, Own), std::vector<std::string>(4, "####"));
}

TEST_F(SectionPaint, SectionToDCPaintsOnlyTheRectangle)
{
    TBitmap dc = Solid(5, 4, Paper);
    PaintSectionToDC(button, "BUTTON", NoBackground, &skin, dc, {0, 0}, {1, 1, 3, 3}, 0, true);
    EXPECT_EQ(Picture(dc, Own), (std::vector<std::string>{".....", ".##..", ".##..", "....."}));
    PaintSectionToDC(button, "BUTTON", NoBackground, &skin, dc, {0, 0}, {-1, 0, 3, 3}, 0, true);
    EXPECT_EQ(Pixel(dc, 0, 0), Paper);
}

TEST_F(SectionPaint, SectionByNameFallsBackAndUsesTheDeviceAsBackground)
{
    section(button).Transparency = 100;
    TBitmap dc = PositionParent(10, 10);
    TBitmap target = Solid(3, 3, Paper);
    EXPECT_EQ(PaintSectionByName(target, "SPEEDBUTTON", "BUTTON", &dc, Red, {2, 3, 5, 6}, &skin, 0), button);
    EXPECT_EQ(Pixel(target, 0, 0), Pixel(dc, 2, 3));
    EXPECT_EQ(Pixel(target, 2, 2), Pixel(dc, 4, 5));
    EXPECT_EQ(PaintSectionByName(target, "BUTTON", "", nullptr, Red, {0, 0, 3, 3}, &skin, 0), button);
    EXPECT_EQ(Picture(target, Red), std::vector<std::string>(3, "###"));
    TBitmap untouched = Solid(3, 3, Paper);
    EXPECT_EQ(PaintSectionByName(untouched, "NONE", "NOTHING", nullptr, Red, {0, 0, 3, 3}, &skin, 0), -1);
    EXPECT_EQ(Picture(untouched, Paper), std::vector<std::string>(3, "###"));
}

} // namespace
