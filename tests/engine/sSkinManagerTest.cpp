#include "engine/sSkinManager.h"

#include "SkinFixtures.h"
#include "engine/sSkinCommand.h"
#include "skinfiles/ovSkinPack.h"

#include <QDir>
#include <QObject>

#include <gtest/gtest.h>

namespace {

std::string SkinText(const char* color, const char* version = "6.03")
{
    return std::string("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nVERSION=") + version +
           "\r\n[BUTTON]\r\nCOLOR=" + color + "\r\nBORDERSMASK=^0000^0000^0030^0010^0000^0000^0000^0000^3^0^0^0\r\n";
}

// Records every broadcast sub-command and every message shown.
class ManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetSkinBroadcast([this](SkinCommandEvent& e) {
            commands.push_back(e.SubCommand);
            senders.push_back(e.Param);
        });
        TsSkinManager::SetMessageHandler([this](const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override
    {
        SetSkinBroadcast({});
        TsSkinManager::SetMessageHandler({});
    }

    // A skin folder NAME in the skin directory.
    void WriteFolderSkin(const QString& name, const std::string& text)
    {
        folder.write("skins/" + name + "/Options.dat", QByteArray::fromStdString(text));
        folder.write("skins/" + name + "/Master.bmp", BmpBytes(30, 10, RGBColor(200, 0, 0)));
    }

    void WritePackedSkin(const QString& name, const std::string& text)
    {
        TestFolder source;
        source.write("Options.dat", QByteArray::fromStdString(text));
        source.write("MASTER.BMP", BmpBytes(30, 10, RGBColor(200, 0, 0)));
        ASSERT_EQ(PackFolder(StdPath(source.path()) + "/", StdPath(folder.file("skins/" + name + ".vpk"))), "");
    }

    std::vector<std::uint8_t> PackedBytes(const std::string& text)
    {
        TestFolder source;
        source.write("Options.dat", QByteArray::fromStdString(text));
        source.write("MASTER.BMP", BmpBytes(30, 10, RGBColor(200, 0, 0)));
        const QString archive = source.file("x.vpk");
        EXPECT_EQ(PackFolder(StdPath(source.path()) + "/", StdPath(archive)), "");
        const QByteArray bytes = readFileBytes(archive);
        return {bytes.begin(), bytes.end()};
    }

    void Configure(TsSkinManager& manager)
    {
        manager.SetSkinDirectory(StdPath(folder.file("skins")));
    }

    TColor ButtonColor(const TsSkinManager& manager) const
    {
        return manager.SectionArray[std::size_t(manager.SectionIndexOf("BUTTON"))].Color;
    }

    TestFolder folder;
    std::vector<int> commands;
    std::vector<std::intptr_t> senders;
    std::vector<std::string> messages;
};

TEST_F(ManagerTest, CreatedStateAndDefaults)
{
    TsSkinManager manager;
    EXPECT_TRUE(manager.Active());
    EXPECT_FALSE(manager.SkinData.Active);
    EXPECT_TRUE(manager.SectionArray.empty());
    EXPECT_EQ(manager.SkinDirectory(), "c:\\Skins");
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    EXPECT_EQ(TsSkinManager::Version(), "6.22");
    EXPECT_TRUE(manager.SkinnedPopups());
    EXPECT_TRUE(manager.AllowGlowing());
    EXPECT_EQ(manager.SkinningRules(), srStdForms | srStdDialogs | srThirdParty);
    EXPECT_EQ(manager.AnimEffects.SkinChanging.Time, 100);
    EXPECT_EQ(manager.MenuSupport.ExtraLineWidth, 32);
    EXPECT_EQ(manager.ThirdParty().Lists[1], "TButton");
    EXPECT_EQ(manager.ThirdParty().Lists[0], " ");
    EXPECT_EQ(manager.ThirdPartyClasses(1), std::vector<std::string>{"TButton"});
    EXPECT_TRUE(manager.ThirdPartyClasses(16).empty());
    EXPECT_EQ(TsThirdPartyList::PropertyNames[16], std::string("ThirdStatusBar"));
}

TEST_F(ManagerTest, LoadingAppliesAndBroadcastsSetSkinThenRepaint)
{
    WriteFolderSkin("Blue", SkinText("255"));
    TsSkinManager manager;
    Configure(manager);
    int before = 0, after = 0;
    manager.OnBeforeChange = [&](TsSkinManager*) { ++before; };
    manager.OnAfterChange = [&](TsSkinManager* m) {
        ++after;
        EXPECT_FALSE(TsSkinManager::SkinLoading());
        EXPECT_TRUE(m->SkinData.Active);
    };
    manager.SetSkinName("Blue");
    EXPECT_TRUE(manager.SkinData.Active);
    EXPECT_FALSE(manager.PackedSource);
    EXPECT_EQ(manager.SkinInfo(), "6.03");
    EXPECT_EQ(manager.SkinData.SkinPath, StdPath(folder.file("skins/Blue")) + "/");
    EXPECT_EQ(ButtonColor(manager), 255u);
    EXPECT_EQ(manager.MasterBitmap->Width(), 30);
    EXPECT_EQ(manager.MaskArray[0].Manager, &manager);
    EXPECT_EQ(commands, (std::vector<int>{SkinCmdSetSkin, SkinCmdStopFading, SkinCmdRefresh}));
    EXPECT_EQ(senders[0], reinterpret_cast<std::intptr_t>(&manager));
    // The same name again reloads and re-applies.
    manager.SetSkinName("Blue");
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 2);
    EXPECT_EQ(commands.size(), 6u);
}

TEST_F(ManagerTest, PackedFileWinsOverFolderAndFolderOverBuiltIn)
{
    WriteFolderSkin("Blue", SkinText("1"));
    WritePackedSkin("Blue", SkinText("2"));
    WriteFolderSkin("Green", SkinText("3"));
    TsSkinManager manager;
    Configure(manager);
    TsStoredSkins stored;
    stored.Add("Green").Data = PackedBytes(SkinText("4"));
    stored.Add("Red").Data = PackedBytes(SkinText("5"));
    manager.SetInternalSkins(stored);

    manager.SetSkinName("Blue");
    EXPECT_EQ(ButtonColor(manager), 2u);
    EXPECT_TRUE(manager.PackedSource);
    EXPECT_EQ(manager.SkinData.SkinPath, StdPath(folder.file("skins")) + "/");
    manager.SetSkinName("Green");
    EXPECT_EQ(ButtonColor(manager), 3u);
    EXPECT_FALSE(manager.PackedSource);
    manager.SetSkinName("Red");
    EXPECT_EQ(ButtonColor(manager), 5u);
    EXPECT_TRUE(manager.PackedSource);
    EXPECT_EQ(manager.SkinData.SkinPath, "");
    EXPECT_EQ(manager.MasterBitmap->Width(), 30); // from the archive in the stored data
}

TEST_F(ManagerTest, UnknownNamesFallBackToTheFirstBuiltInSkin)
{
    folder.makeDir("skins/Bare"); // a folder without "Options.dat"
    TsSkinManager manager;
    Configure(manager);
    TsStoredSkins stored;
    stored.Add("First (internal)").Data = PackedBytes(SkinText("7"));
    stored.Add("Bare").Data = PackedBytes(SkinText("8"));
    manager.SetInternalSkins(stored);

    manager.SetSkinName("Bare");
    EXPECT_EQ(ButtonColor(manager), 8u);
    EXPECT_EQ(manager.SkinData.SkinPath, "");
    manager.SetSkinName("first (internal)"); // names compare exactly
    EXPECT_EQ(manager.SkinName(), "First (internal)");
    EXPECT_EQ(ButtonColor(manager), 7u);
    EXPECT_TRUE(messages.empty()); // an unknown name is never reported
}

TEST_F(ManagerTest, NoSourceAtAllDeactivates)
{
    TsSkinManager manager;
    Configure(manager);
    manager.SetSkinName("Nowhere");
    EXPECT_FALSE(manager.Active());
    EXPECT_FALSE(manager.SkinData.Active);
    EXPECT_EQ(commands, std::vector<int>{SkinCmdRemoveSkin});
    EXPECT_EQ(manager.StdIndexes.GlobalInfo, -1);
    // Inactive: a new name is only stored.
    WriteFolderSkin("Blue", SkinText("255"));
    manager.SetSkinName("Blue");
    EXPECT_TRUE(manager.SectionArray.empty());
    manager.SetActive(true);
    EXPECT_EQ(ButtonColor(manager), 255u);
}

TEST_F(ManagerTest, LegacyStoredSkinLoadsFromItsCollections)
{
    TsSkinManager manager;
    Configure(manager);
    TsStoredSkins stored;
    TsStoredSkin& skin = stored.Add("Old");
    skin.Version = 5.5;
    skin.Shadow1Blur = 3;
    skin.MasterBitmap = FilledBitmap(40, 20, RGBColor(0, 0, 200));
    TsSkinGeneral& button = skin.GeneralData.emplace_back();
    button.SectionName = "BUTTON";
    button.Color = 0x123456;
    button.FontColor = "1 2 3 4 5";
    button.HotFontColor = "1 2 3";
    TsSkinImage& border = skin.Images.emplace_back();
    border.SectionName = "button";
    border.PropertyName = "bordersmask";
    border.Right = 30;
    border.Bottom = 20;
    border.ImageCount = 0; // read as 3 frames over a mask band
    TsSkinImage& own = skin.Images.emplace_back();
    own.SectionName = "BUTTON";
    own.PropertyName = "GLYPHMASK";
    own.Name = "Glyph";
    own.Image = FilledBitmap(9, 4, RGBColor(1, 2, 3), TPixelFormat::pf32bit);
    own.ImageCount = 3;
    own.ImgType = itisaGlyph;
    TsSkinPattern& back = skin.Patterns.emplace_back();
    back.SectionName = "button";
    back.PropertyName = "pattern";
    back.Name = "Back";
    back.Image = FilledBitmap(5, 5, RGBColor(9, 9, 9));
    TsSkinPattern& again = skin.Patterns.emplace_back();
    again.SectionName = "FORM";
    again.PropertyName = "PATTERN";
    again.Name = "Back"; // without an image: takes the first one named so
    manager.SetInternalSkins(stored);

    manager.SetSkinName("Old");
    EXPECT_FALSE(manager.PackedSource);
    EXPECT_EQ(manager.SkinInfo(), "5.5");
    EXPECT_EQ(manager.SkinData.Shadow1Blur, 3);
    EXPECT_EQ(manager.MasterBitmap->Width(), 40);
    const std::vector<std::uint8_t> masterRow = PixelBytes(*manager.MasterBitmap);
    EXPECT_EQ(std::vector<std::uint8_t>(masterRow.begin(), masterRow.begin() + 3), (std::vector<std::uint8_t>{200, 0, 0}));
    const TsGeneralData& b = manager.SectionArray.at(0);
    EXPECT_EQ(b.Color, 0x123456u);
    EXPECT_EQ(b.FontColor[5], 5u);
    EXPECT_EQ(b.HotFontColor[1], 0u); // three words: the defaults
    EXPECT_EQ(b.HotFontColor[2], TColor(-1));
    ASSERT_EQ(manager.MaskArray.size(), 2u);
    EXPECT_EQ(manager.MaskArray[0].SectionName, "BUTTON");
    EXPECT_EQ(manager.MaskArray[0].PropertyName, "BORDERSMASK");
    EXPECT_EQ(manager.MaskArray[0].ImageCount, 3);
    EXPECT_EQ(manager.MaskArray[0].MaskType, 1);
    EXPECT_EQ(manager.MaskArray[0].WL, 3); // 30 / 3 / 3
    EXPECT_EQ(b.BorderIndex, 0);
    ASSERT_TRUE(manager.MaskArray[1].Bmp);
    EXPECT_EQ(manager.MaskArray[1].Bmp->PixelFormat(), TPixelFormat::pf24bit);
    std::vector<std::uint8_t> ownRow;
    for (int x = 0; x < 9; ++x)
        ownRow.insert(ownRow.end(), {3, 2, 1}); // the colour kept, the alpha dropped
    EXPECT_EQ(PixelBytes(*manager.MaskArray[1].Bmp), ownRow);
    EXPECT_EQ(manager.MaskArray[1].R, (TRect{0, 0, 9, 4}));
    ASSERT_EQ(manager.PatternArray.size(), 2u);
    EXPECT_EQ(manager.PatternArray[0].SectionName, "BUTTON");
    EXPECT_EQ(manager.PatternArray[1].Img->Width(), 5);
}

TEST_F(ManagerTest, ConversionErrorLeavesTheSkinUnapplied)
{
    WriteFolderSkin("Bad", "[GLOBALINFO]\r\nSHADOW1OFFSET=x1\r\n[BUTTON]\r\nCOLOR=1\r\n");
    WriteFolderSkin("Good", SkinText("255"));
    TsSkinManager manager;
    Configure(manager);
    manager.SetSkinName("Good");
    int after = 0;
    manager.OnAfterChange = [&](TsSkinManager*) { ++after; };
    commands.clear();
    try {
        manager.SetSkinName("Bad");
        ADD_FAILURE() << "no conversion error";
    } catch (const ESkinConvertError& e) {
        EXPECT_EQ(e.Section, "GLOBALINFO");
        EXPECT_EQ(e.Key, "SHADOW1OFFSET");
        EXPECT_EQ(e.Value, "x1");
    }
    EXPECT_EQ(after, 0);
    EXPECT_FALSE(manager.SkinData.Active);
    EXPECT_TRUE(manager.Active());
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    EXPECT_TRUE(commands.empty()); // no window was told about the broken skin
    EXPECT_FALSE(TsSkinManager::SkinLoading()); // fading is not blocked for good
    manager.SetSkinName("Good");
    EXPECT_TRUE(manager.SkinData.Active);
    EXPECT_EQ(after, 1);
}

TEST_F(ManagerTest, HueAndSaturationReloadFromTheStoredColours)
{
    WriteFolderSkin("Blue", SkinText("255"));
    TsSkinManager manager;
    Configure(manager);
    manager.SetActive(false);
    manager.SetHueOffset(120); // inactive: only stored
    manager.SetSkinName("Blue");
    EXPECT_TRUE(manager.SectionArray.empty());
    manager.SetActive(true);
    EXPECT_EQ(ButtonColor(manager), RGBColor(0, 255, 0)); // applied on load
    commands.clear();
    manager.SetHueOffset(240);
    EXPECT_EQ(ButtonColor(manager), RGBColor(0, 0, 255)); // from red, not from green
    EXPECT_EQ(commands, (std::vector<int>{SkinCmdStopFading, SkinCmdRefresh}));
    manager.SetHueOffset(0);
    EXPECT_EQ(ButtonColor(manager), RGBColor(255, 0, 0));
    manager.SetSaturation(-100);
    EXPECT_EQ(ButtonColor(manager), RGBColor(85, 85, 85));
    const std::uint8_t* master = manager.MasterBitmap->ScanLine(0);
    EXPECT_EQ(master[0], 67); // (200, 0, 0) -> grey 66.67
    EXPECT_EQ(master[2], 67);
}

TEST_F(ManagerTest, TwoManagersAndTheDefault)
{
    WriteFolderSkin("Blue", SkinText("255"));
    ASSERT_EQ(TsSkinManager::DefaultManager(), nullptr);
    {
        TsSkinManager first;
        TsSkinManager second;
        Configure(first);
        Configure(second);
        EXPECT_TRUE(first.IsDefault());
        EXPECT_FALSE(second.IsDefault());
        second.SetSkinName("Blue");
        second.SetIsDefault(false);
        EXPECT_TRUE(first.IsDefault());
        first.SetIsDefault(false); // the default stays the default
        EXPECT_TRUE(first.IsDefault());
        commands.clear();
        second.SetIsDefault(true);
        EXPECT_TRUE(second.IsDefault());
        EXPECT_FALSE(first.IsDefault());
        EXPECT_EQ(TsSkinManager::DefaultManager(), &second);
        // Re-applied and repainted.
        EXPECT_EQ(commands, (std::vector<int>{SkinCmdSetSkin, SkinCmdStopFading, SkinCmdRefresh, SkinCmdStopFading,
                                               SkinCmdRefresh}));
    }
    EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
}

TEST_F(ManagerTest, ConfiguredWhileLoadingIsAppliedOnceByLoaded)
{
    WriteFolderSkin("Blue", SkinText("255"));
    TsSkinManager manager;
    manager.BeginLoading();
    Configure(manager);
    TsThirdPartyList third = manager.ThirdParty();
    third.Lists[1] = "";
    third.Lists[0] = "TEdit\r\nTMemo\r\n";
    manager.SetThirdParty(third);
    manager.SetSkinName("Blue");
    EXPECT_FALSE(manager.SectionArray.empty()); // loaded as soon as the name is read
    EXPECT_FALSE(manager.SkinData.Active);
    EXPECT_TRUE(manager.ThirdPartyClasses(1).empty());
    EXPECT_TRUE(commands.empty());
    manager.Loaded();
    EXPECT_TRUE(manager.SkinData.Active);
    EXPECT_EQ(commands, std::vector<int>{SkinCmdSetSkin}); // without repainting
    EXPECT_EQ(manager.MenuSupport.IcoLineSkin, "ICOLINE");
    EXPECT_EQ(manager.ThirdParty().Lists[1], "TButton"); // empty reverts to the default
    EXPECT_EQ(manager.ThirdPartyClasses(0), (std::vector<std::string>{"TEdit", "TMemo"}));
}

TEST_F(ManagerTest, CommonSectionsAddSectionsAndImages)
{
    WriteFolderSkin("Blue", "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n"
                            "[COMBOBOX]\r\nCOLOR=100\r\nFONTCOLOR=7\r\nGLOW=2\r\n"
                            "BORDERSMASK=^0000^0000^0030^0010^0000^0000^0000^0000^3^0^0^0\r\n");
    folder.write("skins/Blue/EXTRA.BMP", BmpBytes(6, 4, RGBColor(1, 1, 1)));
    TsSkinManager manager;
    Configure(manager);
    manager.SetSkinName("Blue");
    commands.clear();
    manager.SetCommonSections({"; comment stays as it is", "[EMPTY COMBO]", "PARENTCLASS = combobox", "COLOR=-1", "BORDERSMASK=", "",
                               "[COMBOBOX]", "COLOR=5", "BORDERSMASK=# (0,0,10,10) (1)",
                               "[WHITEPANEL]", "COLOR=0", "HOTCOLOR=0", "GLOW=-1", "PATTERN=extra.bmp"});
    EXPECT_EQ(manager.CommonSections()[0], "; comment stays as it is");
    EXPECT_EQ(manager.CommonSections()[1], "[EMPTYCOMBO]");
    EXPECT_EQ(commands.front(), SkinCmdSetSkin); // assigned: the skin is reloaded

    const TsGeneralData& combo = manager.SectionArray[std::size_t(manager.SectionIndexOf("COMBOBOX"))];
    EXPECT_EQ(combo.Color, 100u); // a section the skin has is not changed
    const TsGeneralData& empty = manager.SectionArray[std::size_t(manager.SectionIndexOf("EMPTYCOMBO"))];
    EXPECT_EQ(empty.ParentClass, "COMBOBOX");
    EXPECT_EQ(empty.Color, 100u);    // -1: the parent's
    EXPECT_EQ(empty.FontColor[1], 7u);
    EXPECT_EQ(empty.GlowCount, 0);   // absent GLOW is 0, not the parent's
    EXPECT_EQ(empty.BorderIndex, manager.MaskIndexExact("COMBOBOX", "BORDERSMASK"));
    const TsGeneralData& white = manager.SectionArray[std::size_t(manager.SectionIndexOf("WHITEPANEL"))];
    EXPECT_EQ(white.ParentClass, "-1");
    EXPECT_EQ(white.Color, 0u);
    EXPECT_EQ(white.HotColor, 0u);
    EXPECT_EQ(white.FadingIterations, 5);
    // The skin's own image comes first; the common one is appended after it.
    const int first = manager.MaskIndexExact("COMBOBOX", "BORDERSMASK");
    EXPECT_EQ(manager.MaskArray[std::size_t(first)].R, (TRect{0, 0, 30, 10}));
    EXPECT_EQ(manager.MaskArray.back().SectionName, "WHITEPANEL");
    ASSERT_TRUE(manager.MaskArray.back().Bmp);
    EXPECT_EQ(manager.MaskArray.back().ImageCount, 0); // whole files carry no layout
}

TEST_F(ManagerTest, RejectedArchiveIsReportedAndNotUsed)
{
    folder.write("skins/Broken.vpk", "ABCD and more");
    WriteFolderSkin("Broken", SkinText("255")); // the packed file still wins
    TsSkinManager manager;
    Configure(manager);
    manager.SetSkinName("Broken");
    EXPECT_EQ(messages, std::vector<std::string>{"Loaded data is not packed Vespira file"});
    EXPECT_TRUE(manager.Active());
    EXPECT_TRUE(manager.SectionArray.empty());
    EXPECT_TRUE(manager.MaskArray.empty());
}

TEST_F(ManagerTest, VersionNoticeGoesToTheMessageHandler)
{
    WriteFolderSkin("New", SkinText("1", "7"));
    WriteFolderSkin("Older", SkinText("1", "5.5"));
    TsSkinManager manager;
    Configure(manager);
    manager.SetSkinName("Older");
    EXPECT_TRUE(messages.empty());
    manager.SetSkinName("New");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("This version of skin have not complete supported", 0), 0u);
    EXPECT_TRUE(manager.SkinData.Active); // it only informs
}

class HotWindowRecorder : public QObject
{
public:
    bool event(QEvent* e) override
    {
        if (e->type() == SkinCommandEvent::EventType())
            received.push_back(static_cast<SkinCommandEvent*>(e)->SubCommand);
        return QObject::event(e);
    }
    std::vector<int> received;
};

TEST_F(ManagerTest, HotWindowTracking)
{
    TsSkinManager manager;
    HotWindowRecorder a, b;
    manager.SetHotWindow(&a);
    manager.SetHotWindow(&a);
    manager.SetHotWindow(&b);
    manager.SetHotWindow(nullptr);
    EXPECT_EQ(a.received, (std::vector<int>{SkinCmdMouseEnterWindow, SkinCmdMouseLeaveWindow}));
    EXPECT_EQ(b.received, (std::vector<int>{SkinCmdMouseEnterWindow, SkinCmdMouseLeaveWindow}));
    EXPECT_EQ(manager.HotWindow(), nullptr);
}

TEST(SkinDirectory, ResolvedAgainstTheProgramFolder)
{
    struct Case { const char* dir; const char* resolved; };
    for (const Case c : {Case{"../Skins", "/apps/Skins"}, Case{"..\\Skins", "/apps/Skins"},
                         Case{"./Skins", "/apps/editor/Skins"}, Case{"Skins", "/apps/editor/Skins"},
                         Case{"/srv/skins", "/srv/skins"}, Case{"c:\\Skins", "c:\\Skins"},
                         Case{"\\\\server\\skins", "\\\\server\\skins"}}) {
        EXPECT_EQ(ResolveSkinDirectory(c.dir, "/apps/editor/"), c.resolved) << c.dir;
    }
}

TEST_F(ManagerTest, RelativeDirectoryMeansProgramFolderForFoldersAndCurrentFolderForPackedFiles)
{
    qputenv("VESPIRA_PROGRAM_DIR", folder.file("program").toLocal8Bit());
    const QString current = QDir::currentPath();
    QDir::setCurrent(folder.makeDir("current"));
    folder.makeDir("current/Skins");
    folder.write("program/Skins/Blue/Options.dat", QByteArray::fromStdString(SkinText("1")));
    TestFolder source;
    source.write("Options.dat", QByteArray::fromStdString(SkinText("2")));
    ASSERT_EQ(PackFolder(StdPath(source.path()) + "/", StdPath(folder.file("current/Skins/Packed.vpk"))), "");
    {
        TsSkinManager manager;
        manager.SetSkinDirectory("Skins");
        EXPECT_EQ(manager.ResolvedSkinDirectory(), StdPath(folder.file("program/Skins")));
        EXPECT_EQ(manager.NormalizedSkinDirectory(), "Skins/");
        manager.SetSkinName("Blue");
        EXPECT_EQ(ButtonColor(manager), 1u);
        manager.SetSkinName("Packed");
        EXPECT_EQ(ButtonColor(manager), 2u);
        std::vector<std::string> names;
        EXPECT_EQ(manager.GetSkinNames(names, 2), "Blue");
        EXPECT_EQ(names, std::vector<std::string>{"Blue"});
    }
    QDir::setCurrent(current);
    qunsetenv("VESPIRA_PROGRAM_DIR");
}

TEST_F(ManagerTest, AllSkinNamesPutBuiltInSkinsFirst)
{
    WriteFolderSkin("Blue", SkinText("1"));
    WritePackedSkin("Blue", SkinText("2"));
    WritePackedSkin("azure.old", SkinText("2"));
    TsSkinManager manager;
    Configure(manager);
    std::vector<std::string> names;
    EXPECT_NE(manager.GetAllSkinNames(names, 2), "");
    EXPECT_EQ(names, (std::vector<std::string>{"azure", "Blue", "Blue"}));
    TsStoredSkins stored;
    stored.Add("Zeta (internal)");
    stored.Add("Alpha (internal)");
    manager.SetInternalSkins(stored);
    EXPECT_EQ(manager.GetAllSkinNames(names, 1), "Zeta (internal)");
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha (internal)", "azure", "Blue", "Zeta (internal)"}));
}

} // namespace
