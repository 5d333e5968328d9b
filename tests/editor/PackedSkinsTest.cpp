#include "MainFormFixture.h"

#include "dialogs/ovSelectSkin.h"
#include "editor/TGlobalDataPages.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/ovSkinPack.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cstring>

namespace {

using Kind = ScriptedDialogs::Kind;

const QByteArray aquaOptions = "[GLOBALINFO]\r\nVERSION=6.22\r\n[BUTTON]\r\nCOLOR=1\r\n";
const QString outputQuestion = QStringLiteral("Please define a directory for automatic output of packed skins :");

class PackedSkinsTest : public MainFormTest
{
protected:
    PackedSkinsTest()
    {
        addSkin(QStringLiteral("Aqua"), aquaOptions);
        program.write(QStringLiteral("Skins/Aqua/Master.bmp"), "BM aqua");
        addSkin(QStringLiteral("Bronze"));
    }

    std::unique_ptr<TMainForm> startInSkins(const QByteArray& moreOptions = {})
    {
        writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit() + "\r\n" + moreOptions);
        return start();
    }

    // The files an archive holds, by name.
    static std::map<std::string, QByteArray> archiveFiles(const QString& archive)
    {
        TovSkinConvertor convertor;
        const std::string error = LoadPackedFile(archive.toStdString(), convertor, true);
        EXPECT_EQ(error, "") << archive.toStdString();
        std::map<std::string, QByteArray> files;
        if (convertor.OptionsData)
            files["Options.dat"] = QByteArray(reinterpret_cast<const char*>(convertor.OptionsData->data()),
                                              qsizetype(convertor.OptionsData->size()));
        for (const TovSkinItem& item : convertor.ImageItems)
            files[item.Name] = QByteArray(reinterpret_cast<const char*>(item.Data.data()), qsizetype(item.Data.size()));
        return files;
    }

    QStringList filesIn(const QString& relative) const
    {
        return QDir(program.file(relative)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QByteArray options(const QString& skin) const
    {
        return program.read(QStringLiteral("Skins/") + skin + QStringLiteral("/Options.dat"));
    }

    QStringList warnings() const
    {
        QStringList texts;
        for (const ScriptedDialogs::Question& question : dialogs.asked(Kind::Warning))
            texts.append(question.text);
        return texts;
    }

    // Archives made by the packer from folders outside the skins folder.
    void addPackedSkin(const QString& fileName, const QByteArray& options) const
    {
        TestFolder source;
        source.write(QStringLiteral("Options.dat"), options);
        source.write(QStringLiteral("Master.bmp"), "BM " + options);
        ASSERT_EQ(PackFolder(source.path().toStdString() + "/", program.file(QStringLiteral("Skins/") + fileName).toStdString()),
                  "");
    }

    static QByteArray optionsValue(const QByteArray& text, const char* section, const char* key)
    {
        TMemIniFile document;
        document.SetText(text.toStdString());
        return QByteArray::fromStdString(document.ReadString(section, key, "(missing)"));
    }
};

} // namespace

// ---- Closing a skin --------------------------------------------------------

TEST_F(PackedSkinsTest, ClosingAsksOnceForTheOutputFolderAndPacksTheSkinThere)
{
    program.makeDir(QStringLiteral("Out"));
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    dialogs.chooseFolder(program.file(QStringLiteral("Out")));
    chooseSkin(*form, QStringLiteral("Bronze"));

    const auto asked = dialogs.asked(Kind::SelectFolder);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked.front().caption, outputQuestion);
    EXPECT_EQ(form->DirectoryOutput->text(), program.file(QStringLiteral("Out")));
    EXPECT_EQ(filesIn(QStringLiteral("Out")), QStringList{QStringLiteral("Aqua.vpk")});
    const auto files = archiveFiles(program.file(QStringLiteral("Out/Aqua.vpk")));
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files.at("Options.dat"), options(QStringLiteral("Aqua")));
    EXPECT_EQ(files.at("Master.bmp"), "BM aqua");

    // The folder is known now: closing at exit packs without asking.
    form->close();
    EXPECT_EQ(dialogs.asked(Kind::SelectFolder).size(), 1u);
    EXPECT_EQ(filesIn(QStringLiteral("Out")), (QStringList{QStringLiteral("Aqua.vpk"), QStringLiteral("Bronze.vpk")}));
    EXPECT_EQ(settingValue("Options", "OutputPath"), program.file(QStringLiteral("Out")).toLocal8Bit());
    EXPECT_TRUE(warnings().isEmpty()) << warnings().join('\n').toStdString();
}

TEST_F(PackedSkinsTest, TheOutputFolderDecidesWhereAutomaticPacksGo)
{
    program.makeDir(QStringLiteral("Out"));
    const struct
    {
        QString output;
        QString archive; // below the program folder
    } cases[] = {
        {program.file(QStringLiteral("Out")), QStringLiteral("Out/Aqua.vpk")},
        {skinsPath(), QStringLiteral("Skins/Aqua_packed.vpk")},                  // the skins folder itself
        {skinsPath() + QLatin1Char('/'), QStringLiteral("Skins/Aqua.vpk")},       // same folder, other text
        {program.file(QStringLiteral("Missing")), QStringLiteral("Skins/Aqua_packed.vpk")},
        {program.file(QStringLiteral("Skins/Aqua/Master.bmp")), QStringLiteral("Skins/Aqua_packed.vpk")}, // a file
    };
    for (const auto& c : cases) {
        const auto form = startInSkins("OutputPath=" + c.output.toLocal8Bit() + "\r\n");
        chooseSkin(*form, QStringLiteral("Aqua"));
        form->CloseSkin();
        EXPECT_TRUE(QFileInfo::exists(program.file(c.archive))) << c.output.toStdString();
        EXPECT_EQ(archiveFiles(program.file(c.archive)).size(), 2u) << c.output.toStdString();
        QFile::remove(program.file(c.archive));
        EXPECT_FALSE(form->SkinFile);
    }
    EXPECT_TRUE(dialogs.asked(Kind::SelectFolder).empty());
    EXPECT_EQ(filesIn(QStringLiteral("Out")), QStringList{});
    EXPECT_EQ(filesIn(QStringLiteral("Skins")), QStringList{});
}

TEST_F(PackedSkinsTest, ACancelledOutputQuestionPacksBesideTheSkinsAndAsksAgainNextTime)
{
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    chooseSkin(*form, QStringLiteral("Bronze"));
    EXPECT_TRUE(form->DirectoryOutput->text().isEmpty());
    EXPECT_EQ(filesIn(QStringLiteral("Skins")), QStringList{QStringLiteral("Aqua_packed.vpk")});
    EXPECT_EQ(archiveFiles(program.file(QStringLiteral("Skins/Aqua_packed.vpk"))).at("Options.dat"),
              options(QStringLiteral("Aqua")));

    form->CloseSkin();
    EXPECT_EQ(dialogs.asked(Kind::SelectFolder).size(), 2u);
    EXPECT_EQ(filesIn(QStringLiteral("Skins")),
              (QStringList{QStringLiteral("Aqua_packed.vpk"), QStringLiteral("Bronze_packed.vpk")}));
}

TEST_F(PackedSkinsTest, WithoutAutoSaveClosingPacksNothingAndAsksNothing)
{
    const auto form = startInSkins();
    EXPECT_TRUE(form->CheckAutoPack->isChecked());
    form->CheckAutoPack->setChecked(false);
    chooseSkin(*form, QStringLiteral("Aqua"));
    chooseSkin(*form, QStringLiteral("Bronze"));
    form->close();
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(filesIn(QStringLiteral("Skins")), QStringList{});
    // Not a stored setting: it is checked again at the next start.
    EXPECT_TRUE(startInSkins()->CheckAutoPack->isChecked());
}

TEST_F(PackedSkinsTest, ClosingWithoutAnOpenSkinDoesNothing)
{
    const auto form = startInSkins("OutputPath=" + program.file(QStringLiteral("Out")).toLocal8Bit() + "\r\n");
    form->CloseSkin();
    form->close();
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(filesIn(QStringLiteral("Skins")), QStringList{});
}

TEST_F(PackedSkinsTest, AFailedAutomaticPackWarnsAndLeavesTheOldArchiveAsItWas)
{
    program.write(QStringLiteral("Out/Aqua.vpk"), "old archive");
    const auto form = startInSkins("OutputPath=" + program.file(QStringLiteral("Out")).toLocal8Bit() + "\r\n");
    form->GlobalPages->CommonVersionCheck->setChecked(false);
    chooseSkin(*form, QStringLiteral("Aqua"));
    {
        FileSizeLimit fullDisk(16);
        form->CloseSkin();
    }
    EXPECT_EQ(program.read(QStringLiteral("Out/Aqua.vpk")), "old archive");
    EXPECT_EQ(filesIn(QStringLiteral("Out")), QStringList{QStringLiteral("Aqua.vpk")});
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().front().contains(QStringLiteral("Aqua.vpk"))) << warnings().front().toStdString();
}

TEST_F(PackedSkinsTest, AutosetStampsTheVersionBoxIntoTheSkinBeforeItIsPacked)
{
    const auto form = startInSkins("OutputPath=" + skinsPath().toLocal8Bit() + "\r\n");
    QCheckBox* autoset = form->GlobalPages->CommonVersionCheck;
    QDoubleSpinBox* version = form->GlobalPages->EditVersion;
    chooseSkin(*form, QStringLiteral("Aqua"));
    autoset->setChecked(true);
    version->setValue(6.3);
    form->CloseSkin();
    EXPECT_EQ(optionsValue(options(QStringLiteral("Aqua")), "GLOBALINFO", "VERSION"), "6.3");
    EXPECT_EQ(optionsValue(archiveFiles(program.file(QStringLiteral("Skins/Aqua_packed.vpk"))).at("Options.dat"),
                           "GLOBALINFO", "VERSION"),
              "6.3");

    autoset->setChecked(false);
    chooseSkin(*form, QStringLiteral("Bronze"));
    version->setValue(7.5);
    form->CloseSkin();
    EXPECT_EQ(optionsValue(options(QStringLiteral("Bronze")), "GLOBALINFO", "VERSION"), "6.22");
}

// ---- Make new skin ---------------------------------------------------------

TEST_F(PackedSkinsTest, ANewSkinGetsAFuchsiaMasterBitmapAndIsOpened)
{
    const auto form = startInSkins("Preview=1\r\n");
    chooseSkin(*form, QStringLiteral("Aqua"));
    dialogs.answerInput(QStringLiteral("Fresh"));
    form->Makenewskin1->trigger();

    const auto asked = dialogs.asked(Kind::InputQuery);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked.front().caption, QStringLiteral("Name of skin"));
    EXPECT_EQ(asked.front().text, QStringLiteral("Please enter name of new skin :"));
    EXPECT_EQ(asked.front().value, QString());

    const QByteArray master = program.read(QStringLiteral("Skins/Fresh/Master.bmp"));
    ASSERT_EQ(master.size(), 14 + 40 + 4 + 500 * 400);
    auto dword = [&](int offset) {
        std::uint32_t value = 0;
        std::memcpy(&value, master.constData() + offset, 4);
        return value;
    };
    EXPECT_EQ(master.left(2), "BM");
    EXPECT_EQ(dword(18), 500u);
    EXPECT_EQ(dword(22), 400u);
    EXPECT_EQ(dword(28) & 0xFFFF, 8u); // bits per pixel
    EXPECT_EQ(master.mid(54, 4), QByteArray("\xFF\x00\xFF\x00", 4)); // palette entry 0: blue, green, red
    EXPECT_EQ(master.mid(58), QByteArray(500 * 400, '\0'));

    const QByteArray written = options(QStringLiteral("Fresh"));
    EXPECT_EQ(optionsValue(written, "GLOBALINFO", "MASTERBITMAP"), "MASTER.BMP");
    EXPECT_EQ(optionsValue(written, "GLOBALINFO", "VERSION"), "(missing)");
    EXPECT_EQ(form->CurrentSkinName, QStringLiteral("Fresh"));
    EXPECT_FALSE(form->NewSkinMaking);
    EXPECT_EQ(form->windowTitle(), form->BaseCaption + QStringLiteral(" - Fresh"));
    QStringList checked;
    for (QAction* item : form->SkinMenuItems()) {
        if (item->isChecked())
            checked.append(TMainForm::SkinNameOf(item));
    }
    EXPECT_EQ(checked, QStringList{QStringLiteral("Fresh")});
    EXPECT_TRUE(registry().contains("SkinName=Fresh"));
    // The skin open before was not closed: nothing was packed.
    EXPECT_TRUE(dialogs.asked(Kind::SelectFolder).empty());
    EXPECT_EQ(filesIn(QStringLiteral("Skins")), QStringList{});
    EXPECT_TRUE(warnings().isEmpty()) << warnings().join('\n').toStdString();
}

TEST_F(PackedSkinsTest, ANewSkinHoldsEveryStandardSectionOfSectionsIni)
{
    program.write(QStringLiteral("Sections.ini"),
                  "[- Buttons]\r\nCount=1\r\nItem0=BUTTON\r\n[BUTTON]\r\nInfo=Buttons\r\n[EDIT]\r\n[PANEL-X]\r\n"
                  "[CHECKBOX]\r\nInfo=Check boxes\r\n");
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Bronze"));
    dialogs.answerInput(QStringLiteral("Fresh"));
    form->Makenewskin1Click();

    TMemIniFile document;
    document.SetText(options(QStringLiteral("Fresh")).toStdString());
    EXPECT_EQ(document.ReadSections(), (std::vector<std::string>{"GLOBALINFO", "BUTTON", "EDIT", "CHECKBOX"}));
    for (const char* section : {"BUTTON", "EDIT", "CHECKBOX"})
        EXPECT_EQ(document.ReadSectionValues(section), (std::vector<std::pair<std::string, std::string>>{{"BORDERSMASK", "N/A"}}));
    EXPECT_EQ(sectionEntries(*form), (QStringList{QStringLiteral("BUTTON"), QStringLiteral("CHECKBOX"), QStringLiteral("EDIT")}));
    EXPECT_EQ(form->ListBoxMissedSections->count(), 0);
}

TEST_F(PackedSkinsTest, WithoutSectionsIniANewSkinHoldsOnlyItsMasterBitmap)
{
    const auto form = startInSkins();
    dialogs.answerInput(QStringLiteral("Fresh"));
    form->Makenewskin1Click();
    EXPECT_EQ(options(QStringLiteral("Fresh")), asWritten("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n"));
    EXPECT_EQ(form->CurrentSkinName, QStringLiteral("Fresh"));
}

TEST_F(PackedSkinsTest, AnExistingFolderWithoutOptionsIsReusedAndKeepsItsMasterBitmap)
{
    program.write(QStringLiteral("Skins/Draft/MASTER.BMP"), "BM drawn by hand");
    const auto form = startInSkins();
    dialogs.answerInput(QStringLiteral("Draft"));
    form->Makenewskin1Click();
    EXPECT_EQ(filesIn(QStringLiteral("Skins/Draft")), (QStringList{QStringLiteral("MASTER.BMP"), QStringLiteral("Options.dat")}));
    EXPECT_EQ(program.read(QStringLiteral("Skins/Draft/MASTER.BMP")), "BM drawn by hand");
}

TEST_F(PackedSkinsTest, TheNameOfAnExistingSkinIsAskedForAgain)
{
    program.write(QStringLiteral("Skins/Upper/OPTIONS.DAT"), "[GLOBALINFO]\r\n");
    const auto form = startInSkins();
    dialogs.answerInput(QStringLiteral("Aqua"));
    dialogs.answerInput(QStringLiteral("Upper"));
    dialogs.answerInput(QStringLiteral("Coral"));
    form->Makenewskin1Click();

    const auto asked = dialogs.asked(Kind::InputQuery);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].text, QStringLiteral("Please enter other name for skin ('Aqua' is exists already) :"));
    EXPECT_EQ(asked[1].value, QStringLiteral("Aqua"));
    EXPECT_EQ(asked[2].text, QStringLiteral("Please enter other name for skin ('Upper' is exists already) :"));
    EXPECT_EQ(asked[2].value, QStringLiteral("Upper"));
    EXPECT_EQ(form->CurrentSkinName, QStringLiteral("Coral"));
    EXPECT_EQ(options(QStringLiteral("Aqua")), aquaOptions);
    EXPECT_EQ(program.read(QStringLiteral("Skins/Upper/OPTIONS.DAT")), "[GLOBALINFO]\r\n");
}

TEST_F(PackedSkinsTest, NamesThatAreNoPlainFolderNamesAreRefusedAndNothingIsWrittenOutside)
{
    const auto form = startInSkins();
    const auto entries = [](const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    };
    const QStringList programBefore = entries(program.path());
    const QStringList refused = {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("../Escaped"),
                                 QStringLiteral("Deep/Skin"), QStringLiteral("Back\\Slash")};
    for (const QString& name : refused)
        dialogs.answerInput(name);
    form->Makenewskin1Click(); // the last question is cancelled

    EXPECT_EQ(dialogs.asked(Kind::InputQuery).size(), std::size_t(refused.size() + 1));
    EXPECT_EQ(warnings().size(), refused.size());
    EXPECT_EQ(entries(program.path()), programBefore);
    EXPECT_EQ(entries(skinsPath()), (QStringList{QStringLiteral("Aqua"), QStringLiteral("Bronze")}));
    EXPECT_FALSE(form->NewSkinMaking);
}

TEST_F(PackedSkinsTest, CancellingTheNameKeepsTheOpenSkinPublishingItsEdits)
{
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    form->Makenewskin1Click();
    EXPECT_FALSE(form->NewSkinMaking);
    EXPECT_EQ(form->CurrentSkinName, QStringLiteral("Aqua"));
    EXPECT_EQ(QDir(skinsPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{QStringLiteral("Aqua"), QStringLiteral("Bronze")}));

    form->SkinFile->WriteString("BUTTON", "COLOR", "7");
    form->SkinChanged();
    EXPECT_EQ(optionsValue(options(QStringLiteral("Aqua")), "BUTTON", "COLOR"), "7");
}

TEST_F(PackedSkinsTest, AMissingSkinsFolderGivesAWarningAndNoSkin)
{
    writeSettings("[Options]\r\nSkinsPath=" + program.file(QStringLiteral("Gone")).toLocal8Bit() + "\r\n");
    const auto form = start();
    dialogs.answerInput(QStringLiteral("Fresh"));
    form->Makenewskin1Click();
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().front().contains(program.file(QStringLiteral("Gone/Fresh"))));
    EXPECT_FALSE(QFileInfo::exists(program.file(QStringLiteral("Gone"))));
    EXPECT_FALSE(form->SkinFile);
    EXPECT_FALSE(form->NewSkinMaking);
}

// ---- Save as packed --------------------------------------------------------

TEST_F(PackedSkinsTest, SaveAsPackedWritesTheSkinAsEditedIntoTheChosenFile)
{
    const auto form = startInSkins();
    EXPECT_FALSE(form->Saveaspacked1->isEnabled());
    chooseSkin(*form, QStringLiteral("Aqua"));
    EXPECT_TRUE(form->Saveaspacked1->isEnabled());
    form->SkinFile->WriteString("BUTTON", "COLOR", "9"); // not published yet
    const QString archive = program.file(QStringLiteral("Saved.vpk"));
    dialogs.chooseFile(archive);
    form->Saveaspacked1->trigger();

    const auto asked = dialogs.asked(Kind::SaveFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked.front().file.InitialDir, skinsPath());
    EXPECT_EQ(asked.front().file.FileName, QStringLiteral("Aqua.vpk"));
    EXPECT_EQ(asked.front().file.Filter, QStringLiteral("Vespira files|*.vpk|All files|*.*"));
    EXPECT_TRUE(asked.front().file.OverwritePrompt);
    EXPECT_EQ(optionsValue(options(QStringLiteral("Aqua")), "BUTTON", "COLOR"), "9");
    const auto files = archiveFiles(archive);
    EXPECT_EQ(files.at("Options.dat"), options(QStringLiteral("Aqua")));
    EXPECT_EQ(files.at("Master.bmp"), "BM aqua");
    EXPECT_EQ(form->CurrentSkinName, QStringLiteral("Aqua"));
    EXPECT_TRUE(form->SkinFile);
}

TEST_F(PackedSkinsTest, CancellingSaveAsPackedWritesNothing)
{
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    form->SkinFile->WriteString("BUTTON", "COLOR", "9");
    form->Saveaspacked1Click();
    EXPECT_EQ(optionsValue(options(QStringLiteral("Aqua")), "BUTTON", "COLOR"), "1");
    EXPECT_EQ(QDir(program.path()).entryList(QStringList{QStringLiteral("*.vpk")}, QDir::Files), QStringList{});
}

TEST_F(PackedSkinsTest, SaveAsPackedIntoAMissingFolderWarnsAndWritesNothing)
{
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    dialogs.chooseFile(program.file(QStringLiteral("Missing/Saved.vpk")));
    form->Saveaspacked1Click();
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().front().contains(QStringLiteral("Saved.vpk"))) << warnings().front().toStdString();
    EXPECT_FALSE(QFileInfo::exists(program.file(QStringLiteral("Missing"))));
}

TEST_F(PackedSkinsTest, ASkinThatCannotBeWrittenIsNotSavedAsPacked)
{
    const auto form = startInSkins();
    chooseSkin(*form, QStringLiteral("Aqua"));
    form->SkinFile->WriteString("BUTTON", "DESCRIPTION", std::string(200, 'x'));
    dialogs.chooseFile(program.file(QStringLiteral("Saved.vpk")));
    {
        FileSizeLimit fullDisk(100);
        form->Saveaspacked1Click();
    }
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().front().contains(QStringLiteral("Aqua/Options.dat"))) << warnings().front().toStdString();
    EXPECT_FALSE(QFileInfo::exists(program.file(QStringLiteral("Saved.vpk"))));
}

// ---- Extract packed skin ---------------------------------------------------

TEST_F(PackedSkinsTest, ExtractingListsOnlyPackedSkinsAndUnpacksTheChosenOne)
{
    addPackedSkin(QStringLiteral("Cedar.vpk"), "[GLOBALINFO]\r\nAUTHOR=C\r\n");
    addPackedSkin(QStringLiteral("Dune.vpk"), "[GLOBALINFO]\r\nAUTHOR=D\r\n");
    const auto form = startInSkins();
    const QStringList menuBefore = skinMenuNames(*form);
    EXPECT_TRUE(form->Extraskin1->isEnabled());
    QStringList listed;
    dialogs.driveWindow([&](QDialog& window) {
        auto& select = dynamic_cast<TFormSkinSelect&>(window);
        EXPECT_EQ(select.sDirectoryEdit1->text(), skinsPath());
        for (int row = 0; row < select.sListBox1->count(); ++row)
            listed.append(select.sListBox1->item(row)->text());
        select.sListBox1->setCurrentRow(1);
        QTest::mouseClick(select.sBitBtn1, Qt::LeftButton);
    });
    form->Extraskin1->trigger();

    EXPECT_EQ(listed, (QStringList{QStringLiteral("Cedar"), QStringLiteral("Dune")}));
    EXPECT_EQ(filesIn(QStringLiteral("Skins/Dune unpacked")), (QStringList{QStringLiteral("Master.bmp"), QStringLiteral("Options.dat")}));
    EXPECT_EQ(program.read(QStringLiteral("Skins/Dune unpacked/Options.dat")), "[GLOBALINFO]\r\nAUTHOR=D\r\n");
    EXPECT_FALSE(QFileInfo::exists(program.file(QStringLiteral("Skins/Cedar unpacked"))));
    // Neither opened nor listed until the next scan.
    EXPECT_FALSE(form->SkinFile);
    EXPECT_EQ(skinMenuNames(*form), menuBefore);
    EXPECT_TRUE(warnings().isEmpty()) << warnings().join('\n').toStdString();
}

TEST_F(PackedSkinsTest, ExtractingFromAnotherFolderUnpacksThere)
{
    TestFolder elsewhere;
    TestFolder source;
    source.write(QStringLiteral("Options.dat"), "[GLOBALINFO]\r\n");
    ASSERT_EQ(PackFolder(source.path().toStdString() + "/", elsewhere.file(QStringLiteral("Far.vpk")).toStdString()), "");
    const auto form = startInSkins();
    dialogs.driveWindow([&](QDialog& window) {
        auto& select = dynamic_cast<TFormSkinSelect&>(window);
        select.sDirectoryEdit1->setText(elsewhere.path());
        select.sListBox1->setCurrentRow(0);
        select.sBitBtn1->click();
    });
    form->Extraskin1Click();
    EXPECT_EQ(readFileBytes(elsewhere.file(QStringLiteral("Far unpacked/Options.dat"))), "[GLOBALINFO]\r\n");
}

TEST_F(PackedSkinsTest, ExtractionProblemsAreWarnedAboutAndLeaveNoFolder)
{
    addPackedSkin(QStringLiteral("Elm.old.vpk"), "[GLOBALINFO]\r\n");   // listed as "Elm", looked for as Elm.vpk
    program.write(QStringLiteral("Skins/Fake.vpk"), "PK\x03\x04 not ours");
    const struct
    {
        QString listed;
        QString warningEnd;
    } cases[] = {
        {QStringLiteral("Elm"), QStringLiteral("Elm.vpk")},
        {QStringLiteral("Fake"), QStringLiteral("Fake.vpk is not packed Vespira file")},
    };
    const auto form = startInSkins();
    for (const auto& c : cases) {
        dialogs.driveWindow([&](QDialog& window) {
            auto& select = dynamic_cast<TFormSkinSelect&>(window);
            const QList<QListWidgetItem*> found = select.sListBox1->findItems(c.listed, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            select.sListBox1->setCurrentItem(found.front());
            select.sBitBtn1->click();
        });
        form->Extraskin1Click();
        ASSERT_FALSE(warnings().isEmpty());
        EXPECT_TRUE(warnings().last().contains(c.warningEnd)) << warnings().last().toStdString();
        EXPECT_FALSE(QFileInfo::exists(skinsPath() + QLatin1Char('/') + c.listed + QStringLiteral(" unpacked")));
    }
    EXPECT_EQ(warnings().size(), 2);
}

TEST_F(PackedSkinsTest, CancellingTheSelectionExtractsNothing)
{
    addPackedSkin(QStringLiteral("Cedar.vpk"), "[GLOBALINFO]\r\n");
    const auto form = startInSkins();
    dialogs.driveWindow([](QDialog& window) { dynamic_cast<TFormSkinSelect&>(window).sBitBtn2->click(); });
    form->Extraskin1Click();
    EXPECT_EQ(QDir(skinsPath()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), (QStringList{QStringLiteral("Aqua"), QStringLiteral("Bronze")}));
    EXPECT_TRUE(warnings().isEmpty());
}
