// Every section of the built-in skins painted as `vespira render` paints it:
// nothing of the transparent colour may reach the result, at any size.

#include "engine/sBuiltInSkins.h"
#include "engine/sSkinCommand.h"
#include "engine/sSkinManager.h"
#include "graphics/sGraphUtils.h"
#include "render/sSectionPaint.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// First pixel of the transparent colour, as "x,y", or "".
std::string FuchsiaPixel(const TBitmap& bitmap)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 3)
            if (p[0] == 0xFF && p[1] == 0x00 && p[2] == 0xFF)
                return std::to_string(x) + "," + std::to_string(y);
    }
    return "";
}

class BuiltInSkinPaint : public testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        SetSkinBroadcast([](SkinCommandEvent&) {});
        manager.SetSkinDirectory(folder.path().toStdString());
        manager.SetInternalSkins(BuiltInSkins());
        manager.SetSkinName(GetParam());
    }
    void TearDown() override { SetSkinBroadcast({}); }

    TestFolder folder;
    TsSkinManager manager;
};

TEST_P(BuiltInSkinPaint, NoSectionLeavesTheTransparentColourInStatesZeroAndOneAtThreeSizes)
{
    ASSERT_EQ(manager.SkinName(), GetParam());
    const TSize sizes[] = {{7, 5}, {96, 28}, {320, 180}};
    for (std::size_t i = 0; i < manager.SectionArray.size(); ++i) {
        const std::string& name = manager.SectionArray[i].SectionName;
        for (const TSize& size : sizes)
            for (int state : {0, 1}) {
                TBitmap bitmap = NewBitmap24(size.Width, size.Height);
                const TRect whole{0, 0, size.Width, size.Height};
                FillRectColor(bitmap, whole, RGBColor(90, 120, 150));
                PaintSectionItem(int(i), name, MakeBackgroundRef(&bitmap, 0, 0), -1, -1, &manager, bitmap, TPoint{0, 0},
                                 whole, state, true);
                EXPECT_EQ(FuchsiaPixel(bitmap), "")
                    << name << " " << size.Width << "x" << size.Height << " state " << state;
            }
    }
}

// A group box shows its parent everywhere but on its outline: the clear
// pixels of its picture's bands must leave the parent's pixels exactly.
TEST_P(BuiltInSkinPaint, ClearPixelsOfABorderPictureLeaveTheParentExactly)
{
    const int section = manager.SectionIndexOf("GROUPBOX");
    ASSERT_GE(section, 0);
    const int border = manager.SectionArray[std::size_t(section)].BorderIndex;
    ASSERT_GE(border, 0);
    const int left = manager.MaskWL(border);
    const TColor parent = RGBColor(90, 120, 150);
    TBitmap bitmap = NewBitmap24(100, 60);
    const TRect whole{0, 0, 100, 60};
    FillRectColor(bitmap, whole, parent);
    PaintSectionItem(section, "GROUPBOX", MakeBackgroundRef(&bitmap, 0, 0), -1, -1, &manager, bitmap, TPoint{0, 0}, whole,
                     0, true);
    // Inside the one-pixel outline: the left and right bands, and the middle.
    for (int y = 20; y < 40; ++y)
        for (int x : {1, left - 1, left, 50, 99 - left, 98}) {
            const std::uint8_t* p = bitmap.ScanLine(y) + x * 3;
            EXPECT_EQ(RGBColor(p[2], p[1], p[0]), parent) << "pixel " << x << "," << y;
        }
    const std::uint8_t* outline = bitmap.ScanLine(30);
    EXPECT_NE(RGBColor(outline[2], outline[1], outline[0]), parent);
}

INSTANTIATE_TEST_SUITE_P(Embedded, BuiltInSkinPaint, testing::Values("Vespira Light (internal)", "Vespira Dark (internal)"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.index == 0 ? "Light" : "Dark");
                         });

} // namespace
