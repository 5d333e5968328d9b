#include "SelectImageFixture.h"

#include "editor/UnitGlowing.h"
#include "skinfiles/TMemIniFile.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

class GlowImagesTest : public SelectImageTest
{
protected:
    std::string skinValue(const char* section, const char* key) const
    {
        return form->SkinFile->ReadString(section, key, "(missing)");
    }
    // The options file as written to disk.
    std::string writtenValue(const char* section, const char* key) const
    {
        return TMemIniFile(form->SkinFile->FileName()).ReadString(section, key, "(missing)");
    }
    void selectSection(const QString& name)
    {
        form->PageControlMain->setCurrentWidget(form->TabSheetSections);
        form->ListBoxSections->setCurrentItem(form->ListBoxSections->findItems(name, Qt::MatchExactly).value(0));
    }
    static void triggerBrowse(QLineEdit* edit) { edit->actions().constFirst()->trigger(); }
};

} // namespace

TEST_F(GlowImagesTest, TwoImagesWithMargin3AreWrittenToTheSection)
{
    writePng(QStringLiteral("GLOW1.PNG"), 20, 20);
    writePng(QStringLiteral("Glow2.png"), 20, 20);
    selectSection(QStringLiteral("BUTTON"));
    dialogs.chooseFile(skinFolder() + QStringLiteral("/GLOW1.PNG"));
    dialogs.chooseFile(skinFolder() + QStringLiteral("/Glow2.png"));
    // Each "Add" opens the selection tool: accept it with no widths.
    WhenShown<TFormSelectImage> firstTool([](TFormSelectImage& tool) {
        tool.WL->setValue(0);
        clickOk(tool);
    });
    WhenShown<TFormGlowing> editor([](TFormGlowing& glowing) {
        EXPECT_EQ(glowing.windowTitle(), QStringLiteral("FormGlowing"));
        EXPECT_FALSE(glowing.sSpeedButton8->isEnabled());
        EXPECT_FALSE(glowing.sSpeedButton9->isEnabled());
        QTest::mouseClick(glowing.sSpeedButton5, Qt::LeftButton);
        WhenShown<TFormSelectImage> secondTool([](TFormSelectImage& tool) {
            tool.WL->setValue(0);
            clickOk(tool);
        });
        QTest::mouseClick(glowing.sSpeedButton5, Qt::LeftButton);
        EXPECT_TRUE(secondTool.ran());
        glowing.sSpinEdit1->setValue(3);
        QTest::mouseClick(glowing.sBitBtn1, Qt::LeftButton);
    });
    triggerBrowse(form->ComboSectionGlowing);
    EXPECT_TRUE(editor.ran());
    EXPECT_TRUE(firstTool.ran());
    EXPECT_EQ(skinValue("BUTTON", "GLOW"), "2");
    EXPECT_EQ(skinValue("BUTTON", "GLOW0"), "!GLOW1.PNG!1!0!3");
    EXPECT_EQ(skinValue("BUTTON", "GLOW1"), "!GLOW2.PNG!1!0!3");
    EXPECT_EQ(skinValue("BUTTON", "GLOWMARGIN"), "3");
    EXPECT_EQ(writtenValue("BUTTON", "GLOWMARGIN"), "3");
    EXPECT_EQ(form->ComboSectionGlowing->text(), QStringLiteral("2"));
    EXPECT_TRUE(form->CheckSectionGlow->isEnabled());
}

TEST_F(GlowImagesTest, ShrinkingAListRemovesTheKeysOfItsOldLength)
{
    form->SkinFile->SetText("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nBICONMAXGLOW=3\r\nBICONMAXGLOW0=!A.PNG!1!0!3\r\n"
                            "BICONMAXGLOW1=!B.PNG!1!0!3\r\nBICONMAXGLOW2=!C.PNG!1!0!3\r\nBICONMAXGLOWMARGIN=4\r\n");
    form->PageControlMain->setCurrentWidget(form->TabSheetGlobalData);
    WhenShown<TFormGlowing> editor([](TFormGlowing& glowing) {
        EXPECT_EQ(glowing.Lines(), (QStringList{"!A.PNG!1!0!3", "!B.PNG!1!0!3", "!C.PNG!1!0!3"}));
        EXPECT_EQ(glowing.sSpinEdit1->value(), 4);
        for (int row : {0, 0}) {
            glowing.ListBoxGlow->setCurrentRow(row);
            EXPECT_TRUE(glowing.sSpeedButton9->isEnabled());
            QTest::mouseClick(glowing.sSpeedButton9, Qt::LeftButton);
        }
        EXPECT_FALSE(glowing.sSpeedButton9->isEnabled());
        QTest::mouseClick(glowing.sBitBtn1, Qt::LeftButton);
    });
    triggerBrowse(form->ComboMaxGlowing);
    EXPECT_EQ(skinValue("GLOBALINFO", "BICONMAXGLOW"), "1");
    EXPECT_EQ(skinValue("GLOBALINFO", "BICONMAXGLOW0"), "!C.PNG!1!0!3");
    EXPECT_EQ(skinValue("GLOBALINFO", "BICONMAXGLOW1"), "(missing)");
    EXPECT_EQ(skinValue("GLOBALINFO", "BICONMAXGLOW2"), "(missing)");
    EXPECT_EQ(skinValue("GLOBALINFO", "BICONMAXGLOWMARGIN"), "4");
    EXPECT_EQ(form->ComboMaxGlowing->text(), QStringLiteral("1"));
}

TEST_F(GlowImagesTest, AnAcceptedEmptyListWritesCountZeroAndShowsNA)
{
    form->PageControlMain->setCurrentWidget(form->TabSheetGlobalData);
    form->ComboCloseGlowing->setText(QStringLiteral("2"));
    WhenShown<TFormGlowing> editor([](TFormGlowing& glowing) {
        EXPECT_EQ(glowing.ListBoxGlow->count(), 0);
        EXPECT_EQ(glowing.sSpinEdit1->value(), 1);
        QTest::mouseClick(glowing.sBitBtn1, Qt::LeftButton);
    });
    triggerBrowse(form->ComboCloseGlowing);
    EXPECT_EQ(skinValue("GLOBALINFO", "BICONCLOSEGLOW"), "0");
    EXPECT_EQ(skinValue("GLOBALINFO", "BICONCLOSEGLOWMARGIN"), "1");
    EXPECT_EQ(form->ComboCloseGlowing->text(), QStringLiteral("N/A"));
}

TEST_F(GlowImagesTest, CancellingWritesNothing)
{
    selectSection(QStringLiteral("BUTTON"));
    const std::string before = form->SkinFile->Text();
    WhenShown<TFormGlowing> editor([](TFormGlowing& glowing) {
        glowing.ListBoxGlow->addItem(QStringLiteral("!X.PNG!1!0!3"));
        QTest::keyClick(&glowing, Qt::Key_Escape);
    });
    triggerBrowse(form->ComboSectionGlowing);
    EXPECT_TRUE(editor.ran());
    EXPECT_EQ(form->SkinFile->Text(), before);
    EXPECT_EQ(form->ComboSectionGlowing->text(), QStringLiteral("N/A"));
}

TEST_F(GlowImagesTest, EditingAValueThatIsNoFileValueLeavesIt)
{
    form->SkinFile->WriteString("BUTTON", "GLOW", "1");
    form->SkinFile->WriteString("BUTTON", "GLOW0", "^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1");
    selectSection(QStringLiteral("BUTTON"));
    WhenShown<TFormGlowing> editor([](TFormGlowing& glowing) {
        glowing.ListBoxGlow->setCurrentRow(0);
        QTest::mouseClick(glowing.sSpeedButton8, Qt::LeftButton);
        EXPECT_EQ(glowing.Lines(), QStringList{"^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1"});
        QTest::mouseClick(glowing.sBitBtn2, Qt::LeftButton);
    });
    triggerBrowse(form->ComboSectionGlowing);
    EXPECT_TRUE(editor.ran());
}

TEST_F(GlowImagesTest, ResetRemovesTheListAndItsMargin)
{
    selectSection(QStringLiteral("BUTTON"));
    form->SkinFile->SetText("[BUTTON]\r\nGLOW=2\r\nGLOW0=!A.PNG!1!0!3\r\nGLOW1=!B.PNG!1!0!3\r\nGLOWMARGIN=5\r\nCOLOR=1\r\n");
    form->CheckSectionGlow->setEnabled(true);
    form->ComboSectionGlowing->setText(QStringLiteral("2"));
    QTest::mouseClick(form->CheckSectionGlow, Qt::LeftButton);
    EXPECT_EQ(form->SkinFile->ReadSectionValues("BUTTON"),
              (std::vector<std::pair<std::string, std::string>>{{"COLOR", "1"}}));
    EXPECT_EQ(writtenValue("BUTTON", "GLOW0"), "(missing)");
    EXPECT_EQ(form->ComboSectionGlowing->text(), QStringLiteral("N/A"));
    EXPECT_FALSE(form->CheckSectionGlow->isEnabled());
}

TEST_F(GlowImagesTest, ResetWithoutACountKeyStillRemovesTheMargin)
{
    form->PageControlMain->setCurrentWidget(form->TabSheetGlobalData);
    form->SkinFile->SetText("[GLOBALINFO]\r\nBICONMINGLOWMARGIN=2\r\n");
    form->CheckMinGlow->setEnabled(true);
    QTest::mouseClick(form->CheckMinGlow, Qt::LeftButton);
    EXPECT_EQ(skinValue("GLOBALINFO", "BICONMINGLOWMARGIN"), "(missing)");
    EXPECT_EQ(writtenValue("GLOBALINFO", "BICONMINGLOWMARGIN"), "(missing)");
    EXPECT_FALSE(form->CheckMinGlow->isEnabled());
}

TEST_F(GlowImagesTest, AButtonWithoutAGlowFieldDoesNothing)
{
    const std::string before = form->SkinFile->Text();
    QToolButton stray;
    stray.setEnabled(true);
    CheckSectionGlowClick(*form, &stray);
    EXPECT_TRUE(stray.isEnabled());
    EXPECT_EQ(form->SkinFile->Text(), before);
}
