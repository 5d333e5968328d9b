#include "engine/TsSkinModel.h"
#include "engine/sColorAdjust.h"

#include <gtest/gtest.h>

namespace {

struct HueCase
{
    int offset;
    TColor color;
    TColor expected;
};

class ChangeHueTable : public testing::TestWithParam<HueCase>
{
};

TEST_P(ChangeHueTable, RotatesHueKeepingValueAndSaturation)
{
    const HueCase c = GetParam();
    EXPECT_EQ(ChangeHue(c.offset, c.color), c.expected)
        << "offset " << c.offset << " colour " << std::hex << c.color;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeHueTable,
    testing::Values(HueCase{120, RGBColor(255, 0, 0), RGBColor(0, 255, 0)},   // red to green
                    HueCase{240, RGBColor(255, 0, 0), RGBColor(0, 0, 255)},   // red to blue
                    HueCase{60, RGBColor(255, 0, 0), RGBColor(255, 255, 0)},  // sector 1 edge
                    HueCase{360, RGBColor(200, 100, 50), RGBColor(200, 100, 50)},
                    HueCase{-120, RGBColor(255, 0, 0), RGBColor(0, 0, 255)},  // below zero wraps
                    HueCase{-480, RGBColor(255, 0, 0), RGBColor(0, 0, 255)},
                    HueCase{90, RGBColor(0x80, 0x80, 0x80), RGBColor(0x80, 0x80, 0x80)}, // grey
                    HueCase{90, clBlack, clBlack},
                    // hue 0.5 rounds to the even 0, hue 1.5 to 2
                    HueCase{0, RGBColor(120, 1, 0), RGBColor(120, 0, 0)},
                    HueCase{1, RGBColor(120, 1, 0), RGBColor(120, 4, 0)},
                    // channel 126.5 rounds to the even 126, 127.5 to 128
                    HueCase{30, RGBColor(253, 0, 0), RGBColor(253, 126, 0)},
                    HueCase{30, RGBColor(255, 0, 0), RGBColor(255, 128, 0)},
                    // ties of the maximum go to red, then green
                    HueCase{0, RGBColor(200, 200, 0), RGBColor(200, 200, 0)},
                    HueCase{180, RGBColor(0, 200, 200), RGBColor(200, 0, 0)}));

struct SaturationCase
{
    TColor color;
    int amount;
    TColor expected;
};

class ChangeSaturationTable : public testing::TestWithParam<SaturationCase>
{
};

TEST_P(ChangeSaturationTable, MovesChannelsTowardsOrAwayFromGrey)
{
    const SaturationCase c = GetParam();
    EXPECT_EQ(ChangeSaturation(c.color, c.amount), c.expected)
        << "amount " << c.amount << " colour " << std::hex << c.color;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeSaturationTable,
    testing::Values(SaturationCase{RGBColor(200, 100, 0), 0, RGBColor(200, 100, 0)},
                    SaturationCase{RGBColor(200, 100, 0), 100, RGBColor(100, 100, 100)},
                    SaturationCase{RGBColor(200, 100, 0), 50, RGBColor(150, 100, 50)},
                    SaturationCase{RGBColor(200, 100, 0), -50, RGBColor(250, 100, 0)},  // limited at 0
                    SaturationCase{RGBColor(250, 10, 10), -100, RGBColor(255, 0, 0)},  // limited at 255
                    SaturationCase{RGBColor(3, 0, 0), 50, RGBColor(2, 0, 0)},            // 0.5 to even 0
                    SaturationCase{RGBColor(9, 0, 0), 50, RGBColor(6, 2, 2)},            // 1.5 to even 2
                    SaturationCase{0x7F000000 | RGBColor(200, 100, 0), 100, RGBColor(100, 100, 100)}));

TsSkinModel ModelWithOneSection()
{
    TsSkinModel model;
    TsGeneralData& d = model.SectionArray.emplace_back();
    d.SectionName = "BUTTON";
    d.Color = RGBColor(255, 0, 0);
    d.HotColor = RGBColor(0, 0, 255);
    d.FontColor[1] = clBlack;
    d.FontColor[2] = RGBColor(255, 0, 0);
    d.GradientArray = {{RGBColor(255, 0, 0), RGBColor(0, 255, 0), 100, 0, 0}};
    d.HotGradientArray = {{RGBColor(0, 0, 255), RGBColor(255, 0, 0), 100, 0, 0}};
    model.SkinData.Shadow1Color = RGBColor(255, 0, 0);
    model.SkinData.BorderColor = RGBColor(0, 255, 0);
    model.MasterBitmap = std::make_unique<TBitmap>(4, 1);
    auto set = [](TBitmap& b, int x, TColor c) {
        std::uint8_t* p = b.ScanLine(0) + x * b.BytesPerPixel();
        p[0] = GetBValue(c);
        p[1] = GetGValue(c);
        p[2] = GetRValue(c);
    };
    set(*model.MasterBitmap, 0, RGBColor(255, 0, 0));
    set(*model.MasterBitmap, 1, clFuchsia);
    set(*model.MasterBitmap, 2, RGBColor(0x80, 0x80, 0x80));
    set(*model.MasterBitmap, 3, RGBColor(0, 255, 0));
    TsMaskData& glow = model.MaskArray.emplace_back();
    glow.Bmp = std::make_unique<TBitmap>(1, 1, TPixelFormat::pf32bit);
    set(*glow.Bmp, 0, RGBColor(255, 0, 0));
    glow.Bmp->ScanLine(0)[3] = 77;
    return model;
}

std::vector<std::uint8_t> Row(const TBitmap& b)
{
    return {b.ScanLine(0), b.ScanLine(0) + b.Width() * b.BytesPerPixel()};
}

TEST(ApplyHueOffset, RecoloursPixelsSectionsAndSkinDataButNotTransparentOrGrey)
{
    TsSkinModel model = ModelWithOneSection();
    ApplyHueOffset(model, 120);
    // BGR bytes: red -> green, fuchsia and grey kept, green -> blue.
    EXPECT_EQ(Row(*model.MasterBitmap),
              (std::vector<std::uint8_t>{0, 255, 0, 255, 0, 255, 0x80, 0x80, 0x80, 255, 0, 0}));
    EXPECT_EQ(Row(*model.MaskArray[0].Bmp), (std::vector<std::uint8_t>{0, 255, 0, 77}));
    const TsGeneralData& d = model.SectionArray[0];
    EXPECT_EQ(d.Color, RGBColor(0, 255, 0));
    EXPECT_EQ(d.HotColor, RGBColor(255, 0, 0));
    EXPECT_EQ(d.FontColor[1], clBlack);
    EXPECT_EQ(d.FontColor[2], RGBColor(0, 255, 0));
    EXPECT_EQ(d.FontColor[3], TColor(-1)); // no contour stays no contour
    EXPECT_EQ(d.HotFontColor[2], TColor(-1));
    EXPECT_EQ(d.GradientArray[0].Color1, RGBColor(0, 255, 0));
    EXPECT_EQ(d.GradientArray[0].Color2, RGBColor(0, 0, 255));
    EXPECT_EQ(d.HotGradientArray[0].Color1, RGBColor(255, 0, 0));
    EXPECT_EQ(model.SkinData.Shadow1Color, RGBColor(0, 255, 0));
    EXPECT_EQ(model.SkinData.BorderColor, RGBColor(0, 0, 255));
}

TEST(ApplySaturation, UsesTheNegatedRemainderOf101)
{
    struct Case { int saturation; TColor expected; };
    // Section colour (200, 100, 0): -100 gives grey, 101 and 0 change nothing,
    // 50 pushes away from grey, 150 means -49.
    for (const Case c : {Case{-100, RGBColor(100, 100, 100)}, Case{101, RGBColor(200, 100, 0)},
                         Case{0, RGBColor(200, 100, 0)}, Case{50, RGBColor(250, 100, 0)},
                         Case{150, RGBColor(249, 100, 0)}}) {
        TsSkinModel model;
        model.SectionArray.emplace_back().Color = RGBColor(200, 100, 0);
        ApplySaturation(model, c.saturation);
        EXPECT_EQ(model.SectionArray[0].Color, c.expected) << "saturation " << c.saturation;
    }
}

TEST(ApplySaturation, TurnsEveryPixelToItsRoundedGreyAtMinus100)
{
    TsSkinModel model = ModelWithOneSection();
    ApplySaturation(model, -100);
    // red (255,0,0) -> 85; fuchsia kept; grey kept; green -> 85.
    EXPECT_EQ(Row(*model.MasterBitmap),
              (std::vector<std::uint8_t>{85, 85, 85, 255, 0, 255, 0x80, 0x80, 0x80, 85, 85, 85}));
}

} // namespace
