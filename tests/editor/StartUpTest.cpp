#include "MainFormFixture.h"

#include "editor/TUpperCaseMemo.h"
#include "engine/sSkinManager.h"
#include "platform/TPathDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

namespace {

QStringList tabCaptions(const QTabWidget* pages)
{
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions.append(pages->tabText(i));
    return captions;
}

const QStringList defaultGlyphList = {
    QStringLiteral("COMBOBOX"),      QStringLiteral("SCROLLBAR1H"),   QStringLiteral("SCROLLBAR1V"),
    QStringLiteral("SCROLLBAR2H"),   QStringLiteral("SCROLLBAR2V"),   QStringLiteral("SCROLLSLIDERV"),
    QStringLiteral("SCROLLSLIDERH"), QStringLiteral("SCROLLBTNLEFT"), QStringLiteral("SCROLLBTNTOP"),
    QStringLiteral("SCROLLBTNRIGHT"), QStringLiteral("SCROLLBTNBOTTOM")};

} // namespace

TEST_F(MainFormTest, WindowCarriesTheCaptionsAndStartsWithOnlyTheFileMenuUsable)
{
    writeSettings("[Options]\r\nSkinsPath=/nowhere\r\n");
    const auto form = start();

    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vespira Editor v6.22"));
    EXPECT_EQ(form->BaseCaption, QStringLiteral("Vespira Editor v6.22"));
    EXPECT_EQ(form->DemoCaption, QStringLiteral("Orvalen preview v6.22"));
    EXPECT_EQ(form->size(), QSize(584, 425));
    EXPECT_EQ(form->minimumSize(), QSize(584, 400));
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral("."));

    QStringList menus;
    for (QAction* menu : form->menuBar()->actions()) {
        if (menu->isVisible())
            menus.append(menu->text());
    }
    EXPECT_EQ(menus, (QStringList{QStringLiteral("File"), QStringLiteral("Available unpacked skins")}));
    QStringList fileItems;
    for (QAction* item : form->File1->actions()) {
        if (item->isVisible() && !item->isSeparator())
            fileItems.append(item->text());
    }
    EXPECT_EQ(fileItems, (QStringList{QStringLiteral("Select folder with skins (sources)"),
                                      QStringLiteral("Make new skin"), QStringLiteral("Save as packed..."),
                                      QStringLiteral("Extract packed skin"), QStringLiteral("Exit")}));
    EXPECT_EQ(form->ActionSelectDir->text(), QStringLiteral("Skins diectory changing"));
    EXPECT_EQ(form->ActionClearSection->text(), QStringLiteral("Clear section"));
    EXPECT_FALSE(form->ActionOptions->isVisible());
    EXPECT_FALSE(form->About1->isEnabled());
    EXPECT_TRUE(form->Extraskin1->isEnabled());
    EXPECT_FALSE(form->Saveaspacked1->isEnabled());
    EXPECT_FALSE(form->PageControlMain->isEnabled());
    EXPECT_FALSE(form->CheckBoxUpd->isEnabled());
    EXPECT_TRUE(form->CheckAutoPack->isChecked());

    EXPECT_EQ(tabCaptions(form->PageControlMain),
              (QStringList{QStringLiteral(" Sections managing "), QStringLiteral(" Global data "),
                           QStringLiteral("Editor options")}));
    EXPECT_EQ(tabCaptions(form->PageControlSection),
              (QStringList{QStringLiteral("Info"), QStringLiteral(" BG "), QStringLiteral(" 'Hot' BG "),
                           QStringLiteral(" Font "), QStringLiteral(" 'Hot' font "), QStringLiteral("Animation"),
                           QStringLiteral(" Glyph "), QStringLiteral(" TrackBar data "), QStringLiteral("Corners Images"),
                           QStringLiteral(" Direct editing ")}));
    EXPECT_EQ(tabCaptions(form->PageControlGlobal),
              (QStringList{QStringLiteral(" Main info "), QStringLiteral(" Colors "), QStringLiteral(" Glyphs 1 "),
                           QStringLiteral(" Glyphs 2 "), QStringLiteral(" Shadows ")}));
    EXPECT_EQ(form->sComboBox2->count(), 9);
    EXPECT_EQ(form->sComboBox2->currentText(), QStringLiteral("- All sections"));
    EXPECT_EQ(form->LabelWelcome1->text(), QStringLiteral("Welcome to the Vespira edit tool!"));
    EXPECT_EQ(form->LabelWelcome2->text(),
              QStringLiteral("If is this your first time of work with program - please select directory with skins."));
    EXPECT_EQ(form->LabelWelcome3->text(), QStringLiteral("And please choose a skin to edit (if exists)."));
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(MainFormTest, FirstRunAsksForTheFolderAndACancelFallsBackToTheProgramsSkins)
{
    addSkin(QStringLiteral("Aqua"));
    const auto form = start();

    ASSERT_EQ(dialogs.asked().size(), 1u);
    const ScriptedDialogs::Question& question = dialogs.asked().front();
    EXPECT_EQ(question.kind, ScriptedDialogs::Kind::SelectFolder);
    EXPECT_EQ(question.caption, QStringLiteral("Select folder with skins sources :"));
    EXPECT_EQ(question.value, TPathDialog::Root());
    EXPECT_EQ(form->SkinsPath, program.path() + QStringLiteral("/Skins"));
    EXPECT_TRUE(form->SkinsMenu->isEnabled());
    EXPECT_TRUE(form->Makenewskin1->isEnabled());
    EXPECT_EQ(skinMenuNames(*form), QStringList{QStringLiteral("Aqua")});
    EXPECT_EQ(form->DemoFileName, program.path() + QStringLiteral("/VespiraShowcase"));
    // Nothing was chosen, so nothing was published or stored.
    EXPECT_TRUE(registry().isNull());
    EXPECT_TRUE(settings().isNull());
}

TEST_F(MainFormTest, FirstRunWithoutASkinsFolderLeavesAnEmptyButUsableSkinsMenu)
{
    const auto form = start();
    EXPECT_TRUE(form->SkinsMenu->isEnabled());
    EXPECT_TRUE(form->SkinMenuItems().isEmpty());
}

TEST_F(MainFormTest, AFolderChosenAtFirstRunIsStoredAndPublishedAtOnce)
{
    const QString chosen = program.makeDir(QStringLiteral("Elsewhere"));
    program.write(QStringLiteral("Elsewhere/Mint/Options.dat"), "[GLOBALINFO]\r\n");
    dialogs.chooseFolder(chosen);
    const auto form = start();

    EXPECT_EQ(form->SkinsPath, chosen);
    EXPECT_EQ(settingValues("Options"), (std::vector<std::pair<std::string, std::string>>{
                                            {"SkinsPath", chosen.toLocal8Bit().toStdString()}}));
    EXPECT_EQ(registry(), "[Software\\Vespira\\Editor]\nSourcesPath=" + chosen.toLocal8Bit() + "\nSkinName=\n");
    EXPECT_EQ(skinMenuNames(*form), QStringList{QStringLiteral("Mint")});
}

TEST_F(MainFormTest, OptionListsFollowTheirStoredCount)
{
    const struct
    {
        const char* stored;
        QStringList expected;
    } cases[] = {
        {"", defaultGlyphList},
        {"OptionGlyphCount=0\r\nOptionGlyphItem0=EDIT\r\n", defaultGlyphList},
        {"OptionGlyphCount=2\r\nOptionGlyphItem0=EDIT\r\n", {QStringLiteral("EDIT"), QString()}},
        {"OptionGlyphCount=1\r\nOptionGlyphItem0=button\r\n", {QStringLiteral("button")}},
        {"OptionGlyphCount=$2\r\nOptionGlyphItem0=A\r\nOptionGlyphItem1=B\r\n", {QStringLiteral("A"), QStringLiteral("B")}},
        {"OptionGlyphCount=two\r\nOptionGlyphItem0=EDIT\r\n", {}},
    };
    for (const auto& c : cases) {
        writeSettings(QByteArray("[Options]\r\nSkinsPath=/nowhere\r\n[Editor]\r\n") + c.stored);
        const auto form = start();
        EXPECT_EQ(form->MemoGlyph->Lines(), c.expected) << c.stored;
        EXPECT_EQ(form->MemoAnimation->Lines().size(), 8) << c.stored;
        EXPECT_EQ(form->MemoAnimation->Lines().last(), QStringLiteral(" "));
        EXPECT_EQ(form->MemoCornerImg->Lines().size(), 12);
        EXPECT_EQ(form->MemoGlow->Lines().size(), 9);
        EXPECT_EQ(form->MemoForm->Lines(), QStringList{QStringLiteral("FORM")});
        EXPECT_EQ(form->MemoTrackBar->Lines(), QStringList{QStringLiteral("TRACKBAR")});
    }
}

TEST_F(MainFormTest, MasterOnlyIsCheckedUnlessStoredAsFalse)
{
    const struct
    {
        const char* stored;
        bool checked;
    } cases[] = {
        {"", true}, {"MasterOnly=FALSE\r\n", false}, {"MasterOnly=false\r\n", false},
        {"MasterOnly=TRUE\r\n", true}, {"MasterOnly=no\r\n", true}, {"MasterOnly=\r\n", true},
    };
    for (const auto& c : cases) {
        writeSettings(QByteArray("[Options]\r\nSkinsPath=/nowhere\r\n") + c.stored);
        EXPECT_EQ(start()->CheckBoxMasterOnly->isChecked(), c.checked) << c.stored;
    }
}

TEST_F(MainFormTest, StoredPositionsApplyAndOnesThatAreNoNumbersKeepTheDefault)
{
    writeSettings("[Options]\r\nSkinsPath=/nowhere\r\n");
    const QPoint defaultPosition = start()->pos();

    writeSettings("[Options]\r\nSkinsPath=/nowhere\r\nMainFormTop=40\r\nMainFormLeft=60\r\n");
    EXPECT_EQ(start()->pos(), QPoint(60, 40));
    writeSettings("[Options]\r\nSkinsPath=/nowhere\r\nMainFormTop=high\r\nMainFormLeft=37\r\n");
    EXPECT_EQ(start()->pos(), QPoint(37, defaultPosition.y()));
    writeSettings("[Options]\r\nSkinsPath=/nowhere\r\nMainFormTop=25\r\nMainFormLeft=1.5\r\n");
    EXPECT_EQ(start()->pos(), QPoint(defaultPosition.x(), 25));
}

TEST_F(MainFormTest, ExitWritesTheSettingsAndKeepsWhatWasWrittenDuringTheRun)
{
    writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit()
                  + "\r\nAppSkin=Vespira Dark (internal)\r\nMasterOnly=FALSE\r\nOptionGlyphCount=9\r\n"
                    "[Editor]\r\nOptionGlyphCount=3\r\nOptionGlyphItem0=A\r\nOptionGlyphItem1=B\r\nOptionGlyphItem2=C\r\n"
                    "[Custom]\r\nKept=yes\r\n");
    addSkin(QStringLiteral("Aqua"));
    auto form = start();
    chooseSkin(*form, QStringLiteral("Aqua"));
    form->MemoGlyph->SetLines({QStringLiteral("EDIT"), QString()});
    form->DirectoryOutput->setText(QStringLiteral("/packed"));
    form->CheckBoxMasterOnly->setChecked(true);
    form->move(12, 34);
    form->close();

    using Values = std::vector<std::pair<std::string, std::string>>;
    const std::string skins = skinsPath().toLocal8Bit().toStdString();
    const std::string demo = program.path().toLocal8Bit().toStdString() + "/VespiraShowcase";
    EXPECT_EQ(settingValues("Options"),
              (Values{{"SkinsPath", skins}, {"AppSkin", "Vespira Dark (internal)"}, {"MasterOnly", "TRUE"}, {"OptionGlyphCount", "9"},
                      {"MainFormTop", "34"}, {"MainFormLeft", "12"}, {"OutputPath", "/packed"}, {"DemoFileName", demo}}));
    const Values editor = settingValues("Editor");
    ASSERT_EQ(editor.size(), 3u + 13u + 9u + 10u + 2u + 2u);
    EXPECT_EQ(Values(editor.begin(), editor.begin() + 4),
              (Values{{"OptionGlyphCount", "2"}, {"OptionGlyphItem0", "EDIT"}, {"OptionGlyphItem1", ""},
                      {"OptionCornerImgCount", "12"}}));
    EXPECT_EQ(settingValue("Editor", "OptionAnimationCount"), "8");
    EXPECT_EQ(settingValue("Editor", "OptionTrackBarItem0"), "TRACKBAR");
    EXPECT_EQ(settingValue("Custom", "Kept"), "yes");
    EXPECT_EQ(settingValue("CurrentWork", "SkinName"), "Aqua");

    // What exit stored is what the next start reads.
    form.reset();
    form = start();
    EXPECT_EQ(form->MemoGlyph->Lines(), (QStringList{QStringLiteral("EDIT"), QString()}));
    EXPECT_EQ(form->pos(), QPoint(12, 34));
    EXPECT_EQ(form->DirectoryOutput->text(), QStringLiteral("/packed"));
    EXPECT_EQ(form->sSkinManager1->SkinName(), "Vespira Dark (internal)");
    EXPECT_TRUE(form->CheckBoxMasterOnly->isChecked());
}

TEST_F(MainFormTest, ASettingsFileThatCannotBeWrittenAtExitIsLeftAsItWas)
{
    const QByteArray old = "[Options]\r\nSkinsPath=/nowhere\r\n";
    writeSettings(old);
    auto form = start();
    {
        FileSizeLimit fullDisk;
        form->close();
    }
    EXPECT_EQ(settings(), old);
    ASSERT_EQ(dialogs.asked(ScriptedDialogs::Kind::Warning).size(), 1u);
    EXPECT_TRUE(dialogs.asked(ScriptedDialogs::Kind::Warning).front().text.contains(QStringLiteral("VespiraStudio.ini")));
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("VespiraStudio.ini")});
}

TEST_F(MainFormTest, PageChangesAndShowingTheWindowSetTheCurrentSection)
{
    writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit() + "\r\n");
    addSkin(QStringLiteral("Aqua"), "[GLOBALINFO]\r\n[BUTTON]\r\nCOLOR=1\r\n[EDIT]\r\nCOLOR=2\r\n");
    const auto form = start();
    form->show();
    EXPECT_EQ(form->CurrentSection, QStringLiteral("GLOBALINFO"));

    chooseSkin(*form, QStringLiteral("Aqua"));
    EXPECT_EQ(form->CurrentSection, QStringLiteral("BUTTON"));
    form->PageControlMain->setCurrentWidget(form->TabSheetGlobalData);
    EXPECT_EQ(form->CurrentSection, QStringLiteral("GLOBALINFO"));
    form->PageControlMain->setCurrentWidget(form->TabSheetSections);
    EXPECT_EQ(form->CurrentSection, QStringLiteral("BUTTON"));

    form->ListBoxSections->clearSelection();
    form->PageControlMain->setCurrentWidget(form->TabSheetOptions);
    EXPECT_TRUE(form->CurrentSection.isEmpty());
}

TEST_F(MainFormTest, OptionListsTurnTypedAndPastedTextToUpperCase)
{
    writeSettings("[Options]\r\nSkinsPath=/nowhere\r\n");
    const auto form = start();
    form->PageControlMain->setEnabled(true);
    TUpperCaseMemo* memo = form->MemoForm;
    memo->SetLines({});
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("dialog"));
    QTest::keyClick(memo, Qt::Key_Return);
    QApplication::clipboard()->setText(QStringLiteral("mdiArea"));
    memo->paste();
    EXPECT_EQ(memo->Lines(), (QStringList{QStringLiteral("DIALOG"), QStringLiteral("MDIAREA")}));
}

TEST_F(MainFormTest, TheEditorWearsItsFirstBuiltInSkinUnlessTheSettingsNameAnother)
{
    auto form = start();
    EXPECT_EQ(form->sSkinManager1->SkinName(), "Vespira Light (internal)");
    EXPECT_TRUE(form->sSkinManager1->SkinData.Active);
    EXPECT_GE(form->sSkinManager1->SectionIndexOf("EMPTYCOMBO"), 0);
    EXPECT_GE(form->sSkinManager1->SectionIndexOf("WHITEPANEL"), 0);
}
