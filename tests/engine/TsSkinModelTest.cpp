#include "engine/TsSkinModel.h"

#include <gtest/gtest.h>

namespace {

TsGeneralData& AddSection(TsSkinModel& model, std::string name, std::string parent = "")
{
    TsGeneralData& d = model.SectionArray.emplace_back();
    d.SectionName = std::move(name);
    d.ParentClass = std::move(parent);
    return d;
}

TsMaskData& AddMask(TsSkinModel& model, std::string section, std::string prop, TovImgType type = itisaBorder)
{
    TsMaskData& m = model.MaskArray.emplace_back();
    m.SectionName = std::move(section);
    m.PropertyName = std::move(prop);
    m.ImgType = type;
    return m;
}

TsPatternData& AddPattern(TsSkinModel& model, std::string section, std::string prop)
{
    TsPatternData& p = model.PatternArray.emplace_back();
    p.SectionName = std::move(section);
    p.PropertyName = std::move(prop);
    return p;
}

// TABCONTROL -> PAGECONTROL -> FORM; FORM has the border, PAGECONTROL the texture.
class ModelLookups : public testing::Test
{
protected:
    void SetUp() override
    {
        AddSection(model, "FORM");
        AddSection(model, "PAGECONTROL", "FORM");
        AddSection(model, "TABCONTROL", "PAGECONTROL");
        AddSection(model, "LOOPA", "LOOPB");
        AddSection(model, "LOOPB", "LOOPA");
        AddSection(model, "SELF", "SELF");
        AddMask(model, "FORM", "BORDERSMASK");                 // 0
        AddMask(model, "PAGECONTROL", "PATTERN", itisaGlyph);  // 1: not a texture
        AddMask(model, "FORM", "PATTERN", itisaTexture);       // 2
        AddMask(model, "GHOST", "GLYPHMASK");                  // 3: no such section
        AddMask(model, "FORM", "BORDERSMASK");                 // 4: later duplicate
        AddPattern(model, "FORM", "PATTERN");
    }
    TsSkinModel model;
};

TEST_F(ModelLookups, SectionIndexOfIsExactAndFirst)
{
    EXPECT_EQ(model.SectionIndexOf("PAGECONTROL"), 1);
    EXPECT_EQ(model.SectionIndexOf("pagecontrol"), -1);
    EXPECT_EQ(model.SectionIndexOf(""), -1);
}

TEST_F(ModelLookups, MaskIndexOfWalksTheParentChainAndReturnsTheEarlierDuplicate)
{
    EXPECT_EQ(model.MaskIndexOf(2, "TABCONTROL", "BORDERSMASK"), 0);
    EXPECT_EQ(model.MaskIndexOf(0, "FORM", "BORDERSMASK"), 0);
    EXPECT_EQ(model.MaskIndexOf(2, "TABCONTROL", "IMGTOPLEFT"), -1);
    EXPECT_EQ(model.MaskIndexOf(-1, "FORM", "BORDERSMASK"), -1);
    EXPECT_EQ(model.MaskIndexOf(0, "", "BORDERSMASK"), -1);
    EXPECT_EQ(model.MaskIndexOf(0, "FORM", "bordersmask"), -1);
}

TEST_F(ModelLookups, MaskIndexOfSearchesTheNameNotTheEntryAtIndex)
{
    // A valid index with a name that is no section still finds the images stored under it.
    EXPECT_EQ(model.MaskIndexOf(1, "GHOST", "GLYPHMASK"), 3);
    // The index leads to the parent: FORM's parent is none, so nothing else is tried.
    EXPECT_EQ(model.MaskIndexOf(0, "GHOST", "BORDERSMASK"), -1);
}

TEST_F(ModelLookups, ParentLoopsAndSelfParentsEnd)
{
    EXPECT_EQ(model.MaskIndexOf(3, "LOOPA", "BORDERSMASK"), -1);
    EXPECT_EQ(model.TextureIndexOf(4, "LOOPB", "PATTERN"), -1);
    EXPECT_EQ(model.PatternIndexOf(3, "LOOPA", "PATTERN"), -1);
    EXPECT_EQ(model.MaskIndexOf(5, "SELF", "BORDERSMASK"), -1);
}

TEST_F(ModelLookups, MaskIndexExactHasNoInheritance)
{
    EXPECT_EQ(model.MaskIndexExact("FORM", "BORDERSMASK"), 0);
    EXPECT_EQ(model.MaskIndexExact("TABCONTROL", "BORDERSMASK"), -1);
    EXPECT_EQ(model.MaskIndexExact("", "BORDERSMASK"), -1);
}

TEST_F(ModelLookups, TextureIndexOfCountsTexturesOnly)
{
    // PAGECONTROL's own PATTERN is a glyph, so the parent's texture is found.
    EXPECT_EQ(model.TextureIndexOf(1, "PAGECONTROL", "PATTERN"), 2);
    EXPECT_EQ(model.MaskIndexOf(1, "PAGECONTROL", "PATTERN"), 1);
}

TEST_F(ModelLookups, PatternIndexOfSearchesBackgrounds)
{
    EXPECT_EQ(model.PatternIndexOf(2, "TABCONTROL", "PATTERN"), 0);
    model.PatternArray.clear();
    EXPECT_EQ(model.PatternIndexOf(2, "TABCONTROL", "PATTERN"), -1);
}

TEST(MaskWidths, OwnWidthThenBorderWidthThenThirdOfFrame)
{
    TsSkinModel model;
    TsMaskData& m = AddMask(model, "A", "BORDERSMASK");
    m.R = {0, 57, 42, 79}; // 42 x 22, three frames, no mask band
    m.ImageCount = 3;
    EXPECT_EQ(model.MaskWL(0), 4);
    EXPECT_EQ(model.MaskWR(0), 4);
    EXPECT_EQ(model.MaskWT(0), 7);
    EXPECT_EQ(model.MaskWB(0), 7);
    m.BorderWidth = 2;
    EXPECT_EQ(model.MaskWL(0), 2);
    EXPECT_EQ(model.MaskWB(0), 2);
    m.WL = 5;
    m.WB = 6;
    EXPECT_EQ(model.MaskWL(0), 5);
    EXPECT_EQ(model.MaskWR(0), 2);
    EXPECT_EQ(model.MaskWB(0), 6);
    EXPECT_EQ(model.MaskWL(1), 0);
}

TEST(MaskWidths, DamagedCountsNeverDivideByZero)
{
    TsSkinModel model;
    TsMaskData& m = AddMask(model, "A", "BORDERSMASK");
    m.R = {0, 0, 30, 30};
    m.ImageCount = 0; // read as one frame
    m.MaskType = -1;  // read as no mask band
    EXPECT_EQ(model.MaskWL(0), 10);
    EXPECT_EQ(model.MaskWT(0), 10);
    EXPECT_EQ(model.MaskCellSize(0), (TSize{30, 30}));
}

TEST(MaskCellSize, OwnBitmapIsThirdsByHalvesElseTheFrame)
{
    TsSkinModel model;
    TsMaskData& own = AddMask(model, "A", "BORDERSMASK");
    own.Bmp = std::make_unique<TBitmap>(30, 20);
    own.R = {0, 0, 30, 20};
    own.ImageCount = 1;
    TsMaskData& rect = AddMask(model, "A", "GLYPHMASK");
    rect.R = {10, 10, 40, 30};
    rect.ImageCount = 3;
    rect.MaskType = 1;
    EXPECT_EQ(model.MaskCellSize(0), (TSize{10, 10}));
    EXPECT_EQ(model.MaskCellSize(1), (TSize{10, 10}));
    EXPECT_EQ(model.MaskCellSize(7), (TSize{0, 0}));
}

TColor FakeSystemColor(TColor c)
{
    return 0x010100 + (c & 0xFF); // index in the red byte, tagged
}

class GlobalColours : public testing::Test
{
protected:
    void SetUp() override { SetSystemColorLookup(FakeSystemColor); }
    void TearDown() override { SetSystemColorLookup(nullptr); }
};

TEST_F(GlobalColours, WithoutSectionsTheSystemColoursStandIn)
{
    TsSkinModel model;
    EXPECT_EQ(model.GlobalColor(), 0x01010FU);     // button face
    EXPECT_EQ(model.GlobalHotColor(), 0x010105U);  // window
    EXPECT_EQ(model.GlobalFontColor(), clFuchsia);
    EXPECT_EQ(model.EditHotFontColor(), clFuchsia);
    EXPECT_EQ(model.MenuHotColor(), 0x01010DU);    // highlight
    EXPECT_EQ(model.MenuHotFontColor(), 0x01010EU); // highlight text
}

TEST_F(GlobalColours, SectionColoursAreConvertedToRgb)
{
    TsSkinModel model;
    TsGeneralData& g = AddSection(model, "GLOBALINFO");
    g.Color = 0x123456;
    g.HotColor = 0xFF000008;
    g.FontColor[1] = 0x00ABCD;
    TsGeneralData& e = AddSection(model, "EDIT");
    e.HotFontColor[1] = 0x0000FF;
    EXPECT_EQ(model.GlobalColor(), 0x123456U);
    EXPECT_EQ(model.GlobalHotColor(), 0x010108U);
    EXPECT_EQ(model.GlobalFontColor(), 0x00ABCDU);
    EXPECT_EQ(model.EditHotFontColor(), 0x0000FFU);
}

TEST_F(GlobalColours, MenuColoursNeedUsableValues)
{
    struct Case { TColor hot; TColor hotFont; TColor menuHot; TColor menuHotFont; };
    for (const Case c : {Case{0x112233, 0x445566, 0x112233, 0x445566},
                         Case{clWhite, 0x445566, 0x01010D, 0x01010E},   // white hot colour: neither
                         Case{clFuchsia, 0x445566, 0x01010D, 0x01010E},
                         Case{0x112233, clBlack, 0x112233, 0x01010E},   // black text is not taken
                         Case{0x112233, clWhite, 0x112233, 0x01010E}}) {
        TsSkinModel model;
        TsGeneralData& m = AddSection(model, "MENUITEM");
        m.HotColor = c.hot;
        m.HotFontColor[1] = c.hotFont;
        EXPECT_EQ(model.MenuHotColor(), c.menuHot) << std::hex << c.hot << " " << c.hotFont;
        EXPECT_EQ(model.MenuHotFontColor(), c.menuHotFont) << std::hex << c.hot << " " << c.hotFont;
    }
}

TEST(StdIndexes, ResolvedFromSectionsAndImages)
{
    TsSkinModel model;
    AddSection(model, "GLOBALINFO");
    AddSection(model, "TABTOP", "PAGECONTROL");
    AddSection(model, "PAGECONTROL");
    AddSection(model, "COMBOBTN", "PAGECONTROL");
    AddSection(model, "COMBOBOX", "PAGECONTROL");
    AddMask(model, "PAGECONTROL", "BORDERSMASK");          // 0
    AddMask(model, "GLOBALINFO", "BOXCHECKED", itisaGlyph); // 1
    AddMask(model, "PAGECONTROL", "PATTERN", itisaTexture); // 2
    AddMask(model, "PAGECONTROL", "GLYPHMASK", itisaGlyph); // 3
    model.FillStdIndexes();
    const TsStdIndexes& x = model.StdIndexes;
    EXPECT_EQ(x.GlobalInfo, 0);
    EXPECT_EQ(x.TabTop, 1);
    EXPECT_EQ(x.TabTopMask, 0);      // inherited from PAGECONTROL
    EXPECT_EQ(x.TabBottom, -1);
    EXPECT_EQ(x.TabBottomMask, -1);
    EXPECT_EQ(x.CheckBoxChecked, 1);
    EXPECT_EQ(x.CheckBoxGrayed, -1);
    EXPECT_EQ(x.ComboBtn, 3);
    EXPECT_EQ(x.ComboBtnMask, -1);   // no inheritance for the combo button's border
    EXPECT_EQ(x.ComboBtnPattern, 2); // textures inherit
    EXPECT_EQ(x.ComboBoxGlyph, -1);  // nor for the combo box's glyph
    model.ClearStdIndexes();
    EXPECT_EQ(model.StdIndexes.TabTop, -1);
}

TEST(StdIndexes, WithoutGlobalInfoTheCheckGlyphsAreNone)
{
    TsSkinModel model;
    AddSection(model, "BUTTON");
    AddMask(model, "GLOBALINFO", "BOXCHECKED", itisaGlyph);
    model.FillStdIndexes();
    EXPECT_EQ(model.StdIndexes.GlobalInfo, -1);
    EXPECT_EQ(model.StdIndexes.CheckBoxChecked, -1);
    EXPECT_EQ(model.StdIndexes.SmallGrayed, -1);
}

} // namespace
