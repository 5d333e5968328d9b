#include "SkinPagesFixture.h"

#include "editor/TColorBox.h"
#include "editor/TGlobalDataPages.h"
#include "editor/TImageField.h"
#include "graphics/BmpWriter.h"
#include "graphics/TBitmap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

class GlobalDataPagesTest : public SkinPagesTest
{
protected:
    std::unique_ptr<TMainForm> openGlobal(const QByteArray& globalInfo)
    {
        auto form = open("[GLOBALINFO]\r\n" + globalInfo + "[BUTTON]\r\nCOLOR=1\r\n");
        form->PageControlMain->setCurrentWidget(form->TabSheetGlobalData);
        return form;
    }

    QByteArray bitmapFile(int width, int height) const
    {
        const std::vector<std::uint8_t> bytes = EncodeBmp(TBitmap(width, height));
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }
};

} // namespace

TEST_F(GlobalDataPagesTest, AVersionWithACommaReadsAsANumber)
{
    const auto form = openGlobal("VERSION=5,40\r\nAUTHOR=Someone\r\nDESCRIPTION=Dark and round\r\n");
    EXPECT_DOUBLE_EQ(form->GlobalPages->SkinData.Version, 5.4);
    EXPECT_EQ(form->GlobalPages->EditVersion->text(), QStringLiteral("5.40"));
    EXPECT_EQ(form->GlobalPages->EditAuthor->text(), QStringLiteral("Someone"));
    EXPECT_EQ(form->GlobalPages->MemoDesc->toPlainText(), QStringLiteral("Dark and round"));
}

TEST_F(GlobalDataPagesTest, AutosetCarriesTheHighestVersionFromSkinToSkin)
{
    addSkin(QStringLiteral("Old"), "[GLOBALINFO]\r\nVERSION=5.40\r\n");
    addSkin(QStringLiteral("Newer"), "[GLOBALINFO]\r\nVERSION=6.10\r\n");
    addSkin(QStringLiteral("Broken"), "[GLOBALINFO]\r\nVERSION=six\r\n");
    const auto form = openGlobal("VERSION=6.03\r\n");
    QDoubleSpinBox* version = form->GlobalPages->EditVersion;
    ASSERT_EQ(version->text(), QStringLiteral("6.03"));

    chooseSkin(*form, QStringLiteral("Old"));
    EXPECT_EQ(version->text(), QStringLiteral("6.03"));
    EXPECT_DOUBLE_EQ(form->GlobalPages->SkinData.Version, 5.4);
    chooseSkin(*form, QStringLiteral("Newer"));
    EXPECT_EQ(version->text(), QStringLiteral("6.10"));

    form->GlobalPages->CommonVersionCheck->setChecked(false);
    chooseSkin(*form, QStringLiteral("Old"));
    EXPECT_EQ(version->text(), QStringLiteral("5.40"));
    // A version that is no number reads as 0, so the skin is upgraded and stamped.
    chooseSkin(*form, QStringLiteral("Broken"));
    EXPECT_EQ(version->text(), QStringLiteral("5.40"));
}

TEST_F(GlobalDataPagesTest, AChosenMasterBitmapIsStoredByItsUpperCaseName)
{
    const auto form = openGlobal("VERSION=6.22\r\n");
    program.write(QStringLiteral("elsewhere/Master.bmp"), bitmapFile(2, 2));
    dialogs.chooseFile(program.file(QStringLiteral("elsewhere/Master.bmp")));
    forgetPublications();
    QTest::mouseClick(form->GlobalPages->FilenameMasterButton, Qt::LeftButton);
    const ScriptedDialogs::Question& asked = dialogs.asked().back();
    EXPECT_EQ(asked.file.Filter, QStringLiteral("Bitmap files (*.bmp)|*.bmp"));
    EXPECT_EQ(asked.file.InitialDir, form->SkinFolder());
    EXPECT_EQ(form->GlobalPages->FilenameMaster->text(), QStringLiteral("MASTER.BMP"));
    EXPECT_EQ(writtenValue("GLOBALINFO", "MASTERBITMAP"), "MASTER.BMP");
    EXPECT_TRUE(publishedSinceForget());
    // The bitmap in memory changes only at the next opening.
    EXPECT_EQ(form->MasterBitmap, nullptr);
}

TEST_F(GlobalDataPagesTest, TheMasterBitmapIsFoundWithoutRegardToCase)
{
    program.write(QStringLiteral("Skins/Aqua/Master.bmp"), bitmapFile(3, 2));
    const auto form = openGlobal("VERSION=6.22\r\nMASTERBITMAP=MASTER.BMP\r\n");
    ASSERT_NE(form->MasterBitmap, nullptr);
    EXPECT_EQ(form->MasterBitmap->Width(), 3);

    // A missing file leaves no bitmap; a broken one too, with one warning.
    form->SkinFile->WriteString("GLOBALINFO", "MASTERBITMAP", "GONE.BMP");
    form->SkinFile->UpdateFile();
    form->OpenSkin();
    EXPECT_EQ(form->MasterBitmap, nullptr);
    EXPECT_TRUE(dialogs.asked(ScriptedDialogs::Kind::Warning).empty());

    program.write(QStringLiteral("Skins/Aqua/BROKEN.BMP"), "BM not really");
    form->SkinFile->WriteString("GLOBALINFO", "MASTERBITMAP", "broken.bmp");
    form->SkinFile->UpdateFile();
    form->OpenSkin();
    EXPECT_EQ(form->MasterBitmap, nullptr);
    EXPECT_EQ(dialogs.asked(ScriptedDialogs::Kind::Warning).size(), 1u);
}

TEST_F(GlobalDataPagesTest, NumberBoxesWriteAtOnceWhileAboutSkinWaitsForApply)
{
    const auto form = openGlobal("VERSION=6.22\r\nAUTHOR=Me\r\n");
    TGlobalDataPages& pages = *form->GlobalPages;
    pages.SpinBISpacing->setValue(3);
    EXPECT_EQ(writtenValue("GLOBALINFO", "BISPACE"), "3");

    const QByteArray before = optionsBytes();
    pages.EditAuthor->setText(QStringLiteral("You"));
    pages.MemoDesc->setPlainText(QStringLiteral("First line\nsecond line"));
    pages.EditVersion->setValue(6.1);
    EXPECT_EQ(optionsBytes(), before);

    forgetPublications();
    QTest::mouseClick(pages.sBitBtn1, Qt::LeftButton);
    EXPECT_EQ(writtenValue("GLOBALINFO", "AUTHOR"), "You");
    EXPECT_EQ(writtenValue("GLOBALINFO", "VERSION"), "6.1");
    // The options file keeps one line per key.
    EXPECT_EQ(writtenValue("GLOBALINFO", "DESCRIPTION"), "First line second line");
    EXPECT_FALSE(publishedSinceForget());

    QTest::keyClick(pages.CheckBoxBIAlign, Qt::Key_Space);
    EXPECT_EQ(writtenValue("GLOBALINFO", "BIVALIGN"), "1");
    QTest::keyClick(pages.CheckBoxBIAlign, Qt::Key_Space);
    EXPECT_EQ(writtenValue("GLOBALINFO", "BIVALIGN"), "0");
}

TEST_F(GlobalDataPagesTest, AnAbsentBlurShowsMinusOneAndTheShadowResetsFollowTheKeys)
{
    const auto form = openGlobal("VERSION=6.22\r\nSHADOW1OFFSET=2\r\nBIVALIGN=1\r\n");
    TGlobalDataPages& pages = *form->GlobalPages;
    EXPECT_EQ(pages.SpinShadow1Blur->text(), QStringLiteral("-1"));
    EXPECT_EQ(pages.SpinShadow1Offset->value(), 2);
    EXPECT_EQ(writtenValue("GLOBALINFO", "SHADOW1BLUR"), "(absent)");
    EXPECT_TRUE(pages.CheckBoxBIAlign->isChecked());
    EXPECT_TRUE(pages.CheckShadow1Offset->isEnabled());
    EXPECT_FALSE(pages.CheckShadow1Blur->isEnabled());

    pages.SpinShadow1Blur->setValue(3);
    EXPECT_EQ(writtenValue("GLOBALINFO", "SHADOW1BLUR"), "3");
    EXPECT_TRUE(pages.CheckShadow1Blur->isEnabled());
    QTest::mouseClick(pages.CheckShadow1Blur, Qt::LeftButton);
    EXPECT_EQ(writtenValue("GLOBALINFO", "SHADOW1BLUR"), "(absent)");
    EXPECT_EQ(pages.SpinShadow1Blur->value(), -1);
    EXPECT_FALSE(pages.CheckShadow1Blur->isEnabled());
    QTest::mouseClick(pages.CheckShadow1Offset, Qt::LeftButton);
    EXPECT_EQ(writtenValue("GLOBALINFO", "SHADOW1OFFSET"), "(absent)");
    EXPECT_EQ(pages.SpinShadow1Offset->value(), 0);
}

TEST_F(GlobalDataPagesTest, GlyphsAndDefaultColoursAlwaysGoIntoGlobalInfo)
{
    const auto form = openGlobal("VERSION=6.22\r\nBOXCHECKED=@0001@0002@0003@0004@1@0\r\nCOLOR=255\r\n");
    TGlobalDataPages& pages = *form->GlobalPages;
    EXPECT_EQ(pages.ComboBoxChecked->Text(), QStringLiteral("@0001@0002@0003@0004@1@0"));
    EXPECT_TRUE(pages.ComboBoxChecked->CheckReset->isEnabled());
    EXPECT_EQ(pages.ComboCloseEdit->Text(), QStringLiteral("N/A"));
    EXPECT_FALSE(pages.ComboCloseEdit->CheckReset->isEnabled());
    EXPECT_EQ(pages.ColorDefault->Color(), 255u);
    EXPECT_EQ(pages.ColorDefaultHot->Box->currentText(), QStringLiteral("None"));

    // With the sections page active, the current section is BUTTON.
    form->PageControlMain->setCurrentWidget(form->TabSheetSections);
    ASSERT_EQ(form->CurrentSection, QStringLiteral("BUTTON"));
    pages.ComboCloseEdit->SetText(QStringLiteral("@0005@0006@0007@0008@3@0"));
    EXPECT_EQ(writtenValue("GLOBALINFO", "BICONCLOSE"), "@0005@0006@0007@0008@3@0");
    EXPECT_EQ(writtenValue("BUTTON", "BICONCLOSE"), "(absent)");
    pages.ColorDefaultHot->SetColor(0x00FF00);
    EXPECT_EQ(writtenValue("GLOBALINFO", "HOTCOLOR"), "65280");

    QTest::mouseClick(pages.ComboBoxChecked->CheckReset, Qt::LeftButton);
    EXPECT_EQ(writtenValue("GLOBALINFO", "BOXCHECKED"), "(absent)");
    EXPECT_EQ(pages.ComboBoxChecked->Text(), QStringLiteral("N/A"));
    QTest::mouseClick(pages.ColorDefault->CheckReset, Qt::LeftButton);
    EXPECT_EQ(writtenValue("GLOBALINFO", "COLOR"), "(absent)");
}
