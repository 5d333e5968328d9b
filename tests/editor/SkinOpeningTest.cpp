#include "MainFormFixture.h"

#include "skinfiles/TMemIniFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>

namespace {

const QByteArray threeSections = "; a comment\n[GLOBALINFO]\nVERSION=6.22\n[EDIT]\nCOLOR=2\n[BUTTON]\nCOLOR=1\n[combobox]\nCOLOR=3\n";

class SkinOpeningTest : public MainFormTest
{
protected:
    std::unique_ptr<TMainForm> startInSkins(const QByteArray& moreOptions = {})
    {
        writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit() + "\r\n" + moreOptions);
        return start();
    }

    QByteArray options(const QString& skin) const
    {
        return program.read(QStringLiteral("Skins/") + skin + QStringLiteral("/Options.dat"));
    }
};

} // namespace

TEST_F(SkinOpeningTest, TheSkinsMenuListsSkinFoldersSortedTwentyToAColumn)
{
    for (int i = 0; i < 45; ++i)
        addSkin(QString::asprintf(i % 2 ? "skin%02d" : "SKIN%02d", i));
    addSkin(QStringLiteral(".hidden"));
    program.makeDir(QStringLiteral("Skins/NoOptions"));
    program.write(QStringLiteral("Skins/NoOptions/Options.dat.bak"), "[GLOBALINFO]\r\n");
    program.write(QStringLiteral("Skins/Upper/OPTIONS.DAT"), "[GLOBALINFO]\r\n");
    program.write(QStringLiteral("Skins/Options.dat"), "[GLOBALINFO]\r\n");
    const auto form = startInSkins();

    const QList<QAction*> items = form->SkinMenuItems();
    ASSERT_EQ(items.size(), 46);
    for (int i = 0; i < 45; ++i)
        EXPECT_EQ(items[i]->text().toUpper(), QString::asprintf("SKIN%02d", i));
    EXPECT_EQ(skinMenuNames(*form).last(), QStringLiteral("Upper"));

    int perColumn[3] = {0, 0, 0};
    for (QAction* item : items)
        ++perColumn[item->property("MenuColumn").toInt()];
    EXPECT_EQ(perColumn[0], 20);
    EXPECT_EQ(perColumn[1], 20);
    EXPECT_EQ(perColumn[2], 6);
    // The first column is the menu itself, the others are submenus of it.
    QList<int> submenuSizes;
    for (QAction* action : form->SkinsMenu->actions()) {
        if (action->menu())
            submenuSizes.append(action->menu()->actions().size());
    }
    EXPECT_EQ(submenuSizes, (QList<int>{20, 6}));
}

TEST_F(SkinOpeningTest, RescanningReplacesTheMenuItems)
{
    addSkin(QStringLiteral("Aqua"));
    const auto form = startInSkins();
    addSkin(QStringLiteral("Bronze"));
    form->ScanSkins();
    EXPECT_EQ(skinMenuNames(*form), (QStringList{QStringLiteral("Aqua"), QStringLiteral("Bronze")}));
}

TEST_F(SkinOpeningTest, ChoosingASkinOpensAndPublishesIt)
{
    addSkin(QStringLiteral("Aqua"), threeSections);
    addSkin(QStringLiteral("Bronze"));
    const auto form = startInSkins("Preview=1\r\n");
    chooseSkin(*form, QStringLiteral("Aqua"));

    EXPECT_EQ(form->CurrentSkinName, QStringLiteral("Aqua"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vespira Editor v6.22 - Aqua"));
    EXPECT_TRUE(form->PageControlMain->isEnabled());
    EXPECT_TRUE(form->Saveaspacked1->isEnabled());
    EXPECT_TRUE(form->CheckBoxUpd->isEnabled());
    EXPECT_TRUE(form->CheckBoxUpd->isChecked());
    EXPECT_TRUE(skinItem(*form, QStringLiteral("Aqua"))->isChecked());
    EXPECT_FALSE(skinItem(*form, QStringLiteral("Bronze"))->isChecked());

    EXPECT_EQ(sectionEntries(*form), (QStringList{QStringLiteral("BUTTON"), QStringLiteral("combobox"), QStringLiteral("EDIT")}));
    EXPECT_EQ(selectedSection(*form), QStringLiteral("BUTTON"));
    EXPECT_EQ(form->CurrentSection, QStringLiteral("BUTTON"));
    EXPECT_FALSE(form->SkinOpening);
    EXPECT_FALSE(form->PageLoading);

    EXPECT_EQ(options(QStringLiteral("Aqua")), asWritten(threeSections));
    EXPECT_EQ(registry(), "[Software\\Vespira\\Editor]\nSourcesPath=" + skinsPath().toLocal8Bit() + "\nSkinName=Aqua\n");
    EXPECT_EQ(settingValues("CurrentWork"), (std::vector<std::pair<std::string, std::string>>{
                                                 {"SkinName", "Aqua"}, {"SkinSection", "BUTTON"}}));

    chooseSkin(*form, QStringLiteral("Bronze"));
    EXPECT_FALSE(skinItem(*form, QStringLiteral("Aqua"))->isChecked());
    EXPECT_TRUE(skinItem(*form, QStringLiteral("Bronze"))->isChecked());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vespira Editor v6.22 - Bronze"));
    // With the preview switch on and no preview program, each opening asks for one.
    EXPECT_EQ(dialogs.asked().size(), 2u);
    EXPECT_EQ(dialogs.asked(ScriptedDialogs::Kind::OpenFile).size(), 2u);
}

TEST_F(SkinOpeningTest, ThePreviewSwitchFollowsTheStoredSettingAtEveryOpening)
{
    addSkin(QStringLiteral("Aqua"));
    const auto form = startInSkins("Preview=0\r\n");
    {
        // Checked without its handler, which would store the new state.
        const QSignalBlocker quiet(form->CheckBoxUpd);
        form->CheckBoxUpd->setChecked(true);
    }
    chooseSkin(*form, QStringLiteral("Aqua"));
    EXPECT_FALSE(form->CheckBoxUpd->isChecked());
}

TEST_F(SkinOpeningTest, AFolderNameWithAnAmpersandIsShownAndOpenedAsItIs)
{
    addSkin(QStringLiteral("R&B"), "[GLOBALINFO]\r\nVERSION=6.22\r\nAUTHOR=with ampersand\r\n");
    addSkin(QStringLiteral("RB"), "[GLOBALINFO]\r\nVERSION=6.22\r\nAUTHOR=without\r\n[FORM]\r\n");
    const auto form = startInSkins();
    EXPECT_EQ(skinMenuNames(*form), (QStringList{QStringLiteral("R&B"), QStringLiteral("RB")}));
    // "&&" is how a menu shows one "&" instead of underlining the next letter.
    EXPECT_EQ(form->SkinMenuItems().front()->text(), QStringLiteral("R&&B"));
    chooseSkin(*form, QStringLiteral("R&B"));

    EXPECT_EQ(form->CurrentSkinName, QStringLiteral("R&B"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vespira Editor v6.22 - R&B"));
    ASSERT_TRUE(form->SkinFile);
    EXPECT_EQ(form->SkinFile->ReadString("GLOBALINFO", "AUTHOR", ""), "with ampersand");
    EXPECT_EQ(registry(), "[Software\\Vespira\\Editor]\nSourcesPath=" + skinsPath().toLocal8Bit() + "\nSkinName=R&B\n");
    EXPECT_EQ(options(QStringLiteral("RB")), "[GLOBALINFO]\r\nVERSION=6.22\r\nAUTHOR=without\r\n[FORM]\r\n");
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(SkinOpeningTest, AnOptionsFileInAnotherCaseIsOpenedAndRewrittenInPlace)
{
    program.write(QStringLiteral("Skins/Upper/OPTIONS.DAT"), "[GLOBALINFO]\nVERSION=6.22\n[FORM]\nCOLOR=1\n");
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Upper"));
    EXPECT_EQ(sectionEntries(*form), QStringList{QStringLiteral("FORM")});
    EXPECT_EQ(QDir(skinsPath() + QStringLiteral("/Upper")).entryList(QDir::Files), QStringList{QStringLiteral("OPTIONS.DAT")});
    EXPECT_EQ(program.read(QStringLiteral("Skins/Upper/OPTIONS.DAT")), asWritten("[GLOBALINFO]\nVERSION=6.22\n[FORM]\nCOLOR=1\n"));
}

TEST_F(SkinOpeningTest, ASkinWithoutOptionsFileOpensEmptyAndTheFirstPublicationCreatesIt)
{
    program.makeDir(QStringLiteral("Skins/Fresh"));
    const auto form = startInSkins();
    form->CurrentSkinName = QStringLiteral("Fresh");
    form->OpenSkin();
    ASSERT_TRUE(form->SkinFile);
    EXPECT_TRUE(sectionEntries(*form).isEmpty());
    EXPECT_EQ(selectedSection(*form), QString());
    EXPECT_TRUE(QFileInfo::exists(skinsPath() + QStringLiteral("/Fresh/Options.dat")));
}

TEST_F(SkinOpeningTest, EditsArePublishedOnlyWithACurrentSectionAndNoGuardFlagRaised)
{
    addSkin(QStringLiteral("Aqua"), threeSections);
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    ASSERT_EQ(form->CurrentSection, QStringLiteral("BUTTON"));

    const struct
    {
        const char* name;
        bool TMainForm::*flag;
        const char* section;
        bool published;
    } cases[] = {
        {"current section", nullptr, "BUTTON", true},
        {"no current section", nullptr, "", false},
        {"pages loading", &TMainForm::PageLoading, "BUTTON", false},
        {"skin opening", &TMainForm::SkinOpening, "BUTTON", false},
        {"window destroyed", &TMainForm::Destroying, "BUTTON", false},
        {"new skin", &TMainForm::NewSkinMaking, "BUTTON", false},
    };
    int value = 100;
    for (const auto& c : cases) {
        const QByteArray before = options(QStringLiteral("Aqua"));
        form->CurrentSection = QString::fromLatin1(c.section);
        if (c.flag)
            form.get()->*c.flag = true;
        form->SkinFile->WriteInteger("BUTTON", "COLOR", ++value);
        form->SkinChanged();
        if (c.flag)
            form.get()->*c.flag = false;
        EXPECT_EQ(options(QStringLiteral("Aqua")).contains("COLOR=" + QByteArray::number(value)), c.published) << c.name;
        if (!c.published)
            EXPECT_EQ(options(QStringLiteral("Aqua")), before) << c.name;
    }
}

TEST_F(SkinOpeningTest, PublishingWhileANewSkinIsMadeWritesOnlyTheRegistry)
{
    addSkin(QStringLiteral("Aqua"), threeSections);
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    program.write(QStringLiteral("config/registry.ini"), "");
    form->NewSkinMaking = true;
    form->SkinFile->WriteInteger("BUTTON", "COLOR", 77);
    form->PublishSkin();
    EXPECT_EQ(options(QStringLiteral("Aqua")), asWritten(threeSections));
    EXPECT_TRUE(registry().contains("SkinName=Aqua"));
}

TEST_F(SkinOpeningTest, ReopeningKeepsTheSelectedSectionAndAnotherSkinLackingItSelectsNothing)
{
    addSkin(QStringLiteral("Aqua"), threeSections);
    addSkin(QStringLiteral("Bronze"), "[GLOBALINFO]\r\n[BUTTON]\r\n[FORM]\r\n");
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    form->ListBoxSections->setCurrentRow(2);
    ASSERT_EQ(form->CurrentSection, QStringLiteral("EDIT"));
    EXPECT_EQ(settingValue("CurrentWork", "SkinSection"), "EDIT");

    form->SkinFile->WriteString("ADDED", "BORDERSMASK", "N/A");
    form->SkinFile->UpdateFile();
    form->OpenSkin();
    EXPECT_EQ(sectionEntries(*form).size(), 4);
    EXPECT_EQ(selectedSection(*form), QStringLiteral("EDIT"));
    EXPECT_EQ(form->CurrentSection, QStringLiteral("EDIT"));

    chooseSkin(*form, QStringLiteral("Bronze"));
    EXPECT_EQ(selectedSection(*form), QString());
    EXPECT_EQ(form->CurrentSection, QStringLiteral("EDIT"));
}

TEST_F(SkinOpeningTest, ChoosingAnotherFolderKeepsTheOpenSkinEditable)
{
    addSkin(QStringLiteral("Aqua"), threeSections);
    const QString other = program.makeDir(QStringLiteral("Other"));
    program.write(QStringLiteral("Other/Zinc/Options.dat"), "[GLOBALINFO]\r\n");
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    const TMemIniFile* document = form->SkinFile.get();

    dialogs.chooseFolder(other);
    form->Selectfolderwithskinssources1->trigger();

    ASSERT_EQ(dialogs.asked(ScriptedDialogs::Kind::SelectFolder).size(), 1u);
    EXPECT_EQ(dialogs.asked(ScriptedDialogs::Kind::SelectFolder).front().value, skinsPath());
    EXPECT_EQ(form->SkinsPath, other);
    EXPECT_EQ(settingValue("Options", "SkinsPath"), other.toLocal8Bit());
    EXPECT_EQ(registry(), "[Software\\Vespira\\Editor]\nSourcesPath=" + other.toLocal8Bit() + "\nSkinName=Aqua\n");
    EXPECT_EQ(skinMenuNames(*form), QStringList{QStringLiteral("Zinc")});

    EXPECT_EQ(form->SkinFile.get(), document);
    form->SkinFile->WriteInteger("EDIT", "COLOR", 9);
    form->SkinChanged();
    TMemIniFile written;
    written.SetText(options(QStringLiteral("Aqua")).toStdString());
    EXPECT_EQ(written.ReadString("EDIT", "COLOR", ""), "9");
}

TEST_F(SkinOpeningTest, ACancelledFolderChoiceChangesNothingButStillEnablesTheMenus)
{
    addSkin(QStringLiteral("Aqua"));
    const auto form = startInSkins();
    form->ActionSelectDir->trigger();
    EXPECT_EQ(form->SkinsPath, skinsPath());
    EXPECT_EQ(form->SkinMenuItems().size(), 1);
    EXPECT_TRUE(registry().isNull());
    EXPECT_TRUE(form->Makenewskin1->isEnabled());
}

TEST_F(SkinOpeningTest, AnOptionsFileThatCannotBeWrittenIsLeftAsItWas)
{
    addSkin(QStringLiteral("Aqua"), threeSections);
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    form->SkinFile->WriteString("BUTTON", "DESCRIPTION", std::string(200, 'x'));
    {
        FileSizeLimit fullDisk(100);
        form->SkinChanged();
    }
    EXPECT_EQ(options(QStringLiteral("Aqua")), asWritten(threeSections));
    ASSERT_EQ(dialogs.asked(ScriptedDialogs::Kind::Warning).size(), 1u);
    EXPECT_TRUE(dialogs.asked(ScriptedDialogs::Kind::Warning).front().text.contains(QStringLiteral("Aqua/Options.dat")));
    EXPECT_EQ(QDir(skinsPath() + QStringLiteral("/Aqua")).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Options.dat")});
}
