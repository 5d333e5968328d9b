#include "platform/FileNames.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

TEST(FindFileIgnoringCase, FindsTheFileWhateverTheCaseOfTheAskedName)
{
    TestFolder folder;
    folder.write(QStringLiteral("Skin/Master.bmp"), "x");
    const QString skin = folder.file(QStringLiteral("Skin"));
    for (const char* asked : {"Master.bmp", "MASTER.BMP", "master.bmp", "mAsTeR.BmP"})
        EXPECT_EQ(FindFileIgnoringCase(skin, QString::fromLatin1(asked)), skin + QStringLiteral("/Master.bmp")) << asked;
}

TEST(FindFileIgnoringCase, PrefersTheExactNameOverOthersDifferingInCase)
{
    TestFolder folder;
    folder.write(QStringLiteral("OPTIONS.DAT"), "upper");
    folder.write(QStringLiteral("Options.dat"), "exact");
    EXPECT_EQ(FindFileIgnoringCase(folder.path(), QStringLiteral("Options.dat")), folder.file(QStringLiteral("Options.dat")));
    EXPECT_EQ(FindFileIgnoringCase(folder.path(), QStringLiteral("OPTIONS.DAT")), folder.file(QStringLiteral("OPTIONS.DAT")));
}

TEST(FindFileIgnoringCase, GivesNothingForMissingFilesFoldersAndMissingFolders)
{
    TestFolder folder;
    folder.makeDir(QStringLiteral("Options.dat"));
    folder.write(QStringLiteral("Options.dat.bak"), "x");
    EXPECT_TRUE(FindFileIgnoringCase(folder.path(), QStringLiteral("options.dat")).isEmpty());
    EXPECT_TRUE(FindFileIgnoringCase(folder.file(QStringLiteral("nowhere")), QStringLiteral("a")).isEmpty());
}

TEST(FileNameBytes, RoundTripsNonAsciiNames)
{
    const QString name = QStringLiteral("/tmp/Sk\u00efn \u00e9t\u00e9/Options.dat");
    EXPECT_EQ(FileNameText(FileNameBytes(name)), name);
    EXPECT_EQ(FileNameBytes(QStringLiteral("/a/b")), "/a/b");
}
