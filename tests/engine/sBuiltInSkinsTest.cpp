#include "engine/sBuiltInSkins.h"

#include "SkinFixtures.h"
#include "engine/sSkinCommand.h"
#include "engine/sSkinManager.h"

#include <gtest/gtest.h>

namespace {

// A manager that can only find the built-in skins (an empty skin directory).
class BuiltInSkinsTest : public testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        SetSkinBroadcast([](SkinCommandEvent&) {});
        manager.SetSkinDirectory(StdPath(folder.path()));
        manager.SetInternalSkins(BuiltInSkins());
    }
    void TearDown() override { SetSkinBroadcast({}); }

    TestFolder folder;
    TsSkinManager manager;
};

TEST(BuiltInSkins, AreTheLightAndTheDarkSkinInThePackedForm)
{
    const TsStoredSkins skins = BuiltInSkins();
    ASSERT_EQ(skins.Items.size(), 2u);
    EXPECT_EQ(skins.Items[0].Name, "Vespira Light (internal)");
    EXPECT_EQ(skins.Items[1].Name, "Vespira Dark (internal)");
    for (const TsStoredSkin& skin : skins.Items) {
        ASSERT_GT(skin.Data.size(), 4u);
        EXPECT_EQ(std::string(skin.Data.begin(), skin.Data.begin() + 4), "VPak");
        EXPECT_TRUE(skin.GeneralData.empty() && skin.Images.empty() && skin.Patterns.empty());
    }
}

TEST_P(BuiltInSkinsTest, LoadsThroughTheManagerFromItsEmbeddedData)
{
    manager.SetSkinName(GetParam());
    EXPECT_EQ(manager.SkinName(), GetParam());
    EXPECT_TRUE(manager.SkinData.Active);
    EXPECT_TRUE(manager.PackedSource);
    EXPECT_EQ(manager.SkinData.SkinPath, "");
    EXPECT_DOUBLE_EQ(manager.SkinData.Version, 6.03);
    EXPECT_NE(manager.SkinData.Author, "");
    EXPECT_NE(manager.SkinData.Description, "");
    ASSERT_TRUE(manager.MasterBitmap);
    EXPECT_GT(manager.MasterBitmap->Width(), 0);
    EXPECT_GE(manager.SectionArray.size(), 65u);
    // Glow images come from PNG entries of the archive.
    for (const char* section : {"BUTTON", "BUTTON_BIG", "BUTTON_HUGE"})
        EXPECT_GE(manager.MaskIndexExact(section, "GLOW0"), 0) << section;
    for (const char* key : {"BICONCLOSEGLOW0", "BICONMAXGLOW0", "BICONMINGLOW0"})
        EXPECT_GE(manager.MaskIndexExact("GLOBALINFO", key), 0) << key;
}

TEST_P(BuiltInSkinsTest, EveryStandardSectionAndPictureResolves)
{
    manager.SetSkinName(GetParam());
    const TsStdIndexes& i = manager.StdIndexes;
    const std::pair<const char*, int> resolved[] = {
        {"GlobalInfo", i.GlobalInfo}, {"TabTop", i.TabTop}, {"TabBottom", i.TabBottom}, {"TabLeft", i.TabLeft},
        {"TabRight", i.TabRight}, {"TabTopMask", i.TabTopMask}, {"TabBottomMask", i.TabBottomMask},
        {"TabLeftMask", i.TabLeftMask}, {"TabRightMask", i.TabRightMask}, {"ScrollBtnTop", i.ScrollBtnTop},
        {"ScrollBtnBottom", i.ScrollBtnBottom}, {"ScrollBtnLeft", i.ScrollBtnLeft}, {"ScrollBtnRight", i.ScrollBtnRight},
        {"ScrollBtnTopMask", i.ScrollBtnTopMask}, {"ScrollBtnBottomMask", i.ScrollBtnBottomMask},
        {"ScrollBtnLeftMask", i.ScrollBtnLeftMask}, {"ScrollBtnRightMask", i.ScrollBtnRightMask},
        {"ScrollBtnTopGlyph", i.ScrollBtnTopGlyph}, {"ScrollBtnBottomGlyph", i.ScrollBtnBottomGlyph},
        {"ScrollBtnLeftGlyph", i.ScrollBtnLeftGlyph}, {"ScrollBtnRightGlyph", i.ScrollBtnRightGlyph},
        {"ScrollSliderV", i.ScrollSliderV}, {"ScrollSliderH", i.ScrollSliderH},
        {"ScrollSliderVMask", i.ScrollSliderVMask}, {"ScrollSliderHMask", i.ScrollSliderHMask},
        {"ScrollBar1H", i.ScrollBar1H}, {"ScrollBar1V", i.ScrollBar1V}, {"ScrollBar2H", i.ScrollBar2H},
        {"ScrollBar2V", i.ScrollBar2V}, {"CheckBoxChecked", i.CheckBoxChecked}, {"CheckBoxUnchecked", i.CheckBoxUnchecked},
        {"CheckBoxGrayed", i.CheckBoxGrayed}, {"RadioChecked", i.RadioChecked}, {"RadioUnchecked", i.RadioUnchecked},
        {"RadioGrayed", i.RadioGrayed}, {"SmallChecked", i.SmallChecked}, {"SmallUnchecked", i.SmallUnchecked},
        {"SmallGrayed", i.SmallGrayed}, {"ComboBtn", i.ComboBtn}, {"ComboBtnMask", i.ComboBtnMask},
        {"ComboBoxGlyph", i.ComboBoxGlyph},
    };
    for (const auto& [field, index] : resolved)
        EXPECT_GE(index, 0) << field;
    for (const char* section : {"EDIT", "MENUITEM", "ICOLINE", "COMBOBOX"})
        EXPECT_GE(manager.SectionIndexOf(section), 0) << section;
}

TEST_F(BuiltInSkinsTest, AnUnknownNameWearsTheLightSkin)
{
    manager.SetSkinName("No such skin");
    EXPECT_EQ(manager.SkinName(), "Vespira Light (internal)");
    EXPECT_TRUE(manager.SkinData.Active);
}

INSTANTIATE_TEST_SUITE_P(Embedded, BuiltInSkinsTest, testing::Values("Vespira Light (internal)", "Vespira Dark (internal)"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.index == 0 ? "Light" : "Dark");
                         });

} // namespace
