#include "MainFormFixture.h"

#include "editor/DemoLink.h"
#include "platform/TWindowLink.h"
#include "skinfiles/TMemIniFile.h"
#include "support/PreviewPeers.h"

#include <QCheckBox>
#include <QProcess>
#include <QTimer>

namespace {

using Kind = ScriptedDialogs::Kind;

const QString reload = QStringLiteral("message 41984 2 0");
const QString closeRequest = QStringLiteral("message 41984 1 0");

// The preview programs run as real second processes; every test has its own
// folder of window sockets (the fixture's), so tests running side by side do
// not meet.
class DemoLinkTest : public MainFormTest
{
protected:
    DemoLinkTest() : peers(program)
    {
        addSkin(QStringLiteral("Aqua"), "[GLOBALINFO]\r\nVERSION=6.22\r\n[BUTTON]\r\nCOLOR=1\r\n");
    }

    std::unique_ptr<TMainForm> openAqua(const QByteArray& preview)
    {
        writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit() + "\r\nPreview=" + preview + "\r\n");
        auto form = start();
        chooseSkin(*form, QStringLiteral("Aqua"));
        return form;
    }

    // What every page does after it has written into the skin.
    void edit(TMainForm& form)
    {
        form.SkinFile->WriteInteger("BUTTON", "COLOR", ++color_);
        form.SkinChanged();
    }

    QString defaultDemo() const { return program.file(QStringLiteral("VespiraShowcase")); }

    static bool demoRuns() { return FindWindowByCaption(currentDemoCaption); }

    PreviewPeers peers;

private:
    int color_ = 100;
};

} // namespace

TEST_F(DemoLinkTest, EveryPublishedChangeAsksTheRunningProgramToReload)
{
    peers.addProgram(QStringLiteral("VespiraShowcase"));
    const auto form = openAqua("1");

    // The stored switch started the program with "/edit", and it was found in time.
    const QStringList started = peers.lines(QStringLiteral("started"));
    ASSERT_EQ(started.size(), 1);
    EXPECT_TRUE(started.front().endsWith(QStringLiteral(" /edit")));
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_TRUE(peers.lines(QStringLiteral("message")).isEmpty());

    edit(*form);
    edit(*form);
    ASSERT_TRUE(peers.waitForLines(QStringLiteral("message"), 2));

    // While a bar is dragged the pages are guarded and nothing is published.
    form->PageLoading = true;
    edit(*form);
    form->PageLoading = false;
    edit(*form);
    ASSERT_TRUE(peers.waitForLines(QStringLiteral("message"), 3));
    EXPECT_EQ(peers.lines(QStringLiteral("message")), (QStringList{reload, reload, reload}));
    EXPECT_EQ(peers.lines(QStringLiteral("started")).size(), 1);
}

TEST_F(DemoLinkTest, AMissingProgramIsAskedForAtEveryEditUntilOneIsChosen)
{
    const auto form = openAqua("1");
    ASSERT_EQ(dialogs.asked(Kind::OpenFile).size(), 1u);
    const ScriptedDialogs::Question asked = dialogs.asked(Kind::OpenFile).front();
    EXPECT_EQ(asked.file.Title, QStringLiteral("Search VespiraShowcase file"));
    EXPECT_EQ(asked.file.Filter, QStringLiteral("Vespira demo|VespiraShowcase"));
    EXPECT_EQ(asked.file.FileName, QStringLiteral("VespiraShowcase"));
    EXPECT_EQ(asked.file.InitialDir, QStringLiteral("."));
    EXPECT_TRUE(form->CheckBoxUpd->isChecked());

    edit(*form);
    EXPECT_EQ(dialogs.asked(Kind::OpenFile).size(), 2u);
    EXPECT_EQ(form->DemoFileName, defaultDemo());

    const QString chosen = peers.addProgram(QStringLiteral("elsewhere/Showcase"));
    dialogs.chooseFile(chosen);
    edit(*form);
    EXPECT_EQ(form->DemoFileName, chosen);
    ASSERT_EQ(peers.lines(QStringLiteral("started")).size(), 1);
    EXPECT_TRUE(demoRuns());
    EXPECT_EQ(dialogs.asked(Kind::Confirm).size(), 0u);

    // The chosen program is remembered at exit, and exit closes it.
    form->close();
    EXPECT_EQ(settingValue("Options", "DemoFileName"), chosen.toLocal8Bit());
    ASSERT_TRUE(peers.waitForLines(QStringLiteral("closed"), 1));
    EXPECT_EQ(peers.lines(QStringLiteral("message")), QStringList{closeRequest});
}

TEST_F(DemoLinkTest, UncheckingTheSwitchClosesTheProgramAndCheckingItStartsItAnew)
{
    peers.addProgram(QStringLiteral("VespiraShowcase"));
    const auto form = openAqua("1");
    ASSERT_TRUE(demoRuns());

    form->CheckBoxUpd->click();
    EXPECT_EQ(settingValue("Options", "Preview"), "0");
    ASSERT_TRUE(peers.waitForLines(QStringLiteral("closed"), 1));
    ASSERT_TRUE(waitUntil([] { return !demoRuns(); }));
    edit(*form);
    EXPECT_EQ(peers.lines(QStringLiteral("message")), QStringList{closeRequest});

    // An edit while the new program is waited for (it is slow to show its
    // window, but in time) starts no second one.
    peers.addProgram(QStringLiteral("VespiraShowcase"), currentDemoCaption, 100);
    QTimer::singleShot(40, form.get(), [&] { edit(*form); });
    form->CheckBoxUpd->click();
    EXPECT_EQ(settingValue("Options", "Preview"), "1");
    EXPECT_EQ(peers.lines(QStringLiteral("started")).size(), 2);
    EXPECT_TRUE(program.read(QStringLiteral("Skins/Aqua/Options.dat")).contains("COLOR=102"));
    EXPECT_TRUE(demoRuns());
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(DemoLinkTest, ExitClosesARunningProgramEvenWithTheSwitchOff)
{
    const auto form = openAqua("0");
    ASSERT_TRUE(QProcess::startDetached(peers.addProgram(QStringLiteral("VespiraShowcase")), {}));
    ASSERT_TRUE(waitUntil(demoRuns));
    edit(*form);

    form->close();
    ASSERT_TRUE(peers.waitForLines(QStringLiteral("closed"), 1));
    EXPECT_EQ(peers.lines(QStringLiteral("message")), QStringList{closeRequest});
}

TEST_F(DemoLinkTest, AProgramOfAnotherVersionIsReportedAndAnotherOneIsSearched)
{
    peers.addProgram(QStringLiteral("VespiraShowcase"), QStringLiteral("Orvalen preview v6.00"));
    const QString current = peers.addProgram(QStringLiteral("current/VespiraShowcase"));
    dialogs.answerYes();
    dialogs.chooseFile(current);
    const auto form = openAqua("1");

    ASSERT_EQ(dialogs.asked().size(), 2u);
    EXPECT_EQ(dialogs.asked()[0].kind, Kind::Confirm);
    EXPECT_EQ(dialogs.asked()[0].text, QStringLiteral("Started ") + defaultDemo()
                                           + QStringLiteral(" have obsolete version number. \r\n\r\nWould you like to "
                                                            "search VespiraShowcase v6.22?"));
    EXPECT_EQ(dialogs.asked()[1].kind, Kind::OpenFile);
    EXPECT_EQ(form->DemoFileName, current);
    EXPECT_EQ(peers.lines(QStringLiteral("started")).size(), 2);
    EXPECT_TRUE(demoRuns());
    // The program of the other version is not the editor's to close.
    EXPECT_TRUE(FindWindowByCaption(QStringLiteral("Orvalen preview v6.00")));
}

TEST_F(DemoLinkTest, DecliningToSearchLeavesTheProgramOfAnotherVersionAlone)
{
    peers.addProgram(QStringLiteral("VespiraShowcase"), QStringLiteral("Orvalen preview v6.00"));
    dialogs.answerNo();
    const auto form = openAqua("1");
    EXPECT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(form->DemoFileName, defaultDemo());
    EXPECT_TRUE(peers.lines(QStringLiteral("message")).isEmpty());
}
