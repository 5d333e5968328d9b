#include "MainFormFixture.h"

#include "editor/TDirectEditPage.h"
#include "skinfiles/TMemIniFile.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QByteArray aquaOptions = "[GLOBALINFO]\r\nVERSION=6.22\r\nDESCRIPTION=Global\r\n"
                               "[BUTTON]\r\nPARENTCLASS=PANEL\r\nDESCRIPTION=My skin\r\nIMG=frame.bmp\r\n"
                               "[PANEL]\r\nCOLOR=5\r\n";
const QString buttonLines = QStringLiteral("PARENTCLASS = PANEL\nDESCRIPTION = MY SKIN\nIMG = FRAME.BMP");

class DirectEditPageTest : public MainFormTest
{
protected:
    // The skin open with "BUTTON" selected and the page turned to.
    std::unique_ptr<TMainForm> openOnDirectPage()
    {
        addSkin(QStringLiteral("Aqua"), aquaOptions);
        writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit() + "\r\n");
        auto form = start();
        chooseSkin(*form, QStringLiteral("Aqua"));
        form->PageControlSection->setCurrentWidget(form->TabSheetDirect);
        return form;
    }

    static QPlainTextEdit& memo(const TMainForm& form) { return *form.TabSheetDirect->MemoDirect; }

    static bool buttonsEnabled(const TMainForm& form)
    {
        EXPECT_EQ(form.TabSheetDirect->sBitBtn2->isEnabled(), form.TabSheetDirect->sBitBtn3->isEnabled());
        return form.TabSheetDirect->sBitBtn2->isEnabled();
    }

    std::vector<std::pair<std::string, std::string>> written(const char* section) const
    {
        return TMemIniFile(program.file(QStringLiteral("Skins/Aqua/Options.dat")).toStdString()).ReadSectionValues(section);
    }

    static void typeAtEnd(TMainForm& form, const QString& text)
    {
        memo(form).moveCursor(QTextCursor::End);
        QTest::keyClicks(&memo(form), text);
    }
};

using Values = std::vector<std::pair<std::string, std::string>>;

} // namespace

TEST(DirectLineTest, TheKeyIsTheFirstWordAndTheValueTheRestOfTheLine)
{
    const struct
    {
        const char* line;
        const char* key;
        const char* value;
    } cases[] = {
        {"DESCRIPTION = MY SKIN", "DESCRIPTION", "MY SKIN"},
        {"COLOR=2", "COLOR", "2"},
        {"  IMG  =  FRAME.BMP  ", "IMG", "FRAME.BMP"},
        {"NAME = A = B", "NAME", "A = B"},
        {"NOVALUE", "NOVALUE", ""},
        {"KEY =", "KEY", ""},
        {"", "", ""},
        {" = ", "", ""},
    };
    for (const auto& c : cases) {
        const auto [key, value] = SplitDirectLine(c.line);
        EXPECT_EQ(key, c.key) << c.line;
        EXPECT_EQ(value, c.value) << c.line;
    }
}

TEST_F(DirectEditPageTest, ThePageShowsTheSectionsOwnKeysInUpperCase)
{
    const auto form = openOnDirectPage();
    EXPECT_EQ(memo(*form).toPlainText(), buttonLines);
    EXPECT_FALSE(buttonsEnabled(*form));
    EXPECT_EQ(memo(*form).horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo(*form).verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(DirectEditPageTest, TypingEnablesSaveAndCancelAndCancelBringsTheSectionBack)
{
    const auto form = openOnDirectPage();
    typeAtEnd(*form, QStringLiteral("X"));
    EXPECT_TRUE(buttonsEnabled(*form));
    QTest::mouseClick(form->TabSheetDirect->sBitBtn3, Qt::LeftButton);
    EXPECT_EQ(memo(*form).toPlainText(), buttonLines);
    EXPECT_FALSE(buttonsEnabled(*form));
}

TEST_F(DirectEditPageTest, SaveWritesTheLinesAsTheWholeSectionAndShowsItAgain)
{
    const auto form = openOnDirectPage();
    memo(*form).setPlainText(QStringLiteral("DESCRIPTION = MY SKIN\nIMG = FRAME.BMP\n\nCOLOR = 1\nCOLOR=2\nNAME = A = B\n"));
    typeAtEnd(*form, QStringLiteral("novalue"));
    QTest::mouseClick(form->TabSheetDirect->sBitBtn2, Qt::LeftButton);

    EXPECT_EQ(written("BUTTON"), (Values{{"DESCRIPTION", "MY SKIN"}, {"IMG", "FRAME.BMP"}, {"COLOR", "2"},
                                         {"NAME", "A = B"}, {"novalue", ""}}));
    EXPECT_EQ(written("GLOBALINFO"), (Values{{"VERSION", "6.22"}, {"DESCRIPTION", "Global"}}));
    EXPECT_EQ(memo(*form).toPlainText(),
              QStringLiteral("DESCRIPTION = MY SKIN\nIMG = FRAME.BMP\nCOLOR = 2\nNAME = A = B\nNOVALUE = "));
    EXPECT_FALSE(buttonsEnabled(*form));
}

TEST_F(DirectEditPageTest, SavingNoLinesErasesTheKeysButKeepsTheListEntry)
{
    const auto form = openOnDirectPage();
    memo(*form).clear();
    QTest::mouseClick(form->TabSheetDirect->sBitBtn2, Qt::LeftButton);
    EXPECT_TRUE(written("BUTTON").empty());
    EXPECT_FALSE(form->SkinFile->SectionExists("BUTTON"));
    EXPECT_EQ(sectionEntries(*form), (QStringList{QStringLiteral("BUTTON"), QStringLiteral("PANEL")}));
    EXPECT_EQ(memo(*form).toPlainText(), QString());
}

TEST_F(DirectEditPageTest, LeavingThePageForAnotherPageWritesTheTypingIntoItsSection)
{
    const struct
    {
        const char* name;
        void (*leave)(TMainForm&);
    } cases[] = {
        {"the BG page", [](TMainForm& form) { form.PageControlSection->setCurrentWidget(form.TabSheetBG); }},
        // Leaving makes GLOBALINFO current; the text still belongs to BUTTON.
        {"the Global data page", [](TMainForm& form) { form.PageControlMain->setCurrentWidget(form.TabSheetGlobalData); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto form = openOnDirectPage();
        typeAtEnd(*form, QStringLiteral("2"));
        c.leave(*form);
        EXPECT_EQ(written("BUTTON"), (Values{{"PARENTCLASS", "PANEL"}, {"DESCRIPTION", "MY SKIN"}, {"IMG", "FRAME.BMP2"}}));
        EXPECT_EQ(written("GLOBALINFO"), (Values{{"VERSION", "6.22"}, {"DESCRIPTION", "Global"}}));
        EXPECT_FALSE(buttonsEnabled(*form));

        // Coming back shows the section again.
        form->PageControlMain->setCurrentWidget(form->TabSheetSections);
        form->PageControlSection->setCurrentWidget(form->TabSheetDirect);
        EXPECT_EQ(memo(*form).toPlainText(), buttonLines + QStringLiteral("2"));
    }
}

TEST_F(DirectEditPageTest, SelectingAnotherSectionOrReopeningTheSkinDiscardsTheTyping)
{
    const auto form = openOnDirectPage();
    const QByteArray before = program.read(QStringLiteral("Skins/Aqua/Options.dat"));
    typeAtEnd(*form, QStringLiteral("2"));
    form->ListBoxSections->setCurrentRow(1);
    EXPECT_EQ(memo(*form).toPlainText(), QStringLiteral("COLOR = 5"));
    EXPECT_FALSE(buttonsEnabled(*form));

    typeAtEnd(*form, QStringLiteral("0"));
    chooseSkin(*form, QStringLiteral("Aqua"));
    EXPECT_EQ(memo(*form).toPlainText(), QStringLiteral("COLOR = 5"));
    form->PageControlSection->setCurrentWidget(form->TabSheetBG);
    EXPECT_EQ(program.read(QStringLiteral("Skins/Aqua/Options.dat")), before);
}
