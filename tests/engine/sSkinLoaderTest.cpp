#include "engine/sSkinLoader.h"

#include "SkinFixtures.h"
#include "skinfiles/ovSkinPack.h"

#include <gtest/gtest.h>

namespace {

const char* const SkinText =
    "[GLOBALINFO]\r\n"
    "MASTERBITMAP=MASTER.BMP\r\n"
    "VERSION=6.03\r\n"
    "AUTHOR=Someone\r\n"
    "SHADOW1BLUR=2\r\n"
    "BORDERCOLOR=$FF\r\n"
    "COLOR=255\r\n"
    "BORDERSMASK=^0000^0000^0030^0030^0000^0000^0000^0000^1^0^0^0\r\n"
    "BOXCHECKED=@0030@0000@0060@0010@3@0\r\n"
    "BICONCLOSEGLOW0=!GLOW.PNG!1!0!3\r\n"
    "[FORM]\r\n"
    "COLOR=0xFF\r\n"
    "FONTCOLOR=red\r\n"
    "BORDERSMASK=^0000^0057^0042^0079^0000^0000^0000^0000^3^0^4^0\r\n"
    "[PAGECONTROL]\r\n"
    "PARENTCLASS=FORM\r\n"
    "TCLEFT=16711680\r\n"
    "SHOWFOCUS=true\r\n"
    "GRADIENTDATA=16579836;15066597;150;0;0;99\r\n"
    "[TABCONTROL]\r\n"
    "PARENTCLASS=PAGECONTROL\r\n"
    "BORDERSMASK=N/A\r\n"
    "TCLEFT=-1\r\n"
    "PATTERN=~0000~0030~0010~0040~10~1\r\n"
    "[Mixed]\r\n"
    "GlyphMask=@0000@0000@0009@0009@3@0\r\n"
    "[BUTTON]\r\n"
    "BORDERSMASK=!BUTTON.BMP!3!1!0\r\n"
    "PATTERN=!TEX.BMP!1!0!1\r\n"
    "GLYPHMASK=!lower.bmp!1!0!2\r\n"
    "IMGTOPLEFT=!NOPE.BMP!1!0!2\r\n"
    "[PANEL]\r\n"
    "BORDERSMASK=panel.bmp\r\n"
    "[OLD]\r\n"
    "BORDERSMASK=# (0,0,10,10) (3)\r\n"
    "NOTHING=#\r\n"
    "[BACK]\r\n"
    "PATTERN=big.jpg\r\n"
    "HOTPATTERN=SMALL.JPEG\r\n";

class SkinFolder : public testing::Test
{
protected:
    void SetUp() override
    {
        folder.write("skin/Options.dat", SkinText);
        folder.write("skin/Master.bmp", BmpBytes(64, 80, RGBColor(10, 20, 30)));
        folder.write("skin/BUTTON.BMP", BmpBytes(30, 20, RGBColor(1, 2, 3)));
        folder.write("skin/TEX.BMP", BmpBytes(4, 4, RGBColor(4, 5, 6)));
        folder.write("skin/lower.bmp", BmpBytes(4, 4, RGBColor(4, 5, 6)));
        folder.write("skin/PANEL.BMP", BmpBytes(18, 12, RGBColor(7, 8, 9)));
        QImage glow(2, 1, QImage::Format_ARGB32);
        glow.setPixel(0, 0, qRgba(255, 255, 255, 255));
        glow.setPixel(1, 0, qRgba(255, 0, 0, 128));
        folder.write("skin/GLOW.PNG", ImageBytes(glow, "PNG"));
        folder.write("skin/BIG.JPG", JpegBytes(300, 300));
        folder.write("skin/small.jpeg", JpegBytes(299, 300));
    }

    std::string Load()
    {
        return LoadSkinFolder(model, StdPath(folder.file("skin")), [this](TsLoadNoteKind, const std::string& text) {
            notes.push_back(text);
        });
    }

    int Mask(const char* section, const char* prop) const { return model.MaskIndexExact(section, prop); }

    TestFolder folder;
    TsSkinModel model;
    std::vector<std::string> notes;
};

TEST_F(SkinFolder, ImagesInFileOrderWithTheirLayout)
{
    ASSERT_EQ(Load(), "");
    ASSERT_TRUE(model.MasterBitmap);
    EXPECT_EQ(model.MasterBitmap->Width(), 64); // "MASTER.BMP" found as "Master.bmp"
    EXPECT_EQ(model.MasterBitmap->PixelFormat(), TPixelFormat::pf24bit);

    std::vector<std::pair<std::string, std::string>> names;
    for (const TsMaskData& m : model.MaskArray)
        names.emplace_back(m.SectionName, m.PropertyName);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"GLOBALINFO", "BORDERSMASK"}, {"GLOBALINFO", "BOXCHECKED"}, {"GLOBALINFO", "BICONCLOSEGLOW0"},
        {"FORM", "BORDERSMASK"},       {"TABCONTROL", "PATTERN"},    {"Mixed", "GlyphMask"},
        {"BUTTON", "BORDERSMASK"},     {"BUTTON", "PATTERN"},        {"PANEL", "BORDERSMASK"},
        {"OLD", "BORDERSMASK"},        {"BACK", "HOTPATTERN"}};
    EXPECT_EQ(names, expected);

    const TsMaskData& border = model.MaskArray[std::size_t(Mask("FORM", "BORDERSMASK"))];
    EXPECT_EQ(border.ImgType, itisaBorder);
    EXPECT_EQ(border.R, (TRect{0, 57, 42, 79}));
    EXPECT_EQ(border.ImageCount, 3);
    EXPECT_EQ(border.StretchMode, 4);
    EXPECT_EQ(border.WL, 4); // all bands 0 and no border width: thirds of a frame
    EXPECT_EQ(border.WT, 7);
    EXPECT_FALSE(border.Bmp);

    const TsMaskData& texture = model.MaskArray[std::size_t(Mask("TABCONTROL", "PATTERN"))];
    EXPECT_EQ(texture.ImgType, itisaTexture);
    EXPECT_EQ(texture.StretchMode, 10);
    EXPECT_EQ(texture.MaskType, 1);
    EXPECT_EQ(texture.ImageCount, 1);

    const TsMaskData& glyph = model.MaskArray[std::size_t(Mask("GLOBALINFO", "BOXCHECKED"))];
    EXPECT_EQ(glyph.ImgType, itisaGlyph);
    EXPECT_EQ(glyph.R, (TRect{30, 0, 60, 10}));
    EXPECT_EQ(glyph.ImageCount, 3);
    EXPECT_EQ(glyph.WL, 0);
}

TEST_F(SkinFolder, ImageFilesGetTheirOwnBitmaps)
{
    ASSERT_EQ(Load(), "");
    const TsMaskData& button = model.MaskArray[std::size_t(Mask("BUTTON", "BORDERSMASK"))];
    ASSERT_TRUE(button.Bmp);
    EXPECT_EQ(button.R, (TRect{0, 0, 30, 20}));
    EXPECT_EQ(button.ImageCount, 3);
    EXPECT_EQ(button.MaskType, 1);
    EXPECT_EQ(button.StretchMode, 4);
    EXPECT_EQ(button.WL, 3);  // 30 / (3 x 3)
    EXPECT_EQ(button.WT, 3);  // 20 / (2 x 3)
    EXPECT_EQ(model.MaskArray[std::size_t(Mask("BUTTON", "PATTERN"))].ImgType, itisaTexture);

    const TsMaskData& panel = model.MaskArray[std::size_t(Mask("PANEL", "BORDERSMASK"))];
    ASSERT_TRUE(panel.Bmp);
    EXPECT_EQ(panel.ImageCount, 3);
    EXPECT_EQ(panel.MaskType, 1);
    EXPECT_EQ(panel.WL, 2); // 18 / 9
    EXPECT_EQ(panel.WT, 2); // 12 / 6

    const TsMaskData& old = model.MaskArray[std::size_t(Mask("OLD", "BORDERSMASK"))];
    EXPECT_EQ(old.R, (TRect{0, 0, 10, 10}));
    EXPECT_EQ(old.ImageCount, 3);
    EXPECT_EQ(old.StretchMode, 1);
    EXPECT_EQ(old.BorderWidth, 0);

    // ".bmp" in lower case names no image; a missing file is skipped with a note.
    EXPECT_EQ(Mask("BUTTON", "GLYPHMASK"), -1);
    EXPECT_EQ(Mask("BUTTON", "IMGTOPLEFT"), -1);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("NOPE.BMP"), std::string::npos);
}

TEST_F(SkinFolder, PngGlowImagesMakePureWhiteTransparent)
{
    ASSERT_EQ(Load(), "");
    const TsMaskData& glow = model.MaskArray[std::size_t(Mask("GLOBALINFO", "BICONCLOSEGLOW0"))];
    EXPECT_EQ(glow.ImgType, itisaGlow);
    ASSERT_TRUE(glow.Bmp);
    ASSERT_EQ(glow.Bmp->PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(PixelBytes(*glow.Bmp), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 255, 128}));
}

TEST_F(SkinFolder, JpegsFrom90000PixelsStayBackgrounds)
{
    ASSERT_EQ(Load(), "");
    ASSERT_EQ(model.PatternArray.size(), 1u);
    EXPECT_EQ(model.PatternArray[0].SectionName, "BACK");
    EXPECT_EQ(model.PatternArray[0].PropertyName, "PATTERN");
    EXPECT_EQ(model.PatternArray[0].Img->Width(), 300);
    const TsMaskData& small = model.MaskArray.back();
    EXPECT_EQ(small.PropertyName, "HOTPATTERN");
    EXPECT_EQ(small.ImgType, itisaTexture);
    ASSERT_TRUE(small.Bmp);
    EXPECT_EQ(small.Bmp->Width(), 299);
    EXPECT_EQ(small.R, (TRect{0, 0, 299, 300}));
}

TEST_F(SkinFolder, SectionsAreCompleteWithInheritance)
{
    ASSERT_EQ(Load(), "");
    EXPECT_EQ(model.SkinData.Version, 6.03);
    EXPECT_EQ(model.SkinData.Author, "Someone");
    EXPECT_EQ(model.SkinData.Shadow1Blur, 2);
    EXPECT_EQ(model.SkinData.Shadow1Offset, 0);
    EXPECT_EQ(model.SkinData.BorderColor, 255u);
    EXPECT_EQ(model.SkinData.SkinPath, StdPath(folder.file("skin")) + "/");

    const TsGeneralData& form = model.SectionArray[std::size_t(model.SectionIndexOf("FORM"))];
    EXPECT_EQ(form.Color, 255u);       // 0xFF
    EXPECT_EQ(form.FontColor[1], 0u);  // "red" is no number: default
    EXPECT_EQ(form.GradientData, " ");
    EXPECT_TRUE(form.GradientArray.empty());
    EXPECT_EQ(form.FadingIterations, 5);
    EXPECT_EQ(form.HotColor, clWhite);

    const TsGeneralData& page = model.SectionArray[std::size_t(model.SectionIndexOf("PAGECONTROL"))];
    EXPECT_EQ(page.ParentClass, "FORM");
    EXPECT_EQ(page.Color, 255u);
    EXPECT_TRUE(page.ShowFocus);
    ASSERT_EQ(page.GradientArray.size(), 1u);
    EXPECT_EQ(page.GradientArray[0].Percent, 100u);

    const TsGeneralData& tab = model.SectionArray[std::size_t(model.SectionIndexOf("TABCONTROL"))];
    EXPECT_EQ(tab.FontColor[2], 16711680u); // -1 cannot switch off the parent's contour
    EXPECT_EQ(tab.FontColor[3], TColor(-1));
    EXPECT_EQ(tab.BorderIndex, Mask("FORM", "BORDERSMASK")); // "N/A" is no image
    EXPECT_EQ(tab.ImgTopLeft, -1);

    const TsGeneralData& global = model.SectionArray[0];
    EXPECT_EQ(global.SectionName, "GLOBALINFO");
    EXPECT_EQ(global.BorderIndex, -1); // never resolved for GLOBALINFO
}

TEST(SkinLoad, ConversionErrorsNameSectionKeyAndValue)
{
    struct Case { const char* text; const char* section; const char* key; const char* value; };
    for (const Case c : {Case{"[A]\r\nBORDERSMASK=^0000^0000^0030\r\n", "A", "BORDERSMASK", "^0000^0000^0030"},
                         Case{"[A]\r\nGLYPHMASK=@0000@0000@0030@001\r\n", "A", "GLYPHMASK", "@0000@0000@0030@001"},
                         Case{"[GLOBALINFO]\r\nSHADOW1BLUR=abc\r\n", "GLOBALINFO", "SHADOW1BLUR", "abc"},
                         Case{"[GLOBALINFO]\r\nBICONMINGLOWMARGIN=1.5\r\n", "GLOBALINFO", "BICONMINGLOWMARGIN", "1.5"}}) {
        TestFolder folder;
        folder.write("Options.dat", c.text);
        TsSkinModel model;
        try {
            LoadSkinFolder(model, StdPath(folder.path()));
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const ESkinConvertError& e) {
            EXPECT_EQ(e.Section, c.section);
            EXPECT_EQ(e.Key, c.key);
            EXPECT_EQ(e.Value, c.value);
            EXPECT_NE(std::string(e.what()).find(c.value), std::string::npos);
        }
    }
}

TEST(SkinLoad, VersionNotices)
{
    EXPECT_EQ(VersionNotice(5.5), "");
    EXPECT_EQ(VersionNotice(6.29), "");
    EXPECT_EQ(VersionNotice(7),
              "This version of skin have not complete supported by the Orvalen package.\r\n"
              "Components must be updated to latest version for using this skin.");
}

TEST(SkinLoad, FolderWithoutOptionsIsRefused)
{
    TestFolder folder;
    TsSkinModel model;
    EXPECT_NE(LoadSkinFolder(model, StdPath(folder.path())), "");
    EXPECT_TRUE(model.SectionArray.empty());
}

TEST_F(SkinFolder, PackedSkinLoadsTheSameImagesFromTheArchive)
{
    ASSERT_EQ(Load(), "");
    const std::string archive = StdPath(folder.file("Packed.vpk"));
    ASSERT_EQ(PackFolder(StdPath(folder.file("skin")) + "/", archive), "");
    TsSkinModel packed;
    ASSERT_EQ(LoadSkinArchive(packed, archive), "");
    EXPECT_TRUE(packed.PackedSource);
    EXPECT_EQ(packed.SkinData.SkinPath, StdPath(folder.path()) + "/");
    EXPECT_EQ(packed.MasterBitmap->Width(), 64);
    // Packing takes no ".jpeg" files, so the small background is missing there.
    ASSERT_EQ(packed.MaskArray.size(), model.MaskArray.size() - 1);
    EXPECT_EQ(model.MaskArray.back().PropertyName, "HOTPATTERN");
    for (std::size_t i = 0; i < packed.MaskArray.size(); ++i) {
        EXPECT_EQ(packed.MaskArray[i].PropertyName, model.MaskArray[i].PropertyName);
        EXPECT_EQ(bool(packed.MaskArray[i].Bmp), bool(model.MaskArray[i].Bmp)) << i;
    }
    EXPECT_EQ(packed.PatternArray.size(), 1u);
    EXPECT_EQ(packed.SectionArray.size(), model.SectionArray.size());
}

TEST(SkinLoad, DamagedImagesAreSkippedNotFatal)
{
    TestFolder folder;
    folder.write("Options.dat", "[GLOBALINFO]\r\nMASTERBITMAP=M.BMP\r\n[A]\r\nBORDERSMASK=!X.BMP!1!0!0\r\n"
                                "PATTERN=Y.JPG\r\nGLOW0=!Z.PNG!1!0!3\r\n");
    folder.write("M.BMP", "BM not really");
    folder.write("X.BMP", "BM\x10\x00");
    folder.write("Y.JPG", "\xFF\xD8\xFF garbage");
    folder.write("Z.PNG", "\x89PNG\r\n\x1a\n");
    TsSkinModel model;
    std::vector<std::string> notes;
    ASSERT_EQ(LoadSkinFolder(model, StdPath(folder.path()),
                             [&](TsLoadNoteKind, const std::string& text) { notes.push_back(text); }),
              "");
    EXPECT_TRUE(model.MasterBitmap && model.MasterBitmap->Empty());
    EXPECT_TRUE(model.MaskArray.empty());
    EXPECT_TRUE(model.PatternArray.empty());
    EXPECT_EQ(model.SectionArray.size(), 2u);
    EXPECT_EQ(notes.size(), 4u);
}

} // namespace
