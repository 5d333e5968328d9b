#include "platform/TPathDialog.h"

#include "platform/QtDialogs.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

TEST(TPathDialog, StartsAtTheRootThenWhereItWasLeft)
{
    ScriptedDialogs dialogs;
    TPathDialog dialog;
    dialog.Caption = QStringLiteral("Pick :");
    dialogs.chooseFolder(QStringLiteral("/data/skins"));
    dialogs.cancel(ScriptedDialogs::Kind::SelectFolder);

    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Path, QStringLiteral("/data/skins"));
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Path, QStringLiteral("/data/skins"));

    ASSERT_EQ(dialogs.asked().size(), 2u);
    EXPECT_EQ(dialogs.asked()[0].caption, QStringLiteral("Pick :"));
    EXPECT_EQ(dialogs.asked()[0].value, TPathDialog::Root());
    EXPECT_EQ(dialogs.asked()[1].value, QStringLiteral("/data/skins"));
}

TEST(QtDialogs, FiltersBecomeQtFilters)
{
    const struct
    {
        const char* given;
        const char* expected;
    } cases[] = {
        {"Vespira demo|VespiraShowcase", "Vespira demo (VespiraShowcase)"},
        {"Images (*.bmp, *.jpg)|*.bmp;*.jpg", "Images (*.bmp, *.jpg) (*.bmp *.jpg)"},
        {"Vespira files|*.vpk|All files|*.*", "Vespira files (*.vpk);;All files (*.*)"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtDialogs::QtFilter(QString::fromLatin1(c.given)), QString::fromLatin1(c.expected)) << c.given;
}

TEST(AppDialogs, InstallingAServiceReplacesTheRealDialogsUntilRemoved)
{
    Dialogs* real = &AppDialogs();
    {
        ScriptedDialogs dialogs;
        EXPECT_EQ(&AppDialogs(), &dialogs);
        QString value = QStringLiteral("start");
        EXPECT_FALSE(AppDialogs().InputQuery(QStringLiteral("C"), QStringLiteral("P"), value));
        EXPECT_EQ(value, QStringLiteral("start"));
        EXPECT_FALSE(AppDialogs().Confirm(QStringLiteral("Sure?")));
        EXPECT_EQ(dialogs.asked(ScriptedDialogs::Kind::Confirm).at(0).caption, QStringLiteral("Confirm"));
    }
    EXPECT_EQ(&AppDialogs(), real);
}
