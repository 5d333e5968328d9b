#include "SkinPagesFixture.h"

#include "editor/TColorBox.h"
#include "editor/TSectionPages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

namespace {

const QByteArray standardSections = "[- Forms]\r\nCount=2\r\nItem0=FORM\r\nItem1=DIALOG\r\n"
                                    "[- Buttons]\r\nCount=many\r\nItem0=BUTTON\r\n"
                                    "[FORM]\r\nInfo=Frame of windows.\r\n"
                                    "[DIALOG]\r\n"
                                    "[BUTTON]\r\nInfo=Push buttons.\r\n"
                                    "[PANEL-LOW]\r\nInfo=Not a section name.\r\n"
                                    "[GAUGE]\r\nInfo=Progress gauges.\r\n";

const QByteArray dialogEditForm = "[GLOBALINFO]\r\nVERSION=6.22\r\n[FORM]\r\nCOLOR=1\r\n[EDIT]\r\nCOLOR=2\r\n"
                                  "[DIALOG]\r\nCOLOR=3\r\n";

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

class SectionManagementTest : public SkinPagesTest
{
};

} // namespace

TEST_F(SectionManagementTest, TheFilterListsTheCategoryMembersTheSkinHas)
{
    const auto form = open(dialogEditForm, standardSections);
    EXPECT_EQ(sectionEntries(*form), (QStringList{"DIALOG", "EDIT", "FORM"}));

    form->sComboBox2->setCurrentIndex(1); // "- Forms"
    EXPECT_EQ(sectionEntries(*form), (QStringList{"DIALOG", "FORM"}));
    EXPECT_FALSE(form->MissedPanel->isEnabled());
    EXPECT_EQ(selectedSection(*form), QString());

    form->sComboBox2->setCurrentIndex(3); // "- Buttons", whose count is no number
    EXPECT_EQ(sectionEntries(*form), QStringList());

    form->sComboBox2->setCurrentIndex(0);
    EXPECT_EQ(sectionEntries(*form), (QStringList{"DIALOG", "EDIT", "FORM"}));
    EXPECT_TRUE(form->MissedPanel->isEnabled());

    // Without a current section the filter is not applied.
    form->CurrentSection.clear();
    form->sComboBox2->setCurrentIndex(1);
    EXPECT_EQ(sectionEntries(*form), (QStringList{"DIALOG", "EDIT", "FORM"}));
}

TEST_F(SectionManagementTest, WithoutTheStandardListTheFilterShowsAllAndTheInfoIsTheName)
{
    const auto form = open(dialogEditForm);
    form->sComboBox2->setCurrentIndex(1);
    EXPECT_EQ(sectionEntries(*form), (QStringList{"DIALOG", "EDIT", "FORM"}));
    select(*form, QStringLiteral("EDIT"));
    EXPECT_EQ(form->LabelSectionInfo->text(), QStringLiteral("EDIT"));
    EXPECT_EQ(form->ListBoxMissedSections->count(), 0);
    EXPECT_FALSE(form->sSpeedButton7->isEnabled());
}

TEST_F(SectionManagementTest, MissedSectionsAreTheStandardOnesTheSkinLacksAndAreAdded)
{
    const auto form = open(dialogEditForm, standardSections);
    // Names with "-" are categories, never standard sections.
    EXPECT_EQ(entries(form->ListBoxMissedSections), (QStringList{"BUTTON", "GAUGE"}));
    EXPECT_FALSE(form->sSpeedButton6->isEnabled());
    EXPECT_TRUE(form->sSpeedButton7->isEnabled());

    select(*form, QStringLiteral("FORM"));
    EXPECT_EQ(form->LabelSectionInfo->text(), QStringLiteral("Frame of windows."));
    form->ListBoxMissedSections->setCurrentRow(1);
    EXPECT_EQ(form->LabelSectionInfo->text(), QStringLiteral("Progress gauges."));
    EXPECT_TRUE(form->sSpeedButton6->isEnabled());

    QTest::mouseClick(form->sSpeedButton6, Qt::LeftButton);
    EXPECT_EQ(writtenValue("GAUGE", "BORDERSMASK"), "N/A");
    EXPECT_EQ(sectionEntries(*form), (QStringList{"DIALOG", "EDIT", "FORM", "GAUGE"}));
    EXPECT_EQ(selectedSection(*form), QStringLiteral("FORM"));
    EXPECT_EQ(entries(form->ListBoxMissedSections), (QStringList{"BUTTON"}));

    QTest::mouseClick(form->sSpeedButton7, Qt::LeftButton);
    EXPECT_EQ(writtenValue("BUTTON", "BORDERSMASK"), "N/A");
    EXPECT_EQ(form->ListBoxMissedSections->count(), 0);
    EXPECT_FALSE(form->sSpeedButton7->isEnabled());
}

TEST_F(SectionManagementTest, NewCreatesAnUpperCaseSectionAndNeverTouchesAnExistingOne)
{
    const auto form = open(dialogEditForm, standardSections);
    dialogs.answerInput(QStringLiteral("my_Panel"));
    QTest::mouseClick(form->sSpeedButton2, Qt::LeftButton);
    ASSERT_EQ(dialogs.asked(ScriptedDialogs::Kind::InputQuery).size(), 1u);
    EXPECT_EQ(dialogs.asked().back().caption, QStringLiteral("New section creating"));
    EXPECT_EQ(dialogs.asked().back().text, QStringLiteral("Enter section name :"));
    EXPECT_EQ(dialogs.asked().back().value, QString());
    EXPECT_EQ(writtenValue("MY_PANEL", "BORDERSMASK"), "N/A");
    EXPECT_EQ(selectedSection(*form), QStringLiteral("MY_PANEL"));
    EXPECT_EQ(form->CurrentSection, QStringLiteral("MY_PANEL"));

    // The filter hides FORM, but FORM exists: it is selected, not overwritten.
    form->sComboBox2->setCurrentIndex(3);
    const QByteArray before = optionsBytes();
    dialogs.answerInput(QStringLiteral("form"));
    QTest::mouseClick(form->sSpeedButton2, Qt::LeftButton);
    EXPECT_EQ(optionsBytes(), before);

    form->sComboBox2->setCurrentIndex(0);
    dialogs.answerInput(QStringLiteral("edit"));
    QTest::mouseClick(form->sSpeedButton2, Qt::LeftButton);
    EXPECT_EQ(optionsBytes(), before);
    EXPECT_EQ(selectedSection(*form), QStringLiteral("EDIT"));

    dialogs.answerInput(QStringLiteral("  "));
    QTest::mouseClick(form->sSpeedButton2, Qt::LeftButton);
    EXPECT_EQ(optionsBytes(), before);
    EXPECT_EQ(dialogs.asked(ScriptedDialogs::Kind::Warning).size(), 1u);
    EXPECT_EQ(sectionEntries(*form).size(), 4);
}

TEST_F(SectionManagementTest, CloneCopiesTheStoredKeysButNotOntoAnExistingName)
{
    const auto form = open("[GLOBALINFO]\r\nVERSION=6.22\r\n[BUTTON]\r\nPARENTCLASS=PANEL\r\nCOLOR=5\r\nBORDERSMASK=^x\r\n[PANEL]\r\n"
                           "TRANSPARENCY=20\r\n");
    select(*form, QStringLiteral("BUTTON"));
    dialogs.answerInput(QStringLiteral("button2"));
    QTest::mouseClick(form->sSpeedButton3, Qt::LeftButton);
    EXPECT_EQ(dialogs.asked().back().caption, QStringLiteral("Clone SkinSection"));
    EXPECT_EQ(dialogs.asked().back().text, QStringLiteral("Enter new section name :"));
    EXPECT_EQ(dialogs.asked().back().value, QStringLiteral("BUTTON"));
    const TMemIniFile document = written();
    EXPECT_EQ(document.ReadSectionValues("BUTTON2"), document.ReadSectionValues("BUTTON"));
    EXPECT_EQ(selectedSection(*form), QStringLiteral("BUTTON2"));

    select(*form, QStringLiteral("BUTTON"));
    const QByteArray before = optionsBytes();
    dialogs.answerInput(QStringLiteral("button"));
    QTest::mouseClick(form->sSpeedButton3, Qt::LeftButton);
    EXPECT_EQ(optionsBytes(), before);
    EXPECT_EQ(selectedSection(*form), QStringLiteral("BUTTON"));

    form->ListBoxSections->clearSelection();
    const std::size_t asked = dialogs.asked().size();
    QTest::mouseClick(form->sSpeedButton3, Qt::LeftButton);
    EXPECT_EQ(dialogs.asked().size(), asked);
}

TEST_F(SectionManagementTest, DeletingSelectsTheEntryAtTheSamePlaceOrTheLastOne)
{
    const auto form = open("[GLOBALINFO]\r\nVERSION=6.22\r\n[A]\r\nCOLOR=1\r\n[B]\r\nCOLOR=2\r\n[C]\r\nCOLOR=3\r\n");
    const struct
    {
        const char* deleted;
        const char* selectedAfter;
    } cases[] = {{"A", "B"}, {"C", "B"}};
    for (const auto& c : cases) {
        select(*form, QString::fromLatin1(c.deleted));
        dialogs.answerYes();
        QTest::mouseClick(form->sSpeedButton4, Qt::LeftButton);
        EXPECT_EQ(dialogs.asked().back().text, QStringLiteral("Delete the %1 SkinSection?").arg(c.deleted));
        EXPECT_FALSE(written().SectionExists(c.deleted));
        EXPECT_EQ(selectedSection(*form), QString::fromLatin1(c.selectedAfter));
        EXPECT_EQ(form->CurrentSection, QString::fromLatin1(c.selectedAfter));
    }

    dialogs.answerNo();
    QTest::mouseClick(form->sSpeedButton4, Qt::LeftButton);
    EXPECT_TRUE(written().SectionExists("B"));
}

TEST_F(SectionManagementTest, DeletingTheOnlyEntryLeavesThePagesAndLaterEditsGoNowhere)
{
    const auto form = open("[GLOBALINFO]\r\nVERSION=6.22\r\nCOLOR=7\r\n[ONLY]\r\nCOLOR=255\r\n");
    ASSERT_EQ(selectedSection(*form), QStringLiteral("ONLY"));
    dialogs.answerYes();
    QTest::mouseClick(form->sSpeedButton4, Qt::LeftButton);
    EXPECT_EQ(form->ListBoxSections->count(), 0);
    EXPECT_EQ(selectedSection(*form), QString());
    EXPECT_EQ(form->SectionPages->ColorBoxBg->Color(), 255u);

    // The pages still show the deleted section; an edit must not bring it back.
    const QByteArray before = optionsBytes();
    form->SectionPages->ColorBoxBg->SetColor(0x00FF00);
    EXPECT_EQ(optionsBytes(), before);
    form->SkinFile->UpdateFile();
    EXPECT_FALSE(written().SectionExists("ONLY"));

    // "Delete" and "Clear" with nothing selected ask nothing.
    const std::size_t asked = dialogs.asked().size();
    QTest::mouseClick(form->sSpeedButton4, Qt::LeftButton);
    QTest::mouseClick(form->sSpeedButton1, Qt::LeftButton);
    EXPECT_EQ(dialogs.asked().size(), asked);
}

TEST_F(SectionManagementTest, ClearLeavesOnlyAnEmptyBorderAndDropsTheInheritance)
{
    const auto form = open("[GLOBALINFO]\r\nVERSION=6.22\r\n[BUTTON]\r\nCOLOR=255\r\n[CHILD]\r\nPARENTCLASS=BUTTON\r\nHOTCOLOR=9\r\n");
    select(*form, QStringLiteral("CHILD"));
    ASSERT_EQ(form->SectionPages->ColorBoxBg->Color(), 255u);
    dialogs.answerYes();
    QTest::mouseClick(form->sSpeedButton1, Qt::LeftButton);
    EXPECT_EQ(dialogs.asked().back().text, QStringLiteral("Clear the CHILD SkinSection?"));
    EXPECT_EQ(written().ReadSectionValues("CHILD"),
              (std::vector<std::pair<std::string, std::string>>{{"BORDERSMASK", "N/A"}}));
    EXPECT_EQ(selectedSection(*form), QStringLiteral("CHILD"));
    EXPECT_EQ(form->SectionPages->ColorBoxBg->Color(), TColorBox::AbsentColor);
    EXPECT_FALSE(form->SectionPages->ColorBoxBg->CheckReset->isEnabled());
}
