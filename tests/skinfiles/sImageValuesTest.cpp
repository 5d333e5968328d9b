#include "skinfiles/sImageValues.h"

#include "skinfiles/sStoreUtils.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TsImageValue Rect(int left, int top, int right, int bottom)
{
    TsImageValue image;
    image.Left = left;
    image.Top = top;
    image.Right = right;
    image.Bottom = bottom;
    return image;
}

TsImageValue Border(TsImageValue image, int wl, int wt, int wr, int wb, int count, int mask, int stretch, int width)
{
    image.WL = wl;
    image.WT = wt;
    image.WR = wr;
    image.WB = wb;
    image.ImageCount = count;
    image.MaskType = mask;
    image.StretchMode = stretch;
    image.BorderWidth = width;
    return image;
}

TsImageValue Frames(TsImageValue image, int count, int mask, int stretch = 0)
{
    image.ImageCount = count;
    image.MaskType = mask;
    image.StretchMode = stretch;
    return image;
}

} // namespace

TEST(sImageValues, ValuesAreClassifiedByFirstCharacterThenByName)
{
    struct Case { const char* value; TsImageValueKind kind; };
    const Case cases[] = {
        {"", TsImageValueKind::None},
        {"^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1", TsImageValueKind::Border},
        {"@0106@0000@0145@0013@3@0", TsImageValueKind::Glyph},
        {"~0067~0141~0069~0145~10~1", TsImageValueKind::Texture},
        {"!BUTTONHUGE.BMP!3!1!0", TsImageValueKind::File},
        {"!#.BMP!3!1!0", TsImageValueKind::File},
        {"# (0,0,10,10) (3)", TsImageValueKind::Legacy},
        {"Team #1", TsImageValueKind::Legacy},
        {"#", TsImageValueKind::None},
        {"button.bmp", TsImageValueKind::BitmapFile},
        {"Back.Jpeg", TsImageValueKind::JpegFile},
        {"BACK.JPG", TsImageValueKind::JpegFile},
        {"N/A", TsImageValueKind::None},
        {"16579836;15066597;99;0;0", TsImageValueKind::None},
        {"TRUE", TsImageValueKind::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyImageValue(c.value), c.kind) << c.value;
}

TEST(sImageValues, FixedPositionValuesReadTheirFields)
{
    EXPECT_EQ(ParseBorderValue("^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1"),
              Border(Rect(4, 51, 7, 57), 0, 1, 2, 1, 1, 0, 4, 1));
    EXPECT_EQ(ParseBorderValue("^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1 and more"),
              Border(Rect(4, 51, 7, 57), 0, 1, 2, 1, 1, 0, 4, 1));
    EXPECT_EQ(ParseGlyphValue("@0106@0000@0145@0013@3@0"), Frames(Rect(106, 0, 145, 13), 3, 0));
    EXPECT_EQ(ParseTextureValue("~0067~0141~0069~0145~10~1"), Frames(Rect(67, 141, 69, 145), 1, 1, 10));
    EXPECT_EQ(ParseTextureValue("~0150~0070~0156~0078~00~0"), Frames(Rect(150, 70, 156, 78), 1, 0, 0));
    EXPECT_EQ(ParseTextureValue("~0150~0070~0156~0078~05"), Frames(Rect(150, 70, 156, 78), 1, 0, 5));
}

TEST(sImageValues, BrokenFixedPositionFieldsAreConversionErrors)
{
    using Parse = TsImageValue (*)(std::string_view);
    struct Case { Parse parse; const char* value; };
    const Case cases[] = {
        {ParseBorderValue, "^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^"},  // 47 characters
        {ParseBorderValue, "^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4"},
        {ParseBorderValue, "^0004^00x1^0007^0057^0000^0001^0002^0001^1^0^4^1"},
        {ParseBorderValue, "^0004^-051^0007^0057^0000^0001^0002^0001^1^0^4^1"},
        {ParseBorderValue, "^4^51^7^57^0^1^2^1^1^0^4^1"},
        {ParseBorderValue, "^"},
        {ParseGlyphValue, "@0106@0000@0145@0013@3@"},
        {ParseGlyphValue, "@0106@0000@0145@0013@3"},
        {ParseGlyphValue, "@0106@ 000@0145@0013@3@0"},
        {ParseTextureValue, "~0067~0141~0069~0145~1"},
        {ParseTextureValue, "~0067~0141~0069~0145~10~x"},
    };
    for (const Case& c : cases) {
        try {
            c.parse(c.value);
            ADD_FAILURE() << "no conversion error for " << c.value;
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Value(), c.value);
        }
    }
}

TEST(sImageValues, EveryWrittenValueReadsBackTheSame)
{
    const TsImageValue border = Border(Rect(0, 57, 42, 79), 3, 0, 9999, 12, 3, 1, 7, 1);
    EXPECT_EQ(FormatBorderValue(border), "^0000^0057^0042^0079^0003^0000^9999^0012^3^1^7^1");
    EXPECT_EQ(ParseBorderValue(FormatBorderValue(border)), border);

    const TsImageValue glyph = Frames(Rect(106, 0, 145, 13), 3, 0);
    EXPECT_EQ(FormatGlyphValue(glyph), "@0106@0000@0145@0013@3@0");
    EXPECT_EQ(ParseGlyphValue(FormatGlyphValue(glyph)), glyph);

    const TsImageValue texture = Frames(Rect(67, 141, 69, 145), 1, 1, 10);
    EXPECT_EQ(FormatTextureValue(texture), "~0067~0141~0069~0145~10~1");
    EXPECT_EQ(ParseTextureValue(FormatTextureValue(texture)), texture);

    TsFileImageValue file{"buttonHuge.bmp", 3, 1, 0, false, 0, 0, 0, 0};
    EXPECT_EQ(FormatFileValue(file), "!BUTTONHUGE.BMP!3!1!0");
    file.FileName = "BUTTONHUGE.BMP";
    EXPECT_EQ(ParseFileValue(FormatFileValue(file)), file);
    const TsFileImageValue banded{"GLOW.PNG", 1, 0, 3, true, 5, 6, 7, 12};
    EXPECT_EQ(FormatFileValue(banded), "!GLOW.PNG!1!0!3!0005!0006!0007!0012");
    EXPECT_EQ(ParseFileValue(FormatFileValue(banded)), banded);
}

TEST(sImageValues, FieldsThatDoNotFitTheirWidthAreNotWritten)
{
    EXPECT_EQ(FormatGlyphValue(Frames(Rect(10000, 0, 1, 1), 1, 0)), "");
    EXPECT_EQ(FormatGlyphValue(Frames(Rect(-1, 0, 1, 1), 1, 0)), "");
    EXPECT_EQ(FormatGlyphValue(Frames(Rect(0, 0, 1, 1), 10, 0)), "");
    EXPECT_EQ(FormatTextureValue(Frames(Rect(0, 0, 1, 1), 1, 0, 100)), "");
    EXPECT_EQ(FormatBorderValue(Border(Rect(0, 0, 1, 1), 0, 0, 0, 0, 1, 0, 0, -1)), "");
    EXPECT_EQ(FormatFileValue({"A!B.BMP", 1, 0, 0, false, 0, 0, 0, 0}), "");
    EXPECT_EQ(FormatFileValue({"", 1, 0, 0, false, 0, 0, 0, 0}), "");
}

TEST(sImageValues, FileValuesNeedIntegerWords)
{
    EXPECT_EQ(ParseFileValue("!C:/SKINS/X.PNG!$2!1!7"), (TsFileImageValue{"C:/SKINS/X.PNG", 2, 1, 7, false, 0, 0, 0, 0}));
    for (const char* value : {"!A.BMP!3!1", "!A.BMP!3!x!0", "!A.BMP!3!1!0!0001!0002!0003", "!", "!A.BMP!3!1!0!1!2!3!z"})
        EXPECT_THROW(ParseFileValue(value), EConvertError) << value;
    EXPECT_TRUE(IsFileValueImageName("BUTTON.BMP"));
    EXPECT_TRUE(IsFileValueImageName("GLOW.PNG"));
    EXPECT_FALSE(IsFileValueImageName("button.bmp"));
    EXPECT_FALSE(IsFileValueImageName("BACK.JPG"));
    for (const auto [kind, type] : {std::pair{-4, 0}, std::pair{0, 0}, std::pair{2, 2}, std::pair{3, 3}, std::pair{9, 3}})
        EXPECT_EQ(FileValueImageType(kind), type) << kind;
}

TEST(sImageValues, LegacyValuesFillAbsentNumbers)
{
    struct Case { const char* value; std::optional<TsImageValue> expected; };
    const Case cases[] = {
        {"# (0,0,10,10) (3)", Border(Rect(0, 0, 10, 10), 0, 0, 0, 0, 3, 0, 1, 0)},
        {"# (0,0,10,10)", Border(Rect(0, 0, 10, 10), 0, 0, 0, 0, 1, 0, 1, 0)},
        {"#(1,2,30,40)(0,-2,-3,5)", Border(Rect(1, 2, 30, 40), 0, 0, 0, 0, 1, 0, 5, 0)},
        {"# (1,2,30,40) (2,1,4,0)", Border(Rect(1, 2, 30, 40), 0, 0, 0, 0, 2, 1, 0, 4)},
        {"# (0,0,10) (3)", std::nullopt},
        {"# (0,0,x,10) (3)", std::nullopt},
        {"# (0,0,10,10) (3,y)", std::nullopt},
        {"Team #1", std::nullopt},
        {"#", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseLegacyValue(c.value), c.expected) << c.value;
}

TEST(sImageValues, EngineBandWidthsFollowTheDefaults)
{
    const TsImageValue thirds = EngineImageValue(ParseBorderValue("^0000^0057^0042^0079^0000^0000^0000^0000^3^0^0^0"));
    EXPECT_EQ((std::array{thirds.WL, thirds.WT, thirds.WR, thirds.WB}), (std::array{4, 7, 4, 7}));
    const TsImageValue common = EngineImageValue(ParseBorderValue("^0000^0057^0042^0079^0000^0000^0000^0000^3^0^0^2"));
    EXPECT_EQ((std::array{common.WL, common.WT, common.WR, common.WB}), (std::array{2, 2, 2, 2}));
    const TsImageValue given = EngineImageValue(ParseBorderValue("^0000^0057^0042^0079^0001^0000^0000^0000^3^1^0^2"));
    EXPECT_EQ((std::array{given.WL, given.WT, given.WR, given.WB}), (std::array{1, 0, 0, 0}));

    // An image count of 0 is read as 1 instead of dividing by zero.
    const TsImageValue zero = EngineImageValue(ParseGlyphValue("@0000@0000@0030@0030@0@0"));
    EXPECT_EQ(zero.ImageCount, 1);
    EXPECT_EQ((std::array{zero.WL, zero.WT, zero.WR, zero.WB}), (std::array{10, 10, 10, 10}));

    const TsImageValue legacy = EngineImageValue(*ParseLegacyValue("# (0,0,10,10) (3)"));
    EXPECT_EQ(legacy, Border(Rect(0, 0, 10, 10), 1, 3, 1, 3, 3, 0, 1, 0));
}

TEST(sImageValues, FileAndPlainBitmapImagesUseTheWholeImage)
{
    const TsImageValue file = FileEngineImageValue(ParseFileValue("!BUTTONHUGE.BMP!3!1!0"), 90, 60);
    EXPECT_EQ(file, Border(Rect(0, 0, 90, 60), 10, 10, 10, 10, 3, 1, 4, 0));
    const TsImageValue banded = FileEngineImageValue(ParseFileValue("!G.PNG!1!0!3!0000!0000!0000!0000"), 90, 60);
    EXPECT_EQ(banded, Border(Rect(0, 0, 90, 60), 0, 0, 0, 0, 1, 0, 4, 0));
    const TsImageValue broken = FileEngineImageValue(ParseFileValue("!G.PNG!0!-1!3"), 90, 60);
    EXPECT_EQ(broken, Border(Rect(0, 0, 90, 60), 30, 20, 30, 20, 1, 0, 4, 0));
    const TsImageValue huge = FileEngineImageValue(ParseFileValue("!G.PNG!2147483647!2147483647!3"), 90, 60);
    EXPECT_EQ(huge.WL, 0);
    EXPECT_EQ(PlainBitmapEngineImageValue(90, 60), Border(Rect(0, 0, 90, 60), 10, 10, 10, 10, 3, 1, 0, 0));
}
