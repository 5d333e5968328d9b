#include "dialogs/ovSelectSkin.h"

#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A folder of skins of every kind, and things that are not skins.
class SkinSelectTest : public testing::Test
{
protected:
    SkinSelectTest()
    {
        skins.write(QStringLiteral("Bravo/Options.dat"), "[GLOBALINFO]\r\n");
        skins.write(QStringLiteral("alpha/OPTIONS.DAT"), "[GLOBALINFO]\r\n");
        skins.write(QStringLiteral("Charlie.vpk"), "VPak");
        skins.write(QStringLiteral("delta.old.vpk"), "VPak");
        skins.write(QStringLiteral("Echo.VPK"), "VPak");
        skins.write(QStringLiteral(".hidden.vpk"), "VPak");
        skins.write(QStringLiteral(".Hidden/Options.dat"), "[GLOBALINFO]\r\n");
        skins.write(QStringLiteral("NoOptions/Master.bmp"), "BM");
        skins.write(QStringLiteral("notes.txt"), "text");
    }

    static QStringList entries(const TFormSkinSelect& window)
    {
        QStringList names;
        for (int row = 0; row < window.sListBox1->count(); ++row)
            names.append(window.sListBox1->item(row)->text());
        return names;
    }

    static QPoint entryCentre(const TFormSkinSelect& window, const QString& name)
    {
        const QList<QListWidgetItem*> found = window.sListBox1->findItems(name, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        return found.isEmpty() ? QPoint() : window.sListBox1->visualItemRect(found.constFirst()).center();
    }

    static void clickEntry(TFormSkinSelect& window, const QString& name)
    {
        QTest::mouseClick(window.sListBox1->viewport(), Qt::LeftButton, {}, entryCentre(window, name));
    }

    // As the system delivers it: a click, then the double-click.
    static void doubleClickEntry(TFormSkinSelect& window, const QString& name)
    {
        clickEntry(window, name);
        QTest::mouseDClick(window.sListBox1->viewport(), Qt::LeftButton, {}, entryCentre(window, name));
    }

    // Opens the window on the folder as the program does and hands it to driver.
    bool select(QString& name, QString& folder, int kindFilter, std::function<void(TFormSkinSelect&)> driver)
    {
        dialogs.driveWindow([driver](QDialog& window) { driver(dynamic_cast<TFormSkinSelect&>(window)); });
        return SelectSkin(name, folder, kindFilter);
    }

    TestFolder skins;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(SkinSelectTest, ListsTheSkinsOfTheWantedKindSortedWithoutRegardToCase)
{
    const struct
    {
        int filter;
        QStringList names;
    } cases[] = {
        {skFoldersOnly, {QStringLiteral("alpha"), QStringLiteral("Bravo")}},
        {skPackedOnly, {QStringLiteral("Charlie"), QStringLiteral("delta")}},
        {skAllKinds, {QStringLiteral("alpha"), QStringLiteral("Bravo"), QStringLiteral("Charlie"), QStringLiteral("delta")}},
    };
    for (const auto& c : cases) {
        QString name;
        QString folder = skins.path();
        QStringList listed;
        bool okEnabled = true;
        select(name, folder, c.filter, [&](TFormSkinSelect& window) {
            listed = entries(window);
            okEnabled = window.sBitBtn1->isEnabled();
        });
        EXPECT_EQ(listed, c.names) << "filter " << c.filter;
        EXPECT_FALSE(okEnabled) << "filter " << c.filter;
    }
}

TEST_F(SkinSelectTest, TheWindowIsCaptionedAndSizedAsTheToolItIs)
{
    QString name;
    QString folder = skins.path();
    select(name, folder, skAllKinds, [](TFormSkinSelect& window) {
        EXPECT_EQ(window.minimumSize(), QSize(500, 360));
        EXPECT_TRUE(window.windowFlags().testFlag(Qt::Tool));
        EXPECT_FALSE(window.sPanel1->isEnabled());
    });
    ASSERT_EQ(dialogs.asked(ScriptedDialogs::Kind::Window).size(), 1u);
    EXPECT_EQ(dialogs.asked(ScriptedDialogs::Kind::Window).front().caption, QStringLiteral("Select skin"));
}

TEST_F(SkinSelectTest, TheGivenNameIsSelectedOnlyWhenListedExactly)
{
    const struct
    {
        QString given;
        QString selected;
    } cases[] = {
        {QStringLiteral("Charlie"), QStringLiteral("Charlie")},
        {QStringLiteral("charlie"), QString()},
        {QStringLiteral("Bravo"), QString()}, // a folder, not listed among packed skins
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        QString name = c.given;
        QString folder = skins.path();
        QString selected;
        bool okEnabled = false;
        select(name, folder, skPackedOnly, [&](TFormSkinSelect& window) {
            selected = window.SelectedSkin();
            okEnabled = window.sBitBtn1->isEnabled();
        });
        EXPECT_EQ(selected, c.selected) << c.given.toStdString();
        EXPECT_EQ(okEnabled, !c.selected.isEmpty()) << c.given.toStdString();
    }
}

TEST_F(SkinSelectTest, OkGivesTheClickedSkinAndTheFolderOfTheField)
{
    TestFolder other;
    other.write(QStringLiteral("Foxtrot.vpk"), "VPak");
    other.write(QStringLiteral("Golf.vpk"), "VPak");
    QString name = QStringLiteral("Charlie");
    QString folder = skins.path();
    QStringList listedAfterTyping;
    const bool accepted = select(name, folder, skPackedOnly, [&](TFormSkinSelect& window) {
        window.sDirectoryEdit1->clear();
        QTest::keyClicks(window.sDirectoryEdit1, other.path());
        listedAfterTyping = entries(window);
        EXPECT_FALSE(window.sBitBtn1->isEnabled());
        clickEntry(window, QStringLiteral("Golf"));
        EXPECT_TRUE(window.sBitBtn1->isEnabled());
        QTest::mouseClick(window.sBitBtn1, Qt::LeftButton);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(listedAfterTyping, (QStringList{QStringLiteral("Foxtrot"), QStringLiteral("Golf")}));
    EXPECT_EQ(name, QStringLiteral("Golf"));
    EXPECT_EQ(folder, other.path());
}

TEST_F(SkinSelectTest, CancelLeavesNameAndFolderAsTheyWere)
{
    const std::function<void(TFormSkinSelect&)> closings[] = {
        [](TFormSkinSelect& window) {
            clickEntry(window, QStringLiteral("delta"));
            window.sDirectoryEdit1->setText(QStringLiteral("/elsewhere"));
            QTest::mouseClick(window.sBitBtn2, Qt::LeftButton);
        },
        [](TFormSkinSelect& window) { QTest::keyClick(&window, Qt::Key_Escape); },
        [](TFormSkinSelect&) {}, // left open: not accepted
    };
    for (const auto& closing : closings) {
        QString name = QStringLiteral("Charlie");
        QString folder = skins.path();
        EXPECT_FALSE(select(name, folder, skPackedOnly, closing));
        EXPECT_EQ(name, QStringLiteral("Charlie"));
        EXPECT_EQ(folder, skins.path());
    }
    dialogs.cancel(ScriptedDialogs::Kind::Window);
    QString name = QStringLiteral("Charlie");
    QString folder = skins.path();
    EXPECT_FALSE(SelectSkin(name, folder, skPackedOnly));
    EXPECT_EQ(name, QStringLiteral("Charlie"));
}

TEST_F(SkinSelectTest, DoubleClickingAnEntryAcceptsIt)
{
    QString name;
    QString folder = skins.path();
    EXPECT_TRUE(select(name, folder, skAllKinds, [](TFormSkinSelect& window) { doubleClickEntry(window, QStringLiteral("Bravo")); }));
    EXPECT_EQ(name, QStringLiteral("Bravo"));
}

TEST_F(SkinSelectTest, DoubleClickingWithNothingSelectedDoesNothing)
{
    QString name;
    QString folder = skins.path();
    bool stillOpen = false;
    EXPECT_FALSE(select(name, folder, skAllKinds, [&](TFormSkinSelect& window) {
        const QPoint belowEntries(5, window.sListBox1->viewport()->height() - 3);
        ASSERT_EQ(window.sListBox1->itemAt(belowEntries), nullptr);
        QTest::mouseDClick(window.sListBox1->viewport(), Qt::LeftButton, {}, belowEntries);
        stillOpen = window.isVisible();
    }));
    EXPECT_TRUE(stillOpen);
}

TEST_F(SkinSelectTest, AFolderWithoutSkinsOrThatIsMissingGivesAnEmptyList)
{
    TestFolder empty;
    empty.write(QStringLiteral("Options.dat"), "[GLOBALINFO]\r\n");
    for (const QString& folderName : {empty.path(), skins.file(QStringLiteral("missing")), skins.file(QStringLiteral("notes.txt")), QString()}) {
        QString name;
        QString folder = folderName;
        int count = -1;
        bool okEnabled = true;
        select(name, folder, skAllKinds, [&](TFormSkinSelect& window) {
            count = window.sListBox1->count();
            okEnabled = window.sBitBtn1->isEnabled();
        });
        EXPECT_EQ(count, 0) << folderName.toStdString();
        EXPECT_FALSE(okEnabled) << folderName.toStdString();
    }
}

TEST_F(SkinSelectTest, TheBrowseButtonChoosesTheFolderThatIsListed)
{
    TestFolder other;
    other.write(QStringLiteral("Hotel.vpk"), "VPak");
    QString name;
    QString folder = skins.path();
    QStringList listed;
    select(name, folder, skPackedOnly, [&](TFormSkinSelect& window) {
        dialogs.chooseFolder(other.path());
        window.sDirectoryEdit1->actions().constFirst()->trigger();
        listed = entries(window);
    });
    EXPECT_EQ(listed, QStringList{QStringLiteral("Hotel")});
    const auto asked = dialogs.asked(ScriptedDialogs::Kind::SelectFolder);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked.front().value, skins.path());
}
