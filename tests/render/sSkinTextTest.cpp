#include "render/sSkinText.h"

#include "RenderFixtures.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, Yellow = 0x00FFFF;

QFont CrispFont()
{
    QFont font;
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

std::set<TColor> Colours(const TBitmap& bitmap)
{
    std::set<TColor> colours;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            colours.insert(Pixel(bitmap, x, y));
    return colours;
}

class SkinText : public SkinInMemory
{
protected:
    SkinText()
    {
        label = addSection("LABEL", clWhite);
        section(label).FontColor[1] = clBlack;
    }

    void setContours(TsFontColors& colors)
    {
        colors[2] = Red, colors[3] = Green, colors[4] = Blue, colors[5] = Yellow;
    }

    TBitmap bitmap = Solid(40, 24, clWhite);
    TsTextCanvas canvas{bitmap, CrispFont()};
    int label = -1;
};

TEST_F(SkinText, WithoutContoursTheTextIsDrawnOnce)
{
    WriteSectionText(canvas, "IHI", true, &skin, false, label, Qt::AlignCenter, {0, 0, 40, 24});
    EXPECT_EQ(Colours(bitmap), (std::set<TColor>{clBlack, clWhite}));
}

TEST_F(SkinText, FourContoursAndTheTextMakeFiveDraws)
{
    setContours(section(label).FontColor);
    WriteSectionText(canvas, "IHI", true, &skin, false, label, Qt::AlignCenter, {0, 0, 40, 24});
    EXPECT_EQ(Colours(bitmap), (std::set<TColor>{clBlack, clWhite, Red, Green, Blue, Yellow}));
    EXPECT_EQ(canvas.FontColor, clBlack);
}

TEST_F(SkinText, HotStateUsesTheHotColours)
{
    setContours(section(label).FontColor);
    section(label).HotFontColor[1] = Red;
    WriteSectionText(canvas, "IHI", true, &skin, true, label, Qt::AlignCenter, {0, 0, 40, 24});
    EXPECT_EQ(Colours(bitmap), (std::set<TColor>{Red, clWhite}));
}

TEST_F(SkinText, DisabledTextMixesTheFontColourIntoTheBackground)
{
    setContours(section(label).FontColor);
    WriteSectionText(canvas, "IHI", false, &skin, false, label, Qt::AlignCenter, {0, 0, 40, 24});
    EXPECT_EQ(Colours(bitmap), (std::set<TColor>{Gray(153), clWhite})); // 0.4 of black, 0.6 of white
    section(label).Color = clBlack;
    skin.SectionArray.insert(skin.SectionArray.begin(), TsGeneralData{});
    skin.SectionArray[0].SectionName = "GLOBALINFO";
    skin.SectionArray[0].Color = Blue;
    TBitmap other = Solid(40, 24, clWhite);
    TsTextCanvas otherCanvas{other, CrispFont()};
    WriteSkinText(otherCanvas, "IHI", false, false, label + 1, false, &skin, Qt::AlignCenter, {0, 0, 40, 24});
    EXPECT_EQ(Colours(other), (std::set<TColor>{RGBColor(0, 0, 153), clWhite})); // against the global colour
}

TEST_F(SkinText, SkinTextWithCustomFontKeepsTheCanvasColourAndIsClipped)
{
    setContours(section(label).FontColor);
    canvas.FontColor = Green;
    WriteSkinText(canvas, "IHIHIHIHIH", true, false, label, true, &skin, Qt::AlignLeft | Qt::AlignTop, {0, 0, 20, 24});
    EXPECT_EQ(Colours(bitmap), (std::set<TColor>{Green, clWhite}));
    for (int y = 0; y < 24; ++y)
        for (int x = 20; x < 40; ++x)
            ASSERT_EQ(Pixel(bitmap, x, y), clWhite);
    WriteSkinText(canvas, "", true, false, label, false, &skin, 0, {0, 0, 40, 24});
    EXPECT_EQ(canvas.FontColor, Green) << "an empty text changes nothing";
}

TEST_F(SkinText, EllipsisCutsTheEndUntilTheTextFits)
{
    const QFontMetrics metrics(canvas.Font);
    const int width = metrics.horizontalAdvance("Hello...");
    EXPECT_EQ(FitTextWithEllipsis(canvas, "Hello world", width), "Hello...");
    EXPECT_EQ(FitTextWithEllipsis(canvas, "Hello", width), "Hello");
    EXPECT_EQ(FitTextWithEllipsis(canvas, "Hello world", 1), "");
    EXPECT_EQ(FitTextWithEllipsis(canvas, "", 0), "");
}

} // namespace
