// The generated built-in skins, read with the skin file parsers: every section
// the built-in skins carry is there, every image value parses and names a
// rectangle inside the master bitmap (or a file of the skin), and the packed
// archives hold exactly the committed folders.

#include "graphics/BmpReader.h"
#include "skinfiles/FolderListing.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/ovSkinPack.h"
#include "skinfiles/sImageValues.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

struct TBuiltInSkin
{
    const char* Folder;
    const char* Archive;
};

const TBuiltInSkin builtInSkins[] = {
    {VESPIRA_SOURCE_DIR "/data/Skins/Vespira Light", VESPIRA_SOURCE_DIR "/data/InternalSkins/VespiraLight.vpk"},
    {VESPIRA_SOURCE_DIR "/data/Skins/Vespira Dark", VESPIRA_SOURCE_DIR "/data/InternalSkins/VespiraDark.vpk"},
};

void PrintTo(const TBuiltInSkin& skin, std::ostream* out)
{
    *out << skin.Folder;
}

const char* const builtInSections[] = {
    "GLOBALINFO", "MENULINE", "SPLITTER", "DIVIDER", "DIVIDERV", "MAINMENU", "DIALOG", "EDIT", "BARPANEL",
    "WEBBUTTON", "EXTRALINE", "GRIPH", "ROUNDTBN", "STATUSBAR", "HINT", "TRACKBAR", "GAUGE", "CHECKBOX",
    "RADIOBUTTON", "PAGECONTROL", "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT", "ORVAEDIT",
    "ORVACOMBOBOX", "COMBOBOX", "COMBOBTN", "TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT", "TABCONTROL",
    "TABCONTROLBOTTOM", "TABCONTROLLEFT", "TABCONTROLRIGHT", "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H",
    "SCROLLBAR2V", "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLSLIDERH",
    "SCROLLSLIDERV", "TOOLBUTTON", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "BUTTON", "BUTTON_BIG", "BUTTON_HUGE",
    "PANEL", "PANEL_LOW", "ICOLINE", "FORM", "FORMTITLE", "BARTITLE", "BAR", "DRAGBAR", "TOOLBAR", "GROUPBOX",
    "MENUITEM", "COLHEADER", "PROGRESSH", "PROGRESSV",
};

const char* const globalImageKeys[] = {
    "BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED", "RADIOGRAYED", "SMALLCHECKED",
    "SMALLUNCHECKED", "SMALLGRAYED", "CHECK", "GRIPIMAGE", "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM",
    "BICONHELP", "SICONCLOSE", "SICONMAX", "SICONMIN", "SICONNORM", "SICONHELP", "TITLEBUTTON",
};

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class BuiltInSkinFiles : public testing::TestWithParam<TBuiltInSkin>
{
protected:
    void SetUp() override
    {
        folder = GetParam().Folder;
        ASSERT_TRUE(options.LoadFromFile(folder + "/Options.dat"));
        const std::string masterName = options.ReadString("GLOBALINFO", "MASTERBITMAP", "");
        const std::vector<std::uint8_t> bytes = fileBytes(FindFileNoCase(folder, masterName));
        ASSERT_FALSE(bytes.empty()) << masterName;
        master = ReadBmp(bytes.data(), bytes.size());
    }

    // A rectangle value lies inside the master bitmap and splits into whole frames.
    void expectInsideMaster(const std::string& where, const TsImageValue& image) const
    {
        EXPECT_GE(image.ImageCount, 1) << where;
        EXPECT_TRUE(image.Left >= 0 && image.Top >= 0 && image.Left < image.Right && image.Top < image.Bottom) << where;
        EXPECT_LE(image.Right, master.Width()) << where;
        EXPECT_LE(image.Bottom, master.Height()) << where;
        if (image.ImageCount >= 1) {
            EXPECT_EQ((image.Right - image.Left) % image.ImageCount, 0) << where;
        }
        EXPECT_EQ((image.Bottom - image.Top) % (image.MaskType + 1), 0) << where;
    }

    std::string folder;
    TMemIniFile options;
    TBitmap master;
};

TEST_P(BuiltInSkinFiles, CarriesVersionAuthorDescriptionAndEveryBuiltInSection)
{
    EXPECT_EQ(options.ReadString("GLOBALINFO", "VERSION", ""), "6.03");
    EXPECT_NE(options.ReadString("GLOBALINFO", "AUTHOR", ""), "");
    EXPECT_NE(options.ReadString("GLOBALINFO", "DESCRIPTION", ""), "");
    for (const char* section : builtInSections)
        EXPECT_TRUE(options.SectionExists(section)) << section;
    for (const char* key : globalImageKeys)
        EXPECT_EQ(ClassifyImageValue(options.ReadString("GLOBALINFO", key, "")), TsImageValueKind::Glyph) << key;
}

TEST_P(BuiltInSkinFiles, EveryImageValueParsesAndLiesInsideTheMasterBitmap)
{
    int images = 0;
    for (const std::string& section : options.ReadSections())
        for (const auto& [key, value] : options.ReadSectionValues(section)) {
            if (section == "GLOBALINFO" && key == "MASTERBITMAP")
                continue;
            const std::string where = section + "/" + key + "=" + value;
            switch (ClassifyImageValue(value)) {
            case TsImageValueKind::Border:
                expectInsideMaster(where, ParseBorderValue(value));
                break;
            case TsImageValueKind::Glyph:
                expectInsideMaster(where, ParseGlyphValue(value));
                break;
            case TsImageValueKind::Texture:
                expectInsideMaster(where, ParseTextureValue(value));
                break;
            case TsImageValueKind::File: {
                const TsFileImageValue file = ParseFileValue(value);
                EXPECT_TRUE(IsFileValueImageName(file.FileName)) << where;
                EXPECT_NE(FindFileNoCase(folder, file.FileName), "") << where;
                break;
            }
            case TsImageValueKind::None:
                --images;
                break;
            default:
                ADD_FAILURE() << "a legacy or plain file image: " << where;
            }
            ++images;
        }
    EXPECT_GT(images, 60);
}

TEST_P(BuiltInSkinFiles, GlowListsNameOneKindThreeImageEach)
{
    const std::pair<std::string, std::string> lists[] = {
        {"BUTTON", "GLOW"}, {"GLOBALINFO", "BICONCLOSEGLOW"}, {"GLOBALINFO", "BICONMAXGLOW"}, {"GLOBALINFO", "BICONMINGLOW"}};
    for (const auto& [section, key] : lists) {
        const int count = options.ReadInteger(section, key, 0);
        EXPECT_GE(count, 1) << section << "/" << key;
        for (int i = 0; i < count; ++i) {
            const std::string value = options.ReadString(section, key + std::to_string(i), "");
            ASSERT_EQ(ClassifyImageValue(value), TsImageValueKind::File) << value;
            EXPECT_EQ(ParseFileValue(value).Kind, 3) << value;
        }
    }
}

TEST_P(BuiltInSkinFiles, PackedArchiveHoldsTheFolderAsCommitted)
{
    TovSkinConvertor archive;
    ASSERT_EQ(LoadPackedFile(GetParam().Archive, archive, true), "");
    ASSERT_TRUE(archive.OptionsData);
    EXPECT_EQ(*archive.OptionsData, fileBytes(folder + "/Options.dat"));
    std::vector<std::string> names;
    ASSERT_EQ(PackedFileNames(folder, names), "");
    ASSERT_EQ(archive.ImageItems.size() + 1, names.size());
    for (const TovSkinItem& item : archive.ImageItems)
        EXPECT_EQ(item.Data, fileBytes(folder + "/" + item.Name)) << item.Name;
}

INSTANTIATE_TEST_SUITE_P(Generated, BuiltInSkinFiles, testing::ValuesIn(builtInSkins),
                         [](const testing::TestParamInfo<TBuiltInSkin>& info) {
                             return std::string(info.index == 0 ? "Light" : "Dark");
                         });

} // namespace
