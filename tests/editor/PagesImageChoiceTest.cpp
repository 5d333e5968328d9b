#include "SelectImageFixture.h"

#include "editor/TImageField.h"
#include "editor/TSectionPages.h"
#include "skinfiles/TMemIniFile.h"

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

// The browse buttons and pattern panels of the section pages go through the
// image selection tool and write what it gives into the current section.
TEST_F(SelectImageTest, ThePagesWriteTheValueTheImageToolGives)
{
    const char* const border = "^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1";
    form->SkinFile->WriteString("PANEL", "BORDERSMASK", border);
    form->SkinFile->UpdateFile();
    form->OpenSkin();
    const QList<QListWidgetItem*> panel = form->ListBoxSections->findItems(QStringLiteral("PANEL"), Qt::MatchExactly);
    ASSERT_EQ(panel.size(), 1);
    form->ListBoxSections->clearSelection();
    form->ListBoxSections->setCurrentItem(panel.constFirst());
    TSectionPages& pages = *form->SectionPages;
    ASSERT_EQ(pages.ComboMask->Text(), QString::fromLatin1(border));

    WhenShown<TFormSelectImage> borderScript([](TFormSelectImage& tool) {
        tool.sSpinEdit1->setValue(2);
        clickOk(tool);
    });
    QTest::mouseClick(pages.ComboMask->ButtonBrowse, Qt::LeftButton);
    EXPECT_TRUE(borderScript.ran());
    EXPECT_EQ(pages.ComboMask->Text(), QStringLiteral("^0004^0051^0007^0057^0000^0001^0002^0001^2^0^4^1"));
    EXPECT_EQ(form->SkinFile->ReadString("PANEL", "BORDERSMASK", ""), "^0004^0051^0007^0057^0000^0001^0002^0001^2^0^4^1");

    WhenShown<TFormSelectImage> patternScript([](TFormSelectImage& tool) {
        dragSelection(tool, QPoint(10, 10), QPoint(19, 19));
        clickOk(tool);
    });
    QTest::mouseClick(pages.PanelImgEdit, Qt::LeftButton);
    EXPECT_TRUE(patternScript.ran());
    EXPECT_TRUE(pages.PatternText.startsWith(QLatin1Char('~'))) << pages.PatternText.toStdString();
    EXPECT_EQ(form->SkinFile->ReadString("PANEL", "PATTERN", ""), pages.PatternText.toStdString());
    EXPECT_TRUE(pages.CheckImgEdit->isEnabled());
}
